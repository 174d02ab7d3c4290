// Note playback of the bank: the channel calls of a note start in their order and
// with their values (through a recording channel and sound), solo, mute and track
// notes, key release and stop; and notes rendered through the test mixer.
#include <array>
#include <string>
#include <vector>

#include "banktest.h"

namespace {

class RecordingSound : public TSound {
 public:
  explicit RecordingSound(Log& log) : log(log) {}
  std::shared_ptr<TChannel> Cue(const std::shared_ptr<TChannel>& channel) override {
    log.push_back("cue");
    if (auto* c = dynamic_cast<RecordingChannel*>(channel.get())) c->playing = 0;
    return channel;
  }
  Log& log;
};

class NotePlayback : public BankTest {
 protected:
  // Slot (v, s) holds a voice whose sound and channel record into the log.
  RecordingChannel& rig(int v, int s) {
    EXPECT_EQ(put(v, s, fill(100, [](int i) { return i; })), 1);
    voice(v, s).Sound = std::shared_ptr<TSound>(new RecordingSound(log));
    auto channel = std::make_shared<RecordingChannel>(log);
    bank->Channel[v][s] = channel;
    return *channel;
  }
  Log log;
};

TEST_F(NotePlayback, NoteStartCallsTheChannelInOrder) {
  RecordingChannel& ch = rig(1, 1);
  TVoice& vc = voice(1, 1);
  vc.MixStartDelay = 25;
  vc.MixPan = -50;
  bank->FXSends[1][1][3] = 65535;
  EXPECT_EQ(bank->PlayNoteVol(1, 1, 1.5f, 0.5f), 1);
  EXPECT_EQ(log, (Log{"sends", "cue", "delay", "rate", "volume", "pan", "resume"}));
  EXPECT_FLOAT_EQ(ch.sends[3], 65535.0f);
  EXPECT_FLOAT_EQ(ch.sends[8], 1000.0f);
  EXPECT_FLOAT_EQ(ch.sends[0], 0.0f);
  EXPECT_FLOAT_EQ(ch.delay, 25.0f);
  EXPECT_FLOAT_EQ(ch.rate, 1.5f);
  EXPECT_FLOAT_EQ(ch.volume, 0.7f * 0.5f);
  EXPECT_FLOAT_EQ(ch.pan, -0.5f);

  // The second note on the playing slot restarts the channel instead of a new cue.
  log.clear();
  vc.MixPan = 100;
  EXPECT_EQ(bank->PlayNote(1, 1, 0.25f), 1);
  EXPECT_EQ(log, (Log{"sends", "pause", "init", "delay", "rate", "volume", "pan", "resume"}));
  EXPECT_FLOAT_EQ(ch.rate, 0.25f);
  EXPECT_FLOAT_EQ(ch.volume, 0.7f);
  EXPECT_FLOAT_EQ(ch.pan, 1.0f);

  // After Stop the channel counts as not playing, so the sound is cued afresh.
  log.clear();
  EXPECT_EQ(bank->Stop(1, 1), 0);
  EXPECT_EQ(log, (Log{"pause"}));
  log.clear();
  bank->PlayNote(1, 1, 1.0f);
  EXPECT_EQ(log.at(1), "cue");
}

TEST_F(NotePlayback, PartNoteSetsTheWindowAndIgnoresTheVolumeFactor) {
  RecordingChannel& ch = rig(2, 3);
  voice(2, 3).mixvolume = 0.4f;
  EXPECT_EQ(bank->PlayNotePart(2, 3, 2, 10, 90), 1);
  EXPECT_EQ(log, (Log{"sends", "start", "end", "cue", "delay", "rate", "volume", "pan", "resume"}));
  EXPECT_EQ(ch.playStart, 10);
  EXPECT_EQ(ch.playEnd, 90);
  EXPECT_FLOAT_EQ(ch.rate, 2.0f);
  EXPECT_FLOAT_EQ(ch.volume, 0.4f);
  // Cued even though the channel plays; muted it runs at volume 0.
  voice(2, 3).MixMute = 1;
  log.clear();
  bank->PlayNotePart(2, 3, 1, 0, 5);
  EXPECT_EQ(log.at(3), "cue");
  EXPECT_FLOAT_EQ(ch.volume, 0.0f);
}

TEST_F(NotePlayback, UntrackedVoicePlaysAtTheRootNoteRate) {
  RecordingChannel& ch = rig(1, 2);
  voice(1, 2).KeyboardTracking = 0;
  bank->PlayNote(1, 2, 3.0f);
  EXPECT_FLOAT_EQ(ch.rate, 1.0f);
  bank->rootnote[1][2] = 12;
  bank->PlayNote(1, 2, 3.0f);
  EXPECT_FLOAT_EQ(ch.rate, 2.0f);
  bank->rootnote[1][2] = -12;
  bank->PlayNotePart(1, 2, 7, 0, 10);
  EXPECT_FLOAT_EQ(ch.rate, 0.5f);
  // Entry 108 is never filled, so root note 63 stops the voice; 64 is off the table.
  bank->rootnote[1][2] = 63;
  bank->PlayNote(1, 2, 3.0f);
  EXPECT_FLOAT_EQ(ch.rate, 0.0f);
  bank->rootnote[1][2] = 64;
  bank->PlayNote(1, 2, 3.0f);
  EXPECT_FLOAT_EQ(ch.rate, 1.0f);
}

TEST_F(NotePlayback, SoloRefusesSiblingsButNotTrackNotes) {
  rig(4, 5);
  RecordingChannel& sibling = rig(4, 6);
  bank->SetVolume(4, 5, 12, 1.0f);
  ASSERT_EQ(bank->MixSolo[4], 5);
  log.clear();
  EXPECT_EQ(bank->PlayNote(4, 5, 1.0f), 1);
  log.clear();
  EXPECT_EQ(bank->PlayNote(4, 6, 1.0f), 0);
  EXPECT_EQ(bank->PlayNotePart(4, 6, 1, 0, 10), 0);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(bank->PlayTrackNote(1.0f, 4, 6, 1.0f, 1, -99), 1);
  EXPECT_EQ(log.front(), "sends");
  EXPECT_FLOAT_EQ(sibling.volume, 0.7f);
}

TEST_F(NotePlayback, EmptySlotsAndSilentVoicesMakeNoStart) {
  auto channel = std::make_shared<RecordingChannel>(log);
  bank->Channel[5][5] = channel;
  EXPECT_EQ(bank->PlayNote(5, 5, 1.0f), 0);
  EXPECT_EQ(bank->PlayTrackNote(1.0f, 5, 5, 1.0f, 1, 0), 0);
  EXPECT_EQ(bank->Stop(5, 5), 0);
  EXPECT_TRUE(log.empty());
  // A voice without a sound only gets its sends.
  rig(6, 6);
  voice(6, 6).GotSound = 0;
  log.clear();
  EXPECT_EQ(bank->PlayNote(6, 6, 1.0f), 0);
  EXPECT_EQ(log, (Log{"sends"}));
  // Slots outside the bank are refused, not read.
  EXPECT_EQ(bank->PlayNote(-1, 0, 1.0f), 0);
  EXPECT_EQ(bank->PlayNotePart(33, 0, 1, 0, 1), 0);
  EXPECT_EQ(bank->PlayTrackNote(1.0f, 0, 40, 1.0f, 1, 0), 0);
  EXPECT_EQ(bank->Stop(99, 99), 0);
}

TEST_F(NotePlayback, KeyUpReleasesSlotsBelow32Only) {
  auto channel = std::make_shared<RecordingChannel>(log);
  bank->Channel[0][0] = channel;
  bank->Channel[32][1] = channel;
  bank->Channel[1][32] = channel;
  EXPECT_EQ(bank->KeyUp(32, 1), 0);
  EXPECT_EQ(bank->KeyUp(1, 32), 0);
  EXPECT_EQ(bank->KeyUp(-1, 0), 0);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(bank->KeyUp(0, 0), 0);  // the slot need not hold a voice
  EXPECT_EQ(log, (Log{"keyup"}));
  bank->Channel[2][2] = nullptr;
  EXPECT_EQ(bank->KeyUp(2, 2), 0);
}

// Through the mixer: a muted note is silent, a track note in mode 0 sounds, and a
// soloed sibling keeps its note from starting.
TEST_F(NotePlayback, RenderedNotesFollowMuteSoloAndPan) {
  ASSERT_EQ(put(1, 1, fill(4000, [](int) { return 12000; })), 1);
  voice(1, 1).MixMute = 1;
  EXPECT_EQ(bank->PlayNote(1, 1, 1.0f), 1);
  EXPECT_TRUE(silent(render()));
  EXPECT_EQ(bank->PlayTrackNote(1.0f, 1, 1, 1.0f, 1, 0), 1);
  std::vector<int16_t> out = render();
  EXPECT_FALSE(silent(out));

  bank->Stop(1, 1);
  voice(1, 1).MixMute = 0;
  voice(1, 1).MixPan = 100;
  bank->PlayNote(1, 1, 1.0f);
  out = render();
  EXPECT_GT(right(out, 100), 0);
  EXPECT_GT(right(out, 100), left(out, 100));

  bank->Stop(1, 1);
  ASSERT_EQ(put(1, 2, fill(4000, [](int) { return 12000; })), 1);
  bank->SetVolume(1, 1, 12, 1.0f);
  EXPECT_EQ(bank->PlayNote(1, 2, 1.0f), 0);
  EXPECT_TRUE(silent(render()));
}

}  // namespace
