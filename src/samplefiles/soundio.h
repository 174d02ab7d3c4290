// TSoundIO: the sample loader and preview player. It decodes one audio file at a time
// into a 16-bit sample at 44100 Hz (TempSample), makes the engine sound of it, keeps a
// 512-point overview of its waveform and plays it on a channel of its own. Every
// sample-file reader is one of its methods; they are implemented across the files of
// this folder:
//   soundio.cpp      construction, reset, the preview player, queries
//   overview.cpp     FillTempData
//   forceload.cpp    ForceLoadTemp
//   loadtemp.cpp     LoadTemp, LoadVC, LoadMp3, SetTempSound and the load endings
//   wavfile.cpp      LoadWav (the writers are in wavfile.h)
//   aifffile.cpp     LoadAif
//   pcmdecoders.cpp  LoadAifData, LoadAifData8, LoadAifData24, convert24
//   byteorder.cpp    SampleReadLong, SampleReadShort, SampleReadPString, SampleReadRlndInt
//   ifffile.cpp      LoadIFF, LoadIFFRaw, LoadIFFData, LoadIFF16Data
//   headerless.cpp   LoadAs16BitRev .. LoadAs8BitLog, Zero, CreateNew
//   diskimages.cpp   LoadCMIDisk (disk-image globals in cmidisk.h)
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "audio/audiosample.h"
#include "audio/channel.h"
#include "audio/sound.h"

class TStream;

constexpr int kOverviewPoints = 512;

class TSoundIO {
 public:
  static constexpr int SF_MONO16 = 2;
  static constexpr int SF_STEREO16 = 5;
  static constexpr int SF_MONO24 = 998;
  static constexpr int SF_STEREO24 = 999;
  static constexpr int SOUND_CLEAR = 0;
  static constexpr int SOUND_WAVE = 1;

  // Fields start empty; Channel comes from AllocChannel and is kept for the object's life.
  TSoundIO();
  virtual ~TSoundIO() = default;
  TSoundIO(const TSoundIO&) = delete;
  TSoundIO& operator=(const TSoundIO&) = delete;

  int CurrLoad = 0;             // decoder family of the last fill: 1 8-bit, 2/3 16-bit, 7 CMI III
  std::string TempSound;        // path (or disk entry name) of the sample now loaded
  std::string OldTempSound;     // last path given to LoadTemp, loaded or not
  std::shared_ptr<TAudioSample> TempSample;  // the decoded sample, 16-bit at 44100 Hz
  int16_t* SegmentPtr = nullptr;             // TempSample's values, taken by FillTempData
  std::shared_ptr<TSound> Sound;             // engine sound made from TempSample
  int GotSound = 0;             // 1 once the overview was built for a loaded sample
  std::shared_ptr<TChannel> Channel;         // the preview channel
  std::string aliasName;        // sampler name of a WAV "RLND" chunk
  int LpStart = 0;              // loop start in frames
  int LpEnd = -1;               // loop end in frames; a loop applies when LpStart < LpEnd
  std::array<float, kOverviewPoints> data{};  // the overview, about -1.0 .. 1.0
  int DataType = 0;             // 1 while a successfully loaded sample is shown
  int CurrChannel = 0;          // 1 or 2 for the shown sample, 0 when none
  int CurrBits = 8;             // bit depth of the source

  // Preview player and queries (soundio.cpp).
  virtual int Init();
  virtual int ResetTempData();
  virtual int StopTemp();
  virtual int KeyUp();
  virtual int SetTempVol(float volume);
  virtual int SetTempFreq(float rate);
  virtual int PlayTempVol(float rate, float volume);
  virtual int PlayTempVolPan(float rate, float volume, float pan);
  virtual int PlayTemp(float rate);
  // Sends 1-8 feed the effect buses in hundredths, send 9 is the dry level in thousandths.
  virtual int PlayTempVoice(float rate, float send1, float send2, float send3, float send4, float send5,
                            float send6, float send7, float send8, float send9);
  virtual int GetLength();
  virtual int Playing();
  virtual int GetPlayhead();
  virtual int FillTempData();
  virtual int ForceLoadTemp(const std::string& path, int bits, int mode);

  // Disk images (diskimages.cpp): the voice of directory entry index, length frames.
  // The last three arguments are not read.
  virtual int LoadCMIDisk(int index, int length, int bits, int size, int mode);

  // Loading by extension (loadtemp.cpp).
  virtual int SetTempSound(const std::string& path);
  virtual int LoadTemp(const std::string& path);
  virtual int LoadVC(const std::string& path, int ignored);
  virtual int LoadMp3(const std::string& path);

  // Container readers: 1 decoded, 0 not, -1 after an "error" line.
  virtual int LoadIFF(const std::string& path);
  virtual int LoadAif(const std::string& path);
  virtual int LoadWav(const std::string& path);

  // Headerless sampler formats (headerless.cpp): skip and tail are byte counts.
  virtual int LoadAs16BitRev(const std::string& path, int skip);
  virtual int Zero();
  virtual int CreateNew(int length);
  virtual int LoadAs12Bit(const std::string& path, int skip);
  virtual int LoadAs16Bit(const std::string& path, int skip, int tail);
  virtual int xLoadAs16BitStereo(const std::string& path, int skip);
  virtual int LoadAs16BitStereo(const std::string& path, int skip);
  virtual int LoadAs8Bit(const std::string& path);
  virtual int LoadAs8Bit2(const std::string& path);
  virtual int LoadAs8BitFlipped(const std::string& path);
  virtual int LoadAs8BitLog(const std::string& path, int start, int end);

  // PCM data decoders (pcmdecoders.cpp): read from the stream's position, leave it
  // open; path only gives the file's length. 1 when a sample of at least one frame
  // was made.
  virtual int convert24(uint8_t b0, uint8_t b1, uint8_t b2);
  virtual int LoadAifData24(const std::string& path, TStream& stream, int frames, int bytes, int channels,
                            int littleEndian);
  virtual int LoadAifData8(const std::string& path, TStream& stream, int frames, int bytes, int channels,
                           int littleEndian);
  virtual int LoadAifData(const std::string& path, TStream& stream, int frames, int bytes, int channels,
                          int littleEndian);

  // IFF bodies (ifffile.cpp).
  virtual int LoadIFFRaw(const std::string& path);
  virtual int LoadIFFData(const std::string& path, TStream& stream, int size);
  virtual int LoadIFF16Data(const std::string& path, TStream& stream, int size);

  // Byte-order readers (byteorder.cpp).
  virtual int SampleReadLong(TStream& stream);     // big-endian 32-bit
  virtual int SampleReadShort(TStream& stream);    // big-endian unsigned 16-bit
  virtual std::string SampleReadPString(TStream& stream);  // 4 bytes read, "" answered
  virtual int SampleReadRlndInt(TStream& stream);  // 3 bytes little-endian, 4th dropped

 protected:
  // A decoder only, without a preview channel (and so without starting the audio
  // output): the sample loaders that LoadAudioSample tries are made so.
  struct NoChannel {};
  explicit TSoundIO(NoChannel);

  // The two ways a loader ends. Success: Sound, TempSound, the overview, DataType 1;
  // answers 1. Failure: ResetTempData; answers 1 when a shown sample was cleared.
  int LoadSucceeded(const std::string& path);
  int LoadFailed();
  // The ending a decoder's result calls for: a load only when it answered a positive
  // result and made at least one frame.
  int LoadEnded(int result, const std::string& path);

  // A sound is loaded: Sound made and the overview built.
  bool Loaded() const;
  // The file's loop on Sound, when it has one, and Sound cued paused on Channel.
  void CueTemp();
  // The container walks of LoadWav and LoadAif over an open stream at its start.
  int ReadWav(TStream& stream);
  int ReadAif(TStream& stream);
};
