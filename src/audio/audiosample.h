// TAudioSample: the sample-data record through which frames enter and leave the audio
// engine (bytes, length in frames, hertz, format code), the table of the six format
// codes, making a zero-filled record and converting a record to another format.
#pragma once
#include <cstdint>
#include <memory>

// Format codes.
constexpr int SF_MONO8 = 1;        // unsigned 8-bit
constexpr int SF_MONO16 = 2;       // signed 16-bit little-endian
constexpr int SF_MONO16BE = 3;     // signed 16-bit big-endian
constexpr int SF_STEREO8 = 4;      // unsigned 8-bit, left then right
constexpr int SF_STEREO16 = 5;     // signed 16-bit little-endian, left then right
constexpr int SF_STEREO16BE = 6;   // signed 16-bit big-endian, left then right
constexpr int kAudioFormats = 7;   // codes 0..6; 0 has no channels and no bytes

// Channels and bytes per frame of a format code; 0 for code 0 and unknown codes.
int AudioFormatChannels(int format);
int AudioFormatBytes(int format);

class TAudioSample {
 public:
  TAudioSample() = default;
  TAudioSample(const TAudioSample&) = delete;
  TAudioSample& operator=(const TAudioSample&) = delete;

  // The same frames in another format, in a new record of its own; nullptr for an
  // unknown format or a record whose bytes do not hold its frames. 8-bit values are
  // unsigned around 128 and become (v - 128) * 256; a stereo frame becomes the mean of
  // its two sides in mono, a mono value both sides in stereo.
  std::shared_ptr<TAudioSample> Convert(int format) const;
  // The record's frames are addressable: a known format, a length of 0 or more, and
  // bytes for every frame (checked against capacity when the record owns them).
  bool Holds() const;
  int16_t* Values16() const { return reinterpret_cast<int16_t*>(samples); }

  uint8_t* samples = nullptr;  // frames one after the other, stereo left then right
  int length = 0;              // frames
  int hertz = 0;
  int format = 0;
  int capacity = -1;           // bytes owned; -1 when the bytes belong to someone else

 private:
  friend std::shared_ptr<TAudioSample> CreateAudioSample(int length, int hertz, int format);
  std::unique_ptr<uint8_t[]> owned_;
};

// A record owning a fresh, zero-filled buffer of length * bytes-per-frame bytes;
// nullptr for a negative length, an unknown format, or a buffer too large for a
// 32-bit byte count or for the memory available.
std::shared_ptr<TAudioSample> CreateAudioSample(int length, int hertz, int format);
