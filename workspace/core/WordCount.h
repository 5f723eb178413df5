#pragma once
// Counting a text for the word-count window: words, characters and lines, and how many words are English and how
// many Thai. Thai is written without spaces between words, so a run of Thai letters is split into words by
// libthai's dictionary word breaker.
#include <string_view>

namespace dlx {

struct WordCounts {
    int words = 0;        ///< English words + Thai words + numbers + words of other scripts
    int englishWords = 0; ///< runs of Latin letters; an apostrophe or hyphen between letters keeps one word
    int thaiWords = 0;    ///< words found in runs of Thai characters
    int characters = 0;   ///< every character but the line breaks
    int lines = 0;        ///< 0 for an empty text; a line break at the very end does not start another line

    bool operator==(const WordCounts &) const = default;
};

WordCounts countWords(std::u32string_view text);

/// The number of words in a run of Thai characters (0 for an empty run). Without libthai's dictionary the run
/// counts as one word.
int thaiWordsIn(std::u32string_view thaiRun);

} // namespace dlx
