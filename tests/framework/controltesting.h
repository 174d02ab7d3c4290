// Helpers of the control-manager tests: a control declaration with plain defaults that a
// test overrides by name, and a manager whose graphics size and MCustomInit calls a test
// controls and records.
#pragma once
#include <string>
#include <vector>

#include "framework/orrerycontrol.h"

struct Decl {
  int drawType = 1;
  int type = 1;
  int style = 0;
  int align = 0;
  int id = 0;
  int xGrid = 0;
  float x = 0.0f;
  float w = 1.0f;
  int yGrid = 0;
  float y = 0.0f;
  float h = 1.0f;
  int indent = 0;
  int selected = 0;
  int enabled = 1;
  int shown = 1;
  int live = 1;
  int textStyle = 0;
  std::string text{};
  std::string tip{};
  int min = 0;
  int max = 0;
  int pos = 0;
  int thumbX = 0;
  int thumbY = 0;
  std::string text2{};
};

// Declares the control on the manager's current page and returns its index.
inline int Declare(TOrreryControl& m, const Decl& d) {
  m.AddControl(d.drawType, d.type, d.style, d.align, d.id, d.xGrid, d.x, d.w, d.yGrid, d.y, d.h,
               d.indent, d.selected, d.enabled, d.shown, d.live, d.textStyle, d.text, d.tip, d.min,
               d.max, d.pos, d.thumbX, d.thumbY, d.text2);
  return m.ControlCount;
}

// The bShown the declared control ended up with.
inline int ShownOf(TOrreryControl& m, const Decl& d) { return m.PageData[Declare(m, d)]->bShown; }

// A group marker as applications declare it: draw type and type both the marker's.
inline int DeclareGroupBegin(TOrreryControl& m, int group, const std::string& state) {
  return Declare(
      m, {.drawType = kDrawGroupBegin, .type = kDrawGroupBegin, .id = group, .text = state});
}

inline int DeclareGroupEnd(TOrreryControl& m, int group) {
  return Declare(m, {.drawType = kDrawGroupEnd, .type = kDrawGroupEnd, .id = group});
}

class TestManager : public TOrreryControl {
 public:
  int graphicsWidth = 0;
  int graphicsHeight = 0;
  struct InitCall {
    int index;
    bool stored;  // the record was already in the array when the hook ran
    std::string text;
  };
  std::vector<InitCall> customInits;

  int CurrentGraphicsWidth() override { return graphicsWidth; }
  int CurrentGraphicsHeight() override { return graphicsHeight; }
  int MCustomInit(TMControl* control) override {
    customInits.push_back(
        {control->nArrayPos, Control(control->nArrayPos) == control, control->strText});
    return 0;
  }
};
