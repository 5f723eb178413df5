#pragma once
// Reading back what a print job put into a PDF file, through poppler's pdftotext and pdffonts.
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace dlx::test {

/// The text of each page (pdftotext -raw), in page order; empty when the file cannot be read.
QStringList pdfPages(const QString &pdfPath);

/// The names of the fonts in the file as pdffonts lists them, without the subset prefix ("Loma-Bold").
QStringList pdfFonts(const QString &pdfPath);

/// A word of the first page and its box in points (pdftotext -bbox).
struct PdfWord {
    QString text;
    QRectF box;
};
QList<PdfWord> pdfFirstPageWords(const QString &pdfPath);

/// Makes Thai text extracted from a PDF comparable with the text that was printed: the lowered and shifted
/// tone-mark glyphs (U+F700-U+F71A) go back to the standard marks, SARA AM is split as pdftotext splits it,
/// whitespace is dropped and every run of combining marks is put in code order.
QString normalisedPdfText(const QString &text);

} // namespace dlx::test
