// The font catalogue, substitution, realisation, the glyph cache and font enumeration.
#include <gtest/gtest.h>

#include <strings.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <set>

#include "TextTestUtil.h"
#include "platform/text/FontEngine.h"

namespace {

using namespace win;
using namespace win::fontengine;
using texttest::Canvas;

std::shared_ptr<TRealizedFont> Realize(const char* face, int height, int weight = 400,
                                       bool italic = false, int escapement = 0, int width = 0) {
  TFontRequest r;
  r.FaceName = face;
  r.Height = height;
  r.Weight = weight;
  r.Italic = italic;
  r.Escapement = escapement;
  r.Width = width;
  return RealizeFont(r);
}

TEST(FontCatalogue, PinnedFacesFromThePackageFoldersOnlyInAStableOrder) {
  ASSERT_TRUE(FontsAvailable());
  const std::vector<TCatalogFace> faces = CatalogFaces();
  std::map<std::string, TCatalogFace> byName;
  for (const TCatalogFace& f : faces) {
    byName[f.FaceName] = f;
    // No host font leaks in: every file comes from the font packages' folders.
    EXPECT_TRUE(f.File.rfind("/usr/share/wine/fonts/", 0) == 0 ||
                f.File.rfind("/usr/share/fonts/truetype/liberation", 0) == 0)
        << f.FaceName << " from " << f.File;
    EXPECT_FALSE(f.Styles.empty()) << f.FaceName;
  }
  for (const char* n : {"MS Sans Serif", "Small Fonts", "Marlett", "Courier", "System", "Arial",
                        "Times New Roman", "Courier New", "Tahoma"})
    EXPECT_TRUE(byName.count(n)) << n;
  EXPECT_TRUE(byName["MS Sans Serif"].Raster);
  EXPECT_EQ(byName["MS Sans Serif"].StrikeHeights, (std::vector<int32_t>{13, 16, 20}));
  EXPECT_TRUE(byName["Small Fonts"].Raster);
  EXPECT_TRUE(byName["Arial"].TrueType);
  EXPECT_EQ(byName["Arial"].Styles.size(), 4u);  // regular, bold, italic, bold italic
  const std::vector<TCatalogFace> again = CatalogFaces();
  ASSERT_EQ(again.size(), faces.size());
  for (size_t i = 0; i < faces.size(); ++i) EXPECT_EQ(again[i].FaceName, faces[i].FaceName);
}

TEST(FontSubstitution, MapsKnownAndUnknownNamesOntoPinnedFaces) {
  // Case does not matter; the empty name is the dialog face; unknown names go by family and
  // pitch.
  const struct {
    const char* From;
    uint8_t PitchAndFamily;
    const char* To;
  } cases[] = {{"Arial", 0, "Arial"},
               {"arial", 0, "Arial"},
               {"Helv", 0, "MS Sans Serif"},
               {"Verdana", 0, "Tahoma"},
               {"MS Serif", 0, "Times New Roman"},
               {"Times", 0, "Times New Roman"},
               {"Lucida Console", 0, "Courier New"},
               {"Arial Black", 0, "Arial"},
               {"Wingdings", 0, "Wingdings"},
               {"Symbol", 0, "Symbol"},
               {"", 0, "MS Sans Serif"},
               {"DejaVu Sans", 0, "Arial"},
               {"No Such Face", FF_ROMAN, "Times New Roman"},
               {"No Such Face", FF_MODERN | FIXED_PITCH, "Courier New"}};
  for (const auto& k : cases)
    EXPECT_EQ(ResolveFaceName(k.From, k.PitchAndFamily, 0), k.To) << k.From;
  // Every substituted name lands on a face of the catalogue.
  std::set<std::string> pinned;
  for (const TCatalogFace& f : CatalogFaces()) pinned.insert(f.FaceName);
  for (auto& [from, to] : SubstitutedNames()) {
    EXPECT_TRUE(pinned.count(to)) << from;
    EXPECT_EQ(ResolveFaceName(from, 0, 0), to);
  }
}

TEST(FontRealisation, RasterStrikesAndFixedMetricsFromTheFontTables) {
  // Taken from the faces' tables (not from hinting), so they stay put across renderers.
  const struct {
    const char* Face;
    int Height, Ascent, Descent, Leading, Average;
  } cases[] = {{"MS Sans Serif", 13, 11, 2, 2, 5},  // the strike
               {"Tahoma", 13, 11, 2, 2, 5},         // the dialog face at 8 points
               {"Arial", 12, 10, 2, 1, 5},
               {"Times New Roman", 12, 10, 2, 1, 4},
               {"Courier New", 12, 9, 3, 1, 7}};
  for (const auto& k : cases) {
    const TFontMetrics& m = Realize(k.Face, -11)->Metrics();
    EXPECT_EQ((std::vector<int>{m.Height, m.Ascent, m.Descent, m.InternalLeading, m.AveCharWidth}),
              (std::vector<int>{k.Height, k.Ascent, k.Descent, k.Leading, k.Average}))
        << k.Face;
  }
  auto ms = Realize("MS Sans Serif", -11);
  EXPECT_TRUE(ms->IsRaster());
  EXPECT_EQ(ms->Metrics().ExternalLeading, 0);
  EXPECT_EQ(ms->Metrics().PitchAndFamily & TMPF_TRUETYPE, 0);
  // The cell height asks for the same strike; larger requests pick larger strikes, far larger
  // ones magnify.
  for (auto [request, height] : {std::pair{13, 13}, {-13, 16}, {-16, 20}, {-32, 40}})
    EXPECT_EQ(Realize("MS Sans Serif", request)->Metrics().Height, height) << request;
  // A width asks for wider glyphs in proportion.
  auto plain = Realize("Arial", -20);
  auto stretched = Realize("Arial", -20, 400, false, 0, 2 * plain->Metrics().AveCharWidth);
  EXPECT_EQ(stretched->Metrics().Height, plain->Metrics().Height);
  EXPECT_GT(stretched->Advance('M'), plain->Advance('M') * 3 / 2);
}

TEST(FontRealisation, OutlineMetricsAreConsistent) {
  for (const char* face : {"Arial", "Times New Roman", "Courier New", "Tahoma"}) {
    for (int h : {-8, -11, -13, -16, -24, -40}) {
      auto f = Realize(face, h);
      const TFontMetrics& m = f->Metrics();
      SCOPED_TRACE(std::string(face) + " " + std::to_string(h));
      EXPECT_TRUE(f->IsTrueType());
      EXPECT_NE(m.PitchAndFamily & TMPF_TRUETYPE, 0);
      EXPECT_EQ(m.Height, m.Ascent + m.Descent);
      EXPECT_EQ(m.Height - m.InternalLeading, -h);  // the em height is what was asked
      EXPECT_GT(m.AveCharWidth, 0);
      EXPECT_GE(m.MaxCharWidth, m.AveCharWidth);
      EXPECT_LE(m.UnderlinePos + m.UnderlineSize, m.Descent);
    }
    EXPECT_NEAR(Realize(face, 20)->Metrics().Height, 20, 1) << face;  // the cell height
  }
  // Fixed pitch: every character has the same advance; the pitch bit says variable.
  auto mono = Realize("Courier New", -13);
  EXPECT_EQ(mono->Advance('i'), mono->Advance('W'));
  EXPECT_EQ(mono->Metrics().PitchAndFamily & TMPF_FIXED_PITCH, 0);
  EXPECT_NE(Realize("Arial", -13)->Metrics().PitchAndFamily & TMPF_FIXED_PITCH, 0);
}

TEST(FontRealisation, StylesAndSyntheticBold) {
  auto regular = Realize("Arial", -13);
  EXPECT_EQ(regular->Metrics().Weight, 400);
  EXPECT_EQ(Realize("Arial", -13, 700)->Metrics().Weight, 700);
  EXPECT_EQ(Realize("Arial", -13, 600)->Metrics().Weight, 700);  // 600 is bold already
  EXPECT_EQ(Realize("Arial", -13).get(), regular.get());  // identical requests share one font
  // Raster faces have no bold file: emboldened by one pixel per character; italic glyphs lean.
  auto ms = Realize("MS Sans Serif", -11), msBold = Realize("MS Sans Serif", -11, 700);
  EXPECT_EQ(msBold->Advance('A'), ms->Advance('A') + 1);
  EXPECT_EQ(msBold->Glyph('l').Width, ms->Glyph('l').Width + 1);
  EXPECT_GT(Realize("MS Sans Serif", -11, 400, true)->Glyph('l').Width, ms->Glyph('l').Width);
  // Bold really is bolder, also where a face's bold file carries unusable bitmap strikes.
  for (int h : {-11, -13, -16}) {
    auto plain = Realize("Tahoma", h), heavy = Realize("Tahoma", h, 700);
    int32_t wp = 0, wb = 0;
    for (char ch : std::string("Hello World")) {
      wp += plain->Advance(static_cast<uint8_t>(ch));
      wb += heavy->Advance(static_cast<uint8_t>(ch));
    }
    EXPECT_GT(wb, wp) << h;
  }
}

TEST(FontRealisation, RotationOnlyForOutlineFacesQualityChoosesAntialiasing) {
  auto rotated = Realize("Arial", -20, 400, false, 900);
  EXPECT_EQ(rotated->Escapement(), 900);
  EXPECT_GT(rotated->Glyph('-').Height, rotated->Glyph('-').Width);  // the dash stands up
  EXPECT_EQ(Realize("MS Sans Serif", -20, 400, false, 900)->Escapement(), 0);
  EXPECT_EQ(Realize("Arial", -20, 400, false, -900)->Escapement(), 2700);  // into 0..3599
  TFontRequest r;
  r.FaceName = "Arial";
  r.Height = -20;
  r.Quality = NONANTIALIASED_QUALITY;
  auto mono = RealizeFont(r);
  EXPECT_EQ(mono->RenderMode(), TRenderMode::Mono);
  for (uint8_t v : mono->Glyph('O').Coverage) EXPECT_TRUE(v == 0 || v == 255);
  r.Quality = DEFAULT_QUALITY;
  auto gray = RealizeFont(r);
  EXPECT_EQ(gray->RenderMode(), TRenderMode::Gray);
  const auto& coverage = gray->Glyph('O').Coverage;
  EXPECT_TRUE(
      std::any_of(coverage.begin(), coverage.end(), [](uint8_t v) { return v && v < 255; }));
  EXPECT_EQ(Realize("MS Sans Serif", -11)->RenderMode(), TRenderMode::Mono);  // always crisp
}

TEST(FontRealisation, CodePage1252ReachesTheGlyphs) {
  for (auto [byte, code] :
       {std::pair{'A', 0x41u}, {'\x80', 0x20ACu}, {'\x93', 0x201Cu}, {'\xE9', 0xE9u}})
    EXPECT_EQ(Cp1252ToUnicode(static_cast<uint8_t>(byte)), code);
  auto f = Realize("Arial", -16);
  EXPECT_GT(f->Glyph(0x80).Width, 0);  // the euro sign exists in the face
  EXPECT_GT(f->Glyph(0xE9).Width, 0);
  // Symbol faces take the byte as the symbol code: Marlett's "a" is the check mark.
  auto marlett = Realize("Marlett", -13);
  EXPECT_GT(marlett->Glyph('a').Width, 0);
  EXPECT_EQ(marlett->Metrics().CharSet, SYMBOL_CHARSET);
}

TEST(FontRealisation, ExtremeRequestsStayBounded) {
  for (int32_t h : {INT32_MIN, INT32_MAX, -100000, 100000}) {
    auto f = Realize("Arial", h, 400, false, h, h);
    EXPECT_GT(f->Metrics().Height, 0) << h;
    EXPECT_LE(f->Metrics().Height, 4096) << h;
  }
}

TEST(GlyphCache, FillsOnUseEmptiesOnClearAndKeepsToItsBudget) {
  auto f = Realize("Times New Roman", -17);
  ClearGlyphCache();
  EXPECT_EQ(CachedGlyphCount(), 0u);
  const TGlyph* first = &f->Glyph('Q');
  EXPECT_EQ(CachedGlyphCount(), 1u);
  EXPECT_EQ(&f->Glyph('Q'), first);  // served from the cache
  f->Glyph('R');
  EXPECT_EQ(CachedGlyphCount(), 2u);
  const std::vector<uint8_t> before = first->Coverage;
  ClearGlyphCache();
  EXPECT_EQ(CachedGlyphCount(), 0u);
  EXPECT_EQ(f->Glyph('Q').Coverage, before);  // rendered again, identically
  // Huge glyphs render and count against the budget, which drops earlier ones on the way.
  auto big = Realize("Times New Roman", -1500);
  EXPECT_GT(big->Glyph('W').Width, 1000);
  for (int c = 'A'; c <= 'z'; ++c) big->Glyph(static_cast<uint8_t>(c));
  EXPECT_GT(CachedGlyphCount(), 0u);
  EXPECT_LT(CachedGlyphCount(), size_t('z' - 'A' + 1));
  // Drawing through a DC goes through the cache and paints the same pixels from it.
  Canvas c(200, 40);
  c.SelectFont("Arial", -15);
  ClearGlyphCache();
  TextOutA(c.DC(), 2, 2, "abcabc", 6);
  EXPECT_EQ(CachedGlyphCount(), 3u);
  const int ink = c.InkCount();
  c.Clear();
  TextOutA(c.DC(), 2, 2, "abcabc", 6);
  EXPECT_EQ(c.InkCount(), ink);
}

struct TSeen {
  std::string Face, Style;
  DWORD Type;
  LONG TmHeight, InternalLeading;
  BYTE PitchAndFamily, CharSet;
  DWORD NtmFlags;
};

int Collect(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD type, LPARAM data) {
  const auto* ntm = reinterpret_cast<const NEWTEXTMETRICA*>(tm);
  reinterpret_cast<std::vector<TSeen>*>(data)->push_back(
      {lf->lfFaceName,
       reinterpret_cast<const char*>(reinterpret_cast<const ENUMLOGFONTA*>(lf)->elfStyle), type,
       ntm->tmHeight, ntm->tmInternalLeading, tm->tmPitchAndFamily, lf->lfCharSet, ntm->ntmFlags});
  return 1;
}

std::vector<TSeen> Families(const char* face) {
  std::vector<TSeen> seen;
  EXPECT_EQ(EnumFontFamiliesA(nullptr, face, Collect, reinterpret_cast<LPARAM>(&seen)), 1);
  return seen;
}

TEST(FontEnum, FamiliesListPinnedAndSubstitutedNamesSortedOnce) {
  const std::vector<TSeen> seen = Families(nullptr);
  std::set<std::string> names;
  for (size_t i = 0; i < seen.size(); ++i) {
    const TSeen& s = seen[i];
    names.insert(s.Face);
    // Case-insensitively sorted, each name once.
    EXPECT_TRUE(i == 0 || strcasecmp(seen[i - 1].Face.c_str(), s.Face.c_str()) < 0) << s.Face;
    const bool outline = s.Face == "Arial" || s.Face == "Verdana";
    if (outline || s.Face == "MS Sans Serif" || s.Face == "Small Fonts" || s.Face == "Helv") {
      EXPECT_EQ(s.Type, DWORD(outline ? TRUETYPE_FONTTYPE : RASTER_FONTTYPE)) << s.Face;
      EXPECT_EQ((s.PitchAndFamily & TMPF_TRUETYPE) != 0, outline) << s.Face;
    }
    EXPECT_TRUE(s.Face != "Marlett" || s.CharSet == SYMBOL_CHARSET);
  }
  for (const char* n : {"Arial", "MS Sans Serif", "Small Fonts", "Courier New", "Times New Roman",
                        "Tahoma", "Marlett", "System", "Verdana", "Helv", "MS Serif"})
    EXPECT_TRUE(names.count(n)) << n;
  EXPECT_FALSE(names.count("Liberation Sans"));  // the files' own names stay hidden
  EXPECT_FALSE(names.count("DejaVu Sans"));
  EXPECT_EQ(Families(nullptr).size(), seen.size());  // the same list every time
}

TEST(FontEnum, OneFamilyGivesStylesOrStrikeSizesAndTheExFormFilters) {
  const std::vector<TSeen> arial = Families("Arial");
  ASSERT_EQ(arial.size(), 4u);
  EXPECT_EQ(arial[0].Style, "Regular");
  EXPECT_EQ(arial[0].NtmFlags, NTM_REGULAR);
  EXPECT_EQ(arial[3].Style, "Bold Italic");
  // The sizes a font size list derives: (tmHeight - tmInternalLeading) * 72 / 96 points,
  // rounded: the face's 8, 10 and 12 points.
  std::vector<long> points;
  for (const TSeen& s : Families("MS Sans Serif"))
    points.push_back(std::lround((s.TmHeight - s.InternalLeading) * 72 / 96.0));
  EXPECT_EQ(points, (std::vector<long>{8, 10, 12}));
  EXPECT_TRUE(Families("No Such Face").empty());
  LOGFONTA lf;
  std::vector<TSeen> symbols, all;
  lf.lfCharSet = SYMBOL_CHARSET;
  EnumFontFamiliesExA(nullptr, &lf, Collect, reinterpret_cast<LPARAM>(&symbols), 0);
  ASSERT_FALSE(symbols.empty());
  for (const TSeen& s : symbols) EXPECT_EQ(s.CharSet, SYMBOL_CHARSET) << s.Face;
  lf.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExA(nullptr, &lf, Collect, reinterpret_cast<LPARAM>(&all), 0);
  EXPECT_GT(all.size(), symbols.size());
  // A zero from the callback stops the enumeration and is returned.
  int calls = 0;
  auto stopAtSecond = [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM n) {
    return ++*reinterpret_cast<int*>(n) < 2 ? 1 : 0;
  };
  EXPECT_EQ(EnumFontsA(nullptr, nullptr, stopAtSecond, reinterpret_cast<LPARAM>(&calls)), 0);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(EnumFontFamiliesA(nullptr, nullptr, nullptr, 0), 0);
}

}  // namespace
