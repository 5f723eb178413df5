#include "Lexicon.h"

#include "ByteTable874.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dlx {
namespace {

char32_t upperKeyChar(unsigned char byte, const std::array<char32_t, 256> &table) {
    const char32_t c = table[byte];
    return c >= U'a' && c <= U'z' ? c - 32 : c;
}

std::uint64_t nextSerial() {
    static std::atomic<std::uint64_t> serials{0};
    return ++serials;
}

// The file's bytes in a string of just their size (a letter file may be big, and is kept while indexed).
Result<std::string> readWhole(const std::string &path, size_t expectedSize) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return IoError::fromErrno(path);
    std::string bytes(expectedSize, '\0');
    size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() + (1 << 16)); // it grew since it was looked at
        const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            IoError error = IoError::fromErrno(path);
            ::close(fd);
            return error;
        }
        if (n == 0)
            break;
        used += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(used);
    return bytes;
}

bool isLineBreak(char b) {
    return b == '\r' || b == '\n';
}

} // namespace

LetterIndex::LetterIndex(std::string bytes) : serial_(nextSerial()), bytes_(std::move(bytes)) {
    const auto &table = windows874Table();
    // Entries point into the bytes with 32-bit offsets; a file beyond 4 GB is indexed up to there.
    const size_t limit = std::min<size_t>(bytes_.size(), UINT32_MAX - 1);
    size_t lines = 0;
    for (size_t i = 0; i < limit; ++i)
        lines += bytes_[i] == '\n' || (bytes_[i] == '\r' && (i + 1 == limit || bytes_[i + 1] != '\n'));
    entries_.reserve(lines + 1);

    std::u32string line;
    for (size_t start = 0; start < limit;) {
        size_t end = start;
        while (end < limit && !isLineBreak(bytes_[end]))
            ++end;
        line.resize(end - start);
        for (size_t i = start; i < end; ++i)
            line[i - start] = table[static_cast<unsigned char>(bytes_[i])];
        if (auto parsed = parseEntry(line)) {
            // One byte per character: the parsed fields' lengths are offsets into the line.
            Entry e;
            size_t keyBegin = 0, keyEnd = parsed->english.size();
            while (keyBegin < keyEnd && line[keyBegin] == U' ')
                ++keyBegin;
            while (keyEnd > keyBegin && line[keyEnd - 1] == U' ')
                --keyEnd;
            e.keyBegin = static_cast<std::uint32_t>(start + keyBegin);
            e.keyEnd = static_cast<std::uint32_t>(start + keyEnd);
            e.thaiBegin = static_cast<std::uint32_t>(start + parsed->english.size() + 1);
            e.thaiEnd = static_cast<std::uint32_t>(e.thaiBegin + parsed->thai.size());
            e.label = classifyLabel(parsed->label);
            entries_.push_back(e);
        }
        start = end;
        if (start < limit && bytes_[start] == '\r' && start + 1 < limit && bytes_[start + 1] == '\n')
            ++start;
        if (start < limit)
            ++start;
    }
    entries_.shrink_to_fit();

    size_t slots = 16;
    while (slots < entries_.size() * 2)
        slots *= 2;
    slots_.assign(slots, Slot{});
    const size_t mask = slots - 1;
    std::u32string key;
    // From the last entry to the first, each goes to the head of its key's chain: the chains end up in file order.
    for (EntryNo n = static_cast<EntryNo>(entries_.size()); n-- > 0;) {
        Entry &e = entries_[n];
        key.resize(e.keyEnd - e.keyBegin);
        for (size_t i = e.keyBegin; i < e.keyEnd; ++i)
            key[i - e.keyBegin] = upperKeyChar(static_cast<unsigned char>(bytes_[i]), table);
        const auto h = static_cast<std::uint32_t>(hashWord(key));
        size_t at = h & mask;
        while (slots_[at].entry != kNone && !(slots_[at].hash == h && keyIs(slots_[at].entry, key)))
            at = (at + 1) & mask;
        e.nextSameKey = slots_[at].entry;
        slots_[at] = Slot{h, n};
    }
}

LetterIndex::EntryNo LetterIndex::first(std::u32string_view key) const {
    const auto h = static_cast<std::uint32_t>(hashWord(key));
    const size_t mask = slots_.size() - 1;
    for (size_t at = h & mask; slots_[at].entry != kNone; at = (at + 1) & mask)
        if (slots_[at].hash == h && keyIs(slots_[at].entry, key))
            return slots_[at].entry;
    return kNone;
}

bool LetterIndex::keyIs(EntryNo entry, std::u32string_view key) const {
    const Entry &e = entries_[entry];
    if (e.keyEnd - e.keyBegin != key.size())
        return false;
    const auto &table = windows874Table();
    for (size_t i = 0; i < key.size(); ++i)
        if (upperKeyChar(static_cast<unsigned char>(bytes_[e.keyBegin + i]), table) != key[i])
            return false;
    return true;
}

void LetterIndex::appendMeaning(EntryNo entry, std::u32string &out) const {
    const Entry &e = entries_[entry];
    const auto &table = windows874Table();
    const size_t at = out.size();
    out.resize(at + (e.thaiEnd - e.thaiBegin));
    for (size_t i = e.thaiBegin; i < e.thaiEnd; ++i)
        out[at + i - e.thaiBegin] = table[static_cast<unsigned char>(bytes_[i])];
}

void LetterIndex::appendEnglish(EntryNo entry, std::u32string &out) const {
    const Entry &e = entries_[entry];
    const auto &table = windows874Table();
    for (size_t i = e.keyBegin; i < e.keyEnd; ++i)
        out.push_back(table[static_cast<unsigned char>(bytes_[i])]);
}

void LetterIndex::appendLabel(EntryNo entry, std::u32string &out) const {
    const Entry &e = entries_[entry];
    if (e.thaiEnd >= bytes_.size() || bytes_[e.thaiEnd] != '/')
        return;
    const auto &table = windows874Table();
    for (size_t i = e.thaiEnd + 1; i < bytes_.size() && bytes_[i] != '/' && !isLineBreak(bytes_[i]); ++i)
        out.push_back(table[static_cast<unsigned char>(bytes_[i])]);
}

void LetterIndex::findInMeanings(std::string_view needle, std::vector<EntryNo> &out) const {
    if (needle.empty() || entries_.empty())
        return;
    // glibc's memmem finds a short needle far quicker than a search for its first byte, common in Thai.
    auto find = [&](size_t from) -> size_t {
        if (from >= bytes_.size())
            return std::string_view::npos;
        const void *hit = ::memmem(bytes_.data() + from, bytes_.size() - from, needle.data(), needle.size());
        return hit ? static_cast<size_t>(static_cast<const char *>(hit) - bytes_.data()) : std::string_view::npos;
    };
    for (size_t at = find(0); at != std::string_view::npos;) {
        // The entry whose meaning starts at or before the hit, if the hit lies inside that meaning.
        auto after = std::upper_bound(entries_.begin(), entries_.end(), at,
                                      [](size_t pos, const Entry &e) { return pos < e.thaiBegin; });
        size_t from = at + 1;
        if (after != entries_.begin()) {
            const Entry &e = *(after - 1);
            if (at + needle.size() <= e.thaiEnd) {
                out.push_back(static_cast<EntryNo>(after - 1 - entries_.begin()));
                from = e.thaiEnd;
            }
        }
        at = find(from);
    }
}

std::shared_ptr<const LetterIndex> Lexicon::indexLines(const std::vector<std::u32string> &lines) {
    return std::make_shared<const LetterIndex>(letterFileBytes(lines));
}

Lexicon::Lexicon(DataFolders folders) : folders_(std::move(folders)), phraseRules_(folders_) {}

Result<const LetterIndex *> Lexicon::load(char32_t L) {
    if (L < U'A' || L > U'Z')
        return nullptr;
    Slot &slot = slots_[L - U'A'];
    if (slot.checked == generation_) {
        if (slot.error)
            return *slot.error;
        return slot.index.get();
    }
    slot.checked = generation_;
    slot.error.reset();
    const auto path = findLetterFile(folders_, L);
    struct stat st {};
    if (!path || ::stat(path->c_str(), &st) != 0) {
        slot.index.reset();
        return nullptr;
    }
    const long long mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    if (slot.index && slot.path == *path && slot.size == st.st_size && slot.mtimeNs == mtimeNs &&
        slot.inode == static_cast<long long>(st.st_ino))
        return slot.index.get();

    slot.index.reset(); // the old index goes before the new file is read, so two never live at once
    auto bytes = readWhole(*path, static_cast<size_t>(st.st_size));
    if (!bytes) {
        slot.error = bytes.error();
        return *slot.error;
    }
    slot.index = std::make_shared<const LetterIndex>(std::move(*bytes));
    slot.path = *path;
    slot.size = st.st_size;
    slot.mtimeNs = mtimeNs;
    slot.inode = static_cast<long long>(st.st_ino);
    return slot.index.get();
}

} // namespace dlx
