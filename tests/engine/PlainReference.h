#pragma once
// Plain, literal versions of the lookup and the phrase rewriting, written straight from the rules: a scan of
// the letter file's lines from the top, and "find the leftmost match from the start, replace, search again".
// The fast versions must give exactly their results.
#include "PhraseRewriter.h"
#include "Translator.h"

#include <string>
#include <vector>

namespace dlx::plain {

/// Scans the raw lines of a letter file from the first line.
Rendering lookup(const std::vector<std::u32string> &lines, std::u32string_view word);

/// Each rule in order: leftmost match from the start, replace, search again from the start.
std::u32string rewrite(std::u32string text, const std::vector<ThaiIdiomRule> &rules = ThaiIdiomTable());

} // namespace dlx::plain
