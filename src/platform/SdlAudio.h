#pragma once

#include <QByteArray>

#include <SDL.h>

namespace kelvora {

// The SDL audio functions the sound player uses. SDL is loaded when sound
// starts, not linked: the library and the thirty more it pulls in would
// otherwise be loaded and relocated before the first paint.
#define KELVORA_SDL_AUDIO_FUNCTIONS(X)                                                          \
    X(SDL_SetHint) X(SDL_SetHintWithPriority) X(SDL_ResetHint) X(SDL_GetError)                  \
    X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_Quit) X(SDL_GetCurrentAudioDriver)          \
    X(SDL_OpenAudioDevice) X(SDL_CloseAudioDevice) X(SDL_PauseAudioDevice)                      \
    X(SDL_LockAudioDevice) X(SDL_UnlockAudioDevice)                                             \
    X(SDL_NewAudioStream) X(SDL_AudioStreamPut) X(SDL_AudioStreamGet) X(SDL_AudioStreamFlush)   \
    X(SDL_FreeAudioStream)

struct SdlAudio {
#define KELVORA_SDL_POINTER(name) decltype(&::name) name = nullptr;
    KELVORA_SDL_AUDIO_FUNCTIONS(KELVORA_SDL_POINTER)
#undef KELVORA_SDL_POINTER

    // Once; false with the reason if the library or one of its functions is missing.
    bool load(QByteArray &problem);
    bool loaded = false;
};

// The one table, loaded by the sound player.
SdlAudio &sdlAudio();

} // namespace kelvora
