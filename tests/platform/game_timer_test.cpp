// No tick of the game's timers runs inside one of its waits: a tick that
// falls in a wait comes once afterwards, or not at all when the timer was
// stopped meanwhile.
#include "platform/event_loop_waiter.h"
#include "platform/game_timer.h"
#include "platform/wait_scope.h"
#include "platform/wave_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(GameTimer, TicksFallingInAWaitAreHeldAndDeliveredOnceAfterIt)
{
    GameTimer timer(10);
    int ticks = 0;
    int ticksInsideWait = 0;
    QObject::connect(&timer, &GameTimer::tick, [&] {
        ++ticks;
        if (GameTimer::waiting())
            ++ticksInsideWait;
    });
    timer.setEnabled(true);
    EventLoopWaiter().wait(100);  // ten ticks' worth of time
    EXPECT_EQ(ticksInsideWait, 0);
    EXPECT_EQ(ticks, 1);
}

TEST(GameTimer, AHeldTickIsDroppedWhenTheTimerStopsDuringTheWait)
{
    GameTimer timer(10);
    int ticks = 0;
    QObject::connect(&timer, &GameTimer::tick, [&] { ++ticks; });
    timer.setEnabled(true);
    QTimer::singleShot(50, [&] { timer.setEnabled(false); });
    EventLoopWaiter().wait(100);
    EXPECT_EQ(ticks, 0);
}

TEST(GameTimer, NestedWaitsDeliverOnlyWhenTheOuterOneEnds)
{
    GameTimer timer(5);
    int ticks = 0;
    QObject::connect(&timer, &GameTimer::tick, [&] { ++ticks; });
    timer.setEnabled(true);
    {
        const WaitScope outer;
        EventLoopWaiter().wait(30);
        EXPECT_EQ(ticks, 0);
    }
    EXPECT_EQ(ticks, 1);
}

TEST(GameTimer, OutsideWaitsItTicksAtItsInterval)
{
    GameTimer timer(10);
    int ticks = 0;
    QObject::connect(&timer, &GameTimer::tick, [&] { ++ticks; });
    timer.setEnabled(true);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 200 && ticks < 3)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    EXPECT_GE(ticks, 3);
}

TEST(EventLoopWaiter, WaitsAtLeastTheTimeAskedFor)
{
    QElapsedTimer clock;
    clock.start();
    EventLoopWaiter().wait(60);
    EXPECT_GE(clock.elapsed(), 59);
}

QByteArray le32(quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); }

TEST(WaveFile, DurationComesFromTheDataChunkAndTheByteRate)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tone.wav");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray fmt = QByteArray("\x01\x00\x01\x00", 4) + le32(22050) + le32(44100) +
                     QByteArray("\x02\x00\x10\x00", 4);
    const quint32 dataSize = 44100 * 3 / 2;  // one and a half seconds
    file.write("RIFF" + le32(36 + dataSize) + "WAVE" + "LIST" + le32(3) + "abc" + QByteArray(1, 0) +
               "fmt " + le32(16) + fmt + "data" + le32(dataSize) + QByteArray(dataSize, 0));
    file.close();
    EXPECT_EQ(waveDurationMs(path), 1500);
    EXPECT_EQ(waveDurationMs(dir.filePath("missing.wav")), -1);
    QFile junk(dir.filePath("junk.wav"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("RIFF....WAVEdata");
    junk.close();
    EXPECT_EQ(waveDurationMs(junk.fileName()), -1);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
