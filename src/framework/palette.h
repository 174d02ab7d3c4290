// The drawing toolkit's palette colours: background shades, highlight colours and the
// scratch colour AppCol. They hold their start values from program start.
#pragma once
#include "framework/color.h"

extern TMColor AppBGCol;   // background shade 0
extern TMColor AppBGCol1;  // background shade 1
extern TMColor AppBGCol2;  // background shade 2
extern TMColor AppBGCol3;  // background shade 3
extern TMColor AppBGCol4;  // background shade 4
extern TMColor AppHL;      // highlight of hovered, pressed and selected controls
extern TMColor AppHL2;     // second, lighter highlight
extern TMColor AppCol;     // scratch colour filled by the colour codes and the buttons
