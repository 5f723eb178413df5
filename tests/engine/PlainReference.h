#pragma once
// Plain, literal versions of the driver's line scan, the lookup and the phrase rewriting, written straight from
// the rules: a character at a time through CurrentWord, a scan of the letter file's lines from the top, and "find
// the leftmost match from the start, replace, search again". The fast versions must give exactly their results.
#include "PhraseRewriter.h"
#include "Translator.h"

#include <string>
#include <vector>

namespace dlx::plain {

/// The driver's cutting of a line, row by row of its table: every character joins CurrentWord; at a boundary the
/// row strips characters, runs the word step and passes its separators, each through CurrentWord and the word
/// step. The translator's own translateLine must leave the same state.
void translateLine(Translator &translator, std::u32string_view line);

/// Translates lines as translateLines does, but with the plain line scan. Gives the finished lines.
std::vector<std::u32string> translateLines(Translator &translator, const std::vector<std::u32string> &lines);

/// Scans the raw lines of a letter file from the first line.
Rendering lookup(const std::vector<std::u32string> &lines, std::u32string_view word);

/// Each rule in order: leftmost match from the start, replace, search again from the start.
std::u32string rewrite(std::u32string text, const std::vector<ThaiIdiomRule> &rules = ThaiIdiomTable());

} // namespace dlx::plain
