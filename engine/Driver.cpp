#include "Driver.h"

#include "TextFile.h"

namespace dlx {

void beginRun(TranslationState &state) {
    state.Text4.clear();
    state.Translating = true;
    state.HeldPhrase.clear();
    state.HeldModifiers.clear();
    state.CurrentWord.clear();
    state.AtSentenceStart = true;
}

void translateOneLine(Translator &translator, std::u32string_view line, std::u32string &done) {
    TranslationState &s = translator.state();
    translator.translateLine(line);
    done.clear();
    done.swap(s.Text4); // the two buffers take turns, so a long run allocates nothing per line
    s.CurrentWord.clear();
}

std::u32string translateOneLine(Translator &translator, std::u32string_view line) {
    std::u32string done;
    translateOneLine(translator, line, done);
    return done;
}

void appendHeldText(TranslationState &state, std::u32string &lastLine) {
    lastLine += state.HeldModifiers;
    lastLine += state.HeldPhrase;
    state.HeldModifiers.clear();
    state.HeldPhrase.clear();
}

int translateLines(Translator &translator, const std::vector<std::u32string> &lines, const DriverHooks &hooks) {
    TranslationState &s = translator.state();
    translator.lexicon().refresh();
    s.TranslatedLines.clear();
    s.TranslatedLines.reserve(lines.size());
    const int total = static_cast<int>(lines.size());
    int lineIndex = 0;
    for (const auto &line : lines) {
        if (!s.Translating)
            break;
        translator.translateLine(line);
        s.TranslatedLines.emplace_back(s.Text4); // a copy of just the right size; the work line keeps its room
        s.Text4.clear();
        s.CurrentWord.clear();
        ++lineIndex;
        if (hooks.yield)
            hooks.yield();
        if (hooks.progress)
            hooks.progress(lineIndex, total);
    }
    if (lineIndex > 0)
        appendHeldText(s, s.TranslatedLines.back());
    return lineIndex;
}

StreamedRun::StreamedRun(Translator &translator, Sink sink) : translator_(translator), sink_(std::move(sink)) {
    beginRun(translator.state());
    translator.lexicon().refresh();
    rewriter_ = translator.lexicon().phraseRules().current(&news_);
}

void StreamedRun::line(std::u32string_view line) {
    part(line, true);
}

void StreamedRun::part(std::u32string_view piece, bool endsLine) {
    if (!lineGoesOn_ && havePending_) {
        deliver(pending_);
        havePending_ = false;
    }
    translator_.translatePart(piece, endsLine);
    lineGoesOn_ = !endsLine;
    TranslationState &s = translator_.state();
    if (lineGoesOn_) {
        passOnFinishedText();
        return;
    }
    pending_.clear();
    pending_.swap(s.Text4); // the two buffers take turns
    s.CurrentWord.clear();
    havePending_ = true;
}

// Of a line that goes on, the Thai up to the last character that no phrase rule can span is final: it is rewritten
// and passed on now, so that a very long line never lives in memory whole.
void StreamedRun::passOnFinishedText() {
    std::u32string &work = translator_.state().Text4;
    if (!sink_ || work.size() < kPassOnAt)
        return;
    size_t end = work.size();
    while (end > 0 && !rewriter_->separatesPhrases(work[end - 1]))
        --end;
    if (end == 0)
        return;
    passOn(std::u32string_view(work).substr(0, end), false);
    work.erase(0, end);
}

// Rewrites the text of a line in pieces of some thousand characters, each ending after a character that no phrase
// can span (or where the line ends), and hands them to the sink: each rule then looks at a piece, not the line.
void StreamedRun::passOn(std::u32string_view text, bool lineEnds) {
    linePassedOn_ = !lineEnds;
    if (text.empty() && lineEnds) { // the rest of the line is empty: it only ends
        piece_.clear();
        rewriter_->rewriteLinePiece(piece_, scratch_, true);
        sink_(U"\n");
        return;
    }
    while (!text.empty()) {
        size_t cut = std::min(text.size(), kPieceSize);
        while (cut < text.size() && !rewriter_->separatesPhrases(text[cut - 1]))
            ++cut;
        const bool last = cut == text.size();
        piece_.assign(text.substr(0, cut));
        rewriter_->rewriteLinePiece(piece_, scratch_, last && lineEnds);
        if (last && lineEnds)
            piece_.push_back(U'\n');
        sink_(piece_);
        text.remove_prefix(cut);
    }
}

void StreamedRun::finish() {
    if (!havePending_)
        return;
    appendHeldText(translator_.state(), pending_);
    deliver(pending_);
    havePending_ = false;
}

void StreamedRun::deliver(std::u32string &line) {
    if (!sink_)
        return;
    if (linePassedOn_ || line.size() > kPassOnAt) {
        passOn(line, true);
        return;
    }
    rewriter_->CheckThaiIdiom(line, {}, &scratch_);
    line.push_back(U'\n');
    sink_(line);
}

std::u32string joinLines(const std::vector<std::u32string> &lines, std::size_t count, std::u32string_view separator) {
    std::u32string out;
    for (std::size_t i = 0; i < count && i < lines.size(); ++i) {
        if (i)
            out += separator;
        out += lines[i];
    }
    return out;
}

std::u32string translateText(std::u32string_view text, Lexicon &lexicon, TranslationMode mode, bool sentenceSpace,
                             bool extended) {
    TranslationState state;
    Translator translator(state, lexicon);
    translator.mode = mode;
    translator.sentenceSpace = sentenceSpace;
    translator.extended = extended;
    beginRun(state);
    const int done = translateLines(translator, splitLines(text));
    std::u32string out = joinLines(state.TranslatedLines, static_cast<std::size_t>(done), U"\n");
    lexicon.phraseRules().current()->CheckThaiIdiom(out);
    return out;
}

} // namespace dlx
