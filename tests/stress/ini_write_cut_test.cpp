// The INI files and the settings store after a write cut short at any of
// its steps, or killed at any moment: each file is the old one or the new
// one, byte for byte, reads as such, and the temporary file a cut write left
// is never read for it and goes with the next write.
#include "storage/code_page.h"
#include "storage/ini_file.h"
#include "storage/settings_store.h"
#include "stress/write_cut.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void putBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class IniWriteCut : public ::testing::Test {
protected:
    // Files of the folder other than the INI file and its lock file.
    QStringList strayFiles() const
    {
        QStringList found = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
        found.removeAll(QFileInfo(m_file).fileName());
        found.removeAll(u'.' + QFileInfo(m_file).fileName() + QStringLiteral(".lock"));
        return found;
    }

    // Cuts write at each of its points and once kills it outright; the file
    // must be `before` after a cut and what the write makes of it after the
    // write in full, and read value() as one of them.
    int cutEverywhere(const QByteArray& before, const std::function<void()>& write,
                      const std::function<QString()>& value)
    {
        putBytes(m_file, before);
        const QString oldValue = value();
        write();
        const QByteArray after = bytesOf(m_file);
        const QString newValue = value();
        EXPECT_NE(after, before) << "the write changes nothing";
        putBytes(m_file, before);
        return cutAtEveryPoint(write, [&](bool cut) {
            EXPECT_EQ(bytesOf(m_file), cut ? before : after);
            EXPECT_EQ(value(), cut ? oldValue : newValue);
            if (!cut) {
                EXPECT_EQ(strayFiles(), QStringList()) << "left by the cut writes";
            }
        });
    }

    QTemporaryDir m_dir;
    QString m_file = m_dir.filePath(QStringLiteral("tulip.lst"));
};

// As the game keeps them, in code page 1251.
const QByteArray Results =
    cp1251::encode(QStringLiteral("[Вася]\r\nСостояние=1000\r\nИгра=3\r\n[Петя]\r\nСостояние=50\r\n"));

TEST_F(IniWriteCut, AResultsWriteCutAtAnyStepLeavesTheOldFileOrTheNew)
{
    const auto place = [&] { return IniReadStr(m_file, "Вася", "Место", "?"); };
    int cuts = cutEverywhere(Results, [&] { IniWriteStr(m_file, "Вася", "Место", "Тула"); }, place);
    cuts += cutEverywhere(Results, [&] { IniWriteStr(m_file, "Маша", "Место", "Орёл"); },
                          [&] { return IniReadStr(m_file, "Маша", "Место", "?"); });
    cuts += cutEverywhere(Results, [&] { IniWriteInt(m_file, "Петя", "Игра", 12); },
                          [&] { return QString::number(IniReadInt(m_file, "Петя", "Игра", -1)); });
    cuts += cutEverywhere(Results, [&] { IniEraseSection(m_file, "Вася"); },
                          [&] { return IniFileLines(m_file).join(u'|'); });
    EXPECT_EQ(cuts, 8);
}

TEST_F(IniWriteCut, AFirstWriteCutAtAnyStepLeavesNoFileOrTheNew)
{
    const int cuts = cutAtEveryPoint([&] { IniWriteStr(m_file, "Вася", "Место", "Тула"); },
                                     [&](bool cut) {
                                         EXPECT_EQ(QFile::exists(m_file), !cut);
                                         EXPECT_EQ(IniReadStr(m_file, "Вася", "Место", "?"),
                                                   cut ? "?" : "Тула");
                                     });
    EXPECT_EQ(cuts, 2);
}

TEST_F(IniWriteCut, ASettingsWriteCutAtAnyStepLeavesTheOldStoreOrTheNew)
{
    m_file = m_dir.filePath(QStringLiteral("Zambrel.ini"));
    SettingsStore store(m_file);
    const auto cursor = [&] { return QString::number(store.ReadSettingInt(SettingsSection, "7", -1)); };
    int cuts = cutEverywhere("[Zambrel]\r\n7=4\r\nRec7=9\r\n",
                             [&] { store.WriteSettingInt(SettingsSection, "7", 5); }, cursor);
    cuts += cutEverywhere("[Zambrel]\r\nRec7=9\r\n",
                          [&] { store.WriteSettingInt(SettingsSection, "7", 1); }, cursor);
    EXPECT_EQ(cuts, 4);
}

// A hundred kills at random moments of a game writing one counter over and
// over: the file always holds one whole value, never less than the last
// one seen.
TEST_F(IniWriteCut, ACounterKilledAtRandomMomentsIsAlwaysWhole)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delayUs(0, 6000);
    const QString scratch = m_dir.filePath(QStringLiteral("scratch/tulip.lst"));
    QDir().mkpath(QFileInfo(scratch).absolutePath());
    int last = 0;
    for (int kill = 0; kill < 100; ++kill) {
        const auto delay = std::chrono::microseconds(delayUs(random));
        const CutOutcome outcome = killAfter(delay, [&, next = last]() mutable {
            IniWriteInt(m_file, "Вася", "Игра", ++next);
        });
        ASSERT_EQ(outcome, CutOutcome::Killed) << "kill " << kill;
        const int now = IniReadInt(m_file, "Вася", "Игра", 0);
        ASSERT_GE(now, last) << "kill " << kill;
        QFile::remove(scratch);
        if (now > 0)
            IniWriteInt(scratch, "Вася", "Игра", now);
        ASSERT_EQ(bytesOf(m_file), now > 0 ? bytesOf(scratch) : QByteArray("(missing)"))
            << "kill " << kill;
        last = now;
    }
    EXPECT_GT(last, 0) << "no write ever completed";
    IniWriteInt(m_file, "Вася", "Игра", last + 1);
    EXPECT_EQ(strayFiles(), QStringList());
}

} // namespace
