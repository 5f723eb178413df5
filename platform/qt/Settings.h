#pragma once
// The per-user settings store (application, section, key) and the profile strings that hold high scores.
#include <QString>

namespace dlx {

/// The user's data folder of the program: ~/.local/share/Dualexicon (XDG_DATA_HOME when set).
QString defaultUserDataFolder();

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString &section, const QString &key, const QString &defaultValue = {}) const = 0;
    virtual void setValue(const QString &section, const QString &key, const QString &value) = 0;
};

/// QSettings in INI format, in the file given: the program passes defaultPath(), tests an INI file of their own.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(QString iniPath);
    static QString defaultPath(); ///< per-user file named after the executable (without extension)
    QString value(const QString &section, const QString &key, const QString &defaultValue) const override;
    void setValue(const QString &section, const QString &key, const QString &value) override;
    const QString &path() const { return path_; }

private:
    QString path_;
};

/// Profile strings (section, key, text) with the integer reading rule of the high scores: a missing key, a text
/// that does not start with a number, or a negative number reads as 0.  "12abc" => 12, "-3" => 0, "x" => 0.
class ProfileStrings {
public:
    virtual ~ProfileStrings() = default;
    /// False when the value could not be stored (an unwritable profile file, for instance).
    virtual bool writeString(const QString &section, const QString &key, const QString &value) = 0;
    virtual QString readString(const QString &section, const QString &key) const = 0;
    int readInt(const QString &section, const QString &key) const;
};

class IniProfileStrings : public ProfileStrings {
public:
    explicit IniProfileStrings(QString iniPath);
    static QString defaultPath(); ///< per-user "profile.ini" beside the settings
    bool writeString(const QString &section, const QString &key, const QString &value) override;
    QString readString(const QString &section, const QString &key) const override;

private:
    QString path_;
};

} // namespace dlx
