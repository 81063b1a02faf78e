#include <gtest/gtest.h>

#include "superlearning/options/OptionMappings.h"
#include "tests/common/TempDir.h"

namespace vyr {
namespace {

TEST(FrameDelayScale, StrictlyIncreasingAndBackAgain) {
  int before = 0;
  for (int p = 1; p <= kFrameDelayPositions; ++p) {
    const int t = FrameDelayMs(p);
    EXPECT_GT(t, before) << p;
    EXPECT_LE(t, 100000) << p;
    EXPECT_EQ(FrameDelayPosition(t), p) << p;
    before = t;
  }
  // The joins of the segments, the stored positions kept, the new top.
  struct Case {
    int position, ms;
  };
  for (const Case& c : {Case{1, 20}, Case{49, 980}, Case{50, 1000}, Case{90, 5000}, Case{91, 5500}, Case{140, 30000},
                        Case{141, 35000}, Case{154, 100000}})
    EXPECT_EQ(FrameDelayMs(c.position), c.ms) << c.position;
  // Stored values off the scale land within the slider.
  EXPECT_EQ(FrameDelayPosition(0), 1);
  EXPECT_EQ(FrameDelayPosition(240000), kFrameDelayPositions);
  EXPECT_EQ(FrameDelayPosition(4000), 80);
}

TEST(FrameDelayScale, Labels) {
  EXPECT_EQ(FrameDelayLabel(980), "980 ms");
  EXPECT_EQ(FrameDelayLabel(5500), "5,5 s");
  EXPECT_EQ(FrameDelayLabel(30000), "30 s");
  EXPECT_EQ(FrameDelayLabel(65000), "1:05 min");
  EXPECT_EQ(FrameDelayLabel(100000), "1:40 min");
}

TEST(TextDelay, ParsedWithEitherSeparatorAndLimited) {
  struct Case {
    const char* text;
    int ms;
  };
  for (const Case& c : {Case{"2,5", 2500}, Case{"2.5", 2500}, Case{" 3,0 ", 3000}, Case{"abc", 0}, Case{"-3", 0},
                        Case{"99999999", 100000}, Case{"1e400", 0}, Case{"", 0}, Case{"2,5,1", 0}, Case{"0,0005", 1}})
    EXPECT_EQ(ParseTextDelay(c.text), c.ms) << c.text;
  EXPECT_EQ(FormatTextDelay(3000), "3,0");
  EXPECT_EQ(ParseTextDelay(FormatTextDelay(500)), 500);
}

TEST(Intervals, BothWays) {
  struct Case {
    int seconds;
    const char* text;
  };
  for (const Case& c : {Case{30, "30 Sekunden"}, Case{60, "1 Minute"}, Case{120, "2 Minuten"}, Case{600, "10 Minuten"},
                        Case{1200, "20 Minuten"}}) {
    EXPECT_EQ(IntervalText(c.seconds), c.text);
    EXPECT_EQ(ParseInterval(c.text), c.seconds);
  }
  EXPECT_EQ(IntervalText(90), "1 Minuten");  // not in the list: the dialog leaves it unselected
  for (const char* bad : {"", "Minuten", "x Minuten", "1 minute", "5 Stunden", "-2 Minuten", "99999999999 Sekunden"})
    EXPECT_EQ(ParseInterval(bad), 0) << bad;
}

TEST(ColourTexts, ReadAnyCaseWriteUpperCase) {
  EXPECT_EQ(ColourText(0x990099), "990099");
  EXPECT_EQ(ColourText(0xab), "0000AB");
  EXPECT_EQ(ParseColourText("00ff7f"), 0x00FF7F);
  EXPECT_EQ(ParseColourText("FF"), 0xFF);
  EXPECT_EQ(ParseColourText("1234567"), 0x234567);
  EXPECT_EQ(ParseColourText("FFFFFFFFFFFFFFFFFFFF"), 0xFFFFFF);
  for (const char* bad : {"", "xyz", "#FFFFFF", "$FF", " FF", "-1"}) EXPECT_FALSE(ParseColourText(bad)) << bad;
  EXPECT_EQ(SwapRedBlue(0x123456), 0x563412);
}

TEST(TechnoPreview, MarkupOfThreeSettings) {
  test::TTempDir dir;
  dir.file("Bilder\\vorschau.jpg", "x");
  TTechnoPreview p;
  // Defaults without a picture: no picture box; a border of 100 of 534 pixels.
  p.font = "Verdana";
  EXPECT_EQ(TechnoPreviewMarkup(p),
            "<body bgcolor=#000000 text=#FFFFFF><box coords=0,0,160,18 color=#0 top>"
            "<box coords=0,82,160,18 color=#0 top><box coords=0,40,160 align=m>"
            "<font face=\"Verdana, courier new\" size=2>*vyr techno");
  // A picture folder with its preview, effect and transparency; no border.
  p.pictureDir = dir.path() + "Bilder\\";
  p.mode = 7;
  p.transparency = 50;
  p.tint = 0x0A0B0C;
  p.border = 0;
  p.background = 0x123456;
  EXPECT_EQ(TechnoPreviewMarkup(p), "<body bgcolor=#123456 text=#FFFFFF><box coords=0,0,160><img src=\"" +
                                        p.pictureDir +
                                        "vorschau.jpg\" color=#0A0B0C mode=7 transparent=127>"
                                        "<box coords=0,40,160 align=m><font face=\"Verdana, courier new\" size=2>"
                                        "*vyr techno");
  // A font name cannot end the attribute or the tag.
  p.font = "Evil\"><a href=\"§end";
  const std::string m = TechnoPreviewMarkup(p);
  EXPECT_EQ(m.find("\"><a"), std::string::npos) << m;
}

}  // namespace
}  // namespace vyr
