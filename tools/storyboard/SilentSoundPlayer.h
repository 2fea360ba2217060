#pragma once

#include "platform/SoundPlayer.h"

#include <QStringList>

namespace kelvora {

// Plays nothing, so cues return at once, and keeps the names asked for since
// the last take(), so each state of the storyboard can list what it would play.
class SilentSoundPlayer final : public SoundPlayer {
public:
    bool play(std::string_view name, int, unsigned) override
    {
        if (name.empty()) // stops what plays and plays nothing
            return false;
        m_requests << QString::fromUtf8(name.data(), qsizetype(name.size()));
        return true;
    }
    QStringList take() { return std::exchange(m_requests, {}); }
    qsizetype pending() const { return m_requests.size(); }

private:
    QStringList m_requests;
};

} // namespace kelvora
