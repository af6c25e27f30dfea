// The fixture of the date control tests: fixed format settings, the virtual clock at
// 2024-02-10 09:30, a shown picker or calendar on a fresh form, and a spy on WM_NOTIFY.
#pragma once

#include "ComCtrlsTestSupport.h"
#include "platform/rtl/Locale.h"

namespace vcl::testing {

using namespace win::testkit;

// Records the WM_NOTIFY codes a control's window hears.
class TNotifySpy : public TObject {
 public:
  explicit TNotifySpy(TControl* c) : control_(c), old_(c->WindowProc()) {
    c->SetWindowProc(TWndMethod(this, &TNotifySpy::Proc));
  }
  ~TNotifySpy() override { control_->SetWindowProc(old_); }
  std::vector<win::UINT> Codes;
  win::SYSTEMTIME Last, LastEnd;  // LastEnd: the end of a calendar's selection

 private:
  void Proc(TMessage& m) {
    if (m.Msg == win::WM_NOTIFY) {
      const auto* hdr = reinterpret_cast<const win::NMHDR*>(m.LParam);
      Codes.push_back(hdr->code);
      if (hdr->code == win::DTN_DATETIMECHANGE)
        Last = reinterpret_cast<const win::NMDATETIMECHANGE*>(m.LParam)->st;
      else if (hdr->code == win::MCN_SELCHANGE || hdr->code == win::MCN_SELECT) {
        Last = reinterpret_cast<const win::NMSELCHANGE*>(m.LParam)->stSelStart;
        LastEnd = reinterpret_cast<const win::NMSELCHANGE*>(m.LParam)->stSelEnd;
      }
    }
    old_(m);
  }
  TControl* control_;
  TWndMethod old_;
};

inline bool Blank(const TRect& r) { return r.Width() == 0; }

inline TDateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
  return JoinDateTime(EncodeDate(y, m, d), EncodeTime(h, n, s, 0));
}

class DateCtrlsTest : public ComCtrlsTest {
 protected:
  DateCtrlsTest() {
    FormatSettings.DateSeparator = '/';
    FormatSettings.TimeSeparator = ':';
    FormatSettings.ShortDateFormat = "dd/mm/yyyy";
    FormatSettings.LongDateFormat = "dddd, d mmmm yyyy";
    FormatSettings.LongTimeFormat = "hh:nn:ss";
    Session().Clock().SetNow(At(2024, 2, 10, 9, 30));
  }
  // A shown, focused picker on a fresh form.
  TDateTimePicker* Picker(TDateTime value, TDateTimeKind kind = dtkDate) {
    NewForm(320, 260);
    auto* p = Add<TDateTimePicker>(10, 10, 186, 21);
    p->SetKind(kind);
    p->SetDateTime(value);
    Show();
    p->SetFocus();
    Idle();
    return p;
  }
  TMonthCalendar* Calendar(TDateTime value) {
    NewForm(320, 260);
    auto* c = Add<TMonthCalendar>(10, 10, 0, 0);
    const TSize need = c->RequiredSize();
    c->SetBounds(10, 10, need.cx, need.cy);
    c->SetDate(value);
    Show();
    return c;
  }
  void Press(win::BYTE key, int times = 1) {
    for (int i = 0; i < times; ++i) KeyPress(key);
  }
  TFormatSettingsScope settings_;
};

}  // namespace vcl::testing
