// Start and end of the platform layer: SDL's video, events, timers, joysticks and
// game controllers. Both may be called more than once.
#pragma once

// The calling thread becomes the event thread, and a write past the file-size limit
// fails instead of ending the process. Returns 1 when a display is there; 0 without
// one, when events, timers and joysticks still work but no window opens.
int PlatformInit();
// Stops the timers, frees the windows, drops waiting events and closes SDL's
// subsystems, all but the display connection, which ends with the process.
void PlatformShutdown();
