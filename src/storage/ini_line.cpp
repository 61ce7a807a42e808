#include "storage/ini_line.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<unsigned char, 256> makeFoldTable()
{
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<unsigned char>(i);
    for (int c = 'A'; c <= 'Z'; ++c)
        t[c] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDF; ++c)
        t[c] = static_cast<unsigned char>(c + 32);
    constexpr std::array<std::array<unsigned char, 2>, 15> pairs{{
        {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
        {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
        {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
    }};
    for (const auto& [upper, lower] : pairs)
        t[upper] = lower;
    return t;
}
constexpr auto FoldTable = makeFoldTable();

unsigned char folded(char c) { return FoldTable[static_cast<unsigned char>(c)]; }

} // namespace

QByteArrayView trimIniBlanks(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isIniBlank(text[begin]))
        ++begin;
    while (end > begin && isIniBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

IniLine IniLine::parse(QByteArrayView text)
{
    const QByteArrayView trimmed = trimIniBlanks(text);
    IniLine line;
    if (trimmed.isEmpty())
        return line;
    if (trimmed.front() == '[') {
        const qsizetype close = trimmed.indexOf(']');
        line.kind = Kind::Header;
        line.name = trimIniBlanks(trimmed.sliced(1, (close < 0 ? trimmed.size() : close) - 1));
        return line;
    }
    if (trimmed.front() == ';') {
        line.kind = Kind::Comment;
        return line;
    }
    const qsizetype eq = trimmed.indexOf('=');
    if (eq < 0) {
        line.kind = Kind::Other;
        return line;
    }
    line.kind = Kind::Key;
    line.name = trimIniBlanks(trimmed.first(eq));
    line.value = trimIniBlanks(trimmed.sliced(eq + 1));
    return line;
}

QByteArrayView iniReaderValue(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.first(std::min<qsizetype>(value.size(), IniMaxValueLength));
}

QByteArray foldIniName(const QByteArray& name)
{
    QByteArray result(name);
    for (char& c : result)
        c = static_cast<char>(folded(c));
    return result;
}

bool iniNamesMatch(QByteArrayView a, QByteArrayView b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return folded(x) == folded(y); });
}

size_t iniNameHash(QByteArrayView name, size_t seed)
{
    // FNV-1a over the folded bytes.
    size_t hash = 14695981039346656037ULL ^ seed;
    for (const char c : name)
        hash = (hash ^ folded(c)) * 1099511628211ULL;
    return hash;
}

QByteArray singleIniLine(QByteArrayView text)
{
    QByteArray line = text.toByteArray();
    line.replace('\r', ' ');
    line.replace('\n', ' ');
    return line;
}
