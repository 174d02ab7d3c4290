// Through DrawControl, the arguments the framework's kinds hand on (check-button frame,
// strip or whole image, tab selection, image-button styles) and the image slot stored back.
#include "framework/drawtypes.h"

#include <gtest/gtest.h>

#include <map>

#include "framework/drawkinds.h"
#include "framework/rendertesting.h"
#include "framework/windowtesting.h"

namespace {

using Page = DrawnPage;

class DrawTypeTableTest : public RenderTest {
 protected:
  void Draw(Page& p, TMControl& c) {
    recorder.Clear();
    p.DrawControl(&c, c.nDrawType);
  }
};

TEST_F(DrawTypeTableTest, ImageSlotIsStoredBackAndAFailedLookupIsKept) {
  PutImage(5, "pic.png", 30, 20);
  Page p;
  TMControl& found = p.Add({.drawType = 2, .w = 4, .h = 3, .text = "pic"});
  TMControl& missing = p.Add({.drawType = 2, .x = 5, .w = 4, .h = 3, .text = "gone"});
  Draw(p, found);
  EXPECT_EQ(found.nImage, 5);
  EXPECT_EQ(BoxOf(Of(TDrawCallKind::Image).at(0)), (Box{found.nX, found.nY, found.nWidth, found.nHeight}));
  Draw(p, missing);
  EXPECT_EQ(missing.nImage, -2);
  EXPECT_TRUE(Of(TDrawCallKind::Image).empty());
}

TEST_F(DrawTypeTableTest, CheckButtonFrameIsIdLessMin) {
  PutImage(1, "strip.png", 160, 16);
  Page p;
  TMControl& c = p.Add({.drawType = 44, .style = 0x200, .id = 7, .w = 4, .h = 3, .text = "strip",
                        .min = 4, .max = 9});
  Draw(p, c);
  ASSERT_EQ(Of(TDrawCallKind::Image).size(), 1u);
  EXPECT_EQ(Of(TDrawCallKind::Image)[0].args[4], 3 * 16.0f);
}

TEST_F(DrawTypeTableTest, ImageStripShowsTheWholeImageBelowFourPixelFrames) {
  PutImage(1, "bars.png", 40, 10);
  Page p;
  TMControl& c = p.Add({.drawType = 27, .w = 4, .h = 3, .text = "bars", .pos = 2});
  c.nRange = 3;
  Draw(p, c);
  ASSERT_EQ(Of(TDrawCallKind::Image).size(), 1u);
  EXPECT_EQ(Of(TDrawCallKind::Image)[0].args[6], 40.0f);
  c.nRange = 4;
  Draw(p, c);
  ASSERT_EQ(Of(TDrawCallKind::Image).size(), 1u);
  EXPECT_EQ(Of(TDrawCallKind::Image)[0].args[4], 8.0f);
  EXPECT_EQ(Of(TDrawCallKind::Image)[0].args[6], 4.0f);
  EXPECT_EQ(c.nImage, 1);
}

TEST_F(DrawTypeTableTest, TabsAreSelectedByTheCurrentPages) {
  Page p;
  TMControl& mainTab = p.Add({.drawType = 19, .id = 2, .w = 4, .h = 3, .text = "Main"});
  TMControl& subTab = p.Add({.drawType = 18, .id = 1, .x = 5, .w = 4, .h = 3, .text = "Sub"});
  auto fill = [&](TMControl& c) {
    Draw(p, c);
    return ColourOf(Of(TDrawCallKind::Rect).at(0));
  };
  p.CurrentMainPage = 2;
  p.CurrentSubPage[2] = 1;
  EXPECT_EQ(fill(mainTab), Rgb(118, 118, 118));
  EXPECT_EQ(fill(subTab), Rgb(118, 118, 118));
  p.CurrentMainPage = 3;
  EXPECT_EQ(fill(mainTab), Rgb(148, 148, 148));
  EXPECT_EQ(fill(subTab), Rgb(148, 148, 148));
  p.CurrentMainPage = -1;  // no main page: no sub page either
  EXPECT_EQ(fill(subTab), Rgb(148, 148, 148));
}

TEST_F(DrawTypeTableTest, ImageButtonStyleIgnoresTheRendererFlag) {
  PutImage(1, "key.png", 64, 16);
  Page p;
  const Decl d{.drawType = 3, .style = 15, .w = 6, .h = 3, .text = "key", .pos = 1,
               .text2 = "Play"};
  TMControl& plain = p.Add(d);
  Decl flagged = d;
  flagged.style = 15 | 0x100;
  TMControl& withFlag = p.Add(flagged);
  withFlag.nX = plain.nX;  // the same box, so the two draws can be compared
  withFlag.nY = plain.nY;
  plain.nRange = withFlag.nRange = 16;
  plain.bSelected = withFlag.bSelected = 1;
  p.PageActive[0] = -1;  // neither is live, so neither draws a hover mark
  auto draws = [&](TMControl& c) {
    Draw(p, c);
    std::vector<std::pair<TDrawCallKind, std::vector<float>>> out;
    for (const TDrawCall& call : recorder.Calls()) out.emplace_back(call.kind, call.args);
    return out;
  };
  const auto expected = draws(plain);
  EXPECT_EQ(draws(withFlag), expected);
  // Selected and enabled: frame nPos + 1.
  EXPECT_EQ(Of(TDrawCallKind::Image).at(0).args[4], 2 * 16.0f);
  withFlag.bEnabled = 0;
  Draw(p, withFlag);
  EXPECT_EQ(Of(TDrawCallKind::Image).at(0).args[4], 0.0f);
}


TEST_F(DrawTypeTableTest, ImageButtonStylesPlaceTheirImagesAndCaptions) {
  PutImage(1, "key.png", 64, 16);
  PutImage(2, "cap.png", 48, 16);
  Page p;
  TMControl& c = p.Add({.drawType = 3, .style = 143, .w = 8, .h = 4, .text = "key", .pos = 2,
                        .text2 = "cap"});
  c.nRange = 16;
  const Box box{c.nX, c.nY, c.nWidth, c.nHeight};
  p.PageActive[0] = c.nArrayPos;
  auto sources = [&] {
    std::vector<std::pair<const TImage*, float>> out;
    for (const TDrawCall& d : Of(TDrawCallKind::Image)) out.emplace_back(d.image, d.args[4]);
    return out;
  };
  // A hover mark's outline drawn after the images.
  auto markAfterImages = [&] {
    const std::vector<TDrawCall>& calls = recorder.Calls();
    bool images = false, mark = false;
    for (const TDrawCall& d : calls) {
      if (d.kind == TDrawCallKind::Image) images = true, mark = false;
      if (d.kind == TDrawCallKind::Line && images) mark = true;
    }
    return mark;
  };
  const TImage* key = Images->Image[1].get();
  const TImage* cap = Images->Image[2].get();

  // 143: the key's frame 1 while selected and enabled, the caption image's frame nPos
  // over it, both over the whole box, then the hover mark.
  for (const auto& [selected, enabled, frame] : {std::tuple{1, 1, 16.0f}, {1, 0, 0.0f}, {0, 1, 0.0f}}) {
    c.bSelected = selected;
    c.bEnabled = enabled;
    Draw(p, c);
    EXPECT_EQ(sources(), (std::vector<std::pair<const TImage*, float>>{{key, frame}, {cap, 32.0f}}))
        << selected << enabled;
    for (const TDrawCall& d : Of(TDrawCallKind::Image)) {
      EXPECT_EQ(BoxOf(d), box);
      EXPECT_FLOAT_EQ(d.state.alpha, 1.0f);  // even over a disabled key
    }
    EXPECT_FALSE(Of(TDrawCallKind::Rect).empty());  // the key under them
    EXPECT_TRUE(markAfterImages());
  }

  // 14: frame nPos + 1 one frame wide in the middle of the box, the caption beside it at
  // the image's height, and no hover mark even though live.
  const int down = (c.nHeight - 16) / 2;
  c.bStyle = 14;
  c.bSelected = 1;
  c.bEnabled = 1;
  c.nImage = -1;
  Draw(p, c);
  ASSERT_EQ(Of(TDrawCallKind::Image).size(), 1u);
  EXPECT_EQ(BoxOf(Of(TDrawCallKind::Image)[0]), (Box{c.nX + 32, c.nY + down, 16, 16}));
  EXPECT_EQ(Of(TDrawCallKind::Image)[0].args[4], 3 * 16.0f);
  ASSERT_EQ(Of(TDrawCallKind::Text).size(), 1u);
  EXPECT_EQ(Of(TDrawCallKind::Text)[0].text, "cap");
  EXPECT_EQ(Of(TDrawCallKind::Text)[0].args[1], static_cast<float>(c.nY + down));
  EXPECT_FALSE(markAfterImages());
  EXPECT_EQ(c.nImage, 1);

  // 15: frame nPos + 1 over the whole box, the caption at the image's height.
  c.bStyle = 15;
  Draw(p, c);
  ASSERT_EQ(Of(TDrawCallKind::Image).size(), 1u);
  EXPECT_EQ(BoxOf(Of(TDrawCallKind::Image)[0]), box);
  ASSERT_EQ(Of(TDrawCallKind::Text).size(), 2u);  // the key's own caption, then this one
  EXPECT_EQ(Of(TDrawCallKind::Text)[1].args[1], static_cast<float>(c.nY + down));

  // An image taller than the control is cut to it, from its top.
  PutImage(3, "tall.png", 64, 100);
  c.strText = "tall";
  c.nImage = -1;
  c.bStyle = 14;
  Draw(p, c);
  EXPECT_EQ(BoxOf(Of(TDrawCallKind::Image).at(0)), (Box{c.nX + 32, c.nY, 16, c.nHeight}));
  c.strText = "key";
  c.nImage = -1;
  for (int style : {143, 14, 15, 0}) {
    c.bStyle = style;
    EXPECT_EQ(DrawImageButtonKind(p, c, 3, 0, 0), 0) << style;
  }

  // Any other style: the button, then frame nPos inside a margin (nRange 4 or more) or the
  // whole image over the box, at the master alpha (a disabled control's).
  c.bStyle = 0;
  c.bEnabled = 0;
  Draw(p, c);
  ASSERT_FALSE(Of(TDrawCallKind::Image).empty());
  TDrawCall last = Of(TDrawCallKind::Image).back();
  EXPECT_EQ(BoxOf(last), (Box{c.nX + 10, c.nY + 10, c.nWidth - 20, c.nHeight - 36}));
  EXPECT_EQ(last.args[4], 2 * 16.0f);
  c.nRange = 4;  // the narrowest frames still cut the strip
  Draw(p, c);
  EXPECT_EQ(Of(TDrawCallKind::Image).back().args[4], 2 * 4.0f);
  EXPECT_FLOAT_EQ(last.state.alpha, 0.3f);
  c.nRange = 3;
  Draw(p, c);
  last = Of(TDrawCallKind::Image).back();
  EXPECT_EQ(BoxOf(last), box);
  EXPECT_EQ(last.args[6], 64.0f);
}

}  // namespace
