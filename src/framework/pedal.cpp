// MPedal: an effect pedal drawn from the frames of "pedal.png" (body, decal and top),
// tinted by colour codes, with an optional selection plate and a shadowed label.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "framework/captions.h"
#include "framework/colorcodes.h"
#include "framework/drawstate.h"
#include "framework/imagecontrols.h"
#include "framework/imagewrappers.h"
#include "framework/palette.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr const char* kPedalImage = "pedal.png";
constexpr int kDecalFrameBase = 6;  // decal n is frame n + 6
constexpr int kTopFrameBase = 2;    // top t is frame t + 2
constexpr int kPlateRadius = 6;
constexpr int kLabelShadowStyle = 0x14800;  // colour code 41
constexpr int kLabelStyle = 0x10000;        // colour code 32
constexpr int kLabelAlign = 0x12;           // centred both ways

struct Box {
  int x, y, w, h;
};

// Frame numbers wrap in 32 bits as the cell positions do, whatever a caller passes.
int Plus(int frame, int by) {
  return static_cast<int>(static_cast<int32_t>(static_cast<int64_t>(frame) + by));
}

void Frame(const Box& b, int frame) {
  MDrawImageFrameWidth(b.x, b.y, b.w, b.h, kPedalImage, frame, kPedalFrameWidth);
}

// Entry i of an effect table, or false when i is no entry of it.
template <typename Table>
bool Entry(const Table& table, int i, int& value) {
  if (i < 0 || static_cast<size_t>(i) >= std::size(table)) return false;
  value = table[i];
  return true;
}

}  // namespace

int MPedal(int x, int y, int w, int h, int over, int selected, int first, int second, int decal,
           int colour1, int colour2, const std::string& label) {
  SetAlpha(over != 0 || selected != 0 ? 1.0f : 0.75f * g_fAlpha);
  if (selected != 0) {
    MSetCols(0, 0, 0, 30, 255, 255, 255, 70);
    MRoundFrame(x, y, w, h, kPlateRadius, kPlateRadius, kPlateRadius, kPlateRadius);
    const int r = AppHL.GetRed(), g = AppHL.GetGreen(), b = AppHL.GetBlue();
    MSetCols(r, g, b, 100, r, g, b, 100);
    MRoundRect(x, y, w, h, kPlateRadius, kPlateRadius, kPlateRadius, kPlateRadius);
  }

  const int pw = TruncToInt(static_cast<float>(h) / 5.0f * 3.0f);
  const int hw = TruncToInt(static_cast<float>(pw) * 0.5f);
  const int bx = TruncToInt(static_cast<float>(x) + static_cast<float>(w) * 0.5f -
                            static_cast<float>(hw) + 2.0f);
  const Box box{bx, y + 4, pw - 4, h - 8};

  SetColor(200, 200, 200);
  SetMuisColor(colour1, 1);
  SetAlpha(1.0f);
  if (colour2 == -1) {
    if (decal > 0) {
      SetColor(255, 255, 255);
      Frame(box, Plus(decal, kDecalFrameBase));
    } else {
      Frame(box, first);
      SetColor(255, 255, 255);
      Frame(box, second);
    }
  } else {
    int value = 0;
    if (Entry(FXBase, first, value)) Frame(box, value & 1);
    if (Entry(FXDecal, decal, value) && value > 0) {
      SetMuisColor(colour2, 1);
      Frame(box, Plus(value, kDecalFrameBase));
    }
    SetColor(255, 255, 255);
    if (Entry(FXBase, second, value)) Frame(box, ((value & 0xE) >> 1) + kTopFrameBase);
  }

  if (!label.empty()) {
    SetAlpha(1.0f);
    MText(x, y + 1, w, h, kLabelShadowStyle, kLabelAlign, label);
    MText(x, y, w, h, kLabelStyle, kLabelAlign, label);
  }
  return 0;
}
