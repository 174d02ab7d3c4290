// The current draw colour as the colour functions read and set it: the 2D module's
// colour, used by every later primitive (the draw alpha is separate).
#pragma once

// Values outside 0-255 are kept as set (the 2D module clamps them only when drawing).
void SetDrawColor(int r, int g, int b);
void GetDrawColor(int& r, int& g, int& b);
