// Helpers of the window-layer tests: a window layer whose client and desktop sizes a
// test sets (no display needed), which records its hooks' calls, and a way to read the
// lines it prints.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "framework/controltesting.h"
#include "framework/muidraw2.h"

class TestWindowLayer : public TMUIDraw2 {
 public:
  int clientWidth = 0;
  int clientHeight = 0;
  int desktopWidth = 0;
  int desktopHeight = 0;
  int panelHeight = 0;  // a panel along the desktop's top, which windows keep clear of
  std::vector<int> fontSteps;
  std::vector<int> pageInits;
  struct CustomDraw {
    int index;
    int live;
  };
  std::vector<CustomDraw> customDraws;
  std::vector<int> preDraws;
  std::vector<int> glDraws;
  // Runs inside MCustomDraw, to try what a hook may do during a redraw.
  std::function<void(TMControl&)> onCustomDraw;

  int CurrentGraphicsWidth() override { return clientWidth; }
  int CurrentGraphicsHeight() override { return clientHeight; }
  int CurrentDesktopWidth() override { return desktopWidth; }
  int CurrentDesktopHeight() override { return desktopHeight; }
  TDesktopArea CurrentUsableArea() override {
    return {0, panelHeight, desktopWidth, desktopHeight - panelHeight};
  }
  int FontInit(int step) override {
    fontSteps.push_back(step);
    return 0;
  }
  int MPageInit(int page) override {
    pageInits.push_back(page);
    return 0;
  }
  int MPreDraw(TMControl* control) override {
    preDraws.push_back(control->nArrayPos);
    return 0;
  }
  int MCustomDraw(TMControl* control, int live) override {
    customDraws.push_back({control->nArrayPos, live});
    if (onCustomDraw) onCustomDraw(*control);
    return 0;
  }
  int MGLDraw(TMControl* control) override {
    glDraws.push_back(control->nArrayPos);
    return 0;
  }

  // A client area of width x height, measured by ResetGraphics, the status bar as given.
  void Measure(int width, int height, int showStatus = 1) {
    clientWidth = width;
    clientHeight = height;
    AppShowStatus = showStatus;
    ResetGraphics();
  }
};

// Page 0 of a 640 x 480 window layer past the event loop's start, with the status bar
// coloured as the loop colours it, on a grid of 10-pixel cells.
struct DrawnPage : TestWindowLayer {
  DrawnPage() {
    Init();
    SetGrid(64, 48);
    AddPage(0);
    AppRedrawingUI = 0;
    StatusRed = StatusGreen = StatusBlue = 120;
    Measure(640, 480);
  }
  // Declares the control and lays the page out again.
  TMControl& Add(const Decl& d) {
    const int index = Declare(*this, d);
    ResetControlPositions(AppWidth, AppHeight, AppStatusHeight);
    return *PageData[index];
  }
};

// The lines printed while f runs.
template <typename F>
std::vector<std::string> PrintedBy(F&& f) {
  testing::internal::CaptureStdout();
  f();
  std::istringstream out(testing::internal::GetCapturedStdout());
  std::vector<std::string> lines;
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  return lines;
}
