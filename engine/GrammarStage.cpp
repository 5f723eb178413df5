// The extended mode's stage in the translator: the word steps and separators of a sentence are kept as tokens with
// their reading, rewritten by the rules of GrammarRules.cpp when the sentence (or its line) ends, and then rendered
// by the same steps the grammar mode takes as the pieces come.
#include "PieceChars.h"
#include "ThaiIdiomTable.h"
#include "Translator.h"
#include "Utf8.h"

#include <algorithm>
#include <mutex>

using namespace std::literals;

namespace dlx {
namespace {

constexpr std::size_t kMostWaitingTokens = 4096; // a line without sentence marks is rendered in runs this long

bool endsSentence(std::u32string_view piece) {
    return !piece.empty() && (piece[0] == U'.' || piece[0] == U'?' || piece[0] == U'!') &&
           (piece.size() == 1 || piece[1] == U' ' || piece[1] == U'\t');
}

/// "THE", "AN" or "A" for an article in any case (CheckMean writes it without a lookup), else nothing.
std::u32string_view articleKey(std::u32string_view w) {
    auto up = [](char32_t c) { return c >= U'a' && c <= U'z' ? c - 32 : c; };
    if (w.size() == 1 && up(w[0]) == U'A')
        return U"A"sv;
    if (w.size() == 2 && up(w[0]) == U'A' && up(w[1]) == U'N')
        return U"AN"sv;
    if (w.size() == 3 && up(w[0]) == U'T' && up(w[1]) == U'H' && up(w[2]) == U'E')
        return U"THE"sv;
    return {};
}

/// The piece without the spaces around it, as CheckMean keys it.
std::u32string_view trimmed(std::u32string_view w) {
    while (!w.empty() && w.back() == U' ')
        w.remove_suffix(1);
    while (!w.empty() && w.front() == U' ')
        w.remove_prefix(1);
    return w;
}

/// A double quote, as the driver passes it on as a separator.
bool isDoubleQuote(std::u32string_view piece) {
    return piece == U"\""sv || piece == U"\u201C"sv || piece == U"\u201D"sv;
}

/// A rendering that writes or holds the entry's meaning and never looks at the word itself.
bool rendersOwnMeaning(Rendering::How how) {
    return how == Rendering::How::Exact || how == Rendering::How::Write || how == Rendering::How::Hold;
}

/// A word of a path or a name, written as it stands: its own text is its meaning.
void keepAsWritten(GrammarToken &w) {
    w.how = Rendering::How::Exact;
    w.label = Label::Other;
    w.family = SuffixFamily::None;
    w.setMeaning(w.text);
}

/// A word with a capital and a small letter after a small one: a name of its own make ("NetApp", "AlloyDB").
bool mixedCase(const GrammarToken &w) {
    bool lower = false;
    for (std::size_t k = 0; k < w.text.size(); ++k) {
        const char32_t c = w.text[k];
        if (c >= U'a' && c <= U'z')
            lower = true;
        else if (c >= U'A' && c <= U'Z' && lower)
            return true;
    }
    return false;
}

// Titles, whose Thai goes before the name after them (กัปตันJames Kirk).
constexpr std::array kTitles{U"CAPTAIN"sv, U"SIR"sv,       U"SENATOR"sv,      U"PRINCESS"sv, U"PRINCE"sv,  U"KING"sv,
                             U"QUEEN"sv,   U"PRESIDENT"sv, U"GOVERNOR"sv,     U"DOCTOR"sv,   U"LORD"sv,    U"LADY"sv,
                             U"SAINT"sv,   U"GENERAL"sv,   U"PROFESSOR"sv,    U"UNCLE"sv,    U"AUNT"sv,    U"FATHER"sv,
                             U"MOTHER"sv,  U"JUDGE"sv,     U"COMMISSIONER"sv, U"MAJOR"sv,    U"COLONEL"sv, U"ADMIRAL"sv,
                             U"EMPEROR"sv, U"MR"sv,        U"MRS"sv,          U"MS"sv,       U"DR"sv,      U"MISS"sv,
                             U"MISTER"sv};

/// Two or more words with their capitals in a row inside a sentence, one of them a word the dictionary lacks or a
/// name of its own make, are one name, written as it stands: "Update a Cloud NetApp Volume QuotaRule" =>
/// ปรับปรุงCloud NetApp Volume QuotaRule (not NetApp ปริมาตรเมฆQuotaRule), "-- Judy Garland" (not Judy พวงมาลัย).
void keepCapitalNames(std::span<GrammarToken> tokens, std::size_t first) {
    // (a word of a name: not a preposition, a conjunction, a pronoun, a be, a question word or an adverb, which
    // a heading's capitals give ("In Debian", "Of Gallo"), nor a title, whose Thai goes before the name)
    auto capital = [](const GrammarToken &w) {
        if (w.kind != GrammarToken::Kind::Word || !w.capital || w.capitals || w.text.empty()) // (most words)
            return false;
        const Label l = w.label;
        if (w.how != Rendering::How::Unrendered && w.how != Rendering::How::RawFallback &&
            (l == Label::Preposition || l == Label::Conjunction || l == Label::Pronoun || l == Label::Be ||
             l == Label::Question || l == Label::Adverb))
            return false;
        return std::find(kTitles.begin(), kTitles.end(), w.key) == kTitles.end();
    };
    auto blank = [](const GrammarToken &w) {
        return w.kind != GrammarToken::Kind::Word && w.blank == 1; // (a space, or the empty piece between two words)
    };
    for (std::size_t i = first + 1; i < tokens.size(); ++i) {
        // (not the part of a compound after its hyphen: "Anti-Circumvention Law")
        if (!capital(tokens[i]) ||
            (i > 0 && tokens[i - 1].kind == GrammarToken::Kind::Separator && tokens[i - 1].text == U"-"sv))
            continue;
        std::size_t end = i, words = 1;
        bool name = false;
        for (std::size_t k = i;;) {
            const GrammarToken &w = tokens[k];
            name = name || w.how == Rendering::How::Unrendered || w.how == Rendering::How::RawFallback || mixedCase(w);
            std::size_t n = k + 1;
            while (n < tokens.size() && blank(tokens[n]))
                ++n;
            if (n >= tokens.size() || !capital(tokens[n]) || w.text.back() != U' ')
                break;
            end = k = n;
            ++words;
        }
        if (words >= 2 && name)
            for (std::size_t k = i; k <= end; ++k)
                if (tokens[k].kind == GrammarToken::Kind::Word && !tokens[k].quiet)
                    keepAsWritten(tokens[k]);
        i = end;
    }
}

/// Words joined by "_" are a name in code, written as they stand: "The default PAGE_LENGTH is 66" =>
/// ค่าเริ่มต้นPAGE_LENGTH..., "the connection_profile" (not การเชื่อมต่อ_โปรไฟล์); an underscore at a word's edge
/// alone ("_uk_") joins nothing.
void keepJoinedNames(std::span<GrammarToken> tokens) {
    for (std::size_t k = 1; k + 1 < tokens.size(); ++k)
        if (tokens[k].kind == GrammarToken::Kind::Separator && tokens[k].text == U"_"sv &&
            tokens[k - 1].kind == GrammarToken::Kind::Word && tokens[k + 1].kind == GrammarToken::Kind::Word)
            for (GrammarToken *w : {&tokens[k - 1], &tokens[k + 1]})
                if (!w->quiet && !w->text.empty())
                    keepAsWritten(*w);
}

} // namespace

inline GrammarToken &Translator::nextToken(GrammarToken::Kind kind) {
    if (tokenCount_ == tokens_.size())
        tokens_.emplace_back(); // a token moved as the vector grows keeps viewing what it owns
    GrammarToken &t = tokens_[tokenCount_++];
    // (its blank is worked out as a piece or a separator is recorded, or when a rule asks)
    static_cast<GrammarTokenFields &>(t) = GrammarTokenFields{};
    t.kind = kind;
    t.tail.clear();
    t.key = {};
    t.meaning = {};
    return t;
}

void Translator::keepWaitingTokens() {
    for (std::size_t i = 0; i < tokenCount_; ++i) {
        GrammarToken &t = tokens_[i];
        if (t.key.data() != t.ownKey.data())
            t.setKey(std::u32string(t.key));
        if (t.meaning.data() != t.ownMeaning.data())
            t.setMeaning(std::u32string(t.meaning));
    }
}

// The rules a word sets off (`rules`, its rulesTriggeredBy, and more). Two need the dictionary: a noun that can be a
// verb may open an order, and a plural noun that is also a verb may be the verb of the noun before it ("The option
// causes the program to"), so it sets off the subject-verb rule.
GrammarRuleSet Translator::triggersOf(const GrammarToken &t, GrammarRuleSet rules) {
    const std::u32string_view k = t.key;
    if (t.kind == GrammarToken::Kind::Word && !t.quiet && t.label == Label::Noun && k.size() > 3 && k.back() == U'S' &&
        (t.how == Rendering::How::Exact || (t.how == Rendering::How::Write && t.family == SuffixFamily::S))) {
        auto verb = [](Label l) { return l == Label::TransitiveVerb || l == Label::IntransitiveVerb; };
        if (senseOf(k, verb, senseRoom_) || senseOf(k.substr(0, k.size() - 1), verb, senseRoom_) ||
            (k.ends_with(U"ES"sv) && senseOf(k.substr(0, k.size() - 2), verb, senseRoom_))) // (processes)
            rules |= ruleBit(GrammarRule::SubjectVerb);
    }
    // A noun or an adjective that can be a verb may open an order ("Copy the files", "Clear the list"); such a noun
    // may be the verb of a plural before it ("Years wrinkle the skin").
    if (t.kind == GrammarToken::Kind::Word && !t.quiet && (t.label == Label::Noun || t.label == Label::Adjective) &&
        t.how == Rendering::How::Exact &&
        senseOf(
            k, [](Label l) { return l == Label::TransitiveVerb || l == Label::IntransitiveVerb; }, senseRoom_))
        rules |= ruleBit(GrammarRule::ImperativeVerb) |
                 (t.label == Label::Noun && k.back() != U'S' ? ruleBit(GrammarRule::SubjectVerb) : 0);
    return rules;
}

// What CheckMean would do with the piece decides its kind: only a word that starts with a letter and is no
// article reaches the lookup, which is asked now, so that the rules see its reading. A remembered word brings
// its key, suffix family and rules along; anything else is worked out here.
// A heading in capitals before its sentence on one line ("API REFERENCE This command uses", "DESCRIPTION (ALPHA)
// Shows"), as manual pages come out of a pager, is rendered on its own first: its nouns are not held into the
// sentence after it. The word `next` (a capital, then small letters) opens that sentence.
// (only before a word that opens a sentence, not a noun the capitals name: "DOS Beer", "GNU Nettle")
constexpr std::array kSentenceOpeners{
    U"THE"sv,       U"THIS"sv,     U"THESE"sv,     U"THERE"sv,     U"A"sv,        U"AN"sv,        U"IF"sv,
    U"WHEN"sv,      U"ALL"sv,      U"EACH"sv,      U"NEW"sv,       U"TO"sv,       U"IN"sv,        U"ON"sv,
    U"FOR"sv,       U"BY"sv,       U"WITH"sv,      U"USE"sv,       U"SEE"sv,      U"IT"sv,        U"ITS"sv,
    U"YOU"sv,       U"WE"sv,       U"SOME"sv,      U"ANY"sv,       U"MOST"sv,     U"ONLY"sv,      U"NO"sv,
    U"AS"sv,        U"ONE"sv,      U"SINCE"sv,     U"UNLESS"sv,    U"HOWEVER"sv,  U"OTHERWISE"sv, U"SPECIFY"sv,
    U"SPECIFIES"sv, U"SETS"sv,     U"SHOWS"sv,     U"LISTS"sv,     U"RETURNS"sv,  U"PRINTS"sv,    U"CREATES"sv,
    U"DELETES"sv,   U"DISPLAYS"sv, U"UPDATES"sv,   U"ENABLES"sv,   U"DISABLES"sv, U"CONTAINS"sv,  U"DESCRIBES"sv,
    U"DEFINES"sv,   U"REFUSE"sv,   U"ACCORDING"sv, U"COPYRIGHT"sv, U"WRITTEN"sv,  U"REPORT"sv,    U"RUN"sv,
    U"LIST"sv,      U"UPDATE"sv,   U"DELETE"sv,    U"CREATE"sv,    U"DESCRIBE"sv, U"GET"sv,       U"SET"sv,
    U"ADD"sv,       U"REMOVE"sv,   U"SHOW"sv,      U"ENABLE"sv,    U"DISABLE"sv,  U"EXPORT"sv,    U"IMPORT"sv,
    U"START"sv,     U"STOP"sv,     U"MANAGE"sv,    U"PRINT"sv,     U"CHECK"sv};

void Translator::endHeadingBefore(std::u32string_view next) {
    auto upper = [](char32_t c) { return c >= U'A' && c <= U'Z'; };
    auto lower = [](char32_t c) { return c >= U'a' && c <= U'z'; };
    if (tokenCount_ == 0 || !tokens_[0].capitals || next.size() < 2 || !upper(next[0])) // (cheap checks first)
        return;
    while (!next.empty() && next.back() == U' ')
        next.remove_suffix(1);
    if (extendedRules == 0 || next.size() < 2 || !lower(next[1]) ||
        !(s_.AtSentenceStart || (lineStarts_ && lineCapital_)))
        return;
    auto sameWord = [&](std::u32string_view key) {
        return key.size() == next.size() &&
               std::equal(key.begin(), key.end(), next.begin(),
                          [&](char32_t k, char32_t c) { return k == (lower(c) ? c - 32 : c); });
    };
    if (!((next.ends_with(U"ly"sv)) || std::any_of(kSentenceOpeners.begin(), kSentenceOpeners.end(), sameWord)))
        return;
    bool heading = false;
    for (std::size_t k = 0; k < tokenCount_; ++k) {
        const GrammarToken &t = tokens_[k];
        const bool blank = std::all_of(t.text.begin(), t.text.end(), [](char32_t c) { return c == U' '; });
        const std::u32string_view mark = std::u32string_view(t.text).substr(0, t.text.find(U' '));
        if (t.kind == GrammarToken::Kind::Word ? !t.capitals
                                               : !(blank || mark == U"("sv || mark == U")"sv ||
                                                   (t.text.size() > 1 && upper(t.text[0]) && upper(t.text[1]))))
            return;
        heading = heading || t.kind == GrammarToken::Kind::Word;
    }
    if (!heading)
        return;
    renderTokens(false, true);
    append(s_.HeldModifiers); // what the heading holds is written, as before a mark
    append(s_.HeldPhrase);
    s_.HeldModifiers.clear();
    s_.HeldPhrase.clear();
    if (!s_.Text4.empty() && s_.Text4.back() != U' ')
        append(U" "sv); // and a space parts it from the sentence
    lineStarts_ = true; // which starts as the line did
}

void Translator::recordWord() {
    if (tokenCount_ != 0 && tokens_[0].capitals) // (asked here first, for speed)
        endHeadingBefore(s_.CurrentWord);
    GrammarToken &t = nextToken(GrammarToken::Kind::Piece);
    std::u32string_view word = s_.CurrentWord;
    while (!word.empty() && word.back() == U' ')
        word.remove_suffix(1);
    while (!word.empty() && word.front() == U' ')
        word.remove_prefix(1);
    const char32_t first = word.empty() ? 0 : (word[0] >= U'a' && word[0] <= U'z' ? word[0] - 32 : word[0]);
    const bool letter = first >= U'A' && first <= U'Z';
    auto upperKey = [&] {
        t.setKey(word);
        for (char32_t &c : t.ownKey)
            if (c >= U'a' && c <= U'z')
                c -= 32;
    };
    GrammarRuleSet pieceRules = 0; // of an article or a number: the rules of the noun after or before it
    if (!letter) {
        if (!word.empty())
            upperKey();
        const char32_t c = s_.CurrentWord.empty() ? 0 : s_.CurrentWord[0];
        pieceRules = rulesLookingAtPiece(false, c >= U'0' && c <= U'9');
        // What CheckMean writes as it stands: anything but a mark alone or with its Tab, and a Tab.
        t.blank = std::all_of(word.begin(), word.end(), [](char32_t c) { return c == U' ' || c == U'\t'; });
        t.plain = !(word.size() == 1 && pieces::isMark(word[0])) &&
                  !(word.size() == 2 && pieces::isMark(word[0]) && word[1] == U'\t') && word != U"\t"sv;
    } else if (const std::u32string_view article =
                   word.size() <= 3 && !(inPath_ && dashPath_) ? articleKey(word) : std::u32string_view();
               !article.empty()) { // (no article in an option: "wget -A")
        t.key = article;
        t.blank = 0;
        pieceRules = rulesLookingAtPiece(true, false);
    } else {
        t.kind = GrammarToken::Kind::Word;
        Found r;
        t.quiet = !readingOf(first, r);
        // a word with a capital and a small letter inside a sentence may open a name that keepCapitalNames keeps, which
        // the name-after-noun rule then puts after its noun ("the Cloud Spanner database" => ฐานข้อมูลCloud Spanner)
        const GrammarRuleSet capitalName = tokenCount_ > 1 && word.size() > 1 && word[0] >= U'A' && word[0] <= U'Z' &&
                                                   word[1] >= U'a' && word[1] <= U'z'
                                               ? ruleBit(GrammarRule::NameAfterNoun)
                                               : 0;
        triggered_ |= capitalName;
        if (lastEntry_) {
            if (lastEntry_[4] == MemoEntry::kNotWorkedOut)
                workOut(lastEntry_);
            const MemoEntry m{lastEntry_};
            t.how = m.how();
            t.label = m.label();
            t.meaning = m.meaning();
            t.key = m.key();
            t.family = m.family();
            triggered_ |= m.triggers();
            if ((m.lookingAt() | capitalName) != 0) // (most words set off no rule)
                anchors_.add(static_cast<std::uint32_t>(tokenCount_ - 1), m.lookingAt() | capitalName);
        } else {
            upperKey();
            if (!t.quiet) {
                t.how = r.how;
                t.label = r.label;
                t.setMeaning(r.meaning); // the meaning lives in the last rendering, which the next word overwrites
                if (r.how == Rendering::How::Write || r.how == Rendering::How::Hold) {
                    upperWord_.assign(t.key);
                    if (!s_.CurrentWord.empty() && s_.CurrentWord.back() == U' ')
                        upperWord_.push_back(U' ');
                    bool withSpace = false;
                    t.family = suffixFamily(upperWord_, withSpace);
                }
            }
            const GrammarRuleSet own = rulesTriggeredBy(t);
            triggered_ |= triggersOf(t, own);
            anchors_.add(static_cast<std::uint32_t>(tokenCount_ - 1),
                         rulesLookingAt(t, &grammarContext(), own) | capitalName);
        }
        if (t.key == U"T"sv)
            readWontAsModal();
        if (quotedEnd_ != SIZE_MAX)
            keepQuotedNameBefore(t);
        t.beforeParen = cutChar_ == U'(';
        // (only after a name in capitals, or after what may stand between: asked here first, for speed)
        if (extendedRules != 0 && s_.CurrentWord[0] >= U'a' && s_.CurrentWord[0] <= U'z' && tokenCount_ >= 3 &&
            (tokens_[tokenCount_ - 2].kind != GrammarToken::Kind::Word || tokens_[tokenCount_ - 2].capitals))
            keepCapitalsNameBefore(t);
    }
    if (!lineFirstSeen_ && lineStarts_ && !s_.CurrentWord.empty() && s_.CurrentWord[0] != U' ' &&
        s_.CurrentWord[0] != U'\t') {
        lineFirstSeen_ = true;
        lineCapital_ = s_.CurrentWord[0] >= U'A' && s_.CurrentWord[0] <= U'Z';
    }
    // its rendering needs only the reading (but a name before "()", or a part of one, "has_object_file()",
    // "apt-secure(8)", may be written as it stands)
    auto upper = [&](std::size_t k) {
        return s_.CurrentWord.size() > k && s_.CurrentWord[k] >= U'A' && s_.CurrentWord[k] <= U'Z';
    };
    t.capital = upper(0);
    t.capitals = t.capital && upper(1);
    const bool pieceEnds = !s_.CurrentWord.empty(),
               spaceAfter = pieceEnds && (s_.CurrentWord.back() == U' ' || s_.CurrentWord.back() == U'\t');
    const bool afterUnderscore = tokenCount_ >= 2 && tokens_[tokenCount_ - 2].kind == GrammarToken::Kind::Separator &&
                                 tokens_[tokenCount_ - 2].text == U"_"sv;
    joinedWords_ = joinedWords_ || (afterUnderscore && t.kind == GrammarToken::Kind::Word);
    if (t.kind == GrammarToken::Kind::Word && !t.quiet && rendersOwnMeaning(t.how) && !t.beforeParen && !t.capital &&
        cutChar_ != U'_' && cutChar_ != U'-' && !pieces::isApostrophe(cutChar_) && !inPath_ && !afterUnderscore)
        t.text.clear();
    else if (s_.CurrentWord.size() <= 8)
        t.text.assign(s_.CurrentWord); // most pieces are a space or a short number: both strings keep their room
    else
        t.text.swap(s_.CurrentWord); // the piece moves to the token; the token's old room becomes the next piece's
    s_.CurrentWord.clear();
    // A word inside a path is written as it stands ("/usr/share/doc" is no อยู่/แบ่งปัน/เอกสาร); a space ends it.
    if (pieceEnds) {
        // (but after a dash a word with a capital and small letters is prose: '."-Said to be graffiti')
        if (inPath_ && t.kind == GrammarToken::Kind::Word && !t.quiet && rendersOwnMeaning(t.how) &&
            !(dashPath_ && t.capital && !t.capitals && t.key.size() > 1)) {
            keepAsWritten(t);
            // an option's word after a dash: the name-after-noun rule may put the option after its noun
            if (const GrammarToken *d = dashPath_ && tokenCount_ >= 2 ? &tokens_[tokenCount_ - 2] : nullptr;
                d && d->kind == GrammarToken::Kind::Separator && d->text == U"-"sv) {
                triggered_ |= ruleBit(GrammarRule::NameAfterNoun);
                anchors_.add(static_cast<std::uint32_t>(tokenCount_ - 1), ruleBit(GrammarRule::NameAfterNoun));
            }
        }
        spaceBefore_ = spaceAfter;
        if (spaceAfter)
            inPath_ = false;
    }
    // An article or a number sets off the rules of the noun after or before it, and is where they look (as
    // rulesLookingAt of the piece tells, which the rules ask when a question's words move).
    if (pieceRules) {
        triggered_ |= pieceRules;
        anchors_.add(static_cast<std::uint32_t>(tokenCount_ - 1), pieceRules);
    }
}

// A word that trails off ("to go... this", "I waited.. and") reaches the word step with its dots, which the grammar
// mode writes as they stand, "go.."; with the rules on the word is read and the dots follow it as a mark.
bool Translator::recordWordBeforeDots() {
    const std::u32string_view w = s_.CurrentWord;
    if (w.size() < 3 || w.back() != U'.')
        return false;
    const std::size_t dots = w.find(U'.');
    // (only where a space, a mark, a bracket or a quote cut it: "branch.*.merge" and "user.{name}" are names)
    constexpr std::u32string_view kAfterDots = U" \t.,;:!?)]\"'\u2019\u201D";
    if (extendedRules == 0 || dots == std::u32string_view::npos || dots < 2 ||
        w.find_first_not_of(U'.', dots) != std::u32string_view::npos ||
        kAfterDots.find(cutChar_) == std::u32string_view::npos)
        return false;
    for (std::size_t k = 0; k < dots; ++k)
        if (!((w[k] >= U'a' && w[k] <= U'z') || (w[k] >= U'A' && w[k] <= U'Z')))
            return false;
    const std::size_t marks = w.size() - dots;
    s_.CurrentWord.resize(dots);
    recordWord();
    for (std::size_t k = 0; k < marks; ++k) // each a mark, which writes a held noun before it
        recordSeparator(U"."sv);
    return true;
}

// The "won" of "won't" is will: the dictionary gives the verb win (ชนะ) first, so before the "t" that follows its
// apostrophe it is read again as the modal, which the rules treat as they treat "will".
void Translator::readWontAsModal() {
    if (tokenCount_ < 3)
        return;
    GrammarToken &won = tokens_[tokenCount_ - 3];
    const GrammarToken &mark = tokens_[tokenCount_ - 2];
    auto adverb = [](Label l) { return l == Label::Adverb; };
    if (won.kind != GrammarToken::Kind::Word || won.key != U"WON"sv || won.label == Label::Adverb ||
        mark.kind != GrammarToken::Kind::Separator || !mark.text.empty() || // (the apostrophe, passed on as "")
        !senseOf(won.key, adverb, senseRoom_))
        return;
    won.how = Rendering::How::Exact;
    won.label = Label::Adverb;
    won.family = SuffixFamily::None;
    won.setMeaning(senseRoom_);
    const GrammarRuleSet own = rulesTriggeredBy(won);
    triggered_ |= triggersOf(won, own);
    anchors_.insert(static_cast<std::uint32_t>(tokenCount_ - 3), rulesLookingAt(won, &grammarContext(), own));
}

// A word right before "()" or before a number in brackets names a function or a manual page ("read()", "open(2)"):
// it is written as it stands, not as อ่าน.
void Translator::keepNameBeforeParentheses() {
    std::size_t i = tokenCount_ - 1; // the ")"
    auto back = [&] {
        while (i > 0 && tokens_[i - 1].kind == GrammarToken::Kind::Piece && tokens_[i - 1].text.empty())
            --i;
        return i > 0 ? --i : SIZE_MAX;
    };
    if (back() == SIZE_MAX)
        return;
    if (tokens_[i].kind == GrammarToken::Kind::Piece && !tokens_[i].text.empty() && tokens_[i].text[0] >= U'0' &&
        tokens_[i].text[0] <= U'9' && back() == SIZE_MAX)
        return;
    if (tokens_[i].kind != GrammarToken::Kind::Separator || tokens_[i].text != U"("sv || i == 0)
        return;
    GrammarToken &name = tokens_[i - 1];
    if (name.kind != GrammarToken::Kind::Word || !name.beforeParen || name.quiet)
        return;
    if (!rendersOwnMeaning(name.how)) // a word the dictionary lacks stays as it is, reported as unknown (and the
        return;                       // name-after-noun rule looks at it already)
    keepAsWritten(name);
    // and the words it is joined to by "_" or "-" ("has_object_file()", "apt-secure(8)")
    for (std::size_t j = i - 1; j >= 2 && tokens_[j - 1].kind == GrammarToken::Kind::Separator &&
                                (tokens_[j - 1].text == U"_"sv || tokens_[j - 1].text == U"-"sv);
         j -= 2) {
        GrammarToken &part = tokens_[j - 2];
        if (part.kind != GrammarToken::Kind::Word || part.quiet || part.text.empty())
            break;
        if (rendersOwnMeaning(part.how))
            keepAsWritten(part);
    }
    triggered_ |= ruleBit(GrammarRule::NameAfterNoun); // which puts a noun after it first
    anchors_.insert(static_cast<std::uint32_t>(i - 1), ruleBit(GrammarRule::NameAfterNoun));
}

// A word (or words joined by "-" or "_") between single quotes after a space names a command or an option in a
// manual ("the 'find' command", "'ssh-add'"): it is written as it stands, not as พบ. The quotes reach the stage as
// the empty pieces an apostrophe leaves; "don't" and "it's" have a word before theirs.
void Translator::keepQuotedName() {
    std::size_t j = tokenCount_ - 1; // the closing quote
    if (j < 2 || tokens_[j - 1].kind != GrammarToken::Kind::Word)
        return;
    --j;                                                                     // the last word
    while (j >= 3 && tokens_[j - 1].kind == GrammarToken::Kind::Separator && // (an opening quote before them)
           (tokens_[j - 1].text == U"-"sv || tokens_[j - 1].text == U"_"sv) &&
           tokens_[j - 2].kind == GrammarToken::Kind::Word)
        j -= 2;
    // the opening quote: an empty separator after a space, the line's start or a bracket
    const GrammarToken &open = tokens_[j - 1];
    if (open.kind != GrammarToken::Kind::Separator || !open.text.empty() || !open.afterSpace)
        return;
    bool capitals = true; // (every word in capitals: a name or a value of a manual, 'TERM', 'YES', 'M')
    for (std::size_t k = j; k + 1 < tokenCount_; ++k) {
        GrammarToken &w = tokens_[k];
        if (w.kind == GrammarToken::Kind::Word && (w.quiet || w.text.empty()))
            return;
        capitals = capitals &&
                   (w.kind != GrammarToken::Kind::Word || std::all_of(w.text.begin(), w.text.end(), [](char32_t c) {
                        return (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9');
                    }));
    }
    // a quoted word in capitals is written as it stands whatever follows: "set 'TERM' to" => ตั้งTERM, "'M' stands
    // for" => M หมายถึง (not คำศัพท์, อยู่)
    if (capitals) {
        keepQuotedWords(j, tokenCount_ - 1);
        return;
    }
    quotedFirst_ = j; // the word after the quotes tells (keepQuotedNameBefore)
    quotedEnd_ = tokenCount_ - 1;
}

// Token w, just recorded, is the word after the closing quote of a name: with only a space between, and one of
// the things a manual names that way, the quoted words are written as they stand.
void Translator::keepQuotedNameBefore(const GrammarToken &w) {
    const std::size_t first = quotedFirst_, end = quotedEnd_, at = tokenCount_ - 1;
    quotedEnd_ = SIZE_MAX;
    if (end >= at || at == end + 1) // (a letter right after the quote: "there's" has its apostrophe)
        return;
    for (std::size_t k = end + 1; k < at; ++k)
        if (tokens_[k].kind == GrammarToken::Kind::Word ||
            !std::all_of(tokens_[k].text.begin(), tokens_[k].text.end(), [](char32_t c) { return c == U' '; }))
            return;
    if (w.kind != GrammarToken::Kind::Word || !isNamedThing(w.key))
        return;
    keepQuotedWords(first, end);
}

// The quoted words of tokens [first, end) are written as they stand, and the name-after-noun rule puts them after
// their noun: "the 'find' command" => คำสั่งfind.
void Translator::keepQuotedWords(std::size_t first, std::size_t end) {
    for (std::size_t k = first; k < end; ++k)
        if (GrammarToken &q = tokens_[k]; q.kind == GrammarToken::Kind::Word && rendersOwnMeaning(q.how)) {
            keepAsWritten(q);
            triggered_ |= ruleBit(GrammarRule::NameAfterNoun);
            anchors_.insert(static_cast<std::uint32_t>(k), ruleBit(GrammarRule::NameAfterNoun));
        }
}

// A word in capitals between an article and one of the things a manual names (an argument, a field, a privilege
// ...) is that thing's name, as a name the dictionary lacks would be: it is written as it stands, and the
// name-after-noun rule puts it after its noun ("You must have the CREATE privilege" => ...สิทธิพิเศษCREATE, not
// สร้างสิทธิพิเศษ; "the FILE argument" => อาร์กิวเมนต์FILE).
constexpr std::array kNamedInCapitals{U"PRIVILEGE"sv, U"PRIVILEGES"sv, U"ARGUMENTS"sv, U"KEY"sv,    U"COLUMN"sv,
                                      U"BIT"sv,       U"PERMISSION"sv, U"FLAGS"sv,     U"SIGNAL"sv, U"VARIABLES"sv,
                                      U"FIELDS"sv,    U"PARAMETERS"sv, U"ATTRIBUTES"sv};
void Translator::keepCapitalsNameBefore(const GrammarToken &thing) {
    std::size_t k = tokenCount_ - 1;
    auto back = [&] {
        while (k > 0 && tokens_[k - 1].kind != GrammarToken::Kind::Word && tokens_[k - 1].text.empty())
            --k;
        return k > 0 ? --k : SIZE_MAX;
    };
    if (back() == SIZE_MAX)
        return;
    const std::size_t name = k;
    GrammarToken &w = tokens_[name];
    if (w.kind != GrammarToken::Kind::Word || !w.capitals || w.quiet || !rendersOwnMeaning(w.how) || back() == SIZE_MAX)
        return;
    if (!isNamedThing(thing.key) &&
        std::find(kNamedInCapitals.begin(), kNamedInCapitals.end(), thing.key) == kNamedInCapitals.end())
        return; // (not an acronym the dictionary writes in Thai: "the UNIX system", "the IQ of the group")
    const GrammarToken &article = tokens_[k];
    auto small = [](char32_t c) { return c >= U'a' && c <= U'z'; };
    if (article.kind != GrammarToken::Kind::Piece || articleKey(article.key).empty() ||
        !(std::any_of(article.text.begin(), article.text.end(), small) || article.key == U"A"sv))
        return;
    std::u32string_view text = w.text;
    while (!text.empty() && text.back() == U' ')
        text.remove_suffix(1);
    if (text.size() < 2 || !std::all_of(text.begin(), text.end(), [](char32_t c) {
            return (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U'_';
        }))
        return;
    keepAsWritten(w);
    triggered_ |= ruleBit(GrammarRule::NameAfterNoun);
    anchors_.insert(static_cast<std::uint32_t>(name), ruleBit(GrammarRule::NameAfterNoun));
}

void Translator::recordSeparator(std::u32string_view piece) {
    GrammarToken &t = nextToken(GrammarToken::Kind::Separator);
    t.text.clear();
    t.text.append(piece.data(), piece.size());
    t.afterSpace = spaceBefore_ || (tokenCount_ > 1 && tokens_[tokenCount_ - 2].text == U"("sv);
    if (isDoubleQuote(piece))
        ++doubleQuotes_; // (a quoted sentence is looked for only when their number is odd)
    if (piece == U")"sv)
        keepNameBeforeParentheses();
    else if (piece.empty() && extendedRules != 0) {
        keepQuotedName();
        // after a plural, not after a space, it may be the plural's possessive: "the files' names"
        if (const GrammarToken *w = tokenCount_ >= 2 ? &tokens_[tokenCount_ - 2] : nullptr;
            w && !t.afterSpace && w->kind == GrammarToken::Kind::Word && w->key.size() > 2 && w->key.back() == U'S') {
            triggered_ |= ruleBit(GrammarRule::Possessive);
            anchors_.add(static_cast<std::uint32_t>(tokenCount_ - 1), ruleBit(GrammarRule::Possessive));
        }
    }
    // a path starts with "/" after a space, at the start of a line or after a bracket or a quote
    // (the apostrophe's "" counts as a space: a quoted path, "'/build/gcc'", opens after it)
    const bool blank = std::all_of(piece.begin(), piece.end(), [](char32_t c) { return c == U' ' || c == U'\t'; });
    t.blank = blank;
    auto afterBracket = [&] {
        std::size_t b = tokenCount_ - 1;
        while (b > 0 && tokens_[b - 1].kind == GrammarToken::Kind::Piece && tokens_[b - 1].text.empty())
            --b;
        return b > 0 && tokens_[b - 1].kind == GrammarToken::Kind::Separator &&
               (tokens_[b - 1].text == U"("sv || tokens_[b - 1].text == U"["sv || tokens_[b - 1].text == U"\""sv);
    };
    // (and an address after its scheme: "https://cloud.google.com/batch/docs" is written as it stands, scheme too)
    std::size_t scheme = 0; // the token of the scheme's word, when there is one
    auto afterScheme = [&] {
        auto back = [&](std::size_t b) { // over the empty pieces between two separators
            while (b > 0 && tokens_[b - 1].kind == GrammarToken::Kind::Piece && tokens_[b - 1].text.empty())
                --b;
            return b;
        };
        if (piece != U"/"sv)
            return false;
        const std::size_t colon = back(tokenCount_ - 1), word = colon == 0 ? 0 : back(colon - 1);
        if (colon == 0 || word == 0 || tokens_[colon - 1].kind != GrammarToken::Kind::Separator ||
            tokens_[colon - 1].text != U":"sv || tokens_[word - 1].kind != GrammarToken::Kind::Word)
            return false;
        scheme = word - 1;
        return true;
    };
    if (!inPath_ && extendedRules != 0 && afterScheme()) {
        inPath_ = true;
        dashPath_ = false;
        GrammarToken &w = tokens_[scheme]; // (its own text is gone: a scheme is written in small letters)
        std::u32string lower(w.key);
        for (char32_t &ch : lower)
            ch = ch >= U'A' && ch <= U'Z' ? ch + 32 : ch;
        w.text = lower;
        keepAsWritten(w);
    } else if (piece == U"/"sv && !inPath_ && (spaceBefore_ || afterBracket())) {
        inPath_ = true;
        dashPath_ = false;
    } else if (piece == U"-"sv && !inPath_ && extendedRules != 0 && (spaceBefore_ || afterBracket())) {
        // so is an option after its dashes ("--version", "-n", "--exclude-type=FSTYPE"), which no dash with a space
        // after it opens ("-- Mark Twain")
        inPath_ = true;
        dashPath_ = true;
    } else if (blank || piece.ends_with(U' ') || piece.ends_with(U'\t'))
        inPath_ = false;
    spaceBefore_ = blank || piece.ends_with(U' ') || piece.ends_with(U'\t');
    if (const GrammarRuleSet rules = rulesLookingAtSeparator(piece)) {
        triggered_ |= rules;
        anchors_.add(static_cast<std::uint32_t>(tokenCount_ - 1), rules);
    }
    if (endsSentence(piece))
        renderTokens(piece[0] == U'?', true);
    else if (tokenCount_ >= kMostWaitingTokens)
        renderTokens(false, false);
}

bool Translator::phraseHolds(std::u32string_view before, std::u32string_view piece, std::u32string_view after) {
    if (piece.empty())
        return false;
    if (!userPhrases_ || phrasesRun_ != lexicon_.generation()) { // Idiom.pal may have changed since the last run
        auto rules = lexicon_.phraseRules().current();
        if (rules != userPhrases_)
            phrasesAround_.clear();
        userPhrases_ = std::move(rules);
        phrasesRun_ = lexicon_.generation();
    }
    auto known = phrasesAround_.find(piece);
    if (known == phrasesAround_.end())
        known = phrasesAround_.emplace(std::u32string(piece), sharedPhrasesAround(userPhrases_, piece)).first;
    // Only the searches whose Thai before the piece ends as `before` does and whose Thai after it starts as `after`
    // does (or that have none there) can hold.
    auto holds = [&](const std::vector<Around> &list) {
        auto check = [&](char32_t last, char32_t next) {
            auto [from, to] = std::equal_range(list.begin(), list.end(), Around{last, next, {}, {}}, aroundOrder);
            return std::any_of(
                from, to, [&](const Around &a) { return before.ends_with(a.before) && after.starts_with(a.after); });
        };
        auto checkAfter = [&](char32_t last) { return check(last, 0) || (!after.empty() && check(last, after[0])); };
        return checkAfter(0) || (!before.empty() && checkAfter(before.back()));
    };
    // A built-in rule that reads the same words rewrites them before the folder's rule could.
    return holds(known->second->user) && !holds(known->second->builtIn);
}

std::shared_ptr<const Translator::PhrasesAround>
Translator::sharedPhrasesAround(const std::shared_ptr<const PhraseRewriter> &rules, std::u32string_view piece) {
    static std::mutex mutex;
    static std::weak_ptr<const PhraseRewriter> cachedFor;
    static PhrasesAroundMap cache;
    const std::lock_guard lock(mutex);
    if (cachedFor.lock() != rules) { // Idiom.pal changed, or another data folder's rules are asked
        cache.clear();
        cachedFor = rules;
    }
    if (auto known = cache.find(piece); known != cache.end())
        return known->second;
    auto a = std::make_shared<PhrasesAround>();
    const auto &searches = rules->searches();
    // The built-in rules come first; the extended rules keep what those need already.
    const std::size_t builtIn = std::min(ThaiIdiomTable().size(), searches.size());
    for (std::size_t r = 0; r < searches.size(); ++r) {
        const std::u32string &s = searches[r];
        for (std::size_t at = s.find(piece); at != std::u32string::npos; at = s.find(piece, at + 1))
            (r < builtIn ? a->builtIn : a->user)
                .push_back({at ? s[at - 1] : 0, at + piece.size() < s.size() ? s[at + piece.size()] : 0,
                            s.substr(0, at), s.substr(at + piece.size())});
    }
    for (auto *list : {&a->user, &a->builtIn})
        std::sort(list->begin(), list->end(), aroundOrder);
    return cache.emplace(std::u32string(piece), std::move(a)).first->second;
}

GrammarContext &Translator::grammarContext() {
    if (!grammarContext_.sense)
        grammarContext_.sense = [this](std::u32string_view key, bool (*wanted)(Label), std::u32string &meaning) {
            return senseOf(key, wanted, meaning);
        };
    if (!grammarContext_.phraseHolds)
        grammarContext_.phraseHolds = [this](std::u32string_view before, std::u32string_view piece,
                                             std::u32string_view after) { return phraseHolds(before, piece, after); };
    return grammarContext_;
}

// A sentence quoted after a comma or a colon ('He asked, "Can I go?"') is a sentence of its own to the rules: the
// place after its opening quote, or SIZE_MAX. The quote opens when the sentence's tokens hold an odd number of them.
std::size_t Translator::quotedSentenceStart(std::span<const GrammarToken> tokens) {
    auto quote = [](const GrammarToken &t) { return t.kind == GrammarToken::Kind::Separator && isDoubleQuote(t.text); };
    const std::size_t quotes = static_cast<std::size_t>(std::count_if(tokens.begin(), tokens.end(), quote));
    if (quotes % 2 == 0)
        return SIZE_MAX;
    std::size_t open = tokens.size();
    while (open-- > 0 && !quote(tokens[open])) {
    }
    auto blank = [](const GrammarToken &t) { return t.kind != GrammarToken::Kind::Word && trimmed(t.text).empty(); };
    std::size_t mark = open, next = open + 1;
    while (mark-- > 0 && blank(tokens[mark])) {
    }
    while (next < tokens.size() && blank(tokens[next]))
        ++next;
    if (mark == SIZE_MAX || mark == 0 || tokens[mark].kind != GrammarToken::Kind::Separator ||
        (trimmed(tokens[mark].text) != U","sv && trimmed(tokens[mark].text) != U":"sv) || next >= tokens.size() ||
        tokens[next].kind != GrammarToken::Kind::Word || !tokens[next].capital)
        return SIZE_MAX;
    return open + 1;
}

void Translator::renderTokens(bool question, bool sentenceEnds) {
    grammarContext();
    grammarContext_.question = question;
    // A line that starts with a capital letter starts a sentence, even when the line before ended without a mark
    // (a heading, or one sentence a line); wrapped prose goes on with a small letter.
    grammarContext_.sentenceStart = s_.AtSentenceStart || (lineStarts_ && lineCapital_);
    lineStarts_ = false;
    const std::span<GrammarToken> tokens(tokens_.data(), tokenCount_);
    grammarContext_.everyToken = rulesVisitEveryToken;
    if (extendedRules & ruleBit(GrammarRule::NameAfterNoun)) {
        // (not the sentence's first word, whose capital may be the sentence's, nor the first after a heading in
        // capitals: "(ALPHA) Lists Zonal Tables")
        std::size_t first = 0;
        while (first < tokens.size() && (tokens[first].kind != GrammarToken::Kind::Word || tokens[first].capitals))
            ++first;
        if (first < tokens.size())
            keepCapitalNames(tokens, first);
        if (joinedWords_)
            keepJoinedNames(tokens);
    }
    if (const GrammarRuleSet rules = extendedRules & triggered_) {
        if (const std::size_t q = doubleQuotes_ % 2 ? quotedSentenceStart(tokens) : SIZE_MAX; q == SIZE_MAX) {
            rewriteTokens(tokens, grammarContext_, rules, &anchors_);
        } else { // the words before the quote, then the quoted sentence as one of its own
            GrammarAnchors before, quoted;
            for (GrammarRuleSet used = anchors_.used; used; used &= used - 1) {
                const auto rule = static_cast<std::size_t>(std::countr_zero(used));
                for (const std::uint32_t k : anchors_.at[rule])
                    k < q ? before.add(k, ruleBit(static_cast<GrammarRule>(rule)))
                          : quoted.add(static_cast<std::uint32_t>(k - q), ruleBit(static_cast<GrammarRule>(rule)));
            }
            grammarContext_.question = false;
            rewriteTokens(tokens.first(q), grammarContext_, rules, &before);
            grammarContext_.question = question;
            grammarContext_.sentenceStart = true;
            rewriteTokens(tokens.subspan(q), grammarContext_, rules, &quoted);
        }
    }
    anchors_.clear();
    // The piece in hand when a switch of mode ends the waiting is kept aside (at a sentence's mark there is none).
    std::u32string piece;
    const bool pieceInHand = !s_.CurrentWord.empty();
    if (pieceInHand)
        piece.swap(s_.CurrentWord);

    bool afterNoun = false; // the last word written was a noun: an article after it opens another noun phrase
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        GrammarToken &t = tokens[i];
        if (i == lineEndToken_)
            s_.AtLineEnd = true;
        switch (t.kind) {
        case GrammarToken::Kind::Dropped:
            // a be that is not written still ends the noun phrase before it, as it would have ("The following
            // ioctls are available" => ioctls ต่อไปนี้มีอยู่, not ioctls มีอยู่ต่อไปนี้)
            if (t.label == Label::Be)
                flushHeldModifiers();
            continue;
        case GrammarToken::Kind::Separator:
            separatorNow(t.text);
            afterNoun = afterNoun && t.blank == 1;
            continue;
        case GrammarToken::Kind::Piece:
            if (const bool nounBefore = std::exchange(afterNoun, false);
                t.plain) { // the word step's own last case, without the round trip through CurrentWord
                // (dots before the sentence's last one follow the words held back: "changing the CHANNEL ... But" =>
                // กำลังเปลี่ยนช่อง..., not กำลังเปลี่ยน..ช่อง.)
                if (t.afterHeld || (extendedRules != 0 && !t.text.empty() &&
                                    std::all_of(t.text.begin(), t.text.end(), [](char32_t ch) { return ch == U'.'; })))
                    flushHeldModifiers();
                append(t.text);
                flushHeldModifiers();
                s_.WordConsumed = false;
            } else if (const std::u32string_view w = trimmed(t.text);
                       !w.empty() && ((w[0] >= U'a' && w[0] <= U'z') || (w[0] >= U'A' && w[0] <= U'Z'))) {
                // an article (the only such piece that starts with a letter), as CheckMean writes it: "the" and "an"
                // nothing, "a" the marker; after a noun the words held back are written first ("in this case the
                // file" => ในกรณีนี้แฟ้ม, not ในแฟ้มกรณีนี้)
                if (nounBefore && extendedRules != 0)
                    flushHeldModifiers();
                if (w.size() == 1) {
                    append(U"อะ.-"sv);
                    s_.WordConsumed = true;
                } else {
                    s_.WordConsumed = false;
                }
            } else {
                s_.CurrentWord.swap(t.text);
                wordStepNow();
            }
            continue;
        case GrammarToken::Kind::Word:
            break;
        }
        if (t.afterHeld)
            flushHeldModifiers();
        afterNoun = !t.quiet && t.label == Label::Noun;
        if (t.quiet || !rendersOwnMeaning(t.how))
            s_.CurrentWord.swap(t.text); // written as it stands, or reported as unknown
        s_.WordConsumed = false;
        if (!t.quiet)
            renderFound(Found{t.how, t.label, t.meaning});
        if (t.afterHeld && t.how == Rendering::How::Exact && t.label == Label::Other && t.meaning == t.text)
            s_.PrevWordClass = WordClass::NounOrVerb; // a name after its noun ends a noun phrase: คือ
        if (!s_.WordConsumed && !s_.CurrentWord.empty()) {
            s_.Text4 += s_.CurrentWord;
            s_.CurrentWord.clear();
        }
        if (!t.tail.empty()) // after the noun phrase it belongs to, or after the line's flush
            (s_.HeldModifiers.empty() ? s_.Text4 : s_.HeldModifiers) += t.tail;
    }
    // A line whose last word the lookup did not write (a name the dictionary lacks) writes what it holds on its own
    // line all the same, where the grammar mode hands it to the next line: "I saw the book Xyzzq" => ฉันเห็น
    // Xyzzqหนังสือ, not หนังสือ at the start of the next line.
    if (s_.AtLineEnd && extendedRules != 0)
        endLine();
    if (pieceInHand)
        s_.CurrentWord.swap(piece);
    else
        s_.CurrentWord.clear();
    tokenCount_ = 0;
    doubleQuotes_ = 0;
    joinedWords_ = false;
    quotedEnd_ = SIZE_MAX;
    triggered_ = 0;
    lineEndToken_ = SIZE_MAX;
    s_.AtSentenceStart = sentenceEnds;
}

} // namespace dlx
