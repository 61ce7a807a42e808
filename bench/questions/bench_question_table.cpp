// How fast the question table serves a question round, measured against the
// cheapest possible look at the same file: reading it raw, front to back, in
// large blocks. Tables of 10,000 and 200,000 questions are generated.
//   filter pass: setting the level filter on the open table
//   set-up:      open, filter, skip, read, lock, rewrite, close
#include "question_record.h"
#include "question_table_writer.h"
#include "questions/dbf_table.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Rounds = 15;

QString writeTable(const QTemporaryDir& dir, int questions) {
    std::vector<QuestionRecord> records(static_cast<size_t>(questions));
    for (int i = 0; i < questions; ++i) {
        QuestionRecord& record = records[size_t(i)];
        record.level = i % QuestionRecord::MaxLevel + 1;
        record.right = i % 4 + 1;
        for (int text = 0; text < QuestionRecord::TextCount; ++text)
            record.stored[size_t(text)] =
                QByteArray(QuestionRecord::TextLength(text) * 3 / 4, char('a' + (i + text) % 26));
    }
    const QString path = dir.filePath(QStringLiteral("TULIP%1.DBF").arg(questions));
    QuestionTableWriter::Write(path, records, QDateTime::currentDateTime());
    return path;
}

// Best of a few rounds, in milliseconds: the least disturbed run.
double bestOf(const std::function<void()>& run) {
    double best = 1e30;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void readRaw(const QString& path) {
    static std::vector<char> block(size_t(1) << 20);
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY);
    while (::read(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
}

void setFilter(DbfTable& table, int level) {
    table.SetFiltered(false);
    table.SetFilter(QStringLiteral("(NN = %1)").arg(level));
    table.SetFiltered(true);
}

void setUpQuestion(DbfTable& table, int level) {
    table.OpenTable();
    setFilter(table, level);
    table.GoFirst();
    table.Skip(17);
    table.RecordNumber();
    QByteArray answers[4];
    table.GetText(QStringLiteral("QQ"));
    for (int i = 0; i < 4; ++i)
        answers[i] = table.GetText(QStringLiteral("A%1").arg(i + 1));
    const int right = table.GetInteger(QStringLiteral("ZN"));
    if (table.LockRecord()) {
        table.BeginEdit();
        table.SetText(QStringLiteral("A1"), answers[3]);
        table.SetText(QStringLiteral("A4"), answers[2]);
        table.SetText(QStringLiteral("A3"), answers[1]);
        table.SetText(QStringLiteral("A2"), answers[0]);
        table.SetInteger(QStringLiteral("ZN"), right % 4 + 1);
        table.PostRecord();
        table.UnlockRecords();
    }
    table.CloseTable();
}

void measure(const QTemporaryDir& dir, int questions) {
    const QString path = writeTable(dir, questions);
    DbfTable table;
    table.SetDatabaseName(dir.path());
    table.SetTableName(QFileInfo(path).fileName());
    table.SetLockProtocol(LockProtocol::ClipLock);

    const double raw = bestOf([&] { readRaw(path); });
    table.OpenTable();
    const double filter = bestOf([&] { setFilter(table, 7); });
    table.CloseTable();
    const double setUp = bestOf([&] { setUpQuestion(table, 7); });

    std::printf("%7d questions, %6.1f MB: raw read %7.2f ms | filter pass %7.2f ms = %4.2f x raw "
                "| question set-up %7.2f ms = %4.2f x raw\n",
                questions, double(QFileInfo(path).size()) / 1e6, raw, filter, filter / raw, setUp,
                setUp / raw);
}

} // namespace

int main() {
    const QTemporaryDir dir;
    for (const int questions : {10'000, 200'000})
        measure(dir, questions);
    return 0;
}
