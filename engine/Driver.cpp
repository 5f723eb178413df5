#include "Driver.h"

#include "TextFile.h"

namespace dlx {

void beginRun(TranslationState &state) {
    state.Text4.clear();
    state.Translating = true;
    state.HeldPhrase.clear();
    state.HeldModifiers.clear();
    state.CurrentWord.clear();
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
    if (havePending_)
        deliver(pending_);
    translateOneLine(translator_, line, pending_);
    havePending_ = true;
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

std::u32string translateText(std::u32string_view text, Lexicon &lexicon, TranslationMode mode, bool sentenceSpace) {
    TranslationState state;
    Translator translator(state, lexicon);
    translator.mode = mode;
    translator.sentenceSpace = sentenceSpace;
    beginRun(state);
    const int done = translateLines(translator, splitLines(text));
    std::u32string out = joinLines(state.TranslatedLines, static_cast<std::size_t>(done), U"\n");
    lexicon.phraseRules().current()->CheckThaiIdiom(out);
    return out;
}

} // namespace dlx
