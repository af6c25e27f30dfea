// What the package's sweeps over events share: a component of a class on a shown form (made in
// code, or read from a form file as a user's forms are) with an edit to move the focus to, the
// things a user does to it one step at a time, and a handler for every event signature the
// framework and the library declare, which tells whom its event named as Sender.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/user/WinUser.h"
#include "tests/support/FreeProbe.h"

namespace zyl {
class TZYLImageList;
}

namespace packagetest {

// How the component came onto its form.
enum class TMade { InCode, FromFormFile };

// A component of the class on a shown form (the form itself for a form class) with an edit to
// move the focus to; the form and the component are watched for being freed. The form is freed
// at the end unless something freed it before.
class TInputStage {
 public:
  TInputStage(vcl::TClass cls, TMade made);
  // A form made elsewhere (read from a form file, say) holding the component, the form itself
  // for a form class: the stage adds its edit and shows the form as above, and frees it at the
  // end unless something freed it before. Several stages may share one form.
  TInputStage(vcl::TCustomForm* form, vcl::TComponent* component);
  ~TInputStage();
  TInputStage(const TInputStage&) = delete;
  TInputStage& operator=(const TInputStage&) = delete;

  vcl::TCustomForm* Form() const { return form_; }
  vcl::TComponent* Component() const { return component_; }
  vcl::TWinControl* Other() const { return other_; }
  const testsupport::TFreeProbe& FormGone() const { return *formGone_; }
  const testsupport::TFreeProbe& ComponentGone() const { return *componentGone_; }

 private:
  // Adds the edit, shows the form and watches it and the component.
  void Finish();

  vcl::TCustomForm* form_ = nullptr;
  vcl::TComponent* component_ = nullptr;
  vcl::TWinControl* other_ = nullptr;
  std::unique_ptr<testsupport::TFreeProbe> formGone_;
  std::unique_ptr<testsupport::TFreeProbe> componentGone_;
};

// The component when it is a control other than the form; nullptr else.
vcl::TControl* ControlOf(const TInputStage& s);

// The middle of the control on the form in screen coordinates (a corner of the form for a
// component that is no control, or the form itself).
win::POINT Spot(const TInputStage& s);

// Three items for a control that lists items (a button group's buttons, a list's lines), so
// that a click has one to pick.
void GiveItems(vcl::TControl* c);

// The control's published caption or text is set, where it has one.
void GiveText(vcl::TControl* c, const std::string& text);

// An image list owned by `owner` whose first entry holds four 16 x 16 frames of plain colours.
zyl::TZYLImageList* FourFrames(vcl::TComponent* owner);

// One thing a user does, or the clock.
struct TStep {
  const char* Name;
  std::function<void(const TInputStage&, win::POINT at)> Run;
};

// Everything a user's input or the virtual clock does to a component, in the order the sweeps
// take it: the mouse, the focus and the keys, the clock, the tray, showing and resizing.
const std::vector<TStep>& Steps();

// The step of that name among Steps(); raises std::out_of_range for another name.
const TStep& StepNamed(const std::string& name);

// The object an event's first argument names (its Sender), nullptr when it names none.
inline vcl::TObject* SenderOf() { return nullptr; }
template <class A, class... Rest>
vcl::TObject* SenderOf(A& first, Rest&...) {
  using T = std::remove_cv_t<std::remove_reference_t<A>>;
  if constexpr (std::is_pointer_v<T> && std::is_convertible_v<T, vcl::TObject*>)
    return first;
  else
    return nullptr;
}

// What a handler does when its event reaches it; told the event's Sender.
using TCallSink = std::function<void(vcl::TObject* sender)>;

class THandlerBase : public vcl::TObject {
 public:
  TCallSink Sink;

 protected:
  void Called(vcl::TObject* sender) {
    if (Sink) Sink(sender);
  }
};

template <class E>
class THandler;

template <class R, class... Args>
class THandler<vcl::TEvent<R(Args...)>> : public THandlerBase {
 public:
  R Handle(Args... args) {
    Called(SenderOf(args...));
    if constexpr (!std::is_void_v<R>) return R();
  }
};

// One handler per event signature; the handlers of a signature share one sink, the last one
// given. Several sets of handlers may live side by side.
class THandlers {
 public:
  // A set with a handler for every event type the framework's controls and the library declare.
  THandlers();
  template <class... E>
  void Add() {
    (AddOne<E>(), ...);
  }
  // The method for an event of the signature, which calls `sink`; nullptr for a signature that
  // has no handler here.
  const vcl::TMethod* For(const void* signature, TCallSink sink);

 private:
  template <class E>
  void AddOne() {
    const void* signature = E::SignatureId();
    if (hosts_.count(signature)) return;
    auto host = std::make_unique<THandler<E>>();
    methods_[signature] = E(host.get(), &THandler<E>::Handle).Method();
    hosts_[signature] = std::move(host);
  }
  std::map<const void*, std::unique_ptr<THandlerBase>> hosts_;
  std::map<const void*, vcl::TMethod> methods_;
};

// The published events of the class.
std::vector<const vcl::TPropInfo*> EventsOf(vcl::TClass cls);

// The shown top-level windows: a list or a calendar dropped down is one more.
int ShownWindows();
std::vector<win::HWND> VisibleTopLevel();

// The published values of an object and of the persistent objects it owns (not the components
// it refers to), as text by path ("Font.Size").
using TValues = std::map<std::string, std::string>;
TValues PublishedValues(vcl::TObject* obj);
// The paths whose values differ.
std::set<std::string> ChangedPaths(const TValues& before, const TValues& after);
// "\n  Path: a -> b" for every path whose value differs, either way, for a failure's message.
std::string Differences(const TValues& expected, const TValues& actual);

}  // namespace packagetest
