// Loading a sample file into a TAudioSample through the registered sample loaders,
// tried in the order they were added. The audio engine itself reads no file format:
// the sample-file readers add their loaders here.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "audio/audiosample.h"

class TStream;

// Reads one format from the start of the stream; the sample, or nullptr when the
// stream is not in its format (it may have read any part of it).
using AudioSampleLoader = std::function<std::shared_ptr<TAudioSample>(TStream& stream)>;

void AddAudioSampleLoader(AudioSampleLoader loader);

// The first sample a loader makes of the file, each loader reading from its start;
// nullptr when the file cannot be opened or no loader reads it.
std::shared_ptr<TAudioSample> LoadAudioSample(const std::string& path);
