// The control renderer's kinds that show application state: the main-page key tab (17),
// the transport bar (47), the text entry field (49), the command line (25) and the
// control that places the OpenGL view (48). Each has the draw-type table's signature.
#pragma once

class TMUIDraw2;
class TMControl;

// Transport states the bar shows; the application sets TransportCommand (3 at start).
enum {
  kTransportBackward = 1,
  kTransportForward,
  kTransportStop,
  kTransportPlay,
  kTransportRecord
};
extern int TransportCommand;
// 1 when the transport button of that number (1 to 5) shows lit for TransportCommand.
int TransportButtonLit(int number);

int DrawPageKeyTab(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawTransportBar(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawTextEntry(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawCommandLine(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawGLView(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
