// The drawing toolkit's globals with their start values, and the master-alpha setters.
#include "framework/drawstate.h"

#include "platform/draw2d.h"
#include "platform/imagefont.h"

float g_fAlpha = 1.0f;
int AppBG = 0;
int AppBGRed = 70;
int AppBGGreen = 70;
int AppBGBlue = 70;
int AppShowCtrlHighlight = 1;
std::shared_ptr<TImageFont> ImageFont;
std::shared_ptr<TImageFont> ImageFont2;

int MSetAlpha(float alpha) {
  SetAlpha(alpha);
  g_fAlpha = alpha;
  return 0;
}

int MAlpha(float alpha) { return MSetAlpha(alpha); }
