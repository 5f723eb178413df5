#pragma once
// The letter files of one Data folder as the lookup sees them: each file is read and indexed once, and read
// again only when it has changed on disk (path, size, modification time or inode), so the editor's and the
// download's changes are seen by the next translation. In layered folders a letter's path changes when the user's
// own copy comes or goes, so either switch is seen too. The folder's phrase rules are kept here as well.
#include "LetterFile.h"
#include "PhraseRules.h"
#include "Result.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dlx {

/// FNV-1a over whole characters: words are short, so this beats hashing their bytes.
inline std::uint64_t hashWord(std::u32string_view s) noexcept {
    std::uint64_t h = 14695981039346656037ull;
    for (char32_t c : s)
        h = (h ^ c) * 1099511628211ull;
    return h ^ (h >> 29);
}

/// One letter file's entries (its lines that hold a "/") in file order, found by key. The file's bytes are kept
/// as they are (Windows-874: one byte a character) and entries point into them, so an index costs little more
/// than the file.
class LetterIndex {
public:
    using EntryNo = std::uint32_t;
    static constexpr EntryNo kNone = UINT32_MAX;

    /// Indexes the bytes of a letter file; its lines end at CR LF, CR or LF and are split by parseEntry.
    explicit LetterIndex(std::string bytes);

    /// Unique per index built, so results remembered from an older index of the same letter are not reused.
    std::uint64_t serial() const { return serial_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    /// The first entry, in file order, whose key (English word without surrounding spaces, a-z upper-cased)
    /// is `key`, or kNone. `key` must already be in that form.
    EntryNo first(std::u32string_view key) const;
    /// The next entry after `entry` with the same key, or kNone.
    EntryNo next(EntryNo entry) const { return entries_[entry].nextSameKey; }
    bool keyIs(EntryNo entry, std::u32string_view key) const;
    Label label(EntryNo entry) const { return entries_[entry].label; }
    /// Appends the entry's meaning exactly as stored.
    void appendMeaning(EntryNo entry, std::u32string &out) const;
    /// Appends the entry's English word as stored, without surrounding spaces.
    void appendEnglish(EntryNo entry, std::u32string &out) const;
    /// Appends the entry's label as stored ("" when its line has none).
    void appendLabel(EntryNo entry, std::u32string &out) const;
    /// The entry's meaning as the file holds it (Windows-874).
    std::string_view meaningBytes(EntryNo entry) const {
        const Entry &e = entries_[entry];
        return std::string_view(bytes_).substr(e.thaiBegin, e.thaiEnd - e.thaiBegin);
    }
    /// Appends, in file order, every entry whose meaning holds `needle` (Windows-874 bytes, not empty).
    void findInMeanings(std::string_view needle, std::vector<EntryNo> &out) const;

private:
    struct Entry {
        std::uint32_t keyBegin, keyEnd; ///< the key's bytes, spaces trimmed
        std::uint32_t thaiBegin, thaiEnd;
        EntryNo nextSameKey = kNone;
        Label label = Label::Other;
    };
    struct Slot {
        std::uint32_t hash = 0;
        EntryNo entry = kNone; ///< first entry with the key
    };
    std::uint64_t serial_;
    std::string bytes_;
    std::vector<Entry> entries_;
    std::vector<Slot> slots_; ///< open addressing, a power of two in size
};

class Lexicon {
public:
    explicit Lexicon(DataFolders folders);

    /// The index of letter L ('A'..'Z'); nullptr when the file is absent (or L is no capital letter). An error
    /// (errno and path) when the file is present but cannot be read.
    Result<const LetterIndex *> letter(char32_t L) {
        if (L >= U'A' && L <= U'Z') { // the lookup asks for every word: the common case stays inline
            const Slot &slot = slots_[L - U'A'];
            if (slot.checked == generation_ && !slot.error)
                return slot.index.get();
        }
        return load(L);
    }

    /// Starts a new translation run: each letter file is checked against the disk again on its next use, and
    /// only then. Within a run a file is looked at once.
    void refresh() { ++generation_; }
    /// Counts the runs started with refresh().
    unsigned generation() const { return generation_; }

    /// Builds an index from decoded lines, for tests and benchmarks. The lines are stored as a letter file
    /// would hold them (Windows-874), so characters the code page lacks become '?'.
    static std::shared_ptr<const LetterIndex> indexLines(const std::vector<std::u32string> &lines);

    const DataFolders &folders() const { return folders_; }

    /// The phrase rules of the same folders: the built-in ones, then those of its Idiom.pal.
    PhraseRules &phraseRules() { return phraseRules_; }

private:
    Result<const LetterIndex *> load(char32_t L);

    struct Slot {
        std::shared_ptr<const LetterIndex> index;
        std::string path;
        long long size = -1, mtimeNs = -1, inode = -1;
        unsigned checked = 0;         ///< generation in which the disk was last looked at
        std::optional<IoError> error; ///< read failure of that look
    };
    unsigned generation_ = 1;
    DataFolders folders_;
    std::array<Slot, 26> slots_;
    PhraseRules phraseRules_;
};

} // namespace dlx
