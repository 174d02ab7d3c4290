// Writing one voice's sample as a WAV file, shared by the WAV exports and the export
// collection: the alias as the sampler chunk's name, the chunk only when looped.
#pragma once
#include <string>

#include "voice/voice.h"

// Path without extension (the writer adds ".wav"); the writer's result.
int WriteVoiceWav(const TVoice& voice, const std::string& path);
