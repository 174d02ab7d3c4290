// MText through the recording backend: each size variant's scale, font and measured
// sizes, the alignment arithmetic, the prefixes, raise and underline, and the shadow.
#include "framework/captions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "framework/colorcodes.h"
#include "framework/drawstate.h"
#include "framework/palette.h"
#include "platform/draw2d.h"
#include "platform/imagefont.h"
#include "platform/recordingscreen.h"

namespace {

using Calls = std::vector<TDrawCall>;
using Rgb = std::tuple<int, int, int>;
using Pos = std::vector<float>;

Rgb ColourOf(const TDrawState& s) { return {s.red, s.green, s.blue}; }

class CaptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFont = ImageFont;
    savedFont2 = ImageFont2;
    // Two fonts of different sizes, so every measurement shows which one was used.
    ImageFont = LoadImageFont(DEFAULT_FONT_PATH, 12);
    ImageFont2 = LoadImageFont(DEFAULT_FONT_PATH, 22);
    ASSERT_TRUE(ImageFont && ImageFont2);
    MAlpha(1.0f);
    SetImageFont(ImageFont);  // the caller's font
  }
  void TearDown() override {
    MAlpha(1.0f);
    AppCol.SetCol(0, 0, 0);
    ImageFont = savedFont;
    ImageFont2 = savedFont2;
  }
  Calls Texts() const { return recorder.CallsOf(TDrawCallKind::Text); }
  // The main text's call: the last one drawn.
  TDrawCall Main() const { return Texts().back(); }
  int Width(const std::string& text) const { return ImageFont->Width(text); }
  int Height() const { return ImageFont->Height(); }

  TRecordingScreen recorder;
  std::shared_ptr<TImageFont> savedFont, savedFont2;
};

TEST_F(CaptionTest, CentresByTheMeasuredSizeInWhiteAtTheCallersScaleAndFont) {
  SetColor(1, 2, 3);
  MText(0, 0, 100, 20, 0, kAlignCentre | kAlignMiddle, "Hello");
  const Calls texts = Texts();
  ASSERT_EQ(texts.size(), 1u);
  const float x = static_cast<float>((100 - Width("Hello")) / 2);
  const float y = static_cast<float>((20 - Height()) / 2);
  EXPECT_EQ(texts[0].args, (Pos{x, y}));
  EXPECT_EQ(ColourOf(texts[0].state), (Rgb{255, 255, 255}));
  EXPECT_EQ(std::tuple(texts[0].state.scaleX, texts[0].state.scaleY), std::tuple(1.0f, 1.0f));
  EXPECT_EQ(texts[0].font, ImageFont.get());
  EXPECT_EQ(GetImageFont(), ImageFont);

  // A caller's scale stays for a caption without a size bit, and is (1, 1) afterwards.
  recorder.Clear();
  SetScale(2.0f, 3.0f);
  MText(0, 0, 100, 20, 0, 0, "Hello");
  EXPECT_EQ(std::tuple(Main().state.scaleX, Main().state.scaleY), std::tuple(2.0f, 3.0f));
  float sx, sy;
  GetScale(sx, sy);
  EXPECT_EQ(std::tuple(sx, sy), std::tuple(1.0f, 1.0f));
}

TEST_F(CaptionTest, KeepHeightLeavesTheMeasuredHeightWhileTheWidthDoubles) {
  MText(0, 100, 300, 80, kTextLarge, kAlignCentre | kAlignMiddle | kAlignKeepHeight, "Keep");
  const float px = static_cast<float>((300 - 2 * Width("Keep")) / 2);
  const float py = static_cast<float>(100 - 4 + (80 - Height()) / 2);
  EXPECT_EQ(Main().args, (Pos{px, py}));
  // The tall variant moves up by the measured height either way.
  recorder.Clear();
  MText(0, 100, 300, 80, kTextLarge | kTextNarrow, kAlignKeepHeight | kAlignBottom, "Keep");
  EXPECT_EQ(Main().args[1], static_cast<float>(100 - 2 - Height() + 80 - Height()));
}

TEST_F(CaptionTest, AlignmentBitsAddUpAndTruncateTowardZero) {
  const std::string text = "Align";
  const int tw = Width(text);
  const int th = Height();
  MText(5, 7, 200, 50, 0, kAlignRight | kAlignBottom, text);
  EXPECT_EQ(Main().args, (Pos{static_cast<float>(5 + 200 - tw - 2), static_cast<float>(7 + 50 - th)}));
  // All four bits add up.
  MText(5, 7, 200, 50, 0, kAlignCentre | kAlignRight | kAlignMiddle | kAlignBottom, text);
  EXPECT_EQ(Main().args, (Pos{static_cast<float>(5 + (200 - tw) / 2 + 200 - tw - 2),
                              static_cast<float>(7 + (50 - th) / 2 + 50 - th)}));
  // A text wider than its box starts left of it; an odd overhang halves toward zero.
  const int narrow = (tw % 2 == 0) ? 1 : 2;  // makes narrow - tw odd and negative
  MText(50, 0, narrow, 1, 0, kAlignCentre | kAlignMiddle, text);
  EXPECT_EQ(Main().args,
            (Pos{static_cast<float>(50 - (tw - narrow) / 2), static_cast<float>(-((th - 1) / 2))}));
}

TEST_F(CaptionTest, EmbossedPrefixAndShortTexts) {
  MText(10, 20, 100, 40, kTextEmbossed, 0, "XYrest");
  Calls texts = Texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(std::tuple(texts[0].text, texts[0].args, ColourOf(texts[0].state)),
            std::tuple(std::string("XY"), Pos{16, 22}, Rgb{50, 50, 50}));
  EXPECT_EQ(std::tuple(texts[1].text, texts[1].args, ColourOf(texts[1].state)),
            std::tuple(std::string("XY"), Pos{16, 21}, Rgb{220, 220, 220}));
  EXPECT_EQ(std::tuple(texts[2].text, texts[2].args), std::tuple(std::string("rest"), Pos{10, 20}));

  // Fewer than two characters: the prefix is what there is, the main text empty.
  recorder.Clear();
  MText(0, 0, 10, 10, kTextStacked, 0, "Q");
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_EQ(Texts()[0].text, "Q");
  recorder.Clear();
  MText(0, 0, 10, 10, kTextStacked | kTextEmbossed | kTextUnderline, 0, "");
  EXPECT_TRUE(Texts().empty());
}

TEST_F(CaptionTest, RaiseAndAnUnderlineAcrossTheWholeBox) {
  MText(10, 50, 120, 30, kTextRaise | kTextUnderline, 0, "Under");
  EXPECT_EQ(Main().args, (Pos{10, 42}));
  Calls lines = recorder.CallsOf(TDrawCallKind::Line);
  ASSERT_EQ(lines.size(), 1u);
  const float at = static_cast<float>(42 + Height());
  EXPECT_EQ(std::vector<float>(lines[0].args.begin(), lines[0].args.begin() + 4),
            (Pos{10, at, 130, at}));

  // Measured again in the large font for a large caption.
  recorder.Clear();
  MText(10, 50, 120, 30, kTextLarge | kTextUnderline, 0, "Under");
  lines = recorder.CallsOf(TDrawCallKind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].args[1], static_cast<float>(46 + ImageFont2->Height()));
}

TEST_F(CaptionTest, SizeVariantsPickScaleFontAndTheSizesTheAlignmentUses) {
  const std::string text = "Caption";
  const int tw = Width(text);
  const int th = Height();
  struct Variant {
    int style;
    float scaleX, scaleY;
    bool large;
    int width, height, raise;  // the sizes that centre it, and its shift up
  };
  const std::vector<Variant> variants = {
      {kTextLargeOne, 1, 1, true, 2 * tw, 2 * th, 0},
      {kTextLargeOne | kTextSmall | kTextLarge, 1, 1, true, 2 * tw, 2 * th, 0},  // 0x40 wins
      {kTextNarrow, 0.5f, 1, true, tw, 2 * th, 0},
      {kTextSmall, 0.75f, 0.75f, false, static_cast<int>(tw * 0.75f), static_cast<int>(th * 0.75f), 0},
      {kTextNarrow | kTextLarge | kTextSmall, 0.75f, 0.75f, false, static_cast<int>(tw * 0.75f),
       static_cast<int>(th * 0.75f), 0},  // small is tested before large
      {kTextLarge | kTextNarrow, 1, 2, true, 2 * tw, 2 * th, 2 + th},
      {kTextLarge | kTextLargeSmall, 0.8f, 1.5f, true, static_cast<int>(tw * 0.8f), 2 * th, 8},
      {kTextLarge | kTextLargeSmall | kTextLargeTall, 0.8f, 1.5f, true, static_cast<int>(tw * 0.8f),
       2 * th, 8},
      {kTextLarge | kTextLargeTall, 1, 1.5f, true, 2 * tw, 2 * th, 8},
      {kTextLarge, 1, 1, true, 2 * tw, 2 * th, 4},
  };
  const int x = 10, y = 100, w = 301, h = 81;
  for (const Variant& v : variants) {
    recorder.Clear();
    SetImageFont(ImageFont);
    MText(x, y, w, h, v.style, kAlignCentre | kAlignMiddle, text);
    const TDrawCall main = Main();
    const float px = static_cast<float>(x + std::trunc((w - v.width) / 2.0));
    const float py = static_cast<float>(y - v.raise + std::trunc((h - v.height) / 2.0));
    EXPECT_EQ(main.args, (Pos{px, py})) << std::hex << v.style;
    EXPECT_EQ(std::tuple(main.state.scaleX, main.state.scaleY), std::tuple(v.scaleX, v.scaleY))
        << std::hex << v.style;
    EXPECT_EQ(main.font, v.large ? ImageFont2.get() : ImageFont.get()) << std::hex << v.style;
    float sx, sy;
    GetScale(sx, sy);
    EXPECT_EQ(std::tuple(sx, sy), std::tuple(1.0f, 1.0f)) << std::hex << v.style;
    EXPECT_EQ(GetImageFont(), ImageFont) << std::hex << v.style;
  }
  // The small variant leaves the caller's font alone, whichever it was.
  SetImageFont(ImageFont2);
  MText(0, 0, 10, 10, kTextSmall, 0, text);
  EXPECT_EQ(GetImageFont(), ImageFont2);
}

TEST_F(CaptionTest, ShadowTwoPixelsBelowAtAQuarterOfTheMasterAlpha) {
  MAlpha(0.5f);
  MText(10, 20, 100, 20, kTextShadow, 0, "Hi");
  const Calls texts = Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(std::tuple(texts[0].args, ColourOf(texts[0].state), texts[0].state.alpha),
            std::tuple(Pos{10, 22}, Rgb{0, 0, 0}, 0.125f));
  EXPECT_EQ(std::tuple(texts[1].args, ColourOf(texts[1].state), texts[1].state.alpha),
            std::tuple(Pos{10, 20}, Rgb{255, 255, 255}, 0.5f));
  EXPECT_EQ(GetAlpha(), 0.5f);
}


TEST_F(CaptionTest, TheColourCodeColoursTheTextButNotItsShadow) {
  struct Case {
    int code;
    Rgb colour;
  };
  for (const Case& c : {Case{5, {230, 10, 0}}, Case{12, {40, 210, 40}}, Case{41, {30, 30, 30}}}) {
    recorder.Clear();
    SetColor(1, 2, 3);
    MText(0, 0, 100, 20, (c.code << kColorCodeShift) | kTextShadow | kTextSmall, 0, "Hi");
    const Calls texts = Texts();
    ASSERT_EQ(texts.size(), 2u) << c.code;
    EXPECT_EQ(ColourOf(texts[0].state), (Rgb{0, 0, 0})) << c.code;
    EXPECT_EQ(ColourOf(texts[1].state), c.colour) << c.code;
    EXPECT_EQ(texts[1].text, "Hi") << c.code;
  }
}

}  // namespace
