// The drawing toolkit's globals with their start values, the master-alpha setters and
// the setters of the gradient pair.
#include "framework/drawstate.h"

#include <algorithm>
#include <cstdint>

#include "framework/color.h"
#include "platform/draw2d.h"
#include "platform/imagefont.h"
#include "platform/numbers.h"

std::shared_ptr<TImageFont> ImageFont;
std::shared_ptr<TImageFont> ImageFont2;
int AppFontSize = 0;

float g_fAlpha = 1.0f;

int g_bRed = 255, g_bGreen = 255, g_bBlue = 255, g_bAlpha = 255;
int g_bRed2 = 255, g_bGreen2 = 255, g_bBlue2 = 255, g_bAlpha2 = 255;

int AppBG = 0;
int AppBGRed = 70;
int AppBGGreen = 70;
int AppBGBlue = 70;

int AppFileImage = -1;
int AppBigFileImage = -1;
int AppMonoFileImage = -1;

int AppShowCtrlHighlight = 1;
int AppControlFlash = 0;
int AppFlashTime = -1;
int AppFlashX = -1;
int AppFlashY = -1;

std::array<int, kEffectCount> FXDecal{};
std::array<int, kEffectCount> FXDecalColor{};
std::array<int, kEffectCount> FXColor{};
std::array<std::string, kEffectCount> FXName{};
std::array<int, kEffectCount> FXBase{};

namespace {

int Scaled(int alpha) { return TruncToInt(static_cast<float>(alpha) * g_fAlpha); }

// Wide arithmetic, so no shift overflows whatever the caller passes.
int Shifted(int channel, int mod) {
  return static_cast<int>(std::clamp<int64_t>(int64_t{channel} + mod, 0, 255));
}

int Darker(int channel) { return static_cast<int>(std::max<int64_t>(int64_t{channel} - 80, 0)); }

}  // namespace

int MSetAlpha(float alpha) {
  SetAlpha(alpha);
  g_fAlpha = alpha;
  return 0;
}

int MAlpha(float alpha) { return MSetAlpha(alpha); }

int MSetAlpha2(float a1, float a2) {
  g_bAlpha = TruncToInt(a1);
  g_bAlpha2 = TruncToInt(a2);
  return 0;
}

int MAlpha2(float a1, float a2) { return MSetAlpha2(a1, a2); }

int MSetCol(int r, int g, int b, int a) {
  g_bRed = r;
  g_bGreen = g;
  g_bBlue = b;
  g_bAlpha = Scaled(a);
  return 0;
}

int MSetCol2(int r, int g, int b, int a) {
  g_bRed2 = r;
  g_bGreen2 = g;
  g_bBlue2 = b;
  g_bAlpha2 = Scaled(a);
  return 0;
}

int MSetCols(int r, int g, int b, int a, int r2, int g2, int b2, int a2) {
  MSetCol(r, g, b, a);
  return MSetCol2(r2, g2, b2, a2);
}

int MSetColsCol(const TMColor& col, int a) {
  MSetCol(col.GetRed(), col.GetGreen(), col.GetBlue(), a);
  return MSetCol2(Darker(g_bRed), Darker(g_bGreen), Darker(g_bBlue), a);
}

int MSetColsMod2(int r, int g, int b, int a, int r2, int g2, int b2, int a2, int mod) {
  MSetCol(r, g, b, a);
  return MSetCol2(Shifted(r2, mod), Shifted(g2, mod), Shifted(b2, mod), a2);
}

int MModCols(int mod) {
  g_bRed = Shifted(g_bRed, mod);
  g_bGreen = Shifted(g_bGreen, mod);
  g_bBlue = Shifted(g_bBlue, mod);
  g_bRed2 = Shifted(g_bRed2, mod);
  g_bGreen2 = Shifted(g_bGreen2, mod);
  g_bBlue2 = Shifted(g_bBlue2, mod);
  return 0;
}
