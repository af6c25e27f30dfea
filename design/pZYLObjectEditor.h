// What every object editor form shares: its layout is a form text embedded in the package under
// the form's class name (read by the form reader as the form's own stream), its controls are
// published fields bound by name, and it runs as a modal form on a working copy that only OK
// copies back into the edited object.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TCustomComboBox;
}

namespace zyl {

class TZYLColorComboBox;
class TZYLSpinEdit;

// Registers the layout text of an editor form class (once; again replaces it).
void ZYLRegisterEditorLayout(const char* FormClass, const char* Layout);
void ZYLUnregisterEditorLayout(const char* FormClass);

// Creates the form and reads its layout; EResNotFound naming the class when it has none.
vcl::TCustomForm* ZYLLoadEditorForm(vcl::TCustomForm* Form);
template <class T>
std::unique_ptr<T> ZYLCreateEditorForm(vcl::TComponent* Owner) {
  std::unique_ptr<T> form(new T(Owner));
  ZYLLoadEditorForm(form.get());
  return form;
}

// Runs the form's OnDestroy once, from the destructor of a form class with fields of its own,
// while those fields still live (the framework's form would run it after they are gone).
void ZYLFormDestroying(vcl::TCustomForm* Form);

// Shows the form modally; true exactly when it was left with OK.
bool ZYLRunEditorForm(vcl::TCustomForm* Form);

// The shared behaviour of the settings-object editors: the Activated flag (false after
// FormCreate, true from the first FormActivate) that lets a change handler refill the controls
// only once the form is shown, a guard that keeps the controls' change events from writing back
// while SetLabels fills them, and the colour buttons: a button beside a colour box (on the same
// parent, level with it) runs that box's colour dialog, the form's first colour box with its own
// custom colours, every other box with those of the first.
class TZYLObjectEditorForm : public vcl::TForm {
  ZYL_CLASS(TZYLObjectEditorForm, vcl::TForm)
  explicit TZYLObjectEditorForm(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Fills every control from the working copy.
  virtual void SetLabels() {}
  bool Activated() const { return FActivated; }

  // A form with more to set up on creation overrides FormCreate and calls this one.
  virtual void FormCreate(vcl::TObject* Sender);
  void FormActivate(vcl::TObject* Sender);
  void ColorButtonClick(vcl::TObject* Sender);

 protected:
  // SetLabels, once the form is activated.
  void Refill();
  // True while Fill runs: change handlers then leave the working copy alone.
  bool Filling() const { return FFilling; }
  // Runs `fill` (the body of SetLabels) under the guard.
  void Fill(const std::function<void()>& fill);
  TZYLColorComboBox* FirstColorBox() const;
  TZYLColorComboBox* ColorBoxBeside(vcl::TObject* Button) const;
  // Whether a change handler's control reaches the working copy: not while Fill runs, a combo
  // box only with an item chosen (its index in Index), a spin edit only with its value (in
  // Value) within Low..High, by default its own range.
  bool Chosen(vcl::TCustomComboBox* Box, int& Index) const;
  bool Takes(TZYLSpinEdit* Edit, int Low, int High, int& Value) const;
  bool Takes(TZYLSpinEdit* Edit, int& Value) const;

 private:
  bool FActivated = false;
  bool FFilling = false;
};

// The editor form of one settings object of class TObj, whose working copy its preview holds
// (Copy): the "Reset" button (resetClick) puts TObj's defaults into the copy and shows them.
template <class TObj>
class TZYLCopyEditorForm : public TZYLObjectEditorForm {
 public:
  explicit TZYLCopyEditorForm(vcl::TComponent* AOwner) : TZYLObjectEditorForm(AOwner) {}

  virtual TObj* Copy() const = 0;
  void resetClick(vcl::TObject*) {
    TObj defaults;
    Copy()->Assign(&defaults);
    SetLabels();
  }
};

// Opens the editor form TDlg on a working copy of Edited (the object TDlg::Copy answers,
// owned by the form's preview), with Caption when given; OK assigns the copy back. True exactly
// on OK; on Cancel, the close box, Escape or an exception Edited stays as it was.
template <class TDlg, class TObj>
bool ZYLEditOnCopy(TObj* Edited, const char* Caption = nullptr) {
  auto dlg = ZYLCreateEditorForm<TDlg>(vcl::Application);
  if (Caption) dlg->SetCaption(Caption);
  dlg->Copy()->Assign(Edited);
  dlg->SetLabels();
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Edited->Assign(dlg->Copy());
  return true;
}

// As ZYLEditOnCopy, with Prepare run on the form after the copy is filled in and before
// SetLabels (captions, hidden controls, styler options), and Back, when given, writing the copy
// into Edited on OK in place of Assign.
template <class TDlg, class TObj>
bool ZYLEditPrepared(TObj* Edited, const std::function<void(TDlg*)>& Prepare,
                     const std::function<void(TDlg*)>& Back = {}) {
  auto dlg = ZYLCreateEditorForm<TDlg>(vcl::Application);
  dlg->Copy()->Assign(Edited);
  if (Prepare) Prepare(dlg.get());
  dlg->SetLabels();
  if (!ZYLRunEditorForm(dlg.get())) return false;
  if (Back)
    Back(dlg.get());
  else
    Edited->Assign(dlg->Copy());
  return true;
}

// An editor unit's initialization: counts the entry, registers the form class for streaming
// and its layout; the finalization takes all three back. ZYLEditorUnitEntries answers how many
// editor units are entered.
void ZYLEnterEditorUnit(vcl::TClass FormClass, const char* Layout);
void ZYLLeaveEditorUnit(vcl::TClass FormClass);
int ZYLEditorUnitEntries();

// The unit of an editor form that does nothing but enter it: the form class with the layout
// its form file gives it (FormLayout, which the build makes from the form file).
template <class Form>
struct TZYLEditorFormUnit {
  static void Init() { ZYLEnterEditorUnit(Form::StaticClass(), Form::FormLayout()); }
  static void Done() { ZYLLeaveEditorUnit(Form::StaticClass()); }
};

// The entry of such a unit, as a value its header holds and unit tables name:
//   inline constexpr vcl::TUnitEntry pZYLTeethEditorDlgUnit =
//       ZYLEditorFormUnit<TZYLTeethEditorDlg>("pZYLTeethEditorDlg");
// A unit whose initialization does more keeps its procedures and makes its entry of them.
template <class Form>
constexpr vcl::TUnitEntry ZYLEditorFormUnit(const char* Name) {
  return {Name, &TZYLEditorFormUnit<Form>::Init, &TZYLEditorFormUnit<Form>::Done};
}

}  // namespace zyl
