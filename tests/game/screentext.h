// Reads the bitmap-font text a recording shows: each glyph draw names its character by
// the 16 x 16 cell it is cut from; glyphs of one colour and alpha on one line whose pens
// step by the 8-pixel advance join into one text, as a player reads them.
#pragma once
#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "game/arcadefont.h"
#include "platform/image.h"
#include "platform/pixmap.h"
#include "platform/recordingbackend.h"

namespace screentext {

struct TShownText {
  std::string text;
  int x = 0;
  int y = 0;
  std::array<int, 3> rgb{};
  float alpha = 1.0f;
};

// A loaded font sheet of 16 x 16 cells with the game's advance of 8.
inline void LoadTestFont() {
  g_TextImage = LoadImage(CreatePixmap(256, 256), 0);
  g_ImageOK = 1;
  g_FontHeight = 1;
  g_FontWidth = 8;
}

inline void DropTestFont() {
  g_TextImage = nullptr;
  g_ImageOK = 0;
  g_FontWidth = 7;
}

inline std::vector<TShownText> ShownTexts(const TRecordingBackend& recorder) {
  using Key = std::tuple<int, int, int, int, float>;  // y, colour, alpha
  std::map<Key, std::vector<std::pair<int, char>>> lines;
  for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Image)) {
    if (c.image != g_TextImage.get()) continue;
    const int code = static_cast<int>(c.args[4]) / 16 + static_cast<int>(c.args[5]) / 16 * 16;
    // Channels clamp to 0..255 when drawn.
    const auto channel = [](int v) { return std::clamp(v, 0, 255); };
    lines[{static_cast<int>(c.args[1]), channel(c.state.red), channel(c.state.green),
           channel(c.state.blue), c.state.alpha}]
        .emplace_back(static_cast<int>(c.args[0]), static_cast<char>(code));
  }
  std::vector<TShownText> out;
  for (auto& [key, glyphs] : lines) {
    std::sort(glyphs.begin(), glyphs.end());
    const auto [y, r, g, b, alpha] = key;
    for (size_t i = 0; i < glyphs.size(); ++i) {
      if (i == 0 || glyphs[i].first != glyphs[i - 1].first + 8) {
        out.push_back({"", glyphs[i].first, y, {r, g, b}, alpha});
      }
      out.back().text += glyphs[i].second;
    }
  }
  return out;
}

// The texts shown at exactly this place, in any colour.
inline std::vector<TShownText> TextsAt(const TRecordingBackend& recorder, int x, int y) {
  std::vector<TShownText> out;
  for (const TShownText& t : ShownTexts(recorder)) {
    if (t.x == x && t.y == y) out.push_back(t);
  }
  return out;
}

// Whether the text is shown at this place in this colour.
inline bool Shows(const TRecordingBackend& recorder, const std::string& text, int x, int y,
                  std::array<int, 3> rgb) {
  for (const TShownText& t : ShownTexts(recorder)) {
    if (t.text == text && t.x == x && t.y == y && t.rgb == rgb) return true;
  }
  return false;
}

}  // namespace screentext
