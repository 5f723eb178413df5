#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

namespace dlx {

namespace {
const QString kCatalogue = QStringLiteral("qtbase_th");
}

QString translationsFolder(const QString &programFolder) {
    const QDir program(programFolder);
    const QString beside = program.filePath(QStringLiteral("translations"));
    if (QFileInfo::exists(QDir(beside).filePath(kCatalogue + QStringLiteral(".qm"))))
        return beside;
    const QString installed = program.filePath(QStringLiteral("../share/dualexicon/translations"));
    if (QFileInfo::exists(QDir(installed).filePath(kCatalogue + QStringLiteral(".qm"))))
        return QDir::cleanPath(installed);
    return beside;
}

bool installThaiTranslation(const QString &programFolder) {
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(kCatalogue, translationsFolder(programFolder)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace dlx
