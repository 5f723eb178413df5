// The word step on one piece: the articles, the marks that write out the held text, Tabs and other pieces;
// a piece that starts with a letter goes to the lookup.
#include "PieceChars.h"
#include "Translator.h"
#include "Utf8.h"

using namespace std::literals;

namespace dlx {
namespace {

constexpr char32_t upper(char32_t c) {
    return c >= U'a' && c <= U'z' ? c - 32 : c;
}

/// True when the key, a-z upper-cased, is the upper-case word: compared without making a copy.
bool keyIs(std::u32string_view key, std::u32string_view upperWord) {
    if (key.size() != upperWord.size())
        return false;
    for (size_t i = 0; i < key.size(); ++i)
        if (upper(key[i]) != upperWord[i])
            return false;
    return true;
}

} // namespace

void Translator::flushHeldModifiers() {
    if (!s_.HeldModifiers.empty()) {
        s_.Text4 += s_.HeldModifiers;
        s_.HeldModifiers.clear();
    }
}

void Translator::CheckMean() {
    // The key is the piece without surrounding spaces.
    std::u32string_view key = s_.CurrentWord;
    while (!key.empty() && key.back() == U' ')
        key.remove_suffix(1);
    while (!key.empty() && key.front() == U' ')
        key.remove_prefix(1);
    if (keyIs(key, U"THE"sv) || keyIs(key, U"AN"sv)) {
        s_.CurrentWord.clear();
        s_.WordConsumed = false;
        return;
    }
    if (keyIs(key, U"A"sv)) {
        append(U"อะ.-"sv); // the phrase rules fold the marker into what follows, then drop it
        s_.CurrentWord.clear();
        s_.WordConsumed = true;
        return;
    }
    if (!key.empty() && upper(key[0]) >= U'A' && upper(key[0]) <= U'Z') {
        LookupWord(upper(key[0]));
        return;
    }
    const bool mark = key.size() == 1 && pieces::isMark(key[0]);
    const bool markTab = key.size() == 2 && pieces::isMark(key[0]) && key[1] == U'\t';
    if (mark || markTab) {
        append(s_.HeldModifiers);
        append(s_.HeldPhrase);
        append(key);
        if (sentenceSpace && (key == U"?"sv || key == U"."sv) && s_.CurrentWord.back() == U' ')
            append(U" "sv); // the driver's sentence end "? " or ". "
        s_.CurrentWord.clear();
        s_.HeldPhrase.clear();
        s_.HeldModifiers.clear();
        s_.WordConsumed = true;
        return;
    }
    if (key == U"\t"sv) {
        append(U"\t"sv);
        s_.CurrentWord.clear();
        s_.WordConsumed = true;
        return;
    }
    append(s_.CurrentWord);
    flushHeldModifiers();
    s_.CurrentWord.clear();
    s_.WordConsumed = false;
}

} // namespace dlx
