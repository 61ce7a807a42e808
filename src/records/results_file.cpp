#include "records/results_file.h"

#include "storage/code_page.h"
#include "storage/whole_file.h"

namespace {

bool opensLine(const QByteArray& content, qsizetype pos) {
    return pos == 0 || content[pos - 1] == '\r' || content[pos - 1] == '\n';
}

QByteArray firstLine(const QByteArray& piece) {
    qsizetype end = 0;
    while (end < piece.size() && piece[end] != '\r' && piece[end] != '\n')
        ++end;
    return piece.left(end);
}

// A section name as a lookup matches it: blanks around it do not count, nor
// does letter case.
QByteArray lookupKey(const QString& name) {
    QByteArray bytes = cp1251::encode(name);
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && (bytes[begin] == ' ' || bytes[begin] == '\t'))
        ++begin;
    while (end > begin && (bytes[end - 1] == ' ' || bytes[end - 1] == '\t'))
        --end;
    return foldIniName(bytes.mid(begin, end - begin));
}

bool holdsSection(const IniDocument& piece, const QByteArray& key) {
    for (const QByteArray& name : piece.sectionNames())
        if (foldIniName(name) == key)
            return true;
    return false;
}

} // namespace

ResultsFile::ResultsFile(const QByteArray& content) {
    qsizetype start = 0;
    for (qsizetype pos = 1; pos <= content.size(); ++pos) {
        if (pos < content.size() && !(content[pos] == '[' && opensLine(content, pos)))
            continue;
        const QByteArray piece = content.mid(start, pos - start);
        if (piece.startsWith('[')) {
            const QByteArray line = firstLine(piece);
            // A lone "[" names the empty section, as any too short header does.
            m_playerNames.append(
                cp1251::decode(line.size() < 2 ? QByteArray() : line.mid(1, line.size() - 2)));
        }
        const int index = static_cast<int>(m_pieces.size());
        m_pieces.append(IniDocument(piece));
        for (const QByteArray& name : m_pieces.back().sectionNames()) {
            QList<int>& holders = m_holders[foldIniName(name)];
            if (holders.isEmpty() || holders.back() != index)
                holders.append(index);
        }
        start = pos;
    }
}

ResultsFile ResultsFile::load(const QString& file) {
    return ResultsFile(readWholeFile(file).value_or(QByteArray()));
}

int ResultsFile::firstHolder(const QByteArray& key) const {
    const auto found = m_holders.constFind(key);
    return found == m_holders.cend() || found->isEmpty() ? -1 : found->front();
}

const IniDocument& ResultsFile::sectionOf(const QString& name) const {
    const int holder = firstHolder(lookupKey(name));
    return holder < 0 ? m_empty : m_pieces[holder];
}

bool ResultsFile::eraseSection(const QString& name) {
    const QByteArray key = lookupKey(name);
    const int holder = firstHolder(key);
    if (holder < 0)
        return false;
    IniDocument& piece = m_pieces[holder];
    piece.eraseSection(cp1251::encode(name));
    if (!holdsSection(piece, key))
        m_holders[key].removeFirst();
    return true;
}

QByteArray ResultsFile::toBytes() const {
    QByteArray content;
    for (const IniDocument& piece : m_pieces)
        content += piece.toBytes();
    return content;
}
