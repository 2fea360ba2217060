#include "SdlAudio.h"

#include <QLibrary>

namespace kelvora {

namespace {
// The same library for every function, loaded once; the table keeps its functions.
template <class Function> bool resolve(QLibrary &library, const char *name, Function &function, QByteArray &problem)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    if (!function)
        problem = library.errorString().toUtf8();
    return function != nullptr;
}
} // namespace

bool SdlAudio::load(QByteArray &problem)
{
    if (loaded)
        return true;
    static QLibrary library;
    library.setFileNameAndVersion(QStringLiteral("SDL2-2.0"), 0);
    if (!library.load()) {
        problem = library.errorString().toUtf8();
        return false;
    }
#define KELVORA_SDL_RESOLVE(name) if (!resolve(library, #name, name, problem)) return false;
    KELVORA_SDL_AUDIO_FUNCTIONS(KELVORA_SDL_RESOLVE)
#undef KELVORA_SDL_RESOLVE
    loaded = true;
    return true;
}

SdlAudio &sdlAudio()
{
    static SdlAudio table;
    return table;
}

} // namespace kelvora
