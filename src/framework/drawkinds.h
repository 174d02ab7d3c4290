// The renderers of the draw-type table: each draws one control of its kind with the
// arguments of drawtypes.h (TDrawTypeRenderer) and stores any image slot it resolves in
// the control's nImage.
#pragma once
#include <string>

class TMUIDraw2;
class TMControl;

// The text form of a kind: MText of the control's box with its text style and alignment.
void TextForm(const TMControl& c, const std::string& text);

// Captions, buttons, pictures, backgrounds and tabs (drawkinds.cpp).
int DrawCaptionKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawPushButtonKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawPictureKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawImageButtonKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawCheckButtonKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawBackgroundKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawSubPageTabKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawMainPageTabKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawVersionKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawClockKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawDateKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawDayKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawPageTitleKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawImageStripKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);

// Knobs, faders, meters and sliders (valuekinds.cpp).
int DrawLevelMeterKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawImageFaderKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawKnobKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawPictureValueKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawArrowSliderKind(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
