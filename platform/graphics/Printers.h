// The framework's printer object, as far as this system has one: the list of the printers
// the system knows and the one selected. This headless system has no print queues, so the
// list starts empty; a program (or a test) may add the names of printers it drives itself.
#pragma once

#include <string>

#include "platform/base/Exceptions.h"
#include "platform/classes/Object.h"

namespace vcl {

class TStrings;
class TStringList;

ZYL_DECLARE_EXCEPTION(EPrinter, Exception);

class TPrinter : public TObject {
  ZYL_CLASS(TPrinter, TObject)
  TPrinter();
  ~TPrinter() override;

  // The names of the installed printers (owned by the printer object).
  TStrings* Printers() const;
  // The selected printer's index (-1: none; the first printer once there is one).
  int PrinterIndex() const;
  // Raises EPrinter ("Printer selected is not valid") for an index outside -1 .. Count-1.
  void SetPrinterIndex(int Value);

 private:
  TStringList* printers_;
  int index_ = -1;
};

// The global printer object, created on first use.
TPrinter* Printer();
// Replaces the global printer object (the previous one is returned and no longer owned);
// null lets the next Printer() call create a fresh one.
TPrinter* SetPrinter(TPrinter* Value);

}  // namespace vcl
