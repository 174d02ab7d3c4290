// The game's frame: the virtual screen, the frame clock, the lazy sprite load, the page
// dispatch, the pointer and the scan-line overlay that hands the window's own pixel
// resolution back to the framework; and the small key and enemy hooks beside it.
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"
#include "platform/print.h"

int TQuillonCore::DrawUI() {
  SetVirtualResolution(static_cast<float>(AppVirtualWidth), static_cast<float>(AppVirtualHeight));
  // The framework clips the control to its box in window pixels, inside the layout's
  // indent; read on the virtual screen those numbers would cut a band, several window
  // pixels wide, off the top and left. The frame fills the window.
  SetViewport(0, 0, AppVirtualWidth, AppVirtualHeight);
  gameTime = MilliSecs();  // sign-extended: past 2^31 the clock runs negative for all alike
  SetAlpha(1.0f);
  SetBlend(ALPHABLEND);
  if (!_sprites[0]) _LoadSprites();

  switch (Page) {
    case kPageOptions: DrawPage_Options(); break;
    case kPageGame: DrawPage_Game(0); break;
    case kPageTitle: DrawPage_Title(); break;
    case kPageBattle: DrawPage_Battle(); break;
    case kPageCampaign: DrawPage_Campaign(); break;
    case kPageHand: DrawPage_Hand(); break;
    case kPageDeal: DrawPage_Deal(); break;
    default: break;
  }
  ShowMouse();
  _DrawScanLines();
  return 0;
}

int TQuillonCore::_DrawScanLines() {
  SetVirtualResolution(static_cast<float>(AppWidth), static_cast<float>(AppHeight));
  SetViewport(0, 0, AppWidth, AppHeight);  // the clip in the window's own pixels again
  if (AppShowScanlines == 0) return 0;
  SetColor(0, 0, 0);
  SetAlpha(0.15f);
  if (AppVirtualWidth > 0) {
    const double step = (AppWidth - 1.0) / AppVirtualWidth;
    double x = 0.0;
    for (int i = 0; i <= AppVirtualWidth1; ++i) {
      const float fx = static_cast<float>(x);
      DrawLine(fx, 0.0f, fx, static_cast<float>(AppHeight), 1);
      x += step;
    }
  }
  if (AppVirtualHeight > 0) {
    const double step = (AppHeight - 1.0) / AppVirtualHeight;
    double y = 0.0;
    for (int j = 0; j <= AppVirtualHeight1; ++j) {
      DrawLine(0.0f, static_cast<float>(y), static_cast<float>(AppWidth), static_cast<float>(y), 1);
      y += step;
    }
  }
  return 0;
}

int TQuillonCore::_CheckKeys() { return 0; }

int TQuillonCore::_ResetKeys() {
  kyup = kydown = kyleft = kyright = kyfire = 0;
  jyup = jydown = jyleft = jyright = 0;
  return 0;
}

int TQuillonCore::_UpdateEnemies() {
  Print("UpdateEnemies");
  return 1;
}
