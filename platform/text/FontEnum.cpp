// Font enumeration over the catalogue of pinned faces and the names substituted onto them.
#include <algorithm>
#include <cstring>
#include <mutex>
#include <set>

#include "platform/text/Text.h"
#include "platform/text/TextCore.h"

namespace win {

namespace {

struct TEntry {
  std::string Name;  // the name enumerated
  fontengine::TCatalogFace Face;
};

bool LessText(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

bool SameText(const std::string& a, const std::string& b) { return !LessText(a, b) && !LessText(b, a); }

// The files of the faces taken out of the enumeration.
std::mutex g_removedMutex;
std::set<std::string> g_removed;

bool Removed(const fontengine::TCatalogFace& f) {
  std::lock_guard lock(g_removedMutex);
  return g_removed.count(f.File) != 0;
}

// The faces of the catalogue whose regular style is `file`.
int FacesOf(const std::string& file) {
  int n = 0;
  for (const fontengine::TCatalogFace& f : fontengine::CatalogFaces())
    if (!file.empty() && f.File == file) ++n;
  return n;
}

// Every enumerable name, sorted.
std::vector<TEntry> Entries() {
  std::vector<TEntry> out;
  std::vector<fontengine::TCatalogFace> faces = fontengine::CatalogFaces();
  std::erase_if(faces, Removed);
  for (const auto& f : faces) out.push_back({f.FaceName, f});
  for (const auto& [from, to] : fontengine::SubstitutedNames())
    for (const auto& f : faces)
      if (f.FaceName == to) out.push_back({from, f});
  std::stable_sort(out.begin(), out.end(), [](const TEntry& a, const TEntry& b) { return LessText(a.Name, b.Name); });
  return out;
}

void CopyName(char* dst, size_t size, const std::string& s) {
  size_t n = std::min(size - 1, s.size());
  std::memcpy(dst, s.data(), n);
  dst[n] = 0;
}

const char* StyleName(bool bold, bool italic) {
  if (bold && italic) return "Bold Italic";
  if (bold) return "Bold";
  if (italic) return "Italic";
  return "Regular";
}

// One callback for a face at a size and style; answers the callback's result.
int Report(const TEntry& e, int32_t height, bool bold, bool italic, FONTENUMPROCA proc, LPARAM data) {
  fontengine::TFontRequest r;
  r.FaceName = e.Face.FaceName;
  r.Height = height;
  r.Weight = bold ? FW_BOLD : FW_NORMAL;
  r.Italic = italic;
  std::shared_ptr<fontengine::TRealizedFont> font = fontengine::RealizeFont(r);
  const fontengine::TFontMetrics& m = font->Metrics();

  ENUMLOGFONTEXA elf;
  LOGFONTA& lf = elf.elfLogFont;
  lf.lfHeight = m.Height;
  lf.lfWidth = m.AveCharWidth;
  lf.lfWeight = m.Weight;
  lf.lfItalic = italic ? 1 : 0;
  lf.lfCharSet = e.Face.CharSet;
  lf.lfOutPrecision = e.Face.TrueType ? OUT_STROKE_PRECIS : OUT_STRING_PRECIS;
  lf.lfClipPrecision = CLIP_STROKE_PRECIS;
  lf.lfQuality = e.Face.TrueType ? DRAFT_QUALITY : PROOF_QUALITY;
  lf.lfPitchAndFamily = static_cast<BYTE>((e.Face.FixedPitch ? FIXED_PITCH : VARIABLE_PITCH) | e.Face.Family);
  CopyName(lf.lfFaceName, sizeof lf.lfFaceName, e.Name);
  std::string style = StyleName(bold, italic);
  std::string full = e.Name + (style == "Regular" ? std::string() : " " + style);
  CopyName(reinterpret_cast<char*>(elf.elfFullName), sizeof elf.elfFullName, full);
  CopyName(reinterpret_cast<char*>(elf.elfStyle), sizeof elf.elfStyle, style);
  CopyName(reinterpret_cast<char*>(elf.elfScript), sizeof elf.elfScript,
           e.Face.CharSet == SYMBOL_CHARSET ? "Symbol" : "Western");

  NEWTEXTMETRICEXA ntm;
  NEWTEXTMETRICA& t = ntm.ntmTm;
  textcore::FillTextMetric(t, m);  // an enumerated face is neither underlined nor struck out
  t.ntmFlags = (bold ? NTM_BOLD : 0) | (italic ? NTM_ITALIC : 0) | (!bold && !italic ? NTM_REGULAR : 0);
  t.ntmSizeEM = e.Face.TrueType ? 2048 : static_cast<UINT>(m.Height - m.InternalLeading);
  t.ntmCellHeight = static_cast<UINT>(m.Height);
  t.ntmAvgWidth = static_cast<UINT>(m.AveCharWidth);
  ntm.ntmFontSig.fsCsb[0] = e.Face.CharSet == SYMBOL_CHARSET ? 0x80000000u : 1u;

  DWORD type = e.Face.TrueType ? TRUETYPE_FONTTYPE : RASTER_FONTTYPE;
  return proc(reinterpret_cast<const LOGFONTA*>(&elf), &ntm.ntmTm, type, data);
}

// All styles (TrueType) or sizes (raster) of one name.
int ReportFamily(const TEntry& e, FONTENUMPROCA proc, LPARAM data) {
  int result = 1;
  if (e.Face.TrueType) {
    std::vector<std::pair<bool, bool>> styles = e.Face.Styles;
    if (styles.empty()) styles.emplace_back(false, false);
    for (auto [bold, italic] : styles) {
      result = Report(e, 16, bold, italic, proc, data);
      if (result == 0) return 0;
    }
  } else {
    for (int32_t h : e.Face.StrikeHeights) {
      bool bold = e.Face.Styles.size() == 1 && e.Face.Styles[0].first;
      result = Report(e, h, bold, false, proc, data);
      if (result == 0) return 0;
    }
  }
  return result;
}

// One callback per name (its regular style, or its first strike).
int ReportFaces(BYTE charSet, FONTENUMPROCA proc, LPARAM data) {
  int result = 1;
  for (const TEntry& e : Entries()) {
    if (charSet != DEFAULT_CHARSET && charSet != e.Face.CharSet) continue;
    bool bold = e.Face.Styles.size() == 1 && e.Face.Styles[0].first;
    int32_t h = e.Face.TrueType || e.Face.StrikeHeights.empty() ? 16 : e.Face.StrikeHeights.front();
    result = Report(e, h, bold, false, proc, data);
    if (result == 0) return 0;
  }
  return result;
}

int ReportNamed(const std::string& name, BYTE charSet, FONTENUMPROCA proc, LPARAM data) {
  int result = 1;
  for (const TEntry& e : Entries()) {
    if (!SameText(e.Name, name)) continue;
    if (charSet != DEFAULT_CHARSET && charSet != e.Face.CharSet) continue;
    result = ReportFamily(e, proc, data);
    if (result == 0) return 0;
  }
  return result;
}

}  // namespace

int EnumFontFamiliesA(HDC, LPCSTR family, FONTENUMPROCA proc, LPARAM data) {
  if (!proc) return 0;
  if (!family || !*family) return ReportFaces(DEFAULT_CHARSET, proc, data);
  return ReportNamed(std::string(family, strnlen(family, LF_FACESIZE)), DEFAULT_CHARSET, proc, data);
}

int EnumFontFamiliesExA(HDC, LPLOGFONTA lf, FONTENUMPROCA proc, LPARAM data, DWORD) {
  if (!proc || !lf) return 0;
  std::string name(lf->lfFaceName, strnlen(lf->lfFaceName, LF_FACESIZE));
  if (name.empty()) return ReportFaces(lf->lfCharSet, proc, data);
  return ReportNamed(name, lf->lfCharSet, proc, data);
}

int EnumFontsA(HDC dc, LPCSTR face, FONTENUMPROCA proc, LPARAM data) {
  return EnumFontFamiliesA(dc, face, proc, data);
}

int AddFontResourceA(LPCSTR file) {
  if (!file || !*file) return 0;
  const int faces = FacesOf(file);
  if (faces == 0) return 0;
  std::lock_guard lock(g_removedMutex);
  g_removed.erase(file);
  return faces;
}

BOOL RemoveFontResourceA(LPCSTR file) {
  if (!file || !*file) return FALSE;
  if (FacesOf(file) == 0) return FALSE;
  std::lock_guard lock(g_removedMutex);
  g_removed.insert(file);
  return TRUE;
}

void ResetFontResources() {
  std::lock_guard lock(g_removedMutex);
  g_removed.clear();
}

}  // namespace win
