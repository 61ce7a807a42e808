#include "sound_synth/reverb.h"

#include "sound_synth/stereo_mix.h"

#include <array>
#include <vector>

namespace {
// Delay lengths in samples at 44100 Hz; mutually prime-ish so that the echoes do not pile up
// into a pitch. The right channel is spread a little to widen the hall.
constexpr std::array<int, 8> kCombDelays{1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<int, 4> kAllPassDelays{556, 441, 341, 225};
constexpr int kStereoSpread = 23;
constexpr float kInputGain = 0.015f;

class DelayLine {
public:
    explicit DelayLine(int length)
        : m_buffer(static_cast<std::size_t>(length), 0.0f) {}
    float front() const { return m_buffer[m_position]; }
    void push(float value) {
        m_buffer[m_position] = value;
        m_position = (m_position + 1) % m_buffer.size();
    }

private:
    std::vector<float> m_buffer;
    std::size_t m_position = 0;
};

// A feedback echo whose repeats lose their highs, as sound does on the walls of a hall.
class DampedComb {
public:
    DampedComb(int length, float feedback, float damping)
        : m_line(length)
        , m_feedback(feedback)
        , m_damping(damping) {}
    float process(float input) {
        const float output = m_line.front();
        m_store = output * (1.0f - m_damping) + m_store * m_damping;
        m_line.push(input + m_store * m_feedback);
        return output;
    }

private:
    DelayLine m_line;
    float m_feedback;
    float m_damping;
    float m_store = 0.0f;
};

// Smears the echoes into a dense tail without colouring them.
class AllPass {
public:
    explicit AllPass(int length)
        : m_line(length) {}
    float process(float input) {
        const float delayed = m_line.front();
        m_line.push(input + delayed * 0.5f);
        return delayed - input;
    }

private:
    DelayLine m_line;
};
} // namespace

struct Reverb::Channel {
    Channel(int spread, float feedback, float damping) {
        for (const int delay : kCombDelays)
            combs.emplace_back(delay + spread, feedback, damping);
        for (const int delay : kAllPassDelays)
            allPasses.emplace_back(delay + spread);
    }
    float process(float input) {
        float sum = 0.0f;
        for (auto& comb : combs)
            sum += comb.process(input);
        for (auto& allPass : allPasses)
            sum = allPass.process(sum);
        return sum;
    }
    std::vector<DampedComb> combs;
    std::vector<AllPass> allPasses;
};

Reverb::Reverb(double roomSize, double damping) {
    const auto feedback = static_cast<float>(0.7 + 0.28 * roomSize);
    const auto damp = static_cast<float>(0.4 * damping);
    m_left = std::make_unique<Channel>(0, feedback, damp);
    m_right = std::make_unique<Channel>(kStereoSpread, feedback, damp);
}

Reverb::~Reverb() = default;

std::pair<float, float> Reverb::process(float left, float right) {
    const float input = (left + right) * kInputGain;
    return {m_left->process(input), m_right->process(input)};
}

void Reverb::apply(StereoMix& mix, double wet) {
    const auto gain = static_cast<float>(wet);
    Signal& left = mix.left();
    Signal& right = mix.right();
    for (std::size_t i = 0; i < left.size(); ++i) {
        const auto [hallLeft, hallRight] = process(left[i], right[i]);
        left[i] += gain * hallLeft;
        right[i] += gain * hallRight;
    }
}
