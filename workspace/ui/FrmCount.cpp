#include "FrmCount.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dlx {
namespace {

QString u(const char *text) {
    return QString::fromUtf8(text);
}

} // namespace

FrmCount::FrmCount(const QString &original, bool originalIsSelection, const QString &translation,
                   bool translationIsSelection, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      original_(countWords(original.toStdU32String())), translation_(countWords(translation.toStdU32String())) {
    setObjectName(QStringLiteral("FrmCount"));
    setWindowTitle(u("นับจำนวนคำ"));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    const auto heading = [&](int column, const char *name, const char *pane, bool selection) {
        auto *label = new QLabel(u(pane) + (selection ? u(" (ส่วนที่เลือก)") : QString()), this);
        label->setObjectName(QString::fromUtf8(name));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        grid->addWidget(label, 0, column, Qt::AlignRight);
    };
    heading(1, "lblOriginal", "ต้นฉบับ", originalIsSelection);
    heading(2, "lblTranslation", "งานแปล", translationIsSelection);

    int row = 1;
    // One row: its caption, then the figure of each pane that has it (an empty cell for the other).
    const auto addRow = [&](const char *caption, const char *originalName, const int *originalValue,
                            const char *translationName, const int *translationValue) {
        grid->addWidget(new QLabel(u(caption), this), row, 0);
        const auto figure = [&](int column, const char *name, const int *value) {
            if (!value)
                return;
            auto *label = new QLabel(QString::number(*value), this);
            label->setObjectName(QString::fromUtf8(name));
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(label, row, column);
        };
        figure(1, originalName, originalValue);
        figure(2, translationName, translationValue);
        ++row;
    };
    addRow("จำนวนคำ", "lblOriginalWords", &original_.words, "lblTranslationWords", &translation_.words);
    addRow("จำนวนตัวอักษร", "lblOriginalCharacters", &original_.characters, "lblTranslationCharacters",
           &translation_.characters);
    addRow("จำนวนบรรทัด", "lblOriginalLines", &original_.lines, "lblTranslationLines", &translation_.lines);
    addRow("คำภาษาอังกฤษ", "lblOriginalEnglish", &original_.englishWords, "", nullptr);
    addRow("คำภาษาไทย", "", nullptr, "lblTranslationThai", &translation_.thaiWords);
    addRow("คำที่ยังไม่ได้แปล", "", nullptr, "lblTranslationUntranslated", &translation_.englishWords);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(u("ปิด"), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

FrmCount *showWordCount(QWidget *parent, const QString &original, bool originalIsSelection, const QString &translation,
                        bool translationIsSelection) {
    auto *window = new FrmCount(original, originalIsSelection, translation, translationIsSelection, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::WindowModal);
    window->show();
    return window;
}

} // namespace dlx
