#include "PrintJob.h"

#include "Codec874.h"
#include "Dialogs.h"
#include "PaneCharacters.h"
#include "PrintLayout.h"
#include "SaveText.h"
#include "TextFile.h"
#include "TranslateRun.h"
#include "Utf8.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextEdit>

namespace dlx {

PrintJob::PrintJob(const AppContext &context, QWidget *window)
    : context_(context), window_(window), pdfOutput_(context.printPdfFile),
      today_([] { return QDate::currentDate(); }) {}

QString PrintJob::workFilePath() const {
    return context_.workFolder() + "/PrintFile.pal";
}

QFont PrintJob::printFont(const QTextEdit *pane) {
    const QFont source = pane->document()->defaultFont();
    // The family the pane shows goes first, ahead of the pane's own list: the first name of that list may not be
    // installed, and the printer would then substitute a family of its own choosing. The rest of the list keeps
    // the pane's fallbacks for characters the shown family lacks.
    QStringList families = source.families().isEmpty() ? QStringList{source.family()} : source.families();
    const QString shown = QFontInfo(source).family();
    families.removeAll(shown);
    families.prepend(shown);
    QFont font;
    font.setFamilies(families);
    font.setBold(source.bold());
    font.setItalic(source.italic());
    if (source.pointSizeF() > 0)
        font.setPointSizeF(source.pointSizeF());
    else if (source.pixelSize() > 0)
        font.setPointSizeF(source.pixelSize() * 72.0 / 96.0); // pane fonts are sized for a 96-dpi screen
    return font;
}

void PrintJob::fail(const QString &text) {
    context_.dialogs.error(window_, text, MsgIcon::Exclamation);
}

PrintOutcome PrintJob::print(const QTextEdit &pane, Pane which) {
    const QString title = which == Pane::Original ? QStringLiteral("พิมพ์ต้นฉบับ") : QStringLiteral("พิมพ์งานแปล");
    const MsgAnswer answer =
        context_.dialogs.message(window_, QStringLiteral("แน่ใจ?"), title, MsgIcon::Information, MsgButtons::YesNo);
    PrintOutcome outcome = PrintOutcome::Declined;
    if (answer == MsgAnswer::Yes) {
        if (pdfOutput_.isEmpty() && QPrinterInfo::defaultPrinter().isNull()) {
            fail(QStringLiteral("ไม่พบเครื่องพิมพ์ กรุณาติดตั้งเครื่องพิมพ์และตั้งเป็นเครื่องหลักก่อนสั่งพิมพ์"));
            outcome = PrintOutcome::NoPrinter;
        } else {
            // The work file falls back to UTF-8 when it must, so characters outside Windows-874 still print.
            if (auto blocked = leftoverWorkFileInTheWay(toFsPath(workFilePath()))) {
                fail(describeFailure(QStringLiteral("พิมพ์ไม่ได้ เพราะ") + QString::fromStdString(blocked->first),
                                     blocked->second));
                return PrintOutcome::Failed; // not ours to remove
            }
            const Result<TextEncoding> saved =
                saveTextFile(context_.dialogs, window_, paneCharacters(pane), workFilePath());
            outcome = saved ? printWorkFile(printFont(&pane), which, *saved == TextEncoding::Utf8Bom, title)
                            : PrintOutcome::Failed;
        }
    }
    // The work file goes whatever happened; it is only ever this job's.
    if (QFile::exists(workFilePath()))
        QFile::remove(workFilePath());
    return outcome;
}

PrintOutcome PrintJob::printWorkFile(const QFont &font, Pane which, bool workFileIsUtf8, const QString &title) {
    const auto read = readFileBytes(toFsPath(workFilePath()));
    if (!read) {
        fail(describeFailure(QStringLiteral("อ่านไฟล์งานพิมพ์ไม่ได้"), read.error()));
        return PrintOutcome::Failed;
    }
    // Decoded as written: guessing could take short Windows-874 Thai for UTF-8.
    const std::u32string text = workFileIsUtf8 ? fromUtf8(std::string_view(*read).substr(3)) : decode874(*read);
    const std::vector<std::u32string> lines = splitLines(text);

    QPrinter printer(QPrinter::HighResolution);
    if (!pdfOutput_.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfOutput_);
    } else {
        printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    }
    printer.setDocName(title);
    printer.setCreator(QStringLiteral("Dualexicon"));

    QPainter painter;
    if (!painter.begin(&printer)) {
        fail(pdfOutput_.isEmpty() ? QStringLiteral("เริ่มงานพิมพ์ไม่ได้ กรุณาตรวจสอบเครื่องพิมพ์")
                                  : QStringLiteral("เขียนไฟล์ \"%1\" ไม่ได้").arg(pdfOutput_));
        return PrintOutcome::Failed;
    }
    painter.setFont(font);
    const QFontMetricsF fm(font, &printer);
    const double twipsPerDot = 1440.0 / printer.resolution();
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);

    PrintMetrics metrics;
    metrics.width = area.width() * twipsPerDot;
    metrics.height = area.height() * twipsPerDot;
    metrics.lineHeight = fm.lineSpacing() * twipsPerDot;
    metrics.textWidth = [&](std::u32string_view s) {
        return fm.horizontalAdvance(QString::fromStdU32String(std::u32string(s))) * twipsPerDot;
    };
    const QDate today = today_();
    const std::vector<PrintedPage> pages =
        layoutPrint(lines, which, printDate(today.year(), today.month(), today.day()), metrics);

    bool ok = true;
    for (size_t p = 0; p < pages.size() && ok; ++p) {
        if (p > 0)
            ok = printer.newPage();
        for (const PlacedText &t : pages[p].texts)
            if (!t.text.empty())
                painter.drawText(QPointF(t.x / twipsPerDot, t.y / twipsPerDot + fm.ascent()),
                                 QString::fromStdU32String(t.text));
    }
    ok = painter.end() && ok && printer.printerState() != QPrinter::Error;
    if (!ok) {
        fail(QStringLiteral("พิมพ์ไม่สำเร็จ กรุณาตรวจสอบเครื่องพิมพ์แล้วสั่งพิมพ์ใหม่"));
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

} // namespace dlx
