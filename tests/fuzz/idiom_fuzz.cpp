// The user's phrase rules from the bytes of an Idiom.pal, applied after the built-in ones to a text: the rules
// the file reading refuses are exactly those that could never finish or match nothing, and the fast rewriting
// gives what the literal procedure gives.
#include "Codec874.h"
#include "PhraseRules.h"
#include "PlainReference.h"

#include <cstdint>
#include <cstdlib>

using namespace dlx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // The file, then after a NUL the text to rewrite (both Windows-874, as Idiom.pal and the pane's Thai are).
    const std::string_view all(reinterpret_cast<const char *>(data), size);
    const std::size_t cut = all.find('\0');
    const std::u32string file = decode874(all.substr(0, cut));
    const std::u32string text = cut == std::string_view::npos ? file : decode874(all.substr(cut + 1));

    const UserPhraseRules user = parseUserPhraseRules(file);
    std::vector<ThaiIdiomRule> mine;
    for (const auto &[search, replacement] : user.rules) {
        if (search.empty() || replacement.find(search) != std::u32string::npos)
            std::abort();
        mine.push_back({search, replacement});
    }
    for (const auto &refused : user.refused) {
        const std::size_t slash = refused.text.find(U'/');
        const std::u32string search = refused.text.substr(0, slash), replacement = refused.text.substr(slash + 1);
        const bool feeds = !search.empty() && replacement.find(search) != std::u32string::npos;
        if (slash == std::u32string::npos || (!search.empty() && !feeds))
            std::abort();
    }

    // The user's rules alone (a small automaton with its full table of moves) and after the built-in ones (the
    // trie, as a big rule set is scanned).
    std::vector<ThaiIdiomRule> withBuiltIn = ThaiIdiomTable();
    withBuiltIn.insert(withBuiltIn.end(), mine.begin(), mine.end());
    for (const auto *rules : {&mine, &withBuiltIn}) {
        std::u32string fast = text;
        const std::size_t made =
            PhraseRewriter(*rules, rules == &mine ? PhraseRewriter::kLargestTable : 0).CheckThaiIdiom(fast);
        if (made < 10000 && fast != plain::rewrite(text, *rules))
            std::abort();
    }
    return 0;
}
