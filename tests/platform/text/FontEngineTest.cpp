// The font catalogue, substitution, realisation and the glyph cache.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "TextTestUtil.h"
#include "platform/text/FontEngine.h"

namespace {

using namespace win;
using namespace win::fontengine;
using texttest::Canvas;

std::shared_ptr<TRealizedFont> Realize(const char* face, int height, int weight = 400, bool italic = false) {
  TFontRequest r;
  r.FaceName = face;
  r.Height = height;
  r.Weight = weight;
  r.Italic = italic;
  return RealizeFont(r);
}

TEST(FontCatalogue, FindsThePinnedFacesOnlyInThePackageFolders) {
  ASSERT_TRUE(FontsAvailable());
  std::vector<TCatalogFace> faces = CatalogFaces();
  std::set<std::string> names;
  for (const TCatalogFace& f : faces) {
    names.insert(f.FaceName);
    // No host font leaks in: every file comes from the font packages' folders.
    bool fromPackages = f.File.rfind("/usr/share/wine/fonts/", 0) == 0 ||
                        f.File.rfind("/usr/share/fonts/truetype/liberation", 0) == 0;
    EXPECT_TRUE(fromPackages) << f.FaceName << " from " << f.File;
    EXPECT_FALSE(f.Styles.empty()) << f.FaceName;
  }
  for (const char* n : {"MS Sans Serif", "Small Fonts", "Marlett", "Courier", "System", "Arial",
                        "Times New Roman", "Courier New", "Tahoma"})
    EXPECT_TRUE(names.count(n)) << n;
  // A stable order: sorted by name, computed the same twice.
  std::vector<TCatalogFace> again = CatalogFaces();
  ASSERT_EQ(again.size(), faces.size());
  for (size_t i = 0; i < faces.size(); ++i) EXPECT_EQ(again[i].FaceName, faces[i].FaceName);
}

TEST(FontCatalogue, RasterAndOutlineFacesAreTold) {
  for (const TCatalogFace& f : CatalogFaces()) {
    if (f.FaceName == "MS Sans Serif") {
      EXPECT_TRUE(f.Raster);
      EXPECT_EQ(f.StrikeHeights, (std::vector<int32_t>{13, 16, 20}));
    }
    if (f.FaceName == "Arial") {
      EXPECT_TRUE(f.TrueType);
      EXPECT_EQ(f.Styles.size(), 4u);  // regular, bold, italic, bold italic
    }
    if (f.FaceName == "Small Fonts") {
      EXPECT_TRUE(f.Raster);
    }
  }
}

TEST(FontSubstitution, MapsKnownAndUnknownNamesOntoPinnedFaces) {
  EXPECT_EQ(ResolveFaceName("Arial", 0, 0), "Arial");
  EXPECT_EQ(ResolveFaceName("arial", 0, 0), "Arial");  // case does not matter
  EXPECT_EQ(ResolveFaceName("Helv", 0, 0), "MS Sans Serif");
  EXPECT_EQ(ResolveFaceName("Verdana", 0, 0), "Tahoma");
  EXPECT_EQ(ResolveFaceName("MS Serif", 0, 0), "Times New Roman");
  EXPECT_EQ(ResolveFaceName("Times", 0, 0), "Times New Roman");
  EXPECT_EQ(ResolveFaceName("Lucida Console", 0, 0), "Courier New");
  EXPECT_EQ(ResolveFaceName("Arial Black", 0, 0), "Arial");
  EXPECT_EQ(ResolveFaceName("Wingdings", 0, 0), "Wingdings");
  EXPECT_EQ(ResolveFaceName("Symbol", 0, 0), "Symbol");
  // The empty name is the dialog face; unknown names go by family and pitch.
  EXPECT_EQ(ResolveFaceName("", 0, 0), "MS Sans Serif");
  EXPECT_EQ(ResolveFaceName("DejaVu Sans", 0, 0), "Arial");
  EXPECT_EQ(ResolveFaceName("No Such Face", FF_ROMAN, 0), "Times New Roman");
  EXPECT_EQ(ResolveFaceName("No Such Face", FF_MODERN | FIXED_PITCH, 0), "Courier New");
  // Every substituted name lands on a face of the catalogue.
  std::set<std::string> pinned;
  for (const TCatalogFace& f : CatalogFaces()) pinned.insert(f.FaceName);
  for (auto& [from, to] : SubstitutedNames()) {
    EXPECT_TRUE(pinned.count(to)) << from;
    EXPECT_EQ(ResolveFaceName(from, 0, 0), to);
  }
}

TEST(FontRealisation, MsSansSerifEightPointHasItsStrikeMetrics) {
  auto f = Realize("MS Sans Serif", -11);
  const TFontMetrics& m = f->Metrics();
  EXPECT_EQ(f->FaceName(), "MS Sans Serif");
  EXPECT_TRUE(f->IsRaster());
  EXPECT_EQ(m.Height, 13);
  EXPECT_EQ(m.Ascent, 11);
  EXPECT_EQ(m.Descent, 2);
  EXPECT_EQ(m.InternalLeading, 2);
  EXPECT_EQ(m.ExternalLeading, 0);
  EXPECT_EQ(m.AveCharWidth, 5);
  EXPECT_EQ(m.PitchAndFamily & TMPF_TRUETYPE, 0);
  // The cell height asks for the same strike.
  EXPECT_EQ(Realize("MS Sans Serif", 13)->Metrics().Height, 13);
  // Larger requests pick larger strikes, far larger ones magnify.
  EXPECT_EQ(Realize("MS Sans Serif", -13)->Metrics().Height, 16);
  EXPECT_EQ(Realize("MS Sans Serif", -16)->Metrics().Height, 20);
  EXPECT_EQ(Realize("MS Sans Serif", -32)->Metrics().Height, 40);
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
    // A positive height is the cell height.
    auto cell = Realize(face, 20);
    EXPECT_NEAR(cell->Metrics().Height, 20, 1) << face;
  }
  // Fixed pitch: every character has the same advance; the pitch bit says variable.
  auto mono = Realize("Courier New", -13);
  EXPECT_EQ(mono->Advance('i'), mono->Advance('W'));
  EXPECT_EQ(mono->Metrics().PitchAndFamily & TMPF_FIXED_PITCH, 0);
  EXPECT_NE(Realize("Arial", -13)->Metrics().PitchAndFamily & TMPF_FIXED_PITCH, 0);
}

TEST(FontRealisation, MetricsFromTheFontTablesAreFixed) {
  // Taken from the faces' tables (not from hinting), so they stay put across renderers.
  struct TCase {
    const char* Face;
    int Height, Ascent, Descent, Leading, Average;
  };
  const TCase cases[] = {
      {"Tahoma", 13, 11, 2, 2, 5},          // the dialog face at 8 points
      {"Arial", 12, 10, 2, 1, 5},
      {"Times New Roman", 12, 10, 2, 1, 4},
      {"Courier New", 12, 9, 3, 1, 7},
  };
  for (const TCase& c : cases) {
    const TFontMetrics& m = Realize(c.Face, -11)->Metrics();
    EXPECT_EQ(m.Height, c.Height) << c.Face;
    EXPECT_EQ(m.Ascent, c.Ascent) << c.Face;
    EXPECT_EQ(m.Descent, c.Descent) << c.Face;
    EXPECT_EQ(m.InternalLeading, c.Leading) << c.Face;
    EXPECT_EQ(m.AveCharWidth, c.Average) << c.Face;
  }
  // A width asks for wider glyphs in proportion.
  TFontRequest wide;
  wide.FaceName = "Arial";
  wide.Height = -20;
  wide.Width = 2 * Realize("Arial", -20)->Metrics().AveCharWidth;
  auto stretched = RealizeFont(wide);
  EXPECT_EQ(stretched->Metrics().Height, Realize("Arial", -20)->Metrics().Height);
  EXPECT_GT(stretched->Advance('M'), Realize("Arial", -20)->Advance('M') * 3 / 2);
}

TEST(FontRealisation, StylesAndSyntheticBold) {
  auto regular = Realize("Arial", -13);
  auto bold = Realize("Arial", -13, 700);
  EXPECT_EQ(bold->Metrics().Weight, 700);
  EXPECT_EQ(regular->Metrics().Weight, 400);
  EXPECT_EQ(Realize("Arial", -13, 600)->Metrics().Weight, 700);  // 600 is bold already
  // Raster faces have no bold file: emboldened by one pixel per character.
  auto ms = Realize("MS Sans Serif", -11);
  auto msBold = Realize("MS Sans Serif", -11, 700);
  EXPECT_EQ(msBold->Advance('A'), ms->Advance('A') + 1);
  EXPECT_EQ(msBold->Glyph('l').Width, ms->Glyph('l').Width + 1);
  // Italic raster glyphs lean to the right.
  auto msItalic = Realize("MS Sans Serif", -11, 400, true);
  EXPECT_GT(msItalic->Glyph('l').Width, ms->Glyph('l').Width);
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
  // Identical requests share one realised font.
  EXPECT_EQ(Realize("Arial", -13).get(), regular.get());
}

TEST(FontRealisation, RotationOnlyForOutlineFaces) {
  TFontRequest r;
  r.FaceName = "Arial";
  r.Height = -20;
  r.Escapement = 900;
  auto rotated = RealizeFont(r);
  EXPECT_EQ(rotated->Escapement(), 900);
  const TGlyph& g = rotated->Glyph('-');  // a horizontal dash becomes vertical
  EXPECT_GT(g.Height, g.Width);
  r.FaceName = "MS Sans Serif";
  EXPECT_EQ(RealizeFont(r)->Escapement(), 0);
  r.FaceName = "Arial";
  r.Escapement = -900;  // normalised into 0..3599
  EXPECT_EQ(RealizeFont(r)->Escapement(), 2700);
}

TEST(FontRealisation, QualityChoosesAntialiasing) {
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
  bool partial = false;
  for (uint8_t v : gray->Glyph('O').Coverage) partial = partial || (v > 0 && v < 255);
  EXPECT_TRUE(partial);
  // Raster strikes are always crisp.
  EXPECT_EQ(Realize("MS Sans Serif", -11)->RenderMode(), TRenderMode::Mono);
}

TEST(FontRealisation, CodePage1252ReachesTheGlyphs) {
  EXPECT_EQ(Cp1252ToUnicode('A'), 0x41u);
  EXPECT_EQ(Cp1252ToUnicode(0x80), 0x20ACu);  // euro
  EXPECT_EQ(Cp1252ToUnicode(0x93), 0x201Cu);
  EXPECT_EQ(Cp1252ToUnicode(0xE9), 0xE9u);
  auto f = Realize("Arial", -16);
  EXPECT_GT(f->Glyph(0x80).Width, 0);  // the euro sign exists in the face
  EXPECT_GT(f->Glyph(0xE9).Width, 0);
  // Symbol faces take the byte as the symbol code: Marlett's "a" is the check mark.
  auto marlett = Realize("Marlett", -13);
  EXPECT_GT(marlett->Glyph('a').Width, 0);
  EXPECT_EQ(marlett->Metrics().CharSet, SYMBOL_CHARSET);
}

TEST(GlyphCache, FillsOnUseAndEmptiesOnClear) {
  auto f = Realize("Times New Roman", -17);
  ClearGlyphCache();
  EXPECT_EQ(CachedGlyphCount(), 0u);
  const TGlyph* first = &f->Glyph('Q');
  EXPECT_EQ(CachedGlyphCount(), 1u);
  EXPECT_EQ(&f->Glyph('Q'), first);  // served from the cache
  f->Glyph('R');
  EXPECT_EQ(CachedGlyphCount(), 2u);
  std::vector<uint8_t> before = first->Coverage;
  ClearGlyphCache();
  EXPECT_EQ(CachedGlyphCount(), 0u);
  EXPECT_EQ(f->Glyph('Q').Coverage, before);  // rendered again, identically
}

TEST(FontRealisation, ExtremeRequestsStayBounded) {
  for (int32_t h : {INT32_MIN, INT32_MAX, -100000, 100000}) {
    TFontRequest r;
    r.FaceName = "Arial";
    r.Height = h;
    r.Width = h;
    r.Escapement = h;
    auto f = RealizeFont(r);
    EXPECT_GT(f->Metrics().Height, 0) << h;
    EXPECT_LE(f->Metrics().Height, 4096) << h;
  }
  // A huge glyph renders and is counted against the cache budget without trouble.
  ClearGlyphCache();
  auto big = Realize("Times New Roman", -1500);
  EXPECT_GT(big->Glyph('W').Width, 1000);
  for (int c = 'A'; c <= 'z'; ++c) big->Glyph(static_cast<uint8_t>(c));
  EXPECT_GT(CachedGlyphCount(), 0u);
  EXPECT_LT(CachedGlyphCount(), size_t('z' - 'A' + 1));  // the budget dropped earlier glyphs on the way
  ClearGlyphCache();
}

TEST(GlyphCache, DrawingThroughADcUsesTheCache) {
  Canvas c(200, 40);
  ASSERT_TRUE(c.Valid());
  c.SelectFont("Arial", -15);
  ClearGlyphCache();
  TextOutA(c.DC(), 2, 2, "abcabc", 6);
  EXPECT_EQ(CachedGlyphCount(), 3u);
  int ink = c.InkCount();
  c.Clear();
  TextOutA(c.DC(), 2, 2, "abcabc", 6);
  EXPECT_EQ(c.InkCount(), ink);  // cached glyphs paint the same pixels
}

}  // namespace
