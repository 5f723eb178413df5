#include "PhraseRules.h"

#include "Codec874.h"
#include "TextFile.h"

#include <sys/stat.h>

namespace dlx {
namespace {

const std::shared_ptr<const PhraseRewriter> &builtInRules() {
    static const auto rules = std::make_shared<const PhraseRewriter>();
    return rules;
}

} // namespace

UserPhraseRules parseUserPhraseRules(std::u32string_view fileText) {
    UserPhraseRules out;
    int number = 0;
    for (const auto &line : splitLines(fileText)) {
        ++number;
        const size_t slash = line.find(U'/');
        if (line.starts_with(U'#') || slash == std::u32string::npos)
            continue;
        std::u32string search = line.substr(0, slash), replacement = line.substr(slash + 1);
        if (search.empty())
            out.refused.push_back({number, line, RefusedPhraseRule::Why::EmptySearch});
        else if (replacement.find(search) != std::u32string::npos)
            out.refused.push_back({number, line, RefusedPhraseRule::Why::FeedsItself});
        else
            out.rules.emplace_back(std::move(search), std::move(replacement));
    }
    return out;
}

PhraseRules::PhraseRules(DataFolders folders) : folders_(std::move(folders)) {}

std::shared_ptr<const PhraseRewriter> PhraseRules::current(PhraseRulesNews *news) {
    std::string path = folders_.user + "/" + kUserPhraseFile;
    struct stat st {};
    bool present = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    if (!present && folders_.layered()) {
        path = folders_.shipped + "/" + kUserPhraseFile;
        present = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    }
    const long long size = present ? static_cast<long long>(st.st_size) : -1;
    const long long mtimeNs =
        present ? static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec : -1;
    const long long inode = present ? static_cast<long long>(st.st_ino) : -1;
    if (path != path_ || size != size_ || mtimeNs != mtimeNs_ || inode != inode_) {
        path_ = path, size_ = size, mtimeNs_ = mtimeNs, inode_ = inode;
        rules_ = builtInRules();
        lastNews_ = {};
        lastNews_.path = path;
        if (present) {
            if (auto bytes = readFileBytes(path)) {
                UserPhraseRules user = parseUserPhraseRules(decode874(*bytes));
                lastNews_.refused = std::move(user.refused);
                if (!user.rules.empty()) {
                    std::vector<ThaiIdiomRule> all = ThaiIdiomTable();
                    for (const auto &[search, replacement] : user.rules)
                        all.push_back({search, replacement});
                    rules_ = std::make_shared<const PhraseRewriter>(all);
                }
            } else {
                lastNews_.readError = bytes.error();
            }
        }
        newsGiven_ = false;
    }
    if (news && !newsGiven_) {
        *news = lastNews_;
        newsGiven_ = true;
    }
    return rules_ ? rules_ : builtInRules();
}

} // namespace dlx
