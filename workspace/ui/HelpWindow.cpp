#include "HelpWindow.h"

#include "Artwork.h"
#include "Dialogs.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace dlx {

QString helpDocumentPath(const QString &programFolder) {
    return programFolder + "/help/index.html";
}

HelpWindow::HelpWindow(const QString &document, QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QString::fromUtf8("วิธีใช้ Dualexicon"));
    setWindowIcon(art::programIcon());
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(false);
    browser_->setSource(QUrl::fromLocalFile(document));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

HelpWindow *showHelpWindow(QWidget *parent, const AppContext &context) {
    const QString document = helpDocumentPath(context.programFolder);
    if (!QFileInfo(document).isFile()) {
        context.dialogs.error(parent, QString::fromUtf8("ไม่พบแฟ้มวิธีใช้ \"%1\"").arg(document), MsgIcon::Exclamation);
        return nullptr;
    }
    auto *window = new HelpWindow(document, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace dlx
