// The open menu bar's layout, hit test and drawing, in canvas pixels, in the default
// font, with a drawing state of its own so that the application's stays untouched.
#include "platform/menubarview.h"

#include <algorithm>

#include "platform/drawbackend.h"
#include "platform/events.h"
#include "platform/imagefont.h"
#include "platform/keycodes.h"
#include "platform/menus.h"

namespace {

constexpr int TITLE_PADDING = 10;
constexpr int ITEM_PADDING = 12;
constexpr int SHORTCUT_GAP = 28;
constexpr int SEPARATOR_HEIGHT = 7;
constexpr int MIN_DROPDOWN_WIDTH = 120;

int fontHeight() {
  TImageFont* font = DefaultImageFont();
  return font ? font->Height() : 14;
}

int textWidth(const std::string& text) {
  TImageFont* font = DefaultImageFont();
  return font ? font->Width(text) : static_cast<int>(text.size()) * 7;
}

TDrawState colour(int red, int green, int blue, float alpha = 1.0f) {
  TDrawState state;
  state.red = red;
  state.green = green;
  state.blue = blue;
  state.alpha = alpha;
  return state;
}

void fill(const TMenuBox& box, const TDrawState& state) {
  CurrentDrawBackend().DrawRect(state, static_cast<float>(box.x), static_cast<float>(box.y),
                                static_cast<float>(box.width), static_cast<float>(box.height));
}

void text(const std::string& words, int x, int y, const TDrawState& state) {
  TImageFont* font = DefaultImageFont();
  if (font && !words.empty())
    CurrentDrawBackend().DrawText(state, *font, words, static_cast<float>(x), static_cast<float>(y));
}

std::string keyName(int key) {
  if ((key >= KEY_A && key < KEY_A + 26) || (key >= KEY_0 && key < KEY_0 + 10))
    return std::string(1, static_cast<char>(key));
  if (key >= KEY_F1 && key < KEY_F1 + 12) {
    std::string name = "F";
    name += std::to_string(key - KEY_F1 + 1);
    return name;
  }
  switch (key) {
    case KEY_RETURN: return "Return";
    case KEY_ESCAPE: return "Esc";
    case KEY_SPACE: return "Space";
    case KEY_TAB: return "Tab";
    case KEY_BACKSPACE: return "Backspace";
    case KEY_DELETE: return "Del";
    case KEY_INSERT: return "Ins";
    case KEY_HOME: return "Home";
    case KEY_END: return "End";
    case KEY_PAGEUP: return "PgUp";
    case KEY_PAGEDOWN: return "PgDn";
    case KEY_LEFT: return "Left";
    case KEY_RIGHT: return "Right";
    case KEY_UP: return "Up";
    case KEY_DOWN: return "Down";
    case KEY_COMMA: return ",";
    case KEY_PERIOD: return ".";
    case KEY_MINUS: return "-";
    case KEY_EQUALS: return "=";
    case KEY_SLASH: return "/";
    default: return "";
  }
}

}  // namespace

std::string ShortcutText(int key, int mods) {
  const std::string name = keyName(key);
  if (name.empty()) return "";
  std::string text;
  // Control stands in for Command on this desktop.
  if (mods & (MODIFIER_CONTROL | MODIFIER_COMMAND)) text += "Ctrl+";
  if (mods & MODIFIER_OPTION) text += "Alt+";
  if (mods & MODIFIER_SHIFT) text += "Shift+";
  return text + name;
}

TMenuBarLayout LayoutMenuBar(const TMenuBar& menus, int openMenu, int canvasWidth) {
  TMenuBarLayout layout;
  const int line = fontHeight();
  layout.bar = {0, 0, std::max(canvasWidth, 0), line + 8};
  int x = 4;
  for (const auto& menu : menus.Menus()) {
    const int width = textWidth(menu->text) + 2 * TITLE_PADDING;
    layout.titles.push_back({x, 0, width, layout.bar.height});
    x += width;
  }
  if (openMenu < 0 || openMenu >= static_cast<int>(menus.Menus().size())) return layout;
  const TMenu& menu = *menus.Menus()[openMenu];
  int width = MIN_DROPDOWN_WIDTH;
  for (const auto& item : menu.items) {
    const std::string shortcut = ShortcutText(item->key, item->mods);
    width = std::max(width, textWidth(item->text) + (shortcut.empty() ? 0 : SHORTCUT_GAP + textWidth(shortcut)) +
                                2 * ITEM_PADDING);
  }
  int y = layout.bar.height + 2;
  for (const auto& item : menu.items) {
    const int height = item->IsSeparator() ? SEPARATOR_HEIGHT : line + 6;
    layout.items.push_back({layout.titles[openMenu].x + 1, y, width - 2, height});
    y += height;
  }
  layout.dropdown = {layout.titles[openMenu].x, layout.bar.height, width, y + 2 - layout.bar.height};
  return layout;
}

TMenuHit HitMenuBar(const TMenuBarLayout& layout, int x, int y) {
  for (size_t i = 0; i < layout.titles.size(); ++i)
    if (layout.titles[i].Contains(x, y)) return {TMenuHit::Title, static_cast<int>(i)};
  if (layout.bar.Contains(x, y)) return {TMenuHit::Bar, -1};
  for (size_t i = 0; i < layout.items.size(); ++i)
    if (layout.items[i].Contains(x, y)) return {TMenuHit::Item, static_cast<int>(i)};
  if (layout.dropdown.Contains(x, y)) return {TMenuHit::Dropdown, -1};
  return {};
}

void DrawMenuBar(const TMenuBar& menus, const TMenuBarLayout& layout, int openMenu, int item) {
  const TDrawState highlight = colour(50, 100, 170);
  const TDrawState words = colour(235, 235, 235);
  const int line = fontHeight();
  fill(layout.bar, colour(38, 38, 38, 0.96f));
  fill({0, layout.bar.height - 1, layout.bar.width, 1}, colour(90, 90, 90));
  for (size_t i = 0; i < layout.titles.size(); ++i) {
    const TMenuBox& box = layout.titles[i];
    if (static_cast<int>(i) == openMenu) fill(box, highlight);
    text(menus.Menus()[i]->text, box.x + TITLE_PADDING, box.y + (box.height - line) / 2, words);
  }
  if (openMenu < 0 || openMenu >= static_cast<int>(menus.Menus().size())) return;
  const TMenu& menu = *menus.Menus()[openMenu];
  const TMenuBox& drop = layout.dropdown;
  fill(drop, colour(90, 90, 90));
  fill({drop.x + 1, drop.y, drop.width - 2, drop.height - 1}, colour(48, 48, 48, 0.98f));
  for (size_t i = 0; i < layout.items.size() && i < menu.items.size(); ++i) {
    const TMenuBox& box = layout.items[i];
    const TMenuItem& entry = *menu.items[i];
    if (entry.IsSeparator()) {
      fill({box.x + 6, box.y + box.height / 2, box.width - 12, 1}, colour(90, 90, 90));
      continue;
    }
    if (static_cast<int>(i) == item) fill(box, highlight);
    const int textY = box.y + (box.height - line) / 2;
    text(entry.text, box.x + ITEM_PADDING - 1, textY, words);
    const std::string shortcut = ShortcutText(entry.key, entry.mods);
    if (!shortcut.empty())
      text(shortcut, box.x + box.width - ITEM_PADDING + 1 - textWidth(shortcut), textY, colour(170, 170, 170));
  }
}
