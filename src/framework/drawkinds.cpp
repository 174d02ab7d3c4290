// The draw-type table's kinds that are one toolkit call or a short sequence of them:
// captions and the texts of the window layer, push, image and check buttons, pictures
// and image strips, backgrounds and page tabs.
#include "framework/drawkinds.h"

#include <string>

#include "framework/backgrounds.h"
#include "framework/buttons.h"
#include "framework/captions.h"
#include "framework/datestrings.h"
#include "framework/drawstate.h"
#include "framework/imagecontrols.h"
#include "framework/imagewrappers.h"
#include "framework/muidraw2.h"
#include "platform/draw2d.h"

namespace {

constexpr int kStripMinFrameWidth = 4;  // a narrower nRange shows the whole image
constexpr int kImageKeyFramed = 15;
constexpr int kImageKeyCaptioned = 143;
constexpr int kImageKeyCentred = 14;

void ButtonForm(TMControl& c, const std::string& text, int selected, int live, int over) {
  c.nImage = MButton(c.nX, c.nY, c.nWidth, c.nHeight, c.bIndent, c.bStyle, c.bAlign, c.nImage,
                     c.bTextStyle, text, selected, over, live, 0);
}

void ImageForm(TMControl& c) {
  c.nImage = MImage(c.nX, c.nY, c.nWidth, c.nHeight, c.nImage, c.strText);
}

void StripForm(TMControl& c) {
  c.nImage = MImageFrame(c.nX, c.nY, c.nWidth, c.nHeight, c.nImage, c.strText, c.nRange, c.nPos);
}

// The frame of an image key: nPos, the next one while selected, 0 while disabled.
int KeyFrame(const TMControl& c) {
  if (c.bEnabled == 0) return 0;
  return c.nPos + (c.bSelected != 0 ? 1 : 0);
}

}  // namespace

void TextForm(const TMControl& c, const std::string& text) {
  MText(c.nX, c.nY, c.nWidth, c.nHeight, c.bTextStyle, c.bAlign, text);
}

int DrawCaptionKind(TMUIDraw2&, TMControl& c, int, int, int) {
  TextForm(c, c.strText);
  return 0;
}

int DrawPushButtonKind(TMUIDraw2&, TMControl& c, int, int live, int over) {
  ButtonForm(c, c.strText, c.bSelected, live, over);
  return 0;
}

int DrawPictureKind(TMUIDraw2&, TMControl& c, int, int, int) {
  ImageForm(c);
  return 0;
}

int DrawImageButtonKind(TMUIDraw2&, TMControl& c, int, int live, int over) {
  ButtonForm(c, c.strText2, c.bSelected, live, over);
  const int s = c.bStyle & ~kStyleRendererFlag;
  if (s == kImageKeyFramed || s == kImageKeyCaptioned || s == kImageKeyCentred) {
    SetAlpha(1.0f);
    int ih = MGetImageHeight(c.strText, c.nImage);
    int yo = (c.nHeight - ih) / 2;
    if (c.nHeight < ih) {
      ih = c.nHeight;
      yo = 0;
    }
    if (s == kImageKeyCaptioned) {
      const int f = c.bSelected != 0 && c.bEnabled != 0 ? 1 : 0;
      c.nImage = MImageFrame(c.nX, c.nY, c.nWidth, c.nHeight, c.nImage, c.strText, c.nRange, f);
      MImageFrame(c.nX, c.nY, c.nWidth, c.nHeight, kImageNotLookedUp, c.strText2, c.nRange,
                  c.nPos);
    } else if (s == kImageKeyFramed) {
      c.nImage =
          MImageFrame(c.nX, c.nY, c.nWidth, c.nHeight, c.nImage, c.strText, c.nRange, KeyFrame(c));
      MText(c.nX, c.nY + yo, c.nWidth, ih, c.bTextStyle, c.bAlign, c.strText2);
    } else {
      c.nImage = MImageFrame(c.nX + (c.nWidth - c.nRange) / 2, c.nY + yo, c.nRange, ih, c.nImage,
                             c.strText, c.nRange, KeyFrame(c));
      MText(c.nX, c.nY + yo, c.nWidth, ih, c.bTextStyle, c.bAlign, c.strText2);
      return 0;  // no hover mark
    }
    MCheckOver(c.nX, c.nY, c.nWidth, c.nHeight, live);
    return 0;
  }
  SetAlpha(g_fAlpha);
  if (c.nRange < kStripMinFrameWidth) {
    ImageForm(c);
  } else {
    c.nImage = MImageFrame(c.nX + 10, c.nY + 10, c.nWidth - 20, c.nHeight - 36, c.nImage,
                           c.strText, c.nRange, c.nPos);
  }
  return 0;
}

int DrawCheckButtonKind(TMUIDraw2&, TMControl& c, int, int live, int over) {
  c.nImage = MCheckButton(c.nX, c.nY, c.nWidth, c.nHeight, c.bIndent, c.bStyle, c.bAlign, c.nImage,
                          c.bTextStyle, c.strText, c.bSelected, over, live, c.nID - c.nMin);
  return 0;
}

int DrawBackgroundKind(TMUIDraw2&, TMControl& c, int, int, int) {
  MBackground(c.nX, c.nY, c.nWidth, c.nHeight, c.nX1, c.nY1, c.bStyle, c.bAlign, c.bTextStyle,
              c.strText);
  return 0;
}

int DrawSubPageTabKind(TMUIDraw2& app, TMControl& c, int, int live, int over) {
  const int main = app.CurrentMainPage;
  const bool valid = main >= 0 && main < static_cast<int>(app.CurrentSubPage.size());
  ButtonForm(c, c.strText, valid && app.CurrentSubPage[main] == c.nID ? 1 : 0, live, over);
  return 0;
}

int DrawMainPageTabKind(TMUIDraw2& app, TMControl& c, int, int live, int over) {
  ButtonForm(c, c.strText, app.CurrentMainPage == c.nID ? 1 : 0, live, over);
  return 0;
}

int DrawVersionKind(TMUIDraw2& app, TMControl& c, int, int, int) {
  TextForm(c, app.App_Version);
  return 0;
}

int DrawClockKind(TMUIDraw2&, TMControl& c, int, int, int) {
  TextForm(c, CurrentTimeText());
  return 0;
}

int DrawDateKind(TMUIDraw2&, TMControl& c, int, int, int) {
  TextForm(c, GetDate());
  return 0;
}

int DrawDayKind(TMUIDraw2&, TMControl& c, int, int, int) {
  TextForm(c, Get24Day());
  return 0;
}

int DrawPageTitleKind(TMUIDraw2& app, TMControl& c, int, int, int) {
  TextForm(c, app.strMainSubTitle);
  return 0;
}

int DrawImageStripKind(TMUIDraw2&, TMControl& c, int, int, int) {
  if (c.nRange < kStripMinFrameWidth)
    ImageForm(c);
  else
    StripForm(c);
  return 0;
}
