// Phrase rewriting: table order, re-search from the start, cancel, and the fast pass against the literal one.
#include "Driver.h"
#include "PlainReference.h"
#include "TempFolder.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <random>

using namespace dlx;

namespace {

std::string rewrite(const std::string &thai, const RewriteHooks &hooks = {}) {
    static const PhraseRewriter rewriter;
    std::u32string text = fromUtf8(thai);
    rewriter.CheckThaiIdiom(text, hooks);
    return toUtf8(text);
}

TEST(ThaiIdiomTable, HasTheRulesInOrderAndNoneIsEmptyOrFeedsItself) {
    const auto &table = ThaiIdiomTable();
    ASSERT_EQ(table.size(), 325u);
    EXPECT_EQ(toUtf8(table[0].search), "จนกระทั่งทะเลวิ่งแห้ง");
    EXPECT_EQ(toUtf8(table[40].search), "อะ.-");
    EXPECT_TRUE(table[40].replacement.empty());
    EXPECT_EQ(toUtf8(table[152].replacement), "การเปลี่ยนแปลงแบบคายความร้อน");
    EXPECT_EQ(toUtf8(table[324].replacement), "ที่มีมากกว่า");
    for (size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_FALSE(table[i].search.empty());
        EXPECT_EQ(table[i].search.find_first_of(U"\r\n"), std::u32string_view::npos);
        EXPECT_EQ(table[i].replacement.find(table[i].search), std::u32string_view::npos);
        for (size_t j = 0; j < i; ++j) // a longer phrase always stands before the shorter ones inside it
            EXPECT_EQ(table[i].search.find(table[j].search), std::u32string_view::npos) << "rule " << j + 1;
    }
}

TEST(PhraseRewriting, Examples) {
    struct Row {
        const char *in, *out;
    } rows[] = {
        {"", ""},
        {"สามารถไม่", "ไม่สามารถ"},
        {"ทำไม่ได้", "ไม่ทำได้"},
        {"อะ.-บิท", "เล็กน้อย"},
        {"อะ.-แมว", "แมว"},
        {"อะ.-มากของ", "มากนัก"},
        {"ป้ายโฆษณาโฆษณาโฆษณา", "ป้ายโฆษณา"},
        {"น้อยกว่ากว่ากว่า", "น้อยกว่า"},
        {"ถึงเวลาเพื่อข้อเท็จจริงซึ่งว่า", "จากความจริงที่ว่า"},
        {"น้ำมันซึ่งจำเป็น", "น้ำมันหอมระเหย"},
        {"ความฝันดี", "ฝันดี"},
        {"ฝันดี", "ฝันดี"},
        {"หนึ่งหรือวันสอง", "2-3 วัน"},
        {"ในชอบลักษณะ", "ในลักษณะเดียวกับกับ"},
        {"คายความร้อนเปลี่ยน", "การเปลี่ยนแปลงแบบคายความร้อน"},
        {"เรียน อายุ", "คนรักเก่า"},
        {"สามารถไม่\r\nอะ.-บิท\n\nมีไม่", "ไม่สามารถ\r\nเล็กน้อย\n\nไม่มี"},
        {"สามารถ\nไม่", "สามารถ\nไม่"}, // no phrase crosses a line break
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.in);
        EXPECT_EQ(rewrite(row.in), row.out);
    }
}

TEST(PhraseRewriting, CancelStopsEveryLaterReplacementAndKeepsTheText) {
    int replaced = 0;
    RewriteHooks hooks;
    hooks.mayReplace = [&] { return replaced < 1; }; // the user cancels during the first replacement's yield
    hooks.afterReplacement = [&] { ++replaced; };
    EXPECT_EQ(rewrite("สามารถไม่ สามารถไม่\nอะ.-บิท", hooks), "ไม่สามารถ สามารถไม่\nอะ.-บิท");
    RewriteHooks cancelled;
    cancelled.mayReplace = [] { return false; };
    EXPECT_EQ(rewrite("สามารถไม่", cancelled), "สามารถไม่");
}

TEST(PhraseRewriting, YieldsAfterEveryReplacement) {
    int yields = 0;
    RewriteHooks hooks;
    hooks.afterReplacement = [&] { ++yields; };
    EXPECT_EQ(rewrite("สามารถไม่ อะ.-แมว อะ.-บิท", hooks), "ไม่สามารถ แมว เล็กน้อย");
    EXPECT_EQ(yields, 3);
    // A replacement can form a new match with the text before it: the second one here is found again.
    yields = 0;
    EXPECT_EQ(rewrite("สามารถไม่สามารถไม่", hooks), "ไม่ไม่สามารถสามารถ");
    EXPECT_EQ(yields, 3);
}

// Random texts built from pieces of the rules' own phrases, so that matches overlap, nest and arise from
// replacements, with some line breaks and noise in between.
std::u32string randomThai(std::mt19937 &rng, const std::vector<ThaiIdiomRule> &rules, size_t pieces) {
    std::u32string text;
    std::uniform_int_distribution<size_t> rule(0, rules.size() - 1);
    std::uniform_int_distribution<int> kind(0, 9);
    for (size_t i = 0; i < pieces; ++i) {
        const auto &r = rules[rule(rng)];
        switch (kind(rng)) {
        case 0:
            text += U'\n';
            break;
        case 1:
            text += U"\r\n";
            break;
        case 2:
            text += r.replacement;
            break;
        case 3:
            text += r.search.substr(0, r.search.size() / 2);
            break;
        case 4:
            text += r.search.substr(r.search.size() / 2);
            break;
        case 5:
            text += U" ";
            break;
        default:
            text += r.search;
            break;
        }
    }
    return text;
}

TEST(PhraseRewriting, FastPassEqualsTheLiteralProcedureOnRandomTexts) {
    // The built-in rules, then with a user's rules after them (which may undo or feed the built-in ones), with
    // the full table of moves and with the walk through the trie.
    std::vector<ThaiIdiomRule> withUser = ThaiIdiomTable();
    for (const auto &[search, replacement] : std::vector<std::pair<std::u32string_view, std::u32string_view>>{
             {U"ไม่สามารถ", U"ทำไม่ได้"}, {U"ไม่", U"มิ"}, {U"ไป", U""}, {U"มาก", U"สามารถไม่"}, {U"เล็กน้อย", U"นิด"}})
        withUser.push_back({search, replacement});
    std::mt19937 rng(20261207);
    const std::vector<ThaiIdiomRule> *tables[] = {&ThaiIdiomTable(), &withUser};
    for (const auto *rules : tables) {
        const PhraseRewriter table(*rules), trie(*rules, 0);
        for (int round = 0; round < 300; ++round) {
            const std::u32string text = randomThai(rng, *rules, 1 + round % 60);
            const std::u32string expected = plain::rewrite(text, *rules);
            for (const PhraseRewriter *rewriter : {&table, &trie}) {
                std::u32string got = text;
                rewriter->CheckThaiIdiom(got);
                ASSERT_EQ(toUtf8(got), toUtf8(expected)) << "round " << round << ", rules " << rules->size();
            }
        }
    }
}

TEST(PhraseRewriting, FastPassEqualsTheLiteralProcedureOnSmallRandomRuleTables) {
    // Tiny alphabets make chains of replacements that re-create matches across their edges, and growing rules
    // that feed each other until their runs are full.
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> letter(0, 2), len(1, 3), rlen(0, 3);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::u32string> storage;
        for (int r = 0; r < 4; ++r) {
            std::u32string s, t;
            for (int i = len(rng); i > 0; --i)
                s += static_cast<char32_t>(U'ก' + letter(rng));
            do {
                t.clear();
                for (int i = rlen(rng); i > 0; --i)
                    t += static_cast<char32_t>(U'ก' + letter(rng));
            } while (t.find(s) != std::u32string::npos);
            storage.push_back(s);
            storage.push_back(t);
        }
        std::vector<ThaiIdiomRule> rules;
        for (size_t i = 0; i < storage.size(); i += 2)
            rules.push_back({storage[i], storage[i + 1]});
        std::u32string text;
        for (int i = 0; i < 40; ++i)
            text += i % 13 == 12 ? U'\n'
                    : i % 5 == 4 ? U'x'
                                 : static_cast<char32_t>(U'ก' + letter(rng)); // x: in no rule
        const std::u32string expected = plain::rewrite(text, rules);
        for (size_t largestTable : {PhraseRewriter::kLargestTable, size_t{0}}) {
            std::u32string got = text;
            PhraseRewriter(rules, largestTable).CheckThaiIdiom(got);
            ASSERT_EQ(toUtf8(got), toUtf8(expected)) << "round " << round;
        }
    }
}

TEST(UserPhraseRules, LinesOfIdiomPal) {
    const UserPhraseRules parsed = parseUserPhraseRules(U"# my own rules\n"
                                                        U"ทำไม่ได้/ไม่สามารถทำได้\n"
                                                        U"no slash here\n"
                                                        U"/ไม่\n"
                                                        U"ดี/ดีมาก\n"
                                                        U"ก/ข/ค\n"
                                                        U"แมว/\n");
    using P = std::pair<std::u32string, std::u32string>;
    EXPECT_EQ(parsed.rules, (std::vector<P>{{U"ทำไม่ได้", U"ไม่สามารถทำได้"}, {U"ก", U"ข/ค"}, {U"แมว", U""}}));
    ASSERT_EQ(parsed.refused.size(), 2u);
    EXPECT_EQ(parsed.refused[0].line, 4);
    EXPECT_EQ(parsed.refused[0].why, RefusedPhraseRule::Why::EmptySearch);
    EXPECT_EQ(parsed.refused[1].line, 5);
    EXPECT_EQ(toUtf8(parsed.refused[1].text), "ดี/ดีมาก");
    EXPECT_EQ(parsed.refused[1].why, RefusedPhraseRule::Why::FeedsItself);
}

TEST(UserPhraseRules, ApplyAfterTheBuiltInOnesAndAreReadAgainWhenChanged) {
    test::TempFolder data;
    Lexicon lexicon(data.path());
    auto translate = [&](const std::string &text) {
        return toUtf8(translateText(fromUtf8(text), lexicon, TranslationMode::Grammar));
    };
    EXPECT_EQ(translate("สามารถไม่"), "ไม่สามารถ"); // no Idiom.pal: the built-in rules alone
    PhraseRulesNews news;
    lexicon.phraseRules().current(&news);
    EXPECT_TRUE(news.refused.empty());
    EXPECT_FALSE(news.readError);

    data.writeLines("Idiom.pal", {"# comment", "ไม่สามารถ/ทำไม่ได้", "/x", "ดี/ดีกว่าดี", "ทำไม่ได้/ทำมิได้"});
    // The built-in rule turns สามารถไม่ round; the user's rules then apply in file order.
    EXPECT_EQ(translate("สามารถไม่ ดี"), "ทำมิได้ ดี");
    lexicon.phraseRules().current(&news);
    ASSERT_EQ(news.refused.size(), 2u); // said once...
    EXPECT_EQ(news.refused[0].line, 3);
    EXPECT_EQ(news.refused[1].line, 4);
    news = {};
    lexicon.phraseRules().current(&news);
    EXPECT_TRUE(news.refused.empty()); // ...until the file changes

    data.writeLines("Idiom.pal", {"ไม่สามารถ/มิอาจ"});
    EXPECT_EQ(translate("สามารถไม่"), "มิอาจ");
    std::filesystem::remove(data.file("Idiom.pal"));
    EXPECT_EQ(translate("สามารถไม่"), "ไม่สามารถ");
}

} // namespace
