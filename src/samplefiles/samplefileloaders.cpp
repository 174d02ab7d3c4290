// The WAV and AIFF loaders of LoadAudioSample: a decoder-only TSoundIO reads the stream
// and hands its sample over.
#include "samplefiles/samplefileloaders.h"

#include "audio/sampleloaders.h"
#include "samplefiles/soundio.h"

namespace {

class TStreamDecoder : public TSoundIO {
 public:
  TStreamDecoder() : TSoundIO(NoChannel{}) {}
  std::shared_ptr<TAudioSample> Wav(TStream& stream) { return ReadWav(stream) > 0 ? TempSample : nullptr; }
  std::shared_ptr<TAudioSample> Aif(TStream& stream) { return ReadAif(stream) > 0 ? TempSample : nullptr; }
};

}  // namespace

void InitSampleFileLoaders() {
  static bool added = false;
  if (added) return;
  added = true;
  AddAudioSampleLoader([](TStream& stream) { return TStreamDecoder().Wav(stream); });
  AddAudioSampleLoader([](TStream& stream) { return TStreamDecoder().Aif(stream); });
}
