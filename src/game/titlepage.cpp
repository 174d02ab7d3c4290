// The title page (page 0): the two entries "    OPTIONS" and "START THIS QUEST", the
// chosen one framed in white with its colour pulsing, under click regions 1 and 2.
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

int TQuillonCore::DrawPage_Title() {
  SetVirtualResolution(static_cast<float>(AppVirtualWidth), static_cast<float>(AppVirtualHeight));
  // Leaving the options page ends any binding capture left there.
  _get_input = 0;
  const int y0 = TruncToInt(AppVirtualHeight * 0.39f);
  SetAlpha(1.0f);
  // One cycle every 1200 ms; the colour clamps the negative half to 0 when drawn.
  const int p = TruncToInt(255.0 * Sin(static_cast<double>(gameTime) * static_cast<double>(0.3f)));

  if (g_TitleChoice == 1) {
    SetColor(p, 200, p);
    ArcadeTextBorder("    OPTIONS", 62, y0 - 40, 1);
    SetColor(250, 50, 50);
    ArcadeText("START THIS QUEST", 62, y0 - 15, 2);
  } else {
    SetColor(50, 200, 50);
    ArcadeText("    OPTIONS", 62, y0 - 40, 1);
    SetColor(250, p, p);
    ArcadeTextBorder("START THIS QUEST", 62, y0 - 15, 2);
  }
  return 0;
}
