#include "Lexicon.h"

#include "Codec874.h"
#include "LetterFile.h"
#include "TextFile.h"
#include "Utf8.h"

#include <sys/stat.h>

namespace dlx {

Label classifyLabel(std::u32string_view label) {
    if (label == U"n.(นาม)")
        return Label::Noun;
    if (label == U"pro.(สรรพนาม)")
        return Label::Pronoun;
    if (label == U"adj.(คุณศัพท์)")
        return Label::Adjective;
    if (label == U"vt.(สกรรมกริยา)")
        return Label::TransitiveVerb;
    if (label == U"vi.(อกรรมกริยา)")
        return Label::IntransitiveVerb;
    if (label == U"con.(สันธาน)")
        return Label::Conjunction;
    if (label == U"คำถาม")
        return Label::Question;
    if (label == U"ใช้แทน BE")
        return Label::Be;
    return Label::Other;
}

const std::vector<std::uint32_t> *LetterIndex::find(std::u32string_view key) const {
    auto it = byKey.find(key);
    return it == byKey.end() ? nullptr : &it->second;
}

std::shared_ptr<const LetterIndex> Lexicon::indexLines(const std::vector<std::u32string> &lines) {
    static std::uint64_t serials = 0;
    auto index = std::make_shared<LetterIndex>();
    index->serial = ++serials;
    index->entries.reserve(lines.size());
    for (const auto &line : lines) {
        auto e = parseEntry(line);
        if (!e)
            continue; // no "/": no meaning
        LexiconEntry le;
        le.key = upperAscii(trimSpaces(e->english));
        le.thai = std::move(e->thai);
        le.label = classifyLabel(e->label);
        index->byKey[le.key].push_back(static_cast<std::uint32_t>(index->entries.size()));
        index->entries.push_back(std::move(le));
    }
    return index;
}

Lexicon::Lexicon(std::string dataFolder) : folder_(std::move(dataFolder)) {}

const LetterIndex *Lexicon::letter(char32_t L, std::string *readError) {
    if (L < U'A' || L > U'Z')
        return nullptr;
    Slot &slot = slots_[L - U'A'];
    if (slot.checked == generation_) {
        if (!slot.error.empty() && readError)
            *readError = slot.error;
        return slot.index.get();
    }
    slot.checked = generation_;
    slot.error.clear();
    const auto path = findLetterFile(folder_, L);
    if (!path) {
        slot.index.reset();
        return nullptr;
    }
    struct stat st {};
    if (::stat(path->c_str(), &st) != 0) {
        slot.index.reset();
        return nullptr;
    }
    const long long mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    if (slot.index && slot.path == *path && slot.size == st.st_size && slot.mtimeNs == mtimeNs &&
        slot.inode == static_cast<long long>(st.st_ino))
        return slot.index.get();

    auto bytes = readFileBytes(*path);
    if (!bytes) {
        slot.index.reset();
        slot.error = bytes.error().reason();
        if (slot.error.empty())
            slot.error = "read error";
        if (readError)
            *readError = slot.error;
        return nullptr;
    }
    slot.index = indexLines(splitLines(decode874(*bytes)));
    slot.path = *path;
    slot.size = st.st_size;
    slot.mtimeNs = mtimeNs;
    slot.inode = static_cast<long long>(st.st_ino);
    return slot.index.get();
}

} // namespace dlx
