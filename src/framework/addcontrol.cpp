// TOrreryControl::AddControl: declares one control on the current page, keeps the page's
// run and live control, grows the control array, runs the group stack that hides controls
// inside groups while they are declared, and builds the page-tab captions.
#include <cstdint>

#include "framework/orrerycontrol.h"
#include "platform/print.h"

namespace {

// The text of a navigation table entry; an entry outside the table reads as empty.
const std::string& MainEntry(const std::array<std::string, kMainPageCount>& table, int main) {
  static const std::string empty;
  return TOrreryControl::ValidMainPage(main) ? table[main] : empty;
}

const std::string& SubEntry(
    const std::array<std::array<std::string, kSubPageCount>, kMainPageCount>& table, int main,
    int sub) {
  static const std::string empty;
  return TOrreryControl::ValidMainPage(main) && TOrreryControl::ValidSubPage(sub) ? table[main][sub]
                                                                                  : empty;
}

}  // namespace

std::string TabNumber(int id) { return std::to_string(static_cast<int64_t>(id) + 1); }

int TOrreryControl::AddControl(int drawType, int type, int style, int align, int id, int xGrid,
                               float xPos, float xCount, int yGrid, float yPos, float yCount,
                               int indent, int selected, int enabled, int shown, int live,
                               int textStyle, const std::string& text, const std::string& tipText,
                               int min, int max, int pos, int thumbX, int thumbY,
                               const std::string& text2) {
  ControlCount += 1;
  const bool pageKnown = ValidPage(CurrentPage);
  if (pageKnown) {
    PageEnd[CurrentPage] = ControlCount;
    if (PageActive[CurrentPage] == -1 && live != 0 && type != kTypeNeverLive)
      PageActive[CurrentPage] = ControlCount;
  }
  if (static_cast<size_t>(ControlCount) >= PageData.size())
    PageData.resize(static_cast<size_t>(ControlCount) + kControlGrowth);

  if (drawType == kDrawGroupBegin) {
    if (gGroupCount == -1) gGroupCount = 0;
    if (gGroupCount >= kGroupDepth) {
      // Its controls keep the visibility of the enclosing groups; its end is absorbed.
      refusedGroups_ += 1;
      Print("AddControl: groups nest deeper than " + std::to_string(kGroupDepth) + ", group " +
            std::to_string(id) + " ignored");
    } else {
      gGroupStatus[gGroupCount] = text == "on" ? 1 : 0;
      gCurrentGroup = 1;
      for (int g = 0; g <= gGroupCount; ++g) gCurrentGroup &= gGroupStatus[g];
      gGroupCount += 1;
    }
  } else if (drawType == kDrawGroupEnd) {
    if (refusedGroups_ > 0) {
      refusedGroups_ -= 1;
    } else if (gGroupCount > 0) {
      // Only the groups still open decide what follows.
      gGroupCount -= 1;
      gCurrentGroup = 1;
      for (int g = 0; g < gGroupCount; ++g) gCurrentGroup &= gGroupStatus[g];
    }
  }

  auto control = std::make_unique<TMControl>();
  TMControl& c = *control;
  c.nArrayPos = ControlCount;
  c.bPage = CurrentPage;
  c.nDrawType = drawType;
  c.nType = type;
  c.bStyle = style;
  c.bAlign = align;
  c.nID = id;
  c.bXGrid = xGrid;
  c.bXPos = xPos;
  c.bXCount = xCount;
  c.bYGrid = yGrid;
  c.bYPos = yPos;
  c.bYCount = yCount;
  c.bIndent = indent;
  c.bSelected = selected;
  c.bEnabled = enabled;
  c.bShown = gGroupCount == -1 ? shown : (shown & gCurrentGroup);
  c.bLive = live;
  c.bTextStyle = textStyle;

  std::string caption = text;
  std::string tip = tipText;
  if (type == kTypeCheck || type == kTypeCheckAlt) {
    c.bCheck = 1;
  } else if (type == kTypeMainHelpTip) {
    tip = MainEntry(strMainPageHelp, id);
  } else if (type == kTypeMainPageTab) {
    tip = MainEntry(strMainPageHelp, id);
    const std::string& name = MainEntry(strMainPage, id);
    caption = 'F' + TabNumber(id) + name;
    if (name.empty()) c.bShown = 0;
  } else if (type == kTypeSubPageTab) {
    tip = SubEntry(strSubPageHelp, CurrentMainPage, id);
    const std::string& name = SubEntry(strSubPage, CurrentMainPage, id);
    caption = ' ' + TabNumber(id) + name;
    if (name.empty()) c.bShown = 0;
  }
  c.strText = caption;
  c.strText2 = text2;
  c.strTipText = tip;
  if (!tip.empty()) GotTips = 1;

  c.bRescan = 0;
  c.nMin = min;
  c.nMax = max;
  c.nPos = pos;
  c.nRange = static_cast<int>(static_cast<int64_t>(max) - min);  // wraps, never overflows
  c.nThumbX = thumbX;
  c.nThumbY = thumbY;

  TMControl* stored = control.get();
  PageData[static_cast<size_t>(ControlCount)] = std::move(control);
  if (type == kTypeCustomInit) MCustomInit(stored);
  return 0;
}
