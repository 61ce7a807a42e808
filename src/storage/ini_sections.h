// An INI file's bytes with its sections found in one pass, for a pass over
// the many sections of a large file (the results of all players) that reads
// them and erases some. It reads and erases exactly as IniDocument does,
// without a document of the file's lines: a section is where its header
// line begins, and an erasure only notes which lines go.
#pragma once

#include "storage/ini_line.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QVarLengthArray>

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class IniSections {
public:
    explicit IniSections(QByteArray content);

    // Every header line makes a section, in file order, erased ones included.
    int count() const { return static_cast<int>(m_sections.size()); }
    // The header line of a section as it stands, without its line break.
    QByteArrayView headerLine(int section) const;
    // The first section of that name that is not erased, or -1.
    int find(QByteArrayView name) const;
    // The same for the name of a section, found without a lookup.
    int firstNamesake(int section) const { return m_firstOfName[m_sections[section].name]; }
    // The first key of each of these names in the section, as a reader gets
    // them, found in one walk over the section's lines.
    using Values = QVarLengthArray<std::optional<QByteArrayView>, 8>;
    Values values(int section, std::initializer_list<QByteArrayView> keys) const;
    // Erases a section that is the first of its name not erased, as find
    // gives it, the way IniDocument erases a section.
    void erase(int section);

    // The file with the erased lines gone and every other byte kept. Made
    // in place of the file's own bytes, so that a large file is never held
    // twice: the sections are gone afterwards.
    QByteArray toBytes() &&;

private:
    // A name matched without regard to letter case.
    struct Name {
        QByteArrayView text;
        friend bool operator==(Name a, Name b) { return iniNamesMatch(a.text, b.text); }
        friend size_t qHash(Name name, size_t seed) { return iniNameHash(name.text, seed); }
    };
    struct Section {
        qsizetype start;        // of its header line
        int name = -1;          // its name's number, in order of first use
        int nextNamesake = -1;  // the next section of the same name
    };

    // Where the section's last line ends: where the next header begins.
    qsizetype end(int section) const;

    QByteArray m_content;
    std::vector<Section> m_sections;
    QHash<Name, int> m_names;
    // For each name, its first section not erased, or -1 when all are.
    std::vector<int> m_firstOfName;
    // The byte ranges of the erased lines, in the order they were erased.
    std::vector<std::pair<qsizetype, qsizetype>> m_erased;
};

// For a single read of a large file: the value a reader of the whole file
// gets, found in one pass over its headers without an index.
std::optional<QByteArrayView> findIniValue(QByteArrayView content, QByteArrayView section,
                                           QByteArrayView key);

// For a single write to a large file: the file's bytes with the value set
// exactly as IniDocument::setValue sets it, every other byte kept, found in
// one pass over its headers without a document of its lines.
QByteArray withIniValue(QByteArray content, QByteArrayView section, QByteArrayView key,
                        QByteArrayView value);
