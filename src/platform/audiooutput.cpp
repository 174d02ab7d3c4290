#include "platform/audiooutput.h"

#include <SDL.h>

uint32_t OpenAudioOutput(int hertz, int channels, int framesPerCall, AudioOutputCallback callback,
                         void* reference) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  SDL_AudioSpec wanted{};
  wanted.freq = hertz;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = static_cast<Uint8>(channels);
  wanted.samples = static_cast<Uint16>(framesPerCall);
  wanted.callback = callback;
  wanted.userdata = reference;
  SDL_AudioSpec obtained{};
  // No format changes allowed: SDL converts to the hardware's format.
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (device == 0) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return device;
}

void StartAudioOutput(uint32_t handle) {
  if (handle != 0) SDL_PauseAudioDevice(handle, 0);
}

void CloseAudioOutput(uint32_t handle) {
  if (handle == 0) return;
  SDL_CloseAudioDevice(handle);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
