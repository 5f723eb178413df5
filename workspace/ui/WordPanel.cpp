#include "WordPanel.h"

#include "Dialogs.h"
#include "ProgramFont.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dlx {
namespace {

QString q(const std::u32string &s) {
    return QString::fromStdU32String(s);
}

QTreeWidget *makeTree(const char *name, const QStringList &headers, QWidget *parent) {
    auto *tree = new QTreeWidget(parent);
    tree->setObjectName(QString::fromLatin1(name));
    tree->setHeaderLabels(headers);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setAllColumnsShowFocus(true);
    tree->header()->setStretchLastSection(true);
    return tree;
}

// The columns of the lines shown: a mark for the line the translation uses, the word, its meaning and label.
enum Column { UsedColumn, EnglishColumn, ThaiColumn, LabelColumn };

} // namespace

WordPanel::WordPanel(DataFolders dictionary, std::function<void(const DictionaryEntry &, bool)> openEditor,
                     QWidget *parent)
    : QDockWidget(QStringLiteral("คำศัพท์"), parent), lexicon_(std::move(dictionary)), lookup_(lexicon_),
      openEditor_(std::move(openEditor)) {
    setObjectName(QStringLiteral("WordPanel"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto *body = new QWidget(this);
    body->setFont(programFont(9.75, false));

    title_ = new QLabel(body);
    title_->setObjectName(QStringLiteral("WordTitle"));
    title_->setFont(programFont(12, true));
    title_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    reach_ = new QLabel(QStringLiteral("คลิกคำในต้นฉบับหรืองานแปลเพื่อดูความหมาย"), body);
    reach_->setObjectName(QStringLiteral("WordReach"));
    reach_->setWordWrap(true);

    senses_ = makeTree("SenseList",
                       {QString(), QStringLiteral("ศัพท์"), QStringLiteral("ความหมาย"), QStringLiteral("คุณสมบัติ")}, body);
    senses_->setToolTip(QStringLiteral("✓ คือความหมายที่ใช้ในการแปล"));
    edit_ = new QPushButton(QStringLiteral("แก้ไขคำนี้"), body);
    edit_->setObjectName(QStringLiteral("EditWord"));
    add_ = new QPushButton(QStringLiteral("เพิ่มคำนี้"), body);
    add_->setObjectName(QStringLiteral("AddWord"));

    auto *unknownCaption = new QLabel(QStringLiteral("คำที่ยังไม่ได้แปล (ดับเบิลคลิกเพื่อเพิ่ม)"), body);
    unknown_ = makeTree("UnknownList", {QStringLiteral("คำ"), QStringLiteral("จำนวน")}, body);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(edit_);
    buttons->addWidget(add_);
    auto *layout = new QVBoxLayout(body);
    layout->addWidget(title_);
    layout->addWidget(reach_);
    layout->addWidget(senses_, 3);
    layout->addLayout(buttons);
    layout->addWidget(unknownCaption);
    layout->addWidget(unknown_, 2);
    setWidget(body);

    connect(senses_, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });
    connect(edit_, &QPushButton::clicked, this, [this] {
        const QTreeWidgetItem *item = senses_->currentItem();
        if (!item)
            return;
        openEditor_({item->text(EnglishColumn).toStdU32String(), item->text(ThaiColumn).toStdU32String(),
                     item->text(LabelColumn).toStdU32String(), 3},
                    true);
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        if (!shownWord_.isEmpty())
            openEditor_({shownWord_.toLower().toStdU32String(), {}, {}, 1}, false);
    });
    connect(unknown_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        openEditor_({item->text(0).toStdU32String(), {}, {}, 1}, false);
    });
    updateButtons();
}

WordPanel::~WordPanel() = default;

void WordPanel::closeEvent(QCloseEvent *event) {
    QDockWidget::closeEvent(event);
    emit closed();
}

void WordPanel::showWord(const QString &word) {
    shownWord_ = word;
    shownThai_.clear();
    const WordReport r = lookup_.lookUp(word.toStdU32String());
    title_->setText(word);
    QString how;
    switch (r.reach) {
    case WordReach::Exact:
        how = QStringLiteral("แปลว่า %1").arg(q(r.rendering));
        break;
    case WordReach::Stem:
        how = QStringLiteral("รากศัพท์ %1 + %2 แปลว่า %3").arg(q(r.stem), q(r.suffix), q(r.rendering));
        break;
    case WordReach::Article:
        how = QStringLiteral("คำนำหน้านาม การแปลไม่ใส่ความหมาย");
        break;
    case WordReach::Unknown:
        how = QStringLiteral("ไม่มีในพจนานุกรม การแปลคงคำภาษาอังกฤษไว้");
        break;
    }
    if (r.error)
        how = describeFailure(QStringLiteral("อ่านพจนานุกรมหมวดอักษรนี้ไม่ได้"), *r.error);
    reach_->setText(how);
    wordHasLines_ = !r.senses.empty();
    showSenses(r.senses, true);
}

void WordPanel::showMeaning(const QString &thai) {
    shownThai_ = thai;
    shownWord_.clear();
    wordHasLines_ = false;
    const std::vector<MeaningMatch> matches = lookup_.findMeaning(thai.toStdU32String(), 200);
    title_->setText(thai);
    reach_->setText(matches.empty() ? QStringLiteral("ไม่มีศัพท์ที่มีความหมายนี้")
                                    : QStringLiteral("ศัพท์ที่มีความหมายนี้ %1 คำ").arg(matches.size()));
    std::vector<Sense> senses;
    senses.reserve(matches.size());
    for (const MeaningMatch &m : matches)
        senses.push_back(m.entry);
    showSenses(senses, false);
}

std::optional<std::pair<int, int>> WordPanel::meaningAt(const QString &text, int at) {
    if (at < 0 || at >= text.size())
        return std::nullopt;
    // The text is searched as characters, not UTF-16 units: count what lies before the click.
    const std::u32string wide = text.toStdU32String();
    const std::size_t wideAt = text.left(at).toStdU32String().size();
    const auto span = lookup_.meaningAt(wide, wideAt);
    if (!span)
        return std::nullopt;
    const int start = QString::fromStdU32String(wide.substr(0, span->start)).size();
    const int length = QString::fromStdU32String(wide.substr(span->start, span->length)).size();
    return std::make_pair(start, length);
}

void WordPanel::setUnknownWords(const std::vector<std::pair<std::u32string, long>> &words) {
    unknown_->clear();
    QList<QTreeWidgetItem *> items;
    for (const auto &[word, count] : words)
        items << new QTreeWidgetItem({q(word), QString::number(count)});
    unknown_->addTopLevelItems(items);
}

void WordPanel::lookAgain() {
    if (!shownWord_.isEmpty())
        showWord(shownWord_);
    else if (!shownThai_.isEmpty())
        showMeaning(shownThai_);
}

void WordPanel::showSenses(const std::vector<Sense> &senses, bool withMarks) {
    senses_->clear();
    QTreeWidgetItem *used = nullptr;
    QList<QTreeWidgetItem *> items;
    for (const Sense &s : senses) {
        auto *item =
            new QTreeWidgetItem({s.used ? QStringLiteral("✓") : QString(), q(s.english), q(s.thai), q(s.label)});
        if (s.used) {
            QFont bold = item->font(ThaiColumn);
            bold.setBold(true);
            for (int c = UsedColumn; c <= LabelColumn; ++c)
                item->setFont(c, bold);
            used = item;
        }
        items << item;
    }
    senses_->addTopLevelItems(items);
    senses_->setColumnHidden(UsedColumn, !withMarks);
    for (int c = UsedColumn; c < LabelColumn; ++c)
        senses_->resizeColumnToContents(c);
    senses_->setCurrentItem(used ? used : senses_->topLevelItem(0));
    updateButtons();
}

void WordPanel::updateButtons() {
    edit_->setEnabled(senses_->currentItem() != nullptr);
    add_->setEnabled(!shownWord_.isEmpty() && !wordHasLines_);
}

} // namespace dlx
