#include "FrmUpdate.h"

#include "Codec874.h"
#include "Download.h"
#include "LetterSave.h"
#include "Settings.h"
#include "TextFile.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListView>
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
    removeStaleTemporaryFiles(context.dictionary().user); // left by a save that was killed

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
    // What is saved is the download exactly as it was checked, so its lines are there to be read, not edited. One
    // row per line, each decoded as it comes into view, so that a large download shows at once.
    lines_ = new DownloadLinesModel(this);
    text1_ = new QListView(this);
    text1_->setObjectName("Text1");
    text1_->setGeometry(8, 96, kWidth - 16, 100);
    text1_->setModel(lines_);
    text1_->setUniformItemSizes(true); // no per-row layout: hundreds of thousands of rows cost nothing more
    text1_->setEditTriggers(QAbstractItemView::NoEditTriggers);

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
    lines_->setDownload(std::move(download));
    // Every row as wide as the longest line, so that each can be scrolled to its end.
    if (const int longest = lines_->longestRow(); longest >= 0) {
        const QString text = lines_->index(longest).data().toString();
        const QFontMetrics metrics(text1_->font());
        lines_->setRowSize(QSize(metrics.horizontalAdvance(text) + 8, metrics.height() + 2));
    }
    const auto &shown = lines_->download();
    lblCnt_->setText(shown ? QStringLiteral("มีศัพท์ %1 คำ").arg(shown->entryCount()) : QString());
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
        refuse(toQt(checkLetterDownload(std::move(response.body), L, response.announcedLength).problem));
        return;
    case HttpFailure::Other:
        refuse(QStringLiteral("ดาวน์โหลดไม่สำเร็จ: %1\n(%2)").arg(where, response.error));
        return;
    }
    if (response.status == 404 || (response.status / 100 == 2 && isMissingPage(response.body))) {
        refuse(QStringLiteral("ไม่พบแฟ้ม %1 บนเซิร์ฟเวอร์: %2").arg(url.fileName(), where));
        return;
    }
    if (response.status / 100 != 2) {
        refuse(QStringLiteral("เซิร์ฟเวอร์ตอบกลับด้วยรหัส %1 แทนแฟ้มพจนานุกรม: %2").arg(response.status).arg(where));
        return;
    }
    DownloadCheck check = checkLetterDownload(std::move(response.body), L, response.announcedLength);
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
    const std::optional<LetterDownload> &download = lines_->download();
    if (!download)
        return; // only a checked download is ever saved
    const QString L = QString::fromUcs4(&download->letter, 1);
    const std::size_t entries = download->entryCount();
    if (entries == 0 &&
        dialogs_.message(this, QStringLiteral("ไม่มีคำศัพท์ที่จะบันทึก ต้องการให้แฟ้มหมวดอักษร %1 เป็นแฟ้มว่างหรือไม่").arg(L),
                         kTitleSave, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (auto failure = saveLetterBytes(context_.dictionary(), download->letter, download->bytes)) {
        dialogs_.error(this, toQt(*failure));
        return;
    }
    setWindowHeight(kCollapsedHeight);
    dialogs_.message(this, QStringLiteral("บันทึกหมวดอักษร %1 แล้ว: %2 คำ").arg(L).arg(entries), kTitleSave,
                     MsgIcon::Information);
}

} // namespace dlx
