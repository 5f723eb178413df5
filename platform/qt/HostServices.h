#pragma once
// Keyboard layouts and the user's name.
#include <QString>
#include <QStringList>

#include <memory>

namespace dlx {

class XkbGroups;

/// Input layouts by their Windows-style identifiers: "00000409" English, "0000041E" Thai.
/// The last request is kept so that tests (and the status of the desktop) can be checked.
class KeyboardLayouts {
public:
    virtual ~KeyboardLayouts() = default;
    virtual void load(const QString &layoutId) = 0;
    const QString &lastRequested() const { return last_; }

protected:
    QString last_;
};

/// Selects the English or Thai keyboard group of an X11 session that has both "us" and "th" configured, as the
/// user's own toggle key would. The configured layouts are read at each request, so one added while the program
/// runs counts; the session's layouts and options are never changed. Does nothing elsewhere (other platforms,
/// no XKB, either layout missing or beyond the fourth group).
class X11KeyboardLayouts : public KeyboardLayouts {
public:
    X11KeyboardLayouts();
    ~X11KeyboardLayouts() override;
    void load(const QString &layoutId) override;

private:
    std::unique_ptr<XkbGroups> groups_; ///< opened at the first request on X11
};

/// The logged-in user's name, whatever its length.
QString currentUserName();

} // namespace dlx
