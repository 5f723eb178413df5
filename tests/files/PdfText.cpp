#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>

namespace dlx::test {
namespace {

QString run(const QString &program, const QStringList &arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Presentation forms used by Thai fonts for marks moved down or left, and consonants without their descender.
char16_t standardThai(char16_t c) {
    static const char16_t table[] = {0x0E10, 0x0E34, 0x0E35, 0x0E36, 0x0E37, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B,
                                     0x0E4C, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E0D, 0x0E31, 0x0E4D,
                                     0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E47, 0x0E38, 0x0E39, 0x0E3A};
    return c >= 0xF700 && c <= 0xF71A ? table[c - 0xF700] : c;
}

} // namespace

QStringList pdfPages(const QString &pdfPath) {
    QStringList pages =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdfPath, QStringLiteral("-")}).split(QChar(u'\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast(); // pdftotext ends every page with a form feed
    return pages;
}

QStringList pdfFonts(const QString &pdfPath) {
    QStringList names;
    // Two heading lines, then one font a line, its name first.
    for (const QString &line : run(QStringLiteral("pdffonts"), {pdfPath}).split(u'\n').mid(2)) {
        const QString name = line.section(u' ', 0, 0);
        if (!name.isEmpty())
            names << name.mid(name.indexOf(u'+') + 1);
    }
    return names;
}

QList<PdfWord> pdfFirstPageWords(const QString &pdfPath) {
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                          QStringLiteral("-l"), QStringLiteral("1"), pdfPath, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

QString normalisedPdfText(const QString &text) {
    QString mapped;
    for (QChar c : text)
        if (!c.isSpace())
            mapped.append(QChar(standardThai(c.unicode())));
    mapped = mapped.normalized(QString::NormalizationForm_KD);
    for (qsizetype i = 0; i < mapped.size();) {
        qsizetype j = i;
        while (j < mapped.size() && mapped[j].isMark())
            ++j;
        if (j > i) {
            std::sort(mapped.begin() + i, mapped.begin() + j);
            i = j;
        } else {
            ++i;
        }
    }
    return mapped;
}

} // namespace dlx::test
