#include "HostServices.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace dlx {

void X11KeyboardLayouts::load(const QString &layoutId) {
    last_ = layoutId;
    if (QGuiApplication::platformName() != "xcb")
        return;
    const QString setxkbmap = QStandardPaths::findExecutable("setxkbmap");
    if (setxkbmap.isEmpty())
        return;
    QProcess query;
    query.start(setxkbmap, {"-query"});
    if (!query.waitForFinished(2000))
        return;
    QString layouts;
    for (const QString &line : QString::fromLocal8Bit(query.readAllStandardOutput()).split('\n'))
        if (line.startsWith("layout:"))
            layouts = line.mid(7).trimmed();
    const QStringList list = layouts.split(',');
    if (!list.contains("us") || !list.contains("th"))
        return;
    // Keep the configured order and only move the wanted layout to the front.
    QStringList ordered = list;
    const QString wanted = layoutId.compare("0000041E", Qt::CaseInsensitive) == 0 ? "th" : "us";
    ordered.removeAll(wanted);
    ordered.prepend(wanted);
    QProcess::startDetached(setxkbmap, {"-layout", ordered.join(',')});
}

QString currentUserName() {
    if (const passwd *pw = ::getpwuid(::getuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace dlx
