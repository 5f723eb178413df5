#pragma once
// The letter files of one Data folder as the lookup sees them: each file is read and indexed once, and read
// again only when it has changed on disk (size, modification time or inode), so the editor's and the
// download's changes are seen by the next translation.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dlx {

enum class Label : std::uint8_t {
    Noun,
    Pronoun,
    Adjective,
    TransitiveVerb,
    IntransitiveVerb,
    Conjunction,
    Question,
    Be,
    Other
};

Label classifyLabel(std::u32string_view label);

struct LexiconEntry {
    std::u32string key;  ///< English word without surrounding spaces, a-z upper-cased
    std::u32string thai; ///< the meaning exactly as stored
    Label label = Label::Other;
};

struct StringHash {
    using is_transparent = void;
    /// FNV-1a over whole characters: words are short, so this beats hashing their bytes.
    std::size_t operator()(std::u32string_view s) const noexcept {
        std::uint64_t h = 14695981039346656037ull;
        for (char32_t c : s)
            h = (h ^ c) * 1099511628211ull;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

/// One letter file: its entries in file order (lines without "/" left out) and, per key, the entry numbers in
/// file order.
struct LetterIndex {
    std::uint64_t serial = 0; ///< unique per index built, so results computed from an older one are not reused
    std::vector<LexiconEntry> entries;
    std::unordered_map<std::u32string, std::vector<std::uint32_t>, StringHash, std::equal_to<>> byKey;

    /// First entry number with this key at or after `from`, or -1.
    const std::vector<std::uint32_t> *find(std::u32string_view key) const;
};

class Lexicon {
public:
    explicit Lexicon(std::string dataFolder);

    /// The index of letter L ('A'..'Z'), or nullptr when the file is absent. Sets *readError (with the system's
    /// description) when the file is present but cannot be read.
    const LetterIndex *letter(char32_t L, std::string *readError = nullptr);

    /// Starts a new translation run: each letter file is checked against the disk again on its next use, and
    /// only then. Within a run a file is looked at once.
    void refresh() { ++generation_; }

    /// Builds an index from lines, for tests and benchmarks.
    static std::shared_ptr<const LetterIndex> indexLines(const std::vector<std::u32string> &lines);

    const std::string &dataFolder() const { return folder_; }

private:
    struct Slot {
        std::shared_ptr<const LetterIndex> index;
        std::string path;
        long long size = -1, mtimeNs = -1, inode = -1;
        unsigned checked = 0; ///< generation in which the disk was last looked at
        std::string error;    ///< read failure of that look
    };
    unsigned generation_ = 1;
    std::string folder_;
    std::array<Slot, 26> slots_;
};

} // namespace dlx
