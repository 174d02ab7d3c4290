// The main-page key tab and the five joined buttons of the transport bar.
#include <string>

#include "framework/buttons.h"
#include "framework/muidraw2.h"
#include "framework/statedrawtypes.h"
#include "platform/numbers.h"

int TransportCommand = kTransportStop;

namespace {
struct TransportButton {
  const char* text;
  int indent;
  int style;  // style 135, 0x400 and a colour code lit only while selected
  int align;  // centred both ways, joined to the neighbours
};

constexpr TransportButton kButtons[] = {
    {"backward", 4, 0x5487, 0x812}, {"forward", 4, 0x5487, 0xC12}, {"stop", 2, 0x17C87, 0xC12},
    {"play", 2, 0x6487, 0xC12},     {"record", 6, 0x2C87, 0x412},
};

}  // namespace

int TransportButtonLit(int number) {
  // Play stays lit while recording.
  if (number == kTransportPlay)
    return TransportCommand == kTransportPlay || TransportCommand == kTransportRecord ? 1 : 0;
  return TransportCommand == number ? 1 : 0;
}

int DrawPageKeyTab(TMUIDraw2& app, TMControl& c, int, int live, int over) {
  const bool known = c.nID >= 0 && c.nID < kMainPageCount;
  const std::string text = "Page F" + TabNumber(c.nID) + "\u2026\u2026 " +
                           (known ? app.strMainPage[c.nID] : std::string());
  c.nImage = MButton(c.nX, c.nY, c.nWidth, c.nHeight, c.bIndent, c.bStyle, c.bAlign, c.nImage,
                     c.bTextStyle, text, c.bSelected, over, live, 0);
  return 0;
}

int DrawTransportBar(TMUIDraw2&, TMControl& c, int, int, int) {
  const float step = static_cast<float>(c.nWidth) / 5.0f;
  float x = static_cast<float>(c.nX + 2);
  for (int number = 1; number <= 5; ++number) {
    const TransportButton& b = kButtons[number - 1];
    MButton(TruncToInt(x), c.nY + 2, TruncToInt(step - 4.0f), c.nHeight - 4, b.indent, b.style,
            b.align, 0, 0, b.text, TransportButtonLit(number), c.bOver == number ? 1 : 0, 0, 0);
    x += step;
  }
  return 0;
}
