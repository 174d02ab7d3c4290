// The menu model of a window's menu bar: menus of items with ids, separators and
// shortcuts (a key code and the modifier bits it needs). A pressed shortcut posts
// MenuAction with the item's id in `data` and the item as `source`. Whoever draws the
// bar reads the model through Menus().
#pragma once
#include <memory>
#include <string>
#include <vector>

struct TMenuItem {
  std::string text;  // empty for a separator
  int id = 0;
  int key = 0;   // shortcut key code, 0 for none
  int mods = 0;  // MODIFIER_* bits of the shortcut
  bool IsSeparator() const { return text.empty(); }
};

struct TMenu {
  std::string text;
  int id = 0;
  std::vector<std::unique_ptr<TMenuItem>> items;
};

class TMenuBar {
 public:
  TMenuBar() = default;
  TMenuBar(const TMenuBar&) = delete;
  TMenuBar& operator=(const TMenuBar&) = delete;
  ~TMenuBar();

  TMenu* AddMenu(const std::string& text, int id = 0);
  // Null menu: nothing is added and the result is null.
  TMenuItem* AddItem(TMenu* menu, const std::string& text, int id, int key = 0, int mods = 0);
  TMenuItem* AddSeparator(TMenu* menu);
  // Frees every menu; MenuAction events of its items still waiting are dropped.
  void Clear();
  const std::vector<std::unique_ptr<TMenu>>& Menus() const { return menus_; }

  // The first item whose shortcut is key with exactly mods (only shift, control,
  // option and command count); Control stands in for Command, since the desktop
  // keeps most Super combinations for itself. Null when none.
  TMenuItem* FindShortcut(int key, int mods) const;
  // Posts MenuAction for the matching item; false when none matches.
  bool TriggerShortcut(int key, int mods);

 private:
  std::vector<std::unique_ptr<TMenu>> menus_;
};
