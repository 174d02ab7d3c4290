// The draw colour of the colour functions is the 2D module's own.
#include "framework/drawcolor.h"

#include "platform/draw2d.h"

void SetDrawColor(int r, int g, int b) { SetColor(r, g, b); }

void GetDrawColor(int& r, int& g, int& b) { GetColor(r, g, b); }
