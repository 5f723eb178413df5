#include "HelpViewer.h"

#include "Dialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace dlx {

HelpViewer::HelpViewer(const QString &document, const QString &anchor, QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
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

HelpViewer *showHelpAt(QWidget *parent, const AppContext &context, const QString &anchor) {
    const QString document = context.programFolder + "/help/index.html";
    if (!QFileInfo(document).isFile()) {
        context.dialogs.message(parent, QString::fromUtf8("ไม่พบแฟ้มวิธีใช้ \"%1\"").arg(document),
                                QString::fromUtf8("โปรแกรมผิดพลาด"), MsgIcon::Exclamation, MsgButtons::Ok);
        return nullptr;
    }
    auto *window = new HelpViewer(document, anchor, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace dlx
