// The WAV module functions: writing 16-bit PCM WAV files at 44100 Hz, with or without
// the sampler chunk "RLND" (name and loop points), and making a sample from a stretch
// of 16-bit values. The reader is TSoundIO::LoadWav (soundio.h).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "audio/audiosample.h"

// length frames of data (interleaved left, right when stereo is not 0); loop points in
// frames. 0 without writing when path, as given, names a file or a folder; trailing
// blanks are dropped and ".wav" added unless the path ends in it (any case). 1 when
// written, 0 when refused or the file could not be written.
int SoundIOSaveSamplerWav(const std::string& path, const std::string& name, int withSamplerChunk, int loopStart,
                          int loopEnd, int stereo, int length, const int16_t* data);
// As SoundIOSaveSamplerWav without the sampler chunk; ".wav" is always added.
int SoundIOSaveWav(const std::string& path, int stereo, int length, const int16_t* data);

// A new sample of length frames at 44100 Hz (stereo when channels is 2) copied from
// source starting offset values in (the offset counts 16-bit values, not frames). The
// caller keeps the stretch within source. nullptr when no sample can be made.
std::shared_ptr<TAudioSample> SoundIOLoadPartial(const int16_t* source, int length, int channels, int offset);
