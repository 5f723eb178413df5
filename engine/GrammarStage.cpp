// The extended mode's stage in the translator: the word steps and separators of a sentence are kept as tokens with
// their reading, rewritten by the rules of GrammarRules.cpp when the sentence (or its line) ends, and then rendered
// by the same steps the grammar mode takes as the pieces come.
#include "Translator.h"
#include "Utf8.h"

using namespace std::literals;

namespace dlx {
namespace {

constexpr std::size_t kMostWaitingTokens = 4096; // a line without sentence marks is rendered in runs this long

bool endsSentence(std::u32string_view piece) {
    return !piece.empty() && (piece[0] == U'.' || piece[0] == U'?' || piece[0] == U'!') &&
           (piece.size() == 1 || piece[1] == U' ' || piece[1] == U'\t');
}

} // namespace

GrammarToken &Translator::nextToken() {
    if (tokenCount_ == tokens_.size())
        tokens_.emplace_back();
    GrammarToken &t = tokens_[tokenCount_++];
    t.tail.clear();
    t.quiet = false;
    t.family = SuffixFamily::None;
    t.how = Rendering::How::Unrendered;
    t.label = Label::Other;
    return t;
}

// What CheckMean would do with the piece decides its kind: only a word that starts with a letter and is no
// article reaches the lookup, which is asked now, so that the rules see its reading.
void Translator::recordWord() {
    GrammarToken &t = nextToken();
    t.text.assign(s_.CurrentWord);
    upperWord_.assign(s_.CurrentWord);
    for (char32_t &c : upperWord_)
        if (c >= U'a' && c <= U'z')
            c -= 32;
    const std::u32string_view key = trimSpaces(upperWord_);
    const bool letter = !key.empty() && key[0] >= U'A' && key[0] <= U'Z';
    if (!letter || key == U"THE"sv || key == U"AN"sv || key == U"A"sv) {
        t.kind = GrammarToken::Kind::Piece;
    } else {
        t.kind = GrammarToken::Kind::Word;
        t.key.assign(key);
        Found r;
        t.quiet = !readingOf(key[0], r);
        if (!t.quiet) {
            t.how = r.how;
            t.label = r.label;
            t.meaning.assign(r.meaning);
            bool withSpace = false;
            if (r.how == Rendering::How::Write || r.how == Rendering::How::Hold)
                t.family = suffixFamily(upperWord_, withSpace);
        }
    }
    s_.CurrentWord.clear();
}

void Translator::recordSeparator(std::u32string_view piece) {
    GrammarToken &t = nextToken();
    t.kind = GrammarToken::Kind::Separator;
    t.text.assign(piece);
    if (endsSentence(piece))
        renderTokens(piece[0] == U'?', true);
    else if (tokenCount_ >= kMostWaitingTokens)
        renderTokens(false, false);
}

void Translator::renderTokens(bool question, bool sentenceEnds) {
    if (!grammarContext_.sense)
        grammarContext_.sense = [this](std::u32string_view key, bool (*wanted)(Label), std::u32string &meaning) {
            return senseOf(key, wanted, meaning);
        };
    grammarContext_.question = question;
    grammarContext_.sentenceStart = s_.AtSentenceStart;
    const std::span<GrammarToken> tokens(tokens_.data(), tokenCount_);
    rewriteTokens(tokens, grammarContext_, extendedRules);

    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const GrammarToken &t = tokens[i];
        if (i == lineEndToken_)
            s_.AtLineEnd = true;
        switch (t.kind) {
        case GrammarToken::Kind::Dropped:
            continue;
        case GrammarToken::Kind::Separator:
            separatorNow(t.text);
            continue;
        case GrammarToken::Kind::Piece:
            s_.CurrentWord.assign(t.text);
            wordStepNow();
            continue;
        case GrammarToken::Kind::Word:
            break;
        }
        s_.CurrentWord.assign(t.text);
        s_.WordConsumed = false;
        if (!t.quiet)
            renderFound(Found{t.how, t.label, t.meaning});
        if (!s_.WordConsumed && !s_.CurrentWord.empty()) {
            s_.Text4 += s_.CurrentWord;
            s_.CurrentWord.clear();
        }
        if (!t.tail.empty()) // after the noun phrase it belongs to, or after the line's flush
            (s_.HeldModifiers.empty() ? s_.Text4 : s_.HeldModifiers) += t.tail;
    }
    tokenCount_ = 0;
    lineEndToken_ = SIZE_MAX;
    s_.AtSentenceStart = sentenceEnds;
}

} // namespace dlx
