// The overview display: DisplayWavData draws a sub-voice's 512-point overview (one
// trace, or two lanes for stereo) in the caller's colour, with the playhead.
#include "audio/channel.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"
#include "platform/immediategl.h"
#include "voice/voices.h"

namespace {

float F(int value) { return static_cast<float>(value); }

}  // namespace

int TVoices::DisplayWavData(int v, int s, int x, int y, int w, int h, int x2, int y2,
                            int spreadWidth) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  if (spreadWidth == -1) spreadWidth = w;
  const int left = x + 1;
  const int half = (h - 4) / 2;
  const int base = y + 2 + half;
  const float k = 511.0f / F(spreadWidth - 3);
  const auto& data = voice->data;
  const int points = static_cast<int>(data.size());

  float playX = 0.0f;
  const std::shared_ptr<TChannel> channel = SlotChannel(v, s);
  const int length = voice->SoundLength();
  if (channel && channel->Playing() != 0 && length > 0) {
    playX = F(left) + F(spreadWidth - 2) *
                          (F(channel->GetPlayPosition()) / F(length));
  }
  glDisable(GL_TEXTURE_2D);

  // An index below 0 (a spread of 3 or less) ends the trace as one past the end does.
  if (voice->CurrChannel != 2) {
    float penX = F(left);
    int previous = TruncToInt(F(half) * data[0] + F(base));
    for (int i = 1; i <= w - 3 && F(i) * k < 512.0f; ++i) {
      const int index = TruncToInt(F(i) * k);
      if (index < 0 || index >= points) break;
      const int next = TruncToInt(F(base) + F(half) * data[index]);
      DrawLine(penX, F(previous), penX + 1.0f, F(next));
      penX += 1.0f;
      previous = next;
    }
  } else {
    const int q = half / 2;
    const int top = y + 2 + q;
    float penX = F(left);
    int previousLeft = top;
    int previousRight = top;
    for (int i = 1; i <= w - 3; ++i) {
      const int j = 2 * (TruncToInt(F(i) * k) / 2);
      if (j < 0 || j + 1 >= points) continue;
      const int nextLeft = TruncToInt(F(top) + F(q) * data[j]);
      const int nextRight = TruncToInt(F(top) - F(q) * data[j + 1]) + half;
      DrawLine(penX, F(previousLeft), penX + 1.0f, F(nextLeft));
      DrawLine(penX, F(previousRight), penX + 1.0f, F(nextRight));
      penX += 1.0f;
      previousLeft = nextLeft;
      previousRight = nextRight;
    }
    SetColor(0, 0, 0);
    SetAlpha(0.2f);
    DrawLine(F(x), F(y + half), F(x + w), F(y + half));
    SetColor(205, 205, 205);
    DrawLine(F(x), F(y + half + 1), F(x + w), F(y + half + 1));
    if (h > 80) {
      SetAlpha(0.3f);
      DrawText("Left", F(x2 - 28), F(y));
      DrawText("Right", F(x2 - 34), F(y2 - 18));
    }
    SetAlpha(1.0f);
  }

  if (playX > F(left)) {
    SetColor(255, 255, 0);
    DrawLine(playX, F(y + 1), playX, F(y2 - 2));
  }
  glEnable(GL_TEXTURE_2D);
  return 1;
}
