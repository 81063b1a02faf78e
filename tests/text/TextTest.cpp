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

TEST(CollateNoCase, ZeroExactlyForTextsEqualIgnoringCase) {
  // Every byte against its upper and lower case: equal; and the order
  // is the collation's except for the case tie-break.
  for (int i = 1; i < 256; ++i) {
    const std::string c(1, static_cast<char>(i));
    EXPECT_EQ(CollateCompareNoCase(c, UpperCase(c)), 0) << i;
    EXPECT_EQ(CollateCompareNoCase(LowerCase(c), c), 0) << i;
  }
  struct Case {
    const char* a;
    const char* b;
    int expected;
  } cases[] = {
      {"Haus", "haus", 0}, {"HÄUSER", "häuser", 0}, {"Straße", "STRAßE", 0},   {"Haus", "Häuser", -1},
      {"Ol", "öl", -1},    {"Öl", "ol", 1},         {"Strasse", "Straße", -1}, {"bank", "Bank (river)", -1},
      {"go", "Go ", -1},   {"", "a", -1},           {"a b", "ab", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CollateCompareNoCase(c.a, c.b), c.expected) << c.a << " / " << c.b;
    EXPECT_EQ(CollateCompareNoCase(c.b, c.a), -c.expected) << c.b << " / " << c.a;
  }
}

TEST(CollateNoCase, EveryTextIsFoundAtItsSortedPlace) {
  std::vector<std::string> texts = {"Äpfel", "apfel", "Apfel",  "zebra",   "Über",    "uber", "ober",
                                    "Öl",    "ol",    "Straße", "strasse", "STRASSE", "a",    "A",
                                    "",      "ä",     "b",      "mate",    "Mate"};
  std::stable_sort(texts.begin(), texts.end(),
                   [](const std::string& a, const std::string& b) { return CollateCompareNoCase(a, b) < 0; });
  for (const std::string& t : texts) {
    auto it = std::lower_bound(texts.begin(), texts.end(), t, [](const std::string& a, const std::string& b) {
      return CollateCompareNoCase(a, b) < 0;
    });
    ASSERT_NE(it, texts.end()) << t;
    EXPECT_TRUE(SameText(*it, t)) << t << " found as " << *it;
    EXPECT_EQ(CollateCompareNoCase(UpperCase(t), *it), 0) << t;
  }
}

namespace {
std::string Inflated(std::string_view packed, size_t max, TInflateStatus& status) {
  std::string out;
  status = InflateStream(packed, max, [&out](std::string_view p) {
    out.append(p);
    return true;
  });
  return out;
}
}  // namespace

TEST(InflateStream, KeepsWhatCameBeforeACutOrDamageAndStopsAtItsCap) {
  std::string data;
  for (int i = 0; i < 20000; ++i)
    data += "word" + std::to_string(i) + '\0' + "XE:\\w" + std::to_string(i) + ".wav" + '\0';
  const std::string packed = Deflate(data);
  TInflateStatus status;
  EXPECT_EQ(Inflated(packed, 1u << 28, status), data);
  EXPECT_EQ(status, TInflateStatus::Complete);

  const std::string cut = Inflated(packed.substr(0, packed.size() / 2), 1u << 28, status);
  EXPECT_EQ(status, TInflateStatus::Damaged);
  EXPECT_GT(cut.size(), data.size() / 4);
  EXPECT_EQ(data.compare(0, cut.size(), cut), 0);

  std::string broken = packed;
  broken[broken.size() / 2] ^= 0x55;
  const std::string beforeDamage = Inflated(broken, 1u << 28, status);
  EXPECT_NE(status, TInflateStatus::Complete);

  EXPECT_EQ(Inflated(packed, 1000, status).size(), 1000u);
  EXPECT_EQ(status, TInflateStatus::TooLarge);

  EXPECT_EQ(Inflated("", 1000, status), "");
  EXPECT_EQ(status, TInflateStatus::Damaged);
  EXPECT_EQ(Inflated("not zlib at all", 1000, status), "");
  EXPECT_EQ(status, TInflateStatus::Damaged);
}

TEST(InflateStream, AZipBombStopsAtTheCap) {
  const std::string packed = Deflate(std::string(64u << 20, 'a'));  // 64 MiB of one letter, some 64 KiB packed
  TInflateStatus status;
  size_t total = 0;
  status = InflateStream(packed, 1u << 20, [&total](std::string_view p) {
    total += p.size();
    return true;
  });
  EXPECT_EQ(status, TInflateStatus::TooLarge);
  EXPECT_EQ(total, 1u << 20);
}
