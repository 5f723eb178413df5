#!/usr/bin/env python3
"""Classifies uses of the frequent function words in real text, to choose the sense the dictionary gives first.

Usage: count-senses.py CORPUSDIR [PER_SOURCE] [--examples]
CORPUSDIR holds the plain-text sources that count-words.py writes. From each source at most PER_SOURCE (default
60) occurrences of each word are taken, spread evenly over the source, and sorted into uses by simple context
rules on the neighbouring words (the previous two and the next two, and whether the sentence ends with "?").
The word classes of the neighbours come from the shipped dictionary's first label, with a few closed lists of
function words. With --examples a few classified contexts of each use are printed for checking by eye.
"""
import collections
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

SUBJECTS = {"i", "you", "he", "she", "it", "we", "they", "there", "this", "these", "those", "one", "someone",
            "somebody", "nobody", "everyone", "everybody", "anyone", "nothing", "something", "everything", "all",
            "each", "such", "his", "her", "my", "your", "our", "their", "its", "some", "no", "any", "many", "most",
            "mr", "mrs", "miss", "sir", "lady", "if", "when", "the", "a", "an"}
PRONOUNS_IS = {"it", "he", "she", "that", "there", "here", "what", "who", "where", "how", "when", "why", "this",
               "everything", "nothing", "something", "everyone", "somebody", "someone", "anyone", "nobody", "one"}
AUX = {"is", "was", "are", "were", "be", "been", "has", "have", "had", "will", "would", "can", "could", "may",
       "might", "must", "should", "shall", "does", "did", "do", "s", "ll", "d", "isn", "wasn", "doesn", "didn"}
PREPOSITIONS = {"of", "in", "on", "at", "by", "with", "from", "for", "to", "into", "upon", "about", "under",
                "through", "over", "after", "before", "between", "among", "against", "without", "within", "like"}
SAYING = {"say", "said", "says", "saying", "think", "thought", "thinks", "know", "knew", "known", "knows",
          "believe", "believed", "hope", "hoped", "fear", "feared", "suppose", "supposed", "see", "saw", "seen",
          "find", "found", "ensure", "ensures", "note", "notice", "noticed", "mean", "means", "meant", "show",
          "shows", "showed", "assume", "assumes", "sure", "certain", "clear", "true", "possible", "likely",
          "so", "such", "fact", "idea", "aware", "glad", "sorry", "afraid", "wish", "wished", "told", "tell",
          "declared", "declare", "agree", "agreed", "understand", "understood", "feel", "felt", "seemed",
          "seems", "seem", "confident", "convinced", "persuaded", "hear", "heard", "imagine", "imagined",
          "remember", "expect", "expected", "learn", "learned", "proof", "news", "doubt", "requires", "require",
          "specifies", "guarantee", "guarantees", "check", "checks", "verify", "indicate", "indicates", "except",
          "given", "provided", "assuming", "now", "order", "way", "suggest", "suggested", "replied", "answered",
          "added", "cried", "observed", "owned", "acknowledged", "confessed", "recollected", "determined",
          "resolved", "wonder", "insist", "insisted", "assured", "assure", "possibility", "chance", "means"}
EMBEDDING = {"know", "knew", "tell", "told", "see", "decide", "decides", "determine", "determines", "choose",
             "select", "specify", "specifies", "ask", "asked", "wonder", "wondered", "check", "show", "shows",
             "guess", "understand", "imagine", "learn", "find", "explain", "explains", "indicate", "indicates",
             "matter", "controls", "control", "say", "said", "remember", "consider", "sure", "idea", "question",
             "depends", "depending", "regardless", "about", "on", "of", "whether", "knows", "saw", "heard",
             "hear", "forget", "forgot", "describe", "describes", "discover", "discovered", "learned"}
BEGIN = {"", ".", "!", "?", ";", ":", '"', "(", "\n"}


def load_labels():
    labels = {}
    for path in sorted((ROOT / "data" / "Data").glob("*.pal")):
        for line in path.read_bytes().decode("cp874").split("\r\n"):
            parts = line.split("/")
            if len(parts) >= 3:
                labels.setdefault(parts[0].strip().lower(), parts[2])
    return labels


LABELS = load_labels()


def pos(word: str) -> str:
    """n, v, adj, adv, pre, con, pro, q, be or "" for the first label of a word or of its stem."""
    w = word.lower()
    for cand in (w, w[:-1] if w.endswith("s") else None, w[:-2] if w.endswith("ed") else None,
                 w[:-1] if w.endswith("d") else None, w[:-3] if w.endswith("ing") else None):
        if cand and cand in LABELS:
            label = LABELS[cand]
            return {"n.(นาม)": "n", "pro.(สรรพนาม)": "pro", "adj.(คุณศัพท์)": "adj", "vt.(สกรรมกริยา)": "v",
                    "vi.(อกรรมกริยา)": "v", "adv.(กริยาวิเศษณ์)": "adv", "pre.(บุพบท)": "pre",
                    "con.(สันธาน)": "con", "คำถาม": "q", "ใช้แทน BE": "be"}.get(label, "")
    return ""


def is_name(word: str) -> bool:
    return word[:1].isupper() and word.lower() not in LABELS


TOKEN = re.compile(r"'s|[A-Za-z]+|[.!?;:,\"()\n]")


def tokenize(text: str):
    """Words and marks; the piece after an apostrophe ("Emma's") becomes the token "'s" so it is told apart
    from a lone letter s."""
    text = text.replace("\u201c", '"').replace("\u201d", '"')
    text = re.sub(r"(?<=[A-Za-z])['\u2019]s\b", " 's", text)
    return TOKEN.findall(text)


def sentence_is_question(toks, i):
    for t in toks[i:i + 40]:
        if t in (".", "!", ";", "\n"):
            return False
        if t == "?":
            return True
    return False


# Each classifier gets the tokens and the index of the word and returns the name of the use.
def classify_s(t, i):
    if not i or not t[i - 1].isalpha():
        return None
    prev, nxt = t[i - 1].lower(), (t[i + 1].lower() if i + 1 < len(t) else "")
    if prev == "let":
        return "us (let's)"
    if prev in PRONOUNS_IS:
        return "is/has after a pronoun, that, there, here or a question word"
    if nxt in ("been", "not", "got", "gone", "going"):
        return "is/has after a noun"
    if is_name(t[i - 1]) or prev in ("mr", "mrs", "miss"):
        return "possessive after a name"
    return "possessive after a noun"


def classify_that(t, i):
    prev = t[i - 1].lower() if i else ""
    prev2 = t[i - 2].lower() if i > 1 else ""
    nxt = t[i + 1].lower() if i + 1 < len(t) else ""
    if (prev, "that") in {("so", "that"), ("order", "that"), ("now", "that"), ("such", "that"), ("like", "that"),
                          ("fact", "that"), ("ground", "that"), ("given", "that"), ("provided", "that")}:
        return f"in a phrase ({prev} that)"
    if nxt in ("is", "was", "s", "will", "would", "can", "could", "may", "might", "must", "should", "has", "had",
               "does", "did") and (prev in BEGIN or prev in (",", "and", "but") or pos(prev) in ("v", "pre", "con")):
        return "pronoun (that is, that was)"
    if nxt in BEGIN or nxt == ",":
        return "pronoun at the end of a clause (like that, do that)"
    if prev in SAYING or prev2 in SAYING and pos(prev) in ("pro", "adv"):
        return "conjunction after saying, thinking, knowing (said that, so that)"
    if nxt in SUBJECTS or is_name(t[i + 1] if i + 1 < len(t) else ""):
        if pos(prev) == "n" or prev in ("all", "everything", "anything", "something", "nothing", "one"):
            return "relative pronoun (the book that I read)"
        return "conjunction after saying, thinking, knowing (said that, so that)"
    if nxt in AUX or pos(nxt) in ("v", "be"):
        if pos(prev) in ("n", "pro") or prev in ("all", "anything", "something", "everything", "one", "those"):
            return "relative pronoun (the man that came)"
        return "pronoun (that is, that was)"
    if pos(nxt) in ("n", "adj") or nxt in ("very", "same", "one", "much", "little"):
        return "determiner (that man, that very day)"
    if pos(prev) in ("v", "pre"):
        return "pronoun at the end of a clause (like that, do that)"
    return "conjunction after saying, thinking, knowing (said that, so that)"


def make_wh(question_word):
    def classify(t, i):
        prev = t[i - 1].lower() if i else ""
        nxt = t[i + 1].lower() if i + 1 < len(t) else ""
        if sentence_is_question(t, i) and (prev in BEGIN or prev in (",", "and", "but", "or", "then", "so")):
            return "question"
        if prev in EMBEDDING or (prev in BEGIN and not sentence_is_question(t, i) and question_word == "how"):
            return "embedded question (know which, tell me when)"
        if question_word in ("when", "where") and prev in BEGIN:
            return "subordinate clause at the start of a sentence (When he came, ...)"
        if prev in PREPOSITIONS:
            return "relative after a preposition (in which, of whom)"
        if prev == "," or pos(prev) in ("n", "pro") or is_name(t[i - 1] if i else ""):
            return "relative or subordinate after a noun or comma (the man who, the day when)"
        return "subordinate clause (came when called, lived where he was born)"
    return classify


def classify_to(t, i):
    nxt = t[i + 1].lower() if i + 1 < len(t) else ""
    prev = t[i - 1].lower() if i else ""
    if prev in ("have", "has", "had", "need", "used", "going", "ought", "able", "order", "belong", "belongs",
                "listen", "due", "up", "according", "due", "addition", "so", "as"):
        return f"in a phrase the rules know ({prev} to)"
    if nxt in ("be", "have", "do", "go", "make", "get", "see", "take", "come", "say", "know", "give", "find",
               "use", "think", "tell", "keep", "let", "put", "look", "hear", "speak", "write", "read") or \
            (pos(nxt) == "v" and nxt not in ("the", "a")):
        if nxt in SUBJECTS or pos(nxt) in ("n", "pro") and not pos(nxt) == "v":
            pass
        else:
            return "infinitive (to go, to be)"
    if prev in ("went", "go", "goes", "gone", "come", "came", "back", "return", "returned", "sent", "send",
                "way", "walked", "ran", "led", "lead", "moved", "move", "added", "add", "copy", "copied", "write",
                "written", "points", "point", "set", "converted", "convert", "down", "up", "from", "close",
                "next", "near", "due"):
        return "direction or goal (went to London, set to zero)"
    if prev in ("said", "say", "says", "spoke", "speak", "speaking", "talk", "talked", "replied", "reply",
                "gave", "give", "given", "passed", "pass", "belong", "belonged", "owed", "known", "wrote",
                "letter", "kind", "attention", "introduced", "introduce", "married", "explain", "explained",
                "pointed", "shown", "show", "open", "available", "visible", "useful", "equal", "similar",
                "related", "applied", "apply", "applies", "sorry", "grateful", "obliged", "dear", "common"):
        return "to a person or thing (said to her, gave it to him, equal to)"
    return "direction, goal or receiver (other)"


def classify_as(t, i):
    prev = t[i - 1].lower() if i else ""
    nxt = t[i + 1].lower() if i + 1 < len(t) else ""
    nxt2 = t[i + 2].lower() if i + 2 < len(t) else ""
    if prev == "such":
        return "such as (for example)"
    if nxt in ("well", "if", "though", "soon", "long", "much", "many", "far", "to", "a", "for") and \
            nxt2 in ("as", "if", "though", "result", "to", "possible", "the"):
        return "in a fixed phrase (as well as, as if, as soon as, as for)"
    if pos(nxt) in ("adj", "adv") and "as" in [x.lower() for x in t[i + 2:i + 5]]:
        return "comparison (as tall as)"
    if prev == "same" or (pos(prev) in ("adj", "adv") and "as" in [x.lower() for x in t[max(0, i - 4):i - 1]]):
        return "comparison (as tall as)"
    if nxt in SUBJECTS and nxt not in ("the", "a", "an", "this", "such", "his", "her", "my", "your", "our",
                                       "their", "its", "one", "all", "each", "some", "no", "any", "many", "most"):
        return "conjunction (as he spoke, as you know)"
    if nxt in ("if", "though"):
        return "in a fixed phrase (as well as, as if, as soon as, as for)"
    return "in the role of (as a friend, used as a key)"


def classify_more(t, i):
    prev = t[i - 1].lower() if i else ""
    nxt = t[i + 1].lower() if i + 1 < len(t) else ""
    if nxt == "than":
        return "more than"
    if prev in ("any", "no", "once", "some", "much", "many", "little", "the", "a", "far", "even", "still") and \
            nxt in BEGIN | {",", "and", "of", "than"}:
        return f"after a quantity word ({prev} more)"
    if pos(nxt) in ("adj", "adv") and nxt not in ("than",):
        return "comparative before an adjective or adverb (more beautiful)"
    if pos(nxt) == "n" or nxt in ("of",):
        return "quantity before a noun (more money, more of)"
    return "alone or after a verb (said more, want more)"


def classify_too(t, i):
    nxt = t[i + 1].lower() if i + 1 < len(t) else ""
    if nxt in BEGIN or nxt == ",":
        return "also (me too, he came too)"
    if nxt in ("much", "many", "little", "few"):
        return f"too {nxt}"
    return "excessively (too late, too much)"


CLASSIFIERS = {
    "'s": classify_s, "that": classify_that, "which": make_wh("which"), "who": make_wh("who"),
    "whom": make_wh("whom"), "when": make_wh("when"), "where": make_wh("where"), "to": classify_to,
    "as": classify_as, "more": classify_more, "too": classify_too,
}


def main(argv) -> int:
    corpus = pathlib.Path(argv[1])
    per_source = int(argv[2]) if len(argv) > 2 and argv[2].isdigit() else 60
    examples = "--examples" in argv
    results = {w: collections.Counter() for w in CLASSIFIERS}
    shown = collections.defaultdict(list)
    for path in sorted(corpus.glob("*.txt")):
        toks = tokenize(path.read_text(encoding="utf-8", errors="replace"))
        where = collections.defaultdict(list)
        for i, tok in enumerate(toks):
            low = tok.lower()
            if low in CLASSIFIERS:
                where[low].append(i)
        for word, positions in where.items():
            step = max(1, len(positions) // per_source)
            for p in positions[::step][:per_source]:
                use = CLASSIFIERS[word](toks, p)
                if use:
                    results[word][use] += 1
                    if examples and len(shown[(word, use)]) < 4:
                        shown[(word, use)].append(f"{path.stem}: " + " ".join(toks[max(0, p - 6):p + 6]))
    for word, uses in results.items():
        total = sum(uses.values())
        print(f"\n{word}: {total} occurrences")
        for use, n in uses.most_common():
            print(f"  {n:4d} {100 * n / total:5.1f} %  {use}")
            for e in shown[(word, use)]:
                print(f"          {e}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
