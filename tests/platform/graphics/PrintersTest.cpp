// The printer object and the virtual printer: the printer list, documents written page by
// page as PNG pictures, aborting, text sent as to a file, and the system's printer list.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/base/LastError.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/WinError.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

using namespace vcl;

namespace {

// A PNG file's size and pixels (0x00RRGGBB), read back with libpng.
struct Page {
  int Width = 0, Height = 0;
  std::vector<uint32_t> Pixels;
  uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
  // Non-white pixels inside a rectangle.
  int Inked(int l, int t, int r, int b) const {
    int n = 0;
    for (int y = t; y < b; ++y)
      for (int x = l; x < r; ++x) n += At(x, y) != 0xFFFFFF;
    return n;
  }
};

Page ReadPng(const std::string& file) {
  Page p;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, file.c_str())) return p;
  image.format = PNG_FORMAT_BGRA;
  std::vector<uint32_t> pixels(static_cast<size_t>(image.width) * image.height);
  if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
    p.Width = static_cast<int>(image.width);
    p.Height = static_cast<int>(image.height);
    for (auto& px : pixels) px &= 0xFFFFFF;
    p.Pixels = std::move(pixels);
  }
  return p;
}

class PrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("ZYL_PRINTER_DIR", dir_.File("out").c_str(), 1);
    ClearPrintedDocuments();
    old_.reset(SetPrinter(new TPrinter()));
  }
  void TearDown() override {
    delete SetPrinter(old_.release());
    unsetenv("ZYL_PRINTER_DIR");
  }
  testsupport::TempDir dir_;
  std::unique_ptr<TPrinter> old_;
};

TEST(Printers, ListAndSelection) {
  TPrinter p;
  ASSERT_EQ(p.Printers()->Count(), 1);
  EXPECT_EQ(p.Printers()->Get(0), VirtualPrinterName);
  EXPECT_EQ(p.PrinterIndex(), 0);  // the first printer is the default one
  p.Printers()->Add("Plotter");
  p.SetPrinterIndex(1);
  for (int bad : {2, -2}) EXPECT_THROW(p.SetPrinterIndex(bad), EPrinter);
  EXPECT_EQ(p.PrinterIndex(), 1);
  p.Printers()->Delete(1);  // a selection past the end of a shrunken list is none
  EXPECT_EQ(p.PrinterIndex(), -1);
  p.SetPrinterIndex(-1);
  EXPECT_EQ(p.PrinterIndex(), 0);
  p.Printers()->Clear();
  EXPECT_EQ(testsupport::ErrorOf<EPrinter>([&] { p.Handle(); }),
            "There is no default printer currently selected");
  EXPECT_EQ(testsupport::ErrorOf<EPrinter>([&] { p.BeginDoc(); }),
            "There is no default printer currently selected");
}

TEST(Printers, GlobalObjectIsCreatedOnceAndCanBeReplaced) {
  TPrinter* first = Printer();
  EXPECT_EQ(Printer(), first);
  auto* mine = new TPrinter();
  std::unique_ptr<TPrinter> old(SetPrinter(mine));
  EXPECT_EQ(old.get(), first);
  EXPECT_EQ(Printer(), mine);
  delete SetPrinter(nullptr);  // gives back mine
  EXPECT_EQ(Printer()->Printers()->Count(), 1);  // a fresh one
  delete SetPrinter(old.release());
  EXPECT_EQ(Printer(), first);
}

TEST_F(PrinterTest, EachPageBecomesAPicture) {
  TPrinter* p = Printer();
  p->SetTitle("Report");
  EXPECT_EQ(p->PageWidth(), 1240);
  EXPECT_EQ(p->PageHeight(), 1754);
  p->BeginDoc();
  EXPECT_TRUE(p->Printing());
  EXPECT_EQ(p->PageNumber(), 1);
  TCanvas* c = p->Canvas();
  c->Brush()->SetColor(clRed);
  c->FillRect(win::TRect{100, 200, 300, 250});
  p->NewPage();
  EXPECT_EQ(p->PageNumber(), 2);
  c->Brush()->SetColor(clBlue);
  c->FillRect(win::TRect{0, 0, 10, 10});
  EXPECT_EQ(testsupport::ErrorOf<EPrinter>([&] { p->SetOrientation(poLandscape); }), "Printing in progress");
  EXPECT_EQ(testsupport::ErrorOf<EPrinter>([&] { p->BeginDoc(); }), "Printing in progress");
  p->EndDoc();
  EXPECT_FALSE(p->Printing());
  EXPECT_EQ(p->PageNumber(), 0);

  ASSERT_EQ(PrintedDocuments().size(), 1u);
  const auto& doc = PrintedDocuments()[0];
  EXPECT_EQ(doc.Title, "Report");
  EXPECT_EQ(doc.Printer, VirtualPrinterName);
  ASSERT_EQ(doc.Pages.size(), 2u);
  const Page one = ReadPng(doc.Pages[0]), two = ReadPng(doc.Pages[1]);
  ASSERT_EQ(one.Width, 1240);
  ASSERT_EQ(one.Height, 1754);
  EXPECT_EQ(one.At(100, 200), 0xFF0000u);
  EXPECT_EQ(one.At(299, 249), 0xFF0000u);
  EXPECT_EQ(one.At(300, 249), 0xFFFFFFu);
  EXPECT_EQ(one.Inked(0, 0, 1240, 1754), 200 * 50);
  EXPECT_EQ(two.At(0, 0), 0x0000FFu);  // a fresh white page: nothing of page one
  EXPECT_EQ(two.Inked(0, 0, 1240, 1754), 100);
}

TEST_F(PrinterTest, LandscapeAndAbort) {
  TPrinter* p = Printer();
  p->SetOrientation(poLandscape);
  EXPECT_EQ(p->PageWidth(), 1754);
  p->BeginDoc();
  p->NewPage();
  p->NewPage();
  ASSERT_EQ(std::distance(std::filesystem::directory_iterator(dir_.File("out")), {}), 2);
  p->Abort();
  EXPECT_TRUE(p->Aborted());
  EXPECT_FALSE(p->Printing());
  EXPECT_TRUE(std::filesystem::is_empty(dir_.File("out")));  // the spooled pages are gone
  EXPECT_TRUE(PrintedDocuments().empty());
  for (auto f : {&TPrinter::NewPage, &TPrinter::EndDoc, &TPrinter::Abort})
    EXPECT_EQ(testsupport::ErrorOf<EPrinter>([&] { (p->*f)(); }), "Printer is not currently printing");
  EXPECT_EQ(testsupport::ErrorOf<EPrinter>([&] { p->SetCopies(0); }), "Invalid number of copies");
  p->BeginDoc();
  EXPECT_FALSE(p->Aborted());
  p->EndDoc();
  EXPECT_EQ(ReadPng(PrintedDocuments().at(0).Pages.at(0)).Width, 1754);
}

TEST_F(PrinterTest, TextPrintsLineByLineOntoPages) {
  TextFile f;
  EXPECT_EQ(testsupport::ErrorOf<EInOutError>([&] { Rewrite(f); }), "File not assigned");
  AssignPrn(f);
  EXPECT_EQ(testsupport::ErrorOf<EInOutError>([&] { Writeln(f, "x"); }), "File not open");
  Rewrite(f);
  const int line = Printer()->Canvas()->TextHeight("Wg");
  ASSERT_GT(line, 0);
  Writeln(f, "first");
  Write(f, "second\r\nthird");
  Writeln(f);
  const int perPage = Printer()->PageHeight() / line;
  for (int i = 3; i < perPage; ++i) Writeln(f, "filler");  // fills page one exactly
  Writeln(f, "on page two");
  CloseFile(f);
  EXPECT_EQ(testsupport::ErrorOf<EInOutError>([&] { CloseFile(f); }), "File not open");

  ASSERT_EQ(PrintedDocuments().size(), 1u);
  const auto& pages = PrintedDocuments()[0].Pages;
  ASSERT_EQ(pages.size(), 2u);
  const Page one = ReadPng(pages[0]), two = ReadPng(pages[1]);
  for (int row = 0; row < 3; ++row)
    EXPECT_GT(one.Inked(0, row * line, 400, (row + 1) * line), 0) << "line " << row;
  EXPECT_GT(two.Inked(0, 0, 400, line), 0);
  EXPECT_EQ(two.Inked(0, line, 1240, 1754), 0);
}

TEST_F(PrinterTest, EachJobKeepsItsTitleFontAndLines) {
  struct TJob {
    const char* Title;
    const char* Font;
    int Size;
    std::vector<std::string> Writes;  // "\n" at the end: Writeln, else Write
    std::vector<std::string> Lines;
  };
  const std::vector<TJob> jobs = {
      {"Strings",
       "Courier New",
       9,
       {"alpha\n", "be\tta\n", "\n", "last"},
       {"alpha", "be\tta", "", "last"}},
      {"Broken", "Arial", 12, {"one\r\ntwo\rthree\n"}, {"one", "two", "three"}},
      {"Empty", "Arial", 10, {}, {}},
  };
  for (const TJob& job : jobs) {
    Printer()->SetTitle(job.Title);
    Printer()->Canvas()->Font()->SetName(job.Font);
    Printer()->Canvas()->Font()->SetSize(job.Size);
    TextFile f;
    AssignPrn(f);
    Rewrite(f);
    for (const std::string& w : job.Writes) {
      if (!w.empty() && w.back() == '\n')
        Writeln(f, w.substr(0, w.size() - 1));
      else
        Write(f, w);
    }
    CloseFile(f);
  }
  // An aborted job is not kept.
  TextFile dropped;
  AssignPrn(dropped);
  Rewrite(dropped);
  Writeln(dropped, "never kept");
  Printer()->Abort();

  ASSERT_EQ(PrintedDocuments().size(), jobs.size());
  for (size_t i = 0; i < jobs.size(); ++i) {
    const TPrintedDocument& doc = PrintedDocuments()[i];
    EXPECT_EQ(doc.Title, jobs[i].Title);
    EXPECT_EQ(doc.FontName, jobs[i].Font);
    EXPECT_EQ(doc.FontSize, jobs[i].Size);
    EXPECT_EQ(doc.Lines, jobs[i].Lines) << jobs[i].Title;
    EXPECT_EQ(doc.Pages.size(), 1u);
  }
}

TEST(EnumPrinters, ListsTheVirtualPrinter) {
  using namespace win;
  DWORD needed = 0, count = 0;
  EXPECT_FALSE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  ASSERT_GT(needed, sizeof(PRINTER_INFO_4A));
  std::vector<BYTE> buffer(needed);
  ASSERT_TRUE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count));
  ASSERT_EQ(count, 1u);
  const auto* info4 = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
  EXPECT_STREQ(info4->pPrinterName, vcl::VirtualPrinterName);
  EXPECT_TRUE(info4->Attributes & PRINTER_ATTRIBUTE_DEFAULT);

  EnumPrintersA(PRINTER_ENUM_DEFAULT, nullptr, 1, nullptr, 0, &needed, &count);
  buffer.assign(needed, 0);
  ASSERT_TRUE(EnumPrintersA(PRINTER_ENUM_DEFAULT, nullptr, 1, buffer.data(), needed, &needed, &count));
  EXPECT_STREQ(reinterpret_cast<const PRINTER_INFO_1A*>(buffer.data())->pName, vcl::VirtualPrinterName);

  ASSERT_TRUE(EnumPrintersA(PRINTER_ENUM_REMOTE, nullptr, 4, nullptr, 0, &needed, &count));
  EXPECT_EQ(count, 0u);
  EXPECT_FALSE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
  EXPECT_FALSE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, nullptr, &count));
}

}  // namespace
