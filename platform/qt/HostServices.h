#pragma once
// Keyboard layouts and the user's name.
#include <QString>
#include <QStringList>

namespace dlx {

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

/// Switches the X11 layout when the session has both an English and a Thai layout configured
/// (setxkbmap -query lists "us" and "th"): the wanted one is moved to the front, the others and their variants
/// keep their order. Does nothing elsewhere (other platforms, no setxkbmap, one layout only).
class X11KeyboardLayouts : public KeyboardLayouts {
public:
    void load(const QString &layoutId) override;

private:
    /// The session's layouts are asked for once; switching never waits for the desktop.
    void queryOnce();
    bool queried_ = false;
    QString setxkbmap_;
    QStringList layouts_, variants_;
};

/// The logged-in user's name, whatever its length.
QString currentUserName();

} // namespace dlx
