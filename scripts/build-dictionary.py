#!/usr/bin/env python3
"""Builds the shipped letter files data/Data/A.pal ... Z.pal from the UTF-8 sources in dictsrc/.

Source lines look like letter-file lines ("english/thai/label"), in UTF-8; blank lines and lines starting with
"#" are skipped. core.txt is read first, then the other *.txt files in name order. Every sense of a word is shipped
as a line of its own, in the order the sources give them: the translation uses the first line that renders a
word, so the sense it should use comes first and the further senses follow for the reader of the dictionary.
Only a line repeating an earlier one (same word, meaning and label) is dropped.

Each letter file is ordered longest English word first (a stable sort, so the senses of one word keep their
order). A suffix rule only ever reaches a word through a shorter stem, so this order puts every exact entry
before any line that could render the same word through a stem: news before new, boring before bore.
The output is Windows-874 with CR LF after every line.

participles.txt is the table of irregular participles that the extended grammar mode writes as a passive. Each of
its lines holds a participle alone, or a whole entry for it with a verb label; those entries are read after every
other source, so they only add senses. Every participle must end up with a sense labelled as a verb (vt. or vi.),
or the sources are malformed. The engine's build compiles the list in.

With --check nothing is written: the script compares what it would write with data/Data and exits with 1 when
a letter file differs (the shipped files were not rebuilt after a source changed) or a source line is malformed.
"""
import collections
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
PARTICIPLES = "participles.txt"
VERB_LABELS = ("vt.(สกรรมกริยา)", "vi.(อกรรมกริยา)")
LABELS = ["n.(นาม)", "pro.(สรรพนาม)", "adj.(คุณศัพท์)", "vt.(สกรรมกริยา)", "vi.(อกรรมกริยา)",
          "adv.(กริยาวิเศษณ์)", "pre.(บุพบท)", "con.(สันธาน)", "คำถาม", "คำอ่าน", "ใช้แทน BE"]


def main(argv) -> int:
    check = "--check" in argv[1:]
    src = ROOT / "dictsrc"
    files = [src / "core.txt"] if (src / "core.txt").exists() else []
    files += sorted(p for p in src.glob("*.txt") if p.name not in ("core.txt", PARTICIPLES))
    if (src / PARTICIPLES).exists():
        files.append(src / PARTICIPLES)
    seen = set()
    by_letter = collections.defaultdict(list)
    problems = []
    participles = {}  # upper-case participle -> where it is listed
    for path in files:
        for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            line = raw.strip("\ufeff")
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split("/")
            where = f"{path.name}:{number}"
            if path.name == PARTICIPLES:
                word = parts[0].strip()
                if not word.isascii() or not word.isalpha():
                    problems.append(f"{where}: a participle must be one word of letters: {word!r}")
                    continue
                participles[word.upper()] = where
                if len(parts) == 1:
                    continue
                if len(parts) == 3 and parts[2].strip() not in VERB_LABELS:
                    problems.append(f"{where}: a participle's entry needs a verb label: {line}")
                    continue
            if len(parts) != 3:
                problems.append(f"{where}: needs exactly three fields: {line}")
                continue
            english, thai, label = (p.strip() for p in parts)
            if not english.isascii() or not english.isalpha():
                problems.append(f"{where}: English must be one word of letters: {english!r}")
                continue
            if not thai:
                problems.append(f"{where}: empty meaning for {english}")
                continue
            if label not in LABELS:
                problems.append(f"{where}: unknown label {label!r}")
                continue
            try:
                thai.encode("cp874")
            except UnicodeEncodeError:
                problems.append(f"{where}: meaning not in Windows-874: {thai!r}")
                continue
            key = (english.upper(), thai, label)
            if key in seen:
                continue
            seen.add(key)
            by_letter[english[0].upper()].append((english, thai, label))
    verbs = {e.upper() for entries in by_letter.values() for e, _, l in entries if l in VERB_LABELS}
    for word, where in participles.items():
        if word not in verbs:
            problems.append(f"{where}: the participle {word.lower()} has no entry labelled as a verb")
    for p in problems:
        print(p, file=sys.stderr)
    out = ROOT / "data" / "Data"
    if not check:
        out.mkdir(parents=True, exist_ok=True)
    total = 0
    stale = []
    for letter in "ABCDEFGHIJKLMNOPQRSTUVWXYZ":
        entries = sorted(by_letter[letter], key=lambda e: -len(e[0]))
        total += len(entries)
        data = "".join(f"{e}/{t}/{l}\r\n" for e, t, l in entries).encode("cp874")
        target = out / f"{letter}.pal"
        if check:
            if not target.exists() or target.read_bytes() != data:
                stale.append(target.name)
        else:
            target.write_bytes(data)
    if check:
        if stale:
            print(f"not rebuilt from dictsrc/: {' '.join(stale)} (run scripts/build-dictionary.py)", file=sys.stderr)
        else:
            print(f"{total} entries in {out} match dictsrc/")
        return 1 if problems or stale else 0
    print(f"{total} entries written to {out}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
