#include "HostServices.h"

#include "XkbGroup.h"

#include <QGuiApplication>

#include <pwd.h>
#include <unistd.h>

namespace dlx {

X11KeyboardLayouts::X11KeyboardLayouts() = default;
X11KeyboardLayouts::~X11KeyboardLayouts() = default;

void X11KeyboardLayouts::load(const QString &layoutId) {
    last_ = layoutId;
    if (QGuiApplication::platformName() != "xcb")
        return;
    if (!groups_)
        groups_ = std::make_unique<XkbGroups>();
    const QStringList layouts = groups_->layouts();
    const int us = layouts.indexOf("us");
    const int th = layouts.indexOf("th");
    if (us < 0 || th < 0)
        return;
    const int wanted = layoutId.compare("0000041E", Qt::CaseInsensitive) == 0 ? th : us;
    groups_->lock(wanted); // refused beyond the fourth group, which XKB cannot select
}

QString currentUserName() {
    if (const passwd *pw = ::getpwuid(::getuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace dlx
