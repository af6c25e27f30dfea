// What the form display and the form tab control share: the list of hosted forms (not owned)
// with the active index, and the steps that make a form's window a child of the host's.
#pragma once

#include <functional>
#include <vector>

#include "platform/controls/Forms.h"

namespace zyl {

// Before another hosted form becomes active; Cancel stops it.
using TZYLFormDisplayChangeEvent =
    vcl::TEvent<void(vcl::TObject* Sender, vcl::TCustomForm* NewForm, bool& Cancel)>;

// The hosted forms of one host control. The host hears of a listed form's end through a free
// notification and calls Forget, so that no entry outlives its form.
class TZYLHostedForms {
 public:
  // The host's own steps the shared ones call: hiding the active form and activating an index.
  using THide = std::function<void(vcl::TCustomForm* Form)>;
  using TActivate = std::function<void(int Index)>;
  TZYLHostedForms(vcl::TComponent* Host, THide Hide, TActivate Activate)
      : FHost(Host), FHide(std::move(Hide)), FActivate(std::move(Activate)) {}
  ~TZYLHostedForms() { Clear(); }
  TZYLHostedForms(const TZYLHostedForms&) = delete;
  TZYLHostedForms& operator=(const TZYLHostedForms&) = delete;

  int Count() const { return static_cast<int>(FForms.size()); }
  // Nil for an index outside 0..Count-1.
  vcl::TCustomForm* Get(int Index) const;
  int IndexOf(const vcl::TComponent* Form) const;
  // -1: none.
  int ActiveIndex() const { return FActive; }
  vcl::TCustomForm* Active() const { return Get(FActive); }

  // Appends Form; -1 for nil or a form listed already.
  int Add(vcl::TCustomForm* Form);
  // Takes entry Index out of the list; the active index keeps naming the form it named (-1
  // when that was the entry taken out).
  void Delete(int Index);
  // Moves entry From to To (clamped to the list); the active index is left as it is.
  void Move(int From, int To);
  // The nearest entry after (GoForward) or before Form; nil for nil, an unlisted form or at
  // the list's end or start.
  vcl::TCustomForm* FindNext(const vcl::TCustomForm* Form, bool GoForward) const;
  // The steps both hosts share. MoveForm hides the active form, moves Form (Moved hears from
  // where to where) and activates the form now standing at the active index.
  void MoveForm(vcl::TCustomForm* Form, int NewIndex,
                const std::function<void(int From, int To)>& Moved = {});
  void SetActiveForm(vcl::TCustomForm* Form);
  // The end of adding entry Index: activated, or with SaveResources its window freed; Index.
  int Added(int Index, bool Activate, bool SaveResources);
  // The start of activating Index: false for the active index, one outside the list or a change
  // OnChanging refuses; otherwise the active form is hidden, Index becomes the active index and
  // the answer is true.
  bool Switch(int Index, vcl::TObject* Sender, const TZYLFormDisplayChangeEvent& OnChanging);
  void SelectNextForm(bool GoForward);
  // The end of hiding the active form: not aligned, hidden, its window freed with
  // SaveResources, no form active.
  void Conceal(vcl::TCustomForm* Form, bool SaveResources);

  // Empties the list, dropping the free notifications.
  void Clear();
  // The host is going away: forms it does not own are hidden and handed back (Parent nil, their
  // windows the desktop's), so that they outlive it; then the list is emptied.
  void ReleaseAll();
  // A listed form that is going away: taken out of the list without touching it; its former
  // index, or -1 when it was not listed.
  int Forget(const vcl::TComponent* Form);

 private:
  void EraseAt(int Index);

  vcl::TComponent* FHost;
  THide FHide;
  TActivate FActivate;
  std::vector<vcl::TCustomForm*> FForms;
  int FActive = -1;
};

// The hosted forms as a host control hands them out: the second base of the form display and
// the form tab control beside their framework bases.
class TZYLFormHostBase {
 public:
  TZYLFormHostBase(const TZYLFormHostBase&) = delete;
  TZYLFormHostBase& operator=(const TZYLFormHostBase&) = delete;

  void SelectNextForm(bool GoForward) { FForms.SelectNextForm(GoForward); }
  vcl::TCustomForm* ActiveForm() const { return FForms.Active(); }
  void SetActiveForm(vcl::TCustomForm* Form) { FForms.SetActiveForm(Form); }
  int ActiveFormIndex() const { return FForms.ActiveIndex(); }
  int Count() const { return FForms.Count(); }
  vcl::TCustomForm* Forms(int Index) const { return FForms.Get(Index); }
  int FormIndex(vcl::TCustomForm* Form) const { return FForms.IndexOf(Form); }

 protected:
  // Host hides the active form with its HideForm and activates an index with its
  // SetActiveFormIndex.
  template <class H>
  explicit TZYLFormHostBase(H* Host)
      : FForms(
            Host, [Host](vcl::TCustomForm* Form) { Host->HideForm(Form); },
            [Host](int Index) { Host->SetActiveFormIndex(Index); }) {}
  ~TZYLFormHostBase() = default;

  TZYLHostedForms FForms;
};

// A form of FormClass owned by Owner, its form stream read; EInvalidCast for a nil class or one
// that makes no form.
vcl::TCustomForm* ZYLCreateHostedForm(vcl::TClass FormClass, vcl::TComponent* Owner);

// Whether a form may still be touched (it is not being destroyed).
bool ZYLFormAlive(const vcl::TCustomForm* Form);

// Prepares a form for hosting: without UseResForms its Parent becomes Host; it is hidden and
// loses its border and border icons.
void ZYLPrepareHostedForm(vcl::TCustomForm* Form, vcl::TWinControl* Host, bool UseResForms);

// Makes the form's window (created if needed) a plain child window of Host's window.
void ZYLEmbedFormWindow(vcl::TCustomForm* Form, vcl::TWinControl* Host);

// Hands a hosted form back when it is not Host's own: hidden, out of Host and its window the
// desktop's.
void ZYLReleaseHostedForm(vcl::TCustomForm* Form, vcl::TComponent* Host);

}  // namespace zyl
