// The klassisch style on the fake clock: what it shows, how long its fades
// last, what it draws, and the recordings it opens and releases.
#include <set>

#include "tests/superlearning/presentation/PresentationFixture.h"

namespace vyr::test {
namespace {

using KlassischTest = PresentationTest;

TEST_F(KlassischTest, EachFadeLastsAsTheFactorSays) {
  struct Case {
    int factor;
    uint32_t fade;
  };
  for (const Case c : {Case{500, 300}, Case{100, 1500}, Case{20, 7500}}) {
    SCOPED_TRACE(c.factor);
    options->Set(&TSuperSettings::KlassikFaktor, c.factor);
    std::vector<TSuperFade::TFade> fades;
    const uint32_t cycle = 7 * c.fade + 9 * TSuperFade::kStepMs;
    clock.clock.At(TickCount() + cycle + 50, [&] {
      fades = fade->Fades();
      driver->StopPresentation();
    });
    main->PageCommand("gosuper");
    ASSERT_EQ(fades.size(), 7u);
    for (const TSuperFade::TFade& f : fades) {
      EXPECT_GE(f.end - f.start, c.fade);
      EXPECT_LE(f.end - f.start, c.fade + TSuperFade::kFrameMs);
    }
    EXPECT_EQ(Shown(), "vokabeln.htx");
    EXPECT_FALSE(main->PresentationRunning());
  }
}

TEST_F(KlassischTest, TextsFadesAndCycleAtNormalSpeed) {
  std::vector<std::string> texts;
  std::vector<TSuperFade::TFade> fades;
  const uint32_t t0 = TickCount();
  clock.clock.At(t0 + 2 * 11400 + 150, [&] {  // just after the third cycle began
    texts = fade->Texts();
    fades = fade->Fades();
    driver->StopPresentation();
  });
  main->PageCommand("gosuper");
  EXPECT_EQ(texts, (std::vector<std::string>{"dog", "Hund", "cat", "Katze", "sun"}));
  ASSERT_GE(fades.size(), 14u);
  for (size_t i = 0; i < 14; ++i) {
    const uint32_t length = fades[i].end - fades[i].start;
    EXPECT_GE(length, 1500u) << i;
    EXPECT_LE(length, 1500u + TSuperFade::kFrameMs) << i;  // within one frame
  }
  // Seven fades and nine steps make one cycle: the first fade of the second
  // cycle starts 11.4 s after the first.
  EXPECT_EQ(fades[7].start - fades[0].start, 11400u);
  EXPECT_EQ(Shown(), "vokabeln.htx");
}

TEST_F(KlassischTest, SlowFramesAreDroppedAndTheFadeStillEndsOnTime) {
  clock.clock.frameCost = 60;
  std::vector<TSuperFade::TFade> fades;
  clock.clock.At(TickCount() + 4000, [&] {
    fades = fade->Fades();
    driver->StopPresentation();
  });
  main->PageCommand("gosuper");
  ASSERT_GE(fades.size(), 2u);
  EXPECT_LE(fades[0].end - fades[0].start, 1500u + 60u);
  EXPECT_GE(fades[0].end - fades[0].start, 1500u);
  EXPECT_LE(fades[0].frames, 1500 / 60 + 1);  // 10 ms frames would be 150
  EXPECT_GE(fades[0].frames, 20);
}

TEST_F(KlassischTest, OneBandOfAQuarterOfTheScreenAndWhiteOnBlackWithoutBackground) {
  QImage screen;
  int top = -1;
  clock.clock.At(TickCount() + 700, [&] {
    screen = fade->Screen().copy();
    top = fade->BandTop();
  });
  clock.clock.At(TickCount() + 800, [&] { driver->StopPresentation(); });
  main->PageCommand("gosuper");
  ASSERT_EQ(screen.size(), QSize(1024, 768));
  // Rows that are not black: exactly the band's 192, over the full width.
  int coloured = 0, first = -1;
  for (int y = 0; y < screen.height(); ++y) {
    bool any = false;
    for (int x : {0, 512, 1023}) any |= (screen.pixel(x, y) & 0xFFFFFF) != 0;
    if (any) {
      ++coloured;
      if (first < 0) first = y;
    }
  }
  EXPECT_EQ(coloured, 192);
  EXPECT_EQ(first, top);

  // Without background in black and white: white text, black band.
  options->Set(&TSuperSettings::OhneHintergrund, true);
  options->Set(&TSuperSettings::SchwarzWeiss, true);
  clock.clock.At(TickCount() + 1 + 3 * 1600 - 10, [&] {  // the end of step 2
    screen = fade->Screen().copy();
    top = fade->BandTop();
  });
  RunUntil(3 * 1600 + 50);
  std::set<QRgb> colours;
  for (int y = top; y < top + 192; ++y)
    for (int x = 0; x < 1024; ++x) colours.insert(screen.pixel(x, y) & 0xFFFFFF);
  EXPECT_TRUE(colours.count(0));
  EXPECT_TRUE(colours.count(0xFFFFFF) || colours.count(0xFEFEFE));
  for (QRgb c : colours) EXPECT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)) << std::hex << c;
}

TEST_F(KlassischTest, TheWordsRecordingOpensAtStepZeroAndPlaysAfterStepOne) {
  std::vector<std::string> afterStep0, afterStep1;
  const uint32_t t0 = TickCount();
  clock.clock.At(t0 + 100 + 1000, [&] { afterStep0 = Recordings(); });
  clock.clock.At(t0 + 2 * 1600 + 50, [&] {
    afterStep1 = Recordings();
    driver->StopPresentation();
  });
  main->PageCommand("gosuper");
  ASSERT_FALSE(afterStep0.empty());
  EXPECT_EQ(afterStep0.front(), "open dog.wav");
  EXPECT_EQ(std::count(afterStep0.begin(), afterStep0.end(), "play"), 0);
  EXPECT_EQ(std::count(afterStep1.begin(), afterStep1.end(), "play"), 1);
}

}  // namespace
}  // namespace vyr::test
