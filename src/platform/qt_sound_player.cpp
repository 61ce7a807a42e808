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

bool QtSoundPlayer::play(const QString& path, bool toEnd)
{
    const int duration = waveDurationMs(path);
    if (duration < 0 || QMediaDevices::audioOutputs().isEmpty())
        return false;

    if (m_effect)
        m_effect->stop();
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(path));
    m_effect->play();
    if (!toEnd)
        return true;

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
