// The channel handle tables: integer handles (tag | index) for channels, each index
// holding the voice that plays or holds the channel's settings. Main thread only.
// Index 0 is never given out; the tag of an index rises by 4096 each time it is
// handed out, so older handles of the index turn stale.
#pragma once
#include <array>
#include <cstdint>
#include <functional>

class mixer;
class sample;
class sound;

constexpr int kChannelSlots = 4096;
constexpr int kHandleIndexMask = 0xFFF;

class handletables {
 public:
  explicit handletables(mixer* owner);

  // A new handle, or 0 when all 4095 channels are in use.
  int alloc();
  // Returns index i to the free list; its voice leaves the channel without being
  // stopped. Nothing for an index that is not in use.
  void freeindex(int index);
  // The handle's index is in use and its tag matches.
  bool current(int handle) const;
  // The voice of a current handle, an idle voice attached when the channel has none
  // (or its voice was released); nullptr for 0 or a handle that is not current.
  sound* lookup(int handle);
  // Starts s on the channel (a new one when handle is 0), taking the channel's settings
  // from the voice it replaces, which falls silent. Answers the handle; a start without
  // a handle answers 0 when no channel is free or the start is refused.
  int play(sample* s, int paused, int handle);
  // Lets the channel's voice be released when finished, silences it, frees the index.
  int stop(int handle);

  // Test seam: runs after a lookup found its voice, where the render may release it.
  std::function<void()> afterlookup;

  std::array<sound*, kChannelSlots> voices{};
  std::array<int32_t, kChannelSlots> freelist{};
  std::array<uint32_t, kChannelSlots> tags{};

 private:
  // A voice in the table still belongs to the channel of this handle.
  bool owns(const sound* v, int handle) const;
  int handleof(int index) const { return static_cast<int32_t>(tags[index] | static_cast<uint32_t>(index)); }

  mixer* mixer_;
  std::array<bool, kChannelSlots> used_{};  // the free list alone cannot tell its last entry from an index in use
};
