// Font enumeration.
#include <gtest/gtest.h>

#include <strings.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "TextTestUtil.h"

namespace {

using namespace win;

struct TSeen {
  std::string Face;
  std::string Style;
  DWORD Type;
  LONG Height;
  LONG TmHeight;
  LONG InternalLeading;
  BYTE PitchAndFamily;
  BYTE CharSet;
  DWORD NtmFlags;
};

int Collect(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD type, LPARAM data) {
  auto* out = reinterpret_cast<std::vector<TSeen>*>(data);
  const auto* elf = reinterpret_cast<const ENUMLOGFONTA*>(lf);
  const auto* ntm = reinterpret_cast<const NEWTEXTMETRICA*>(tm);
  out->push_back({lf->lfFaceName, reinterpret_cast<const char*>(elf->elfStyle), type, lf->lfHeight,
                  ntm->tmHeight, ntm->tmInternalLeading, tm->tmPitchAndFamily, lf->lfCharSet, ntm->ntmFlags});
  return 1;
}

int StopAtSecond(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM data) {
  int* n = reinterpret_cast<int*>(data);
  return ++*n < 2 ? 1 : 0;
}

TEST(FontEnum, FamiliesListPinnedAndSubstitutedNamesSorted) {
  std::vector<TSeen> seen;
  EXPECT_EQ(EnumFontFamiliesA(nullptr, nullptr, Collect, reinterpret_cast<LPARAM>(&seen)), 1);
  ASSERT_GT(seen.size(), 10u);
  std::vector<std::string> names;
  for (const TSeen& s : seen) names.push_back(s.Face);
  auto has = [&](const char* n) { return std::find(names.begin(), names.end(), n) != names.end(); };
  for (const char* n : {"Arial", "MS Sans Serif", "Small Fonts", "Courier New", "Times New Roman", "Tahoma",
                        "Marlett", "System", "Verdana", "Helv", "MS Serif"})
    EXPECT_TRUE(has(n)) << n;
  EXPECT_FALSE(has("Liberation Sans"));  // the files' own names stay hidden
  EXPECT_FALSE(has("DejaVu Sans"));
  // Case-insensitively sorted, each name once.
  for (size_t i = 1; i < names.size(); ++i) EXPECT_LT(strcasecmp(names[i - 1].c_str(), names[i].c_str()), 0);
  // Type bits: TrueType for outline faces, raster for bitmap faces.
  for (const TSeen& s : seen) {
    if (s.Face == "Arial" || s.Face == "Verdana") {
      EXPECT_EQ(s.Type, DWORD(TRUETYPE_FONTTYPE));
      EXPECT_NE(s.PitchAndFamily & TMPF_TRUETYPE, 0);
    }
    if (s.Face == "MS Sans Serif" || s.Face == "Small Fonts" || s.Face == "Helv") {
      EXPECT_EQ(s.Type, DWORD(RASTER_FONTTYPE));
      EXPECT_EQ(s.PitchAndFamily & TMPF_TRUETYPE, 0);
    }
    if (s.Face == "Marlett") {
      EXPECT_EQ(s.CharSet, SYMBOL_CHARSET);
    }
  }
  // The same list every time.
  std::vector<TSeen> again;
  EnumFontFamiliesA(nullptr, nullptr, Collect, reinterpret_cast<LPARAM>(&again));
  ASSERT_EQ(again.size(), seen.size());
  for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(again[i].Face, seen[i].Face);
}

TEST(FontEnum, OneFamilyGivesStylesOrStrikeSizes) {
  std::vector<TSeen> arial;
  EnumFontFamiliesA(nullptr, "Arial", Collect, reinterpret_cast<LPARAM>(&arial));
  ASSERT_EQ(arial.size(), 4u);
  EXPECT_EQ(arial[0].Style, "Regular");
  EXPECT_EQ(arial[0].NtmFlags, NTM_REGULAR);
  EXPECT_EQ(arial[3].Style, "Bold Italic");

  std::vector<TSeen> ms;
  EnumFontFamiliesA(nullptr, "MS Sans Serif", Collect, reinterpret_cast<LPARAM>(&ms));
  ASSERT_EQ(ms.size(), 3u);
  // The sizes a font size list derives: (tmHeight - tmInternalLeading) * 72 / 96 points,
  // rounded: the face's 8, 10 and 12 points.
  std::vector<long> points;
  for (const TSeen& s : ms) points.push_back(std::lround((s.TmHeight - s.InternalLeading) * 72 / 96.0));
  EXPECT_EQ(points, (std::vector<long>{8, 10, 12}));

  std::vector<TSeen> none;
  EXPECT_EQ(EnumFontFamiliesA(nullptr, "No Such Face", Collect, reinterpret_cast<LPARAM>(&none)), 1);
  EXPECT_TRUE(none.empty());
}

TEST(FontEnum, ExFormFiltersByCharSetAndStops) {
  LOGFONTA lf;
  lf.lfCharSet = SYMBOL_CHARSET;
  std::vector<TSeen> symbols;
  EnumFontFamiliesExA(nullptr, &lf, Collect, reinterpret_cast<LPARAM>(&symbols), 0);
  ASSERT_FALSE(symbols.empty());
  for (const TSeen& s : symbols) EXPECT_EQ(s.CharSet, SYMBOL_CHARSET) << s.Face;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::vector<TSeen> all;
  EnumFontFamiliesExA(nullptr, &lf, Collect, reinterpret_cast<LPARAM>(&all), 0);
  EXPECT_GT(all.size(), symbols.size());
  // A zero from the callback stops the enumeration and is returned.
  int calls = 0;
  EXPECT_EQ(EnumFontsA(nullptr, nullptr, StopAtSecond, reinterpret_cast<LPARAM>(&calls)), 0);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(EnumFontFamiliesA(nullptr, nullptr, nullptr, 0), 0);
}

}  // namespace
