// The push-button painter MButton (sixteen looks chosen by the style word, then the
// hover mark) and MCheckButton, the check box that hands every other style to MButton.
// Neither keeps state; both return the image slot for the caller to store back.
#pragma once
#include <string>

// Style-word bits MButton reads besides the style number and the colour code.
constexpr int kStyleHalfAlpha = 0x40;
constexpr int kStyleRendererFlag = 0x100;
constexpr int kStyleFrameStrip = 0x200;
constexpr int kStyleColorWhenSelected = 0x400;
// Alignment bits that join a segmented key to its neighbours.
constexpr int kAlignJoinLeft = 0x400;
constexpr int kAlignJoinRight = 0x800;

int MButton(int x, int y, int w, int h, int indent, int style, int align, int image, int textStyle,
            const std::string& text, int selected, int over, int live, int frame);
int MCheckButton(int x, int y, int w, int h, int indent, int style, int align, int image,
                 int textStyle, const std::string& text, int selected, int over, int live,
                 int frame);
