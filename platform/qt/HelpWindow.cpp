#include "HelpWindow.h"

#include "Dialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>

namespace dlx {

QString helpDocumentPath(const QString &programFolder) {
    return programFolder + "/help/index.html";
}

HelpWindow::HelpWindow(const QString &document, const QString &anchor, QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QString::fromUtf8("วิธีใช้ Dualexicon"));
    setWindowIcon(parent ? parent->window()->windowIcon() : QApplication::windowIcon());
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(false);
    QUrl source = QUrl::fromLocalFile(document);
    if (!anchor.isEmpty())
        source.setFragment(anchor);
    browser_->setSource(source);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

HelpWindow *showHelpWindow(QWidget *parent, const AppContext &context, const QString &anchor) {
    const QString document = helpDocumentPath(context.programFolder);
    if (!QFileInfo(document).isFile()) {
        context.dialogs.error(
            parent, describeFailure(QString::fromUtf8("เปิดวิธีใช้ไม่ได้"), IoError{ENOENT, toFsPath(document), {}}),
            MsgIcon::Exclamation);
        return nullptr;
    }
    auto *window = new HelpWindow(document, anchor, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Centred over the window it was asked from, and kept on that window's screen.
    QRect place(QPoint(), window->size());
    place.moveCenter(parent->window()->frameGeometry().center());
    if (const QScreen *screen = parent->screen()) {
        const QRect room = screen->availableGeometry();
        place.moveLeft(std::clamp(place.left(), room.left(), std::max(room.left(), room.right() - place.width())));
        place.moveTop(std::clamp(place.top(), room.top(), std::max(room.top(), room.bottom() - place.height())));
    }
    window->move(place.topLeft());
    window->show();
    return window;
}

} // namespace dlx
