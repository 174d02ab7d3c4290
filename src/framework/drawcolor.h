// The current draw colour of the 2D layer as the colour functions read and set it:
// three integer channels used by every later primitive (the draw alpha is separate).
#pragma once

void SetDrawColor(int r, int g, int b);
void GetDrawColor(int& r, int& g, int& b);
