#pragma once
// A pane's own characters, with its paragraph and line breaks as "\n". Unlike QTextEdit::toPlainText this keeps
// no-break spaces: Windows-874 has them, a word glued to one is not two words, and a saved file must keep them.
#include <QTextDocument>
#include <QTextEdit>

namespace dlx {

inline QString paneCharacters(QString raw) {
    for (QChar &c : raw) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xFDD0: // start and end of a frame
        case 0xFDD1:
            c = u'\n';
            break;
        default:
            break;
        }
    }
    return raw;
}

inline QString paneCharacters(const QTextEdit &pane) {
    return paneCharacters(pane.document()->toRawText());
}

} // namespace dlx
