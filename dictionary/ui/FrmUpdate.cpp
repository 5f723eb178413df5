#include "FrmUpdate.h"

#include "Codec874.h"
#include "Download.h"
#include "LetterSave.h"
#include "Settings.h"
#include "TextFile.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

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
    removeStaleTemporaryFiles(toFsPath(context.dataFolder())); // left by a save that was killed

    // Fixed positions, like the two fixed heights: collapsing the window hides everything below the letter box.
    label("Label2", QStringLiteral("เลือกหมวดอักษรที่ต้องการ UpDate"), this, QRect(8, 6, 260, 24));
    label("Label6", QStringLiteral("หมวดอักษร"), this, QRect(8, 38, 80, 26));
    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setGeometry(92, 38, 70, 26);
    for (char c = 'A'; c <= 'Z'; ++c)
        combo1_->addItem(QString(QChar(c)));
    combo1_->setCurrentIndex(-1);
    lblCnt_ = label("lblCnt", QString(), this, QRect(176, 38, 240, 26));

    label("Label1", QStringLiteral("คำศัพท์ที่มีใน Internet"), this, QRect(8, 72, 260, 22));
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName("Text1");
    text1_->setGeometry(8, 96, kWidth - 16, 100);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // What is saved is the download exactly as it was checked, so the text is there to be read, not edited.
    text1_->setReadOnly(true);
    text1_->setUndoRedoEnabled(false);

    command3_ = addButton("Command3", QStringLiteral("บันทึก"));
    command3_->setToolTip(QStringLiteral("บันทึกศัพท์ในหมวดอักษรนี้"));
    command3_->setGeometry(8, 202, 90, 30);
    auto *note = label("Label7", QStringLiteral("หมายเหตุ : Update เฉพาะคำศัพท์เท่านั้นส่วนไวยากรณ์ไม่มี"), this,
                       QRect(106, 202, kWidth - 114, 30));
    note->setWordWrap(true);

    setWindowHeight(kCollapsedHeight);

    connect(combo1_, &QComboBox::activated, this, [this](int index) { fetch(combo1_->itemText(index)); });
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
    // Collapsed, nothing below the letter box can be reached by Tab.
    const bool expanded = height == kExpandedHeight;
    text1_->setEnabled(expanded);
    command3_->setEnabled(expanded);
}

void FrmUpdate::showDownload(std::optional<LetterDownload> download) {
    download_ = std::move(download);
    QString text;
    if (download_) {
        for (std::size_t i = 0; i < download_->lines.size(); ++i) {
            if (i != 0)
                text += QChar('\n');
            text += toQt(decode874(download_->line(i)));
        }
    }
    text1_->setPlainText(text);
    lblCnt_->setText(download_ ? QStringLiteral("มีศัพท์ %1 คำ").arg(download_->entryCount()) : QString());
}

void FrmUpdate::fetch(const QString &letter) {
    setWindowHeight(kCollapsedHeight);
    showDownload(std::nullopt);
    if (letter.size() != 1)
        return;
    const char32_t L = letter.at(0).unicode();
    const QUrl url(QString::fromStdString(updateUrl(serverBase().toStdString(), L)));
    const QString where = url.toDisplayString();
    HttpResponse response;
    try {
        response = http_.get(url);
    } catch (const std::exception &e) {
        refuse(QStringLiteral("ดาวน์โหลดไม่สำเร็จ: %1\n(%2)").arg(where, QString::fromLocal8Bit(e.what())));
        return;
    }
    switch (response.failure) {
    case HttpFailure::None:
        break;
    case HttpFailure::InvalidUrl:
        refuse(QStringLiteral("ที่อยู่เซิร์ฟเวอร์ไม่ถูกต้อง: %1\nกรุณาตรวจค่า Server ในหมวด Update ของการตั้งค่า").arg(where));
        return;
    case HttpFailure::Unreachable:
        refuse(QStringLiteral("ติดต่อเซิร์ฟเวอร์ไม่ได้: %1\n(%2)").arg(where, response.error));
        return;
    case HttpFailure::TimedOut:
        refuse(QStringLiteral("เซิร์ฟเวอร์ไม่ตอบภายในเวลาที่กำหนด: %1").arg(where));
        return;
    case HttpFailure::TooLarge:
        refuse(QStringLiteral("แฟ้มบนเซิร์ฟเวอร์ใหญ่เกินกว่าแฟ้มพจนานุกรม จึงไม่ดาวน์โหลด: %1").arg(where));
        return;
    case HttpFailure::OtherHost:
        refuse(QStringLiteral("เซิร์ฟเวอร์ส่งต่อไปยังเครื่องอื่น จึงไม่ดาวน์โหลด: %1\n(%2)").arg(where, response.error));
        return;
    case HttpFailure::CutShort:
        refuse(toQt(checkLetterDownload(response.body.toStdString(), L, response.announcedLength).problem));
        return;
    case HttpFailure::Other:
        refuse(QStringLiteral("ดาวน์โหลดไม่สำเร็จ: %1\n(%2)").arg(where, response.error));
        return;
    }
    if (response.status == 404 || (response.status / 100 == 2 && response.body.contains("404 Not Found"))) {
        refuse(QStringLiteral("ไม่พบแฟ้ม %1 บนเซิร์ฟเวอร์: %2").arg(url.fileName(), where));
        return;
    }
    if (response.status / 100 != 2) {
        refuse(QStringLiteral("เซิร์ฟเวอร์ตอบกลับด้วยรหัส %1 แทนแฟ้มพจนานุกรม: %2").arg(response.status).arg(where));
        return;
    }
    DownloadCheck check = checkLetterDownload(response.body.toStdString(), L, response.announcedLength);
    response.body.clear();
    if (!check.problem.empty()) {
        refuse(toQt(check.problem));
        return;
    }
    showDownload(std::move(check.download));
    setWindowHeight(kExpandedHeight);
}

void FrmUpdate::refuse(const QString &why) {
    dialogs_.error(this, why + QStringLiteral("\nแฟ้มในเครื่องไม่ได้เปลี่ยนแปลง"), MsgIcon::Exclamation);
}

void FrmUpdate::save() {
    const QString letter = combo1_->currentText();
    if (letter.size() != 1) {
        dialogs_.message(this, QStringLiteral("กรุณาเลือกหมวดอักษร"), kTitleSave, MsgIcon::Exclamation);
        combo1_->setFocus(Qt::OtherFocusReason);
        return;
    }
    const char32_t L = download_ ? download_->letter : letter.at(0).unicode();
    if ((!download_ || download_->entryCount() == 0) &&
        dialogs_.message(this, QStringLiteral("ไม่มีคำศัพท์ที่จะบันทึก ต้องการให้แฟ้มหมวดอักษร %1 เป็นแฟ้มว่างหรือไม่").arg(letter),
                         kTitleSave, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (auto failure =
            saveLetterBytes(toFsPath(context_.dataFolder()), L, download_ ? download_->fileBytes() : std::string())) {
        dialogs_.error(this, toQt(*failure));
        return;
    }
    setWindowHeight(kCollapsedHeight);
    const std::size_t entries = download_ ? download_->entryCount() : 0;
    dialogs_.message(this, QStringLiteral("บันทึกหมวดอักษร %1 แล้ว: %2 คำ").arg(QString::fromUcs4(&L, 1)).arg(entries),
                     kTitleSave, MsgIcon::Information);
}

} // namespace dlx
