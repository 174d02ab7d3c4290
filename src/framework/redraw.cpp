// TMUIDraw2's page redraw: clear, grid lines, every control of the page in index order,
// the status bar, the OpenGL view's region, then the frame is shown. Nothing is kept
// between frames; a request made while a redraw runs is dropped.
#include "framework/drawstate.h"
#include "framework/muidraw2.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"
#include "platform/window.h"

namespace {

constexpr int kGridLine[3] = {64, 0, 0};
constexpr int kGridLineFifth[3] = {144, 40, 40};

void SetGridColor(int i) {
  const int* c = i % 5 == 0 ? kGridLineFifth : kGridLine;
  SetColor(c[0], c[1], c[2]);
}

}  // namespace

int TMUIDraw2::RedrawUI(int sync) {
  if (AppRedrawingUI != 0) return 0;
  UIUpdate = 0;
  return RedrawPage(CurrentPage, sync);
}

int TMUIDraw2::RedrawPage(int page, int sync) {
  if (AppWidth < kMinDrawSide || AppHeight < kMinDrawSide) return 0;
  AppRedrawingUI = 1;
  AppGLDraw = -1;  // the renderer sets it again when it meets the OpenGL view

  if (AppCanvas) AppCanvas->MakeCurrent();
  SetViewport(0, 0, AppWidth, AppHeight);
  // An overlay page is drawn over the page below it.
  if (PageOverlay == 0) {
    if (AppBG != 0)
      SetClsColor(AppBGRed, AppBGGreen, AppBGBlue);
    else
      SetClsColor(0, 0, 0);
    Cls();
  }

  if (GridShow != 0) {
    SetAlpha(1.0f);
    for (int i = 1; i <= GridX; ++i) {
      const float x = static_cast<float>(i) * GridXStep;
      SetGridColor(i);
      DrawLine(x, 0.0f, x, static_cast<float>(AppGraphicHeight), 1);
    }
    for (int i = 1; i <= GridY; ++i) {
      const float y = static_cast<float>(i) * GridYStep;
      SetGridColor(i);
      DrawLine(0.0f, y, static_cast<float>(AppWidth), y, 1);
    }
  }

  if (ValidPage(page) && Control(PageStart[page]) != nullptr) {
    // By index each time: a hook may declare controls while the page is drawn.
    for (int i = PageStart[page]; i <= PageEnd[page]; ++i) {
      TMControl* c = Control(i);
      if (c != nullptr && c->nWidth > 0 && c->nHeight > 0) DrawControl(c, c->nDrawType);
    }
  }

  if (AppShowStatus != 0) RedrawStatus(0);
  // The OpenGL view is a region of this canvas: drawn before the frame is shown.
  RedrawGL(sync);
  Flip(sync);
  AppRedrawingUI = 0;
  return 0;
}

int TMUIDraw2::RedrawGL(int sync) {
  if (AppGLDraw < 0 || !AppGlCanvas) return 0;
  TMControl* view = Control(AppGLDraw);
  if (view == nullptr || view->bXPos > static_cast<float>(GridX)) return 0;

  AppGlCanvas->BindEdges();
  AppGlCanvas->MakeCurrent();
  // The view's own canvas: (0, 0) is its top left, the viewport its width and height.
  SetViewport(0, 0, AppGlCanvas->Width(), AppGlCanvas->Height());
  const TDrawState before = CurrentDrawState();
  glAlphaFunc(GL_GREATER, 0.0f);
  MGLDraw(view);
  // The alpha test belonged to the view's own context; the page's drawing keeps its own.
  glAlphaFunc(before.alphaFunc, before.alphaRef);
  if (before.alphaTest)
    glEnable(GL_ALPHA_TEST);
  else
    glDisable(GL_ALPHA_TEST);
  if (AppCanvas) AppCanvas->MakeCurrent();
  RestoreMainViewport();
  return 0;
}

void TMUIDraw2::RestoreMainViewport() { SetViewport(0, 0, AppWidth, AppGraphicHeight); }
