// Users' handlers act on their own Sender: an OnChange that sets the value it was told of again
// or clamps it to another (or past its range), an OnClick of a list that clears or refills its
// items, an OnResize that resizes the control, a handler that switches the control off (and on
// again), hides it (and shows it again), re-creates its window (directly or through a style
// property), repaints it, replaces its font, its colour or every object it owns by a new copy,
// or selects its whole text. Over every component class the library's package registers, on a
// shown form, made in code and read from a form file, and each published change-like event the
// class has (OnChange, OnClick, OnSelect, OnResize, OnScroll, OnEnter, and the class's own
// events that tell of a change, a paint or an item drawn), raised by a user's input, each action
// that applies to the class is taken by the handler, on every call. The handler counts how deep
// it is entered and stops acting past a few levels, so an endless recursion fails instead of
// hanging. Expected: nothing raises, no endless recursion, the component's state afterwards is
// what the handler set last (the value read back, the items, the size, the font), a position
// lies within its range, an item index within the items, the caret and the selection within the
// text, no control switched off or hidden keeps the mouse once the button is up, the control
// paints, and the next input raises the event again.
// The cases that by the class's design end in another state, or whose event the action asks
// for again without end, are listed with the reason; a listed case that no longer shows it, or
// whose class, event or action has gone, fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "edits/ZYLBaseEdit.h"
#include "edits/ZYLCustomMemo.h"
#include "platform/classes/Component.h"
#include "platform/classes/Persistent.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"

namespace {

using packagetest::TInputStage;
using packagetest::TMade;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;
// A handler entered deeper than this inside itself is in an endless recursion.
constexpr int kDeepest = 3;
// More calls than this in one round of input is an endless loop through the message queue.
constexpr int kMostCalls = 200;
// The size the resizing handler gives the control.
constexpr int kWidth = 134, kHeight = 72;
// The font size the handler's new font has.
constexpr int kFontSize = 13;

// The events told while the component paints: of a paint, an item drawn or measured, a tick
// or a line's settings.
bool IsPaint(const std::string& event) {
  for (const char* word : {"Paint", "Draw", "Measure", "GetLineSettings"})
    if (event.find(word) != std::string::npos) return true;
  return false;
}

// The events the sweep binds: the change-like ones, and those told while the component paints.
bool IsChangeLike(const std::string& event) {
  static const std::set<std::string> named = {"OnChange", "OnClick",  "OnSelect",
                                              "OnResize", "OnScroll", "OnEnter"};
  return named.count(event) || event.find("Change") != std::string::npos || IsPaint(event);
}

// The value a user's input changes on the component, read and written as text.
struct TValue {
  std::string Name;
  std::function<std::string()> Get;
  std::function<void(const std::string&)> Set;
  // Other values to try, in order, given the current one.
  std::function<std::vector<std::string>(const std::string&)> Others;
};

// The list the component keeps its items in, and its index into them; nullptr when none.
vcl::TStrings* ItemsOf(vcl::TComponent* c) {
  if (const vcl::TPropInfo* p = vcl::GetPropInfo(c, "Items"); p && p->Kind() == vcl::tkClass)
    if (auto* items = dynamic_cast<vcl::TStrings*>(vcl::GetObjectProp(c, p))) return items;
  if (auto* list = dynamic_cast<vcl::TWindowListControl*>(c)) return list->Items();
  return nullptr;
}

std::optional<int> ItemIndexOf(vcl::TComponent* c) {
  if (const vcl::TPropInfo* p = vcl::GetPropInfo(c, "ItemIndex"); p && p->Kind() == vcl::tkInteger)
    return static_cast<int>(vcl::GetOrdProp(c, p));
  if (auto* list = dynamic_cast<vcl::TCustomListBox*>(c)) return list->ItemIndex();
  if (auto* combo = dynamic_cast<vcl::TCustomComboBox*>(c)) return combo->ItemIndex();
  return std::nullopt;
}

// Other values to try for an item index (of three items), a text and a number.
std::vector<std::string> OtherIndex(const std::string& now) { return {now == "0" ? "2" : "0"}; }

std::vector<std::string> OtherTexts(const std::string& now) {
  return {now == "12" ? "34" : "12", now + "1"};
}

std::vector<std::string> NumbersBeside(const std::string& current) {
  long long n = 0;
  try {
    n = std::stoll(current);
  } catch (const std::exception&) {
  }
  return {std::to_string(n + 1), std::to_string(n - 1)};
}

// A published value property of the component, by the names users' handlers set.
std::optional<TValue> PublishedValue(vcl::TComponent* c) {
  for (const char* name : {"ItemIndex", "Position", "Value", "Checked", "State", "Text"}) {
    const vcl::TPropInfo* p = vcl::GetPropInfo(c, name);
    if (!p || !p->IsWritable()) continue;
    TValue v{name, [c, p] { return vcl::GetPropValue(c, p); },
             [c, p](const std::string& x) { vcl::SetPropValue(c, p, x); }, nullptr};
    switch (p->Kind()) {
      case vcl::tkInteger:
      case vcl::tkInt64:
        v.Others = std::string(name) == "ItemIndex" ? OtherIndex : NumbersBeside;
        break;
      case vcl::tkFloat:
        v.Others = [c, p](const std::string&) {
          const double now = vcl::GetFloatProp(c, p);
          return std::vector<std::string>{std::to_string(now + 1), std::to_string(now - 1)};
        };
        break;
      case vcl::tkEnumeration:
        v.Get = [c, p] { return std::to_string(vcl::GetOrdProp(c, p)); };
        v.Set = [c, p](const std::string& x) { vcl::SetOrdProp(c, p, std::stoll(x)); };
        v.Others = [](const std::string& now) {
          return std::vector<std::string>{now == "0" ? "1" : "0"};
        };
        break;
      case vcl::tkString: v.Others = OtherTexts; break;
      default: continue;
    }
    return v;
  }
  return std::nullopt;
}

std::optional<TValue> ValueOf(vcl::TComponent* c) {
  if (std::optional<TValue> v = PublishedValue(c)) return v;
  if (auto* list = dynamic_cast<vcl::TCustomListBox*>(c))
    return TValue{"ItemIndex", [list] { return std::to_string(list->ItemIndex()); },
                  [list](const std::string& x) { list->SetItemIndex(std::stoi(x)); }, OtherIndex};
  if (auto* combo = dynamic_cast<vcl::TCustomComboBox*>(c))
    return TValue{"ItemIndex", [combo] { return std::to_string(combo->ItemIndex()); },
                  [combo](const std::string& x) { combo->SetItemIndex(std::stoi(x)); }, OtherIndex};
  if (auto* edit = dynamic_cast<zyl::TZYLBaseEdit*>(c))
    return TValue{"Text", [edit] { return edit->Text(); },
                  [edit](const std::string& x) { edit->SetText(x); }, OtherTexts};
  return std::nullopt;
}

// What a case's handler and its checks share.
struct TTarget {
  const TInputStage* Stage = nullptr;
  vcl::TComponent* Component = nullptr;
  vcl::TControl* Control = nullptr;
  std::optional<TValue> Value;
  std::string Wanted;    // what the handler sets
  std::string Expected;  // what the component reads back after such a set
  std::string LastSet;   // what the handler set last
  int Width = 0, Height = 0;
  // The style property whose change re-creates the window.
  const vcl::TPropInfo* Style = nullptr;
  // The owned objects a copy of which the component takes.
  std::vector<const vcl::TPropInfo*> Owned;
};

// A re-entrant action: whether it applies to the component (and what it expects, found by
// taking it once before the handler is bound), what the handler does, and what must hold
// afterwards ("" when it holds).
struct TAction {
  const char* Name;
  // Whether the action repaints however often it is taken (items assigned are new items even
  // when they equal the old): a handler of a paint event that takes it asks for paints without
  // end, by its nature.
  bool Repaints;
  std::function<bool(TTarget&)> Prepare;
  std::function<void(TTarget&)> Act;
  std::function<std::string(TTarget&)> Check;
};

// Finds the first of the values that the component takes as another than its own: taken once
// before the handler is bound, what it reads back is what the handler's set is expected to
// leave; the component's own value is set back.
bool Settle(TTarget& t, const std::vector<std::string>& candidates) {
  const std::string now = t.Value->Get();
  for (const std::string& other : candidates) {
    try {
      t.Value->Set(other);
    } catch (const vcl::Exception&) {
      continue;
    }
    const std::string got = t.Value->Get();
    t.Value->Set(now);
    win::testkit::RunUntilIdle();
    if (got == now) continue;
    t.Wanted = other;
    t.Expected = got;
    return true;
  }
  return false;
}

std::optional<double> NumberOf(vcl::TComponent* c, const char* name);

// A value past the end of the component's range: an item index past the items, a number above
// the published maximum; nullopt for a value without a range.
std::optional<std::string> Beyond(const TTarget& t) {
  if (t.Value->Name == "ItemIndex") {
    if (vcl::TStrings* items = ItemsOf(t.Component)) return std::to_string(items->Count() + 2);
    return std::nullopt;
  }
  for (const char* max : {"Max", "MaxValue"})
    if (std::optional<double> m = NumberOf(t.Component, max); m && *m > 0)
      return std::to_string(static_cast<long long>(*m) + 5);
  return std::nullopt;
}

// Whether the published object property holds an object the component owns (a font, a list
// of items, a bevel), not a component it refers to.
bool IsOwned(vcl::TComponent* c, const vcl::TPropInfo* p) {
  vcl::TObject* o = vcl::GetObjectProp(c, p);
  return dynamic_cast<vcl::TPersistent*>(o) && !dynamic_cast<vcl::TComponent*>(o);
}

// Gives the property a new object of its object's class copied from it (a string list for a
// list of lines), as a handler that makes a new font or list and assigns it does; the new
// object is freed afterwards.
void ReplaceByCopy(vcl::TComponent* c, const vcl::TPropInfo* p) {
  auto* own = static_cast<vcl::TPersistent*>(vcl::GetObjectProp(c, p));
  std::unique_ptr<vcl::TObject> copy;
  // A list of lines is copied into a string list, which stands on its own (a memo's lines are
  // a face of their memo).
  if (auto* lines = dynamic_cast<zyl::TZYLMemoStrings*>(own)) {
    auto list = std::make_unique<vcl::TStringList>();
    lines->GetAsStrings(list.get());
    copy = std::move(list);
  } else if (dynamic_cast<vcl::TStrings*>(own)) {
    copy = std::make_unique<vcl::TStringList>();
  } else {
    copy.reset(own->ClassType()->CreateInstance());
  }
  auto* fresh = dynamic_cast<vcl::TPersistent*>(copy.get());
  if (!fresh) return;
  if (!dynamic_cast<zyl::TZYLMemoStrings*>(own)) fresh->Assign(own);
  vcl::SetObjectProp(c, p, fresh);
}

// The mouse held by the control (or a window inside it) that the handler switched off or hid,
// with no button down: "" when it holds none.
std::string HeldMouse(const TTarget& t) {
  const win::HWND capture = win::GetCapture();
  auto* w = dynamic_cast<vcl::TWinControl*>(t.Control);
  if (!capture || (win::GetAsyncKeyState(win::VK_LBUTTON) & 0x8000)) return "";
  if (w && w->HandleAllocated() && (capture == w->Handle() || win::IsChild(w->Handle(), capture)))
    return "the mouse is held by the control";
  return "";
}

std::string Mismatch(const std::string& what, const std::string& got, const std::string& want) {
  return got == want ? "" : what + " is " + got + ", expected " + want;
}

const std::vector<TAction>& Actions() {
  static const std::vector<TAction> actions = {
      {"the value set again to itself", false, [](TTarget& t) { return t.Value.has_value(); },
       [](TTarget& t) {
         t.LastSet = t.Value->Get();
         t.Value->Set(t.LastSet);
       },
       [](TTarget& t) { return Mismatch(t.Value->Name, t.Value->Get(), t.LastSet); }},
      {"the value set to another valid one", false,
       [](TTarget& t) { return t.Value && Settle(t, t.Value->Others(t.Value->Get())); },
       [](TTarget& t) { t.Value->Set(t.Wanted); },
       [](TTarget& t) { return Mismatch(t.Value->Name, t.Value->Get(), t.Expected); }},
      {"the value set beyond its range", false,
       [](TTarget& t) {
         if (!t.Value) return false;
         const std::optional<std::string> beyond = Beyond(t);
         return beyond && Settle(t, {*beyond});
       },
       [](TTarget& t) { t.Value->Set(t.Wanted); },
       [](TTarget& t) { return Mismatch(t.Value->Name, t.Value->Get(), t.Expected); }},
      {"the items cleared", false, [](TTarget& t) { return ItemsOf(t.Component) != nullptr; },
       [](TTarget& t) { ItemsOf(t.Component)->Clear(); },
       [](TTarget& t) {
         return Mismatch("the count of items", std::to_string(ItemsOf(t.Component)->Count()), "0");
       }},
      {"the items replaced by another list", true,
       [](TTarget& t) { return ItemsOf(t.Component) != nullptr; },
       [](TTarget& t) {
         auto other = std::make_unique<vcl::TStringList>();
         other->Add("Four");
         other->Add("Five");
         ItemsOf(t.Component)->Assign(other.get());
       },
       [](TTarget& t) {
         return Mismatch("the count of items", std::to_string(ItemsOf(t.Component)->Count()), "2");
       }},
      {"the control resized", false,
       [](TTarget& t) {
         vcl::TControl* c = t.Control;
         if (!c) return false;
         const vcl::TRect was = c->BoundsRect();
         c->SetBounds(c->Left(), c->Top(), kWidth, kHeight);
         // A control may correct its size when it paints (to whole segments, say).
         packagetest::PaintShown(t.Stage->Form());
         t.Width = c->Width();
         t.Height = c->Height();
         c->SetBounds(was.Left, was.Top, was.Right - was.Left, was.Bottom - was.Top);
         win::testkit::RunUntilIdle();
         return true;
       },
       [](TTarget& t) {
         t.Control->SetBounds(t.Control->Left(), t.Control->Top(), kWidth, kHeight);
       },
       [](TTarget& t) {
         return Mismatch(
             "the size",
             std::to_string(t.Control->Width()) + "x" + std::to_string(t.Control->Height()),
             std::to_string(t.Width) + "x" + std::to_string(t.Height));
       }},
      {"the window re-created", true,
       [](TTarget& t) { return dynamic_cast<vcl::TWinControl*>(t.Control) != nullptr; },
       [](TTarget& t) { static_cast<vcl::TWinControl*>(t.Control)->RecreateWnd(); },
       [](TTarget& t) {
         auto* w = static_cast<vcl::TWinControl*>(t.Control);
         if (!w->HandleAllocated() || !win::IsWindow(w->Handle())) return std::string("no window");
         return Mismatch("the window shown", std::to_string(win::IsWindowVisible(w->Handle()) != 0),
                         std::to_string(w->Showing()));
       }},
      {"the window re-created by a style property", false,
       [](TTarget& t) {
         if (!dynamic_cast<vcl::TWinControl*>(t.Control)) return false;
         for (const char* name : {"Transparent", "MultiLine", "VerticalScrollBar", "Ctl3D"}) {
           const vcl::TPropInfo* p = vcl::GetPropInfo(t.Component, name);
           if (!p || p->Kind() != vcl::tkEnumeration || !p->IsWritable()) continue;
           const int64_t now = vcl::GetOrdProp(t.Component, p);
           vcl::SetOrdProp(t.Component, p, !now);
           const int64_t got = vcl::GetOrdProp(t.Component, p);
           vcl::SetOrdProp(t.Component, p, now);
           win::testkit::RunUntilIdle();
           if (got == now) continue;
           t.Style = p;
           t.Wanted = std::to_string(!now);
           return true;
         }
         return false;
       },
       [](TTarget& t) { vcl::SetOrdProp(t.Component, t.Style, std::stoll(t.Wanted)); },
       [](TTarget& t) {
         auto* w = static_cast<vcl::TWinControl*>(t.Control);
         if (!w->HandleAllocated() || !win::IsWindow(w->Handle())) return std::string("no window");
         return Mismatch(t.Style->Name, std::to_string(vcl::GetOrdProp(t.Component, t.Style)),
                         t.Wanted);
       }},
      {"switched off and on", true, [](TTarget& t) { return t.Control != nullptr; },
       [](TTarget& t) {
         t.Control->SetEnabled(false);
         t.Control->SetEnabled(true);
       },
       [](TTarget& t) { return Mismatch("Enabled", std::to_string(t.Control->Enabled()), "1"); }},
      {"switched off", false, [](TTarget& t) { return t.Control != nullptr; },
       [](TTarget& t) { t.Control->SetEnabled(false); },
       [](TTarget& t) {
         if (std::string held = HeldMouse(t); !held.empty()) return held;
         return Mismatch("Enabled", std::to_string(t.Control->Enabled()), "0");
       }},
      {"hidden", false, [](TTarget& t) { return t.Control != nullptr; },
       [](TTarget& t) { t.Control->Hide(); },
       [](TTarget& t) {
         if (std::string held = HeldMouse(t); !held.empty()) return held;
         return Mismatch("Visible", std::to_string(t.Control->Visible()), "0");
       }},
      {"hidden and shown", true, [](TTarget& t) { return t.Control != nullptr; },
       [](TTarget& t) {
         t.Control->Hide();
         t.Control->Show();
       },
       [](TTarget& t) { return Mismatch("Visible", std::to_string(t.Control->Visible()), "1"); }},
      {"repainted", true, [](TTarget& t) { return t.Control != nullptr; },
       [](TTarget& t) {
         t.Control->Invalidate();
         t.Control->Refresh();
         t.Control->Repaint();
       },
       [](TTarget&) { return std::string(); }},
      {"the colour changed", false,
       [](TTarget& t) {
         const vcl::TPropInfo* p = vcl::GetPropInfo(t.Component, "Color");
         return t.Control && p && p->IsWritable();
       },
       [](TTarget& t) { vcl::SetOrdProp(t.Component, "Color", vcl::clYellow); },
       [](TTarget& t) {
         return Mismatch("Color", std::to_string(vcl::GetOrdProp(t.Component, "Color")),
                         std::to_string(vcl::clYellow));
       }},
      {"the font replaced by a new one", true,
       [](TTarget& t) {
         const vcl::TPropInfo* p = vcl::GetPropInfo(t.Component, "Font");
         return p && p->Kind() == vcl::tkClass && p->IsWritable() &&
                dynamic_cast<vcl::TFont*>(vcl::GetObjectProp(t.Component, p));
       },
       [](TTarget& t) {
         auto font = std::make_unique<vcl::TFont>();
         font->Assign(static_cast<vcl::TFont*>(vcl::GetObjectProp(t.Component, "Font")));
         font->SetSize(kFontSize);
         vcl::SetObjectProp(t.Component, "Font", font.get());
       },
       [](TTarget& t) {
         auto* font = static_cast<vcl::TFont*>(vcl::GetObjectProp(t.Component, "Font"));
         return Mismatch("the font size", std::to_string(font->Size()), std::to_string(kFontSize));
       }},
      {"every owned object replaced by a copy of itself", true,
       [](TTarget& t) {
         for (const vcl::TPropInfo* p : vcl::GetPropList(t.Component))
           if (p->Kind() == vcl::tkClass && p->IsWritable() && IsOwned(t.Component, p)) try {
               ReplaceByCopy(t.Component, p);
               t.Owned.push_back(p);
             } catch (const vcl::Exception&) {
               // An object that takes no copy of itself (a collection of another item class).
             }
         win::testkit::RunUntilIdle();
         return !t.Owned.empty();
       },
       [](TTarget& t) {
         for (const vcl::TPropInfo* p : t.Owned) ReplaceByCopy(t.Component, p);
       },
       [](TTarget&) { return std::string(); }},
      {"the whole text selected", false,
       [](TTarget& t) { return dynamic_cast<zyl::TZYLBaseEdit*>(t.Component) != nullptr; },
       [](TTarget& t) {
         auto* edit = static_cast<zyl::TZYLBaseEdit*>(t.Component);
         edit->Select(1, edit->GetLength());
       },
       [](TTarget& t) {
         auto* edit = static_cast<zyl::TZYLBaseEdit*>(t.Component);
         return Mismatch("the selection's length", std::to_string(edit->SelLength()),
                         std::to_string(edit->GetLength()));
       }},
  };
  return actions;
}

// The number a published numeric property holds; nullopt for another kind or none.
std::optional<double> NumberOf(vcl::TComponent* c, const char* name) {
  const vcl::TPropInfo* p = vcl::GetPropInfo(c, name);
  if (!p) return std::nullopt;
  switch (p->Kind()) {
    case vcl::tkInteger: return static_cast<double>(vcl::GetOrdProp(c, p));
    case vcl::tkInt64: return static_cast<double>(vcl::GetInt64Prop(c, p));
    case vcl::tkFloat: return vcl::GetFloatProp(c, p);
    default: return std::nullopt;
  }
}

// A position or value outside the range the component publishes ("" when within or when the
// range is open).
std::string OutOfRange(vcl::TComponent* c) {
  for (const char* value : {"Position", "Value"}) {
    const std::optional<double> v = NumberOf(c, value);
    if (!v) continue;
    for (auto [lo, hi] : {std::pair{"Min", "Max"}, std::pair{"MinValue", "MaxValue"}}) {
      const std::optional<double> min = NumberOf(c, lo), max = NumberOf(c, hi);
      if (min && max && *min < *max && (*v < *min || *v > *max))
        return std::string(value) + " " + std::to_string(*v) + " outside " + std::to_string(*min) +
               " .. " + std::to_string(*max);
    }
  }
  return "";
}

// What holds of any component afterwards, whatever the handler did: a position within its
// range, an item index within the items, the caret and the selection within the text ("" when
// it holds).
std::string Consistent(vcl::TComponent* c) {
  if (std::string range = OutOfRange(c); !range.empty()) return range;
  if (vcl::TStrings* items = ItemsOf(c))
    if (std::optional<int> index = ItemIndexOf(c);
        index && (*index < -1 || *index >= items->Count()))
      return "item index " + std::to_string(*index) + " of " + std::to_string(items->Count()) +
             " items";
  if (auto* edit = dynamic_cast<zyl::TZYLBaseEdit*>(c)) {
    const int end = edit->GetLength() + 1;
    if (edit->CaretPos() < 1 || edit->CaretPos() > end)
      return "caret at " + std::to_string(edit->CaretPos()) + " in a text of " +
             std::to_string(end - 1);
    if (edit->SelStart() < 1 || edit->SelLength() < 0 || edit->SelStart() + edit->SelLength() > end)
      return "selection " + std::to_string(edit->SelStart()) + "+" +
             std::to_string(edit->SelLength()) + " in a text of " + std::to_string(end - 1);
  }
  return "";
}

// What a case's handler heard.
struct TCalls {
  int Calls = 0;
  int Depth = 0;
  int Deepest = 0;
  bool Endless = false;
  bool Paused = false;  // the test readies the component: the handler neither counts nor acts
};

// The handler: counts, guards against its own recursion, then acts.
void Handle(TCalls& calls, TTarget& t, const TAction& action) {
  if (calls.Paused) return;
  ++calls.Calls;
  if (calls.Depth >= kDeepest || calls.Calls > kMostCalls) {
    calls.Endless = true;
    return;
  }
  struct TDeeper {
    int& Depth;
    explicit TDeeper(int& d) : Depth(d) { ++Depth; }
    ~TDeeper() { --Depth; }
  } deeper(calls.Depth);
  calls.Deepest = std::max(calls.Deepest, calls.Depth);
  action.Act(t);
}

// Makes the control (the form for a component that is no control) larger by some pixels, so
// that every round resizes it again.
void Grow(const TInputStage& s) {
  vcl::TControl* c = packagetest::ControlOf(s);
  if (!c) c = s.Form();
  c->SetBounds(c->Left(), c->Top(), c->Width() + 12, c->Height() + 8);
}

// Takes the steps until the handler has been called; answers the step ("" for none) and the
// error that came out of a step. A round starts with the focus moved away (a shown form
// focuses its first control) and given back by the keyboard's way, which a press of the mouse
// would follow with its own work; a later round grows the control as well, so that entering
// and resizing are input again; after the shared steps come a digit and the up arrow, which
// change a numeric edit at its lowest value.
std::string StepUntilCalled(const TInputStage& s, const TCalls& calls, std::string& error,
                            bool later = false) {
  const int before = calls.Calls;
  const win::POINT at = packagetest::Spot(s);
  std::vector<packagetest::TStep> steps = {packagetest::StepNamed("focus moved away"),
                                           packagetest::StepNamed("focused")};
  if (later) steps.push_back({"grown", [](const TInputStage& st, win::POINT) { Grow(st); }});
  steps.insert(steps.end(), packagetest::Steps().begin(), packagetest::Steps().end());
  steps.push_back({"focused again", packagetest::StepNamed("focused").Run});
  steps.push_back(
      {"digit typed", [](const TInputStage&, win::POINT) { win::testkit::TypeText("1"); }});
  steps.push_back(
      {"up pressed", [](const TInputStage&, win::POINT) { win::testkit::KeyPress(win::VK_UP); }});
  for (const packagetest::TStep& step : steps) {
    try {
      step.Run(s, at);
      win::testkit::RunUntilIdle();
    } catch (const vcl::testkit::EDialogScript&) {
      // A dialog the input brought up was closed at once.
    } catch (const std::exception& e) {
      error = std::string(step.Name) + ": " + e.what();
      return step.Name;
    }
    if (calls.Calls > before || s.FormGone().Freed) return step.Name;
  }
  return "";
}

// Makes the component ready for the next input to change it again: emptied items are given
// back, no item is chosen, so that a click or a key chooses one, and a control switched off or
// hidden is switched on and shown.
void ReadyForMore(TTarget& t, TCalls& calls) {
  calls.Paused = true;
  if (vcl::TStrings* items = ItemsOf(t.Component); items && items->Count() == 0)
    for (const char* item : {"One", "Two", "Three"}) items->Add(item);
  if (t.Value && t.Value->Name == "ItemIndex") t.Value->Set("-1");
  // A control switched off or hidden by the handler comes back.
  if (t.Control) {
    t.Control->SetEnabled(true);
    t.Control->Show();
  }
  win::testkit::RunUntilIdle();
  calls.Paused = false;
}

// What a case shows by the class's design instead of what the sweep expects.
enum class TShows {
  OtherState,      // the state afterwards is not what the handler set
  EndlessByNature  // the event is told from what the action asks for, so it comes without end
};

// Cases that by their classes' design differ from what the sweep expects, and why.
struct TKnown {
  std::vector<std::string> Classes;
  const char* Event;
  const char* Action;
  TShows Shows;
  const char* Why;
};

constexpr char kCaretAfterTheChange[] =
    "the caret moves behind the inserted text once the change has been told, which collapses "
    "a selection made while it is told";
constexpr char kTransparentRepaints[] =
    "the style property is Transparent, which a windowed control stores and shows again on "
    "every set, the same value too: set while it paints, it asks for another paint";
constexpr char kToldFromPaint[] =
    "told from each painted step: hiding and showing it, switching it off and on, or giving it "
    "new objects of its own asks for another paint, which tells again";

const std::vector<TKnown>& KnownCases() {
  // The edits that take a typed letter or digit as it is.
  static const std::vector<std::string> kTakeLetters = {"TZYLBrowseEdit",
                                                        "TZYLEdit",
                                                        "TZYLExtSpinEdit",
                                                        "TZYLFileOpenEdit",
                                                        "TZYLFileSaveEdit",
                                                        "TZYLLabeledBrowseEdit",
                                                        "TZYLLabeledEdit",
                                                        "TZYLLabeledExtSpinEdit",
                                                        "TZYLLabeledFileOpenEdit",
                                                        "TZYLLabeledFileSaveEdit",
                                                        "TZYLLabeledMemo",
                                                        "TZYLMemo",
                                                        "TZYLSpinEdit"};
  static const std::vector<TKnown> known = {
      {kTakeLetters, "OnChange", "the whole text selected", TShows::OtherState,
       kCaretAfterTheChange},
      {kTakeLetters, "OnTextChangedAt", "the whole text selected", TShows::OtherState,
       kCaretAfterTheChange},
      {{"TZYLBrowseEdit", "TZYLEdit", "TZYLFileOpenEdit", "TZYLFileSaveEdit",
        "TZYLLabeledBrowseEdit", "TZYLLabeledEdit", "TZYLLabeledFileOpenEdit",
        "TZYLLabeledFileSaveEdit", "TZYLLabeledMemo", "TZYLMemo"},
       "OnCursorPosChanged",
       "the whole text selected",
       TShows::OtherState,
       "a change of the text tells of the caret's move and then collapses the selection at the "
       "caret"},
      {{"TZYLLabeledMemo", "TZYLMemo"},
       "OnRowCountChanged",
       "the whole text selected",
       TShows::OtherState,
       "the row count is told while the change is laid out, before the caret moves behind the "
       "inserted text, which collapses a selection made while it is told"},
      {{"TZYLScrollText"}, "OnScroll", "hidden and shown", TShows::EndlessByNature, kToldFromPaint},
      {{"TZYLScrollText"},
       "OnScroll",
       "every owned object replaced by a copy of itself",
       TShows::EndlessByNature,
       kToldFromPaint},
      {{"TZYLScrollText"},
       "OnScroll",
       "switched off and on",
       TShows::EndlessByNature,
       kToldFromPaint},
      {{"TZYLLabeledMemo", "TZYLMemo"},
       "OnMarginRowPaint",
       "the window re-created by a style property",
       TShows::EndlessByNature,
       kTransparentRepaints},
      {{"TZYLTrackBar"},
       "OnDrawTick",
       "the window re-created by a style property",
       TShows::EndlessByNature,
       kTransparentRepaints},
      {{"TZYLStatusBar"},
       "OnResize",
       "the control resized",
       TShows::OtherState,
       "aligned to the bottom of its form: the size set while the form aligns it stands until "
       "the form aligns it again (an alignment asked for during an alignment is not made again, "
       "which would fight a handler that sizes it on every call without end)"},
  };
  return known;
}

bool Names(const TKnown& k, const std::string& cls) {
  return std::find(k.Classes.begin(), k.Classes.end(), cls) != k.Classes.end();
}

std::string KeyOf(const std::string& cls, const TKnown& k) {
  return cls + "." + k.Event + ": " + k.Action;
}

const TKnown* KnownCase(vcl::TClass cls, const std::string& event, const std::string& action) {
  for (const TKnown& k : KnownCases())
    if (Names(k, cls->ClassName()) && event == k.Event && action == k.Action) return &k;
  return nullptr;
}

// A list or combo box whose items its owner draws, so that it tells of each item drawn and
// measured, a progress bar its owner paints and a track bar whose ticks its owner draws, so
// that they tell of each paint and tick; other components stay as they are.
void DrawnByItsOwner(vcl::TComponent* c) {
  const std::pair<const char*, std::vector<const char*>> styles[] = {
      {"Style", {"lbOwnerDrawVariable", "csOwnerDrawVariable", "pgOwnerDraw"}},
      {"TickStyle", {"tsOwnerDraw"}}};
  for (const auto& [name, drawn] : styles) {
    const vcl::TPropInfo* style = vcl::GetPropInfo(c, name);
    if (!style || style->Kind() != vcl::tkEnumeration || !style->IsWritable()) continue;
    for (const char* value : drawn) try {
        vcl::SetEnumProp(c, style, value);
        win::testkit::RunUntilIdle();
        break;
      } catch (const vcl::Exception&) {
        // Not a style of this class.
      }
  }
}

class ReentrantHandlers
    : public packagetest::TPackageFixture<::testing::TestWithParam<std::tuple<int, TMade>>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = RegisteredComponents();
  }
  // Runs one case; false when the input raised no event. The known cases that showed what
  // they are listed for go into `shown`.
  bool RunCase(vcl::TClass cls, const vcl::TPropInfo* event, const TAction& action,
               std::set<std::string>& shown) {
    TInputStage s(cls, std::get<1>(GetParam()));
    TTarget t;
    t.Stage = &s;
    t.Component = s.Component();
    t.Control = packagetest::ControlOf(s);
    if (t.Control) packagetest::GiveItems(t.Control);
    if (IsPaint(event->Name)) DrawnByItsOwner(t.Component);
    t.Value = ValueOf(t.Component);
    if (!action.Prepare(t)) return false;
    TCalls calls;
    const vcl::TMethod* m =
        handlers_.For(event->PropType->Signature, [&](vcl::TObject*) { Handle(calls, t, action); });
    if (!m) {
      ADD_FAILURE() << "no handler for the signature of " << event->Name;
      return false;
    }
    vcl::SetMethodProp(t.Component, event, *m);
    std::string error;
    const std::string step = StepUntilCalled(s, calls, error);
    EXPECT_EQ(error, "");
    if (!calls.Calls || s.ComponentGone().Freed) return false;
    SCOPED_TRACE("first raised by: " + step);
    // A press the handler came in the middle of is finished where it began.
    if (win::GetAsyncKeyState(win::VK_LBUTTON) & 0x8000) {
      const win::POINT at = packagetest::Spot(s);
      win::testkit::MouseUp(at.X, at.Y);
      win::testkit::RunUntilIdle();
      if (s.ComponentGone().Freed) return false;
    }
    const TKnown* known = KnownCase(cls, event->Name, action.Name);
    const bool endlessKnown = known && known->Shows == TShows::EndlessByNature;
    const bool otherKnown = known && known->Shows == TShows::OtherState;
    if (calls.Endless && endlessKnown) shown.insert(KeyOf(cls->ClassName(), *known));
    if (!endlessKnown) {
      EXPECT_FALSE(calls.Endless) << "endless recursion, " << calls.Calls << " calls";
    }
    const std::string state = action.Check(t);
    if (!state.empty() && otherKnown) shown.insert(KeyOf(cls->ClassName(), *known));
    if (!otherKnown) {
      EXPECT_EQ(state, "");
    }
    EXPECT_EQ(Consistent(t.Component), "");
    std::string paint;
    try {
      packagetest::PaintShown(s.Form());
    } catch (const std::exception& e) {
      paint = e.what();
    }
    EXPECT_EQ(paint, "") << "the control does not paint";
    // The next input raises the event again.
    ReadyForMore(t, calls);
    const int before = calls.Calls;
    StepUntilCalled(s, calls, error, true);
    EXPECT_EQ(error, "");
    if (!endlessKnown) {
      EXPECT_FALSE(calls.Endless) << "endless recursion, " << calls.Calls << " calls";
    }
    EXPECT_GT(calls.Calls, before) << "the next input did not raise the event";
    if (!s.ComponentGone().Freed) {
      EXPECT_EQ(Consistent(t.Component), "");
    }
    return true;
  }

  packagetest::THandlers handlers_;
  std::vector<vcl::TClass> classes_;
  // Every dialog the input brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers_;
};

TEST_P(ReentrantHandlers, AHandlerChangingItsSenderLeavesItConsistentAndListening) {
  ASSERT_GT(classes_.size(), 80u / kShards);
  int raised = 0;
  std::set<std::string> shown;
  std::map<std::string, int> taken;  // the cases raised, by action
  std::vector<vcl::TClass> shard;
  for (size_t k = static_cast<size_t>(std::get<0>(GetParam())); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    shard.push_back(cls);
    for (const vcl::TPropInfo* event : packagetest::EventsOf(cls)) {
      if (!IsChangeLike(event->Name)) continue;
      for (const TAction& action : Actions()) {
        if (action.Repaints && IsPaint(event->Name)) continue;
        SCOPED_TRACE(cls->ClassName() + "." + event->Name + ": " + action.Name);
        if (RunCase(cls, event, action, shown)) {
          ++raised;
          ++taken[action.Name];
        }
      }
    }
  }
  // A known case of the shard's classes that no longer shows what it is listed for is stale.
  for (const TKnown& k : KnownCases())
    for (vcl::TClass cls : shard)
      if (Names(k, cls->ClassName())) {
        EXPECT_TRUE(shown.count(KeyOf(cls->ClassName(), k)))
            << KeyOf(cls->ClassName(), k) << " is listed but did not show";
      }
  // Every shard raises events of its classes, so the sweep cannot pass by doing nothing.
  EXPECT_GT(raised, 20);
  RecordProperty("cases raised", raised);
  std::string counts;
  for (const auto& [name, n] : taken) counts += name + "=" + std::to_string(n) + "; ";
  RecordProperty("cases by action", counts);
}

INSTANTIATE_TEST_SUITE_P(Shards, ReentrantHandlers,
                         ::testing::Combine(::testing::Range(0, kShards),
                                            ::testing::Values(TMade::FromFormFile, TMade::InCode)),
                         [](const auto& info) {
                           return std::string(std::get<1>(info.param) == TMade::InCode
                                                  ? "MadeInCode"
                                                  : "ReadFromAFormFile") +
                                  "_" + std::to_string(std::get<0>(info.param));
                         });

// The table of known cases names classes the package registers, change-like events they
// publish and actions of the sweep, each case once and with its reason.
class ReentrantHandlersTable : public packagetest::TPackageFixture<> {};

TEST_F(ReentrantHandlersTable, NamesRegisteredClassesTheirEventsAndTheActions) {
  std::set<std::string> seen;
  EXPECT_FALSE(KnownCases().empty());
  for (const TKnown& k : KnownCases()) {
    EXPECT_FALSE(k.Classes.empty());
    for (const std::string& name : k.Classes) {
      SCOPED_TRACE(KeyOf(name, k));
      bool published = false;
      for (vcl::TClass cls : registered_)
        if (cls->ClassName() == name) {
          const vcl::TPropInfo* e = vcl::GetPropInfo(cls, k.Event);
          published = e && e->Kind() == vcl::tkMethod;
        }
      EXPECT_TRUE(published) << "no such class registered, or it does not publish the event";
      EXPECT_TRUE(seen.insert(KeyOf(name, k)).second) << "listed twice";
    }
    EXPECT_TRUE(IsChangeLike(k.Event)) << "an event the sweep does not bind";
    EXPECT_TRUE(std::any_of(Actions().begin(), Actions().end(),
                            [&](const TAction& a) { return std::string(a.Name) == k.Action; }))
        << k.Action << ": no such action";
    EXPECT_GT(std::string(k.Why).size(), 10u) << "no reason given";
  }
}

}  // namespace
