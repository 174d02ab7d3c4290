// Internal to the platform layer: where the parts of an open menu bar lie on the canvas,
// what a point hits, and the drawing of the bar through the drawing backend.
#pragma once
#include <string>
#include <vector>

class TMenuBar;

struct TMenuBox {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool Contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

struct TMenuBarLayout {
  TMenuBox bar;                  // the strip across the top
  std::vector<TMenuBox> titles;  // one per menu
  TMenuBox dropdown;             // the open menu's list
  std::vector<TMenuBox> items;   // one per item of the open menu
};

TMenuBarLayout LayoutMenuBar(const TMenuBar& menus, int openMenu, int canvasWidth);

struct TMenuHit {
  enum Kind { Outside, Bar, Title, Item, Dropdown } kind = Outside;
  int index = -1;  // of the title or item
};
TMenuHit HitMenuBar(const TMenuBarLayout& layout, int x, int y);

// The shortcut as shown beside an item ("Ctrl+M", "Shift+F1"); "" for none.
std::string ShortcutText(int key, int mods);

void DrawMenuBar(const TMenuBar& menus, const TMenuBarLayout& layout, int openMenu, int item);
