#pragma once

#include "platform/SoundPlayer.h"

#include <QList>
#include <QString>
#include <functional>

namespace kelvora::test {

struct SoundRequest {
    QString name;
    int module;
    unsigned flags;
    bool operator==(const SoundRequest &) const = default;
};

// Keeps every sound request in order. It can pretend that a sound is playing,
// and run a hook while a synchronous sound "plays" (to press during a cue).
class RecordingSoundPlayer final : public SoundPlayer {
public:
    bool play(std::string_view name, int module, unsigned flags) override;

    QList<SoundRequest> requests;
    bool playing = false;
    std::function<void(const SoundRequest &)> whilePlayingSync;
};

} // namespace kelvora::test
