// The application base's own state: the window layer's namesakes, Init, the timer slots (same rate twice, replacement, end, bad slots, ticks of timers no
// longer in a slot), and the titles with and without a document.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "framework/apptitle.h"
#include "framework/pellamtesting.h"
#include "platform/timers.h"

namespace {

TEST_F(PellamTest, TheSameRateTwiceKeepsTheTimerAndAnotherReplacesIt) {
  TPellam app;
  app.SetTimer(1, 60);
  const std::shared_ptr<TTimer> first = app.Timer[1];
  ASSERT_NE(first, nullptr);
  app.SetTimer(1, 60);
  EXPECT_EQ(app.Timer[1], first);
  EXPECT_TRUE(first->Running());

  app.SetTimer(1, 30);
  EXPECT_NE(app.Timer[1], first);
  EXPECT_FALSE(first->Running());
  EXPECT_TRUE(app.Timer[1]->Running());
  EXPECT_EQ(app.Timer[1]->Hertz(), 30.0f);
  EXPECT_EQ(app.GetTimer(1), 30);

  const std::shared_ptr<TTimer> second = app.Timer[1];
  app.EndTimer(1);
  EXPECT_EQ(app.GetTimer(1), 0);
  EXPECT_EQ(app.Timer[1], second);  // kept, stopped, until the next SetTimer
  EXPECT_FALSE(second->Running());
  app.EndTimer(2);  // a slot that never had a timer
  EXPECT_EQ(app.Timer[2], nullptr);

  app.SetTimer(1, 30);  // after EndTimer the same rate starts again
  EXPECT_NE(app.Timer[1], second);
  EXPECT_TRUE(app.Timer[1]->Running());

  // Slots outside 0..3 are ignored.
  app.SetTimer(4, 60);
  app.SetTimer(-1, 60);
  app.EndTimer(4);
  EXPECT_EQ(std::tuple(app.GetTimer(4), app.GetTimer(-1), app.Timer[0], app.Timer[3]),
            std::tuple(-1, -1, nullptr, nullptr));
}

TEST_F(PellamTest, TicksReachMTimerOnlyFromATimerStillInASlot) {
  RecordingApp app;
  // Rates slow enough that no real tick arrives while the script runs.
  app.SetTimer(0, 1);
  app.SetTimer(3, 1);
  std::shared_ptr<TTimer> replaced = app.Timer[3];
  int stranger = 0;
  app.Run({Emit({Tick(app.Timer[3].get()), Tick(app.Timer[0].get())}),
           Do([&] { app.SetTimer(3, 2); }),
           Emit({Tick(replaced.get()), Tick(nullptr), Tick(&stranger)}),
           Do([&] { EmitEvent(Tick(app.Timer[3].get())); })});
  EXPECT_NE(app.Timer[3], replaced);
  EXPECT_EQ(app.Only("MTimer"), (Calls{"MTimer(3)", "MTimer(0)", "MTimer(3)"}));
}

TEST_F(PellamTest, TheTitleJoinsNameAndVersionAndADocumentGoesToTheWindow) {
  TPellam app;
  AppTitle = "at creation";
  app.SetTitle("Quill");
  EXPECT_EQ(std::tuple(app.App_Name, app.App_Title, AppTitle),
            std::tuple("Quill", "Quill Version 1.0", "Quill Version 1.0"));

  app.SetVersion("Version 2.5");
  EXPECT_EQ(app.App_Title, "Quill Version 1.0");  // until the next SetTitle
  app.SetTitle("Quill");
  EXPECT_EQ(AppTitle, "Quill Version 2.5");

  app.SetDocumentTitle("/home/someone/songs/tune.song");
  EXPECT_EQ(app.App_Document, "tune.song");
  EXPECT_EQ(AppTitle, "Quill Version 2.5, Current song is 'tune.song'");
  app.SetTitle("Other");
  EXPECT_EQ(AppTitle, "Other Version 2.5, Current song is 'tune.song'");

  app.SetDocumentTitle("plain");
  EXPECT_EQ(app.App_Document, "plain");
  app.SetDocumentTitle("/folder/");  // no file part: no document
  EXPECT_EQ(AppTitle, "Other Version 2.5");
  AppTitle.clear();
}

}  // namespace
