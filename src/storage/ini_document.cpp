#include "storage/ini_document.h"

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

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArray trimBlanks(const QByteArray& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QByteArray unquoted(const QByteArray& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// Line breaks inside a name or value would break the file apart.
QByteArray singleLine(QByteArray text)
{
    text.replace('\r', ' ');
    text.replace('\n', ' ');
    return text;
}

} // namespace

QByteArray foldIniName(const QByteArray& name)
{
    QByteArray folded(name);
    for (char& c : folded)
        c = static_cast<char>(FoldTable[static_cast<unsigned char>(c)]);
    return folded;
}

IniDocument::IniDocument(const QByteArray& content)
{
    qsizetype pos = 0;
    const qsizetype size = content.size();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && content[end] != '\r' && content[end] != '\n')
            ++end;
        Line line{content.mid(pos, end - pos), {}};
        if (end < size) {
            const bool crlf = content[end] == '\r' && end + 1 < size && content[end + 1] == '\n';
            line.ending = content.mid(end, crlf ? 2 : 1);
            end += line.ending.size();
        }
        m_lines.append(line);
        pos = end;
    }
    rebuildIndex();
}

IniDocument::Parsed IniDocument::parse(const QByteArray& text)
{
    const QByteArray trimmed = trimBlanks(text);
    Parsed p;
    if (trimmed.isEmpty())
        return p;
    if (trimmed.front() == '[') {
        const qsizetype close = trimmed.indexOf(']');
        p.kind = Kind::Header;
        p.name = trimBlanks(trimmed.mid(1, close < 0 ? -1 : close - 1));
        return p;
    }
    if (trimmed.front() == ';') {
        p.kind = Kind::Comment;
        return p;
    }
    const qsizetype eq = trimmed.indexOf('=');
    if (eq < 0) {
        p.kind = Kind::Other;
        return p;
    }
    p.kind = Kind::Key;
    p.name = trimBlanks(trimmed.left(eq));
    p.value = trimBlanks(trimmed.mid(eq + 1));
    return p;
}

void IniDocument::rebuildIndex()
{
    // Walked backwards so that the first section of a name is the one kept.
    m_firstSection.clear();
    for (int i = static_cast<int>(m_lines.size()) - 1; i >= 0; --i) {
        const Parsed p = parse(m_lines[i].text);
        if (p.kind == Kind::Header)
            m_firstSection.insert(foldIniName(p.name), i);
    }
}

int IniDocument::findSection(const QByteArray& section) const
{
    return m_firstSection.value(foldIniName(trimBlanks(section)), -1);
}

int IniDocument::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < m_lines.size() && parse(m_lines[i].text).kind != Kind::Header)
        ++i;
    return i;
}

std::optional<QByteArray> IniDocument::value(const QByteArray& section,
                                             const QByteArray& key) const
{
    const int header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const QByteArray wanted = foldIniName(trimBlanks(key));
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const Parsed p = parse(m_lines[i].text);
        if (p.kind == Kind::Key && foldIniName(p.name) == wanted)
            return unquoted(p.value).left(IniMaxValueLength);
    }
    return std::nullopt;
}

void IniDocument::setValue(const QByteArray& section, const QByteArray& key,
                           const QByteArray& value)
{
    const QByteArray cleanKey = singleLine(trimBlanks(key));
    const QByteArray cleanValue = singleLine(value);
    const int header = findSection(section);
    if (header < 0) {
        if (!m_lines.isEmpty() && m_lines.back().ending.isEmpty())
            m_lines.back().ending = "\r\n";
        m_lines.append({'[' + singleLine(trimBlanks(section)) + ']', "\r\n"});
        m_lines.append({cleanKey + '=' + cleanValue, "\r\n"});
        rebuildIndex();
        return;
    }
    const QByteArray wanted = foldIniName(cleanKey);
    const int end = sectionEnd(header);
    int lastKey = header;
    for (int i = header + 1; i < end; ++i) {
        const Parsed p = parse(m_lines[i].text);
        if (p.kind != Kind::Key)
            continue;
        if (foldIniName(p.name) == wanted) {
            m_lines[i] = {p.name + '=' + cleanValue, "\r\n"};
            return;
        }
        lastKey = i;
    }
    if (m_lines[lastKey].ending.isEmpty())
        m_lines[lastKey].ending = "\r\n";
    m_lines.insert(lastKey + 1, {cleanKey + '=' + cleanValue, "\r\n"});
    rebuildIndex();
}

bool IniDocument::eraseSection(const QByteArray& section)
{
    const int header = findSection(section);
    if (header < 0)
        return false;
    const int end = sectionEnd(header);
    QList<Line> kept;
    kept.reserve(m_lines.size());
    for (int i = 0; i < m_lines.size(); ++i) {
        const bool inSection = i >= header && i < end;
        if (!inSection || parse(m_lines[i].text).kind == Kind::Blank ||
            parse(m_lines[i].text).kind == Kind::Other)
            kept.append(m_lines[i]);
    }
    m_lines = kept;
    rebuildIndex();
    return true;
}

QByteArrayList IniDocument::sectionNames() const
{
    QByteArrayList names;
    for (const Line& line : m_lines) {
        const Parsed p = parse(line.text);
        if (p.kind == Kind::Header)
            names.append(p.name);
    }
    return names;
}

QByteArrayList IniDocument::lineTexts() const
{
    QByteArrayList texts;
    texts.reserve(m_lines.size());
    for (const Line& line : m_lines)
        texts.append(line.text);
    return texts;
}

QByteArray IniDocument::toBytes() const
{
    QByteArray out;
    for (const Line& line : m_lines)
        out += line.text + line.ending;
    return out;
}
