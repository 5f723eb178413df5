#pragma once
// The main window's dialog font, with Thai-capable fallbacks where it is not installed.
#include <QFont>

namespace dlx {

inline QFont programFont(double points, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Loma"),
                   QStringLiteral("Garuda"), QStringLiteral("Waree"), QStringLiteral("Sans Serif")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace dlx
