// The lessons as the benchmarks run them: without sound, from the build's
// runnable folder, in English.
#pragma once

#include "course/BuiltInTargetLabels.h"
#include "course/CourseLoader.h"
#include "platform/SoundPlayer.h"
#include "screens/Run.h"

#include <QDir>

namespace bench {

class SilentPlayer final : public kelvora::SoundPlayer {
public:
    bool play(std::string_view, int, unsigned) override { return true; }
};

// The benchmark's one run, made at the first call.
inline kelvora::Run &runSilentLessons()
{
    static SilentPlayer sound;
    const QString dist = QStringLiteral(KELVORA_DIST_DIR);
    QDir::setCurrent(dist);
    static kelvora::Run run(kelvora::loadBuiltInCourse(), {.contentRoot = dist, .languageFolder = dist});
    run.setVoice(&sound);
    run.language = 2;
    return run;
}

} // namespace bench
