// The driver's cutting of a line into words and separators, and the word step.
#include "PieceChars.h"
#include "Translator.h"

using namespace std::literals;

namespace dlx {
namespace {

void strip(std::u32string &word, size_t n) {
    word.resize(word.size() > n ? word.size() - n : 0);
}

} // namespace

void Translator::wordStep() {
    if (extendedOn()) {
        // (most words end in a space or a letter: asked here first, for speed)
        const std::u32string_view w = s_.CurrentWord;
        if (w.size() < 3 || w.back() != U'.' || !recordWordBeforeDots())
            recordWord();
        return;
    }
    if (tokenCount_ != 0)
        renderTokens(false, false); // the extended mode was switched off with a sentence waiting
    wordStepNow();
}

void Translator::wordStepNow() {
    CheckMean();
    if (!s_.WordConsumed && !s_.CurrentWord.empty()) {
        s_.Text4 += s_.CurrentWord;
        s_.CurrentWord.clear();
    }
}

// The word step on a separator the driver passes on: "", " ", a Tab, "/", a mark, or "?" or "." with the space
// or Tab after it. None of them reaches the lookup, so the result of CheckMean is written here directly, without
// the round trip through CurrentWord (which a word step always leaves empty): separators are half the pieces.
void Translator::separator(std::u32string_view piece) {
    if (extendedOn()) {
        recordSeparator(piece);
        return;
    }
    if (tokenCount_ != 0)
        renderTokens(false, false);
    separatorNow(piece);
}

void Translator::separatorNow(std::u32string_view piece) {
    const bool mark = !piece.empty() && pieces::isMark(piece[0]);
    if (mark && (piece.size() == 1 || piece[1] == U' ' || piece[1] == U'\t')) {
        flushHeldModifiers();
        if (!s_.HeldPhrase.empty()) {
            append(s_.HeldPhrase);
            s_.HeldPhrase.clear();
        }
        const bool sentenceEnd = piece.size() == 2 && piece[1] == U' ';
        append(sentenceEnd && !sentenceSpace ? piece.substr(0, 1) : piece);
        s_.WordConsumed = true;
    } else if (piece == U"\t"sv) {
        append(piece);
        s_.WordConsumed = true;
    } else {
        append(piece);
        flushHeldModifiers();
        s_.WordConsumed = false;
    }
}

void Translator::translateLine(std::u32string_view line) {
    lineGoesOn_ = false;
    translatePart(line, true);
}

void Translator::translatePart(std::u32string_view part, bool endsLine) {
    if (!lineGoesOn_) {
        lineStarts_ = tokenCount_ == 0;
        lineFirstSeen_ = lineCapital_ = false;
        s_.AtLineEnd = false;
        charsInLine_ = 0;
        lastChar_ = 0;
        spaceBefore_ = true;
        inPath_ = false;
    }
    lineGoesOn_ = !endsLine;
    const size_t len = part.size();
    if (len == 0) {
        if (endsLine && charsInLine_ == 0)
            s_.AtSentenceStart = true; // an empty line ends a paragraph
        if (endsLine && tokenCount_ != 0)
            renderTokens(false, false);
        return;
    }
    const char32_t *text = part.data();
    size_t wordStart = 0;
    for (size_t i = 0;; ++i) {
        while (i + 1 < len && !pieces::isCut(text[i]))
            ++i;
        const bool lastOfPart = i + 1 == len, last = lastOfPart && endsLine;
        if (lastOfPart && !last && !pieces::isCut(text[i])) {
            s_.CurrentWord.append(text + wordStart, len - wordStart); // the word goes on in the next part
            break;
        }
        // The characters since the last cut join the piece at once rather than one by one.
        s_.CurrentWord.append(text + wordStart, i + 1 - wordStart);
        wordStart = i + 1;
        if (last) {
            if (extendedOn())
                lineEndToken_ = tokenCount_;
            else
                s_.AtLineEnd = true;
        }
        endPiece(text[i], charsInLine_ + i == 0, i > 0 ? text[i - 1] : lastChar_);
        if (lastOfPart)
            break;
    }
    charsInLine_ += len;
    lastChar_ = text[len - 1];
    if (endsLine && tokenCount_ != 0)
        renderTokens(false, false);
}

// CurrentWord ends with c, the character that ended the piece; `before` is the character before c in the line.
void Translator::endPiece(char32_t c, bool firstInLine, char32_t before) {
    const std::u32string_view mark(&c, 1);
    cutChar_ = c;
    if (c == U'?' || c == U'.' || c == U',') {
        strip(s_.CurrentWord, 1);
        wordStep();
        separator(mark);
    } else if (pieces::isApostrophe(c)) {
        strip(s_.CurrentWord, 1);
        wordStep();
        separator(U""sv);
    } else if (pieces::isQuote(c)) {
        if (before == U'?' || before == U'.') { // her." : the sentence ends, then the quote closes
            strip(s_.CurrentWord, 2);
            wordStep();
            separator(std::u32string_view(&before, 1));
        } else {
            strip(s_.CurrentWord, 1);
            wordStep();
        }
        separator(mark);
    } else if (pieces::isSeparatorMark(c)) {
        strip(s_.CurrentWord, 1);
        wordStep();
        separator(mark);
    } else if (c == U' ') {
        if (firstInLine) {
            wordStep();
        } else if (before == U'?' || before == U'.') {
            strip(s_.CurrentWord, 2);
            wordStep();
            separator(before == U'?' ? U"? "sv : U". "sv);
        } else if (before == U' ') {
            strip(s_.CurrentWord, 1);
            wordStep();
            separator(U" "sv);
        } else {
            wordStep(); // the word keeps its space: it selects the suffix rules for a word followed by a space
        }
    } else if (c == U'\t') {
        if (firstInLine || before == U'\t') {
            wordStep();
        } else if (before == U'?' || before == U'.') {
            strip(s_.CurrentWord, 2);
            wordStep();
            separator(before == U'?' ? U"?\t"sv : U".\t"sv);
        } else {
            strip(s_.CurrentWord, 1);
            wordStep();
            separator(U"\t"sv);
        }
    } else {
        wordStep(); // "=" in mid-line stays on the word; so does any last character
    }
}

} // namespace dlx
