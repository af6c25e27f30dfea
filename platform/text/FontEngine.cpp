// The font engine: catalogue (fontconfig), realisation and glyphs (FreeType).
#include "platform/text/FontEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H
#include FT_BITMAP_H
#include FT_ADVANCES_H
#include FT_BBOX_H

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <cstring>
#include <map>
#include <dirent.h>

namespace win::fontengine {

namespace {

// Values of the platform's font constants, kept private so that the engine does not depend
// on the GDI headers.
constexpr uint8_t kFF_DONTCARE = 0x00, kFF_ROMAN = 0x10, kFF_SWISS = 0x20, kFF_MODERN = 0x30,
                  kFF_DECORATIVE = 0x50;
constexpr uint8_t kFIXED_PITCH = 1;
constexpr uint8_t kTMPF_FIXED_PITCH = 1, kTMPF_VECTOR = 2, kTMPF_TRUETYPE = 4;
constexpr uint8_t kANSI_CHARSET = 0, kSYMBOL_CHARSET = 2;
constexpr uint8_t kNONANTIALIASED_QUALITY = 3, kANTIALIASED_QUALITY = 4;

// ---------------------------------------------------------------------------------------
// The catalogue.

struct TPinned {
  const char* PublicName;
  const char* Family;  // the family name in the font files
  uint8_t FontFamily;  // FF_*
  uint8_t CharSet;
  bool FixedPitch;
  bool Symbol;         // glyphs addressed by symbol codes (0xF000 + byte)
};

const TPinned kPinned[] = {
    {"Arial", "Liberation Sans", kFF_SWISS, kANSI_CHARSET, false, false},
    {"Courier", "Courier", kFF_MODERN, kANSI_CHARSET, true, false},
    {"Courier New", "Liberation Mono", kFF_MODERN, kANSI_CHARSET, true, false},
    {"Fixedsys", "Fixedsys", kFF_MODERN, kANSI_CHARSET, true, false},
    {"Marlett", "Marlett", kFF_DECORATIVE, kSYMBOL_CHARSET, false, true},
    {"MS Sans Serif", "MS Sans Serif", kFF_SWISS, kANSI_CHARSET, false, false},
    {"Small Fonts", "Small Fonts", kFF_SWISS, kANSI_CHARSET, false, false},
    {"Symbol", "Symbol", kFF_DECORATIVE, kSYMBOL_CHARSET, false, true},
    {"System", "System", kFF_SWISS, kANSI_CHARSET, false, false},
    {"Tahoma", "Tahoma", kFF_SWISS, kANSI_CHARSET, false, false},
    {"Times New Roman", "Liberation Serif", kFF_ROMAN, kANSI_CHARSET, false, false},
    {"Webdings", "Webdings", kFF_DECORATIVE, kSYMBOL_CHARSET, false, true},
    {"Wingdings", "Wingdings", kFF_DECORATIVE, kSYMBOL_CHARSET, false, true},
};

// Other names the library and its users ask for, and the pinned face each maps to.
const std::pair<const char*, const char*> kSubstitutes[] = {
    {"Arial Black", "Arial"},
    {"Arial Narrow", "Arial"},
    {"Book Antiqua", "Times New Roman"},
    {"Century Gothic", "Arial"},
    {"Comic Sans MS", "Arial"},
    {"Consolas", "Courier New"},
    {"Garamond", "Times New Roman"},
    {"Georgia", "Times New Roman"},
    {"Helv", "MS Sans Serif"},
    {"Helvetica", "Arial"},
    {"Lucida Console", "Courier New"},
    {"Lucida Sans Unicode", "Arial"},
    {"Microsoft Sans Serif", "Arial"},
    {"Modern", "Courier New"},
    {"MS Serif", "Times New Roman"},
    {"MS Shell Dlg", "MS Sans Serif"},
    {"MS Shell Dlg 2", "Tahoma"},
    {"Roman", "Times New Roman"},
    {"Script", "Times New Roman"},
    {"Segoe UI", "Tahoma"},
    {"Terminal", "Fixedsys"},
    {"Times", "Times New Roman"},
    {"Tms Rmn", "Times New Roman"},
    {"Trebuchet MS", "Arial"},
    {"Verdana", "Tahoma"},
    {"Wingdings 2", "Wingdings"},
    {"Wingdings 3", "Wingdings"},
};

// Internal leading (and, where it is not the width of "x", the average character width) of
// the raster strikes by face and cell height; the strikes of the converted raster faces
// carry no such fields.
struct TStrikeLeading {
  const char* PublicName;
  int32_t CellHeight;
  int32_t InternalLeading;
  int32_t AveCharWidth;  // 0: the advance of "x"
};
const TStrikeLeading kStrikeLeading[] = {
    {"MS Sans Serif", 13, 2, 0}, {"MS Sans Serif", 16, 3, 0}, {"MS Sans Serif", 20, 4, 0},
    {"Small Fonts", 11, 2, 0},   {"Courier", 13, 0, 0},       {"System", 16, 3, 7},
    {"System", 18, 2, 0},        {"Fixedsys", 15, 0, 0},
};

// Budget of the glyph cache; when a new glyph would pass it, every cached glyph is dropped.
constexpr size_t kGlyphCacheBudget = 32u << 20;

// Folders of the font packages; only these are given to fontconfig.
const char* const kFontDirs[] = {
    "/usr/share/wine/fonts",
    "/usr/share/fonts/truetype/liberation",
    "/usr/share/fonts/truetype/liberation2",
};

bool SameText(const std::string& a, const char* b) {
  size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

struct TFontFile {
  std::string Path;
  int Index = 0;
  bool Bold = false;
  bool Italic = false;
  FT_Face Face = nullptr;  // opened on first use
  bool OpenFailed = false;
};

struct TFace {
  const TPinned* Pinned = nullptr;
  std::vector<TFontFile> Files;  // at most one per style
  bool Scalable = false;
  std::vector<int32_t> StrikeHeights;
};

struct TEngine {
  std::recursive_mutex Mutex;
  bool Initialised = false;
  FT_Library Library = nullptr;
  std::vector<TFace> Faces;  // in the order of kPinned, missing faces left out
  std::map<std::string, std::shared_ptr<TRealizedFont>> Realized;
  size_t CachedBytes = 0;
};

TEngine& Engine() {
  static TEngine* engine = new TEngine;  // lives for the whole process
  return *engine;
}

uint32_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int CoverageOfCp1252(FcPattern* pat) {
  FcCharSet* cs = nullptr;
  if (FcPatternGetCharSet(pat, FC_CHARSET, 0, &cs) != FcResultMatch || !cs) return 0;
  int n = 0;
  for (int c = 0x20; c <= 0xFF; ++c)
    if (FcCharSetHasChar(cs, Cp1252ToUnicode(static_cast<uint8_t>(c)))) ++n;
  return n;
}

void InitCatalogue(TEngine& e) {
  e.Initialised = true;
  if (FT_Init_FreeType(&e.Library) != 0) {
    e.Library = nullptr;
    return;
  }
  // A private configuration that knows only the package folders: no host font can leak in.
  FcConfig* config = FcConfigCreate();
  if (!config) return;
  // The font files of each folder are added one by one: adding a whole folder would try to
  // write a fontconfig cache, which a private configuration has nowhere to put.
  for (const char* dir : kFontDirs) {
    DIR* d = opendir(dir);
    if (!d) continue;
    std::vector<std::string> files;
    while (dirent* ent = readdir(d)) {
      std::string name = ent->d_name;
      if (name.size() > 4 && (name.compare(name.size() - 4, 4, ".ttf") == 0 ||
                              name.compare(name.size() - 4, 4, ".otf") == 0))
        files.push_back(std::string(dir) + "/" + name);
    }
    closedir(d);
    std::sort(files.begin(), files.end());
    for (const std::string& f : files)
      FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(f.c_str()));
  }
  FcObjectSet* os = FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT, FC_WIDTH,
                                     FC_FONTFORMAT, FC_CHARSET, FC_SCALABLE, nullptr);
  for (const TPinned& pinned : kPinned) {
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(pinned.Family));
    FcFontSet* set = FcFontList(config, pat, os);
    FcPatternDestroy(pat);
    if (!set) continue;
    // Best file per style: TrueType container, normal width, widest code page coverage.
    struct TCandidate {
      TFontFile File;
      int Score;
    };
    std::array<TCandidate, 4> best{};
    std::array<bool, 4> have{};
    for (int i = 0; i < set->nfont; ++i) {
      FcPattern* f = set->fonts[i];
      FcChar8* file = nullptr;
      FcChar8* format = nullptr;
      if (FcPatternGetString(f, FC_FILE, 0, &file) != FcResultMatch) continue;
      if (FcPatternGetString(f, FC_FONTFORMAT, 0, &format) == FcResultMatch &&
          std::strcmp(reinterpret_cast<const char*>(format), "TrueType") != 0)
        continue;
      int width = 100, weight = 80, slant = 0, index = 0;
      FcPatternGetInteger(f, FC_WIDTH, 0, &width);
      FcPatternGetInteger(f, FC_WEIGHT, 0, &weight);
      FcPatternGetInteger(f, FC_SLANT, 0, &slant);
      FcPatternGetInteger(f, FC_INDEX, 0, &index);
      if (width != 100) continue;
      TFontFile ff;
      ff.Path = reinterpret_cast<const char*>(file);
      ff.Index = index;
      ff.Bold = weight >= 180;
      ff.Italic = slant != 0;
      int score = CoverageOfCp1252(f) * 1000 - static_cast<int>(ff.Path.size());
      int slot = (ff.Bold ? 1 : 0) + (ff.Italic ? 2 : 0);
      if (!have[slot] || score > best[slot].Score) {
        best[slot] = {ff, score};
        have[slot] = true;
      }
    }
    FcFontSetDestroy(set);
    TFace face;
    face.Pinned = &pinned;
    for (int s = 0; s < 4; ++s)
      if (have[s]) face.Files.push_back(best[s].File);
    if (!face.Files.empty()) e.Faces.push_back(std::move(face));
  }
  FcObjectSetDestroy(os);
  FcConfigDestroy(config);
}

TEngine& Ready() {
  TEngine& e = Engine();
  if (!e.Initialised) InitCatalogue(e);
  return e;
}

FT_Face OpenFile(TEngine& e, TFontFile& f) {
  if (f.Face || f.OpenFailed || !e.Library) return f.Face;
  if (FT_New_Face(e.Library, f.Path.c_str(), f.Index, &f.Face) != 0) {
    f.Face = nullptr;
    f.OpenFailed = true;
  }
  return f.Face;
}

// Opens the regular file of a face to learn whether it is scalable and its strikes.
void Probe(TEngine& e, TFace& face) {
  if (!face.StrikeHeights.empty() || face.Scalable) return;
  for (TFontFile& f : face.Files) {
    FT_Face ft = OpenFile(e, f);
    if (!ft) continue;
    face.Scalable = FT_IS_SCALABLE(ft);
    if (!face.Scalable)
      for (int i = 0; i < ft->num_fixed_sizes; ++i)
        face.StrikeHeights.push_back(ft->available_sizes[i].height);
    std::sort(face.StrikeHeights.begin(), face.StrikeHeights.end());
    return;
  }
}

TFace* FindFace(TEngine& e, const std::string& publicName) {
  for (TFace& f : e.Faces)
    if (SameText(publicName, f.Pinned->PublicName)) return &f;
  return nullptr;
}

int32_t RoundDiv(int64_t num, int64_t den) {  // half away from zero, den > 0
  return static_cast<int32_t>(num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den));
}

// ---------------------------------------------------------------------------------------
// Realised fonts.

constexpr int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56,
                              56, 17, 4,  49, 56, 71, 31, 10, 18, 3, 18, 2, 166};

class TFreeTypeFont final : public TRealizedFont {
 public:
  TFreeTypeFont(std::string faceName, const TPinned* pinned) : faceName_(std::move(faceName)), pinned_(pinned) {
    advances_.fill(-1);
  }
  ~TFreeTypeFont() override {
    ClearGlyphs();
    if (size_) FT_Done_Size(size_);
  }

  // Sets up size and metrics; false when the face cannot be used.
  // `regular` is the face's regular file (to tell a real bold strike from a copy).
  bool Init(TEngine& e, TFontFile& file, TFontFile* regular, const TFontRequest& r);

  const std::string& FaceName() const override { return faceName_; }
  const TFontMetrics& Metrics() const override { return m_; }
  int32_t Escapement() const override { return escapement_; }
  bool IsTrueType() const override { return !raster_; }
  bool IsRaster() const override { return raster_; }
  TRenderMode RenderMode() const override { return mode_; }
  void ClearGlyphs() override {
    size_t& bytes = Engine().CachedBytes;
    for (auto* table : {&glyphs_, &boxes_})
      for (auto& g : *table)
        if (g) {
          bytes -= std::min(bytes, CostOf(*g));
          g.reset();
        }
  }
  size_t GlyphCount() const {
    size_t n = 0;
    for (auto& g : glyphs_) n += g ? 1 : 0;
    return n;
  }

  int32_t Advance(uint8_t ch) override {
    if (advances_[ch] < 0) advances_[ch] = ComputeAdvance(ch);
    return advances_[ch];
  }
  void ABCWidths(uint8_t ch, int32_t& a, uint32_t& b, int32_t& c) override {
    int32_t adv = Advance(ch);
    const TGlyph& g = UnrotatedBox(ch);
    if (g.Width == 0) {
      a = 0;
      b = static_cast<uint32_t>(std::max(adv, 0));
      c = adv - static_cast<int32_t>(b);
      return;
    }
    a = g.Left;
    b = static_cast<uint32_t>(g.Width);
    c = adv - a - g.Width;
  }
  const TGlyph& Glyph(uint8_t ch) override {
    auto& slot = glyphs_[ch];
    if (!slot) slot = Cache(Render(ch, escapement_));
    return *slot;
  }

 private:
  FT_UInt GlyphIndex(uint8_t ch) const;
  int32_t ComputeAdvance(uint8_t ch);
  FT_Int32 LoadFlags() const;
  TGlyph Render(uint8_t ch, int32_t escapement);
  const TGlyph& UnrotatedBox(uint8_t ch) {
    if (escapement_ == 0) return Glyph(ch);
    auto& slot = boxes_[ch];
    if (!slot) slot = Cache(Render(ch, 0));
    return *slot;
  }
  static size_t CostOf(const TGlyph& g) { return sizeof(TGlyph) + g.Coverage.capacity(); }
  // Accounts for a new glyph, first emptying the whole cache when it would pass its budget.
  static std::unique_ptr<TGlyph> Cache(TGlyph g);
  void Activate() const {
    FT_Activate_Size(size_);
  }

  std::string faceName_;
  const TPinned* pinned_;
  FT_Face face_ = nullptr;
  FT_Size size_ = nullptr;
  bool raster_ = false;
  bool useStrike_ = false;  // embedded bitmaps of an outline face
  int32_t scale_ = 1;       // integer magnification of raster strikes
  bool synthBold_ = false;
  bool synthItalic_ = false;
  int32_t escapement_ = 0;
  TRenderMode mode_ = TRenderMode::Gray;
  int32_t emboldenPx_ = 0;  // extra advance of synthetic bold
  TFontMetrics m_;
  std::array<int32_t, 256> advances_{};
  std::array<std::unique_ptr<TGlyph>, 256> glyphs_;
  std::array<std::unique_ptr<TGlyph>, 256> boxes_;
};

// Sum of the advances of a few characters at a pixel size, from the strike when there is one.
int64_t SampleWidth(FT_Face face, FT_UInt ppem) {
  FT_Size size = nullptr;
  if (FT_New_Size(face, &size) != 0) return -1;
  FT_Activate_Size(size);
  int64_t sum = -1;
  if (FT_Set_Pixel_Sizes(face, ppem, ppem) == 0) {
    sum = 0;
    for (const char* p = "HWamo"; *p; ++p)
      if (FT_Load_Char(face, static_cast<FT_ULong>(*p), FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) == 0)
        sum = sum * 4096 + ((face->glyph->advance.x >> 6) & 4095);
  }
  FT_Done_Size(size);
  return sum;
}

bool TFreeTypeFont::Init(TEngine& e, TFontFile& file, TFontFile* regular, const TFontRequest& r) {
  face_ = OpenFile(e, file);
  if (!face_) return false;
  if (FT_New_Size(face_, &size_) != 0) {
    size_ = nullptr;
    return false;
  }
  Activate();
  if (pinned_->Symbol) {
    if (FT_Select_Charmap(face_, FT_ENCODING_MS_SYMBOL) != 0) FT_Select_Charmap(face_, FT_ENCODING_UNICODE);
  } else {
    FT_Select_Charmap(face_, FT_ENCODING_UNICODE);
  }
  int32_t weight = r.Weight == 0 ? 400 : r.Weight;
  bool wantBold = weight >= 600;
  synthBold_ = wantBold && !file.Bold;
  synthItalic_ = r.Italic && !file.Italic;
  raster_ = !FT_IS_SCALABLE(face_);

  m_.Weight = (wantBold || file.Bold) ? 700 : 400;
  m_.Italic = r.Italic ? 1 : 0;
  m_.Underlined = r.Underline ? 1 : 0;
  m_.StruckOut = r.StrikeOut ? 1 : 0;
  m_.CharSet = pinned_->CharSet;
  m_.LastChar = 255;
  m_.BreakChar = 32;
  uint8_t pitch = pinned_->FixedPitch ? 0 : kTMPF_FIXED_PITCH;  // the bit means "variable"
  m_.PitchAndFamily = static_cast<uint8_t>(pinned_->FontFamily | pitch | (raster_ ? 0 : (kTMPF_VECTOR | kTMPF_TRUETYPE)));

  if (raster_) {
    // Raster face: the strike closest below the request, magnified by whole multiples when
    // the request is at least twice as large; raster faces do not rotate.
    mode_ = TRenderMode::Mono;
    escapement_ = 0;
    m_.FirstChar = 32;
    m_.DefaultChar = 0x80;
    struct TStrike {
      int index, cell, leading, average;
    };
    std::vector<TStrike> strikes;
    for (int i = 0; i < face_->num_fixed_sizes; ++i) {
      int cell = face_->available_sizes[i].height;
      int leading = -1, average = 0;
      for (const TStrikeLeading& s : kStrikeLeading)
        if (SameText(faceName_, s.PublicName) && s.CellHeight == cell) {
          leading = s.InternalLeading;
          average = s.AveCharWidth;
        }
      if (leading < 0) leading = std::max(0, cell / 6);
      strikes.push_back({i, cell, leading, average});
    }
    if (strikes.empty()) return false;
    bool byEm = r.Height <= 0;
    int32_t want = r.Height == 0 ? 16 : std::abs(r.Height);
    auto value = [&](const TStrike& s) { return byEm ? s.cell - s.leading : s.cell; };
    const TStrike* pick = nullptr;
    for (const TStrike& s : strikes)
      if (value(s) <= want && (!pick || value(s) > value(*pick))) pick = &s;
    if (!pick)
      for (const TStrike& s : strikes)
        if (!pick || value(s) < value(*pick)) pick = &s;
    scale_ = std::clamp(want / std::max(1, value(*pick)), 1, 8);
    if (FT_Select_Size(face_, pick->index) != 0) return false;
    int32_t asc = static_cast<int32_t>((face_->size->metrics.ascender + 32) >> 6);
    int32_t cell = pick->cell;
    m_.Ascent = asc * scale_;
    m_.Descent = (cell - asc) * scale_;
    m_.Height = cell * scale_;
    m_.InternalLeading = pick->leading * scale_;
    m_.ExternalLeading = 0;
    emboldenPx_ = synthBold_ ? 1 : 0;
    m_.Overhang = (synthBold_ ? 1 : 0) + (synthItalic_ ? (m_.Ascent - m_.InternalLeading) / 4 : 0);
    int32_t maxw = 0;
    for (int c = 32; c < 256; ++c) maxw = std::max(maxw, Advance(static_cast<uint8_t>(c)));
    m_.MaxCharWidth = maxw;
    m_.AveCharWidth = pick->average > 0 ? pick->average * scale_ + emboldenPx_ : Advance('x');
    m_.UnderlinePos = 1 * scale_;
    m_.UnderlineSize = scale_;
    m_.StrikeOutPos = -((m_.Ascent - m_.InternalLeading) * 3 / 10 + 1);
    m_.StrikeOutSize = scale_;
    if (m_.UnderlinePos + m_.UnderlineSize > m_.Descent) m_.UnderlinePos = std::max(0, m_.Descent - m_.UnderlineSize);
    return true;
  }

  // Outline face.
  m_.FirstChar = pinned_->Symbol ? 0 : 30;
  m_.DefaultChar = pinned_->Symbol ? 0 : 31;
  TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  TT_HoriHeader* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA));
  TT_Postscript* post = static_cast<TT_Postscript*>(FT_Get_Sfnt_Table(face_, FT_SFNT_POST));
  int64_t upem = std::max<int64_t>(16, face_->units_per_EM);
  int64_t winA = os2 && os2->usWinAscent ? os2->usWinAscent : face_->ascender;
  int64_t winD = os2 && (os2->usWinAscent || os2->usWinDescent) ? os2->usWinDescent : -face_->descender;
  if (winA + winD <= 0) {
    winA = upem * 4 / 5;
    winD = upem - winA;
  }
  int32_t ppem;
  if (r.Height < 0)
    ppem = -r.Height;
  else if (r.Height > 0)
    ppem = RoundDiv(int64_t(r.Height) * upem, winA + winD);
  else
    ppem = 16;
  ppem = std::clamp(ppem, 1, 2048);
  int32_t xppem = ppem;
  if (r.Width > 0) {
    int64_t avgUnits = os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : upem / 2;
    xppem = std::clamp(RoundDiv(int64_t(r.Width) * upem, avgUnits), 1, 4096);
  }
  if (FT_Set_Pixel_Sizes(face_, static_cast<FT_UInt>(xppem), static_cast<FT_UInt>(ppem)) != 0) return false;
  escapement_ = ((r.Escapement % 3600) + 3600) % 3600;
  bool aa = r.Quality != kNONANTIALIASED_QUALITY;
  mode_ = aa ? TRenderMode::Gray : TRenderMode::Mono;
  bool hasStrike = false;
  for (int i = 0; i < face_->num_fixed_sizes; ++i)
    if (face_->available_sizes[i].y_ppem == ppem * 64 && xppem == ppem) hasStrike = true;
  useStrike_ = hasStrike && r.Quality != kANTIALIASED_QUALITY && escapement_ == 0 && !synthItalic_;
  if (useStrike_ && file.Bold && regular && regular != &file) {
    // Some bold files repeat the regular strikes at some sizes; those are no bold at all.
    FT_Face plain = OpenFile(e, *regular);
    if (plain && SampleWidth(plain, FT_UInt(ppem)) == SampleWidth(face_, FT_UInt(ppem))) useStrike_ = false;
    Activate();
  }
  if (useStrike_) mode_ = TRenderMode::Mono;

  double scaleY = double(ppem) / double(upem);
  double scaleX = double(xppem) / double(upem);
  m_.Ascent = static_cast<int32_t>(std::lround(double(winA) * scaleY));
  m_.Descent = static_cast<int32_t>(std::lround(double(winD) * scaleY));
  m_.Height = m_.Ascent + m_.Descent;
  m_.InternalLeading = std::max(0, m_.Height - ppem);
  if (hhea) {
    int64_t extra = int64_t(hhea->Line_Gap) - ((winA + winD) - (int64_t(hhea->Ascender) - hhea->Descender));
    m_.ExternalLeading = std::max(0, static_cast<int32_t>(std::lround(double(extra) * scaleY)));
    m_.MaxCharWidth = static_cast<int32_t>(std::lround(double(hhea->advance_Width_Max) * scaleX));
  }
  if (synthBold_) emboldenPx_ = std::max(1, (ppem + 20) / 40);
  m_.MaxCharWidth += emboldenPx_;
  // Average width: the weighted lower-case average of the classic OS/2 definition.
  {
    int64_t sum = 0;
    bool ok = true;
    for (int i = 0; i < 27; ++i) {
      uint8_t ch = static_cast<uint8_t>(i < 26 ? 'a' + i : ' ');
      FT_Fixed adv = 0;
      if (FT_Get_Advance(face_, GlyphIndex(ch), FT_LOAD_NO_SCALE, &adv) != 0) {
        ok = false;
        break;
      }
      sum += int64_t(adv) * kWeights[i];
    }
    if (!ok || sum == 0 || pinned_->Symbol)
      sum = (os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : upem / 2) * 1000;
    m_.AveCharWidth = std::max(1, static_cast<int32_t>(std::lround(double(sum) / 1000.0 * scaleX))) + emboldenPx_;
  }
  if (m_.MaxCharWidth < m_.AveCharWidth) m_.MaxCharWidth = m_.AveCharWidth;
  if (post && post->underlineThickness > 0) {
    m_.UnderlineSize = std::max(1, static_cast<int32_t>(std::lround(double(post->underlineThickness) * scaleY)));
    m_.UnderlinePos = std::max(1, static_cast<int32_t>(std::lround(-double(post->underlinePosition) * scaleY)) -
                                      m_.UnderlineSize / 2);
  } else {
    m_.UnderlineSize = std::max(1, ppem / 14);
    m_.UnderlinePos = std::max(1, ppem / 10);
  }
  if (m_.UnderlinePos + m_.UnderlineSize > m_.Descent)
    m_.UnderlinePos = std::max(0, m_.Descent - m_.UnderlineSize);
  if (os2 && os2->yStrikeoutSize > 0) {
    m_.StrikeOutSize = std::max(1, static_cast<int32_t>(std::lround(double(os2->yStrikeoutSize) * scaleY)));
    m_.StrikeOutPos = -static_cast<int32_t>(std::lround(double(os2->yStrikeoutPosition) * scaleY));
  } else {
    m_.StrikeOutSize = m_.UnderlineSize;
    m_.StrikeOutPos = -ppem * 3 / 10;
  }
  return true;
}

FT_UInt TFreeTypeFont::GlyphIndex(uint8_t ch) const {
  if (pinned_->Symbol) {
    FT_UInt idx = FT_Get_Char_Index(face_, 0xF000u | ch);
    if (idx == 0) idx = FT_Get_Char_Index(face_, ch);
    return idx;
  }
  return FT_Get_Char_Index(face_, Cp1252ToUnicode(ch));
}

FT_Int32 TFreeTypeFont::LoadFlags() const {
  FT_Int32 flags = FT_LOAD_DEFAULT;
  if (!raster_) {
    if (!useStrike_) flags |= FT_LOAD_NO_BITMAP;
    flags |= mode_ == TRenderMode::Mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL;
  }
  return flags;
}

int32_t TFreeTypeFont::ComputeAdvance(uint8_t ch) {
  Activate();
  FT_Set_Transform(face_, nullptr, nullptr);
  if (FT_Load_Glyph(face_, GlyphIndex(ch), LoadFlags()) != 0) return 0;
  int32_t adv = static_cast<int32_t>((face_->glyph->advance.x + 32) >> 6);
  return adv * scale_ + emboldenPx_;
}

TGlyph TFreeTypeFont::Render(uint8_t ch, int32_t escapement) {
  TGlyph g;
  Activate();
  FT_Set_Transform(face_, nullptr, nullptr);
  if (FT_Load_Glyph(face_, GlyphIndex(ch), LoadFlags()) != 0) return g;
  FT_GlyphSlot slot = face_->glyph;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    if (synthBold_) FT_Outline_EmboldenXY(&slot->outline, emboldenPx_ * 64, 0);
    // Keep the ink inside the advance where it is narrow enough to fit (the hinting of the
    // platform fits glyphs into their cells; without it a sub-pixel fringe would spill into
    // the next cell and past the measured extent).
    if (!synthItalic_) {
      FT_BBox box;
      FT_Outline_Get_BBox(&slot->outline, &box);
      FT_Pos adv = ((slot->advance.x + 32) & ~63) + emboldenPx_ * 64;
      FT_Pos left = box.xMin & ~63, right = (box.xMax + 63) & ~63;
      FT_Pos width = box.xMax - box.xMin;
      if (width > adv && width <= adv + 64 && adv > 0) {
        // Less than a pixel too wide: narrowed into the cell, as hinting would.
        FT_Matrix squeeze{FT_Fixed((int64_t(adv) << 16) / width), 0, 0, 0x10000};
        FT_Outline_Translate(&slot->outline, -box.xMin, 0);
        FT_Outline_Transform(&slot->outline, &squeeze);
        FT_Outline_Get_BBox(&slot->outline, &box);
        width = box.xMax - box.xMin;
        left = box.xMin & ~63;
        right = (box.xMax + 63) & ~63;
      }
      FT_Pos dx = 0;
      if (right > adv && width <= adv) dx = std::max(adv - box.xMax, -box.xMin);
      else if (left < 0 && width <= adv) dx = std::min(-box.xMin, adv - box.xMax);
      if (dx != 0) FT_Outline_Translate(&slot->outline, dx, 0);
    }
    if (synthItalic_) {
      FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
      FT_Outline_Transform(&slot->outline, &shear);
    }
    if (escapement != 0) {
      double a = escapement * std::numbers::pi / 1800.0;
      FT_Fixed c = static_cast<FT_Fixed>(std::lround(std::cos(a) * 65536.0));
      FT_Fixed s = static_cast<FT_Fixed>(std::lround(std::sin(a) * 65536.0));
      FT_Matrix rot{c, -s, s, c};
      FT_Outline_Transform(&slot->outline, &rot);
    }
    if (FT_Render_Glyph(slot, mode_ == TRenderMode::Mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0)
      return g;
  }
  if (slot->format != FT_GLYPH_FORMAT_BITMAP) return g;
  const FT_Bitmap& bm = slot->bitmap;
  int32_t w = static_cast<int32_t>(bm.width), h = static_cast<int32_t>(bm.rows);
  if (w <= 0 || h <= 0) return g;
  // Source coverage at the native size.
  std::vector<uint8_t> src(size_t(w) * h, 0);
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* row = bm.buffer + std::ptrdiff_t(y) * bm.pitch;
    for (int32_t x = 0; x < w; ++x) {
      uint8_t v = 0;
      switch (bm.pixel_mode) {
        case FT_PIXEL_MODE_MONO: v = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0; break;
        case FT_PIXEL_MODE_GRAY:
          v = bm.num_grays == 256 || bm.num_grays < 2 ? row[x] : static_cast<uint8_t>(row[x] * 255 / (bm.num_grays - 1));
          break;
        case FT_PIXEL_MODE_BGRA: v = row[x * 4 + 3]; break;
        default: v = 0;
      }
      src[size_t(y) * w + x] = v;
    }
  }
  int32_t left = slot->bitmap_left, top = -slot->bitmap_top;
  bool bitmapGlyph = raster_ || useStrike_;
  if (bitmapGlyph) {
    int32_t k = scale_;
    if (k > 1) {
      std::vector<uint8_t> big(size_t(w) * k * h * k);
      for (int32_t y = 0; y < h * k; ++y)
        for (int32_t x = 0; x < w * k; ++x) big[size_t(y) * w * k + x] = src[size_t(y / k) * w + x / k];
      src.swap(big);
      w *= k;
      h *= k;
      left *= k;
      top *= k;
    }
    if (synthBold_) {  // overstrike one pixel to the right
      std::vector<uint8_t> b(size_t(w + 1) * h, 0);
      for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
          uint8_t v = src[size_t(y) * w + x];
          uint8_t* d = &b[size_t(y) * (w + 1) + x];
          d[0] = std::max(d[0], v);
          d[1] = std::max(d[1], v);
        }
      src.swap(b);
      w += 1;
    }
    if (synthItalic_) {  // shift rows right in proportion to their height above the descent
      int32_t maxShift = (m_.Ascent + m_.Descent) / 4;
      std::vector<uint8_t> b(size_t(w + maxShift) * h, 0);
      for (int32_t y = 0; y < h; ++y) {
        int32_t above = m_.Descent - (top + y);  // rows above the cell bottom
        int32_t shift = std::clamp(above / 4, 0, maxShift);
        for (int32_t x = 0; x < w; ++x) b[size_t(y) * (w + maxShift) + x + shift] = src[size_t(y) * w + x];
      }
      src.swap(b);
      w += maxShift;
    }
  }
  g.Left = left;
  g.Top = top;
  g.Width = w;
  g.Height = h;
  g.Coverage = std::move(src);
  return g;
}

std::unique_ptr<TGlyph> TFreeTypeFont::Cache(TGlyph g) {
  TEngine& e = Engine();
  size_t cost = CostOf(g);
  if (e.CachedBytes + cost > kGlyphCacheBudget) {
    for (auto& [k, f] : e.Realized) f->ClearGlyphs();
    e.CachedBytes = 0;
  }
  e.CachedBytes += cost;
  return std::make_unique<TGlyph>(std::move(g));
}

// A font for when no face can be loaded: fixed metrics, blank glyphs.
class TEmptyFont final : public TRealizedFont {
 public:
  explicit TEmptyFont(std::string name) : name_(std::move(name)) {
    m_.Height = 13;
    m_.Ascent = 11;
    m_.Descent = 2;
    m_.InternalLeading = 2;
    m_.AveCharWidth = 6;
    m_.MaxCharWidth = 6;
  }
  const std::string& FaceName() const override { return name_; }
  const TFontMetrics& Metrics() const override { return m_; }
  int32_t Advance(uint8_t) override { return 6; }
  void ABCWidths(uint8_t, int32_t& a, uint32_t& b, int32_t& c) override {
    a = 0;
    b = 6;
    c = 0;
  }
  const TGlyph& Glyph(uint8_t) override { return blank_; }
  int32_t Escapement() const override { return 0; }
  bool IsTrueType() const override { return false; }
  bool IsRaster() const override { return true; }
  TRenderMode RenderMode() const override { return TRenderMode::Mono; }
  void ClearGlyphs() override {}

 private:
  std::string name_;
  TFontMetrics m_;
  TGlyph blank_;
};

std::string RequestKey(const std::string& face, const TFontRequest& r) {
  std::string k = face;
  for (char& c : k)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  int32_t esc = ((r.Escapement % 3600) + 3600) % 3600;
  k += '|' + std::to_string(r.Height) + '|' + std::to_string(r.Width) + '|' + std::to_string(esc) + '|' +
       std::to_string(r.Weight == 0 ? 400 : r.Weight) + '|' + (r.Italic ? 'i' : '-') + (r.Underline ? 'u' : '-') +
       (r.StrikeOut ? 's' : '-') + '|' + std::to_string(r.Quality) + '|' + std::to_string(r.CharSet);
  return k;
}

}  // namespace

uint32_t Cp1252ToUnicode(uint8_t ch) {
  return ch >= 0x80 && ch < 0xA0 ? kCp1252High[ch - 0x80] : ch;
}

std::unique_lock<std::recursive_mutex> Lock() { return std::unique_lock<std::recursive_mutex>(Engine().Mutex); }

bool FontsAvailable() {
  auto lock = Lock();
  return !Ready().Faces.empty();
}

std::string ResolveFaceName(const std::string& name, uint8_t pitchAndFamily, uint8_t charSet) {
  auto lock = Lock();
  TEngine& e = Ready();
  std::string n = name;
  while (!n.empty() && n.back() == ' ') n.pop_back();
  if (TFace* f = FindFace(e, n)) return f->Pinned->PublicName;
  for (auto& [from, to] : kSubstitutes)
    if (SameText(n, from) && FindFace(e, to)) return to;
  // Unknown or empty name: choose by family and pitch, then by what exists.
  const char* order[4] = {nullptr, nullptr, nullptr, nullptr};
  uint8_t family = pitchAndFamily & 0xF0;
  if (charSet == kSYMBOL_CHARSET && !n.empty()) order[0] = "Symbol";
  else if (n.empty() && family == kFF_DONTCARE && (pitchAndFamily & 3) != kFIXED_PITCH) order[0] = "MS Sans Serif";
  else if (family == kFF_ROMAN) order[0] = "Times New Roman";
  else if (family == kFF_MODERN || (pitchAndFamily & 3) == kFIXED_PITCH) order[0] = "Courier New";
  else order[0] = "Arial";
  order[1] = "Arial";
  order[2] = "MS Sans Serif";
  for (const char* o : order)
    if (o && FindFace(e, o)) return o;
  return e.Faces.empty() ? std::string("MS Sans Serif") : e.Faces.front().Pinned->PublicName;
}

std::shared_ptr<TRealizedFont> RealizeFont(const TFontRequest& input) {
  auto lock = Lock();
  // Sizes beyond any screen use are limited (and kept clear of overflow).
  TFontRequest request = input;
  request.Height = std::clamp(request.Height, -16384, 16384);
  request.Width = std::clamp(request.Width, 0, 16384);
  TEngine& e = Ready();
  std::string faceName = ResolveFaceName(request.FaceName, request.PitchAndFamily, request.CharSet);
  std::string key = RequestKey(faceName, request);
  auto it = e.Realized.find(key);
  if (it != e.Realized.end()) return it->second;
  std::shared_ptr<TRealizedFont> result;
  if (TFace* face = FindFace(e, faceName)) {
    Probe(e, *face);
    int32_t weight = request.Weight == 0 ? 400 : request.Weight;
    bool bold = weight >= 600;
    // Best style file: exact, then same boldness, then anything (synthesised).
    TFontFile* pick = nullptr;
    int bestScore = -1;
    for (TFontFile& f : face->Files) {
      int score = (f.Bold == bold ? 2 : 0) + (f.Italic == request.Italic ? 1 : 0);
      if (score > bestScore) {
        bestScore = score;
        pick = &f;
      }
    }
    if (pick) {
      auto font = std::make_shared<TFreeTypeFont>(faceName, face->Pinned);
      TFontFile* regular = nullptr;
      for (TFontFile& f : face->Files)
        if (!f.Bold && !f.Italic) regular = &f;
      if (font->Init(e, *pick, regular, request)) result = font;
    }
  }
  if (!result) result = std::make_shared<TEmptyFont>(faceName);
  // Fonts nobody else holds are let go when many have piled up; the others stay so that the
  // engine keeps reaching (and alone destroys, under its lock) every realised font.
  if (e.Realized.size() >= 512)
    std::erase_if(e.Realized, [](const auto& kv) { return kv.second.use_count() == 1; });
  e.Realized.emplace(key, result);
  return result;
}

void ClearGlyphCache() {
  auto lock = Lock();
  for (auto& [k, f] : Engine().Realized) f->ClearGlyphs();
}

size_t CachedGlyphCount() {
  auto lock = Lock();
  size_t n = 0;
  for (auto& [k, f] : Engine().Realized)
    if (auto* ft = dynamic_cast<TFreeTypeFont*>(f.get())) n += ft->GlyphCount();
  return n;
}

std::vector<TCatalogFace> CatalogFaces() {
  auto lock = Lock();
  TEngine& e = Ready();
  std::vector<TCatalogFace> out;
  for (TFace& f : e.Faces) {
    Probe(e, f);
    TCatalogFace c;
    c.FaceName = f.Pinned->PublicName;
    c.TrueType = f.Scalable;
    c.Raster = !f.Scalable;
    c.FixedPitch = f.Pinned->FixedPitch;
    c.Family = f.Pinned->FontFamily;
    c.CharSet = f.Pinned->CharSet;
    c.StrikeHeights = f.StrikeHeights;
    for (TFontFile& file : f.Files) {
      if (!file.Bold && !file.Italic) c.File = file.Path;
      c.Styles.emplace_back(file.Bold, file.Italic);
    }
    if (c.File.empty() && !f.Files.empty()) c.File = f.Files.front().Path;
    out.push_back(std::move(c));
  }
  return out;
}

std::vector<std::pair<std::string, std::string>> SubstitutedNames() {
  auto lock = Lock();
  TEngine& e = Ready();
  std::vector<std::pair<std::string, std::string>> out;
  for (auto& [from, to] : kSubstitutes)
    if (FindFace(e, to) && !FindFace(e, from)) out.emplace_back(from, to);
  return out;
}

}  // namespace win::fontengine
