// TPellam, the application base: the one event loop (ProgMain), the dispatchers that turn
// each platform event into calls of the overridable hooks, four timer slots, and the
// application's name, version and document titles. An application derives from it and
// overrides the hooks whose names begin with M; every hook here does nothing and returns 0.
//
// TPellam declares AppMouseDown, AppPersistantCtrls, App_Document, AppFont, AppFullScreen
// and AppActive again, hiding the window layer's fields of those names. They are separate
// fields: the loop, the dispatchers and the Window menu read and write TPellam's own; the
// window layer's operations (redraw, status bar, ResetGraphics) keep theirs. The loop also
// writes TMUIDraw2::AppActive on suspend and resume, so the status bar follows the
// application's active state.
#pragma once
#include <array>
#include <memory>
#include <string>

#include "framework/garbage.h"
#include "framework/muidraw2.h"
#include "platform/events.h"

class TTimer;

constexpr int kTimerSlots = 4;
constexpr int kKeyStates = 256;  // key codes 0 to 255 have a KeyState entry

// The user event id allocated with the description "CustomEvent"; the loop consumes such
// events without effect. 0 until InitPellamModule ran.
extern int EVENT_CUSTOMEVENT;
// Running total of the wheel steps of every MouseWheel event emitted so far (checkMouseZ).
extern int myMouseZ;
// Emit hook: adds a MouseWheel event's steps to myMouseZ as the event is queued, so the
// total the loop hands on already counts the wheel events still waiting behind it.
void checkMouseZ(const TEvent& event);

// Start-up of the application base's module, once, before the application object is made:
// allocates EVENT_CUSTOMEVENT, adds checkMouseZ to the emit hooks, and lets SIGINT and
// SIGTERM end the program through the loop like AppTerminate. Further calls do nothing.
void InitPellamModule();

class TPellam : public TMUIDraw2 {
 public:
  static constexpr int DoubleClickTime = 250;  // ms between two presses of a double click
  static constexpr int NO_TEAR = -1;

  TPellam();
  ~TPellam() override;

  std::unique_ptr<TGarbage> garbage;
  std::array<std::shared_ptr<TTimer>, kTimerSlots> Timer;
  std::array<int, kTimerSlots> TimerHertz{};  // 0 = never started, or stopped
  int AppQuit = 0;
  std::string AppFont = "lucidagrande.ttc";
  int AppMouseDown = 0;  // 1 while the primary button is held
  int AppPersistantCtrls = 0;  // moves with the button held go to the pressed control
  std::string App_Document;  // current document's file name without folder
  int PrevClickTime = 0;
  int ClickTime = 0;
  int CatchDoubleClick = 0;
  int CurrentWheelCtrl = 0;
  int CurrentWheelX = 0;
  int CurrentWheelY = 0;
  int SwipeTrip = 0;
  int MagTrip = 0;
  int UseTrackPadFile = 1;
  int controlKeyDown = 0;  // 2 or 0
  int shiftKeyDown = 0;    // 1 or 0
  int commandKeyDown = 0;  // 8 or 0
  int oldKeyDown = -1;
  int oldControlKeyDown = 0;
  int nOldMZ = 0;
  int nOldMX = 0;
  int nOldMY = 0;
  int PrevDownCtrl = -1;
  int CurrentDownCtrl = -1;
  int CurrentCursor = 0;
  int CurrentTipControl = -1;
  int ActivatePageButton = 0;  // F1-F10 and the digits switch pages
  int LastMainPage = -1;
  int KEY_MULTIPAGE = -1;
  int altKeyDown = 0;
  int AppFontSize = 0;
  int AppFullScreen = 0;  // set by the Window menu's commands
  int AppQueue = 0;
  int AppActive = 1;  // 0 between AppSuspend and AppResume
  std::array<int, kKeyStates> AppKeys{};
  std::array<int, kKeyStates> KeyState{};  // 1 while the key is down
  // The event the loop is dispatching; EventTimer reads its source.
  TEvent CurrentEvent;

  // Overrides of inherited slots.
  int Init() override;  // clears AppKeys only; does not call the control manager's Init
  int MGLDraw(TMControl* control) override;
  int MPreDraw(TMControl* control) override;
  int MCustomDraw(TMControl* control, int live) override;
  int MResize() override;

  // Hooks for the application (pellamhooks.cpp). Positions relative to the control
  // where a control is passed, else window pixels; flags are control (2 or 0), command
  // (8 or 0), shift (1 or 0).
  virtual int MMouseClicked(int x, int y, int ctrl, int cmd, int shift, TMControl* control);
  virtual int MMouseDragClicked(int x, int y, int ctrl, int cmd, int shift, TMControl* control);
  virtual int MMouseDown(int x, int y, int ctrl, int cmd, int shift, TMControl* control);
  virtual int MEditChanged(TMControl* control);
  virtual int MMouseUp(int x, int y, int ctrl, int cmd, int shift, TMControl* control);
  // A non-zero result ends the press there.
  virtual int MDoubleClick(int x, int y, int ctrl, int cmd, int shift, TMControl* control);
  virtual int MMouseMove(int x, int y, int ctrl, int cmd, int shift, int button,
                         TMControl* control);
  virtual int MMouseCursor(int x, int y, int ctrl, int cmd, int shift, int button,
                           TMControl* control);
  // direction: 1 up, 0 down, 2 no change; total: the wheel total.
  virtual int MMouseWheel(int direction, int x, int y, int total, TMControl* control);
  virtual int MKeyUp(int x, int y, int key, int ctrl, int cmd, int shift, TMControl* control);
  virtual int MKeyPlusMinus(int x, int y, int ctrl, int cmd, int shift, int zero,
                            TMControl* control);
  virtual int MKeyDown(int x, int y, int key, int ctrl, int cmd, int shift, int repeat,
                       TMControl* control);
  virtual int MReturnDown(int a, int b, int c, int d, int e, TMControl* control);
  virtual int MMenu(int eventId, int itemId, void* source);
  virtual int MSongTimer();
  virtual int MStopSongTimer();
  virtual int MTimer(int slot);
  virtual int MFullSwipe(int delta, TMControl* control);
  virtual int MSwipe(int code, int delta, TMControl* control);
  virtual int MRotate(int code, TMControl* control);
  virtual int MMagnify(int code, int ctrl, int cmd, int shift, TMControl* control);
  virtual int MTrueMagnify(float amount, TMControl* control);
  virtual int MGestureStart(TMControl* control);
  virtual int MTransport();
  virtual int MFullScreen();
  virtual int CustomInit(TMControl* control);

  // Gesture dispatchers (gestures.cpp) and the menu commands (menucommands.cpp).
  virtual int EventRotate(int x, int y, float angle);
  virtual int EventGestureStart(int x, int y);
  virtual int EventMagnify(int x, int y, int ctrl, int cmd, int shift, float amount);
  virtual int EventSwipe(int x, int y, int deltaX, int deltaY);
  virtual int EventMenu(int eventId, int itemId, void* source);
  // Key dispatchers (keydispatch.cpp).
  virtual int EventKeyDown(int x, int y, int key, int ctrl, int cmd, int shift, int repeat);
  virtual int EventKeyUp(int x, int y, int key, int ctrl, int cmd, int shift);
  virtual int EventKeyPlusMinus(int x, int y, int ctrl, int cmd, int shift, int zero);
  // Mouse dispatchers (mousedispatch.cpp). EventReturnPressed cancels the pending press
  // and returns 0; an override returning non-zero stops the press or Return key handling.
  virtual int EventReturnPressed(int x, int y, TMControl* control, int ctrl, int cmd, int shift,
                                 int flag);
  virtual int EventMouseMove(int x, int y, int ctrl, int cmd, int shift, int button);
  virtual int EventMouseDoubleClick(int x, int y, int ctrl, int cmd, int shift,
                                    TMControl* control);
  virtual int EventMouseUp(int x, int y, int ctrl, int cmd, int shift);
  virtual int EventMouseDown(int x, int y, int ctrl, int cmd, int shift);
  virtual int EventMouseWheel(int x, int y, int total, int ctrl, int cmd, int shift);
  // Titles and timers (pellam.cpp).
  virtual int SetVersion(const std::string& text);
  virtual int SetDocumentTitle(const std::string& path);
  virtual int SetTitle(const std::string& name);
  virtual int GetTimer(int slot);  // the slot's rate; -1 for a slot outside 0..3
  virtual int SetTimer(int slot, int hertz);
  virtual int EndTimer(int slot);
  virtual int EventTimer();
  // The event loop (progmain.cpp): runs until AppTerminate, WindowClose or the Quit menu
  // item, returns 0.
  virtual int ProgMain();

 protected:
  // The loop's one wait for the next event: WaitEvent. A test may script the events.
  virtual TEvent NextEvent();
  // TPellam's AppFullScreen = 1 when the window layer's last measured size is the desktop's.
  void RecomputeFullScreen();

 private:
  void DispatchEvent(const TEvent& event, int& x, int& y);
  void DispatchMouseMove(const TEvent& event, int& x, int& y);
  void StoreFlags(int mods);
  // TPellam's AppTitle text from App_Title and the document.
  void ComposeAppTitle();
  int ToggleFullScreenCommand();
  // Set by the Quit menu item: the loop ends after this event as after WindowClose.
  bool quitRequested_ = false;
};
