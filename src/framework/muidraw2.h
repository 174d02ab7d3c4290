// TMUIDraw2, the window layer of the application object: the window with its menus, the
// main canvas and the OpenGL view's canvas, the layout grid and its grid lines, the
// status bar, page switching, the page redraw and the drawing hooks an application
// overrides. It derives from the control manager; the application base derives from it.
//
// The application base declares AppMouseDown, AppPersistantCtrls, App_Document, AppFont,
// AppFullScreen and AppActive again. Those are different fields: every operation of this
// class reads and writes its own (TMUIDraw2::AppActive and so on), and a class derived
// from the application base reaches these only by naming TMUIDraw2:: explicitly.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/canvas.h"
#include "framework/orrerycontrol.h"
#include "platform/window.h"

class TImage;
class TMFavorite;
class TMFolder;

// Window style bits the layer passes to the platform (title bar, resizable, client-area
// coordinates, accepts dropped files, and 1024, which the platform ignores).
constexpr int kDefaultAppFlags = 0x4A3;
constexpr int kFolderSlots = 10;
constexpr int kDefaultGridX = 60;
constexpr int kDefaultGridY = 40;
// Window menu item ids; other ids reach the application's menu hook.
constexpr int kMenuMinimize = 1000;
constexpr int kMenuMaximize = 1001;
constexpr int kMenuRestoreDefault = 1002;
constexpr int kMenuFullScreen = 1003;
constexpr int kMenuQuit = 1004;  // ends the event loop as closing the window does
constexpr int kMenuHelp = 1020;
// Status-bar heights chosen by the window size.
constexpr int kStatusHeightSmall = 18;
constexpr int kStatusHeightMedium = 20;
constexpr int kStatusHeightLarge = 24;
// Below this width or height (pixels) a page is not drawn at all.
constexpr int kMinDrawSide = 30;

class TMUIDraw2 : public TOrreryControl {
 public:
  TMUIDraw2();
  ~TMUIDraw2() override;

  int AppMouseIn = 0;
  int AppMouseDown = 0;  // the window layer's own; see the note at the top
  int AppMouseX = 0;
  int AppMouseY = 0;
  int AppMouseDownX = 0;
  int AppMouseDownY = 0;
  int AppPersistantCtrls = 0;  // the window layer's own
  int AppStarted = 0;
  int AppRedrawingUI = 1;  // 1 while a page is drawn, and until the event loop starts
  std::string AppFont = "lucidagrande.ttc";  // the window layer's own; not read here
  int AppXPos = 0;
  int AppYPos = 0;
  int AppWidth = 0;
  int AppHeight = 0;
  int AppGraphicHeight = 0;  // page area above the status bar
  int AppDefaultWidth = -1;
  int AppDefaultHeight = -1;
  int AppShowStatus = 1;
  int AppStatusHeight = 0;
  std::string AppStatusTxt = "System Ready";
  std::string AppTipTxt;  // replaces the status text when not empty
  int AppFullScreen = 0;  // the window layer's own: the window fills the desktop
  int AppFullScreenPending = 0;
  int AppMinWidth = 0;
  int AppMinHeight = 0;
  int AppMaxWidth = 0;  // stored only
  int AppMaxHeight = 0;
  std::string App_Title = "UnknownProgram";
  std::string App_Name = "UnknownProgram";
  std::string App_Version = "Version 1.0";
  std::string App_Document;      // the window layer's own
  TWindow* AppWindow = nullptr;  // owned: freed when replaced and with the object
  std::unique_ptr<TCanvas> AppCanvas;
  int AppResize = 0;
  int AppFlags = kDefaultAppFlags;
  // The window layer's own: 1 from construction, following the application's suspend
  // and resume; the status bar reads it.
  int AppActive = 1;
  int PageOverlay = 0;
  int PageOverlayCall = -1;
  int PageOverlayMain = -1;
  int PageOverlaySub = -1;
  int GridShow = 0;
  int GridX = kDefaultGridX;
  int GridY = kDefaultGridY;
  float GridXStep = 0.0f;
  float GridYStep = 0.0f;
  int UIUpdate = 0;
  // The OpenGL view's canvas: a region of the main window, made by the renderer.
  std::unique_ptr<TCanvas> AppGlCanvas;
  int AppGLDraw = -1;   // index of the OpenGL view control met in this redraw
  int GfxHandle = 0;    // trackpad handler of the main canvas, 0 = none
  int GLGfxHandle = 0;  // trackpad handler of the OpenGL canvas, 0 = none
  std::string strMainSubTitle;
  int PreviousPage = -1;
  std::shared_ptr<TMFavorite> Favorite;
  std::array<std::shared_ptr<TMFolder>, kFolderSlots> Folder;
  int CurrentFolder = 0;
  int MouseDownX = 0;
  int MouseDownY = 0;
  std::shared_ptr<TImage> IconImage;
  std::string IconImageFile;
  // The picture that did not decode, and its size and time then: not tried again
  // until the file changes.
  std::string IconFailedFile;
  int64_t IconFailedSize = 0;
  int64_t IconFailedTime = 0;
  int EditControl = 0;
  int EditPos = 0;
  int nCursorOn = 1;
  std::string strCursorText;
  std::string strCursorPreText = "Command:";
  int CurrentMoveCtrl = -1;
  // Image-cache slot of the status bar's info icon: -1 not looked up yet, -2 not found
  // (never looked for again).
  int StatusInfoImage = -1;

  // Hooks for the application; each does nothing and returns 0 here.
  virtual int MGLResize(TMControl* control);
  virtual int MGLDraw(TMControl* control);
  virtual int MPreDraw(TMControl* control);
  virtual int MCustomDraw(TMControl* control, int live);
  virtual int MPageInit(int page);
  virtual int MResize();
  virtual int MPageRedraw(int page);

  // Setters (muidraw2.cpp).
  virtual int DontShowCtrlHighlight();
  virtual int SetWindowPos(int x, int y);
  virtual int SetBG(int red, int green, int blue);
  // Window, canvas and menus (window.cpp).
  virtual int SetGraphicsResize(int width, int height, int minWidth, int minHeight, int maxWidth,
                                int maxHeight);
  virtual int SetGrid(int x, int y);
  virtual int SetShowGrid(int on);
  virtual int SetShowStatus(int on);
  // Page switching (pages.cpp); none of them redraws.
  virtual int SetPageOverlay(int on, int page);
  virtual int SetMultiMainSubPage(int sub);
  virtual int SetSubPage(int sub);
  virtual int SetMainPage(int main);
  virtual int SetMainSubPage(int main, int sub);
  virtual int SetPage(int page);
  // The OpenGL view's canvas and the trackpad handlers (window.cpp).
  virtual int DestroyGL();
  virtual int ResetGLWindow();
  virtual int ResetGlGesture();
  // Redraw (redraw.cpp, statusbar.cpp).
  virtual int RedrawUI(int sync);
  virtual int RedrawPage(int page, int sync);
  virtual int RedrawGL(int sync);
  virtual int RedrawStatus(int flag);
  virtual int InitTrackpad();
  virtual int ResetGraphics();
  // The application loads its fonts for a size step of 1 to 5; nothing here.
  virtual int FontInit(int step);
  // The value-showing companions of DrawControl (knobs.cpp). A range with max equal to
  // min places the value at its zero point.
  virtual float GetDistance(float x1, float y1, float z1, float x2, float y2, float z2);
  virtual int DrawImageFader(int x, int y, int w, int h, int slot, int min, int max, int pos);
  virtual int DrawImageFaderCol(int x, int y, int w, int h, int slot, int min, int max, int pos);
  // Returns the image slot of the knob's strip.
  virtual int DrawKnob(int x, int y, int w, int h, int slot, const std::string& name, int align,
                       int size, int min, int max, int pos);
  // Draws one control of the current page (drawcontrol.cpp).
  virtual int DrawControl(TMControl* control, int drawType);
  // Empty here as well; the application may override it.
  int MCustomInit(TMControl* control) override;
  // The file browser's panes (filebrowser.cpp): the models exist, the places pane and one
  // of its rows (returns the next row's y), the file list pane.
  virtual int SetupFolders();
  virtual int MFileFavorites(TMControl* control);
  virtual int DrawFavorite(int code, const std::string& name, int x, int y, int width,
                           int selected);
  virtual int MFileBrowse(TMControl* control);
  // The folder of the slot in use; null when the slot is empty or out of range.
  TMFolder* CurrentFolderModel();

  // The main canvas's size, which the layout of ResetControlPositions(-1, -1, 0) and
  // ResetGraphics measure; 0 without a canvas.
  int CurrentGraphicsWidth() override;
  int CurrentGraphicsHeight() override;
  // The desktop's size that ResetGraphics compares the window with.
  virtual int CurrentDesktopWidth();
  virtual int CurrentDesktopHeight();
  // The part of the desktop the window is fitted into.
  virtual TDesktopArea CurrentUsableArea();

  // The text the status bar shows now.
  std::string StatusText() const;

 protected:
  // Makes a new main canvas for the window and keeps its trackpad handler attached.
  void MakeMainCanvas();
  void BuildMenus();
  // Sets the clip rectangle and the area the OpenGL view draws in back to the page area.
  void RestoreMainViewport();
  // AppXPos, AppYPos, AppWidth and AppHeight set to this place and size, raised to the
  // minimum and fitted, with the minimum, inside the part of the desktop left for windows.
  void PlaceWindow(int x, int y, int width, int height);
};
