// The framework's printer object and the system's printer list.
//
// This headless system has one printer, a virtual one that writes each printed page as a PNG
// picture into the print folder: $ZYL_PRINTER_DIR when set, else "zyl-printer" in the
// temporary folder. Page N of the program's print job J is "jobJ-pageN.png" (jobs count
// from 1 in each program; an older file of that name is replaced). Pages are A4 at 150 dots
// per inch. A program (or a test) may add the names of further printers to the printer
// object's list; they print through the same virtual printer.
#pragma once

#include <string>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Types.h"
#include "platform/classes/Object.h"

namespace win {

constexpr DWORD PRINTER_ENUM_DEFAULT = 0x1;
constexpr DWORD PRINTER_ENUM_LOCAL = 0x2;
constexpr DWORD PRINTER_ENUM_CONNECTIONS = 0x4;
constexpr DWORD PRINTER_ENUM_NAME = 0x8;
constexpr DWORD PRINTER_ENUM_REMOTE = 0x10;
constexpr DWORD PRINTER_ENUM_SHARED = 0x20;
constexpr DWORD PRINTER_ENUM_NETWORK = 0x40;
constexpr DWORD PRINTER_ATTRIBUTE_DEFAULT = 0x4;
constexpr DWORD PRINTER_ATTRIBUTE_LOCAL = 0x40;
constexpr DWORD PRINTER_ENUM_ICON8 = 0x00800000;

struct PRINTER_INFO_1A {
  DWORD Flags;
  LPSTR pDescription;
  LPSTR pName;
  LPSTR pComment;
};
struct PRINTER_INFO_4A {
  LPSTR pPrinterName;
  LPSTR pServerName;
  DWORD Attributes;
};

// Lists the virtual printer for PRINTER_ENUM_LOCAL, _DEFAULT and _NAME (any name, or none),
// nothing for the others. Levels 1 and 4 (ERROR_INVALID_LEVEL for others). The records and
// their strings go into `buffer`; with too small a buffer FALSE, ERROR_INSUFFICIENT_BUFFER and
// the size needed in `needed`.
BOOL EnumPrintersA(DWORD flags, LPSTR name, DWORD level, BYTE* buffer, DWORD size, DWORD* needed,
                   DWORD* returned);
inline BOOL EnumPrinters(DWORD f, LPSTR n, DWORD l, BYTE* b, DWORD s, DWORD* nd, DWORD* r) {
  return EnumPrintersA(f, n, l, b, s, nd, r);
}

}  // namespace win

namespace vcl {

class TStrings;
class TStringList;
class TCanvas;

using EPrinter = vcl::TNamedException<"EPrinter", Exception>;

// The virtual printer's name.
extern const char* const VirtualPrinterName;

ZYL_ENUM(TPrinterOrientation, poPortrait, poLandscape)

class TPrinter : public TObject {
  ZYL_CLASS(TPrinter, TObject)
  TPrinter();
  // A document still printing is aborted.
  ~TPrinter() override;

  // The names of the installed printers (owned by the printer object): the virtual printer
  // first.
  TStrings* Printers() const;
  // The selected printer's index (-1: none; the first printer while none was chosen).
  int PrinterIndex() const;
  // Raises EPrinter ("Printer selected is not valid") for an index outside -1 .. Count-1.
  void SetPrinterIndex(int Value);

  // A document: BeginDoc starts page 1 (raises EPrinter "Printing in progress" while one is
  // printing, "There is no default printer currently selected" without a printer); NewPage
  // writes the page and starts the next; EndDoc writes the last page; Abort drops the
  // document and the pages already written. NewPage, EndDoc and Abort raise EPrinter
  // ("Printer is not currently printing") outside a document.
  void BeginDoc();
  void NewPage();
  void EndDoc();
  void Abort();
  bool Printing() const { return printing_; }
  bool Aborted() const { return aborted_; }
  int PageNumber() const { return printing_ ? page_ : 0; }

  // The page's canvas (its font measured at the printer's resolution); while no document is
  // printing it draws on a scratch page that is never written.
  TCanvas* Canvas();
  // The page's device context; raises EPrinter when no printer is selected.
  win::HDC Handle();
  int PageWidth() const;
  int PageHeight() const;

  // The document's name, and settings that cannot change while printing (EPrinter).
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& Value) { title_ = Value; }
  TPrinterOrientation Orientation() const { return orientation_; }
  void SetOrientation(TPrinterOrientation Value);
  int Copies() const { return copies_; }
  void SetCopies(int Value);

 private:
  void CheckPrinting(bool Wanted) const;
  void StartPage();
  void WritePage();
  void FreePage();
  TStringList* printers_;
  int index_ = -1;
  TCanvas* canvas_ = nullptr;
  win::HDC dc_ = nullptr;
  win::HBITMAP bitmap_ = nullptr;
  win::HGDIOBJ oldBitmap_ = nullptr;
  uint32_t* bits_ = nullptr;
  bool printing_ = false;
  bool aborted_ = false;
  int page_ = 0;
  int job_ = 0;
  std::vector<std::string> written_;
  std::vector<std::string> lines_;  // the text written to the document through a TextFile
  friend class TextFile;
  std::string title_;
  TPrinterOrientation orientation_ = poPortrait;
  int copies_ = 1;
};

// The global printer object, created on first use.
TPrinter* Printer();
// Replaces the global printer object (the previous one is returned and no longer owned);
// null lets the next Printer() call create a fresh one.
TPrinter* SetPrinter(TPrinter* Value);

// What the virtual printer has written: one entry per finished document, in order.
struct TPrintedDocument {
  std::string Title;
  std::string Printer;
  int Copies = 1;
  std::vector<std::string> Pages;  // the PNG files
  // The printer canvas's font when the document ended, and the lines of text written through
  // AssignPrn (tabs kept, one entry per line ended by Writeln or a line break in the text; a
  // last unfinished line included).
  std::string FontName;
  int FontSize = 0;
  std::vector<std::string> Lines;
};
const std::vector<TPrintedDocument>& PrintedDocuments();
void ClearPrintedDocuments();
// The folder the pages go to (created when missing).
std::string PrinterOutputFolder();

// Text sent to the printer as to a file: AssignPrn ties the file to the global printer,
// Rewrite starts a document, Write and Writeln put text on the page at the printer canvas's
// font (a new page when the next line does not fit; CR LF, CR and LF inside text break lines,
// tabs advance to the next multiple of eight average characters), CloseFile ends the document.
// Writing to a file that is not open raises EInOutError ("File not open").
class TextFile {
 public:
  TextFile() = default;
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

 private:
  friend void AssignPrn(TextFile& F);
  friend void Rewrite(TextFile& F);
  friend void Write(TextFile& F, const std::string& Text);
  friend void Writeln(TextFile& F, const std::string& Text);
  friend void CloseFile(TextFile& F);
  void PutLine(const std::string& Text);
  void LineBreak();
  void EndLine();
  std::string line_;  // the text of the line being written
  bool assigned_ = false;
  bool open_ = false;
  int x_ = 0;
  int y_ = 0;
};
void AssignPrn(TextFile& F);
void Rewrite(TextFile& F);
void Write(TextFile& F, const std::string& Text);
void Writeln(TextFile& F, const std::string& Text = std::string());
void CloseFile(TextFile& F);

}  // namespace vcl
