#pragma once
// The phrase rules of one Data folder: the built-in table, then the user's own rules from Idiom.pal, in file order.
// In layered folders the user's Idiom.pal is read in place of a shipped one.
//
// Idiom.pal is Windows-874 with CR LF like the letter files; each line "search/replacement" is one rule (split at
// its first "/"), a line starting with "#" is a comment and a line without "/" is skipped. A rule whose search is
// empty, or whose replacement holds its own search (it would never finish), is refused; the others still apply.
// The file is read again when it changes on disk (path, size, modification time or inode).
#include "DataFolders.h"
#include "PhraseRewriter.h"
#include "Result.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dlx {

inline constexpr const char *kUserPhraseFile = "Idiom.pal";

struct RefusedPhraseRule {
    enum class Why {
        EmptySearch, ///< "/ไม่" : nothing to search for
        FeedsItself, ///< "ดี/ดีมาก" : the replacement holds the search again, so it would never finish
    };
    int line = 0;        ///< 1-based line number in Idiom.pal
    std::u32string text; ///< the line as it stands
    Why why = Why::EmptySearch;
};

/// What a fresh reading of Idiom.pal had to say.
struct PhraseRulesNews {
    std::string path; ///< the Idiom.pal read
    std::vector<RefusedPhraseRule> refused;
    std::optional<IoError> readError; ///< Idiom.pal is there but cannot be read: the built-in rules apply alone
};

/// The rules of an Idiom.pal's text: the accepted ones in file order, and the refused ones.
struct UserPhraseRules {
    std::vector<std::pair<std::u32string, std::u32string>> rules; ///< search, replacement
    std::vector<RefusedPhraseRule> refused;
};
UserPhraseRules parseUserPhraseRules(std::u32string_view fileText);

class PhraseRules {
public:
    explicit PhraseRules(DataFolders folders);

    /// The rules for the next run, after looking at Idiom.pal again; the run keeps them alive even if the file
    /// changes meanwhile. `news` receives what the file's last reading refused (or why it could not be read) the
    /// first time it is asked after each reading, so a window says it once; otherwise it is left empty.
    std::shared_ptr<const PhraseRewriter> current(PhraseRulesNews *news = nullptr);

private:
    DataFolders folders_;
    std::string path_;                            ///< of the Idiom.pal last read
    std::shared_ptr<const PhraseRewriter> rules_; ///< the built-in rules, and the user's after them
    PhraseRulesNews lastNews_;
    bool newsGiven_ = true;
    long long size_ = -1, mtimeNs_ = -1, inode_ = -1; ///< of the Idiom.pal last read; -1: none was there
};

} // namespace dlx
