// The drawing toolkit's state: the master alpha and its setters, the page background
// that SetBG sets and the page redraw reads, the control-highlight switch and the
// caption fonts. Everything holds its start value from program start.
#pragma once
#include <memory>

class TImageFont;

extern float g_fAlpha;  // master alpha of the control being drawn, 1.0 at start
extern int AppBG;       // 1 once a page background colour is set
extern int AppBGRed;    // page background colour, 70 each at start
extern int AppBGGreen;
extern int AppBGBlue;
extern int AppShowCtrlHighlight;  // hover highlight of the renderer, 1 at start
// The normal and the large caption font; null selects the text module's default font.
extern std::shared_ptr<TImageFont> ImageFont;
extern std::shared_ptr<TImageFont> ImageFont2;

// Set the 2D module's draw alpha and the master alpha together.
int MSetAlpha(float alpha);
int MAlpha(float alpha);
