#include "adverts/rtf_control_words.h"

#include <algorithm>
#include <array>

namespace {

// Control words and symbols that mean something to the page, sorted by name.
// Everything else, the optional hyphen "\-" included, is dropped.
constexpr std::array KnownWords{
    KnownWord{"\n", Word::Paragraph},
    KnownWord{"\r", Word::Paragraph},
    KnownWord{"*", Word::SkippedDestination},
    KnownWord{"_", Word::Character, u'\u2011'},
    KnownWord{"b", Word::Bold},
    KnownWord{"bin", Word::Binary},
    KnownWord{"blue", Word::Blue},
    KnownWord{"bullet", Word::Character, u'\u2022'},
    KnownWord{"cf", Word::Colour},
    KnownWord{"colortbl", Word::ColourTable},
    KnownWord{"emdash", Word::Character, u'\u2014'},
    KnownWord{"endash", Word::Character, u'\u2013'},
    KnownWord{"filetbl", Word::SkippedDestination},
    KnownWord{"fldinst", Word::SkippedDestination},
    KnownWord{"fonttbl", Word::SkippedDestination},
    KnownWord{"footer", Word::SkippedDestination},
    KnownWord{"footerf", Word::SkippedDestination},
    KnownWord{"footerl", Word::SkippedDestination},
    KnownWord{"footerr", Word::SkippedDestination},
    KnownWord{"footnote", Word::SkippedDestination},
    KnownWord{"fs", Word::FontSize},
    KnownWord{"green", Word::Green},
    KnownWord{"header", Word::SkippedDestination},
    KnownWord{"headerf", Word::SkippedDestination},
    KnownWord{"headerl", Word::SkippedDestination},
    KnownWord{"headerr", Word::SkippedDestination},
    KnownWord{"i", Word::Italic},
    KnownWord{"info", Word::SkippedDestination},
    KnownWord{"ldblquote", Word::Character, u'\u201C'},
    KnownWord{"line", Word::Character, LineBreak},
    KnownWord{"listoverridetable", Word::SkippedDestination},
    KnownWord{"listtable", Word::SkippedDestination},
    KnownWord{"lquote", Word::Character, u'\u2018'},
    KnownWord{"object", Word::SkippedDestination},
    KnownWord{"page", Word::Paragraph},
    KnownWord{"par", Word::Paragraph},
    KnownWord{"pard", Word::ParagraphDefaults},
    KnownWord{"pict", Word::SkippedDestination},
    KnownWord{"plain", Word::Plain},
    KnownWord{"qc", Word::AlignCentre},
    KnownWord{"qj", Word::AlignJustified},
    KnownWord{"ql", Word::AlignLeft},
    KnownWord{"qr", Word::AlignRight},
    KnownWord{"rdblquote", Word::Character, u'\u201D'},
    KnownWord{"red", Word::Red},
    KnownWord{"revtbl", Word::SkippedDestination},
    KnownWord{"rquote", Word::Character, u'\u2019'},
    KnownWord{"sect", Word::Paragraph},
    KnownWord{"stylesheet", Word::SkippedDestination},
    KnownWord{"tab", Word::Character, u'\t'},
    KnownWord{"u", Word::Unicode},
    KnownWord{"uc", Word::UnicodeSkip},
    KnownWord{"ul", Word::Underline},
    KnownWord{"uld", Word::Underline},
    KnownWord{"uldb", Word::Underline},
    KnownWord{"ulnone", Word::UnderlineNone},
    KnownWord{"ulw", Word::Underline},
    KnownWord{"~", Word::Character, u'\u00A0'},
};

constexpr bool byName(const KnownWord& a, const KnownWord& b) {
    return a.name < b.name;
}
static_assert(std::is_sorted(KnownWords.begin(), KnownWords.end(), byName));

} // namespace

const KnownWord* findWord(QByteArrayView name) {
    const KnownWord key{std::string_view(name.data(), static_cast<std::size_t>(name.size())),
                        Word::Character};
    const auto found = std::lower_bound(KnownWords.begin(), KnownWords.end(), key, byName);
    return found != KnownWords.end() && found->name == key.name ? &*found : nullptr;
}

