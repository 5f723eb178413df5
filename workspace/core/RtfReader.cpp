#include "RtfReader.h"

#include "Codec874.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <unordered_set>

namespace dlx {
namespace {

constexpr int kThaiCharset = 222;

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five holes keep their byte value.
constexpr std::array<char32_t, 32> k1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t decode1252(unsigned char b) {
    return b >= 0x80 && b < 0xA0 ? k1252High[b - 0x80] : b;
}

char32_t decodeThai(unsigned char b) {
    static const std::u32string table = [] {
        std::string all;
        for (int i = 0; i < 256; ++i)
            all.push_back(static_cast<char>(i));
        return decode874(all);
    }();
    return table[b];
}

// Groups whose content is never shown. Groups starting with \* are skipped as well.
const std::unordered_set<std::string_view> &hiddenDestinations() {
    static const std::unordered_set<std::string_view> names = {"stylesheet",
                                                               "info",
                                                               "pict",
                                                               "header",
                                                               "headerl",
                                                               "headerr",
                                                               "headerf",
                                                               "footer",
                                                               "footerl",
                                                               "footerr",
                                                               "footerf",
                                                               "footnote",
                                                               "fldinst",
                                                               "object",
                                                               "objdata",
                                                               "listtable",
                                                               "listoverridetable",
                                                               "revtbl",
                                                               "rsidtbl",
                                                               "generator",
                                                               "themedata",
                                                               "colorschememapping",
                                                               "latentstyles",
                                                               "datastore",
                                                               "xmlnstbl",
                                                               "pgdsctbl",
                                                               "filetbl",
                                                               "private",
                                                               "template",
                                                               "xe",
                                                               "tc",
                                                               "txe",
                                                               "bkmkstart",
                                                               "bkmkend",
                                                               "pntext",
                                                               "pntxta",
                                                               "pntxtb",
                                                               "nonshppict",
                                                               "mmathPr",
                                                               "annotation",
                                                               "atnid",
                                                               "atnauthor"};
    return names;
}

enum class Destination { Text, Hidden, FontTable, ColourTable };

struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;
    int colour = 0;
    int font = -1;
    int unicodeSkip = 1; // \ucN: bytes that stand in for each \uN character
    Destination dest = Destination::Text;
};

struct FontInfo {
    std::u32string name;
    int charset = -1;
};

class Parser {
public:
    explicit Parser(std::string_view in) : in_(in) {}

    std::vector<TextRun> run() {
        while (pos_ < in_.size()) {
            const auto c = static_cast<unsigned char>(in_[pos_++]);
            if (c == '{') {
                stack_.push_back(stack_.empty() ? GroupState{} : stack_.back());
                skipBytes_ = 0;
            } else if (c == '}') {
                if (!stack_.empty())
                    stack_.pop_back();
                if (stack_.empty())
                    break; // the document's own group has ended; anything after it is not part of it
                skipBytes_ = 0;
            } else if (stack_.empty()) {
                continue;
            } else if (c == '\\') {
                controlSymbolOrWord();
            } else if (c >= 0x20) {
                byte(c);
            }
        }
        finish();
        return std::move(runs_);
    }

private:
    GroupState &st() { return stack_.back(); }

    void controlSymbolOrWord() {
        if (pos_ >= in_.size())
            return;
        const char c = in_[pos_];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++pos_;
        switch (c) {
        case '\'': {
            int value = 0;
            if (pos_ + 2 <= in_.size() && hexPair(in_.substr(pos_, 2), value) && value >= 0) {
                pos_ += 2;
                byte(static_cast<unsigned char>(value));
            }
            break;
        }
        case '\\':
        case '{':
        case '}':
            byte(static_cast<unsigned char>(c));
            break;
        case '~':
            character(U'\u00A0');
            break;
        case '_':
            character(U'\u2011');
            break;
        case '*':
            st().dest = Destination::Hidden;
            break;
        case '\r':
        case '\n':
            character(U'\n');
            break;
        default:
            break; // \- optional hyphen, \| and \: index marks
        }
    }

    void controlWord() {
        const size_t start = pos_;
        while (pos_ < in_.size() && isLetter(in_[pos_]))
            ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        bool hasParam = false;
        int param = 0;
        const size_t numStart = pos_;
        if (pos_ < in_.size() && in_[pos_] == '-')
            ++pos_;
        while (pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '9')
            ++pos_;
        if (pos_ > numStart && !(pos_ == numStart + 1 && in_[numStart] == '-')) {
            hasParam = true;
            long long v = 0;
            std::from_chars(in_.data() + numStart, in_.data() + pos_, v);
            param = static_cast<int>(std::clamp<long long>(v, -2147483647LL, 2147483647LL));
        } else {
            pos_ = numStart;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;
        apply(word, hasParam, param);
    }

    void apply(std::string_view w, bool hasParam, int param) {
        const bool on = !hasParam || param != 0;
        if (w == "bin") {
            // Binary data of the given length follows, whatever the destination.
            pos_ += static_cast<size_t>(std::min<long long>(std::max(param, 0), in_.size() - pos_));
            return;
        }
        GroupState &s = st();
        if (w == "fonttbl") {
            s.dest = Destination::FontTable;
        } else if (w == "colortbl") {
            s.dest = Destination::ColourTable;
        } else if (hiddenDestinations().count(w)) {
            s.dest = Destination::Hidden;
        } else if (s.dest == Destination::FontTable) {
            if (w == "f")
                fontNo_ = param;
            else if (w == "fcharset")
                fontCharset_ = param;
        } else if (s.dest == Destination::ColourTable) {
            if (w == "red")
                red_ = param, colourGiven_ = true;
            else if (w == "green")
                green_ = param, colourGiven_ = true;
            else if (w == "blue")
                blue_ = param, colourGiven_ = true;
        } else if (w == "ansicpg") {
            codePage_ = param;
        } else if (w == "deff") {
            defaultFont_ = param;
        } else if (w == "uc") {
            s.unicodeSkip = std::max(param, 0);
        } else if (w == "u") {
            unicode(param);
            return; // keeps the byte count that skipping needs
        } else if (s.dest == Destination::Hidden) {
            // Formatting inside hidden groups changes nothing visible.
        } else if (w == "b") {
            s.bold = on;
        } else if (w == "i") {
            s.italic = on;
        } else if (w == "ulnone") {
            s.underline = false;
        } else if (w.substr(0, 2) == "ul" && isUnderlineWord(w)) {
            s.underline = on;
        } else if (w == "fs") {
            s.halfPoints = std::max(param, 0);
        } else if (w == "cf") {
            s.colour = std::max(param, 0);
        } else if (w == "f") {
            s.font = param;
        } else if (w == "plain") {
            s.bold = s.italic = s.underline = false;
            s.halfPoints = 0;
            s.colour = 0;
            s.font = -1;
        } else if (w == "par" || w == "line" || w == "sect" || w == "page" || w == "row") {
            character(U'\n');
        } else if (w == "tab" || w == "cell") {
            character(U'\t');
        } else if (w == "emdash") {
            character(U'\u2014');
        } else if (w == "endash") {
            character(U'\u2013');
        } else if (w == "bullet") {
            character(U'\u2022');
        } else if (w == "lquote") {
            character(U'\u2018');
        } else if (w == "rquote") {
            character(U'\u2019');
        } else if (w == "ldblquote") {
            character(U'\u201C');
        } else if (w == "rdblquote") {
            character(U'\u201D');
        }
        skipBytes_ = 0;
    }

    static bool isUnderlineWord(std::string_view w) {
        static const std::unordered_set<std::string_view> kinds = {
            "ul",    "uld",      "uldash",    "uldashd",    "uldashdd",  "uldb",       "ulhwave", "ulldash", "ulth",
            "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave"};
        return kinds.count(w) > 0;
    }

    void unicode(int value) {
        // Values are 16-bit units, written signed by many writers; anything outside that range is damage.
        char32_t cp =
            value < -32768 || value > 65535 ? U'\uFFFD' : static_cast<char32_t>(value < 0 ? value + 65536 : value);
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            highSurrogate_ = cp;
        } else {
            if (cp >= 0xDC00 && cp <= 0xDFFF) {
                cp = highSurrogate_ ? 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (cp - 0xDC00) : U'\uFFFD';
            }
            highSurrogate_ = 0;
            character(cp);
        }
        skipBytes_ = st().unicodeSkip;
    }

    void byte(unsigned char b) {
        if (skipBytes_ > 0) {
            --skipBytes_;
            return;
        }
        GroupState &s = st();
        switch (s.dest) {
        case Destination::Hidden:
            return;
        case Destination::FontTable:
            if (b == ';') {
                if (fontNo_ >= 0)
                    fonts_[fontNo_] = {trimmed(fontName_), fontCharset_};
                fontName_.clear();
                fontCharset_ = -1;
            } else {
                fontName_.push_back(decode1252(b));
            }
            return;
        case Destination::ColourTable:
            if (b == ';') {
                colours_.push_back(colourGiven_ ? std::optional<std::uint32_t>(rgb()) : std::nullopt);
                red_ = green_ = blue_ = 0;
                colourGiven_ = false;
            }
            return;
        case Destination::Text:
            character(thaiBytes() ? decodeThai(b) : decode1252(b));
            return;
        }
    }

    bool thaiBytes() {
        const auto it = fonts_.find(st().font >= 0 ? st().font : defaultFont_);
        const int charset = it == fonts_.end() ? -1 : it->second.charset;
        if (charset == kThaiCharset)
            return true;
        // ANSI and default character sets follow the document's code page; other sets are not Thai.
        return (charset < 0 || charset == 0 || charset == 1) && codePage_ == 874;
    }

    std::uint32_t rgb() const {
        auto clampByte = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
        return clampByte(red_) << 16 | clampByte(green_) << 8 | clampByte(blue_);
    }

    void character(char32_t ch) {
        GroupState &s = st();
        if (s.dest != Destination::Text)
            return;
        TextRun format;
        format.bold = s.bold;
        format.italic = s.italic;
        format.underline = s.underline;
        format.pointSize = s.halfPoints / 2.0;
        if (s.colour > 0 && static_cast<size_t>(s.colour) < colours_.size())
            format.rgb = colours_[static_cast<size_t>(s.colour)];
        const auto font = fonts_.find(s.font >= 0 ? s.font : defaultFont_);
        if (font != fonts_.end())
            format.fontName = font->second.name;
        if (runs_.empty() || !runs_.back().sameFormat(format))
            runs_.push_back(std::move(format));
        runs_.back().text.push_back(ch);
    }

    void finish() {
        if (!runs_.empty() && !runs_.back().text.empty() && runs_.back().text.back() == U'\n')
            runs_.back().text.pop_back();
        std::erase_if(runs_, [](const TextRun &r) { return r.text.empty(); });
    }

    static std::u32string trimmed(const std::u32string &s) {
        size_t b = 0, e = s.size();
        while (b < e && s[b] == U' ')
            ++b;
        while (e > b && s[e - 1] == U' ')
            --e;
        return s.substr(b, e - b);
    }
    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool hexPair(std::string_view s, int &value) {
        return std::from_chars(s.data(), s.data() + 2, value, 16).ptr == s.data() + 2;
    }

    std::string_view in_;
    size_t pos_ = 0;
    std::vector<GroupState> stack_;
    std::vector<TextRun> runs_;
    int skipBytes_ = 0;
    char32_t highSurrogate_ = 0;
    int codePage_ = 1252;
    int defaultFont_ = 0;
    std::map<int, FontInfo> fonts_;
    int fontNo_ = -1;
    int fontCharset_ = -1;
    std::u32string fontName_;
    std::vector<std::optional<std::uint32_t>> colours_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourGiven_ = false;
};

} // namespace

bool looksLikeRtf(std::string_view bytes) {
    return bytes.substr(0, 5) == "{\\rtf";
}

std::vector<TextRun> readRtf(std::string_view bytes) {
    return Parser(bytes).run();
}

std::u32string runsText(const std::vector<TextRun> &runs) {
    std::u32string text;
    for (const TextRun &r : runs)
        text += r.text;
    return text;
}

} // namespace dlx
