#include "HostServices.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace dlx {

void X11KeyboardLayouts::queryOnce() {
    if (queried_)
        return;
    queried_ = true;
    setxkbmap_ = QStandardPaths::findExecutable("setxkbmap");
    if (setxkbmap_.isEmpty())
        return;
    QProcess query;
    query.start(setxkbmap_, {"-query"});
    if (!query.waitForFinished(2000))
        return;
    for (const QString &line : QString::fromLocal8Bit(query.readAllStandardOutput()).split('\n')) {
        if (line.startsWith("layout:"))
            layouts_ = line.mid(7).trimmed().split(',');
        else if (line.startsWith("variant:"))
            variants_ = line.mid(8).trimmed().split(',');
    }
    while (variants_.size() < layouts_.size())
        variants_ << QString();
}

void X11KeyboardLayouts::load(const QString &layoutId) {
    last_ = layoutId;
    if (QGuiApplication::platformName() != "xcb")
        return;
    queryOnce();
    const int us = layouts_.indexOf("us");
    const int th = layouts_.indexOf("th");
    if (us < 0 || th < 0)
        return;
    // Keep the configured order and only move the wanted layout (with its variant) to the front.
    const int wanted = layoutId.compare("0000041E", Qt::CaseInsensitive) == 0 ? th : us;
    QStringList layouts = layouts_, variants = variants_;
    layouts.move(wanted, 0);
    variants.move(wanted, 0);
    QProcess::startDetached(setxkbmap_, {"-layout", layouts.join(','), "-variant", variants.join(',')});
}

QString currentUserName() {
    if (const passwd *pw = ::getpwuid(::getuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace dlx
