#pragma once
// Printing a pane (mnuPrintOri, mnuPrintPal): the "แน่ใจ?" question, the work file "PrintFile.pal" in the program
// folder, the page layout of PrintLayout drawn with QPainter on the default printer, and the work file removed
// afterwards whatever the answer or the outcome.
#include "AppContext.h"
#include "Pane.h"

#include <QDate>
#include <QFont>
#include <QString>

#include <functional>

class QTextEdit;
class QWidget;

namespace dlx {

enum class PrintOutcome { Declined, Printed, NoPrinter, Failed };

class PrintJob {
public:
    PrintJob(const AppContext &context, QWidget *window);

    /// Prints into this PDF file instead of on the default printer, through the same drawing code.
    void setPdfOutput(const QString &path) { pdfOutput_ = path; }
    /// The day printed in the header; today by default.
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }

    /// Prints the original ("พิมพ์ต้นฉบับ") or the translation ("พิมพ์งานแปล") pane.
    PrintOutcome print(const QTextEdit &pane, Pane which);

    /// The pane's font as printed: the family the pane shows (then the pane's other families), bold, italic
    /// and size; underline and colours are not printed.
    static QFont printFont(const QTextEdit *pane);

    QString workFilePath() const;

private:
    PrintOutcome printWorkFile(const QFont &font, Pane which, bool workFileIsUtf8, const QString &title);
    void fail(const QString &text);

    AppContext context_;
    QWidget *window_;
    QString pdfOutput_;
    std::function<QDate()> today_;
};

} // namespace dlx
