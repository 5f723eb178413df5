#include "FrmAdd.h"

#include "LetterFile.h"
#include "TextFile.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace dlx {
namespace {

std::u32string fromQt(const QString &text) {
    return text.toStdU32String();
}

MsgIcon toMsgIcon(EditorIcon icon) {
    switch (icon) {
    case EditorIcon::Information:
        return MsgIcon::Information;
    case EditorIcon::Error:
        return MsgIcon::Stop;
    case EditorIcon::Warning:
        break;
    }
    return MsgIcon::Exclamation;
}

QLabel *label(const char *name, const QString &text, QWidget *parent) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

bool isEnter(const QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

FrmAdd::FrmAdd(const AppContext &context, QWidget *parent)
    : DictionaryDialog(parent), model_(context.dictionary()), dialogs_(context.dialogs) {
    setObjectName("FrmAdd");
    setWindowTitle(QStringLiteral("เพิ่มศัพท์"));
    removeStaleTemporaryFiles(context.dictionary().user); // left by a save that was killed
    buildWidgets();
    showModel();
}

FrmAdd::~FrmAdd() = default;

void FrmAdd::buildWidgets() {
    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    for (char c = 'A'; c <= 'Z'; ++c)
        combo1_->addItem(QString(QChar(c)));
    combo1_->setCurrentIndex(-1);

    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setUniformItemSizes(true);
    list1_->setMinimumSize(260, 260);

    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    text2_ = new QLineEdit(this);
    text2_->setObjectName("Text2");

    combo2_ = new QComboBox(this);
    combo2_->setObjectName("Combo2");
    combo2_->setEditable(true);
    combo2_->setInsertPolicy(QComboBox::NoInsert);
    combo2_->setCompleter(nullptr); // a label is stored exactly as typed, never completed to another one
    for (const auto &l : partOfSpeechLabels())
        combo2_->addItem(toQt(l));
    combo2_->setCurrentIndex(-1);
    combo2_->setEditText(QString());

    command1_ = addButton("Command1", QString());
    command2_ = addButton("Command2", QString());
    command3_ = addButton("Command3", QStringLiteral("บันทึก"));
    command3_->setToolTip(QStringLiteral("บันทึกศัพท์ในหมวดอักษรนี้"));
    command4_ = addButton("Command4", QStringLiteral("ล้างจอ"));
    command4_->setToolTip(QStringLiteral("ล้างจอเพื่อพิมพ์ศัพท์ใหม่"));

    lblCnt_ = label("lblCnt", QString(), this);

    auto *left = new QVBoxLayout;
    auto *letterRow = new QHBoxLayout;
    letterRow->addWidget(label("Label6", QStringLiteral("หมวดอักษร"), this));
    letterRow->addWidget(combo1_);
    letterRow->addStretch();
    left->addLayout(letterRow);
    left->addWidget(label("Label1", QStringLiteral("คำศัพท์ที่มีในฐานข้อมูล"), this));
    left->addWidget(list1_, 1);
    left->addWidget(lblCnt_);
    buildRestoreRow(left);

    auto *fields = new QGridLayout;
    fields->addWidget(label("Label3", QStringLiteral("ศัพท์"), this), 0, 0);
    fields->addWidget(text1_, 0, 1);
    fields->addWidget(label("Label4", QStringLiteral("ความหมาย"), this), 1, 0);
    fields->addWidget(text2_, 1, 1);
    fields->addWidget(label("Label5", QStringLiteral("คุณสมบัติ"), this), 2, 0);
    fields->addWidget(combo2_, 2, 1);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {command1_, command2_, command3_, command4_})
        buttons->addWidget(b);

    auto *right = new QVBoxLayout;
    right->addWidget(label("Label2", QStringLiteral("คำศัพท์ที่ต้องการเพิ่ม"), this));
    right->addLayout(fields);
    auto *note = label("Label7", QStringLiteral("หมายเหตุ : ต้องใส่ความหมายและคุณสมบัติที่ใช้มากที่สุด"), this);
    note->setWordWrap(true);
    right->addWidget(note);
    right->addStretch();
    right->addLayout(buttons);

    auto *top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    resize(640, 400);

    setTabOrder(combo1_, list1_);
    setTabOrder(list1_, text1_);
    setTabOrder(text1_, text2_);
    setTabOrder(text2_, combo2_);
    setTabOrder(combo2_, command1_);
    setTabOrder(command1_, command2_);
    setTabOrder(command2_, command3_);
    setTabOrder(command3_, command4_);

    for (QObject *o : {static_cast<QObject *>(text1_), static_cast<QObject *>(text2_), static_cast<QObject *>(combo2_),
                       static_cast<QObject *>(command1_), static_cast<QObject *>(command2_),
                       static_cast<QObject *>(list1_->viewport())})
        o->installEventFilter(this);

    connect(combo1_, &QComboBox::activated, this, [this](int index) {
        const QString letter = combo1_->itemText(index);
        if (!leaveLetter(letter)) {
            showModel(); // the letter box shows the letter still edited
            return;
        }
        run([this, letter] { return model_.chooseLetter(fromQt(letter)); });
    });
    // A new word typed for another letter than the one chosen takes the editor to its letter.
    connect(text1_, &QLineEdit::textEdited, this, [this](const QString &text) {
        const std::u32string letter = EditorModel::letterOf(fromQt(text));
        if (model_.mode() != EditorMode::Add || letter.empty() || letter == model_.letter())
            return;
        if (letter == declinedLetter_ || !leaveLetter(toQt(letter))) {
            declinedLetter_ = letter; // asked once for this letter; the add will say the letters differ
            return;
        }
        run([this] { return model_.followWordLetter(); });
    });
    // A selection, not the current row: the list makes its first row current (unselected) when it gets the
    // focus by Tab, which must not load that entry.
    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> chosen = list1_->selectedItems();
        if (chosen.isEmpty())
            return;
        const int row = list1_->row(chosen.first());
        run([this, row] { return model_.selectEntry(static_cast<std::size_t>(row)); });
    });
    // A click on the row already selected changes no selection, yet it loads the entry again like any click:
    // that is how fields edited by mistake are put back.
    connect(list1_, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int row = list1_->row(item);
        const std::optional<std::size_t> clicked =
            row >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(row)) : std::nullopt;
        // The row just added is highlighted without being selected in the model, so its click changes nothing.
        if (clicked && (model_.selected() == clicked || model_.lastAddedRow() == clicked))
            run([this, row] { return model_.selectEntry(static_cast<std::size_t>(row)); });
    });
    connect(combo2_, &QComboBox::activated, this, [this](int) { command1_->setFocus(Qt::OtherFocusReason); });
    connect(command1_, &QPushButton::clicked, this, [this] { run([this] { return model_.addOrReplace(); }); });
    connect(command2_, &QPushButton::clicked, this, [this] {
        run([this] {
            return model_.searchOrDelete([this](std::u32string_view text, std::u32string_view title) {
                std::optional<QString> answer = dialogs_.prompt(this, toQt(text), toQt(title), QString());
                return answer ? std::optional<std::u32string>(fromQt(*answer)) : std::nullopt;
            });
        });
    });
    connect(command3_, &QPushButton::clicked, this, [this] { run([this] { return model_.save(); }); });
    connect(command4_, &QPushButton::clicked, this, [this] { run([this] { return model_.clear(); }); });
}

void FrmAdd::buildRestoreRow(QBoxLayout *column) {
    lblOwn_ = label("lblOwn", QString(), this);
    lblOwn_->setWordWrap(true);
    cmdRestore_ = addButton("cmdRestore", QStringLiteral("คืนค่าเดิม"));
    cmdRestore_->setToolTip(QStringLiteral("ใช้หมวดอักษรนี้ตามที่มากับโปรแกรม แทนฉบับที่แก้ไขเอง"));
    auto *row = new QHBoxLayout;
    row->addWidget(lblOwn_, 1);
    row->addWidget(cmdRestore_);
    column->addLayout(row);
    lblOwn_->setVisible(model_.layered());
    cmdRestore_->setVisible(model_.layered());
    connect(cmdRestore_, &QPushButton::clicked, this, &FrmAdd::restoreShipped);
}

void FrmAdd::restoreShipped() {
    const QString letter = toQt(model_.letter());
    const QString text =
        QStringLiteral("ใช้หมวดอักษร %1 ตามที่มากับโปรแกรมหรือไม่\nศัพท์ที่เพิ่มหรือแก้ไขเองในหมวดนี้จะหายไป").arg(letter);
    if (dialogs_.message(this, text, QStringLiteral("คืนค่าเดิม"), MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::Yes)
        run([this] { return model_.restoreShipped(); });
}

void FrmAdd::run(const std::function<EditorOutcome()> &operation) {
    pullFields();
    EditorOutcome outcome;
    try {
        outcome = operation();
    } catch (const std::exception &e) {
        outcome.message = EditorMessage{fromQt(QString::fromLocal8Bit(e.what())), U"โปรแกรมผิดพลาด", EditorIcon::Error};
    }
    showModel();
    if (const auto &m = outcome.message) {
        if (m->icon == EditorIcon::Error)
            dialogs_.error(this, toQt(m->text));
        else
            dialogs_.message(this, toQt(m->text), toQt(m->title), toMsgIcon(m->icon), MsgButtons::Ok);
    }
    moveFocus(outcome.focus);
    // A search found its text in another letter.
    if (const auto &place = outcome.goTo; place && leaveLetter(toQt(place->letter)))
        run([this, place] { return model_.openPlace(*place); });
}

void FrmAdd::goToWord(const DictionaryEntry &entry, bool existing) {
    run([this, entry, existing] { return existing ? model_.openOn(entry) : model_.startNewWord(entry.english); });
}

void FrmAdd::pullFields() {
    model_.setFields({fromQt(text1_->text()), fromQt(text2_->text()), fromQt(combo2_->currentText())});
}

void FrmAdd::showModel() {
    {
        const QSignalBlocker block(combo1_);
        combo1_->setCurrentIndex(model_.letter().empty() ? -1 : combo1_->findText(toQt(model_.letter())));
    }
    showList();

    const DictionaryEntry &f = model_.fields();
    if (fromQt(text1_->text()) != f.english)
        text1_->setText(toQt(f.english));
    if (fromQt(text2_->text()) != f.thai)
        text2_->setText(toQt(f.thai));
    if (fromQt(combo2_->currentText()) != f.label) {
        const QSignalBlocker block(combo2_);
        const int index = combo2_->findText(toQt(f.label), Qt::MatchExactly | Qt::MatchCaseSensitive);
        combo2_->setCurrentIndex(index);
        combo2_->setEditText(toQt(f.label));
    }

    const bool add = model_.mode() == EditorMode::Add;
    command1_->setText(add ? QStringLiteral("เพิ่ม") : QStringLiteral("แทนที่"));
    command2_->setText(add ? QStringLiteral("ค้นหา") : QStringLiteral("ลบ"));
    updateTooltips();
    lblCnt_->setText(toQt(model_.countLabel()));
    lblOwn_->setText(model_.usersOwnLetter() ? QStringLiteral("หมวดอักษร %1 เป็นฉบับที่แก้ไขเอง").arg(toQt(model_.letter()))
                                             : QString());
    cmdRestore_->setEnabled(model_.usersOwnLetter());
}

// Updates List1 by the smallest change that makes it equal to the model, so that a letter of thousands of
// entries is not rebuilt on every add or delete.
void FrmAdd::showList() {
    const QSignalBlocker block(list1_);
    const auto &lines = model_.lines();
    if (lines != shownLines_) {
        const std::size_t oldSize = shownLines_.size();
        bool patched = false;
        if (lines.size() == oldSize + 1 && std::equal(shownLines_.begin(), shownLines_.end(), lines.begin())) {
            list1_->addItem(toQt(lines.back()));
            patched = true;
        } else if (lines.size() + 1 == oldSize) {
            const auto gone = std::mismatch(lines.begin(), lines.end(), shownLines_.begin()).first - lines.begin();
            if (std::equal(lines.begin() + gone, lines.end(), shownLines_.begin() + gone + 1)) {
                delete list1_->takeItem(static_cast<int>(gone));
                patched = true;
            }
        } else if (lines.size() == oldSize && oldSize > 0) {
            for (std::size_t i = 0; i < lines.size(); ++i)
                if (lines[i] != shownLines_[i])
                    list1_->item(static_cast<int>(i))->setText(toQt(lines[i]));
            patched = true;
        }
        if (!patched) {
            list1_->clear();
            QStringList items;
            items.reserve(static_cast<qsizetype>(lines.size()));
            for (const auto &line : lines)
                items << toQt(line);
            list1_->addItems(items);
        }
        shownLines_ = lines;
    }

    if (auto row = model_.selected()) {
        list1_->setCurrentRow(static_cast<int>(*row));
        list1_->scrollToItem(list1_->item(static_cast<int>(*row)));
    } else {
        list1_->setCurrentRow(-1);
        list1_->clearSelection();
        if (auto replaced = model_.lastReplacedRow())
            list1_->scrollToItem(list1_->item(static_cast<int>(*replaced)));
        if (auto added = model_.lastAddedRow()) {
            QListWidgetItem *item = list1_->item(static_cast<int>(*added));
            item->setSelected(true);
            list1_->scrollToItem(item);
        }
    }
}

bool FrmAdd::leaveLetter(const QString &next) {
    if (!model_.modified())
        return true;
    const QString text = QStringLiteral("หมวดอักษร %1 มีการแก้ไขที่ยังไม่ได้บันทึก ต้องการบันทึกก่อนไปหมวดอักษร %2 หรือไม่")
                             .arg(toQt(model_.letter()), next);
    switch (dialogs_.message(this, text, QStringLiteral("เพิ่มศัพท์"), MsgIcon::Question, MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes:
        run([this] { return model_.save(); });
        return !model_.modified(); // a failed save was reported; the edits stay
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

void FrmAdd::updateTooltips() {
    const bool add = model_.mode() == EditorMode::Add;
    command1_->setToolTip(add ? QStringLiteral("เมื่อต้องการเพิ่มศัพท์ที่พิมพ์") : QStringLiteral("เมื่อต้องการแทนที่ศัพท์เดิม"));
    command2_->setToolTip(add ? QStringLiteral(" ค้นหาศัพท์ในหมวดอักษร") : QStringLiteral(" ลบศัพท์ที่แสดงขณะนี้"));
}

void FrmAdd::moveFocus(EditorFocus focus) {
    QWidget *target = nullptr;
    switch (focus) {
    case EditorFocus::Keep:
        return;
    case EditorFocus::Letter:
        target = combo1_;
        break;
    case EditorFocus::English:
        target = text1_;
        break;
    case EditorFocus::Meaning:
        target = text2_;
        break;
    case EditorFocus::Label:
        target = combo2_;
        break;
    case EditorFocus::List:
        target = list1_;
        break;
    case EditorFocus::Command1:
        target = command1_;
        break;
    }
    target->setFocus(Qt::OtherFocusReason);
}

bool FrmAdd::eventFilter(QObject *watched, QEvent *event) {
    // A line wider than the list is shown whole as the tooltip of its row.
    if (watched == list1_->viewport() && event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<const QHelpEvent *>(event);
        const QListWidgetItem *item = list1_->itemAt(help->pos());
        if (item && list1_->fontMetrics().horizontalAdvance(item->text()) > list1_->viewport()->width() - 8)
            QToolTip::showText(help->globalPos(), item->text(), list1_->viewport());
        else
            QToolTip::hideText();
        return true;
    }
    if ((watched == command1_ || watched == command2_) &&
        (event->type() == QEvent::Enter || event->type() == QEvent::HoverMove || event->type() == QEvent::MouseMove))
        updateTooltips();
    if (isEnter(event)) {
        if (watched == text1_) {
            text2_->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (watched == text2_) {
            command1_->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (watched == combo2_)
            return true;
    }
    return DictionaryDialog::eventFilter(watched, event);
}

} // namespace dlx
