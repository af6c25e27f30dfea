#include "platform/controls/ComCtrls.h"

#include "platform/classes/Registry.h"

namespace vcl {

void RegisterCommonControls() {
  RegisterClasses({TTabControl::StaticClass(), TPageControl::StaticClass(),
                   TTabSheet::StaticClass(), TStatusBar::StaticClass(),
                   THeaderControl::StaticClass(), TProgressBar::StaticClass(),
                   TTrackBar::StaticClass(), TUpDown::StaticClass(), TAnimate::StaticClass(),
                   TMonthCalendar::StaticClass(), TDateTimePicker::StaticClass()});
}

namespace {
struct TRegisterCommon {
  TRegisterCommon() { RegisterCommonControls(); }
} registerCommon;
}  // namespace

}  // namespace vcl
