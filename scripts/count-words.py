#!/usr/bin/env python3
"""Counts the words of English text that Debian ships, for choosing and checking the dictionary's words.

    count-words.py corpus DIR          writes one plain-text file per source into DIR, from the installed packages
                                       listed in dictsrc/freq/SOURCES.md (a missing package is reported and skipped)
    count-words.py count DIR OUTDIR    counts the words of DIR/*.txt and writes OUTDIR/counts.txt and OUTDIR/top3000.txt

Words are cut the way the translation cuts them: at every character that is not an ASCII letter (so "don't"
gives "don" and "t", "well-known" gives "well" and "known"), then lower-cased. Pieces joined to digits ("4th",
"mp3") are left out, because the translation copies a piece that starts with a digit and never looks it up, and
so are pronunciations and paths written between slashes ("/ziz'ee/"), which are no English words. Words written
with a capital letter nearly every time are taken for names and left out, except the few below that a
dictionary still needs. "the", "a" and "an" never reach the dictionary and are left out of the top list.

The sources differ a lot in size (the Python manual alone is larger than all the novels), so a word's weight is
its frequency per million words averaged over the sources, each source counting once: a word ranks high when
it is frequent in many kinds of text, not when one long manual repeats it. counts.txt lists every word with that
weight (per million), its raw count, the number of sources it occurs in, and "name" for words taken for names.
"""
import collections
import gzip
import html
import html.parser
import pathlib
import re
import subprocess
import sys

KEEP_CAPITALISED = {
    "i", "mr", "mrs", "ms", "dr", "st", "sir", "lady", "lord", "god", "english", "french", "england", "london",
    "america", "american", "british", "europe", "european", "german", "italian", "spanish", "latin", "greek",
    "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday", "january", "february",
    "march", "april", "may", "june", "july", "august", "september", "october", "november", "december",
    "christmas", "internet", "unix", "oh", "ah", "ok", "tv", "miss", "captain", "colonel", "chapter", "admiral",
    "appendix", "chinese", "britain", "ireland", "easter", "king", "queen", "prince", "princess", "emperor",
    "africa", "asia", "india", "japanese", "russian", "arabic", "roman", "egyptian", "persian", "dutch",
}
SKIP_TOP = {"the", "a", "an"}
# Program identifiers, abbreviations and product names that technical Thai writes in Latin letters as well: the
# translation rightly leaves them as they are, so they stay out of the top list the dictionary is checked against.
LATIN = set("""git debian int struct ui cmd const glibc rpc init txt printf fd stat ai ref trans gen perl utf sys ip
msg ssh os res pid emacs el def attr libc rev endif postscript num argv pdf smtp malloc en ps auth gov ing st uid
todo cc stdin sizeof str sh ftp comp ut cvs stderr xyz src latex ifdef inet gettext con ac mac desc xp argc ss
tm sa stdout gid""".split())

# Files kept out of the count because the coverage samples in tests/data are cut from them: the samples must
# stay text the dictionary was not chosen from.
HELD_OUT_FORTUNES = {"startrek", "men-women", "humorists", "pratchett"}


class _HtmlText(html.parser.HTMLParser):
    """The visible text of an HTML page, without scripts, styles and program listings."""

    SKIP = {"script", "style", "pre", "code", "tt", "kbd", "samp"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.parts = []
        self.depth = 0

    def handle_starttag(self, tag, attrs):
        if tag in self.SKIP:
            self.depth += 1
        elif tag in ("p", "br", "li", "div", "h1", "h2", "h3", "h4", "td", "dt", "dd"):
            self.parts.append("\n")

    def handle_endtag(self, tag):
        if tag in self.SKIP and self.depth:
            self.depth -= 1

    def handle_data(self, data):
        if not self.depth:
            self.parts.append(data)


def html_text(data: str) -> str:
    p = _HtmlText()
    p.feed(data)
    return "".join(p.parts)


def rst_text(data: str) -> str:
    """Prose of a reStructuredText page: literal blocks, doctest lines, directives and inline code left out."""
    out = []
    skip_indent = None
    pending_literal = False
    for line in data.splitlines():
        stripped = line.strip()
        indent = len(line) - len(line.lstrip())
        if skip_indent is not None:
            if not stripped or indent > skip_indent:
                continue
            skip_indent = None
        if pending_literal and stripped:
            pending_literal = False
        if stripped.startswith((">>>", "...", "$ ")):
            continue
        if stripped.startswith(".. "):
            if re.match(r"\.\. (code-block|code|doctest|testcode|testoutput|productionlist|literalinclude|"
                        r"highlight|sourcecode|parsed-literal|raw|image|figure|toctree|index|_)", stripped) or \
                    stripped.startswith(".. _"):
                skip_indent = indent
                continue
            # a directive such as ".. function:: open(file)": its signature is code, its body prose
            continue
        if stripped.endswith("::"):
            skip_indent = indent
            line = line.rstrip(":")
        if stripped.startswith(":") and re.match(r":\w[\w-]*:", stripped) and indent > 0:
            continue  # a directive option (":param x:", ":noindex:")
        line = re.sub(r"``[^`]*``", " ", line)
        line = re.sub(r":[\w:-]+:`[^`]*`", " ", line)
        line = re.sub(r"`[^`]*`_*", " ", line)
        out.append(line)
    return "\n".join(out)


def asciidoc_text(data: str) -> str:
    """Prose of an AsciiDoc page (git's manuals): listing blocks and backquoted code left out."""
    out = []
    in_block = False
    for line in data.splitlines():
        if re.fullmatch(r"(-{4,}|\.{4,}|\+{4,}|/{4,})", line.strip()):
            in_block = not in_block
            continue
        if in_block or line.startswith(("\t", "  ", "$ ")):
            continue
        line = re.sub(r"`[^`]*`", " ", line)
        line = re.sub(r"linkgit:\S+", " ", line)
        out.append(line)
    return "\n".join(out)


def man_text(path: pathlib.Path) -> str:
    r = subprocess.run(["man", "-l", "-Tutf8", str(path)], capture_output=True, text=True,
                       env={"MANWIDTH": "100", "PATH": "/usr/bin:/bin", "LANG": "C.UTF-8"})
    return re.sub(r".\x08", "", r.stdout)


def quoted_strings(data: str) -> str:
    """The translatable strings of a game's data file: _("...") and plain "..." values."""
    return "\n".join(re.findall(r'"((?:[^"\\]|\\.)*)"', data))


def read_any(path: pathlib.Path) -> str:
    raw = path.read_bytes()
    if path.suffix == ".gz":
        raw = gzip.decompress(raw)
    return raw.decode("utf-8", errors="replace")


def make_corpus(outdir: pathlib.Path) -> int:
    outdir.mkdir(parents=True, exist_ok=True)
    sources = {}

    def add(name, texts):
        texts = [t for t in texts if t.strip()]
        if not texts:
            print(f"{name}: nothing found (is its package installed?)", file=sys.stderr)
            return
        sources[name] = "\n".join(texts)

    # Jane Austen's novels, written out of the R package's data with Rscript.
    r = subprocess.run(["Rscript", "-e", 'library(janeaustenr); for (n in c("emma","mansfieldpark",'
                        '"northangerabbey","persuasion","prideprejudice","sensesensibility")) '
                        'writeLines(get(n))'], capture_output=True, text=True) if _have("Rscript") else None
    add("austen", [r.stdout] if r and r.returncode == 0 else [])
    add("jargon", [read_any(p) for p in pathlib.Path("/usr/share/doc/jargon-text").glob("jargon.txt*")])
    py = pathlib.Path("/usr/share/doc/python3.11/html/_sources")
    add("python", [rst_text(read_any(p)) for part in ("tutorial", "howto", "faq", "library", "reference", "using",
                                                    "installing", "extending", "glossary.rst.txt")
                   for p in sorted((py / part).rglob("*.txt") if (py / part).is_dir() else [py / part])
                   if p.exists()])
    crawl = pathlib.Path("/usr/share/crawl/dat")
    add("crawl", [read_any(p) for d in ("descript", "database") for p in sorted((crawl / d).glob("*.txt"))])
    angband = pathlib.Path("/usr/share/angband")
    add("angband", [read_any(p) for d in ("help", "file") for p in sorted((angband / d).glob("*.txt"))])
    freeciv = pathlib.Path("/usr/share/games/freeciv")
    seen = set()  # the rule sets repeat each other's help texts
    strings = []
    for p in sorted(freeciv.rglob("*")):
        if p.suffix in (".ruleset", ".txt") and "nation" not in p.parts:
            for s in quoted_strings(read_any(p)).splitlines():
                if s not in seen:
                    seen.add(s)
                    strings.append(s)
    add("freeciv", ["\n".join(strings)])
    add("git", [asciidoc_text(read_any(p)) for p in sorted(pathlib.Path("/usr/share/doc/git-doc").glob("*.txt"))])
    add("debian-reference", [html_text(read_any(p))
                             for p in sorted(pathlib.Path("/usr/share/doc/debian-reference-en/docs").glob("*.html"))])
    add("bash", [html_text(read_any(p)) for p in sorted(pathlib.Path("/usr/share/doc/bash").glob("bash*.html"))])
    # The Linux manual pages (packages manpages and manpages-dev), not every page installed on the machine.
    pages = subprocess.run(["dpkg", "-L", "manpages", "manpages-dev"], capture_output=True, text=True).stdout
    add("manpages", [man_text(pathlib.Path(p)) for p in sorted(pages.split())
                     if p.startswith("/usr/share/man/man") and p.endswith(".gz") and pathlib.Path(p).is_file()])
    add("licences", [read_any(p) for p in sorted(pathlib.Path("/usr/share/common-licenses").iterdir())
                     if p.is_file()])
    add("fortunes", [read_any(p) for p in sorted(pathlib.Path("/usr/share/games/fortunes").iterdir())
                     if p.is_file() and not p.suffix and p.name not in HELD_OUT_FORTUNES])
    for name, text in sources.items():
        (outdir / f"{name}.txt").write_text(text, encoding="utf-8")
        print(f"{name}: {len(re.findall(r'[A-Za-z]+', text))} words")
    return 0


def _have(program: str) -> bool:
    return subprocess.run(["sh", "-c", f"command -v {program}"], capture_output=True).returncode == 0


def tokens(text: str):
    text = re.sub(r"/[^/\s][^/\n]{0,60}/", " ", text)
    for piece in re.findall(r"[A-Za-z0-9]+", text):
        if piece.isalpha():
            yield piece


def count(corpus: pathlib.Path, out: pathlib.Path) -> int:
    per_source = {}
    counts = collections.Counter()
    capitalised = collections.Counter()
    for path in sorted(corpus.glob("*.txt")):
        c = collections.Counter()
        for word in tokens(path.read_text(encoding="utf-8", errors="replace")):
            low = word.lower()
            c[low] += 1
            if word[0].isupper():
                capitalised[low] += 1
        per_source[path.stem] = c
        counts.update(c)
    totals = {name: sum(c.values()) for name, c in per_source.items()}
    weight = {w: sum(1e6 * c[w] / totals[name] for name, c in per_source.items()) / len(per_source)
              for w in counts}
    spread = {w: sum(1 for c in per_source.values() if c[w]) for w in counts}
    names = {w for w, n in counts.items()
             if n >= 5 and capitalised[w] >= 0.9 * n and w not in KEEP_CAPITALISED and len(w) > 1}
    ordered = sorted(counts, key=lambda w: (-weight[w], w))
    out.mkdir(parents=True, exist_ok=True)
    with open(out / "counts.txt", "w", encoding="utf-8") as f:
        for w in ordered:
            f.write(f"{w} {weight[w]:.2f} {counts[w]} {spread[w]}{' name' if w in names else ''}\n")
    # A word of the top list occurs in at least four sources, so that one manual's own terms do not crowd it.
    top = [w for w in ordered if w not in SKIP_TOP and w not in names and w not in LATIN and spread[w] >= 4][:3000]
    (out / "top3000.txt").write_text("".join(w + "\n" for w in top), encoding="utf-8")
    for name in sorted(totals):
        print(f"{name}: {totals[name]} tokens")
    print(f"{sum(totals.values())} tokens in {len(per_source)} sources, {len(counts)} distinct words, "
          f"{len(names)} taken for names")
    return 0


def main(argv) -> int:
    if len(argv) == 3 and argv[1] == "corpus":
        return make_corpus(pathlib.Path(argv[2]))
    if len(argv) == 4 and argv[1] == "count":
        return count(pathlib.Path(argv[2]), pathlib.Path(argv[3]))
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
