// The sections of a file found in one pass must read and erase exactly as
// the whole file does as an IniDocument, whatever odd headers, duplicates,
// quotes or line breaks it holds, and keep every other byte.
#include "storage/code_page.h"
#include "storage/ini_document.h"
#include "storage/ini_sections.h"
#include "random_ini.h"
#include "support/qt_printers.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Headers indented, cased differently, repeated, cut short or followed by
// text; keys repeated, quoted, blank-padded, without value; comments, text
// lines, lines before the first header; CR, LF and CR LF endings; no
// ending at the end.
const QByteArray Tricky = trickyIniFile();

const QList<QByteArray> Keys{"Игра", "ИГРА", " игра ", "Место", "c", ";c", "k", "нет"};

QList<QByteArray> trickyLookups() {
    QList<QByteArray> names;
    for (const char* name : {"Вася", "вася", " ВАСЯ\t", "Петя", "Маша", "Маша] ", "Оля",
                             "Оля] tea", "", "a", "a]b", "ёжик", "Нет", "k"})
        names.append(cp1251::encode(QString::fromUtf8(name)));
    return names;
}

QList<QByteArray> encoded(const QList<QByteArray>& keys) {
    QList<QByteArray> out;
    for (const QByteArray& key : keys)
        out.append(cp1251::encode(QString::fromUtf8(key)));
    return out;
}

// What a reader of the sections gets, as the document's value gives it.
std::optional<QByteArray> read(const IniSections& sections, const QByteArray& name,
                               const QByteArray& key) {
    const int section = sections.find(name);
    if (section < 0)
        return std::nullopt;
    const auto value = sections.values(section, {key})[0];
    return value ? std::optional(value->toByteArray()) : std::nullopt;
}

// Erases the first section of that name, as a document does; false when there is none.
bool eraseFirst(IniSections& sections, const QByteArray& name) {
    const int section = sections.find(name);
    if (section >= 0)
        sections.erase(section);
    return section >= 0;
}

// Every section knows the first of its name without a lookup.
void expectNamesakesFound(const IniSections& sections) {
    for (int i = 0; i < sections.count(); ++i)
        EXPECT_EQ(sections.firstNamesake(i),
                  sections.find(IniLine::parse(sections.headerLine(i)).name.toByteArray()))
            << i;
}

// The bytes of a copy, which leaves the sections as they are.
QByteArray bytesOf(IniSections copy) { return std::move(copy).toBytes(); }

std::optional<QByteArray> readOnce(const QByteArray& content, const QByteArray& name,
                                   const QByteArray& key) {
    const auto value = findIniValue(content, name, key);
    return value ? std::optional(value->toByteArray()) : std::nullopt;
}

void expectSameReads(const IniSections& sections, const IniDocument& document,
                     const QList<QByteArray>& names, const QList<QByteArray>& keys) {
    for (const QByteArray& name : names)
        for (const QByteArray& key : keys)
            EXPECT_EQ(read(sections, name, key), document.value(name, key))
                << cp1251::decode(name).toStdString() << " / " << cp1251::decode(key).toStdString();
}

// A single read of the file in one pass gives what the document gives.
void expectSameSingleReads(const QByteArray& content, const QList<QByteArray>& names,
                           const QList<QByteArray>& keys) {
    const IniDocument document(content);
    for (const QByteArray& name : names)
        for (const QByteArray& key : keys)
            EXPECT_EQ(readOnce(content, name, key), document.value(name, key))
                << cp1251::decode(name).toStdString() << " / " << cp1251::decode(key).toStdString();
}

TEST(IniSections, KeepTheFileByteForByteUntilSomethingIsErased) {
    EXPECT_EQ(IniSections(Tricky).toBytes(), Tricky);
    EXPECT_EQ(IniSections(QByteArray()).toBytes(), QByteArray());
    EXPECT_EQ(IniSections("\r\n\n\r").toBytes(), "\r\n\n\r");
}

TEST(IniSections, MakeASectionOfEveryHeaderLineAndGiveItAsItStands) {
    const IniSections sections(Tricky);
    QList<QString> headers;
    for (int i = 0; i < sections.count(); ++i)
        headers.append(cp1251::decode(sections.headerLine(i).toByteArray()));
    EXPECT_EQ(headers, QList<QString>({"[Вася]", "  [Петя]", "[ВАСЯ]", "[Маша]  ", "[Оля] team",
                                       "[]", "[", "[a]b]", "[ петя ]", "\t[ЁЖИК]\t", "[Вася]"}));
}

TEST(IniSections, ReadTheSameValuesAsTheWholeFile) {
    expectSameReads(IniSections(Tricky), IniDocument(Tricky), trickyLookups(), encoded(Keys));
}

TEST(IniSections, ASingleReadInOnePassGivesWhatTheWholeFileGives) {
    expectSameSingleReads(Tricky, trickyLookups(), encoded(Keys));
    expectSameSingleReads(QByteArray(), trickyLookups(), encoded(Keys));
}

TEST(IniSections, FindTheFirstSectionOfANameWhateverItsCaseAndBlanks) {
    const IniSections sections(Tricky);
    expectNamesakesFound(sections);
    EXPECT_EQ(sections.find(cp1251::encode(QStringLiteral(" ВаСя\t"))), 0);
    EXPECT_EQ(sections.find(cp1251::encode(QStringLiteral("петя"))), 1);
    EXPECT_EQ(sections.find(cp1251::encode(QStringLiteral("Ёжик"))), 9);
    EXPECT_EQ(sections.find("a]b"), -1);
}

TEST(IniSections, GiveValuesUnquotedOnceAndCutTo2047Characters) {
    const QByteArray content = "[S]\r\nq=\"'x'\"\r\nlong=" + QByteArray(3000, 'x') +
                               "\r\nshort='\r\nbare=  a b  \r\n";
    const auto values = IniSections(content).values(0, {"q", "long", "short", "bare", "none"});
    ASSERT_EQ(values.size(), 5);
    EXPECT_EQ(values[0], "'x'");
    EXPECT_EQ(values[1]->size(), 2047);
    EXPECT_EQ(values[2], "'");
    EXPECT_EQ(values[3], "a b");
    EXPECT_EQ(values[4], std::nullopt);
}

TEST(IniSections, GiveEveryKeyAskedTogetherItsFirstValueInTheSection) {
    const IniSections sections("[S]\r\nk=1\r\nK=2\r\nj=3\r\n[T]\r\nm=4\r\n");
    const auto values = sections.values(0, {"k", "m", " K\t", "j"});
    EXPECT_EQ(values[0], "1");
    EXPECT_EQ(values[1], std::nullopt);
    EXPECT_EQ(values[2], "1");
    EXPECT_EQ(values[3], "3");
}

TEST(IniSections, GivingTheBytesOfACopyLeavesTheOriginalWhole) {
    IniSections sections(Tricky);
    ASSERT_TRUE(eraseFirst(sections, cp1251::encode(QStringLiteral("вася"))));
    const QByteArray erased = bytesOf(sections);
    EXPECT_EQ(bytesOf(sections), erased);
    const QByteArray games = cp1251::encode(QStringLiteral("Игра"));
    EXPECT_EQ(read(sections, "k", games), std::nullopt);
    EXPECT_EQ(read(sections, cp1251::encode(QStringLiteral("ВАСЯ")), games), "3");
    EXPECT_EQ(IniSections(Tricky).toBytes(), Tricky);
}

TEST(IniSections, EraseTheSameLinesAsTheWholeFileOneAfterAnother) {
    IniSections sections(Tricky);
    IniDocument document(Tricky);
    const QList<QByteArray> names = trickyLookups();
    for (const QByteArray& name : names + names) {
        SCOPED_TRACE(cp1251::decode(name).toStdString());
        EXPECT_EQ(eraseFirst(sections, name), document.eraseSection(name));
        expectNamesakesFound(sections);
        EXPECT_EQ(bytesOf(sections), document.toBytes());
        expectSameReads(sections, document, names, encoded(Keys));
    }
}

TEST(IniSections, RandomFilesReadAndEraseAsTheWholeFile) {
    for (quint32 seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE(seed);
        RandomIni random(seed);
        const QByteArray content = random.file();
        IniSections sections(content);
        IniDocument document(content);
        QList<QByteArray> names;
        for (int i = 0; i < 6; ++i)
            names.append(random.name());
        QList<QByteArray> keys;
        for (int i = 0; i < 4; ++i)
            keys.append(random.key());
        expectSameReads(sections, document, names, keys);
        expectSameSingleReads(content, names, keys);
        for (const QByteArray& name : names) {
            ASSERT_EQ(eraseFirst(sections, name), document.eraseSection(name));
            ASSERT_EQ(bytesOf(sections), document.toBytes());
        }
        expectSameReads(sections, document, names, keys);
        expectNamesakesFound(sections);
    }
}

} // namespace
