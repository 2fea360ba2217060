// The lessons as the benchmarks run them: without sound, from the build's
// runnable folder, in English.
#pragma once

#include "platform/ProgramFolder.h"
#include "platform/SoundPlayer.h"
#include "screens/RunState.h"

#include <QDir>

namespace bench {

class SilentPlayer final : public kelvora::SoundPlayer {
public:
    bool play(std::string_view, int, unsigned) override { return true; }
};

inline void runSilentLessons()
{
    static SilentPlayer sound;
    kelvora::SoundPlayer::install(&sound);
    const QString dist = QStringLiteral(KELVORA_DIST_DIR);
    kelvora::setProgramFolder(dist);
    QDir::setCurrent(dist);
    kelvora::CurrentLanguage = 2;
}

} // namespace bench
