#!/usr/bin/env python3
"""How often the phrase rules fire on real English.

The rows of tests/lexicon/phrase_test.cpp (the built-in rules) and tests/lexicon/shipped_phrase_rules.tsv (the rules
of the shipped Idiom.pal) pair an English phrase with the idiomatic Thai a phrase rule makes of it.
This script looks for each phrase, as whole words, in the sentences of English texts, translates those sentences
with the command-line translator, and counts the sentences whose translation holds the expected Thai: the rule
fired. A phrase whose words are cut apart by the grammar's word order, or whose senses no longer give the rule's
search text, does not fire.

    python3 scripts/phrase-firing.py build/bin/dualexicon-translate FILE... [--examples N] [--extended]

FILE may be plain text, gzip-compressed text (info manuals) or a fortune file. Prints, for the phrases that occur,
the share that fire in at least half of their sentences and the share of all their sentences in which they fire,
then the phrases that do not fire with an example each.
"""
import gzip
import re
import subprocess
import sys
import tempfile

ROW = re.compile(r'\{([GW]), "((?:[^"\\]|\\.)+)", "((?:[^"\\]|\\.)*)"\}')


def rows():
    """(english, thai, source) for every phrase of two words or more that the grammar mode renders."""
    found = []
    for mode, english, thai in ROW.findall(open("tests/lexicon/phrase_test.cpp", encoding="utf-8").read()):
        if mode == "G":
            found.append((english.replace('\\"', '"'), thai, "built-in"))
    for line in open("tests/lexicon/shipped_phrase_rules.tsv", encoding="utf-8"):
        fields = line.rstrip("\n").split("\t")
        if not line.startswith("#") and len(fields) == 2:  # a third column asks for the extended grammar
            found.append((fields[0], fields[1], "Idiom.pal"))
    # A phrase of one word, or a whole sentence, is no phrase to look for in running text.
    return [r for r in found if r[1] and 2 <= len(re.findall(r"[A-Za-z]+", r[0])) <= 5]


def read_text(path):
    opener = gzip.open if path.endswith(".gz") else open
    with opener(path, "rt", encoding="utf-8", errors="replace") as f:
        text = f.read()
    text = text.replace("\x1f", "\n\n")  # info node separators
    text = re.sub(r"\n%\n", "\n\n", text)  # fortune separators
    return text


def sentences(text):
    out = []
    for para in re.split(r"\n\s*\n", text):
        if para.startswith((" ", "\t", "*", "File:")):
            continue  # listings, menus and node headers
        flat = re.sub(r"\s+", " ", para).strip()
        for s in re.split(r'(?<=[.!?])\s+(?=[A-Z"])', flat):
            if 3 <= len(s.split()) <= 60:
                out.append(s)
    return out


def main():
    args = sys.argv[1:]
    examples = 1
    mode = []
    if "--extended" in args:
        args.remove("--extended")
        mode = ["--extended"]
    if "--examples" in args:
        i = args.index("--examples")
        examples = int(args[i + 1])
        del args[i : i + 2]
    if len(args) < 2:
        sys.exit(__doc__)
    translator, files = args[0], args[1:]
    phrases = rows()
    pool = []
    for f in files:
        pool.extend(sentences(read_text(f)))
    pool = list(dict.fromkeys(pool))
    english_only = [(e.strip(" .?!,"), t, src) for e, t, src in phrases]
    patterns = [(e, t, src, re.compile(r"(?<![A-Za-z'’])" + re.escape(e) + r"(?![A-Za-z'’])", re.I))
                for e, t, src in english_only]
    wanted = sorted({i for i, s in enumerate(pool) for *_, p in patterns if p.search(s)})
    with tempfile.NamedTemporaryFile("w", suffix=".txt", encoding="utf-8") as tmp:
        tmp.write("\n".join(pool[i] for i in wanted) + "\n")
        tmp.flush()
        thai = subprocess.run([translator, *mode, tmp.name], capture_output=True, text=True, check=True).stdout.split("\n")
    translated = dict(zip(wanted, thai))
    per_source = {}
    misses = []
    for english, expected, source, p in patterns:
        found = [i for i in wanted if p.search(pool[i])]
        if not found:
            continue
        fired = [i for i in found if expected.strip(" .?!,") in translated.get(i, "")]
        counts = per_source.setdefault(source, [0, 0, 0, 0])  # occurring, firing, sentences fired, sentences
        counts[0] += 1
        counts[2] += len(fired)
        counts[3] += len(found)
        if 2 * len(fired) >= len(found):
            counts[1] += 1
        else:
            missed = [i for i in found if i not in fired][:examples]
            misses.append((english, expected, len(fired), len(found), [(pool[i], translated.get(i, "")) for i in missed]))
    print(f"{len(pool)} sentences; {len(phrases)} phrases")
    per_source["all"] = [sum(c[k] for c in per_source.values()) for k in range(4)]
    for source, (occurring, firing, hits, total) in per_source.items():
        print(f"{source:10} {occurring:4} phrases occur; {firing} fire in at least half of their sentences "
              f"({100.0 * firing / max(occurring, 1):.1f} %); they fire in {hits} of {total} sentences "
              f"({100.0 * hits / max(total, 1):.1f} %)")
    for english, expected, fired, found, ex in misses:
        print(f"\n{english!r} -> {expected} fired {fired} of {found}")
        for s, t in ex:
            print(f"  {s}\n  {t}")


if __name__ == "__main__":
    main()
