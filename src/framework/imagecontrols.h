// Small painters the control renderers share: the image controls (a control's picture,
// icon or frame of an image strip, whose cache slot the caller keeps), the effect pedal,
// the hover mark drawn over a page's live control, and the square point test.
//
// Image slot as a control keeps it: -1 not looked up yet (the next draw looks up
// name + ".png"), -2 the lookup failed (nothing is drawn, never looked up again), 0 or
// more a slot of the image cache. Every image control returns the slot to store back.
#pragma once
#include <string>

constexpr int kImageNotLookedUp = -1;
constexpr int kImageLookupFailed = -2;
constexpr int kPedalFrameWidth = 180;

// iconMode 0: the whole image stretched into the box in white. Otherwise an icon of side
// h - 18 with a black shadow 2 pixels below it, left of centre unless small.
int MDrawImageControl(int x, int y, int w, int h, int image, const std::string& name, int iconMode,
                      int small);
// Draws only when the slot is 0 or more or there is a name to look up.
int MImage(int x, int y, int w, int h, int image, const std::string& name);
// Frame `frame` of a strip of frameWidth-wide frames at the image's full height, in white;
// the Col forms keep the caller's draw colour.
int MDrawImageControlFrame(int x, int y, int w, int h, int image, const std::string& name,
                           int frameWidth, int frame);
int MDrawImageControlFrameCol(int x, int y, int w, int h, int image, const std::string& name,
                              int frameWidth, int frame);
int MImageFrame(int x, int y, int w, int h, int image, const std::string& name, int frameWidth,
                int frame);
int MImageFrameCol(int x, int y, int w, int h, int image, const std::string& name, int frameWidth,
                   int frame);
// Rows from * height to to * height of the frame, stretched over the whole box, in white.
int MImageFramePart(int x, int y, int w, int h, int image, const std::string& name, int frameWidth,
                    int frame, float from, float to);

// An effect pedal from "pedal.png". colour2 -1: first and second are frames (decal > 0
// draws only frame decal + 6); otherwise they and decal index the effect tables, and an
// index outside them draws that piece not at all.
int MPedal(int x, int y, int w, int h, int over, int selected, int first, int second, int decal,
           int colour1, int colour2, const std::string& label);
// The hover mark over a box: clipped to it in the highlight colour, a flash or the
// triple highlight frame. over 0 only sets the draw alpha back to the master alpha.
int MCheckOver(int x, int y, int w, int h, int over);
// 1 when (px, py) lies strictly inside the square of half-side r about (cx, cy).
int MCheckCircHit(int cx, int cy, int r, int px, int py);
