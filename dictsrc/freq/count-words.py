#!/usr/bin/env python3
"""Counts word tokens in plain-text files and writes the frequency list the dictionary is checked against.

Usage: count-words.py OUTDIR FILE...
Words are cut the way the translation cuts them: at every character that is not an ASCII letter (so "don't"
gives "don" and "t", "well-known" gives "well" and "known"), then lower-cased. Pieces joined to digits ("4th",
"mp3") are left out, because the translation copies a piece that starts with a digit and never looks it up, and
so are pronunciations and paths written between slashes ("/ziz'ee/"), which are no English words. Words written with a capital
letter nearly every time are taken for names and left out, except the few below that a dictionary still needs.
"the", "a" and "an" never reach the dictionary and are left out of the top list.
Writes OUTDIR/counts.txt (every word with its count, most frequent first) and OUTDIR/top3000.txt.
"""
import collections
import pathlib
import re
import sys

KEEP_CAPITALISED = {
    "i", "mr", "mrs", "ms", "dr", "st", "sir", "lady", "lord", "god", "english", "french", "england", "london",
    "america", "american", "british", "europe", "european", "german", "italian", "spanish", "latin", "greek",
    "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday", "january", "february",
    "march", "april", "may", "june", "july", "august", "september", "october", "november", "december",
    "christmas", "internet", "unix", "oh", "ah", "ok", "tv", "miss", "captain", "colonel", "chapter", "admiral",
    "appendix", "chinese", "britain", "ireland", "easter",
}
SKIP_TOP = {"the", "a", "an"}


def main() -> int:
    out = pathlib.Path(sys.argv[1])
    counts = collections.Counter()
    capitalised = collections.Counter()
    for name in sys.argv[2:]:
        text = pathlib.Path(name).read_text(encoding="utf-8", errors="replace")
        text = re.sub(r"/[^/\s][^/\n]{0,60}/", " ", text)
        for piece in re.findall(r"[A-Za-z0-9]+", text):
            if not piece.isalpha():
                continue
            word = piece
            low = word.lower()
            counts[low] += 1
            if word[0].isupper():
                capitalised[low] += 1
    names = {w for w, n in counts.items()
             if n >= 5 and capitalised[w] >= 0.9 * n and w not in KEEP_CAPITALISED and len(w) > 1}
    ordered = sorted(counts.items(), key=lambda kv: (-kv[1], kv[0]))
    out.mkdir(parents=True, exist_ok=True)
    with open(out / "counts.txt", "w", encoding="utf-8") as f:
        for w, n in ordered:
            f.write(f"{w} {n}{' name' if w in names else ''}\n")
    top = [w for w, _ in ordered if w not in SKIP_TOP and w not in names][:3000]
    (out / "top3000.txt").write_text("".join(w + "\n" for w in top), encoding="utf-8")
    print(f"{sum(counts.values())} tokens, {len(counts)} distinct words, {len(names)} taken for names")
    return 0


if __name__ == "__main__":
    sys.exit(main())
