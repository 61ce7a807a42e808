// The advertisement break as the player meets it: the clips of tulip.dat in
// turn, their pages, icons and links, and what a broken file does.
#include "adverts/advert_window.h"

#include "adverts/shadow_label.h"
#include "storage/code_page.h"
#include "storage/file_write_lock.h"
#include "storage/ini_file.h"
#include "support/fake_services.h"
#include "support/modal_answer.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

QPixmap iconNamed(const QString& name)
{
    if (!name.startsWith(QStringLiteral("ICO")))
        return {};
    QPixmap picture(32, 32);
    picture.fill(Qt::red);
    return picture;
}

class AdvertWindowTest : public ::testing::Test {
protected:
    AdvertWindowTest()
    {
        QDir().mkpath(m_fakes.services.paths.dataFolder);
        QDir().mkpath(m_fakes.services.paths.windowsFolder);
    }

    QString advertFile() const { return m_fakes.services.paths.dataFolder + QStringLiteral("tulip.dat"); }
    QString counterFile() const { return m_fakes.services.paths.windowsFolder + QStringLiteral("tulip.ini"); }
    int counter() const { return IniReadInt(counterFile(), "Zambrel!", "Ролик", -1); }

    // Clips whose pages read "Ролик N" in bold, with the links given.
    void writeClips(const QStringList& links)
    {
        QByteArray file = "[COMMON]\r\n";
        for (int n = 1; n <= links.size(); ++n)
            file += "F" + QByteArray::number(n) + "=" + cp1251::encode(links[n - 1]) + "\r\n";
        for (int n = 1; n <= links.size(); ++n)
            file += "[F" + QByteArray::number(n) + "]\r\n{\\rtf1\\ansi\\ansicpg1251\\deff0\r\n" +
                    "\\pard\\qc\\b \\'d0\\'ee\\'eb\\'e8\\'ea " + QByteArray::number(n) + "\\b0\\par\r\n}\r\n";
        QFile out(advertFile());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        IniWriteInt(advertFile(), "COMMON", "MAX", static_cast<int>(links.size()));
    }
    // The page of the next showing.
    QString nextPage()
    {
        m_window.show();
        m_window.hide();
        return m_window.page->toPlainText();
    }

    QTemporaryDir m_dir;
    FakeServices m_fakes{m_dir.path()};
    AdvertWindow m_window{m_fakes.services, iconNamed};
};

TEST_F(AdvertWindowTest, IsABorderlessBreakWithTheWordOnEndAndAnOkButton)
{
    EXPECT_EQ(m_window.size(), QSize(451, 315));
    EXPECT_TRUE(m_window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(m_window.title->text(), "Реклама");
    EXPECT_EQ(m_window.title->geometry(), QRect(21, 54, 16, 168));
    EXPECT_EQ(m_window.page->geometry(), QRect(56, 11, 385, 209));
    EXPECT_EQ(m_window.icon->geometry(), QRect(8, 11, 40, 40));
    EXPECT_EQ(m_window.okButton->text(), "OK");
    EXPECT_TRUE(m_window.okButton->isDefault());
}

TEST_F(AdvertWindowTest, ShowingsRunThroughTheClipsInTurnAndStartAgain)
{
    writeClips({"ICO1;;", "ICO2;;", "ICO3;;"});
    EXPECT_EQ(nextPage(), "Ролик 1");
    EXPECT_EQ(counter(), 2);
    EXPECT_EQ(nextPage(), "Ролик 2");
    EXPECT_EQ(nextPage(), "Ролик 3");
    EXPECT_EQ(nextPage(), "Ролик 1");
}

TEST_F(AdvertWindowTest, FewerClipsThanTheCounterSaysStartAgainAtTheFirst)
{
    writeClips({"ICO1;;", "ICO2;;"});
    IniWriteInt(counterFile(), "Zambrel!", "Ролик", 4);
    EXPECT_EQ(nextPage(), "Ролик 1");
    EXPECT_EQ(counter(), 2);
}

TEST_F(AdvertWindowTest, CaptionsShowOnlyForTheLinksAClipHas)
{
    writeClips({"ICO3;;", "ICO4;tulip.html#help;", "ICO5;;"});
    nextPage();
    EXPECT_FALSE(m_window.webCaption->isVisibleTo(&m_window));
    EXPECT_FALSE(m_window.mailCaption->isVisibleTo(&m_window));
    EXPECT_TRUE(m_window.webLink->text().isEmpty());
    EXPECT_TRUE(m_window.mailLink->text().isEmpty());
    EXPECT_FALSE(m_window.icon->pixmap().isNull());

    nextPage();
    EXPECT_TRUE(m_window.webCaption->isVisibleTo(&m_window));
    EXPECT_EQ(m_window.webCaption->text(), "World Wide Web:");
    EXPECT_EQ(m_window.webLink->text(), "tulip.html#help");
    EXPECT_FALSE(m_window.mailCaption->isVisibleTo(&m_window));

    nextPage();
    EXPECT_FALSE(m_window.webCaption->isVisibleTo(&m_window));
}

TEST_F(AdvertWindowTest, AClipWithoutLinksOrWithAnUnknownIconShowsNoPicture)
{
    writeClips({"ICO9;;"});
    IniWriteStr(advertFile(), "COMMON", "F1", "");
    nextPage();
    EXPECT_TRUE(m_window.icon->pixmap().isNull());
    EXPECT_FALSE(m_window.webCaption->isVisibleTo(&m_window));
}

TEST_F(AdvertWindowTest, ClickingTheLinksOpensThePageAndANewLetter)
{
    writeClips({"ICO1;tulip.html#help;studio@example.org"});
    nextPage();
    m_window.show();
    QTest::mouseClick(m_window.webLink, Qt::LeftButton);
    QTest::mouseClick(m_window.mailLink, Qt::LeftButton);
    m_window.hide();
    ASSERT_EQ(m_fakes.shell.opened.size(), 2);
    EXPECT_TRUE(m_fakes.shell.opened[0].startsWith("file:///"));
    EXPECT_TRUE(m_fakes.shell.opened[0].endsWith("/game/tulip.html#help"));
    EXPECT_EQ(m_fakes.shell.opened[1], "mailto:studio@example.org");
}

TEST_F(AdvertWindowTest, WithoutTulipDatTheBreakReportsTheFileAndKeepsItsPage)
{
    writeClips({"ICO1;;"});
    nextPage();
    QFile::remove(advertFile());
    EXPECT_EQ(nextPage(), "Ролик 1");
    ASSERT_FALSE(m_fakes.dialogs.shown.isEmpty());
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("runtime: Cannot open file"))
        << m_fakes.dialogs.shown.last().toStdString();
    EXPECT_EQ(counter(), 2);
}

TEST_F(AdvertWindowTest, ACounterThatCannotBeWrittenShowsTheErrorAndTheSameClipNextTime)
{
    writeClips({"ICO1;;", "ICO2;;"});
    nextPage();
    {
        const FileWriteLock otherCopy(counterFile());
        ASSERT_TRUE(otherCopy.held());
        EXPECT_EQ(nextPage(), "Ролик 1");
    }
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("runtime: Unable to write to"));
    EXPECT_EQ(nextPage(), "Ролик 2");
}

TEST_F(AdvertWindowTest, AClipOfTenThousandLinesShowsAtOnce)
{
    writeClips({"ICO1;;"});
    QByteArray lines = "[F1]\r\n{\\rtf1\\ansi\r\n";
    for (int i = 0; i < 10000; ++i)
        lines += "\\pard line " + QByteArray::number(i) + "\\par\r\n";
    lines += "}\r\n";
    QFile out(advertFile());
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write("[COMMON]\r\nF1=ICO1;;\r\n" + lines);
    out.close();
    QElapsedTimer clock;
    clock.start();
    const QString page = nextPage();
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_TRUE(page.startsWith("line 0\nline 1\n"));
    EXPECT_TRUE(page.contains("line 9999"));
}

TEST_F(AdvertWindowTest, TheBreakIsModalAndEnterEndsIt)
{
    writeClips({"ICO1;;"});
    QString shown;
    const ModalAnswer enter(QStringLiteral("the advertisement break"), [&](QWidget& box) {
        shown = m_window.page->toPlainText();
        EXPECT_EQ(&box, &m_window);
        QTest::keyClick(&box, Qt::Key_Return);
    });
    m_window.showBreak();
    EXPECT_TRUE(enter.answered());
    EXPECT_EQ(shown, "Ролик 1");
    EXPECT_EQ(m_window.result(), QDialog::Accepted);
}

} // namespace
