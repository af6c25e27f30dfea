// The printer object: its owned list of printers, the selected index and the global object.
#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/StringList.h"
#include "platform/graphics/Printers.h"

TEST(Printers, ListAndSelection) {
  vcl::TPrinter p;
  EXPECT_EQ(p.PrinterIndex(), -1);  // no print queues on this system
  EXPECT_THROW(p.SetPrinterIndex(0), vcl::EPrinter);
  p.Printers()->Add("Office");
  p.Printers()->Add("Plotter");
  EXPECT_EQ(p.PrinterIndex(), 0);  // the first printer is the default one
  p.SetPrinterIndex(1);
  for (int bad : {2, -2}) EXPECT_THROW(p.SetPrinterIndex(bad), vcl::EPrinter);
  EXPECT_EQ(p.PrinterIndex(), 1);
  p.Printers()->Delete(1);  // a selection past the end of a shrunken list is none
  EXPECT_EQ(p.PrinterIndex(), -1);
  p.SetPrinterIndex(-1);
  EXPECT_EQ(p.PrinterIndex(), 0);
}

TEST(Printers, GlobalObjectIsCreatedOnceAndCanBeReplaced) {
  vcl::TPrinter* first = vcl::Printer();
  EXPECT_EQ(vcl::Printer(), first);
  auto* mine = new vcl::TPrinter();
  std::unique_ptr<vcl::TPrinter> old(vcl::SetPrinter(mine));
  EXPECT_EQ(old.get(), first);
  EXPECT_EQ(vcl::Printer(), mine);
  delete vcl::SetPrinter(nullptr);                    // gives back mine
  EXPECT_EQ(vcl::Printer()->Printers()->Count(), 0);  // a fresh one
  delete vcl::SetPrinter(old.release());
  EXPECT_EQ(vcl::Printer(), first);
}
