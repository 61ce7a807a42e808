#include "sound_synth/envelope.h"

#include <algorithm>

Envelope::Envelope(double attack, double decay, double sustain, double release)
    : m_attack(std::max(attack, 0.0))
    , m_decay(std::max(decay, 0.0))
    , m_sustain(std::clamp(sustain, 0.0, 1.0))
    , m_release(std::max(release, 0.0)) {}

double Envelope::level(double t, double gate) const {
    if (t < 0.0)
        return 0.0;
    if (t < gate)
        return heldLevel(t);
    if (t >= gate + m_release)
        return 0.0;
    // A key let go during the attack releases from the level reached, not from the top.
    return heldLevel(gate) * (1.0 - (t - gate) / m_release);
}

double Envelope::heldLevel(double t) const {
    if (t < m_attack)
        return t / m_attack;
    if (t < m_attack + m_decay)
        return 1.0 - (1.0 - m_sustain) * (t - m_attack) / m_decay;
    return m_sustain;
}
