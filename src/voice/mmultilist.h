// TMultiList: the editor's two-pane picker. The browse pane lists up to 12 categories,
// the pick pane the items (name and value) of the selected category, up to 50; one item
// selection is kept per category. Rows are 20 pixels high in both panes.
#pragma once
#include <array>
#include <string>

constexpr int kMultiListCategories = 12;
constexpr int kMultiListItems = 50;
constexpr int kMultiListRowHeight = 20;

class TMultiList {
 public:
  TMultiList() = default;
  virtual ~TMultiList() = default;

  std::array<std::string, kMultiListCategories> CoreEffect{};
  int CoreEffectCount = 5;  // index of the last category in use
  int CoreSelected = 0;
  std::array<std::array<std::string, kMultiListItems>, kMultiListCategories> CoreSubEffect{};
  std::array<std::array<int, kMultiListItems>, kMultiListCategories> CoreSubFilter{};
  std::array<int, kMultiListCategories> CoreSubCount{};
  int CoreSubDisplayed = 5;
  std::array<int, kMultiListCategories> CoreSubSelected{};
  int CoreSubStart = 0;

  virtual int DoInit();
  virtual int SetHeight(int height);
  virtual int MouseWheel(int direction);
  // One row of menu data; returns the last category opened (see mmultilist.cpp).
  virtual int SetData(int last, int category, const std::string& name, int value);
  virtual int GetEffect();
  virtual std::string GetEffectName();
  virtual int MouseDownBrowse(int y);
  virtual int MouseDownPick(int y);
  virtual int KeyDownPick(int key);
  virtual int KeyDownBrowse(int key);
  virtual int DrawPick(int x, int y, int w, int h, int over);
  virtual int DrawBrowse(int x, int y, int w, int h, int over);

 protected:
  // The item name at (category, row), or an empty string for indexes outside the tables.
  const std::string& ItemName(int category, int row) const;
  static bool ValidCategory(int c) { return c >= 0 && c < kMultiListCategories; }
  static bool ValidRow(int r) { return r >= 0 && r < kMultiListItems; }
};
