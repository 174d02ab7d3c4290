// The draw-type table of the control renderer: one entry for each of the framework's own
// control kinds (draw types 0 to 72), each a function that draws a control of that kind.
// A kind without a function, and any value outside the table, draws nothing.
#pragma once

class TMUIDraw2;
class TMControl;

constexpr int kFrameworkDrawTypes = 73;  // draw types 0 to 72

// Draws control as the given draw type; live and over as DrawControl derives them.
// Stores any image slot it resolves in the control's nImage. Returns 0.
using TDrawTypeRenderer = int (*)(TMUIDraw2& app, TMControl& control, int drawType, int live,
                                  int over);

// The function of a draw type; null for a value the table does not list.
TDrawTypeRenderer DrawTypeRenderer(int drawType);
