#pragma once

#include "platform/SoundPlayer.h"

#include <QString>

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

    // A page's new caption line is told the loop that goes on from the page before.
    void tellLoopGoingOn(CaptionLine &line) const;

private:
    CaptionLine *currentLine() const;

    Run &m_run;
    SoundPlayer &m_voice;
    std::function<bool()> m_playing;
    QString m_loop; // the last request, when it was a loop that played
};

} // namespace kelvora
