// TOrreryControl: construction, the page and navigation tables, the status colour and
// the control listing. Page, main- and sub-page numbers outside their tables are ignored.
#include "framework/orrerycontrol.h"

#include <algorithm>

#include "platform/print.h"
#include "platform/window.h"

TOrreryControl::TOrreryControl() { PageData.resize(static_cast<size_t>(MaxControls) + 1); }

int TOrreryControl::Init() {
  gGroupStatus.fill(1);
  const int lastPage = std::min(MaxPages, kPageCount - 1);
  for (int page = 0; page <= lastPage; ++page) {
    PageStart[page] = 0;
    PageEnd[page] = 0;
    PageActive[page] = -1;
    PageLayer[page] = 1;
  }
  for (int main = 0; main < kMainPageCount; ++main) {
    strMainPage[main] = "";
    strMainPageHelp[main] = "";
    nMainPageKey[main] = -1;
    CurrentSubPage[main] = -1;
    for (int sub = 0; sub < kSubPageCount; ++sub) {
      SubPageArray[main][sub] = -1;
      strSubPage[main][sub] = "";
      strSubPageHelp[main][sub] = "";
      nSubPageKey[main][sub] = -1;
    }
  }
  return 0;
}

int TOrreryControl::ShutDown() { return 0; }

int TOrreryControl::AddMainPage(int main, const std::string& name, const std::string& help,
                                int key) {
  if (!ValidMainPage(main)) return 0;
  if (!name.empty()) strMainPage[main] = name;
  if (!help.empty()) strMainPageHelp[main] = help;
  if (key > 0) nMainPageKey[main] = key;
  return 0;
}

int TOrreryControl::AddSubPage(int main, int sub, const std::string& name, const std::string& help,
                               int key) {
  if (!ValidMainPage(main) || !ValidSubPage(sub)) return 0;
  if (!name.empty()) strSubPage[main][sub] = name;
  if (!help.empty()) strSubPageHelp[main][sub] = help;
  if (key > 0) nSubPageKey[main][sub] = key;
  return 0;
}

int TOrreryControl::NewSubPage(int page, int main, int sub) {
  // A bad navigation slot still lets the page itself be declared.
  if (ValidPage(page) && ValidMainPage(main) && ValidSubPage(sub)) {
    CurrentMainPage = main;
    CurrentSubPage[main] = sub;
    SubPageArray[main][sub] = page;
  }
  return AddPage(page);
}

int TOrreryControl::AddPage(int page) {
  if (!ValidPage(page)) return 0;
  if (PageLayer[page] == 0) PageLayer[page] = 1;
  CurrentPage = page;
  PageStart[page] = ControlCount + 1;
  return 0;
}

int TOrreryControl::SetLiveControl(TMControl* control) {
  if (control != nullptr && ValidPage(control->bPage))
    PageActive[control->bPage] = control->nArrayPos;
  return 0;
}

TMControl* TOrreryControl::GetFirstControl(int page) {
  return ValidPage(page) ? Control(PageStart[page]) : nullptr;
}

int TOrreryControl::InitStatus(int red, int green, int blue) {
  StatusRed = red;
  StatusGreen = green;
  StatusBlue = blue;
  GotStatus = 1;
  return 0;
}

int TOrreryControl::MCustomInit(TMControl* control) { return 0; }

int TOrreryControl::DebugControlList() {
  for (int i = 0; i <= ControlCount; ++i) {
    const TMControl* c = Control(i);
    if (c == nullptr) continue;
    Print("Page=" + std::to_string(c->bPage) + "  Control=" + std::to_string(i) +
          "  Type=" + std::to_string(c->nType) + "  " + c->strText);
  }
  return 0;
}

int TOrreryControl::CurrentGraphicsWidth() { return WindowWidth(GraphicsWindow()); }

int TOrreryControl::CurrentGraphicsHeight() { return WindowHeight(GraphicsWindow()); }

TMControl* TOrreryControl::Control(int index) const {
  if (index < 0 || index > ControlCount || index >= static_cast<int>(PageData.size()))
    return nullptr;
  return PageData[static_cast<size_t>(index)].get();
}
