// Internal to the platform layer: how the event queue, the SDL translation and the
// timers meet. Nothing outside src/platform/ includes this.
#pragma once
#include "platform/events.h"

// events.cpp
bool OnEventThread();
void SetEventThread();            // the calling thread becomes the event thread
void EmitPostedEvents();          // event thread: emit what other threads posted
void NotifyEventWaiters();        // any thread: wakes a wait that has no SDL to block on

// sdlevents.cpp
bool EnsureSdlCore();             // event thread: SDL's event and timer subsystems, once
void ReleaseSdlCore();            // after SDL_Quit
bool SdlCoreReady();
void PumpPlatformEvents();        // event thread: translate every pending SDL event
// Event thread: block until one SDL event arrived (and translate it) or millis passed
// (-1: no limit). False when SDL is not there to block on.
bool WaitPlatformEvent(int millis);
void WakePlatformWait();          // any thread

// menubar.cpp
// Event thread: true when the open menu bar takes this key, character, mouse or wheel
// event (the application never sees it); also told of suspends. Sees every such event
// the translation makes, before the polled input state learns of it.
bool MenuBarTakes(const TEvent& event);

// timers.cpp
// Called when a TimerTick leaves the queue: false drops it (its timer was stopped);
// a tick of a live timer gets its tick count in `data`.
bool AcceptTimerTick(TEvent& event);
void TimerTickDropped(const TEvent& event);  // a tick purged or flushed unseen
void StopAllTimers();
