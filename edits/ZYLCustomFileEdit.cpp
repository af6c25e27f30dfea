#include "edits/ZYLCustomFileEdit.h"

#include <array>
#include <cstring>
#include <vector>

#include "foundation/ZYLTextArt.h"
#include "platform/classes/Resources.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FileUtils.h"

namespace zyl {

namespace {

constexpr int kCellWidth = 13;
constexpr int kCellHeight = 14;
constexpr int kPairWidth = 2 * kCellWidth;

// '.' is the background, the colour buttons take as transparent (the bottom-left pixel).
constexpr std::array<TZYLArtColor, 8> kPalette = {{
    {'.', 255, 0, 255},    // background
    {'k', 0, 0, 0},        // outline
    {'w', 255, 255, 255},  // paper, label
    {'g', 128, 128, 128},  // lines on the label
    {'l', 192, 192, 192},  // shutter
    {'y', 255, 255, 0},    // folder
    {'o', 128, 128, 0},    // folder shade
    {'B', 0, 0, 128},      // disk
}};

// An opened folder with an arrow rising out of it, then a disk.
constexpr std::array<const char*, kCellHeight> kArt = {
    "..........................", "..........k...kkkkkkkkkkk.", ".kkkk....kkk..kBwwwwwwwBk.",
    "kyyyyk..k.k.k.kBwgggggwBk.", "kyyyyykkkkk...kBwwwwwwwBk.", "kwwwwwwwwwk...kBwgggggwBk.",
    "kyyykkkkkkkkk.kBBBBBBBBBk.", "kyykooooooook.kBBllllllBk.", "kykooooooook..kBBlkklllBk.",
    "kykooooooook..kBBlkklllBk.", "kkooooooook...kBBllllllBk.", "kkkkkkkkkkk...kkkkkkkkkkk.",
    "..........................", "..........................",
};

// The palette index of a pixel of the pair; -1 outside it or for a character the palette lacks.
int PaletteIndex(int X, int Y) {
  if (X < 0 || X >= kPairWidth || Y < 0 || Y >= kCellHeight) return -1;
  const char* row = kArt[static_cast<size_t>(Y)];
  if (std::strlen(row) != static_cast<size_t>(kPairWidth)) return -1;
  return ZYLTextArtIndex(kPalette, row[X]);
}

const std::vector<uint8_t>& PairDib() {
  static const std::vector<uint8_t> dib =
      ZYLTextArtDib(kPairWidth, kCellHeight, kPalette, PaletteIndex);
  return dib;
}

// Registered while the program starts; the file edits' constructors refer to this unit.
[[maybe_unused]] const bool kRegistered = (ZYLRegisterFileEditGlyphs(), true);

}  // namespace

void ZYLRegisterFileEditGlyphs() {
  const std::vector<uint8_t>& dib = PairDib();
  vcl::RegisterResource(vcl::HInstance, vcl::RT_BITMAP, vcl::ResourceId(ZYLFileEditGlyphsId),
                        dib.data(), dib.size());
}

int32_t ZYLFileEditGlyphPixel(int X, int Y) {
  return ZYLTextArtColor(kPalette, PaletteIndex(X, Y));
}

void ZYLGetFileEditGlyph(vcl::TBitmap* Glyph, TZYLFileEditGlyph Which) {
  if (!Glyph) return;
  vcl::TBitmap pair;
  pair.LoadFromResourceID(vcl::HInstance, ZYLFileEditGlyphsId);
  const int w = pair.Width() / 2;
  Glyph->SetSize(w, pair.Height());
  const int left = Which == fgSave ? w : 0;
  Glyph->Canvas()->CopyRect(vcl::TRect{0, 0, w, pair.Height()}, pair.Canvas(),
                            vcl::TRect{left, 0, left + w, pair.Height()});
}

// ---------------------------------------------------------------------------------------------
// TZYLCustomFileEdit

ZYL_CLASS_IMPL(TZYLCustomFileEdit) {
  using C = TZYLCustomFileEdit;
  b.Declare("Options", &C::DialogOptions, &C::SetDialogOptions)
      .Default(vcl::TOpenOptions{vcl::ofHideReadOnly})
      .Declare("Title", &C::GetDialogString, &C::SetDialogString)
      .Index(dsTitle)
      .Declare("InitialDir", &C::GetDialogString, &C::SetDialogString)
      .Index(dsInitialDir)
      .Declare("Filter", &C::GetDialogString, &C::SetDialogString)
      .Index(dsFilter)
      .Declare("Filename", &C::Filename, &C::SetFilename)
      .Declare("DefaultExt", &C::GetDialogString, &C::SetDialogString)
      .Index(dsDefaultExt)
      .Declare("FilenameOnly", &C::FilenameOnly, &C::SetFilenameOnly)
      .Default(false);
}

TZYLCustomFileEdit::TZYLCustomFileEdit(vcl::TComponent* AOwner) : inherited(AOwner) {}

std::string TZYLCustomFileEdit::GetDialogString(int Index) const {
  return Index >= 0 && Index < 4 ? FDialogStrings[Index] : std::string();
}

void TZYLCustomFileEdit::SetDialogString(int Index, std::string Value) {
  if (Index >= 0 && Index < 4) FDialogStrings[Index] = std::move(Value);
}

void TZYLCustomFileEdit::SetFilenameOnly(bool Value) {
  if (Value == FFilenameOnly) return;
  FFilenameOnly = Value;
  if (!Focused()) UpdateText();
}

std::string TZYLCustomFileEdit::ReduceText(const std::string& Full) {
  return inherited::ReduceText(FFilenameOnly ? vcl::ExtractFileName(Full) : Full);
}

void TZYLCustomFileEdit::DoBrowse() {
  std::unique_ptr<vcl::TOpenDialog> dlg = CreateDialog();
  RunDialog(
      true,
      [&] {
        dlg->SetOptions(FDialogOptions);
        dlg->SetTitle(FDialogStrings[dsTitle]);
        dlg->SetInitialDir(FDialogStrings[dsInitialDir]);
        dlg->SetFilter(FDialogStrings[dsFilter]);
        dlg->SetDefaultExt(FDialogStrings[dsDefaultExt]);
      },
      [&] { return dlg->Execute(); }, [&] { AcceptFileName(dlg->FileName()); });
}

}  // namespace zyl
