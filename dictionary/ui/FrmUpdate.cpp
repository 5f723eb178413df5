#include "FrmUpdate.h"

#include "Codec874.h"
#include "Download.h"
#include "LetterSave.h"
#include "Settings.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <exception>

namespace dlx {
namespace {

QLabel *label(const char *name, const QString &text, QWidget *parent, QRect geometry) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    return l;
}

const QString kTitleSave = QStringLiteral("บันทึก");

} // namespace

FrmUpdate::FrmUpdate(const AppContext &context, QWidget *parent)
    : DictionaryDialog(parent), context_(context), dialogs_(context.dialogs), http_(context.http) {
    setObjectName("FrmUpdate");
    setWindowTitle(QStringLiteral("เพิ่มศัพท์จากอินเตอร์เน็ต"));

    // Fixed positions, like the two fixed heights: collapsing the window hides everything below the letter box.
    label("Label2", QStringLiteral("เลือกหมวดอักษรที่ต้องการ UpDate"), this, QRect(8, 6, 260, 24));
    label("Label6", QStringLiteral("หมวดอักษร"), this, QRect(8, 38, 80, 26));
    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setGeometry(92, 38, 70, 26);
    for (char c = 'A'; c <= 'Z'; ++c)
        combo1_->addItem(QString(QChar(c)));
    combo1_->setCurrentIndex(-1);
    label("lblCnt", QString(), this, QRect(176, 38, 240, 26));

    label("Label1", QStringLiteral("คำศัพท์ที่มีใน Internet"), this, QRect(8, 72, 260, 22));
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName("Text1");
    text1_->setGeometry(8, 96, kWidth - 16, 100);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);

    command3_ = addButton("Command3", QStringLiteral("บันทึก"));
    command3_->setToolTip(QStringLiteral("บันทึกศัพท์ในหมวดอักษรนี้"));
    command3_->setGeometry(8, 202, 90, 30);
    auto *note = label("Label7", QStringLiteral("หมายเหตุ : Update เฉพาะคำศัพท์เท่านั้นส่วนไวยากรณ์ไม่มี"), this,
                       QRect(106, 202, kWidth - 114, 30));
    note->setWordWrap(true);

    setWindowHeight(kCollapsedHeight);

    connect(combo1_, &QComboBox::activated, this, [this](int index) { fetch(combo1_->itemText(index)); });
    connect(text1_, &QPlainTextEdit::textChanged, this, &FrmUpdate::check);
    connect(command3_, &QPushButton::clicked, this, &FrmUpdate::save);
}

FrmUpdate::~FrmUpdate() = default;

QString FrmUpdate::serverBase() const {
    const QString fallback = QString::fromLatin1(kDefaultUpdateServer.data(), kDefaultUpdateServer.size());
    const QString value = context_.settings.value("Update", "Server", fallback).trimmed();
    return value.isEmpty() ? fallback : value;
}

void FrmUpdate::setWindowHeight(int height) {
    setFixedSize(kWidth, height);
    // Collapsed, the text may still be an earlier letter's (a failed fetch keeps it): it must not be reachable
    // by Tab and saved under the letter now chosen.
    const bool expanded = height == kExpandedHeight;
    text1_->setEnabled(expanded);
    command3_->setEnabled(expanded);
}

void FrmUpdate::fetch(const QString &letter) {
    setWindowHeight(kCollapsedHeight);
    if (letter.size() != 1)
        return;
    const QUrl url(QString::fromStdString(updateUrl(serverBase().toStdString(), letter.at(0).unicode())));
    HttpResponse response;
    try {
        response = http_.get(url);
    } catch (const std::exception &) {
        return; // a failed fetch stays quiet, like an unreachable server
    }
    if (!response.answered)
        return;
    QString text;
    if (response.status == 404) {
        text.clear();
    } else if (response.status >= 200 && response.status < 300) {
        text = toQt(decode874(std::string_view(response.body.constData(), static_cast<size_t>(response.body.size()))));
        // One line break per line in the pane; the save writes each as CR LF again.
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QChar('\r'), QChar('\n'));
    } else {
        return; // a server error page is not a dictionary
    }
    text1_->setPlainText(text);
    check();
}

void FrmUpdate::check() {
    if (isMissingPage(text1_->document()->toRawText().toStdU32String())) {
        text1_->setPlainText(QString());
        return;
    }
    setWindowHeight(kExpandedHeight);
}

void FrmUpdate::save() {
    const QString letter = combo1_->currentText();
    if (letter.size() != 1) {
        dialogs_.message(this, QStringLiteral("กรุณาเลือกหมวดอักษร"), kTitleSave, MsgIcon::Exclamation);
        combo1_->setFocus(Qt::OtherFocusReason);
        return;
    }
    // toRawText keeps no-break spaces (byte A0 of the code page), which toPlainText would turn into spaces;
    // its paragraph separators are the line breaks.
    const std::u32string text =
        text1_->document()->toRawText().replace(QChar::ParagraphSeparator, QChar('\n')).toStdU32String();
    if (text.empty() &&
        dialogs_.message(this, QStringLiteral("ไม่มีคำศัพท์ที่จะบันทึก ต้องการให้แฟ้มหมวดอักษร %1 เป็นแฟ้มว่างหรือไม่").arg(letter),
                         kTitleSave, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (auto ch = firstCharacterOutside874(text)) {
        dialogs_.message(this, toQt(outside874Message(*ch)), kTitleSave, MsgIcon::Exclamation);
        return;
    }
    if (auto failure =
            saveLetterBytes(toFsPath(context_.dataFolder()), letter.at(0).unicode(), downloadFileBytes(text))) {
        dialogs_.error(this, toQt(*failure));
        return;
    }
    setWindowHeight(kCollapsedHeight);
}

} // namespace dlx
