// TOrreryControl, the lowest layer of the application object: the flat array of all
// controls of all pages, the page table that cuts it into one run per page, the main- and
// sub-page navigation table, the group stack of the declaration, the grid layout, the
// group show/hide operations and the hit test. The window layer derives from it.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "framework/control.h"

constexpr int kPageCount = 100;       // pages 0 to 99
constexpr int kPageLayerCount = 101;  // the layer table has one entry more than the pages
constexpr int kMainPageCount = 14;
constexpr int kSubPageCount = 14;
constexpr int kGroupDepth = 20;      // groups nest at most this deep
constexpr int kControlGrowth = 100;  // slots added when the control array is full
constexpr float kStatusBarHeight = 18.0f;

class TOrreryControl {
 public:
  TOrreryControl();
  virtual ~TOrreryControl() = default;
  TOrreryControl(const TOrreryControl&) = delete;
  TOrreryControl& operator=(const TOrreryControl&) = delete;

  int MaxPages = kPageCount - 1;
  int MaxControls = 100;
  int gCurrentGroup = 1;
  std::array<int, kGroupDepth> gGroupStatus{};
  int gGroupCount = -1;
  int ControlCount = -1;
  int CurrentControl = -1;
  int CurrentPage = 0;
  int CurrentMainPage = -1;
  std::array<int, kMainPageCount> CurrentSubPage{};
  std::array<std::array<int, kSubPageCount>, kMainPageCount> SubPageArray{};
  std::array<std::string, kMainPageCount> strMainPage;
  std::array<std::string, kMainPageCount> strMainPageHelp;
  std::array<int, kMainPageCount> nMainPageKey{};
  std::array<std::array<std::string, kSubPageCount>, kMainPageCount> strSubPage;
  std::array<std::array<std::string, kSubPageCount>, kMainPageCount> strSubPageHelp;
  std::array<std::array<int, kSubPageCount>, kMainPageCount> nSubPageKey{};
  std::array<int, kPageCount> PageStart{};
  std::array<int, kPageCount> PageEnd{};
  std::array<int, kPageCount> PageActive{};
  // Index = control index; its size is the array's length. Empty slots hold null.
  std::vector<std::unique_ptr<TMControl>> PageData;
  std::array<int, kPageLayerCount> PageLayer{};
  int StatusRed = 0;
  int StatusGreen = 0;
  int StatusBlue = 0;
  int GotStatus = 0;
  int GotTips = 0;
  int AppGridX = 56;
  int AppGridY = 40;

  // Declaration (orrerycontrol.cpp, addcontrol.cpp).
  virtual int Init();
  virtual int ShutDown();
  virtual int AddMainPage(int main, const std::string& name, const std::string& help, int key);
  virtual int AddSubPage(int main, int sub, const std::string& name, const std::string& help,
                         int key);
  virtual int NewSubPage(int page, int main, int sub);
  virtual int AddPage(int page);
  virtual int SetLiveControl(TMControl* control);
  virtual TMControl* GetFirstControl(int page);
  virtual int InitStatus(int red, int green, int blue);
  virtual int MCustomInit(TMControl* control);
  virtual int DebugControlList();
  // Layout and groups (layout.cpp).
  virtual int ResetControlPositions(int width, int height, int statusHeight);
  virtual int SwapControlPositions(int a, int b);
  virtual int ShowGroup(int group, int value);
  virtual int HideGroup(int group);
  // Declares one control on the current page (addcontrol.cpp).
  virtual int AddControl(int drawType, int type, int style, int align, int id, int xGrid,
                         float xPos, float xCount, int yGrid, float yPos, float yCount, int indent,
                         int selected, int enabled, int shown, int live, int textStyle,
                         const std::string& text, const std::string& tipText, int min, int max,
                         int pos, int thumbX, int thumbY, const std::string& text2);
  // Hit test (hittest.cpp).
  virtual int CheckControl(int x, int y, int index);
  virtual int GetControl(int page, int x, int y);
  virtual int FindControl(int page, int id);

  // The size of the current graphics, which ResetControlPositions(-1, -1, 0) lays out
  // on: here the client area of the window whose canvas is current, 0 when none.
  virtual int CurrentGraphicsWidth();
  virtual int CurrentGraphicsHeight();

  // The control at index, null when index lies outside 0 to ControlCount.
  TMControl* Control(int index) const;
  // 1 when the control's bShown is positive and shares a bit with its page's layer mask.
  int ControlVisible(const TMControl& control) const;
  static bool ValidPage(int page) { return page >= 0 && page < kPageCount; }
  static bool ValidMainPage(int main) { return main >= 0 && main < kMainPageCount; }
  static bool ValidSubPage(int sub) { return sub >= 0 && sub < kSubPageCount; }

 private:
  // Group begins refused because kGroupDepth groups were open; their ends are absorbed.
  int refusedGroups_ = 0;
};

// The function-key number of main page id (id + 1) as decimal text, computed wide so
// the largest id has one too.
std::string TabNumber(int id);
