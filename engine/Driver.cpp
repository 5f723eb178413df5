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

std::u32string translateOneLine(Translator &translator, std::u32string_view line) {
    TranslationState &s = translator.state();
    translator.translateLine(line);
    const size_t used = s.Text4.size();
    std::u32string done = std::move(s.Text4);
    s.Text4.clear();
    s.Text4.reserve(used + 16); // the next line is likely as long: grow the work line once, not per word
    s.Text3.clear();
    s.CharIndex = 1;
    s.CurrentWord.clear();
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
    s.CharIndex = 1;
    const int total = static_cast<int>(lines.size());
    int lineIndex = 0;
    for (const auto &line : lines) {
        if (!s.Translating)
            break;
        s.TranslatedLines.push_back(translateOneLine(translator, line));
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

std::u32string joinLines(const std::vector<std::u32string> &lines, std::size_t count, std::u32string_view separator) {
    std::u32string out;
    for (std::size_t i = 0; i < count && i < lines.size(); ++i) {
        if (i)
            out += separator;
        out += lines[i];
    }
    return out;
}

std::u32string translateText(std::u32string_view text, Lexicon &lexicon, TranslationMode mode) {
    TranslationState state;
    Translator translator(state, lexicon);
    translator.mode = mode;
    beginRun(state);
    const int done = translateLines(translator, splitLines(text));
    std::u32string out = joinLines(state.TranslatedLines, static_cast<std::size_t>(done), U"\n");
    static const PhraseRewriter rewriter;
    rewriter.CheckThaiIdiom(out);
    return out;
}

} // namespace dlx
