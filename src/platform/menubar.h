// The menu bar of a window (its TMenuBar, menus.h), drawn by the layer over the top of
// the canvas while it is open. Pressing and releasing Alt on its own opens it (and
// closes it again); Esc, a click outside it or a chosen item close it; the arrow keys
// and the mouse move through it; Return, Space or a click choose the highlighted item,
// which posts MenuAction as its shortcut would. While it is open the application
// receives no key or mouse events, nor the releases of keys and buttons it took.
#pragma once

class TWindow;

TWindow* MenuBarWindow();  // the window whose bar is open; null while none is
int MenuBarMenu();         // the open menu's index
int MenuBarItem();         // the highlighted item of it; -1 for none
// Opening does nothing for a window that is not live or has no menus.
void OpenMenuBar(TWindow* window);
void CloseMenuBar();
