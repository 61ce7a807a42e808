// The ranking read from the results file in one pass must give exactly what
// reading the whole file through IniDocument gives, player after player as
// the game has always done it: the same rows, the same error, and the same
// file afterwards, byte for byte. Checked on hand-made and on random files
// full of duplicates, odd headers, quotes, huge values and mixed line ends.
#include "storage/app_error.h"
#include "storage/code_page.h"
#include "storage/ini_document.h"
#include "storage/scramble.h"
#include "print_qt.h"
#include "records/ranking.h"
#include "records/reading_table.h"
#include "results_builder.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    QStringList rows;  // every value of every shown row
    QString error;     // the AppError text, empty without one
    QByteArray file;   // the results file afterwards
};

QStringList describe(const QList<RankingRow>& rows) {
    QStringList out;
    for (const RankingRow& row : rows)
        out.append(QStringLiteral("%1|%2|%3|%4|%5|%6")
                       .arg(row.scoreText(), row.name)
                       .arg(row.games)
                       .arg(row.money)
                       .arg(row.date, row.city));
    return out;
}

// The reference: the whole file as one IniDocument, its values read as QString
// texts, integers by StrToInt and dates by the pattern they always were.
int storedInt(const IniDocument& document, const QString& section, const QString& key) {
    const auto value = document.value(cp1251::encode(section), cp1251::encode(key));
    // A player without any games booked yet counts as 9 roubles in 9 games.
    if (!value || value->isEmpty())
        return 9;
    return StrToInt(cp1251::decode(ScrambleText(*value)));
}

QString storedText(const IniDocument& document, const QString& section, const QString& key,
                   const QString& defaultText) {
    const auto value = document.value(cp1251::encode(section), cp1251::encode(key));
    return value ? cp1251::decode(*value) : defaultText;
}

QDate dateByPattern(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^ *([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{4}) *$"));
    const QRegularExpressionMatch match = form.match(text);
    const QDate date = match.hasMatch() ? QDate(match.captured(3).toInt(), match.captured(2).toInt(),
                                                match.captured(1).toInt())
                                        : QDate();
    if (!date.isValid())
        throw AppError(QStringLiteral("'%1' is not a valid date").arg(text));
    return date;
}

Outcome rankingByDocument(const QByteArray& content) {
    IniDocument document(content);
    QStringList names;
    for (const QByteArray& line : document.lineTexts())
        if (line.startsWith('['))
            names.append(cp1251::decode(line.size() < 2 ? QByteArray() : line.mid(1, line.size() - 2)));
    ReadingTable<RankingRow> table;
    Outcome outcome;
    bool erased = false;
    try {
        for (const QString& name : names) {
            RankingRow row;
            row.name = name;
            row.games = storedInt(document, name, QStringLiteral("Игра"));
            row.money = storedInt(document, name, QStringLiteral("Состояние"));
            row.score = row.games == 0 ? 0 : static_cast<qint64>(row.money) / row.games;
            row.date = storedText(document, name, QStringLiteral("DT"), QStringLiteral("01.01.2000"));
            row.city = storedText(document, name, QStringLiteral("Место"), QString());
            if (dateByPattern(row.date.left(10)).daysTo(TestToday) >= StaleAfterDays)
                erased = document.eraseSection(cp1251::encode(name)) || erased;
            else
                table.place(row);
        }
    } catch (const AppError& e) {
        outcome.error = e.text();
    }
    outcome.rows = outcome.error.isEmpty() ? describe(table.shownRows()) : QStringList();
    outcome.file = erased ? document.toBytes() : content;
    return outcome;
}

Outcome rankingOfTheGame(const QByteArray& content) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tulip.lst");
    if (!writeBytes(path, content))
        ADD_FAILURE() << "cannot write " << path.toStdString();
    Outcome outcome;
    try {
        outcome.rows = describe(RebuildRanking(path, TestToday));
    } catch (const AppError& e) {
        outcome.error = e.text();
    }
    outcome.file = readBytes(path);
    return outcome;
}

void expectSameRanking(const QByteArray& content) {
    const Outcome expected = rankingByDocument(content);
    const Outcome got = rankingOfTheGame(content);
    EXPECT_EQ(got.error, expected.error);
    EXPECT_EQ(got.rows, expected.rows);
    EXPECT_TRUE(got.file == expected.file) << "the file written differs";
}

TEST(RankingByDocument, HandMadeFilesRankAndWriteAsTheWholeDocument) {
    const QByteArray fresh = answeredDaysAgo(2).toLatin1();
    const QByteArray stale = answeredDaysAgo(40).toLatin1();
    const QByteArray games = ScrambleText("3");
    const QByteArray money = ScrambleText("900");
    const QList<QString> files{
        // Duplicate sections in other case: the first one is read by both.
        "[Вася]\r\nDT=" + fresh + "\r\nИгра=" + games + "\r\n[ВАСЯ]\r\nDT=" + stale + "\r\n",
        // ... and once it is erased, the second one.
        "[Вася]\r\nDT=" + stale + "\r\n[ВАСЯ]\r\nDT=" + fresh + "\r\nСостояние=" + money + "\r\n",
        // Duplicate keys, quoted values, blanks around names and values.
        "[Петя]\r\n игра = \"" + games + "\" \r\nИГРА=" + money + "\r\nDT='" + fresh +
            "'\r\nМесто= \"Тула\" \r\nМесто=Омск\r\n",
        // Blank, odd and comment lines; lines before the first header; no
        // line break at the end.
        "orphan\r\n\r\n; c\r\n[A]\r\n\r\ntext\r\n;DT=" + stale + "\r\nDT=" + fresh +
            "\r\n\r\n[B]\r\nDT=" + stale + "\r\ntail line\r\n;c\r\n[C]\r\nDT=" + fresh,
        // LF only, CR only, and a mixture.
        "[A]\nDT=" + fresh + "\n[B]\rDT=" + stale + "\r[C]\r\nDT=" + fresh + "\n\r[D]\r\r\nDT=" + stale,
        // Missing keys and an empty date.
        "[NoKeys]\r\n[NoDate]\r\nИгра=" + games + "\r\n[Empty]\r\nDT=\r\n",
        // A huge city and a huge date whose first ten characters are a day.
        "[Huge]\r\nDT=" + fresh + QString(3000, u'x') + "\r\nМесто=" + QString(3000, u'Ж') + "\r\n",
        // Headers indented, followed by text, cut short or with a "]" inside.
        "  [In]\r\nDT=" + fresh + "\r\n[In]\r\nDT=" + stale + "\r\n[T] x\r\nDT=" + fresh +
            "\r\n[Open\r\nDT=" + fresh + "\r\n[a]b]\r\nDT=" + fresh + "\r\n[\r\n[]\r\nDT=" + fresh,
        // Integers hex, signed, blank-padded, and one that is no integer.
        "[H]\r\nИгра=" + ScrambleText("$A") + "\r\nСостояние=" + ScrambleText(" -50") +
            "\r\nDT=" + fresh + "\r\n[Old]\r\nDT=" + stale + "\r\n[Bad]\r\nИгра=" +
            ScrambleText("1x") + "\r\n",
        // Every value of a player wrong: the games are read first, then
        // the money, then the date.
        "[Wrong]\r\nDT=xx\r\nСостояние=" + ScrambleText("1y") + "\r\nИгра=" + ScrambleText("2q"),
        "[Wrong]\r\nDT=xx\r\nСостояние=" + ScrambleText("1y") + "\r\n",
        // A date that is no day, after an erasure.
        "[Old]\r\nDT=" + stale + "\r\n[Bad]\r\nDT=31.02.2024 10:00\r\n[Late]\r\nDT=" + stale,
    };
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        expectSameRanking(cp1251::encode(file));
    }
}

// Results files as the game writes them, with everything a hand-edited or
// foreign file may add.
class RandomResults {
public:
    explicit RandomResults(quint32 seed) : m_random(seed) {}

    QByteArray file() {
        QByteArray out;
        if (pick(5) == 0)
            out += "orphan=1" + ending();
        const int players = pick(90);
        for (int i = 0; i < players; ++i)
            out += section(i);
        while (pick(3) == 0 && (out.endsWith('\r') || out.endsWith('\n')))
            out.chop(1);
        return out;
    }

private:
    int pick(int n) { return static_cast<int>(m_random.bounded(static_cast<quint32>(n))); }
    bool rarely() { return pick(250) == 0; }
    QByteArray blanks() { return pick(6) == 0 ? QByteArray(" \t").left(1 + pick(2)) : QByteArray(); }
    QByteArray ending() {
        static const QList<QByteArray> pool{"\n", "\r", "\n\r", "\r\r\n"};
        return pick(4) == 0 ? pool[pick(pool.size())] : QByteArray("\r\n");
    }
    QByteArray quoted(const QByteArray& value) {
        switch (pick(12)) {
        case 0:
            return '"' + value + '"';
        case 1:
            return '\'' + value + '\'';
        default:
            return blanks() + value + blanks();
        }
    }
    QByteArray name(int i) {
        static const QStringList shared{"Вася", "ВАСЯ", "вася", "Петя", "ПЕТЯ", "Ёлка", "ёлка",
                                        "Mary", "MARY", "a]b", "", " Оля "};
        const QString text = pick(3) == 0 ? shared[pick(shared.size())] : QStringLiteral("Игрок %1").arg(i);
        return cp1251::encode(text);
    }
    QByteArray header(int i) {
        const QByteArray text = name(i);
        switch (pick(14)) {
        case 0:
            return "  [" + text + "]";
        case 1:
            return "[" + text + "] team";
        case 2:
            return "[" + text;
        default:
            return "[" + text + "]" + (pick(8) == 0 ? "  " : "");
        }
    }
    QByteArray key(const QString& name) {
        const QString cased = pick(4) == 0 ? name.toUpper() : pick(4) == 0 ? name.toLower() : name;
        return blanks() + cp1251::encode(cased) + blanks() + '=';
    }
    QByteArray integer() {
        if (rarely())
            return "12";  // unscrambles to no digits
        if (pick(15) == 0)
            return QByteArray();
        static const QList<QByteArray> odd{"$1F", " 7", "-40", "+3", "0x10", "0"};
        const QByteArray plain = pick(8) == 0 ? odd[pick(odd.size())] : QByteArray::number(pick(40) * 50);
        return quoted(ScrambleText(plain));
    }
    QByteArray date() {
        if (rarely())
            return pick(2) ? "31.02.2024" : "";
        QByteArray text = TestToday.addDays(3 - pick(45)).toString("dd.MM.yyyy").toLatin1();
        if (pick(2))
            text += " " + QByteArray::number(10 + pick(13)) + ":05";
        if (pick(40) == 0)
            text += QByteArray(2100, 'x');
        return quoted(text);
    }
    QByteArray city() {
        static const QStringList pool{"Тула", "Омск", "Тверь", "Москва"};
        if (pick(30) == 0)
            return QByteArray(2500, 'c');
        return quoted(cp1251::encode(pool[pick(pool.size())]));
    }
    QByteArray section(int i) {
        QList<QByteArray> lines;
        if (pick(4))
            lines.append(key("Место") + city());
        if (pick(10))
            lines.append(key("DT") + date());
        if (pick(8))
            lines.append(key("Состояние") + integer());
        if (pick(8))
            lines.append(key("Игра") + integer());
        lines.append(key("Инфо") + "user;;PC");
        static const QList<QByteArray> noise{"", ";DT=01.01.2000", "free text", " ; Игра=1"};
        if (pick(6) == 0)
            lines.insert(pick(lines.size() + 1), noise[pick(noise.size())]);
        if (pick(10) == 0)
            lines.append(lines[pick(lines.size())]);
        QByteArray out = header(i) + ending();
        for (const QByteArray& line : lines)
            out += line + ending();
        return out;
    }

    QRandomGenerator m_random;
};

TEST(RankingByDocument, RandomFilesRankAndWriteAsTheWholeDocument) {
    for (quint32 seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        expectSameRanking(RandomResults(seed).file());
        if (HasFailure())
            break;
    }
}

} // namespace
