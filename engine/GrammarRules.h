#pragma once
// The extended grammar mode's own stage: the pieces of a sentence wait as tokens with their dictionary reading,
// a small ordered table of rewrite rules works on them, and only then are they rendered by the grammar mode.
//
// Each rule is a unit of its own that can be switched off; with every rule off the tokens render exactly as the
// grammar mode renders the same pieces as they come.
#include "SuffixRules.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace dlx {

/// What a token is besides its strings: its kind, its marks and its reading, kept together so that a token is reset
/// (when the stage records into it again) and copied with a few stores.
struct GrammarTokenFields {
    enum class Kind : std::uint8_t {
        Separator, ///< a separator the driver passes on ("", " ", a mark, ". ")
        Piece,     ///< a word step that never reaches the lookup (an article, a number, a mark with its Tab)
        Word,      ///< a word with its reading
        Dropped,   ///< removed by a rule: renders nothing
    };
    Kind kind = Kind::Piece;
    bool quiet = false;       ///< Word: its letter file could not be read, so it is written as it stands
    bool plain = false;       ///< Piece: neither article, mark nor Tab, so the word step writes it as it stands
    bool afterHeld = false;   ///< Word or number: the noun phrase held before it is written first ("version 2")
    bool beforeParen = false; ///< Word: "(" follows at once (a function's name, "read()", or a manual page's)
    bool capital = false;     ///< Word: written with a capital first ("Current"; a heading's word mid-sentence)
    bool capitals = false;    ///< Word: its first two letters are capitals ("PARAMETERS", a heading)
    bool afterSpace = false;  ///< Separator: a space or the line's start came before it (an opening quote)
    /// Separator or piece: 1 when it holds only spaces and Tabs, or nothing, 0 when not; -1 until a rule asks (the
    /// rules never change a token's text, so they work it out once).
    mutable std::int8_t blank = -1;
    Rendering::How how = Rendering::How::Unrendered;
    Label label = Label::Other;
    SuffixFamily family = SuffixFamily::None; ///< how a suffixed word was reached (-s, -ed, -ing, -er, -est)
};

/// One piece of a sentence as the driver cut it, with what the letter file made of it.
struct GrammarToken : GrammarTokenFields {
    std::u32string text; ///< the piece as cut (a word keeps the space after it)
    /// Upper-cased, without spaces (a piece's too, so "THE" can be told). Like `meaning` it views either the
    /// translator's remembered words, which stay put while a sentence waits, or `ownKey`.
    std::u32string_view key;
    std::u32string_view meaning;       ///< Word: the reading's meaning, with a suffix rule's Thai marker
    std::u32string ownKey, ownMeaning; ///< room for a key or meaning that is not remembered (set with setMeaning)
    std::u32string tail; ///< Thai a rule puts after the token's noun phrase ("ของเอ็มมา")

    GrammarToken() = default;
    // A copied or moved token views its own copy of what it owned: rules may reorder tokens, and the waiting
    // tokens move when their vector grows.
    GrammarToken(const GrammarToken &other) { *this = other; }
    GrammarToken(GrammarToken &&other) noexcept { *this = std::move(other); }
    GrammarToken &operator=(const GrammarToken &other) {
        if (this != &other) {
            takeFields(other);
            text = other.text;
            ownKey = other.ownKey;
            ownMeaning = other.ownMeaning;
            tail = other.tail;
            takeViews(other);
        }
        return *this;
    }
    GrammarToken &operator=(GrammarToken &&other) noexcept {
        if (this != &other) {
            takeFields(other);
            const bool ownsKey = other.key.data() == other.ownKey.data();
            const bool ownsMeaning = other.meaning.data() == other.ownMeaning.data();
            text = std::move(other.text);
            ownKey = std::move(other.ownKey);
            ownMeaning = std::move(other.ownMeaning);
            tail = std::move(other.tail);
            key = ownsKey ? std::u32string_view(ownKey) : other.key;
            meaning = ownsMeaning ? std::u32string_view(ownMeaning) : other.meaning;
        }
        return *this;
    }

    /// Gives the token a meaning of its own (a rule's Thai, or one copied because nothing else keeps it).
    void setMeaning(std::u32string_view m) {
        ownMeaning.assign(m); // m may view ownMeaning itself: assign copes with that
        meaning = ownMeaning;
    }
    void setKey(std::u32string_view k) {
        ownKey.assign(k);
        key = ownKey;
    }

private:
    void takeFields(const GrammarToken &o) { static_cast<GrammarTokenFields &>(*this) = o; }
    void takeViews(const GrammarToken &o) {
        key = o.key.data() == o.ownKey.data() ? std::u32string_view(ownKey) : o.key;
        meaning = o.meaning.data() == o.ownMeaning.data() ? std::u32string_view(ownMeaning) : o.meaning;
    }
};

/// The rules of the extended mode, in the order they run.
enum class GrammarRule : std::uint8_t {
    /// a participle between what opens a noun phrase and its noun describes the noun, after it with ที่: "the
    /// specified file" => แฟ้มที่ระบุ, not ระบุแฟ้ม
    ParticipleBeforeNoun,
    /// a participle right after its noun, before "by" (or a preposition after described, listed, used ...), opens a
    /// relative
    /// clause: "the value returned by the function" => ค่าที่ส่งคืนโดยฟังก์ชัน
    ParticipleAfterNoun,
    /// an -ing word right after a noun, before what it takes, opens a relative clause: "a string describing the
    /// error" => สตริงที่อธิบายข้อผิดพลาด, not สตริงกำลังอธิบาย...
    IngAfterNoun,
    /// X's Y => Y ของ X; "it's", "that's", "he's" read "is"; after an owner (my, your, his ...) a word read first as
    /// a verb is the noun it can be: "your help" => ความช่วยเหลือของคุณ
    Possessive,
    /// who/which/that/whom after a noun => ที่ (ซึ่ง after a comma); question words in questions; "that" after a
    /// verb ว่า, before a noun นั้น, before be นั่น
    Relative,
    /// a question inside a statement, after know, ask, explain, check ... => ว่า in place of the question word, whose
    /// Thai ends its clause: "know why he left" => รู้ว่าเขาออกจากทำไม; "check if it works" => ตรวจสอบว่ามันทำงานหรือไม่
    EmbeddedQuestion,
    /// do/does/did of a question or a negation unwritten; a yes-or-no question ends with ไหม
    DoSupport,
    /// a question that opens with a modal or be (after a question word: a modal) has its subject first:
    /// "What can you do" => คุณสามารถทำอะไร; a yes-or-no question ends with ไหม
    QuestionOrder,
    /// a sentence that opens with a word read first as a noun, right before an article, a determiner or an object
    /// pronoun, opens with an order: the word is read as its verb ("Copy the files" => คัดลอกแฟ้ม, not แฟ้มสำเนา);
    /// so is such a word anywhere before me, him, us or them ("type them" => พิมพ์พวกเขา)
    ImperativeVerb,
    /// the word after a modal (can, will, must ...) is read as a verb when it can be one: "you can work" =>
    /// คุณสามารถทำงาน, not งาน
    ModalVerb,
    /// have/has/had before a participle unwritten
    Perfect,
    /// be (+ not, also, ...) + participle => ถูก + verb, the be-word unwritten
    Passive,
    /// -ing at a sentence's start or after a preposition => การ + verb; after be กำลัง + verb
    Gerund,
    /// be before an adjective unwritten: "The program is too slow" => โปรแกรมช้าเกินไป
    BeAdjective,
    /// verb + to + verb => no เพื่อ; adjective + to => ที่จะ; verb + object + to => ให้; have to => ต้อง,
    /// used to => เคย
    ToVerb,
    /// give/tell/show + object + to => ให้; move/copy/send ... to => ไปยัง; apply/connect/attach ... to => กับ
    ToObject,
    /// must not, mustn't => ห้าม
    MustNot,
    /// a manner adverb before its verb (clearly, quickly, instantly ...) goes to the end of its clause
    MannerAdverb,
    /// then, suddenly, finally, recently before the verb go before the subject: "He finally said" => ในที่สุดเขากล่าว;
    /// "once" opening a clause before its subject is เมื่อ
    TimeAdverb,
    /// too, either, as well at the end of a clause => ด้วย, เช่นกัน; "neither ... nor" says ไม่ once
    AlsoAtEnd,
    /// a verb reached through -s or -ed right after a noun is written after it, as its subject's verb: "The dog
    /// eats" => สุนัขกิน, not กินสุนัข
    SubjectVerb,
    /// for + a length of time => เป็นเวลา: "for two hours" => เป็นเวลาสองชั่วโมง
    Duration,
    /// more or less before an adjective or an -ly adverb => its กว่า, น้อยกว่า after it: "more useful" =>
    /// มีประโยชน์กว่า, not มีประโยชน์เพิ่มเติม
    Comparative,
    /// "than" after a comparative unwritten: its กว่า is the comparative's
    Than,
    /// a relative clause without its pronoun after a verb's noun phrase => ที่: "He is the man I saw" =>
    /// เขาเป็นผู้ชายที่ฉันเห็น
    ReducedRelative,
    /// "no" before a noun where a clause starts => ไม่มี: "If no file is given" => ถ้าไม่มีแฟ้มถูกให้
    NoBeforeNoun,
    /// after an article and adjectives (or before "of") a word read first as a verb is read as the noun it can be:
    /// "a dull play" => ละครน่าเบื่อ
    NounAfterArticle,
    /// a noun right before a number is written before it, not after as a held noun: "version 3.2" => รุ่น3.2, not
    /// 3.2รุ่น
    NounBeforeNumber,
    /// a word the dictionary lacks (a name) between an article and its noun follows the noun: "the gzip command" =>
    /// คำสั่งgzip, not gzip คำสั่ง
    NameAfterNoun,
    /// "like" after a verb, or opening a sentence before a noun phrase, compares: เหมือน, not the verb ชอบ
    /// ("standing like a wall" => ยืนเหมือนกำแพง); after a verb that says it already ("seems like") it is unwritten
    LikeAs,
    /// make + what it acts on + a verb or an adjective => ทำให้: "It makes the program run faster" =>
    /// มันทำให้โปรแกรมรันเร็วกว่า; "make sure" before a clause => ตรวจให้แน่ใจว่า
    Causative,
    /// a word, a hyphen and a word before a noun or after be describe as one adjective: "user-defined functions" =>
    /// ฟังก์ชันที่ผู้ใช้นิยาม, "terminal-specific" => เฉพาะเทอร์มินัล; an adjective or a noun before a noun as if the hyphen
    /// were a space ("low-level functions" => ฟังก์ชันระดับต่ำ)
    HyphenCompound,
};
inline constexpr std::size_t kGrammarRuleCount = 32;

/// Which rules apply: bit (1 << rule).
using GrammarRuleSet = std::uint32_t;
inline constexpr GrammarRuleSet kAllGrammarRules = static_cast<GrammarRuleSet>(~0ull >> (64 - kGrammarRuleCount));
constexpr GrammarRuleSet ruleBit(GrammarRule r) {
    return 1u << static_cast<unsigned>(r);
}

/// What a rule may ask besides the tokens.
struct GrammarContext {
    /// The meaning of the first entry of an upper-case key whose label `wanted` accepts; false when none.
    std::function<bool(std::u32string_view key, bool (*wanted)(Label), std::u32string &meaning)> sense;
    /// True when a phrase rule of the data folder's Idiom.pal searches `piece` with the end of `before` and the
    /// start of `after` around it: a word whose grammar-mode Thai a rule reads with its neighbours is left to it.
    std::function<bool(std::u32string_view before, std::u32string_view piece, std::u32string_view after)> phraseHolds;
    bool question = false;      ///< the sentence ends with "?"
    bool sentenceStart = false; ///< the tokens begin a sentence
    std::size_t firstToken = 0; ///< the first token that is a word or a piece (set by rewriteTokens)
    /// The tokens the running rule looks at, in order (set by rewriteTokens): those that can set it off or that
    /// it can change, as rulesLookingAt tells. A rule that looked at every token would do the same, only slower.
    std::span<const std::uint32_t> anchors;
    bool everyToken = false;        ///< the rules look at every token instead (to check that the anchors do the same)
    mutable bool reordered = false; ///< a rule moved tokens: the anchors are found again
};

struct GrammarRuleSpec {
    GrammarRule rule;
    const char *name;
    void (*apply)(std::span<GrammarToken> tokens, const GrammarContext &context);
};

/// The rules in the order they run.
std::span<const GrammarRuleSpec> grammarRules();

/// The rules that may change a sentence holding this token: each rule has words that must be there for it to do
/// anything ("to", a form of be, an -ing word ...), and a sentence without them is left alone by it. The answer
/// may depend only on the token's reading (key, how, label, family, meaning): the translator works it out once for
/// each word it remembers, and never asks for a piece or a separator (rulesLookingAtPiece and
/// rulesLookingAtSeparator tell what those set off).
GrammarRuleSet rulesTriggeredBy(const GrammarToken &token);

/// The rules that look at this token: those it sets off, and the subject-verb rule at a noun or a suffixed verb; of
/// the pieces, an article and a number, which set off the rules of the noun after and before them; of the
/// separators, a hyphen.
/// Like rulesTriggeredBy it depends only on the token's reading; with a context whose `sense` can be asked, the
/// dictionary too (a noun that has no verb sense is not the subject-verb rule's to look at).
GrammarRuleSet rulesLookingAt(const GrammarToken &token, const GrammarContext *context = nullptr);
/// The same, given rulesTriggeredBy(token), which the caller has worked out already.
GrammarRuleSet rulesLookingAt(const GrammarToken &token, const GrammarContext *context, GrammarRuleSet triggered);
/// Of a piece: an article sets off the rule of the noun after it, a number (a piece that starts with a digit) the
/// rule of the noun before it; rulesLookingAt of a piece is this.
constexpr GrammarRuleSet rulesLookingAtPiece(bool article, bool number) {
    return article ? ruleBit(GrammarRule::NounAfterArticle) : number ? ruleBit(GrammarRule::NounBeforeNumber) : 0;
}

/// Of a separator: a hyphen sets off the rule of the compound around it.
inline GrammarRuleSet rulesLookingAtSeparator(std::u32string_view separator) {
    return separator.size() == 1 && separator[0] == U'-' ? ruleBit(GrammarRule::HyphenCompound) : 0;
}

/// For each rule, the tokens it looks at, in order.
struct GrammarAnchors {
    std::array<std::vector<std::uint32_t>, kGrammarRuleCount> at;
    GrammarRuleSet used = 0; ///< the rules with a token in `at`
    [[gnu::always_inline]] void add(std::uint32_t token, GrammarRuleSet rules) {
        used |= rules;
        for (; rules; rules &= rules - 1)
            at[static_cast<std::size_t>(std::countr_zero(rules))].push_back(token);
    }
    /// Adds a token that comes before some already added, keeping each rule's tokens in order (once each).
    void insert(std::uint32_t token, GrammarRuleSet rules) {
        used |= rules;
        for (; rules; rules &= rules - 1) {
            auto &tokens = at[static_cast<std::size_t>(std::countr_zero(rules))];
            const auto place = std::lower_bound(tokens.begin(), tokens.end(), token);
            if (place == tokens.end() || *place != token)
                tokens.insert(place, token);
        }
    }
    void clear() {
        for (; used; used &= used - 1)
            at[static_cast<std::size_t>(std::countr_zero(used))].clear();
    }
};

/// Runs the rules of `enabled` over the tokens of one sentence (or of what of it one line holds), in order. Each
/// rule looks only at its anchors: the given ones, which must be rulesLookingAt of each token as recorded, or else
/// those found here.
void rewriteTokens(std::span<GrammarToken> tokens, GrammarContext &context, GrammarRuleSet enabled = kAllGrammarRules,
                   const GrammarAnchors *anchors = nullptr);

/// True for an irregular participle of the dictionary's participle table ("MADE", "WRITTEN"); `upperKey` is
/// upper-case.
bool isIrregularParticiple(std::u32string_view upperKey);

/// True for a thing a manual names after a quoted name or a name of its own ("the 'find' command", "the variable
/// IBASE"); `upperKey` is upper-case.
bool isNamedThing(std::u32string_view upperKey);

} // namespace dlx
