#include "storage/ini_sections.h"

#include "storage/ini_line_walker.h"

#include <algorithm>
#include <cstring>

namespace {

// Where the first header line at or after from begins, or -1. A header line
// is one whose first character after blanks is "[": each "[" is checked,
// instead of every line.
qsizetype nextHeader(QByteArrayView bytes, qsizetype from)
{
    for (qsizetype bracket = bytes.indexOf('[', from); bracket >= 0;
         bracket = bytes.indexOf('[', bracket + 1)) {
        qsizetype start = bracket;
        while (start > 0 && isIniBlank(bytes[start - 1]))
            --start;
        if (start == 0 || bytes[start - 1] == '\r' || bytes[start - 1] == '\n')
            return start;
    }
    return -1;
}

// The first key of each of these names among the lines of a section, its
// header line starting at start, up to end.
IniSections::Values valuesIn(QByteArrayView bytes, qsizetype start, qsizetype end,
                             std::initializer_list<QByteArrayView> keys)
{
    QVarLengthArray<QByteArrayView, 8> wanted;
    for (const QByteArrayView key : keys)
        wanted.append(trimIniBlanks(key));
    IniSections::Values found(wanted.size());
    qsizetype missing = found.size();
    IniLineWalker line(bytes, start);
    for (line.advance(); missing > 0 && line.start() < end; line.advance()) {
        const IniLine parsed = IniLine::parse(line.text());
        if (parsed.kind != IniLine::Kind::Key)
            continue;
        for (qsizetype i = 0; i < wanted.size(); ++i) {
            if (!found[i] && iniNamesMatch(parsed.name, wanted[i])) {
                found[i] = iniReaderValue(parsed.value);
                --missing;
            }
        }
    }
    return found;
}

// Where the header line of the first section of that name begins, or -1,
// found in one pass over the headers without an index.
qsizetype firstHeaderOf(QByteArrayView content, QByteArrayView section)
{
    const QByteArrayView wanted = trimIniBlanks(section);
    for (qsizetype start = nextHeader(content, 0); start >= 0;
         start = nextHeader(content, IniLineWalker(content, start).next()))
        if (iniNamesMatch(IniLine::parse(IniLineWalker(content, start).text()).name, wanted))
            return start;
    return -1;
}

// Where the section whose header line begins at header ends.
qsizetype sectionEnd(QByteArrayView content, qsizetype header)
{
    const qsizetype next = nextHeader(content, IniLineWalker(content, header).next());
    return next < 0 ? content.size() : next;
}

} // namespace

std::optional<QByteArrayView> findIniValue(QByteArrayView content, QByteArrayView section,
                                           QByteArrayView key)
{
    const qsizetype header = firstHeaderOf(content, section);
    if (header < 0)
        return std::nullopt;
    return valuesIn(content, header, sectionEnd(content, header), {key})[0];
}

QByteArray withIniValue(QByteArray content, QByteArrayView section, QByteArrayView key,
                        QByteArrayView value)
{
    const QByteArray cleanKey = singleIniLine(trimIniBlanks(key));
    const QByteArray cleanValue = singleIniLine(value);
    const QByteArray lineEnd = "\r\n";
    const qsizetype header = firstHeaderOf(content, section);
    if (header < 0) {
        if (!content.isEmpty() && !content.endsWith('\r') && !content.endsWith('\n'))
            content += lineEnd;
        content += '[' + singleIniLine(trimIniBlanks(section)) + ']' + lineEnd;
        return content += cleanKey + '=' + cleanValue + lineEnd;
    }
    // The first key of that name gets the value under its own name; else a
    // new key follows the section's last key, or its header when it has none.
    const qsizetype end = sectionEnd(content, header);
    IniLineWalker line(content, header);
    qsizetype afterLastKey = line.next();
    bool lastKeyEnded = !line.ending().isEmpty();
    for (line.advance(); line.start() < end; line.advance()) {
        const IniLine parsed = IniLine::parse(line.text());
        if (parsed.kind != IniLine::Kind::Key)
            continue;
        if (iniNamesMatch(parsed.name, cleanKey)) {
            const QByteArray rewritten = parsed.name.toByteArray() + '=' + cleanValue + lineEnd;
            return content.replace(line.start(), line.next() - line.start(), rewritten);
        }
        afterLastKey = line.next();
        lastKeyEnded = !line.ending().isEmpty();
    }
    const QByteArray added = (lastKeyEnded ? QByteArray() : lineEnd) + cleanKey + '=' +
                             cleanValue + lineEnd;
    return content.insert(afterLastKey, added);
}

IniSections::IniSections(QByteArray content) : m_content(std::move(content))
{
    const QByteArrayView bytes(m_content);
    for (qsizetype start = nextHeader(bytes, 0); start >= 0;
         start = nextHeader(bytes, IniLineWalker(bytes, start).next()))
        m_sections.push_back({start});
    m_names.reserve(count());
    std::vector<int> lastOfName;
    for (int index = 0; index < count(); ++index) {
        const qsizetype namesBefore = m_names.size();
        int& name = m_names[Name{IniLine::parse(headerLine(index)).name}];
        if (m_names.size() > namesBefore) {
            name = int(m_firstOfName.size());
            m_firstOfName.push_back(index);
            lastOfName.push_back(index);
        } else {
            m_sections[lastOfName[name]].nextNamesake = index;
            lastOfName[name] = index;
        }
        m_sections[index].name = name;
    }
}

QByteArrayView IniSections::headerLine(int section) const
{
    return IniLineWalker(m_content, m_sections[section].start).text();
}

qsizetype IniSections::end(int section) const
{
    return section + 1 < count() ? m_sections[section + 1].start : m_content.size();
}

int IniSections::find(QByteArrayView name) const
{
    const auto found = m_names.constFind(Name{trimIniBlanks(name)});
    return found == m_names.cend() ? -1 : m_firstOfName[*found];
}

IniSections::Values IniSections::values(int section,
                                        std::initializer_list<QByteArrayView> keys) const
{
    return valuesIn(m_content, m_sections[section].start, end(section), keys);
}

void IniSections::erase(int section)
{
    Q_ASSERT(firstNamesake(section) == section);
    m_firstOfName[m_sections[section].name] = m_sections[section].nextNamesake;
    const qsizetype sectionEnd = end(section);
    for (IniLineWalker line(m_content, m_sections[section].start); line.start() < sectionEnd;
         line.advance()) {
        const bool header = line.start() == m_sections[section].start;
        if (!header && IniLine::parse(line.text()).outlivesItsSection())
            continue;
        if (!m_erased.empty() && m_erased.back().second == line.start())
            m_erased.back().second = line.next();
        else
            m_erased.emplace_back(line.start(), line.next());
    }
}

QByteArray IniSections::toBytes() &&
{
    std::sort(m_erased.begin(), m_erased.end());
    QByteArray out = std::move(m_content);
    char* const bytes = out.data();
    qsizetype kept = 0;
    qsizetype written = 0;
    const auto keep = [&](qsizetype until) {
        std::memmove(bytes + written, bytes + kept, until - kept);
        written += until - kept;
    };
    for (const auto& [from, to] : m_erased) {
        keep(from);
        kept = to;
    }
    keep(out.size());
    out.truncate(written);
    m_sections.clear();
    m_names.clear();
    m_firstOfName.clear();
    m_erased.clear();
    return out;
}
