#pragma once
// The X server's keyboard groups: which layouts the session has configured, and which one is active.
// Built on libX11's XKB functions where CMake finds them; elsewhere every call reports "not available".
#include <QStringList>

struct _XDisplay;

namespace dlx {

class XkbGroups {
public:
    /// Opens a connection of its own to the X display the program runs on; unusable when there is none.
    XkbGroups();
    ~XkbGroups();
    XkbGroups(const XkbGroups &) = delete;
    XkbGroups &operator=(const XkbGroups &) = delete;

    bool usable() const { return display_ != nullptr; }
    /// The session's layouts in group order ("us", "th"), read from the server now, so that a layout the user
    /// adds while the program runs is seen; empty when unknown.
    QStringList layouts() const;
    /// Makes a group (0 to 3) the active one, as the user's own toggle key does; the configuration is left as
    /// it is.
    bool lock(int group) const;

private:
    _XDisplay *display_ = nullptr;
};

} // namespace dlx
