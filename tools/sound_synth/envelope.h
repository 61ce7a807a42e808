// The loudness contour of one note: a rise while the key goes down, a fall to the level held
// while the key is down, and a release to silence once it is let go.
#pragma once

class Envelope {
public:
    // Times in seconds; sustain is the held level, 0 to 1.
    Envelope(double attack, double decay, double sustain, double release);

    // Level at time t of a note whose key is held for gate seconds.
    double level(double t, double gate) const;

    // Time from the key going down to silence.
    double length(double gate) const { return gate + m_release; }

private:
    double heldLevel(double t) const;

    double m_attack;
    double m_decay;
    double m_sustain;
    double m_release;
};
