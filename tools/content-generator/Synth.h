#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

// Building blocks of the synthesized sounds. Everything is deterministic: the
// noise comes from a fixed-seed Mersenne Twister, whose output the C++
// standard fixes, mapped to floats by hand rather than through a distribution.
namespace kelvora::content::synth {

inline constexpr int SampleRate = 44100;
using Samples = std::vector<float>;

int sampleCount(double seconds);

class Noise {
public:
    explicit Noise(std::uint32_t seed) : m_engine(seed) {}
    // Uniform in [-1, 1).
    float next() { return static_cast<float>(m_engine() / 2147483648.0 - 1.0); }

private:
    std::mt19937 m_engine;
};

// A second-order filter (the usual audio cookbook forms).
class Biquad {
public:
    static Biquad lowPass(double frequency, double q = 0.707);
    static Biquad highPass(double frequency, double q = 0.707);
    static Biquad bandPass(double frequency, double q);

    float process(float x);
    // New coefficients, same state: for sweeping filters.
    void retune(const Biquad &other);

private:
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// A ringing partial struck at `at` seconds, decaying by e every `decay` seconds.
void addDampedTone(Samples &out, double at, double frequency, double amplitude, double decay);
// Filtered noise struck at `at`, decaying like a damped tone.
void addNoiseBurst(Samples &out, double at, double amplitude, double decay, Biquad filter, Noise &noise);
// A tone whose frequency and amplitude follow functions of time in seconds.
void addGlide(Samples &out, const std::function<double(double)> &frequency,
              const std::function<double(double)> &amplitude, double phase = 0);
// Filtered noise whose filter and amplitude follow time; the filter is retuned every block.
void addSweptNoise(Samples &out, const std::function<Biquad(double)> &filter,
                   const std::function<double(double)> &amplitude, Noise &noise);

// For loops: a sine making a whole number of cycles over the buffer, computed
// from an exact integer phase so the last sample leads into the first.
void addLoopTone(Samples &out, long long cyclesPerLoop, double amplitude, double phase = 0);
// For loops: periodic white noise (the buffer repeats) through a filter that
// has first been run once round the loop, so its state at the start is its
// state at the end and the join is as smooth as any other sample.
void addLoopNoise(Samples &out, Biquad filter, double amplitude, Noise &noise);
// For loops: multiply by 1 + depth * sin over a whole number of cycles.
void loopModulate(Samples &out, long long cyclesPerLoop, double depth);

void fadeIn(Samples &out, double seconds);
void fadeOut(Samples &out, double seconds);
// Scales down so the peak is at most `peak`; a constant factor keeps loops seamless.
void limitPeak(Samples &out, double peak);

} // namespace kelvora::content::synth
