// Shared fixture of the control tests: a fresh headless window system on a virtual clock,
// with the framework's global state reset for it; and helpers that build and probe controls.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"
#include "platform/controls/Controls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/FormText.h"
#include "tests/support/TempDir.h"

namespace vcl::testing {

using TLines = std::vector<std::string>;

inline void Idle() { win::testkit::RunUntilIdle(); }
inline void ShowNow(TCustomForm* f) {
  f->Show();
  Idle();
}
// A screen point of a control's client position; the mouse clicking or moving there.
inline TPoint ScreenOf(TControl* c, int x, int y) { return c->ClientToScreen({x, y}); }
inline void ClickAt(TControl* c, int x, int y) {
  const TPoint p = ScreenOf(c, x, y);
  win::testkit::Click(p.X, p.Y);
}
inline void MoveTo(TControl* c, int x, int y) {
  const TPoint p = ScreenOf(c, x, y);
  win::testkit::MouseMove(p.X, p.Y);
}

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() : session_(800, 600) {}
  ~ControlsTest() override { SetModalFormHandler(nullptr); }
  win::testkit::TSession& Session() { return session_; }

 private:
  vcl::testkit::TControlsSession session_;
};

// A control of class T owned by the parent (or by owner), named, and placed in the parent.
template <class T>
T* Place(TWinControl* parent, int x, int y, int w, int h, const char* name = nullptr,
         TComponent* owner = nullptr) {
  auto* c = new T(owner ? owner : parent);
  if (name) c->SetName(name);
  c->SetBounds(x, y, w, h);
  c->SetParent(parent);
  return c;
}

// A label of a fixed size (not sized to its caption).
inline TLabel* FixedLabel(TWinControl* parent, int x, int y, int w, int h,
                          const char* name = nullptr, TComponent* owner = nullptr) {
  auto* l = new TLabel(owner ? owner : parent);
  if (name) l->SetName(name);
  l->SetAutoSize(false);
  l->SetBounds(x, y, w, h);
  l->SetParent(parent);
  return l;
}

// A bare container whose client area is its whole size (no window needed for alignment).
inline std::unique_ptr<TPanel> MakeHost(int w, int h) {
  auto p = std::make_unique<TPanel>(nullptr);
  p->SetBevelOuter(bvNone);
  p->SetBounds(0, 0, w, h);
  return p;
}

// A panel of the host at the given bounds, given Setup (its alignment, its anchors) before it
// joins the host.
template <class Setup>
TPanel* AddPanel(TWinControl* host, int l, int t, int w, int h, Setup setup) {
  auto* c = new TPanel(host);
  c->SetBounds(l, t, w, h);
  setup(c);
  c->SetParent(host);
  return c;
}

// A form without a frame, so that its client area is the given size.
inline std::unique_ptr<TForm> FramelessForm(int w, int h, int x = 0, int y = 0) {
  auto f = std::make_unique<TForm>(nullptr);
  f->SetBorderStyle(bsNone);
  f->SetBounds(x, y, w, h);
  return f;
}

// The fixture of the tests on one borderless form at the screen's top-left: NewForm makes it
// (W by H unless asked otherwise), Show shows it.
template <int W, int H>
class OneFormTest : public ControlsTest {
 protected:
  TForm* NewForm(int w = W, int h = H) {
    form_ = FramelessForm(w, h);
    return form_.get();
  }
  void Show() { ShowNow(form_.get()); }
  std::unique_ptr<TForm> form_;
};

// The bytes of a file of tests/platform/controls/data/ (form texts of the smallest inputs that
// once made a control fail).
inline std::string TestData(const std::string& name) {
  return testsupport::SourceFile("tests/platform/controls/data/" + name);
}

// The component of that name and class, or null.
template <class T>
T* Find(TComponent* owner, const char* name) {
  return dynamic_cast<T*>(owner->FindComponent(name));
}

// Hooks a control's WindowProc while it lives: records the messages numbered First..Last (and
// their LParam) the control receives, then passes every message on.
class TMessageSpy : public TObject {
 public:
  TMessageSpy(TControl* c, UINT first, UINT last)
      : control_(c), first_(first), last_(last), old_(c->WindowProc()) {
    c->SetWindowProc(TWndMethod(this, &TMessageSpy::Proc));
  }
  ~TMessageSpy() override { control_->SetWindowProc(old_); }
  std::vector<UINT> Msgs;
  std::vector<LPARAM> Params;
  void Clear() {
    Msgs.clear();
    Params.clear();
  }

 private:
  void Proc(TMessage& m) {
    if (m.Msg >= first_ && m.Msg <= last_) {
      Msgs.push_back(m.Msg);
      Params.push_back(m.LParam);
    }
    old_(m);
  }
  TControl* control_;
  UINT first_, last_;
  TWndMethod old_;
};

// An object of a form's text: "Name: Class", its property lines ("Left = 0"), its children.
struct TObj {
  std::string Head;
  std::vector<std::string> Props;
  std::vector<TObj> Children{};
};

// The text form of an object tree, as the form reader takes it.
inline std::string ObjectText(const TObj& o, const std::string& indent = "") {
  std::string s = indent + "object " + o.Head + "\n";
  for (const std::string& p : o.Props) s += indent + "  " + p + "\n";
  for (const TObj& c : o.Children) s += ObjectText(c, indent + "  ");
  return s + indent + "end\n";
}

// Reads a form's text into Root.
inline void ReadObjectText(const TObj& text, TComponent* root) {
  ReadComponentFromBytes(ObjectTextToBinaryString(ObjectText(text)), root);
}

// A new form of class T read from its text.
template <class T = TForm>
std::unique_ptr<T> FormFromText(const TObj& text) {
  return testsupport::FormFromText<T>(ObjectText(text));
}

// The colour a capture shows for a framework colour.
inline win::COLORREF Rgb(TColor c) { return static_cast<win::COLORREF>(ColorToRGB(c)); }

// Records event and message names in order; counts notify events; logs the names of senders.
class TLog : public TObject {
 public:
  TLines Entries;
  int Count = 0;
  void Add(const std::string& s) { Entries.push_back(s); }
  void Clear() { Entries.clear(); }
  void Hit(TObject*) { ++Count; }
  void Named(TObject* Sender) { Add(static_cast<TComponent*>(Sender)->Name()); }
  TNotifyEvent Counter() { return TNotifyEvent(this, &TLog::Hit); }
};

}  // namespace vcl::testing
