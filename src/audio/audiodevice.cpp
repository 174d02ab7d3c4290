// The output device on the platform's default audio output: opening, starting and
// closing it, and the render request its audio thread makes.
#include "audio/audiodevice.h"

#include <algorithm>
#include <cstring>

#include "audio/busrouting.h"
#include "audio/mixer.h"
#include "platform/audiooutput.h"

namespace {

constexpr int kOutputFrames = 1024;  // frames the output asks for at a time

// The render callback: fills the output's stream from read, 4096 frames at most a request.
void FeedSound(void* reference, uint8_t* stream, int length) {
  auto* device = static_cast<coreaudio*>(reference);
  auto* target = stream;
  int wanted = length / 4;
  while (wanted > 0) {
    int frames = wanted;
    audiobuffer served;
    device->read(frames, served);
    if (frames <= 0 || !served.data) break;
    std::memcpy(target, served.data, static_cast<size_t>(served.bytes));
    target += served.bytes;
    wanted -= frames;
  }
  std::memset(target, 0, static_cast<size_t>(stream + length - target));
}

}  // namespace

coreaudio::coreaudio() = default;

coreaudio::~coreaudio() { close(); }

void coreaudio::prepare() {
  mixer = std::make_unique<::mixer>(kDeviceSamples);
  mixer->hertz = kDeviceHertz;
  mixer->channels = 2;
  // The buses are made here, on the main thread; the first request only clears them.
  mixer->fx.make(kFxOutSize, kFxRingSize);
  dry.assign(kDeviceSamples, 0);
  for (auto& buffer : sends) buffer.assign(kDeviceSamples, 0);
  warmup = 0;
}

int coreaudio::reset() {
  close();  // the old output stops before its mixer is replaced
  prepare();
  const int status = initoutput();
  if (status != 0) return status;
  StartAudioOutput(unit);
  return 0;
}

int coreaudio::initoutput() {
  unit = OpenAudioOutput(kDeviceHertz, 2, kOutputFrames, FeedSound, this);
  return unit != 0 ? 0 : -1;
}

int coreaudio::close() {
  CloseAudioOutput(unit);  // waits for a running callback to return
  unit = 0;
  return 0;
}

int coreaudio::read(int& frames, audiobuffer& buffer) {
  frames = std::clamp(frames, 0, kDeviceFrames);
  buffer = audiobuffer{};
  if (!mixer || dry.size() < static_cast<size_t>(kDeviceSamples)) {
    frames = 0;
    return 0;
  }
  const int n = frames * 2;
  if (n > 0) {
    const bool buses = std::all_of(sends.begin(), sends.end(),
                                   [](const auto& s) { return s.size() >= static_cast<size_t>(kDeviceSamples); });
    const int mode = mixer->fx.mode;
    if (warmup >= kWarmupRequests && mixer->fx.enabled == kFxEnabled && buses && mode >= 0 && mode < kRouteModes) {
      std::array<int16_t*, kBuses> sendbuffers{};
      for (int b = 0; b < kBuses; ++b) sendbuffers[b] = sends[b].data();
      mixer->mix16fx({dry.data(), sendbuffers[0], sendbuffers[1], sendbuffers[2], sendbuffers[3], sendbuffers[4],
                      sendbuffers[5], sendbuffers[6], sendbuffers[7]},
                     n);
      routebuses(*mixer, mode, dry.data(), sendbuffers, n);
    } else {
      mixer->mix16(dry.data(), n);
    }
  }
  buffer.data = dry.data();
  buffer.bytes = frames * 4;
  if (warmup == 0) {
    for (int b = 0; b < kBuses; ++b) mixer->fx.init(b, kFxOutSize, kFxRingSize);
    warmup = 1;
  } else if (warmup < kWarmupRequests) {
    ++warmup;
  }
  return 0;
}

std::unique_ptr<coreaudio> OpenCoreAudioDevice() { return std::make_unique<coreaudio>(); }
