// The colour record TMColor with its table of 51 named colours, the packed table
// gIntColor, the unused TRGBALColor record, and the two functions that scale or shift
// the current draw colour.
#pragma once
#include <array>
#include <string>

constexpr int kNamedColorCount = 51;

class TMColor {
 public:
  int r = 0;
  int g = 0;
  int b = 0;
  float fr = 0.0f;
  float fg = 0.0f;
  float fb = 0.0f;

  constexpr TMColor() = default;
  // A colour with its channels set as SetCol sets them.
  constexpr TMColor(int red, int green, int blue)
      : r(red), g(green), b(blue), fr(Scale(red)), fg(Scale(green)), fb(Scale(blue)) {}

  int GetRed() const { return r; }
  int GetGreen() const { return g; }
  int GetBlue() const { return b; }
  int SetNum(int n);
  int SetName(const std::string& text);
  int GetNum(const std::string& text) const;
  int Copy(const TMColor& other);
  int SetRGB(int packed);
  static int GetIntCol(int red, int green, int blue);
  int SetCol(int red, int green, int blue);
  int Modify(int delta);
  int SetFGDark(float factor) const;
  int SetFG() const;

 private:
  static constexpr float Scale(int channel) { return static_cast<float>(channel / 255.0); }
};

// Entry n holds named colour n packed as red * 65536 + green * 256 + blue.
extern const std::array<int, kNamedColorCount> gIntColor;

// Never created by the system; kept for applications that use the record.
struct TRGBALColor {
  int r = 255;
  int g = 0;
  int b = 0;
  int a = 255;
  int l = 255;
  int s = 255;
};

int MultiplyColor(float factor);
int ModifyColor(int delta);
