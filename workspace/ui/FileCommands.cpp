#include "FileCommands.h"

#include "BusyWork.h"
#include "Dialogs.h"
#include "PaneCharacters.h"
#include "PaneText.h"
#include "SaveText.h"
#include "TextFile.h"

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

#include <exception>
#include <optional>

namespace dlx {
namespace {

QString fromU32(const std::u32string &s) {
    return QString::fromStdU32String(s);
}

// A text edit keeps its own paragraph breaks; CR LF and lone CR from the file become one break each.
QString withLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
}

void report(const AppContext &context, QWidget *window, const QString &text) {
    const ArrowCursor arrow;
    context.dialogs.error(window, text, MsgIcon::Exclamation);
}

// Long work of the file commands keeps the window painted, but takes no clicks or keys until it is done.
void asideWithoutInput(const std::function<void()> &work) {
    runAside(work, QEventLoop::ExcludeUserInputEvents);
}

void insertRuns(QTextEdit &pane, const std::vector<TextRun> &runs) {
    QTextCursor cursor(pane.document());
    for (const TextRun &run : runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        format.setFontUnderline(run.underline);
        if (run.pointSize > 0)
            format.setFontPointSize(run.pointSize);
        if (run.rgb)
            format.setForeground(QColor::fromRgb(static_cast<QRgb>(*run.rgb)));
        if (!run.fontName.empty())
            format.setFontFamilies({fromU32(run.fontName)});
        cursor.insertText(withLf(fromU32(run.text)), format);
    }
}

} // namespace

const QString kTextFileFilter = QStringLiteral("Text Documents(*.txt);;All Files (*)");

void pasteWithMessage(const AppContext &context, QWidget *window, QTextEdit &pane) {
    try {
        pane.paste();
        pane.setFocus();
    } catch (const std::exception &e) {
        report(context, window, QStringLiteral("วางข้อความไม่ได้: %1").arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        report(context, window, QStringLiteral("วางข้อความไม่ได้"));
    }
}

FileCommands::FileCommands(const AppContext &context, QWidget *window)
    : QObject(window), context_(context), window_(window) {
    setObjectName(QStringLiteral("Dialog1"));
}

void FileCommands::open(QTextEdit &text1) {
    fileName_.clear();
    const QString chosen =
        context_.dialogs.openFileName(window_, QStringLiteral("เปิดต้นฉบับ"), fileName_, kTextFileFilter);
    if (chosen.isEmpty())
        return;
    fileName_ = chosen;
    const BusyCursor busy;
    showStatus(QStringLiteral("เปิดแฟ้ม..."), -1);
    loadInto(text1, chosen);
    showStatus({}, -1);
}

void FileCommands::showStatus(const QString &text, int percent) {
    if (status_)
        status_(text, percent);
}

void FileCommands::save(const QTextEdit &pane, Pane which) {
    const QString title = which == Pane::Original ? QStringLiteral("บันทึกต้นฉบับ") : QStringLiteral("บันทึกงานแปล");
    const QString chosen = context_.dialogs.saveFileName(window_, title, fileName_, kTextFileFilter);
    if (chosen.isEmpty())
        return;
    fileName_ = chosen;
    Result<TextEncoding> saved = TextEncoding::Windows874;
    {
        const BusyCursor busy;
        saved = saveTextFile(context_.dialogs, window_, paneCharacters(pane), chosen, asideWithoutInput);
    }
    if (saved && *saved == TextEncoding::Utf8Bom)
        context_.dialogs.message(window_,
                                 QStringLiteral("ข้อความนี้มีอักษรที่รหัสภาษาไทย (Windows-874) เก็บไม่ได้ "
                                                "จึงบันทึกไฟล์ \"%1\" เป็น UTF-8 แทน เพื่อไม่ให้ข้อความหาย")
                                     .arg(chosen),
                                 title, MsgIcon::Information);
}

bool FileCommands::loadInto(QTextEdit &pane, const QString &path) {
    if (!QFileInfo::exists(path)) {
        report(context_, window_, QStringLiteral("ไม่พบไฟล์ \"%1\"").arg(path));
        return false;
    }
    // Reading and decoding touch nothing of the window.
    std::optional<Result<std::string>> read;
    OpenedText opened;
    QString plain;
    asideWithoutInput([&] {
        read.emplace(readFileBytes(toFsPath(path)));
        if (!*read)
            return;
        opened = decodeOpenedFile(**read);
        if (opened.kind == OpenedKind::Plain)
            plain = withLf(fromU32(opened.text));
    });
    if (!*read) {
        report(context_, window_, describeFailure(QStringLiteral("เปิดไฟล์ไม่ได้"), read->error()));
        return false;
    }
    if (opened.kind == OpenedKind::NotText) {
        report(context_, window_, QStringLiteral("ไฟล์ \"%1\" ไม่ใช่ไฟล์ข้อความ จึงเปิดไม่ได้").arg(path));
        return false;
    }
    // Loading a file starts a new history: undo must not bring back the text that was there before.
    if (opened.kind == OpenedKind::Rich) {
        QTextDocument *document = pane.document();
        document->setUndoRedoEnabled(false);
        pane.clear();
        insertRuns(pane, opened.runs);
        document->setUndoRedoEnabled(true);
    } else {
        fillPane(pane, plain, [this](int percent) {
            showStatus(QStringLiteral("เปิดแฟ้ม %1 %").arg(percent), percent);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    }
    pane.moveCursor(QTextCursor::Start);
    return true;
}

} // namespace dlx
