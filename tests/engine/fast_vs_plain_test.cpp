// The indexed lookup must find exactly what a scan of the letter file from the top finds.
#include "EngineFixture.h"
#include "PlainReference.h"

#include <random>

using namespace dlx;
using namespace dlx::test;

namespace {

struct RandomDictionary {
    std::mt19937 rng;
    std::vector<std::u32string> stems{U"b",    U"ba",  U"bat",  U"bus", U"us",   U"stud", U"happ", U"tall", U"run",
                                      U"runn", U"bak", U"bake", U"big", U"bigg", U"s",    U"d",    U"e",    U"it"};
    std::vector<std::u32string> suffixes{U"",  U"s",   U"es",  U"ed",  U"d",    U"ing", U"er",  U"est",
                                         U"y", U"ies", U"ied", U"ier", U"iest", U"e",   U"ing", U"ed"};
    std::vector<std::u32string> labels;

    explicit RandomDictionary(unsigned seed) : rng(seed) {
        labels = partOfSpeechLabels();
        labels.push_back(U"");
        labels.push_back(U"adj");
        labels.push_back(U"adj.(คุณศัพท์)"); // comparatives need adjectives often enough
        labels.push_back(U"adj.(คุณศัพท์)");
    }
    size_t pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); }
    std::u32string word() {
        std::u32string w = stems[pick(stems.size())] + suffixes[pick(suffixes.size())];
        for (auto &c : w)
            if (pick(4) == 0 && c >= U'a' && c <= U'z')
                c -= 32;
        return w;
    }
    std::vector<std::u32string> lines(size_t n) {
        std::vector<std::u32string> out;
        for (size_t i = 0; i < n; ++i) {
            switch (pick(20)) {
            case 0:
                out.push_back(U"no slash");
                continue;
            case 1:
                out.push_back(word() + U"/" + std::u32string(1, U'ก' + static_cast<char32_t>(i % 40)));
                continue;
            default:
                break;
            }
            std::u32string e = word();
            if (pick(6) == 0)
                e = U" " + e + U" ";
            out.push_back(e + U"/" + std::u32string(1, U'ก' + static_cast<char32_t>(i % 40)) + U"/" +
                          labels[pick(labels.size())]);
        }
        return out;
    }
    std::u32string piece() {
        std::u32string w = word();
        switch (pick(5)) {
        case 0:
            w += U' ';
            break;
        case 1:
            w += U'=';
            break;
        default:
            break;
        }
        return w;
    }
};

TEST(FastLookup, EqualsTheScanOnRandomDictionariesAndWords) {
    std::map<int, int> seen; // every kind of rendering must come up, or the comparison proves little
    for (unsigned seed = 1; seed <= 400; ++seed) {
        RandomDictionary gen(seed);
        const auto lines = gen.lines(1 + seed % 30);
        const auto index = Lexicon::indexLines(lines);
        for (int i = 0; i < 60; ++i) {
            const std::u32string w = gen.piece();
            const Rendering fast = findRendering(*index, w);
            const Rendering slow = plain::lookup(lines, w);
            ++seen[static_cast<int>(slow.how)];
            ASSERT_EQ(static_cast<int>(fast.how), static_cast<int>(slow.how))
                << "seed " << seed << " word [" << toUtf8(w) << "]";
            ASSERT_EQ(toUtf8(fast.meaning), toUtf8(slow.meaning)) << "seed " << seed << " word " << toUtf8(w);
            if (fast.how != Rendering::How::Unrendered && fast.how != Rendering::How::RawFallback)
                ASSERT_EQ(static_cast<int>(fast.label), static_cast<int>(slow.label)) << "seed " << seed;
        }
    }
    for (int how = 0; how <= static_cast<int>(Rendering::How::RawFallback); ++how)
        EXPECT_GT(seen[how], 20) << "rendering kind " << how;
}

TEST(FastLookup, WholeTranslationsInPartsEqualThoseOfThePlainScanAndLookup) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        RandomDictionary gen(seed * 7919);
        TempFolder data;
        std::map<char32_t, std::vector<std::u32string>> files;
        for (char32_t L : {U'B', U'S', U'U', U'H', U'T', U'R', U'D', U'E', U'I'}) {
            files[L] = gen.lines(25);
            std::vector<std::string> utf8;
            for (const auto &l : files[L])
                utf8.push_back(toUtf8(l));
            data.writeLines(std::string(1, static_cast<char>(L)) + ".pal", utf8);
        }
        std::vector<std::u32string> text;
        for (int line = 0; line < 8; ++line) {
            std::u32string l;
            for (int w = 0; w < 12; ++w) {
                l += gen.piece();
                static const std::u32string seps[] = {
                    U" ",   U", ",       U"\t",     U"? ",     U". ",      U"'",      U"  ",      U"-",    U"\"",
                    U".\"", U"?\u201D ", U"\u201C", U"\u2026", U" \u2018", U"\u2019", U".\u2026", U" \" ", U"."};
                l += seps[gen.pick(std::size(seps))];
            }
            text.push_back(l);
        }
        for (auto mode : {TranslationMode::Grammar, TranslationMode::WordForWord}) {
            auto run = [&](bool plainVersions) {
                Lexicon lexicon(data.path());
                TranslationState state;
                Translator::Finder finder;
                if (plainVersions)
                    finder = [&](char32_t L, std::u32string_view w) -> std::optional<Rendering> {
                        auto it = files.find(L);
                        return it == files.end() ? Rendering{} : plain::lookup(it->second, w);
                    };
                Translator tr(state, lexicon, finder);
                tr.mode = mode;
                tr.sentenceSpace = seed % 2 == 0;
                beginRun(state);
                if (plainVersions)
                    return plain::translateLines(tr, text);
                // The fast scan takes each line in parts of any size, as a very long line would come.
                std::vector<std::u32string> done;
                for (const auto &line : text) {
                    std::u32string_view rest = line;
                    while (rest.size() > 1 && gen.pick(3)) {
                        const size_t cut = 1 + gen.pick(rest.size() - 1);
                        tr.translatePart(rest.substr(0, cut), false);
                        rest.remove_prefix(cut);
                    }
                    tr.translatePart(rest, true);
                    done.push_back(std::exchange(state.Text4, {}));
                    state.CurrentWord.clear();
                }
                appendHeldText(state, done.back());
                return done;
            };
            ASSERT_EQ(run(false), run(true)) << "seed " << seed;
        }
    }
}

} // namespace
