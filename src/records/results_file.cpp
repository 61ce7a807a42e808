#include "records/results_file.h"

#include "storage/code_page.h"
#include "storage/whole_file.h"

namespace {

// The keys of a player's section, in code page 1251.
const QByteArray GamesKey = cp1251::encode(QStringLiteral("Игра"));
const QByteArray MoneyKey = cp1251::encode(QStringLiteral("Состояние"));
const QByteArray DateKey = QByteArrayLiteral("DT");
const QByteArray CityKey = cp1251::encode(QStringLiteral("Место"));

} // namespace

ResultsFile::ResultsFile(QByteArray content) : m_sections(std::move(content)) {
    for (int section = 0; section < m_sections.count(); ++section)
        if (m_sections.headerLine(section).startsWith('['))
            m_players.push_back(section);
}

ResultsFile ResultsFile::load(const QString& file) {
    return ResultsFile(readWholeFile(file).value_or(QByteArray()));
}

QByteArrayView ResultsFile::nameOf(int index) const {
    const QByteArrayView line = m_sections.headerLine(m_players[index]);
    // A lone "[" names the empty section, as any too short header does.
    return line.size() < 2 ? QByteArrayView() : line.sliced(1, line.size() - 2);
}

int ResultsFile::sectionOf(int index) const {
    const int own = m_players[index];
    const QByteArrayView name = trimIniBlanks(nameOf(index));
    // Mostly the header is the name in brackets: the first section of the
    // name is that of his own header's name.
    if (name == IniLine::parse(m_sections.headerLine(own)).name)
        return m_sections.firstNamesake(own);
    // A header with anything after its "]" names a section that may not be
    // there at all: that player reads as all defaults.
    return m_sections.find(name);
}

PlayerRecord ResultsFile::player(int index) const {
    PlayerRecord stored;
    stored.name = nameOf(index);
    const int section = sectionOf(index);
    if (section < 0)
        return stored;
    const IniSections::Values values =
        m_sections.values(section, {GamesKey, MoneyKey, DateKey, CityKey});
    stored.games = values[0];
    stored.money = values[1];
    stored.date = values[2];
    stored.city = values[3];
    return stored;
}

bool ResultsFile::erase(int index) {
    const int section = sectionOf(index);
    if (section < 0)
        return false;
    m_sections.erase(section);
    return true;
}
