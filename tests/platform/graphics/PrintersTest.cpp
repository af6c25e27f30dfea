// The printer object: its owned list of printers, the selected index and the global object.
#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/StringList.h"
#include "platform/graphics/Printers.h"

namespace {

TEST(Printers, ListAndSelection) {
  vcl::TPrinter p;
  EXPECT_EQ(p.Printers()->Count(), 0);  // no print queues on this system
  EXPECT_EQ(p.PrinterIndex(), -1);
  EXPECT_THROW(p.SetPrinterIndex(0), vcl::EPrinter);
  p.Printers()->Add("Office");
  p.Printers()->Add("Plotter");
  EXPECT_EQ(p.PrinterIndex(), 0);  // the first printer is the default one
  p.SetPrinterIndex(1);
  EXPECT_EQ(p.PrinterIndex(), 1);
  EXPECT_THROW(p.SetPrinterIndex(2), vcl::EPrinter);
  EXPECT_THROW(p.SetPrinterIndex(-2), vcl::EPrinter);
  EXPECT_EQ(p.PrinterIndex(), 1);
  // A selection past the end of a shrunken list is none.
  p.Printers()->Delete(1);
  EXPECT_EQ(p.PrinterIndex(), -1);
  p.SetPrinterIndex(-1);
  EXPECT_EQ(p.PrinterIndex(), 0);
}

TEST(Printers, GlobalObjectIsCreatedOnceAndCanBeReplaced) {
  vcl::TPrinter* first = vcl::Printer();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(vcl::Printer(), first);
  auto* mine = new vcl::TPrinter();
  std::unique_ptr<vcl::TPrinter> old(vcl::SetPrinter(mine));
  EXPECT_EQ(old.get(), first);
  EXPECT_EQ(vcl::Printer(), mine);
  delete vcl::SetPrinter(nullptr);  // gives back mine
  vcl::TPrinter* fresh = vcl::Printer();
  EXPECT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->Printers()->Count(), 0);
  delete vcl::SetPrinter(old.release());
  EXPECT_EQ(vcl::Printer(), first);
}

}  // namespace
