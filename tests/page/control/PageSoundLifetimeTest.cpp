#include "page/control/PageSound.h"
#include "platform/desktop/Sound.h"
#include "tests/common/SoundFiles.h"
#include "tests/page/control/ControlFixture.h"

namespace vyr::test {
namespace {

using PageSoundLifetimeTest = ControlFixture;

// A page's sound ends with the page: reading the next page and destroying
// the page control close "welle".
TEST_F(PageSoundLifetimeTest, ThePageSoundEndsWithThePage) {
  const std::string song = dir.file("lied.mp3", TinyMp3());
  Page("a.html", "<a href=\"lied.mp3\">Lied</a>");
  Page("b.html", "<a href=\"a.html\">zur&uuml;ck</a>");
  ASSERT_TRUE(Open("a.html"));
  ClearSilentSoundEvents();
  Click("lied.mp3");
  ASSERT_EQ(SilentSoundEvents().size(), 2u);  // open, play
  ASSERT_TRUE(Open("b.html"));
  ASSERT_EQ(SilentSoundEvents().size(), 3u);
  EXPECT_EQ(SilentSoundEvents().back().verb, "close");
  EXPECT_EQ(SilentSoundEvents().back().alias, "welle");

  auto other = std::make_unique<TXPage>();
  ASSERT_TRUE(PlayPageSound(song));
  ClearSilentSoundEvents();
  other.reset();
  ASSERT_EQ(SilentSoundEvents().size(), 1u);
  EXPECT_EQ(SilentSoundEvents().back().verb, "close");
}

}  // namespace
}  // namespace vyr::test
