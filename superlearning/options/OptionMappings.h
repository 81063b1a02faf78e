#pragma once
// How the superlearning settings meet the controls of their dialog and the
// registry: the frame-delay scale, the text-delay and interval texts, the
// colour texts and orders, and the markup of the Techno preview.
#include <optional>
#include <string>
#include <string_view>

namespace vyr {

// The frame-delay slider (1..kFrameDelayPositions) and milliseconds: 20 ms
// steps below 1 s, 100 ms steps to 5 s, 500 ms steps to 30 s, then 5 s
// steps up to 100 s. Strictly increasing; FrameDelayPosition(FrameDelayMs(p)) == p.
inline constexpr int kFrameDelayPositions = 154;
int FrameDelayMs(int position);
int FrameDelayPosition(int ms);  // the position at or below ms, within the slider
// "980 ms", "5,5 s", "1:05 min".
std::string FrameDelayLabel(int ms);

// The Techno text delay in seconds as typed ("2,5" or "2.5") to milliseconds:
// unreadable text gives 0; the seconds are limited to 0..100 before they
// are multiplied, so no text can overflow or go negative.
int ParseTextDelay(std::string_view text);
// Milliseconds as the list shows them: "3,0".
std::string FormatTextDelay(int ms);
// The items of the text-delay list.
inline constexpr const char* kTextDelayItems[] = {"0,5", "1,0", "1,5", "2,0", "2,5", "3,0",
                                                  "3,5", "4,0", "5,0", "6,0", "7,0", "8,0"};

// Background change intervals: "30 Sekunden", "1 Minute", "10 Minuten";
// text that is none of these forms gives 0.
std::string IntervalText(int seconds);
int ParseInterval(std::string_view text);
inline constexpr const char* kIntervalItems[] = {"30 Sekunden", "1 Minute",  "2 Minuten",  "3 Minuten",
                                                 "4 Minuten",   "5 Minuten", "10 Minuten", "20 Minuten"};

// "%g" of a number with a decimal comma: "2,5", "4".
std::string FormatDecimal(double value);

// Colour texts of the registry: hexadecimal without a prefix, upper case,
// at least six digits. Reading accepts either case and keeps the low 24
// bits; anything but hexadecimal digits fails.
std::string ColourText(int colour);
std::optional<int> ParseColourText(std::string_view text);
// Between the colour order of pages (red in the low byte) and web order.
int SwapRedBlue(int colour);
// "#RRGGBB" of a web-order colour.
std::string WebColour(int rgb);

// What the Techno preview shows (colours in web order).
struct TTechnoPreview {
  int background = 0, text = 0xFFFFFF, tint = 0x990099;
  std::string pictureDir;  // with "\"; its "vorschau.jpg" is shown when it exists
  int mode = 0;
  int transparency = 40;  // percent
  int border = 100;       // pixels of 534
  std::string font;
  int height = 100;  // of the preview control
};
std::string TechnoPreviewMarkup(const TTechnoPreview& p);

}  // namespace vyr
