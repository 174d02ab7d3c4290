// TCanvas, a drawing area of a window. The main canvas fills the window's client area;
// the OpenGL view's canvas is a rectangle of the same window that is drawn with its own
// viewport. A canvas whose edges are bound keeps its distance to every edge of the
// window while the window changes size.
#pragma once

class TWindow;

class TCanvas {
 public:
  // A canvas at (x, y) of the window's client area; its edges are not bound yet.
  TCanvas(TWindow* window, int x, int y, int width, int height);
  // Detaches the trackpad handlers still attached to it.
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TWindow* Window() const { return window_; }
  // Ties the four edges to the window's edges at their present distances.
  void BindEdges();
  bool EdgesBound() const { return bound_; }

  // The rectangle in client-area pixels, following the window when the edges are bound.
  int X() const { return x_; }
  int Y() const { return y_; }
  int Width() const;
  int Height() const;

  void SetShown(bool shown) { shown_ = shown; }
  bool Shown() const { return shown_; }

  // Makes the window's drawing context current; a canvas smaller than its window gets a
  // canvas of its own there, with (0, 0) at its top left.
  void MakeCurrent() const;
  // Raises the window and gives it the keyboard focus.
  void Focus() const;

 private:
  TWindow* window_;
  int x_;
  int y_;
  int width_;
  int height_;
  bool bound_ = false;
  int rightMargin_ = 0;   // distance of the right edge to the window's, once bound
  int bottomMargin_ = 0;  // likewise for the bottom edge
  bool shown_ = true;
};
