// Random dictionaries and texts: the indexed lookup and the line scan must agree with the plain versions, the fast
// phrase rewriting with the literal procedure, and nothing may crash.
#include "Codec874.h"
#include "Driver.h"
#include "PlainReference.h"
#include "TextFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace dlx;

namespace {

// Bytes become characters from a small alphabet, so that words, stems and separators collide often.
std::u32string toText(std::string_view bytes) {
    static const std::u32string alphabet =
        U"abdegiinnrsstuyABDEGINRSTUY  \t/=.,?'-\r\nกขคงมนอะ.-\"\u201C\u201D\u2026\u2018\u2019";
    std::u32string out;
    for (unsigned char b : bytes)
        out.push_back(b < 0xC0 ? alphabet[b % alphabet.size()] : decode874(std::string(1, static_cast<char>(b)))[0]);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view all(reinterpret_cast<const char *>(data), size);
    const size_t cut = all.find('\0');
    const std::u32string dictText = toText(all.substr(0, cut));
    const std::u32string text = cut == std::string_view::npos ? std::u32string() : toText(all.substr(cut + 1));

    const std::vector<std::u32string> lines = splitLines(dictText);
    const auto index = Lexicon::indexLines(lines);
    for (const auto &line : splitLines(text)) {
        for (size_t i = 0; i < line.size(); i += 1 + i % 5) {
            const std::u32string word = line.substr(i, 1 + (i * 7) % 9);
            const Rendering fast = findRendering(*index, word);
            const Rendering slow = plain::lookup(lines, word);
            if (fast.how != slow.how || fast.meaning != slow.meaning)
                std::abort();
        }
    }

    std::vector<std::u32string> grammarLines;
    for (auto mode : {TranslationMode::Grammar, TranslationMode::WordForWord}) {
        std::vector<std::vector<std::u32string>> results;
        for (bool plainVersions : {false, true}) {
            Lexicon lexicon("/nonexistent");
            TranslationState state;
            Translator tr(state, lexicon, [&](char32_t, std::u32string_view w) -> std::optional<Rendering> {
                return plainVersions ? plain::lookup(lines, w) : findRendering(*index, w);
            });
            tr.mode = mode;
            beginRun(state);
            if (plainVersions) {
                results.push_back(plain::translateLines(tr, splitLines(text)));
            } else {
                translateLines(tr, splitLines(text));
                results.push_back(state.TranslatedLines);
            }
        }
        if (results[0] != results[1])
            std::abort();
        if (mode == TranslationMode::Grammar)
            grammarLines = results[0];
    }

    // The extended mode's stage: with every rule off it renders as the grammar mode; with all on it must not fail,
    // and the rules looking at every token must give what they give at their anchors.
    std::vector<std::u32string> anchored;
    for (int pass = 0; pass < 3; ++pass) {
        Lexicon lexicon("/nonexistent");
        TranslationState state;
        Translator tr(state, lexicon, [&](char32_t, std::u32string_view w) -> std::optional<Rendering> {
            return findRendering(*index, w);
        });
        tr.extended = true;
        tr.extendedRules = pass == 0 ? 0 : kAllGrammarRules;
        tr.rulesVisitEveryToken = pass == 2;
        beginRun(state);
        translateLines(tr, splitLines(text));
        if ((pass == 0 && state.TranslatedLines != grammarLines) || (pass == 2 && state.TranslatedLines != anchored))
            std::abort();
        if (pass == 1)
            anchored = state.TranslatedLines;
    }

    // Sentences of the words the extended rules look for, read with the shipped dictionary: the rules looking at
    // every token must give what they give at their anchors.
    static const std::u32string_view kWords[] = {
        U"the",    U"a",           U"an",    U"is",      U"are",     U"was",     U"be",      U"been",    U"to",
        U"for",    U"of",          U"in",    U"and",     U"or",      U"not",     U"no",      U"do",      U"does",
        U"did",    U"don",         U"t",     U"s",       U"ve",      U"I",       U"you",     U"he",      U"it",
        U"they",   U"that",        U"what",  U"who",     U"which",   U"where",   U"how",     U"can",     U"will",
        U"must",   U"have",        U"has",   U"had",     U"going",   U"made",    U"used",    U"file",    U"files",
        U"works",  U"work",        U"list",  U"lists",   U"play",    U"set",     U"start",   U"stop",    U"working",
        U"also",   U"always",      U"then",  U"quickly", U"than",    U"smarter", U"good",    U"there",   U"like",
        U"back",   U"hours",       U"two",   U"user",    U"defined", U"non",     U"up",      U"date",    U"since",
        U"lots",   U"see",         U"years", U"old",     U"week",    U"updates", U"allows",  U"as",      U"specified",
        U"twenty", U"four",        U"this",  U"both",    U"either",  U"get",     U"getting", U"gone",    U"done",
        U"better", U"happen",      U"so",    U"whether", U"many",    U"your",    U"help",    U"nothing", U"64",
        U"bit",    U"recommended", U"won",   U"close",   U"very",    U"avoid",   U"long",    U"sons",    U"people",
        U"nobody", U"lack",        U"store", U"feeling", U"wouldn",  U"never",   U"well",    U"first",   U"function",
        U"read",   U"think",       U"his",   U"sense",   U"by",      U"call"};
    static const std::u32string_view kMarks[] = {U" ",  U" ", U" ",  U" ", U", ", U". ",   U"? ", U"'",
                                                 U"\n", U"-", U" /", U"/", U"()", U"(2) ", U"_",  U"("};
    std::u32string english;
    for (unsigned char b : all) {
        english += kWords[b % std::size(kWords)];
        english += kMarks[(b / 3) % std::size(kMarks)]; // (b / the word count would reach only the first marks)
    }
    static Lexicon shipped(DLX_SHIPPED_DATA);
    std::vector<std::u32string> byAnchors;
    for (bool everyToken : {false, true}) {
        TranslationState state;
        Translator tr(state, shipped);
        tr.extended = true;
        tr.rulesVisitEveryToken = everyToken;
        beginRun(state);
        translateLines(tr, splitLines(english));
        if (!everyToken)
            byAnchors = state.TranslatedLines;
        else if (state.TranslatedLines != byAnchors)
            std::abort();
    }

    // Thai made of the rules' own phrases and their halves, so that matches overlap and arise from replacements.
    static const PhraseRewriter rewriter;
    const auto &rules = ThaiIdiomTable();
    std::u32string thai;
    for (size_t i = 0; i + 1 < all.size(); i += 2) {
        const auto &r =
            rules[(static_cast<unsigned char>(all[i]) * 256u + static_cast<unsigned char>(all[i + 1])) % rules.size()];
        switch (static_cast<unsigned char>(all[i + 1]) % 6) {
        case 0:
            thai += r.search.substr(0, r.search.size() / 2);
            break;
        case 1:
            thai += r.search.substr(r.search.size() / 2);
            break;
        case 2:
            thai += r.replacement;
            break;
        case 3:
            thai += U'\n';
            break;
        default:
            thai += r.search;
            break;
        }
    }
    const std::u32string expected = plain::rewrite(thai);
    std::u32string fast = thai;
    rewriter.CheckThaiIdiom(fast);
    if (fast != expected)
        std::abort();

    // A user's rules after the built-in ones, as Idiom.pal adds them: pieces of the built-in phrases turned into
    // one another, refused as Idiom.pal refuses them when they would feed themselves. The scan through the trie
    // (the full table of moves is checked above, and costs more to build on every run).
    std::vector<std::u32string> pieces;
    for (size_t i = 0; i + 2 < all.size() && pieces.size() < 8; i += 3) {
        const auto &r = rules[static_cast<unsigned char>(all[i]) % rules.size()];
        const size_t from = static_cast<unsigned char>(all[i + 1]) % (r.search.size() + 1);
        pieces.push_back(std::u32string(r.search.substr(from, 1 + static_cast<unsigned char>(all[i + 2]) % 4)));
    }
    std::vector<ThaiIdiomRule> withUser = rules;
    for (size_t i = 0; i + 1 < pieces.size(); i += 2)
        if (!pieces[i].empty() && pieces[i + 1].find(pieces[i]) == std::u32string::npos)
            withUser.push_back({pieces[i], pieces[i + 1]});
    const std::u32string expectedWithUser = plain::rewrite(thai, withUser);
    std::u32string got = thai;
    PhraseRewriter(withUser, 0).CheckThaiIdiom(got);
    if (got != expectedWithUser)
        std::abort();
    return 0;
}
