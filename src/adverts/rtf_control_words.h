// The control words of the clips' rich text that mean something to a page,
// looked up by name; every other word is dropped by the reader.
#pragma once

#include <QByteArrayView>

#include <string_view>

// A line break within a paragraph, as the text document keeps it.
constexpr char16_t LineBreak = 0x2028;

enum class Word {
    Character,
    Paragraph,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    FontSize,
    Colour,
    Plain,
    ParagraphDefaults,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustified,
    UnicodeSkip,
    Unicode,
    Binary,
    SkippedDestination,
    ColourTable,
    Red,
    Green,
    Blue,
};

struct KnownWord {
    std::string_view name;
    Word word;
    char16_t character = 0;
};

// The word of that name, or none.
const KnownWord* findWord(QByteArrayView name);
