// Writing one voice's sample as a WAV file, shared by the WAV exports and the export
// collection: the alias as the sampler chunk's name, the chunk only when looped.
#pragma once
#include <string>

#include "voice/voice.h"

// Path without extension (the writer adds ".wav"). true when the file is there: written
// now, or an existing one kept; false when writing failed, which leaves no file.
bool WriteVoiceWav(const TVoice& voice, const std::string& path);
