// The colour-code table and SetMuisColor.
#include "framework/colorcodes.h"

#include <array>

#include "framework/palette.h"

namespace {

struct ColorCode {
  int r, g, b;
};

// Entry n - 1 holds the colour of code n.
constexpr std::array<ColorCode, kColorCodeCount> kColorCodes = {{
    {140, 140, 140}, {91, 140, 231},  {133, 102, 222}, {255, 0, 128},   {230, 10, 0},
    {200, 50, 50},   {195, 86, 23},   {238, 154, 77},  {212, 160, 23},  {255, 165, 0},
    {108, 196, 23},  {40, 210, 40},   {70, 250, 70},   {28, 206, 156},  {183, 231, 247},
    {190, 190, 190}, {255, 255, 255}, {65, 208, 255},  {173, 88, 233},  {245, 194, 247},
    {250, 70, 50},   {247, 101, 65},  {230, 116, 81},  {249, 150, 107}, {253, 208, 23},
    {255, 243, 128}, {238, 250, 74},  {225, 251, 50},  {228, 255, 176}, {165, 238, 215},
    {217, 243, 250}, {200, 200, 200}, {44, 148, 7},    {172, 244, 87},  {165, 42, 42},
    {117, 10, 10},   {50, 0, 0},      {55, 55, 55},    {0, 0, 128},     {37, 65, 23},
    {30, 30, 30},    {128, 0, 0},     {128, 0, 128},   {80, 80, 80},    {130, 10, 0},
    {92, 96, 108},   {40, 40, 198},   {153, 122, 222},
}};
static_assert(kColorCodes.back().r == 153, "every code has its row");

}  // namespace

int SetMuisColor(int style, int apply) {
  const int code = (style & kColorCodeMask) >> kColorCodeShift;
  if (code >= 1 && code <= kColorCodeCount) {
    const ColorCode& c = kColorCodes[code - 1];
    AppCol.SetCol(c.r, c.g, c.b);
  }
  // The whole word is compared, not the code: 1025-2047 also applies AppCol as it is.
  if (style > 1024 && apply != 0) AppCol.SetFG();
  return style & kStyleNumberMask;
}
