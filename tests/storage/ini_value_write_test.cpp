// A value written on a file's bytes must give exactly the bytes a document of
// the whole file gives when it sets the value, whatever odd headers,
// duplicates, quotes or line breaks the file holds, so that a write to a
// large results file changes nothing but that value.
#include "random_ini.h"
#include "storage/code_page.h"
#include "storage/ini_document.h"
#include "storage/ini_file.h"
#include "storage/ini_sections.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray cp(const char* text) { return cp1251::encode(QString::fromUtf8(text)); }

QByteArray setInDocument(const QByteArray& content, const QByteArray& section,
                         const QByteArray& key, const QByteArray& value)
{
    IniDocument document(content);
    document.setValue(section, key, value);
    return document.toBytes();
}

void expectSameWrite(const QByteArray& content, const QByteArray& section,
                     const QByteArray& key, const QByteArray& value)
{
    EXPECT_EQ(withIniValue(content, section, key, value),
              setInDocument(content, section, key, value))
        << "section [" << section.toStdString() << "] key \"" << key.toStdString()
        << "\" value \"" << value.toStdString() << '"';
}

// Headers in other case, indented, cut short or followed by text, repeated;
// keys repeated, quoted, padded around "=", without value; comments, text
// and blank lines; lines before the first header; CR, LF and CR LF mixed;
// Cyrillic names.
const QList<QByteArray> TrickyFiles{
    trickyIniFile(),
    cp("[Вася]\r\nИгра=1\r\n\r\n; the end\r\n\r\n"),
    cp("[Вася]\nИгра=1\nDT=2"),
    cp("[Вася]\rDT = 'old' \r[Петя]"),
    cp("[Петя]\r\n[Вася]"),
    cp("[Вася]\r\n  DT  =  x  \r\n"),
    cp("no header\r\nDT=1"),
    cp("text"),
    cp("\r\n"),
    cp("\r"),
    QByteArray(),
};

const QList<QByteArray> TrickySections{
    cp("Вася"), cp("вася"), cp(" ВАСЯ\t"), cp("Петя"), cp("Маша] "), cp("Оля"), cp(""),
    cp("a"),    cp("ёжик"), cp("Нет"),     cp("Два\r\nслова"),      cp("k")};

const QList<QByteArray> TrickyKeys{cp("Игра"), cp(" игра "), cp("DT"),  cp("dt"), cp("Место"),
                                   cp(""),     cp("c"),      cp(";c"),  cp("k"),  cp("Ключ\nс разрывом")};

const QList<QByteArray> TrickyValues{cp("Тула"), cp(""), cp(" 'в кавычках' "), cp("a=b"),
                                     cp("две\r\nстроки"), QByteArray(2100, 'v')};

TEST(IniValueWrite, TrickyFilesGetTheBytesTheWholeFileGets) {
    for (const QByteArray& content : TrickyFiles)
        for (const QByteArray& section : TrickySections)
            for (const QByteArray& key : TrickyKeys)
                for (const QByteArray& value : TrickyValues)
                    expectSameWrite(content, section, key, value);
}

TEST(IniValueWrite, ChangeOnlyTheFirstKeyOfTheFirstSectionOfTheName) {
    const QByteArray content = cp("[Вася]\r\nDT=1\r\ndt=2\r\n[ВАСЯ]\r\nDT=3\r\n");
    EXPECT_EQ(withIniValue(content, cp("вася"), cp("Dt"), "9"),
              cp("[Вася]\r\nDT=9\r\ndt=2\r\n[ВАСЯ]\r\nDT=3\r\n"));
}

TEST(IniValueWrite, PutANewKeyAfterTheSectionsLastKeyAndANewSectionAtTheEnd) {
    const QByteArray content = cp("[Вася]\nИгра=1\n; note\n\n[Петя]\nИгра=2");
    EXPECT_EQ(withIniValue(content, cp("Вася"), cp("DT"), "9"),
              cp("[Вася]\nИгра=1\nDT=9\r\n; note\n\n[Петя]\nИгра=2"));
    EXPECT_EQ(withIniValue(content, cp("Оля"), cp("DT"), "9"),
              content + "\r\n" + cp("[Оля]\r\nDT=9\r\n"));
    EXPECT_EQ(withIniValue(QByteArray(), cp("Оля"), cp("DT"), "9"), cp("[Оля]\r\nDT=9\r\n"));
}

TEST(IniValueWrite, RandomFilesGetTheBytesTheWholeFileGets) {
    for (quint32 seed = 1; seed <= 600; ++seed) {
        SCOPED_TRACE(seed);
        RandomIni random(seed);
        const QByteArray content = random.file();
        for (int i = 0; i < 6; ++i)
            expectSameWrite(content, random.name(), random.key(), random.value());
    }
}

// Through the file functions the game calls: the same bytes on disk, a
// missing file included.
TEST(IniValueWrite, WritingToAFileGivesTheBytesTheWholeFileGets) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tulip.lst"));
    const QList<QByteArray> contents{TrickyFiles[0], TrickyFiles[3], QByteArray()};
    for (const QByteArray& content : contents) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(content), content.size());
        file.close();
        IniWriteStr(path, QStringLiteral("вася"), QStringLiteral("DT"), QStringLiteral("Тула"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), setInDocument(content, cp("вася"), "DT", cp("Тула")));
        file.close();
        ASSERT_TRUE(QFile::remove(path));
    }
    IniWriteStr(path, QStringLiteral("Оля"), QStringLiteral("Место"), QStringLiteral("Уфа"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), setInDocument(QByteArray(), cp("Оля"), cp("Место"), cp("Уфа")));
}

} // namespace
