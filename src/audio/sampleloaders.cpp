// The sample loaders and loading a file through them.
#include "audio/sampleloaders.h"

#include <vector>

#include "platform/streams.h"

namespace {

std::vector<AudioSampleLoader>& loaders() {
  static std::vector<AudioSampleLoader> list;
  return list;
}

}  // namespace

void AddAudioSampleLoader(AudioSampleLoader loader) {
  if (loader) loaders().push_back(std::move(loader));
}

std::shared_ptr<TAudioSample> LoadAudioSample(const std::string& path) {
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) return nullptr;
  std::shared_ptr<TAudioSample> result;
  for (const AudioSampleLoader& loader : loaders()) {
    SeekStream(*stream, 0);
    result = loader(*stream);
    if (result) break;
  }
  CloseStream(*stream);
  return result;
}
