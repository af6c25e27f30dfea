// Tallies of a control's published events whose signature is one of the mouse's or the keys':
// each event gets a handler of its own that counts its calls and, when given a log, writes
// the event's name there with the point it was told ("OnMouseDown 12,30").
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"

namespace packagetest {

// Whether an event's name says a click, the mouse, a key or a change of the user's raises it;
// the mouse entering and leaving is told to a disabled control too.
inline bool IsUsersInputEvent(const std::string& name) {
  if (name == "OnMouseEnter" || name == "OnMouseExit" || name == "OnMouseLeave") return false;
  for (const char* part : {"Click", "Change", "Mouse", "Wheel", "ContextPopup", "Scroll", "Key"})
    if (name.find(part) != std::string::npos) return true;
  return false;
}

class TTally : public vcl::TObject {
 public:
  TTally(std::string event, std::vector<std::string>* log) : Event(std::move(event)), log_(log) {}
  std::string Event;
  int Calls = 0;
  void Notify(vcl::TObject*) { Called(); }
  void Mouse(vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int x, int y) { Called(x, y); }
  void Move(vcl::TObject*, vcl::TShiftState, int x, int y) { Called(x, y); }
  void Wheel(vcl::TObject*, vcl::TShiftState, int, vcl::TPoint p, bool&) { Called(p.X, p.Y); }
  void WheelUpDown(vcl::TObject*, vcl::TShiftState, vcl::TPoint p, bool&) { Called(p.X, p.Y); }
  void Popup(vcl::TObject*, vcl::TPoint p, bool&) { Called(p.X, p.Y); }
  void Key(vcl::TObject*, uint16_t& key, vcl::TShiftState) { Called(key, 0); }
  void KeyPress(vcl::TObject*, char& key) { Called(key, 0); }

 private:
  void Called() {
    ++Calls;
    if (log_) log_->push_back(Event);
  }
  void Called(int x, int y) {
    ++Calls;
    if (log_) log_->push_back(Event + " " + std::to_string(x) + "," + std::to_string(y));
  }
  std::vector<std::string>* log_;
};

template <class E>
bool IsOfType(const vcl::TPropInfo* p) {
  return p->PropType == vcl::ZylTypeInfo(static_cast<E*>(nullptr));
}

// A tally on every published event of the control that `take` accepts by name and whose
// signature is one of the mouse's or the keys', unhooked again when the tallies go.
class TEventTallies {
 public:
  TEventTallies(vcl::TControl* c, const std::function<bool(const std::string&)>& take,
                std::vector<std::string>* log = nullptr)
      : control_(c) {
    for (const vcl::TPropInfo* p : vcl::GetPropList(c)) {
      if (p->Kind() != vcl::tkMethod || !take(p->Name)) continue;
      auto t = std::make_unique<TTally>(p->Name, log);
      const vcl::TMethod m = HandlerOf(p, t.get());
      if (!m.Assigned()) continue;
      vcl::SetMethodProp(c, p, m);
      events_.push_back(p);
      Tallies.push_back(std::move(t));
    }
  }
  ~TEventTallies() {
    for (const vcl::TPropInfo* p : events_) vcl::SetMethodProp(control_, p, vcl::TMethod{});
  }
  TEventTallies(const TEventTallies&) = delete;
  TEventTallies& operator=(const TEventTallies&) = delete;
  std::vector<std::unique_ptr<TTally>> Tallies;

 private:
  static vcl::TMethod HandlerOf(const vcl::TPropInfo* p, TTally* t) {
    if (IsOfType<vcl::TNotifyEvent>(p)) return vcl::TNotifyEvent(t, &TTally::Notify).Method();
    if (IsOfType<vcl::TMouseEvent>(p)) return vcl::TMouseEvent(t, &TTally::Mouse).Method();
    if (IsOfType<vcl::TMouseMoveEvent>(p)) return vcl::TMouseMoveEvent(t, &TTally::Move).Method();
    if (IsOfType<vcl::TMouseWheelEvent>(p))
      return vcl::TMouseWheelEvent(t, &TTally::Wheel).Method();
    if (IsOfType<vcl::TMouseWheelUpDownEvent>(p))
      return vcl::TMouseWheelUpDownEvent(t, &TTally::WheelUpDown).Method();
    if (IsOfType<vcl::TContextPopupEvent>(p))
      return vcl::TContextPopupEvent(t, &TTally::Popup).Method();
    if (IsOfType<vcl::TKeyEvent>(p)) return vcl::TKeyEvent(t, &TTally::Key).Method();
    if (IsOfType<vcl::TKeyPressEvent>(p)) return vcl::TKeyPressEvent(t, &TTally::KeyPress).Method();
    return {};
  }
  vcl::TControl* control_;
  std::vector<const vcl::TPropInfo*> events_;
};

}  // namespace packagetest
