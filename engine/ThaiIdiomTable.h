#pragma once
// The ordered table of Thai phrase rules applied to every finished translation.
#include <string_view>
#include <vector>

namespace dlx {

struct ThaiIdiomRule {
    std::u32string_view search;      ///< never empty, never holds a line break
    std::u32string_view replacement; ///< may be empty (the phrase is deleted)
};

/// The 325 rules in application order.
const std::vector<ThaiIdiomRule> &ThaiIdiomTable();

} // namespace dlx
