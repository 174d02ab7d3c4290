// The mixer's driver: starting and stopping the mixer, sounds made from sample
// records, channels, and the two drivers registered at module start.
#include "audio/mixerdriver.h"

#include "audio/driverregistry.h"
#include "audio/mixerapi.h"
#include "audio/softmixchannel.h"
#include "audio/softmixsound.h"

namespace {

constexpr int kLoopedFlag = 1;

std::unique_ptr<TSoftMixAudioDriver> coreaudiodriver;
std::unique_ptr<TSoftMixAudioDriver> softmixdriver;

// The 16-bit little-endian format of the same channel count.
int mixerformat(int format) {
  switch (AudioFormatChannels(format)) {
    case 1: return SF_MONO16;
    case 2: return SF_STEREO16;
    default: return format;
  }
}

}  // namespace

std::unique_ptr<TSoftMixAudioDriver> TSoftMixAudioDriver::Create(const std::string& name, int mode) {
  return std::make_unique<TSoftMixAudioDriver>(name, mode);
}

std::string TSoftMixAudioDriver::Name() { return _name; }

int TSoftMixAudioDriver::Startup() { return mx_Init(_mode == -1 ? 0 : _mode) != -1 ? 1 : 0; }

int TSoftMixAudioDriver::Shutdown() {
  mx_Close();
  return 0;
}

std::shared_ptr<TSound> TSoftMixAudioDriver::CreateSound(const std::shared_ptr<TAudioSample>& given, int flags) {
  if (!given || !given->Holds()) return nullptr;
  std::shared_ptr<TAudioSample> record = given;
  // The editing operations and the callers read the mixer's values as signed 16-bit.
  if (mixerformat(record->format) != record->format) {
    record = record->Convert(mixerformat(record->format));
    if (!record) return nullptr;
  }
  const int loop = (flags & kLoopedFlag) != 0 ? -1 : 0;
  const int channels = AudioFormatChannels(record->format);
  if (channels == 0) return nullptr;
  const int bits = AudioFormatBytes(record->format) * 8 / channels;
  // The mixer copies the frames: the record may go once the sound is made.
  sample* made = mx_CreateSound(record->length, bits, channels, record->hertz, record->samples, loop);
  return TSoftMixSound::CreateWithSound(made);
}

std::shared_ptr<TChannel> TSoftMixAudioDriver::AllocChannel() {
  const int handle = mx_AllocChannel();
  if (handle == 0) return nullptr;
  return TSoftMixChannel::CreateWithChannel(handle);
}

void InitSoftMixDrivers() {
  InitAudioDrivers();  // the silent driver first, so that it ends the list
  if (coreaudiodriver) return;
  coreaudiodriver = TSoftMixAudioDriver::Create("SoftMix CoreAudio", 0);
  softmixdriver = TSoftMixAudioDriver::Create("SoftMix", -1);
}
