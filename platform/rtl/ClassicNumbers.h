// Numbers of form files, their text form and settings files are written and read by the C
// library in its classic form ('.' as the decimal point), whatever locale the host program chose
// with setlocale.
#pragma once

#include <locale.h>

namespace vcl {

// While it lives, the calling thread formats and reads numbers with the C library in the
// classic "C" locale; the thread's locale from before is back when it goes.
class TClassicNumbers {
 public:
  TClassicNumbers();
  ~TClassicNumbers();
  TClassicNumbers(const TClassicNumbers&) = delete;
  TClassicNumbers& operator=(const TClassicNumbers&) = delete;

 private:
  locale_t previous_;
};

}  // namespace vcl
