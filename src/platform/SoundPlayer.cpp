#include "SoundPlayer.h"

namespace kelvora {

namespace {
// Until a real player is installed every request is silent.
class SilentPlayer final : public SoundPlayer {
public:
    bool play(std::string_view, int, unsigned) override { return false; }
};

SoundPlayer *&installed()
{
    static SilentPlayer silent;
    static SoundPlayer *player = &silent;
    return player;
}
} // namespace

SoundPlayer &SoundPlayer::current()
{
    return *installed();
}

void SoundPlayer::install(SoundPlayer *player)
{
    static SilentPlayer silent;
    installed() = player ? player : &silent;
}

} // namespace kelvora
