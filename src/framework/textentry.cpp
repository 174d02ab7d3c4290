// The one-line text entry field with its block cursor, and the command line with its
// prompt and cursor.
#include <algorithm>
#include <string>

#include "framework/captions.h"
#include "framework/imagecontrols.h"
#include "framework/muidraw2.h"
#include "framework/shapes.h"
#include "framework/statedrawtypes.h"
#include "platform/draw2d.h"
#include "platform/utf8.h"

namespace {
constexpr float kRestAlpha = 0.25f;
}  // namespace

int DrawTextEntry(TMUIDraw2& app, TMControl& c, int, int, int) {
  int x = c.nX, y = c.nY, w = c.nWidth, h = c.nHeight;
  const bool editing = app.EditControl != 0;
  SetAlpha(kRestAlpha);
  if (editing) {
    x -= 2;
    y -= 2;
    w += 4;
    h += 4;
    SetViewport(x, y, w, h);
    SetAlpha(1.0f);
  }
  SetColor(0, 0, 0);
  DrawRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
           static_cast<float>(h));
  SetAlpha(1.0f);
  MFrame3d(x, y, w, h, 1);

  const std::string& text = c.strText;
  // EditPos counts characters; pos is the byte where that character starts.
  size_t pos = 0;
  for (int n = 0; n < app.EditPos && pos < text.size(); ++n) NextUtf8(text, pos);
  const int cx = x + 3 + TextWidth(text.substr(0, pos));
  if (editing) {
    int cw = 0;
    if (pos == text.size()) {
      SetColor(155, 255, 55);
      cw = TextWidth("W");
    } else {
      SetColor(15, 155, 15);
      size_t next = pos;
      NextUtf8(text, next);  // the whole character after the cursor
      cw = TextWidth(text.substr(pos, next - pos));
    }
    DrawRect(static_cast<float>(cx), static_cast<float>(y + 2), static_cast<float>(cw),
             static_cast<float>(h - 5));
  }
  MText(x + 3, y + 1, w, h, c.bTextStyle, c.bAlign, text);
  return 0;
}

int DrawCommandLine(TMUIDraw2& app, TMControl& c, int, int live, int) {
  SetAlpha(1.0f);
  const std::string text = app.strCursorPreText + " " + app.strCursorText;
  MText(c.nX + 8, c.nY, c.nWidth, c.nHeight, c.bTextStyle, c.bAlign, text);
  const int cx = c.nX + 8 + TextWidth(text);
  if (app.PageOverlay != 0) {
    if (app.nCursorOn != 0)
      SetColor(155, 255, 55);
    else
      SetColor(15, 105, 15);
    DrawRect(static_cast<float>(cx), static_cast<float>(c.nY + 5),
             static_cast<float>(c.nHeight - 20), static_cast<float>(c.nHeight - 10));
  } else {
    MCheckOver(c.nX, c.nY, c.nWidth, c.nHeight, live);
  }
  return 0;
}
