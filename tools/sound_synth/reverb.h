// The hall of the television studio: a stereo reverberation that gives the dry notes of a
// sound the room they are played in.
#pragma once

#include <memory>
#include <utility>

class StereoMix;

class Reverb {
public:
    // roomSize 0 to 1 sets how long the hall rings; damping 0 to 1 how soon its highs fade.
    Reverb(double roomSize, double damping);
    ~Reverb();

    // One stereo sample in, the hall's answer out (without the dry sound).
    std::pair<float, float> process(float left, float right);

    // Adds the hall's answer to a whole mix at the given wet level.
    void apply(StereoMix& mix, double wet);

private:
    struct Channel;
    std::unique_ptr<Channel> m_left;
    std::unique_ptr<Channel> m_right;
};
