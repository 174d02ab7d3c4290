// TMUIDraw2's page switching: the page shown, main and sub pages by their navigation
// table, and overlay pages. None of these redraws; the callers redraw afterwards.
#include "framework/muidraw2.h"
#include "platform/print.h"

int TMUIDraw2::SetPage(int page) {
  if (!ValidPage(page)) return 0;
  PreviousPage = CurrentPage;
  CurrentPage = page;
  if (ValidMainPage(CurrentMainPage)) {
    const int m = CurrentMainPage;
    const int sub = CurrentSubPage[m];
    // A main page without a current sub page gives the sub page's name as "".
    const std::string subName = ValidSubPage(sub) ? strSubPage[m][sub] : std::string();
    strMainSubTitle = "*** " + strMainPage[m] + ", " + subName + " ***";
  }
  Print(strMainSubTitle);
  if (PreviousPage != page) MPageInit(page);
  return 0;
}

int TMUIDraw2::SetMainPage(int main) {
  if (!ValidMainPage(main)) return 0;
  const int sub = CurrentSubPage[main];
  if (!ValidSubPage(sub) || SubPageArray[main][sub] == -1) return 0;
  CurrentMainPage = main;
  return SetPage(SubPageArray[main][sub]);
}

int TMUIDraw2::SetSubPage(int sub) {
  if (sub < 0 || sub > 9) return 0;
  return SetMultiMainSubPage(sub);
}

int TMUIDraw2::SetMultiMainSubPage(int sub) {
  if (!ValidMainPage(CurrentMainPage) || !ValidSubPage(sub)) return 0;
  const int page = SubPageArray[CurrentMainPage][sub];
  if (page == -1) return 0;
  CurrentSubPage[CurrentMainPage] = sub;
  return SetPage(page);
}

int TMUIDraw2::SetMainSubPage(int main, int sub) {
  if (!ValidMainPage(main) || !ValidSubPage(sub)) return 0;
  const int page = SubPageArray[main][sub];
  if (page == -1) return 0;
  CurrentMainPage = main;
  CurrentSubPage[main] = sub;
  Print("setmainsubpage array=" + std::to_string(page));
  return SetPage(page);
}

int TMUIDraw2::SetPageOverlay(int on, int page) {
  if (on != 0) {
    if (ValidPage(page)) PageActive[page] = PageStart[page];
    PageOverlayCall = CurrentPage;
    // Drawn while the flag is still off, so this redraw clears the canvas.
    RedrawUI(0);
  } else {
    if (PageOverlayCall >= 0) SetPage(PageOverlayCall);
    PageOverlayCall = -1;
  }
  PageOverlay = on;
  return 0;
}
