#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace dlx {
namespace {

QString configFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + "/.config";
    return base + "/Dualexicon";
}

} // namespace

QString defaultUserDataFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + "/.local/share";
    return base + "/Dualexicon";
}

namespace {

QString key(const QString &section, const QString &k) {
    return section + "/" + k;
}

} // namespace

IniSettingsStore::IniSettingsStore(QString iniPath) : path_(std::move(iniPath)) {}

QString IniSettingsStore::defaultPath() {
    QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (app.isEmpty())
        app = "Dualexicon";
    return configFolder() + "/" + app + ".ini";
}

QString IniSettingsStore::value(const QString &section, const QString &k, const QString &defaultValue) const {
    QSettings s(path_, QSettings::IniFormat);
    return s.value(key(section, k), defaultValue).toString();
}

void IniSettingsStore::setValue(const QString &section, const QString &k, const QString &value) {
    QSettings s(path_, QSettings::IniFormat);
    s.setValue(key(section, k), value);
    s.sync();
}

int ProfileStrings::readInt(const QString &section, const QString &k) const {
    const QString text = readString(section, k).trimmed();
    long long v = 0;
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    bool digits = false;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        digits = true;
        v = v * 10 + (text[i].unicode() - '0');
        if (v > 0x7FFFFFFF)
            return 0;
    }
    if (!digits || negative)
        return 0;
    return static_cast<int>(v);
}

IniProfileStrings::IniProfileStrings(QString iniPath) : path_(std::move(iniPath)) {}

QString IniProfileStrings::defaultPath() {
    return configFolder() + "/profile.ini";
}

bool IniProfileStrings::writeString(const QString &section, const QString &k, const QString &value) {
    QSettings s(path_, QSettings::IniFormat);
    s.setValue(key(section, k), value);
    s.sync();
    return s.status() == QSettings::NoError;
}

QString IniProfileStrings::readString(const QString &section, const QString &k) const {
    QSettings s(path_, QSettings::IniFormat);
    const QVariant v = s.value(key(section, k));
    // A hand-edited "7,5" comes back from the INI reader as a list; the profile sees the text as written.
    if (v.metaType().id() == QMetaType::QStringList)
        return v.toStringList().join(',');
    return v.toString();
}

} // namespace dlx
