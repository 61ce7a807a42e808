#include "adverts/rtf_reader.h"

#include "adverts/rtf_control_words.h"

#include "storage/code_page.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Groups nested deeper than this share the state of the group at this depth,
// so a hostile clip cannot grow the stack without bound.
constexpr std::size_t MaxGroupDepth = 1000;
// A longer number is clamped here; no parameter we use means anything beyond.
constexpr std::int64_t MaxParameter = 1'000'000'000;
// 1 to 1638 points, the sizes a word processor offers.
constexpr int MinHalfPoints = 2;
constexpr int MaxHalfPoints = 3276;

const std::array<char16_t, 256>& cp1251Characters() {
    static const std::array<char16_t, 256> table = [] {
        QByteArray bytes(256, '\0');
        for (int b = 0; b < 256; ++b)
            bytes[b] = static_cast<char>(b);
        const QString text = cp1251::decode(bytes);
        std::array<char16_t, 256> characters{};
        for (int b = 0; b < 256; ++b)
            characters[b] = text.at(b).unicode();
        return characters;
    }();
    return table;
}

// Control characters, the paragraph separator and the marks a text document
// keeps for itself would break the page apart or vanish; a tab is shown.
bool isShown(char16_t ch) {
    if (ch == u'\t')
        return true;
    const bool control = ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
    const bool nonCharacter = (ch >= 0xFDD0 && ch <= 0xFDEF) || ch >= 0xFFFE;
    return !control && !nonCharacter && ch != 0x2029;
}

void appendCharacter(RtfParagraph& paragraph, char16_t ch, const RtfFormat& format) {
    if (!isShown(ch))
        return;
    if (paragraph.runs.isEmpty() || paragraph.runs.back().format != format)
        paragraph.runs.append(RtfRun{QString(), format});
    paragraph.runs.back().text.append(QChar(ch));
}

RtfPage plainTextPage(const QByteArray& bytes) {
    RtfPage page;
    RtfParagraph line;
    bool lineOpen = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
            page.paragraphs.append(std::exchange(line, RtfParagraph{}));
            lineOpen = false;
            continue;
        }
        lineOpen = true;
        appendCharacter(line, cp1251Characters()[static_cast<std::uint8_t>(c)], RtfFormat{});
    }
    if (lineOpen)
        page.paragraphs.append(line);
    return page;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct ControlWord {
    QByteArrayView name;
    std::optional<int> parameter;
};

// A toggle without a parameter, or with one other than 0, switches on.
bool isOn(std::optional<int> parameter) {
    return !parameter || *parameter != 0;
}

int halfPointsOf(std::optional<int> parameter) {
    if (!parameter || *parameter <= 0)
        return 0;
    return std::clamp(*parameter, MinHalfPoints, MaxHalfPoints);
}

std::uint8_t colourComponent(std::optional<int> parameter) {
    return static_cast<std::uint8_t>(std::clamp(parameter.value_or(0), 0, 255));
}

class RtfParser {
public:
    explicit RtfParser(const QByteArray& bytes);
    RtfPage read();

private:
    enum class Destination { Text, ColourTable, Skipped };

    struct CharacterState {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        int halfPoints = 0; // 0: the view's own size
        int colourIndex = 0;
    };

    struct GroupState {
        CharacterState characters;
        RtfAlignment alignment = RtfAlignment::Left;
        int unicodeSkip = 1;
        Destination destination = Destination::Text;
    };

    GroupState& state() { return m_groups.back(); }
    void openGroup();
    void closeGroup();
    void readControl();
    ControlWord readControlWord();
    void readHexByte();
    void apply(const ControlWord& word);
    void applyToText(const KnownWord& known, std::optional<int> parameter);
    void applyToColourTable(Word word, std::optional<int> parameter);
    void textByte(std::uint8_t byte);
    void addUnicode(int code);
    void addCharacter(char16_t ch);
    RtfFormat format() const;
    void endParagraph();
    void addColour();
    void skipBinary(std::optional<int> count);

    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
    std::vector<GroupState> m_groups;
    std::size_t m_groupsBeyondDepth = 0;
    bool m_ended = false;
    int m_replacementToSkip = 0;
    QList<std::optional<RtfColour>> m_colourTable;
    RtfColour m_colour;
    bool m_colourGiven = false;
    RtfParagraph m_paragraph;
    RtfPage m_page;
};

// The opening brace of the document is behind us: the state at the bottom of
// the stack is the document's own.
RtfParser::RtfParser(const QByteArray& bytes)
    : m_bytes(bytes)
    , m_pos(1)
    , m_groups(1) {}

RtfPage RtfParser::read() {
    while (!m_ended && m_pos < m_bytes.size()) {
        const char c = m_bytes.at(m_pos++);
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            readControl();
            break;
        case '\r':
        case '\n':
            break;
        default:
            textByte(static_cast<std::uint8_t>(c));
        }
    }
    if (!m_paragraph.runs.isEmpty())
        endParagraph();
    return std::move(m_page);
}

void RtfParser::openGroup() {
    m_replacementToSkip = 0;
    if (m_groups.size() >= MaxGroupDepth) {
        ++m_groupsBeyondDepth;
        return;
    }
    const GroupState copy = state();
    m_groups.push_back(copy);
}

// The brace that closes the document ends the page; what follows is not read.
void RtfParser::closeGroup() {
    m_replacementToSkip = 0;
    if (m_groupsBeyondDepth > 0)
        --m_groupsBeyondDepth;
    else if (m_groups.size() == 1)
        m_ended = true;
    else
        m_groups.pop_back();
}

void RtfParser::readControl() {
    if (m_pos >= m_bytes.size())
        return;
    const char c = m_bytes.at(m_pos);
    if (isLetter(c)) {
        apply(readControlWord());
        return;
    }
    ++m_pos;
    switch (c) {
    case '\'':
        readHexByte();
        return;
    case '\\':
    case '{':
    case '}':
        textByte(static_cast<std::uint8_t>(c));
        return;
    default:
        apply(ControlWord{QByteArrayView(m_bytes).sliced(m_pos - 1, 1), std::nullopt});
    }
}

ControlWord RtfParser::readControlWord() {
    const qsizetype start = m_pos;
    while (m_pos < m_bytes.size() && isLetter(m_bytes.at(m_pos)))
        ++m_pos;
    ControlWord word{QByteArrayView(m_bytes).sliced(start, m_pos - start), std::nullopt};

    const bool negative =
        m_pos + 1 < m_bytes.size() && m_bytes.at(m_pos) == '-' && isDigit(m_bytes.at(m_pos + 1));
    if (negative)
        ++m_pos;
    if (m_pos < m_bytes.size() && isDigit(m_bytes.at(m_pos))) {
        std::int64_t value = 0;
        while (m_pos < m_bytes.size() && isDigit(m_bytes.at(m_pos)))
            value = std::min(value * 10 + (m_bytes.at(m_pos++) - '0'), MaxParameter);
        word.parameter = static_cast<int>(negative ? -value : value);
    }
    if (m_pos < m_bytes.size() && m_bytes.at(m_pos) == ' ')
        ++m_pos;
    return word;
}

// "\'hh": a byte given by two hex digits; anything less is dropped.
void RtfParser::readHexByte() {
    int value = 0;
    for (int digit = 0; digit < 2; ++digit) {
        const int nibble = m_pos < m_bytes.size() ? hexValue(m_bytes.at(m_pos)) : -1;
        if (nibble < 0)
            return;
        value = value * 16 + nibble;
        ++m_pos;
    }
    textByte(static_cast<std::uint8_t>(value));
}

void RtfParser::apply(const ControlWord& word) {
    m_replacementToSkip = 0;
    const KnownWord* known = findWord(word.name);
    if (!known)
        return;
    switch (known->word) {
    case Word::Binary:
        skipBinary(word.parameter);
        return;
    case Word::SkippedDestination:
        state().destination = Destination::Skipped;
        return;
    case Word::ColourTable:
        if (state().destination == Destination::Skipped)
            return;
        state().destination = Destination::ColourTable;
        m_colourTable.clear();
        m_colourGiven = false;
        return;
    default:
        break;
    }
    switch (state().destination) {
    case Destination::Text:
        applyToText(*known, word.parameter);
        return;
    case Destination::ColourTable:
        applyToColourTable(known->word, word.parameter);
        return;
    case Destination::Skipped:
        return;
    }
}

void RtfParser::applyToText(const KnownWord& known, std::optional<int> parameter) {
    CharacterState& characters = state().characters;
    switch (known.word) {
    case Word::Character:
        addCharacter(known.character);
        break;
    case Word::Paragraph:
        endParagraph();
        break;
    case Word::Bold:
        characters.bold = isOn(parameter);
        break;
    case Word::Italic:
        characters.italic = isOn(parameter);
        break;
    case Word::Underline:
        characters.underline = isOn(parameter);
        break;
    case Word::UnderlineNone:
        characters.underline = false;
        break;
    case Word::FontSize:
        characters.halfPoints = halfPointsOf(parameter);
        break;
    case Word::Colour:
        characters.colourIndex = std::max(parameter.value_or(0), 0);
        break;
    case Word::Plain:
        characters = CharacterState{};
        break;
    case Word::ParagraphDefaults:
    case Word::AlignLeft:
        state().alignment = RtfAlignment::Left;
        break;
    case Word::AlignCentre:
        state().alignment = RtfAlignment::Centre;
        break;
    case Word::AlignRight:
        state().alignment = RtfAlignment::Right;
        break;
    case Word::AlignJustified:
        state().alignment = RtfAlignment::Justified;
        break;
    case Word::UnicodeSkip:
        state().unicodeSkip = std::max(parameter.value_or(1), 0);
        break;
    case Word::Unicode:
        addUnicode(parameter.value_or(0));
        break;
    default:
        break;
    }
}

void RtfParser::applyToColourTable(Word word, std::optional<int> parameter) {
    switch (word) {
    case Word::Red:
        m_colour.red = colourComponent(parameter);
        break;
    case Word::Green:
        m_colour.green = colourComponent(parameter);
        break;
    case Word::Blue:
        m_colour.blue = colourComponent(parameter);
        break;
    default:
        return;
    }
    m_colourGiven = true;
}

void RtfParser::textByte(std::uint8_t byte) {
    switch (state().destination) {
    case Destination::ColourTable:
        if (byte == ';')
            addColour();
        return;
    case Destination::Skipped:
        return;
    case Destination::Text:
        break;
    }
    if (m_replacementToSkip > 0) {
        --m_replacementToSkip;
        return;
    }
    addCharacter(cp1251Characters()[byte]);
}

// "\uN" is a UTF-16 unit, negative above 32767; the next \uc characters stand
// in for it where Unicode is not read, so they are skipped.
void RtfParser::addUnicode(int code) {
    if (code < 0)
        code += 65536;
    if (code >= 0 && code <= 0xFFFF)
        addCharacter(static_cast<char16_t>(code));
    m_replacementToSkip = state().unicodeSkip;
}

void RtfParser::addCharacter(char16_t ch) {
    appendCharacter(m_paragraph, ch, format());
}

RtfFormat RtfParser::format() const {
    const CharacterState& characters = m_groups.back().characters;
    RtfFormat format{characters.bold, characters.italic, characters.underline, std::nullopt,
                     std::nullopt};
    if (characters.halfPoints > 0)
        format.pointSize = characters.halfPoints / 2.0;
    if (characters.colourIndex < m_colourTable.size())
        format.colour = m_colourTable.at(characters.colourIndex);
    return format;
}

// A paragraph takes the alignment in force at its end.
void RtfParser::endParagraph() {
    m_paragraph.alignment = state().alignment;
    m_page.paragraphs.append(std::exchange(m_paragraph, RtfParagraph{}));
}

// An entry without any component is "automatic", the view's own text colour.
void RtfParser::addColour() {
    m_colourTable.append(m_colourGiven ? std::optional(m_colour) : std::nullopt);
    m_colour = RtfColour{};
    m_colourGiven = false;
}

void RtfParser::skipBinary(std::optional<int> count) {
    m_pos += std::min<qsizetype>(std::max(count.value_or(0), 0), m_bytes.size() - m_pos);
}

} // namespace

RtfPage readRtf(const QByteArray& bytes) {
    if (!bytes.startsWith("{\\rtf"))
        return plainTextPage(bytes);
    return RtfParser(bytes).read();
}
