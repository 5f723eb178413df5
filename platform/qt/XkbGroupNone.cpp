// Builds without libX11's XKB functions: there are no keyboard groups to read or select.
#include "XkbGroup.h"

namespace dlx {

XkbGroups::XkbGroups() = default;
XkbGroups::~XkbGroups() = default;

QStringList XkbGroups::layouts() const {
    return {};
}

bool XkbGroups::lock(int) const {
    return false;
}

} // namespace dlx
