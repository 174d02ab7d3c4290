// TPellam: construction with its defaults, its overrides of the inherited slots, the
// application's name, version and document titles, and the four timer slots.
#include "framework/pellam.h"

#include "framework/appfunctions.h"
#include "framework/apptitle.h"
#include "platform/timers.h"

TPellam::TPellam() : garbage(std::make_unique<TGarbage>()) {}

// The timers go with their slots: a tick of a freed application reaches nobody.
TPellam::~TPellam() = default;

int TPellam::Init() {
  AppKeys.fill(0);
  return 0;
}

int TPellam::MGLDraw(TMControl* control) { return 0; }
int TPellam::MPreDraw(TMControl* control) { return 0; }
int TPellam::MCustomDraw(TMControl* control, int live) { return 0; }
int TPellam::MResize() { return 0; }

int TPellam::SetVersion(const std::string& text) {
  App_Version = text;
  return 0;
}

void TPellam::ComposeAppTitle() {
  AppTitle = App_Document.empty() ? App_Title
                                  : App_Title + ", Current song is '" + App_Document + "'";
}

// The window keeps the title it was created with; only a document title reaches it.
int TPellam::SetTitle(const std::string& name) {
  App_Name = name;
  App_Title = name + " " + App_Version;
  ComposeAppTitle();
  return 0;
}

int TPellam::SetDocumentTitle(const std::string& path) {
  const size_t slash = path.rfind('/');
  App_Document = slash == std::string::npos ? path : path.substr(slash + 1);
  ComposeAppTitle();
  SetAppTitle(AppTitle);
  return 0;
}

namespace {
bool ValidSlot(int slot) { return slot >= 0 && slot < kTimerSlots; }
}  // namespace

int TPellam::GetTimer(int slot) { return ValidSlot(slot) ? TimerHertz[slot] : -1; }

int TPellam::SetTimer(int slot, int hertz) {
  // A running timer is not restarted at an unchanged rate.
  if (!ValidSlot(slot) || hertz == TimerHertz[slot]) return 0;
  if (Timer[slot]) StopTimer(Timer[slot]);
  Timer[slot] = CreateTimer(static_cast<float>(hertz));
  TimerHertz[slot] = hertz;
  return 0;
}

// The stopped timer stays in its slot until the next SetTimer.
int TPellam::EndTimer(int slot) {
  if (!ValidSlot(slot)) return 0;
  TimerHertz[slot] = 0;
  if (Timer[slot]) StopTimer(Timer[slot]);
  return 0;
}

int TPellam::EventTimer() {
  for (int slot = 0; slot < kTimerSlots; ++slot) {
    // An empty slot matches nothing, not even a tick without a source.
    if (Timer[slot] && CurrentEvent.source == Timer[slot].get()) {
      MTimer(slot);
      break;
    }
  }
  return 0;
}
