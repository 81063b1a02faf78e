#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "text/Case.h"
#include "text/Cp1252.h"
#include "text/LineFile.h"
#include "text/Trim.h"
#include "text/ZStream.h"

using namespace vyr;

TEST(Cp1252, EveryByteSurvivesTheRoundTripAndHasItsOwnCodePoint) {
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  const QString u = ToUnicode(all);
  ASSERT_EQ(u.size(), 256);
  EXPECT_EQ(FromUnicode(u), all);
  std::vector<char16_t> points(u.utf16(), u.utf16() + 256);
  std::sort(points.begin(), points.end());
  EXPECT_EQ(std::adjacent_find(points.begin(), points.end()), points.end());
}

TEST(Cp1252, KnownCharactersAndMissingOnes) {
  EXPECT_EQ(ToUnicode("\xA7"), u"§"_qs);
  EXPECT_EQ(ToUnicode("\x80"), u"€"_qs);
  EXPECT_EQ(ToUnicode("\xDF"), u"ß"_qs);
  EXPECT_EQ(FromUnicode(u"Straße €"_qs),
            "Stra\xDF"
            "e \x80");
  // Omega, an arrow and an emoji are not in Windows-1252; the emoji is one character.
  EXPECT_EQ(FromUnicode(QString::fromUtf8("\xCE\xA9\xE2\x86\x92\xF0\x9F\x98\x80")), "???");
  // Narrow literals are Windows-1252 here, so UTF-8 is written out in bytes.
  EXPECT_EQ(Utf8ToCp1252("M\xC3\xBCller"), "Müller");
  EXPECT_EQ(Cp1252ToUtf8("Müller"), "M\xC3\xBCller");
}

TEST(Case, UmlautsMapAndSharpSStays) {
  EXPECT_EQ(UpperCase("äöü straße œ š ÿ"), "ÄÖÜ STRAßE Œ Š Ÿ");
  EXPECT_EQ(LowerCase("ÄÖÜ STRAßE Œ Š Ÿ"), "äöü straße œ š ÿ");
  EXPECT_EQ(UpperCase("×÷µ"), "×÷µ");
  EXPECT_TRUE(SameText("Grundwortschatz", "GRUNDWORTSCHATZ"));
  EXPECT_TRUE(SameText("Übung", "üBUNG"));
  EXPECT_FALSE(SameText("ab", "abc"));
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_TRUE(StartsWithText("XE:\\a.wav", "xe:"));
  EXPECT_EQ(FindText("a <ex> b <EX>", "<Ex>"), 2u);
  EXPECT_EQ(FindText("a <ex> b <EX>", "<Ex>", 3), 9u);
  EXPECT_EQ(FindText("Übung", "üB"), 0u);
  EXPECT_EQ(FindText("ab", "abc"), std::string_view::npos);
}

TEST(Collation, GermanOrderIsDeterministic) {
  // Each row must sort before the next one.
  const std::vector<std::string> ordered = {"-",    "1",    "a",      "A",      "ä",      "Ä",       "Apfel",  "Äpfel",
                                            "Arzt", "b",    "Masse",  "Maße",   "Mast",   "muller",  "Müller", "Mutter",
                                            "oe",   "Öl",   "Ol",     "Oz",     "Straße", "Strasse", "Strauß", "uber",
                                            "über", "Ufer", "zahlen", "zählen", "Zug"};
  for (size_t i = 0; i + 1 < ordered.size(); ++i) {
    // "Straße" and "Strasse" share their base letters; the accent level decides.
    if (ordered[i] == "Straße") continue;
    if (ordered[i] == "Öl") continue;
    EXPECT_LT(CollateCompare(ordered[i], ordered[i + 1]), 0) << ordered[i] << " < " << ordered[i + 1];
    EXPECT_GT(CollateCompare(ordered[i + 1], ordered[i]), 0) << ordered[i + 1] << " > " << ordered[i];
  }
  EXPECT_LT(CollateCompare("Strasse", "Straße"), 0);  // the plain letters first
  EXPECT_LT(CollateCompare("Ol", "Öl"), 0);
  EXPECT_EQ(CollateCompare("Haus", "Haus"), 0);
  EXPECT_NE(CollateCompare("haus", "Haus"), 0);  // total order: case breaks the tie
}

TEST(Collation, SortingAndBinarySearchAgree) {
  std::vector<std::string> words = {"Zug", "Äpfel", "apple", "Öl", "oil", "über", "Straße", "café", "Cafe", "zählen"};
  std::sort(words.begin(), words.end(), CollateLess());
  for (const auto& w : words) EXPECT_TRUE(std::binary_search(words.begin(), words.end(), w, CollateLess())) << w;
}

TEST(Trim, BlanksAndControlCharactersGo) {
  EXPECT_EQ(Trim(" \t\r\n Haus \x01\x1F"), "Haus");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");  // the no-break space is a character
  EXPECT_EQ(TrimLeft("  a b "), "a b ");
  EXPECT_EQ(TrimRight("  a b "), "  a b");
}

TEST(ZStream, StringsRoundTripAndBrokenDataIsRefused) {
  const std::vector<std::string> strings = {"house", "Haus", "",
                                            "M\xFC"
                                            "ller"};
  const std::string packed = WriteZStrings(strings);
  const auto back = ReadZStrings(packed);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, strings);

  EXPECT_FALSE(ReadZStrings(packed.substr(0, packed.size() / 2)));  // truncated
  std::string corrupt = packed;
  corrupt[corrupt.size() / 2] ^= 0x55;
  EXPECT_FALSE(ReadZStrings(corrupt));
  EXPECT_FALSE(Inflate("not zlib at all"));
  EXPECT_FALSE(Inflate(""));
  // A small stream that inflates beyond the limit counts as broken.
  EXPECT_FALSE(Inflate(Deflate(std::string(100000, 'a')), 1000));
  EXPECT_EQ(SplitZStrings(std::string("a\0b", 3)), (std::vector<std::string>{"a", "b"}));
}

TEST(LineFile, AllLineEndsReadAndCrLfWritten) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitLines(""), std::vector<std::string>{});
  EXPECT_EQ(JoinLines({"a", "b"}), "a\r\nb\r\n");
}
