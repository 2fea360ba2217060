#include "CaptionedVoice.h"

#include "CaptionLine.h"
#include "Run.h"
#include "Screen.h"

namespace kelvora {

CaptionedVoice::CaptionedVoice(Run &run, SoundPlayer &voice, std::function<bool()> playing)
    : m_run(run), m_voice(voice), m_playing(std::move(playing))
{
}

// The newest page that is not leaving: a page loading plays its loop before it is shown.
CaptionLine *CaptionedVoice::currentLine() const
{
    const QList<Screen *> pages = m_run.pages();
    for (auto page = pages.rbegin(); page != pages.rend(); ++page) {
        if (*page && !(*page)->isLeaving())
            return (*page)->findChild<CaptionLine *>(QString(), Qt::FindDirectChildrenOnly);
    }
    return nullptr;
}

void CaptionedVoice::tellLoopGoingOn(CaptionLine &line) const
{
    if (!m_loop.isEmpty() && (!m_playing || m_playing()))
        line.heard(m_loop, true, m_playing);
}

bool CaptionedVoice::play(std::string_view name, int module, unsigned flags)
{
    const QString sound = QString::fromUtf8(name.data(), qsizetype(name.size()));
    CaptionLine *line = currentLine();
    // A request that may not stop the sound playing is captioned only once it is known to play.
    const bool mayBeRefused = flags & SoundNoStop;
    if (line && !mayBeRefused)
        line->heard(sound, flags & SoundLoop, m_playing);
    const bool played = m_voice.play(name, module, flags);
    if (!mayBeRefused || played)
        m_loop = played && (flags & SoundLoop) ? sound : QString();
    if (line && mayBeRefused && played)
        line->heard(sound, flags & SoundLoop, m_playing);
    else if (line && !played)
        line->notPlayed(sound);
    return played;
}

} // namespace kelvora
