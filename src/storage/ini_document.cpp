#include "storage/ini_document.h"

#include "storage/ini_line_walker.h"

namespace {

QByteArray trimBlanks(const QByteArray& text) { return trimIniBlanks(text).toByteArray(); }

} // namespace

IniDocument::IniDocument(const QByteArray& content)
{
    for (IniLineWalker line(content); !line.atEnd(); line.advance())
        m_lines.append({line.text().toByteArray(), line.ending().toByteArray()});
    rebuildIndex();
}

void IniDocument::rebuildIndex()
{
    // Walked backwards so that the first section of a name is the one kept.
    m_firstSection.clear();
    for (int i = static_cast<int>(m_lines.size()) - 1; i >= 0; --i) {
        const IniLine p = IniLine::parse(m_lines[i].text);
        if (p.kind == IniLine::Kind::Header)
            m_firstSection.insert(foldIniName(p.name.toByteArray()), i);
    }
}

int IniDocument::findSection(const QByteArray& section) const
{
    return m_firstSection.value(foldIniName(trimBlanks(section)), -1);
}

int IniDocument::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < m_lines.size() && IniLine::parse(m_lines[i].text).kind != IniLine::Kind::Header)
        ++i;
    return i;
}

std::optional<QByteArray> IniDocument::value(const QByteArray& section,
                                             const QByteArray& key) const
{
    const int header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const QByteArray wanted = trimBlanks(key);
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const IniLine p = IniLine::parse(m_lines[i].text);
        if (p.kind == IniLine::Kind::Key && iniNamesMatch(p.name, wanted))
            return iniReaderValue(p.value).toByteArray();
    }
    return std::nullopt;
}

void IniDocument::setValue(const QByteArray& section, const QByteArray& key,
                           const QByteArray& value)
{
    const QByteArray cleanKey = singleIniLine(trimBlanks(key));
    const QByteArray cleanValue = singleIniLine(value);
    const int header = findSection(section);
    if (header < 0) {
        if (!m_lines.isEmpty() && m_lines.back().ending.isEmpty())
            m_lines.back().ending = "\r\n";
        m_lines.append({'[' + singleIniLine(trimBlanks(section)) + ']', "\r\n"});
        m_lines.append({cleanKey + '=' + cleanValue, "\r\n"});
        rebuildIndex();
        return;
    }
    const int end = sectionEnd(header);
    int lastKey = header;
    for (int i = header + 1; i < end; ++i) {
        const IniLine p = IniLine::parse(m_lines[i].text);
        if (p.kind != IniLine::Kind::Key)
            continue;
        if (iniNamesMatch(p.name, cleanKey)) {
            m_lines[i] = {p.name.toByteArray() + '=' + cleanValue, "\r\n"};
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
        if (!inSection || IniLine::parse(m_lines[i].text).outlivesItsSection())
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
        const IniLine p = IniLine::parse(line.text);
        if (p.kind == IniLine::Kind::Header)
            names.append(p.name.toByteArray());
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
