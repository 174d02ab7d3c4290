// TCanvas: a rectangle of a window's client area that may follow the window's size.
#include "framework/canvas.h"

#include <algorithm>

#include "framework/trackpad.h"
#include "platform/window.h"

TCanvas::TCanvas(TWindow* window, int x, int y, int width, int height)
    : window_(window), x_(x), y_(y), width_(std::max(width, 0)), height_(std::max(height, 0)) {}

TCanvas::~TCanvas() { DetachTrackpadHandlers(this); }

void TCanvas::BindEdges() {
  if (bound_) return;
  // Measured against the window as it is now; without a live window the size stays.
  rightMargin_ = WindowWidth(window_) - (x_ + width_);
  bottomMargin_ = WindowHeight(window_) - (y_ + height_);
  bound_ = true;
}

int TCanvas::Width() const {
  if (!bound_) return width_;
  return std::max(WindowWidth(window_) - x_ - rightMargin_, 0);
}

int TCanvas::Height() const {
  if (!bound_) return height_;
  return std::max(WindowHeight(window_) - y_ - bottomMargin_, 0);
}

void TCanvas::MakeCurrent() const {
  // A canvas short of the whole window (the OpenGL view's) draws as a canvas of its own:
  // its top left is (0, 0) and nothing lands outside it.
  if (x_ == 0 && y_ == 0 && Width() >= WindowWidth(window_) && Height() >= WindowHeight(window_))
    SetGraphicsWindow(window_);
  else
    SetGraphicsWindowArea(window_, x_, y_, Width(), Height());
}

void TCanvas::Focus() const { FocusWindow(window_); }
