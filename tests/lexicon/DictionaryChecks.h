#pragma once
// The rules a letter-file folder must keep, as lists of readable problems ("B.pal:12: ..."); an empty list
// means the folder passes. Used on the shipped data/Data and, to show that each rule bites, on small broken
// folders.
#include "ShippedDictionary.h"

#include <string>
#include <vector>

namespace dlx::test {

/// Every letter file present, not empty, and every line (the last one too) ended by CR LF.
std::vector<std::string> fileProblems(const std::vector<ShippedFile> &files);

/// Three fields; an English word of ASCII letters starting with the file's letter and no article; a meaning of
/// Thai letters only (an abbreviation may end with "."), not starting with a vowel sign or tone mark; one of
/// the eleven labels.
std::vector<std::string> lineProblems(const std::vector<ShippedFile> &files);

/// No line twice in one file: a word may have several senses, even under one label, but each only once.
std::vector<std::string> duplicateProblems(const std::vector<ShippedFile> &files);

/// Every word, translated alone word for word (at a line end and followed by a space), gives the meaning of
/// its first entry; anything else means a shorter word earlier in the file claimed it through a suffix rule.
/// `checked` receives the number of translations made.
std::vector<std::string> orderProblems(const std::string &folder, std::size_t *checked = nullptr);

/// The first lines of a problem list, for a failure message.
std::string report(const std::vector<std::string> &problems);

} // namespace dlx::test
