// TMColor and its named colour table.
#include "framework/color.h"

#include <algorithm>
#include <cstdint>

#include "framework/drawcolor.h"
#include "platform/numbers.h"
#include "platform/textcase.h"

namespace {

struct NamedColor {
  const char* name;
  const char* otherName;  // only entry 17 has a second name
  int r, g, b;
};

constexpr std::array<NamedColor, kNamedColorCount> kNamedColors = {{
    {"white", nullptr, 255, 255, 255},
    {"lightestgrey", nullptr, 220, 220, 220},
    {"snowgrey", nullptr, 200, 200, 200},
    {"lightergrey", nullptr, 180, 180, 180},
    {"grey", nullptr, 127, 128, 128},
    {"darkgrey", nullptr, 64, 64, 64},
    {"red", nullptr, 255, 0, 0},
    {"green", nullptr, 0, 255, 0},
    {"blue", nullptr, 0, 0, 255},
    {"yellow", nullptr, 255, 255, 0},
    {"cyan", nullptr, 0, 255, 255},
    {"magenta", nullptr, 255, 0, 255},
    {"purple", nullptr, 128, 0, 128},
    {"lightpurple", nullptr, 255, 0, 128},
    {"darkblue", nullptr, 0, 0, 128},
    {"orange", nullptr, 255, 165, 0},
    {"brown", nullptr, 165, 42, 42},
    {"maroon", "darkred", 128, 0, 0},
    {"violet", nullptr, 141, 56, 201},
    {"lightviolet", nullptr, 173, 88, 233},
    {"skyblue", nullptr, 198, 222, 255},
    {"lightblue", nullptr, 173, 223, 255},
    {"duskblue", nullptr, 91, 140, 231},
    {"pink", nullptr, 247, 120, 161},
    {"lightgreen", nullptr, 40, 210, 40},
    {"seagreen", nullptr, 78, 137, 117},
    {"springgreen", nullptr, 74, 160, 44},
    {"darkgreen", nullptr, 37, 65, 23},
    {"lime", nullptr, 108, 196, 23},
    {"lemon", nullptr, 238, 250, 74},
    {"apricot", nullptr, 255, 243, 128},
    {"gold", nullptr, 212, 160, 23},
    {"lightgold", nullptr, 253, 208, 23},
    {"darkgold", nullptr, 175, 120, 23},
    {"khaki", nullptr, 130, 120, 57},
    {"darkorange", nullptr, 195, 86, 23},
    {"yellowgreen", nullptr, 177, 251, 23},
    {"olive", nullptr, 128, 128, 0},
    {"darkpurple", nullptr, 70, 27, 126},
    {"plum", nullptr, 185, 59, 143},
    {"coral", nullptr, 247, 101, 65},
    {"lightcoral", nullptr, 231, 116, 113},
    {"salmon", nullptr, 230, 116, 81},
    {"lightsalmon", nullptr, 249, 150, 107},
    {"sandybrown", nullptr, 238, 154, 77},
    {"hotpink", nullptr, 246, 96, 171},
    {"darkhotpink", nullptr, 125, 34, 82},
    {"black", nullptr, 0, 0, 0},
    {"darkestgrey", nullptr, 34, 34, 34},
    {"lightgrey", nullptr, 148, 148, 148},
    {"darkergrey", nullptr, 96, 96, 96},
}};
static_assert(kNamedColors.back().name != nullptr, "every number has its row");

// The first entry whose number text or one of whose names equals the lower-cased text.
int FindNamedColor(const std::string& text) {
  const std::string lower = ToLower(text);
  for (int n = 0; n < kNamedColorCount; ++n) {
    const NamedColor& entry = kNamedColors[n];
    if (lower == std::to_string(n) || lower == entry.name ||
        (entry.otherName != nullptr && lower == entry.otherName)) {
      return n;
    }
  }
  return -1;
}

int ClampChannel(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, 0, 255)); }

constexpr std::array<int, kNamedColorCount> PackNamedColors() {
  std::array<int, kNamedColorCount> packed{};
  for (int n = 0; n < kNamedColorCount; ++n) {
    packed[n] = kNamedColors[n].r * 65536 + kNamedColors[n].g * 256 + kNamedColors[n].b;
  }
  return packed;
}

}  // namespace

const std::array<int, kNamedColorCount> gIntColor = PackNamedColors();

int TMColor::SetNum(int n) {
  if (n < 0 || n >= kNamedColorCount) n = 0;  // white
  const NamedColor& entry = kNamedColors[n];
  SetCol(entry.r, entry.g, entry.b);
  return 0;
}

int TMColor::SetName(const std::string& text) {
  const int n = FindNamedColor(text);
  SetNum(n < 0 ? 0 : n);
  return 0;
}

int TMColor::GetNum(const std::string& text) const {
  const int n = FindNamedColor(text);
  return n < 0 ? 0 : n;
}

int TMColor::Copy(const TMColor& other) {
  *this = other;
  return 0;
}

int TMColor::SetRGB(int packed) {
  const uint32_t bits = static_cast<uint32_t>(packed);
  SetCol(static_cast<int>((bits >> 16) & 255), static_cast<int>((bits >> 8) & 255),
         static_cast<int>(bits & 255));
  return 0;
}

int TMColor::GetIntCol(int red, int green, int blue) {
  return (red & 255) * 65536 + (green & 255) * 256 + (blue & 255);
}

int TMColor::SetCol(int red, int green, int blue) {
  r = red;
  g = green;
  b = blue;
  fr = Scale(r);
  fg = Scale(g);
  fb = Scale(b);
  return 0;
}

int TMColor::Modify(int delta) {
  SetCol(ClampChannel(int64_t{r} + delta), ClampChannel(int64_t{g} + delta),
         ClampChannel(int64_t{b} + delta));
  return 0;
}

int TMColor::SetFGDark(float factor) const {
  SetDrawColor(TruncToInt(static_cast<float>(r) * factor), TruncToInt(static_cast<float>(g) * factor),
               TruncToInt(static_cast<float>(b) * factor));
  return 0;
}

int TMColor::SetFG() const {
  SetDrawColor(r, g, b);
  return 0;
}

int MultiplyColor(float factor) {
  int r = 0, g = 0, b = 0;
  GetDrawColor(r, g, b);
  SetDrawColor(ClampChannel(TruncToInt(static_cast<float>(r) * factor)),
               ClampChannel(TruncToInt(static_cast<float>(g) * factor)),
               ClampChannel(TruncToInt(static_cast<float>(b) * factor)));
  return 0;
}

int ModifyColor(int delta) {
  int r = 0, g = 0, b = 0;
  GetDrawColor(r, g, b);
  SetDrawColor(ClampChannel(int64_t{r} + delta), ClampChannel(int64_t{g} + delta),
               ClampChannel(int64_t{b} + delta));
  return 0;
}
