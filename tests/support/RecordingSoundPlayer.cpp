#include "RecordingSoundPlayer.h"

namespace kelvora::test {

bool RecordingSoundPlayer::play(std::string_view name, int module, unsigned flags)
{
    const SoundRequest request{QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), module, flags};
    requests << request;
    if ((flags & SoundNoStop) && playing)
        return false;
    const bool async = flags & SoundAsync;
    playing = async && !request.name.isEmpty() && (flags & SoundLoop);
    if (!async && whilePlayingSync)
        whilePlayingSync(request);
    return !request.name.isEmpty();
}

} // namespace kelvora::test
