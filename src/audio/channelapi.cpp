// The channel functions of the mixer's interface: channels given out and freed, sounds
// played on them, and the settings and progress of the voice a channel holds. A handle
// of 0, a stale handle or a mixer that is not running gets the not-found answer.
#include "audio/mixerapi.h"

#include "audio/mixer.h"
#include "audio/voice.h"
#include "platform/numbers.h"

namespace {

constexpr int kMaxStartDelay = 10000;

// The channel's voice (an idle one attached when it has none), or nullptr.
sound* channel(int handle) {
  if (handle == 0 || !io || !audio) return nullptr;
  return io->lookup(handle);
}

bool validlfo(int lfo) { return lfo >= 0 && lfo < 4; }

int scaled(float value, float scale) { return TruncToInt(value * scale); }

}  // namespace

int mx_AllocChannel() { return io ? io->alloc() : 0; }

int mx_FreeChannel(int handle) {
  if (handle == 0 || !io) return handle;
  const int index = handle & kHandleIndexMask;
  // A stale handle must not free an index that another channel now holds.
  if (io->current(handle)) io->freeindex(index);
  return index;
}

int mx_PlaySound(sample* s, int paused, int handle) {
  if (!s || !audio || !io || !audio->mixer) return handle;
  return io->play(s, paused, handle);
}

int mx_StopChannel(int handle) {
  if (channel(handle)) io->stop(handle);
  return 0;
}

int mx_ChannelRestart(int handle) {
  if (sound* v = channel(handle)) v->restart();
  return 0;
}

int mx_ChannelStatus(int handle) {
  const sound* v = channel(handle);
  return v ? v->status.load() : 0;
}

int mx_SetChannelPaused(int handle, int paused) {
  if (sound* v = channel(handle)) v->setstatusbits(kStatusPaused, paused != 0);
  return 0;
}

int mx_SetChannelWavetable(int handle, int on) {
  if (sound* v = channel(handle)) v->setstatusbits(kStatusWavetable, on != 0);
  return 0;
}

int mx_SetChannelVolume(int handle, float volume) {
  if (sound* v = channel(handle)) v->setvolume(scaled(volume, 4096.0f));
  return 0;
}

int mx_SetChannelPan(int handle, float pan) {
  if (sound* v = channel(handle)) v->setpan(scaled(pan, 4096.0f));
  return 0;
}

int mx_SetChannelDepth(int handle, float depth) {
  if (sound* v = channel(handle)) v->setdepth(scaled(depth, 4096.0f));
  return 0;
}

int mx_SetChannelRate(int handle, float rate) {
  if (sound* v = channel(handle)) v->setrate(scaled(rate, 65536.0f));
  return 0;
}

int mx_SetChannelAllFXSend(int handle, const std::array<int, kFxSends>& sends) {
  if (sound* v = channel(handle)) v->setfxmixvalues(sends);
  return 0;
}

int mx_SetChannelFXSend(int handle, int index, int value) {
  if (sound* v = channel(handle)) v->setfxmixvalue(index, value);
  return 0;
}

int mx_GetChannelFXSend(int handle, int index) {
  const sound* v = channel(handle);
  return v ? v->getfxmixvalue(index) : 0;
}

int mx_SetChannelStartDelay(int handle, int millis) {
  if (millis < 0 || millis > kMaxStartDelay) return 0;
  if (sound* v = channel(handle)) v->setstartdelay(millis);
  return 0;
}

int mx_GetChannelStartDelay(int handle) {
  const sound* v = channel(handle);
  return v ? v->getstartdelay() : 0;
}

int mx_SetChannelPlayStart(int handle, int frame) {
  if (sound* v = channel(handle)) v->playstart = frame < -1 ? -1 : frame;
  return 0;
}

int mx_SetChannelPlayEnd(int handle, int frame) {
  if (sound* v = channel(handle)) v->playend = frame >= 0 && frame > v->playstart ? frame : -1;
  return 0;
}

int mx_ResetChannelPlayStartEnd(int handle) {
  if (sound* v = channel(handle)) {
    v->playstart = -1;
    v->playend = -1;
  }
  return 0;
}

int mx_SetChannelLFORate(int handle, int lfo, float rate) {
  if (!validlfo(lfo)) return 0;
  if (sound* v = channel(handle)) v->setlforate(lfo, rate);
  return 0;
}

int mx_GetChannelLFO(int handle, int lfo) {
  const sound* v = validlfo(lfo) ? channel(handle) : nullptr;
  return v ? v->getlfo(lfo) : 0;
}

int mx_ChannelKeyUp(int handle) {
  if (sound* v = channel(handle)) v->setkeyup();
  return 0;
}

int mx_ChannelPosition(int handle) {
  const sound* v = channel(handle);
  return v ? v->getposition() : 0;
}

int mx_ChannelPlayPosition(int handle) {
  const sound* v = channel(handle);
  return v ? v->getplayposition() : 0;
}

int mx_ChannelPlayTime(int handle) {
  const sound* v = channel(handle);
  return v ? v->getplaytime() : 0;
}

int mx_ChannelWaveTruePlayPosition(int handle) {
  const sound* v = channel(handle);
  return v ? v->getwavetrueplayposition() : 0;
}

int mx_ChannelWavePlayPosition(int handle) {
  const sound* v = channel(handle);
  return v ? v->getwaveplayposition() : 0;
}

int mx_ChannelWaveLength(int handle) {
  const sound* v = channel(handle);
  return v ? v->getwavelength() : 0;
}

int mx_ChannelWaveLoopStart(int handle) {
  const sound* v = channel(handle);
  return v ? v->getwavelpstart() : 0;
}

int mx_ChannelWaveTablePlayhead(int handle) {
  const sound* v = channel(handle);
  return v ? v->getwavetableplayhead() : 0;
}

int mx_ChannelWaveTableRepeatPlayhead(int handle) {
  const sound* v = channel(handle);
  return v ? v->getwavetablerepeatplayhead() : 1;
}

int mx_GetChannelHertzFreq(int handle) {
  if (!io) return -1;
  const sound* v = channel(handle);
  return v ? v->gethertzfreq() : 1;
}
