#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvora::content::synth {

namespace {
constexpr double TwoPi = 2 * std::numbers::pi;

struct Coefficients {
    double cosine, alpha;
};
Coefficients prepare(double frequency, double q)
{
    const double w = TwoPi * frequency / SampleRate;
    return {std::cos(w), std::sin(w) / (2 * q)};
}
} // namespace

int sampleCount(double seconds)
{
    return static_cast<int>(std::lround(seconds * SampleRate));
}

Biquad Biquad::lowPass(double frequency, double q)
{
    const auto [c, alpha] = prepare(frequency, q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0 = (1 - c) / 2 / a0;
    f.b1 = (1 - c) / a0;
    f.b2 = f.b0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::highPass(double frequency, double q)
{
    const auto [c, alpha] = prepare(frequency, q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0 = (1 + c) / 2 / a0;
    f.b1 = -(1 + c) / a0;
    f.b2 = f.b0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::bandPass(double frequency, double q)
{
    const auto [c, alpha] = prepare(frequency, q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0 = alpha / a0;
    f.b1 = 0;
    f.b2 = -alpha / a0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

float Biquad::process(float x)
{
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return static_cast<float>(y);
}

void Biquad::retune(const Biquad &other)
{
    b0 = other.b0;
    b1 = other.b1;
    b2 = other.b2;
    a1 = other.a1;
    a2 = other.a2;
}

void addDampedTone(Samples &out, double at, double frequency, double amplitude, double decay)
{
    for (int n = std::max(0, sampleCount(at)); n < static_cast<int>(out.size()); ++n) {
        const double t = double(n) / SampleRate - at;
        const double envelope = amplitude * std::exp(-t / decay);
        if (envelope < 1e-5)
            break;
        out[n] += static_cast<float>(envelope * std::sin(TwoPi * frequency * t));
    }
}

void addNoiseBurst(Samples &out, double at, double amplitude, double decay, Biquad filter, Noise &noise)
{
    for (int n = std::max(0, sampleCount(at)); n < static_cast<int>(out.size()); ++n) {
        const double t = double(n) / SampleRate - at;
        const double envelope = amplitude * std::exp(-t / decay);
        if (envelope < 1e-5)
            break;
        out[n] += static_cast<float>(envelope * filter.process(noise.next()));
    }
}

void addGlide(Samples &out, const std::function<double(double)> &frequency,
              const std::function<double(double)> &amplitude, double phase)
{
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / SampleRate;
        out[n] += static_cast<float>(amplitude(t) * std::sin(phase));
        phase = std::fmod(phase + TwoPi * frequency(t) / SampleRate, TwoPi);
    }
}

void addSweptNoise(Samples &out, const std::function<Biquad(double)> &filter,
                   const std::function<double(double)> &amplitude, Noise &noise)
{
    constexpr std::size_t block = 64;
    Biquad current = filter(0);
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / SampleRate;
        if (n % block == 0)
            current.retune(filter(t));
        out[n] += static_cast<float>(amplitude(t) * current.process(noise.next()));
    }
}

void addLoopTone(Samples &out, long long cyclesPerLoop, double amplitude, double phase)
{
    const long long length = static_cast<long long>(out.size());
    for (long long n = 0; n < length; ++n) {
        const double turn = double((cyclesPerLoop * n) % length) / double(length);
        out[n] += static_cast<float>(amplitude * std::sin(TwoPi * turn + phase));
    }
}

void addLoopNoise(Samples &out, Biquad filter, double amplitude, Noise &noise)
{
    Samples white(out.size());
    for (float &sample : white)
        sample = noise.next();
    for (float sample : white)
        filter.process(sample);
    for (std::size_t n = 0; n < out.size(); ++n)
        out[n] += static_cast<float>(amplitude * filter.process(white[n]));
}

void loopModulate(Samples &out, long long cyclesPerLoop, double depth)
{
    Samples modulation(out.size(), 1.0f);
    addLoopTone(modulation, cyclesPerLoop, depth);
    for (std::size_t n = 0; n < out.size(); ++n)
        out[n] *= modulation[n];
}

void fadeIn(Samples &out, double seconds)
{
    const int length = std::min(sampleCount(seconds), static_cast<int>(out.size()));
    for (int n = 0; n < length; ++n)
        out[n] *= static_cast<float>(double(n) / length);
}

void fadeOut(Samples &out, double seconds)
{
    const int length = std::min(sampleCount(seconds), static_cast<int>(out.size()));
    const std::size_t start = out.size() - length;
    for (int n = 0; n < length; ++n)
        out[start + n] *= static_cast<float>(double(length - 1 - n) / length);
}

void limitPeak(Samples &out, double peak)
{
    float highest = 0;
    for (float sample : out)
        highest = std::max(highest, std::abs(sample));
    if (highest <= peak)
        return;
    const float scale = static_cast<float>(peak / highest);
    for (float &sample : out)
        sample *= scale;
}

} // namespace kelvora::content::synth
