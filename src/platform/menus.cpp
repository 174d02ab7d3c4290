// The menu model and its shortcuts.
#include "platform/menus.h"

#include "platform/events.h"

namespace {
constexpr int MODIFIER_MASK = MODIFIER_SHIFT | MODIFIER_CONTROL | MODIFIER_OPTION | MODIFIER_COMMAND;
}

TMenuBar::~TMenuBar() { Clear(); }

TMenu* TMenuBar::AddMenu(const std::string& text, int id) {
  menus_.push_back(std::make_unique<TMenu>());
  menus_.back()->text = text;
  menus_.back()->id = id;
  return menus_.back().get();
}

TMenuItem* TMenuBar::AddItem(TMenu* menu, const std::string& text, int id, int key, int mods) {
  if (!menu) return nullptr;
  auto item = std::make_unique<TMenuItem>();
  item->text = text;
  item->id = id;
  item->key = key;
  item->mods = mods & MODIFIER_MASK;
  menu->items.push_back(std::move(item));
  return menu->items.back().get();
}

TMenuItem* TMenuBar::AddSeparator(TMenu* menu) { return AddItem(menu, "", 0); }

void TMenuBar::Clear() {
  for (const auto& menu : menus_)
    for (const auto& item : menu->items) PurgeEvents(item.get());
  menus_.clear();
}

TMenuItem* TMenuBar::FindShortcut(int key, int mods) const {
  if (key == 0) return nullptr;
  mods &= MODIFIER_MASK;
  for (const auto& menu : menus_) {
    for (const auto& item : menu->items) {
      if (item->key != key) continue;
      if (item->mods == mods) return item.get();
      if ((item->mods & MODIFIER_COMMAND) &&
          ((item->mods & ~MODIFIER_COMMAND) | MODIFIER_CONTROL) == mods)
        return item.get();
    }
  }
  return nullptr;
}

bool TMenuBar::TriggerShortcut(int key, int mods) {
  TMenuItem* item = FindShortcut(key, mods);
  if (!item) return false;
  TEvent event;
  event.id = EVENT_MENUACTION;
  event.source = item;
  event.data = item->id;
  event.mods = mods;
  EmitEvent(event);
  return true;
}
