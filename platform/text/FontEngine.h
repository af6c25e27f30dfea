// The font engine behind the text functions: the catalogue of pinned faces (found through
// fontconfig in the folders of the font packages the project installs), face-name
// substitution, realisation of a logical font with FreeType, metrics and a glyph cache.
//
// Only the faces of the catalogue are ever used; whatever else the host has installed stays
// invisible, so metrics and glyphs are the same on every machine with the same packages.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace win::fontengine {

// What a logical font asks for (the fields of LOGFONTA that matter for realisation).
struct TFontRequest {
  std::string FaceName;
  int32_t Height = 0;      // < 0 em height, > 0 cell height, 0 default, in pixels
  int32_t Width = 0;       // average character width, 0 = natural
  int32_t Escapement = 0;  // tenths of degrees, counter-clockwise
  int32_t Weight = 0;      // 0 = default (400)
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  uint8_t CharSet = 0;
  uint8_t Quality = 0;
  uint8_t PitchAndFamily = 0;
};

// Metrics of a realised font, in the TEXTMETRIC sense.
struct TFontMetrics {
  int32_t Height = 0;
  int32_t Ascent = 0;
  int32_t Descent = 0;
  int32_t InternalLeading = 0;
  int32_t ExternalLeading = 0;
  int32_t AveCharWidth = 0;
  int32_t MaxCharWidth = 0;
  int32_t Weight = 400;
  int32_t Overhang = 0;
  int32_t DigitizedAspectX = 96;
  int32_t DigitizedAspectY = 96;
  uint8_t FirstChar = 32;
  uint8_t LastChar = 255;
  uint8_t DefaultChar = 31;
  uint8_t BreakChar = 32;
  uint8_t Italic = 0;
  uint8_t Underlined = 0;
  uint8_t StruckOut = 0;
  uint8_t PitchAndFamily = 0;  // TMPF_* bits | family
  uint8_t CharSet = 0;
  // Lines drawn for underline and strike-out: offset below (+) / above (-) the baseline of
  // their top row, and thickness, in pixels.
  int32_t UnderlinePos = 1;
  int32_t UnderlineSize = 1;
  int32_t StrikeOutPos = -3;
  int32_t StrikeOutSize = 1;
};

// A rendered glyph: an 8-bit coverage mask whose top-left pixel lies at (Left, Top)
// relative to the pen position on the baseline (y grows downwards).
struct TGlyph {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint8_t> Coverage;  // Width * Height bytes, 0 = none, 255 = full
};

// Antialiasing of a realised font.
enum class TRenderMode : uint8_t { Mono, Gray };

class TRealizedFont {
 public:
  virtual ~TRealizedFont() = default;
  // The face name as GetTextFace reports it ("Arial", "MS Sans Serif").
  virtual const std::string& FaceName() const = 0;
  virtual const TFontMetrics& Metrics() const = 0;
  // Horizontal advance of a code page 1252 character, without character extra.
  virtual int32_t Advance(uint8_t ch) = 0;
  // A, B and C widths of a character (A + B + C = advance).
  virtual void ABCWidths(uint8_t ch, int32_t& a, uint32_t& b, int32_t& c) = 0;
  // The glyph of a character, rendered in the font's escapement; cached.
  virtual const TGlyph& Glyph(uint8_t ch) = 0;
  // Escapement in tenths of degrees actually applied (raster faces do not rotate).
  virtual int32_t Escapement() const = 0;
  virtual bool IsTrueType() const = 0;
  virtual bool IsRaster() const = 0;
  virtual TRenderMode RenderMode() const = 0;
  // Drops the cached glyphs of this font.
  virtual void ClearGlyphs() = 0;
};

// Realises a logical font; identical requests share one realised font. Never returns null:
// when no face of the catalogue can be loaded the result is an empty font whose glyphs are
// blank and whose metrics are those of a 13-pixel cell (and FontsAvailable() is false).
std::shared_ptr<TRealizedFont> RealizeFont(const TFontRequest& request);

// The engine is not re-entrant; callers hold this lock while they use a realised font.
std::unique_lock<std::recursive_mutex> Lock();

// Drops every cached glyph of every realised font (fonts and metrics stay).
void ClearGlyphCache();
// Number of glyphs currently cached (for tests of the cache).
size_t CachedGlyphCount();

// True when the catalogue found at least one face.
bool FontsAvailable();

// A face of the catalogue as enumeration lists it.
struct TCatalogFace {
  std::string FaceName;  // public name ("Arial")
  bool TrueType = false;
  bool Raster = false;   // bitmap strikes only
  bool FixedPitch = false;
  uint8_t Family = 0;    // FF_* value
  uint8_t CharSet = 0;
  std::vector<int32_t> StrikeHeights;  // cell heights of raster faces
  std::vector<std::pair<bool, bool>> Styles;  // (bold, italic) of the files found
  std::string File;      // the file behind the regular style
};
// The faces found, in a stable order (the public names of the pinned faces).
std::vector<TCatalogFace> CatalogFaces();
// The names the substitution table maps onto the pinned faces ("Helv", "Tahoma" ...), in a
// stable order, each with the public name it maps to.
std::vector<std::pair<std::string, std::string>> SubstitutedNames();
// The public face name a requested face resolves to (after substitution and fallback).
std::string ResolveFaceName(const std::string& name, uint8_t pitchAndFamily, uint8_t charSet);

// Code page 1252 to Unicode.
uint32_t Cp1252ToUnicode(uint8_t ch);

}  // namespace win::fontengine
