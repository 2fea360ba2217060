#include "SoundBook.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kelvora::content {

using namespace synth;

namespace {
Samples blank(double seconds)
{
    return Samples(sampleCount(seconds), 0.0f);
}

// Both ends go to zero, so neither the first sample nor a cut-off ring can click.
Samples finished(Samples samples)
{
    fadeIn(samples, 0.0005);
    fadeOut(samples, 0.006);
    limitPeak(samples, 0.8);
    return samples;
}

// A metal-on-metal snap: a short bright noise burst and two ringing partials.
void addSnap(Samples &out, double at, double loudness, double pitch, Noise &noise)
{
    addNoiseBurst(out, at, 0.5 * loudness, 0.0025, Biquad::bandPass(4200 * pitch, 1.2), noise);
    addDampedTone(out, at, 2900 * pitch, 0.35 * loudness, 0.008);
    addDampedTone(out, at, 5300 * pitch, 0.18 * loudness, 0.004);
    addDampedTone(out, at, 1150 * pitch, 0.2 * loudness, 0.015);
}

Samples toggleSwitch()
{
    Noise noise(11);
    Samples out = blank(0.15);
    addSnap(out, 0.0, 1.0, 1.0, noise);
    addSnap(out, 0.011, 0.35, 1.1, noise); // the lever settling in its detent
    return finished(out);
}

Samples pushButton()
{
    Noise noise(12);
    Samples out = blank(0.2);
    addNoiseBurst(out, 0.0, 0.45, 0.004, Biquad::bandPass(2000, 1.0), noise);
    addDampedTone(out, 0.0, 1600, 0.4, 0.012);
    addDampedTone(out, 0.0, 3100, 0.15, 0.006);
    // The release, softer and higher.
    addNoiseBurst(out, 0.09, 0.25, 0.003, Biquad::bandPass(2600, 1.0), noise);
    addDampedTone(out, 0.09, 2200, 0.2, 0.008);
    return finished(out);
}

Samples rotaryDetent()
{
    Noise noise(13);
    Samples out = blank(0.25);
    for (int tick = 0; tick < 3; ++tick) {
        const double at = 0.055 * tick;
        const double loudness = 1.0 - 0.2 * tick;
        addNoiseBurst(out, at, 0.35 * loudness, 0.0015, Biquad::bandPass(6000, 1.5), noise);
        addDampedTone(out, at, 4200, 0.3 * loudness, 0.003);
    }
    addDampedTone(out, 0.11, 700, 0.35, 0.02); // the knob stops against its last detent
    return finished(out);
}

Samples guardedSwitch()
{
    Noise noise(14);
    Samples out = blank(0.38);
    // The spring-loaded guard lifting: a dull thud.
    addNoiseBurst(out, 0.0, 0.4, 0.012, Biquad::bandPass(800, 0.8), noise);
    addDampedTone(out, 0.0, 180, 0.45, 0.04);
    addDampedTone(out, 0.0, 420, 0.25, 0.025);
    addSnap(out, 0.2, 1.1, 0.95, noise);
    return finished(out);
}

Samples rockerSwitch()
{
    Noise noise(15);
    Samples out = blank(0.18);
    addNoiseBurst(out, 0.0, 0.4, 0.006, Biquad::bandPass(1500, 0.9), noise);
    addDampedTone(out, 0.0, 900, 0.45, 0.02);
    addDampedTone(out, 0.0, 2100, 0.2, 0.008);
    addDampedTone(out, 0.025, 2400, 0.12, 0.006);
    return finished(out);
}

// The engine's voice at a given core speed in percent. The tone frequencies
// are multiples of 0.5 Hz at 20 % and 70 %, so they close a 2-second loop.
struct EngineVoice {
    double whine, compressor, fan;       // tone frequencies in Hz
    double whineLevel, compressorLevel, fanLevel;
    double roarCentre;                   // band of the combustion roar in Hz
    double roarLevel, rumbleLevel, hissLevel;
};

EngineVoice engineAt(double percent)
{
    const double p = std::clamp((percent - 20) / 50, 0.0, 1.0); // 0 at 20 %, 1 at 70 %
    auto mix = [p](double at20, double at70) { return at20 + (at70 - at20) * p; };
    return {
        .whine = 25 * percent,
        .compressor = 52.5 * percent,
        .fan = 4.5 * percent,
        .whineLevel = mix(0.06, 0.08),
        .compressorLevel = mix(0.015, 0.035),
        .fanLevel = mix(0.05, 0.08),
        .roarCentre = 300 + 8 * percent,
        .roarLevel = mix(0.5, 0.9),
        .rumbleLevel = mix(0.35, 0.5),
        .hissLevel = mix(0.02, 0.12),
    };
}

Samples engineLoop(double percent, std::uint32_t seed)
{
    const EngineVoice voice = engineAt(percent);
    Noise noise(seed);
    Samples out = blank(SoundBook::LoopSeconds);
    auto cycles = [](double frequency) { return std::llround(frequency * SoundBook::LoopSeconds); };
    addLoopTone(out, cycles(voice.whine), voice.whineLevel);
    addLoopTone(out, cycles(2 * voice.whine), voice.whineLevel * 0.3, 1.0);
    addLoopTone(out, cycles(voice.compressor), voice.compressorLevel, 2.0);
    addLoopTone(out, cycles(voice.fan), voice.fanLevel, 0.5);
    Samples roar(out.size(), 0.0f);
    addLoopNoise(roar, Biquad::bandPass(voice.roarCentre, 0.8), voice.roarLevel, noise);
    loopModulate(roar, 7, 0.12); // the slow surge of the flame
    for (std::size_t n = 0; n < out.size(); ++n)
        out[n] += roar[n];
    addLoopNoise(out, Biquad::lowPass(150), voice.rumbleLevel, noise);
    addLoopNoise(out, Biquad::bandPass(5000, 1.0), voice.hissLevel, noise);
    limitPeak(out, 0.8);
    return out;
}

// Spooling from 20 % to 70 %: the same voice as the loops, its speed eased along.
Samples spoolUp()
{
    constexpr double seconds = 30.0;
    auto speed = [](double t) {
        const double x = std::clamp((t - 1.0) / 27.0, 0.0, 1.0);
        return 20 + 50 * x * x * (3 - 2 * x);
    };
    Noise noise(21);
    Samples out = blank(seconds);
    addGlide(out, [&](double t) { return engineAt(speed(t)).whine; }, [&](double t) { return engineAt(speed(t)).whineLevel; });
    addGlide(out, [&](double t) { return 2 * engineAt(speed(t)).whine; },
             [&](double t) { return 0.3 * engineAt(speed(t)).whineLevel; }, 1.0);
    addGlide(out, [&](double t) { return engineAt(speed(t)).compressor; },
             [&](double t) { return engineAt(speed(t)).compressorLevel; }, 2.0);
    addGlide(out, [&](double t) { return engineAt(speed(t)).fan; }, [&](double t) { return engineAt(speed(t)).fanLevel; },
             0.5);
    addSweptNoise(out, [&](double t) { return Biquad::bandPass(engineAt(speed(t)).roarCentre, 0.8); },
                  [&](double t) { return engineAt(speed(t)).roarLevel; }, noise);
    addSweptNoise(out, [](double) { return Biquad::lowPass(150); },
                  [&](double t) { return engineAt(speed(t)).rumbleLevel; }, noise);
    addSweptNoise(out, [](double) { return Biquad::bandPass(5000, 1.0); },
                  [&](double t) { return engineAt(speed(t)).hissLevel; }, noise);
    fadeIn(out, 0.02);
    fadeOut(out, 0.05);
    limitPeak(out, 0.8);
    return out;
}

// The starter engaging and spooling up on its own, before the engine lights.
Samples starterSpool()
{
    constexpr double seconds = 6.0;
    Noise noise(31);
    Samples out = blank(seconds);
    addNoiseBurst(out, 0.0, 0.5, 0.03, Biquad::lowPass(400), noise); // the clutch engaging
    addDampedTone(out, 0.0, 120, 0.4, 0.08);
    auto whine = [](double t) { return 150 + 1250 * (1 - std::exp(-t / 1.8)); };
    auto swell = [](double t) { return std::min(1.0, t / 0.6); };
    addGlide(out, whine, [&](double t) { return 0.12 * swell(t); });
    addGlide(out, [&](double t) { return 2 * whine(t); }, [&](double t) { return 0.04 * swell(t); }, 1.0);
    addSweptNoise(out, [&](double t) { return Biquad::bandPass(whine(t) * 1.3, 1.2); },
                  [&](double t) { return 0.5 * swell(t); }, noise);
    addSweptNoise(out, [](double) { return Biquad::lowPass(180); },
                  [](double t) { return 0.3 * std::clamp((t - 2.0) / 3.0, 0.0, 1.0); }, noise);
    fadeIn(out, 0.003);
    fadeOut(out, 0.4);
    limitPeak(out, 0.8);
    return out;
}
} // namespace

Samples SoundBook::synthesize(const QString &fileName) const
{
    const QString name = fileName.toLower();
    if (name == QLatin1String("dugme1.wav"))
        return toggleSwitch();
    if (name == QLatin1String("dugme2.wav"))
        return pushButton();
    if (name == QLatin1String("dugme3.wav"))
        return rotaryDetent();
    if (name == QLatin1String("dugme4.wav"))
        return guardedSwitch();
    if (name == QLatin1String("dugme5.wav"))
        return rockerSwitch();
    if (name == QLatin1String("jfs20.wav"))
        return starterSpool();
    if (name == QLatin1String("20loop.wav"))
        return engineLoop(20, 41);
    if (name == QLatin1String("20to70.wav"))
        return spoolUp();
    if (name == QLatin1String("70loop.wav"))
        return engineLoop(70, 42);
    if (name == QLatin1String("70to0.wav")) {
        Samples down = spoolUp(); // the spool-up run backwards: the engine winding down
        std::reverse(down.begin(), down.end());
        return down;
    }
    throw std::runtime_error("no recipe for the sound " + fileName.toStdString());
}

} // namespace kelvora::content
