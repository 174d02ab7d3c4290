// TMultiList: filling, selection by mouse, wheel and cursor keys, and drawing of the
// browse and pick panes.
#include "voice/mmultilist.h"

#include "framework/captions.h"
#include "framework/color.h"
#include "framework/drawstate.h"
#include "framework/imagecontrols.h"
#include "framework/palette.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"

namespace {
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;
constexpr int kStyleSnowGrey = 0x10000;
constexpr int kStyleGrey140 = 0x800;
constexpr int kAlignMiddleLeft = 20;
const std::string kSeparator = "-";
const std::string kNoName;
}  // namespace

const std::string& TMultiList::ItemName(int category, int row) const {
  if (!ValidCategory(category) || !ValidRow(row)) return kNoName;
  return CoreSubEffect[category][row];
}

int TMultiList::DoInit() {
  CoreSelected = 0;
  for (int c = 0; c < kMultiListCategories; ++c) {
    CoreSubCount[c] = 0;
    CoreSubSelected[c] = 0;
    for (auto& name : CoreSubEffect[c]) name.clear();
  }
  return 0;
}

int TMultiList::SetHeight(int height) {
  CoreSubDisplayed = height / kMultiListRowHeight;
  return 0;
}

int TMultiList::MouseWheel(int direction) {
  if (direction == 1) {
    if (CoreSubStart > 0) --CoreSubStart;
  } else if (direction == 0) {
    ++CoreSubStart;
  }
  return 0;
}

int TMultiList::SetData(int last, int category, const std::string& name, int value) {
  if (category < 0) return last;
  if (category > last) {
    if (!ValidCategory(category)) return last;  // beyond the 12 categories: dropped
    CoreEffect[category] = name;
    CoreEffectCount = category;
    return category;
  }
  const int c = CoreEffectCount;
  if (!ValidCategory(c) || !ValidRow(CoreSubCount[c])) return last;
  CoreSubEffect[c][CoreSubCount[c]] = name;
  CoreSubFilter[c][CoreSubCount[c]] = value;
  ++CoreSubCount[c];
  return last;
}

int TMultiList::GetEffect() {
  if (!ValidCategory(CoreSelected)) return 0;
  const int s = CoreSubSelected[CoreSelected];
  if (!ValidRow(s)) return 0;
  return CoreSubFilter[CoreSelected][s];
}

std::string TMultiList::GetEffectName() {
  if (!ValidCategory(CoreSelected)) return "";
  return ItemName(CoreSelected, CoreSubSelected[CoreSelected]);
}

int TMultiList::MouseDownBrowse(int y) {
  if (y < 0) return 0;
  const int row = y / kMultiListRowHeight;
  if (row > CoreEffectCount || !ValidCategory(row)) return 0;
  CoreSelected = row;
  CoreSubStart = 0;
  return 1;
}

int TMultiList::MouseDownPick(int y) {
  if (y < 0 || !ValidCategory(CoreSelected)) return 0;
  const int c = CoreSelected;
  const int row = y / kMultiListRowHeight + CoreSubStart;
  if (row < 0 || row > CoreSubCount[c] - 1 || !ValidRow(row)) return 0;
  if (CoreSubEffect[c][row] == kSeparator) return 0;
  CoreSubSelected[c] = row;
  return 1;
}

int TMultiList::KeyDownPick(int key) {
  if (!ValidCategory(CoreSelected)) return 0;
  const int c = CoreSelected;
  const int last = CoreSubCount[c] - 1;
  int& s = CoreSubSelected[c];
  if (key == kKeyDown) {
    if (s >= last) return 0;
    const int step = ItemName(c, s + 1) == kSeparator ? 2 : 1;
    s = s + step > last ? last : s + step;
    if (s >= CoreSubStart + CoreSubDisplayed) ++CoreSubStart;
  } else if (key == kKeyUp) {
    if (s <= 0) return 0;
    const int step = ItemName(c, s - 1) == kSeparator ? 2 : 1;
    s = s - step < 0 ? 0 : s - step;
    if (s < CoreSubStart) CoreSubStart = s;
  }
  return 0;
}

int TMultiList::KeyDownBrowse(int key) {
  if (key == kKeyDown) {
    if (CoreSelected < CoreEffectCount && CoreSelected < kMultiListCategories - 1) {
      ++CoreSelected;
      CoreSubStart = 0;
    }
  } else if (key == kKeyUp) {
    if (CoreSelected > 0) {
      --CoreSelected;
      CoreSubStart = 0;
    }
  }
  return 0;
}

int TMultiList::DrawPick(int x, int y, int w, int h, int over) {
  (void)over;
  const float a0 = g_fAlpha;
  float fade = 0.6f;
  int counter = 1;

  SetAlpha(0.15f);
  SetColor(0, 0, 0);
  DrawRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
  SetAlpha(1.0f);

  if (CoreSelected < 0) CoreSelected = 0;
  if (ValidCategory(CoreSelected)) {
    const int c = CoreSelected;
    if (CoreSubSelected[c] < 0) {
      CoreSubSelected[c] = 0;
      if (CoreSubStart < 0) CoreSubStart = 0;
    }
    int ry = y;
    const int first = CoreSubStart < 0 ? 0 : CoreSubStart;  // a negative scroll has no rows
    for (int r = first; r <= CoreSubCount[c] && r < kMultiListItems; ++r) {
      if (CoreSubStart > 0 && counter < 3) {
        MAlpha(0.2f + 0.2f * static_cast<float>(counter));
      } else if (r > CoreSubStart + CoreSubDisplayed - 3) {
        MAlpha(fade);
        fade -= 0.2f;
      } else {
        MAlpha(a0);
      }
      if (r == CoreSubSelected[c]) {
        AppHL.SetFG();
        DrawRect(static_cast<float>(x), static_cast<float>(ry + 1), static_cast<float>(w - 1), 18.0f);
      }
      const std::string& name = CoreSubEffect[c][r];
      if (name == kSeparator) {
        SetAlpha(0.3f);
        SetColor(220, 220, 220);
        DrawLine(static_cast<float>(x), static_cast<float>(ry + 10), static_cast<float>(x + w - 1),
                 static_cast<float>(ry + 10));
        SetColor(10, 10, 10);
        DrawLine(static_cast<float>(x), static_cast<float>(ry + 11), static_cast<float>(x + w),
                 static_cast<float>(ry + 11));
        SetAlpha(1.0f);
      } else if (name.size() > 1 && name[0] == '-') {
        MText(x + 21, ry, w, kMultiListRowHeight, kStyleGrey140, kAlignMiddleLeft,
              "(unfinished)   " + name.substr(1));
      } else if (!name.empty() && name[0] == 'l') {
        MText(x + 28, ry, w, kMultiListRowHeight, kStyleSnowGrey, kAlignMiddleLeft, name.substr(1));
        SetAlpha(0.7f);
        MImageFrame(x + 3, ry + 2, 16, 16, -1, "editloop", 16, 0);
        SetAlpha(1.0f);
      } else {
        MText(x + 22, ry, w, kMultiListRowHeight, kStyleSnowGrey, kAlignMiddleLeft, name);
      }
      ++counter;
      ry += kMultiListRowHeight;
    }
  }

  MAlpha(a0);
  SetColor(0, 0, 0);
  DrawLine(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + w), static_cast<float>(y));
  MSetCols(0, 0, 0, 0, 0, 0, 0, 50);
  MRectHFade(x + w - 40, y, 40, h);
  return 0;
}

int TMultiList::DrawBrowse(int x, int y, int w, int h, int over) {
  SetAlpha(0.45f);
  SetColor(0, 0, 0);
  DrawRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
  SetAlpha(1.0f);
  if (CoreSelected < 0) CoreSelected = 0;

  int ry = y;
  for (int k = 0; k <= CoreEffectCount && k < kMultiListCategories; ++k) {
    if (k == CoreSelected) {
      AppHL.SetFG();
      DrawRect(static_cast<float>(x + 20), static_cast<float>(ry + 1), static_cast<float>(w - 1), 18.0f);
    }
    MText(x + 28, ry, w, kMultiListRowHeight, kStyleSnowGrey, kAlignMiddleLeft, CoreEffect[k]);
    ry += kMultiListRowHeight;
  }

  SetColor(0, 0, 0);
  DrawLine(static_cast<float>(x + w - 1), static_cast<float>(y), static_cast<float>(x + w - 1),
           static_cast<float>(y + h));
  DrawLine(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + w), static_cast<float>(y));
  MSetCols(0, 0, 0, 0, 0, 0, 0, 50);
  MRectHFade(x + w - 40, y, 40, h);
  MCheckOver(x, y, w, h, over);
  return 0;
}
