// The rewrite rules of the extended grammar mode, each a function over the tokens of one sentence, and the
// tables of words they go by.
#include "GrammarRules.h"

#include "Utf8.h"

#include <algorithm>
#include <array>

using namespace std::literals;

namespace dlx {
namespace {

using Kind = GrammarToken::Kind;
using How = Rendering::How;
constexpr std::size_t kNone = SIZE_MAX;

// Subjects whose "'s" is "is" (or "has"), never a possessive.
constexpr std::array kIsSubjects{U"IT"sv,    U"THAT"sv, U"HE"sv,  U"SHE"sv,  U"WHAT"sv, U"WHO"sv,  U"WHERE"sv,
                                 U"THERE"sv, U"HERE"sv, U"HOW"sv, U"WHEN"sv, U"WHY"sv,  U"THIS"sv, U"LET"sv};
// Words that start a relative clause after a noun.
constexpr std::array kRelatives{U"WHO"sv, U"WHOM"sv, U"WHICH"sv, U"THAT"sv};
// Words that are question words when they open a question, and conjunctions elsewhere.
constexpr std::array kQuestionWords{U"WHO"sv, U"WHOM"sv, U"WHICH"sv, U"WHEN"sv, U"WHERE"sv};
// Auxiliaries that follow a question word that opens a question: "Where do you live".
constexpr std::array kAuxiliaries{U"DO"sv,    U"DOES"sv,  U"DID"sv,   U"CAN"sv,    U"COULD"sv,
                                  U"WILL"sv,  U"WOULD"sv, U"SHALL"sv, U"SHOULD"sv, U"MAY"sv,
                                  U"MIGHT"sv, U"MUST"sv,  U"HAVE"sv,  U"HAS"sv,    U"HAD"sv};
constexpr std::array kDoForms{U"DO"sv, U"DOES"sv, U"DID"sv};
constexpr std::array kDoNegatives{U"DON"sv, U"DOESN"sv, U"DIDN"sv}; // don't, doesn't, didn't
constexpr std::array kHaveForms{U"HAVE"sv, U"HAS"sv, U"HAD"sv};
constexpr std::size_t kMostWordsBetween = 3; // adverbs between be and its participle ("is not yet made")

template <std::size_t N> bool among(const std::array<std::u32string_view, N> &words, std::u32string_view key) {
    return std::find(words.begin(), words.end(), key) != words.end();
}

bool isVerb(Label l) {
    return l == Label::TransitiveVerb || l == Label::IntransitiveVerb;
}
bool isTransitive(Label l) {
    return l == Label::TransitiveVerb;
}
bool isQuestionLabel(Label l) {
    return l == Label::Question;
}
bool isPronounLabel(Label l) {
    return l == Label::Pronoun;
}
bool isNounLabel(Label l) {
    return l == Label::Noun;
}

bool isWord(const GrammarToken &t) {
    return t.kind == Kind::Word;
}
bool wordWith(const GrammarToken &t, How how, Label label) {
    return t.kind == Kind::Word && t.how == how && t.label == label;
}
/// A piece that stands for no word and no mark: the apostrophe's "", a run of spaces, a Tab.
bool isBlank(const GrammarToken &t) {
    if (t.kind == Kind::Dropped)
        return true;
    if (t.kind == Kind::Word)
        return false;
    return std::all_of(t.text.begin(), t.text.end(), [](char32_t c) { return c == U' ' || c == U'\t'; });
}
/// A noun as the grammar mode renders it: an entry labelled noun, or its plural.
bool isNoun(const GrammarToken &t) {
    return t.kind == Kind::Word && t.label == Label::Noun &&
           (t.how == How::Exact || (t.how == How::Write && t.family == SuffixFamily::S));
}
bool isVerbWord(const GrammarToken &t) {
    return t.kind == Kind::Word && (t.how == How::Exact || t.how == How::Write) && isVerb(t.label);
}

std::size_t nextWord(std::span<GrammarToken> t, std::size_t i) {
    for (++i; i < t.size(); ++i)
        if (!isBlank(t[i]))
            return t[i].kind == Kind::Separator ? kNone : i;
    return kNone;
}
/// The word before token i, over blank separators (and a comma, which `comma` then reports).
std::size_t previousWord(std::span<GrammarToken> t, std::size_t i, bool *comma = nullptr) {
    while (i-- > 0) {
        if (isBlank(t[i]))
            continue;
        if (comma && t[i].kind == Kind::Separator && t[i].text == U","sv) {
            *comma = true;
            continue;
        }
        return t[i].kind == Kind::Separator ? kNone : i;
    }
    return kNone;
}
/// True when no word or piece stands before token i in the sentence.
bool firstOfSentence(std::size_t i, const GrammarContext &c) {
    return c.sentenceStart && i == c.firstToken;
}

/// who, whom, which, that, when or where: the words the relative rule looks at.
bool mayBeRelativeOrQuestion(std::u32string_view key) {
    if (key.size() < 3 || key.size() > 5 || (key[0] != U'W' && key[0] != U'T'))
        return false;
    return among(kRelatives, key) || among(kQuestionWords, key);
}

void setReading(GrammarToken &t, How how, Label label, std::u32string_view meaning) {
    t.how = how;
    t.label = label;
    t.setMeaning(meaning);
}

/// The Thai a token stands for on its own: its meaning, or the word itself when the dictionary has none.
std::u32string_view ownThai(const GrammarToken &t) {
    if (t.kind == Kind::Word && !t.quiet && (t.how == How::Exact || t.how == How::Write || t.how == How::Hold))
        return t.meaning;
    return trimSpaces(t.text);
}

// X 's Y: the noun phrase Y, then ของ and X with the adjectives and nouns before it in Thai order. After a
// pronoun such as "it" the piece is "is"; so it is before anything that is not a noun phrase.
void possessive(std::span<GrammarToken> t, const GrammarContext &) {
    for (std::size_t i = 2; i < t.size(); ++i) {
        GrammarToken &s = t[i];
        if (!isWord(s) || s.key != U"S"sv || t[i - 1].kind != Kind::Separator || !t[i - 1].text.empty() ||
            !isWord(t[i - 2]))
            continue;
        const std::size_t x = i - 2;
        const std::size_t next = nextWord(t, i);
        if (among(kIsSubjects, t[x].key)) {
            setReading(s, How::Exact, Label::Be, U"เป็น"sv);
            continue;
        }
        std::size_t last = kNone;
        for (std::size_t j = next; j != kNone; j = nextWord(t, j)) {
            if (isNoun(t[j]))
                last = j;
            else if (last != kNone || !(isWord(t[j]) && t[j].label == Label::Adjective))
                break;
        }
        if (last == kNone) {
            if (next != kNone) // "Emma's here", "John's a doctor"
                setReading(s, How::Exact, Label::Be, U"เป็น"sv);
            continue;
        }
        // X with the adjectives and nouns just before it, the noun first: "my old friend" => เพื่อนแก่ของฉัน.
        std::u32string owner(U"ของ"sv);
        owner += ownThai(t[x]);
        std::size_t first = x;
        while (first > 0 && x - first < kMostWordsBetween && isWord(t[first - 1]) && t[first - 1].how == How::Exact &&
               (t[first - 1].label == Label::Adjective || t[first - 1].label == Label::Noun)) {
            --first;
            owner += t[first].meaning;
        }
        for (std::size_t j = first; j <= i; ++j)
            t[j].kind = Kind::Dropped;
        t[last].tail += owner;
    }
}

// who/which/that/whom right after a noun phrase open a relative clause in place: ที่, or ซึ่ง after a comma.
// "that" after a verb is ว่า. A question word that opens a question keeps its question sense.
void relative(std::span<GrammarToken> t, const GrammarContext &c) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        GrammarToken &w = t[i];
        if (!isWord(w) || !mayBeRelativeOrQuestion(w.key))
            continue;
        bool comma = false;
        const std::size_t p = previousWord(t, i, &comma);
        if (among(kRelatives, w.key) && p != kNone &&
            (isNoun(t[p]) || (w.key.starts_with(U"WHO"sv) && wordWith(t[p], How::Exact, Label::Pronoun)))) {
            setReading(w, How::Exact, Label::Conjunction, comma ? U"ซึ่ง"sv : U"ที่"sv);
            continue;
        }
        const std::size_t n = nextWord(t, i);
        if (w.key == U"THAT"sv && !comma && p != kNone &&
            ((isVerbWord(t[p]) && (n == kNone || !isNoun(t[n]))) || wordWith(t[p], How::Exact, Label::Adjective))) {
            setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
            continue;
        }
        std::u32string meaning;
        if (w.key == U"THAT"sv && n != kNone && isNoun(t[n]) &&
            (p == kNone || isVerbWord(t[p]) || wordWith(t[p], How::Exact, Label::Preposition)) && c.sense &&
            c.sense(w.key, isNounLabel, meaning)) {
            setReading(w, How::Exact, Label::Noun, meaning); // "that switch": held after its noun, สวิตช์นั้น
            continue;
        }
        if (w.key == U"THAT"sv && n != kNone && wordWith(t[n], How::Exact, Label::Be) && c.sense &&
            c.sense(w.key, isPronounLabel, meaning)) { // "That is", "that's": นั่น
            setReading(w, How::Exact, Label::Pronoun, meaning);
            continue;
        }
        if (among(kQuestionWords, w.key) && firstOfSentence(i, c)) {
            const bool opensQuestion = c.question || (n != kNone && isWord(t[n]) &&
                                                      (t[n].label == Label::Be || among(kAuxiliaries, t[n].key)));
            if (opensQuestion && c.sense && c.sense(w.key, isQuestionLabel, meaning))
                setReading(w, How::Exact, Label::Question, meaning);
        }
    }
}

// do, does and did that only carry a question or a negation have no Thai word: "Where did he go" => เขาไปที่ไหน,
// "I don't know" => ฉันไม่รู้; a yes-or-no question ("Do you know") ends with ไหม.
void doSupport(std::span<GrammarToken> t, const GrammarContext &c) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!isWord(t[i]) || t[i].key.size() > 5)
            continue;
        if (among(kDoNegatives, t[i].key)) { // don + ' + t + verb
            const std::size_t n = nextWord(t, i), v = n == kNone ? kNone : nextWord(t, n);
            if (n != kNone && t[n].key == U"T"sv && v != kNone && isWord(t[v]) && t[v].how == How::Exact &&
                (isVerb(t[v].label) || t[v].label == Label::Be))
                t[i].kind = Kind::Dropped;
            continue;
        }
        if (!c.question || !among(kDoForms, t[i].key))
            continue;
        const std::size_t p = previousWord(t, i);
        const bool first = firstOfSentence(i, c);
        if (!first && !(p != kNone && wordWith(t[p], How::Exact, Label::Question)))
            continue;
        t[i].kind = Kind::Dropped;
        if (!first)
            continue;
        for (std::size_t last = t.size(); last-- > i;) {
            if (t[last].kind != Kind::Separator && !isBlank(t[last])) {
                t[last].tail += U"ไหม"sv;
                break;
            }
        }
    }
}

/// The Thai verb of a participle, or nothing when the token is none: a word reached through -ed, an -ed entry
/// labelled as a verb, or an irregular participle of the table. Only a verb that takes an object has a passive.
bool participleVerb(const GrammarToken &t, const GrammarContext &c, std::u32string &verb) {
    if (!isWord(t))
        return false;
    if (t.how == How::Write && t.family == SuffixFamily::ED) {
        if (isTransitive(t.label)) {
            verb = t.meaning;
            return true;
        }
        // Another sense of the stem may take an object: studied => STUDY, walked => WALK, saved => SAVE.
        const std::u32string_view k = t.key;
        for (auto stem : {std::u32string(k.substr(0, k.size() - 3)) + U"Y", std::u32string(k.substr(0, k.size() - 2)),
                          std::u32string(k.substr(0, k.size() - 1))})
            if (stem.size() > 1 && c.sense && c.sense(stem, isTransitive, verb))
                return true;
        return false;
    }
    if (t.how != How::Exact || !(isIrregularParticiple(t.key) || (t.key.ends_with(U"ED"sv) && isVerb(t.label))))
        return false;
    if (isTransitive(t.label)) {
        verb = t.meaning;
        return true;
    }
    return c.sense && c.sense(t.key, isTransitive, verb);
}

// be, perhaps with not/also/already/being between, then a participle: ถูก + verb, and the be-words unwritten.
void passive(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string verb;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!wordWith(t[i], How::Exact, Label::Be))
            continue;
        std::size_t j = nextWord(t, i);
        for (std::size_t between = 0; j != kNone && between < kMostWordsBetween; ++between) {
            if (!wordWith(t[j], How::Exact, Label::Adverb) && !wordWith(t[j], How::Exact, Label::Be))
                break;
            j = nextWord(t, j);
        }
        if (j == kNone || !participleVerb(t[j], c, verb))
            continue;
        for (std::size_t k = i; k < j; ++k)
            if (wordWith(t[k], How::Exact, Label::Be))
                t[k].kind = Kind::Dropped;
        setReading(t[j], How::Exact, Label::TransitiveVerb, U"ถูก" + verb);
        i = j;
    }
}

// have, has or had before a participle (perhaps with never, already ... between) only marks the time: it is not
// written. "He had never seen it" => เขาไม่เคยเห็นมัน, not เขามีไม่เคยเห็น.
void perfect(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string verb;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!isWord(t[i]) || t[i].how != How::Exact || !among(kHaveForms, t[i].key))
            continue;
        std::size_t j = nextWord(t, i);
        for (std::size_t between = 0; j != kNone && between < kMostWordsBetween; ++between) {
            if (!wordWith(t[j], How::Exact, Label::Adverb))
                break;
            j = nextWord(t, j);
        }
        if (j == kNone || !isWord(t[j]))
            continue;
        const GrammarToken &w = t[j];
        const bool participle = (w.how == How::Write && w.family == SuffixFamily::ED && isVerb(w.label)) ||
                                (w.how == How::Exact && (w.key == U"BEEN"sv || isIrregularParticiple(w.key) ||
                                                         (w.key.ends_with(U"ED"sv) && isVerb(w.label))));
        if (participle || participleVerb(w, c, verb))
            t[i].kind = Kind::Dropped;
    }
}

/// The Thai verb of an -ing word: a word reached through -ing (from a verb, or from a stem that also has a verb
/// sense: smiling => SMILE), or an -ing entry meaning การ... or กำลัง...
bool ingVerb(const GrammarToken &t, const GrammarContext &c, std::u32string &verb) {
    if (!isWord(t))
        return false;
    if (t.how == How::Write && t.family == SuffixFamily::ING) {
        if (isVerb(t.label)) {
            std::u32string_view v = t.meaning;
            if (v.starts_with(U"กำลัง"sv))
                v.remove_prefix(5);
            else if (v.starts_with(U"การ"sv))
                v.remove_prefix(3);
            verb.assign(v);
            return true;
        }
        const std::u32string_view k = t.key;
        for (auto stem : {std::u32string(k.substr(0, k.size() - 3)), std::u32string(k.substr(0, k.size() - 3)) + U"E",
                          std::u32string(k.substr(0, k.size() - 4))})
            if (stem.size() > 1 && c.sense && c.sense(stem, isVerb, verb))
                return true;
        return false;
    }
    if (t.how != How::Exact || !t.key.ends_with(U"ING"sv))
        return false;
    // An -ing entry of its own: "reading/การอ่าน/n.", "walking/กำลังเดิน/vi."
    for (std::u32string_view marker : {U"การ"sv, U"กำลัง"sv}) {
        if (t.meaning.size() > marker.size() && t.meaning.starts_with(marker)) {
            verb.assign(std::u32string_view(t.meaning).substr(marker.size()));
            return true;
        }
    }
    return false;
}

// An -ing word at the start of a sentence or after a preposition is a noun of action, การ + verb, written in place;
// after be it is the action going on, กำลัง + verb, and the be-word is not written.
void gerund(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string made, verb;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!ingVerb(t[i], c, verb))
            continue;
        std::size_t p = previousWord(t, i);
        std::size_t be = p;
        for (std::size_t between = 0; be != kNone && between < kMostWordsBetween; ++between) {
            if (!wordWith(t[be], How::Exact, Label::Adverb))
                break;
            be = previousWord(t, be);
        }
        if (be != kNone && wordWith(t[be], How::Exact, Label::Be)) {
            t[be].kind = Kind::Dropped;
            made.assign(U"กำลัง"sv);
        } else if (firstOfSentence(i, c) || (p != kNone && wordWith(t[p], How::Exact, Label::Preposition))) {
            made.assign(U"การ"sv);
        } else {
            continue;
        }
        made += verb;
        setReading(t[i], How::Exact, Label::TransitiveVerb, made); // a verb: the noun phrase before it is written first
    }
}

// A verb, then "to", then a verb: the second verb follows the first without เพื่อ ("want to go" => ต้องการไป).
// After an adjective "to" is ที่จะ ("easy to use" => ง่ายที่จะใช้); after a verb and its object it is ให้.
void toVerb(std::span<GrammarToken> t, const GrammarContext &) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!isWord(t[i]) || t[i].key != U"TO"sv)
            continue;
        const std::size_t p = previousWord(t, i), n = nextWord(t, i);
        if (p == kNone || n == kNone || !isWord(t[n]) || t[n].how != How::Exact ||
            !(isVerb(t[n].label) || t[n].label == Label::Be))
            continue;
        const std::size_t pp = previousWord(t, p);
        if (isVerbWord(t[p]))
            t[i].kind = Kind::Dropped;
        else if (wordWith(t[p], How::Exact, Label::Adjective))
            setReading(t[i], How::Exact, Label::Preposition, U"ที่จะ"sv);
        else if ((isNoun(t[p]) || wordWith(t[p], How::Exact, Label::Pronoun)) && pp != kNone && isVerbWord(t[pp]))
            setReading(t[i], How::Exact, Label::Preposition, U"ให้"sv); // "told me to stay" => บอกฉันให้อยู่
    }
}

constexpr GrammarRuleSpec kRules[] = {
    {GrammarRule::Possessive, "possessive", possessive},
    {GrammarRule::Relative, "relative", relative},
    {GrammarRule::DoSupport, "do-support", doSupport},
    {GrammarRule::Perfect, "perfect", perfect},
    {GrammarRule::Passive, "passive", passive},
    {GrammarRule::Gerund, "gerund", gerund},
    {GrammarRule::ToVerb, "to-verb", toVerb},
};
static_assert(std::size(kRules) == kGrammarRuleCount);

} // namespace

GrammarRuleSet rulesTriggeredBy(const GrammarToken &t) {
    if (t.kind != Kind::Word)
        return 0;
    GrammarRuleSet rules = 0;
    if (t.label == Label::Be) // the -ing rule needs an -ing word, which sets it off itself
        rules |= ruleBit(GrammarRule::Passive);
    if ((t.how == How::Write && t.family == SuffixFamily::ING) || (t.how == How::Exact && t.key.ends_with(U"ING"sv)))
        rules |= ruleBit(GrammarRule::Gerund);
    switch (t.key.size()) {
    case 1:
        if (t.key[0] == U'S') // the possessive may make it "is", which the passive looks for
            rules |= ruleBit(GrammarRule::Possessive) | ruleBit(GrammarRule::Passive);
        break;
    case 2:
        if (t.key == U"TO"sv)
            rules |= ruleBit(GrammarRule::ToVerb);
        else if (t.key == U"DO"sv)
            rules |= ruleBit(GrammarRule::DoSupport);
        break;
    case 3:
    case 4:
    case 5:
        if (t.key[0] == U'H' && among(kHaveForms, t.key))
            rules |= ruleBit(GrammarRule::Perfect);
        if (mayBeRelativeOrQuestion(t.key))
            rules |= ruleBit(GrammarRule::Relative);
        else if (t.key[0] == U'D' && (among(kDoForms, t.key) || among(kDoNegatives, t.key)))
            rules |= ruleBit(GrammarRule::DoSupport);
        break;
    default:
        break;
    }
    return rules;
}

std::span<const GrammarRuleSpec> grammarRules() {
    return kRules;
}

void rewriteTokens(std::span<GrammarToken> tokens, GrammarContext &context, GrammarRuleSet enabled) {
    context.firstToken = 0;
    while (context.firstToken < tokens.size() &&
           (tokens[context.firstToken].kind == Kind::Separator || isBlank(tokens[context.firstToken])))
        ++context.firstToken;
    for (const GrammarRuleSpec &r : kRules)
        if (enabled & ruleBit(r.rule))
            r.apply(tokens, context);
}

} // namespace dlx
