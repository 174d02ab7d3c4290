// The menu model and its shortcuts.
#include <gtest/gtest.h>

#include "platform/events.h"
#include "platform/keycodes.h"
#include "platform/menus.h"

namespace {

class MenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FlushEvents();
    window_ = bar_.AddMenu("Window");
    minimize_ = bar_.AddItem(window_, "Minimize", 1000, KEY_A + 12, MODIFIER_COMMAND);
    maximize_ = bar_.AddItem(window_, "Maximize", 1001);
    bar_.AddSeparator(window_);
    fullScreen_ = bar_.AddItem(window_, "Full Screen", 1003, KEY_A + 5, MODIFIER_COMMAND | MODIFIER_CONTROL);
    help_ = bar_.AddMenu("Help");
    bar_.AddItem(help_, "Quillon Help", 1020, KEY_F1, 0);
  }
  TMenuBar bar_;
  TMenu* window_ = nullptr;
  TMenu* help_ = nullptr;
  TMenuItem* minimize_ = nullptr;
  TMenuItem* maximize_ = nullptr;
  TMenuItem* fullScreen_ = nullptr;
};

TEST_F(MenusTest, ModelKeepsMenusItemsAndSeparators) {
  ASSERT_EQ(bar_.Menus().size(), 2u);
  const TMenu& window = *bar_.Menus()[0];
  EXPECT_EQ(window.text, "Window");
  EXPECT_EQ(window.id, 0);
  ASSERT_EQ(window.items.size(), 4u);
  EXPECT_FALSE(window.items[1]->IsSeparator());
  EXPECT_TRUE(window.items[2]->IsSeparator());
  EXPECT_EQ(window.items[2]->id, 0);
  EXPECT_EQ(bar_.AddItem(nullptr, "Lost", 5), nullptr);
}

TEST_F(MenusTest, ShortcutsNeedTheirExactModifiersWithControlForCommand) {
  const int m = KEY_A + 12, f = KEY_A + 5;
  EXPECT_EQ(bar_.FindShortcut(m, MODIFIER_COMMAND), minimize_);
  EXPECT_EQ(bar_.FindShortcut(m, MODIFIER_CONTROL), minimize_);
  EXPECT_EQ(bar_.FindShortcut(m, 0), nullptr);
  EXPECT_EQ(bar_.FindShortcut(m, MODIFIER_COMMAND | MODIFIER_SHIFT), nullptr);
  EXPECT_EQ(bar_.FindShortcut(m, MODIFIER_COMMAND | MODIFIER_CONTROL), nullptr);
  EXPECT_EQ(bar_.FindShortcut(f, MODIFIER_COMMAND | MODIFIER_CONTROL), fullScreen_);
  EXPECT_EQ(bar_.FindShortcut(f, MODIFIER_CONTROL), fullScreen_);
  EXPECT_EQ(bar_.FindShortcut(f, MODIFIER_COMMAND), nullptr);
  EXPECT_EQ(bar_.FindShortcut(KEY_F1, 0)->id, 1020);
  EXPECT_EQ(bar_.FindShortcut(0, 0), nullptr);  // items without a shortcut never match
}

TEST_F(MenusTest, TriggeredShortcutPostsMenuActionUntilTheMenusAreFreed) {
  EXPECT_TRUE(bar_.TriggerShortcut(KEY_A + 12, MODIFIER_CONTROL));
  EXPECT_FALSE(bar_.TriggerShortcut(KEY_A + 12, MODIFIER_SHIFT));
  TEvent action = PollEvent();
  EXPECT_EQ(action.id, EVENT_MENUACTION);
  EXPECT_EQ(action.data, 1000);
  EXPECT_EQ(action.source, minimize_);
  EXPECT_EQ(PollEvent().id, 0);

  EXPECT_TRUE(bar_.TriggerShortcut(KEY_F1, 0));
  bar_.Clear();  // the waiting action would name a freed item
  EXPECT_EQ(PollEvent().id, 0);
  EXPECT_TRUE(bar_.Menus().empty());
}

}  // namespace
