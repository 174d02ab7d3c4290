// The default audio output: signed 16-bit frames pulled by a callback on SDL's audio
// thread. The format asked for is the one served; SDL converts to the hardware's own.
#pragma once
#include <cstdint>

using AudioOutputCallback = void (*)(void* reference, uint8_t* stream, int bytes);

// Opens the default output paused: a handle, or 0 when no output can be opened
// (no sound server, no card).
uint32_t OpenAudioOutput(int hertz, int channels, int framesPerCall, AudioOutputCallback callback,
                         void* reference);
void StartAudioOutput(uint32_t handle);
// Stops and closes; returns once a running callback has returned.
void CloseAudioOutput(uint32_t handle);
