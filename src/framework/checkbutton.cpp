// MCheckButton: the check box of style word 0, a square at the right end of the box
// with the caption before it; every other style word is a push button.
#include "framework/buttons.h"
#include "framework/captions.h"
#include "framework/imagecontrols.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"

int MCheckButton(int x, int y, int w, int h, int indent, int style, int align, int image,
                 int textStyle, const std::string& text, int selected, int over, int live,
                 int frame) {
  if (style != 0)
    return MButton(x, y, w, h, indent, style, align, image, textStyle, text, selected, over, live,
                   frame);
  SetColor(255, 255, 255);
  MFrame(x + w - h, y, h, h);
  if (selected != 0) DrawRect(x + w - h + 3, y + 3, h - 6, h - 6);
  MText(x, y, w - h, h, textStyle, align, text);
  MCheckOver(x, y, w, h, live);
  return image;
}
