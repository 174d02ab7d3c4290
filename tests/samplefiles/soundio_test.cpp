// The preview player on the mixer: a new object, the overview, the loop set up on
// play, playback heard with its volume, pan, sends and rate, the reset, and the
// engine's sample loaders finding WAV and AIFF files.
#include "audio/sampleloaders.h"
#include "samplefiles/samplefileloaders.h"
#include "samplefiles/wavfile.h"
#include "sampletesting.h"

class Player : public SampleFileTest {
 protected:
  // A loaded sound made straight from values, as a loader's success ending makes it.
  static void Show(TSoundIO& io, const std::vector<int16_t>& values, int channels = 1) {
    io.TempSample = record(values, channels);
    io.Sound = LoadSound(io.TempSample, 0);
    io.FillTempData();
    io.DataType = 1;
  }
};

TEST_F(Player, NewObjectHoldsNothing) {
  TSoundIO io;
  EXPECT_EQ(io.GetLength(), 1);
  EXPECT_EQ(io.PlayTempVolPan(1.0f, 1.0f, 0.0f), 0);
  EXPECT_EQ(io.PlayTempVoice(1.0f, 0, 0, 0, 0, 0, 0, 0, 0, 1000), 0);
  // A sound without an overview is not loaded either.
  io.Sound = LoadSound(record({1, 2, 3}), 0);
  EXPECT_EQ(io.PlayTemp(1.0f), 0);
}

TEST_F(Player, Overview) {
  TSoundIO io;
  std::vector<int16_t> v;
  for (int k = 0; k < 1000; ++k) v.push_back(static_cast<int16_t>(k + 1));
  io.TempSample = record(v);
  EXPECT_EQ(io.FillTempData(), 0);
  EXPECT_EQ(io.GotSound, 1);
  // Point i shows frame i x 1000/511, truncated: 0, 500, 998; point 511 falls at 1000.
  EXPECT_FLOAT_EQ(io.data[0], 1 / 32767.0f);
  EXPECT_FLOAT_EQ(io.data[256], 501 / 32767.0f);
  EXPECT_FLOAT_EQ(io.data[510], 999 / 32767.0f);
  EXPECT_EQ(io.data[511], 0.0f);

  // Two channels of 510 frames: pair p shows frame 2p; the last falls past the end.
  v.clear();
  for (int f = 0; f < 510; ++f) v.insert(v.end(), {static_cast<int16_t>(f + 1), static_cast<int16_t>(-f - 1)});
  io.TempSample = record(v, 2);
  io.FillTempData();
  EXPECT_FLOAT_EQ(io.data[2 * 100 + 1], -201 / 32767.0f);
  EXPECT_FLOAT_EQ(io.data[2 * 254 + 1], -509 / 32767.0f);
  EXPECT_EQ(io.data[510], 0.0f);

  // Another format leaves the points; no sample resets them.
  io.TempSample = CreateAudioSample(10, 44100, SF_MONO8);
  io.FillTempData();
  EXPECT_FLOAT_EQ(io.data[200], 201 / 32767.0f);
  io.TempSample = nullptr;
  io.FillTempData();
  EXPECT_EQ(io.GotSound, 0);
  EXPECT_EQ(io.data[200], 0.0f);
}

TEST_F(Player, LoopIsSetOnPlayOnlyWhenTheFileGaveOne) {
  TSoundIO io;
  Show(io, std::vector<int16_t>(1000, 100));
  EXPECT_EQ(io.PlayTemp(1.0f), 1);
  EXPECT_EQ(io.Sound->GetIsLooped(), 0);
  io.LpStart = 100;
  io.LpEnd = 900;
  EXPECT_EQ(io.PlayTemp(1.0f), 1);
  EXPECT_EQ(io.Sound->GetLoopStart(), 100);
  EXPECT_EQ(io.Sound->GetLoopLength(), 800);
  // A looped sound keeps playing past its length.
  for (int i = 0; i < 8; ++i) render();
  EXPECT_EQ(io.Playing(), 1);
  EXPECT_EQ(left(render(), 5), 100);
}

TEST_F(Player, PlaybackIsHeardWithVolumePanSendsAndRate) {
  TSoundIO io;
  Show(io, std::vector<int16_t>(40000, 1000));
  EXPECT_EQ(io.PlayTempVolPan(1.0f, 0.5f, -1.0f), 1);
  render();
  std::vector<int16_t> out = render();
  EXPECT_EQ(left(out, 10), 500);
  EXPECT_EQ(right(out, 10), 0);
  EXPECT_GT(io.GetPlayhead(), 0);
  io.SetTempVol(0.25f);
  render();
  EXPECT_EQ(left(render(), 10), 250);
  io.SetTempFreq(2.0f);
  render(256);  // the new rate glides in over one pass
  const int before = io.GetPlayhead();
  render(256);
  EXPECT_EQ(io.GetPlayhead() - before, 512);

  // PlayTempVoice hands its nine sends to the channel; the others send dry only and
  // keep volume and pan.
  EXPECT_EQ(io.PlayTempVoice(1.0f, 10, 20, 30, 40, 50, 60, 70, 80, 500), 1);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(io.Channel->GetFXSend(static_cast<float>(i)), 10 * (i + 1)) << i;
  EXPECT_EQ(io.Channel->GetFXSend(8.0f), 500);
  EXPECT_EQ(io.PlayTemp(2.0f), 1);
  EXPECT_EQ(io.Channel->GetFXSend(0.0f), 0);
  EXPECT_EQ(io.Channel->GetFXSend(8.0f), 1000);
  render();
  EXPECT_EQ(left(render(), 11), 250);

  EXPECT_EQ(io.StopTemp(), 0);
  EXPECT_EQ(io.Playing(), 0);
  EXPECT_EQ(io.GetPlayhead(), -1);
}

TEST_F(Player, PlayTempVolSetsTheVolumeAndKeyUpReleases) {
  TSoundIO io;
  Show(io, std::vector<int16_t>(1000, 2000));
  io.LpStart = 0;
  io.LpEnd = 1000;
  // The first envelope drives the volume with a release of 100 ms.
  io.Sound->SetADSR(0, 0, 0, 0, 4096, 100);
  io.Sound->SetModMatrix(4, 12, 1);
  const std::vector<float> volumes = {1.0f, 0.5f, 0.25f};
  std::vector<int> heard;
  for (float volume : volumes) {
    EXPECT_EQ(io.PlayTempVol(1.0f, volume), 1);
    render();
    heard.push_back(left(render(), 10));
  }
  ASSERT_GT(heard[0], 0);
  EXPECT_NEAR(heard[1], heard[0] / 2, 1);
  EXPECT_NEAR(heard[2], heard[0] / 4, 1);

  // The looped sound plays on until the key is let go and its release has passed.
  render();
  EXPECT_EQ(io.Playing(), 1);
  EXPECT_EQ(io.KeyUp(), 0);
  now += 101;
  render();
  EXPECT_TRUE(silent(render()));
  EXPECT_EQ(io.Playing(), 0);
}

TEST_F(Player, ResetKeepsTheSampleButNotTheView) {
  TSoundIO io;
  Show(io, std::vector<int16_t>(5000, 300));
  io.LpEnd = 2;
  io.CurrBits = 16;
  io.PlayTemp(1.0f);
  EXPECT_EQ(io.Init(), 0);
  EXPECT_EQ(io.GotSound, 0);
  EXPECT_EQ(io.data[0], 0.0f);
  EXPECT_EQ(io.Playing(), 0);
  EXPECT_EQ(io.GetLength(), 5000);
}

TEST_F(Player, EngineLoadersFindWavAndAiff) {
  InitSampleFileLoaders();
  InitSampleFileLoaders();  // a second call adds nothing
  const std::vector<int16_t> v = {10, -20, 30};
  ASSERT_EQ(SoundIOSaveWav(folder / "x", 0, 3, v.data()), 1);
  EXPECT_EQ(Values(LoadAudioSample(folder / "x.wav")), v);
  Bytes aif;
  aif.text("FORM").be32(46).text("AIFF");
  aif.text("COMM").be32(18).be16(1).be32(2).be16(16).be16(0x400E).be16(0xAC44).fill(6, 0);
  aif.text("SSND").be32(12).be32(0).be32(0).be16(-5).be16(6);
  EXPECT_EQ(Values(LoadAudioSample(write("y.aif", aif))), (std::vector<int16_t>{-5, 6}));
  EXPECT_EQ(LoadAudioSample(write("z.bin", Bytes().fill(64, 3))), nullptr);
}
