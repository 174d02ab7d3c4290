// The drawing toolkit's state: the master alpha, the gradient pair that the gradient
// shapes read, the page background, the highlight and flash state, the caption fonts,
// the file-icon slots and the per-effect decoration tables, with their setters.
// Everything is constant-initialised, so it holds its start value from program start.
#pragma once
#include <array>
#include <memory>
#include <string>

class TImageFont;
class TMColor;

constexpr int kEffectCount = 8;  // entries of each FX table

extern std::shared_ptr<TImageFont> ImageFont;   // normal caption font; null: the default
extern std::shared_ptr<TImageFont> ImageFont2;  // large caption font; null: the default
extern int AppFontSize;                         // kept for applications; unused here

extern float g_fAlpha;  // master alpha of the control being drawn, 1.0 at start

// Gradient colour 1 (top or left) and colour 2 (bottom or right), channels 0-255; the
// alphas are stored already multiplied by the master alpha. 255 each at start.
extern int g_bRed, g_bGreen, g_bBlue, g_bAlpha;
extern int g_bRed2, g_bGreen2, g_bBlue2, g_bAlpha2;

extern int AppBG;     // 1 once a page background colour is set
extern int AppBGRed;  // page background colour, 70 each at start
extern int AppBGGreen;
extern int AppBGBlue;

extern int AppFileImage;      // image slot of the small file-type icons, -1: none
extern int AppBigFileImage;   // image slot of the large file-type icons, -1: none
extern int AppMonoFileImage;  // kept for applications; unused here

extern int AppShowCtrlHighlight;  // the hover highlight frame is drawn, 1 at start
extern int AppControlFlash;       // control flash state, 0 at start
extern int AppFlashTime;          // kept for applications; unused here
extern int AppFlashX;             // centre of the control flash, -1 each at start
extern int AppFlashY;

// Per-effect decorations, one entry per effect.
extern std::array<int, kEffectCount> FXDecal;       // decal number; above 0 draws one
extern std::array<int, kEffectCount> FXDecalColor;  // colour number of the decal
extern std::array<int, kEffectCount> FXColor;       // colour number of the effect
extern std::array<std::string, kEffectCount> FXName;
extern std::array<int, kEffectCount> FXBase;  // frame bits of the pedal image

// Set the 2D module's draw alpha and the master alpha together.
int MSetAlpha(float alpha);
int MAlpha(float alpha);
// The gradient pair's alphas as given (0-255), truncated and not scaled by the master alpha.
int MSetAlpha2(float a1, float a2);
int MAlpha2(float a1, float a2);

// Gradient setters; every alpha is stored as Int(a * g_fAlpha).
int MSetCol(int r, int g, int b, int a);   // colour 1, as given
int MSetCol2(int r, int g, int b, int a);  // colour 2, as given
int MSetCols(int r, int g, int b, int a, int r2, int g2, int b2, int a2);
// Colour 1 from col, colour 2 the same 80 darker (floored at 0), both at alpha a.
int MSetColsCol(const TMColor& col, int a);
// Colour 1 as given; colour 2 shifted by mod and clamped to 0-255.
int MSetColsMod2(int r, int g, int b, int a, int r2, int g2, int b2, int a2, int mod);
// Every channel of both colours shifted by mod and clamped to 0-255; alphas kept.
int MModCols(int mod);
