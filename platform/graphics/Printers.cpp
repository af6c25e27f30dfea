#include "platform/graphics/Printers.h"

#include <memory>

#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"

namespace vcl {

ZYL_CLASS_IMPL(TPrinter) {}

TPrinter::TPrinter() : printers_(new TStringList()) {}

TPrinter::~TPrinter() { delete printers_; }

TStrings* TPrinter::Printers() const { return printers_; }

int TPrinter::PrinterIndex() const {
  if (index_ < 0 && printers_->Count() > 0) return 0;
  return index_ < printers_->Count() ? index_ : -1;
}

void TPrinter::SetPrinterIndex(int Value) {
  if (Value < -1 || Value >= printers_->Count()) throw EPrinter("Printer selected is not valid");
  index_ = Value;
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

}  // namespace vcl
