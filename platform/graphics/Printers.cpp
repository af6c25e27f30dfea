#include "platform/graphics/Printers.h"

#include <cstring>
#include <memory>

#include "platform/base/LastError.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Png.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/WinError.h"

namespace win {

namespace {

// Copies a string into the tail of the caller's buffer (strings grow down from its end).
struct Packer {
  BYTE* Buffer;
  DWORD Size;
  DWORD Tail;
  LPSTR Put(const char* s) {
    const DWORD n = static_cast<DWORD>(std::strlen(s) + 1);
    Tail -= n;
    std::memcpy(Buffer + Tail, s, n);
    return reinterpret_cast<LPSTR>(Buffer + Tail);
  }
};

}  // namespace

BOOL EnumPrintersA(DWORD flags, LPSTR, DWORD level, BYTE* buffer, DWORD size, DWORD* needed,
                   DWORD* returned) {
  if (!needed || !returned) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *needed = 0;
  *returned = 0;
  if (level != 1 && level != 4) {
    SetLastError(ERROR_INVALID_LEVEL);
    return FALSE;
  }
  const bool listed = (flags & (PRINTER_ENUM_LOCAL | PRINTER_ENUM_DEFAULT | PRINTER_ENUM_NAME)) != 0;
  if (!listed) return TRUE;
  const char* name = vcl::VirtualPrinterName;
  const char* description = "PNG pages,Virtual PNG printer,";
  const char* comment = "Writes each page as a PNG picture";
  const DWORD record = level == 1 ? sizeof(PRINTER_INFO_1A) : sizeof(PRINTER_INFO_4A);
  const DWORD strings = level == 1
                            ? static_cast<DWORD>(std::strlen(name) + std::strlen(description) +
                                                 std::strlen(comment) + 3)
                            : static_cast<DWORD>(std::strlen(name) + 1);
  *needed = record + strings;
  if (!buffer || size < *needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  Packer p{buffer, size, *needed};
  if (level == 1) {
    auto* info = reinterpret_cast<PRINTER_INFO_1A*>(buffer);
    info->Flags = 0x00800000;  // PRINTER_ENUM_ICON8: a printer
    info->pName = p.Put(name);
    info->pDescription = p.Put(description);
    info->pComment = p.Put(comment);
  } else {
    auto* info = reinterpret_cast<PRINTER_INFO_4A*>(buffer);
    info->pPrinterName = p.Put(name);
    info->pServerName = nullptr;
    info->Attributes = PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_DEFAULT;
  }
  *returned = 1;
  return TRUE;
}

}  // namespace win

namespace vcl {

const char* const VirtualPrinterName = "ZYL PNG Printer";

namespace {

constexpr int kDpi = 150;
constexpr int kShortSide = 1240;  // 210 mm at 150 dpi
constexpr int kLongSide = 1754;   // 297 mm

std::vector<TPrintedDocument>& Documents() {
  static auto* v = new std::vector<TPrintedDocument>();
  return *v;
}

int& JobCounter() {
  static int n = 0;
  return n;
}

}  // namespace

ZYL_CLASS_IMPL(TPrinter) {}

TPrinter::TPrinter() : printers_(new TStringList()) { printers_->Add(VirtualPrinterName); }

TPrinter::~TPrinter() {
  if (printing_) Abort();
  FreePage();
  delete canvas_;
  delete printers_;
}

TStrings* TPrinter::Printers() const { return printers_; }

int TPrinter::PrinterIndex() const {
  if (index_ < 0 && printers_->Count() > 0) return 0;
  return index_ < printers_->Count() ? index_ : -1;
}

void TPrinter::SetPrinterIndex(int Value) {
  if (Value < -1 || Value >= printers_->Count()) throw EPrinter(SPrinterIndexError);
  index_ = Value;
}

int TPrinter::PageWidth() const { return orientation_ == poPortrait ? kShortSide : kLongSide; }
int TPrinter::PageHeight() const { return orientation_ == poPortrait ? kLongSide : kShortSide; }

void TPrinter::SetOrientation(TPrinterOrientation Value) {
  if (Value == orientation_) return;
  if (printing_) throw EPrinter(SPrinting);
  orientation_ = Value;
  FreePage();  // the scratch page takes the new shape on next use
}

void TPrinter::SetCopies(int Value) {
  if (printing_) throw EPrinter(SPrinting);
  if (Value < 1) throw EPrinter(SInvalidCopies);
  copies_ = Value;
}

void TPrinter::CheckPrinting(bool Wanted) const {
  if (printing_ != Wanted) throw EPrinter(Wanted ? SNotPrinting : SPrinting);
}

// A white page of the current shape behind the canvas.
void TPrinter::StartPage() {
  if (!dc_) {
    win::BITMAPINFO bi{};
    bi.bmiHeader.biWidth = PageWidth();
    bi.bmiHeader.biHeight = -PageHeight();  // top-down rows
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = win::BI_RGB;
    void* bits = nullptr;
    bitmap_ = win::CreateDIBSection(nullptr, &bi, win::DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_ || !bits) throw EOutOfResources(SOutOfResources);
    dc_ = win::CreateCompatibleDC(nullptr);
    oldBitmap_ = win::SelectObject(dc_, bitmap_);
    bits_ = static_cast<uint32_t*>(bits);
  }
  std::fill(bits_, bits_ + static_cast<size_t>(PageWidth()) * PageHeight(), 0x00FFFFFFu);
  Canvas()->Refresh();
}

void TPrinter::FreePage() {
  if (canvas_) canvas_->SetHandle(nullptr);
  if (dc_) {
    win::SelectObject(dc_, oldBitmap_);
    win::DeleteDC(dc_);
  }
  if (bitmap_) win::DeleteObject(bitmap_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  bits_ = nullptr;
}

TCanvas* TPrinter::Canvas() {
  if (!canvas_) {
    canvas_ = new TCanvas();
    canvas_->Font()->SetPixelsPerInch(kDpi);
    canvas_->Font()->SetSize(10);
  }
  if (!dc_) {
    StartPage();  // sets up the scratch page, which calls back here with dc_ set
    return canvas_;
  }
  if (!canvas_->HandleAllocated()) canvas_->SetHandle(dc_);
  return canvas_;
}

win::HDC TPrinter::Handle() {
  if (PrinterIndex() < 0) throw EPrinter(SNoDefaultPrinter);
  Canvas();
  return dc_;
}

void TPrinter::BeginDoc() {
  CheckPrinting(false);
  if (PrinterIndex() < 0) throw EPrinter(SNoDefaultPrinter);
  ForceDirectories(PrinterOutputFolder());
  written_.clear();
  lines_.clear();
  aborted_ = false;
  job_ = ++JobCounter();
  page_ = 1;
  printing_ = true;
  StartPage();
}

void TPrinter::WritePage() {
  const std::string name = PrinterOutputFolder() + "/job" + std::to_string(job_) + "-page" +
                           std::to_string(page_) + ".png";
  WritePng(bits_, PageWidth(), PageHeight(), PageWidth(), name);
  written_.push_back(name);
}

void TPrinter::NewPage() {
  CheckPrinting(true);
  WritePage();
  ++page_;
  StartPage();
}

void TPrinter::EndDoc() {
  CheckPrinting(true);
  printing_ = false;
  WritePage();
  TPrintedDocument doc;
  doc.Title = title_;
  doc.Printer = printers_->Get(PrinterIndex() < 0 ? 0 : PrinterIndex());
  doc.Copies = copies_;
  doc.Pages = written_;
  doc.FontName = Canvas()->Font()->Name();
  doc.FontSize = Canvas()->Font()->Size();
  doc.Lines = std::move(lines_);
  lines_.clear();
  Documents().push_back(std::move(doc));
  written_.clear();
}

void TPrinter::Abort() {
  CheckPrinting(true);
  printing_ = false;
  aborted_ = true;
  for (const auto& f : written_) DeleteFile(f);
  written_.clear();
}

namespace {
std::unique_ptr<TPrinter>& GlobalPrinter() {
  static std::unique_ptr<TPrinter> printer;
  return printer;
}
}  // namespace

TPrinter* Printer() {
  auto& p = GlobalPrinter();
  if (!p) p = std::make_unique<TPrinter>();
  return p.get();
}

TPrinter* SetPrinter(TPrinter* Value) {
  auto& p = GlobalPrinter();
  TPrinter* old = p.release();
  p.reset(Value);
  return old;
}

const std::vector<TPrintedDocument>& PrintedDocuments() { return Documents(); }
void ClearPrintedDocuments() { Documents().clear(); }

std::string PrinterOutputFolder() {
  if (const char* d = std::getenv("ZYL_PRINTER_DIR"); d && *d) return d;
  return GetTempPath() + "zyl-printer";
}

// ---- Text to the printer ----

TextFile::~TextFile() {
  if (!open_ || !Printer()->Printing()) return;
  EndLine();
  Printer()->EndDoc();
}

// The line written so far goes into the document's record (an unfinished one only at its end).
void TextFile::EndLine() {
  Printer()->lines_.push_back(line_);
  line_.clear();
}

void AssignPrn(TextFile& F) {
  F.assigned_ = true;
  F.open_ = false;
}

void Rewrite(TextFile& F) {
  if (!F.assigned_) throw EInOutError(SFileNotAssigned);
  Printer()->BeginDoc();
  F.open_ = true;
  F.x_ = F.y_ = 0;
  F.line_.clear();
}

void TextFile::LineBreak() {
  EndLine();
  TCanvas* c = Printer()->Canvas();
  const int h = c->TextHeight("Wg");
  x_ = 0;
  y_ += h;
  if (y_ + h > Printer()->PageHeight()) {
    Printer()->NewPage();
    y_ = 0;
  }
}

void TextFile::PutLine(const std::string& Text) {
  line_ += Text;
  TCanvas* c = Printer()->Canvas();
  const int tab = c->TextWidth("x") * 8;
  size_t start = 0;
  while (start < Text.size()) {
    size_t end = Text.find('\t', start);
    const std::string part = Text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!part.empty()) {
      c->TextOut(x_, y_, part);
      x_ += c->TextWidth(part);
    }
    if (end == std::string::npos) break;
    x_ = tab > 0 ? (x_ / tab + 1) * tab : x_;
    start = end + 1;
  }
}

void Write(TextFile& F, const std::string& Text) {
  if (!F.open_ || !Printer()->Printing()) throw EInOutError(SFileNotOpen);
  size_t start = 0;
  for (size_t i = 0; i <= Text.size(); ++i) {
    if (i < Text.size() && Text[i] != '\r' && Text[i] != '\n') continue;
    F.PutLine(Text.substr(start, i - start));
    if (i == Text.size()) break;
    if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
    F.LineBreak();
    start = i + 1;
  }
}

void Writeln(TextFile& F, const std::string& Text) {
  Write(F, Text);
  F.LineBreak();
}

void CloseFile(TextFile& F) {
  if (!F.open_) throw EInOutError(SFileNotOpen);
  F.open_ = false;
  if (!Printer()->Printing()) return;
  if (!F.line_.empty()) F.EndLine();
  Printer()->EndDoc();
}

}  // namespace vcl
