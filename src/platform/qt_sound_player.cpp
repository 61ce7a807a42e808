#include "platform/qt_sound_player.h"

#include "platform/wait_scope.h"
#include "platform/wave_file.h"

#include <QEventLoop>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {
// Time the audio device may take to start and drain a sound.
constexpr int DrainMarginMs = 400;
} // namespace

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::start(const QString& path)
{
    if (QMediaDevices::audioOutputs().isEmpty())
        return false;
    if (m_effect)
        m_effect->stop();
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(path));
    m_effect->play();
    return true;
}

bool QtSoundPlayer::play(const QString& path, bool toEnd)
{
    const int duration = waveDurationMs(path);
    if (duration < 0)
        return false;
    ++m_playCount;  // a new sound takes the place of one not started yet
    if (!toEnd) {
        // Started from the event loop, so that opening the audio device
        // never holds up what is being put on the screen.
        QTimer::singleShot(0, &m_context, [this, path, count = m_playCount] {
            if (count == m_playCount)
                start(path);
        });
        return true;
    }
    if (!start(path))
        return false;

    const WaitScope scope;
    QEventLoop loop;
    QObject::connect(m_effect.get(), &QSoundEffect::playingChanged, &loop, [&] {
        if (!m_effect->isPlaying())
            loop.quit();
    });
    QObject::connect(m_effect.get(), &QSoundEffect::statusChanged, &loop, [&] {
        if (m_effect->status() == QSoundEffect::Error)
            loop.quit();
    });
    QTimer::singleShot(duration + DrainMarginMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return m_effect->status() != QSoundEffect::Error;
}
