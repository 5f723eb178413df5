#include "XkbGroup.h"

#include <QByteArray>
#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace dlx {

XkbGroups::XkbGroups() {
    int major = XkbMajorVersion, minor = XkbMinorVersion, reason = 0;
    // The display Qt was started on (its -display option or $DISPLAY), through a connection of our own.
    QByteArray name;
    if (const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        x11 && x11->display())
        name = DisplayString(x11->display());
    display_ = XkbOpenDisplay(name.isEmpty() ? nullptr : name.data(), nullptr, nullptr, &major, &minor, &reason);
}

XkbGroups::~XkbGroups() {
    if (display_)
        XCloseDisplay(display_);
}

QStringList XkbGroups::layouts() const {
    if (!display_)
        return {};
    // _XKB_RULES_NAMES on the root window holds rules, model, layouts, variants and options, each ended by a
    // NUL; setxkbmap and the desktops keep it up to date.
    const Atom names = XInternAtom(display_, "_XKB_RULES_NAMES", True);
    if (names == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display_, DefaultRootWindow(display_), names, 0, 4096, False, XA_STRING, &type, &format,
                           &count, &after, &data) != Success ||
        !data)
        return {};
    const QList<QByteArray> fields = QByteArray(reinterpret_cast<const char *>(data), int(count)).split('\0');
    XFree(data);
    if (fields.size() < 3 || fields[2].isEmpty())
        return {};
    QStringList result;
    for (const QByteArray &layout : fields[2].split(','))
        result << QString::fromLatin1(layout).trimmed();
    return result;
}

bool XkbGroups::lock(int group) const {
    if (!display_ || group < 0 || group >= XkbNumKbdGroups)
        return false;
    if (!XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>(group)))
        return false;
    XSync(display_, False); // in effect before the next key is typed
    return true;
}

} // namespace dlx
