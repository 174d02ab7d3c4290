// The function interface's globals, the mixer's start and stop, and the global effect
// block.
#include "audio/mixerapi.h"

#include "audio/mixer.h"

coreaudio* audio = nullptr;
std::unique_ptr<handletables> io;

namespace {

// The device mx_Init made: it belongs to the interface until mx_Close or a reset onto
// another device. A device given to mx_Reset by its caller stays the caller's.
std::unique_ptr<coreaudio> made;
int epoch = 0;

// A device the interface no longer uses: stopped, and released when it made it.
void leave(coreaudio* device) {
  if (!device) return;
  device->close();
  if (made.get() == device) made.reset();
}

mixer* fxmixer() { return audio ? audio->mixer.get() : nullptr; }

}  // namespace

int mx_Init(int mode) {
  std::unique_ptr<coreaudio> device = OpenCoreAudioDevice();
  if (!device) return -1;
  coreaudio* opened = device.get();
  io.reset();
  leave(audio);
  audio = nullptr;
  made = std::move(device);
  return mx_Reset(opened) == 0 ? 0 : -1;
}

int mx_Reset(coreaudio* device) {
  // The old tables hold voices of the mixer that the reset replaces.
  io.reset();
  ++epoch;
  if (audio != device) leave(audio);
  audio = device;
  if (!device) return -1;
  if (device->reset() != 0) {
    device->close();
    return -1;
  }
  io = std::make_unique<handletables>(device->mixer.get());
  return 0;
}

int mx_Close() {
  io.reset();
  ++epoch;
  leave(audio);
  audio = nullptr;
  return 0;
}

int mx_HandleEpoch() { return epoch; }

int mx_SetGlobalFXRoute(int mode) {
  if (mixer* m = fxmixer()) m->fx.mode = mode;
  return 0;
}

int mx_GetGlobalFXRoute() {
  const mixer* m = fxmixer();
  return m ? m->fx.mode.load() : 0;
}

int mx_SetGlobalFX(int id, int bus, int value) {
  if (mixer* m = fxmixer()) m->fx.setparameter(id, bus, value);
  return 0;
}

int mx_GetGlobalFX(int id, int bus) {
  const mixer* m = fxmixer();
  return m ? m->fx.getparameter(id, bus) : 0;
}
