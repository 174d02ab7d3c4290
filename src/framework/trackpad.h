// The trackpad bridge. The platform turns multi-finger gestures and precise wheel
// deltas into the gesture events (begin, magnify, swipe or scroll, rotate); a handler
// attached to a canvas is what lets them through to the event loop. Handles are small
// positive integers, 0 meaning none; all of it runs on the event thread.
#pragma once

#include "platform/events.h"

class TCanvas;

// Attaches a new handler to the canvas and returns its handle; 0 for no canvas.
int CreateTrackpadHandler(TCanvas* canvas);
// Detaches and forgets the handler; 0, an unknown or an already destroyed handle is nothing.
void DestroyTrackpadHandler(int handle);
// The canvas goes away: its handlers stay known by their handles but no longer attached.
void DetachTrackpadHandlers(const TCanvas* canvas);

// 1 while the handler is attached to a canvas, else 0.
int TrackpadHandlerAttached(int handle);
// The number of attached handlers.
int AttachedTrackpadHandlers();

bool IsTrackpadEvent(int id);
// False for a gesture event while no handler is attached; the event loop drops those.
// Every other event is wanted.
bool TrackpadEventWanted(const TEvent& event);
