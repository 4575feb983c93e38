#include "app/RtfText.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace ovl {

namespace {

// Groups that hold no document text when they open with one of these words.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::string_view names[] = {"fonttbl",      "colortbl",
                                                 "stylesheet",   "info",
                                                 "pict",         "object",
                                                 "header",       "headerl",
                                                 "headerr",      "headerf",
                                                 "footer",       "footerl",
                                                 "footerr",      "footerf",
                                                 "listtable",    "listoverridetable",
                                                 "rsidtbl",      "generator",
                                                 "fldinst",      "filetbl",
                                                 "revtbl",       "themedata",
                                                 "latentstyles", "datastore",
                                                 "xmlnstbl",     "colorschememapping"};
    return std::find(std::begin(names), std::end(names), word) != std::end(names);
}

// Code page 1252 byte of a Unicode code point; '?' when the code page has none.
char UnicodeToCp1252(long code) {
    if ((code > 0 && code < 0x80) || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    static constexpr std::pair<long, unsigned char> specials[] = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
        {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
        {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
        {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
        {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
        {0x017E, 0x9E}, {0x0178, 0x9F}};
    for (const auto& [unicode, byte] : specials) {
        if (unicode == code)
            return static_cast<char>(byte);
    }
    return '?';
}

// Control words that stand for one character of text.
bool CharacterOfWord(std::string_view word, char& c) {
    static constexpr std::pair<std::string_view, unsigned char> words[] = {
        {"par", '\n'},       {"line", '\n'},      {"sect", '\n'},   {"page", '\n'},
        {"row", '\n'},       {"tab", '\t'},       {"cell", '\t'},   {"emdash", 0x97},
        {"endash", 0x96},    {"bullet", 0x95},    {"lquote", 0x91}, {"rquote", 0x92},
        {"ldblquote", 0x93}, {"rdblquote", 0x94}, {"emspace", ' '}, {"enspace", ' '},
        {"qmspace", ' '}};
    for (const auto& [name, byte] : words) {
        if (name == word) {
            c = static_cast<char>(byte);
            return true;
        }
    }
    return false;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One pass over the document, keeping a stack of group states instead of recursing, so
// deep nesting cannot exhaust the call stack.
class RtfReader {
public:
    explicit RtfReader(const std::string& rtf) : m_strRtf(rtf) {}

    std::string Read() {
        while (m_nPos < m_strRtf.size()) {
            const char c = m_strRtf[m_nPos++];
            if (c == '{')
                OpenGroup();
            else if (c == '}')
                CloseGroup();
            else if (c == '\\')
                ReadControl();
            else if (c != '\r' && c != '\n') // line ends in the source are not text
                Character(c);
        }
        return std::move(m_strText);
    }

private:
    struct GroupState {
        bool bSkip = false;
        int nUnicodeFallback = 1; // characters after \uN that stand in for it (\ucN)
    };

    // Parameters beyond this are clamped: no real document needs them and it keeps the
    // arithmetic in range.
    static constexpr long kMaxParam = 1000000000L;

    void OpenGroup() {
        m_groups.push_back(m_state);
        m_bGroupStart = true;
        m_nFallbackLeft = 0;
    }

    void CloseGroup() {
        // A closing brace without its opening one is ignored.
        if (!m_groups.empty()) {
            m_state = m_groups.back();
            m_groups.pop_back();
        }
        m_bGroupStart = false;
        m_nFallbackLeft = 0;
    }

    void SkipGroup() { m_state.bSkip = true; }

    // One unit of text: a byte, an escaped byte or a character-producing control.
    void Character(char c) {
        m_bGroupStart = false;
        if (m_nFallbackLeft > 0) {
            --m_nFallbackLeft;
            return;
        }
        if (!m_state.bSkip)
            m_strText += c;
    }

    // A control that yields no text still counts as one fallback character after \uN.
    bool ConsumedAsFallback() {
        if (m_nFallbackLeft == 0)
            return false;
        --m_nFallbackLeft;
        return true;
    }

    void ReadControl() {
        if (m_nPos >= m_strRtf.size())
            return;
        const char c = m_strRtf[m_nPos];
        if (IsLetter(c)) {
            ReadControlWord();
            return;
        }
        ++m_nPos;
        switch (c) {
        case '\'':
            ReadHexEscape();
            break;
        case '\\':
        case '{':
        case '}':
            Character(c);
            break;
        case '~':
            Character('\xA0');
            break;
        case '_':
            Character('-');
            break;
        case '\r':
        case '\n':
            Character('\n');
            break;
        case '*':
            if (m_bGroupStart)
                SkipGroup(); // an ignorable destination: none of its content is text
            break;
        default: // \- (optional hyphen) and unknown symbols give nothing
            m_bGroupStart = false;
            ConsumedAsFallback();
            break;
        }
    }

    void ReadHexEscape() {
        int value = 0;
        for (int i = 0; i < 2; ++i) {
            const int digit = m_nPos < m_strRtf.size() ? HexDigitValue(m_strRtf[m_nPos]) : -1;
            if (digit < 0) {
                m_bGroupStart = false;
                return; // truncated escape: dropped
            }
            value = value * 16 + digit;
            ++m_nPos;
        }
        Character(static_cast<char>(value));
    }

    void ReadControlWord() {
        const size_t start = m_nPos;
        while (m_nPos < m_strRtf.size() && IsLetter(m_strRtf[m_nPos]))
            ++m_nPos;
        const std::string_view word(m_strRtf.data() + start, m_nPos - start);

        bool hasParam = false;
        long param = 0;
        bool negative = false;
        if (m_nPos + 1 < m_strRtf.size() && m_strRtf[m_nPos] == '-' &&
            IsDigit(m_strRtf[m_nPos + 1])) {
            negative = true;
            ++m_nPos;
        }
        while (m_nPos < m_strRtf.size() && IsDigit(m_strRtf[m_nPos])) {
            hasParam = true;
            param = std::min(kMaxParam, param * 10 + (m_strRtf[m_nPos] - '0'));
            ++m_nPos;
        }
        if (negative)
            param = -param;
        // A single space ends the word and belongs to it.
        if (m_nPos < m_strRtf.size() && m_strRtf[m_nPos] == ' ')
            ++m_nPos;
        ApplyControlWord(word, hasParam, param);
    }

    void ApplyControlWord(std::string_view word, bool hasParam, long param) {
        if (m_bGroupStart && IsSkippedDestination(word)) {
            SkipGroup();
            return;
        }
        char c = 0;
        if (CharacterOfWord(word, c)) {
            Character(c);
            return;
        }
        m_bGroupStart = false;
        if (word == "bin" && hasParam) {
            SkipBinary(param);
            return;
        }
        if (ConsumedAsFallback())
            return;
        if (word == "u" && hasParam) {
            // Negative values stand for code points above 32767.
            Character(UnicodeToCp1252(param < 0 ? param + 65536 : param));
            m_nFallbackLeft = m_state.nUnicodeFallback;
        } else if (word == "uc" && hasParam) {
            m_state.nUnicodeFallback = static_cast<int>(std::clamp(param, 0L, 16L));
        }
    }

    // \binN: N raw bytes that are data, never text.
    void SkipBinary(long count) {
        const size_t left = m_strRtf.size() - m_nPos;
        m_nPos += std::min(left, static_cast<size_t>(std::max(count, 0L)));
    }

    const std::string& m_strRtf;
    size_t m_nPos = 0;
    GroupState m_state;
    std::vector<GroupState> m_groups;
    bool m_bGroupStart = false; // nothing read yet since the last '{'
    int m_nFallbackLeft = 0;    // fallback characters of the last \uN still to drop
    std::string m_strText;
};

} // namespace

std::string RtfToPlainText(const std::string& rtf) {
    return RtfReader(rtf).Read();
}

} // namespace ovl
