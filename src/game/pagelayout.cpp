// The page layout table and its reader: ReadControls builds page 0 (the one full-window
// control the game draws itself) from it, ReadControl adds one record's control.
#include "game/pagelayout.h"

#include <cstddef>
#include <variant>
#include <vector>

#include "framework/control.h"
#include "game/quilloncore.h"
#include "platform/numbers.h"

namespace {

using TLayoutValue = std::variant<int, float, std::string>;

// Record grammar: draw type (-100 ends), id, x position, x span, y position, y span,
// indent, text; draw type 4 adds selected, 33 range/min/max/pos, 29 and 31 min/max/pos.
const std::vector<TLayoutValue>& LayoutTable() {
  static const std::vector<TLayoutValue> table = {
      kGameDrawType, 0, 0.0f, 60.0f, 0.0f, 40.0f, 5, std::string("dungeon screen"), kLayoutEnd,
  };
  return table;
}

size_t layoutPos = 0;

const TLayoutValue* NextValue() {
  const auto& table = LayoutTable();
  if (layoutPos >= table.size()) return nullptr;
  return &table[layoutPos++];
}

struct TToInt {
  int operator()(int v) const { return v; }
  int operator()(float v) const { return TruncToInt(v); }
  int operator()(const std::string& v) const { return 0; }
};
struct TToFloat {
  float operator()(int v) const { return static_cast<float>(v); }
  float operator()(float v) const { return v; }
  float operator()(const std::string& v) const { return 0.0f; }
};
struct TToString {
  std::string operator()(int v) const { return std::to_string(v); }
  std::string operator()(float v) const { return std::to_string(v); }
  std::string operator()(const std::string& v) const { return v; }
};

}  // namespace

void RestoreLayoutData() { layoutPos = 0; }

int ReadLayoutInt() {
  const TLayoutValue* v = NextValue();
  return v != nullptr ? std::visit(TToInt{}, *v) : kLayoutEnd;
}

float ReadLayoutFloat() {
  const TLayoutValue* v = NextValue();
  return v != nullptr ? std::visit(TToFloat{}, *v) : 0.0f;
}

std::string ReadLayoutString() {
  const TLayoutValue* v = NextValue();
  return v != nullptr ? std::visit(TToString{}, *v) : std::string();
}

int TQuillon::ReadControls() {
  RestoreLayoutData();
  AddPage(0);
  PageLayer[0] = 1;
  for (;;) {
    const int type = ReadLayoutInt();
    if (type == kLayoutEnd) break;
    ReadControl(type);
    TMControl* last = Control(ControlCount);
    if (type == 4) {
      const int selected = ReadLayoutInt();
      if (last != nullptr) last->bSelected = selected;
    } else if (type == 33 || type == 29 || type == 31) {
      const int range = type == 33 ? ReadLayoutInt() : 0;
      const int min = ReadLayoutInt();
      const int max = ReadLayoutInt();
      const int pos = ReadLayoutInt();
      if (last != nullptr) {
        if (type == 33) last->nRange = range;
        last->nMin = min;
        last->nMax = max;
        last->nPos = pos;
      }
    }
  }
  return 0;
}

int TQuillon::ReadControl(int type) {
  const int id = ReadLayoutInt();
  const float xPos = ReadLayoutFloat();
  const float xSpan = ReadLayoutFloat();
  const float yPos = ReadLayoutFloat();
  const float ySpan = ReadLayoutFloat();
  const int indent = ReadLayoutInt();
  const std::string text = ReadLayoutString();
  const int xGrid = GridX > 0 ? CurrentGraphicsWidth() / GridX : 0;
  const int yGrid = GridY > 0 ? CurrentGraphicsHeight() / GridY : 0;
  AddControl(type, type, 0, 0, id, xGrid, xPos, xSpan, yGrid, yPos, ySpan, indent, 0, 1, 1, 1, 0,
             text, "", 0, 0, 0, 25, 25, "");
  return 0;
}
