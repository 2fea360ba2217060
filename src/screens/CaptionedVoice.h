#pragma once

#include "platform/SoundPlayer.h"

#include <functional>

namespace kelvora {

class CaptionLine;
class Run;

// The run's voice with captions: every request is told to the caption line of the run's current page before
// the sound plays (a sound played to its end holds the window's events until it has ended), then played by
// the voice it wraps.
class CaptionedVoice final : public SoundPlayer {
public:
    // `playing` tells whether the wrapped voice still plays; without it a caption stays for its reading time.
    CaptionedVoice(Run &run, SoundPlayer &voice, std::function<bool()> playing = {});

    bool play(std::string_view name, int module, unsigned flags) override;

private:
    CaptionLine *currentLine() const;

    Run &m_run;
    SoundPlayer &m_voice;
    std::function<bool()> m_playing;
};

} // namespace kelvora
