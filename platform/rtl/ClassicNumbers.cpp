#include "platform/rtl/ClassicNumbers.h"

namespace vcl {

namespace {

// The classic locale, made once for the process (never freed: threads may use it to the end).
locale_t Classic() {
  static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return classic;
}

}  // namespace

TClassicNumbers::TClassicNumbers()
    : previous_(Classic() ? uselocale(Classic()) : static_cast<locale_t>(nullptr)) {}

TClassicNumbers::~TClassicNumbers() {
  if (previous_) uselocale(previous_);
}

}  // namespace vcl
