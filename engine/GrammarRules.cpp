// The rewrite rules of the extended grammar mode, each a function over the tokens of one sentence, and the
// tables of words they go by.
#include "GrammarRules.h"

#include "ThaiIdiomTable.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <utility>

using namespace std::literals;

namespace dlx {
namespace {

using Kind = GrammarToken::Kind;
using How = Rendering::How;
constexpr std::size_t kNone = SIZE_MAX;

// Subjects whose "'s" is "is" (or "has"), never a possessive.
constexpr std::array kIsSubjects{U"IT"sv,    U"THAT"sv, U"HE"sv,  U"SHE"sv,  U"WHAT"sv, U"WHO"sv,  U"WHERE"sv,
                                 U"THERE"sv, U"HERE"sv, U"HOW"sv, U"WHEN"sv, U"WHY"sv,  U"THIS"sv, U"LET"sv};
// Possessive determiners, which open a noun phrase.
constexpr std::array kOwners{U"MY"sv, U"YOUR"sv, U"HIS"sv, U"HER"sv, U"ITS"sv, U"OUR"sv, U"THEIR"sv};
// Numbers that count a noun after an owner: "his two sons".
constexpr std::array kNumberWords{U"TWO"sv,    U"THREE"sv,   U"FOUR"sv,    U"FIVE"sv,   U"SIX"sv,     U"SEVEN"sv,
                                  U"EIGHT"sv,  U"NINE"sv,    U"TEN"sv,     U"ELEVEN"sv, U"TWELVE"sv,  U"TWENTY"sv,
                                  U"THIRTY"sv, U"FORTY"sv,   U"FIFTY"sv,   U"SIXTY"sv,  U"SEVENTY"sv, U"EIGHTY"sv,
                                  U"NINETY"sv, U"HUNDRED"sv, U"THOUSAND"sv};
// Subjects that are never objects.
constexpr std::array kSubjects{U"I"sv, U"WE"sv, U"THEY"sv, U"HE"sv, U"SHE"sv};
// Two subjects that are subjects only where a clause starts ("give it time").
constexpr std::array kSubjectsAtClauseStart{U"YOU"sv, U"IT"sv};
// Words that start a relative clause after a noun.
constexpr std::array kRelatives{U"WHO"sv, U"WHOM"sv, U"WHICH"sv, U"THAT"sv};
// Words that are question words when they open a question, and conjunctions elsewhere.
constexpr std::array kQuestionWords{U"WHO"sv, U"WHOM"sv, U"WHICH"sv, U"WHEN"sv, U"WHERE"sv};
// Auxiliaries that follow a question word that opens a question: "Where do you live".
constexpr std::array kAuxiliaries{U"DO"sv,    U"DOES"sv,  U"DID"sv,   U"CAN"sv,    U"COULD"sv,
                                  U"WILL"sv,  U"WOULD"sv, U"SHALL"sv, U"SHOULD"sv, U"MAY"sv,
                                  U"MIGHT"sv, U"MUST"sv,  U"HAVE"sv,  U"HAS"sv,    U"HAD"sv};
constexpr std::array kBeForms{U"BE"sv, U"IS"sv, U"ARE"sv, U"WAS"sv, U"WERE"sv, U"AM"sv, U"BEEN"sv};
constexpr std::array kGetForms{U"GET"sv, U"GETS"sv, U"GOT"sv, U"GETTING"sv};
// Adjectives of how much, which open a noun phrase: "get such an input", "get more".
constexpr std::array kAmounts{U"SUCH"sv, U"MORE"sv, U"ENOUGH"sv, U"ALL"sv, U"MUCH"sv, U"LESS"sv, U"OWN"sv};
// "this", "these", "those" after "that" open its clause ("said that this will take") rather than follow it.
constexpr std::array kDemonstratives{U"THIS"sv, U"THESE"sv, U"THOSE"sv};
constexpr std::array kDoForms{U"DO"sv, U"DOES"sv, U"DID"sv};
constexpr std::array kHappenVerb{U"HAPPEN"sv};
constexpr std::array kAppearVerb{U"APPEAR"sv};

// Verbs whose passive after "it" says who should do what follows: "It is recommended to" => แนะนำให้.
constexpr std::array kAdvisingVerbs{U"RECOMMEND"sv, U"ADVISE"sv, U"SUGGEST"sv, U"ENCOURAGE"sv, U"PREFER"sv};
// Adjectives whose "that" says what is felt or known: "so sure that" => แน่ใจมากว่า.
constexpr std::array kFeelingThat{U"SURE"sv,     U"CERTAIN"sv,  U"GLAD"sv,      U"HAPPY"sv,   U"SORRY"sv,
                                  U"AFRAID"sv,   U"AWARE"sv,    U"CONFIDENT"sv, U"PLEASED"sv, U"PROUD"sv,
                                  U"THANKFUL"sv, U"GRATEFUL"sv, U"CONVINCED"sv};
// Conjunctions after which "that" before a noun points at it: "if that option is given" => ถ้าทางเลือกนั้นถูกให้
// ("and that" and "so that" may still open what is said: ว่า, เพื่อให้).
constexpr std::array kClauseOpeners{U"IF"sv,     U"WHEN"sv,  U"BUT"sv,      U"BECAUSE"sv,  U"WHILE"sv,
                                    U"UNLESS"sv, U"UNTIL"sv, U"ALTHOUGH"sv, U"WHENEVER"sv, U"THEN"sv};
// Words that "that" follows as a conjunction however it goes on: "so that", "now that", "such that".
constexpr std::array kThatOpeners{U"SO"sv, U"NOW"sv, U"SUCH"sv, U"GIVEN"sv, U"EXCEPT"sv, U"PROVIDED"sv};
// Conjunctions that may open a sentence before a question ("And who is he?") or a demonstrative ("and that day").
constexpr std::array kQuestionOpeners{U"AND"sv, U"BUT"sv, U"SO"sv, U"OR"sv};
// Words that open a question before their comma: "Well, can you?", "Now, what is it?".
constexpr std::array kOpenersBeforeComma{U"WELL"sv, U"NOW"sv, U"THEN"sv, U"ANYWAY"sv, U"OK"sv, U"OKAY"sv, U"ALSO"sv};
// Pronouns that a relative clause may follow like a noun: "everything that you know" => ทุกสิ่งที่คุณรู้.
// Pronouns a relative "that" may follow: "He that composes himself", "those that have".
constexpr std::array kThatPronouns{U"HE"sv, U"SHE"sv, U"THEY"sv, U"THOSE"sv};
constexpr std::array kIndefinites{U"EVERYTHING"sv, U"ANYTHING"sv, U"SOMETHING"sv, U"NOTHING"sv};
constexpr std::array kDoNegatives{U"DON"sv, U"DOESN"sv, U"DIDN"sv};      // don't, doesn't, didn't
constexpr std::array kHaveForms{U"HAVE"sv, U"HAS"sv, U"HAD"sv, U"VE"sv}; // VE: I've, they've
constexpr std::array kHaveNegatives{U"HAVEN"sv, U"HASN"sv, U"HADN"sv};   // haven't, hasn't, hadn't
constexpr std::array kNeedVerb{U"NEED"sv};
constexpr std::size_t kMostWordsBetween = 3; // adverbs between be and its participle ("is not yet made")
// Modals that open a question before their subject: "Can you", "What should I".
constexpr std::array kModals{U"CAN"sv,    U"COULD"sv, U"WILL"sv,  U"WOULD"sv, U"SHALL"sv,
                             U"SHOULD"sv, U"MAY"sv,   U"MIGHT"sv, U"MUST"sv,  U"CANNOT"sv};
// The modals before the "t" of their contraction: "wouldn't", "won't" (as the stage reads it), "shouldn't".
constexpr std::array kNegativeModals{U"WOULDN"sv, U"WON"sv,   U"SHOULDN"sv, U"COULDN"sv,
                                     U"MIGHTN"sv, U"MUSTN"sv, U"NEEDN"sv};
// Verbs whose "to" before a noun phrase names who receives: "told the story to him" => บอกเรื่องให้เขา.
constexpr std::array kGivingVerbs{U"GIVE"sv,   U"GAVE"sv,     U"GIVEN"sv,   U"TELL"sv,      U"TOLD"sv,   U"SHOW"sv,
                                  U"SHOWN"sv,  U"EXPLAIN"sv,  U"PROVE"sv,   U"PROVEN"sv,    U"OFFER"sv,  U"TEACH"sv,
                                  U"TAUGHT"sv, U"SELL"sv,     U"SOLD"sv,    U"LEND"sv,      U"LENT"sv,   U"PAY"sv,
                                  U"PAID"sv,   U"DESCRIBE"sv, U"MENTION"sv, U"INTRODUCE"sv, U"HAND"sv,   U"DEDICATE"sv,
                                  U"GRANT"sv,  U"DELIVER"sv,  U"SUGGEST"sv, U"ASSIGN"sv,    U"PROVIDE"sv};
// Verbs whose "to" names where something goes: "move the files to the directory" => ย้ายแฟ้มไปยังไดเรกทอรี.
constexpr std::array kMovingVerbs{U"MOVE"sv,    U"COPY"sv,    U"SEND"sv,     U"SENT"sv,    U"WRITE"sv,    U"WROTE"sv,
                                  U"WRITTEN"sv, U"RENAME"sv,  U"TRANSFER"sv, U"UPLOAD"sv,  U"REDIRECT"sv, U"FORWARD"sv,
                                  U"BRING"sv,   U"BROUGHT"sv, U"CARRY"sv,    U"RESTORE"sv, U"SAVE"sv,     U"EXPORT"sv,
                                  U"SWITCH"sv,  U"MIGRATE"sv, U"PUSH"sv,     U"REPORT"sv,  U"UPGRADE"sv,  U"DOWNLOAD"sv,
                                  U"RETURN"sv,  U"POINT"sv,   U"TAKE"sv,     U"TOOK"sv};
// Going and coming, whose Thai says the way already: "They went to the school" => พวกเขาไปที่โรงเรียน; and verbs of
// moving oneself, which need ไปที่: "He walked to the station" => เขาเดินไปที่สถานี.
constexpr std::array kGoingVerbs{U"GO"sv, U"WENT"sv, U"GONE"sv, U"COME"sv, U"CAME"sv};
constexpr std::array kTravellingVerbs{U"WALK"sv, U"TRAVEL"sv, U"HURRY"sv, U"RUSH"sv, U"RAN"sv,  U"FLY"sv,
                                      U"FLEW"sv, U"DRIVE"sv,  U"DROVE"sv, U"RIDE"sv, U"RODE"sv, U"HEAD"sv};
// Verbs whose "to" names what something becomes: "set the size to 10" => ตั้งขนาดเป็น 10.
constexpr std::array kBecomingVerbs{U"SET"sv,     U"RESET"sv,     U"CHANGE"sv, U"RENAME"sv,
                                    U"CONVERT"sv, U"TRANSLATE"sv, U"DEFAULT"sv};
// Verbs whose "to" joins two things: "apply it to your programs" => ใช้มันกับโปรแกรมของคุณ.
constexpr std::array kJoiningVerbs{U"APPLY"sv, U"ATTACH"sv, U"CONNECT"sv, U"GLUE"sv,   U"LINK"sv,  U"BIND"sv,
                                   U"BOUND"sv, U"TIE"sv,    U"STICK"sv,   U"STUCK"sv,  U"SAY"sv,   U"SAID"sv,
                                   U"TALK"sv,  U"SPEAK"sv,  U"SPOKE"sv,   U"SPOKEN"sv, U"REPLY"sv, U"LIE"sv,
                                   U"MARRY"sv, U"FASTEN"sv, U"CLIP"sv,    U"PIN"sv};
// Verbs whose object is asked to do what follows "to": "teach your children to like" => สอนเด็กๆของคุณให้ชอบ.
constexpr std::array kAskingVerbs{U"ASK"sv,      U"TELL"sv,   U"TOLD"sv,     U"TEACH"sv,     U"TAUGHT"sv,  U"ALLOW"sv,
                                  U"PERMIT"sv,   U"FORCE"sv,  U"CAUSE"sv,    U"ENCOURAGE"sv, U"REQUIRE"sv, U"EXPECT"sv,
                                  U"ENABLE"sv,   U"INVITE"sv, U"ADVISE"sv,   U"REMIND"sv,    U"URGE"sv,    U"ORDER"sv,
                                  U"PERSUADE"sv, U"WANT"sv,   U"INSTRUCT"sv, U"COMMAND"sv,   U"HELP"sv};
// Verbs besides those of asking whose object does (or is there for) what follows "to": "I need you to go" =>
// ฉันต้องการคุณให้ไป.
constexpr std::array kWantingVerbs{U"GET"sv,  U"GOT"sv,    U"NEED"sv, U"NEEDS"sv,  U"LIKE"sv,   U"WANTS"sv,
                                   U"WARN"sv, U"WARNED"sv, U"BEG"sv,  U"BEGGED"sv, U"WANTED"sv, U"ASKED"sv,
                                   U"HAVE"sv, U"HAS"sv,    U"HAD"sv}; // "I have work to do" => ฉันมีงานให้ทำ
// Pronouns that may be what a verb takes.
constexpr std::array kObjectPronouns{U"IT"sv, U"ME"sv, U"HIM"sv, U"HER"sv, U"US"sv, U"THEM"sv, U"YOU"sv};
constexpr std::array kOnlyObjects{U"ME"sv, U"HIM"sv, U"US"sv, U"THEM"sv}; // never a subject nor a possessive
// Verbs of knowing, seeing and saying: after them "as" + subject tells where something is said (ดังที่), "who" asks
// (ว่าใคร), and "that" after their pronoun is what is told (ว่า).
constexpr std::array kSayingVerbs{U"SEE"sv,      U"SAW"sv,     U"SEEN"sv,    U"KNOW"sv,    U"KNEW"sv,
                                  U"SAY"sv,      U"SAID"sv,    U"MENTION"sv, U"NOTE"sv,    U"EXPLAIN"sv,
                                  U"DESCRIBE"sv, U"SHOW"sv,    U"SHOWN"sv,   U"EXPECT"sv,  U"WISH"sv,
                                  U"LEARN"sv,    U"LEARNED"sv, U"DISCUSS"sv, U"SUGGEST"sv, U"NOTICE"sv};
// Verbs after which "who" asks, as after the verbs of saying: "I can't remember who took it" => ...ว่าใครเอามัน.
constexpr std::array kAskingWhoVerbs{U"CARE"sv,      U"MATTER"sv,     U"REMEMBER"sv,   U"FORGET"sv, U"FORGOT"sv,
                                     U"FORGOTTEN"sv, U"WONDER"sv,     U"ASK"sv,        U"ASKED"sv,  U"TELL"sv,
                                     U"TOLD"sv,      U"UNDERSTAND"sv, U"UNDERSTOOD"sv, U"DECIDE"sv, U"GUESS"sv,
                                     U"FIND"sv,      U"FOUND"sv};
// Verbs of thinking and saying whose clause may follow without "that": "I think he is right" => ฉันคิดว่าเขาถูกต้อง.
constexpr std::array kThinkingVerbs{
    U"THINK"sv,   U"THOUGHT"sv,  U"BELIEVE"sv,  U"HOPE"sv,       U"KNOW"sv,       U"KNEW"sv,     U"SAY"sv,
    U"SAID"sv,    U"GUESS"sv,    U"FEEL"sv,     U"FELT"sv,       U"SUPPOSE"sv,    U"EXPECT"sv,   U"SUSPECT"sv,
    U"REALIZE"sv, U"REALISE"sv,  U"HEAR"sv,     U"HEARD"sv,      U"DOUBT"sv,      U"FEAR"sv,     U"ASSUME"sv,
    U"IMAGINE"sv, U"BET"sv,      U"RECKON"sv,   U"CLAIM"sv,      U"ADMIT"sv,      U"PROMISE"sv,  U"SWEAR"sv,
    U"SWORE"sv,   U"INSIST"sv,   U"AGREE"sv,    U"NOTICE"sv,     U"MEAN"sv,       U"MEANT"sv,    U"PRETEND"sv,
    U"DECIDE"sv,  U"DISCOVER"sv, U"FOUND"sv,    U"UNDERSTAND"sv, U"UNDERSTOOD"sv, U"REMEMBER"sv, U"FORGET"sv,
    U"FORGOT"sv,  U"WISH"sv,     U"TELL"sv,     U"TOLD"sv,       U"SEE"sv,        U"SAW"sv,      U"ASSURE"sv,
    U"REMIND"sv,  U"WARN"sv,     U"CONVINCE"sv, U"PROVE"sv,      U"ANNOUNCE"sv,   U"EXPLAIN"sv,  U"REPLY"sv};
// Of those, the ones whose object comes before what is said: "told him he was wrong".
constexpr std::array kTellingVerbs{U"TELL"sv,    U"TOLD"sv,     U"ASSURE"sv, U"REMIND"sv, U"WARN"sv,
                                   U"PROMISE"sv, U"CONVINCE"sv, U"TEACH"sv,  U"TAUGHT"sv, U"SHOW"sv};
// Pronouns that are only ever subjects, and two that are where a verb follows them.
constexpr std::array kSaidSubjects{U"I"sv, U"WE"sv, U"THEY"sv, U"HE"sv, U"SHE"sv, U"YOU"sv, U"IT"sv, U"THIS"sv};
// Verbs whose "to" is followed by a verb, not by a place: "refuses to copy files" => ปฏิเสธที่จะคัดลอกแฟ้ม.
constexpr std::array kInfinitiveTakers{U"REFUSE"sv, U"WANT"sv,    U"TRY"sv,      U"TRIED"sv,   U"NEED"sv,
                                       U"DECIDE"sv, U"ATTEMPT"sv, U"FAIL"sv,     U"PLAN"sv,    U"LEARN"sv,
                                       U"HOPE"sv,   U"AGREE"sv,   U"CHOOSE"sv,   U"CHOSE"sv,   U"FORGET"sv,
                                       U"FORGOT"sv, U"MANAGE"sv,  U"PREFER"sv,   U"PROMISE"sv, U"START"sv,
                                       U"BEGIN"sv,  U"BEGAN"sv,   U"CONTINUE"sv, U"WISH"sv,    U"INTEND"sv};
// Verbs of wishing, after which ให้ comes before the one wished to act: "want you to know" => อยากให้คุณรู้.
constexpr std::array kWishingVerbs{U"WANT"sv, U"NEED"sv, U"EXPECT"sv, U"WISH"sv};
// Words that take a "to" of their own, which the phrase rules read after them ("relative to" => เทียบกับ): a "to"
// right after them is theirs, not the verb's before them.
constexpr std::array kWordsWithOwnTo{
    U"ACCESS"sv,   U"RELATIVE"sv, U"PERMISSION"sv, U"REFERENCE"sv, U"POINTER"sv,    U"SUBJECT"sv,  U"CHANGES"sv,
    U"ADDITION"sv, U"RESPECT"sv,  U"REGARD"sv,     U"ACCORDING"sv, U"DUE"sv,        U"THANKS"sv,   U"RESPONSE"sv,
    U"REPLY"sv,    U"ANSWER"sv,   U"SOLUTION"sv,   U"KEY"sv,       U"EQUIVALENT"sv, U"SIMILAR"sv,  U"EQUAL"sv,
    U"CLOSE"sv,    U"NEXT"sv,     U"PRIOR"sv,      U"UP"sv,        U"BACK"sv,       U"CONTRARY"sv, U"COMPARED"sv,
    U"RELATED"sv,  U"RISE"sv,     U"WAY"sv};
// Searches of the shipped Idiom.pal that begin with Thai these rules write before a word.
constexpr std::array kShippedPhrases{U"เป็นกำลัง"sv,   U"เป็นสามารถ"sv, U"เป็นติดตาม"sv, U"เป็นอธิบาย"sv,
                                     U"เป็นส่วนของ"sv, U"เป็นอย่างดี"sv,  U"ให้ของเขา"sv};
// Verbs whose -ing object is the action itself: "stop working" => หยุดทำงาน, not หยุดกำลังทำงาน.
constexpr std::array kAspectVerbs{U"START"sv, U"STARTED"sv, U"BEGIN"sv, U"BEGAN"sv,   U"BEGUN"sv,
                                  U"STOP"sv,  U"KEEP"sv,    U"KEPT"sv,  U"FINISH"sv,  U"CONTINUE"sv,
                                  U"QUIT"sv,  U"RESUME"sv,  U"TRY"sv,   U"CONSIDER"sv};
// Verbs whose object may be an -ing word, which is then a noun of action: "avoid using it" => หลีกเลี่ยงการใช้มัน,
// "support installing files" => สนับสนุนการติดตั้งแฟ้ม.
constexpr std::array kIngObjectVerbs{U"AVOID"sv,    U"ENJOY"sv,   U"MIND"sv,    U"RISK"sv,     U"PRACTICE"sv,
                                     U"PRACTISE"sv, U"MISS"sv,    U"SUPPORT"sv, U"ALLOW"sv,    U"ENABLE"sv,
                                     U"REQUIRE"sv,  U"INVOLVE"sv, U"DISABLE"sv, U"DENY"sv,     U"IMAGINE"sv,
                                     U"POSTPONE"sv, U"DELAY"sv,   U"MENTION"sv, U"DISCUSS"sv,  U"APPRECIATE"sv,
                                     U"LIKE"sv,     U"LOVE"sv,    U"HATE"sv,    U"PREFER"sv,   U"REMEMBER"sv,
                                     U"FORGET"sv,   U"PERMIT"sv,  U"FORBID"sv,  U"TOLERATE"sv, U"JUSTIFY"sv};
// Verbs that advise what to do: ให้ before the -ing word ("We recommend using it" => เราแนะนำให้ใช้มัน).
constexpr std::array kAdvisingIngVerbs{U"SUGGEST"sv, U"RECOMMEND"sv, U"ADVISE"sv, U"PROPOSE"sv};
// Verbs whose "to" right after them the phrase rules read well already (add to, return to, point to).
constexpr std::array kLeadingVerbs{U"LEAD"sv, U"LED"sv};
constexpr std::array kTalkingVerbs{U"TALK"sv, U"SPEAK"sv, U"SPOKE"sv, U"SPOKEN"sv, U"CHAT"sv, U"WHISPER"sv};
constexpr std::array kRespondingVerbs{U"REACT"sv, U"RESPOND"sv, U"CONTRIBUTE"sv};
constexpr std::array kToLeftAfter{U"ADD"sv, U"RETURN"sv, U"POINT"sv};
// Adverbs of time, and of what is usual or now, that open a Thai clause ("It is usually called" =>
// โดยปกติมันถูกเรียก, not มันโดยปกติถูกเรียก).
constexpr std::array kTimeAdverbs{U"THEN"sv,      U"SUDDENLY"sv, U"FINALLY"sv,   U"EVENTUALLY"sv,
                                  U"RECENTLY"sv,  U"USUALLY"sv,  U"NORMALLY"sv,  U"TYPICALLY"sv,
                                  U"GENERALLY"sv, U"COMMONLY"sv, U"CURRENTLY"sv, U"ORIGINALLY"sv};
// Manner adverbs that Thai keeps before the verb: habit and hedging, not manner.
constexpr std::array kAdverbsBeforeVerb{U"โดยปกติ"sv, U"โดยทั่วไป"sv, U"โดยพื้นฐาน"sv};
// The Thai of -ly adverbs that say how or how much without อย่าง or โดย, and follow the verb all the same ("are
// temporarily removed" => ถูกเอาออกชั่วคราว).
constexpr std::array kMannerWithoutMark{U"ทันที"sv, U"ชั่วคราว"sv, U"บางส่วน"sv, U"เล็กน้อย"sv};
constexpr std::size_t kMostObjectWords = 6; // words between a verb and its "to"
constexpr std::size_t kMostClauseWords = 7; // words after a verb that a moved adverb may pass

/// Two keys alike: the lengths and the first letters part most of them before any loop over the rest.
[[gnu::always_inline]] inline bool sameKey(std::u32string_view a, std::u32string_view b) {
    if (a.size() != b.size() || (!a.empty() && a[0] != b[0]))
        return false;
    for (std::size_t i = 1; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

/// Keys and meanings are compared with words all through the rules ("key == U"TO"sv"): compared in place, as sameKey
/// does, rather than through a call (the library's comparison is not inlined in a file this size).
[[gnu::always_inline]] inline bool operator==(std::u32string_view a, std::u32string_view b) {
    return sameKey(a, b);
}

template <std::size_t N> bool among(const std::array<std::u32string_view, N> &words, std::u32string_view key) {
    return std::any_of(words.begin(), words.end(), [&](std::u32string_view w) { return sameKey(w, key); });
}

/// The keys a list of words may hold, told by a bit of each word's length and letters: most keys are told apart from
/// the list without a look at its words.
template <std::size_t Words64 = 4> struct WordFilter {
    std::array<std::uint64_t, Words64> bits{};
    static constexpr unsigned bitOf(std::u32string_view w) {
        const std::size_t n = w.size();
        const std::uint64_t h = static_cast<std::uint64_t>(n) << 48 ^ static_cast<std::uint64_t>(w[0]) << 32 ^
                                static_cast<std::uint64_t>(w[n / 2]) << 16 ^ w[n - 1];
        return static_cast<unsigned>((h * 0x9E3779B97F4A7C15ull) >> 40) % (Words64 * 64);
    }
    constexpr void add(std::u32string_view w) {
        if (w.empty()) { // (the empty key passes every filter)
            bits.fill(~0ull);
            return;
        }
        bits[bitOf(w) >> 6] |= 1ull << (bitOf(w) & 63);
    }
    constexpr bool mayHold(std::u32string_view key) const {
        return key.empty() || ((bits[bitOf(key) >> 6] >> (bitOf(key) & 63)) & 1) != 0;
    }
};
/// among(Words, key) for a list that a word is looked for in again and again, with its filter made at compile time.
template <const auto &Words> bool listed(std::u32string_view key) {
    static constexpr WordFilter<> filter = [] {
        WordFilter<> f;
        for (std::u32string_view w : Words)
            f.add(w);
        return f;
    }();
    return filter.mayHold(key) && among(Words, key);
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
bool isIntransitive(Label l) {
    return l == Label::IntransitiveVerb;
}
bool isPronounLabel(Label l) {
    return l == Label::Pronoun;
}
bool isNounLabel(Label l) {
    return l == Label::Noun;
}
bool isAdjectiveLabel(Label l) {
    return l == Label::Adjective;
}
bool isConjunctionLabel(Label l) {
    return l == Label::Conjunction;
}
bool isPrepositionLabel(Label l) {
    return l == Label::Preposition;
}

/// The verbs of a list with their regular forms: -s, -es, -ies, -ed, -d, -ied, -ing (with a doubled last letter,
/// or without a final e), made once, so that a key is looked for by a binary search.
class VerbForms {
public:
    template <std::size_t N> explicit VerbForms(const std::array<std::u32string_view, N> &verbs) {
        for (std::u32string_view v : verbs) {
            const std::u32string verb(v), last(1, v.back()), cut(v.substr(0, v.size() - 1));
            // "TIES" and "TIED" are no forms of TIE: a word ending in -ies or -ied comes from a verb ending in -y
            for (const std::u32string &form : {verb + U"S", verb + U"ES", verb + U"ED", verb + last + U"ED"})
                if (!form.ends_with(U"IES"sv) && !form.ends_with(U"IED"sv))
                    forms_.push_back(form);
            forms_.insert(forms_.end(), {verb, verb + U"ING", verb + last + U"ING"});
            if (v.back() == U'E') {
                if (const std::u32string d = verb + U"D"; !d.ends_with(U"IED"sv))
                    forms_.push_back(d);
                forms_.push_back(cut + U"ING");
            }
            if (v.back() == U'Y' && v.size() > 2)
                forms_.insert(forms_.end(), {cut + U"IES", cut + U"IED"});
        }
        for (const std::u32string &f : forms_) {
            buckets_[bucket(f)].push_back(f);
            filter_.add(f);
        }
    }
    bool has(std::u32string_view key) const {
        if (key.empty() || !filter_.mayHold(key))
            return false;
        const auto &list = buckets_[bucket(key)];
        return std::any_of(list.begin(), list.end(), [&](const std::u32string &f) { return sameKey(f, key); });
    }

private:
    std::vector<std::u32string> forms_;
    WordFilter<64> filter_;
    static constexpr std::size_t kLengths = 16;
    /// The forms by their first letter and their length (the longest together), so that a look compares a few.
    std::array<std::vector<std::u32string>, 27 * kLengths> buckets_;
    static std::size_t bucket(std::u32string_view k) {
        return (k[0] - U'A' < 26 ? k[0] - U'A' : 26) * kLengths + std::min(k.size(), kLengths - 1);
    }
};

/// True when the upper-case key is one of the verbs or a regular form of one.
template <const auto &Verbs> bool verbFormOf(std::u32string_view key) {
    static const VerbForms forms(Verbs);
    return forms.has(key);
}

/// An adjective's Thai without the ที่ that makes it describe a noun ("good" ที่ดี => ดี), where the ที่ is no part of
/// the word itself (ที่รัก "dear", ที่สุด, ที่นี่).
std::u32string_view withoutRelativeMark(std::u32string_view m) {
    constexpr std::array kOwnThi{U"ที่รัก"sv, U"ที่สุด"sv, U"ที่นี่"sv, U"ที่นั่น"sv, U"ที่ไหน"sv, U"ที่ว่าง"sv};
    if (m.size() <= 3 || !m.starts_with(U"ที่"sv) ||
        std::any_of(kOwnThi.begin(), kOwnThi.end(), [&](std::u32string_view w) { return m.starts_with(w); }))
        return m;
    return m.substr(3);
}

bool isWord(const GrammarToken &t) {
    return t.kind == Kind::Word;
}
bool wordWith(const GrammarToken &t, How how, Label label) {
    return t.kind == Kind::Word && t.how == how && t.label == label;
}
/// A piece that stands for no word and no mark: the apostrophe's "", a run of spaces, a Tab.
[[gnu::noinline]] bool blankText(const GrammarToken &t) {
    t.blank = std::all_of(t.text.begin(), t.text.end(), [](char32_t c) { return c == U' ' || c == U'\t'; });
    return t.blank != 0;
}
[[gnu::always_inline]] inline bool isBlank(const GrammarToken &t) {
    if (t.kind == Kind::Dropped)
        return true;
    if (t.kind == Kind::Word)
        return false;
    return t.blank < 0 ? blankText(t) : t.blank != 0; // (asked again and again: worked out once)
}
/// "the", "a" or "an": a piece the word step drops, whose key the stage keeps.
bool isArticle(const GrammarToken &t) {
    if (t.kind != Kind::Piece || t.key.empty() || t.key.size() > 3)
        return false;
    const std::u32string_view k = t.key;
    return k.size() == 1 ? k[0] == U'A' : k.size() == 2 ? k[0] == U'A' && k[1] == U'N' : k == U"THE"sv;
}
/// A piece that is a number: "3.2", "7", "2001".
bool isNumber(const GrammarToken &t) {
    return t.kind == Kind::Piece && !t.text.empty() && t.text[0] >= U'0' && t.text[0] <= U'9';
}

/// A noun as the grammar mode renders it: an entry labelled noun, or its plural.
bool isNoun(const GrammarToken &t) {
    return t.kind == Kind::Word && t.label == Label::Noun &&
           (t.how == How::Exact || (t.how == How::Write && t.family == SuffixFamily::S));
}
bool isVerbWord(const GrammarToken &t) {
    return t.kind == Kind::Word && (t.how == How::Exact || t.how == How::Write) && isVerb(t.label);
}

/// The word after token i, over blank separators. (It and previousWord are asked at nearly every step of the rules:
/// inlined, they cost no call.)
[[gnu::always_inline]] inline std::size_t nextWord(std::span<GrammarToken> t, std::size_t i) {
    for (++i; i < t.size(); ++i)
        if (!isBlank(t[i]))
            return t[i].kind == Kind::Separator ? kNone : i;
    return kNone;
}
/// The word before token i, over blank separators (and a comma, which `comma` then reports).
[[gnu::always_inline]] inline std::size_t previousWord(std::span<GrammarToken> t, std::size_t i,
                                                       bool *comma = nullptr) {
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
/// From token i, the word found by stepping forward (or back) over at most kMostWordsBetween words that `over`
/// accepts ("is not yet made": over "not" and "yet" to "made"), or kNone.
template <class Over> std::size_t stepOver(std::span<GrammarToken> t, std::size_t i, bool forward, Over over) {
    auto step = [&](std::size_t k) { return forward ? nextWord(t, k) : previousWord(t, k); };
    std::size_t j = step(i);
    for (std::size_t between = 0; j != kNone && between < kMostWordsBetween && over(t[j]); ++between)
        j = step(j);
    return j;
}
/// Calls visit(i) for each token i the running rule looks at, in order: those it is anchored at, or every token.
template <class Visit> void eachAnchor(std::span<GrammarToken> t, const GrammarContext &c, Visit visit) {
    if (c.everyToken) {
        for (std::size_t i = 0; i < t.size(); ++i)
            visit(i);
        return;
    }
    for (const std::uint32_t i : c.anchors)
        visit(i);
}

bool isAdverbWord(const GrammarToken &w) {
    return wordWith(w, How::Exact, Label::Adverb);
}

// Words that open a noun phrase whatever the dictionary calls them ("some" is an adverb there, "your" an adjective).
constexpr std::array kDeterminers{U"SOME"sv,  U"ANY"sv,   U"ALL"sv,   U"EACH"sv, U"EVERY"sv,  U"THIS"sv,
                                  U"THESE"sv, U"THOSE"sv, U"MY"sv,    U"YOUR"sv, U"HIS"sv,    U"HER"sv,
                                  U"ITS"sv,   U"OUR"sv,   U"THEIR"sv, U"MANY"sv, U"SEVERAL"sv};

/// True when token n opens what a verb takes: an article or a number, a determiner, a pronoun or (unless
/// `adjective` is false: "don't care much") an adjective.
bool opensObject(std::span<GrammarToken> t, std::size_t n, bool adjective = true) {
    if (n == kNone)
        return false;
    const GrammarToken &w = t[n];
    if (w.kind == Kind::Piece)
        return isArticle(w) || isNumber(w);
    return isWord(w) && (among(kDeterminers, w.key) || wordWith(w, How::Exact, Label::Pronoun) ||
                         (adjective && wordWith(w, How::Exact, Label::Adjective)));
}

/// The last noun of the noun phrase that starts at token `from` (defined below).
std::size_t lastNounFrom(std::span<GrammarToken> t, std::size_t from, bool adjectivesOnly);
/// True when no word or piece stands before token i in the sentence.
bool firstOfSentence(std::size_t i, const GrammarContext &c) {
    return c.sentenceStart && i == c.firstToken;
}

/// The first token after token i that is no blank, or the end.
std::size_t nextMark(std::span<GrammarToken> t, std::size_t i) {
    while (++i < t.size() && isBlank(t[i])) {
    }
    return i;
}
/// The last token before token i that is no blank, or kNone.
std::size_t previousMark(std::span<GrammarToken> t, std::size_t i) {
    while (i-- > 0)
        if (!isBlank(t[i]))
            return i;
    return kNone;
}
/// The first character of token k when it is a separator whose first character is one of `marks`, else 0.
char32_t markAt(std::span<GrammarToken> t, std::size_t k, std::u32string_view marks) {
    return k < t.size() && t[k].kind == Kind::Separator && !t[k].text.empty() &&
                   marks.find(t[k].text[0]) != std::u32string_view::npos
               ? t[k].text[0]
               : 0;
}
/// True when a comma, a semicolon or a colon stands right before token i (over blanks).
bool afterClauseMark(std::span<GrammarToken> t, std::size_t i) {
    return markAt(t, previousMark(t, i), U",;:"sv) != 0;
}

/// True for a capitalised word that opens a heading after its section number ("2.2.4 Showing Alternate File
/// Names") or after the colon of an index entry ("...: Modifying Translations").
bool headingStart(std::span<GrammarToken> t, std::size_t i, const GrammarContext &c) {
    if (i >= t.size() || !t[i].capital)
        return false;
    const std::size_t f = c.firstToken;
    if (c.sentenceStart && f < i && t[f].kind == Kind::Piece && !t[f].text.empty() &&
        std::all_of(t[f].text.begin(), t[f].text.end(),
                    [](char32_t ch) { return (ch >= U'0' && ch <= U'9') || ch == U'.' || ch == U' '; }) &&
        nextMark(t, f) == i)
        return true;
    return markAt(t, previousMark(t, i), U":"sv) != 0;
}

/// True when the word `key` stands among the `words` words before token i in its clause.
bool wordBefore(std::span<GrammarToken> t, std::size_t i, std::u32string_view key, std::size_t words) {
    for (std::size_t k = previousWord(t, i), seen = 0; k != kNone && seen < words; k = previousWord(t, k), ++seen)
        if (t[k].key == key)
            return true;
    return false;
}

/// True for a word that ends a clause's run of words: a conjunction ("and", a relative's ที่), a question word.
bool opensClause(const GrammarToken &t) {
    return isWord(t) && (t.label == Label::Conjunction || t.label == Label::Question);
}

/// True when a mark that ends a clause (, . ; : ! ? or a closing bracket) or a clause's opening word follows token
/// i; false where the tokens run out.
bool endsClause(std::span<GrammarToken> t, std::size_t i) {
    for (++i; i < t.size(); ++i) {
        if (isBlank(t[i]))
            continue;
        if (t[i].kind == Kind::Piece && !t[i].text.empty() && t[i].text[0] == U'.') // (dots: "I'm young ...")
            return true;
        if (t[i].kind != Kind::Separator)
            return opensClause(t[i]);
        return !t[i].text.empty() && U",.;:!?)"sv.find(t[i].text[0]) != std::u32string_view::npos;
    }
    return false;
}

/// A relative pronoun the relative rule wrote as ที่ or ซึ่ง.
bool opensRelative(const GrammarToken &t) {
    return wordWith(t, How::Exact, Label::Conjunction) && among(kRelatives, t.key) &&
           (t.meaning == U"ที่"sv || t.meaning == U"ซึ่ง"sv);
}

/// who, whom, which, that, when or where: the words the relative rule looks at.
bool mayBeRelativeOrQuestion(std::u32string_view key) {
    if (key.size() < 3 || key.size() > 5 || (key[0] != U'W' && key[0] != U'T'))
        return false;
    return among(kRelatives, key) || among(kQuestionWords, key) || key == U"WHAT"sv || key == U"WHOSE"sv ||
           key == U"THIS"sv;
}

void setReading(GrammarToken &t, How how, Label label, std::u32string_view meaning) {
    t.how = how;
    t.label = label;
    t.setMeaning(meaning);
}

// Words between two "as" that phrase rules read with them: "as long as", "as well as", "as soon as".
constexpr std::array kAsPhraseWords{U"LONG"sv, U"WELL"sv, U"SOON"sv, U"MUCH"sv, U"MANY"sv, U"FAR"sv};
// Words of degree that go before an adjective: "so close", "very content", "too late", "how cold".
constexpr std::array kDegreeBeforeAdjective{U"VERY"sv,   U"SO"sv,       U"TOO"sv,       U"QUITE"sv, U"RATHER"sv,
                                            U"FAIRLY"sv, U"SOMEWHAT"sv, U"EXTREMELY"sv, U"HOW"sv,   U"REALLY"sv};

/// Reads a word the dictionary reads first as a noun in its verb sense, when it has one, where only a verb can
/// stand ("Copy the files" => คัดลอก, not สำเนา); true when it did.
bool nounAsVerb(GrammarToken &w, const GrammarContext &c) {
    std::u32string verb;
    if (!wordWith(w, How::Exact, Label::Noun) || !c.sense || !c.sense(w.key, isVerb, verb))
        return false;
    setReading(w, How::Exact, Label::TransitiveVerb, verb);
    return true;
}

/// A word the dictionary gives first as a reading (a title such as "miss") is read as its verb where only a verb can
/// stand: after do, or a modal ("You will miss the train" => คุณจะพลาดรถไฟ).
bool readingAsVerb(std::span<GrammarToken> t, std::size_t i, const GrammarContext &c) {
    std::u32string verb;
    GrammarToken &w = t[i];
    if (!wordWith(w, How::Exact, Label::Reading) || !c.sense || !c.sense(w.key, isVerb, verb))
        return false;
    // one misses a person (คิดถึง) and a train or a chance (พลาด)
    if (const std::size_t n = nextWord(t, i);
        w.key == U"MISS"sv &&
        !(n != kNone && isWord(t[n]) &&
          ((among(kObjectPronouns, t[n].key) && t[n].key != U"IT"sv) || t[n].label == Label::Reading)))
        verb = U"พลาด";
    setReading(w, How::Exact, Label::TransitiveVerb, verb);
    return true;
}

/// True when word w is written as it stands (a path's or an option's word, a quoted name): its text is its meaning.
bool writtenAsItStands(const GrammarToken &w) {
    return w.how == How::Exact && w.label == Label::Other && !w.text.empty() && w.meaning == w.text;
}
/// True when word w is a name: one the dictionary lacks, or one written as it stands.
bool nameWord(const GrammarToken &w) {
    return isWord(w) && !w.quiet && (w.how == How::Unrendered || w.how == How::RawFallback || writtenAsItStands(w));
}

/// The Thai a token stands for on its own: its meaning, or the word itself when the dictionary has none.
std::u32string_view ownThai(const GrammarToken &t) {
    if (t.kind == Kind::Word && !t.quiet && (t.how == How::Exact || t.how == How::Write || t.how == How::Hold))
        return t.meaning;
    return trimSpaces(t.text);
}

/// The searches of the built-in phrase rules and of kShippedPhrases, by their first character (a Thai letter, or
/// anything else), so that a check looks only at those that can start with the Thai in hand.
const std::vector<std::u32string_view> &searchesStartingWith(char32_t first) {
    constexpr char32_t kThai = 0x0E00, kThaiEnd = 0x0E80;
    auto bucket = [](char32_t c) { return c >= kThai && c < kThaiEnd ? c - kThai : kThaiEnd - kThai; };
    static const auto byFirst = [&] {
        std::array<std::vector<std::u32string_view>, kThaiEnd - kThai + 1> b;
        for (std::u32string_view s : kShippedPhrases)
            b[bucket(s[0])].push_back(s);
        for (const ThaiIdiomRule &r : ThaiIdiomTable())
            if (!r.search.empty())
                b[bucket(r.search[0])].push_back(r.search);
        return b;
    }();
    return byFirst[bucket(first)];
}

/// True when a built-in phrase rule (or one of the shipped Idiom.pal that these rules may meet) would read `thai`
/// with the Thai after it as one phrase: ให้ before เพื่อน is the start of ให้เพื่อ.
bool joinsPhraseRule(std::u32string_view thai, std::u32string_view after) {
    if (thai.empty())
        return false;
    const auto &searches = searchesStartingWith(thai[0]);
    return std::any_of(searches.begin(), searches.end(), [&](std::u32string_view search) {
        return search.size() > thai.size() && search.starts_with(thai) && after.starts_with(search.substr(thai.size()));
    });
}

/// True when a built-in phrase rule (or one of the shipped Idiom.pal) searches `thai` followed by `after`, or by
/// the start of it: อยู่ before เหล่านั้น is the start of อยู่เหล่านั้นซึ่ง.
bool startsPhraseRule(std::u32string_view thai, std::u32string_view after) {
    if (thai.empty() || after.empty())
        return false;
    const auto &searches = searchesStartingWith(thai[0]);
    return std::any_of(searches.begin(), searches.end(), [&](std::u32string_view search) {
        if (search.size() <= thai.size() || !search.starts_with(thai))
            return false;
        const std::u32string_view rest = search.substr(thai.size());
        return after.starts_with(rest) || rest.starts_with(after);
    });
}

/// The grammar-mode Thai of up to three words before token i and two after it, as the phrase rules will see them.
void thaiAround(std::span<GrammarToken> t, std::size_t i, std::u32string &before, std::u32string &after);

/// True when a phrase rule of Idiom.pal reads token i's grammar-mode Thai (เพื่อ for "to", ซึ่งว่า for "that") with
/// the words around it ("have the right to" => มีถูกต้องเพื่อ => มีสิทธิที่จะ): the token is then left as it is.
bool leftToPhraseRule(std::span<GrammarToken> t, std::size_t i, const GrammarContext &c) {
    if (!c.phraseHolds)
        return false;
    thread_local std::u32string before, after; // their room is kept from call to call
    thaiAround(t, i, before, after);
    return c.phraseHolds(before, t[i].meaning, after);
}

/// True when a phrase rule reads token i's grammar-mode Thai with the words before it, not with what follows
/// alone ("After that," => หลังจากนั้น, but "to that." is no rule's, whatever "that." gives alone).
bool readWithWordBefore(std::span<GrammarToken> t, std::size_t i, const GrammarContext &c) {
    if (!c.phraseHolds)
        return false;
    thread_local std::u32string before, after;
    thaiAround(t, i, before, after);
    return c.phraseHolds(before, t[i].meaning, after) && !c.phraseHolds({}, t[i].meaning, after);
}

/// True when a built-in phrase rule reads token i's grammar-mode Thai with the words around it.
bool readByBuiltInRule(std::span<GrammarToken> t, std::size_t i) {
    const std::u32string_view m = t[i].meaning;
    if (m.empty())
        return false;
    // Where each meaning asked about stands in the built-in searches, found once for each thread.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::u32string_view s) const { return std::hash<std::u32string_view>{}(s); }
    };
    thread_local std::unordered_map<std::u32string, std::vector<std::pair<std::u32string_view, std::size_t>>, Hash,
                                    std::equal_to<>>
        places;
    auto known = places.find(m);
    if (known == places.end()) {
        std::vector<std::pair<std::u32string_view, std::size_t>> found;
        for (const ThaiIdiomRule &r : ThaiIdiomTable())
            for (std::size_t at = r.search.find(m); at != std::u32string_view::npos; at = r.search.find(m, at + 1))
                found.emplace_back(r.search, at);
        known = places.emplace(std::u32string(m), std::move(found)).first;
    }
    if (known->second.empty())
        return false;
    thread_local std::u32string before, after;
    thaiAround(t, i, before, after);
    return std::any_of(known->second.begin(), known->second.end(), [&](const auto &place) {
        const auto &[search, at] = place;
        return std::u32string_view(before).ends_with(search.substr(0, at)) &&
               std::u32string_view(after).starts_with(search.substr(at + m.size()));
    });
}

/// The marks that end a clause or a sentence, which phrase rules may read after their words.
constexpr std::u32string_view kClauseMarks = U",.;:!?"sv;

void thaiAround(std::span<GrammarToken> t, std::size_t i, std::u32string &before, std::u32string &after) {
    // What the grammar mode writes for a token: "the" and "an" nothing, "a" the marker the phrase rules fold.
    auto written = [](const GrammarToken &w) -> std::u32string_view {
        if (w.kind == Kind::Piece && (w.key == U"THE"sv || w.key == U"AN"sv))
            return {};
        return w.kind == Kind::Piece && w.key == U"A"sv ? U"อะ.-"sv : ownThai(w);
    };
    std::array<std::u32string_view, 3> previous{};
    std::size_t count = 0;
    for (std::size_t j = previousWord(t, i); j != kNone && count < previous.size(); j = previousWord(t, j))
        previous[count++] = written(t[j]);
    before.clear();
    after.clear();
    while (count > 0)
        before += previous[--count];
    // a mark right after the token, which rules may end with ("After that," => หลังจากนั้น,)
    if (const std::size_t m = nextMark(t, i); m < t.size() && t[m].kind == Kind::Separator) {
        if (const char32_t mark = markAt(t, m, kClauseMarks))
            after += mark;
        return;
    }
    // an adjective waits for its noun, as the grammar mode holds it: "that his bones" => ซึ่งว่ากระดูกของเขา
    std::u32string_view held;
    std::size_t last = kNone;
    for (std::size_t j = nextWord(t, i), words = 0, seen = 0; j != kNone && words < 4 && seen < 6;
         j = nextWord(t, j), ++seen) {
        last = j;
        if (held.empty() && wordWith(t[j], How::Exact, Label::Adjective) && seen == 0) {
            held = written(t[j]);
            continue;
        }
        const std::u32string_view w = written(t[j]);
        after += w;
        after += held;
        held = {};
        words += !w.empty(); // ("the" writes nothing)
    }
    after += held;
    // and the mark that ends them ("who cares?" => ใครสนล่ะ?)
    if (const char32_t mark = last == kNone ? 0 : markAt(t, nextMark(t, last), kClauseMarks))
        after += mark;
}

/// The Thai for a word put before token n: `thai`, or `otherwise` when a phrase rule would read `thai` together with
/// the word after it or with the noun that leads the noun phrase there (which the rendering writes first).
std::u32string_view beforeWord(std::span<GrammarToken> t, std::size_t n, std::u32string_view thai,
                               std::u32string_view otherwise) {
    if (n == kNone)
        return thai;
    if (joinsPhraseRule(thai, ownThai(t[n])))
        return otherwise;
    for (std::size_t j = n, words = 0; j != kNone && words < kMostWordsBetween; j = nextWord(t, j), ++words)
        if (isNoun(t[j]))
            return joinsPhraseRule(thai, t[j].meaning) ? otherwise : thai;
    return thai;
}

bool mayBeNoun(std::span<GrammarToken> t, std::size_t v, const GrammarContext &c);
bool isParticiple(const GrammarToken &w);

/// True when the noun phrase that ends at token p opens the sentence or follows be or "of": "to" + verb after it
/// says what is to be done with it ("The file to read is", "the name of the file to use", "This is the command to
/// run"), not the purpose a verb's object serves ("Use this option to stop").
bool nounToBeActedOn(std::span<GrammarToken> t, std::size_t p, const GrammarContext &c) {
    std::size_t start = p;
    for (std::size_t k = previousWord(t, p), words = 0;
         k != kNone && words < kMostWordsBetween &&
         (t[k].kind == Kind::Piece || isNoun(t[k]) || wordWith(t[k], How::Exact, Label::Adjective) ||
          among(kDeterminers, t[k].key));
         k = previousWord(t, k), ++words)
        start = k;
    bool comma = false;
    const std::size_t w = previousWord(t, start, &comma);
    if (comma)
        return false;
    if (w == kNone)
        return firstOfSentence(start, c);
    return (isWord(t[w]) && (t[w].label == Label::Be || among(kBeForms, t[w].key))) ||
           (t[w].key == U"OF"sv && isWord(t[w]));
}

// Nouns whose "to" + verb says what they are for, ที่จะ (ในการ after way), not the purpose เพื่อ.
constexpr std::array kToNouns{U"WAY"sv,        U"WAYS"sv,        U"PLAN"sv,      U"PLANS"sv,       U"RIGHT"sv,
                              U"RIGHTS"sv,     U"CHANCE"sv,      U"CHANCES"sv,   U"OPPORTUNITY"sv, U"ABILITY"sv,
                              U"DECISION"sv,   U"EFFORT"sv,      U"POWER"sv,     U"TENDENCY"sv,    U"DESIRE"sv,
                              U"REASON"sv,     U"COURAGE"sv,     U"FREEDOM"sv,   U"INTENTION"sv,   U"STRENGTH"sv,
                              U"TEMPTATION"sv, U"WILLINGNESS"sv, U"AUTHORITY"sv, U"CAPACITY"sv,    U"PATIENCE"sv,
                              U"THING"sv,      U"THINGS"sv,      U"SOMETHING"sv, U"ANYTHING"sv,    U"NOTHING"sv,
                              U"EVERYTHING"sv, U"FAILURE"sv,     U"REFUSAL"sv,   U"EAGERNESS"sv,   U"PERMISSION"sv};
// X 's Y: the noun phrase Y, then ของ and X with the adjectives and nouns before it in Thai order. After a
// pronoun such as "it" the piece is "is"; so it is before anything that is not a noun phrase.
constexpr std::array kSomeoneElse{U"SOMEONE"sv, U"SOMEBODY"sv, U"ANYONE"sv, U"ANYBODY"sv};

// The letters whose first sense is the piece of a short form after an apostrophe, with the letter's name.
constexpr std::array kShortFormLetters{std::pair{U"S"sv, U"เอส"sv}, std::pair{U"T"sv, U"ที"sv},
                                       std::pair{U"D"sv, U"ดี"sv}, std::pair{U"M"sv, U"เอ็ม"sv}};

/// True when token s is the "s" after a word and an apostrophe: "Emma's", "it's".
bool apostropheS(std::span<GrammarToken> t, std::size_t s) {
    return s >= 2 && isWord(t[s]) && t[s].key == U"S"sv && t[s - 1].kind == Kind::Separator && t[s - 1].text.empty() &&
           isWord(t[s - 2]);
}
/// The "s" of a possessive: "user's", not "it's" or "that's", which read "is".
bool possessiveS(std::span<GrammarToken> t, std::size_t s) {
    return apostropheS(t, s) && !among(kIsSubjects, t[s - 2].key);
}

/// Reads a word after a word of degree in its adjective sense, when the dictionary reads it first otherwise but has
/// one: "so close" => ใกล้ (not ปิด, to close), "very content" => พอใจ (not เนื้อหา); true when the word is an
/// adjective now.
bool adjectiveAfterDegree(std::span<GrammarToken> t, std::size_t degree, std::size_t n, const GrammarContext &c) {
    GrammarToken &w = t[n];
    if (!isWord(w) || w.quiet || w.how != How::Exact)
        return false;
    if (w.label == Label::Adjective)
        return true;
    thread_local std::u32string adjective;
    if (w.label == Label::Adverb || !c.sense || !c.sense(w.key, isAdjectiveLabel, adjective))
        return false;
    // (a verb after "really" is that verb: "I'd really like to", and after "how" unless be follows: "how to
    // prompt the user", but "How close is it?"; a noun before a noun or a name is a noun: "Very human Quasimodo")
    const std::size_t after = nextWord(t, n);
    if ((isVerb(w.label) &&
         (t[degree].key == U"REALLY"sv ||
          (t[degree].key == U"HOW"sv && !(after != kNone && wordWith(t[after], How::Exact, Label::Be))))) ||
        (w.label == Label::Noun && after != kNone &&
         (isNoun(t[after]) || t[after].kind == Kind::Piece || (isWord(t[after]) && t[after].quiet))) ||
        readByBuiltInRule(t, n) || leftToPhraseRule(t, n, c)) // (a phrase rule reads it: "very kind to")
        return false;
    setReading(w, How::Exact, Label::Adjective, adjective);
    return true;
}

/// A word of degree at i: the word after it is an adjective where it can be one, and "so" + an adjective after be
/// or a verb is มาก after it: "It is so hot." => มันร้อนมาก (not ดังนั้น, "therefore").
void degreeBeforeAdjective(std::span<GrammarToken> t, std::size_t i, const GrammarContext &c) {
    bool comma = false;
    const std::size_t n = nextWord(t, i), p = previousWord(t, i, &comma);
    if (n == kNone || among(kAsPhraseWords, t[n].key) ||
        (t[i].key == U"SO"sv && (p == kNone || comma)) || // (opening a clause it is "therefore": "So close it")
        !adjectiveAfterDegree(t, i, n, c))
        return;
    // (not "so little" or "so few", nor before "of", which a phrase rule reads with มาก: "so fond of")
    const std::size_t after = nextWord(t, n);
    // "to" before what the adjective is said of: "very close to the wall" => ใกล้มากกับกำแพง, "so kind to us" => ต่อ
    if (after != kNone && t[after].key == U"TO"sv && wordWith(t[after], How::Exact, Label::Preposition) &&
        t[after].meaning == U"เพื่อ"sv && opensObject(t, nextWord(t, after), false))
        t[after].setMeaning(t[n].key == U"CLOSE"sv ? U"กับ"sv : U"ต่อ"sv);
    if (t[i].key == U"SO"sv && p != kNone && isWord(t[p]) && (t[p].label == Label::Be || isVerbWord(t[p])) &&
        t[n].key != U"LITTLE"sv && t[n].key != U"FEW"sv &&
        (after == kNone || !(isNoun(t[after]) || t[after].kind == Kind::Piece || t[after].key == U"AS"sv ||
                             t[after].key == U"THAT"sv || t[after].key == U"OF"sv)) && // ("so odd a mixture")
        !leftToPhraseRule(t, i, c)) {
        t[n].setMeaning(std::u32string(withoutRelativeMark(t[n].meaning)).append(U"มาก"sv));
        t[i].kind = Kind::Dropped;
    }
}

/// Reads token m, a modal after an article or an owner, as the noun it can be ("the can" => กระป๋อง, "his will"), unless
/// a verb follows it; true when it did.
bool modalAsNoun(std::span<GrammarToken> t, std::size_t m, const GrammarContext &c) {
    std::u32string noun;
    if (m == kNone || !wordWith(t[m], How::Exact, Label::Adverb) || !among(kModals, t[m].key) ||
        t[m].capitals) // (a name in capitals: "a CAN bus")
        return false;
    if (const std::size_t after = nextWord(t, m);
        after != kNone && (isVerbWord(t[after]) || isAdverbWord(t[after]) || t[after].label == Label::Be))
        return false;
    if (!c.sense || !c.sense(t[m].key, isNounLabel, noun))
        return false;
    setReading(t[m], How::Exact, Label::Noun, noun);
    return true;
}

/// "ของ" and owner x, with the adjectives and nouns just before it (from token `first`, which it sets), the noun
/// first: "my old friend" => ของเพื่อนแก่.
std::u32string ownerOf(std::span<GrammarToken> t, std::size_t x, std::size_t &first) {
    std::u32string owner(U"ของ"sv);
    owner += ownThai(t[x]);
    first = x;
    // "someone else's code" => รหัสของคนอื่น
    const std::size_t o = previousWord(t, x);
    const bool someoneElse = t[x].key == U"ELSE"sv && o != kNone && among(kSomeoneElse, t[o].key);
    if (someoneElse) {
        owner = U"ของคนอื่น"sv;
        first = o;
    }
    // (and a name's first names: "George Saunders' dying words" => คำกำลังจะตายของจอร์จSaunders; a name between an
    // article and a noun follows the noun, as the name-after-noun rule writes it: "the Firesign Theatre's" =>
    // ของโรงละครFiresign)
    const auto name = [](const GrammarToken &w) {
        return w.capital && !w.capitals && !w.quiet &&
               (w.how != How::Exact || w.label == Label::Reading || writtenAsItStands(w));
    };
    const bool nounOwner = wordWith(t[x], How::Exact, Label::Noun);
    while (!someoneElse && first > 0 && x - first < kMostWordsBetween && isWord(t[first - 1])) {
        if (name(t[first - 1]) && (name(t[x]) || (nounOwner && t[x].capital && !t[x].capitals))) {
            const std::u32string_view thai = ownThai(t[--first]);
            if (const std::size_t a = previousWord(t, first);
                nounOwner && t[first].how != How::Exact && a != kNone && isArticle(t[a])) {
                owner += thai;
                continue;
            }
            const auto latin = [](char32_t ch) { return ch < 0x80 && ch > U' '; };
            if (latin(thai.back()) && owner.size() > 3 && latin(owner[3]))
                owner.insert(3, U" "sv);
            owner.insert(3, thai); // (after ของ)
        } else if (t[first - 1].how == How::Exact &&
                   (t[first - 1].label == Label::Adjective || t[first - 1].label == Label::Noun))
            owner += t[--first].meaning;
        else
            break;
    }
    return owner;
}

/// Owner x, with the adjectives and nouns just before it, goes after the noun phrase after its mark (the "s" of
/// "user's", or the apostrophe of "users'"): "my old friend's car" => รถของเพื่อนแก่ของฉัน. False when no noun
/// phrase follows.
bool ownerBeforeNounPhrase(std::span<GrammarToken> t, std::size_t x, std::size_t mark, const GrammarContext &c) {
    const std::size_t next = nextWord(t, mark);
    std::size_t last = kNone;
    for (std::size_t j = next; j != kNone; j = nextWord(t, j)) {
        // (a word the dictionary lacks is a name: "a file's atime" => atimeของแฟ้ม)
        if (isNoun(t[j]) ||
            (isWord(t[j]) && !t[j].quiet && (t[j].how == How::Unrendered || t[j].how == How::RawFallback)))
            last = j;
        else if (last != kNone || !(isWord(t[j]) && t[j].label == Label::Adjective))
            break;
    }
    // Y read first as an adjective before "to" or "of" ("the Republican's right to govern" => สิทธิ...ของรีพับลิกัน,
    // not รีพับลิกันถูกต้อง), or as a verb before a modal, be or the clause's end ("a man's grasp should" =>
    // ความเข้าใจของผู้ชายควร), is the noun it can be
    if (last == kNone && next != kNone && t[next].how == How::Exact) {
        const std::size_t after = nextWord(t, next);
        const bool adjectiveFirst = wordWith(t[next], How::Exact, Label::Adjective) && after != kNone &&
                                    (t[after].key == U"TO"sv || t[after].key == U"OF"sv);
        const bool verbFirst =
            isVerbWord(t[next]) &&
            (after == kNone ? endsClause(t, next)
                            : isWord(t[after]) && (among(kModals, t[after].key) || t[after].label == Label::Be));
        // or as a plain verb before a noun, with which it names a thing: "the host's mount table" =>
        // ตารางเมานต์ของโฮสต์, not โฮสต์คือขึ้นตาราง
        const bool compound = isVerbWord(t[next]) && !isParticiple(t[next]) && !t[next].key.ends_with(U"ING"sv) &&
                              after != kNone && isNoun(t[after]);
        std::u32string noun;
        if ((adjectiveFirst || verbFirst) && c.sense && c.sense(t[next].key, isNounLabel, noun)) {
            setReading(t[next], How::Exact, Label::Noun, noun);
            last = next;
        } else if (compound) {
            setReading(t[next], How::Exact, Label::Noun, std::u32string(t[next].meaning));
            for (last = after; nextWord(t, last) != kNone && isNoun(t[nextWord(t, last)]);)
                last = nextWord(t, last);
        }
    }
    if (last == kNone)
        return false;
    std::size_t first = x;
    const std::u32string owner = ownerOf(t, x, first);
    for (std::size_t j = first; j <= mark; ++j)
        t[j].kind = Kind::Dropped;
    t[last].tail += owner;
    return true;
}

/// True when token a, an apostrophe after a plural and before a space, is its possessive ("the files' names"), not
/// the quote that closes a quoted word ("the 'bytes' value").
bool pluralPossessive(std::span<GrammarToken> t, std::size_t a) {
    if (t[a].kind != Kind::Separator || !t[a].text.empty() || a == 0 || a + 1 >= t.size() || isWord(t[a + 1]) ||
        nextWord(t, a) == kNone)
        return false;
    if (const GrammarToken &x = t[a - 1];
        !isWord(x) || x.quiet || x.label == Label::Pronoun || x.key.size() < 3 || x.key.back() != U'S')
        return false;
    bool open = false; // a quote opened before it and not closed
    for (std::size_t k = 0; k < a; ++k)
        if (t[k].kind == Kind::Separator && t[k].text.empty())
            open = t[k].afterSpace || (open && isWord(t[k + 1]));
    return !open;
}

void possessive(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string noun;
    eachAnchor(t, c, [&](std::size_t i) {
        if (t[i].kind == Kind::Separator) { // "the files' names" => ชื่อของแฟ้ม
            if (pluralPossessive(t, i) && ownerBeforeNounPhrase(t, i - 1, i, c) && isBlank(t[i + 1]))
                t[i + 1].kind = Kind::Dropped; // (the space the word would have kept)
            return;
        }
        // After an owner a word read first as a verb is the noun it can be, held before the owner as any noun: "Thank
        // you for your help" => ขอบคุณสำหรับความช่วยเหลือของคุณ, not สำหรับของคุณช่วย. Not "her" after a verb, which
        // is what the verb takes ("let her go").
        if (isWord(t[i]) && among(kOwners, t[i].key) && t[i].how == How::Exact) {
            if (const std::size_t v = previousWord(t, i); t[i].key == U"HER"sv && v != kNone && isVerbWord(t[v]))
                return;
            const std::size_t n = stepOver(t, i, true, [](const GrammarToken &w) {
                return wordWith(w, How::Exact, Label::Adjective) && w.key != U"OWN"sv;
            });
            // a modal after an owner (and "own") is the noun it can be: "your own can opener" => กระป๋อง, "his will"
            if (const std::size_t m = n != kNone && t[n].key == U"OWN"sv ? nextWord(t, n) : n;
                t[i].key != U"HER"sv && modalAsNoun(t, m, c))
                return;
            // (not before "to" and a verb, which the phrase rules read with the verb: "his need to complain"; but
            // "before his jump to the center" => ก่อนการกระโดดของเขาไปยัง...)
            const auto toVerb = [&](std::size_t to) {
                const std::size_t v = to == kNone || t[to].key != U"TO"sv ? kNone : nextWord(t, to);
                return to != kNone && t[to].key == U"TO"sv && (v == kNone || isVerbWord(t[v]));
            };
            if (const std::size_t after = n == kNone ? kNone : nextWord(t, n);
                n != kNone && isWord(t[n]) && t[n].how == How::Exact && isVerb(t[n].label) &&
                !among(kModals, t[n].key) && !toVerb(after) && c.sense && c.sense(t[n].key, isNounLabel, noun))
                setReading(t[n], How::Exact, Label::Noun, noun);
            // The owner of a noun with "of" after it follows the whole: "his sense of humor" =>
            // ความรู้สึกของอารมณ์ขันของเขา, not ความรู้สึกของเขาของอารมณ์ขัน
            if (const std::size_t of = n == kNone ? kNone : nextWord(t, n);
                of != kNone && isNoun(t[n]) && isWord(t[of]) && t[of].key == U"OF"sv) {
                std::size_t last = kNone;
                for (std::size_t k = nextWord(t, of), words = 0;
                     k != kNone && words < kMostWordsBetween &&
                     (isNoun(t[k]) || isArticle(t[k]) ||
                      (wordWith(t[k], How::Exact, Label::Adjective) && last == kNone));
                     k = nextWord(t, k), ++words)
                    if (isNoun(t[k]))
                        last = k;
                // (not before another "of" or an owner's 's: "its concept of vi's command-mode character")
                const std::size_t after = last == kNone ? kNone : nextWord(t, last);
                const auto apostrophe = [](const GrammarToken &w) {
                    return w.kind == Kind::Separator && w.text.empty();
                };
                if (last != kNone && !(after != kNone && t[after].key == U"OF"sv) &&
                    std::none_of(t.begin() + static_cast<std::ptrdiff_t>(of),
                                 t.begin() + static_cast<std::ptrdiff_t>(std::min(last + 2, t.size())), apostrophe)) {
                    const std::u32string_view own = ownThai(t[i]);
                    if (!own.starts_with(U"ของ"sv)) // ("her" is เธอ first)
                        t[last].tail += U"ของ"sv;
                    t[last].tail += own;
                    t[i].setMeaning(U""sv); // (still there for the rules after this one: "to form his notions")
                }
            }
            return;
        }
        // the plural mark of "file(s)": Thai writes no plural, so it goes with its brackets (แฟ้ม, not แฟ้ม(ของเขา))
        if (t[i].key == U"S"sv && isWord(t[i]) && i >= 2 && i + 1 < t.size() && isWord(t[i - 2]) &&
            t[i - 1].kind == Kind::Separator && t[i - 1].text == U"("sv && !t[i - 1].afterSpace &&
            t[i + 1].kind == Kind::Separator && t[i + 1].text == U")"sv) {
            t[i - 1].kind = t[i].kind = t[i + 1].kind = Kind::Dropped;
            return;
        }
        if (!apostropheS(t, i)) {
            // the piece of a short form ('s, 't, 'd, 'm) that no apostrophe joins to a word is the letter: "-s" =>
            // -เอส, "T. S. Eliot" => ที.เอส.Eliot, not -ของเขา and ไม่.ของเขา.
            if (isWord(t[i]) && t[i].key.size() == 1 && t[i].how == How::Exact &&
                !writtenAsItStands(t[i]) && // (nor one kept as written: "-m")
                !(i > 0 && t[i - 1].kind == Kind::Separator && t[i - 1].text.empty()))
                if (const auto *letter = std::find_if(kShortFormLetters.begin(), kShortFormLetters.end(),
                                                      [&](const auto &l) { return l.first == t[i].key; });
                    letter != kShortFormLetters.end())
                    setReading(t[i], How::Exact, Label::Other, letter->second);
            return;
        }
        const std::size_t x = i - 2;
        const std::size_t next = nextWord(t, i);
        if (t[x].key == U"LET"sv) // "let's" is let us, which the phrase rules read: ให้เรา
            return;
        // "that's" opening a clause is นั่นคือ, as the phrase rules read it in the grammar mode ("That's ok." =>
        // นั่นคือตกลง); after a verb it is what is said, which the relative rule writes ว่านั่นคือ
        if (const std::size_t v = previousWord(t, x);
            t[x].key == U"THAT"sv && isWord(t[x]) && (v == kNone || !isVerbWord(t[v])) && c.sense) {
            std::u32string that;
            if (c.sense(t[x].key, isPronounLabel, that)) {
                setReading(t[x], How::Exact, Label::Pronoun, that);
                setReading(t[i], How::Exact, Label::Other, U"คือ"sv);
                return;
            }
        }
        if (!possessiveS(t, i)) {
            setReading(t[i], How::Exact, Label::Be, U"เป็น"sv);
            return;
        }
        // an -ing word owned by a thing is the deed's noun where nothing it takes follows: "the catalog's encoding"
        // => การเข้ารหัสของแคตตาล็อก (not "the catalog is encoding"; a name's or a pronoun's is: "John's coming")
        if (const std::size_t after = next == kNone ? kNone : nextWord(t, next);
            next != kNone && isWord(t[next]) && t[next].how == How::Write && t[next].family == SuffixFamily::ING &&
            isVerb(t[next].label) && isNoun(t[x]) && !t[x].capital &&
            (after == kNone ? endsClause(t, next) : wordWith(t[after], How::Exact, Label::Preposition))) {
            std::u32string_view verb = t[next].meaning;
            if (verb.starts_with(U"กำลัง"sv))
                verb.remove_prefix(5);
            setReading(t[next], How::Exact, Label::Noun,
                       verb.starts_with(U"การ"sv) ? std::u32string(verb) : U"การ" + std::u32string(verb));
        }
        if (ownerBeforeNounPhrase(t, x, i, c))
            return;
        // a name's title in capitals before its colon is owned: "Horner's Five Thumb Postulate:" => Five Thumb
        // Postulate ของHorner (not "Horner is five ...")
        if (next != kNone && t[x].capital && isWord(t[next]) && t[next].capital) {
            std::size_t last = next;
            for (std::size_t k = nextWord(t, next); k != kNone && isWord(t[k]) && t[k].capital; k = nextWord(t, k))
                last = k;
            if (markAt(t, nextMark(t, last), U":"sv)) {
                std::size_t first = x;
                t[last].tail += ownerOf(t, x, first);
                for (std::size_t j = first; j <= i; ++j)
                    t[j].kind = Kind::Dropped;
                return;
            }
        }
        if (next != kNone) { // "Emma's here", "John's a doctor"
            setReading(t[i], How::Exact, Label::Be, U"เป็น"sv);
            return;
        }
        // before a mark the thing owned is understood: "The hardware's, of course." => ของฮาร์ดแวร์, "It's John's."
        std::size_t m = i + 1;
        while (m < t.size() && isBlank(t[m]))
            ++m;
        if (m < t.size() && t[m].kind == Kind::Separator && !t[m].text.empty() &&
            U",.;!?)"sv.find(t[m].text[0]) != std::u32string_view::npos) {
            std::size_t first = x;
            setReading(t[x], How::Exact, Label::Noun, ownerOf(t, x, first));
            for (std::size_t j = first; j <= i; ++j)
                if (j != x)
                    t[j].kind = Kind::Dropped;
        }
    });
}

/// True when the noun phrase that ends at token p opens with "these" or "those": the grammar mode holds them after
/// the noun (ทางเลือกเหล่านั้น), and a phrase rule reads เหล่านั้นที่ as "those who", ผู้ที่.
bool afterDemonstrative(std::span<GrammarToken> t, std::size_t p) {
    for (std::size_t k = previousWord(t, p), words = 0; k != kNone && words < kMostWordsBetween;
         k = previousWord(t, k), ++words) {
        if (t[k].key == U"THESE"sv || t[k].key == U"THOSE"sv)
            return true;
        if (!(isNoun(t[k]) || wordWith(t[k], How::Exact, Label::Adjective)))
            return false;
    }
    return false;
}

/// True when token p is the "course" of "of course", an adverb (แน่นอน), not a noun a relative clause could follow.
bool ofCourse(std::span<GrammarToken> t, std::size_t p) {
    if (!isWord(t[p]) || t[p].key != U"COURSE"sv)
        return false;
    const std::size_t o = previousWord(t, p);
    return o != kNone && isWord(t[o]) && t[o].key == U"OF"sv;
}

// who/which/that/whom right after a noun phrase open a relative clause in place: ที่, or ซึ่ง after a comma.
// "that" after a verb is ว่า. A question word that opens a question keeps its question sense.
/// True when a form of be follows token i, which the grammar mode writes as คือ after a noun ("This is" => นี่คือ,
/// "This is not" => นี่ไม่ใช่) and as เป็น after a pronoun.
bool beAfter(std::span<GrammarToken> t, std::size_t i) {
    const std::size_t n = nextWord(t, i);
    return n != kNone && wordWith(t[n], How::Exact, Label::Be) && t[n].key != U"S"sv;
}

/// True when the noun at token n, asked about, is the verb it can be: nothing after it is a verb ("Does this work?",
/// not "Does this file exist?").
bool askedNounIsVerb(std::span<GrammarToken> t, std::size_t n, const GrammarContext &c) {
    std::u32string verb;
    const std::size_t after = nextWord(t, n);
    return (after == kNone || !(isVerbWord(t[after]) || isNoun(t[after]))) && c.sense &&
           c.sense(t[n].key, isVerb, verb);
}

/// "this" as the subject before its verb, or as all a verb takes, is the thing itself, นี่, not the นี้ that
/// follows a noun: "This is a book" => นี่คือหนังสือ, "This only works" => นี่ทำงานเท่านั้น, "Use this to
/// connect" => ใช้นี่เพื่อเชื่อมต่อ. "like this" is left to the phrase rules (อย่างนี้).
void thisAsPronoun(std::span<GrammarToken> t, std::size_t i, const GrammarContext &c) {
    const std::size_t p = previousWord(t, i);
    std::size_t n = nextWord(t, i);
    if (n != kNone && isAdverbWord(t[n]) && !t[n].key.ends_with(U"LY"sv) && t[n].key != U"VERY"sv &&
        !among(kAuxiliaries, t[n].key)) // (the dictionary calls some modals adverbs)
        n = nextWord(t, n);             // "This also means"
    auto verbAfter = [&] {
        const GrammarToken &v = t[n];
        if (!isWord(v))
            return false;
        if (v.label == Label::Be || among(kModals, v.key) || among(kHaveForms, v.key) || among(kDoForms, v.key) ||
            among(kDoNegatives, v.key))
            return true;
        // a verb that says its subject is one thing, or that it happened: "This adds", "This happened"
        return isVerbWord(v) &&
               (v.how == How::Write ? v.family == SuffixFamily::S || v.family == SuffixFamily::ED
                                    : v.key.size() > 3 && (v.key.back() == U'S' || v.key.ends_with(U"ED"sv)));
    };
    // (or asked about after do or a modal: "Does this work?" => นี่ทำงานไหม)
    const bool subject =
        n != kNone &&
        (verbAfter() ||
         (c.question && p != kNone && isWord(t[n]) && (among(kDoForms, t[p].key) || among(kModals, t[p].key)) &&
          (isVerbWord(t[n]) || t[n].key == U"BE"sv || (isNoun(t[n]) && askedNounIsVerb(t, n, c)))));
    const bool object = p != kNone && isVerbWord(t[p]) && t[p].key != U"LIKE"sv && !among(kHaveForms, t[p].key) &&
                        (n == kNone ? endsClause(t, i) : t[n].key == U"TO"sv);
    std::u32string meaning;
    if ((subject || object) && c.sense && c.sense(t[i].key, isPronounLabel, meaning))
        setReading(t[i], How::Exact,
                   subject && beAfter(t, i) && (p == kNone || !isWord(t[p]) || t[p].label != Label::Noun)
                       ? Label::Noun // (not after a noun, which a noun would be held with: "fears this is")
                       : Label::Pronoun,
                   meaning);
}

bool opensClauseAfterThat(std::span<GrammarToken> t, std::size_t n);

/// Verbs whose object does what a bare verb after it says: "let it go", "made him laugh", "saw it happen".
constexpr std::array kLetVerbs{U"LET"sv,   U"LETS"sv, U"MAKE"sv,  U"MAKES"sv, U"MADE"sv,  U"SEE"sv,    U"SAW"sv,
                               U"WATCH"sv, U"HEAR"sv, U"HEARD"sv, U"HELP"sv,  U"HELPS"sv, U"HELPED"sv, U"WATCHED"sv};

/// The question word that opens a question after a short address, label or clause and its mark ("Mommy, what ...",
/// "Memory fault - where am I?"), or kNone.
std::size_t questionAfterAddress(std::span<GrammarToken> t, const GrammarContext &c) {
    if (!c.question || !c.sentenceStart)
        return kNone;
    std::size_t words = 0;
    for (std::size_t k = c.firstToken; k < t.size(); ++k) {
        if (t[k].kind == Kind::Word) {
            if (++words > 3 || t[k].label == Label::Question || t[k].key == U"WHAT"sv || t[k].key == U"WHO"sv)
                return kNone; // (a question word before the mark: the question starts there)
            continue;
        }
        // (a dash comes as a piece of its own: "Memory fault - where am I?")
        if (t[k].kind == Kind::Piece ? trimSpaces(t[k].text) != U"-"sv : t[k].kind != Kind::Separator || isBlank(t[k]))
            continue;
        const std::u32string_view mark = trimSpaces(t[k].text);
        if (!(mark == U","sv || mark == U":"sv || mark == U"-"sv || mark == U";"sv) || words == 0)
            return kNone;
        const std::size_t n = nextMark(t, k);
        return n < t.size() && isWord(t[n]) &&
                       (t[n].label == Label::Question || among(kQuestionWords, t[n].key) || t[n].key == U"WHAT"sv ||
                        t[n].key == U"HOW"sv || t[n].key == U"WHY"sv)
                   ? n
                   : kNone;
    }
    return kNone;
}

void relative(std::span<GrammarToken> t, const GrammarContext &c) {
    const std::size_t addressed = questionAfterAddress(t, c); // asked once: only a question's words are looked at
    eachAnchor(t, c, [&](std::size_t i) {
        GrammarToken &w = t[i];
        if (!isWord(w) || !mayBeRelativeOrQuestion(w.key))
            return;
        if (w.key == U"THIS"sv) {
            thisAsPronoun(t, i, c);
            return;
        }
        // "Who" opening a statement before its verb asks all the same, ใคร: "Who cares if it is cold." =>
        // ใครใส่ใจถ้ามันเย็น, not ที่ใส่ใจ (with its capital: a line of wrapped prose may go on with "who came")
        if (const std::size_t n = nextWord(t, i); w.key == U"WHO"sv && w.capital && !c.question &&
                                                  firstOfSentence(i, c) && n != kNone && isWord(t[n]) &&
                                                  (isVerbWord(t[n]) || among(kModals, t[n].key))) {
            setReading(w, How::Exact, Label::Pronoun, U"ใคร"sv);
            return;
        }
        // "that" is left to a phrase rule that reads it with its neighbours (asked only where it would change)
        auto leftAsItIs = [&] { return w.key == U"THAT"sv && leftToPhraseRule(t, i, c); };
        bool comma = false;
        const std::size_t p = previousWord(t, i, &comma);
        // a question whose subject it is keeps "who" or "what" in front, as Thai asks: "Who can tell the secrets?" =>
        // ใครสามารถบอกความลับ?, "What happened?" => อะไรเกิดขึ้น? (not "What can you do?", whose subject follows)
        if (const std::size_t n = nextWord(t, i), nn = n == kNone ? kNone : nextWord(t, n);
            c.question && (w.key == U"WHO"sv || w.key == U"WHAT"sv) && (firstOfSentence(i, c) || addressed == i) &&
            n != kNone && isWord(t[n]) &&
            ((among(kModals, t[n].key) && nn != kNone && isVerbWord(t[nn])) ||
             (isVerbWord(t[n]) && !among(kDoForms, t[n].key) && !among(kHaveForms, t[n].key) &&
              (t[n].how == How::Write || t[n].key.ends_with(U"ED"sv))))) {
            std::u32string asked;
            if (w.label == Label::Question)
                asked = w.meaning;
            else if (!c.sense || !c.sense(w.key, isQuestionLabel, asked))
                return;
            setReading(w, How::Exact, Label::Pronoun, asked);
            return;
        }
        // "that" between let, make, see ... and the verb it lets or makes do is the thing itself: "Don't let that
        // stop you" => อย่าให้นั่นหยุดคุณ, not ให้ว่าหยุด
        if (const std::size_t n = nextWord(t, i);
            w.key == U"THAT"sv && p != kNone && !comma && n != kNone && isWord(t[p]) && among(kLetVerbs, t[p].key) &&
            isWord(t[n]) && t[n].how == How::Exact &&
            std::all_of(t.begin() + static_cast<std::ptrdiff_t>(p) + 1, t.begin() + static_cast<std::ptrdiff_t>(i),
                        [](const GrammarToken &b) { return b.kind == Kind::Dropped; }) && // (not after 'make')
            ((isVerb(t[n].label) && !t[n].key.ends_with(U"S"sv) && !t[n].key.ends_with(U"ED"sv)) ||
             t[n].key == U"BE"sv)) {
            setReading(w, How::Exact, Label::Pronoun, U"นั่น"sv);
            return;
        }
        // "which" asking for the subject stays in front: "Which is better?" => อันไหนดีกว่า?; before its noun it
        // follows the noun: "Which file has more lines?" => แฟ้มไหนมีบรรทัด...
        if (const std::size_t n = nextWord(t, i), nn = n == kNone ? kNone : nextWord(t, n);
            w.key == U"WHICH"sv && c.question && (firstOfSentence(i, c) || addressed == i) && n != kNone &&
            isWord(t[n])) {
            auto verbAt = [&](std::size_t k) {
                return k != kNone && isWord(t[k]) &&
                       (t[k].label == Label::Be || among(kHaveForms, t[k].key) || among(kModals, t[k].key) ||
                        (isVerbWord(t[k]) && (t[k].how == How::Write || t[k].key.ends_with(U"ED"sv))));
            };
            if (verbAt(n) && t[n].key != U"ONE"sv) {
                setReading(w, How::Exact, Label::Pronoun, U"อันไหน"sv);
                return;
            }
            if (isNoun(t[n]) && verbAt(nn)) {
                t[n].tail += U"ไหน"sv;
                w.kind = Kind::Dropped;
                return;
            }
        }
        // "which one" asks อันไหน, which says the one already; "that one" is อันนั้น (not "that one man")
        if (const std::size_t n = nextWord(t, i); (w.key == U"WHICH"sv || w.key == U"THAT"sv) && n != kNone &&
                                                  isWord(t[n]) && t[n].key == U"ONE"sv && t[n].how == How::Exact) {
            if (const std::size_t after = nextWord(t, n);
                after == kNone || !(isNoun(t[after]) || wordWith(t[after], How::Exact, Label::Adjective))) {
                if (w.key == U"WHICH"sv)
                    setReading(w, How::Exact, Label::Question, U"อันไหน"sv);
                else
                    setReading(w, How::Exact, Label::Other, U"อันนั้น"sv);
                t[n].kind = Kind::Dropped;
            }
            return;
        }
        // "the one" before a relative is a thing, อัน, or before who a person, คน: "the one that works" => อันที่ทำงาน
        if (p != kNone && isWord(t[p]) && (t[p].key == U"ONE"sv || t[p].key == U"ONES"sv) &&
            (t[p].how == How::Exact || t[p].how == How::Write) && !comma) { // ("the ones who fight" => คนที่ต่อสู้)
            const std::size_t a = previousWord(t, p);
            // (or "One who" opening a clause: "One who doubts" => คนที่สงสัย)
            if ((a != kNone && (isArticle(t[a]) || wordWith(t[a], How::Exact, Label::Adjective))) ||
                (a == kNone && t[p].key == U"ONE"sv && w.key == U"WHO"sv))
                setReading(t[p], How::Exact, Label::Noun, w.key == U"WHO"sv ? U"คน"sv : U"อัน"sv);
        }
        // after a verb of knowing or saying "who" asks, inside the statement: "know who has taken it" =>
        // รู้ว่าใครเอามัน, not รู้ที่...
        // (also after remember, forget, wonder, ask ...; "who he is" ends with its question: ว่าเขาเป็นใคร)
        // (care and matter after not, which the dictionary reads first as nouns: "I don't care who wins")
        const auto deniedCareOrMatter = [&] {
            const std::size_t n = previousWord(t, p);
            return (t[p].key == U"CARE"sv || t[p].key == U"MATTER"sv) && n != kNone &&
                   (t[n].key == U"NOT"sv || t[n].key == U"T"sv);
        };
        // (and after about, on, upon or over: "worry about who makes its laws" => กังวลเกี่ยวกับว่าใครทำ...,
        // "depends on who asks" => ขึ้นอยู่กับว่าใครถาม)
        const bool afterAbout =
            p != kNone && !comma && isWord(t[p]) && t[p].label == Label::Preposition &&
            (t[p].key == U"ABOUT"sv || t[p].key == U"ON"sv || t[p].key == U"UPON"sv || t[p].key == U"OVER"sv);
        if (w.key == U"WHO"sv && p != kNone && !comma &&
            (afterAbout || ((isVerbWord(t[p]) || deniedCareOrMatter()) &&
                            (verbFormOf<kSayingVerbs>(t[p].key) || verbFormOf<kAskingWhoVerbs>(t[p].key))))) {
            if (const std::size_t s = nextWord(t, i), b = s == kNone ? kNone : nextWord(t, s);
                b != kNone && isWord(t[s]) && (among(kSubjects, t[s].key) || among(kSubjectsAtClauseStart, t[s].key)) &&
                wordWith(t[b], How::Exact, Label::Be) &&
                (nextWord(t, b) == kNone || endsClause(t, b) ||
                 (nextMark(t, b) < t.size() && t[nextMark(t, b)].text.starts_with(U"."sv)))) {
                setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
                setReading(t[b], How::Exact, Label::Other, U"เป็นใคร"sv);
                return;
            }
            setReading(w, How::Exact, Label::Pronoun, U"ว่าใคร"sv);
            return;
        }
        // "who" opening a question's clause after and, but or or asks for its subject: "but who gets the rights?" =>
        // แต่ใครได้สิทธิ, not แต่ที่ได้...
        if (const std::size_t n = nextWord(t, i);
            w.key == U"WHO"sv && c.question && p != kNone && isWord(t[p]) &&
            (t[p].key == U"AND"sv || t[p].key == U"BUT"sv || t[p].key == U"OR"sv) && n != kNone && isVerbWord(t[n]) &&
            !among(kAuxiliaries, t[n].key) && !leftToPhraseRule(t, i, c)) { // ("but who cares?" => แต่ใครสนล่ะ)
            setReading(w, How::Exact, Label::Pronoun, U"ใคร"sv);
            return;
        }
        if (w.key == U"WHOSE"sv) { // "the man whose ear was bitten" => ผู้ชายที่หูถูกกัด
            if (p != kNone && isNoun(t[p]) && !c.question)
                setReading(w, How::Exact, Label::Conjunction, comma ? U"ซึ่ง"sv : U"ที่"sv);
            return;
        }
        // who or what asking for the subject stays first: "Who wrote the book?" => ใครเขียนหนังสือ
        if ((w.key == U"WHO"sv || w.key == U"WHAT"sv) && c.question && (firstOfSentence(i, c) || addressed == i)) {
            const std::size_t n = nextWord(t, i);
            // (or a modal and the word after it: "Who would frame someone?" => ใครจะใส่ร้าย...)
            const bool modal = n != kNone && isWord(t[n]) && w.key == U"WHO"sv && among(kModals, t[n].key) &&
                               nextWord(t, n) != kNone && isWord(t[nextWord(t, n)]) &&
                               !isPronounLabel(t[nextWord(t, n)].label);
            if (n != kNone &&
                (modal || (isVerbWord(t[n]) && !among(kAuxiliaries, t[n].key) && !t[n].key.ends_with(U"ING"sv))) &&
                (w.key == U"WHO"sv || !endsClause(t, n))) { // "What happened?" is left to the phrase rules

                setReading(w, How::Exact, Label::Pronoun, w.key == U"WHO"sv ? U"ใคร"sv : U"อะไร"sv);
                return;
            }
        }
        // after a verb, "which" or "what" + a bare noun phrase + "to" + a verb is the thing to do it with: "Choose
        // which file to use" => เลือกแฟ้มที่จะใช้, "Specifies what executable to run" => ระบุไฟล์ที่ทำงานได้ที่จะรัน
        if (const std::size_t n = nextWord(t, i);
            !c.question && (w.key == U"WHICH"sv || w.key == U"WHAT"sv) && p != kNone && !comma && n != kNone &&
            isVerbWord(t[p]) && isWord(t[n]) && (isNoun(t[n]) || wordWith(t[n], How::Exact, Label::Adjective))) {
            std::size_t to = n;
            while (to != kNone && isWord(t[to]) && (isNoun(t[to]) || wordWith(t[to], How::Exact, Label::Adjective)))
                to = nextWord(t, to);
            if (const std::size_t v = to == kNone ? kNone : nextWord(t, to); v != kNone && isWord(t[to]) &&
                                                                             t[to].key == U"TO"sv && isVerbWord(t[v]) &&
                                                                             !leftToPhraseRule(t, to, c)) {
                w.kind = Kind::Dropped;
                setReading(t[to], How::Exact, Label::Other, U"ที่จะ"sv);
                return;
            }
        }
        if (w.key == U"WHAT"sv) { // "This is what I want" => นี้คือสิ่งที่ฉันต้องการ, not ...ฉันต้องการอะไร
            const std::size_t n = nextWord(t, i);
            // "What do you call ...?" asks the name: ว่าอะไร ("What do you call a man with no arms?" =>
            // คุณเรียกผู้ชายกับไม่มีแขนว่าอะไร?)
            if (const std::size_t s = n == kNone ? kNone : nextWord(t, n), v = s == kNone ? kNone : nextWord(t, s);
                c.question && v != kNone && (firstOfSentence(i, c) || addressed == i) && among(kDoForms, t[n].key) &&
                wordWith(t[s], How::Exact, Label::Pronoun) && isWord(t[v]) &&
                (t[v].key == U"CALL"sv || t[v].key == U"NAME"sv) && w.meaning == U"อะไร"sv) {
                w.setMeaning(U"ว่าอะไร"sv);
                return;
            }
            // "What a" opening a sentence that asks nothing exclaims: "What a crime!" => ช่างเป็นอาชญากรรม!; a
            // pronoun and its be after the noun phrase are not written ("What a day it is" => ช่างเป็นวัน...)
            // (only where the noun phrase ends the clause or "to" or a pronoun and its be follow it; not "What a
            // computer is to me is", "What an author likes to write")
            if (const std::size_t last = n != kNone && isArticle(t[n]) && (t[n].key == U"A"sv || t[n].key == U"AN"sv)
                                             ? lastNounFrom(t, nextWord(t, n), false)
                                             : kNone,
                s = last == kNone ? kNone : nextWord(t, last), b = s == kNone ? kNone : nextWord(t, s);
                !c.question && firstOfSentence(i, c) && last != kNone && !leftToPhraseRule(t, i, c)) {
                const bool itIs = b != kNone && wordWith(t[s], How::Exact, Label::Pronoun) &&
                                  (among(kSubjects, t[s].key) || t[s].key == U"IT"sv || t[s].key == U"YOU"sv ||
                                   t[s].key == U"THIS"sv) &&
                                  wordWith(t[b], How::Exact, Label::Be) && endsClause(t, b);
                if (s == kNone || endsClause(t, last) || itIs || (isWord(t[s]) && t[s].key == U"TO"sv)) {
                    setReading(w, How::Exact, Label::Other, U"ช่างเป็น"sv);
                    if (itIs)
                        t[s].kind = t[b].kind = Kind::Dropped;
                    return;
                }
            }
            // after a verb (and its object), "what" + a subject + a be that ends the clause asks what it is: "tell
            // them what the limits are" => บอกพวกเขาว่าขีดจำกัดคืออะไร, "I know what it is" => ฉันรู้ว่ามันคืออะไร
            // (or after a verb's particle: "figure out what the problem is" => คิดออกว่าปัญหาคืออะไร)
            const bool particle = p != kNone && isWord(t[p]) && (t[p].key == U"OUT"sv || t[p].key == U"UP"sv) &&
                                  previousWord(t, p) != kNone && isWord(t[previousWord(t, p)]);
            if (!c.question && p != kNone && n != kNone &&
                (isVerbWord(t[p]) || particle ||
                 (wordWith(t[p], How::Exact, Label::Pronoun) && among(kOnlyObjects, t[p].key)))) {
                std::size_t b = n;
                for (std::size_t words = 0;
                     b != kNone && words < kMostWordsBetween &&
                     (isArticle(t[b]) || isNoun(t[b]) || wordWith(t[b], How::Exact, Label::Adjective) ||
                      (wordWith(t[b], How::Exact, Label::Pronoun) && (b == n)));
                     b = nextWord(t, b), ++words) {
                }
                if (b != kNone && b != n && wordWith(t[b], How::Exact, Label::Be) && t[b].key != U"BE"sv &&
                    (nextWord(t, b) == kNone || endsClause(t, b))) {
                    setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
                    setReading(t[b], How::Exact, Label::Other, U"คืออะไร"sv);
                    return;
                }
            }
            // opening a statement, before a noun phrase, its verb and a be, it is the thing: "What this country needs
            // is a dime" => สิ่งที่ประเทศนี้ต้องการคือเหรียญสิบเซ็นต์, not ...อะไร at the end
            if (!c.question && firstOfSentence(i, c) && n != kNone) {
                std::size_t v = n;
                for (std::size_t words = 0; v != kNone && words <= kMostWordsBetween &&
                                            (isArticle(t[v]) || isNoun(t[v]) || among(kDemonstratives, t[v].key) ||
                                             wordWith(t[v], How::Exact, Label::Adjective));
                     v = nextWord(t, v), ++words) {
                }
                // (a noun before the verb: not "What a wonder is USENET")
                if (const std::size_t s = v == kNone ? kNone : previousWord(t, v);
                    v != kNone && v != n && isVerbWord(t[v]) && s != kNone &&
                    (isNoun(t[s]) || among(kDemonstratives, t[s].key)))
                    for (std::size_t k = nextWord(t, v), words = 0; k != kNone && words < kMostClauseWords;
                         k = nextWord(t, k), ++words)
                        if (wordWith(t[k], How::Exact, Label::Be)) {
                            setReading(w, How::Exact, Label::Pronoun, U"สิ่งที่"sv);
                            return;
                        }
            }
            // "what you want": the thing you want; inside a statement also "doing what is right", "what happened"
            if (!c.question && n != kNone && (isWord(t[n]) || t[n].key == U"THE"sv) &&
                (t[n].label == Label::Pronoun ||
                 (!firstOfSentence(i, c) && (t[n].key == U"THE"sv || among(kDeterminers, t[n].key))) ||
                 // (a bare noun and its modal or verb: "express what words can never express"; not a noun "what"
                 // tells which of, before a passive: "what syntax should be used", nor a heading's)
                 (!firstOfSentence(i, c) && isNoun(t[n]) && !t[n].capital && nextWord(t, n) != kNone &&
                  isWord(t[nextWord(t, n)]) &&
                  (among(kModals, t[nextWord(t, n)].key) || isVerbWord(t[nextWord(t, n)])) &&
                  !std::any_of(t.begin() + static_cast<std::ptrdiff_t>(n), t.end(),
                               [](const GrammarToken &w) {
                                   return (w.kind == Kind::Word || w.kind == Kind::Dropped) && w.key == U"BE"sv;
                               })) ||
                 (!firstOfSentence(i, c) && isWord(t[n]) &&
                  (t[n].label == Label::Be ||
                   (isVerbWord(t[n]) && !t[n].key.ends_with(U"ING"sv) && !among(kAuxiliaries, t[n].key))))))
                setReading(w, How::Exact, Label::Pronoun, U"สิ่งที่"sv);
            return;
        }
        // "so" + an adjective or an adverb + "that" says what follows from how much: มากจน ("She was so tired that she
        // fell asleep" => เธอเหนื่อยมากจนเธอตกหลับ, not เหนื่อยว่า)
        if (const std::size_t so = p == kNone ? kNone : previousWord(t, p);
            w.key == U"THAT"sv && so != kNone && !comma && isWord(t[so]) && t[so].key == U"SO"sv && isWord(t[p]) &&
            (t[p].label == Label::Adverb || t[p].label == Label::Adjective ||
             (previousWord(t, so) != kNone && adjectiveAfterDegree(t, so, p, c))) && // (not "So live that you")
            (t[p].how == How::Exact || t[p].how == How::Hold) &&
            nextWord(t, i) != kNone) {
            t[so].kind = Kind::Dropped; // (after sure, glad, sorry ... what is meant: "so sure that" => แน่ใจมากว่า)
            setReading(w, How::Exact, Label::Conjunction,
                       among(kFeelingThat, t[p].key)                    ? U"มากว่า"sv
                       : t[p].key == U"MUCH"sv || t[p].key == U"MANY"sv ? U"จน"sv // (มาก is there: "so much that")
                                                                        : U"มากจน"sv);
            return;
        }
        if (w.key == U"THAT"sv && p != kNone && !comma && t[p].key == U"NOW"sv && isWord(t[p]) &&
            previousWord(t, p) == kNone && // (opening the clause: "I know now that" says ว่า, "Now that's" นั่น)
            !(i + 1 < t.size() && t[i + 1].kind == Kind::Separator && !isBlank(t[i + 1]))) {
            setReading(w, How::Exact, Label::Conjunction, U"ที่"sv); // "Now that you know" => ตอนนี้ที่คุณรู้
            return;
        }
        // after the do of a question "that" is its subject: "Does that work?" => นั่นทำงานไหม
        if (w.key == U"THAT"sv && c.question && p != kNone && isWord(t[p]) && among(kDoForms, t[p].key) &&
            firstOfSentence(p, c) && nextWord(t, i) != kNone &&
            (isVerbWord(t[nextWord(t, i)]) || nounAsVerb(t[nextWord(t, i)], c))) {
            setReading(w, How::Exact, Label::Pronoun, U"นั่น"sv);
            return;
        }
        // be + "that" + a clause says what something is: "My theory is that the universe was made" =>
        // ทฤษฎีของฉันคือจักรวาลถูกทำ; after a modal "be" keeps เป็น: "It may be that you" => มันอาจจะเป็นว่าคุณ
        // (also before a noun and its -s verb or modal, "is that reality has", before an adverb that opens such a
        // clause, "is that sometimes you must", and before if or when, "is that if it is")
        auto clauseAfterBeThat = [&](std::size_t n) {
            if (opensClauseAfterThat(t, n))
                return true;
            if (n == kNone || !isWord(t[n]) || t[n].quiet)
                return false;
            const std::size_t v = nextWord(t, n);
            return t[n].key == U"IF"sv || t[n].key == U"WHEN"sv ||
                   (isAdverbWord(t[n]) && t[n].key != U"NOT"sv && opensClauseAfterThat(t, v)) ||
                   (isNoun(t[n]) && (t[n].how == How::Exact || t[n].how == How::Write) && !t[n].capital && v != kNone &&
                    isWord(t[v]) &&
                    (among(kModals, t[v].key) || t[v].label == Label::Be || // ("is that psychologists are trying")
                     (isVerbWord(t[v]) && t[v].key.size() > 2 && t[v].key.back() == U'S')));
        };
        if (const std::size_t b = p != kNone && isAdverbWord(t[p]) ? previousWord(t, p) : p;
            w.key == U"THAT"sv && !c.question && !comma && b != kNone && wordWith(t[b], How::Exact, Label::Be) &&
            clauseAfterBeThat(nextWord(t, i)) &&
            !(previousWord(t, b) != kNone && among(kSubjects, t[previousWord(t, b)].key))) { // "how glad I am that"
            if (!leftAsItIs()) {
                const std::size_t m = previousWord(t, b);
                const std::size_t n = nextWord(t, i);
                if (t[b].key == U"BE"sv || (m != kNone && isWord(t[m]) && among(kModals, t[m].key))) {
                    setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
                } else if (b != p && (t[p].key == U"NOT"sv || t[p].key == U"T"sv)) { // "It isn't that I" =>
                    setReading(t[b], How::Exact, Label::Other, U"ไม่ใช่"sv); // มันไม่ใช่ว่าฉัน
                    t[p].kind = Kind::Dropped;
                    setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
                } else if (b != p) { // "It's just that some people" => มันแค่ว่าบางคน
                    setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
                    t[b].kind = Kind::Dropped;
                } else if (const std::size_t a = isArticle(t[n]) ? nextWord(t, n) : n;
                           a != kNone && (joinsPhraseRule(U"คือ"sv, ownThai(t[a])) ||
                                          (c.phraseHolds && c.phraseHolds({}, U"คือ"sv, ownThai(t[a]))))) {
                    setReading(t[b], How::Exact, Label::Other, U"คือ"sv); // (a phrase rule would read คือรายงาน
                    setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv); // as the passive ถูกรายงาน)
                } else {
                    setReading(t[b], How::Exact, Label::Other, U"คือ"sv);
                    w.kind = Kind::Dropped;
                }
            }
            return;
        }
        // opening a clause (after and, but, because or a comma) before be, "that" is the thing said:
        // นั่น ("and that is laughter" => และนั่นเป็นเสียงหัวเราะ, not ที่เป็น); not "that is," (นั่นคือ,)
        if (const std::size_t n = nextWord(t, i);
            w.key == U"THAT"sv && n != kNone && wordWith(t[n], How::Exact, Label::Be) && !endsClause(t, n) &&
            t[n].key != U"S"sv && p != kNone && // (opening a sentence the phrase rules make it นั่นคือ already)
            (comma || (isWord(t[p]) && (t[p].key == U"AND"sv || t[p].key == U"BUT"sv || t[p].key == U"BECAUSE"sv ||
                                        t[p].key == U"SO"sv)))) {
            setReading(w, How::Exact, Label::Pronoun, U"นั่น"sv);
            return;
        }
        // after an adverb between commas, what is said or follows: "Note, however, that virgins tend" =>
        // บันทึก, อย่างไรก็ตาม, ว่า..., "It follows, therefore, that writing is" (not before a verb or be)
        if (const std::size_t n = nextWord(t, i), b = p == kNone ? kNone : previousWord(t, p);
            w.key == U"THAT"sv && comma && p != kNone && wordWith(t[p], How::Exact, Label::Adverb) && b == kNone &&
            previousWord(t, p, &comma) != kNone && n != kNone && t[n].key != U"S"sv && // (not "now, that's")
            !isVerbWord(t[n]) && !(isWord(t[n]) && (t[n].label == Label::Be || among(kAuxiliaries, t[n].key)))) {
            setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
            return;
        }
        // "He that composes", "those that have": the relative after its pronoun, ที่
        if (const std::size_t n = nextWord(t, i); w.key == U"THAT"sv && !comma && p != kNone && n != kNone &&
                                                  isWord(t[p]) && among(kThatPronouns, t[p].key) && isVerbWord(t[n]) &&
                                                  !leftAsItIs()) {
            setReading(w, How::Exact, Label::Conjunction, U"ที่"sv);
            return;
        }
        // before I, we, they, he or she, after a verb, not, an adverb or a conjunction: what is said or known ("knows
        // not that he knows" => รู้ไม่ว่าเขารู้, "but that he dances" => แต่ว่าเขาเต้นรำ)
        // (and before it or you when a verb follows them: "find out that it's not there" => ค้นพบว่ามัน...)
        if (const std::size_t n = nextWord(t, i), nn = n == kNone ? kNone : nextWord(t, n);
            w.key == U"THAT"sv && p != kNone && n != kNone && isWord(t[n]) &&
            (among(kSubjects, t[n].key) ||
             (among(kSubjectsAtClauseStart, t[n].key) && nn != kNone && isWord(t[nn]) &&
              (t[nn].label == Label::Be || among(kModals, t[nn].key) || isVerbWord(t[nn])))) &&
            isWord(t[p]) &&
            (!among(kThatOpeners, t[p].key) || // ("knew now that I could")
             (t[p].key == U"NOW"sv && previousWord(t, p) != kNone && isVerbWord(t[previousWord(t, p)]))) &&
            (isVerbWord(t[p]) || t[p].label == Label::Be || isAdverbWord(t[p]) || t[p].key == U"NOT"sv ||
             t[p].key == U"AND"sv || t[p].key == U"BUT"sv || t[p].key == U"OR"sv) &&
            !leftAsItIs()) {
            setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
            return;
        }
        // after a preposition, ending its clause, "that" is the thing: "rely on that," => พึ่งพานั่น, not ซึ่งว่า;
        // so after a verb ("While doing that," => ขณะที่ทำนั่น, not ทำที่) but where a phrase rule reads them
        // ("After that," => หลังจากนั้น, "I know that." => ฉันรู้ว่า)
        if (std::u32string that;
            w.key == U"THAT"sv && p != kNone && !comma && t[p].key != U"LIKE"sv &&
            (wordWith(t[p], How::Exact, Label::Preposition) || t[p].key == U"THAN"sv || isVerbWord(t[p])) &&
            nextWord(t, i) == kNone && // ("than that." => กว่านั่น)
            endsClause(t, i) && !readWithWordBefore(t, i, c) && c.sense && c.sense(w.key, isPronounLabel, that)) {
            setReading(w, How::Exact, Label::Pronoun, that);
            return;
        }
        // "like that" compares with it: นั่น, not ว่า ("It isn't like that at all" => มันไม่เหมือนนั่นเลย)
        if (const std::size_t n = nextWord(t, i);
            w.key == U"THAT"sv && p != kNone && !comma && t[p].key == U"LIKE"sv && (n == kNone || !isNoun(t[n]))) {
            setReading(w, How::Exact, Label::Pronoun, U"นั่น"sv);
            return;
        }
        // after a subject a word read first as a noun is the verb whose object "that" opens: "I doubt that" => ว่า
        if (w.key == U"THAT"sv && p != kNone && !comma && wordWith(t[p], How::Exact, Label::Noun)) {
            const std::size_t s = previousWord(t, p);
            if (s != kNone && wordWith(t[s], How::Exact, Label::Pronoun) &&
                (among(kSubjects, t[s].key) || t[s].key == U"YOU"sv) && nounAsVerb(t[p], c)) {
                if (!leftAsItIs())
                    setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
                return;
            }
        }
        // (and after a name the dictionary writes in Thai, before its verb: "systems like GNU that do not" =>
        // ระบบเช่นกนูที่ไม่...)
        auto nameBeforeVerb = [&] {
            const std::size_t n = nextWord(t, i);
            return !comma && isWord(t[p]) && t[p].capital && t[p].how == How::Exact &&
                   (t[p].label == Label::Other || t[p].label == Label::Reading) && n != kNone && isWord(t[n]) &&
                   (isVerbWord(t[n]) || among(kDoForms, t[n].key) || among(kDoNegatives, t[n].key) ||
                    among(kModals, t[n].key));
        };
        if (among(kRelatives, w.key) && p != kNone && !ofCourse(t, p) && addressed != i &&
            (isNoun(t[p]) || (w.key.starts_with(U"WHO"sv) && wordWith(t[p], How::Exact, Label::Pronoun)) ||
             (isWord(t[p]) && among(kIndefinites, t[p].key)) || nameBeforeVerb())) {
            // before be or have the phrase rules would write ที่ too, but a later rule may leave the be or the have
            // unwritten ("a repository that has lost" => คลังที่สูญเสีย, not คลังซึ่งว่าสูญเสีย)
            const std::size_t n = nextWord(t, i);
            // ("that is," opening an explanation is นั่นคือ)
            const bool be = n != kNone && (wordWith(t[n], How::Exact, Label::Be) || among(kHaveForms, t[n].key)) &&
                            !endsClause(t, n);
            // (so before a modal, whose "not" a later rule puts first: "an accident that couldn't wait" =>
            // อุบัติเหตุที่ไม่สามารถรอ, where the phrase rules would have met ซึ่งว่าสามารถไม่)
            const bool modal =
                n != kNone && isWord(t[n]) && (among(kModals, t[n].key) || among(kNegativeModals, t[n].key));
            if (be || modal || !leftAsItIs())
                setReading(w, How::Exact, Label::Conjunction, comma || afterDemonstrative(t, p) ? U"ซึ่ง"sv : U"ที่"sv);
            return;
        }
        const std::size_t n = nextWord(t, i);
        if (w.key == U"THAT"sv && p != kNone && n != kNone && !comma) {
            // after a name the dictionary lacks, before a verb, the relative: "a feature of GCC that enables" =>
            // ...GCC ที่เปิดใช้งาน
            // (or before be: "ulong that is smaller" => ulong ที่เล็กกว่า)
            if (isWord(t[p]) && !t[p].quiet && (t[p].how == How::Unrendered || t[p].how == How::RawFallback) &&
                (isVerbWord(t[n]) || wordWith(t[n], How::Exact, Label::Be)) &&
                (wordWith(t[n], How::Exact, Label::Be) || !leftAsItIs())) {
                setReading(w, How::Exact, Label::Conjunction, U"ที่"sv);
                return;
            }
            // after a verb and its adverb, what is said: "incorrectly said that the upstream" => ...ว่าต้นทาง
            if (const std::size_t v = previousWord(t, p); v != kNone && isAdverbWord(t[p]) &&
                                                          t[p].key.ends_with(U"LY"sv) && isVerbWord(t[v]) &&
                                                          verbFormOf<kThinkingVerbs>(t[v].key) && !leftAsItIs()) {
                setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
                return;
            }
            // after a verb of telling and its pronoun, what is told: "tells us that we" => บอกเราว่าเรา
            if (const std::size_t v = previousWord(t, p);
                v != kNone && wordWith(t[p], How::Exact, Label::Pronoun) && among(kObjectPronouns, t[p].key) &&
                isVerbWord(t[v]) &&
                (verbFormOf<kSayingVerbs>(t[v].key) || verbFormOf<kAskingVerbs>(t[v].key) ||
                 opensClauseAfterThat(t, n)) && // "convince you that you must"
                !leftAsItIs()) {
                setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
                return;
            }
        }
        // "that" before are/were, or after a plural (even one read as a verb: "the braces that surround") before a
        // verb without -s, or after a word that is no verb before a verb with -s ("A filter primitive that
        // translates"), cannot be a pronoun or a conjunction: it is the relative.
        if (w.key == U"THAT"sv && p != kNone && n != kNone && isWord(t[n]) && t[p].kind != Kind::Separator &&
            (t[n].key == U"ARE"sv || t[n].key == U"WERE"sv ||
             (isWord(t[p]) && (t[p].label == Label::Noun || t[p].label == Label::Adjective || t[p].key == U"ONE"sv) &&
              !isVerbWord(t[p]) && t[n].how == How::Write && t[n].family == SuffixFamily::S && isVerb(t[n].label)) ||
             (isWord(t[p]) && t[p].key.size() > 3 && t[p].key.back() == U'S' && t[n].how == How::Exact &&
              isVerb(t[n].label) && t[n].key.back() != U'S'))) {
            // (the phrase rules would read ซึ่งว่า before the verb as ที่ too, but a later rule may drop the be; a
            // verb such as "means" is left to the rule that reads it with "that", หมายความว่า)
            if (wordWith(t[n], How::Exact, Label::Be) || !leftAsItIs())
                setReading(w, How::Exact, Label::Conjunction, comma ? U"ซึ่ง"sv : U"ที่"sv);
            return;
        }
        std::u32string meaning;
        if (w.key == U"THAT"sv && n == kNone && p != kNone && isVerbWord(t[p]) && endsClause(t, i) && c.sense &&
            c.sense(w.key, isPronounLabel, meaning)) { // "Did you know that?": the thing, นั่น
            if (!leftAsItIs())
                setReading(w, How::Exact, Label::Pronoun, meaning);
            return;
        }
        // "I think that's how": what is said, and "that" its subject (ว่านั่นคือ), not ว่าอยู่
        if (w.key == U"THAT"sv && !comma && p != kNone && isVerbWord(t[p]) && n != kNone && t[n].key == U"S"sv &&
            wordWith(t[n], How::Exact, Label::Be)) {
            setReading(w, How::Exact, Label::Conjunction, U"ว่านั่น"sv);
            return;
        }
        if (w.key == U"THAT"sv && !comma && p != kNone &&
            ((isVerbWord(t[p]) && (n == kNone || !isNoun(t[n]) || among(kDemonstratives, t[n].key))) ||
             wordWith(t[p], How::Exact, Label::Adjective))) {
            if (!leftAsItIs())
                setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
            return;
        }
        // (after a preposition also before an adjective and its noun: "to that aggregate function" =>
        // ไปยังฟังก์ชันรวมนั้น)
        const bool adjectiveNoun = n != kNone && wordWith(t[n], How::Exact, Label::Adjective) &&
                                   !among(kOwners, t[n].key) && !among(kDeterminers, t[n].key) &&
                                   nextWord(t, n) != kNone && isNoun(t[nextWord(t, n)]) && p != kNone &&
                                   wordWith(t[p], How::Exact, Label::Preposition);
        if (w.key == U"THAT"sv && adjectiveNoun && !among(kThatOpeners, t[p].key) && c.sense &&
            c.sense(w.key, isNounLabel, meaning)) { // after the noun phrase, which an adjective would end
            t[nextWord(t, n)].tail.insert(0, meaning);
            w.kind = Kind::Dropped;
            return;
        }
        if (w.key == U"THAT"sv && n != kNone && (isNoun(t[n]) || adjectiveNoun) &&
            (p == kNone || isVerbWord(t[p]) || wordWith(t[p], How::Exact, Label::Preposition) ||
             // "Only that directory is searched" => เพียงไดเรกทอรีนั้น... (not "It is only that people")
             (isWord(t[p]) && (t[p].key == U"ONLY"sv || t[p].key == U"EVEN"sv || t[p].key == U"JUST"sv) && !comma &&
              (previousWord(t, p) == kNone || !wordWith(t[previousWord(t, p)], How::Exact, Label::Be))) ||
             (isWord(t[p]) && !among(kThatOpeners, t[p].key) && // ("so that users know" is เพื่อให้)
              (among(kClauseOpeners, t[p].key) || among(kQuestionOpeners, t[p].key))) ||
             // "do it that way."
             (t[p].how != How::Hold && !among(kThatOpeners, t[p].key) && endsClause(t, n))) &&
            c.sense && c.sense(w.key, isNounLabel, meaning)) {
            // (after a verb before a noun phrase that ends the clause it points, whatever a phrase rule would make
            // of the verb and ว่า: "It displays that reference." => มันแสดงการอ้างอิงนั้น)
            std::size_t last = n;
            for (std::size_t k = nextWord(t, n);
                 k != kNone && (isNoun(t[k]) || wordWith(t[k], How::Exact, Label::Adjective)); k = nextWord(t, k))
                last = k;
            auto endsSentence = [&] { // (a mark that ends the sentence, not a comma: "realize that alcohol, and")
                std::size_t k = last + 1;
                while (k < t.size() && isBlank(t[k]))
                    ++k;
                return k < t.size() && t[k].kind == Kind::Separator && !t[k].text.empty() &&
                       U".;!?)"sv.find(t[k].text[0]) != std::u32string_view::npos;
            };
            const bool pointed = p != kNone && isVerbWord(t[p]) && endsSentence();
            // (not left to "in that" = ตรงที่ before a noun: "in that passage" => ในทางเดินนั้น)
            if ((p != kNone && wordWith(t[p], How::Exact, Label::Preposition) && !among(kThatOpeners, t[p].key)) ||
                pointed || !leftAsItIs()) // "that switch": held after its noun, สวิตช์นั้น
                setReading(w, How::Exact, Label::Noun, meaning);
            return;
        }
        // "That happened", "If that fails": the subject before its verb, นั่น (and over adverbs: "That absolutely
        // will cause" => นั่นอย่างแน่นอนจะ...)
        if (const std::size_t a =
                w.key == U"THAT"sv && n != kNone && isAdverbWord(t[n]) && !among(kModals, t[n].key)
                    ? stepOver(t, i, true,
                               [](const GrammarToken &x) { return isAdverbWord(x) && !among(kModals, x.key); })
                    : kNone;
            a != kNone && p == kNone && firstOfSentence(i, c) && isWord(t[a]) &&
            (among(kModals, t[a].key) || (isVerbWord(t[a]) && t[a].how == How::Write)) && c.sense &&
            c.sense(w.key, isPronounLabel, meaning)) {
            setReading(w, How::Exact, Label::Pronoun, meaning);
            return;
        }
        // "that of" after a preposition or "than" is the thing of what follows, unwritten: "similar to that of the
        // library" => คล้ายกับของไลบรารี, not กับซึ่งว่าของ; before a participle after "than" it is ที่ ("better than
        // that achieved by" => ดีกว่าที่บรรลุโดย)
        if (w.key == U"THAT"sv && n != kNone && p != kNone && isWord(t[p]) && isWord(t[n]) &&
            !among(kThatOpeners, t[p].key) && // ("except that of course" is ยกเว้นว่า)
            (wordWith(t[p], How::Exact, Label::Preposition) || t[p].key == U"THAN"sv || t[p].key == U"AS"sv)) {
            if (const std::size_t o = nextWord(t, n); t[n].key == U"OF"sv && !(o != kNone && t[o].key == U"COURSE"sv)) {
                // (after "than" อัน, which no phrase rule reads with what comes before: "greater than that of" =>
                // มากกว่าอันของ)
                if (t[p].key == U"THAN"sv)
                    setReading(w, How::Exact, Label::Pronoun, U"อัน"sv);
                else
                    w.kind = Kind::Dropped;
                return;
            }
            if (t[p].key == U"THAN"sv &&
                (isParticiple(t[n]) || (t[n].how == How::Write && t[n].family == SuffixFamily::ED))) {
                setReading(w, How::Exact, Label::Conjunction, U"ที่"sv);
                return;
            }
        }
        // "That happened", "If that fails": the subject before its verb, นั่น
        if (w.key == U"THAT"sv && n != kNone &&
            (p == kNone ? firstOfSentence(i, c) : among(kClauseOpeners, t[p].key)) && !comma &&
            ((isVerbWord(t[n]) &&
              (t[n].how == How::Write
                   ? t[n].family == SuffixFamily::ED || t[n].family == SuffixFamily::S
                   : t[n].key.ends_with(U"ED"sv) || (p == kNone && t[n].key.ends_with(U"S"sv) && // "That puts each"
                                                     !t[n].key.ends_with(U"SS"sv)))) ||
             (p == kNone && isWord(t[n]) &&
              (among(kModals, t[n].key) || among(kHaveForms, t[n].key) || among(kDoForms, t[n].key) ||
               among(kDoNegatives, t[n].key)))) && // "That does not compute" => นั่นไม่คำนวณ
            c.sense &&
            c.sense(w.key, isPronounLabel, meaning)) {
            setReading(w, How::Exact, Label::Pronoun, meaning); // (no relative there for a phrase rule to read)
            return;
        }
        if (w.key == U"THAT"sv && n != kNone && wordWith(t[n], How::Exact, Label::Be) && c.sense &&
            c.sense(w.key, isPronounLabel, meaning)) { // "That is", "that's": นั่น
            // (opening the sentence, where no mark before it lets a phrase rule tell it from the relative)
            if (p == kNone && firstOfSentence(i, c) && beAfter(t, i))
                setReading(w, How::Exact, Label::Noun, meaning);
            else if (!leftAsItIs() || (p != kNone && isWord(t[p]) && (t[p].key == U"WHETHER"sv || t[p].key == U"IF"sv)))
                setReading(w, How::Exact, Label::Pronoun, meaning); // ("Whether that is true" => ว่านั่นจริง...)
            return;
        }
        // "when" opening a clause before the comma of a yes-or-no question says when, เมื่อ: "When a fly lands on
        // the ceiling, does it do a half roll?" => เมื่อแมลงวัน..., not ...เมื่อไร
        if (w.key == U"WHEN"sv && c.question && firstOfSentence(i, c)) {
            std::size_t k = i + 1;
            while (k < t.size() && !(t[k].kind == Kind::Separator && trimSpaces(t[k].text) == U","sv))
                ++k;
            const std::size_t a = k < t.size() ? nextMark(t, k) : t.size();
            if (a < t.size() && isWord(t[a]) &&
                (among(kDoForms, t[a].key) || among(kModals, t[a].key) || among(kHaveForms, t[a].key) ||
                 wordWith(t[a], How::Exact, Label::Be))) {
                setReading(w, How::Exact, Label::Conjunction, U"เมื่อ"sv);
                return;
            }
        }
        // a question word opening a question, or its second clause ("If you are a dog, where's your badge?"), or
        // after the and, but or so that opens it ("And who is this person?")
        const bool afterOpening =
            c.question && p != kNone && firstOfSentence(p, c) && isWord(t[p]) && t[p].label == Label::Conjunction;
        if (among(kQuestionWords, w.key) &&
            (firstOfSentence(i, c) || (c.question && comma) || afterOpening || addressed == i)) {
            const bool opensQuestion = c.question || (n != kNone && isWord(t[n]) &&
                                                      (t[n].label == Label::Be || among(kAuxiliaries, t[n].key)));
            if (opensQuestion && c.sense && c.sense(w.key, isQuestionLabel, meaning))
                setReading(w, How::Exact, Label::Question, meaning);
        }
    });
}

// Verbs that take a question inside a statement: "know why", "ask where", "explain how", "check if".
constexpr std::array kQuestionTakingVerbs{
    U"KNOW"sv,        U"KNEW"sv,       U"KNOWN"sv,       U"WONDER"sv,   U"ASK"sv,       U"TELL"sv,     U"TOLD"sv,
    U"EXPLAIN"sv,     U"SHOW"sv,       U"SHOWN"sv,       U"REMEMBER"sv, U"FORGET"sv,    U"FORGOT"sv,   U"FORGOTTEN"sv,
    U"UNDERSTAND"sv,  U"UNDERSTOOD"sv, U"DECIDE"sv,      U"SEE"sv,      U"SAW"sv,       U"SEEN"sv,     U"LEARN"sv,
    U"LEARNT"sv,      U"DISCOVER"sv,   U"GUESS"sv,       U"IMAGINE"sv,  U"DETERMINE"sv, U"CHECK"sv,    U"NOTICE"sv,
    U"DESCRIBE"sv,    U"SPECIFY"sv,    U"CONTROL"sv,     U"DEFINE"sv,   U"INDICATE"sv,  U"CARE"sv,     U"MATTER"sv,
    U"SAY"sv,         U"SAID"sv,       U"FIND"sv,        U"FOUND"sv,    U"FIGURE"sv,    U"CONSIDER"sv, U"DOUBT"sv,
    U"VERIFY"sv,      U"TEST"sv,       U"DISCUSS"sv,     U"REALIZE"sv,  U"REALISE"sv,   U"CHOOSE"sv,   U"CHOSE"sv,
    U"EXAMINE"sv,     U"REVEAL"sv,     U"DEMONSTRATE"sv, U"PREDICT"sv,  U"CONFIRM"sv,   U"DETECT"sv,   U"REPORT"sv,
    U"INVESTIGATE"sv, U"ILLUSTRATE"sv};
// Of those, the ones after which "if" asks (ว่า ... หรือไม่) rather than sets a condition.
constexpr std::array kIfAskingVerbs{U"ASK"sv,    U"WONDER"sv,   U"SEE"sv,     U"CHECK"sv,    U"TEST"sv,
                                    U"DECIDE"sv, U"VERIFY"sv,   U"DOUBT"sv,   U"CONFIRM"sv,  U"EXAMINE"sv,
                                    U"DETECT"sv, U"INDICATE"sv, U"SPECIFY"sv, U"DETERMINE"sv};
// Of those, the ones after which "when" asks (เมื่อไร) even when nothing denies or asks it: "decide when".
constexpr std::array kWhenAskingVerbs{U"ASK"sv, U"WONDER"sv, U"DECIDE"sv, U"SPECIFY"sv, U"CONTROL"sv, U"DETERMINE"sv};
// Of those, the ones after which "when" asks when something denies or asks the verb: "I don't know when".
constexpr std::array kKnowingWhen{U"KNOW"sv, U"KNEW"sv, U"REMEMBER"sv, U"FORGET"sv, U"FORGOT"sv, U"SAY"sv,
                                  U"SAID"sv, U"TELL"sv, U"TOLD"sv,     U"GUESS"sv,  U"PREDICT"sv};
constexpr std::array kSeeForms{U"SEE"sv};
// Words after "how" that make it ask how much, how long ...: the phrase rules read them.
constexpr std::array kHowMuchWords{U"MUCH"sv, U"MANY"sv, U"LONG"sv,  U"OFTEN"sv, U"FAR"sv,
                                   U"SOON"sv, U"TO"sv,   U"ABOUT"sv, U"COME"sv,  U"EVER"sv};
// How much of something a question asks after "how", and the Thai that asks it at the end of the question.
constexpr std::array kHowMuch{std::pair{U"LONG"sv, U"นานเท่าไร"sv}, std::pair{U"OFTEN"sv, U"บ่อยแค่ไหน"sv},
                              std::pair{U"FAR"sv, U"ไกลแค่ไหน"sv}, std::pair{U"MUCH"sv, U"เท่าไร"sv},
                              std::pair{U"SOON"sv, U"เร็วแค่ไหน"sv}};
// Words that deny the verb after them or ask about it: "I don't know when", "Nobody knows why".
constexpr std::array kDenyingWords{U"NOT"sv, U"T"sv, U"NEVER"sv, U"CANNOT"sv, U"NOBODY"sv, U"NOONE"sv};

/// True when the words just before token v deny it ("don't know", "never knew", "nobody knows").
bool denied(std::span<GrammarToken> t, std::size_t v) {
    std::size_t j = v;
    for (std::size_t words = 0; words < kMostWordsBetween; ++words) {
        j = previousWord(t, j);
        if (j == kNone)
            return false;
        if (among(kDenyingWords, t[j].key) ||
            (t[j].key == U"ONE"sv && previousWord(t, j) != kNone && t[previousWord(t, j)].key == U"NO"sv))
            return true;
    }
    return false;
}

/// True when token n can open the subject of a clause: a pronoun, an article, a determiner, a noun, an adjective
/// before one, or a name the dictionary lacks.
bool opensSubject(std::span<GrammarToken> t, std::size_t n) {
    if (n == kNone)
        return false;
    const GrammarToken &w = t[n];
    if (w.kind == Kind::Piece)
        return isArticle(w);
    if (!isWord(w) || w.quiet)
        return false;
    if (w.key == U"THERE"sv) // "see if there are" => ดูว่ามี
        return true;
    return wordWith(w, How::Exact, Label::Pronoun) || among(kDeterminers, w.key) || isNoun(w) ||
           wordWith(w, How::Exact, Label::Reading) || wordWith(w, How::Exact, Label::Adjective) ||
           w.how == How::Unrendered || w.how == How::RawFallback;
}

// People in general as a subject: "nobody's there".
constexpr std::array kNobodies{U"NOBODY"sv,   U"EVERYBODY"sv, U"SOMEBODY"sv, U"ANYBODY"sv,
                               U"EVERYONE"sv, U"SOMEONE"sv,   U"ANYONE"sv,   U"NOONE"sv};

/// True when token n opens a clause after "that" (a subject pronoun, "there", an article, an owner or a determiner
/// other than this, these and those), not what "that" itself would point at ("that book", "that simple").
bool opensClauseAfterThat(std::span<GrammarToken> t, std::size_t n) {
    if (n == kNone)
        return false;
    const GrammarToken &w = t[n];
    if (w.kind == Kind::Piece)
        return isArticle(w);
    if (!isWord(w) || w.quiet)
        return false;
    if (among(kSubjects, w.key) || among(kSubjectsAtClauseStart, w.key) || w.key == U"THERE"sv ||
        among(kIndefinites, w.key) || among(kNobodies, w.key) ||
        (among(kDeterminers, w.key) && !among(kDemonstratives, w.key)))
        return true;
    // a bare plural noun and its verb: "is that people think" (not "that man", whose "that" points)
    const std::size_t v = nextWord(t, n);
    return isNoun(w) && w.key.size() > 3 && (w.key.back() == U'S' || w.key == U"PEOPLE"sv) && v != kNone &&
           isWord(t[v]) && (among(kModals, t[v].key) || (isVerbWord(t[v]) && t[v].key.back() != U'S'));
}

/// True when token s, a subject pronoun right after a verb of thinking or saying (or after its object: "told him
/// he"), opens what is thought or said; the verb's token is put in `v`.
bool opensWhatIsSaid(std::span<GrammarToken> t, std::size_t s, std::size_t &v) {
    // ("this" the subject before be is a noun to the grammar mode, which then writes be as คือ)
    // (and "there" before its be: "I think there are many ways" => ฉันคิดว่ามีทางมากมาย)
    const bool there =
        isWord(t[s]) && t[s].key == U"THERE"sv && nextWord(t, s) != kNone && among(kBeForms, t[nextWord(t, s)].key);
    if (!there && (!(wordWith(t[s], How::Exact, Label::Pronoun) || (t[s].key == U"THIS"sv && t[s].meaning == U"นี่"sv)) ||
                   !among(kSaidSubjects, t[s].key)))
        return false;
    v = previousWord(t, s);
    // "told him he was" (not "told him you", "tell them it", nor "saw him he was", where a clause begins)
    if (v != kNone && among(kOnlyObjects, t[v].key) && wordWith(t[v], How::Exact, Label::Pronoun) &&
        t[s].key != U"YOU"sv && t[s].key != U"IT"sv) {
        v = previousWord(t, v);
        if (v != kNone && !verbFormOf<kTellingVerbs>(t[v].key))
            return false;
    }
    // (a word read first as a noun only after its subject: "I doubt he", not "the feeling you have")
    const std::size_t b = v == kNone ? kNone : previousWord(t, v);
    if (v == kNone || !isWord(t[v]) || t[v].meaning.ends_with(U"ว่า"sv) || !verbFormOf<kThinkingVerbs>(t[v].key) ||
        !(isVerbWord(t[v]) ||
          (isNoun(t[v]) && b != kNone && wordWith(t[b], How::Exact, Label::Pronoun) && among(kSaidSubjects, t[b].key))))
        return false;
    // you and it may be what the verb takes ("I know you", "I said it"): only before a verb of their own
    const std::size_t n = nextWord(t, s);
    if (n == kNone || !isWord(t[n]))
        return false;
    const bool verb = isVerbWord(t[n]) || t[n].label == Label::Be || among(kModals, t[n].key) ||
                      among(kHaveForms, t[n].key) || among(kDoForms, t[n].key) || among(kDoNegatives, t[n].key) ||
                      (isNoun(t[n]) && t[n].key.back() == U'S') || t[n].key == U"LL"sv;
    return verb || (!among(kObjectPronouns, t[s].key) && t[n].kind == Kind::Word);
}

// A question inside a statement, after a verb that takes one (and its object pronoun, or "out"), is what is known
// or asked: ว่า where the question word stands, and the question word's Thai at the end of its clause. "Nobody
// knows why he left the town" => ไม่มีใครรู้ว่าเขาออกจากเมืองทำไม; "She asked where the station was" =>
// เธอถามว่าสถานีอยู่ที่ไหน; "Check if the file exists" => ตรวจสอบว่าแฟ้มมีอยู่หรือไม่. "whether" is ว่า already; its
// หรือไม่ is added where no "or" follows.
// Nouns of time that "when" follows as a relative: "the day when we met" => วันที่เราพบ.
constexpr std::array kTimeNouns{U"DAY"sv,    U"DAYS"sv, U"MOMENT"sv, U"YEAR"sv,  U"YEARS"sv,     U"NIGHT"sv,
                                U"WEEK"sv,   U"HOUR"sv, U"PERIOD"sv, U"TIME"sv,  U"TIMES"sv,     U"MONTH"sv,
                                U"MINUTE"sv, U"CASE"sv, U"CASES"sv,  U"POINT"sv, U"SITUATION"sv, U"SITUATIONS"sv};

void embeddedQuestion(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        // "See" opening a sentence sends the reader to look: ดู ("See the file INSTALL" => ดูแฟ้ม..., not เห็น)
        // (or a path or a link: "See /usr/share/doc/README" => ดู/usr/...)
        const auto pathAfter = [&] {
            std::size_t k = i + 1;
            while (k < t.size() && isBlank(t[k]))
                ++k;
            return k < t.size() && t[k].kind == Kind::Separator && !t[k].text.empty() &&
                   U"/[<`'\"~"sv.find(t[k].text[0]) != std::u32string_view::npos;
        };
        if (isWord(t[i]) && t[i].key == U"SEE"sv && t[i].how == How::Exact && !c.question && firstOfSentence(i, c) &&
            (nextWord(t, i) != kNone || pathAfter()) &&
            !(nextWord(t, i) != kNone && isWord(t[nextWord(t, i)]) &&
              among(kSubjects, t[nextWord(t, i)].key)) && // (not "See I told you")
            !readByBuiltInRule(t, i)) {                   // (nor "See you", พบกันใหม่)
            t[i].setMeaning(U"ดู"sv);
            return;
        }
        // what is thought or said, without "that": "I think he is right" => ฉันคิดว่าเขาถูกต้อง (looked at from the
        // verb, which is rarer than the pronoun after it, or its object)
        if (isWord(t[i]) && t[i].key.size() > 2 && verbFormOf<kThinkingVerbs>(t[i].key)) {
            std::size_t s = nextWord(t, i), v = kNone;
            if (s != kNone && among(kOnlyObjects, t[s].key))
                s = nextWord(t, s);
            if (const std::size_t o = s == kNone ? kNone : previousWord(t, s);
                o != kNone && opensWhatIsSaid(t, s, v) && v == i) {
                t[o].tail += U"ว่า"sv;
                return;
            }
            // or a noun phrase before its be or modal, after a pronoun and its verb: "Do you think Mary Jane is
            // somebody's name?" => คุณคิดว่าแมรี่เจนคือ...
            const std::size_t b = previousWord(t, i);
            if (s == kNone || s != nextWord(t, i) || b == kNone || !isVerbWord(t[i]) ||
                t[i].meaning.ends_with(U"ว่า"sv) || !wordWith(t[b], How::Exact, Label::Pronoun) ||
                !(among(kSaidSubjects, t[b].key) || among(kNobodies, t[b].key))) // ("Nobody said computers were")
                return;
            // (over its article or owner: "I think my career is ruined!" => ฉันคิดว่าอาชีพของฉันถูกทำลาย)
            std::size_t j = isArticle(t[s]) || (isWord(t[s]) && among(kOwners, t[s].key)) ? nextWord(t, s) : s,
                        nouns = 0;
            for (; j != kNone && wordWith(t[j], How::Exact, Label::Adjective) && !among(kOwners, t[j].key);
                 j = nextWord(t, j))
                ;
            for (; j != kNone && (isNoun(t[j]) || (isWord(t[j]) && !t[j].quiet &&
                                                   (t[j].how == How::Unrendered || t[j].how == How::RawFallback)));
                 j = nextWord(t, j))
                ++nouns;
            if (nouns > 0 && j != kNone && isWord(t[j]) && (t[j].label == Label::Be || among(kModals, t[j].key)))
                t[i].tail += U"ว่า"sv;
            return;
        }
        GrammarToken &w = t[i];
        if (!isWord(w) || w.quiet || w.how != How::Exact)
            return;
        const std::u32string_view k = w.key;
        const bool whether = k == U"WHETHER"sv;
        if (!whether && k != U"WHY"sv && k != U"HOW"sv && k != U"WHERE"sv && k != U"WHEN"sv && k != U"IF"sv)
            return;
        std::size_t n = nextWord(t, i);
        // "Why is it that" opening a question asks why of the clause after it: ทำไม in front, the rest unwritten ("Why
        // is it that we rejoice at a birth?" => ทำไมเรายินดีที่การเกิด?, not มันซึ่งว่าเรายินดี...ทำไม?)
        if (const std::size_t it = n == kNone ? kNone : nextWord(t, n), that = it == kNone ? kNone : nextWord(t, it);
            k == U"WHY"sv && that != kNone && firstOfSentence(i, c) && wordWith(t[n], How::Exact, Label::Be) &&
            (t[n].key == U"IS"sv || t[n].key == U"WAS"sv) && isWord(t[it]) && t[it].key == U"IT"sv && isWord(t[that]) &&
            t[that].key == U"THAT"sv && nextWord(t, that) != kNone) {
            setReading(w, How::Exact, Label::Other, U"ทำไม"sv);
            t[n].kind = t[it].kind = t[that].kind = Kind::Dropped;
            return;
        }
        // "This is why", "That's why" before a clause name its reason: เหตุผลที่, in place ("That's why I came" =>
        // นั่นคือเหตุผลที่ฉันมา, not นั่นคือฉันมาทำไม)
        if (const std::size_t b = previousWord(t, i), d = b == kNone ? kNone : previousWord(t, b);
            k == U"WHY"sv && d != kNone && n != kNone && isWord(t[b]) &&
            ((wordWith(t[b], How::Exact, Label::Be) && (t[b].key == U"IS"sv || t[b].key == U"WAS"sv)) ||
             t[b].key == U"S"sv) &&
            isWord(t[d]) && (t[d].key == U"THIS"sv || t[d].key == U"THAT"sv) && opensSubject(t, n)) {
            setReading(w, How::Exact, Label::Conjunction, U"เหตุผลที่"sv);
            setReading(t[d], How::Exact, Label::Pronoun, t[d].key == U"THIS"sv ? U"นี่"sv : U"นั่น"sv);
            if (t[b].key != U"S"sv) // ("and that is why" => และนั่นคือเหตุผลที่, not และที่เป็น...)
                setReading(t[b], How::Exact, Label::Other, U"คือ"sv);
            return;
        }
        // "whether or not" asks as "whether" does, its "or not" at the clause's end: "whether or not the file exists"
        // => ว่าแฟ้มมีอยู่หรือไม่ (the phrase rules read ว่าหรือไม่ as ว่า and leave the question unasked)
        std::array<std::size_t, 2> orNot{kNone, kNone};
        if (const std::size_t no = n == kNone ? kNone : nextWord(t, n);
            whether && no != kNone && isWord(t[n]) && t[n].key == U"OR"sv && isWord(t[no]) && t[no].key == U"NOT"sv) {
            orNot = {n, no};
            n = nextWord(t, no);
        }
        // "the reason why he left" => เหตุผลที่เขาออก, "the day when we met" => วันที่เราพบ: the relative, ที่
        if (const std::size_t p = previousWord(t, i);
            !c.question && p != kNone && n != kNone && isNoun(t[p]) &&
            ((k == U"WHY"sv && t[p].key.starts_with(U"REASON"sv)) ||
             (k == U"WHEN"sv && among(kTimeNouns, t[p].key) && // (not "a waste of time when")
              !(t[p].key == U"TIME"sv && previousWord(t, p) != kNone && t[previousWord(t, p)].key == U"OF"sv))) &&
            (opensSubject(t, n) || // (or a word before its verb: "The reason why worry kills" => เหตุผลที่ความกังวลฆ่า)
             (isWord(t[n]) && nextWord(t, n) != kNone && isVerbWord(t[nextWord(t, n)]) &&
              t[nextWord(t, n)].how == How::Write))) {
            setReading(w, How::Exact, Label::Conjunction, U"ที่"sv);
            return;
        }
        std::size_t see = kNone;
        std::u32string_view howMuch; // the word after "how" that asks how much, which a rule has dropped
        if (!whether) {
            bool comma = false;
            std::size_t v = previousWord(t, i, &comma);
            if (v == kNone || comma)
                return;
            if (among(kOnlyObjects, t[v].key) || t[v].key == U"YOU"sv || t[v].key == U"HER"sv || t[v].key == U"OUT"sv)
                v = previousWord(t, v);
            if (v == kNone || !isWord(t[v]) || !verbFormOf<kQuestionTakingVerbs>(t[v].key))
                return;
            // (but "this" or "that" opening the clause is the subject of a verb reached through -s: "This indicates
            // if the checks are used" => นี่ชี้ว่า...หรือไม่)
            if (const std::size_t b = previousWord(t, v), bb = b == kNone ? kNone : previousWord(t, b);
                b != kNone && (isArticle(t[b]) || among(kDeterminers, t[b].key) || t[b].key == U"NO"sv) &&
                !((t[b].key == U"THIS"sv || t[b].key == U"THAT"sv) && (bb == kNone || opensClause(t[bb])) &&
                  t[v].how == How::Write && t[v].family == SuffixFamily::S))
                return; // "the check if", "no matter how"
            const bool asked = c.question || denied(t, v);
            // (a passive before "if" says on what condition: "must be specified if any of the others are" =>
            // ต้องถูกระบุถ้า..., not ว่า...หรือไม่)
            const std::size_t be = stepOver(t, v, false, isAdverbWord);
            const bool passive = be != kNone && wordWith(t[be], How::Exact, Label::Be) && // (but "is asked if")
                                 !t[v].key.starts_with(U"ASK"sv) &&
                                 ((t[v].how == How::Write && t[v].family == SuffixFamily::ED) || isParticiple(t[v]));
            if ((k == U"IF"sv && (isNoun(t[v]) || passive || !(verbFormOf<kIfAskingVerbs>(t[v].key) || asked))) ||
                (k == U"WHEN"sv && !verbFormOf<kWhenAskingVerbs>(t[v].key) &&
                 !(asked && verbFormOf<kKnowingWhen>(t[v].key))))
                return;
            if (k == U"IF"sv && verbFormOf<kSeeForms>(t[v].key)) // "see if it works" => ดูว่ามันทำงาน
                see = v;
            // "how far", "how long" ... before a clause ask how much at its end: "I know how far you can go" =>
            // ฉันรู้ว่าคุณสามารถไปไกลแค่ไหน (not ไกลคุณสามารถไปอย่างไร)
            if (const auto much = k == U"HOW"sv && n != kNone && isWord(t[n])
                                      ? std::find_if(kHowMuch.begin(), kHowMuch.end(),
                                                     [&](const auto &e) { return e.first == t[n].key; })
                                      : kHowMuch.end();
                much != kHowMuch.end() && opensSubject(t, nextWord(t, n)) && !leftToPhraseRule(t, i, c)) {
                w.setMeaning(much->second);
                t[n].kind = Kind::Dropped;
                howMuch = t[n].key;
                n = nextWord(t, n);
            } else if (k == U"HOW"sv && n != kNone &&
                       (among(kHowMuchWords, t[n].key) || wordWith(t[n], How::Exact, Label::Adjective) ||
                        isAdverbWord(t[n])))
                return; // "how much", "how hard you work": the phrase rules read them
            // "explain why." asks without a clause of its own: ว่าทำไม where it stands
            if (n == kNone && (k == U"WHY"sv || k == U"HOW"sv) && endsClause(t, i)) {
                std::u32string ask(U"ว่า"sv);
                ask += w.meaning;
                setReading(w, How::Exact, Label::Other, ask);
                return;
            }
            if (!opensSubject(t, n))
                return;
        } else if (!opensSubject(t, n)) {
            return;
        }
        // the clause: to the word before a mark, a conjunction or a question word, with a verb of its own ("if
        // possible" has none)
        // ("so" and "as" before an adjective say how much: "why it is so bad"; a noun after a subject pronoun is its
        // verb: "where he lives")
        std::size_t last = n;
        bool verb = false;
        // (opening the sentence the clause is its subject, which ends before the sentence's own verb: "Whether it
        // works depends on you" => ว่ามันทำงานหรือไม่ขึ้นอยู่กับคุณ)
        const bool subject = firstOfSentence(i, c);
        bool mainVerb = false; // the loop stopped at the sentence's own verb
        for (std::size_t j = n, words = 0; j != kNone && words < 2 * kMostClauseWords; j = nextWord(t, j), ++words) {
            const std::size_t a = nextWord(t, j);
            if (j != n && opensClause(t[j]) && !opensRelative(t[j]) &&
                !((t[j].key == U"SO"sv || t[j].key == U"AS"sv) && a != kNone &&
                  (wordWith(t[a], How::Exact, Label::Adjective) || isAdverbWord(t[a]))))
                break;
            if (subject && verb && isVerbWord(t[j]) && !isNoun(t[last]) && !isPronounLabel(t[last].label) &&
                (t[j].how == How::Write ? t[j].family == SuffixFamily::S
                                        : t[j].key.ends_with(U"S"sv) && !t[j].key.ends_with(U"SS"sv))) {
                mainVerb = true;
                break;
            }
            verb = verb || isVerbWord(t[j]) ||
                   (isWord(t[j]) && (t[j].label == Label::Be || among(kModals, t[j].key))) ||
                   (isNoun(t[j]) && j != n && wordWith(t[last], How::Exact, Label::Pronoun) &&
                    (among(kSubjects, t[last].key) || among(kSubjectsAtClauseStart, t[last].key)));
            last = j;
        }
        if (!verb)
            return;
        if (k == U"IF"sv)
            setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
        if (see != kNone)
            setReading(t[see], How::Exact, Label::TransitiveVerb, U"ดู"sv);
        // The clause must end here, not in the next line, nor before "that" ("why it is that"), nor before an "and" or
        // "or" that may join its last words ("lines wrapped in base64 or qp"); and "whether" before an "or" asks
        // between the two.
        const std::size_t after = nextWord(t, last);
        if ((!endsClause(t, last) && !mainVerb) || !isWord(t[last]) ||
            (after != kNone && (t[after].key == U"THAT"sv || ((t[after].key == U"AND"sv || t[after].key == U"OR"sv) &&
                                                              !(isVerbWord(t[last]) || isAdverbWord(t[last]) ||
                                                                wordWith(t[last], How::Exact, Label::Be))))))
            return;
        std::u32string ask;
        if (k == U"IF"sv || whether) {
            for (std::size_t j = last + 1; j < t.size(); ++j)
                if (t[j].key == U"OR"sv && isWord(t[j]))
                    return; // "whether it works or not", "whether I was a man, or whether I am"
            ask = U"หรือไม่"sv;
        } else if (k == U"WHEN"sv || k == U"WHERE"sv) {
            if (!c.sense || !c.sense(k, isQuestionLabel, ask))
                return;
        } else {
            ask = w.meaning;
        }
        if (k != U"IF"sv && !whether)
            setReading(w, How::Exact, Label::Conjunction, U"ว่า"sv);
        // "how far the station is" => สถานีไกลแค่ไหน, "how long the line is" => บรรทัดยาวเท่าไร: be unwritten
        if (!howMuch.empty() && wordWith(t[last], How::Exact, Label::Be)) {
            setReading(t[last], How::Exact, Label::Other,
                       howMuch == U"LONG"sv ? U"ยาวเท่าไร"sv : std::u32string_view(ask));
            ask.clear();
        }
        // "where the station was" => สถานีอยู่ที่ไหน; "how he is" => เขาเป็นอย่างไร
        else if (wordWith(t[last], How::Exact, Label::Be) && (k == U"WHERE"sv || k == U"HOW"sv))
            setReading(t[last], How::Exact, Label::Other, k == U"WHERE"sv ? U"อยู่"sv : U"เป็น"sv);
        t[last].tail += ask;
        for (const std::size_t o : orNot)
            if (o != kNone)
                t[o].kind = Kind::Dropped;
    });
}

std::size_t questionSubjectEnd(std::span<GrammarToken> t, std::size_t s);

/// True when the tokens end with a full stop or an exclamation mark: a statement, not a question going on.
bool endsStatement(std::span<GrammarToken> t) {
    for (std::size_t i = t.size(); i-- > 0;) {
        if (isBlank(t[i]))
            continue;
        return t[i].kind == Kind::Separator && !t[i].text.empty() && (t[i].text[0] == U'.' || t[i].text[0] == U'!');
    }
    return false;
}

// do, does and did that only carry a question or a negation have no Thai word: "Where did he go" => เขาไปที่ไหน,
// "I don't know" => ฉันไม่รู้; a yes-or-no question ("Do you know") ends with ไหม.
// Particles of phrasal verbs: "give up", "put off", "turn down".
// Participles that are also the verb itself ("Never read it"), unlike "Never heard of that".
constexpr std::array kBaseParticiples{U"READ"sv, U"PUT"sv,    U"CUT"sv,   U"SET"sv,    U"COME"sv,
                                      U"RUN"sv,  U"HIT"sv,    U"LET"sv,   U"HURT"sv,   U"COST"sv,
                                      U"SHUT"sv, U"SPREAD"sv, U"QUIT"sv,  U"BEAT"sv,   U"BET"sv,
                                      U"CAST"sv, U"SPLIT"sv,  U"UPSET"sv, U"BECOME"sv, U"OVERCOME"sv};
constexpr std::array kParticles{U"UP"sv, U"DOWN"sv, U"OUT"sv, U"OFF"sv, U"AWAY"sv, U"BACK"sv};

// Words that open the clause of a condition or a purpose before an order: "If ..., do not".
constexpr std::array kOrderOpeners{U"IF"sv,     U"WHEN"sv, U"TO"sv,    U"BEFORE"sv,   U"AFTER"sv,
                                   U"UNLESS"sv, U"ONCE"sv, U"WHILE"sv, U"OTHERWISE"sv};

void doSupport(std::span<GrammarToken> t, const GrammarContext &c) {
    // After do and its negation (or a question's subject) comes a verb: a word read first as a noun is the verb it
    // can be ("Don't waste your time", "Don't panic.", "They did not answer the letter", "Does the program work?").
    auto verbAfter = [&](std::size_t v) {
        std::u32string verb;
        if (v == kNone || nounAsVerb(t[v], c) || readingAsVerb(t, v, c)) // "Did I miss something?" => พลาด, not นางสาว
            return;
        // a word read first as an adjective, before what it takes: "did not complete the refs" => ไม่ทำให้เสร็จ...
        if (wordWith(t[v], How::Exact, Label::Adjective) && opensObject(t, nextWord(t, v), false) && c.sense &&
            c.sense(t[v].key, isVerb, verb))
            setReading(t[v], How::Exact, Label::TransitiveVerb, verb);
    };
    eachAnchor(t, c, [&](std::size_t i) {
        if (!isWord(t[i]) || t[i].key.size() > 5)
            return;
        const bool first = firstOfSentence(i, c);
        // an order may follow the clause of its condition or purpose and a comma: "If you see it, do not touch it"
        // => ..., อย่าสัมผัสมัน; "To retain them, don't specify" => ..., อย่าระบุ
        bool comma = false;
        // and after "please", "so" or "then": "so don't rely on it" => ดังนั้นอย่าพึ่งพามัน
        const std::size_t before = previousWord(t, i);
        const bool order = first ||
                           (c.sentenceStart && !c.question && i > c.firstToken && isWord(t[c.firstToken]) &&
                            among(kOrderOpeners, t[c.firstToken].key) && before == kNone &&
                            previousWord(t, i, &comma) != kNone && comma) ||
                           (!c.question && before != kNone && isWord(t[before]) &&
                            (t[before].key == U"PLEASE"sv || t[before].key == U"SO"sv || t[before].key == U"THEN"sv));
        // "Never" opening an order forbids, like "Don't": อย่า ("Never trust a man" => อย่าไว้ใจผู้ชาย)
        if (t[i].key == U"NEVER"sv && first && !c.question) {
            const std::size_t v = nextWord(t, i), o = v == kNone ? kNone : nextWord(t, v);
            // (or before get and what one gets into: "Never get separated from your luggage" => อย่าได้แยก...)
            // (or before a preposition, a question word or the end of the clause: "Never argue with a fool",
            // "Never forget what a man says", "Never explain."; not "Never have I", "Never mind")
            const bool plainVerb = v != kNone && isWord(t[v]) && t[v].how == How::Exact && isVerb(t[v].label) &&
                                   t[v].key != U"HAVE"sv && t[v].key != U"MIND"sv && !t[v].key.ends_with(U"ED"sv) &&
                                   (!isIrregularParticiple(t[v].key) || among(kBaseParticiples, t[v].key));
            if (plainVerb &&
                (opensObject(t, o, false) || // (or over its particle: "Never give up your dreams")
                 (o != kNone && among(kParticles, t[o].key) && opensObject(t, nextWord(t, o), false)) ||
                 (t[v].key == U"GET"sv && o != kNone && isWord(t[o]) &&
                  (t[o].key.ends_with(U"ED"sv) || t[o].label == Label::Adjective)) ||
                 (o != kNone && isWord(t[o]) && t[o].how == How::Exact &&
                  (t[o].label == Label::Preposition || t[o].label == Label::Question)) ||
                 (o == kNone && endsClause(t, v))) &&
                !leftToPhraseRule(t, i, c))
                setReading(t[i], How::Exact, Label::Adverb, U"อย่า"sv);
            // (a word read first as a noun is the verb it can be before what it takes: "Never delay the ending" =>
            // อย่าล่าช้าตอนจบ..., not ไม่เคยความล่าช้า)
            else if (std::u32string verb; v != kNone && isWord(t[v]) && t[v].how == How::Exact &&
                                          t[v].label == Label::Noun && !t[v].capital && opensObject(t, o, false) &&
                                          c.sense && c.sense(t[v].key, isVerb, verb) && !leftToPhraseRule(t, i, c)) {
                setReading(t[v], How::Exact, Label::TransitiveVerb, verb);
                setReading(t[i], How::Exact, Label::Adverb, U"อย่า"sv);
            }
            return;
        }
        if (among(kDoNegatives, t[i].key)) { // don + ' + t + verb, perhaps with an adverb between
            const std::size_t n = nextWord(t, i), v = n == kNone ? kNone : stepOver(t, n, true, isAdverbWord);
            // (after a subject only before what the verb takes: "I don't care" is left to the phrase rules)
            if (n != kNone && t[n].key == U"T"sv && v != kNone &&
                ((order && !c.question) || opensObject(t, nextWord(t, v), false)))
                verbAfter(v);
            if (n != kNone && t[n].key == U"T"sv && v != kNone && isWord(t[v]) && t[v].how == How::Exact &&
                (isVerb(t[v].label) || t[v].label == Label::Be)) {
                t[i].kind = Kind::Dropped;
                if (order && !c.question && t[i].key == U"DON"sv) // "Don't go" forbids: อย่าไป
                    setReading(t[n], How::Exact, Label::Adverb, U"อย่า"sv);
            }
            return;
        }
        // a question whose mark comes in a later line of wrapped text: "Do you wear a nerd-pack in your" =>
        // คุณสวม... (without its ไหม, which belongs at the end)
        if (!c.question && first && among(kDoForms, t[i].key) && t[i].how == How::Exact) {
            const std::size_t s = nextWord(t, i), v = s == kNone ? kNone : nextWord(t, s);
            if (s != kNone && wordWith(t[s], How::Exact, Label::Pronoun) && among(kSaidSubjects, t[s].key) &&
                !endsStatement(t)) {
                verbAfter(v);
                if (v != kNone && isVerbWord(t[v]) && t[v].how == How::Exact)
                    t[i].kind = Kind::Dropped;
                return;
            }
        }
        if (t[i].key == U"DO"sv && order && !c.question) { // "Do not use it" => อย่าใช้มัน
            const std::size_t n = nextWord(t, i), v = n == kNone ? kNone : nextWord(t, n);
            if (n != kNone && t[n].key == U"NOT"sv)
                verbAfter(v);
            if (n != kNone && t[n].key == U"NOT"sv && v != kNone && isVerbWord(t[v]) && t[v].how == How::Exact) {
                t[i].kind = Kind::Dropped;
                setReading(t[n], How::Exact, Label::Adverb, U"อย่า"sv);
            }
            return;
        }
        if (!c.question && among(kDoForms, t[i].key) && t[i].how == How::Exact) { // "He did not come" => เขาไม่มา
            const std::size_t n = nextWord(t, i);
            const std::size_t v = n != kNone && t[n].key == U"NOT"sv ? stepOver(t, n, true, isAdverbWord) : kNone;
            verbAfter(v);
            if (v != kNone && (isVerbWord(t[v]) || wordWith(t[v], How::Exact, Label::Be)) && t[v].how == How::Exact)
                t[i].kind = Kind::Dropped;
            // after its subject and before a verb, do only stresses it: "it does have a use" => มันมีประโยชน์
            const std::size_t p = previousWord(t, i);
            if (v == kNone && n != kNone && p != kNone && isVerbWord(t[n]) && t[n].how == How::Exact &&
                (isNoun(t[p]) || wordWith(t[p], How::Exact, Label::Pronoun)))
                t[i].kind = Kind::Dropped;
            return;
        }
        if (!c.question || !among(kDoForms, t[i].key))
            return;
        const std::size_t p = previousWord(t, i);
        // (also the second question after "or": "Did you carry it or did you cry?" => ...หรือคุณร้องไห้ไหม)
        const std::size_t s = nextWord(t, i);
        const bool afterOr = p != kNone && t[p].key == U"OR"sv && isWord(t[p]) && s != kNone &&
                             wordWith(t[s], How::Exact, Label::Pronoun) && among(kSaidSubjects, t[s].key);
        if (!first && !afterOr && !(p != kNone && wordWith(t[p], How::Exact, Label::Question)))
            return;
        t[i].kind = Kind::Dropped;
        if (s != kNone) { // "Does the program work?"
            const std::size_t end = questionSubjectEnd(t, s), v = end == kNone ? kNone : nextWord(t, end);
            const std::size_t before = end == kNone ? kNone : previousWord(t, end);
            // the noun phrase may have taken in the verb: "the program work" without a verb after it
            if (end != kNone && end != s && (v == kNone || !isVerbWord(t[v])) && before != kNone && isNoun(t[before]))
                verbAfter(end);
            else
                verbAfter(v);
        }
        if (!first)
            return;
        for (std::size_t last = t.size(); last-- > i;) {
            if (t[last].kind != Kind::Separator && !isBlank(t[last])) {
                t[last].tail += U"ไหม"sv;
                break;
            }
        }
    });
}

/// The Thai verb of a participle, or nothing when the token is none: a word reached through -ed, an -ed entry
/// labelled as a verb, or an irregular participle of the table. Only a verb that takes an object has a passive.
bool thereBefore(std::span<GrammarToken> t, std::size_t i);
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
bool pastParticiple(const GrammarToken &w);
// Participles that "get" makes a state, not a passive: "get married", "got lost", "get used to".
constexpr std::array kGetStates{U"MARRIED"sv, U"STARTED"sv,  U"LOST"sv, U"USED"sv,     U"DRESSED"sv, U"INVOLVED"sv,
                                U"DONE"sv,    U"ENGAGED"sv,  U"PAID"sv, U"DIVORCED"sv, U"TIRED"sv,   U"BORED"sv,
                                U"STUCK"sv,   U"CONFUSED"sv, U"HURT"sv, U"EXCITED"sv,  U"WORRIED"sv, U"SCARED"sv};

/// "either" after be, before its "or", is not written (the or says it), so the rules of be read what follows it:
/// "Art is either theft or revolution" => ศิลปะคือการขโมยหรือการปฏิวัติ, "It is either good or bad" => มันดีหรือเลว,
/// "it is either restarted or reloaded" => มันถูกเริ่มใหม่หรือโหลดใหม่.
void eitherAfterBe(std::span<GrammarToken> t, std::size_t i) {
    const std::size_t e = wordWith(t[i], How::Exact, Label::Be) ? nextWord(t, i) : kNone;
    if (e == kNone || !isWord(t[e]) || t[e].key != U"EITHER"sv)
        return;
    for (std::size_t j = nextWord(t, e), words = 0; j != kNone && words < 2 * kMostWordsBetween;
         j = nextWord(t, j), ++words)
        if (isWord(t[j]) && t[j].key == U"OR"sv) {
            t[e].kind = Kind::Dropped;
            return;
        }
}

void passive(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string verb;
    eachAnchor(t, c, [&](std::size_t i) {
        eitherAfterBe(t, i);
        // get + a participle is a passive too: "The first version always gets thrown away" => ...ถูกทิ้งเสมอ,
        // not ได้ทิ้ง (not a state: "get married")
        if (isWord(t[i]) && among(kGetForms, t[i].key) && (t[i].how == How::Exact || t[i].how == How::Write)) {
            const std::size_t j = stepOver(t, i, true, isAdverbWord), b = stepOver(t, i, false, isAdverbWord);
            if (j != kNone && isWord(t[j]) && !among(kGetStates, t[j].key) &&
                !(b != kNone && isWord(t[b]) && t[b].label == Label::Be) && // ("I'm getting traversed")
                (pastParticiple(t[j]) ||
                 (t[j].how == How::Exact && t[j].key.ends_with(U"ED"sv) && isVerb(t[j].label))) &&
                participleVerb(t[j], c, verb) && !leftToPhraseRule(t, i, c)) {
                t[i].kind = Kind::Dropped;
                setReading(t[j], How::Exact, Label::TransitiveVerb, U"ถูก" + verb);
            }
            return;
        }
        if (!wordWith(t[i], How::Exact, Label::Be))
            return;
        const std::size_t j = stepOver(
            t, i, true, [](const GrammarToken &w) { return isAdverbWord(w) || wordWith(w, How::Exact, Label::Be); });
        if (j == kNone || !isWord(t[j]))
            return;
        // "is gone" says it has left or is lost, หายไป; "done" ending its clause or before "with" says finished,
        // เสร็จ ("When you are done" => เมื่อคุณเสร็จ; not "It is done by the parser")
        if (const std::size_t n = nextWord(t, j);
            t[j].how == How::Exact &&
            (t[j].key == U"GONE"sv ||
             (t[j].key == U"DONE"sv && t[i].key != U"BE"sv && t[i].key != U"BEEN"sv && // ("can be done" is ถูกทำ)
              (n == kNone ? endsClause(t, j) : t[n].key == U"WITH"sv)))) {
            for (std::size_t k = i; k < j; ++k)
                if (wordWith(t[k], How::Exact, Label::Be))
                    t[k].kind = Kind::Dropped;
            setReading(t[j], How::Exact, Label::IntransitiveVerb, t[j].key == U"GONE"sv ? U"หายไป"sv : U"เสร็จ"sv);
            return;
        }
        // (after "there" before a noun the participle describes it: "there must be simplified explanations")
        if (const std::size_t n = nextWord(t, j); n != kNone && isNoun(t[n]) && thereBefore(t, i))
            return;
        // (a verb that takes no object alone takes one with its particle: "have been pointed out" => ถูกชี้ออก)
        if (const std::size_t particle = nextWord(t, j);
            !participleVerb(t[j], c, verb) &&
            !(particle != kNone && isWord(t[particle]) && among(kParticles, t[particle].key) && isVerb(t[j].label) &&
              ((t[j].how == How::Write && t[j].family == SuffixFamily::ED) ||
               (t[j].how == How::Exact && t[j].key.ends_with(U"ED"sv))) &&
              (verb = t[j].meaning, true)))
            return;
        // (not where a phrase rule reads "it", the be and the participle together: "It is recommended that" =>
        // ขอแนะนำว่า, not มันถูกแนะนำ...)
        if (const std::size_t p = previousWord(t, i), n = nextWord(t, j);
            j == nextWord(t, i) && p != kNone && t[p].key == U"IT"sv && t[i].key != U"S"sv &&
            (t[j].key == U"RECOMMENDED"sv || t[j].key == U"ADVISED"sv) && n != kNone &&
            (t[n].key == U"THAT"sv || t[n].key == U"TO"sv) && leftToPhraseRule(t, i, c))
            return;
        for (std::size_t k = i; k < j; ++k)
            if (wordWith(t[k], How::Exact, Label::Be))
                t[k].kind = Kind::Dropped;
        // "is followed by a colon" => ตามด้วยทวิภาค: what comes next, not what is done to it
        const std::size_t n = nextWord(t, j);
        const bool order =
            (t[j].key == U"FOLLOWED"sv || t[j].key == U"PRECEDED"sv) && n != kNone && t[n].key == U"BY"sv;
        setReading(t[j], How::Exact, Label::TransitiveVerb, order ? verb : U"ถูก" + verb);
        // "already" says the deed is done: after the verb that ends the clause ("he is already degraded" =>
        // เขาถูกลดคุณค่าแล้ว, not เขาแล้วถูก...)
        for (std::size_t k = nextWord(t, i); k != kNone && k < j; k = nextWord(t, k))
            if (t[k].key == U"ALREADY"sv && isAdverbWord(t[k]) && endsClause(t, j)) {
                t[j].tail += t[k].meaning;
                t[k].kind = Kind::Dropped;
            }
    });
}

// What "'s" is before when it is "has": "He's been here", "She's got a key".
constexpr std::array kHasParticiples{U"BEEN"sv, U"GOT"sv, U"GOTTEN"sv, U"HAD"sv};
// Participles that name or rate what they follow, so that "'s" before them is "is": "It's called the master".
constexpr std::array kNamingParticiples{U"CALLED"sv, U"NAMED"sv,   U"KNOWN"sv,    U"CONSIDERED"sv,
                                        U"TERMED"sv, U"LABELED"sv, U"LABELLED"sv, U"DUBBED"sv};
// Irregular participles that are also the verb itself: after "'d" they say "would" as well as "had".
constexpr std::array kParticiplesLikeBase{U"COME"sv,  U"BECOME"sv, U"OVERCOME"sv, U"RUN"sv,     U"PUT"sv,  U"CUT"sv,
                                          U"SET"sv,   U"HIT"sv,    U"LET"sv,      U"READ"sv,    U"SHUT"sv, U"COST"sv,
                                          U"HURT"sv,  U"QUIT"sv,   U"SPREAD"sv,   U"BURST"sv,   U"CAST"sv, U"BET"sv,
                                          U"UPSET"sv, U"FIT"sv,    U"BEAT"sv,     U"FORECAST"sv};
/// True for a word that can only be a past participle (or a past tense) here: reached through -ed, or irregular.
bool pastParticiple(const GrammarToken &w) {
    return (w.how == How::Write && w.family == SuffixFamily::ED && isVerb(w.label)) ||
           (w.how == How::Exact && (isIrregularParticiple(w.key) || w.key == U"BEEN"sv || w.key == U"HAD"sv) &&
            !among(kParticiplesLikeBase, w.key));
}

// have, has or had before a participle (perhaps with never, already ... between) only marks the time: it is not
// written. "He had never seen it" => เขาไม่เคยเห็นมัน, not เขามีไม่เคยเห็น. So are 'd and 's where they are had and has.
void perfect(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string verb;
    // "yet" between them is ยัง, and comes before the negation: "has not yet gone" => ยังไม่ไป
    auto between = [](const GrammarToken &a) { return isAdverbWord(a) || (isWord(a) && a.key == U"YET"sv); };
    // "have got" (not "have got to", a must) is have: "I've got some bad news" => ฉันมีบางข่าวเลว, not ได้; but
    // "we've got it right" is ได้
    auto haveGot = [&](std::size_t j) {
        const std::size_t n = nextWord(t, j), a = n == kNone ? kNone : nextWord(t, n);
        if (t[j].key != U"GOT"sv || (n != kNone && t[n].key == U"TO"sv) ||
            (n != kNone && isWord(t[n]) && t[n].label == Label::Pronoun && a != kNone && isWord(t[a]) &&
             (t[a].label == Label::Adjective || t[a].label == Label::Adverb)))
            return;
        setReading(t[j], How::Exact, Label::TransitiveVerb, U"มี"sv);
    };
    eachAnchor(t, c, [&](std::size_t i) {
        if (!isWord(t[i]))
            return;
        // "had better" + a verb advises: ควร ("You'd better go" => คุณควรไป, "had better not" => ไม่ควร)
        if (const std::size_t b = nextWord(t, i), v = b == kNone ? kNone : nextWord(t, b);
            (t[i].key == U"D"sv || t[i].key == U"HAD"sv) && v != kNone && isWord(t[b]) && t[b].key == U"BETTER"sv &&
            isWord(t[v]) &&
            (isVerbWord(t[v]) || t[v].key == U"NOT"sv || t[v].key == U"BE"sv ||
             (t[v].key.back() != U'S' && (nextWord(t, v) == kNone || !isNoun(t[nextWord(t, v)])) &&
              nounAsVerb(t[v], c)))) { // ("It had better work" => มันควรทำงาน)
            const bool no = t[v].key == U"NOT"sv;
            setReading(t[i], How::Exact, Label::Adverb, no ? U"ไม่ควร"sv : U"ควร"sv);
            t[b].kind = Kind::Dropped;
            if (no)
                t[v].kind = Kind::Dropped;
            return;
        }
        if (t[i].key == U"S"sv || t[i].key == U"D"sv) { // 'd and 's before a participle are had and has
            const std::size_t j = stepOver(t, i, true, between);
            // 's before ever or never and a participle, or before a participle and its object, is has too:
            // "Nobody's ever found it" => ไม่มีใครเคยพบมัน, "He's taken my car" (not "It's called the master")
            const bool hasDone =
                t[i].key == U"S"sv && j != kNone && pastParticiple(t[j]) && !among(kNamingParticiples, t[j].key) &&
                (std::any_of(t.begin() + static_cast<std::ptrdiff_t>(i), t.begin() + static_cast<std::ptrdiff_t>(j),
                             [](const GrammarToken &w) { return w.key == U"EVER"sv || w.key == U"NEVER"sv; }) ||
                 opensObject(t, nextWord(t, j), false));
            if (j != kNone && isWord(t[j]) &&
                (t[i].key == U"S"sv ? among(kHasParticiples, t[j].key) || hasDone : pastParticiple(t[j]))) {
                t[i].kind = Kind::Dropped; // "He'd finally left" => เขาในที่สุดออก, "He's been ill" => เขาป่วย
                if (t[i].key == U"S"sv)
                    haveGot(j);
            }
            return;
        }
        if (t[i].how != How::Exact)
            return;
        std::size_t from = i;
        if (among(kHaveNegatives, t[i].key)) { // hasn + ' + t: the t is the negation
            from = nextWord(t, i);
            if (from == kNone || t[from].key != U"T"sv)
                return;
        } else if (!among(kHaveForms, t[i].key)) {
            return;
        }
        const std::size_t j = stepOver(t, from, true, between);
        if (j == kNone || !isWord(t[j]))
            return;
        const GrammarToken &w = t[j];
        const bool participle =
            (w.how == How::Write && w.family == SuffixFamily::ED && isVerb(w.label)) ||
            (w.how == How::Exact && (w.key == U"BEEN"sv || w.key == U"HAD"sv || isIrregularParticiple(w.key) ||
                                     (w.key.ends_with(U"ED"sv) && isVerb(w.label))));
        if (!participle && !participleVerb(w, c, verb))
            return;
        t[i].kind = Kind::Dropped;
        if (t[i].key != U"HAD"sv) // ("had got" is had become)
            haveGot(j);
        std::size_t negation = from != i ? from : kNone;
        for (std::size_t k = nextWord(t, from); k != kNone && k < j; k = nextWord(t, k)) {
            // "already" says the deed is done, at the end of its clause: "have already been pointed out." =>
            // ถูกชี้ออกแล้ว, "has already left." => ออกแล้ว
            if (t[k].key == U"ALREADY"sv && isAdverbWord(t[k])) {
                std::size_t last = j;
                if (t[j].key == U"BEEN"sv && nextWord(t, j) != kNone &&
                    (isParticiple(t[nextWord(t, j)]) || t[nextWord(t, j)].key.ends_with(U"ED"sv)))
                    last = nextWord(t, j);
                if (const std::size_t particle = nextWord(t, last);
                    particle != kNone && isWord(t[particle]) && among(kParticles, t[particle].key))
                    last = particle;
                if (nextWord(t, last) == kNone && endsClause(t, last)) {
                    t[last].tail += t[k].meaning;
                    t[k].kind = Kind::Dropped;
                }
                continue;
            }
            if (t[k].key == U"NOT"sv)
                negation = k;
            else if (t[k].key == U"YET"sv && negation != kNone) {
                setReading(t[negation], How::Exact, Label::Adverb, U"ยังไม่"sv);
                t[k].kind = Kind::Dropped;
            } else if (t[k].key == U"YET"sv) {
                setReading(t[k], How::Exact, Label::Adverb, U"ยัง"sv);
            }
        }
        // and so at the end of the clause: "I haven't found it yet" => ฉันยังไม่พบมัน
        for (std::size_t k = nextWord(t, j), words = 0; negation != kNone && k != kNone && words < kMostObjectWords;
             k = nextWord(t, k), ++words) {
            if (isWord(t[k]) && t[k].key == U"YET"sv && endsClause(t, k)) {
                setReading(t[negation], How::Exact, Label::Adverb, U"ยังไม่"sv);
                t[k].kind = Kind::Dropped;
                break;
            }
        }
    });
}

// Words of time before an -ing word that is done then: "when deleting", "before using".
constexpr std::array kTimeWords{U"WHEN"sv, U"WHILE"sv, U"BEFORE"sv, U"AFTER"sv, U"SINCE"sv, U"UNTIL"sv, U"WHENEVER"sv};
constexpr std::array kIngPrepositions{U"FOLLOWING"sv,   U"INCLUDING"sv, U"REGARDING"sv, U"CONCERNING"sv,
                                      U"CONSIDERING"sv, U"EXCLUDING"sv, U"ACCORDING"sv, U"PENDING"sv};

/// -ing words and the preposition their verb takes, which describe the noun before them.
constexpr std::array<std::pair<std::u32string_view, std::u32string_view>, 19> kIngWithPreposition{{
    {U"CONSISTING"sv, U"OF"sv},  {U"BELONGING"sv, U"TO"sv},     {U"POINTING"sv, U"TO"sv},
    {U"REFERRING"sv, U"TO"sv},   {U"CORRESPONDING"sv, U"TO"sv}, {U"RELATING"sv, U"TO"sv},
    {U"LEADING"sv, U"TO"sv},     {U"ENDING"sv, U"IN"sv},        {U"ENDING"sv, U"WITH"sv},
    {U"STARTING"sv, U"WITH"sv},  {U"STARTING"sv, U"AT"sv},      {U"STARTING"sv, U"FROM"sv},
    {U"BEGINNING"sv, U"AT"sv},   {U"ENDING"sv, U"AT"sv},        {U"BEGINNING"sv, U"WITH"sv},
    {U"RESULTING"sv, U"FROM"sv}, {U"COMING"sv, U"FROM"sv},      {U"ORIGINATING"sv, U"FROM"sv},
    {U"LIVING"sv, U"IN"sv},
}};

/// The verb sense of the stem of an upper-case -ing key: PRESSING => PRESS, MAKING => MAKE, RUNNING => RUN.
bool stemVerb(std::u32string_view k, const GrammarContext &c, std::u32string &verb) {
    for (auto stem : {std::u32string(k.substr(0, k.size() - 3)), std::u32string(k.substr(0, k.size() - 3)) + U"E",
                      std::u32string(k.substr(0, k.size() - 4))})
        if (stem.size() > 1 && c.sense && c.sense(stem, isVerb, verb))
            return true;
    return false;
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
        return stemVerb(t.key, c, verb);
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

/// An -ing entry read as a verb as it stands: "working/ทำงาน/vi." (not "bring", "string": no -ing of a stem).
bool plainIngVerb(const GrammarToken &t) {
    return wordWith(t, How::Exact, t.label) && isVerb(t.label) && t.key.ends_with(U"ING"sv) &&
           (t.key.size() > 6 || t.key == U"USING"sv || t.key == U"DOING"sv || t.key == U"GOING"sv) &&
           t.key != U"SPRING"sv && t.key != U"STRING"sv;
}

/// True when -ing token i follows a comma that ends a clause with a verb, and takes what comes after it (an object,
/// a noun or an adverb): "It copies the file, creating any missing directories". Not in a list of -ing words
/// ("reading, writing and drawing").
bool afterClauseAndComma(std::span<GrammarToken> t, std::size_t i) {
    bool comma = false;
    const std::size_t p = previousWord(t, i, &comma), n = nextWord(t, i);
    if (!comma || p == kNone || !isWord(t[p]) || t[p].key.ends_with(U"ING"sv) || n == kNone ||
        !(opensObject(t, n) || isNoun(t[n]) || isAdverbWord(t[n])))
        return false;
    bool verb = false;
    std::size_t first = p;
    for (std::size_t k = p, words = 0; k != kNone && words < 40; k = previousWord(t, k), ++words) {
        first = k;
        verb = verb || isVerbWord(t[k]) || wordWith(t[k], How::Exact, Label::Be) ||
               (isWord(t[k]) && (isPronounLabel(t[k].label) ||
                                 (t[k].how == How::Write &&
                                  (t[k].family == SuffixFamily::S || t[k].family == SuffixFamily::ED)))); // "It copies"
    }
    // after "If the pattern is stored in a variable," the -ing word opens the main clause: its subject
    return verb && !among(kClauseOpeners, t[first].key);
}

/// True when the -ing word at token i follows the few words that open the sentence ("For example", "However", "In
/// this case") and their comma, and a modal, a be or a verb with -s comes after it in the clause: its subject.
bool subjectAfterOpener(std::span<GrammarToken> t, std::size_t i, const GrammarContext &c) {
    bool comma = false;
    const std::size_t p = previousWord(t, i, &comma);
    if (!comma || p == kNone || !c.sentenceStart || c.firstToken > p)
        return false;
    // (opened by an adverb, a preposition or a conjunction: not a subject and its comma, "An English judge, growing
    // weary of")
    const GrammarToken &f = t[c.firstToken];
    if (!isWord(f) || f.how != How::Exact ||
        !(f.label == Label::Adverb || f.label == Label::Preposition || f.label == Label::Conjunction))
        return false;
    std::size_t words = 0;
    for (std::size_t k = c.firstToken; k <= p; ++k) {
        if (isBlank(t[k]))
            continue;
        if (isArticle(t[k]))
            return false;
        if (t[k].kind == Kind::Separator || !isWord(t[k]) || ++words > 4 || isVerbWord(t[k]) ||
            t[k].label == Label::Be || isPronounLabel(t[k].label) || among(kModals, t[k].key))
            return false;
    }
    for (std::size_t k = nextWord(t, i), n = 0; k != kNone && n < kMostClauseWords; k = nextWord(t, k), ++n) {
        if (k > 0 && markAt(t, k - 1, U",;:.?!)"))
            return false;
        if (isWord(t[k]) && (among(kModals, t[k].key) || wordWith(t[k], How::Exact, Label::Be) ||
                             (isVerb(t[k].label) && t[k].how == How::Write && t[k].family == SuffixFamily::S)))
            return true;
    }
    return false;
}

// An -ing word at the start of a sentence or after a preposition is a noun of action, การ + verb, written in place;
// after be it is the action going on, กำลัง + verb, and the be-word is not written. After a clause and its comma
// it tells how the clause was done: โดย + verb.
/// keep, keeps, kept, keeping: before an -ing word it says the doing goes on, ยังคง.
bool keepForm(std::u32string_view key) {
    return key.starts_with(U"KEP"sv) || key.starts_with(U"KEEP"sv);
}

// Forms of go, before an -ing word of what is done: "go shopping" => ไปซื้อของ, not ไปการซื้อของ.
constexpr std::array kGoForms{U"GO"sv, U"GOES"sv, U"WENT"sv, U"GONE"sv, U"GOING"sv};

/// An -ing entry of its own read as a noun ("opening" ช่องเปิด, "warning" คำเตือน) before what a verb takes is its
/// stem's verb: "before opening the can" => ก่อนเปิดกระป๋อง, not ก่อนช่องเปิด...
bool nounIngBeforeObject(std::span<GrammarToken> t, std::size_t i, const GrammarContext &c, std::u32string &verb) {
    return isWord(t[i]) && t[i].how == How::Exact && t[i].key.ends_with(U"ING"sv) && !isVerb(t[i].label) &&
           !among(kIngPrepositions, t[i].key) && opensObject(t, nextWord(t, i), false) && stemVerb(t[i].key, c, verb);
}

bool ongoingIng(const GrammarToken &w);

void gerund(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string made, verb;
    eachAnchor(t, c, [&](std::size_t i) {
        // "Being" opening a sentence before a noun phrase names the state: การเป็น ("Being a mime means" =>
        // การเป็นmime หมายความว่า, not เป็นmime)
        if (const std::size_t n = nextWord(t, i);
            isWord(t[i]) && t[i].key == U"BEING"sv && t[i].label == Label::Be && firstOfSentence(i, c) && n != kNone &&
            (isArticle(t[n]) || (isWord(t[n]) && (among(kOwners, t[n].key) || t[n].key == U"ONE"sv)))) {
            setReading(t[i], How::Exact, Label::TransitiveVerb, U"การเป็น"sv);
            return;
        }
        if (const std::size_t p = previousWord(t, i);
            p != kNone && isWord(t[i]) && t[i].how == How::Exact && t[i].meaning.starts_with(U"การ"sv) &&
            t[i].key.ends_with(U"ING"sv) && isWord(t[p]) && among(kGoForms, t[p].key)) {
            t[i].setMeaning(std::u32string_view(t[i].meaning).substr(3));
            return;
        }
        // after when, while, before, after, since or until the -ing word is the plain verb: "when deleting files" =>
        // เมื่อลบแฟ้ม, "before using it" => ก่อนใช้มัน (not เมื่อการลบ)
        if (const std::size_t p = previousWord(t, i);
            p != kNone && isWord(t[i]) && t[i].key.ends_with(U"ING"sv) && isWord(t[p]) && among(kTimeWords, t[p].key) &&
            !among(kIngPrepositions, t[i].key) &&
            (ingVerb(t[i], c, verb) || plainIngVerb(t[i]) || nounIngBeforeObject(t, i, c, verb))) {
            if (plainIngVerb(t[i]) && !ingVerb(t[i], c, verb))
                verb = t[i].meaning; // "using" ใช้
            setReading(t[i], How::Exact, Label::TransitiveVerb, verb);
            return;
        }
        // "worth" before an -ing word: worth doing, คุ้มค่าที่จะทำ ("It may be worth installing these" =>
        // มันอาจจะคุ้มค่าที่จะติดตั้ง..., not กำลังติดตั้งมีค่า), the be before it unwritten
        if (const std::size_t p = previousWord(t, i);
            p != kNone && isWord(t[i]) && t[i].key.ends_with(U"ING"sv) && isWord(t[p]) && t[p].key == U"WORTH"sv &&
            !among(kIngPrepositions, t[i].key) && (ingVerb(t[i], c, verb) || plainIngVerb(t[i]))) {
            if (plainIngVerb(t[i]) && !ingVerb(t[i], c, verb))
                verb = t[i].meaning;
            setReading(t[i], How::Exact, Label::TransitiveVerb, verb);
            setReading(t[p], How::Exact, Label::Other, U"คุ้มค่าที่จะ"sv);
            // (over "not" and adverbs: "is not worth knowing" => ไม่คุ้มค่าที่จะรู้, not ไม่ใช่คุ้มค่า...)
            for (std::size_t b = previousWord(t, p), words = 0; b != kNone && words < 3;
                 b = previousWord(t, b), ++words) {
                if (wordWith(t[b], How::Exact, Label::Be)) {
                    t[b].kind = Kind::Dropped;
                    break;
                }
                if (!isAdverbWord(t[b]) && !(isWord(t[b]) && (t[b].key == U"NOT"sv || t[b].key == U"T"sv)))
                    break;
                if (t[b].key == U"NOT"sv || t[b].key == U"T"sv)
                    t[b].setMeaning(U"ไม่"sv);
            }
            return;
        }
        // "without" and "instead of" before an -ing word say what is not done: "without saying goodbye" =>
        // โดยไม่พูดลาก่อน (not โดยไม่มีการพูด), "Instead of copying the file" => แทนที่จะคัดลอกแฟ้ม
        if (const std::size_t p = previousWord(t, i), pp = p == kNone ? kNone : previousWord(t, p);
            p != kNone && isWord(t[i]) && t[i].key.ends_with(U"ING"sv) && isWord(t[p]) &&
            !among(kIngPrepositions, t[i].key) &&
            (ingVerb(t[i], c, verb) || plainIngVerb(t[i]) || nounIngBeforeObject(t, i, c, verb)) &&
            (t[p].key == U"WITHOUT"sv ||
             (t[p].key == U"OF"sv && pp != kNone && isWord(t[pp]) && t[pp].key == U"INSTEAD"sv))) {
            if (plainIngVerb(t[i]) && !ingVerb(t[i], c, verb))
                verb = t[i].meaning;
            setReading(t[i], How::Exact, Label::TransitiveVerb, verb);
            if (t[p].key == U"WITHOUT"sv) {
                setReading(t[p], How::Exact, Label::Preposition, U"โดยไม่"sv);
            } else {
                setReading(t[pp], How::Exact, Label::Adverb, U"แทนที่จะ"sv);
                t[p].kind = Kind::Dropped;
            }
            return;
        }
        // an -ing word after "and" or "or" reads as the -ing word before it that it pairs with: "the art of saying
        // what you think and getting out of the way" => การพูด...และการหลีกทาง, "Consider changing the name and
        // moving" => พิจารณาเปลี่ยนชื่อและย้าย, "I am reading and writing" => ฉันกำลังอ่านและเขียน
        if (const std::size_t p = previousWord(t, i); p != kNone && isWord(t[i]) && t[i].key.ends_with(U"ING"sv) &&
                                                      isWord(t[p]) && (t[p].key == U"AND"sv || t[p].key == U"OR"sv) &&
                                                      !among(kIngPrepositions, t[i].key) &&
                                                      (ingVerb(t[i], c, verb) || stemVerb(t[i].key, c, verb))) {
            std::size_t k = previousWord(t, p);
            for (std::size_t words = 0; k != kNone && words < kMostClauseWords && !t[k].key.ends_with(U"ING"sv);
                 ++words)
                k = previousWord(t, k);
            if (k == kNone || !isWord(t[k]) || !t[k].key.ends_with(U"ING"sv) || t[k].how != How::Exact ||
                among(kIngPrepositions, t[k].key) || verb.starts_with(U"จะ"sv)) // ("dying" กำลังจะตาย)
                return;
            const std::u32string_view m = t[k].meaning;
            if (m.starts_with(U"การ"sv) || m.starts_with(U"โดย"sv))
                setReading(t[i], How::Exact, Label::TransitiveVerb, std::u32string(m.substr(0, 3)) + verb);
            else if (t[k].label == Label::TransitiveVerb)
                setReading(t[i], How::Exact, Label::TransitiveVerb, verb); // (กำลัง is said once)
            return;
        }
        // "using" after the words it serves tells how: "sorting the data using Python" => ...โดยใช้ไพทอน
        if (isWord(t[i]) && t[i].key == U"USING"sv && t[i].how == How::Exact && isVerb(t[i].label)) {
            // (after a verb, or a noun or pronoun that a verb takes: "the files using it are" is a relative clause)
            const std::size_t p = previousWord(t, i), be = stepOver(t, i, false, isAdverbWord), n = nextWord(t, i);
            std::size_t v = p; // back over the noun phrase before it to the verb that takes it
            for (std::size_t words = 0; v != kNone && words < kMostObjectWords && !isVerbWord(t[v]) &&
                                        (t[v].kind == Kind::Piece || isNoun(t[v]) || t[v].label == Label::Pronoun ||
                                         wordWith(t[v], How::Exact, Label::Adjective));
                 ++words)
                v = previousWord(t, v);
            if (p != kNone && v != kNone && isVerbWord(t[v]) &&
                !(be != kNone && wordWith(t[be], How::Exact, Label::Be)) && !verbFormOf<kAspectVerbs>(t[p].key) &&
                !verbFormOf<kIngObjectVerbs>(t[p].key) && !verbFormOf<kAdvisingIngVerbs>(t[p].key) &&
                (opensObject(t, n) || (n != kNone && (isNoun(t[n]) || nameWord(t[n]))))) { // ("using gcloud")
                setReading(t[i], How::Exact, Label::TransitiveVerb, U"โดยใช้"sv);
                return;
            }
        }
        // "keep on doing" is going on doing: "They keep on saying it" => พวกเขายังคงพูดมัน, not เก็บบนการพูด
        if (const std::size_t p = previousWord(t, i), k = p == kNone ? kNone : previousWord(t, p);
            k != kNone && isWord(t[i]) && t[i].key.ends_with(U"ING"sv) && isWord(t[p]) && t[p].key == U"ON"sv &&
            isVerbWord(t[k]) && keepForm(t[k].key) && (ingVerb(t[i], c, verb) || stemVerb(t[i].key, c, verb))) {
            setReading(t[k], How::Exact, Label::TransitiveVerb, U"ยังคง"sv);
            t[p].kind = Kind::Dropped;
            setReading(t[i], How::Exact, Label::TransitiveVerb, verb);
            return;
        }
        // an -ing entry of its own read otherwise after a verb of starting or stopping is the action of its stem's
        // verb: "Quit worrying about your health" => เลิกกังวลเกี่ยวกับ..., not เลิกน่าเป็นห่วง
        if (const std::size_t p = previousWord(t, i);
            p != kNone && isWord(t[i]) && t[i].how == How::Exact && !isVerb(t[i].label) &&
            t[i].key.ends_with(U"ING"sv) && !among(kIngPrepositions, t[i].key) && isVerbWord(t[p]) &&
            verbFormOf<kAspectVerbs>(t[p].key) && !leftToPhraseRule(t, i, c) && stemVerb(t[i].key, c, verb)) {
            setReading(t[i], How::Exact, Label::TransitiveVerb, verb);
            if (keepForm(t[p].key)) // (keep doing: ยังคง, not เก็บ)
                setReading(t[p], How::Exact, Label::TransitiveVerb, U"ยังคง"sv);
            return;
        }
        bool plain = false; // after be or a preposition only: "Depending on" opens no noun of action
        if (!ingVerb(t[i], c, verb)) {
            // an -ing entry of its own read otherwise ("pressing" เร่งด่วน) opening a sentence before what it takes:
            // the action of its stem's verb, "Pressing the key" => การกดคีย์
            // (not the -ing words that work as prepositions: "Following the bits is", "Including the files")
            // (and after a clause and its comma: "copies the file, creating any directories" => โดยสร้าง...)
            // (or before be, as its subject: "Worrying is like rocking" => การกังวลเหมือน...)
            const std::size_t n = nextWord(t, i);
            // after a pronoun and its be an -ing entry read as a noun is the action going on: "You are feeling
            // better" => คุณกำลังรู้สึกดีกว่า, not คุณเป็นความรู้สึก...
            if (const std::size_t b = stepOver(t, i, false, isAdverbWord), s = b == kNone ? kNone : previousWord(t, b);
                s != kNone && wordWith(t[i], How::Exact, Label::Noun) && t[i].key.ends_with(U"ING"sv) &&
                wordWith(t[b], How::Exact, Label::Be) && wordWith(t[s], How::Exact, Label::Pronoun) &&
                (among(kSubjects, t[s].key) || among(kSubjectsAtClauseStart, t[s].key)) &&
                !(n != kNone && isNoun(t[n])) && // (not a noun's: "it's my parakeet's bowling night")
                !leftToPhraseRule(t, i, c) && stemVerb(t[i].key, c, verb)) {
                t[b].kind = Kind::Dropped;
                setReading(t[i], How::Exact, Label::TransitiveVerb, U"กำลัง" + verb);
                return;
            }
            const bool beNext = n != kNone && wordWith(t[n], How::Exact, Label::Be) && t[i].label != Label::Noun;
            if (isWord(t[i]) && t[i].how == How::Exact && t[i].key.ends_with(U"ING"sv) && !isVerb(t[i].label) &&
                !among(kIngPrepositions, t[i].key) && (opensObject(t, n) || (beNext && firstOfSentence(i, c)))) {
                const bool first = firstOfSentence(i, c);
                // (not the subject of the clause after a comma: "Although ..., debugging logs show them")
                const std::size_t v = n == kNone ? kNone : nextWord(t, n);
                const bool subject = !first && n != kNone && isNoun(t[n]) && v != kNone && isVerbWord(t[v]);
                if ((first || afterClauseAndComma(t, i)) && !subject && stemVerb(t[i].key, c, verb)) {
                    setReading(t[i], How::Exact, Label::TransitiveVerb, (first ? U"การ" : U"โดย") + verb);
                    return;
                }
            }
            // after a preposition before what it takes: "for setting the value" => สำหรับการตั้งค่า
            if (const std::size_t p = previousWord(t, i);
                p != kNone && wordWith(t[p], How::Exact, Label::Preposition) && !leftToPhraseRule(t, i, c) &&
                nounIngBeforeObject(t, i, c, verb)) {
                setReading(t[i], How::Exact, Label::TransitiveVerb, U"การ" + verb);
                return;
            }
            if (!plainIngVerb(t[i]))
                return;
            plain = true;
            verb = t[i].meaning;
        }
        std::size_t p = previousWord(t, i);
        // (not the subject of the clause after the comma, an -ing word and a noun before a verb: "..., debugging logs
        // show them")
        const std::size_t o = nextWord(t, i), ov = o == kNone ? kNone : nextWord(t, o);
        if (p == kNone && !plain && afterClauseAndComma(t, i) &&
            !(o != kNone && isNoun(t[o]) && ov != kNone && isVerbWord(t[ov]))) {
            // "He left, slamming the door" => เขาออกไป, โดยปิดดังปังประตู: how the clause before it was done
            setReading(t[i], How::Exact, Label::TransitiveVerb, U"โดย" + verb);
            return;
        }
        // after the words that open a sentence and their comma, the subject of its verb: "For example, specifying 10s
        // will run the check" => ยกตัวอย่างเช่น, การระบุ10s จะ..., not กำลังระบุ
        if (!plain && p == kNone && subjectAfterOpener(t, i, c)) {
            setReading(t[i], How::Exact, Label::TransitiveVerb, U"การ" + verb);
            return;
        }
        const std::size_t be = stepOver(t, i, false, isAdverbWord);
        // keep doing is going on doing: "He kept working" => เขายังคงทำงาน, not เก็บ
        if (p != kNone && isVerbWord(t[p]) && keepForm(t[p].key))
            setReading(t[p], How::Exact, Label::TransitiveVerb, U"ยังคง"sv);
        if (!plain && p != kNone && isVerbWord(t[p]) && verbFormOf<kAspectVerbs>(t[p].key)) {
            setReading(t[i], How::Exact, Label::TransitiveVerb, verb); // "stop working" => หยุดทำงาน
            return;
        }
        if (p != kNone && isVerbWord(t[p]) &&
            (verbFormOf<kIngObjectVerbs>(t[p].key) || verbFormOf<kAdvisingIngVerbs>(t[p].key)) &&
            !(t[p].key == U"LIKE"sv && previousWord(t, p) != kNone && isVerbWord(t[previousWord(t, p)])) &&
            !leftToPhraseRule(t, i, c)) { // (not "feels like working")
            setReading(t[i], How::Exact, Label::TransitiveVerb,
                       (verbFormOf<kAdvisingIngVerbs>(t[p].key) ? U"ให้"s : U"การ"s) + verb);
            return;
        }
        // (after "no" it is the action's noun: "There is no hunting like" => ไม่มีการล่าสัตว์..., not ไม่กำลังล่า)
        // ("No passing." => ไม่มีการผ่าน; not before its noun: "no messaging system")
        if (const std::size_t n = nextWord(t, i);
            p != kNone && isWord(t[p]) && t[p].key == U"NO"sv && !plain &&
            !(n != kNone && (isNoun(t[n]) || wordWith(t[n], How::Exact, Label::Adjective)))) {
            made.assign(U"การ"sv);
            if (const std::size_t b = previousWord(t, p);
                t[p].meaning == U"ไม่"sv && !(b != kNone && isWord(t[b]) && t[b].label == Label::Be))
                t[p].setMeaning(U"ไม่มี"sv);
        } else if (p != kNone && isWord(t[p]) && t[p].key == U"NO"sv) {
            return; // (before its noun it describes it: "there is no rounding error" => ไม่มีข้อผิดพลาดการปัดเศษ)
        } else if (be != kNone && wordWith(t[be], How::Exact, Label::Be)) {
            t[be].kind = Kind::Dropped;
            made.assign(U"กำลัง"sv);
        } else if (((firstOfSentence(i, c) || headingStart(t, i, c)) && !plain) ||
                   (headingStart(t, i, c) && ongoingIng(t[i])) ||
                   (p != kNone && wordWith(t[p], How::Exact, Label::Preposition)) ||
                   (!plain && p != kNone && be != p && be != kNone && // "by simply joining the names"
                    wordWith(t[be], How::Exact, Label::Preposition))) {
            made.assign(U"การ"sv);
        } else {
            return;
        }
        // "upon" + an -ing word says when: "upon returning from a dance" => เมื่อกลับจากการเต้นรำ, not บนการกลับ
        if (made == U"การ"sv && p != kNone && isWord(t[p]) && t[p].key == U"UPON"sv && !plain) {
            t[p].setMeaning(U"เมื่อ"sv);
            made.clear();
        }
        // (an -ing entry of its own says กำลัง, which the action's noun leaves out: "2.2 Showing Differences" =>
        // การแสดงความแตกต่าง)
        if (plain && made == U"การ"sv && ongoingIng(t[i]))
            verb = verb.substr(std::u32string_view(U"กำลัง").size());
        made += verb;
        setReading(t[i], How::Exact, Label::TransitiveVerb, made); // a verb: the noun phrase before it is written first
    });
}

// Prepositions of place: be before them is อยู่ ("The files are in the folder" => แฟ้มอยู่ในแฟ้ม), unless they
// open a set phrase ("is at least", "is in fact").
constexpr std::array kPlaces{U"IN"sv,     U"ON"sv,      U"AT"sv,    U"UNDER"sv,   U"INSIDE"sv, U"OUTSIDE"sv, U"NEAR"sv,
                             U"BEHIND"sv, U"BETWEEN"sv, U"ABOVE"sv, U"BELOW"sv,   U"BESIDE"sv, U"AMONG"sv,   U"HERE"sv,
                             U"THERE"sv,  U"WITHIN"sv,  U"AWAY"sv,  U"BENEATH"sv, U"OUT"sv};
constexpr std::array kSetAfterPlace{U"LEAST"sv,  U"MOST"sv,       U"ALL"sv,      U"FIRST"sv, U"LAST"sv,
                                    U"FACT"sv,   U"ORDER"sv,      U"GENERAL"sv,  U"TURN"sv,  U"SHORT"sv,
                                    U"CHARGE"sv, U"PARTICULAR"sv, U"ADDITION"sv, U"ONCE"sv,  U"TIME"sv};

/// True when a noun phrase starts at token n: an article or a number, a noun, or an adjective before one.
bool nounPhraseAt(std::span<GrammarToken> t, std::size_t n) {
    for (std::size_t words = 0; n != kNone && words < kMostWordsBetween; n = nextWord(t, n), ++words) {
        if (t[n].kind == Kind::Piece || isNoun(t[n]))
            return true;
        if (!wordWith(t[n], How::Exact, Label::Adjective))
            return false;
    }
    return false;
}

// Adverbs that Thai puts before be when what follows it is a noun phrase or a place ("He was still a fine man" =>
// เขายังคงเป็นผู้ชาย..., "It is not a bug" => มันไม่ใช่ข้อบกพร่อง), with the Thai they take there (none: their own), and
// those whose Thai ends the clause instead ("He is always at home" => เขาอยู่ที่บ้านเสมอ).
constexpr std::array kAdverbsBeforeBe{
    std::pair{U"STILL"sv, U""sv},   std::pair{U"NEVER"sv, U""sv},     std::pair{U"PROBABLY"sv, U""sv},
    std::pair{U"USUALLY"sv, U""sv}, std::pair{U"OFTEN"sv, U"มักจะ"sv}, std::pair{U"SOMETIMES"sv, U""sv},
    std::pair{U"PERHAPS"sv, U""sv}, std::pair{U"NORMALLY"sv, U""sv},  std::pair{U"GENERALLY"sv, U""sv},
    std::pair{U"NOT"sv, U"ไม่"sv},   std::pair{U"T"sv, U"ไม่"sv},       std::pair{U"NO"sv, U"ไม่"sv}}; // ("It is no joke")
constexpr std::array kAdverbsAfterBe{U"ALWAYS"sv, U"ALSO"sv, U"ALREADY"sv};

/// be (token i), an adverb (token a), then a noun phrase or a place: the adverb before be as Thai has it, or at the
/// clause's end; true when it did.
bool adverbAroundBe(std::span<GrammarToken> t, std::size_t i, std::size_t a, const GrammarContext &c) {
    if (a == kNone || !isAdverbWord(t[a]))
        return false;
    const std::size_t n = nextWord(t, a);
    if (n == kNone)
        return false;
    const bool place =
        isWord(t[n]) && among(kPlaces, t[n].key) && (t[n].label == Label::Preposition || t[n].label == Label::Adverb) &&
        (nextWord(t, n) == kNone ||
         !(among(kSetAfterPlace, t[nextWord(t, n)].key) || t[nextWord(t, n)].key == U"USE"sv)); // ("in use")
    // (an adverb that ends the clause also before an adjective: "He is always late" => เขาสายเสมอ)
    // ("also" there stays ยัง, before: "is also useful" => ยังมีประโยชน์)
    const bool after = among(kAdverbsAfterBe, t[a].key),
               adjective = after && t[a].key != U"ALSO"sv && wordWith(t[n], How::Exact, Label::Adjective);
    if (!place && !nounPhraseAt(t, n) && !adjective &&
        !(isWord(t[n]) && (among(kDeterminers, t[n].key) || among(kIndefinites, t[n].key))))
        return false;
    // ("there is still" says มี, and so "there is always", its adverb at the clause's end: มีทางเสมอ; "to be still"
    // is left to the rule of "to"; be before its subject asks: "Why isn't license foo included?")
    bool there = false;
    if (const std::size_t p = previousWord(t, i);
        p == kNone ? firstOfSentence(i, c) || c.question
                   : (t[p].key == U"THERE"sv && !(there = after && !adjective)) || t[p].key == U"TO"sv ||
                         wordWith(t[p], How::Exact, Label::Question))
        return false;
    // (nor "there" before a modal or an adverb: "there would be no end" => จะไม่มีตอนท้าย)
    for (std::size_t k = previousWord(t, i); k != kNone && isWord(t[k]) && !there; k = previousWord(t, k)) {
        if (t[k].key == U"THERE"sv)
            return false;
        if (!(among(kModals, t[k].key) || isAdverbWord(t[k])))
            break;
    }
    const std::u32string_view be = place ? U"อยู่"sv : U"เป็น"sv;
    const auto before = std::find_if(kAdverbsBeforeBe.begin(), kAdverbsBeforeBe.end(),
                                     [&](const auto &e) { return sameKey(e.first, t[a].key); });
    if (before != kAdverbsBeforeBe.end()) {
        std::u32string thai(before->second.empty() ? t[a].meaning : before->second);
        if (before->second == U"ไม่"sv)
            thai = place ? U"ไม่ได้อยู่"sv : U"ไม่ใช่"sv;
        else
            thai += be;
        t[a].setMeaning(thai);
        t[i].kind = Kind::Dropped;
        return true;
    }
    if (!after)
        return false;
    std::size_t last = n, beforeRelative = kNone; // the clause's last word, which takes the adverb after it
    for (std::size_t j = nextWord(t, n), words = 1;
         j != kNone && words < 2 * kMostClauseWords && (!opensClause(t[j]) || opensRelative(t[j]));
         j = nextWord(t, j), ++words) {
        if (beforeRelative == kNone && opensRelative(t[j]))
            beforeRelative = last;
        last = j;
    }
    // (else before a relative clause that runs on: "is also the name of a group of functions that can" =>
    // ...ฟังก์ชันด้วยที่สามารถ)
    if (!endsClause(t, last) && beforeRelative != kNone)
        last = beforeRelative;
    // (not after ต้อง, where the phrase rules would read ต้องด้วย as "must also": "correctly" => อย่างถูกต้อง)
    if (!isWord(t[last]) || !endsClause(t, last) || std::u32string_view(t[last].meaning).ends_with(U"ต้อง"sv))
        return false;
    if (adjective) // (a Thai adjective says "is" itself)
        t[i].kind = Kind::Dropped;
    else if (!there)
        setReading(t[i], How::Exact, Label::Other, be);
    t[last].tail += t[a].meaning;
    t[a].kind = Kind::Dropped;
    return true;
}

// be, perhaps with not, very or too between, before an adjective that ends its phrase is not written: a Thai
// adjective says "is ..." itself ("it is not easy" => มันไม่ง่าย). Before a noun ("is good food") be stays, and so
// where the tokens run out, for the noun may come in the next line. Before a place be is อยู่; after "to" or
// "not", before a noun phrase, เป็น ("want to be a doctor" => ต้องการเป็นหมอ, not ต้องการคือหมอ).
/// True when "there" or "here" comes among the few words before token i: "There will always be" is มี.
bool thereBefore(std::span<GrammarToken> t, std::size_t i) {
    std::size_t k = previousWord(t, i);
    for (std::size_t words = 0; k != kNone && words < 3; k = previousWord(t, k), ++words)
        if (isWord(t[k]) && (t[k].key == U"THERE"sv || t[k].key == U"HERE"sv))
            return true;
    return false;
}

void beAdjective(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        eitherAfterBe(t, i);
        // "It is possible this is wrong", "It's very likely the file is gone": after "it" and be, an adjective before
        // a clause of its own says so of the clause, ว่า, where it stands ("มันเป็นไปได้มากว่าหนังสือนี้แก่"; the
        // grammar mode holds it for the noun after it)
        // (be unwritten: "It was clear the man was old" => มันชัดว่าผู้ชายแก่; the 's after "it" is "is" there)
        if (const std::size_t it = previousWord(t, i);
            it != kNone && isWord(t[it]) && t[it].key == U"IT"sv && isWord(t[i]) &&
            ((wordWith(t[i], How::Exact, Label::Be) && (t[i].key == U"IS"sv || t[i].key == U"WAS"sv)) ||
             t[i].key == U"S"sv)) {
            std::size_t a = nextWord(t, i);
            const std::size_t degree = a != kNone && isWord(t[a]) &&
                                               (t[a].key == U"VERY"sv || t[a].key == U"QUITE"sv ||
                                                t[a].key == U"HIGHLY"sv || t[a].key == U"REALLY"sv)
                                           ? a
                                           : kNone;
            if (degree != kNone)
                a = nextWord(t, a);
            const std::size_t s = a == kNone ? kNone : nextWord(t, a);
            auto verbOf = [&](std::size_t from) { // a verb, a be or a modal within a few words: a clause
                for (std::size_t k = from, words = 0; k != kNone && words < 5; k = nextWord(t, k), ++words)
                    if (isWord(t[k]) && (isVerbWord(t[k]) || t[k].label == Label::Be || among(kModals, t[k].key)))
                        return true;
                return false;
            };
            if (s != kNone && isWord(t[a]) && t[a].label == Label::Adjective &&
                (t[a].how == How::Exact || t[a].how == How::Hold) && !among(kDeterminers, t[a].key) &&
                (isArticle(t[s]) || (isWord(t[s]) && (among(kDemonstratives, t[s].key) || among(kSubjects, t[s].key) ||
                                                      t[s].key == U"YOU"sv))) &&
                verbOf(nextWord(t, s)) && isWord(t[previousMark(t, a)]) && // (not quoted: "If it is 'NULL' the salt")
                !(previousWord(t, it) != kNone && among(kClauseOpeners, t[previousWord(t, it)].key))) {
                setReading(t[a], How::Exact, Label::Other,
                           std::u32string(withoutRelativeMark(t[a].meaning)) + (degree != kNone ? U"มาก" : U"") +
                               U"ว่า");
                if (degree != kNone)
                    t[degree].kind = Kind::Dropped;
                t[i].kind = Kind::Dropped;
                return;
            }
        }
        // "Why is it good?", "How is that possible?": after why or how, be before its subject and an adjective that
        // ends the question is not written, and the adjective says what the subject is ("Why is he sad?" =>
        // เขาเศร้าทำไม?; "good" ดี, not the ที่ดี of a noun's)
        if (const std::size_t q = previousWord(t, i), s = nextWord(t, i), a = s == kNone ? kNone : nextWord(t, s);
            a != kNone && q != kNone && isWord(t[q]) && (t[q].key == U"WHY"sv || t[q].key == U"HOW"sv) &&
            wordWith(t[i], How::Exact, Label::Be) && isWord(t[s]) && isPronounLabel(t[s].label) && isWord(t[a]) &&
            t[a].label == Label::Adjective && (t[a].how == How::Exact || t[a].how == How::Hold) &&
            (nextWord(t, a) == kNone || endsClause(t, a))) {
            t[i].kind = Kind::Dropped;
            t[a].how = How::Exact;
            if (const std::u32string_view m = withoutRelativeMark(t[a].meaning); m.size() != t[a].meaning.size())
                t[a].setMeaning(m);
            return;
        }
        // be before "born" is not written: "He was born in 1990" => เขาเกิดใน1990, not เขาเป็นเกิด
        if (const std::size_t n = nextWord(t, i);
            wordWith(t[i], How::Exact, Label::Be) && n != kNone && isWord(t[n]) && t[n].key == U"BORN"sv) {
            t[i].kind = Kind::Dropped;
            return;
        }
        // be + "as follows" ending the clause: มีดังนี้ ("The steps are as follows." => ขั้นตอนมีดังนี้, where the
        // grammar mode drops "as" after be and reads "follows" as it reads "is followed": ถูกติดตาม)
        if (const std::size_t a = nextWord(t, i), f = a == kNone ? kNone : nextWord(t, a);
            wordWith(t[i], How::Exact, Label::Be) && f != kNone && isWord(t[a]) && t[a].key == U"AS"sv &&
            isWord(t[f]) && t[f].key == U"FOLLOWS"sv && (nextWord(t, f) == kNone || endsClause(t, f))) {
            setReading(t[i], How::Exact, Label::Other, U"มี"sv);
            setReading(t[a], How::Exact, Label::Other, U"ดังนี้"sv);
            t[f].kind = Kind::Dropped;
            return;
        }
        // be before a colon introduces what something is: คือ ("Another is:" => อีกหนึ่งคือ:, not the อยู่ of a place)
        if (wordWith(t[i], How::Exact, Label::Be) && i + 1 < t.size() && t[i + 1].kind == Kind::Separator &&
            t[i + 1].text.starts_with(U':') && previousWord(t, i) != kNone && t[i].key != U"BE"sv &&
            t[i].key != U"BEEN"sv && t[i].key != U"BEING"sv && t[i].key != U"S"sv && !thereBefore(t, i)) {
            setReading(t[i], How::Exact, Label::Other, U"คือ"sv);
            return;
        }
        // be before a noun phrase says what something is, คือ (เป็น for "be"), where the grammar mode, after an
        // adverb, a name or a number, writes the อยู่ of a place: "Two is company" => สองคือบริษัท, "Let's just be
        // friends" => ...แค่เป็นเพื่อน (not "There is a man", nor "is in the room"); so after "and" or "or" that
        // join it to the verb before: "FILE exists and is a regular file" => แฟ้มมีอยู่และเป็นแฟ้มปกติ
        const std::size_t before = previousWord(t, i);
        const bool andBefore =
            before != kNone && isWord(t[before]) && (t[before].key == U"AND"sv || t[before].key == U"OR"sv);
        if (const std::size_t p = previousWord(t, i), n = nextWord(t, i);
            wordWith(t[i], How::Exact, Label::Be) && p != kNone && n != kNone && t[i].key != U"BEING"sv &&
            t[i].key != U"BEEN"sv && t[i].key != U"S"sv &&
            (isAdverbWord(t[p]) || isNumber(t[p]) || andBefore ||
             (isWord(t[p]) && !t[p].quiet &&
              (t[p].how == How::Unrendered || t[p].how == How::RawFallback ||
               (t[p].how == How::Exact && t[p].label == Label::Other &&
                (t[p].capitals || writtenAsItStands(t[p])))))) &&
            t[p].key != U"NOT"sv && t[p].key != U"T"sv &&
            (isArticle(t[n]) || isNumber(t[n]) || (isNoun(t[n]) && !among(kDemonstratives, t[n].key)) ||
             (isWord(t[n]) && (among(kOwners, t[n].key) || among(kNumberWords, t[n].key) ||
                               (among(kDeterminers, t[n].key) && t[n].key != U"ALL"sv && t[n].key != U"BOTH"sv &&
                                t[n].key != U"EACH"sv)))) &&
            !thereBefore(t, i) && !leftToPhraseRule(t, i, c)) {
            // (คือ where a phrase rule would read เป็น with what follows: "and are output" is no ผลก็คือ)
            setReading(t[i], How::Exact, Label::Other,
                       t[i].key == U"BE"sv || (andBefore && !joinsPhraseRule(U"เป็น"sv, ownThai(t[n]))) ? U"เป็น"sv
                                                                                                       : U"คือ"sv);
            return;
        }
        // get before an adjective says it becomes so: unwritten, and "getting" กำลัง ("It is getting dark" =>
        // มันกำลังมืด, not มันกำลังได้มืด); not before the noun the adjective describes ("get good results")
        if (isWord(t[i]) && among(kGetForms, t[i].key)) { // (the -ing rule may have read "getting" already)
            auto adjective = [&](std::size_t k) {
                return k != kNone && isWord(t[k]) && t[k].label == Label::Adjective &&
                       (t[k].how == How::Exact || t[k].how == How::Hold);
            };
            // (not after a word the grammar mode holds, which the verb writes out: "No one gets sick" => ไม่มีใคร...;
            // nor where a phrase rule reads the two: "gets better" => ดีขึ้น, "getting old" => กำลังแก่ลง)
            const std::size_t a = nextWord(t, i), p = previousWord(t, i);
            if (!adjective(a) || among(kDeterminers, t[a].key) || among(kOwners, t[a].key) ||
                among(kAmounts, t[a].key) || (p != kNone && adjective(p)) ||
                joinsPhraseRule(t[i].meaning, ownThai(t[a])) ||
                (c.phraseHolds && c.phraseHolds(U""sv, t[i].meaning, ownThai(t[a]))) || leftToPhraseRule(t, i, c) ||
                readByBuiltInRule(t, i))
                return;
            std::size_t after = nextWord(t, a); // over more adjectives, to what they may describe
            for (std::size_t words = 0; adjective(after) && words < kMostWordsBetween; ++words)
                after = nextWord(t, after);
            if (after != kNone && (isNoun(t[after]) || opensObject(t, after)))
                return;
            if (t[i].key == U"GETTING"sv) // after be กำลัง, as a gerund การ ("Getting involved" => การเกี่ยวข้อง)
                setReading(t[i], How::Exact, Label::Adverb, t[i].meaning.starts_with(U"กำลัง"sv) ? U"กำลัง"sv : U"การ"sv);
            else
                t[i].kind = Kind::Dropped;
            return;
        }
        if (!wordWith(t[i], How::Exact, Label::Be))
            return;
        const std::size_t n1 = nextWord(t, i);
        std::u32string like;
        if (n1 != kNone && isWord(t[n1]) && t[n1].key == U"LIKE"sv && isVerb(t[n1].label) && c.sense &&
            c.sense(t[n1].key, isPrepositionLabel, like)) { // "She is like her mother" => เธอเหมือนแม่เธอ
            t[i].kind = Kind::Dropped;
            setReading(t[n1], How::Exact, Label::Preposition, like);
            return;
        }
        if (n1 != kNone && isWord(t[n1]) && t[n1].key == U"BACK"sv) { // "I'll be back" => ฉันจะกลับ
            t[i].kind = Kind::Dropped;
            return;
        }
        // "Be" opening a sentence is an order: จง ("Be careful" => จงระมัดระวัง, "Be a man" => จงเป็นผู้ชาย)
        // ("Be not afraid" => อย่ากลัว; not "Be it known")
        if (t[i].key == U"BE"sv && !c.question && previousWord(t, i) == kNone && firstOfSentence(i, c) && n1 != kNone &&
            !wordWith(t[n1], How::Exact, Label::Pronoun)) {
            const bool no = isWord(t[n1]) && t[n1].key == U"NOT"sv;
            if (no)
                t[n1].kind = Kind::Dropped;
            setReading(t[i], How::Exact, Label::Other,
                       no                                              ? U"อย่า"sv
                       : wordWith(t[n1], How::Exact, Label::Adjective) ? U"จง"sv
                                                                       : U"จงเป็น"sv);
            return;
        }
        // be before "for" and what it serves is มีไว้: "This option is for testing" => ตัวเลือกนี้มีไว้สำหรับการทดสอบ
        // (not "What is it for?", nor "there is", nor a question's be before its subject)
        if (const std::size_t p = previousWord(t, i);
            n1 != kNone && isWord(t[n1]) && t[n1].key == U"FOR"sv && !endsClause(t, n1) && p != kNone &&
            !(nextWord(t, n1) != kNone && t[nextWord(t, n1)].key == U"THE"sv && nextWord(t, nextWord(t, n1)) != kNone &&
              t[nextWord(t, nextWord(t, n1))].key == U"MOST"sv) && // ("for the most part")
            !c.question &&
            t[p].key != U"THERE"sv && t[p].label != Label::Question &&
            (t[i].key == U"IS"sv || t[i].key == U"ARE"sv || t[i].key == U"WAS"sv || t[i].key == U"WERE"sv)) {
            setReading(t[i], How::Exact, Label::Other, U"มีไว้"sv);
            return;
        }
        if (adverbAroundBe(t, i, n1, c))
            return;
        if (n1 != kNone && isWord(t[n1]) && among(kPlaces, t[n1].key) &&
            (t[n1].label == Label::Preposition || t[n1].label == Label::Adverb)) {
            const std::size_t after = nextWord(t, n1), p = previousWord(t, i);
            if ((after == kNone || !among(kSetAfterPlace, t[after].key)) && (p == kNone || t[p].key != U"THERE"sv))
                setReading(t[i], How::Exact, Label::Other, U"อยู่"sv);
            return;
        }
        if (const std::size_t p = previousWord(t, i);
            p != kNone && (t[p].key == U"TO"sv || t[p].key == U"NOT"sv) &&
            (nounPhraseAt(t, n1) || (n1 != kNone && isWord(t[n1]) && among(kIndefinites, t[n1].key)))) {
            setReading(t[i], How::Exact, Label::Other, U"เป็น"sv);
            if (t[p].key == U"TO"sv && wordWith(t[p], How::Exact, Label::Preposition) && t[p].meaning == U"เพื่อ"sv)
                t[p].setMeaning(U"ที่จะ"sv); // as the phrase rules read เพื่ออยู่; the to-verb rule may drop it
            return;
        }
        // "is the most violent" ends the clause as the adjective does: รุนแรงมากที่สุด, not อยู่รุนแรงมากที่สุด
        if (const std::size_t m = nextWord(t, n1), a = m == kNone ? kNone : nextWord(t, m);
            n1 != kNone && a != kNone && t[n1].key == U"THE"sv && !isWord(t[n1]) &&
            (t[m].key == U"MOST"sv || t[m].key == U"LEAST"sv) && wordWith(t[a], How::Exact, Label::Adjective) &&
            nextWord(t, a) == kNone && endsClause(t, a)) {
            t[i].kind = Kind::Dropped;
            return;
        }
        if (n1 != kNone && isWord(t[n1]) && among(kDegreeBeforeAdjective, t[n1].key)) // "is so close", "very content"
            degreeBeforeAdjective(t, n1, c);
        const std::size_t j = stepOver(t, i, true, isAdverbWord);
        // An adjective, or its -er or -est form ("is smarter than"). An -ed adjective ("restricted", "limited") may
        // be a passive that the phrase rules mend with be; "one" is a number ("was one of the happiest")
        auto adjective = [](const GrammarToken &w) {
            return isWord(w) && w.label == Label::Adjective && (w.how == How::Exact || w.how == How::Hold);
        };
        if (j == kNone || !adjective(t[j]) || t[j].key == U"ONE"sv)
            return;
        // (not an adjective that says "not" itself: "was discontented" => ไม่พอใจ, which เป็นไม่ would turn round)
        if (t[j].key.size() > 4 && t[j].key.ends_with(U"ED"sv) && !t[j].meaning.starts_with(U"ไม่"sv)) {
            const std::u32string_view m = t[j].meaning;
            // a phrase rule reads it with be ("is restricted" => ถูกจำกัด): be is written as that rule reads it,
            // whichever Thai the subject before it would give ("The man was tired" => ผู้ชายเป็นเหนื่อย => ผู้ชายเหนื่อย)
            for (std::u32string_view be : {U"คือ"sv, U"เป็น"sv, U"อยู่"sv})
                if (joinsPhraseRule(be, m) || (c.phraseHolds && c.phraseHolds({}, be, m))) {
                    if (j == nextWord(t, i)) // (with a word between them the rule cannot read them)
                        setReading(t[i], How::Exact, Label::Other, be);
                    return;
                }
        }
        std::size_t last = j; // "too slow": the adjectives in a row
        for (std::size_t k = nextWord(t, j); k != kNone && adjective(t[k]); k = nextWord(t, k))
            last = k;
        const std::size_t n = nextWord(t, last);
        // (dots after it end the clause: "I am young ..." => ฉันอ่อนวัย...)
        if (n != kNone ? (isNoun(t[n]) || (t[n].kind == Kind::Piece && !endsClause(t, last))) : !endsClause(t, last))
            return;
        if (const std::size_t p = previousWord(t, i); p != kNone && t[p].key == U"THERE"sv)
            return; // "there is" says มี
        t[i].kind = Kind::Dropped;
        for (std::size_t k = nextWord(t, i); k != kNone && k < j; k = nextWord(t, k)) {
            if (t[k].key == U"ALSO"sv && t[k].meaning == U"ด้วย"sv)
                t[k].setMeaning(U"ยัง"sv); // "It is also possible" => มันยังเป็นไปได้, not มันด้วยเป็นไปได้
            // an adverb of degree follows its adjective: "is extremely slow" => ช้าอย่างยิ่ง, "really happy" =>
            // มีความสุขจริงๆ (ค่อนข้าง, เกือบ and the like stay before it)
            if ((t[k].key.ends_with(U"LY"sv) && t[k].meaning.starts_with(U"อย่าง"sv)) || t[k].key == U"REALLY"sv) {
                t[last].tail += t[k].meaning;
                t[k].kind = Kind::Dropped;
            }
        }
        for (std::size_t k = j; k <= last; ++k)
            if (t[k].kind == Kind::Word && t[k].how == How::Hold)
                t[k].how = How::Exact; // an adjective of its own writes the noun before it first, as be did
        // "good" is ที่ดี before a noun; after its subject it is ดี: "When I'm good" => เมื่อฉันดี
        if (const std::u32string_view m = withoutRelativeMark(t[j].meaning); m.size() != t[j].meaning.size())
            t[j].setMeaning(m);
        // "to be happy": the adjective follows a verb as a verb would ("wants to be happy" => ต้องการมีความสุข), and
        // anything else as ที่จะ
        if (const std::size_t p = previousWord(t, i);
            p != kNone && t[p].key == U"TO"sv && wordWith(t[p], How::Exact, Label::Preposition)) {
            const std::size_t v = previousWord(t, p);
            if (v != kNone && t[v].key == U"GOING"sv && isWord(t[v]) && t[v].meaning.starts_with(U"กำลัง"sv)) {
                setReading(t[v], How::Exact, Label::Adverb, U"จะ"sv); // "is going to be late" => จะสาย
                t[p].kind = Kind::Dropped;
            } else if (v != kNone && isWord(t[v]) && t[v].how == How::Exact &&
                       (among(kHaveForms, t[v].key) || t[v].key == U"GOT"sv)) {
                setReading(t[v], How::Exact, t[v].label, U"ต้อง"sv); // "has to be careful" => ต้องระมัดระวัง
                t[p].kind = Kind::Dropped;
            } else if (v != kNone && isVerbWord(t[v]) && verbFormOf<kAppearVerb>(t[v].key)) {
                setReading(t[v], How::Exact, t[v].label, U"ดูเหมือน"sv); // "appears to be happy" =>
                setReading(t[p], How::Exact, Label::Adverb, U"จะ"sv); // ดูเหมือนจะมีความสุข
            } else if (v != kNone && isVerbWord(t[v]) && !leftToPhraseRule(t, p, c)) {
                t[p].kind = Kind::Dropped;
            } else if (const std::size_t w = v == kNone ? kNone : previousWord(t, v);
                       w != kNone && wordWith(t[v], How::Exact, Label::Pronoun) && isVerbWord(t[w]) &&
                       verbFormOf<kWishingVerbs>(t[w].key)) { // "want it to be beautiful" => อยากให้มันสวย
                t[w].setMeaning(std::u32string(t[w].meaning) + U"ให้");
                t[p].kind = Kind::Dropped;
            } else {
                t[p].setMeaning(U"ที่จะ"sv);
            }
        }
    });
    // A be still written after a relative's ที่ or ซึ่ง is เป็น: the grammar mode would write อยู่ there, and
    // ที่อยู่ reads "address" ("the values that are" => ค่าที่เป็น)
    eachAnchor(t, c, [&](std::size_t i) {
        if (!wordWith(t[i], How::Exact, Label::Be))
            return;
        const std::size_t p = previousWord(t, i);
        // after a comma, an adverb or "had", before an article or a possessive, be says what something is, เป็น,
        // not the grammar mode's อยู่: "Sir Walter, who united these gifts, was the object" => ...เป็นวัตถุ...
        bool comma = false;
        if (const std::size_t n = nextWord(t, i), q = previousWord(t, i, &comma);
            n != kNone && q != kNone && among(kBeForms, t[i].key) && (isArticle(t[n]) || among(kOwners, t[n].key)) &&
            (comma || isAdverbWord(t[q]) || t[i].key == U"BEEN"sv) && !startsPhraseRule(U"อยู่"sv, ownThai(t[n])) &&
            (comma || (t[q].key != U"THERE"sv && t[q].key != U"HERE"sv &&
                       !startsPhraseRule(ownThai(t[q]), U"อยู่"sv)))) { // ("there is": ที่นั่นอยู่ is มี)
            setReading(t[i], How::Exact, Label::Other, U"เป็น"sv);
            return;
        }
        if (p == kNone)
            return;
        if (opensRelative(t[p])) {
            setReading(t[i], How::Exact, Label::Other, U"เป็น"sv);
        } else if (wordWith(t[p], How::Exact, Label::Conjunction) && t[p].meaning == U"ว่านั่น"sv) {
            setReading(t[i], How::Exact, Label::Other, U"คือ"sv); // "I think that's how" => ว่านั่นคือ
        } else if (const std::size_t n = nextWord(t, i);
                   n != kNone && (isWord(t[p]) || isNumber(t[p])) && // ("the War of 1812 was Tchaikovsky")
                   (isNumber(t[p]) || wordWith(t[p], How::Exact, Label::Adjective) || t[p].how == How::Hold ||
                    t[p].label == Label::Reading ||
                    (!t[p].quiet && (t[p].how == How::RawFallback || t[p].how == How::Unrendered)) ||
                    (t[p].how == How::Write && (t[p].family == SuffixFamily::ED || isNoun(t[p])))) &&
                   (nounPhraseAt(t, n) ||
                    (isWord(t[n]) && (among(kDeterminers, t[n].key) || among(kIndefinites, t[n].key) ||
                                      wordWith(t[n], How::Exact, Label::Pronoun))) ||
                    // (or a word the dictionary lacks before one: "Disks are zonal resources" => ...คือzonal ทรัพยากร)
                    (isWord(t[n]) && !t[n].quiet && !t[n].capital &&
                     (t[n].how == How::Unrendered || t[n].how == How::RawFallback) &&
                     nounPhraseAt(t, nextWord(t, n))) ||
                    // (or a name the dictionary lacks: "was Tchaikovsky" => คือTchaikovsky)
                    (isWord(t[n]) && !t[n].quiet && t[n].capital &&
                     (t[n].how == How::Unrendered || t[n].how == How::RawFallback))) &&
                   !startsPhraseRule(U"อยู่"sv, ownThai(t[n]))) {
            // before what it is, after an adjective, a plural or an -ed word, be is คือ as after a noun, not the
            // grammar mode's อยู่ ("Long are the days" => ยาวคือวัน), unless a phrase rule reads that อยู่
            setReading(t[i], How::Exact, Label::Other, U"คือ"sv);
        }
    });
}

/// True when the noun phrase that ends at token p is the object of a verb of asking, telling or letting: "teach your
/// children", "allows the users".
std::size_t askingVerbOf(std::span<GrammarToken> t, std::size_t p) {
    std::size_t v = p;
    for (std::size_t words = 0; v != kNone && words < kMostWordsBetween; ++words) {
        const GrammarToken &w = t[v];
        if (!(w.kind == Kind::Piece ||
              (isWord(w) && (w.label == Label::Adjective || w.label == Label::Noun || w.label == Label::Pronoun))))
            break;
        v = previousWord(t, v);
    }
    return v != kNone && isVerbWord(t[v]) && verbFormOf<kAskingVerbs>(t[v].key) ? v : kNone;
}
bool askedBy(std::span<GrammarToken> t, std::size_t p) {
    return askingVerbOf(t, p) != kNone;
}

// Verbs after which ให้ comes before the one who is to act, not after: "allows users to change" =>
// อนุญาตให้ผู้ใช้เปลี่ยน; some with Thai of their own there ("asked him to leave" => ขอให้เขาออก, "enables the
// program to run" => ทำให้โปรแกรมสามารถรัน).
constexpr std::array<std::pair<std::u32string_view, std::u32string_view>, 15> kLettingVerbs{{
    {U"WANT"sv, {}},
    {U"EXPECT"sv, {}},
    {U"NEED"sv, {}},
    {U"ALLOW"sv, {}},
    {U"PERMIT"sv, {}},
    {U"FORCE"sv, {}},
    {U"ENCOURAGE"sv, {}},
    {U"URGE"sv, {}},
    {U"PERSUADE"sv, {}},
    {U"INVITE"sv, {}},
    {U"INSTRUCT"sv, {}},
    {U"ASK"sv, U"ขอให้"sv},
    {U"CAUSE"sv, U"ทำให้"sv},
    {U"REQUIRE"sv, U"กำหนดให้"sv},
    {U"ENABLE"sv, U"ทำให้"sv},
}};

// A verb, then "to", then a verb: the second verb follows the first without เพื่อ ("want to go" => ต้องการไป).
// After an adjective "to" is ที่จะ ("easy to use" => ง่ายที่จะใช้); after a verb and its object it is ให้.
// "have to", "need to" and "used to" are a verb of their own: ต้อง, จำเป็นต้อง, เคย; a passive "used to" is ใช้ใน
// การ, with the word after it read as a verb ("is used to store" => ถูกใช้ในการเก็บ).
constexpr std::array kClauseTakers{U"SURE"sv, U"ENSURE"sv, U"CHECK"sv, U"VERIFY"sv, U"SEE"sv,
                                   U"FIND"sv, U"TELL"sv,   U"SHOW"sv,  U"PROVE"sv,  U"DETERMINE"sv};

/// "To" and its verb opening a sentence whose verb is "is" or "was" name an action, its subject: การ ("To give
/// happiness is to deserve happiness" => การให้ความสุขคือ..., "To be trusted is" => การถูกไว้ใจคือ). "To use it, run
/// this" and "To check that the file is there" keep their purpose: the be must come before a mark or a clause's
/// opening word.
void actionAsSubject(std::span<GrammarToken> t, std::size_t to, const GrammarContext &c) {
    if (!firstOfSentence(to, c) || c.question)
        return;
    // (an earlier rule may have dropped the be: "To have died once is enough" => การตายหนึ่งครั้งพอ)
    std::size_t words = 0, j = to + 1;
    for (; j < t.size() && words < 2 * kMostObjectWords; ++j) {
        if (t[j].kind == Kind::Separator && !isBlank(t[j]))
            return;
        if (t[j].kind != Kind::Word && t[j].kind != Kind::Dropped)
            continue;
        if (t[j].label == Label::Be && (t[j].key == U"IS"sv || t[j].key == U"WAS"sv) && words > 0)
            break;
        // (nor after a verb that takes a clause: "To ensure your system is ready, run")
        if (t[j].kind == Kind::Word &&
            (opensClause(t[j]) || t[j].key == U"THAT"sv || t[j].key == U"IF"sv || t[j].key == U"S"sv ||
             among(kClauseTakers, t[j].key) || verbFormOf<kThinkingVerbs>(t[j].key)))
            return;
        ++words;
    }
    // (the phrase rules read "To err is human"; not their ที่จะถูก, though: การถูก here)
    const std::size_t n = nextWord(t, to);
    if (j == t.size() || words == 2 * kMostObjectWords ||
        (!t[n].meaning.starts_with(U"ถูก"sv) && leftToPhraseRule(t, to, c)))
        return;
    setReading(t[to], How::Exact, Label::Other, U"การ"sv);
    if (t[n].key == U"BE"sv && nextWord(t, n) == j) // "To be is to do" => การเป็นคือการทำ
        setReading(t[n], How::Exact, Label::Other, U"เป็น"sv);
    // and what it is, another action: คือการ ("To be great is to be misunderstood" => ...คือการถูกเข้าใจผิด)
    if (const std::size_t to2 = t[j].kind == Kind::Word ? nextWord(t, j) : kNone,
        v = to2 == kNone ? kNone : nextWord(t, to2);
        v != kNone && isWord(t[to2]) && t[to2].key == U"TO"sv && isWord(t[v]) &&
        (isVerbWord(t[v]) || t[v].key == U"BE"sv || t[v].meaning.starts_with(U"ถูก"sv) ||
         t[to2].meaning == U"ที่จะ"sv)) { // (to be and an adjective, as the be-adjective rule read it)
        setReading(t[j], How::Exact, Label::Other, U"คือ"sv);
        setReading(t[to2], How::Exact, Label::Other, U"การ"sv);
        if (t[v].key == U"BE"sv && nextWord(t, v) == kNone) // "To do is to be." => การทำคือการเป็น
            setReading(t[v], How::Exact, Label::Other, U"เป็น"sv);
    }
    if (const std::size_t be = nextWord(t, to); t[be].key == U"BE"sv) { // "To be great is" => การยิ่งใหญ่คือ
        if (const std::size_t a = nextWord(t, be); a != kNone && wordWith(t[a], How::Exact, Label::Adjective))
            t[be].kind = Kind::Dropped;
    }
}

/// A "be" at token n that no rule has read, after a verb and its dropped "to", follows the verb, not a noun: เป็น, not
/// คือ ("It needs to be." => มันจำเป็นต้องเป็น, "configured to be POSIX-conformant" => ...ตั้งค่าเป็น...). Before a
/// noun phrase the be-adjective rule has read it.
void beAfterVerb(std::span<GrammarToken> t, std::size_t n) {
    const std::size_t a = nextWord(t, n);
    if (wordWith(t[n], How::Exact, Label::Be) && t[n].key == U"BE"sv &&
        !(a != kNone && (isArticle(t[a]) || isNoun(t[a]) ||
                         (isWord(t[a]) && (among(kIndefinites, t[a].key) || among(kDeterminers, t[a].key))))))
        setReading(t[n], How::Exact, Label::Other, U"เป็น"sv);
}

bool baseVerbWithItsPreposition(std::u32string_view verb, std::u32string_view preposition);

void toVerb(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string verb;
    eachAnchor(t, c, [&](std::size_t i) {
        if (!isWord(t[i]) || t[i].key != U"TO"sv)
            return;
        const std::size_t p = previousWord(t, i), n = nextWord(t, i);
        // what happened to something befell it: กับ ("What happened to the crewman?" => อะไรเกิดขึ้นกับ..., where the
        // phrase rules would read เกิดขึ้นเพื่อ as "happen to" + a verb)
        if (p != kNone && n != kNone && isWord(t[p]) && verbFormOf<kHappenVerb>(t[p].key) &&
            (!isWord(t[n]) || t[n].label == Label::Pronoun || t[n].label == Label::Adjective || isNoun(t[n]) ||
             t[n].how == How::Unrendered || t[n].how == How::RawFallback)) {
            setReading(t[i], How::Exact, Label::Preposition, U"กับ"sv);
            return;
        }
        // going to a place goes there: "I'm going to the market" => ฉันกำลังไปยังตลาด (not จะ, the future, which
        // a phrase rule makes of กำลังไปที่)
        if (p != kNone && n != kNone && isWord(t[p]) && t[p].key == U"GOING"sv && t[p].meaning.starts_with(U"กำลัง"sv) &&
            (isArticle(t[n]) ||
             (isWord(t[n]) && (among(kOwners, t[n].key) || among(kDemonstratives, t[n].key) ||
                               (t[n].capital && !t[n].capitals && !isVerb(t[n].label)))))) { // ("going to Boston")
            setReading(t[i], How::Exact, Label::Preposition, U"ยัง"sv);
            return;
        }
        // "used to" + a verb after a subject pronoun or "there" is what was so once: เคย ("There used to be a house" =>
        // ...เคยเป็นบ้าน, not ใช้เป็น; "is used to store" is the passive, "the password used to connect" says what for)
        if (const std::size_t b = p == kNone ? kNone : previousWord(t, p);
            n != kNone && b != kNone && isWord(t[p]) && t[p].key == U"USED"sv && !t[p].meaning.starts_with(U"ถูก"sv) &&
            (isVerbWord(t[n]) || t[n].label == Label::Be || t[n].key == U"BE"sv) && isWord(t[b]) &&
            (t[b].key == U"THERE"sv || among(kSubjects, t[b].key) || t[b].key == U"YOU"sv || t[b].key == U"IT"sv)) {
            // ("there used to be" is เคยมี, its be and "there" unwritten)
            const bool there = t[b].key == U"THERE"sv && t[n].key == U"BE"sv; // (a rule may have read it คือ)
            setReading(t[p], How::Exact, Label::Adverb, there ? U"เคยมี"sv : U"เคย"sv);
            t[i].kind = Kind::Dropped;
            if (there)
                t[b].kind = t[n].kind = Kind::Dropped;
            return;
        }
        if (n == kNone || !isWord(t[n]))
            return;
        // after a noun, a word read first as a noun that can be a verb is the verb of "to" where the clause ends or
        // its object opens: "the number of operations to list," => ...การดำเนินการที่จะระบุ (not เพื่อรายการ); not
        // a plural ("replies to requests"), nor after "from" ("from start to finish")
        // (only after a noun that takes "to" and a verb, or one acted on, or a plural: "a terrible thing to waste",
        // "the ability to function", "dates to process"; not "drive a horse to water", "attention to detail")
        if (const std::size_t a = nextWord(t, n);
            p != kNone && isNoun(t[p]) && t[i].meaning == U"เพื่อ"sv && wordWith(t[n], How::Exact, Label::Noun) &&
            (among(kToNouns, t[p].key) || (t[p].how == How::Write && t[p].family == SuffixFamily::S) ||
             nounToBeActedOn(t, p, c)) &&
            std::all_of(t.begin() + static_cast<std::ptrdiff_t>(i) + 1, t.begin() + static_cast<std::ptrdiff_t>(n),
                        [](const GrammarToken &w) { return w.kind == Kind::Piece && w.text == U" "sv; }) &&
            !t[n].capital && !(t[n].key.ends_with(U"S"sv) && !t[n].key.ends_with(U"SS"sv)) && t[n].key != t[p].key &&
            (a == kNone ? endsClause(t, n) || n + 1 == t.size()
                        : isArticle(t[a]) ||
                              (isWord(t[a]) && (among(kDeterminers, t[a].key) || among(kOwners, t[a].key) ||
                                                t[a].key == U"IT"sv || t[a].key == U"THEM"sv)) ||
                              (among(kToNouns, t[p].key) && isNoun(t[a]))) &&
            !wordBefore(t, i, U"FROM"sv, 6) && !leftToPhraseRule(t, i, c))
            nounAsVerb(t[n], c);
        // a word read first as a noun after a noun and "to", before "and" or "or" and a verb, is a verb too: "an
        // ability to sense and know" => ความสามารถที่จะรู้สึกและรู้, not ความสามารถความรู้สึก...
        if (const std::size_t a = nextWord(t, n), v = a == kNone ? kNone : nextWord(t, a);
            p != kNone && isNoun(t[p]) && v != kNone && isWord(t[a]) && (t[a].key == U"AND"sv || t[a].key == U"OR"sv) &&
            isVerbWord(t[v]) && t[v].how == How::Exact)
            nounAsVerb(t[n], c);
        // and one before the preposition its verb takes: "is considered to end at the line" => ...ที่จะจบที่บรรทัด
        if (const std::size_t a = nextWord(t, n);
            a != kNone && t[i].meaning == U"เพื่อ"sv && wordWith(t[n], How::Exact, Label::Noun) &&
            baseVerbWithItsPreposition(t[n].key, t[a].key) && !wordBefore(t, i, U"FROM"sv, 6))
            nounAsVerb(t[n], c);
        const bool nextVerb = t[n].how == How::Exact && (isVerb(t[n].label) || t[n].label == Label::Be ||
                                                         t[n].key == U"BE"sv); // เป็น before a noun phrase
        if (p == kNone) {
            // ("To be trusted", a passive now; "To be great", which the be-adjective rule read as ที่จะ)
            if (nextVerb || t[n].meaning.starts_with(U"ถูก"sv) || t[i].meaning == U"ที่จะ"sv)
                actionAsSubject(t, i, c);
            return;
        }
        const std::u32string_view way = t[p].key == U"HOW"sv    ? U"วิธี"sv
                                        : t[p].key == U"WHEN"sv ? U"เมื่อไรควร"sv
                                        : t[p].key == U"WHAT"sv ? U"สิ่งที่ต้อง"sv
                                        : t[p].key == U"WHERE"sv ? U"ที่ที่จะ"sv // "where to write" => ที่ที่จะเขียน
                                        : t[p].key == U"WHETHER"sv ? U"ว่าจะ"sv // "whether to print" => ว่าจะพิมพ์
                                                                   : std::u32string_view{};
        // "Remember to" opening an order: อย่าลืม ("Remember to save your work" => อย่าลืมบันทึกงานของคุณ); "be supposed
        // to" is ควรจะ ("You are supposed to know it" => คุณควรจะรู้มัน, not คุณถูกคิดว่ารู้มัน)
        // "appear to" + a verb seems: ดูเหมือนจะ ("He appears to be happy" => เขาดูเหมือนจะมีความสุข, not ปรากฏ)
        if ((nextVerb || t[n].label == Label::Adjective) && isVerbWord(t[p]) && verbFormOf<kAppearVerb>(t[p].key)) {
            setReading(t[p], How::Exact, t[p].label, U"ดูเหมือน"sv);
            setReading(t[i], How::Exact, Label::Adverb, U"จะ"sv);
            return;
        }
        if (nextVerb && isWord(t[p]) &&
            ((t[p].key == U"REMEMBER"sv && firstOfSentence(p, c) && !c.question) || t[p].key == U"SUPPOSED"sv)) {
            setReading(t[p], How::Exact, Label::Adverb, t[p].key == U"SUPPOSED"sv ? U"ควรจะ"sv : U"อย่าลืม"sv);
            t[i].kind = Kind::Dropped;
            return;
        }
        // "happen to" + a verb says by chance: บังเอิญ ("If you happen to see him" => ถ้าคุณบังเอิญเห็นเขา)
        if (nextVerb && isWord(t[p]) && verbFormOf<kHappenVerb>(t[p].key)) {
            setReading(t[p], How::Exact, Label::Adverb, U"บังเอิญ"sv);
            t[i].kind = Kind::Dropped;
            return;
        }
        // "It is recommended to use" says who should: แนะนำให้ใช้, not มันถูกแนะนำใช้ (also advised, suggested ...)
        if (const std::size_t s = previousWord(t, p),
            subject = s != kNone && t[s].key == U"NOT"sv ? previousWord(t, s) : s;
            nextVerb && isWord(t[p]) && verbFormOf<kAdvisingVerbs>(t[p].key) && t[p].meaning.starts_with(U"ถูก"sv) &&
            subject != kNone && isWord(t[subject]) && t[subject].key == U"IT"sv) {
            setReading(t[p], How::Exact, Label::TransitiveVerb, // (not ให้ให้ before "let")
                       std::u32string(std::u32string_view(t[p].meaning).substr(3)) +
                           (ownThai(t[n]).starts_with(U"ให้"sv) ? U"" : U"ให้"));
            t[subject].kind = Kind::Dropped;
            t[i].kind = Kind::Dropped;
            return;
        }
        if (!way.empty() && isWord(t[p]) && t[p].how == How::Exact && !c.question) {
            // "explains how to compile a program" => อธิบายวิธีรวบรวมโปรแกรม, "knows when to stop" =>
            // รู้เมื่อไรควรหยุด, "what to do" => สิ่งที่ต้องทำ: written in place
            if (!nextVerb && (!wordWith(t[n], How::Exact, Label::Noun) || !c.sense || !c.sense(t[n].key, isVerb, verb)))
                return;
            if (!nextVerb)
                setReading(t[n], How::Exact, Label::TransitiveVerb, verb);
            setReading(t[p], How::Exact, Label::Conjunction, way);
            t[i].kind = Kind::Dropped;
            return;
        }
        if (t[p].key == U"USED"sv && isWord(t[p]) && !t[p].quiet) {
            // what follows "used to" is a verb when it can be one: "to store" is เก็บ, not ร้านค้า
            bool verbAfter = nextVerb;
            if (!verbAfter && !t[n].quiet && c.sense && c.sense(t[n].key, isVerb, verb)) {
                setReading(t[n], How::Exact, Label::TransitiveVerb, verb);
                verbAfter = true;
            }
            const std::size_t subject = previousWord(t, p);
            if (t[p].how == How::Exact && t[p].meaning.starts_with(U"ถูก"sv)) {
                setReading(t[i], How::Exact, Label::Preposition, beforeWord(t, n, U"ในการ"sv, U"สำหรับ"sv));
            } else if (verbAfter && subject != kNone &&
                       (isNoun(t[subject]) || wordWith(t[subject], How::Exact, Label::Pronoun) ||
                        mayBeNoun(t, subject, c))) { // "The black bear used to be": a verb-first word, a noun there
                // "He used to live", a habit; without a subject before it "used" may be a passive's whose be
                // ended the line before
                setReading(t[p], How::Exact, t[p].label, U"เคย"sv);
                t[i].kind = Kind::Dropped;
                if (t[n].key == U"BE"sv) // "used to be" => เคยเป็น, whatever an earlier rule made of the be
                    setReading(t[n], How::Exact, Label::Other, U"เป็น"sv);
            } else if (verbAfter && !leftToPhraseRule(t, i, c)) {
                t[i].kind = Kind::Dropped; // as after any verb: ใช้ + verb
            }
            return;
        }
        if (!nextVerb)
            return;
        const std::size_t pp = previousWord(t, p);
        // an adjective, not, "to" and a verb: ที่จะไม่ ("It's hard not to like him" => มันยากที่จะไม่ชอบเขา)
        if (isWord(t[p]) && t[p].key == U"NOT"sv && pp != kNone && wordWith(t[pp], How::Exact, Label::Adjective) &&
            t[i].meaning == U"เพื่อ"sv && !leftToPhraseRule(t, i, c)) {
            setReading(t[p], How::Exact, Label::Adverb, U"ที่จะไม่"sv);
            t[i].kind = Kind::Dropped;
            return;
        }
        // "told him not to leave" => บอกเขาไม่ให้ออก: not, then ให้, after a verb of asking and its object
        if (isWord(t[p]) && t[p].key == U"NOT"sv && pp != kNone && isWord(t[pp]) &&
            (t[pp].label == Label::Pronoun || isNoun(t[pp]) || t[pp].key == U"HER"sv) && askedBy(t, pp) &&
            !leftToPhraseRule(t, i, c)) {
            setReading(t[i], How::Exact, Label::Preposition, U"ให้"sv);
            return;
        }
        if (t[p].key == U"GOING"sv && isWord(t[p]) && t[p].meaning.starts_with(U"กำลัง"sv)) {
            setReading(t[p], How::Exact, Label::Adverb, U"จะ"sv); // "I'm going to quit" => ฉันจะเลิก
            t[i].kind = Kind::Dropped;
            return;
        }
        if (isWord(t[p]) && !t[p].quiet &&
            (among(kHaveForms, t[p].key) || t[p].key == U"HAVING"sv || t[p].key == U"GOT"sv ||
             verbFormOf<kNeedVerb>(t[p].key))) { // ("he's got to go" => เขาต้องไป)
            setReading(t[p], How::Exact, t[p].label,
                       t[p].key[0] == U'H' || t[p].key[0] == U'G' ? U"ต้อง"sv : U"จำเป็นต้อง"sv);
            t[i].kind = Kind::Dropped;
            beAfterVerb(t, n);
            return;
        }
        if ((t[p].key == U"ABLE"sv || t[p].key == U"UNABLE"sv) && isWord(t[p])) {
            t[i].kind = Kind::Dropped; // "be able to see" => สามารถเห็น
            return;
        }
        if (isVerbWord(t[p]) && t[p].how == How::Exact && t[p].meaning.starts_with(U"ถูก"sv) &&
            verbFormOf<kAskingVerbs>(t[p].key)) {
            setReading(t[i], How::Exact, Label::Preposition, U"ให้"sv); // "They were told to leave" => ...ถูกบอกให้ออก
            return;
        }
        // Each case below rewrites the "to", unless a phrase rule of Idiom.pal reads it with its neighbours.
        if (wordWith(t[p], How::Exact, Label::Be) && among(kBeForms, t[p].key) && t[n].label != Label::Be &&
            t[n].key != U"BE"sv) {
            // "The secret is to eat well" => ความลับคือการกินดี: what something is, an action (not "is to be");
            // but before a verb of guarding or allowing it says what the thing is for: "The quotes are to prevent
            // the shell from expanding it" => อัญประกาศมีไว้เพื่อป้องกัน...
            constexpr std::array kPurposeVerbs{U"PREVENT"sv, U"ENSURE"sv, U"AVOID"sv,    U"ALLOW"sv,
                                               U"PROTECT"sv, U"ENABLE"sv, U"PERMIT"sv,   U"STOP"sv,
                                               U"KEEP"sv,    U"HELP"sv,   U"SIMPLIFY"sv, U"REDUCE"sv};
            // (not after what names an aim or a way: "The original purpose was to protect", "The first thing you
            // need to do is to ensure", "The key to success is to keep")
            constexpr std::array kAims{U"PURPOSE"sv, U"KEY"sv,  U"THING"sv,  U"IDEA"sv,  U"GOAL"sv,     U"AIM"sv,
                                       U"POINT"sv,   U"USE"sv,  U"WAY"sv,    U"TRICK"sv, U"JOB"sv,      U"TASK"sv,
                                       U"PLAN"sv,    U"STEP"sv, U"SECRET"sv, U"RULE"sv,  U"SOLUTION"sv, U"ANSWER"sv};
            bool aim = false;
            for (std::size_t k = previousWord(t, p), words = 0; k != kNone && words < kMostClauseWords && !aim;
                 k = previousWord(t, k), ++words)
                aim = isWord(t[k]) && among(kAims, t[k].key);
            if (!leftToPhraseRule(t, i, c)) {
                const bool purpose = among(kPurposeVerbs, t[n].key) && !aim;
                setReading(t[p], How::Exact, Label::Other, purpose ? U"มีไว้"sv : U"คือ"sv);
                setReading(t[i], How::Exact, Label::Preposition, purpose ? U"เพื่อ"sv : U"การ"sv);
            }
        } else if ((t[p].key == U"NOT"sv || t[p].key == U"NEVER"sv) && isWord(t[p]) && pp != kNone &&
                   (isVerbWord(t[pp]) || wordWith(t[pp], How::Exact, Label::Adjective))) {
            if (!leftToPhraseRule(t, i, c)) // "Try not to worry" => พยายามไม่กังวล, "careful not to" => ระวังไม่
                t[i].kind = Kind::Dropped;
        } else if ((isNoun(t[p]) || among(kIndefinites, t[p].key)) &&
                   (among(kToNouns, t[p].key) || nounToBeActedOn(t, p, c)) &&
                   !(isNoun(t[p]) && askedBy(t, p) && !among(kToNouns, t[p].key))) {
            // what the noun is for: "the courage to try" => ความกล้าหาญที่จะลอง, "a way to win" => ทางในการชนะ
            if (!leftToPhraseRule(t, i, c))
                setReading(t[i], How::Exact, Label::Preposition,
                           t[p].key.starts_with(U"WAY"sv) ? U"ในการ"sv : U"ที่จะ"sv);
        } else if (isVerbWord(t[p])) {
            if (!leftToPhraseRule(t, i, c)) {
                t[i].kind = Kind::Dropped;
                beAfterVerb(t, n);
            }
        } else if (wordWith(t[p], How::Exact, Label::Adjective) &&
                   !(t[p].key == U"HER"sv && pp != kNone && isVerbWord(t[pp]))) {
            if (!leftToPhraseRule(t, i, c))
                setReading(t[i], How::Exact, Label::Preposition, U"ที่จะ"sv);
        } else if (((isNoun(t[p]) || wordWith(t[p], How::Exact, Label::Pronoun) ||
                     (isWord(t[p]) && t[p].key == U"HER"sv)) && // ("asked her to come": her is the one asked)
                    pp != kNone &&
                    isVerbWord(t[pp]) && // บอกฉันให้อยู่; "use it to count" is the purpose, เพื่อ
                    (verbFormOf<kAskingVerbs>(t[pp].key) || among(kWantingVerbs, t[pp].key))) ||
                   (isNoun(t[p]) && askedBy(t, p))) { // "teach your children to like" => ...ให้ชอบ
            if (leftToPhraseRule(t, i, c))
                return;
            // after a verb of wanting ให้ comes before the one wanted: "I want you to know" => ฉันอยากให้คุณรู้
            if ((wordWith(t[p], How::Exact, Label::Pronoun) || t[p].key == U"HER"sv) &&
                verbFormOf<kWishingVerbs>(t[pp].key) && !joinsPhraseRule(U"ให้"sv, ownThai(t[p]))) {
                t[pp].setMeaning(std::u32string(t[pp].meaning) + U"ให้");
                t[i].kind = Kind::Dropped;
                return;
            }
            // and after a verb of letting or making
            if (const std::size_t v = askingVerbOf(t, p); v != kNone) {
                std::size_t first = nextWord(t, v);
                while (first != kNone && t[first].kind == Kind::Piece)
                    first = nextWord(t, first);
                for (const auto &[english, thai] : kLettingVerbs) {
                    const bool asked = english == U"ASK"sv;
                    if (!(asked ? verbFormOf<kAskingVerbs>(t[v].key) && t[v].key.starts_with(U"ASK"sv)
                                : t[v].key.starts_with(english)) ||
                        first == kNone || joinsPhraseRule(U"ให้"sv, ownThai(t[first])))
                        continue;
                    if (!thai.empty()) { // ("asking him to" => การขอให้เขา)
                        const std::u32string_view m = t[v].meaning;
                        const std::u32string_view kept = m.starts_with(U"การ"sv)    ? U"การ"sv
                                                         : m.starts_with(U"กำลัง"sv) ? U"กำลัง"sv
                                                                                    : U""sv;
                        t[v].setMeaning(std::u32string(kept) + std::u32string(thai));
                    } else if (!std::u32string_view(t[v].meaning).ends_with(U"ให้"sv))
                        t[v].setMeaning(std::u32string(t[v].meaning) + U"ให้");
                    if (english == U"ENABLE"sv)
                        setReading(t[i], How::Exact, Label::Adverb, U"สามารถ"sv);
                    else
                        t[i].kind = Kind::Dropped;
                    return;
                }
            }
            setReading(t[i], How::Exact, Label::Preposition, beforeWord(t, n, U"ให้"sv, U"ที่จะ"sv));
        }
    });
}

/// True when verb v may be a noun after all: after an article, an adjective, or a verb whose object it would be
/// ("commit the changes to", "made changes to"; a verb then when v also has a noun sense).
bool mayBeNoun(std::span<GrammarToken> t, std::size_t v, const GrammarContext &c) {
    const std::size_t p = previousWord(t, v);
    if (p == kNone)
        return false;
    if (t[p].kind == Kind::Piece || (isWord(t[p]) && t[p].label == Label::Adjective))
        return true;
    std::u32string meaning;
    return isVerbWord(t[p]) && c.sense && c.sense(t[v].key, isNounLabel, meaning);
}

/// The Thai of "to" after a verb of `key`'s kind, and another to use where a phrase rule would misread it; nothing
/// for another verb.
std::pair<std::u32string_view, std::u32string_view> toAfterVerb(std::u32string_view key) {
    if (verbFormOf<kGivingVerbs>(key))
        return {U"ให้"sv, U"แก่"sv};
    if (verbFormOf<kMovingVerbs>(key))
        return {U"ไปยัง"sv, U"ไปที่"sv};
    if (verbFormOf<kGoingVerbs>(key))
        return {U"ที่"sv, U"ยัง"sv};
    if (verbFormOf<kTravellingVerbs>(key))
        return {U"ไปที่"sv, U"ไปยัง"sv};
    if (verbFormOf<kJoiningVerbs>(key))
        return {U"กับ"sv, U"เข้ากับ"sv};
    if (verbFormOf<kBecomingVerbs>(key))
        return {U"เป็น"sv, U"ให้เป็น"sv};
    if (key == U"ADD"sv || key == U"ADDS"sv || key == U"ADDED"sv || key == U"ADDING"sv)
        return {U"ลงใน"sv, U"เข้าไปใน"sv};
    return {};
}

/// The Thai of "to" before the noun phrase that token n opens (an article, an owner, this, these or those, an object
/// pronoun), where no verb of giving, moving or joining says it: ถึง after "from" or opening the sentence ("from the
/// start to the end"), ต่อ after an adjective ("invisible to the eye"), else ไปยัง ("a request to the server"). Never
/// the เพื่อ of a purpose, which only a verb follows. Nothing when no noun phrase comes next.
bool verbSense(const GrammarToken &w, const GrammarContext &c, std::u32string &verb);
// Adjectives of amount or time whose "to" is no direction: "more to life", "enough to eat", "early to bed".
constexpr std::array kAmountWords{U"MORE"sv, U"LESS"sv, U"ENOUGH"sv, U"EARLY"sv, U"LATE"sv};

bool pluralOfNoun(const GrammarToken &w, const GrammarContext &c);
std::pair<std::u32string_view, std::u32string_view> towardNounPhrase(std::span<GrammarToken> t, std::size_t i,
                                                                     std::size_t n, const GrammarContext &c) {
    const std::size_t p = previousWord(t, i);
    std::u32string verb;
    // after an adjective also a bare noun that is no verb: "friendly to people" => เป็นมิตรต่อผู้คน
    // and anywhere a plural noun that is no verb as it stands: "maps names to numbers" => ...ไปยังตัวเลข
    const std::u32string_view k = t[n].key;
    bool from = false; // "from" before it: "from development to production" => จากการพัฒนาถึงการผลิต
    for (std::size_t b = p, words = 0; b != kNone && words < kMostObjectWords && !from; b = previousWord(t, b), ++words)
        from = isWord(t[b]) && t[b].key == U"FROM"sv;
    // (or a range of two numbers: "on a scale of 1 to 10" => บนขนาดของ1 ถึง10; not what a verb sets: "set 5 to 10")
    auto numberAt = [&](std::size_t k) {
        return k != kNone && (isNumber(t[k]) || (isWord(t[k]) && among(kNumberWords, t[k].key)));
    };
    if (const std::size_t b = p == kNone ? kNone : previousWord(t, p);
        !from && numberAt(p) && numberAt(n) && !(b != kNone && isVerbWord(t[b])))
        from = true;
    const bool bareNoun = (p != kNone && isWord(t[p]) && (t[p].label == Label::Adjective || from) && isNoun(t[n]) &&
                           !among(kAmountWords, t[p].key) && !verbSense(t[n], c, verb)) ||
                          (isNoun(t[n]) && k.size() > 3 && k.back() == U'S' && pluralOfNoun(t[n], c) &&
                           !(c.sense && c.sense(k, isVerb, verb)));
    // a number after "from" and its number: "from 1 to 10", "from ten dollars to twenty" => จาก 1 ถึง 10
    const bool number = from && (isNumber(t[n]) || (isWord(t[n]) && among(kNumberWords, t[n].key)));
    if (!bareNoun && !number && !isArticle(t[n]) &&
        !(isWord(t[n]) &&
          (among(kOwners, t[n].key) || among(kObjectPronouns, t[n].key) || among(kDemonstratives, t[n].key))))
        return {};
    if (p == kNone) // the line may go on with what an earlier line began
        return c.sentenceStart ? std::pair{U"ถึง"sv, U"แก่"sv} : std::pair{U"ไปยัง"sv, U"ไปที่"sv};
    if (from)
        return {U"ถึง"sv, U"จนถึง"sv};
    if (verbFormOf<kLeadingVerbs>(t[p].key)) // "led to a crash" => นำไปสู่
        return {U"ไปสู่"sv, U"ไปยัง"sv};
    if (verbFormOf<kTalkingVerbs>(t[p].key))
        return {U"กับ"sv, U"แก่"sv};
    if (verbFormOf<kRespondingVerbs>(t[p].key))
        return {U"ต่อ"sv, U"กับ"sv};
    if (isWord(t[p]) && t[p].label == Label::Adjective)
        return {U"ต่อ"sv, U"สำหรับ"sv};
    if (isWord(t[n]) && among(kOnlyObjects, t[n].key)) // a person given to: "a gift to us" => ของขวัญแก่เรา
        return {U"แก่"sv, U"กับ"sv};
    return {U"ไปยัง"sv, U"ไปที่"sv};
}

constexpr std::array kAskForms{U"ASK"sv, U"ASKS"sv, U"ASKED"sv, U"ASKING"sv};
// Verbs that say what they are about with "of", ถึง in Thai: "He thinks of her" => เขาคิดถึงเธอ (not คิดของ).
constexpr std::array kVerbsOfAbout{U"THINK"sv,  U"THINKS"sv,  U"THOUGHT"sv, U"THINKING"sv, U"SPEAK"sv,
                                   U"SPEAKS"sv, U"SPOKE"sv,   U"SPOKEN"sv,  U"SPEAKING"sv, U"TALK"sv,
                                   U"TALKS"sv,  U"TALKED"sv,  U"TALKING"sv, U"DREAM"sv,    U"DREAMS"sv,
                                   U"DREAMT"sv, U"DREAMED"sv, U"DREAMING"sv};

// "to" before a noun phrase after a verb of giving, moving, joining or becoming and its object: ให้, ไปยัง, กับ,
// เป็น, ลงใน in place of เพื่อ. Right after the verb only where no phrase rule reads เพื่อ after it.
void toObject(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        // ask for something is ขอ ("he asked for my autograph" => เขาขอลายเซ็นของฉัน, not ถามสำหรับ)
        if (isWord(t[i]) && among(kAskForms, t[i].key)) {
            // (not a passive: "the translator is asked for confirmation"); what is asked for is a noun ("ask for
            // help" => ขอความช่วยเหลือ)
            const std::size_t b = stepOver(t, i, false, isAdverbWord);
            if (const std::size_t f = nextWord(t, i); f != kNone && isWord(t[f]) && t[f].key == U"FOR"sv &&
                                                      isVerbWord(t[i]) && !t[i].meaning.starts_with(U"ถูก"sv) &&
                                                      !(b != kNone && isWord(t[b]) && t[b].label == Label::Be) &&
                                                      !leftToPhraseRule(t, i, c)) {
                setReading(t[i], How::Exact, Label::TransitiveVerb, U"ขอ"sv);
                t[f].kind = Kind::Dropped;
                std::u32string noun;
                if (const std::size_t n = nextWord(t, f); n != kNone && isWord(t[n]) && t[n].how == How::Exact &&
                                                          isVerb(t[n].label) && c.sense &&
                                                          c.sense(t[n].key, isNounLabel, noun))
                    setReading(t[n], How::Exact, Label::Noun, noun);
            }
            return;
        }
        // (its Thai kept as a rule made it, with ถึง after: กำลังพูดถึง, การคิดถึง; not the noun "the thought of")
        if (isWord(t[i]) && listed<kVerbsOfAbout>(t[i].key)) {
            const std::u32string_view m = t[i].meaning;
            const std::size_t f = nextWord(t, i), p = previousWord(t, i);
            if (f == kNone || !isWord(t[f]) || !isVerbWord(t[i]) || // ("the thought of" is a noun)
                !(m.ends_with(U"คิด"sv) || m.ends_with(U"พูด"sv) || m.ends_with(U"พูดคุย"sv) || m.ends_with(U"ฝัน"sv)) ||
                (p != kNone && isArticle(t[p])) || leftToPhraseRule(t, i, c))
                return;
            // "about" left at the end after them is ถึง too: "what you are talking about." => สิ่งที่คุณกำลังพูดถึง
            const bool aboutLeft =
                t[f].key == U"ABOUT"sv && nextWord(t, f) == kNone && markAt(t, nextMark(t, f), U".?!"sv);
            if (aboutLeft || t[f].key == U"OF"sv) {
                t[i].setMeaning(std::u32string(m) + U"ถึง");
                t[f].kind = Kind::Dropped;
            }
            if (t[f].key == U"OF"sv) {
                // "this" or "that" alone is the thing thought of: "think of this as" => คิดถึงสิ่งนี้เป็น
                if (const std::size_t n = nextWord(t, f), after = n == kNone ? kNone : nextWord(t, n);
                    n != kNone && isWord(t[n]) && (t[n].key == U"THIS"sv || t[n].key == U"THAT"sv) &&
                    (after == kNone || !(isNoun(t[after]) || t[after].kind == Kind::Piece ||
                                         (isWord(t[after]) && t[after].label == Label::Adjective))))
                    setReading(t[n], How::Exact, Label::Pronoun, t[n].key == U"THAT"sv ? U"สิ่งนั้น"sv : U"สิ่งนี้"sv);
            }
            return;
        }
        if (!isWord(t[i]) || t[i].key != U"TO"sv || t[i].how != How::Exact || t[i].meaning != U"เพื่อ"sv)
            return;
        const std::size_t n = nextWord(t, i);
        // "to" ending the sentence after its verb belongs to a thing named before: ไป ("the topic to send updates
        // to." => หัวข้อที่จะส่งการปรับปรุงไป.), or stands for a verb said before: unwritten ("when you don't mean
        // to." => เมื่อคุณไม่ได้ตั้งใจ)
        if (const std::size_t p = previousWord(t, i), end = nextMark(t, i);
            n == kNone && p != kNone && end < t.size() && markAt(t, end, U".!"sv) &&
            !t[end].text.starts_with(U".."sv) && isWord(t[p]) && !leftToPhraseRule(t, i, c)) {
            if (t[p].key == U"MEAN"sv || t[p].key == U"WANT"sv || t[p].key == U"NEED"sv || t[p].key == U"TRY"sv ||
                t[p].key == U"LIKE"sv) // (not "have to.", which the phrase rules read as ต้อง)
                t[i].kind = Kind::Dropped;
            else if (!joinsPhraseRule(ownThai(t[p]), t[i].meaning)) // ("belongs to" => เป็นของ)
                t[i].setMeaning(U"ไป"sv);
            return;
        }
        if (n == kNone || (isWord(t[n]) && (isVerbWord(t[n]) || t[n].label == Label::Be)))
            return;
        if (isWord(t[n]) && (t[n].label == Label::Preposition || t[n].label == Label::Conjunction))
            return; // "connect to from", "to and from": no noun phrase
        if (const std::size_t p = previousWord(t, i); p != kNone && among(kWordsWithOwnTo, t[p].key))
            return;
        std::size_t v = previousWord(t, i); // back over the object to its verb
        bool twoObjects = false;            // "give you access to": the "to" is the second object's
        // a verb form after an article or an adjective is a noun of the object ("the following notices")
        for (std::size_t words = 0; v != kNone && (!isVerbWord(t[v]) || mayBeNoun(t, v, c)); v = previousWord(t, v)) {
            const GrammarToken &w = t[v];
            const bool objectWord = w.kind == Kind::Piece || isVerbWord(w) ||
                                    (isWord(w) && (w.label == Label::Adjective || w.label == Label::Noun ||
                                                   w.label == Label::Pronoun || w.label == Label::Adverb));
            if (!objectWord || ++words > kMostObjectWords) {
                v = kNone;
                break;
            }
            twoObjects = twoObjects || (words > 1 && isWord(w) && w.label == Label::Pronoun);
        }
        if (twoObjects && v != kNone)
            return;
        auto [thai, otherwise] =
            v == kNone ? std::pair<std::u32string_view, std::u32string_view>{} : toAfterVerb(t[v].key);
        if (!thai.empty() && v == previousWord(t, i) && verbFormOf<kToLeftAfter>(t[v].key))
            return;
        if (thai.empty()) {
            if (const std::size_t p = previousWord(t, i); p != kNone && t[p].key == U"AS"sv) { // "as to the cost"
                if (!readByBuiltInRule(t, i) && !leftToPhraseRule(t, i, c)) {
                    t[p].kind = Kind::Dropped;
                    setReading(t[i], How::Exact, Label::Preposition, U"เกี่ยวกับ"sv);
                }
                return;
            }
            std::tie(thai, otherwise) = towardNounPhrase(t, i, n, c);
            if (thai.empty() || readByBuiltInRule(t, i))
                return;
        }
        if (thai == U"ให้"sv && std::u32string_view(t[v].meaning).ends_with(thai))
            thai = otherwise; // "grant to" => ให้แก่, not ให้ให้
        if (!leftToPhraseRule(t, i, c))
            setReading(t[i], How::Exact, Label::Preposition, beforeWord(t, n, thai, otherwise));
    });
}

// must not, mustn't: ห้าม ("you must not remove it" => คุณห้ามเอาออกมัน), not the phrase rules' ไม่ต้อง (need not).
void mustNot(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        if (!isWord(t[i]) || (t[i].key != U"MUST"sv && t[i].key != U"MUSTN"sv))
            return;
        const std::size_t n = nextWord(t, i), v = n == kNone ? kNone : nextWord(t, n);
        if (v == kNone || !isWord(t[v]) || t[n].key != (t[i].key.size() == 4 ? U"NOT"sv : U"T"sv))
            return;
        setReading(t[i], How::Exact, Label::Adverb, U"ห้าม"sv);
        t[n].kind = Kind::Dropped;
    });
}

/// The last token of the subject that token s opens after a question's modal or be: a pronoun; a noun phrase (an
/// article or a determiner, adjectives, then nouns, numbers or words the dictionary lacks, such as names) up to its
/// last noun ("the third world war"); or "this" and its kind alone ("Will this work?"). kNone when s opens none.
std::size_t questionSubjectEnd(std::span<GrammarToken> t, std::size_t s) {
    if (wordWith(t[s], How::Exact, Label::Pronoun))
        return s;
    const bool opener = isArticle(t[s]) || (isWord(t[s]) && (among(kDeterminers, t[s].key) || t[s].key == U"THAT"sv));
    std::size_t last = kNone;
    for (std::size_t j = opener ? nextWord(t, s) : s, words = 0; j != kNone && words < 5; j = nextWord(t, j), ++words) {
        const GrammarToken &w = t[j];
        if (last != kNone && (isArticle(w) || (isWord(w) && (w.key.ends_with(U"ING"sv) || among(kOwners, w.key) ||
                                                             among(kDeterminers, w.key)))))
            break; // "Is the program running?"; "Is John your friend?": another noun phrase starts
        if (isNoun(w) || isNumber(w) ||
            (isWord(w) && (w.quiet || w.how == How::Unrendered || w.label == Label::Reading)))
            last = j; // (a name the dictionary gives as its reading: "Is Mary your friend?")
        else if (!wordWith(w, How::Exact, Label::Adjective))
            break;
    }
    if (last == kNone && isWord(t[s]) && (among(kDemonstratives, t[s].key) || t[s].key == U"THAT"sv))
        return s;
    return last;
}

/// A yes-or-no question ends with ไหม after its last word from token m on; "Is he married or single?" asks with หรือ
/// already.
void askYesOrNo(std::span<GrammarToken> t, std::size_t m) {
    if (std::any_of(t.begin(), t.end(), [](const GrammarToken &w) { return w.key == U"OR"sv; }))
        return;
    for (std::size_t last = t.size(); last-- > m;) {
        if (t[last].kind != Kind::Separator && !isBlank(t[last])) {
            t[last].tail += U"ไหม"sv;
            break;
        }
    }
}

// A question that opens with a modal ("Can you", "What can you") or be ("Is it") puts its subject first, as Thai
// asks: คุณสามารถ..., สงครามจะ...; a yes-or-no question ends with ไหม.
constexpr std::array kTakeForms{U"TAKE"sv, U"TAKES"sv, U"TOOK"sv, U"TAKEN"sv, U"TAKING"sv};

std::u32string_view countingWord(std::u32string_view noun);

void questionOrder(std::span<GrammarToken> t, const GrammarContext &c) {
    std::size_t m = c.firstToken;
    if (!c.question || !firstOfSentence(m, c) || m >= t.size() || !isWord(t[m]))
        return;
    // after a short address or label and its mark the question starts: "Memory fault - where am I?" =>
    // ความผิดหน่วยความจำ- ฉันอยู่ที่ไหน?
    if (const std::size_t q = questionAfterAddress(t, c); q != kNone)
        m = q;
    // after a speaker's name and its colon the question starts: "Q: Are you married?" => ถาม: คุณแต่งงานแล้วไหม?
    if (const std::size_t colon = nextMark(t, m), n = colon < t.size() ? nextMark(t, colon) : t.size();
        t[m].capital && colon < t.size() && t[colon].kind == Kind::Separator && t[colon].text == U":"sv &&
        n < t.size() && isWord(t[n]))
        m = n;
    if (among(kClauseOpeners, t[m].key)) { // "If he comes, will Jodie marry Bonzo?": the question after the comma
        std::size_t k = m + 1;
        while (k < t.size() && !(t[k].kind == Kind::Separator && t[k].text == U","sv))
            ++k;
        while (k < t.size() && (t[k].kind == Kind::Separator ? t[k].text == U","sv : isBlank(t[k])))
            ++k;
        if (k < t.size() && isWord(t[k]) && (among(kModals, t[k].key) || wordWith(t[k], How::Exact, Label::Be)))
            m = k; // (without a comma "When can I go?" asks with its question word)
        // (or with a question word of its own: "If he is a healer, why can't he heal?" => ...เขาไม่สามารถ...ทำไม)
        else if (const std::size_t a = k < t.size() ? nextWord(t, k) : kNone;
                 a != kNone && wordWith(t[k], How::Exact, Label::Question) && isWord(t[a]) &&
                 (among(kModals, t[a].key) || wordWith(t[a], How::Exact, Label::Be)))
            m = k;
    } else if (const std::size_t comma = nextMark(t, m);
               among(kQuestionOpeners, t[m].key) ||
               (markAt(t, comma, U","sv) && among(kOpenersBeforeComma, t[m].key))) {
        // "And who is this person?", "So, is there a way?": the question after the and, or the opener and its comma
        if (const std::size_t n = markAt(t, comma, U","sv) ? nextMark(t, comma) : comma; n < t.size() && isWord(t[n]))
            m = n;
    }
    const std::size_t opener = m;
    // "How old are you?", "How long is the file?": the subject, then how much, เท่าไร ("คุณอายุเท่าไร",
    // "แฟ้มยาวเท่าไร", "How much is it?" => มันเท่าไร), and the be unwritten
    if (const std::size_t a = nextWord(t, m), b = a == kNone ? kNone : nextWord(t, a),
        s = b == kNone ? kNone : nextWord(t, b), end = s == kNone ? kNone : questionSubjectEnd(t, s);
        end != kNone && isWord(t[m]) && t[m].key == U"HOW"sv && isWord(t[a]) && wordWith(t[b], How::Exact, Label::Be) &&
        (t[a].key == U"MUCH"sv || t[a].key == U"OLD"sv ||
         (t[a].label == Label::Adjective && (t[a].how == How::Exact || t[a].how == How::Hold) &&
          t[a].key != U"MANY"sv) ||
         adjectiveAfterDegree(t, m, a, c)) && // ("How close is it?" => มันใกล้เท่าไร)
        endsClause(t, end)) {
        const std::u32string_view much = t[a].key == U"MUCH"sv  ? U""sv
                                         : t[a].key == U"OLD"sv ? U"อายุ"sv
                                                                : ownThai(t[a]);
        setReading(t[m], How::Exact, Label::Other, std::u32string(much) + U"เท่าไร");
        t[a].kind = Kind::Dropped;
        t[b].kind = Kind::Dropped;
        std::rotate(t.begin() + static_cast<std::ptrdiff_t>(m), t.begin() + static_cast<std::ptrdiff_t>(s),
                    t.begin() + static_cast<std::ptrdiff_t>(end) + 1);
        c.reordered = true;
        return;
    }
    // "How many files are there?" => มีกี่แฟ้ม
    if (const std::size_t a = nextWord(t, m), n = a == kNone ? kNone : nextWord(t, a),
        b = n == kNone ? kNone : nextWord(t, n), there = b == kNone ? kNone : nextWord(t, b);
        there != kNone && isWord(t[m]) && t[m].key == U"HOW"sv && isWord(t[a]) && t[a].key == U"MANY"sv &&
        isNoun(t[n]) && wordWith(t[b], How::Exact, Label::Be) && isWord(t[there]) && t[there].key == U"THERE"sv &&
        endsClause(t, there)) {
        setReading(t[m], How::Exact, Label::Other, U"มีกี่"sv);
        for (const std::size_t k : {a, b, there})
            t[k].kind = Kind::Dropped;
        return;
    }
    // "How many people came?" => ผู้คนกี่คนมา?, "How many files do you have?" => คุณมีกี่แฟ้ม?: กี่ with the word Thai
    // counts the noun with (the noun itself when it has none), where the noun phrase stands when it is the subject,
    // else after the verb that takes it; "How many seconds are there" => มีกี่วินาที
    if (const std::size_t a = nextWord(t, m), n = a == kNone ? kNone : nextWord(t, a),
        after = n == kNone ? kNone : nextWord(t, n);
        after != kNone && isWord(t[m]) && t[m].key == U"HOW"sv && isWord(t[a]) && t[a].key == U"MANY"sv &&
        isNoun(t[n]) && t[n].how != How::Hold && isWord(t[after])) {
        const bool aux = among(kDoForms, t[after].key) || among(kModals, t[after].key) ||
                         wordWith(t[after], How::Exact, Label::Be) || among(kHaveForms, t[after].key);
        const std::size_t s = nextWord(t, after);
        const bool there = s != kNone && wordWith(t[after], How::Exact, Label::Be) && t[s].key == U"THERE"sv;
        const bool asked = !there && aux && s != kNone && wordWith(t[s], How::Exact, Label::Pronoun) &&
                           (among(kSubjects, t[s].key) || t[s].key == U"YOU"sv || t[s].key == U"IT"sv);
        // (not "How many lawyers does it take to", which a phrase rule reads: ทนายความกี่คนจึงจะ...; nor before
        // another noun, which a noun phrase of two would need)
        // (a noun that can be a verb before no other noun or auxiliary is the counted noun's verb: "How many people
        // work here?" => ผู้คนกี่คนทำงานที่นี่?)
        std::u32string verb;
        const bool nounVerb = isNoun(t[after]) && t[after].how == How::Exact && s != kNone && isWord(t[s]) &&
                              !isNoun(t[s]) && !among(kDoForms, t[s].key) && !among(kModals, t[s].key) &&
                              !wordWith(t[s], How::Exact, Label::Be) && c.sense && c.sense(t[after].key, isVerb, verb);
        if ((asked && t[s].key == U"IT"sv) || (isNoun(t[after]) && !nounVerb))
            return;
        if (nounVerb)
            setReading(t[after], How::Exact, Label::IntransitiveVerb, verb);
        const std::u32string_view noun = ownThai(t[n]), kind = countingWord(noun);
        setReading(t[n], How::Exact, Label::Other,
                   kind.empty() ? U"กี่"s + std::u32string(noun) : std::u32string(noun) + U"กี่" + std::u32string(kind));
        t[m].kind = t[a].kind = Kind::Dropped;
        if (there) {
            setReading(t[after], How::Exact, Label::Other, U"มี"sv);
            t[s].kind = Kind::Dropped;
            std::rotate(t.begin() + static_cast<std::ptrdiff_t>(m), t.begin() + static_cast<std::ptrdiff_t>(after),
                        t.begin() + static_cast<std::ptrdiff_t>(after) + 1);
            c.reordered = true;
            return;
        }
        if (!asked)
            return;
        if (among(kDoForms, t[after].key))
            t[after].kind = Kind::Dropped;
        else
            std::swap(t[after], t[s]);
        std::size_t last = after; // (the clause's last word)
        while (!endsClause(t, last) && nextWord(t, last) != kNone)
            last = nextWord(t, last);
        if (last > n) {
            std::rotate(t.begin() + static_cast<std::ptrdiff_t>(m), t.begin() + static_cast<std::ptrdiff_t>(n) + 1,
                        t.begin() + static_cast<std::ptrdiff_t>(last) + 1);
            c.reordered = true;
        }
        return;
    }
    // "How come" asks why, before a statement: "How come you are late?" => คุณสายทำไม (the question word's Thai goes
    // to the end, as the grammar mode writes it)
    if (const std::size_t come = nextWord(t, m); come != kNone && wordWith(t[m], How::Exact, Label::Question) &&
                                                 t[m].key == U"HOW"sv && isWord(t[come]) && t[come].key == U"COME"sv &&
                                                 nextWord(t, come) != kNone) {
        t[m].setMeaning(U"ทำไม"sv);
        t[come].kind = Kind::Dropped;
        return;
    }
    // "How long does it take?", "How often do you go?": how long or how often at the end (the question word's
    // place), the do unwritten: มันใช้เวลานานเท่าไร, คุณไปบ่อยแค่ไหน
    const std::size_t howMuch = nextWord(t, m);
    std::size_t d = howMuch == kNone ? kNone : howMuch + 1; // (the do-support rule may have left the do unwritten)
    while (d < t.size() && (isBlank(t[d]) || (t[d].kind == Kind::Dropped && t[d].key.empty())))
        ++d;
    if (const std::size_t a = howMuch;
        d < t.size() && wordWith(t[m], How::Exact, Label::Question) && t[m].key == U"HOW"sv && isWord(t[a]) &&
        (isWord(t[d]) || t[d].kind == Kind::Dropped) &&
        (among(kModals, t[d].key) || among(kDoForms, t[d].key) || among(kHaveForms, t[d].key))) {
        const auto how =
            std::find_if(kHowMuch.begin(), kHowMuch.end(), [&](const auto &e) { return e.first == t[a].key; });
        if (how == kHowMuch.end())
            return;
        t[m].setMeaning(how->second);
        t[a].kind = Kind::Dropped;
        if (among(kDoForms, t[d].key))
            t[d].kind = Kind::Dropped;
        if (t[a].key == U"LONG"sv) // "take" a length of time: ใช้เวลา
            for (std::size_t k = nextWord(t, d), words = 0; k != kNone && words < kMostWordsBetween;
                 k = nextWord(t, k), ++words)
                if (isWord(t[k]) && among(kTakeForms, t[k].key)) {
                    setReading(t[k], How::Exact, Label::TransitiveVerb, U"ใช้เวลา"sv);
                    break;
                }
        if (among(kDoForms, t[d].key)) { // (after a modal or have the subject goes before it, below)
            // after do and its subject a verb: "How long did the war last?" => สงครามคงอยู่นานเท่าไร
            const std::size_t s = nextWord(t, d), end = s == kNone ? kNone : questionSubjectEnd(t, s),
                              v = end == kNone ? kNone : nextWord(t, end);
            std::u32string verb;
            if (v != kNone && isWord(t[v]) && !isVerbWord(t[v]) && t[v].how == How::Exact && verbSense(t[v], c, verb))
                setReading(t[v], How::Exact, Label::TransitiveVerb, verb);
            return;
        }
    }
    const bool yesOrNo = !wordWith(t[m], How::Exact, Label::Question);
    if (!yesOrNo && (m = nextWord(t, m)) == kNone)
        return;
    if (!isWord(t[m]))
        return;
    const bool be = wordWith(t[m], How::Exact, Label::Be), have = t[m].how == How::Exact && among(kHaveForms, t[m].key);
    // "Why are there always boycotts?" asks why there are: มี, "there" unwritten (not อยู่ที่นั่น...)
    if (const std::size_t there = nextWord(t, m); !yesOrNo && be && among(kBeForms, t[m].key) && there != kNone &&
                                                  isWord(t[there]) && t[there].key == U"THERE"sv) {
        setReading(t[m], How::Exact, Label::Other, U"มี"sv);
        t[there].kind = Kind::Dropped;
        return;
    }
    // "Is there life after death?" asks whether there is: มีชีวิตหลังความตายไหม, not อยู่ที่นั่นชีวิต...
    if (const std::size_t there = nextWord(t, m); yesOrNo && be && among(kBeForms, t[m].key) && there != kNone &&
                                                  isWord(t[there]) && t[there].key == U"THERE"sv) {
        setReading(t[m], How::Exact, Label::Other, U"มี"sv);
        t[there].kind = Kind::Dropped;
        askYesOrNo(t, m);
        return;
    }
    // (not before "that" or "this" and its noun, which the grammar mode writes after the noun: "What's that thing?" =>
    // สิ่งนั้นอะไร)
    if (const std::size_t d = nextWord(t, m); !yesOrNo && be && d != kNone && isWord(t[d]) &&
                                              (t[d].key == U"THAT"sv || among(kDemonstratives, t[d].key)) &&
                                              nextWord(t, d) != kNone && isNoun(t[nextWord(t, d)]))
        return;
    if (!yesOrNo && be) { // "What is your name?" => ชื่อของคุณคืออะไร: be after the noun phrase, in Thai
        const std::u32string_view q = t[opener].key;
        const std::u32string_view thai = q == U"WHAT"sv || q == U"WHO"sv ? U"คือ"sv
                                         : q == U"WHERE"sv               ? U"อยู่"sv
                                         : q == U"HOW"sv                 ? U"เป็น"sv
                                                                         : std::u32string_view{};
        std::size_t last = kNone;
        for (std::size_t k = nextWord(t, m); k != kNone; k = nextWord(t, k)) {
            // an -ing word after a noun or a pronoun is what it is doing: "What is he doing?"
            const bool doing = last != kNone && isWord(t[last]) && (isNoun(t[last]) || isPronounLabel(t[last].label)) &&
                               t[k].key.ends_with(U"ING"sv);
            // a relative clause after the noun belongs to the noun phrase: "Who is the man who came?" =>
            // ผู้ชายที่มาคือใคร
            if (last != kNone && isNoun(t[last]) && wordWith(t[k], How::Exact, Label::Conjunction) &&
                among(kRelatives, t[k].key) && (t[k].meaning == U"ที่"sv || t[k].meaning == U"ซึ่ง"sv)) {
                for (std::size_t j = k; j != kNone; j = nextWord(t, j))
                    last = j;
                break;
            }
            if (doing || !(t[k].kind == Kind::Piece || wordWith(t[k], How::Exact, Label::Adjective) || isNoun(t[k]) ||
                           wordWith(t[k], How::Exact, Label::Pronoun))) {
                last = kNone;
                break;
            }
            last = k;
        }
        if (!thai.empty() && last != kNone && endsClause(t, last)) {
            std::rotate(t.begin() + static_cast<std::ptrdiff_t>(m), t.begin() + static_cast<std::ptrdiff_t>(m) + 1,
                        t.begin() + static_cast<std::ptrdiff_t>(last) + 1);
            c.reordered = true;
            setReading(t[last], How::Exact, Label::Other, thai);
            return;
        }
    }
    if (!among(kModals, t[m].key) && !be && !have)
        return;
    std::size_t s = nextWord(t, m);
    if (s != kNone && t[s].key == U"T"sv) // can't, couldn't: the negation stays with the modal
        s = nextWord(t, s);
    std::size_t end = s == kNone ? kNone : questionSubjectEnd(t, s);
    std::size_t after = end == kNone ? kNone : nextWord(t, end);
    if (after == kNone && end != kNone && end == nextWord(t, s) && isWord(t[s]) &&
        (among(kDemonstratives, t[s].key) || t[s].key == U"THAT"sv)) {
        end = s; // "Will this work?": not the noun phrase "this work"
        after = nextWord(t, s);
    }
    if (after == kNone)
        return;
    std::u32string verb;
    // after a noun phrase a modal's verb must follow at once: "Can the user name files" asks about naming
    if (end != s && among(kModals, t[m].key) &&
        !(isVerbWord(t[after]) || isAdverbWord(t[after]) || (isWord(t[after]) && verbSense(t[after], c, verb))))
        return;
    // be after a question word asks what goes on ("What are you doing" => คุณกำลังทำอะไร); have asks about what was
    // done ("Have you seen it" => คุณเห็นมันไหม)
    if ((be && !yesOrNo && !(isWord(t[after]) && t[after].key.ends_with(U"ING"sv))) ||
        (have && !(isWord(t[after]) && (t[after].key == U"BEEN"sv || participleVerb(t[after], c, verb) ||
                                        (t[after].how == How::Write && t[after].family == SuffixFamily::ED)))))
        return;
    // (after a question word, have only before its participle: "Where have you been?" => คุณอยู่ที่ไหน, "What
    // have you done?" => คุณทำอะไร, the have unwritten)
    if (have && !yesOrNo && !(isWord(t[after]) && (t[after].key == U"BEEN"sv || participleVerb(t[after], c, verb))))
        return;
    std::rotate(t.begin() + static_cast<std::ptrdiff_t>(m), t.begin() + static_cast<std::ptrdiff_t>(s),
                t.begin() + static_cast<std::ptrdiff_t>(end) + 1);
    c.reordered = true;
    if (yesOrNo) {
        askYesOrNo(t, m);
        return;
    }
    if (have) {
        const std::size_t h = m + (end + 1 - s); // where the have went
        t[h].kind = Kind::Dropped;
        if (t[after].key == U"BEEN"sv && t[opener].key == U"WHERE"sv)
            setReading(t[after], How::Exact, Label::IntransitiveVerb, U"อยู่"sv);
        else if (t[after].key != U"BEEN"sv)
            setReading(t[after], How::Exact, Label::TransitiveVerb, verb);
    }
}

/// The question's order, and then its question word, whose Thai the grammar mode writes at the end of the line: before
/// a clause that says when or on what condition it is asked, it ends the question's own clause ("Where does it go
/// when you flush?" => มันไปที่ไหนเมื่อคุณล้าง?, not มันไปเมื่อคุณล้างที่ไหน?).
void questionOrderAndWord(std::span<GrammarToken> t, const GrammarContext &c) {
    questionOrder(t, c);
    std::size_t q = c.firstToken;
    if (!c.question || !firstOfSentence(q, c) || q >= t.size() || !wordWith(t[q], How::Exact, Label::Question) ||
        !(t[q].key == U"WHERE"sv || t[q].key == U"WHY"sv || t[q].key == U"HOW"sv || t[q].key == U"WHAT"sv))
        return;
    // (not before a be it is said with: "What's the use of it if" asks what the use is)
    if (const std::size_t b = nextWord(t, q); b == kNone || t[b].key == U"S"sv || wordWith(t[b], How::Exact, Label::Be))
        return;
    bool verb = false;
    for (std::size_t k = nextWord(t, q); k != kNone; k = nextWord(t, k)) {
        if (isWord(t[k]) && verb && (among(kClauseOpeners, t[k].key) || among(kTimeWords, t[k].key))) {
            const std::size_t last = previousWord(t, k);
            if (last == kNone || last <= q)
                return;
            t[last].tail += t[q].meaning;
            t[q].kind = Kind::Dropped;
            return;
        }
        if (markAt(t, k > 0 ? k - 1 : 0, U",;:"sv))
            return;
        verb = verb || isVerbWord(t[k]) || wordWith(t[k], How::Exact, Label::Be);
    }
}

// Words that make a preposition of the "to" after them: "due to", "owing to", "thanks to", "prior to".
constexpr std::array kToOfPrepositions{U"DUE"sv,  U"OWING"sv,    U"THANKS"sv,   U"PRIOR"sv,
                                       U"NEXT"sv, U"ADDITION"sv, U"ACCORDING"sv};

// Manuals give orders: a sentence that opens with a word the dictionary reads first as a noun, right before what a
// verb takes (an article, a determiner or an object pronoun), opens with that word as a verb: "Copy the files to
// the folder" => คัดลอกแฟ้ม..., "List all files" => ระบุแฟ้มทั้งหมด, not รายการแฟ้มทั้งหมด. A noun followed by a
// bare noun or an adjective ("Output files are") is left alone, and so is a subject pronoun ("Today I went").
// Adjectives with a verb sense that open a sentence before a noun phrase as what they are ("Even the best").
constexpr std::array kAdjectivesBeforeArticle{U"EVEN"sv,  U"STILL"sv, U"BETTER"sv, U"BEST"sv,  U"LAST"sv,
                                              U"LIKE"sv,  U"NEAR"sv,  U"ROUND"sv,  U"WELL"sv,  U"LATE"sv,
                                              U"EARLY"sv, U"FIRST"sv, U"SECOND"sv, U"WORST"sv, U"ALL"sv};

// Words read first as nouns that open a manual's orders before a bare plural: "Copy files.", "List certificates
// within a project."
constexpr std::array kOrderNouns{U"COPY"sv,    U"LIST"sv,   U"OUTPUT"sv, U"EMAIL"sv,  U"QUERY"sv, U"REPORT"sv,
                                 U"UPDATE"sv,  U"CHANGE"sv, U"SEARCH"sv, U"SORT"sv,   U"PRINT"sv, U"EXPORT"sv,
                                 U"IMPORT"sv,  U"LOAD"sv,   U"DUMP"sv,   U"FETCH"sv,  U"PUSH"sv,  U"PULL"sv,
                                 U"DISPLAY"sv, U"RENAME"sv, U"RESET"sv,  U"FORMAT"sv, U"MOVE"sv,  U"LOG"sv};

void imperativeVerb(std::span<GrammarToken> t, const GrammarContext &c) {
    // Anywhere, a word read first as a noun right before me, him, us or them is the verb that takes them: "simply
    // type them" => เพียงพิมพ์พวกเขา, not ประเภทพวกเขา
    eachAnchor(t, c, [&](std::size_t i) {
        // after a preposition, a verb-first word before "of" is the noun: "by lack of interest" => โดยการขาด...
        if (const std::size_t p = previousWord(t, i), pp = p == kNone ? kNone : previousWord(t, p);
            pp != kNone && isWord(t[i]) && t[i].key == U"OF"sv && isWord(t[p]) && t[p].how == How::Exact &&
            isVerb(t[p].label) && wordWith(t[pp], How::Exact, Label::Preposition) &&
            (t[pp].key != U"TO"sv || // ("content to die of old age" is the verb's "to"; "due to lack of" is not)
             (previousWord(t, pp) != kNone && among(kToOfPrepositions, t[previousWord(t, pp)].key)))) {
            std::u32string noun; // (not where a phrase rule reads it: "by means of" => โดยอาศัย)
            if (!readByBuiltInRule(t, p) && !leftToPhraseRule(t, p, c) && c.sense &&
                c.sense(t[p].key, isNounLabel, noun))
                setReading(t[p], How::Exact, Label::Noun, noun);
            return;
        }
        if (!wordWith(t[i], How::Exact, Label::Pronoun) || !among(kOnlyObjects, t[i].key))
            return;
        const std::size_t p = previousWord(t, i), pp = p == kNone ? kNone : previousWord(t, p);
        if (p != kNone && !opensObject(t, pp, false)) // (not after an article: "give the book them")
            nounAsVerb(t[p], c);
    });
    // (over a manual's tag in brackets before its order: "(ALPHA) Mark a recommendation's state")
    std::size_t f = c.firstToken;
    if (const std::size_t close = nextMark(t, f); f < t.size() && isWord(t[f]) && t[f].capitals && f > 0 &&
                                                  t[f - 1].kind == Kind::Separator && t[f - 1].text == U"("sv &&
                                                  close < t.size() && t[close].text == U")"sv) {
        f = close + 1;
        while (f < t.size() && isBlank(t[f]))
            ++f;
    }
    if (!c.sentenceStart || c.question || f >= t.size())
        return;
    // a verb-first word before "of" that opens the subject of a be or a modal is the noun: "Use of this software is
    // free" => การใช้ของซอฟต์แวร์นี้..., not ใช้ของ (but "Think of a number" is an order)
    if (const std::size_t of = nextWord(t, f); of != kNone && isWord(t[f]) && t[f].how == How::Exact &&
                                               isVerb(t[f].label) && isWord(t[of]) && t[of].key == U"OF"sv) {
        for (std::size_t k = nextWord(t, of), words = 0; k != kNone && words < kMostClauseWords;
             k = nextWord(t, k), ++words)
            if (isWord(t[k]) && (t[k].label == Label::Be || among(kModals, t[k].key))) {
                std::u32string noun;
                if (!readByBuiltInRule(t, f) && !leftToPhraseRule(t, f, c) && c.sense &&
                    c.sense(t[f].key, isNounLabel, noun))
                    setReading(t[f], How::Exact, Label::Noun, noun);
                break;
            }
        return;
    }
    // after "please" the order follows at once, whatever comes after it: "Please report bugs" => กรุณารายงาน...
    if (isWord(t[f]) && t[f].key == U"PLEASE"sv) {
        if (const std::size_t v = nextWord(t, f); v != kNone && !leftToPhraseRule(t, v, c))
            nounAsVerb(t[v], c);
        return;
    }
    // (after an -ly adverb: "Recursively copy a directory tree" => คัดลอกต้นไม้ไดเรกทอรีแบบเรียกซ้ำ)
    const std::size_t v =
        isWord(t[f]) && wordWith(t[f], How::Exact, Label::Adverb) && t[f].key.ends_with(U"LY"sv) ? nextWord(t, f) : f;
    const std::size_t n = v == kNone ? kNone : nextWord(t, v);
    // (or before an adjective and its noun where no verb of a subject follows: "List available types" =>
    // ระบุประเภทที่มีอยู่, not "Program specific options are")
    if (const std::size_t a = n == kNone ? kNone : nextWord(t, n);
        a != kNone && wordWith(t[n], How::Exact, Label::Adjective) && !among(kDeterminers, t[n].key) && isNoun(t[a]) &&
        wordWith(t[v], How::Exact, Label::Noun) && !t[n].capital) { // (a heading's capital: "State Current state")
        for (std::size_t k = nextWord(t, a), words = 0; k != kNone && words < kMostClauseWords;
             k = nextWord(t, k), ++words)
            if (isWord(t[k]) &&
                (t[k].label == Label::Be || among(kModals, t[k].key) || (isVerb(t[k].label) && t[k].how == How::Write)))
                return;
        if (endsClause(t, a) || nextWord(t, a) != kNone)
            nounAsVerb(t[v], c);
        return;
    }
    // (or, as a manual page's summary, before a name in capitals, where no verb follows: "List Custom Security
    // Profiles." => ระบุโปรไฟล์..., "(ALPHA) Lists Cloud NetApp Volumes" => แสดงรายการ...)
    if (const std::u32string_view k = isWord(t[v]) ? t[v].key : std::u32string_view();
        n != kNone && isNoun(t[v]) && !t[v].capitals && isWord(t[n]) && t[n].capital && t[n].key != U"OF"sv &&
        (k == U"LIST"sv || k == U"LISTS"sv)) { // (not "Output Formats::", a menu's heading)
        for (std::size_t j = nextWord(t, n), words = 0; j != kNone && words < 2 * kMostClauseWords;
             j = nextWord(t, j), ++words)
            if (isWord(t[j]) &&
                (t[j].label == Label::Be || among(kModals, t[j].key) || (isVerb(t[j].label) && t[j].how == How::Write)))
                return;
        if (std::u32string verb; verbSense(t[v], c, verb))
            setReading(t[v], How::Exact, Label::TransitiveVerb, verb);
        return;
    }
    // (or before a plural noun, perhaps after a noun, that ends the sentence or goes on with a preposition, where
    // no verb follows: "Copy files." => คัดลอกแฟ้ม, "List directory contents." => ระบุเนื้อหาไดเรกทอรี; not "Error
    // messages are")
    // (only the verbs a manual's orders use: "File names with spaces", "Command groups for" are nouns)
    if (n != kNone && wordWith(t[v], How::Exact, Label::Noun) && among(kOrderNouns, t[v].key) && isNoun(t[n]) &&
        !t[n].capital) {
        std::size_t plural = n;
        if (!pluralOfNoun(t[plural], c) && nextWord(t, n) != kNone && isNoun(t[nextWord(t, n)]))
            plural = nextWord(t, n);
        const std::size_t after = nextWord(t, plural);
        bool order = pluralOfNoun(t[plural], c) && !t[plural].capital &&
                     (after == kNone ? endsClause(t, plural) : wordWith(t[after], How::Exact, Label::Preposition));
        for (std::size_t k = after, words = 0; order && k != kNone && words < 2 * kMostClauseWords;
             k = nextWord(t, k), ++words)
            order = !(isWord(t[k]) && (t[k].label == Label::Be || among(kModals, t[k].key) ||
                                       (isVerb(t[k].label) && t[k].how == How::Write)));
        if (order) {
            nounAsVerb(t[v], c);
            return;
        }
    }
    if (n == kNone ||
        !(isArticle(t[n]) ||
          (isWord(t[n]) && (among(kDeterminers, t[n].key) ||
                            (wordWith(t[n], How::Exact, Label::Pronoun) && among(kObjectPronouns, t[n].key))))))
        return;
    // a word read first as an adjective too: "Clear all overloads" => ล้างบรรทุกเกินทั้งหมด, "Empty the trash"; not one
    // that describes or points before a noun phrase ("Even the smallest", "Near the end")
    if (std::u32string verb; wordWith(t[v], How::Exact, Label::Adjective) &&
                             !among(kAdjectivesBeforeArticle, t[v].key) && c.sense &&
                             c.sense(t[v].key, isTransitive, verb)) {
        setReading(t[v], How::Exact, Label::TransitiveVerb, verb);
        return;
    }
    nounAsVerb(t[v], c);
}

// After a modal ("can", "will", "must", perhaps with not or an adverb between) comes a verb: a word the dictionary
// reads first as a noun or an adjective is read in its verb sense when it has one ("you can work" => คุณสามารถทำงาน).
void modalVerb(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string verb;
    eachAnchor(t, c, [&](std::size_t i) {
        if (t[i].key == U"TO"sv && wordWith(t[i], How::Exact, Label::Preposition)) {
            // "to list the files" => เพื่อระบุแฟ้ม, "want to work." => ต้องการทำงาน: a noun-first word that takes an
            // object, or ends the clause after a verb and its "to", is the verb it can be
            const std::size_t n = nextWord(t, i), nn = n == kNone ? kNone : nextWord(t, n), p = previousWord(t, i);
            // (an adjective-first word only before its object: "to correct the error" => เพื่อแก้ไขข้อผิดพลาด)
            const bool adjective = n != kNone && wordWith(t[n], How::Exact, Label::Adjective);
            if (n == kNone || !(wordWith(t[n], How::Exact, Label::Noun) || adjective))
                return;
            // (a bare noun is an object only after a verb that takes "to" and a verb: "refuses to copy files")
            // (I, we, they, he or she open a clause, which ends the verb's after a verb and its "to" only: "began to
            // program I", but "From time to time he reads")
            const bool subject = nn != kNone && isWord(t[nn]) && among(kSubjects, t[nn].key);
            const bool object =
                (opensObject(t, nn) && !subject) || (nn != kNone && isNoun(t[nn]) && p != kNone && isVerbWord(t[p]) &&
                                                     verbFormOf<kInfinitiveTakers>(t[p].key));
            if (adjective && !(object && nn != kNone &&
                               (among(kDeterminers, t[nn].key) || !wordWith(t[nn], How::Exact, Label::Adjective))))
                return;
            if ((object || (p != kNone && isVerbWord(t[p]) && (subject || (nn == kNone && endsClause(t, n))))) &&
                c.sense && c.sense(t[n].key, isVerb, verb))
                setReading(t[n], How::Exact, Label::TransitiveVerb, verb);
            return;
        }
        if (!wordWith(t[i], How::Exact, Label::Adverb) ||
            (!among(kModals, t[i].key) && !among(kNegativeModals, t[i].key)))
            return;
        const std::size_t n = stepOver(t, i, true, [](const GrammarToken &w) {
            return isWord(w) && (w.key == U"T"sv || w.key == U"EITHER"sv || isAdverbWord(w)); // ("can either copy")
        });
        if (n != kNone && readingAsVerb(t, n, c))
            return;
        if (n == kNone || !isWord(t[n]) || t[n].how != How::Exact ||
            (t[n].label != Label::Noun && t[n].label != Label::Adjective) || !c.sense ||
            !c.sense(t[n].key, isVerb, verb))
            return;
        setReading(t[n], How::Exact, Label::TransitiveVerb, verb);
    });
}

/// A manner adverb: an -ly word whose Thai is อย่าง..., โดย..., แบบ... or ทันที, and not one Thai keeps before the verb;
/// and "also" (ด้วย) and "always" (เสมอ), which Thai puts at the end of the clause too.
bool isMannerAdverb(const GrammarToken &t) {
    if (wordWith(t, How::Exact, Label::Adverb) &&
        ((t.key == U"ALSO"sv && t.meaning == U"ด้วย"sv) ||
         (t.key == U"ALWAYS"sv && (t.meaning == U"เสมอ"sv || t.meaning == U"เสมอไป"sv))))
        return true; // "You may also specify" => คุณอาจจะระบุ...ด้วย; "He always wins" => เขาชนะเสมอ
    if (!wordWith(t, How::Exact, Label::Adverb) || !t.key.ends_with(U"LY"sv))
        return false;
    const std::u32string_view m = t.meaning;
    return (m.starts_with(U"อย่าง"sv) || m.starts_with(U"โดย"sv) || m.starts_with(U"แบบ"sv) ||
            among(kMannerWithoutMark, m)) &&
           !among(kAdverbsBeforeVerb, m);
}

// A manner adverb right before its verb goes to the end of the clause, as Thai has it: "He clearly doubted my
// sanity" => เขาสงสัยสติของฉันอย่างชัดเจน. A long clause keeps it after the verb and its object, before the first
// preposition; a longer one leaves it in place.
// Words that open a clause of their own after the one they end.
constexpr std::array kSubordinators{U"IF"sv,       U"WHEN"sv,   U"WHENEVER"sv, U"BECAUSE"sv, U"UNLESS"sv, U"WHILE"sv,
                                    U"ALTHOUGH"sv, U"THOUGH"sv, U"UNTIL"sv,    U"SINCE"sv,   U"BEFORE"sv, U"AFTER"sv};

/// True when a noun phrase follows token j (an article, adjectives, at least one noun) and no verb comes after it.
bool nounsWithoutVerbAfter(std::span<GrammarToken> t, std::size_t j) {
    std::size_t k = nextWord(t, j), nouns = 0;
    for (std::size_t words = 0; k != kNone && words <= kMostWordsBetween; k = nextWord(t, k), ++words) {
        if (isNoun(t[k]))
            ++nouns;
        else if (!(isArticle(t[k]) || wordWith(t[k], How::Exact, Label::Adjective)))
            break;
    }
    return nouns > 0 && (k == kNone || !(isVerbWord(t[k]) ||
                                         (isWord(t[k]) && (t[k].label == Label::Be || among(kModals, t[k].key)))));
}

void mannerAdverb(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        // "not really" before a verb is ไม่ค่อย: "We don't really understand it" => เราไม่ค่อยเข้าใจมัน
        if (const std::size_t p = previousWord(t, i), v = nextWord(t, i);
            isWord(t[i]) && t[i].key == U"REALLY"sv && p != kNone && v != kNone && isVerbWord(t[v]) &&
            (t[p].key == U"NOT"sv || (t[p].key == U"T"sv && isWord(t[p])))) {
            t[i].setMeaning(U"ค่อย"sv);
            return;
        }
        // "not always" is ไม่ได้ ... เสมอไป, not always so: "It does not always work" => มันไม่ได้ทำงานเสมอไป (not
        // ไม่ทำงานเสมอ, never works); after be, "He is not always late" => เขาไม่ได้สายเสมอไป, "that is not always
        // the case" => นั่นไม่ใช่กรณีเสมอไป
        if (const std::size_t p = previousWord(t, i), a = nextWord(t, i), b = p == kNone ? kNone : previousWord(t, p);
            isWord(t[i]) && t[i].key == U"ALWAYS"sv && t[i].meaning == U"เสมอ"sv && p != kNone && a != kNone &&
            isWord(t[p]) && (t[p].key == U"NOT"sv || t[p].key == U"T"sv) && !leftToPhraseRule(t, i, c)) {
            // (be, or a be a rule has left unwritten already: "He is not always late")
            const bool unwritten = std::any_of(
                t.begin() + static_cast<std::ptrdiff_t>(b == kNone ? 0 : b), t.begin() + static_cast<std::ptrdiff_t>(p),
                [](const GrammarToken &w) { return w.kind == Kind::Dropped && w.label == Label::Be; });
            const bool be = unwritten || (b != kNone && wordWith(t[b], How::Exact, Label::Be));
            std::size_t last = kNone;
            if (!be && isVerbWord(t[a])) { // the verb's clause ends with it, where the adverb goes
                if (b == kNone || !among(kModals, t[b].key)) // ("should not always be used" => ไม่ควรถูกใช้เสมอไป)
                    t[p].setMeaning(U"ไม่ได้"sv);
                t[i].setMeaning(U"เสมอไป"sv);
            } else if (be && isWord(t[a]) && t[a].label == Label::Adjective &&
                       (t[a].how == How::Exact || t[a].how == How::Hold)) {
                if (!unwritten)
                    t[b].kind = Kind::Dropped;
                t[i].kind = Kind::Dropped;
                t[p].setMeaning(U"ไม่ได้"sv);
                setReading(t[a], How::Exact, Label::Other,
                           std::u32string(withoutRelativeMark(t[a].meaning)) + U"เสมอไป");
                return;
            } else if (be && nounPhraseAt(t, a) &&
                       (last = lastNounFrom(t, isArticle(t[a]) ? nextWord(t, a) : a, false)) != kNone) {
                if (!unwritten)
                    t[b].kind = Kind::Dropped;
                t[i].kind = Kind::Dropped;
                setReading(t[p], How::Exact, Label::Other, U"ไม่ใช่"sv);
                t[last].tail += U"เสมอไป"sv;
                return;
            }
        }
        if (!isMannerAdverb(t[i]))
            return;
        const std::size_t v = nextWord(t, i);
        // inside a noun phrase it follows its adjective, which follows the noun: "a truly great man" =>
        // ผู้ชายเยี่ยมอย่างแท้จริง, not อย่างแท้จริงผู้ชายเยี่ยม
        // (after what opens a noun phrase or takes one: "which effectively disabled vi" has a verb there)
        if (const std::size_t n = v == kNone ? kNone : nextWord(t, v), p = previousWord(t, i);
            n != kNone && p != kNone && t[i].key.ends_with(U"LY"sv) && wordWith(t[v], How::Exact, Label::Adjective) &&
            isNoun(t[n]) &&
            (t[p].kind == Kind::Piece || among(kDeterminers, t[p].key) || isVerbWord(t[p]) ||
             wordWith(t[p], How::Exact, Label::Preposition) || wordWith(t[p], How::Exact, Label::Be))) {
            t[v].setMeaning(std::u32string(t[v].meaning) + std::u32string(t[i].meaning));
            t[i].kind = Kind::Dropped;
            return;
        }
        // A verb reached through -s may still be read as a plural noun: the adverb stays where it parts them, unless
        // a subject before it makes it a verb ("He always wins", "a man who always remembers").
        const std::size_t s = previousWord(t, i);
        // (an adjective after a be left unwritten is the verb there: "It will always be useful" =>
        // มันจะมีประโยชน์เสมอ)
        const bool adjectiveAfterBe =
            v != kNone && wordWith(t[v], How::Exact, Label::Adjective) &&
            std::any_of(t.begin() + static_cast<std::ptrdiff_t>(i) + 1, t.begin() + static_cast<std::ptrdiff_t>(v),
                        [](const GrammarToken &w) { return w.kind == Kind::Dropped && w.label == Label::Be; });
        if (v == kNone || (!isVerbWord(t[v]) && !adjectiveAfterBe) ||
            (t[v].how == How::Write && t[v].family != SuffixFamily::ED &&
             !(s != kNone && (wordWith(t[s], How::Exact, Label::Pronoun) || isNoun(t[s]) ||
                              (wordWith(t[s], How::Exact, Label::Conjunction) && among(kRelatives, t[s].key)))))) {
            // "also" left before a verb reached through -s is ยัง there: "The PRT raytracer also produces" =>
            // ...ยังผลิต, not ด้วยผลิต
            if (t[i].key == U"ALSO"sv && v != kNone && isVerbWord(t[v]) && s != kNone && !leftToPhraseRule(t, i, c))
                t[i].setMeaning(U"ยัง"sv);
            return;
        }
        // a relative clause belongs to the noun before it: the adverb goes after it, not between them
        std::size_t last = v, beforePreposition = kNone, beforeRelative = kNone, words = 0;
        // (a verb of thinking or saying ends it before its "that", which is then ว่า: "always makes people think that
        // he" => ทำให้ผู้คนคิดเสมอว่าเขา, not คิดเสมอซึ่งว่า..., which no phrase rule reads)
        std::size_t said = kNone;
        bool beforeClause = false; // the clause ends where another opens ("even if no message is defined")
        struct Run {
            std::size_t last, beforePreposition, beforeRelative, words;
        };
        std::optional<Run> joined; // the run as it stood at the first "and" it went on over
        for (std::size_t j = nextWord(t, v); j != kNone; j = nextWord(t, j)) {
            if (t[j].key == U"THAT"sv && isVerbWord(t[last]) && verbFormOf<kThinkingVerbs>(t[last].key)) {
                said = j;
                break;
            }
            // ("and" between two nouns with no verb after them is inside the object: "always represent the
            // beginning and end of a string" => เป็นตัวแทนการเริ่มต้นและตอนท้ายของสตริงเสมอ)
            if ((t[j].key == U"AND"sv || t[j].key == U"OR"sv) && isWord(t[j]) && isNoun(t[last]) &&
                nounsWithoutVerbAfter(t, j)) {
                if (!joined)
                    joined = Run{last, beforePreposition, beforeRelative, words};
                last = j;
                ++words;
                continue;
            }
            if (opensClause(t[j]) && !opensRelative(t[j])) {
                if (t[j].key == U"AS"sv && t[last].key == U"SUCH"sv && last != v) // not inside "such as"
                    last = previousWord(t, last);
                else if (last != v && (t[last].key == U"EVEN"sv || t[last].key == U"ONLY"sv)) // "even if"
                    last = previousWord(t, last);
                beforeClause = among(kSubordinators, t[j].key) && words > 0 && words <= kMostClauseWords &&
                               last != kNone && isNoun(t[last]);
                break;
            }
            if (beforeRelative == kNone && opensRelative(t[j]))
                beforeRelative = last;
            if (beforePreposition == kNone && wordWith(t[j], How::Exact, Label::Preposition))
                beforePreposition = last;
            last = j;
            ++words;
        }
        // (but where the clause then runs on too long or out of the tokens, the adverb stops before that "and")
        if (joined && said == kNone && !beforeClause &&
            (words > kMostClauseWords || !endsClause(t, last) || wordWith(t[last], How::Exact, Label::Preposition))) {
            last = joined->last;
            beforePreposition = joined->beforePreposition;
            beforeRelative = joined->beforeRelative;
            words = joined->words;
        }
        // "also" before a long clause, or one that "and" goes on, stays before its verb as ยัง: "The command also
        // shows the size and the amount" => คำสั่งยังแสดงขนาดและปริมาณ, not ...ขนาดด้วยและปริมาณ
        if (const std::size_t after = nextWord(t, last);
            t[i].key == U"ALSO"sv &&
            (words >= kMostWordsBetween || (after != kNone && (t[after].key == U"AND"sv || t[after].key == U"OR"sv)))) {
            // before a modal, as Thai has it: "can also give" => ยังสามารถให้
            if (s != kNone && wordWith(t[s], How::Exact, Label::Adverb) && among(kModals, t[s].key)) {
                t[s].setMeaning(U"ยัง"s + std::u32string(t[s].meaning));
                t[i].kind = Kind::Dropped;
            } else {
                t[i].setMeaning(U"ยัง"sv);
            }
            return;
        }
        // Where the tokens run out the clause may go on in the next line of wrapped text: the adverb goes before
        // the relative clause, or else before the first preposition ("always looking for a new idea that will" =>
        // กำลังมองหาความคิดใหม่เสมอที่จะ...)
        if (said == kNone && !beforeClause &&
            (words > kMostClauseWords || !endsClause(t, last) || wordWith(t[last], How::Exact, Label::Preposition)))
            last = beforeRelative != kNone ? beforeRelative : beforePreposition;
        if (last == kNone || !isWord(t[last]))
            return;
        // A "that" a phrase rule reads with the verb before it says what: ว่า, after the adverb ("always ensure
        // that" => ทำให้แน่ใจเสมอว่า, not ทำให้แน่ใจเสมอซึ่งว่า).
        if (const std::size_t after = nextWord(t, last); said == kNone && after != kNone && isWord(t[after]) &&
                                                         t[after].key == U"THAT"sv && isVerbWord(t[last]) &&
                                                         (readByBuiltInRule(t, after) || leftToPhraseRule(t, after, c)))
            said = after;
        // not between words a phrase rule reads together: "always take precedence over" => เสมอมีความสำคัญเหนือกว่า
        if (const std::size_t after = nextWord(t, last); said == kNone && after != kNone && isWord(t[after]) &&
                                                         startsPhraseRule(ownThai(t[last]), ownThai(t[after])))
            return;
        t[last].tail += t[i].meaning;
        t[i].kind = Kind::Dropped;
        if (said != kNone)
            setReading(t[said], How::Exact, Label::Conjunction, U"ว่า"sv);
    });
}

// then, suddenly, finally ... between a short subject and its verb open the clause in Thai: "We then revived it" =>
// จากนั้นเราฟื้นฟูมัน. The subject's noun, which the rendering writes first, takes the adverb before it.
// Irregular past forms that are no participle ("came", not "come").
constexpr std::array kPastOnly{U"CAME"sv,  U"WENT"sv,  U"SAW"sv,   U"TOOK"sv,  U"GAVE"sv,  U"KNEW"sv,
                               U"WROTE"sv, U"SPOKE"sv, U"ATE"sv,   U"DREW"sv,  U"FLEW"sv,  U"GREW"sv,
                               U"BEGAN"sv, U"RAN"sv,   U"SANG"sv,  U"DRANK"sv, U"ROSE"sv,  U"FELL"sv,
                               U"DROVE"sv, U"RODE"sv,  U"CHOSE"sv, U"BROKE"sv, U"FORGOT"sv};

/// Adverbs of how often, which stand between a subject and its verb.
constexpr std::array kHowOften{U"OFTEN"sv,  U"USUALLY"sv,   U"SOMETIMES"sv, U"NEVER"sv,
                               U"ALWAYS"sv, U"GENERALLY"sv, U"NORMALLY"sv,  U"TYPICALLY"sv,
                               U"RARELY"sv, U"SELDOM"sv,    U"ALSO"sv,      U"FREQUENTLY"sv};

void timeAdverb(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        // "once" opening a clause before its subject is "when": เมื่อ ("Once the file is created" =>
        // เมื่อแฟ้มถูกสร้าง, not หนึ่งครั้งแฟ้ม...); "I saw him once", "once upon a time" keep หนึ่งครั้ง
        if (wordWith(t[i], How::Exact, Label::Adverb) && t[i].key == U"ONCE"sv) {
            // after its subject before a past verb, or after was or were, "once" tells what used to be: เคย ("He
            // once said" => เขาเคยกล่าว, "It was once a city" => มันเคยเป็นเมือง, "was once assigned" => เคยถูกกำหนด)
            if (const std::size_t p = previousWord(t, i), n = nextWord(t, i); p != kNone && n != kNone) {
                const bool pastBe = isWord(t[p]) && (t[p].key == U"WAS"sv || t[p].key == U"WERE"sv) &&
                                    wordWith(t[p], How::Exact, Label::Be);
                const bool subject = wordWith(t[p], How::Exact, Label::Pronoun) || isNoun(t[p]) ||
                                     (isWord(t[p]) && (t[p].how == How::Unrendered || t[p].how == How::RawFallback));
                const bool pastVerb = isVerbWord(t[n]) && (pastParticiple(t[n]) || among(kPastOnly, t[n].key) ||
                                                           t[n].meaning.starts_with(U"ถูก"sv));
                if ((pastBe || (subject && pastVerb)) && !leftToPhraseRule(t, i, c)) {
                    const std::size_t there = pastBe ? previousWord(t, p) : kNone;
                    if (there != kNone && isWord(t[there]) && t[there].key == U"THERE"sv) { // "There was once a man"
                        setReading(t[i], How::Exact, Label::Adverb, U"ครั้งหนึ่ง"sv); // => ครั้งหนึ่งมีผู้ชาย
                        std::rotate(t.begin() + static_cast<std::ptrdiff_t>(there),
                                    t.begin() + static_cast<std::ptrdiff_t>(i),
                                    t.begin() + static_cast<std::ptrdiff_t>(i) + 1);
                        c.reordered = true;
                        return;
                    }
                    setReading(t[i], How::Exact, Label::Adverb, U"เคย"sv);
                    if (pastBe && !pastVerb) { // เคย before the be it says
                        std::swap(t[p], t[i]);
                        c.reordered = true;
                    }
                    return;
                }
            }
            std::u32string when;
            // (not where a rule left the be after it unwritten: "once is enough"; nor "once there lived")
            const std::size_t n = nextWord(t, i);
            if (n == kNone || previousWord(t, i) != kNone || !opensSubject(t, n) ||
                (isWord(t[n]) && (t[n].key == U"MORE"sv || t[n].key == U"THERE"sv)) ||
                std::any_of(t.begin() + static_cast<std::ptrdiff_t>(i) + 1, t.begin() + static_cast<std::ptrdiff_t>(n),
                            [](const GrammarToken &w) { return w.kind == Kind::Dropped; }))
                return;
            if (c.sense && c.sense(t[i].key, isConjunctionLabel, when))
                setReading(t[i], How::Exact, Label::Conjunction, when);
            return;
        }
        // "since" before a subject and a verb that is not in the past gives the reason: เนื่องจาก ("since it is only
        // usable" => เนื่องจากมันเพียงใช้ได้); "since he left", "ever since" keep ตั้งแต่
        if (isWord(t[i]) && t[i].key == U"SINCE"sv) {
            const std::size_t subject = nextWord(t, i), before = previousWord(t, i);
            // (or a noun phrase: "since the name of the unit is unpredictable", not "since the first release")
            std::size_t last = subject;
            const bool name = subject != kNone && isWord(t[subject]) && !t[subject].quiet &&
                              (t[subject].how == How::Unrendered || t[subject].how == How::RawFallback);
            const bool phrase = subject != kNone && (isArticle(t[subject]) || among(kDeterminers, t[subject].key) ||
                                                     isNoun(t[subject]) || name || // ("since llvm-ar supports")
                                                     wordWith(t[subject], How::Exact, Label::Adjective)); // ("many")
            const auto unwrittenBe = [&](std::size_t from, std::size_t to) { // (which ends the noun phrase)
                return std::any_of(t.begin() + static_cast<std::ptrdiff_t>(from) + 1,
                                   t.begin() + static_cast<std::ptrdiff_t>(to),
                                   [](const GrammarToken &w) { return w.kind == Kind::Dropped && !w.key.empty(); });
            };
            for (std::size_t k = phrase ? nextWord(t, subject) : kNone, words = 0;
                 k != kNone && words < kMostClauseWords && !unwrittenBe(last, k) &&
                 ((t[k].kind == Kind::Piece && !isNumber(t[k])) || isNoun(t[k]) || t[k].key == U"OF"sv ||
                  (isWord(t[k]) && t[k].label == Label::Adjective && t[k].how == How::Exact) ||
                  (isWord(t[k]) && t[k].how == How::Write && t[k].family == SuffixFamily::S)); // ("the tests are")
                 k = nextWord(t, k), ++words)
                last = k;
            std::size_t verb = kNone; // (a be that an earlier rule left unwritten counts)
            for (std::size_t j = last == kNone ? t.size() : last + 1; j < t.size() && verb == kNone; ++j)
                if (t[j].kind == Kind::Dropped ? !t[j].key.empty() : !isBlank(t[j]))
                    verb = j;
            // (over an adverb of how often: "since it often contains" => เนื่องจากมันมักจะมี)
            if (const std::size_t v = verb == kNone ? kNone : nextWord(t, verb);
                v != kNone && wordWith(t[verb], How::Exact, Label::Adverb) &&
                (among(kHowOften, t[verb].key) || t[verb].key == U"ONLY"sv))
                verb = v;
            if (subject != kNone && verb != kNone && (isWord(t[subject]) || isArticle(t[subject])) &&
                t[verb].kind != Kind::Separator && t[verb].kind != Kind::Piece &&
                (among(kSubjects, t[subject].key) || among(kSubjectsAtClauseStart, t[subject].key) ||
                 t[subject].key == U"THERE"sv || t[subject].key == U"THIS"sv ||
                 (phrase && (isNoun(t[last]) || (isWord(t[last]) && t[last].family == SuffixFamily::S) ||
                             (name && last == subject)))) &&
                (before == kNone || t[before].key != U"EVER"sv) &&
                ((t[verb].label == Label::Be && t[verb].key != U"WAS"sv && t[verb].key != U"WERE"sv) ||
                 among(kModals, t[verb].key) || among(kDoForms, t[verb].key) || among(kHaveForms, t[verb].key) ||
                 (t[verb].how == How::Write && t[verb].family == SuffixFamily::S && isVerb(t[verb].label)) ||
                 // (a verb the dictionary has with its -s: "since it enables" => เนื่องจากมันเปิดใช้งาน)
                 (isVerbWord(t[verb]) && t[verb].how == How::Exact && t[verb].key.size() > 3 &&
                  t[verb].key.back() == U'S' && !t[verb].key.ends_with(U"SS"sv) && !among(kSubjects, t[subject].key)) ||
                 // (or a verb without -s after a plural noun phrase: "since many binary files contain zero bytes")
                 (phrase && last != subject && isNoun(t[last]) && t[last].key.size() > 3 &&
                  t[last].key.back() == U'S' && !t[last].key.ends_with(U"SS"sv) && t[verb].kind == Kind::Word &&
                  t[verb].how == How::Exact && isVerb(t[verb].label) && !t[verb].key.ends_with(U"S"sv) &&
                  !t[verb].key.ends_with(U"ED"sv) && !among(kPastOnly, t[verb].key) &&
                  !isIrregularParticiple(t[verb].key)) ||
                 // (or a verb in the present after I, we, they or you: "since they use extensions")
                 ((among(kSubjects, t[subject].key) || t[subject].key == U"YOU"sv) && t[subject].key != U"HE"sv &&
                  t[subject].key != U"SHE"sv && t[verb].kind == Kind::Word && t[verb].how == How::Exact &&
                  isVerb(t[verb].label) && !t[verb].key.ends_with(U"ED"sv) && !among(kPastOnly, t[verb].key) &&
                  !isIrregularParticiple(t[verb].key))))
                setReading(t[i], How::Exact, Label::Conjunction, U"เนื่องจาก"sv);
            return;
        }
        // "each time" and "every time" before a clause open it, ทุกครั้งที่ ("each time a module is loaded" =>
        // ทุกครั้งที่โมดูลถูกโหลด, not แต่ละโมดูลเวลา...); at the end of a clause they say how often, ทุกครั้ง. The rule
        // looks at "time", and runs before the subject and its verb are read ("each time it processes a file").
        if (const std::size_t e = previousWord(t, i), a = nextWord(t, i);
            wordWith(t[i], How::Exact, Label::Noun) && t[i].key == U"TIME"sv && e != kNone && isWord(t[e]) &&
            (t[e].key == U"EACH"sv || t[e].key == U"EVERY"sv)) {
            const bool clause =
                a != kNone &&
                (isArticle(t[a]) || (isWord(t[a]) && (among(kSubjects, t[a].key) || t[a].key == U"YOU"sv ||
                                                      t[a].key == U"IT"sv || among(kDeterminers, t[a].key))));
            if (!clause && !endsClause(t, i) && a != kNone)
                return;
            setReading(t[e], How::Exact, Label::Conjunction, clause ? U"ทุกครั้งที่"sv : U"ทุกครั้ง"sv);
            t[i].kind = Kind::Dropped;
            return;
        }
        // "often" before its verb is a habit, มักจะ ("It is often called" => มันมักจะถูกเรียก, not มันบ่อยถูกเรียก)
        // (not after a word of degree: "too often", "so often"; after not it is ไม่ค่อย: "I don't often talk" =>
        // ฉันไม่ค่อยพูด; after will, จะ, it says the will too: "you will often end up" => คุณมักจะลงเอย)
        if (const std::size_t v = nextWord(t, i), p = previousWord(t, i);
            wordWith(t[i], How::Exact, Label::Adverb) && t[i].key == U"OFTEN"sv && v != kNone && isVerbWord(t[v]) &&
            p != kNone && !among(kDegreeBeforeAdjective, t[p].key) && t[p].key != U"AS"sv) {
            const bool will = isWord(t[p]) && (t[p].key == U"WILL"sv || t[p].key == U"WOULD"sv);
            if ((among(kModals, t[p].key) && !will) || leftToPhraseRule(t, i, c))
                return;
            if (will)
                t[p].kind = Kind::Dropped;
            const bool not_ = isWord(t[p]) && (t[p].key == U"NOT"sv || t[p].key == U"T"sv);
            setReading(t[i], How::Exact, Label::Adverb, not_ ? U"ค่อย"sv : U"มักจะ"sv);
            return;
        }
        if (!wordWith(t[i], How::Exact, Label::Adverb) || !among(kTimeAdverbs, t[i].key))
            return;
        const std::size_t v = nextWord(t, i), s = previousWord(t, i);
        if (v == kNone || !isVerbWord(t[v]) || s == kNone ||
            !(wordWith(t[s], How::Exact, Label::Noun) || wordWith(t[s], How::Exact, Label::Pronoun)))
            return;
        // (usually, currently ... before a bare participle or an -ing word describe the noun before them: "the ones
        // typically found in", "the pathname currently being resolved")
        if (t[i].key.ends_with(U"LY"sv) && t[i].key != U"SUDDENLY"sv && t[i].key != U"FINALLY"sv &&
            t[i].key != U"EVENTUALLY"sv && t[i].key != U"RECENTLY"sv &&
            ((t[v].how == How::Write && t[v].family != SuffixFamily::S) ||
             (t[v].how == How::Exact && !t[v].meaning.starts_with(U"ถูก"sv) && // (a passive is a clause's verb)
              (pastParticiple(t[v]) || t[v].key.ends_with(U"ING"sv))) ||
             std::any_of(t.begin() + static_cast<std::ptrdiff_t>(i), t.begin() + static_cast<std::ptrdiff_t>(v),
                         [](const GrammarToken &w) { return w.key == U"BEING"sv; })))
            return;
        std::size_t start = s, words = 0; // back to the clause's start over the subject's words only
        for (std::size_t w = previousWord(t, s); w != kNone && !opensClause(t[w]); w = previousWord(t, w)) {
            if (++words >= kMostWordsBetween ||
                !(t[w].kind == Kind::Piece || wordWith(t[w], How::Exact, Label::Adjective) ||
                  wordWith(t[w], How::Exact, Label::Noun) || wordWith(t[w], How::Exact, Label::Pronoun))) {
                start = kNone;
                break;
            }
        }
        if (start == kNone)
            return;
        t[s].setMeaning(std::u32string(t[i].meaning) + std::u32string(t[s].meaning));
        t[i].kind = Kind::Dropped;
    });
}

// too, either and "as well" that end a clause mean "also": ด้วย, เช่นกัน ("You can use it, too." => ...ด้วย);
// before an adjective "too" stays เกินไป.
// "neither ... nor" says "not" once, where Thai has it: "He can neither read nor write" => เขาไม่สามารถอ่านหรือเขียน,
// "I like neither tea nor coffee" => ฉันไม่ชอบทั้งชาและกาแฟ, "Neither the man nor the woman came" =>
// ทั้งผู้ชายและผู้หญิงไม่มา (the grammar mode holds ไม่ทั้งสอง behind the noun: ผู้ชายไม่ทั้งสองและไม่ผู้หญิงมา).
void neitherNor(std::span<GrammarToken> t, std::size_t i) {
    std::size_t nor = kNone;
    for (std::size_t j = nextWord(t, i), words = 0; j != kNone && words < 2 * kMostWordsBetween;
         j = nextWord(t, j), ++words)
        if (isWord(t[j]) && t[j].key == U"NOR"sv) {
            nor = j;
            break;
        }
    const std::size_t n = nextWord(t, i);
    if (nor == kNone || n == nor)
        return;
    const std::size_t p = previousWord(t, i);
    if (p != kNone && wordWith(t[p], How::Exact, Label::Adverb) && among(kModals, t[p].key)) { // can neither read
        // (ไม่สามารถ, ไม่ควร, but จะไม่, อาจจะไม่, ต้องไม่)
        const std::u32string_view m = t[p].meaning;
        t[p].setMeaning(m.ends_with(U"จะ"sv) || m == U"ต้อง"sv ? std::u32string(m) + U"ไม่" : U"ไม่"s + std::u32string(m));
        t[i].kind = Kind::Dropped;
        setReading(t[nor], How::Exact, Label::Conjunction, U"หรือ"sv);
    } else if (isVerbWord(t[n])) { // "he neither reads nor writes" => เขาไม่อ่านและไม่เขียน
        setReading(t[i], How::Exact, Label::Adverb, U"ไม่"sv);
    } else if (p != kNone && isVerbWord(t[p])) { // "I like neither tea nor coffee"
        t[p].setMeaning(U"ไม่"s + std::u32string(t[p].meaning));
        setReading(t[i], How::Exact, Label::Other, U"ทั้ง"sv);
        setReading(t[nor], How::Exact, Label::Conjunction, U"และ"sv);
    } else if (p == kNone) { // the subject: "not" before the verb after it
        std::size_t v = kNone;
        for (std::size_t j = nextWord(t, nor), words = 0; j != kNone && words < kMostWordsBetween + 2;
             j = nextWord(t, j), ++words)
            if (isVerbWord(t[j]) || (isWord(t[j]) && among(kModals, t[j].key))) {
                v = j;
                break;
            }
        if (v == kNone || !(t[v].how == How::Exact || t[v].how == How::Write))
            return;
        t[v].setMeaning(U"ไม่"s + std::u32string(t[v].meaning));
        if (t[v].how == How::Write)
            t[v].how = How::Exact;
        setReading(t[i], How::Exact, Label::Other, U"ทั้ง"sv);
        setReading(t[nor], How::Exact, Label::Conjunction, U"และ"sv);
    }
}

void alsoAtEnd(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        if (isWord(t[i]) && t[i].key == U"NEITHER"sv) {
            neitherNor(t, i);
            return;
        }
        // "either ... or" says หรือ alone ("You can either copy it or move it" => คุณสามารถคัดลอกมันหรือย้ายมัน);
        // "both ... and" says ทั้ง in front ("Both the client and the server" => ทั้งไคลเอนต์และเครื่องแม่ข่าย)
        if (const bool both = t[i].key == U"BOTH"sv;
            isWord(t[i]) && t[i].how == How::Exact && (both || t[i].key == U"EITHER"sv) && nextWord(t, i) != kNone &&
            t[nextWord(t, i)].key != U"OF"sv && t[nextWord(t, i)].key != (both ? U"AND"sv : U"OR"sv) &&
            !(isArticle(t[nextWord(t, i)]) && nextWord(t, nextWord(t, i)) != kNone && // ("both A and B": a name)
              t[nextWord(t, nextWord(t, i))].key == (both ? U"AND"sv : U"OR"sv))) {
            for (std::size_t j = nextWord(t, i), words = 0; j != kNone && words < 2 * kMostWordsBetween;
                 j = nextWord(t, j), ++words)
                if (isWord(t[j]) && t[j].key == (both ? U"AND"sv : U"OR"sv)) {
                    if (both)
                        setReading(t[i], How::Exact, Label::Other, U"ทั้ง"sv);
                    else
                        t[i].kind = Kind::Dropped;
                    return;
                }
        }
        // "yet" ending a clause that a "not" denies says not so far: ยังไม่ before the verb ("Some services do not
        // support it yet." => บางบริการยังไม่สนับสนุนมัน, was ...ไม่สนับสนุนมันแต่ทว่า); the perfect rule reads "have
        // not ... yet" itself
        if (isWord(t[i]) && t[i].key == U"YET"sv && endsClause(t, i) && nextWord(t, i) == kNone) {
            for (std::size_t k = previousWord(t, i), words = 0; k != kNone && words < 2 * kMostClauseWords;
                 k = previousWord(t, k), ++words)
                if (isWord(t[k]) && (t[k].key == U"NOT"sv || t[k].key == U"T"sv) && t[k].meaning.starts_with(U"ไม่"sv)) {
                    setReading(t[k], How::Exact, Label::Adverb, U"ยัง" + std::u32string(t[k].meaning));
                    t[i].kind = Kind::Dropped;
                    // (the do before it goes unwritten: "It doesn't work yet" => มันยังไม่ทำงาน)
                    if (const std::size_t d = previousWord(t, k);
                        d != kNone && isWord(t[d]) && (among(kDoForms, t[d].key) || among(kDoNegatives, t[d].key)))
                        t[d].kind = Kind::Dropped;
                    return;
                }
            return;
        }
        // "only" ending a clause limits what comes before it: เท่านั้น ("for testing only" => สำหรับการทดสอบเท่านั้น)
        if (isWord(t[i]) && t[i].key == U"ONLY"sv && t[i].how == How::Exact && endsClause(t, i) &&
            nextWord(t, i) == kNone && previousWord(t, i) != kNone) {
            t[i].setMeaning(U"เท่านั้น"sv);
            return;
        }
        // "Well," opening a sentence takes up what was said: เอาล่ะ ("Well, bring her in" => เอาล่ะ, นำ...), as the
        // phrase rules read it after a mark or a quote
        if (isWord(t[i]) && t[i].key == U"WELL"sv && firstOfSentence(i, c) && i + 1 < t.size() &&
            t[i + 1].kind == Kind::Separator && t[i + 1].text == U","sv) {
            t[i].setMeaning(U"เอาล่ะ"sv);
            return;
        }
        if (!isWord(t[i]) || (t[i].key != U"TOO"sv && t[i].key != U"EITHER"sv && t[i].key != U"WELL"sv) ||
            !endsClause(t, i) || nextWord(t, i) != kNone)
            return;
        bool comma = false;
        const std::size_t p = previousWord(t, i, &comma);
        if (p == kNone || (comma && t[i].key != U"TOO"sv))
            return;
        if (t[i].key == U"TOO"sv) {
            setReading(t[i], How::Exact, Label::Adverb, U"ด้วย"sv);
        } else if (t[i].key == U"EITHER"sv) {
            setReading(t[i], How::Exact, Label::Adverb, U"เช่นกัน"sv);
        } else if (t[i].key == U"WELL"sv && p != kNone && t[p].key == U"AS"sv && isWord(t[p])) {
            setReading(t[i], How::Exact, Label::Adverb, U"ด้วย"sv);
            t[p].kind = Kind::Dropped;
        } else {
            return;
        }
        // "..., too." ends in Thai without the comma; "they, too, came" keeps both
        std::size_t after = i + 1;
        while (after < t.size() && isBlank(t[after]))
            ++after;
        if (comma && (after == t.size() || t[after].text != U","sv))
            for (std::size_t k = p + 1; k < i; ++k)
                t[k].kind = Kind::Dropped; // the comma and the spaces after it
    });
}

// Prepositions of time that also open a clause, with its subject after them.
constexpr std::array kTimeOpeners{U"BEFORE"sv, U"AFTER"sv, U"SINCE"sv, U"ONCE"sv};
constexpr std::array kThirdPerson{U"HE"sv, U"SHE"sv, U"IT"sv};

/// True when token s is a pronoun that is the subject of the word after it: "they" anywhere, "you" and "it" where
/// no verb or preposition before them makes them its object.
bool subjectPronoun(std::span<GrammarToken> t, std::size_t s) {
    if (!wordWith(t[s], How::Exact, Label::Pronoun))
        return false;
    if (among(kSubjects, t[s].key))
        return true;
    if (!among(kSubjectsAtClauseStart, t[s].key))
        return false;
    const std::size_t p = previousWord(t, s);
    return p == kNone || opensClause(t[p]) || wordWith(t[p], How::Exact, Label::Adverb) ||
           (isWord(t[p]) && among(kTimeOpeners, t[p].key)); // "before you report a bug"
}

/// True when a verb ends its clause's first part before the conjunction at token a, perhaps with an object after it
/// ("prints a message and"), and has an -s as the word after the conjunction does (`s3`) or has none.
bool coordinatedVerb(std::span<GrammarToken> t, std::size_t a, bool s3) {
    bool comma = false; // "accepts two arguments, displays them, and exits": over a comma only for verbs with -s
    std::size_t v = previousWord(t, a, s3 ? &comma : nullptr);
    for (std::size_t words = 0; v != kNone && !isVerbWord(t[v]); v = previousWord(t, v)) {
        const GrammarToken &w = t[v];
        if (++words > kMostObjectWords ||
            !(w.kind == Kind::Piece || (isWord(w) && (w.label == Label::Adjective || w.label == Label::Noun ||
                                                      w.label == Label::Pronoun || w.label == Label::Adverb))))
            return false;
    }
    if (v == kNone || (t[v].key.size() > 3 && t[v].key.back() == U'S') != s3)
        return false;
    // a verb in the past goes with another in the past, not with a noun that can be a verb ("emitted the type and
    // content")
    return s3 || !(t[v].key.size() > 3 && t[v].key.ends_with(U"ED"sv));
}

/// The verb sense of token w read as a noun: its own key's, or for a word reached through -s (or an entry ending in
/// s) its stem's ("works" => ทำงาน, "lives" => LIVE).
bool verbSense(const GrammarToken &w, const GrammarContext &c, std::u32string &verb) {
    if (!c.sense || w.quiet)
        return false;
    if (w.how == How::Exact && c.sense(w.key, isVerb, verb))
        return true;
    const std::u32string_view k = w.key;
    if (k.size() < 4 || k.back() != U'S')
        return false;
    if (k.ends_with(U"IES"sv) && c.sense(std::u32string(k.substr(0, k.size() - 3)) + U"Y", isVerb, verb))
        return true;
    if (k.ends_with(U"ES"sv) && c.sense(k.substr(0, k.size() - 2), isVerb, verb))
        return true;
    return c.sense(k.substr(0, k.size() - 1), isVerb, verb);
}

// Verbs that tell who spoke, which a story may put before the speaker after what was said.
constexpr std::array kSpeechVerbs{U"SAID"sv,     U"SAYS"sv,     U"REPLIED"sv,   U"CRIED"sv,     U"ASKED"sv,
                                  U"ANSWERED"sv, U"RETURNED"sv, U"EXCLAIMED"sv, U"WHISPERED"sv, U"SHOUTED"sv};
// Titles that end a sentence of their own with their full stop ("said Mr. Bennet").
constexpr std::array kTitles{U"MR"sv, U"MRS"sv, U"MS"sv, U"DR"sv, U"ST"sv};

/// '"Yes," said his wife': after a quotation the speaker comes first in Thai, ภรรยาของเขากล่าว, not กล่าวภรรยาของเขา.
/// Token i is the verb of speech; the speaker is a subject pronoun, or a noun phrase (a name, or nouns after an
/// article or an owner) that ends its clause or comes before an adverb or a preposition.
void speakerFirst(std::span<GrammarToken> t, std::size_t i, const GrammarContext &c) {
    // right after a closing quotation mark, and after the comma that ends what was said or at the start of the
    // sentence that follows its "?" or "!" (not '"git grep" asked the system', whose subject is the quotation)
    bool quote = false, comma = false, start = true;
    for (std::size_t k = i; k-- > 0;) {
        if (t[k].kind != Kind::Separator && !isBlank(t[k])) {
            start = false;
            break;
        }
        quote = quote || t[k].text.find_first_of(U"\"\u201D") != std::u32string::npos;
        comma = comma || t[k].text.find(U',') != std::u32string::npos;
    }
    quote = quote && (comma || start);
    const std::size_t n = nextWord(t, i);
    if (!quote || n == kNone || (!isWord(t[n]) && !isArticle(t[n])))
        return;
    std::size_t last = kNone;
    if (wordWith(t[n], How::Exact, Label::Pronoun) && among(kSubjects, t[n].key)) {
        last = n;
    } else {
        std::size_t k = n;
        if (isArticle(t[k]) || among(kOwners, t[k].key))
            k = nextWord(t, k);
        for (std::size_t words = 0; k != kNone && words < kMostWordsBetween && isWord(t[k]) &&
                                    (isNoun(t[k]) || t[k].label == Label::Reading || t[k].label == Label::Adjective);
             k = nextWord(t, k), ++words)
            if (isNoun(t[k]) || t[k].label == Label::Reading)
                last = k;
    }
    if (last == kNone || among(kTitles, t[last].key))
        return;
    if (const std::size_t a = nextWord(t, last);
        !endsClause(t, last) && !(a != kNone && (isAdverbWord(t[a]) || wordWith(t[a], How::Exact, Label::Preposition))))
        return;
    std::rotate(t.begin() + static_cast<std::ptrdiff_t>(i), t.begin() + static_cast<std::ptrdiff_t>(n),
                t.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    c.reordered = true;
}

// The verb after its subject. A verb reached through -s or -ed is written at once, before the noun phrase the
// grammar mode holds: right after its subject that puts the verb first ("The dog eats the food" => กินสุนัขอาหาร).
// Read as the verb it is, it writes the subject first: สุนัขกินอาหาร; "the file named foo" => แฟ้มตั้งชื่อ foo.
// After a subject pronoun (and an adverb or two) a word read first as a noun is the verb it can be: "They list
// the files" => พวกเขาระบุแฟ้ม, "It works" => มันทำงาน (the -s of he, she and it only), and so after a relative
// ที่ ("the man who lives" => ผู้ชายที่อาศัยอยู่).
/// True when the -s word w is the plural of a noun of the dictionary ("updates", "clean-ups", "boxes").
bool pluralOfNoun(const GrammarToken &w, const GrammarContext &c) {
    std::u32string noun;
    const std::u32string_view k = w.key;
    return c.sense && k.size() > 3 &&
           (c.sense(k.substr(0, k.size() - 1), isNounLabel, noun) ||
            (k.ends_with(U"ES"sv) && c.sense(k.substr(0, k.size() - 2), isNounLabel, noun)));
}
/// Reads an -s verb as the noun of its deed, การ + the verb: a noun sense is often another thing (a trigger of a gun).
void readAsDeed(GrammarToken &w) {
    setReading(w, How::Exact, Label::Noun,
               w.meaning.starts_with(U"การ"sv) ? std::u32string(w.meaning) : U"การ"s + std::u32string(w.meaning));
}

// Verbs with -s and the preposition they take, which a noun before them has as its subject: "The link points to the
// file" => ลิงก์ชี้ไปยังแฟ้ม, "The default depends on the size".
constexpr std::array kVerbPrepositions{
    std::pair{U"POINTS"sv, U"TO"sv},   std::pair{U"REFERS"sv, U"TO"sv},   std::pair{U"BELONGS"sv, U"TO"sv},
    std::pair{U"DEFAULTS"sv, U"TO"sv}, std::pair{U"APPLIES"sv, U"TO"sv},  std::pair{U"CORRESPONDS"sv, U"TO"sv},
    std::pair{U"LEADS"sv, U"TO"sv},    std::pair{U"MAPS"sv, U"TO"sv},     std::pair{U"LOOKS"sv, U"AT"sv},
    std::pair{U"LOOKS"sv, U"FOR"sv},   std::pair{U"DEPENDS"sv, U"ON"sv},  std::pair{U"RELIES"sv, U"ON"sv},
    std::pair{U"CONSISTS"sv, U"OF"sv}, std::pair{U"RESULTS"sv, U"IN"sv},  std::pair{U"WAITS"sv, U"FOR"sv},
    std::pair{U"STANDS"sv, U"FOR"sv},  std::pair{U"COMES"sv, U"FROM"sv},  std::pair{U"DIFFERS"sv, U"FROM"sv},
    std::pair{U"ACTS"sv, U"AS"sv},     std::pair{U"SERVES"sv, U"AS"sv},   std::pair{U"SEARCHES"sv, U"FOR"sv},
    std::pair{U"SWITCHES"sv, U"TO"sv}, std::pair{U"RETURNS"sv, U"TO"sv},  std::pair{U"LISTENS"sv, U"ON"sv},
    std::pair{U"WORKS"sv, U"FROM"sv},  std::pair{U"WORKS"sv, U"WITH"sv},  std::pair{U"WORKS"sv, U"ON"sv},
    std::pair{U"WORKS"sv, U"FOR"sv},   std::pair{U"ENDS"sv, U"IN"sv},     std::pair{U"ENDS"sv, U"WITH"sv},
    std::pair{U"ENDS"sv, U"AT"sv},     std::pair{U"STARTS"sv, U"WITH"sv}, std::pair{U"STARTS"sv, U"AT"sv},
    std::pair{U"BEGINS"sv, U"WITH"sv}, std::pair{U"BEGINS"sv, U"AT"sv},   std::pair{U"FALLS"sv, U"BACK"sv},
    std::pair{U"EXITS"sv, U"WITH"sv},  std::pair{U"TURNS"sv, U"OUT"sv}};
bool verbWithItsPreposition(std::u32string_view verb, std::u32string_view preposition) {
    return std::find(kVerbPrepositions.begin(), kVerbPrepositions.end(), std::pair{verb, preposition}) !=
           kVerbPrepositions.end();
}
/// The same for a verb without its -s, after a plural: "Engineers work from home".
bool baseVerbWithItsPreposition(std::u32string_view verb, std::u32string_view preposition) {
    return std::any_of(kVerbPrepositions.begin(), kVerbPrepositions.end(), [&](const auto &p) {
        return p.second == preposition && p.first.size() == verb.size() + 1 && p.first.starts_with(verb);
    });
}

/// True when a verb, a be, a modal or a form of have comes right after token i.
bool verbFollows(std::span<GrammarToken> t, std::size_t i) {
    const std::size_t n = nextWord(t, i);
    return n != kNone && isWord(t[n]) &&
           (isVerbWord(t[n]) || t[n].label == Label::Be || among(kModals, t[n].key) || among(kHaveForms, t[n].key));
}

void subjectVerb(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string verb;
    eachAnchor(t, c, [&](std::size_t i) {
        GrammarToken &w = t[i];
        if (w.kind != Kind::Word)
            return;
        // a word read first as an adjective after a subject pronoun and before what a verb takes is that verb: "We
        // secure our friends" => เรารักษาความปลอดภัยเพื่อนของเรา, not เราเพื่อนของเราปลอดภัย
        if (w.label == Label::Adjective) {
            // an adjective takes no -s: a word reached so is the verb ("the man who owns the house" => ...ที่เป็นเจ้าของ
            // บ้าน, not ที่ของตัวเองบ้าน; "it clears the screen" => มันล้างจอ)
            // It is the noun (its plural) after what no verb follows: an article, a number, an adjective, a
            // preposition, or a verb and its object ("two wrongs", "into savages", "give you presents"), or before
            // "of" ("fits of creativity").
            // Ending its clause it is the verb that takes no object, or the adjective's Thai in a verb's place:
            // "until it completes" => จนกระทั่งมันสมบูรณ์, "If the shoe fits," => ถ้ารองเท้าพอดี. (Not inside a
            // compound: "one-size-fits-all".)
            if (w.how != How::Exact && w.family == SuffixFamily::S && !markAt(t, i + 1, U"-"sv) &&
                !(i > 0 && markAt(t, i - 1, U"-"sv))) {
                const std::size_t p = previousWord(t, i), pp = p == kNone ? kNone : previousWord(t, p),
                                  n = nextWord(t, i);
                const bool afterSubject =
                    afterClauseMark(t, i) || // (the verb of a list of them: "relies on voice, fits in your pocket")
                    (p != kNone && isWord(t[p]) &&
                     ((isNoun(t[p]) && !among(kNumberWords, t[p].key)) || t[p].key == U"AND"sv || t[p].key == U"OR"sv ||
                      isAdverbWord(t[p]) || among(kRelatives, t[p].key) || among(kSubjects, t[p].key) ||
                      (among(kSubjectsAtClauseStart, t[p].key) && !(pp != kNone && isVerbWord(t[pp]))) ||
                      t[p].how == How::Unrendered || t[p].how == How::RawFallback));
                const std::u32string_view k = w.key;
                if (afterSubject && (n == kNone || endsClause(t, i) || isAdverbWord(t[n])) && c.sense) {
                    if (!c.sense(k.substr(0, k.size() - 1), isIntransitive, verb))
                        verb = ownThai(w);
                    setReading(w, How::Exact, Label::IntransitiveVerb, verb);
                } else if (afterSubject && !(n != kNone && t[n].key == U"OF"sv) && verbSense(w, c, verb))
                    setReading(w, How::Exact, Label::TransitiveVerb, verb);
                else if (!afterSubject && pluralOfNoun(w, c) && c.sense &&
                         c.sense(w.key.substr(0, w.key.size() - 1), isNounLabel, verb))
                    setReading(w, How::Exact, Label::Noun, verb);
                return;
            }
            if (const std::size_t p = previousWord(t, i);
                w.how == How::Exact && p != kNone && wordWith(t[p], How::Exact, Label::Pronoun) &&
                among(kSubjects, t[p].key) && opensObject(t, nextWord(t, i), false) && !leftToPhraseRule(t, i, c) &&
                verbSense(w, c, verb))
                setReading(w, How::Exact, Label::TransitiveVerb, verb);
            return;
        }
        if (isVerb(w.label) && among(kSpeechVerbs, w.key)) {
            speakerFirst(t, i, c);
            return;
        }
        if (w.how == How::Write && isVerb(w.label) && (w.family == SuffixFamily::S || w.family == SuffixFamily::ED)) {
            const std::size_t p = previousWord(t, i);
            // right after a verb that takes it, an -s word that can be a noun is the noun: "contains updates" =>
            // มีการปรับปรุง, "makes changes" => ทำการเปลี่ยนแปลง
            // (the verb after its subject, or opening an order: not a noun that can be a verb, "the fetch moves")
            const std::size_t pp = p == kNone ? kNone : previousWord(t, p);
            const bool verbHere =
                p != kNone && !(p > 0 && t[p - 1].kind == Kind::Separator && t[p - 1].text == U"-"sv) &&
                (pp == kNone ? firstOfSentence(p, c)
                             : isWord(t[pp]) && ((t[pp].label == Label::Pronoun && t[pp].key != U"THAT"sv) ||
                                                 among(kModals, t[pp].key) || among(kDoForms, t[pp].key) ||
                                                 t[pp].key == U"TO"sv || isAdverbWord(t[pp])));
            if (verbHere && w.family == SuffixFamily::S && isVerbWord(t[p]) && isTransitive(t[p].label) &&
                t[p].how == How::Exact && pluralOfNoun(w, c)) {
                readAsDeed(w);
                return;
            }
            if (p == kNone || !isNoun(t[p]))
                return;
            // After a noun with nothing before it that opens a phrase, and before "and", "or", a modal or be, an -s
            // word that can be a noun is the last noun of a compound: "documentation updates and code clean-ups" =>
            // การปรับปรุงเอกสารประกอบ..., "File triggers should" => การกระตุ้นแฟ้มควร (not its verb)
            std::size_t n = kNone; // (a be an earlier rule left unwritten counts: "updates are included")
            for (std::size_t j = i + 1; j < t.size() && n == kNone; ++j)
                if (t[j].kind == Kind::Dropped ? !t[j].key.empty() : !isBlank(t[j])) // (the next word as written)
                    n = t[j].kind == Kind::Separator ? t.size() : j;
            if (n == t.size())
                n = kNone;
            const std::size_t b = previousWord(t, p);
            // (or as the last of a list that ends the clause: "minor fixes and documentation updates.")
            const bool listEnd = n == kNone && endsClause(t, i) && b != kNone && isWord(t[b]) &&
                                 (t[b].key == U"AND"sv || t[b].key == U"OR"sv);
            if (w.family == SuffixFamily::S &&
                (listEnd || (n != kNone && (isWord(t[n]) || t[n].kind == Kind::Dropped) &&
                             (t[n].key == U"AND"sv || t[n].key == U"OR"sv || among(kModals, t[n].key) ||
                              t[n].label == Label::Be))) &&
                !among(kDemonstratives, t[p].key) && !among(kDeterminers, t[p].key) &&
                (b == kNone || !(isArticle(t[b]) || among(kDeterminers, t[b].key) || isNumber(t[b]) ||
                                 (isWord(t[b]) && (t[b].label == Label::Question || t[b].label == Label::Pronoun)))) &&
                pluralOfNoun(w, c)) {
                readAsDeed(w);
                return;
            }
            w.how = How::Exact; // the meaning of an -s or -ed reading is the stem's own, without a marker
            return;
        }
        if (w.label != Label::Noun || (w.how != How::Exact && !(w.how == How::Write && w.family == SuffixFamily::S)))
            return;
        // after a subject and an adverb of how often, a noun-first word before its object is the verb: "Users often
        // report bugs" => ผู้ใช้มักจะรายงานข้อบกพร่อง, not ผู้ใช้บ่อยข้อบกพร่องรายงาน
        if (const std::size_t a = previousWord(t, i), n = nextWord(t, i);
            w.how == How::Exact && a != kNone && isWord(t[a]) && among(kHowOften, t[a].key) && n != kNone &&
            (opensObject(t, n) || isNoun(t[n]))) {
            std::size_t s = a;
            while (s != kNone && isAdverbWord(t[s]) && !among(kModals, t[s].key))
                s = previousWord(t, s);
            if (s != kNone && isWord(t[s]) &&
                (isNoun(t[s]) || (wordWith(t[s], How::Exact, Label::Pronoun) && among(kSubjects, t[s].key))) &&
                !leftToPhraseRule(t, i, c) && c.sense && c.sense(w.key, isVerb, verb)) {
                setReading(w, How::Exact, Label::TransitiveVerb, verb);
                for (std::size_t k = a; k != s; k = previousWord(t, k)) // (they stay before it: "also often" ยังมักจะ)
                    if (t[k].key == U"OFTEN"sv || t[k].key == U"ALSO"sv)
                        t[k].setMeaning(t[k].key == U"OFTEN"sv ? U"มักจะ"sv : U"ยัง"sv);
                return;
            }
        }
        // after "whose" and its noun an -s word is the verb: "a file whose name ends in .device" =>
        // แฟ้มที่ชื่อจบใน.device, not ที่ตอนท้ายชื่อใน
        if (const std::size_t p = previousWord(t, i), o = p == kNone ? kNone : previousWord(t, p);
            w.key.size() > 3 && w.key.back() == U'S' && p != kNone && isNoun(t[p]) && o != kNone && isWord(t[o]) &&
            t[o].key == U"WHOSE"sv && !verbFollows(t, i) && verbSense(w, c, verb)) { // ("whose base names match")
            setReading(w, How::Exact, Label::TransitiveVerb, verb);
            return;
        }
        // over adverbs, but not over a modal: what follows one is the modal rule's
        const std::size_t s =
            stepOver(t, i, false, [](const GrammarToken &a) { return isAdverbWord(a) && !among(kModals, a.key); });
        if (s == kNone || !isWord(t[s]))
            return;
        // (nor after a be that a rule left unwritten: "programs that are not part of" => ...ที่ไม่ใช่ส่วนของ)
        for (std::size_t k = s + 1; k < i; ++k)
            if ((t[k].kind == Kind::Dropped && t[k].label == Label::Be) || t[k].meaning == U"ไม่ใช่"sv)
                return;
        const bool s3 = w.key.size() > 3 && w.key.back() == U'S'; // works, lives, books
        // a relative pronoun that follows its noun, as the relative rule made it ที่ or ซึ่ง ("the people who work")
        // ("that" also opens a noun: "finding that bug now"; so after it the verb needs an -s or a preposition)
        // (or one without -s after a plural: "names that reference other files" => ชื่อที่อ้างอิงแฟ้มอื่นๆ)
        const std::size_t owner = previousWord(t, s);
        // (not before an adverb: "symbols that man consciously lives" has its subject there)
        const bool afterPlural = !s3 && owner != kNone && isNoun(t[owner]) && t[owner].key.size() > 3 &&
                                 t[owner].key.back() == U'S' && !t[owner].key.ends_with(U"SS"sv) &&
                                 pluralOfNoun(t[owner], c) &&
                                 !(nextWord(t, i) != kNone && isAdverbWord(t[nextWord(t, i)]));
        // (but not a plural before a verb that is no noun, whose subject it is: "the rule that addresses represent
        // line numbers" => กฎที่ที่อยู่เป็นตัวแทน..., not ที่ปราศรัย...)
        std::u32string noun;
        const std::size_t after = nextWord(t, i);
        const bool subjectOfVerbAfter = s3 && after != kNone && isWord(t[after]) && t[after].how == How::Exact &&
                                        isVerb(t[after].label) && !among(kModals, t[after].key) && pluralOfNoun(w, c) &&
                                        !c.sense(t[after].key, isNounLabel, noun);
        const bool relative =
            wordWith(t[s], How::Exact, Label::Conjunction) && among(kRelatives, t[s].key) && owner != kNone &&
            (isNoun(t[owner]) || among(kIndefinites, t[owner].key) || among(kSomeoneElse, t[owner].key) ||
             t[owner].key == U"EVERYONE"sv || t[owner].key == U"EVERYBODY"sv || t[owner].key == U"ONE"sv) &&
            !subjectOfVerbAfter &&
            (t[s].key != U"THAT"sv || s3 || afterPlural ||
             (after != kNone && wordWith(t[after], How::Exact, Label::Preposition)) ||
             // (or a particle and what the verb takes: "the pilot that shot down the jet" => ...ที่ยิงลง...)
             (after != kNone && isWord(t[after]) && among(kParticles, t[after].key) &&
              opensObject(t, nextWord(t, after), false)));
        const bool adjacent = s == previousWord(t, i);
        auto openedNoun = [&] { // an article or a determiner before the subject's noun and its adjectives
            std::size_t k = previousWord(t, s);
            for (std::size_t words = 0; k != kNone && words < kMostWordsBetween && !among(kDeterminers, t[k].key) &&
                                        (isNoun(t[k]) || wordWith(t[k], How::Exact, Label::Adjective));
                 ++words)
                k = previousWord(t, k);
            return k != kNone && (isArticle(t[k]) || (isWord(t[k]) && among(kDeterminers, t[k].key)));
        };
        bool bareObject = false; // a bare plural before a preposition is what the verb takes
        auto objectAfter = [&] { // "The option causes the program to" => ทางเลือกทำให้เกิดโปรแกรม...
            std::size_t n = nextWord(t, i);
            // (over an -ly adverb before a counted object: "lists exactly one key")
            if (n != kNone && isAdverbWord(t[n]) && t[n].key.ends_with(U"LY"sv) && nextWord(t, n) != kNone &&
                (isNumber(t[nextWord(t, n)]) || t[nextWord(t, n)].key == U"ONE"sv ||
                 among(kNumberWords, t[nextWord(t, n)].key)))
                n = nextWord(t, n);
            if (n != kNone && (isArticle(t[n]) || wordWith(t[n], How::Exact, Label::Pronoun) ||
                               (isWord(t[n]) && (t[n].key == U"ONE"sv || among(kNumberWords, t[n].key)))))
                return true;
            // (or a determiner or an owner before its noun: "The tool processes each file", "its input"; not "input
            // lines each preceded by", "file names all contain")
            if (const std::size_t d = n == kNone ? kNone : nextWord(t, n);
                d != kNone && w.key != U"TIMES"sv && isWord(t[n]) &&
                (among(kDeterminers, t[n].key) || among(kOwners, t[n].key)) &&
                (isNoun(t[d]) || wordWith(t[d], How::Exact, Label::Adjective)))
                return true;
            // (not a name's word: "a Network Services long running operation"; nor after a bare singular noun, which
            // it may go on: "file names containing newline characters.")
            if (n == kNone || w.capital || t[n].key.ends_with(U"ING"sv) || !(s3 ? openedNoun() : true))
                return false;
            // or a bare noun phrase that ends the sentence, which a noun phrase before a verb would not: "This
            // command processes DSA keys." => คำสั่งนี้ประมวลผลคีย์DSA
            std::size_t last = kNone;
            for (std::size_t k = n, words = 0;
                 k != kNone && words < kMostWordsBetween &&
                 (isNoun(t[k]) || wordWith(t[k], How::Exact, Label::Adjective) ||
                  (isWord(t[k]) && !t[k].quiet && (t[k].how == How::Unrendered || t[k].how == How::RawFallback)));
                 k = nextWord(t, k), ++words)
                last = k;
            if (last == kNone || !isNoun(t[last]))
                return false;
            // (or a bare plural before a preposition: "This command lists connections of a network" =>
            // คำสั่งนี้ระบุการเชื่อมต่อของเครือข่าย)
            if (const std::size_t a = nextWord(t, last);
                s3 && a != kNone && wordWith(t[a], How::Exact, Label::Preposition) && t[last].key.ends_with(U"S"sv) &&
                !t[last].key.ends_with(U"SS"sv) && pluralOfNoun(t[last], c)) {
                bareObject = true;
                return true;
            }
            std::size_t k = last + 1;
            while (k < t.size() && isBlank(t[k]))
                ++k;
            return k < t.size() && t[k].kind == Kind::Separator && !t[k].text.empty() &&
                   U".;!?"sv.find(t[k].text[0]) != std::u32string_view::npos;
        };
        // (a word without -s after the object of the verb before: a verb only before an object of its own, not
        // "Display the date and time using", "change the owner and group of a file")
        const std::size_t beforeAnd = previousWord(t, s);
        const bool coordinated =
            adjacent && (t[s].key == U"AND"sv || t[s].key == U"OR"sv) && coordinatedVerb(t, s, s3) &&
            (s3 || objectAfter() || (beforeAnd != kNone && (isVerbWord(t[beforeAnd]) || isAdverbWord(t[beforeAnd]))));
        // (a name the dictionary gives as its reading is a subject too, before what the verb takes or a preposition:
        // "John lives in London"; not "GNU packages will", where the name tells which)
        // (or a word the dictionary lacks with a capital, or a name kept as written, opening the clause: "Wget
        // respects the standard" => Wget เคารพมาตรฐาน, "'find' evaluates the expression")
        const bool keptName =
            (t[s].capital && (t[s].quiet || t[s].how == How::Unrendered || t[s].how == How::RawFallback)) ||
            writtenAsItStands(t[s]);
        // (not a part of a longer name: "MAX-PROCS processes", "_follow_ FTP links"; and before what the verb takes:
        // "'REF.pot' References to the new sources" is a list's name and what it holds)
        const std::size_t beforeName = previousMark(t, s);
        const bool opensClauseHere =
            beforeName == kNone || (t[beforeName].kind == Kind::Separator && !t[beforeName].text.empty() &&
                                    !markAt(t, beforeName, U"-_/.=*"sv));
        const bool name = s3 && adjacent &&
                          (wordWith(t[s], How::Exact, Label::Reading)
                               ? objectAfter() || (nextWord(t, i) != kNone &&
                                                   wordWith(t[nextWord(t, i)], How::Exact, Label::Preposition))
                               : keptName && previousWord(t, s) == kNone && opensClauseHere && objectAfter());
        // (and nobody, everyone, no one ...: "No one regards what is before his feet" => ไม่มีใครถือว่า...)
        const bool everyone = s3 && adjacent &&
                              (among(kNobodies, t[s].key) || among(kIndefinites, t[s].key) ||
                               (t[s].key == U"ONE"sv && previousWord(t, s) != kNone &&
                                t[previousWord(t, s)].key == U"NO"sv && previousWord(t, previousWord(t, s)) == kNone));
        // (a plural noun before a word without -s and what it takes: "Years wrinkle the skin" => ปีทำให้ย่นผิวหนัง)
        const std::u32string_view sk = t[s].key;
        // (not a heading's word in capitals: "PARAMETERS name The name of")
        // (or before its own preposition: "Engineers work from home")
        const bool plural =
            !s3 && adjacent && isNoun(t[s]) && sk.size() > 3 && sk.back() == U'S' && !sk.ends_with(U"SS"sv) &&
            !t[s].capitals && pluralOfNoun(t[s], c) &&
            (objectAfter() || (nextWord(t, i) != kNone && baseVerbWithItsPreposition(w.key, t[nextWord(t, i)].key)));
        if (!relative && !coordinated && !name && !everyone && !plural &&
            !(subjectPronoun(t, s) && s3 == among(kThirdPerson, t[s].key)) &&
            !(s3 && isNoun(t[s]) && t[s].key != U"THESE"sv && t[s].key != U"THOSE"sv &&
              (objectAfter() ||
               (!adjacent && nextWord(t, i) != kNone && // "Life only demands from you"
                wordWith(t[nextWord(t, i)], How::Exact, Label::Preposition)) ||
               (nextWord(t, i) != kNone && !t[s].key.ends_with(U"ING"sv) && // (not "saving results in")
                verbWithItsPreposition(w.key, t[nextWord(t, i)].key)))))
            return;
        // "they book club", "it lists are", "no separators or line numbers": a noun phrase after all; but the -s of
        // he, she or it before a noun is the verb's ("It maps names to numbers" => มันจับคู่ชื่อ...)
        if (const std::size_t n = nextWord(t, i), nn = n == kNone ? kNone : nextWord(t, n);
            n != kNone && !bareObject &&
            (wordWith(t[n], How::Exact, Label::Be) ||
             (isNoun(t[n]) &&
              !(((s3 && subjectPronoun(t, s) && among(kThirdPerson, t[s].key)) || (relative && (afterPlural || s3))) &&
                adjacent &&
                (nn == kNone ||
                 !(isNoun(t[nn]) || isWord(t[nn]) && (t[nn].label == Label::Be || among(kModals, t[nn].key))))))))
            return;
        if (!verbSense(w, c, verb))
            return;
        setReading(w, How::Exact, Label::TransitiveVerb, verb);
        // "results in" says what follows from it, ส่งผลให้เกิด; "acts as", "serves as" a part it plays, ทำหน้าที่เป็น
        if (const std::size_t n = nextWord(t, i), after = n == kNone ? kNone : nextWord(t, n); n != kNone) {
            if (w.key == U"RESULTS"sv && t[n].key == U"IN"sv) {
                w.setMeaning(U"ส่งผลให้เกิด"sv);
                t[n].kind = Kind::Dropped;
            } else if ((w.key == U"ACTS"sv || w.key == U"SERVES"sv) && t[n].key == U"AS"sv &&
                       !(after != kNone && (t[after].key == U"THOUGH"sv || t[after].key == U"IF"sv))) {
                w.setMeaning(U"ทำหน้าที่"sv);
            }
        }
    });
}

// Units of time, and the words that may come between "for" and one: "for two hours", "for a few days" ("for a
// second" may be a second helping).
constexpr std::array kTimeUnits{U"SECONDS"sv, U"MINUTE"sv,  U"MINUTES"sv,   U"HOUR"sv,  U"HOURS"sv,  U"DAY"sv,
                                U"DAYS"sv,    U"WEEK"sv,    U"WEEKS"sv,     U"MONTH"sv, U"MONTHS"sv, U"YEAR"sv,
                                U"YEARS"sv,   U"DECADES"sv, U"CENTURIES"sv, U"AGES"sv,  U"NIGHTS"sv};
constexpr std::array kCounts{U"A"sv,       U"AN"sv,       U"ONE"sv,       U"TWO"sv,     U"THREE"sv, U"FOUR"sv,
                             U"FIVE"sv,    U"SIX"sv,      U"SEVEN"sv,     U"EIGHT"sv,   U"NINE"sv,  U"TEN"sv,
                             U"TWELVE"sv,  U"TWENTY"sv,   U"FEW"sv,       U"SEVERAL"sv, U"MANY"sv,  U"SOME"sv,
                             U"HUNDRED"sv, U"HUNDREDS"sv, U"THOUSANDS"sv, U"MORE"sv,    U"LONG"sv,  U"FULL"sv,
                             U"WHOLE"sv,   U"OF"sv};

// "for" before a length of time is เป็นเวลา, not สำหรับ: "I waited for two hours" => ฉันรอเป็นเวลาสองชั่วโมง. "take"
// before one is ใช้เวลา, not หยิบ: "The build takes several minutes" => สร้างใช้เวลาหลายนาที.

/// How many counts ("two", "a few", "3") come between token i and the unit of time after them, or kNone when no unit
/// of time follows.
std::size_t countsBeforeTimeUnit(std::span<GrammarToken> t, std::size_t i) {
    std::size_t n = nextWord(t, i);
    for (std::size_t words = 0; n != kNone && words < kMostWordsBetween; n = nextWord(t, n), ++words) {
        if (isWord(t[n]) && among(kTimeUnits, t[n].key))
            return words;
        if (!isNumber(t[n]) && !among(kCounts, t[n].key))
            return kNone;
    }
    return kNone;
}

/// True when a unit of time follows take within its next few words ("take a long time"): the phrase rules read it.
bool takesTime(std::span<GrammarToken> t, std::size_t i) {
    for (std::size_t j = nextWord(t, i), words = 0; j != kNone && words < kMostWordsBetween;
         j = nextWord(t, j), ++words)
        if (t[j].key == U"TIME"sv || among(kTimeUnits, t[j].key))
            return true;
    return false;
}

void duration(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        // "for" after a comma, before a subject and its verb, gives the reason: เพราะ ("I drive quietly, for it goes
        // without saying" => ..., เพราะมันไป..., not สำหรับมัน)
        if (bool comma = false; isWord(t[i]) && t[i].key == U"FOR"sv && t[i].how == How::Exact) {
            const std::size_t p = previousWord(t, i, &comma), s = nextWord(t, i),
                              v = s == kNone ? kNone : nextWord(t, s);
            if (p != kNone && comma && v != kNone && isWord(t[s]) &&
                (among(kSubjects, t[s].key) || t[s].key == U"IT"sv || t[s].key == U"YOU"sv) &&
                wordWith(t[s], How::Exact, Label::Pronoun) &&
                (isVerbWord(t[v]) || t[v].label == Label::Be || among(kModals, t[v].key) ||
                 std::any_of(t.begin() + static_cast<std::ptrdiff_t>(s) + 1, t.begin() + static_cast<std::ptrdiff_t>(v),
                             [](const GrammarToken &w) { return w.kind == Kind::Dropped && w.label == Label::Be; })) &&
                !leftToPhraseRule(t, i, c)) { // (a be a rule left unwritten counts: "for he was late")
                setReading(t[i], How::Exact, Label::Conjunction, U"เพราะ"sv);
                return;
            }
        }
        if (isWord(t[i]) && among(kTakeForms, t[i].key)) {
            if (countsBeforeTimeUnit(t, i) != kNone) {
                setReading(t[i], How::Exact, Label::TransitiveVerb, U"ใช้เวลา"sv);
            } else if (const std::size_t at = t[i].meaning.find(U"หยิบ"sv);
                       at != std::u32string_view::npos && !takesTime(t, i) && !leftToPhraseRule(t, i, c) &&
                       !readByBuiltInRule(t, i)) {
                // elsewhere take is เอา, what Thai says of taking in general ("take the devil to court", "take
                // your thoughts seriously"), not หยิบ, picking up; the phrase rules that read หยิบ keep it
                std::u32string taken(t[i].meaning);
                t[i].setMeaning(taken.replace(at, 4, U"เอา"sv));
            }
            return;
        }
        // "For more examples," points at them, ดู: the phrase rules read สำหรับตัวอย่าง as "for
        // example" (ยกตัวอย่างเช่นเพิ่มเติม)
        if (const std::size_t m = nextWord(t, i), e = m == kNone ? kNone : nextWord(t, m);
            e != kNone && wordWith(t[i], How::Exact, Label::Preposition) && t[i].key == U"FOR"sv && isWord(t[m]) &&
            t[m].key == U"MORE"sv && isWord(t[e]) && (t[e].key == U"EXAMPLES"sv || t[e].key == U"EXAMPLE"sv)) {
            setReading(t[i], How::Exact, Label::Preposition, // ("See the manual for more examples" => ...เพื่อดู...)
                       previousWord(t, i) == kNone ? U"ดู"sv : U"เพื่อดู"sv);
            return;
        }
        // a count before the unit; "for hours" alone says many, หลาย, but not in "for hours of work"
        if (const std::size_t counts = countsBeforeTimeUnit(t, i);
            wordWith(t[i], How::Exact, Label::Preposition) && t[i].key == U"FOR"sv && counts != kNone) {
            const std::size_t unit = nextWord(t, i), after = unit == kNone ? kNone : nextWord(t, unit);
            if (counts > 0)
                setReading(t[i], How::Exact, Label::Preposition, U"เป็นเวลา"sv);
            else if (t[unit].key.back() == U'S' && (after == kNone || t[after].key != U"OF"sv)) {
                setReading(t[i], How::Exact, Label::Preposition, U"เป็นเวลาหลาย"sv);
                // (written in place, not held as a noun: "For years a secret shame" => เป็นเวลาหลายปี...)
                setReading(t[unit], How::Exact, Label::Other, std::u32string(ownThai(t[unit])));
            }
        }
    });
}

// more or less before an adjective (or an -ly adverb) compares it: กว่า or น้อยกว่า after it ("The result is more
// satisfying" => ผลลัพธ์น่าพอใจกว่า, not น่าพอใจเพิ่มเติม). Not "the more", nor where a phrase rule reads the more.
// "most" before a noun (or "other" and a noun) without "the" counts it: ส่วนใหญ่ ("Most people like cats" =>
// ผู้คนส่วนใหญ่ชอบแมว, not ผู้คนมากที่สุด, which is "the most people").
void comparative(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        // "enough" after an adjective or an adverb is พอ after it: "large enough to hold" => ใหญ่พอที่จะถือ
        if (isWord(t[i]) && t[i].key == U"ENOUGH"sv) {
            if (const std::size_t p = previousWord(t, i);
                p != kNone && isWord(t[p]) && !t[p].quiet && !leftToPhraseRule(t, i, c) &&
                (t[p].label == Label::Adjective || (isAdverbWord(t[p]) && t[p].key.ends_with(U"LY"sv))) &&
                !t[p].meaning.ends_with(U"พอ"sv)) {
                const std::u32string_view m = withoutRelativeMark(t[p].meaning); // "good enough" => ดีพอ
                t[p].setMeaning(std::u32string(m).append(U"พอ"sv));
                t[p].tail += t[i].tail; // ("Is it big enough?" keeps its ไหม)
                t[i].kind = Kind::Dropped;
                if (const std::size_t to = nextWord(t, i); to != kNone &&
                                                           wordWith(t[to], How::Exact, Label::Preposition) &&
                                                           t[to].key == U"TO"sv && t[to].meaning == U"เพื่อ"sv)
                    t[to].setMeaning(U"ที่จะ"sv); // "high enough to see" => สูงพอที่จะเห็น
            }
            return;
        }
        // "lots of" and "plenty of" before a noun are มากมาย after it: "lots of things" => สิ่งมากมาย
        if (isWord(t[i]) && (t[i].key == U"LOTS"sv || t[i].key == U"PLENTY"sv)) {
            const std::size_t of = nextWord(t, i), n = of == kNone ? kNone : nextWord(t, of);
            if (n != kNone && t[of].key == U"OF"sv && (isNoun(t[n]) || wordWith(t[n], How::Exact, Label::Adjective))) {
                setReading(t[i], How::Exact, Label::Adjective, U"มากมาย"sv);
                t[of].kind = Kind::Dropped;
            }
            return;
        }
        if (isWord(t[i]) && among(kDegreeBeforeAdjective, t[i].key)) {
            degreeBeforeAdjective(t, i, c);
            return;
        }
        if (wordWith(t[i], How::Exact, Label::Adjective) && t[i].key == U"MOST"sv) {
            const std::size_t p = previousWord(t, i);
            std::size_t n = nextWord(t, i);
            if (n != kNone && t[n].key == U"OTHER"sv)
                n = nextWord(t, n);
            if (n != kNone && isNoun(t[n]) && (p == kNone || !(isArticle(t[p]) || t[p].key == U"AT"sv)))
                t[i].setMeaning(U"ส่วนใหญ่"sv);
            return;
        }
        if (!isWord(t[i]) || t[i].how != How::Exact || (t[i].key != U"MORE"sv && t[i].key != U"LESS"sv))
            return;
        const std::size_t n = nextWord(t, i), p = previousWord(t, i);
        if (n == kNone || !isWord(t[n]) || t[n].how != How::Exact || t[n].quiet ||
            !(t[n].label == Label::Adjective || (t[n].label == Label::Adverb && t[n].key.ends_with(U"LY"sv))) ||
            (n + 1 < t.size() && t[n + 1].kind == Kind::Separator && t[n + 1].text == U"-"sv))
            return; // (not the first part of "merry-go-rounds")
        // before a noun only after an article ("a more useful tool"): "more toxic waste" is more of it, and "the
        // more careful" opens "the more ..., the ..."
        const std::size_t after = nextWord(t, n);
        const bool article = p != kNone && isArticle(t[p]);
        const bool describesNoun = after != kNone && isNoun(t[after]) && t[n].label == Label::Adjective;
        if (describesNoun && !article && !leftToPhraseRule(t, i, c)) {
            // "more important things in life than money": "than" compares, มากกว่า ("more" unwritten); so does
            // "more dead people than living" => ผู้คนตายมากกว่า...
            for (std::size_t k = nextWord(t, after), words = 0;
                 t[i].key == U"MORE"sv && k != kNone && words < kMostClauseWords; k = nextWord(t, k), ++words)
                if (isWord(t[k]) && t[k].key == U"THAN"sv && t[k].meaning.starts_with(U"กว่า"sv)) {
                    t[i].kind = Kind::Dropped;
                    setReading(t[k], How::Exact, Label::Conjunction, U"มากกว่า"sv);
                    break;
                }
            return;
        }
        if ((describesNoun ? !article : p != kNone && t[p].key == U"THE"sv) || // (an adverb describes no noun:
            leftToPhraseRule(t, i, c))                                         // "More precisely bash uses")
            return;
        // "more and more frequently" => บ่อยๆมากขึ้นเรื่อยๆ
        if (const std::size_t pp = p == kNone ? kNone : previousWord(t, p);
            pp != kNone && t[p].key == U"AND"sv && t[pp].key == t[i].key && t[i].key == U"MORE"sv && isWord(t[pp])) {
            t[n].setMeaning(std::u32string(t[n].meaning).append(U"มากขึ้นเรื่อยๆ"sv));
            t[pp].kind = t[p].kind = t[i].kind = Kind::Dropped;
            return;
        }
        const std::u32string_view thai = t[i].key == U"MORE"sv ? U"กว่า"sv : U"น้อยกว่า"sv;
        if (t[n].meaning.ends_with(thai))
            return;
        t[n].setMeaning(std::u32string(t[n].meaning).append(thai));
        t[i].kind = Kind::Dropped;
    });
}

// "than" after a comparative: its กว่า is the comparative's already ("smarter than men" => ฉลาดกว่าผู้ชาย, not
// ฉลาดกว่ากว่าผู้ชาย).
void than(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        if (!isWord(t[i]) || t[i].key != U"THAN"sv || !t[i].meaning.starts_with(U"กว่า"sv))
            return;
        // "rather than" before a verb is instead of doing it: แทนที่จะ ("rather than accept a solution" =>
        // แทนที่จะยอมรับการแก้ปัญหา, "Rather than change the meaning" => แทนที่จะเปลี่ยน..., not มากกว่า)
        if (const std::size_t r = previousWord(t, i), v = nextWord(t, i);
            r != kNone && v != kNone && isWord(t[r]) && t[r].key == U"RATHER"sv && isWord(t[v]) &&
            (t[v].key == U"NOT"sv ||
             (t[v].how == How::Exact && isVerb(t[v].label) && !t[v].key.ends_with(U"S"sv) &&
              !t[v].key.ends_with(U"ED"sv) && !t[v].key.ends_with(U"ING"sv) && !isParticiple(t[v])))) {
            setReading(t[r], How::Exact, Label::Adverb, U"แทนที่จะ"sv);
            t[i].kind = Kind::Dropped;
            return;
        }
        // (also after the nouns that the comparative describes: "a more useful tool than" => เครื่องมือมีประโยชน์กว่า)
        std::size_t p = previousWord(t, i);
        for (std::size_t words = 0; p != kNone && words < 3 && isNoun(t[p]) && !ownThai(t[p]).ends_with(U"กว่า"sv);
             ++words)
            p = previousWord(t, p);
        if (p != kNone && isWord(t[p]) && !t[p].quiet && ownThai(t[p]).ends_with(U"กว่า"sv)) {
            setReading(t[i], How::Exact, Label::Conjunction, U""sv); // still writes what is held before it
            return;
        }
        // further back, across a phrase, the comparison is the "than"'s: "more complex for their size than" =>
        // ซับซ้อนสำหรับขนาดของพวกเขากว่า..., not ซับซ้อนกว่า...กว่า
        for (std::size_t k = p, words = 0; k != kNone && words < kMostClauseWords; k = previousWord(t, k), ++words)
            if (isWord(t[k]) && t[k].how == How::Exact && !t[k].quiet &&
                (t[k].label == Label::Adjective || t[k].label == Label::Adverb) && t[k].meaning.ends_with(U"กว่า"sv) &&
                t[k].meaning.size() > 4 && t[k].meaning != U"มากกว่า"sv && t[k].meaning != U"น้อยกว่า"sv) {
                t[k].setMeaning(std::u32string(t[k].meaning.substr(0, t[k].meaning.size() - 4)));
                // "It is better to give than to lend" => มันดีที่จะให้กว่าที่จะให้ยืม
                for (const std::size_t to : {nextWord(t, k), nextWord(t, i)})
                    if (to != kNone && wordWith(t[to], How::Exact, Label::Preposition) && t[to].key == U"TO"sv &&
                        t[to].meaning == U"เพื่อ"sv && nextWord(t, to) != kNone && isWord(t[nextWord(t, to)]))
                        t[to].setMeaning(U"ที่จะ"sv);
                return;
            }
    });
}

// A noun phrase that a verb (or be) has just taken, then a subject and its verb: a relative clause without its
// pronoun, which Thai writes with ที่ ("He is the man I saw" => เขาเป็นผู้ชายที่ฉันเห็น).
void reducedRelative(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        const std::size_t n = nextWord(t, i), p = previousWord(t, i);
        // ("it" only before a verb reached through -s or -ed: "each file it finds" => แต่ละแฟ้มที่มันพบ)
        const auto withS = [&](const GrammarToken &w) { // (or one the dictionary has with its -s: "it creates")
            return isVerbWord(w) &&
                   ((w.how == How::Write && w.family == SuffixFamily::S) ||
                    (w.how == How::Exact && w.key.size() > 3 && w.key.back() == U'S' && !w.key.ends_with(U"SS"sv)));
        };
        const bool it = t[i].key == U"IT"sv && !t[i].capital && n != kNone && isVerbWord(t[n]) &&
                        (withS(t[n]) || (t[n].how == How::Write && t[n].family == SuffixFamily::ED));
        if (!wordWith(t[i], How::Exact, Label::Pronoun) || (!among(kSubjects, t[i].key) && t[i].key != U"YOU"sv && !it))
            return;
        if (n == kNone || p == kNone ||
            !(isVerbWord(t[n]) || (wordWith(t[n], How::Exact, Label::Adverb) && among(kModals, t[n].key))))
            return;
        // after nothing, something, everything, anything or "all" the clause says which: "There was nothing he could
        // do" => ไม่มีอะไรที่เขาสามารถทำ, "All you need is love" => ทั้งหมดที่คุณต้องการ...
        if (isWord(t[p]) && (among(kIndefinites, t[p].key) || t[p].key == U"ALL"sv)) {
            t[i].setMeaning(U"ที่" + std::u32string(t[i].meaning));
            return;
        }
        if (!isNoun(t[p]))
            return;
        std::size_t v = previousWord(t, p), start = p; // back over the noun phrase to what took it
        for (std::size_t words = 0;
             v != kNone && words < kMostWordsBetween &&
             (t[v].kind == Kind::Piece || wordWith(t[v], How::Exact, Label::Adjective) || isNoun(t[v]) ||
              wordWith(t[v], How::Exact, Label::Pronoun) || (isWord(t[v]) && among(kDeterminers, t[v].key)));
             ++words)
            start = v, v = previousWord(t, v);
        // A noun phrase opening the sentence with its article, and be (or a verb with -s) after the clause: "The man
        // I saw was tall", "The table it creates includes both" => ตารางที่มันสร้างรวม...
        if (v == kNone && isArticle(t[start]) && firstOfSentence(start, c)) {
            // (the be-adjective rule may have left that be unwritten already)
            for (std::size_t k = n + 1; k < t.size() && k < n + 4 * kMostObjectWords; ++k) {
                if (t[k].kind == Kind::Separator && !isBlank(t[k]))
                    return;
                if (((t[k].kind == Kind::Word || t[k].kind == Kind::Dropped) && t[k].label == Label::Be &&
                     t[k].how == How::Exact) ||
                    (t[k].kind == Kind::Word && withS(t[k]))) {
                    t[i].setMeaning(U"ที่" + std::u32string(t[i].meaning));
                    return;
                }
            }
            return;
        }
        // (a be that a rule gave its Thai is still be: "are those we cause" => คือเหล่านั้นที่เรา...)
        const bool be = v != kNone && (wordWith(t[v], How::Exact, Label::Be) ||
                                       (isWord(t[v]) && t[v].label == Label::Other && among(kBeForms, t[v].key)));
        // (or a preposition after a verb or a noun, where the clause's verb ends it without an object: "known by
        // the company he organizes." => ถูกรู้โดยบริษัทที่เขาจัด, not "In the morning he left")
        const std::size_t before = v == kNone ? kNone : previousWord(t, v);
        // (a passive only after "the" and its noun, and then it needs no end of the clause: "in the order they are
        // stored in the file" => ในลำดับที่พวกเขาถูกเก็บในแฟ้ม)
        const bool passive = isVerbWord(t[n]) && t[n].meaning.starts_with(U"ถูก"sv);
        const bool preposition = v != kNone && wordWith(t[v], How::Exact, Label::Preposition) && before != kNone &&
                                 (isVerbWord(t[before]) || isNoun(t[before])) && isVerbWord(t[n]) &&
                                 (passive ? t[start].key == U"THE"sv
                                          : (nextWord(t, n) == kNone && endsClause(t, n)) ||
                                                (nextWord(t, n) != kNone && // (or a preposition of its own)
                                                 wordWith(t[nextWord(t, n)], How::Exact, Label::Preposition))) &&
                                 !verbFormOf<kSayingVerbs>(t[n].key); // ("on the screen he says,")
        if (preposition) {
            t[i].setMeaning(U"ที่" + std::u32string(t[i].meaning));
            return;
        }
        if (v == kNone || !(isVerbWord(t[v]) || be) || verbFormOf<kAskingVerbs>(t[v].key) ||
            verbFormOf<kGivingVerbs>(t[v].key))
            return; // "tell the man you are busy": the clause is what is told
        t[i].setMeaning(U"ที่" + std::u32string(t[i].meaning));
    });
}

// "no" before a noun where a clause or a phrase starts: ไม่มี ("If no file is given" => ถ้าไม่มีแฟ้มถูกให้, "No
// errors were found" => ไม่มีข้อผิดพลาดถูกพบ). After a verb the phrase rules read มีไม่ already.
void noBeforeNoun(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        if (!wordWith(t[i], How::Exact, Label::Adverb) || t[i].key != U"NO"sv || t[i].meaning != U"ไม่"sv)
            return;
        const std::size_t p = previousWord(t, i);
        // after a verb (not have, be or do) before what it takes, the verb is negated: "gathers no moss" =>
        // ไม่รวบรวมตะไคร่น้ำ, "shows no mercy" => ไม่แสดงความเมตตา
        if (std::size_t n = nextWord(t, i); p != kNone && n != kNone && isVerbWord(t[p]) &&
                                            (t[p].how == How::Exact || t[p].family == SuffixFamily::S) &&
                                            !among(kHaveForms, t[p].key) && !among(kDoForms, t[p].key) &&
                                            !t[p].key.starts_with(U"HAS"sv) && !t[p].key.starts_with(U"HAV"sv) &&
                                            !t[p].key.starts_with(U"SEEM"sv) && // ("there seemed no chance")
                                            !(previousWord(t, p) != kNone && t[previousWord(t, p)].key == U"THERE"sv)) {
            while (n != kNone && wordWith(t[n], How::Exact, Label::Adjective))
                n = nextWord(t, n);
            if (n != kNone && isNoun(t[n]) && !ownThai(t[p]).starts_with(U"ไม่"sv) && !leftToPhraseRule(t, i, c)) {
                setReading(t[p], How::Exact, t[p].label, U"ไม่" + std::u32string(ownThai(t[p])));
                t[i].kind = Kind::Dropped;
            }
            return;
        }
        if (p != kNone && !opensClause(t[p]) && !wordWith(t[p], How::Exact, Label::Preposition))
            return;
        // "there is therefore no way": มี is written already
        for (std::size_t k = p, words = 0; k != kNone && words < kMostWordsBetween; k = previousWord(t, k), ++words)
            if (wordWith(t[k], How::Exact, Label::Be) || among(kHaveForms, t[k].key) || t[k].key == U"THERE"sv)
                return;
        std::size_t n = nextWord(t, i);
        while (n != kNone && wordWith(t[n], How::Exact, Label::Adjective))
            n = nextWord(t, n);
        if (n != kNone && isNoun(t[n]) && t[n].key != U"MATTER"sv) // ("No matter how" is the phrase rules' ไม่ว่า)
            t[i].setMeaning(U"ไม่มี"sv);
    });
}

// After an article and its adjectives comes a noun: a word the dictionary reads first as a verb is read in its
// noun sense when it has one ("a very dull play" => ละครน่าเบื่อมาก, not น่าเบื่อมากเล่น), and so before "of".
/// Two words that make one adverb, and its Thai (as the phrase rules write it where nothing follows, but "in
/// advance", which they read as "in progress", and "on the other hand", which they read as "in other words").
struct SetPhrase {
    std::u32string_view first, second, thai;
    std::u32string_view middle = {}, middle2 = {}; ///< words between them, nearest the second first
};
constexpr std::array kSetPhrases{SetPhrase{U"OF"sv, U"COURSE"sv, U"แน่นอน"sv},
                                 SetPhrase{U"IN"sv, U"GENERAL"sv, U"โดยทั่วไป"sv},
                                 SetPhrase{U"IN"sv, U"PARTICULAR"sv, U"โดยเฉพาะ"sv},
                                 SetPhrase{U"AT"sv, U"FIRST"sv, U"ในตอนแรก"sv},
                                 SetPhrase{U"AT"sv, U"LAST"sv, U"ในที่สุด"sv},
                                 SetPhrase{U"IN"sv, U"SHORT"sv, U"กล่าวโดยย่อ"sv},
                                 SetPhrase{U"IN"sv, U"ADDITION"sv, U"นอกจากนี้"sv},
                                 SetPhrase{U"FOR"sv, U"EXAMPLE"sv, U"ยกตัวอย่างเช่น"sv},
                                 SetPhrase{U"FOR"sv, U"INSTANCE"sv, U"ตัวอย่างเช่น"sv},
                                 SetPhrase{U"FOR"sv, U"INSTANCE"sv, U"ยกตัวอย่างเช่น"sv},
                                 SetPhrase{U"IN"sv, U"FACT"sv, U"อันที่จริง"sv},
                                 SetPhrase{U"IN"sv, U"PRACTICE"sv, U"ในทางปฏิบัติ"sv},
                                 SetPhrase{U"IN"sv, U"THEORY"sv, U"ในทฤษฎี"sv},
                                 SetPhrase{U"BY"sv, U"DEFAULT"sv, U"โดยค่าเริ่มต้น"sv},
                                 SetPhrase{U"AT"sv, U"ONCE"sv, U"ในทันที"sv},
                                 SetPhrase{U"AFTER"sv, U"ALL"sv, U"ในที่สุด"sv},
                                 SetPhrase{U"ABOVE"sv, U"ALL"sv, U"สำคัญที่สุด"sv},
                                 SetPhrase{U"AS"sv, U"USUAL"sv, U"ตามปกติ"sv},
                                 SetPhrase{U"AT"sv, U"LEAST"sv, U"อย่างน้อย"sv}, // (these two before their number too)
                                 SetPhrase{U"AT"sv, U"MOST"sv, U"อย่างมาก"sv},
                                 SetPhrase{U"IN"sv, U"ADVANCE"sv, U"ล่วงหน้า"sv},
                                 SetPhrase{U"AS"sv, U"RESULT"sv, U"ผลก็คือ"sv, U"A"sv},
                                 SetPhrase{U"ON"sv, U"HAND"sv, U"ในทางกลับกัน"sv, U"OTHER"sv, U"THE"sv}};

/// True for the second word of a set phrase ("COURSE" of "of course").
bool endsSetPhrase(std::u32string_view key) {
    static constexpr WordFilter<> filter = [] {
        WordFilter<> f;
        for (const SetPhrase &e : kSetPhrases)
            f.add(e.second);
        return f;
    }();
    return filter.mayHold(key) && std::any_of(kSetPhrases.begin(), kSetPhrases.end(),
                                              [&](const SetPhrase &e) { return sameKey(e.second, key); });
}

void yearsOld(std::span<GrammarToken> t, std::size_t number);

// Words before a noun that a verb-first word after them may be ("any change", "this call").
// ("that" opens a clause as often: "checks that find operates")
constexpr std::array kNounOpeners{U"ANY"sv, U"EVERY"sv, U"EACH"sv, U"NO"sv, U"THIS"sv, U"SOME"sv};

/// "The more ..., the more ..." (and "the harder ..., the luckier ...") says that one grows with the other: ยิ่ง...,
/// ยิ่ง... with the degree at the end of its clause when that is near ("The longer the title, the less important the
/// job" => ยิ่งชื่อเรื่องยาว, ยิ่งงานสำคัญน้อย). True when the article `the` opens such a sentence's first half and both
/// halves are rewritten.
bool theMoreTheMore(std::span<GrammarToken> t, std::size_t the) {
    // the degree after an article: its Thai without กว่า in `base` ("" for more), and an adjective after more or less
    // that is part of it in `part`
    auto degree = [&](std::size_t a, std::u32string &base, std::size_t &part) {
        const std::size_t m = nextWord(t, a);
        part = kNone;
        if (m == kNone || !isWord(t[m]) || t[m].quiet)
            return kNone;
        if (t[m].how == How::Exact && (t[m].key == U"MORE"sv || t[m].key == U"LESS"sv || t[m].key == U"FEWER"sv)) {
            const std::u32string_view less = t[m].key == U"MORE"sv ? U""sv : U"น้อย"sv;
            if (const std::size_t n = nextWord(t, m);
                n != kNone && isWord(t[n]) && !t[n].quiet &&
                ((t[n].label == Label::Adjective && (t[n].how == How::Exact || t[n].how == How::Hold)) ||
                 (isAdverbWord(t[n]) && t[n].key.ends_with(U"LY"sv)))) {
                part = n;
                base = std::u32string(withoutRelativeMark(ownThai(t[n]))) + std::u32string(less);
            } else {
                base = less;
            }
            return m;
        }
        const std::u32string_view thai = ownThai(t[m]);
        if (!(t[m].label == Label::Adjective || t[m].label == Label::Adverb) || !thai.ends_with(U"กว่า"sv) ||
            thai.size() <= 4)
            return kNone;
        base = thai.substr(0, thai.size() - 4);
        return m;
    };
    std::u32string firstBase, secondBase;
    std::size_t firstPart = kNone, secondPart = kNone;
    const std::size_t first = degree(the, firstBase, firstPart);
    if (first == kNone)
        return false;
    // a half opens a sentence, or follows a mark, "that", "like", "for" or "and"
    if (const std::size_t before = previousMark(t, the);
        !(before == kNone || markAt(t, before, U",;:") ||
          (isWord(t[before]) && (t[before].key == U"THAT"sv || t[before].key == U"LIKE"sv ||
                                 t[before].key == U"FOR"sv || t[before].key == U"AND"sv))))
        return false;
    // the second half: after the comma that ends the first, "the" and its degree
    std::size_t comma = first;
    while (comma < t.size() && !markAt(t, comma, U",;.?!)"))
        ++comma;
    const std::size_t second = comma < t.size() && markAt(t, comma, U",") ? nextMark(t, comma) : t.size();
    if (second >= t.size() || !isArticle(t[second]) || t[second].key != U"THE"sv)
        return false;
    const std::size_t secondDegree = degree(second, secondBase, secondPart);
    if (secondDegree == kNone)
        return false;
    // each degree is ยิ่ง; what it says goes to the end of its clause when that is near, else after ยิ่ง
    auto rewrite = [&](std::size_t m, std::size_t part, const std::u32string &base) {
        std::size_t last = kNone, words = 0;
        for (std::size_t k = part == kNone ? m : part;
             k < t.size() && !markAt(t, k, U",;:.?!)\"\u201D") &&
             !(t[k].kind == Kind::Piece && trimSpaces(t[k].text).starts_with(U"-"sv)); // (a dash: "--")
             ++k)
            if (t[k].kind == Kind::Word && k != m && k != part) {
                last = k;
                ++words;
            }
        setReading(t[m], How::Exact, Label::Conjunction, U"ยิ่ง"sv);
        if (part != kNone)
            t[part].kind = Kind::Dropped;
        if (const std::size_t that = nextWord(t, part == kNone ? m : part); // "The more that you try"
            that != kNone && isWord(t[that]) && t[that].key == U"THAT"sv)
            t[that].kind = Kind::Dropped;
        if (base.empty()) { // ("The more, the merrier" => ยิ่งมาก, ยิ่งสนุกสนาน)
            if (last == kNone)
                t[m].setMeaning(U"ยิ่งมาก"sv);
            return;
        }
        if (last != kNone && words <= 4)
            t[last].tail += base;
        else
            t[m].setMeaning(U"ยิ่ง" + base);
    };
    rewrite(first, firstPart, firstBase);
    rewrite(secondDegree, secondPart, secondBase);
    return true;
}

// Plurals of people without an -s.
constexpr std::array kPluralsWithoutS{U"MEN"sv, U"WOMEN"sv, U"CHILDREN"sv, U"PEOPLE"sv, U"MICE"sv, U"GEESE"sv};

/// A verb in a noun phrase (token first opens it after its article or determiner, over adjectives and at most one
/// noun without -s) before a noun names a kind of that noun, which Thai writes first: "the print command" =>
/// คำสั่งพิมพ์, "the emergency broadcast system" => ระบบออกอากาศเหตุฉุกเฉิน, "each return value" (not พิมพ์คำสั่ง).
/// Not a verb with -s or in the past, nor an auxiliary, which may be the clause's own ("this means", "the center had
/// piles", "some have string values"), nor before a word that opens a noun phrase ("an entry like this").
void verbNamingKind(std::span<GrammarToken> t, std::size_t first, const GrammarContext &c) {
    const auto next = [&](std::size_t k) { // the next word with only spaces between (no word a rule dropped)
        for (++k; k < t.size() && t[k].kind != Kind::Dropped && isBlank(t[k]); ++k) {
        }
        return k < t.size() && isWord(t[k]) ? k : kNone;
    };
    const auto withS = [](std::u32string_view key) { // ("status", "basis" have theirs)
        return key.ends_with(U"S"sv) && !key.ends_with(U"SS"sv) && !key.ends_with(U"US"sv) && !key.ends_with(U"IS"sv);
    };
    std::size_t v = first, nouns = 0;
    for (std::size_t words = 0; v != kNone && words < kMostWordsBetween; ++words) {
        if (isNoun(t[v]) && t[v].how == How::Exact && !withS(t[v].key) && !among(kPluralsWithoutS, t[v].key) &&
            ++nouns == 1)
            v = next(v);
        else if (wordWith(t[v], How::Exact, Label::Adjective))
            v = next(v);
        else
            break;
    }
    const std::size_t after = v == kNone ? kNone : next(v);
    if (after == kNone || t[v].how != How::Exact || !isVerb(t[v].label) || !isNoun(t[after]) || t[v].capital ||
        isParticiple(t[v]) || t[v].key.ends_with(U"ING"sv) || withS(t[v].key) || t[v].key.ends_with(U"ED"sv) ||
        among(kPastOnly, t[v].key) || among(kAuxiliaries, t[v].key) || t[v].key == U"LIKE"sv ||
        among(kDeterminers, t[after].key) || among(kDemonstratives, t[after].key) || leftToPhraseRule(t, v, c))
        return;
    // a noun with -s after it only after "the" or a plural's opener, and before the clause's verb or its end ("the
    // join fields.", "the filter options concatenate"; not "a change fixes a bug", "the trigger acts to")
    if (withS(t[after].key)) {
        std::size_t beyond = after + 1; // (a be a rule left unwritten counts)
        while (beyond < t.size() && t[beyond].kind != Kind::Dropped && isBlank(t[beyond]))
            ++beyond;
        const std::size_t o = previousWord(t, first);
        if ((o != kNone && (t[o].key == U"A"sv || t[o].key == U"AN"sv || t[o].key == U"EACH"sv ||
                            t[o].key == U"EVERY"sv || t[o].key == U"THIS"sv)) ||
            !(beyond == t.size() || t[beyond].kind == Kind::Separator
                  ? endsClause(t, after)
                  : t[beyond].label == Label::Be || among(kModals, t[beyond].key) ||
                        (isVerbWord(t[beyond]) && !withS(t[beyond].key))))
            return;
    }
    setReading(t[v], How::Exact, Label::Noun, std::u32string(t[v].meaning));
}

void nounAfterArticle(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string noun;
    eachAnchor(t, c, [&](std::size_t i) {
        // a Law with its capital names a rule of how things go, กฎ, not a statute: "Murphy's Law" => กฎของMurphy,
        // "The Third Law of Photography" => กฎที่สามของการถ่ายภาพ (not opening a sentence: "Law is order")
        // (after a capital word only when it counts: "Finagle's Eighth Law"; "Anti-Circumvention Law" is a statute)
        if (isWord(t[i]) && (t[i].key == U"LAW"sv || t[i].key == U"LAWS"sv)) {
            const std::size_t p = previousWord(t, i);
            const bool owner = p != kNone && p + 1 < i && t[p + 1].kind == Kind::Separator && t[p + 1].text.empty();
            const bool afterName = p != kNone && isWord(t[p]) && t[p].capital && t[p].key != U"S"sv && !owner &&
                                   !(t[p].key.ends_with(U"TH"sv) || t[p].key == U"FIRST"sv || t[p].key == U"SECOND"sv ||
                                     t[p].key == U"THIRD"sv); // ("Agnes' Law": an owner)
            if ((t[i].how == How::Exact || (t[i].how == How::Write && t[i].family == SuffixFamily::S)) &&
                t[i].capital && !t[i].capitals && !firstOfSentence(i, c) && !afterName)
                t[i].setMeaning(U"กฎ"sv);
            return;
        }
        // "each other" is one word, กันและกัน, written where it stands: the grammar mode writes แต่ละ (in front, as
        // before a noun) and holds อื่นๆ behind what follows ("tell each other all" => บอกแต่ละทั้งหมดอื่นๆ)
        if (const std::size_t o = isWord(t[i]) ? nextWord(t, i) : kNone; // (the next word only where it matters)
            isWord(t[i]) && t[i].key == U"EACH"sv && o != kNone && isWord(t[o]) && t[o].key == U"OTHER"sv) {
            setReading(t[i], How::Exact, Label::Other, U"กันและกัน"sv);
            t[o].kind = Kind::Dropped;
            return;
        }
        // "point of view" is one noun, มุมมอง, which its owner and adjectives follow: "from their point of view" =>
        // จากมุมมองของพวกเขา, not จากจุดของพวกเขาของดู
        if (isWord(t[i]) && t[i].key == U"VIEW"sv) {
            const std::size_t o = previousWord(t, i), p = o == kNone ? kNone : previousWord(t, o);
            if (p != kNone && isWord(t[o]) && t[o].key == U"OF"sv && wordWith(t[p], How::Exact, Label::Noun) &&
                t[p].key == U"POINT"sv) {
                t[p].setMeaning(U"มุมมอง"sv);
                t[o].kind = Kind::Dropped;
                t[i].kind = Kind::Dropped;
            }
            return;
        }
        // "the other day" is a day not long ago: "I had a dream the other day" => ฉันมีความฝันเมื่อวันก่อน, not
        // วันอื่นๆ
        if (isWord(t[i]) && t[i].key == U"DAY"sv && t[i].how == How::Exact) {
            const std::size_t o = previousWord(t, i), a = o == kNone ? kNone : previousWord(t, o);
            // (when it says when, not as a subject: "the other day is bad")
            bool beLeft = false; // (a be a rule has left unwritten already)
            for (std::size_t k = i + 1; k < t.size() && isBlank(t[k]); ++k)
                beLeft = beLeft || (t[k].kind == Kind::Dropped && t[k].label == Label::Be);
            if (a != kNone && isWord(t[o]) && t[o].key == U"OTHER"sv && isArticle(t[a]) && t[a].key == U"THE"sv &&
                !verbFollows(t, i) && !beLeft) {
                setReading(t[i], How::Exact, Label::Adverb, U"เมื่อวันก่อน"sv);
                t[o].kind = Kind::Dropped;
            }
            return;
        }
        // "above" between an article (or this, these) and its noun describes the noun: "the above mode" =>
        // โหมดข้างต้น, not ข้างบนโหมด
        if (isWord(t[i]) && t[i].key == U"ABOVE"sv && t[i].how == How::Exact) {
            const std::size_t p = previousWord(t, i), n = nextWord(t, i);
            if (p != kNone && n != kNone && (isArticle(t[p]) || among(kDemonstratives, t[p].key)) &&
                (isNoun(t[n]) || (isWord(t[n]) && t[n].label == Label::Adjective)))
                setReading(t[i], How::Exact, Label::Adjective, U"ข้างต้น"sv);
            return;
        }
        // After any, every, each, no, this or some a word read first as a verb is the noun it can be where a
        // modal, be, a verb with -s or a clause without its pronoun follows: "Any change you make is" =>
        // การเปลี่ยนแปลงใดๆที่คุณทำ..., "This call can fail" => การเรียกนี้สามารถ...
        const bool these = isWord(t[i]) && (t[i].key == U"THESE"sv || t[i].key == U"THOSE"sv);
        // "any of the" + a noun phrase is any of its things: "before any of the file names" => ก่อนชื่อแฟ้มใดๆ, not
        // ก่อนใดๆของชื่อแฟ้ม (where no phrase rule reads it: "if any of" => ถ้าส่วนใดของ)
        if (const std::size_t o = isWord(t[i]) && t[i].key == U"ANY"sv ? nextWord(t, i) : kNone,
            a = o == kNone ? kNone : nextWord(t, o);
            a != kNone && isWord(t[o]) && t[o].key == U"OF"sv && isArticle(t[a]) && t[a].key == U"THE"sv &&
            t[i].how == How::Exact && !leftToPhraseRule(t, i, c)) {
            if (const std::size_t last = lastNounFrom(t, nextWord(t, a), true);
                last != kNone && !(last + 1 < t.size() && t[last + 1].kind == Kind::Separator &&
                                   (t[last + 1].text == U"-"sv || t[last + 1].text == U"_"sv))) { // ("SOURCE-CHARS")
                t[last].tail += ownThai(t[i]);
                t[i].kind = Kind::Dropped;
                t[o].kind = Kind::Dropped;
            }
            return;
        }
        // "some" before a plural that Thai counts with a word of its kind: the noun, then บาง and that word ("some
        // men" => ผู้ชายบางคน, "some people" => บางคน, "some cats" => แมวบางตัว; not บางผู้ชาย)
        if (const std::size_t n = isWord(t[i]) && t[i].key == U"SOME"sv ? nextWord(t, i) : kNone,
            after = n == kNone ? kNone : nextWord(t, n);
            n != kNone && t[i].how == How::Exact && isNoun(t[n]) && (after == kNone || !isNoun(t[after])) &&
            ((t[n].key.ends_with(U"S"sv) && !t[n].key.ends_with(U"SS"sv)) || among(kPluralsWithoutS, t[n].key)) &&
            !leftToPhraseRule(t, i, c)) {
            if (const std::u32string_view kind = countingWord(ownThai(t[n])); !kind.empty()) {
                if (ownThai(t[n]) == U"ผู้คน"sv) {
                    setReading(t[i], How::Exact, Label::Pronoun, U"บางคน"sv);
                    t[n].kind = Kind::Dropped;
                } else {
                    t[i].kind = Kind::Dropped;
                    t[n].tail += U"บาง"s + std::u32string(kind);
                }
                return;
            }
        }
        if (isWord(t[i]) && (these || among(kNounOpeners, t[i].key))) {
            if (const std::size_t first = t[i].key == U"SOME"sv ? kNone : nextWord(t, i); // "each print command"
                first != kNone)
                verbNamingKind(t, first, c);
            // and after their adjectives anywhere: "no special support" => ไม่มีการสนับสนุนพิเศษ, not พิเศษสนับสนุน
            // (not "no longer works", "can no more cause", "No one regards")
            if (const std::size_t a = nextWord(t, i); a != kNone && wordWith(t[a], How::Exact, Label::Adjective) &&
                                                      t[a].key != U"LONGER"sv && t[a].key != U"MORE"sv &&
                                                      t[a].key != U"ONE"sv) {
                const std::size_t m = stepOver(
                    t, i, true, [](const GrammarToken &w) { return wordWith(w, How::Exact, Label::Adjective); });
                if (m != kNone && isWord(t[m]) && t[m].how == How::Exact && isVerb(t[m].label) && !t[m].capital &&
                    !among(kModals, t[m].key) && !readWithWordBefore(t, m, c) && c.sense &&
                    c.sense(t[m].key, isNounLabel, noun)) // (a rule of what follows alone: "support for")
                    setReading(t[m], How::Exact, Label::Noun, noun);
                // this, these and those follow the noun and its adjectives: "this new book" => หนังสือใหม่นี้, not
                // นี้หนังสือใหม่
                if (const std::size_t last =
                        (these || t[i].key == U"THIS"sv) && t[i].how == How::Exact ? lastNounFrom(t, a, true) : kNone;
                    last != kNone) {
                    t[last].tail += ownThai(t[i]);
                    t[i].kind = Kind::Dropped;
                }
                return;
            }
            if (these)
                return;
            const std::size_t n = nextWord(t, i), after = n == kNone ? kNone : nextWord(t, n);
            // (not a verb with -s, which "this" is the subject of: "This means that")
            if (after == kNone || !isWord(t[n]) || t[n].how != How::Exact || !isVerb(t[n].label) || !isWord(t[after]) ||
                t[n].capital || (t[n].key.ends_with(U"S"sv) && !t[n].key.ends_with(U"SS"sv)))
                return;
            const GrammarToken &a = t[after];
            bool clause = false;
            const bool follows =
                (a.label == Label::Be && a.how == How::Exact) || a.meaning.starts_with(U"ถูก"sv) || // (a passive)
                std::any_of(t.begin() + static_cast<std::ptrdiff_t>(n) + 1, // (or a be left unwritten)
                            t.begin() + static_cast<std::ptrdiff_t>(after),
                            [](const GrammarToken &w) { return w.kind == Kind::Dropped && w.label == Label::Be; }) ||
                (among(kModals, a.key) && wordWith(a, How::Exact, Label::Adverb)) ||
                (isVerb(a.label) && ((a.how == How::Write && a.family == SuffixFamily::S) ||
                                     (a.how == How::Exact && a.key.ends_with(U"S"sv) && !a.key.ends_with(U"SS"sv)))) ||
                (clause = wordWith(a, How::Exact, Label::Pronoun) && (among(kSubjects, a.key) || a.key == U"YOU"sv) &&
                          nextWord(t, after) != kNone && isVerbWord(t[nextWord(t, after)]));
            if (!follows || leftToPhraseRule(t, n, c) || !c.sense || !c.sense(t[n].key, isNounLabel, noun))
                return;
            setReading(t[n], How::Exact, Label::Noun, noun);
            if (clause) // the relative the clause lacks: "Any change you make" => การเปลี่ยนแปลงใดๆที่คุณทำ
                t[after].setMeaning(U"ที่" + std::u32string(t[after].meaning));
            else if (t[i].key == U"NO"sv && t[i].meaning == U"ไม่"sv) // "No change is needed" => ไม่มีการเปลี่ยนแปลง...
                t[i].setMeaning(U"ไม่มี"sv);
            return;
        }
        // An owner before a number follows the noun phrase it counts: "his two other children" =>
        // สองเด็กๆอื่นๆของเขา, not ของเขาสองเด็กๆอื่นๆ (the grammar mode writes the owner before a number at once).
        // The rule looks at the number, which is rarer than an owner.
        if (isWord(t[i]) && among(kNumberWords, t[i].key)) {
            yearsOld(t, i);
            const std::size_t o = previousWord(t, i), v = o == kNone ? kNone : previousWord(t, o);
            // ("gave her two books": her is the object there)
            if (o == kNone || !isWord(t[o]) || !among(kOwners, t[o].key) ||
                (t[o].key == U"HER"sv && v != kNone && isVerbWord(t[v])))
                return;
            std::size_t last = kNone;
            for (std::size_t k = nextWord(t, i), words = 0;
                 k != kNone && words < kMostWordsBetween &&
                 (isNoun(t[k]) || wordWith(t[k], How::Exact, Label::Adjective) || t[k].how == How::Hold);
                 k = nextWord(t, k), ++words)
                last = k;
            if (last == kNone || !isNoun(t[last]))
                return;
            t[last].tail += ownThai(t[o]);
            t[o].kind = Kind::Dropped;
            return;
        }
        // "of course", "in general", "by default" ... are one adverb where they stand; the grammar mode holds the
        // second word behind the noun phrase after it ("Of course the program is free" => ของโปรแกรมหลักสูตร...,
        // "In general the number" => ในตัวเลขทั่วไป). Not "the course of", nor after a noun, nor before a noun it
        // describes ("at first sight") or the "to" or "of" of a longer phrase ("in addition to").
        if (const auto phrase = isWord(t[i]) && t[i].how == How::Exact
                                    ? std::find_if(kSetPhrases.begin(), kSetPhrases.end(),
                                                   [&](const SetPhrase &e) { return sameKey(e.second, t[i].key); })
                                    : kSetPhrases.end();
            phrase != kSetPhrases.end()) {
            std::size_t o = previousWord(t, i);
            std::array<std::size_t, 2> between{kNone, kNone};
            for (std::size_t m = 0; m < 2; ++m) {
                const std::u32string_view word = m == 0 ? phrase->middle : phrase->middle2;
                if (word.empty())
                    break;
                if (o == kNone || !sameKey(t[o].key, word))
                    return;
                between[m] = o;
                o = previousWord(t, o);
            }
            const std::size_t before = o == kNone ? kNone : previousWord(t, o);
            const std::size_t n = nextWord(t, i);
            if (o != kNone && isWord(t[o]) && sameKey(t[o].key, phrase->first) && t[o].how == How::Exact &&
                (before == kNone || !(isNoun(t[before]) || t[before].kind == Kind::Piece ||
                                      (isWord(t[before]) && t[before].label == Label::Adjective))) &&
                (n == kNone || t[i].key == U"LEAST"sv || t[i].key == U"MOST"sv ||
                 !(isNoun(t[n]) || t[n].key == U"TO"sv || t[n].key == U"OF"sv ||
                   (isWord(t[n]) && (t[n].how == How::Unrendered || t[n].how == How::RawFallback) &&
                    t[i].key != U"EXAMPLE"sv && t[i].key != U"INSTANCE"sv)))) { // ("for example OSF/1")
                // "Of course not" => แน่นอนว่าไม่
                const bool courseNot = t[i].key == U"COURSE"sv && n != kNone && isWord(t[n]) && t[n].key == U"NOT"sv;
                setReading(t[o], How::Exact, Label::Other, courseNot ? U"แน่นอนว่า"sv : phrase->thai);
                t[i].kind = Kind::Dropped;
                for (const std::size_t m : between)
                    if (m != kNone)
                        t[m].kind = Kind::Dropped;
            }
            return;
        }
        if (!isArticle(t[i]) || (t[i].key == U"THE"sv && theMoreTheMore(t, i)))
            return;
        // "the only" + a noun is that one alone, เดียว after its noun phrase: "The only person who came" =>
        // บุคคลเดียวที่มา, not เพียงบุคคล (not a plural: "the only files")
        if (const std::size_t o = t[i].key == U"THE"sv ? nextWord(t, i) : kNone,
            n = o == kNone ? kNone : nextWord(t, o), last = n == kNone ? kNone : lastNounFrom(t, n, true);
            last != kNone && isWord(t[o]) && t[o].key == U"ONLY"sv && t[last].how == How::Exact &&
            !(t[last].key.ends_with(U"S"sv) && !t[last].key.ends_with(U"SS"sv)) &&
            !among(kPluralsWithoutS, t[last].key) && !leftToPhraseRule(t, o, c)) {
            t[o].kind = Kind::Dropped;
            t[last].tail += U"เดียว"sv;
        }
        // two adjectives joined by and/or before the noun follow it together: "an equal and opposite program" =>
        // โปรแกรมเท่ากันและตรงข้าม, not เท่ากันและโปรแกรมตรงข้าม
        if (const std::size_t a = nextWord(t, i), o = a == kNone ? kNone : nextWord(t, a),
            b = o == kNone ? kNone : nextWord(t, o), n = b == kNone ? kNone : nextWord(t, b);
            n != kNone && wordWith(t[a], How::Exact, Label::Adjective) && isWord(t[o]) &&
            (t[o].key == U"AND"sv || t[o].key == U"OR"sv) && wordWith(t[b], How::Exact, Label::Adjective) &&
            isNoun(t[n]) && !among(kDeterminers, t[a].key) && !among(kDeterminers, t[b].key)) {
            // (each with its own ที่: "the first and fifth fields" => ฟิลด์แรกและที่ห้า)
            t[b].setMeaning(std::u32string(ownThai(t[a])) + std::u32string(ownThai(t[o])) +
                            std::u32string(ownThai(t[b])));
            t[a].kind = t[o].kind = Kind::Dropped;
            return;
        }
        // "a few" before a noun counts it, before it in Thai: "in a few cases" => ในบางกรณี, not ในกรณีนิดเดียว
        if (const std::size_t f = t[i].key == U"A"sv ? nextWord(t, i) : kNone;
            t[i].key == U"A"sv && f != kNone && isWord(t[f]) && t[f].key == U"FEW"sv && t[f].how == How::Exact) {
            if (const std::size_t n = nextWord(t, f); n != kNone && isNoun(t[n])) {
                t[i].kind = Kind::Dropped; // "a few minutes" => สองสามนาที
                setReading(t[f], How::Exact, Label::Other, among(kTimeUnits, t[n].key) ? U"สองสาม"sv : U"บาง"sv);
                // the noun now right before its "to" and verb, which a phrase rule may read together ("points
                // to" => ชี้ไปที่): what they are for, ที่จะ ("a few points to discuss" => บางจุดที่จะหารือ)
                if (const std::size_t to = nextWord(t, n), v = to == kNone ? kNone : nextWord(t, to);
                    v != kNone && !among(kTimeUnits, t[n].key) && isWord(t[to]) && t[to].key == U"TO"sv &&
                    t[to].meaning == U"เพื่อ"sv && isVerbWord(t[v]))
                    setReading(t[to], How::Exact, Label::Preposition, U"ที่จะ"sv);
            }
            return;
        }
        // "20 hours a week", "6 times a day": how often, ต่อสัปดาห์, ต่อวัน (not a held noun before the hours)
        if (const std::size_t u = t[i].key == U"A"sv ? nextWord(t, i) : kNone,
            p = u == kNone ? kNone : previousWord(t, i);
            t[i].key == U"A"sv && u != kNone && p != kNone && endsClause(t, u) && isWord(t[u]) &&
            (t[u].key == U"DAY"sv || t[u].key == U"WEEK"sv || t[u].key == U"MONTH"sv || t[u].key == U"YEAR"sv ||
             t[u].key == U"HOUR"sv || t[u].key == U"MINUTE"sv || t[u].key == U"SECOND"sv) &&
            isNoun(t[p])) { // ("once a week" is the phrase rules' สัปดาห์ละครั้ง)
            t[i].kind = Kind::Dropped;
            setReading(t[u], How::Exact, Label::Adverb, U"ต่อ"s + std::u32string(t[u].meaning));
            return;
        }
        // "the past few years", "the last two days": the time just gone, ไม่กี่ปีที่ผ่านมา, สองวันที่ผ่านมา
        if (const std::size_t w = t[i].key == U"THE"sv ? nextWord(t, i) : kNone,
            f = w == kNone ? kNone : nextWord(t, w), n = f == kNone ? kNone : nextWord(t, f);
            t[i].key == U"THE"sv && n != kNone && isWord(t[w]) && (t[w].key == U"PAST"sv || t[w].key == U"LAST"sv) &&
            isWord(t[f]) && (t[f].key == U"FEW"sv || among(kNumberWords, t[f].key)) && among(kTimeUnits, t[n].key)) {
            t[i].kind = Kind::Dropped;
            t[w].kind = Kind::Dropped;
            if (t[f].key == U"FEW"sv)
                setReading(t[f], How::Exact, Label::Other, U"ไม่กี่"sv);
            t[n].tail.insert(0, U"ที่ผ่านมา"sv);
            return;
        }
        // "a number of" and "a lot of" before a noun count it: หลาย in front, มากมาย behind ("a number of ways" =>
        // หลายทาง, "a lot of people" => ผู้คนมากมาย), not the phrase rules' มากนักทาง
        // (also "an awful lot of", "a whole lot of")
        const std::size_t lotWord = t[i].key == U"THE"sv ? kNone : nextWord(t, i); // (only after "a" or "an")
        const bool lotAdjective = lotWord != kNone && isWord(t[lotWord]) &&
                                  (t[lotWord].key == U"AWFUL"sv || t[lotWord].key == U"WHOLE"sv) &&
                                  nextWord(t, lotWord) != kNone && t[nextWord(t, lotWord)].key == U"LOT"sv;
        if (const std::size_t m = lotAdjective ? nextWord(t, lotWord) : lotWord,
            o = m == kNone || (t[m].key != U"NUMBER"sv && t[m].key != U"LOT"sv) ? kNone : nextWord(t, m),
            n = o == kNone ? kNone
                           : stepOver(t, o, true,
                                      [](const GrammarToken &w) {
                                          return isWord(w) && w.label == Label::Adjective &&
                                                 (w.how == How::Exact || w.how == How::Hold);
                                      }); // over the noun's adjectives: "a lot of good reasons" => เหตุผลที่ดีมากมาย
            (t[i].key == U"A"sv || (lotAdjective && t[i].key == U"AN"sv)) && n != kNone && isWord(t[m]) &&
            (t[m].key == U"NUMBER"sv || t[m].key == U"LOT"sv) && t[o].key == U"OF"sv && isWord(t[o]) && isNoun(t[n])) {
            t[i].kind = Kind::Dropped;
            if (lotAdjective)
                t[lotWord].kind = Kind::Dropped;
            t[o].kind = Kind::Dropped;
            if (t[m].key == U"LOT"sv) { // after its noun: "a lot of people" => ผู้คนมากมาย
                t[m].kind = Kind::Dropped;
                t[n].tail += U"มากมาย"sv;
            } else {
                setReading(t[m], How::Exact, Label::Other, U"หลาย"sv);
            }
            return;
        }
        if (modalAsNoun(t, nextWord(t, i), c)) // "before opening the can" => ...กระป๋อง
            return;
        bool adjective = false;
        const std::size_t n = stepOver(t, i, true, [&](const GrammarToken &w) {
            if (w.key == U"ONE"sv)
                return false;
            adjective = adjective || wordWith(w, How::Exact, Label::Adjective);
            return isAdverbWord(w) || wordWith(w, How::Exact, Label::Adjective);
        });
        // "the old one", "a better one": the one is a thing, อัน, which its adjectives follow (อันแก่)
        if (adjective && n != kNone && isWord(t[n]) && t[n].key == U"ONE"sv && t[n].how == How::Exact) {
            const std::size_t after = nextWord(t, n);
            if (after == kNone || !(isNoun(t[after]) || t[after].key == U"OF"sv))
                setReading(t[n], How::Exact, Label::Noun, U"อัน"sv);
            return;
        }
        if (n != kNone && isNoun(t[n]) && n == nextWord(t, i)) // "the default search path"
            verbNamingKind(t, n, c);
        if (n == kNone || !isWord(t[n]) || t[n].how != How::Exact || !isVerb(t[n].label))
            return;
        // Only where the noun's place matters (after its adjectives) or "of" makes it plain ("the start of"): right
        // after the article the verb's Thai stands in the same place, and is often the sense a manual means ("a
        // match", "the cut buffer").
        // Nor where a preposition before the article and the end of the phrase after it make it a place: "went to the
        // store to buy milk" => ไปที่ร้านค้า..., "in the store." => ในร้านค้า (not เก็บ, to store)
        const std::size_t after = nextWord(t, n), before = previousWord(t, i);
        const bool place =
            n == nextWord(t, i) && before != kNone && isWord(t[before]) && t[before].label == Label::Preposition &&
            t[before].how == How::Exact &&
            (after == kNone ? endsClause(t, n)
                            : isWord(t[after]) && (t[after].label == Label::Preposition ||
                                                   t[after].label == Label::Conjunction || isAdverbWord(t[after])));
        // (or where a modal or be follows it, whose subject it is: "The call can fail" => การเรียกสามารถล้มเหลว)
        const bool subject = n == nextWord(t, i) && after != kNone && isWord(t[after]) &&
                             ((t[after].label == Label::Be && t[after].how == How::Exact) ||
                              (among(kModals, t[after].key) && wordWith(t[after], How::Exact, Label::Adverb)));
        // (or where a verb's object, or what a be says a thing is, ends the clause: "I didn't like the play." =>
        // ...ละคร, not เล่น; "It is a match." => มันคือการจับคู่)
        const bool object = n == nextWord(t, i) && before != kNone &&
                            (isVerbWord(t[before]) || wordWith(t[before], How::Exact, Label::Be)) &&
                            !among(kModals, t[before].key) &&
                            (after == kNone ? endsClause(t, n)
                                            : isWord(t[after]) && (t[after].label == Label::Conjunction ||
                                                                   t[after].key == U"AT"sv || t[after].key == U"IN"sv));
        // (or before a clause without its relative pronoun, whose subject and verb follow: "an offer you can't refuse"
        // => ข้อเสนอที่คุณไม่สามารถปฏิเสธ)
        const std::size_t afterSubject = after == kNone ? kNone : nextWord(t, after);
        const bool clause = n == nextWord(t, i) && afterSubject != kNone &&
                            wordWith(t[after], How::Exact, Label::Pronoun) &&
                            (among(kSubjects, t[after].key) || t[after].key == U"YOU"sv) && isWord(t[afterSubject]) &&
                            (among(kModals, t[afterSubject].key) || isVerbWord(t[afterSubject]));
        if ((adjective || subject || (after != kNone && t[after].key == U"OF"sv) ||
             ((place || object || clause) && !leftToPhraseRule(t, n, c))) &&
            c.sense && c.sense(t[n].key, isNounLabel, noun)) {
            setReading(t[n], How::Exact, Label::Noun, noun);
            if (clause && !adjective && !subject) // the relative the clause lacks
                t[after].setMeaning(U"ที่" + std::u32string(t[after].meaning));
            return;
        }
        if (n == nextWord(t, i))
            verbNamingKind(t, n, c);
    });
}

// A noun right before a number names it ("version 3.2", "chapter 7", "line 8"): Thai writes the noun first, รุ่น3.2,
// where the grammar mode holds the noun and writes the number before it (3.2รุ่น). Only a noun without adjectives
// before it: written in place, the noun would come after them.
// A number of years and "old" tell an age: อายุ before a be that says it ("He is 30 years old" => เขาอายุ30 ปี), and
// "old" unwritten ("the body of a 19 year old" => ร่างกายของ19 ปี, not 19 ปีแก่).
void yearsOld(std::span<GrammarToken> t, std::size_t number) {
    // a person's be and a number that ends the clause: an age too ("when I was six" => เมื่อฉันอายุหก)
    if (const std::size_t b = previousWord(t, number), s = b == kNone ? kNone : previousWord(t, b);
        s != kNone && (nextWord(t, number) == kNone || endsClause(t, number)) &&
        wordWith(t[b], How::Exact, Label::Be) && t[b].key != U"BE"sv && isWord(t[s]) &&
        (t[s].key == U"I"sv || t[s].key == U"HE"sv || t[s].key == U"SHE"sv || t[s].key == U"YOU"sv)) {
        setReading(t[b], How::Exact, Label::Other, U"อายุ"sv); // (not "we are two", a count)
        return;
    }
    const std::size_t y = nextWord(t, number), o = y == kNone ? kNone : nextWord(t, y);
    if (o == kNone || !isWord(t[y]) || (t[y].key != U"YEAR"sv && t[y].key != U"YEARS"sv) || t[o].key != U"OLD"sv ||
        !isWord(t[o]) || (nextWord(t, o) != kNone && isNoun(t[nextWord(t, o)]))) // (not "a 2 year old son")
        return;
    t[o].kind = Kind::Dropped;
    if (const std::size_t b = previousWord(t, number); b != kNone && wordWith(t[b], How::Exact, Label::Be))
        setReading(t[b], How::Exact, Label::Other, U"อายุ"sv);
}

// Thai counts people, animals and some things with a word of their kind after the number: "two sons" =>
// ลูกชายสองคน, "three cats" => แมวสามตัว. The kinds, by the Thai of the noun (its start for คน and ตัว) ...
constexpr std::array kPeoplePrefixes{U"ผู้"sv, U"นัก"sv, U"ช่าง"sv, U"ชาว"sv, U"เด็ก"sv, U"คน"sv};
constexpr std::array kPeople{U"คน"sv,      U"เด็ก"sv,   U"เด็กๆ"sv,    U"ลูกชาย"sv,    U"ลูกสาว"sv,  U"ลูก"sv,
                             U"พ่อ"sv,      U"แม่"sv,    U"พี่ชาย"sv,    U"พี่สาว"sv,     U"น้องชาย"sv, U"น้องสาว"sv,
                             U"พี่น้อง"sv,    U"เพื่อน"sv,  U"มิตรสหาย"sv, U"ทหาร"sv,     U"ครู"sv,     U"หมอ"sv,
                             U"พระราชา"sv, U"ราชินี"sv,  U"เจ้าชาย"sv,  U"เจ้าหญิง"sv,   U"ตำรวจ"sv,  U"ลูกค้า"sv,
                             U"แขก"sv,     U"สมาชิก"sv, U"พนักงาน"sv,  U"วิศวกร"sv,    U"พยาบาล"sv, U"โปรแกรมเมอร์"sv,
                             U"แฮ็กเกอร์"sv, U"พ่อมด"sv,  U"แม่มด"sv,    U"ภรรยา"sv,    U"สามี"sv,    U"ผี"sv,
                             U"อัศวิน"sv,    U"โจร"sv,   U"ขโมย"sv,    U"ทนายความ"sv, U"คนงาน"sv,  U"นางฟ้า"sv};
constexpr std::array kAnimals{U"แมว"sv,  U"สุนัข"sv,      U"หมา"sv, U"ม้า"sv,   U"วัว"sv,     U"หมู"sv,    U"นก"sv,
                              U"ปลา"sv,  U"ไก่"sv,       U"หนู"sv,  U"ลิง"sv,   U"ช้าง"sv,    U"เสือ"sv,   U"งู"sv,
                              U"แกะ"sv,  U"แพะ"sv,      U"ผึ้ง"sv,  U"มด"sv,   U"แมลง"sv,   U"เป็ด"sv,   U"กบ"sv,
                              U"มังกร"sv, U"ไดโนเสาร์"sv, U"หมี"sv,  U"สิงโต"sv, U"กระต่าย"sv, U"ตัวแปร"sv, U"ตัวอักษร"sv,
                              U"โต๊ะ"sv,  U"เก้าอี้"sv,     U"เสื้อ"sv};
// ... and the others, each with its own word.
constexpr std::array kKinds{std::pair{U"หนังสือ"sv, U"เล่ม"sv},  std::pair{U"สมุด"sv, U"เล่ม"sv},
                            std::pair{U"รถ"sv, U"คัน"sv},      std::pair{U"รถยนต์"sv, U"คัน"sv},
                            std::pair{U"บ้าน"sv, U"หลัง"sv},    std::pair{U"คอมพิวเตอร์"sv, U"เครื่อง"sv},
                            std::pair{U"จดหมาย"sv, U"ฉบับ"sv}, std::pair{U"แอปเปิ้ล"sv, U"ผล"sv},
                            std::pair{U"ต้นไม้"sv, U"ต้น"sv},    std::pair{U"เรือ"sv, U"ลำ"sv}};

/// The word Thai counts a noun with, by the noun's Thai, or nothing when the noun is its own (บรรทัด, วัน) or unknown.
std::u32string_view countingWord(std::u32string_view noun) {
    if (among(kPeople, noun) || std::any_of(kPeoplePrefixes.begin(), kPeoplePrefixes.end(),
                                            [&](std::u32string_view p) { return noun.starts_with(p); }))
        return U"คน"sv;
    if (among(kAnimals, noun))
        return U"ตัว"sv;
    for (const auto &[thai, kind] : kKinds)
        if (noun == thai)
            return kind;
    return {};
}

/// A number (a word or digits) before a plural noun that Thai counts with a word of its kind: the noun first, then
/// the number and that word ("two sons" => ลูกชายสองคน, "3 cars" => รถ3 คัน); "two people" => สองคน.
void countedNoun(std::span<GrammarToken> t, std::size_t i) {
    // (a number word and hundred, thousand or million count together: "two hundred men" => ผู้ชายสองร้อยคน)
    std::size_t n = nextWord(t, i), times = kNone;
    if (n != kNone && t[i].kind == Kind::Word && isWord(t[n]) && t[n].how == How::Exact &&
        (t[n].key == U"HUNDRED"sv || t[n].key == U"THOUSAND"sv || t[n].key == U"MILLION"sv)) {
        times = n;
        n = nextWord(t, n);
    }
    const std::size_t p = previousWord(t, i), after = n == kNone ? kNone : nextWord(t, n);
    if (i > 0 && t[i - 1].kind == Kind::Separator && // (not a part of "pre-step-6", "Forty-three" or "1,000")
        (t[i - 1].text == U"-"sv ||
         (i > 1 && isNumber(t[i - 2]) && (t[i - 1].text == U","sv || t[i - 1].text == U"."sv))))
        return;
    if (n == kNone || !isNoun(t[n]) || (after != kNone && isNoun(t[after])) ||
        (p != kNone && (isNumber(t[p]) || among(kNumberWords, t[p].key))) || // ("two hundred men")
        (t[i].kind == Kind::Word && (t[i].how != How::Exact || t[i].key == U"HUNDRED"sv || t[i].key == U"THOUSAND"sv)))
        return;
    const std::u32string_view k = t[n].key;
    if (!(k.size() > 2 && k.back() == U'S') && !among(kPluralsWithoutS, k))
        return;
    const std::u32string_view noun = ownThai(t[n]);
    if (noun == U"ผู้คน"sv || noun == U"เด็กๆ"sv) { // "two people" => สองคน, "three children" => เด็กสามคน
        if (noun == U"ผู้คน"sv) {
            t[n].setMeaning(U"คน"sv);
            if (times != kNone) { // "five thousand people" => ห้าพันคน
                t[i].setMeaning(std::u32string(t[i].meaning).append(t[times].meaning));
                t[times].kind = Kind::Dropped;
            }
            return;
        }
        t[n].setMeaning(U"เด็ก"sv);
    }
    const std::u32string_view kind = countingWord(ownThai(t[n]));
    if (kind.empty())
        return;
    std::u32string number = t[i].kind == Kind::Word ? std::u32string(t[i].meaning) : std::u32string(t[i].text);
    while (!number.empty() && number.back() == U' ')
        number.pop_back();
    if (number.empty())
        return;
    if (t[i].kind != Kind::Word)
        number += U' ';
    if (times != kNone) {
        number += t[times].meaning;
        t[times].kind = Kind::Dropped;
    }
    t[n].tail += number + std::u32string(kind);
    t[i].kind = Kind::Dropped;
}

/// A word of order before a count follows the noun counted: "the first three values" => สามค่าแรก, "the next two
/// weeks" => สองสัปดาห์ถัดไป, "the last 10 commands" => 10 คำสั่งสุดท้าย (after the word of its kind, if any).
void orderAfterCount(std::span<GrammarToken> t, std::size_t i) {
    const std::size_t p = previousWord(t, i), a = p == kNone ? kNone : previousWord(t, p);
    if (a == kNone || !isWord(t[p]) || t[p].how != How::Exact ||
        !(isArticle(t[a]) || (isWord(t[a]) && among(kOwners, t[a].key))))
        return;
    const std::u32string_view k = t[p].key;
    std::size_t last = kNone;
    for (std::size_t n = nextWord(t, i), words = 0;
         n != kNone && words < kMostWordsBetween && (isNoun(t[n]) || wordWith(t[n], How::Exact, Label::Adjective));
         n = nextWord(t, n), ++words)
        if (isNoun(t[n]))
            last = n;
    if (last == kNone)
        return;
    const bool time = among(kTimeUnits, t[last].key);
    const std::u32string_view order = k == U"FIRST"sv  ? U"แรก"sv
                                      : k == U"NEXT"sv ? U"ถัดไป"sv
                                      : k == U"LAST"sv || k == U"PAST"sv ? (time ? U"ที่ผ่านมา"sv : U"สุดท้าย"sv)
                                      : k == U"PREVIOUS"sv ? U"ก่อนหน้านี้"sv
                                                           : U""sv;
    if (order.empty())
        return;
    t[last].tail += order;
    t[p].kind = Kind::Dropped;
}

void nounBeforeNumber(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        // "one or more" before a noun phrase counts it after it: ตั้งแต่หนึ่งขึ้นไป ("one or more input records" =>
        // บันทึกข้อมูลเข้าตั้งแต่หนึ่งขึ้นไป, not หนึ่งถูกตัดทอนหรือบันทึก...เพิ่มเติม); where no phrase rule reads it
        if (const std::size_t o = isWord(t[i]) && t[i].key == U"ONE"sv ? nextWord(t, i) : kNone,
            m = o == kNone ? kNone : nextWord(t, o), n = m == kNone ? kNone : nextWord(t, m);
            n != kNone && isWord(t[o]) && t[o].key == U"OR"sv && isWord(t[m]) && t[m].key == U"MORE"sv &&
            (isNoun(t[n]) || wordWith(t[n], How::Exact, Label::Adjective) || t[n].how == How::Write)) {
            // (a phrase rule of the folder reads one noun so: "one or more files" => แฟ้มตั้งแต่หนึ่งแฟ้มขึ้นไป)
            if (const std::size_t last = lastNounFrom(t, n, false);
                last != kNone && isNoun(t[last]) &&
                !(last == n && c.phraseHolds && c.phraseHolds(U"หนึ่งหรือ"sv, ownThai(t[n]), U"เพิ่มเติม"sv)) &&
                // (nor where "of" follows, or a phrase rule would read the count with the noun: ไปของ, อยู่ตั้งแต่)
                !(nextWord(t, last) != kNone && t[nextWord(t, last)].key == U"OF"sv) &&
                std::none_of(
                    t.begin() + static_cast<std::ptrdiff_t>(n), t.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                    [&](const GrammarToken &w) { // (whichever of its words the Thai ends with)
                        return isWord(w) && (joinsPhraseRule(ownThai(w), U"ตั้งแต่หนึ่งขึ้นไป"sv) ||
                                             (c.phraseHolds && c.phraseHolds(ownThai(w), U"ตั้งแต่"sv, U"หนึ่งขึ้นไป"sv)));
                    })) {
                t[last].tail.insert(0, U"ตั้งแต่หนึ่งขึ้นไป"sv);
                t[i].kind = t[o].kind = t[m].kind = Kind::Dropped;
                return;
            }
        }
        // "this one" not before a noun is the thing itself: อันนี้ ("including this one" => รวมทั้งอันนี้, not นี้หนึ่ง;
        // the relative rule reads "that one")
        if (const std::size_t d = previousWord(t, i), n = nextWord(t, i);
            isWord(t[i]) && t[i].key == U"ONE"sv && d != kNone && isWord(t[d]) && t[d].key == U"THIS"sv &&
            (n == kNone || !(isNoun(t[n]) || wordWith(t[n], How::Exact, Label::Adjective))) &&
            !leftToPhraseRule(t, i, c)) {
            setReading(t[i], How::Exact, Label::Pronoun, U"อันนี้"sv);
            t[d].kind = Kind::Dropped;
            return;
        }
        // "One" opening a sentence before a modal or a verb with -s is anyone at all, คนเรา: "One should never trust"
        // => คนเราไม่ควรไว้ใจ, "One meets his destiny" => คนเราพบ... (not หนึ่ง, the number)
        // (or after a word that opens a clause: "where one can scratch")
        if (const std::size_t n = nextWord(t, i), p = previousWord(t, i);
            isWord(t[i]) && t[i].key == U"ONE"sv &&
            (firstOfSentence(i, c) || // ("One shouldn't be using" too)
                                      // (after a clause's comma or a word that may open a clause: "For example, one can
                                      // specify", "If only one could", "I suppose one could claim")
             afterClauseMark(t, i) ||
             (p != kNone && isWord(t[p]) &&
              (t[p].key == U"WHEN"sv || t[p].key == U"IF"sv || t[p].key == U"WHERE"sv || t[p].key == U"UNLESS"sv ||
               t[p].key == U"BECAUSE"sv || t[p].key == U"UNTIL"sv || t[p].key == U"WHILE"sv || t[p].key == U"ONLY"sv ||
               t[p].key == U"THAT"sv || t[p].key == U"BUT"sv || t[p].key == U"SO"sv || t[p].key == U"THEN"sv ||
               (verbFormOf<kThinkingVerbs>(t[p].key) && isVerbWord(t[p]))))) &&
            n != kNone && isWord(t[n]) &&
            (among(kModals, t[n].key) || among(kNegativeModals, t[n].key) ||
             (isVerbWord(t[n]) && t[n].key.size() > 3 && t[n].key.back() == U'S' && !t[n].key.ends_with(U"SS"sv)))) {
            setReading(t[i], How::Exact, Label::Pronoun, U"คนเรา"sv);
            return;
        }
        if (isWord(t[i]) && among(kNumberWords, t[i].key)) {
            countedNoun(t, i);
            orderAfterCount(t, i);
            return;
        }
        if (!isNumber(t[i]))
            return;
        // a month whose name is another word, with its capital before the day: "May 18, 1999" => พฤษภาคม18, 1999
        // (not อาจจะ), "March 3" => มีนาคม3 (not เดินขบวน), "August 1" => สิงหาคม1
        if (const std::size_t m = previousWord(t, i);
            m != kNone && isWord(t[m]) && t[m].capital && !t[m].capitals && t[i].text.size() <= 3) {
            constexpr std::array kMonths{std::pair{U"MAY"sv, U"พฤษภาคม"sv}, std::pair{U"MARCH"sv, U"มีนาคม"sv},
                                         std::pair{U"AUGUST"sv, U"สิงหาคม"sv}};
            for (const auto &[month, thai] : kMonths)
                if (t[m].key == month) {
                    setReading(t[m], How::Exact, Label::Other, thai);
                    return;
                }
        }
        countedNoun(t, i);
        orderAfterCount(t, i);
        yearsOld(t, i);
        const std::size_t p = previousWord(t, i);
        if (p == kNone || !wordWith(t[p], How::Exact, Label::Noun) || p + 2 < i)
            return;
        const std::size_t q = previousWord(t, p);
        // after a longer noun phrase the number follows the whole of it: "the protocol version 2" =>
        // รุ่นโปรโตคอล2, not 2รุ่นโปรโตคอล
        if (q != kNone && isNoun(t[q])) {
            t[i].afterHeld = true;
            return;
        }
        if (q != kNone && isWord(t[q]) && t[q].label == Label::Adjective)
            return;
        setReading(t[p], How::Exact, Label::Other, std::u32string(t[p].meaning));
    });
}

// Irregular participles that are also the verb's own form ("set", "cut", "read": "the read buffer" is a buffer for
// reading) or mostly another word ("left", "felt", "wound"), and "fixed", which before a noun means คงที่ ("a fixed
// number", and a phrase rule makes แก้ไขจำนวน จำนวนคงที่): before a noun they are not taken for participles.
constexpr std::array kParticiplesLikeOtherWords{
    U"BECOME"sv, U"COME"sv,   U"CAST"sv,   U"COST"sv,  U"CUT"sv,      U"FORECAST"sv, U"HIT"sv,   U"HURT"sv,
    U"LET"sv,    U"PUT"sv,    U"QUIT"sv,   U"READ"sv,  U"RUN"sv,      U"SET"sv,      U"SHED"sv,  U"SHUT"sv,
    U"SPLIT"sv,  U"SPREAD"sv, U"THRUST"sv, U"UPSET"sv, U"OVERCOME"sv, U"LEFT"sv,     U"FELT"sv,  U"WOUND"sv,
    U"LIT"sv,    U"GOT"sv,    U"GONE"sv,   U"MEANT"sv, U"SAID"sv,     U"THOUGHT"sv,  U"FOUND"sv, U"FIXED"sv,
};

/// A verb reached through -ed or listed with its -ed ("used"; not "need", "proceed"), or an irregular participle.
bool isParticiple(const GrammarToken &w) {
    if (!isWord(w) || !isVerb(w.label))
        return false;
    return w.how == How::Write ? w.family == SuffixFamily::ED
                               : w.how == How::Exact &&
                                     ((w.key.size() >= 4 && w.key.ends_with(U"ED"sv) && !w.key.ends_with(U"EED"sv)) ||
                                      isIrregularParticiple(w.key));
}
/// An -ing word the suffix rules read as the action going on (กำลัง + verb).
bool ongoingIng(const GrammarToken &w) {
    return isWord(w) &&
           ((w.how == How::Write && w.family == SuffixFamily::ING) ||
            (w.how == How::Exact && w.key.ends_with(U"ING"sv))) && // (or an entry of its own: "growing" กำลังเติบโต)
           isVerb(w.label) &&
           w.meaning.starts_with(U"กำลัง"sv);
}
/// A participle that may describe the noun after it, or such an -ing word ("an identifying string").
bool mayDescribeNoun(const GrammarToken &w) {
    return (isParticiple(w) && !among(kParticiplesLikeOtherWords, w.key)) || ongoingIng(w);
}

// Words before a participle that show it opens a noun phrase rather than a clause: prepositions, and determiners
// that are not also subjects ("This allowed users to" is a clause).
constexpr std::array kBeforeDescribingParticiple{
    U"OF"sv,   U"IN"sv,    U"ON"sv,      U"FROM"sv,   U"WITH"sv,    U"FOR"sv,     U"BY"sv,    U"INTO"sv,
    U"ONTO"sv, U"ABOUT"sv, U"WITHOUT"sv, U"WITHIN"sv, U"THROUGH"sv, U"BETWEEN"sv, U"AMONG"sv, U"TO"sv,
    U"ALL"sv,  U"EACH"sv,  U"EVERY"sv,   U"SOME"sv,   U"ANY"sv,     U"NO"sv,      U"MY"sv,    U"YOUR"sv,
    U"HIS"sv,  U"ITS"sv,   U"OUR"sv,     U"THEIR"sv,  U"MANY"sv,    U"SEVERAL"sv, U"OTHER"sv, U"BOTH"sv,
};

/// True for a verb in its plain form at token p, as an order, after "to", a modal or do, or after a relative or
/// "and"/"or": what follows it is its object ("to read compressed data", "Print selected parts"), where a verb
/// after a subject may be a noun read as one ("The joys of love made her").
bool bareVerbBefore(std::span<GrammarToken> t, std::size_t p, const GrammarContext &c) {
    if (!isVerbWord(t[p]) || !isTransitive(t[p].label) || t[p].how != How::Exact || among(kHaveForms, t[p].key) ||
        among(kBeForms, t[p].key) || among(kGetForms, t[p].key) || t[p].key.ends_with(U"ED"sv) ||
        t[p].key.ends_with(U"S"sv) || t[p].key == U"HAVING"sv || isIrregularParticiple(t[p].key))
        return false;
    const std::size_t pp = previousWord(t, p);
    if (pp == kNone)
        return firstOfSentence(p, c) || afterClauseMark(t, p);
    return isWord(t[pp]) &&
           (t[pp].key == U"TO"sv || among(kModals, t[pp].key) || among(kDoForms, t[pp].key) ||
            among(kDoNegatives, t[pp].key) || t[pp].key == U"AND"sv || t[pp].key == U"OR"sv || opensRelative(t[pp]));
}

// A participle between what opens a noun phrase (an article, a number, a determiner or a preposition) and its noun
// describes the noun, and Thai writes it after the noun with ที่: "the specified file" => แฟ้มที่ระบุ, "of received
// packets" => ของแพ็กเก็ตที่ได้รับ. The grammar mode writes the verb first (ระบุแฟ้ม), which reads as an order. At the
// start of a sentence only before be, a modal or do: "Compressed files are smaller" => แฟ้มที่บีบอัดเล็กกว่า.
/// True for an -ing word (one the dictionary may read as a noun) before what it takes: it opens a relative clause
/// after the noun phrase rather than ending it.
bool ingBeforeObject(std::span<GrammarToken> t, std::size_t j) {
    return isWord(t[j]) && t[j].key.size() > 4 && t[j].key.ends_with(U"ING"sv) && opensObject(t, nextWord(t, j));
}

/// The Thai of a participle that describes a noun: its own, or, for an -ed entry the dictionary reads first as
/// intransitive, its stem's when that stem is first a verb that takes an object ("the value returned by" =>
/// ค่าที่ส่งคืนโดย, not ค่าที่กลับโดย).
std::u32string describingThai(const GrammarToken &w, const GrammarContext &c) {
    if (ongoingIng(w)) // "an identifying string" => สตริงที่ระบุ
        return std::u32string(w.meaning.substr(std::u32string_view(U"กำลัง").size()));
    const std::u32string_view k = w.key;
    if (w.how != How::Exact || w.label != Label::IntransitiveVerb || !k.ends_with(U"ED"sv) || !c.sense)
        return std::u32string(w.meaning);
    std::u32string first, taking;
    for (auto stem : {std::u32string(k.substr(0, k.size() - 2)), std::u32string(k.substr(0, k.size() - 1)),
                      std::u32string(k.substr(0, k.size() - 3)) + U"Y", std::u32string(k.substr(0, k.size() - 3))})
        if (stem.size() > 1 && c.sense(stem, isVerb, first))
            return c.sense(stem, isTransitive, taking) && taking == first ? taking : std::u32string(w.meaning);
    return std::u32string(w.meaning);
}

void participleBeforeNoun(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        if (!mayDescribeNoun(t[i]))
            return;
        std::size_t p = previousWord(t, i);
        // (over an -ly adverb of the participle: "a locally attached terminal" => เทอร์มินัลที่แนบในท้องถิ่น)
        std::size_t how = kNone;
        if (p != kNone && isAdverbWord(t[p]) && t[p].key.ends_with(U"LY"sv) && previousWord(t, p) != kNone) {
            how = p;
            p = previousWord(t, p);
        }
        // (an -ing word after a preposition takes its object: "for creating archives" => สำหรับการสร้างคลังเอกสาร)
        const bool ing = ongoingIng(t[i]);
        // (or after a comma, as a sentence's subject: "For this flag, supported values are:")
        // (an -ing word with a capital opens a heading: "13 Changing file attributes", "Appendix A Copying This")
        const bool owned = p != kNone && (possessiveS(t, p) || (isWord(t[p]) && among(kOwners, t[p].key)));
        if (ing && t[i].capital && !owned)
            return; // (but not in a name after its owner: "Monty Python's Flying Circus")
        const bool opens = p == kNone ? (firstOfSentence(i, c) || afterClauseMark(t, i)) && !ing
                                      : isArticle(t[p]) || isNumber(t[p]) ||
                                            (isWord(t[p]) && among(kBeforeDescribingParticiple, t[p].key) &&
                                             !(ing && t[p].label == Label::Preposition)) ||
                                            possessiveS(t, p) ||
                                            // (or after a verb that takes it, not have, be or get: "refuse to
                                            // read compressed data" => อ่านข้อมูลที่บีบอัด)
                                            (!ing && bareVerbBefore(t, p, c));
        // (nor after be and "both" or "all": "We were both holding bottles" is the action going on)
        if (const std::size_t pp = p == kNone ? kNone : previousWord(t, p);
            !opens || (ing && pp != kNone && isWord(t[pp]) && t[pp].label == Label::Be && !isArticle(t[p])))
            return;
        std::size_t last = kNone; // the last noun of the phrase, after any adjectives
        std::u32string verb;
        for (std::size_t j = nextWord(t, i), words = 0; j != kNone && words < kMostWordsBetween;
             j = nextWord(t, j), ++words) {
            // "the executed command changes the value": a plural after the noun, before an object, is its verb
            if (isNoun(t[j]) && last != kNone && t[j].key.ends_with(U'S') && opensObject(t, nextWord(t, j)) &&
                verbSense(t[j], c, verb))
                break;
            if (last != kNone && ingBeforeObject(t, j)) // "the specified files doing the tricks": the -ing word's
                break;                                  // relative follows the noun's
            // (an -ing word before "this" or a name takes it: "your receiving this fortune", "visiting Uncle Rich")
            if (ing && last == kNone && (among(kDemonstratives, t[j].key) || (t[j].capital && !t[i].capital)))
                break;

            if (isNoun(t[j]))
                last = j;
            else if (last != kNone || !wordWith(t[j], How::Exact, Label::Adjective))
                break;
        }
        if (last == kNone)
            return;
        // (an -ing word's noun before "of" may be a phrase rule's amount: "a growing number of users" reads
        // หลาย... through "a number of")
        if (const std::size_t of = nextWord(t, last);
            ing && of != kNone && isWord(t[of]) && t[of].key == U"OF"sv &&
            (t[last].key == U"NUMBER"sv || t[last].key == U"AMOUNT"sv || t[last].key == U"LOT"sv))
            return;
        if (p == kNone) { // (or before a modal or do: "Compressed archives cannot be joined")
            const std::size_t n = nextWord(t, last);
            if (n == kNone || !isWord(t[n]) ||
                !(t[n].label == Label::Be || among(kModals, t[n].key) || among(kDoForms, t[n].key) ||
                  among(kDoNegatives, t[n].key)))
                return;
        }
        // Nor where a phrase rule would read the participle's Thai with the words after the noun (be unwritten):
        // "a required argument is not found" would end ต้องการไม่..., which a rule makes ไม่ต้องการ.
        // (an owner before it comes after the noun first: "Sadakane's sorting algorithm" => อัลกอริทึม...ของSadakane)
        std::u32string after = owned ? std::u32string(U"ของ"sv) : std::u32string();
        for (std::size_t j = nextWord(t, last), words = 0; j != kNone && words < 2; j = nextWord(t, j)) {
            if (isWord(t[j]) && t[j].label == Label::Be)
                continue;
            after += ownThai(t[j]);
            ++words;
        }
        // (nor where a rule of Idiom.pal reads what it says with them: "the sorting phase of" would be ระยะที่จัดเรียงของ,
        // which "sort of" makes ประเภทของ)
        if (joinsPhraseRule(t[i].meaning, after) ||
            (ing && c.phraseHolds && c.phraseHolds({}, describingThai(t[i], c), after)))
            return;
        std::u32string described(U"ที่"sv);
        // (a denying adverb before its verb: "a rarely used path" => เส้นทางที่ไม่ค่อยใช้)
        const bool denies = how != kNone && t[how].meaning.starts_with(U"ไม่"sv);
        if (denies)
            described += t[how].meaning;
        described += describingThai(t[i], c);
        if (how != kNone) {
            if (!denies)
                described += t[how].meaning;
            t[how].kind = Kind::Dropped;
        }
        t[last].tail.insert(0, described);
        t[i].kind = Kind::Dropped;
        // a noun before the article ends its own phrase first: "in this case an omitted integer" =>
        // ในกรณีนี้จำนวนเต็มที่ละเว้น, not จำนวนเต็มกรณีนี้ที่ละเว้น
        if (const std::size_t before = p == kNone ? kNone : previousWord(t, p);
            before != kNone && isArticle(t[p]) && isNoun(t[before]))
            t[nextWord(t, i)].afterHeld = true; // (the first word after the participle: `last` or an adjective)
    });
}

// Words after a participle that say where in the text: "the options listed below".
constexpr std::array kWhereTold{U"ABOVE"sv, U"BELOW"sv, U"HERE"sv, U"EARLIER"sv};

/// True when the noun phrase that ends at token p follows a preposition after the clause's verb: "depending on the
/// input arguments" (not "the man in the car", whose verb may follow).
bool objectOfPreposition(std::span<GrammarToken> t, std::size_t p) {
    std::size_t k = p;
    for (std::size_t words = 0; k != kNone && words < kMostWordsBetween; ++words) {
        const std::size_t b = previousWord(t, k);
        if (b == kNone)
            return false;
        if (isNoun(t[b]) || isArticle(t[b]) || isNumber(t[b]) || wordWith(t[b], How::Exact, Label::Adjective) ||
            among(kDeterminers, t[b].key)) {
            k = b;
            continue;
        }
        if (!wordWith(t[b], How::Exact, Label::Preposition))
            return false;
        for (std::size_t v = previousWord(t, b); v != kNone; v = previousWord(t, v))
            if (isVerbWord(t[v]) || (isWord(t[v]) && t[v].label == Label::Be))
                return true;
        return false;
    }
    return false;
}

// Participles that after a noun and before a preposition describe it: "the options described in this section", "the
// tool used for this", "the value given as the key".
constexpr std::array kPlacesAfterParticiple{U"IN"sv,     U"ON"sv, U"FOR"sv,  U"AS"sv,    U"WITH"sv,
                                            U"FROM"sv,   U"AT"sv, U"TO"sv,   U"UNDER"sv, U"INTO"sv,
                                            U"WITHIN"sv, U"IF"sv, U"WHEN"sv, U"UNLESS"sv}; // ("the command used if")
constexpr std::array kPlacedParticiples{
    U"DESCRIBED"sv, U"LISTED"sv,    U"USED"sv,       U"SPECIFIED"sv, U"INCLUDED"sv,  U"DEFINED"sv,   U"STORED"sv,
    U"EXPLAINED"sv, U"MENTIONED"sv, U"SHOWN"sv,      U"GIVEN"sv,     U"CONTAINED"sv, U"LOCATED"sv,   U"INSTALLED"sv,
    U"PLACED"sv,    U"SAVED"sv,     U"DOCUMENTED"sv, U"WRITTEN"sv,   U"PRINTED"sv,   U"DISPLAYED"sv, U"FOUND"sv,
    U"INTENDED"sv,  U"DESIGNED"sv,  U"CREATED"sv,    U"GENERATED"sv, U"PRODUCED"sv,  U"SUPPORTED"sv, U"REQUIRED"sv,
    U"NEEDED"sv,    U"MADE"sv,      U"APPLIED"sv,    U"SENT"sv,      U"ADDED"sv,     U"ATTACHED"sv,  U"ASSIGNED"sv,
    U"COPIED"sv,    U"ISSUED"sv,    U"SUBMITTED"sv,
};
/// One of those reached through -ed from an entry read first as a noun ("documented": document, เอกสาร).
bool placedFromNoun(const GrammarToken &w) {
    return isWord(w) && w.how == How::Write && w.family == SuffixFamily::ED && !isVerb(w.label) &&
           among(kPlacedParticiples, w.key);
}

// A participle right after its noun, before "by", opens a relative clause that Thai marks with ที่: "the value
// returned by the function" => ค่าที่ส่งคืนโดยฟังก์ชัน, "words separated by spaces" => คำที่แยกโดยช่องว่าง; so does one
// of the participles that say where something is told, kept or used, before a preposition: "the options described
// in this section" => ตัวเลือกที่อธิบายในส่วนนี้; and one before "above", "below", "here", or ending its clause after
// the object of a preposition ("depending on the arguments specified."). The grammar mode writes the verb as the
// noun's verb, or before it.
constexpr std::array kMakeForms{U"MAKE"sv, U"MAKES"sv, U"MADE"sv, U"MAKING"sv};

void participleAfterNoun(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        GrammarToken &w = t[i];
        // "available" right after its noun describes it as a participle does: "all flags available in" =>
        // แฟล็กทั้งหมดที่มีอยู่ใน, "the options available are" => ตัวเลือกที่มีอยู่...
        // (not what "make" makes so: "make the files available to" => ทำให้แฟ้มมีอยู่...)
        if (isWord(w) && w.key == U"AVAILABLE"sv) {
            const std::size_t p = previousWord(t, i);
            std::size_t v = p;
            for (std::size_t words = 0;
                 v != kNone && words < kMostObjectWords && !isVerbWord(t[v]) && !among(kMakeForms, t[v].key); ++words)
                v = previousWord(t, v);
            // and so does it before its noun, after which Thai writes it: "all available algorithms" =>
            // อัลกอริทึมที่มีอยู่ทั้งหมด, not อัลกอริทึมมีอยู่ทั้งหมด, which reads "the algorithms are there"
            const std::size_t n = nextWord(t, i);
            if (wordWith(w, How::Exact, Label::Adjective) &&
                ((p != kNone && isNoun(t[p])) || (n != kNone && isNoun(t[n]) && w.how == How::Exact)) &&
                !w.meaning.starts_with(U"ที่"sv) && !(v != kNone && among(kMakeForms, t[v].key)))
                w.setMeaning(U"ที่"s + std::u32string(w.meaning));
            return;
        }
        // (an -ed word of a noun-first entry whose verb sense it is: "procedures documented in" => ขั้นตอนที่บันทึกใน)
        const bool ofNoun = placedFromNoun(w);
        if (!isParticiple(w) && !(isWord(w) && w.key == U"NAMED"sv) && !ofNoun)
            return;
        const std::size_t p = previousWord(t, i), n = nextWord(t, i);
        // (after a name the dictionary lacks only before "by": "the libc provided by GLibC" => libc ที่จัดหาโดย)
        const bool name = p != kNone && isWord(t[p]) && !t[p].quiet &&
                          (t[p].how == How::Unrendered || t[p].how == How::RawFallback) && n != kNone && isWord(t[n]) &&
                          t[n].key == U"BY"sv;
        if (p == kNone || !(isNoun(t[p]) || name) || among(kDemonstratives, t[p].key) || t[p].key == U"S"sv)
            return; // (a phrase rule reads เหล่านั้นที่ as "those who"; "it's ended" is a passive)
        // before the name itself: "a function named FNAME" => ฟังก์ชันที่ชื่อ FNAME, "a file called notes" =>
        // แฟ้มที่เรียกว่า notes
        // (not before its object: "His followers called him Sam")
        if ((w.key == U"NAMED"sv || w.key == U"CALLED"sv) && n != kNone &&
            !wordWith(t[n], How::Exact, Label::Preposition) && !opensObject(t, n, false)) {
            setReading(w, How::Exact, Label::TransitiveVerb, w.key == U"NAMED"sv ? U"ที่ชื่อ"sv : U"ที่เรียกว่า"sv);
            return;
        }
        // (or before the verb of the noun it describes: "The amount of memory required is" => ...ที่ต้องการ)
        const bool relative =
            n == kNone
                ? objectOfPreposition(t, p) // "depending on the arguments specified."
                : isWord(t[n]) && (t[n].key == U"BY"sv || among(kWhereTold, t[n].key) ||
                                   (among(kPlacesAfterParticiple, t[n].key) && among(kPlacedParticiples, w.key) &&
                                    !(w.key == U"USED"sv && t[n].key == U"TO"sv)) || // "used to" is its own phrase
                                   ((t[n].label == Label::Be || among(kModals, t[n].key)) &&
                                    !among(kParticiplesLikeBase, w.key) && // ("the hare set is")
                                    t[n].key != U"BE"sv && t[n].key != U"BEEN"sv && t[n].key != U"S"sv));
        // (but not where a phrase rule reads it with the words before it: "to the extent permitted by law" =>
        // เท่าที่กฎหมายอนุญาต; one that reads it with what follows alone still does after ที่: "the data written to
        // the file" => ข้อมูลที่เขียนลงแฟ้ม)
        if (!relative || readWithWordBefore(t, i, c))
            return;
        std::u32string described(U"ที่"sv), verb;
        if (ofNoun && !participleVerb(w, c, verb))
            return;
        described += ofNoun ? verb : describingThai(w, c);
        setReading(w, How::Exact, ofNoun ? Label::TransitiveVerb : w.label, described);
    });
}

// An -ing word right after a noun and before what it takes (an article, a determiner, a pronoun or an adjective)
// describes the noun: "a file containing the list" => แฟ้มที่มีรายการ, "users running the program" =>
// ผู้ใช้ที่รันโปรแกรม. Not the -ing words that work as prepositions ("the files including the list").
void ingAfterNoun(std::span<GrammarToken> t, const GrammarContext &c) {
    // "Is the man making it?", "What is the program doing?": the -ing word is what the subject is doing
    if (std::size_t b = c.firstToken; c.question && c.sentenceStart && b < t.size() && isWord(t[b])) {
        if (wordWith(t[b], How::Exact, Label::Question))
            b = nextWord(t, b);
        if (b != kNone && wordWith(t[b], How::Exact, Label::Be))
            return;
    }
    std::u32string verb;
    eachAnchor(t, c, [&](std::size_t i) {
        GrammarToken &w = t[i];
        if (!isWord(w) || !w.key.ends_with(U"ING"sv) || among(kIngPrepositions, w.key))
            return;
        const std::size_t p = previousWord(t, i), n = nextWord(t, i);
        // (not after "this", which the dictionary calls a noun, nor in a "*note Setting the Time" heading; before a
        // bare noun the -ing word is often part of a name: "daylight saving time")
        if (p == kNone || n == kNone || !isNoun(t[p]) || t[p].key == U"S"sv || t[p].key == U"NOTE"sv ||
            among(kDemonstratives, t[p].key) || among(kDeterminers, t[p].key))
            return;
        // or before a preposition, after a plural or a phrase an article or a determiner opens: "Lines starting
        // with a hash" => บรรทัดที่เริ่มกับแฮช, "the data coming over the wire"; not a bare noun, which is often what
        // the -ing word does ("error handling in the code")
        auto opened = [&] {
            std::size_t k = p;
            for (std::size_t words = 0; k != kNone && words < kMostWordsBetween &&
                                        (isNoun(t[k]) || wordWith(t[k], How::Exact, Label::Adjective));
                 ++words)
                k = previousWord(t, k);
            return k != kNone && (isArticle(t[k]) || isNumber(t[k]) ||
                                  (isWord(t[k]) && (among(kDeterminers, t[k].key) || among(kOwners, t[k].key))));
        };
        // (after a singular the verb must take no object: "error reporting from" is the reporting of errors)
        auto intransitive = [&] {
            if (w.how == How::Write)
                return w.label == Label::IntransitiveVerb;
            const std::u32string_view k = w.key;
            std::u32string sense;
            for (auto stem :
                 {std::u32string(k.substr(0, k.size() - 3)), std::u32string(k.substr(0, k.size() - 3)) + U"E",
                  std::u32string(k.substr(0, k.size() - 4))})
                if (stem.size() > 1 && c.sense && c.sense(stem, isVerb, sense))
                    return !c.sense(stem, isTransitive, sense);
            return false;
        };
        const std::u32string_view pk = t[p].key;
        const bool plural = (t[p].how == How::Write && t[p].family == SuffixFamily::S) ||
                            (pk.size() > 3 && pk.back() == U'S' && pk[pk.size() - 2] != U'S'); // (an entry: "lines")
        // (a verb with its own preposition describes any noun: "data consisting of words" => ข้อมูลที่ประกอบด้วยคำ)
        auto ownPreposition = [&] {
            return std::any_of(kIngWithPreposition.begin(), kIngWithPreposition.end(), [&](const auto &e) {
                return sameKey(e.first, w.key) && isWord(t[n]) && sameKey(e.second, t[n].key);
            });
        };
        if (!opensObject(t, n) && !(wordWith(t[n], How::Exact, Label::Preposition) && w.key != U"DEPENDING"sv &&
                                    (plural || (opened() && intransitive()) || ownPreposition())))
            return;
        if (!ingVerb(w, c, verb) && !(w.how == How::Exact && stemVerb(w.key, c, verb)))
            return;
        // an -ing entry of its own that describes keeps its own Thai: "Policies missing in this file" =>
        // นโยบายที่หายไป..., not ที่คิดถึง (the first sense of miss); "files remaining in the queue" => แฟ้มที่เหลือ...
        // (only these: "containing" ซึ่งมี and "matching" ตรงกัน read better as their verbs)
        if (w.how == How::Exact && w.label == Label::Adjective && !w.meaning.empty() &&
            (w.key == U"MISSING"sv || w.key == U"REMAINING"sv || w.key == U"EXISTING"sv))
            verb.assign(w.meaning.starts_with(U"ที่"sv) ? w.meaning.substr(3) : w.meaning);
        setReading(w, How::Exact, Label::TransitiveVerb, U"ที่" + verb);
    });
}

// A word the dictionary lacks, most often a name, between what opens a noun phrase and its nouns names the thing
// the nouns say: Thai writes the nouns first ("the gzip command" => คำสั่งgzip, "the Debian website" =>
// เว็บไซต์Debian); the grammar mode writes the unknown word at once and holds the nouns after it. Only after an
// article, a determiner or a preposition, so that an unknown verb before its object stays ("he greps files").
/// A name before its brackets ("read()", "open(2)"), which the stage keeps as it stands, or a word the dictionary
/// lacks ("sigprocmask()").
bool functionName(const GrammarToken &w) {
    return isWord(w) && w.beforeParen && !w.quiet &&
           ((w.how == How::Exact && w.label == Label::Other) || w.how == How::Unrendered || w.how == How::RawFallback);
}

/// The noun after the names of functions comes first: "The read() and write() functions return" =>
/// ฟังก์ชันread() และwrite() ส่งคืน, not read() และwrite() ฟังก์ชันส่งคืน.
void functionAfterNoun(std::span<GrammarToken> t, std::size_t i, const GrammarContext &c) {
    if (i > 0 && t[i - 1].kind == Kind::Separator && (t[i - 1].text == U"_"sv || t[i - 1].text == U"-"sv))
        return; // (the last part of "fmt_ident()": the noun stays after the whole name)
    // only from the first name of a group: after another name's ")" or a comma the rule has done its work there
    // (and the tokens it moved must read the same whether it looks at its anchors or at every token)
    std::size_t before = i;
    while (before > 0 && isBlank(t[before - 1]))
        --before;
    if (before > 0 && t[before - 1].kind == Kind::Separator &&
        (t[before - 1].text == U")"sv || t[before - 1].text == U","sv))
        return;
    const std::size_t p = previousWord(t, i);
    if (p != kNone && !isArticle(t[p]) && !(isWord(t[p]) && among(kDeterminers, t[p].key)))
        return;
    // each name's brackets: "(", perhaps a number, ")" (as the stage found them when it kept the name)
    auto bracketsAfter = [&](std::size_t k) {
        auto next = [&](std::size_t j) {
            while (++j < t.size() && t[j].kind == Kind::Piece && t[j].text.empty())
                ;
            return j;
        };
        std::size_t j = k + 1;
        if (j >= t.size() || t[j].kind != Kind::Separator || t[j].text != U"("sv)
            return kNone;
        j = next(j);
        if (j < t.size() && isNumber(t[j]))
            j = next(j);
        return j < t.size() && t[j].kind == Kind::Separator && t[j].text == U")"sv ? j : kNone;
    };
    std::size_t close = kNone; // the ")" of the last name: "read(), write() and close()"
    for (std::size_t k = i; k < t.size();) {
        if (!functionName(t[k]) || bracketsAfter(k) == kNone)
            break;
        k = close = bracketsAfter(k);
        // on over ", ", "and", "or" to the next name
        while (++k < t.size() && (isBlank(t[k]) || (t[k].kind == Kind::Separator && t[k].text == U","sv) ||
                                  (isWord(t[k]) && (t[k].key == U"AND"sv || t[k].key == U"OR"sv))))
            ;
    }
    if (close == kNone)
        return;
    std::size_t nouns = kNone; // ("call" is the noun here: "The read(2) system call")
    const std::size_t firstNoun = nextWord(t, close);
    for (std::size_t k = firstNoun, words = 0;
         k != kNone && (isNoun(t[k]) || t[k].key == U"CALL"sv || t[k].key == U"CALLS"sv) && words < kMostWordsBetween;
         k = nextWord(t, k), ++words) {
        nouns = k;
        if (t[k].key.starts_with(U"CALL"sv))
            setReading(t[k], How::Exact, Label::Noun, U"การเรียก"sv);
    }
    if (nouns == kNone)
        return;
    // the space after the brackets goes where a mark follows: "The read() call." => การเรียกread().
    if (nextWord(t, nouns) == kNone)
        for (std::size_t k = close + 1; k < firstNoun; ++k)
            if (isBlank(t[k]))
                t[k].kind = Kind::Dropped;
    std::rotate(t.begin() + static_cast<std::ptrdiff_t>(i), t.begin() + static_cast<std::ptrdiff_t>(firstNoun),
                t.begin() + static_cast<std::ptrdiff_t>(nouns) + 1);
    c.reordered = true;
    t[i + (nouns + 1 - firstNoun)].afterHeld = true; // the names now follow their nouns
}

// Words a manual puts after a quoted name of its own, or before a name: "the 'find' command", "the variable IBASE".
constexpr std::array kNamedThings{
    U"COMMAND"sv,   U"COMMANDS"sv,  U"OPTION"sv,    U"OPTIONS"sv,    U"PROGRAM"sv,   U"TOOL"sv,    U"UTILITY"sv,
    U"FUNCTION"sv,  U"FUNCTIONS"sv, U"FILE"sv,      U"DIRECTORY"sv,  U"VARIABLE"sv,  U"KEYWORD"sv, U"FIELD"sv,
    U"ARGUMENT"sv,  U"FLAG"sv,      U"TEST"sv,      U"TESTS"sv,      U"ACTION"sv,    U"BUILTIN"sv, U"PRIMARY"sv,
    U"STATEMENT"sv, U"CLAUSE"sv,    U"DIRECTIVE"sv, U"ATTRIBUTE"sv,  U"PARAMETER"sv, U"MACRO"sv,   U"PACKAGE"sv,
    U"SCRIPT"sv,    U"MODE"sv,      U"PREDICATE"sv, U"EXPRESSION"sv, U"SETTING"sv,   U"ENTRY"sv,   U"METHOD"sv};

void nameAfterNoun(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        if (functionName(t[i])) {
            functionAfterNoun(t, i, c);
            return;
        }
        if (!nameWord(t[i]))
            return;
        // a name right after its noun is written after it, not before the noun the grammar mode holds: "the
        // variable IBASE" => ตัวแปรIBASE, not IBASE ตัวแปร
        if (const std::size_t b = previousWord(t, i), n = nextWord(t, i);
            b != kNone && b + 1 == i && isNoun(t[b]) && t[b].how == How::Exact && // (not joined by "-" or "_")
            ((t[i].capital && t[b].capital) || isNamedThing(t[b].key)) && // ("Governor Tarkin"; not the head of a
                                                                          // compound: "group IDs", "room humidifier")
            !(n != kNone && (isNoun(t[n]) || nameWord(t[n])))) {
            t[i].afterHeld = true;
            return;
        }
        // an option after its dashes ("the '--speed-large-files' option") is one name, from its first dash to its last
        // word: ตัวเลือก--speed-large-files
        std::size_t first = i, last = i;
        const auto emptyPiece = [&](std::size_t k) { return t[k].kind == Kind::Piece && t[k].text.empty(); };
        if (i > 0 && markAt(t, i - 1, U"-")) { // (the recording leaves an empty piece between two marks)
            for (std::size_t j = i; j > 0 && (markAt(t, j - 1, U"-") || emptyPiece(j - 1)); --j)
                if (markAt(t, j - 1, U"-"))
                    first = j - 1;
            for (std::size_t k = i + 1; k < t.size() && (nameWord(t[k]) || markAt(t, k, U"-_=") || emptyPiece(k)); ++k)
                if (nameWord(t[k]))
                    last = k;
            // (after a space or a quote, not inside a word: "my Food-a-holics partner")
            std::size_t b = first;
            while (b > 0 && emptyPiece(b - 1))
                --b;
            const std::size_t p = previousWord(t, first);
            if (p == kNone || b == 0 || !(isArticle(t[p]) || (isWord(t[p]) && among(kDeterminers, t[p].key))) ||
                !(t[b - 1].kind == Kind::Separator ? isBlank(t[b - 1]) : t[b - 1].text.ends_with(U' ')))
                return;
        } else {
            const std::size_t p = stepOver(t, i, false, [](const GrammarToken &w) { // over adjectives: "the old gzip"
                return wordWith(w, How::Exact, Label::Adjective);
            });
            // a manual's "du invocation", whatever comes before it: การเรียกใช้du
            const std::size_t called = nextWord(t, i);
            // (not in a cross-reference, "*Note printf invocation::", which a phrase rule reads)
            const bool invocation = called != kNone && isNoun(t[called]) && t[called].key == U"INVOCATION"sv &&
                                    (p == kNone || (!nameWord(t[p]) && t[p].key != U"NOTE"sv));
            if (!invocation &&
                (p == kNone || nameWord(t[p]) ||
                 !(isArticle(t[p]) || (isWord(t[p]) && (among(kDeterminers, t[p].key) ||
                                                        wordWith(t[p], How::Exact, Label::Preposition))))))
                return;
            last = i; // the name may be more than one word: "the Wild Goose tavern", "the 'ssh-add' command"
            for (std::size_t k = i + 1; k < t.size() && (nameWord(t[k]) || isBlank(t[k]) || markAt(t, k, U"-_")); ++k)
                if (nameWord(t[k]))
                    last = k;
        }
        std::size_t nouns = kNone;
        for (std::size_t k = nextWord(t, last), words = 0; k != kNone && isNoun(t[k]) && words < kMostWordsBetween;
             k = nextWord(t, k), ++words)
            nouns = k;
        if (nouns == kNone || (nextWord(t, nouns) != kNone && nameWord(t[nextWord(t, nouns)])))
            return;
        // (not when the last noun goes on with a hyphen: "the Emacs variable version-control")
        std::size_t k = nouns + 1;
        while (k < t.size() && isBlank(t[k]))
            ++k;
        if (k < t.size() && t[k].text.starts_with(U'-'))
            return;
        const std::size_t firstNoun = nextWord(t, last);
        // the name keeps its trailing space before a word ("คำสั่งcksum พิมพ์"), not before a mark ("คำสั่งgzip.",
        // "คำสั่งif, คำสั่งwhile"), nor the space after its quote
        if (const std::size_t m = nextMark(t, nouns); m >= t.size() || markAt(t, m, U",;:.?!)]>_\"\u201D")) {
            if (std::u32string &text = t[last].text; !text.empty() && text.back() == U' ') {
                text.pop_back();
                if (t[last].how == How::Exact) // (a name written as it stands, its text its meaning)
                    t[last].setMeaning(text);
            }
            for (std::size_t b = last + 1; b < firstNoun; ++b)
                if (isBlank(t[b]) && !t[b].text.empty())
                    t[b].kind = Kind::Dropped;
        }
        // what follows the noun follows the name now: "for the 'dir' program always" => สำหรับโปรแกรมdir เสมอ
        // (not an owner, which the name is part of: "the Montana Legislature's" => ...ของสภานิติบัญญัติMontana)
        if (!t[nouns].tail.empty() && !t[nouns].tail.starts_with(U"ของ"sv)) {
            if (!t[last].text.ends_with(U' ') && t[last].tail.empty())
                t[last].tail += U' '; // (a space after the name, as before a word)
            t[last].tail += t[nouns].tail;
            t[nouns].tail.clear();
        }
        std::rotate(t.begin() + static_cast<std::ptrdiff_t>(first), t.begin() + static_cast<std::ptrdiff_t>(firstNoun),
                    t.begin() + static_cast<std::ptrdiff_t>(nouns) + 1);
        c.reordered = true;
        t[first + (nouns + 1 - firstNoun)].afterHeld = true; // the name now follows its nouns
    });
}

// "like" after a verb compares what is done, เหมือน: "He was standing like a stone wall" => เขากำลังยืนเหมือนกำแพงหิน,
// "Sweating like a pig" => การเหงื่อออกเหมือนหมู; so does "like" opening a sentence or after a comma before a noun
// phrase ("Like winter snow, ..."). After a subject, a modal, do or not it is the verb: "I like it", "would like".
// After a verb whose Thai says it already ("seems like", ดูเหมือน) it is not written.
// Words of degree before "like" whatever the dictionary calls them: "very much like".
constexpr std::array kDegreeWords{U"VERY"sv,  U"MUCH"sv,     U"JUST"sv,   U"EXACTLY"sv,
                                  U"QUITE"sv, U"SOMEWHAT"sv, U"ALMOST"sv, U"RATHER"sv};

void likeAs(std::span<GrammarToken> t, const GrammarContext &c) {
    std::u32string like;
    eachAnchor(t, c, [&](std::size_t i) {
        if (isWord(t[i]) && t[i].key == U"AS"sv) { // "as we will see", "as you know": ดังที่, not เป็น
            const std::size_t s = nextWord(t, i);
            if (t[i].how == How::Exact && t[i].label == Label::Preposition) // the second "as" of "as good as"
                return;
            // "as good as most people" => ดีพอๆกับผู้คนส่วนใหญ่, "not as good as" => ไม่ดีเท่า; not where a phrase rule
            // reads the three ("as long as", "as well as", "as soon as")
            if (const std::size_t as = s == kNone ? kNone : nextWord(t, s);
                as != kNone && isWord(t[s]) && !t[s].quiet && t[as].key == U"AS"sv && isWord(t[as]) &&
                (t[s].label == Label::Adjective ||
                 (t[s].label == Label::Adverb && t[s].how == How::Exact && t[s].key.ends_with(U"LY"sv))) &&
                !among(kAsPhraseWords, t[s].key) && nextWord(t, as) != kNone && !readByBuiltInRule(t, i) &&
                !leftToPhraseRule(t, i, c)) {
                const std::size_t p = previousWord(t, i), then = nextWord(t, as);
                if (const std::u32string_view m = withoutRelativeMark(t[s].meaning); m.size() != t[s].meaning.size())
                    t[s].setMeaning(std::u32string(m)); // "as good as": ดี, not ที่ดี
                const bool negated = p != kNone && (t[p].key == U"NOT"sv || t[p].key == U"T"sv);
                t[i].kind = Kind::Dropped;
                // be before it is unwritten, as before any adjective ("is as old as" => แก่พอๆกับ)
                if (const std::size_t b = negated ? previousWord(t, p) : p;
                    b != kNone && wordWith(t[b], How::Exact, Label::Be) && t[s].label == Label::Adjective)
                    t[b].kind = Kind::Dropped;
                // "as fast as you can" => เร็วเท่าที่คุณสามารถ; "as simple as possible" => ง่ายที่สุดเท่าที่เป็นไปได้
                const bool clause =
                    isWord(t[then]) && (among(kSubjects, t[then].key) || among(kSubjectsAtClauseStart, t[then].key));
                setReading(t[as], How::Exact, Label::Preposition,
                           t[then].key == U"POSSIBLE"sv ? U"ที่สุดเท่าที่"sv
                           : clause                     ? U"เท่าที่"sv
                           : negated                    ? U"เท่า"sv
                                                        : U"พอๆกับ"sv);
                return;
            }
            // before a participle and where it was said: ตามที่ ("as specified with ifconfig" => ตามที่ระบุกับ...,
            // "as described below" => ตามที่อธิบายข้างล่าง), not เป็นระบุ; not before a noun ("as used cars")
            if (const std::size_t after = s == kNone ? kNone : nextWord(t, s);
                s != kNone && isParticiple(t[s]) && !among(kParticiplesLikeBase, t[s].key) &&
                (after == kNone ||
                 !(isNoun(t[after]) || isArticle(t[after]) || wordWith(t[after], How::Exact, Label::Adjective)))) {
                // (the phrase rules that read เป็น before a verb read a passive be: "is described" => ถูกอธิบาย)
                setReading(t[i], How::Exact, Label::Conjunction, U"ตามที่"sv);
                setReading(t[s], How::Exact, Label::TransitiveVerb, std::u32string(t[s].meaning));
                return;
            }
            if (s == kNone || !wordWith(t[s], How::Exact, Label::Pronoun) ||
                !(among(kSubjects, t[s].key) || t[s].key == U"YOU"sv))
                return;
            // "as he was leaving" => ขณะที่เขากำลังออกจาก: while, not เป็น
            std::size_t ing = nextWord(t, s);
            if (ing != kNone && isWord(t[ing]) && among(kBeForms, t[ing].key))
                ing = nextWord(t, ing);
            if (ing != kNone && isWord(t[ing]) && t[ing].key.ends_with(U"ING"sv) &&
                t[ing].meaning.starts_with(U"กำลัง"sv)) {
                if (!leftToPhraseRule(t, i, c))
                    setReading(t[i], How::Exact, Label::Conjunction, U"ขณะที่"sv);
                return;
            }
            for (std::size_t v = nextWord(t, s), words = 0; v != kNone && words < 3; v = nextWord(t, v), ++words) {
                if (verbFormOf<kSayingVerbs>(t[v].key)) {
                    if (!leftToPhraseRule(t, i, c))
                        setReading(t[i], How::Exact, Label::Conjunction, U"ดังที่"sv);
                    return;
                }
                if (!(isAdverbWord(t[v]) || among(kModals, t[v].key) || among(kHaveForms, t[v].key)))
                    return;
            }
            return;
        }
        if (!isWord(t[i]) || t[i].key != U"LIKE"sv || t[i].how != How::Exact || !isVerb(t[i].label))
            return;
        bool comma = false;
        const std::size_t p = previousWord(t, i, &comma), n = nextWord(t, i);
        if (n == kNone)
            return;
        const bool nounPhrase = t[n].kind == Kind::Piece || among(kDeterminers, t[n].key) || isNoun(t[n]) ||
                                (isWord(t[n]) && t[n].label == Label::Adjective);
        bool compares = false, degree = false;
        if (p == kNone || comma) {
            compares = nounPhrase && (p == kNone ? firstOfSentence(i, c) : true);
        } else if (isVerbWord(t[p]) && !among(kAuxiliaries, t[p].key) && !among(kDoNegatives, t[p].key)) {
            compares = true;
        } else if (wordWith(t[p], How::Exact, Label::Pronoun) &&
                   (t[p].key == U"IT"sv || among(kOnlyObjects, t[p].key))) {
            compares = true; // "do it like that": a verb's object, or "it", which would take "likes"
        } else if (wordWith(t[p], How::Exact, Label::Be)) {
            compares = true; // "It is exactly like the old one", whose adverb went to the end
        } else if (among(kDegreeWords, t[p].key) || t[p].key == U"NOT"sv || t[p].key == U"T"sv) {
            // after be (perhaps unwritten), not, he, she or it and words of degree: "It is very much like a dream"
            // => มันมากมากเหมือนความฝัน, "She is just like her mother" => เธอเป็นแค่เหมือนแม่เธอ
            const std::size_t before = stepOver(
                t, p, false, [](const GrammarToken &w) { return isAdverbWord(w) || among(kDegreeWords, w.key); });
            // (not after a do that a rule left unwritten: "she didn't like doing it")
            const bool negation = t[p].key == U"NOT"sv || t[p].key == U"T"sv;
            degree = before != kNone && isWord(t[before]) &&
                     (t[before].label == Label::Be ||
                      (!negation && (t[before].key == U"NOT"sv || t[before].key == U"T"sv || t[before].key == U"IT"sv ||
                                     t[before].key == U"HE"sv || t[before].key == U"SHE"sv)));
            compares = degree;
        } else if (isNoun(t[p]) && t[p].key.ends_with(U"S"sv) && !t[p].key.ends_with(U"SS"sv)) {
            // after a plural, before names ("Modes like CBC, CTR and CFB" => โหมดเช่น...) or before what a be or a
            // modal follows ("Programs like grep and sed are useful"): an example, not the plural's verb
            const bool name = isWord(t[n]) && (t[n].capitals || t[n].quiet || t[n].how == How::Unrendered ||
                                               t[n].how == How::RawFallback);
            // (not a clause: "like a user would do", "like there are")
            bool beAfter = false;
            const bool clause = isArticle(t[n]) || t[n].key == U"THERE"sv || among(kSubjects, t[n].key);
            for (std::size_t k = nextWord(t, n), words = 0;
                 !clause && k != kNone && words < kMostWordsBetween && !beAfter; k = nextWord(t, k), ++words)
                beAfter = isWord(t[k]) && ((t[k].label == Label::Be && t[k].how == How::Exact) ||
                                           (among(kModals, t[k].key) && wordWith(t[k], How::Exact, Label::Adverb)));
            if (name || beAfter) {
                if (!leftToPhraseRule(t, i, c))
                    setReading(t[i], How::Exact, Label::Preposition, U"เช่น"sv);
                return;
            }
        } else if (wordWith(t[p], How::Exact, Label::Noun) && !t[p].key.ends_with(U"S"sv)) {
            // after a singular noun with its article: a subject there would take "likes" ("a creature like us")
            const std::size_t a = previousWord(t, p);
            compares = a != kNone && (isArticle(t[a]) || among(kOwners, t[a].key) || among(kDeterminers, t[a].key));
        }
        const std::size_t after = nextWord(t, n);
        const bool thisAlone =
            (t[n].key == U"THAT"sv || t[n].key == U"THIS"sv) &&
            (after == kNone ||
             !(isNoun(t[after]) || t[after].kind == Kind::Piece ||
               (isWord(t[after]) && (t[after].label == Label::Adjective || t[after].label == Label::Pronoun))));
        // the verb after its subject takes "this" or "that" as the thing it likes: "I like this" => ฉันชอบสิ่งนี้ (a
        // built-in phrase rule would read ชอบนี้ as อย่างนี้)
        if (!compares && thisAlone && p != kNone && !comma && isWord(t[p]) &&
            (among(kSubjects, t[p].key) || t[p].key == U"YOU"sv)) {
            setReading(t[n], How::Exact, Label::Pronoun, t[n].key == U"THAT"sv ? U"สิ่งนั้น"sv : U"สิ่งนี้"sv);
            return;
        }
        // (a built-in phrase rule reads some words with it: "looks like" => ดูเหมือน; but not the มากชอบ of "I'd very
        // much like", which a word of degree after be is not)
        if (!compares || leftToPhraseRule(t, i, c) ||
            (p != kNone && !comma && !degree && joinsPhraseRule(ownThai(t[p]), t[i].meaning)))
            return;
        if (p != kNone && !comma && ownThai(t[p]).ends_with(U"เหมือน"sv)) { // "seems like" => ดูเหมือน
            t[i].kind = Kind::Dropped;
            return;
        }
        if (thisAlone) { // "like that" => แบบนั้น, not "like that man"
            setReading(t[i], How::Exact, Label::Preposition, t[n].key == U"THAT"sv ? U"แบบนั้น"sv : U"แบบนี้"sv);
            t[n].kind = Kind::Dropped;
            return;
        }
        if (c.sense && c.sense(t[i].key, isPrepositionLabel, like))
            setReading(t[i], How::Exact, Label::Preposition, like);
    });
}

// make + what it acts on + a verb or an adjective makes it so: ทำให้ ("It makes the program run faster" =>
// มันทำให้โปรแกรมรันเร็วกว่า, "It makes it easy" => มันทำให้มันง่าย), not ทำ; "make sure" before a clause checks it:
// ตรวจให้แน่ใจว่า ("Make sure the file exists" => ตรวจให้แน่ใจว่าแฟ้มมีอยู่, not ทำแฟ้มแน่ใจ...).
void causative(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t i) {
        if (!isWord(t[i]) || t[i].quiet || !among(kMakeForms, t[i].key) || t[i].meaning.starts_with(U"ถูก"sv))
            return; // (nor a passive that an earlier rule wrote: "have been made")
        if (const std::size_t b = stepOver(t, i, false, isAdverbWord);
            b != kNone && isWord(t[b]) && t[b].label == Label::Be)
            return; // "was made": a passive
        const std::size_t n = nextWord(t, i);
        if (n == kNone)
            return;
        if (t[n].key == U"SURE"sv && isWord(t[n])) {
            if (const std::size_t a = nextWord(t, n); opensSubject(t, a) && t[a].key != U"THAT"sv) {
                setReading(t[i], How::Exact, Label::TransitiveVerb, U"ตรวจให้แน่ใจว่า"sv);
                t[n].kind = Kind::Dropped;
            }
            return;
        }
        // what it acts on: an object pronoun, or a noun phrase of a few words that ends with a noun
        std::size_t object = kNone;
        if (wordWith(t[n], How::Exact, Label::Pronoun) && among(kObjectPronouns, t[n].key)) {
            object = n;
        } else {
            for (std::size_t j = n, words = 0; j != kNone && words <= kMostWordsBetween; j = nextWord(t, j), ++words) {
                if (isNoun(t[j]) && !among(kDeterminers, t[j].key))
                    object = j;
                else if (object != kNone || !(isArticle(t[j]) || among(kDeterminers, t[j].key) ||
                                              wordWith(t[j], How::Exact, Label::Adjective)))
                    break;
            }
        }
        // (not "make sense", "them all", "good mirrors like they used to", an adjective before a noun: "make more
        // mistakes next time")
        const std::size_t v = object == kNone ? kNone : nextWord(t, object),
                          after = v == kNone ? kNone : nextWord(t, v);
        if (v == kNone || !isWord(t[v]) || t[object].key == U"SENSE"sv || among(kDeterminers, t[v].key) ||
            t[v].key == U"LIKE"sv || (t[v].key.ends_with(U"ED"sv) && t[v].label != Label::Adjective) ||
            !((t[v].how == How::Exact && (isVerb(t[v].label) || t[v].label == Label::Adjective)) ||
              (t[v].how == How::Write && t[v].family == SuffixFamily::ER && t[v].label == Label::Adjective)) ||
            (t[v].label == Label::Adjective && after != kNone && (isNoun(t[after]) || t[after].key == U"THAN"sv)))
            return;
        for (std::size_t k = object + 1; k < v; ++k)
            if (t[k].kind == Kind::Dropped)
                return; // a be left unwritten between them: "Making files is easy
        // ("of making life tolerable" => ของการทำให้ชีวิตพอทนได้; not ", making it slow")
        const std::size_t before = previousWord(t, i);
        setReading(t[i], How::Exact, Label::TransitiveVerb,
                   t[i].meaning.starts_with(U"การ"sv) && before != kNone &&
                           wordWith(t[before], How::Exact, Label::Preposition)
                       ? U"การทำให้"sv
                       : U"ทำให้"sv);
    });
}

// Compounds whose parts the composition below reads wrongly, with their Thai.
constexpr std::array<std::pair<std::u32string_view, std::u32string_view>, 29> kWholeCompounds{{
    {U"UPPER-LEFT"sv, U"บนซ้าย"sv},
    {U"UPPER-RIGHT"sv, U"บนขวา"sv},
    {U"LOWER-LEFT"sv, U"ล่างซ้าย"sv},
    {U"LOWER-RIGHT"sv, U"ล่างขวา"sv},
    {U"TOP-LEFT"sv, U"บนซ้าย"sv},
    {U"TOP-RIGHT"sv, U"บนขวา"sv},
    {U"BOTTOM-LEFT"sv, U"ล่างซ้าย"sv},
    {U"BOTTOM-RIGHT"sv, U"ล่างขวา"sv},
    {U"TOP-NOTCH"sv, U"ชั้นยอด"sv},
    {U"HALF-DOZEN"sv, U"ครึ่งโหล"sv},
    {U"RIGHT-HAND"sv, U"ขวามือ"sv},
    {U"LEFT-ALIGNED"sv, U"ชิดซ้าย"sv},
    {U"LONG-LIVED"sv, U"ที่มีอายุยืน"sv},
    {U"SHORT-LIVED"sv, U"ที่มีอายุสั้น"sv},
    {U"RIGHT-ALIGNED"sv, U"ชิดขวา"sv},
    {U"LEFT-HAND"sv, U"ซ้ายมือ"sv},
    {U"END-USER"sv, U"ผู้ใช้ปลายทาง"sv},
    {U"LONG-TERM"sv, U"ระยะยาว"sv},
    {U"SHORT-TERM"sv, U"ระยะสั้น"sv},
    {U"OPEN-SOURCE"sv, U"โอเพนซอร์ส"sv},
    {U"THIRD-PARTY"sv, U"ของบุคคลที่สาม"sv},
    {U"BUILT-IN"sv, U"ที่มีในตัว"sv},
    {U"WELL-KNOWN"sv, U"ที่รู้จักกันดี"sv},
    {U"SO-CALLED"sv, U"ที่เรียกว่า"sv},
    {U"CASE-SENSITIVE"sv, U"ที่แยกตัวพิมพ์เล็กใหญ่"sv},
    {U"CASE-INSENSITIVE"sv, U"ที่ไม่แยกตัวพิมพ์เล็กใหญ่"sv},
    {U"TOP-LEVEL"sv, U"ระดับบนสุด"sv},
    {U"FULL-TIME"sv, U"เต็มเวลา"sv},
    {U"PART-TIME"sv, U"นอกเวลา"sv},
}};

constexpr std::array kTens{U"TWENTY"sv, U"THIRTY"sv,  U"FORTY"sv,  U"FIFTY"sv,
                           U"SIXTY"sv,  U"SEVENTY"sv, U"EIGHTY"sv, U"NINETY"sv};
constexpr std::array kUnits{U"ONE"sv, U"TWO"sv,   U"THREE"sv, U"FOUR"sv, U"FIVE"sv,
                            U"SIX"sv, U"SEVEN"sv, U"EIGHT"sv, U"NINE"sv};

// Nouns written with a hyphen.
constexpr std::array<std::pair<std::u32string_view, std::u32string_view>, 13> kHyphenNouns{{
    {U"CLEAN-UP"sv, U"การทำความสะอาด"sv},
    {U"CLEAN-UPS"sv, U"การทำความสะอาด"sv},
    {U"HOW-TO"sv, U"คู่มือวิธีทำ"sv},
    {U"E-MAIL"sv, U"อีเมล"sv},
    {U"E-MAILS"sv, U"อีเมล"sv},
    {U"SET-UP"sv, U"การตั้งค่า"sv},
    {U"LOG-IN"sv, U"การเข้าสู่ระบบ"sv},
    {U"FOLLOW-UP"sv, U"การติดตามผล"sv},
    {U"FOLLOW-UPS"sv, U"การติดตามผล"sv},
    {U"TRADE-OFF"sv, U"การแลกเปลี่ยน"sv},
    {U"TRADE-OFFS"sv, U"การแลกเปลี่ยน"sv},
    {U"SPEED-UP"sv, U"การเร่งความเร็ว"sv},
    {U"GOOD-BYE"sv, U"ลาก่อน"sv},
}};

// Set phrases written with hyphens, which the rule reads whole.
constexpr std::array<std::pair<std::u32string_view, std::u32string_view>, 14> kChainCompounds{{
    {U"UP-TO-DATE"sv, U"ล่าสุด"sv},
    {U"OUT-OF-DATE"sv, U"ล้าสมัย"sv},
    {U"STATE-OF-THE-ART"sv, U"ล้ำสมัย"sv},
    {U"WELL-TO-DO"sv, U"มีฐานะดี"sv},
    {U"END-TO-END"sv, U"ตั้งแต่ต้นจนจบ"sv},
    {U"ONE-TO-ONE"sv, U"หนึ่งต่อหนึ่ง"sv},
    {U"STEP-BY-STEP"sv, U"ทีละขั้นตอน"sv},
    {U"DAY-TO-DAY"sv, U"ประจำวัน"sv},
    {U"FACE-TO-FACE"sv, U"แบบตัวต่อตัว"sv},
    {U"PEER-TO-PEER"sv, U"แบบเพียร์ทูเพียร์"sv},
    {U"DRAG-AND-DROP"sv, U"ลากและวาง"sv},
    {U"OFF-THE-SHELF"sv, U"สำเร็จรูป"sv},
    {U"ONE-OF-A-KIND"sv, U"หนึ่งเดียว"sv},
    {U"RUN-OF-THE-MILL"sv, U"ธรรมดา"sv},
}};

// Second parts that say how the first describes: "terminal-specific" => เฉพาะเทอร์มินัล (the Thai before the first
// part's), "read-only" => อ่านอย่างเดียว (after it).
constexpr std::array<std::pair<std::u32string_view, std::u32string_view>, 10> kCompoundHeads{{
    {U"SPECIFIC"sv, U"เฉพาะ"sv},
    {U"LIKE"sv, U"คล้าย"sv},
    {U"BASED"sv, U"ที่อิง"sv},
    {U"FREE"sv, U"ที่ไม่มี"sv},
    {U"WIDE"sv, U"ทั่วทั้ง"sv},
    {U"ORIENTED"sv, U"เชิง"sv},
    {U"DEPENDENT"sv, U"ที่ขึ้นกับ"sv},
    {U"INDEPENDENT"sv, U"ที่ไม่ขึ้นกับ"sv},
    {U"AWARE"sv, U"ที่รู้จัก"sv},
    {U"ENABLED"sv, U"ที่รองรับ"sv},
}};

// First parts whose Thai goes before the second's ("multi-user" => หลายผู้ใช้, "cross-platform" => ข้ามแพลตฟอร์ม) or,
// marked by a leading space here, after it ("sub-directory" => ไดเรกทอรีย่อย).
constexpr std::array<std::pair<std::u32string_view, std::u32string_view>, 7> kCompoundPrefixes{{
    {U"MULTI"sv, U"หลาย"sv},
    {U"POST"sv, U"หลัง"sv},
    {U"PRE"sv, U"ก่อน"sv},
    {U"SEMI"sv, U"กึ่ง"sv},
    {U"ANTI"sv, U"ต่อต้าน"sv},
    {U"CROSS"sv, U"ข้าม"sv},
    {U"SUB"sv, U" ย่อย"sv},
}};

using CompoundTable = std::span<const std::pair<std::u32string_view, std::u32string_view>>;

/// The Thai a table gives an upper-case key, or nothing.
std::u32string_view thaiIn(CompoundTable table, std::u32string_view key) {
    const auto found = std::find_if(table.begin(), table.end(), [&](const auto &e) { return e.first == key; });
    return found == table.end() ? std::u32string_view{} : found->second;
}

/// The last noun of the noun phrase that starts at token `from`, over the words before its first noun (only
/// adjectives when `adjectivesOnly`); an -ing word before what it takes ends the phrase. kNone when there is none.
std::size_t lastNounFrom(std::span<GrammarToken> t, std::size_t from, bool adjectivesOnly) {
    std::size_t last = kNone;
    for (std::size_t j = from, words = 0; j != kNone && words < kMostWordsBetween; j = nextWord(t, j), ++words)
        if (isNoun(t[j]) && !(last != kNone && ingBeforeObject(t, j)))
            last = j;
        else if (last != kNone || (adjectivesOnly && !wordWith(t[j], How::Exact, Label::Adjective)))
            break;
    return last;
}

/// The Thai of a compound "a-b" that describes what follows it, or nothing when its parts are not read so.
/// `opensPhrase`: what comes before opens a noun phrase (an article, an owner, an adjective), so that an -ing word is
/// no gerund ("various time-consuming commands", not "avoid lazy-fetching tags"); `afterBe`: it says what something
/// is ("It is event-driven" => มันถูกขับโดยเหตุการณ์).
std::u32string compoundThai(const GrammarToken &a, const GrammarToken &b, bool opensPhrase, bool afterBe,
                            const GrammarContext &c) {
    std::u32string_view first = ownThai(a), second = ownThai(b);
    if (b.quiet || second.empty())
        return {};
    if (isNoun(b) && (a.key == U"ONE"sv || among(kNumberWords, a.key))) // "one-bit" => หนึ่งบิต
        return std::u32string(first) + std::u32string(second);
    if (const std::u32string_view thai = thaiIn(kCompoundPrefixes, a.key); !thai.empty())
        return thai[0] == U' ' ? std::u32string(second) + std::u32string(thai.substr(1))
                               : std::u32string(thai) + std::u32string(second);
    if (a.key == U"NON"sv) { // "non-zero" => ที่ไม่ใช่ศูนย์, "non-empty" => ที่ไม่ว่าง, "non-existing" => ที่ไม่มีอยู่
        if (second.starts_with(U"ที่"sv))
            second.remove_prefix(3);
        return (isNoun(b) ? U"ที่ไม่ใช่"s : U"ที่ไม่"s) + std::u32string(second);
    }
    if (a.quiet || b.quiet || !isWord(a) || a.key.size() < 2 || first.empty() || second.empty())
        return {};
    if (const std::u32string_view thai = thaiIn(kCompoundHeads, b.key);
        !thai.empty() && (isNoun(a) || a.label == Label::Other))
        return std::u32string(thai) + std::u32string(first);
    if (b.key == U"ONLY"sv) // "read-only"
        return std::u32string(first) + U"อย่างเดียว";
    std::u32string verb;
    // (a participle that is also its verb's own form is a noun after a noun: "record-set")
    // (nor is a regular one after an adjective, which tells what something has: "pale-faced", "two-handed")
    if (isParticiple(b) && !(among(kParticiplesLikeBase, b.key) && isNoun(a)) &&
        !(!isIrregularParticiple(b.key) &&
          (a.label == Label::Adjective || a.key == U"ONE"sv || among(kNumberWords, a.key))) &&
        participleVerb(b, c, verb)) {
        if (a.key == U"SELF"sv) // "self-signed" => ที่ลงนามเอง
            return U"ที่"s + verb + U"เอง";
        // "user-defined" => ที่ผู้ใช้นิยาม; "newly-created" => ที่สร้างใหม่
        if (isNoun(a) || a.label == Label::Pronoun)
            return afterBe ? U"ถูก"s + verb + U"โดย" + std::u32string(first) : U"ที่"s + std::u32string(first) + verb;
        if (a.label == Label::Adjective || a.label == Label::Adverb)
            return U"ที่"s + verb + std::u32string(first);
        return {};
    }
    if (b.key.ends_with(U"ING"sv) && opensPhrase && ingVerb(b, c, verb)) // "time-consuming" => ที่บริโภคเวลา
        return U"ที่"s + verb + std::u32string(first);
    if (wordWith(b, How::Exact, Label::Adjective) && (isNoun(a) || a.key == U"SELF"sv)) {
        // "human-readable" => ที่มนุษย์อ่านได้; "thread-safe" => ปลอดภัยเธรด
        if (b.key.ends_with(U"ABLE"sv) || b.key.ends_with(U"IBLE"sv))
            return U"ที่"s + std::u32string(first) + std::u32string(second);
        return std::u32string(second) + std::u32string(first);
    }
    return {};
}

// A word, a hyphen and a word, written together, before a noun or after be, describe like one adjective:
// "user-defined functions" => ฟังก์ชันที่ผู้ใช้นิยาม, "terminal-specific sequences" => ลำดับเฉพาะเทอร์มินัล, "The file is
// read-only" => แฟ้มอ่านอย่างเดียว. An adjective or a noun before a noun is the noun's modifier, as if the hyphen were a
// space: "low-level functions" => ฟังก์ชันระดับต่ำ, "command-line options" => ตัวเลือกบรรทัดคำสั่ง.
void hyphenCompound(std::span<GrammarToken> t, const GrammarContext &c) {
    eachAnchor(t, c, [&](std::size_t h) {
        if (t[h].kind != Kind::Separator || t[h].text != U"-"sv || h == 0 || h + 1 >= t.size())
            return;
        const std::size_t a = h - 1, b = h + 1;
        auto hyphen = [&](std::size_t k) {
            return k < t.size() && t[k].kind == Kind::Separator && t[k].text == U"-"sv;
        };
        // a number and its unit, after the noun they measure: "a 64-bit system" => ระบบ64 บิท, "the machine is
        // 64-bit" => 64 บิท (not 64-ระบบบิท)
        if (isNumber(t[a]) && isNoun(t[b]) && t[b].how == How::Exact && !hyphen(b + 1) &&
            !(a > 0 && t[a - 1].kind == Kind::Separator && !isBlank(t[a - 1])) &&
            std::all_of(t[a].text.begin(), t[a].text.end(), [](char32_t d) { return d >= U'0' && d <= U'9'; })) {
            const std::u32string measure = t[a].text + U" " + std::u32string(ownThai(t[b]));
            t[a].kind = Kind::Dropped;
            t[h].kind = Kind::Dropped;
            if (const std::size_t noun = lastNounFrom(t, nextWord(t, b), true); noun != kNone) {
                t[noun].tail.insert(0, measure);
                t[b].kind = Kind::Dropped;
            } else {
                setReading(t[b], How::Exact, Label::Other, measure);
            }
            return;
        }
        if (!isWord(t[a]) || !isWord(t[b]))
            return;
        if (a > 0 && t[a - 1].kind == Kind::Separator && t[a - 1].text != U","sv && t[a - 1].text != U"("sv)
            return; // a path or a name: "/usr/lib/x86_64-linux-gnu"
        if (a > 0 && hyphen(a - 1))
            return;          // (a later hyphen of a chain, or "--long-option")
        if (hyphen(b + 1)) { // a chain: only the set ones ("up-to-date" => ล่าสุด)
            std::u32string whole(t[a].key);
            std::size_t last = b;
            for (std::size_t k = h; hyphen(k) && k + 1 < t.size() && (isWord(t[k + 1]) || isArticle(t[k + 1]));
                 k += 2) {
                whole += U'-';
                whole += t[k + 1].key;
                last = k + 1;
            }
            const std::u32string_view known = thaiIn(kChainCompounds, whole);
            if (known.empty() || hyphen(last + 1))
                return;
            for (std::size_t k = a; k < last; ++k)
                t[k].kind = Kind::Dropped;
            if (const std::size_t noun = lastNounFrom(t, nextWord(t, last), true); noun != kNone) {
                t[noun].tail.insert(0, known); // before a noun phrase: after it
                t[last].kind = Kind::Dropped;
            } else {
                t[last].quiet = false;
                t[last].setKey(whole);
                setReading(t[last], How::Exact, Label::Adjective, known);
            }
            return;
        }
        // a number in words: "twenty-four" => ยี่สิบสี่, "thirty-one" => สามสิบเอ็ด
        if (among(kTens, t[a].key) && among(kUnits, t[b].key) && !t[a].quiet && !t[b].quiet) {
            setReading(t[b], How::Exact, t[a].label, // (written where it stands, as the tens are)
                       std::u32string(ownThai(t[a])) + std::u32string(t[b].key == U"ONE"sv ? U"เอ็ด"sv : ownThai(t[b])));
            t[a].kind = Kind::Dropped;
            t[h].kind = Kind::Dropped;
            return;
        }
        std::u32string whole(t[a].key);
        whole += U'-';
        whole += t[b].key;
        // a noun written with a hyphen, wherever it stands: "code clean-ups" => การทำความสะอาดรหัส
        if (const std::u32string_view noun = thaiIn(kHyphenNouns, whole); !noun.empty()) {
            t[b].quiet = false;
            t[b].setKey(whole);
            setReading(t[b], How::Exact, Label::Noun, noun);
            t[a].kind = Kind::Dropped;
            t[h].kind = Kind::Dropped;
            return;
        }
        const std::size_t next = nextWord(t, b), before = previousWord(t, a);
        // (a noun, or a word before one: "terminal-specific escape sequences")
        const std::size_t afterNext = next == kNone ? kNone : nextWord(t, next);
        const bool beforeNoun =
            next != kNone &&
            (isNoun(t[next]) || (t[next].how == How::Exact && !t[next].quiet &&
                                 (t[next].label == Label::Adjective || isVerb(t[next].label)) &&
                                 !among(kDeterminers, t[next].key) && afterNext != kNone && isNoun(t[afterNext])));
        const bool afterBe = before != kNone && isWord(t[before]) && t[before].label == Label::Be &&
                             (next == kNone || !isWord(t[next]) || !isNoun(t[next]));
        const bool prefixed =
            !thaiIn(kCompoundPrefixes, t[a].key).empty() || t[a].key == U"ONE"sv || among(kNumberWords, t[a].key);
        // (an adjective and a noun are a noun wherever they stand: "best-effort and real-time" =>
        // ความพยายามดีที่สุดและเวลาจริง)
        const bool adjectiveNoun = isNoun(t[b]) && !t[a].quiet && wordWith(t[a], How::Exact, Label::Adjective);
        if (!beforeNoun && !afterBe && !(prefixed && isNoun(t[b])) && !adjectiveNoun) // ("create a sub-directory here")
            return;
        std::u32string thai(thaiIn(kWholeCompounds, whole));
        if (thai.empty() && (beforeNoun || adjectiveNoun) && isNoun(t[b]) && !t[a].quiet && !prefixed &&
            (isNoun(t[a]) || wordWith(t[a], How::Exact, Label::Adjective))) {
            t[h].kind = Kind::Dropped; // the grammar mode's own order of a noun's modifiers
            return;
        }
        const bool opensPhrase =
            before != kNone &&
            (isArticle(t[before]) || isNumber(t[before]) || among(kOwners, t[before].key) ||
             among(kDeterminers, t[before].key) || wordWith(t[before], How::Exact, Label::Adjective));
        // (a participle after a subject is its verb: "tags that auto-followed")
        if (isParticiple(t[b]) && before != kNone && isWord(t[before]) &&
            (t[before].label == Label::Pronoun || among(kRelatives, t[before].key) || isNoun(t[before])))
            return;
        if (thai.empty())
            thai = compoundThai(t[a], t[b], opensPhrase, afterBe && !beforeNoun, c);
        if (thai.empty())
            return;
        t[a].kind = Kind::Dropped;
        t[h].kind = Kind::Dropped;
        if (const std::size_t last = beforeNoun ? lastNounFrom(t, next, false) : kNone;
            last != kNone) { // after the noun phrase, as a participle before its noun is
            t[last].tail.insert(0, thai);
            t[b].kind = Kind::Dropped;
            return;
        }
        // The second part carries it: the line's last word, after which the held text is written.
        t[b].quiet = false;
        t[b].setKey(whole); // no longer the word the later rules know ("is read-only" is no passive)
        setReading(t[b], How::Exact, afterBe ? Label::Adjective : Label::Noun, thai);
    });
}

constexpr GrammarRuleSpec kRules[] = {
    {GrammarRule::HyphenCompound, "hyphen-compound", hyphenCompound},
    {GrammarRule::ParticipleBeforeNoun, "participle-before-noun", participleBeforeNoun},
    {GrammarRule::ParticipleAfterNoun, "participle-after-noun", participleAfterNoun},
    {GrammarRule::IngAfterNoun, "ing-after-noun", ingAfterNoun},
    {GrammarRule::Possessive, "possessive", possessive},
    {GrammarRule::Relative, "relative", relative},
    {GrammarRule::EmbeddedQuestion, "embedded-question", embeddedQuestion},
    {GrammarRule::DoSupport, "do-support", doSupport},
    {GrammarRule::QuestionOrder, "question-order", questionOrderAndWord},
    {GrammarRule::ImperativeVerb, "imperative-verb", imperativeVerb},
    {GrammarRule::ModalVerb, "modal-verb", modalVerb},
    {GrammarRule::Perfect, "perfect", perfect},
    {GrammarRule::Passive, "passive", passive},
    {GrammarRule::Gerund, "gerund", gerund},
    {GrammarRule::BeAdjective, "be-adjective", beAdjective},
    {GrammarRule::ToVerb, "to-verb", toVerb},
    {GrammarRule::ToObject, "to-object", toObject},
    {GrammarRule::MustNot, "must-not", mustNot},
    {GrammarRule::MannerAdverb, "manner-adverb", mannerAdverb},
    {GrammarRule::TimeAdverb, "time-adverb", timeAdverb},
    {GrammarRule::AlsoAtEnd, "also-at-end", alsoAtEnd},
    {GrammarRule::SubjectVerb, "subject-verb", subjectVerb},
    {GrammarRule::Duration, "duration", duration},
    {GrammarRule::Comparative, "comparative", comparative},
    {GrammarRule::Than, "than", than},
    {GrammarRule::ReducedRelative, "reduced-relative", reducedRelative},
    {GrammarRule::NoBeforeNoun, "no-before-noun", noBeforeNoun},
    {GrammarRule::NounAfterArticle, "noun-after-article", nounAfterArticle},
    {GrammarRule::NounBeforeNumber, "noun-before-number", nounBeforeNumber},
    {GrammarRule::NameAfterNoun, "name-after-noun", nameAfterNoun},
    {GrammarRule::LikeAs, "like-as", likeAs},
    {GrammarRule::Causative, "causative", causative},
};
static_assert(std::size(kRules) == kGrammarRuleCount);

} // namespace

bool isNamedThing(std::u32string_view upperKey) {
    return listed<kNamedThings>(upperKey);
}

// Called for every word: the checks go by the key's length and first letter before any comparison of words.
GrammarRuleSet rulesTriggeredBy(const GrammarToken &t) {
    if (t.kind != Kind::Word)
        return 0;
    GrammarRuleSet rules = 0;
    const std::u32string_view k = t.key;
    const std::size_t n = k.size();
    // a word the dictionary lacks, or a name before brackets ("read()")
    if (((t.how == How::Unrendered || t.how == How::RawFallback) && !t.quiet) || t.beforeParen)
        rules |= ruleBit(GrammarRule::NameAfterNoun);
    if ((t.label == Label::Pronoun && t.how == How::Exact && among(kOnlyObjects, k)) || // what a verb takes
        k == U"LISTS"sv) // (a manual page's summary: "Lists Cloud NetApp Volumes")
        rules |= ruleBit(GrammarRule::ImperativeVerb);
    const bool number = listed<kNumberWords>(k);
    // "each other", "any change"
    if (listed<kNounOpeners>(k) || (n <= 8 && number) || endsSetPhrase(k) || k == U"ABOVE"sv || k == U"THESE"sv ||
        k == U"THOSE"sv || k == U"VIEW"sv || k == U"DAY"sv)
        rules |= ruleBit(GrammarRule::NounAfterArticle);
    if (n <= 5 && listed<kOwners>(k)) // "your help"
        rules |= ruleBit(GrammarRule::Possessive);
    if (isParticiple(t) || k == U"NAMED"sv || k == U"AVAILABLE"sv ||
        placedFromNoun(t)) // (the dictionary has "named" as an adjective)
        rules |= ruleBit(GrammarRule::ParticipleAfterNoun);
    if (mayDescribeNoun(t))
        rules |= ruleBit(GrammarRule::ParticipleBeforeNoun);
    if ((t.how == How::Write && (t.family == SuffixFamily::S || t.family == SuffixFamily::ED) && isVerb(t.label)) ||
        (t.how != How::Exact && t.family == SuffixFamily::S && t.label == Label::Adjective) ||
        (t.label == Label::Pronoun && n <= 4 && (among(kSubjects, k) || among(kSubjectsAtClauseStart, k))))
        rules |= ruleBit(GrammarRule::SubjectVerb);
    if (t.label == Label::Pronoun && n <= 4 && (among(kSubjects, k) || k == U"YOU"sv || k == U"IT"sv))
        rules |= ruleBit(GrammarRule::ReducedRelative);
    if (n > 3 && listed<kVerbsOfAbout>(k)) // "think of"
        rules |= ruleBit(GrammarRule::ToObject);
    if (n > 2 && verbFormOf<kThinkingVerbs>(k)) // "I think he is" => คิดว่าเขา
        rules |= ruleBit(GrammarRule::EmbeddedQuestion);
    if (isVerb(t.label) && among(kSpeechVerbs, k)) // '"Yes," said his wife'
        rules |= ruleBit(GrammarRule::SubjectVerb);
    if (n >= 3 && n <= 7 && k[0] == U'G' && among(kGetForms, k)) // "getting dark", "gets thrown away"
        rules |= ruleBit(GrammarRule::BeAdjective) | ruleBit(GrammarRule::Passive);
    if (t.label == Label::Be) // the -ing rule needs an -ing word, which sets it off itself
        rules |=
            ruleBit(GrammarRule::Passive) | ruleBit(GrammarRule::QuestionOrder) | ruleBit(GrammarRule::BeAdjective);
    if (n > 3 && k[n - 1] == U'G' && k[n - 2] == U'N' && k[n - 3] == U'I' &&
        ((t.how == How::Write && t.family == SuffixFamily::ING) || t.how == How::Exact))
        rules |= ruleBit(GrammarRule::Gerund) | ruleBit(GrammarRule::IngAfterNoun);
    const bool adverb = t.label == Label::Adverb;
    if (adverb && n > 3 && k[n - 1] == U'Y' && k[n - 2] == U'L' && t.how == How::Exact)
        rules |= ruleBit(GrammarRule::MannerAdverb) | ruleBit(GrammarRule::TimeAdverb);
    else if ((adverb && (k == U"THEN"sv || k == U"ONCE"sv || k == U"OFTEN"sv)) || k == U"TIME"sv)
        rules |= ruleBit(GrammarRule::TimeAdverb);
    constexpr GrammarRuleSet modal = ruleBit(GrammarRule::QuestionOrder) | ruleBit(GrammarRule::ModalVerb);
    if (listed<kDegreeBeforeAdjective>(k))
        rules |= ruleBit(GrammarRule::Comparative);
    if (adverb && among(kNegativeModals, k))
        rules |= ruleBit(GrammarRule::ModalVerb);
    if (number || (n == 3 && k == U"ONE"sv)) // ("One should never": anyone)
        rules |= ruleBit(GrammarRule::NounBeforeNumber);
    switch (n) {
    case 1:
        if (k[0] == U'S') // the possessive may make it "is", which the passive looks for
            rules |= ruleBit(GrammarRule::Possessive) | ruleBit(GrammarRule::Passive) |
                     ruleBit(GrammarRule::BeAdjective) | ruleBit(GrammarRule::Perfect);
        else if (k[0] == U'D') // 'd: had before a participle (the possessive reads a lone one as the letter)
            rules |= ruleBit(GrammarRule::Perfect) | ruleBit(GrammarRule::Possessive);
        else if (k[0] == U'T' || k[0] == U'M') // 't, 'm or the letter
            rules |= ruleBit(GrammarRule::Possessive);
        break;
    case 2:
        if (k == U"VE"sv)
            rules |= ruleBit(GrammarRule::Perfect);
        else if (k == U"TO"sv)
            rules |= ruleBit(GrammarRule::ToVerb) | ruleBit(GrammarRule::ToObject) | ruleBit(GrammarRule::ModalVerb);
        else if (k == U"AS"sv)
            rules |= ruleBit(GrammarRule::LikeAs);
        else if (k == U"OF"sv) // "Use of this software is free": the first word is a noun
            rules |= ruleBit(GrammarRule::ImperativeVerb);
        else if (k == U"OR"sv)
            rules |= ruleBit(GrammarRule::SubjectVerb);
        else if (k == U"NO"sv)
            rules |= ruleBit(GrammarRule::NoBeforeNoun);
        else if (k == U"DO"sv)
            rules |= ruleBit(GrammarRule::DoSupport);
        else if (k == U"IF"sv)
            rules |= ruleBit(GrammarRule::EmbeddedQuestion);
        break;
    case 3:
    case 4:
    case 5:
    case 6:
        switch (k[0]) {
        case U'H':
            if (k == U"HOW"sv)
                rules |= ruleBit(GrammarRule::EmbeddedQuestion) | ruleBit(GrammarRule::Comparative) |
                         ruleBit(GrammarRule::QuestionOrder);
            else if (among(kHaveForms, k))
                rules |= ruleBit(GrammarRule::Perfect) | ruleBit(GrammarRule::QuestionOrder);
            else if (among(kHaveNegatives, k))
                rules |= ruleBit(GrammarRule::Perfect);
            break;
        case U'D':
            if (among(kDoForms, k) || among(kDoNegatives, k))
                rules |= ruleBit(GrammarRule::DoSupport);
            break;
        case U'N':
            if (k == U"NEVER"sv) // "Never trust"
                rules |= ruleBit(GrammarRule::DoSupport);
            break;
        case U'W':
            // (why, where and what set off the question's order too, which ends their clause before one of when
            // or if)
            if (k == U"WHY"sv)
                rules |= ruleBit(GrammarRule::EmbeddedQuestion) | ruleBit(GrammarRule::QuestionOrder);
            else if (mayBeRelativeOrQuestion(k))
                rules |= ruleBit(GrammarRule::Relative) | ruleBit(GrammarRule::SubjectVerb) |
                         (k == U"WHERE"sv || k == U"WHEN"sv ? ruleBit(GrammarRule::EmbeddedQuestion) : 0) |
                         (k == U"WHERE"sv || k == U"WHAT"sv ? ruleBit(GrammarRule::QuestionOrder) : 0);
            else if (adverb && (k == U"WILL"sv || k == U"WOULD"sv))
                rules |= modal;
            else if (k == U"WELL"sv)
                rules |= ruleBit(GrammarRule::AlsoAtEnd);
            break;
        case U'T':
            if (mayBeRelativeOrQuestion(k))
                rules |= ruleBit(GrammarRule::Relative) | ruleBit(GrammarRule::SubjectVerb);
            else if (among(kTakeForms, k)) // "takes a minute"
                rules |= ruleBit(GrammarRule::Duration);
            else if (k == U"TOO"sv)
                rules |= ruleBit(GrammarRule::AlsoAtEnd) | ruleBit(GrammarRule::Comparative);
            else if (k == U"THAN"sv)
                rules |= ruleBit(GrammarRule::Than);
            break;
        case U'C':
        case U'S':
            if (adverb && among(kModals, k))
                rules |= modal;
            else if (k == U"SINCE"sv)
                rules |= ruleBit(GrammarRule::TimeAdverb);
            break;
        case U'M':
            if (adverb && among(kModals, k))
                rules |= modal;
            if (k == U"MUST"sv || k == U"MUSTN"sv)
                rules |= ruleBit(GrammarRule::MustNot);
            else if (k == U"MORE"sv || k == U"MOST"sv)
                rules |= ruleBit(GrammarRule::Comparative);
            else if (among(kMakeForms, k))
                rules |= ruleBit(GrammarRule::Causative);
            break;
        case U'A':
            if (k == U"AND"sv)
                rules |= ruleBit(GrammarRule::SubjectVerb);
            else if ((k == U"ALSO"sv || k == U"ALWAYS"sv) && adverb)
                rules |= ruleBit(GrammarRule::MannerAdverb);
            else if (among(kAskForms, k)) // ask for
                rules |= ruleBit(GrammarRule::ToObject);
            break;
        case U'F':
            if (k == U"FOR"sv)
                rules |= ruleBit(GrammarRule::Duration);
            break;
        case U'L':
            if (k == U"LIKE"sv)
                rules |= ruleBit(GrammarRule::LikeAs);
            else if (k == U"LESS"sv || k == U"LOTS"sv)
                rules |= ruleBit(GrammarRule::Comparative);
            else if (k == U"LAW"sv || k == U"LAWS"sv) // "Murphy's Law"
                rules |= ruleBit(GrammarRule::NounAfterArticle);
            break;
        case U'P':
            if (k == U"PLENTY"sv)
                rules |= ruleBit(GrammarRule::Comparative);
            break;
        case U'O':
            if (k == U"ONLY"sv)
                rules |= ruleBit(GrammarRule::AlsoAtEnd);
            break;

        case U'E':
            if (k == U"EITHER"sv)
                rules |= ruleBit(GrammarRule::AlsoAtEnd);
            else if (k == U"ENOUGH"sv)
                rules |= ruleBit(GrammarRule::Comparative);
            break;
        case U'B':
            if (k == U"BOTH"sv) // "both ... and"
                rules |= ruleBit(GrammarRule::AlsoAtEnd);
            break;
        case U'Y':
            if (k == U"YET"sv) // "not ... yet"
                rules |= ruleBit(GrammarRule::AlsoAtEnd);
            break;
        default:
            break;
        }
        break;
    case 7:
        if (k == U"WHETHER"sv)
            rules |= ruleBit(GrammarRule::EmbeddedQuestion);
        else if (k == U"NEITHER"sv)
            rules |= ruleBit(GrammarRule::AlsoAtEnd);
        break;
    default:
        break;
    }
    return rules;
}

GrammarRuleSet rulesLookingAt(const GrammarToken &t, const GrammarContext *c) {
    return rulesLookingAt(t, c, t.kind == Kind::Word ? rulesTriggeredBy(t) : 0);
}

GrammarRuleSet rulesLookingAt(const GrammarToken &t, const GrammarContext *c, GrammarRuleSet triggered) {
    if (t.kind == Kind::Piece)
        return rulesLookingAtPiece(isArticle(t), isNumber(t));
    if (t.kind == Kind::Separator)
        return rulesLookingAtSeparator(t.text);
    if (t.kind != Kind::Word)
        return 0;
    // The subject-verb rule is set off by a subject and looks at the verb after it: a suffixed verb, or a word read
    // as a noun or an adjective (which "that" may become).
    const GrammarRuleSet others = triggered & ~ruleBit(GrammarRule::SubjectVerb);
    const bool verbAfterSubject =
        (t.how == How::Write && isVerb(t.label) && (t.family == SuffixFamily::S || t.family == SuffixFamily::ED)) ||
        (t.label == Label::Noun && (t.how == How::Exact || (t.how == How::Write && t.family == SuffixFamily::S))) ||
        (t.label == Label::Adjective && (t.how == How::Exact || t.family == SuffixFamily::S)) || t.key == U"THAT"sv ||
        (isVerb(t.label) && among(kSpeechVerbs, t.key)); // (the speaker after it)
    if (!verbAfterSubject)
        return others;
    // A noun or an adjective is looked at only when it can be a verb: the dictionary says, when the context can ask.
    thread_local std::u32string verb; // (its room is kept from call to call)
    if (((t.label == Label::Adjective && t.family != SuffixFamily::S) ||
         (c && t.label == Label::Noun && t.key != U"THAT"sv)) &&
        (!c || !verbSense(t, *c, verb))) // (an adjective with -s may be a plural noun)
        return others;
    return others | ruleBit(GrammarRule::SubjectVerb);
}

std::span<const GrammarRuleSpec> grammarRules() {
    return kRules;
}

void rewriteTokens(std::span<GrammarToken> tokens, GrammarContext &context, GrammarRuleSet enabled,
                   const GrammarAnchors *anchors) {
    auto skipMarks = [&] {
        while (context.firstToken < tokens.size() &&
               (tokens[context.firstToken].kind == Kind::Separator || isBlank(tokens[context.firstToken])))
            ++context.firstToken;
    };
    context.firstToken = 0;
    skipMarks();
    // (and a number in brackets that counts the sentence: "(2) Who said things would get better?")
    if (const std::size_t f = context.firstToken; f > 0 && f + 1 < tokens.size() && isNumber(tokens[f]) &&
                                                  markAt(tokens, f - 1, U"(") && markAt(tokens, f + 1, U")")) {
        context.firstToken = f + 2;
        skipMarks();
    }
    thread_local GrammarAnchors found; // when none are given, or the tokens moved
    auto findAnchors = [&] {
        found.clear();
        for (std::size_t i = 0; i < tokens.size(); ++i)
            found.add(static_cast<std::uint32_t>(i), rulesLookingAt(tokens[i]));
        anchors = &found;
    };
    if (!anchors)
        findAnchors();
    context.reordered = false;
    // The enabled rules by their place in kRules: the loop passes over those that are off at once.
    // (worked out a byte of rules at a time, by tables made at compile time)
    static constexpr auto kPlaces = [] {
        std::array<std::array<std::uint32_t, 256>, sizeof(GrammarRuleSet)> places{};
        for (std::size_t k = 0; k < std::size(kRules); ++k) {
            const auto rule = static_cast<std::size_t>(kRules[k].rule);
            for (std::size_t byte = 0; byte < 256; ++byte)
                if (byte >> (rule % 8) & 1)
                    places[rule / 8][byte] |= 1u << k;
        }
        return places;
    }();
    std::uint32_t places = 0;
    for (std::size_t b = 0; b < kPlaces.size(); ++b)
        places |= kPlaces[b][enabled >> (8 * b) & 0xFF];
    for (; places; places &= places - 1) {
        const GrammarRuleSpec &r = kRules[std::countr_zero(places)];
        context.anchors = anchors->at[static_cast<std::size_t>(r.rule)];
        r.apply(tokens, context);
        if (context.reordered) {
            findAnchors();
            context.reordered = false;
        }
    }
    context.anchors = {};
}

} // namespace dlx
