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

/// A rendering that writes or holds the entry's meaning and never looks at the word itself.
bool rendersOwnMeaning(Rendering::How how) {
    return how == Rendering::How::Exact || how == Rendering::How::Write || how == Rendering::How::Hold;
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
    const std::u32string_view key = trimSpaces(s_.CurrentWord);
    t.key.assign(key);
    for (char32_t &c : t.key)
        if (c >= U'a' && c <= U'z')
            c -= 32;
    const bool letter = !key.empty() && t.key[0] >= U'A' && t.key[0] <= U'Z';
    if (!letter || t.key == U"THE"sv || t.key == U"AN"sv || t.key == U"A"sv) {
        t.kind = GrammarToken::Kind::Piece;
    } else {
        t.kind = GrammarToken::Kind::Word;
        Found r;
        t.quiet = !readingOf(t.key[0], r);
        if (!t.quiet) {
            t.how = r.how;
            t.label = r.label;
            t.meaning.assign(r.meaning);
            if (r.how == Rendering::How::Write || r.how == Rendering::How::Hold) {
                upperWord_.assign(t.key);
                if (!s_.CurrentWord.empty() && s_.CurrentWord.back() == U' ')
                    upperWord_.push_back(U' ');
                bool withSpace = false;
                t.family = suffixFamily(upperWord_, withSpace);
            }
        }
    }
    triggered_ |= rulesTriggeredBy(t);
    if (lineStarts_ && !lineFirstSeen_ && !s_.CurrentWord.empty() && s_.CurrentWord[0] != U' ' &&
        s_.CurrentWord[0] != U'\t') {
        lineFirstSeen_ = true;
        lineCapital_ = s_.CurrentWord[0] >= U'A' && s_.CurrentWord[0] <= U'Z';
    }
    if (t.kind == GrammarToken::Kind::Word && !t.quiet && rendersOwnMeaning(t.how))
        t.text.clear(); // its rendering needs only the reading
    else
        t.text.swap(s_.CurrentWord); // the piece moves to the token; the token's old room becomes the next piece's
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
    // A line that starts with a capital letter starts a sentence, even when the line before ended without a mark
    // (a heading, or one sentence a line); wrapped prose goes on with a small letter.
    grammarContext_.sentenceStart = s_.AtSentenceStart || (lineStarts_ && lineCapital_);
    lineStarts_ = false;
    const std::span<GrammarToken> tokens(tokens_.data(), tokenCount_);
    if (const GrammarRuleSet rules = extendedRules & triggered_)
        rewriteTokens(tokens, grammarContext_, rules);
    std::u32string piece; // the piece in hand when a switch of mode ends the waiting
    piece.swap(s_.CurrentWord);

    for (std::size_t i = 0; i < tokens.size(); ++i) {
        GrammarToken &t = tokens[i];
        if (i == lineEndToken_)
            s_.AtLineEnd = true;
        switch (t.kind) {
        case GrammarToken::Kind::Dropped:
            continue;
        case GrammarToken::Kind::Separator:
            separatorNow(t.text);
            continue;
        case GrammarToken::Kind::Piece:
            s_.CurrentWord.swap(t.text);
            wordStepNow();
            continue;
        case GrammarToken::Kind::Word:
            break;
        }
        if (t.quiet || !rendersOwnMeaning(t.how))
            s_.CurrentWord.swap(t.text); // written as it stands, or reported as unknown
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
    s_.CurrentWord.swap(piece);
    tokenCount_ = 0;
    triggered_ = 0;
    lineEndToken_ = SIZE_MAX;
    s_.AtSentenceStart = sentenceEnds;
}

} // namespace dlx
