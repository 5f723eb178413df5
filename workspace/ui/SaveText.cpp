#include "SaveText.h"

#include "Dialogs.h"
#include "TextFile.h"
#include "TranslateRun.h"

#include <QFile>

namespace dlx {

std::optional<bool> saveTextFile(Dialogs &dialogs, QWidget *parent, const QString &text, const QString &path) {
    bool utf8 = false;
    const std::string bytes = saveTextBytes(withCrLf(text.toStdU32String()), true, &utf8);
    if (auto written = writeFileBytes(QFile::encodeName(path).toStdString(), bytes); !written) {
        dialogs.message(parent,
                        QString::fromUtf8("บันทึกแฟ้ม \"%1\" ไม่ได้: %2")
                            .arg(path, QString::fromLocal8Bit(written.error().reason().c_str())),
                        QString::fromUtf8("โปรแกรมผิดพลาด"), MsgIcon::Exclamation, MsgButtons::Ok);
        return std::nullopt;
    }
    return utf8;
}

} // namespace dlx
