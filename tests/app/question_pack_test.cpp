// Question packs merged through the menu: each pack once, by its name,
// byte for byte, and never to the harm of the question table.
#include "game_window_fixture.h"

#include "storage/file_write_lock.h"
#include "support/modal_answer.h"
#include "table_maker.h"
#include "windows/qt_dialogs.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <optional>

namespace {

// Three questions of level 1, written by the authors' tool.
QByteArray packSheet(const QString& tag)
{
    QByteArray sheet = "level\tquestion\tA\tB\tC\tD\tright\n";
    for (int n = 1; n <= 3; ++n)
        sheet += QStringLiteral("1\tНовый вопрос %1%2?\tДа\tНет\tНе знаю\tМожет быть\tA\n").arg(tag).arg(n).toUtf8();
    return sheet;
}

int recordsIn(const QString& table)
{
    const QByteArray bytes = readAll(table);
    return static_cast<int>((bytes.size() - le16(bytes, 8)) / le16(bytes, 10));
}

class QuestionPackTest : public GameWindowTest {
protected:
    QString table() const { return dataFile(QStringLiteral("TULIP.DBF")); }
    QString advertFile() const { return dataFile(QStringLiteral("tulip.dat")); }
    QString merged() const { return IniReadStr(advertFile(), "COMMON", "AddFaq-1-4", "<none>"); }

    // A pack in the player's download folder.
    QString pack(const QString& name, const QString& tag = QStringLiteral("A"))
    {
        QDir().mkpath(m_downloads);
        const QString path = m_downloads + name;
        writeQuestionTable(path, packSheet(tag));
        return path;
    }
    void choose(const QString& path)
    {
        m_fakes.dialogs.fileAnswers = {path};
        m_form->newQuestionsAction->trigger();
    }
    // The table, tulip.dat and the pack as they are now, to compare after a refusal.
    QList<QByteArray> files(const QString& packPath) const
    {
        return {readAll(table()), readAll(advertFile()), readAll(packPath)};
    }

    const QString m_downloads = m_dir.path() + QStringLiteral("/downloads/");
};

TEST_F(QuestionPackTest, AFirstPackIsAppendedRecordedAndDeleted)
{
    const int before = recordsIn(table());
    const QString faq01 = pack(QStringLiteral("faq01.dbf"));
    choose(faq01);
    EXPECT_EQ(m_fakes.dialogs.shown.first(), "open: Новые вопросы");
    // Packs are looked for where the player's own question table lies.
    EXPECT_EQ(m_fakes.dialogs.openedIn, m_fakes.services.paths.dataFolder);
    EXPECT_EQ(m_fakes.dialogs.shown.last(), "info: Новая порция вопросов благополучно добавлена!");
    EXPECT_EQ(recordsIn(table()), before + 3);
    EXPECT_EQ(merged(), ";faq01.dbf");
    EXPECT_FALSE(QFile::exists(faq01));
    // Byte for byte: the pack's last record is the table's last.
    const QByteArray packBytes = readAll(pack(QStringLiteral("faq02.dbf")));
    const QByteArray tableBytes = readAll(table());
    const int length = le16(tableBytes, 10);
    EXPECT_EQ(tableBytes.mid(tableBytes.size() - length - 1, length),
              packBytes.mid(packBytes.size() - length - 1, length));
}

TEST_F(QuestionPackTest, APackMergedBeforeIsRefusedByItsNameAndNoFileIsTouched)
{
    choose(pack(QStringLiteral("faq01.dbf")));
    const QString again = pack(QStringLiteral("faq01.dbf"));
    const QList<QByteArray> before = files(again);
    choose(again);
    EXPECT_EQ(m_fakes.dialogs.shown.last(), "error: Эта порция вопросов уже загружена!");
    EXPECT_EQ(files(again), before);

    // A name within a merged one counts as merged too.
    const QString shorter = pack(QStringLiteral("q01.dbf"));
    choose(shorter);
    EXPECT_EQ(m_fakes.dialogs.shown.last(), "error: Эта порция вопросов уже загружена!");
    EXPECT_TRUE(QFile::exists(shorter));

    choose(pack(QStringLiteral("faq02.dbf"), QStringLiteral("B")));
    EXPECT_EQ(merged(), ";faq01.dbf;faq02.dbf");
}

TEST_F(QuestionPackTest, APackOfDeletedRecordsOnlyAddsNothingButIsRecorded)
{
    const QString faq03 = pack(QStringLiteral("faq03.dbf"));
    QByteArray bytes = readAll(faq03);
    for (int record = 0; record < 3; ++record)
        bytes[le16(bytes, 8) + record * le16(bytes, 10)] = '*';
    writeAll(faq03, bytes);
    const int before = recordsIn(table());
    choose(faq03);
    EXPECT_EQ(recordsIn(table()), before);
    EXPECT_EQ(merged(), ";faq03.dbf");
    EXPECT_EQ(m_fakes.dialogs.shown.last(), "info: Новая порция вопросов благополучно добавлена!");
    EXPECT_FALSE(QFile::exists(faq03));
}

TEST_F(QuestionPackTest, APackOfAnotherLayoutAndTheQuestionTableItselfAreRefusedWithNothingChanged)
{
    IniWriteStr(advertFile(), "COMMON", "AddFaq-1-4", ";faq00.dbf");
    const QTemporaryDir other;
    const QString odd = TableMaker({{"NN", 'N', 2}, {"QQ", 'C', 200}}).write(other, QStringLiteral("faq04.dbf"));
    const QList<QByteArray> before = files(odd);
    choose(odd);
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("error: Файл faq04.dbf — не порция вопросов"))
        << m_fakes.dialogs.shown.last().toStdString();
    EXPECT_EQ(files(odd), before);

    const QByteArray tableBefore = readAll(table());
    choose(table());
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("error: Таблицу вопросов нельзя добавить к ней самой"));
    EXPECT_EQ(readAll(table()), tableBefore);
    EXPECT_EQ(merged(), ";faq00.dbf");
}

TEST_F(QuestionPackTest, BrokenPacksEndWithTheTableErrorAndLeaveTheTableWhole)
{
    const QByteArray tableBefore = readAll(table());
    QDir().mkpath(m_downloads);
    writeAll(m_downloads + QStringLiteral("faq05.dbf"), "not a table at all");
    choose(m_downloads + QStringLiteral("faq05.dbf"));
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("runtime: ")) << m_fakes.dialogs.shown.last().toStdString();
    EXPECT_EQ(readAll(table()), tableBefore);
    EXPECT_TRUE(QFile::exists(m_downloads + QStringLiteral("faq05.dbf")));

    // Cut in the middle of its second record: only whole records count.
    const QString cut = pack(QStringLiteral("faq06.dbf"));
    QByteArray bytes = readAll(cut);
    writeAll(cut, bytes.left(le16(bytes, 8) + le16(bytes, 10) * 3 / 2));
    choose(cut);
    EXPECT_EQ(recordsIn(table()) - 30, 1);
    EXPECT_EQ(merged(), ";faq06.dbf");

    // A header that claims a hundred records: the file holds three.
    const QString lying = pack(QStringLiteral("faq11.dbf"));
    bytes = readAll(lying);
    bytes[4] = 100;
    writeAll(lying, bytes);
    choose(lying);
    EXPECT_EQ(recordsIn(table()) - 30, 4);
    EXPECT_EQ(merged(), ";faq06.dbf;faq11.dbf");
}

TEST_F(QuestionPackTest, WhenTulipDatCannotBeWrittenThePackStaysToBeMergedAgain)
{
    const QString faq07 = pack(QStringLiteral("faq07.dbf"));
    const int before = recordsIn(table());
    {
        // Another copy of the game holds tulip.dat for longer than a write waits.
        const FileWriteLock otherCopy(advertFile());
        ASSERT_TRUE(otherCopy.held());
        choose(faq07);
    }
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("runtime: Unable to write to"))
        << m_fakes.dialogs.shown.last().toStdString();
    EXPECT_EQ(recordsIn(table()), before + 3);
    EXPECT_TRUE(QFile::exists(faq07));
    EXPECT_EQ(merged(), "<none>");
}

TEST_F(QuestionPackTest, APackMergesWhileAnotherCopyOfTheGameHoldsAQuestionLocked)
{
    // The other copy sets up its question: the record is locked for the
    // rotation of its answers.
    DbfTable otherCopy;
    otherCopy.SetDatabaseName(m_fakes.services.paths.dataFolder);
    otherCopy.SetTableName(QStringLiteral("TULIP.DBF"));
    otherCopy.SetLockProtocol(LockProtocol::ClipLock);
    otherCopy.OpenTable();
    otherCopy.GoFirst();
    ASSERT_TRUE(otherCopy.LockRecord());
    const int before = recordsIn(table());

    choose(pack(QStringLiteral("faq10.dbf")));
    EXPECT_EQ(recordsIn(table()), before + 3);

    // Its rotation goes through, and lands on its own record.
    otherCopy.BeginEdit();
    otherCopy.SetInteger(QStringLiteral("ZN"), 4);
    otherCopy.PostRecord();
    otherCopy.UnlockRecords();
    otherCopy.CloseTable();
    EXPECT_EQ(recordsIn(table()), before + 3);
    otherCopy.OpenTable();
    otherCopy.GoFirst();
    EXPECT_EQ(otherCopy.GetInteger(QStringLiteral("ZN")), 4);
}

TEST_F(QuestionPackTest, CancellingTheDialogChangesNothing)
{
    const QByteArray tableBefore = readAll(table());
    m_form->newQuestionsAction->trigger();
    EXPECT_EQ(m_fakes.dialogs.shown, QStringList{"open: Новые вопросы"});
    EXPECT_EQ(readAll(table()), tableBefore);
    EXPECT_FALSE(QFile::exists(advertFile()));
}

TEST_F(QuestionPackTest, MergedQuestionsAreAskedInTheNextGamesAtTheirLevel)
{
    choose(pack(QStringLiteral("faq08.dbf"), QStringLiteral("Z")));
    // The level-1 counter points past the table's own two questions.
    m_settings.WriteSettingInt(SettingsSection, QStringLiteral("1"), 2);
    knownPlayer(QStringLiteral("Вася"), 1000, 4);
    m_form->NewGame();
    EXPECT_EQ(m_form->questionText->toPlainText(), "Новый вопрос Z1?");
}

// The player's way: the menu, the file dialog with the name typed in, the
// message box; real files, real boxes.
TEST_F(QuestionPackTest, APlayerMergesAPackThroughTheRealFileDialog)
{
    QtDialogs dialogs;
    Services services{m_fakes.waiter, m_fakes.sound, dialogs, m_fakes.shell, m_fakes.clock,
                      m_fakes.random, m_fakes.keyboard, m_fakes.display, m_fakes.services.facts,
                      m_fakes.services.paths};
    MainWindow form(services, m_settings);
    const QString faq09 = pack(QStringLiteral("faq09.dbf"));
    const int before = recordsIn(table());

    QString title;
    QString told;
    std::optional<ModalAnswer> success;
    const ModalAnswer fileChosen(QStringLiteral("the file dialog"), [&](QWidget& box) {
        auto* dialog = qobject_cast<QFileDialog*>(&box);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        // Typed without its extension: the dialog adds ".dbf".
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(m_downloads + "faq09");
        success.emplace(QStringLiteral("the success box"), [&](QWidget& message) {
            auto* box = qobject_cast<QMessageBox*>(&message);
            ASSERT_NE(box, nullptr);
            told = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        static_cast<QDialog*>(dialog)->accept();
    });
    form.newQuestionsAction->trigger();
    EXPECT_EQ(title, "Новые вопросы");
    EXPECT_EQ(told, "Новая порция вопросов благополучно добавлена!");
    EXPECT_EQ(recordsIn(table()), before + 3);
    EXPECT_FALSE(QFile::exists(faq09));
}

} // namespace
