// Every class the library registers, copied, cut, pasted and deleted in the form designer as a
// user does it: the pasted component keeps every published value, takes a name of its own on a
// form that holds its name already, goes into a selected container and is saved with the form.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "design/pZYLDsgnOptions.h"
#include "foundation/ZYLClass.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/FormDesigner.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/design/PropertyEditorsSupport.h"
#include "tests/support/DesignerDrivers.h"

namespace zyl {
namespace {

namespace vt = vcl::testkit;

// A form being designed, named as given.
struct TDesigned {
  explicit TDesigned(const std::string& name) : form(std::make_unique<vcl::TForm>(nullptr)) {
    form->SetName(name);
    designer = std::make_unique<vcl::TFormDesigner>(form.get());
  }
  // The form goes while it is designed, as a host closes a designed form.
  ~TDesigned() {
    form.reset();
    designer.reset();
  }
  vcl::TComponent* Add(vcl::TClass cls, vcl::TWinControl* parent = nullptr) {
    vcl::TComponent* c = cls->Create(form.get());
    c->SetName(designer->UniqueName(cls->ClassName()));
    if (auto* control = dynamic_cast<vcl::TControl*>(c))
      control->SetParent(parent ? parent : form.get());
    return c;
  }
  // The user's edit command on the selection.
  void Do(vcl::TComponent* selected, vcl::TEditAction action) {
    designer->SelectComponent(selected);
    designer->EditAction(action);
  }
  std::unique_ptr<vcl::TForm> form;
  std::unique_ptr<vcl::TFormDesigner> designer;
};

// Classes whose bounds are not the user's to keep: an aligned control takes its place from the
// container it goes into, and the printer list's height follows its font once a font is read
// (a new one has the fixed item height of its constructor).
bool BoundsKept(vcl::TComponent* c) {
  auto* control = dynamic_cast<vcl::TControl*>(c);
  return control && control->Align() == vcl::alNone &&
         c->ClassName() != std::string("TZYLPrinterComboBox");
}

// The component's published values as its form text holds them, below its header line (which
// names it); without its bounds when they are not kept.
std::string Values(vcl::TComponent* c) {
  const std::string text = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(c));
  std::string values;
  const bool bounds = BoundsKept(c) || !dynamic_cast<vcl::TControl*>(c);
  size_t at = text.find('\n') + 1;
  for (int line = 0; at < text.size(); ++line) {
    const size_t end = text.find('\n', at);
    const std::string row = text.substr(at, end == std::string::npos ? end : end - at + 1);
    // The bounds are the first four lines of a control.
    if (bounds || line >= 4) values += row;
    at = end == std::string::npos ? text.size() : end + 1;
  }
  return values;
}

// The values without the tab order, which a control pasted beside others takes anew.
std::string WithoutTabOrder(std::string values) {
  const size_t at = values.find("  TabOrder = ");
  if (at != std::string::npos) values.erase(at, values.find('\n', at) - at + 1);
  return values;
}

// Pastes the clipboard into the form's selection. A class of which a form (or a program) holds
// one component at most refuses the paste with the library's error for it and leaves the form
// as it was: false then.
bool Paste(TDesigned& form, vcl::TClass cls) {
  const int count = form.form->ComponentCount();
  try {
    form.designer->EditAction(vcl::eaPaste);
    return true;
  } catch (const vcl::EReadError& e) {
    // The reader passes a component's own error on as a read error of the same text.
    const std::string name = cls->ClassName();
    EXPECT_TRUE(e.Message() == ZYLEOneInstError(name, ZYLEOneInstError::okInvalidOwner).Message() ||
                e.Message() == ZYLEOneInstError(name, ZYLEOneInstError::okSecondInstance).Message())
        << e.Message();
    EXPECT_EQ(form.form->ComponentCount(), count);
    return false;
  }
}

// Gives every row of the component that offers values the last offered value other than its
// own, as a user choosing in the inspector would (values the component refuses are left); not
// references (the form holds nothing else to name) nor the alignment (which a container's size
// would change).
void ChooseOtherValues(TDesigned& form, vcl::TComponent* c) {
  for (const auto& editor : vcl::GetComponentProperties(form.designer.get(), c)) {
    const vcl::TPropertyAttributes attrs = editor->GetAttributes();
    if (!attrs.contains(vcl::paValueList) || attrs.contains(vcl::paReadOnly) ||
        editor->GetPropInfo()->Kind() == vcl::tkClass || editor->GetName() == "Align")
      continue;
    std::vector<std::string> values;
    editor->GetValues([&](const std::string& v) { values.push_back(v); });
    const std::string own = editor->GetValue();
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
      if (*it == own) continue;
      try {
        editor->SetValue(*it);
      } catch (const vcl::Exception&) {
        continue;
      }
      break;
    }
  }
}

// The one component the designer has selected, nullptr when not just one.
vcl::TComponent* Selected(TDesigned& form) {
  vcl::TDesignerSelections list;
  form.designer->GetSelections(list);
  return list.Count() == 1 ? dynamic_cast<vcl::TComponent*>(list[0]) : nullptr;
}

// Empties the clipboard at the end of a test, however it ends.
struct TClipboardEmptied {
  ~TClipboardEmptied() { vcl::Clipboard()->Clear(); }
};

class CopyAndPaste : public ::testing::Test {
 protected:
  vt::TControlsSession session_;
  designtest::TPackageClasses package_;
  designtest::TPropertyEditorPackage editors_{ZYLEditorOptionsRegisterDefault};
  TClipboardEmptied emptied_;
};

TEST_F(CopyAndPaste, EveryClassPastesOnAnotherFormWithItsValuesAndNameAndAgainUnderANewName) {
  int pastes = 0;
  for (vcl::TClass cls : package_.Classes()) {
    SCOPED_TRACE(cls->ClassName());
    TDesigned source("Form1"), target("Form2");
    vcl::TComponent* original = source.Add(cls);
    ChooseOtherValues(source, original);
    const std::string values = Values(original);
    source.Do(original, vcl::eaCopy);
    target.designer->SelectComponent(target.form.get());
    if (!Paste(target, cls)) continue;
    ++pastes;
    vcl::TComponent* pasted = target.form->FindComponent(original->Name());
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->ClassType(), cls);
    EXPECT_EQ(pasted->Owner(), target.form.get());
    EXPECT_EQ(Values(pasted), values);
    EXPECT_EQ(target.designer->ModifiedCount(), 1);
    // Again on the same form: a name of its own, the same values.
    if (!Paste(target, cls)) continue;
    vcl::TComponent* again = Selected(target);
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, pasted);
    EXPECT_NE(again->Name(), pasted->Name());
    EXPECT_EQ(target.form->FindComponent(again->Name()), again);
    EXPECT_EQ(WithoutTabOrder(Values(again)), WithoutTabOrder(values));
  }
  EXPECT_GT(pastes, 80);
}

// A control pasted with a container selected goes into the container; the form owns it and
// saves it, with its values, and it is read back in the container.
TEST_F(CopyAndPaste, EveryControlPastesIntoASelectedContainerAndIsSavedThere) {
  int controls = 0;
  for (vcl::TClass cls : package_.Classes()) {
    if (!cls->InheritsFrom(vcl::TControl::StaticClass())) continue;
    SCOPED_TRACE(cls->ClassName());
    ++controls;
    TDesigned source("Form1"), target("Form2");
    vcl::TComponent* original = source.Add(cls);
    ChooseOtherValues(source, original);
    const std::string values = Values(original);
    source.Do(original, vcl::eaCopy);
    auto* box = static_cast<vcl::TPanel*>(target.Add(vcl::TPanel::StaticClass()));
    target.designer->SelectComponent(box);
    if (!Paste(target, cls)) continue;
    auto* pasted = dynamic_cast<vcl::TControl*>(Selected(target));
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Parent(), box);
    EXPECT_EQ(pasted->Owner(), target.form.get());
    EXPECT_EQ(Values(pasted), values);
    const std::string name = pasted->Name();
    const std::string saved = vcl::WriteComponentToBytes(target.form.get());
    TDesigned back("Form2");
    vcl::ReadComponentFromBytes(saved, back.form.get());
    auto* read = dynamic_cast<vcl::TControl*>(back.form->FindComponent(name));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Parent(), back.form->FindComponent(box->Name()));
    EXPECT_EQ(Values(read), values);
  }
  EXPECT_GT(controls, 60);
}

// Every class that accepts controls takes a control pasted with it selected; the form saves the
// control inside it and reads it back there.
TEST_F(CopyAndPaste, EveryContainerClassTakesAPastedControl) {
  int containers = 0;
  for (vcl::TClass cls : package_.Classes()) {
    TDesigned target("Form2");
    auto* container = dynamic_cast<vcl::TWinControl*>(target.Add(cls));
    if (!container || !container->ControlStyle().contains(vcl::csAcceptsControls)) continue;
    SCOPED_TRACE(cls->ClassName());
    ++containers;
    TDesigned source("Form1");
    auto* edit = static_cast<vcl::TEdit*>(source.Add(vcl::TEdit::StaticClass()));
    edit->SetText("typed");
    source.Do(edit, vcl::eaCopy);
    target.designer->SelectComponent(container);
    if (!Paste(target, cls)) continue;
    auto* pasted = dynamic_cast<vcl::TEdit*>(Selected(target));
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Parent(), container);
    EXPECT_EQ(pasted->Owner(), target.form.get());
    const std::string saved = vcl::WriteComponentToBytes(target.form.get());
    TDesigned back("Form2");
    vcl::ReadComponentFromBytes(saved, back.form.get());
    auto* read = dynamic_cast<vcl::TEdit*>(back.form->FindComponent(pasted->Name()));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Parent(), back.form->FindComponent(container->Name()));
    EXPECT_EQ(read->Text(), "typed");
  }
  EXPECT_GT(containers, 5);
}

// Cut takes the component away and a paste on the same form gives it back, name and values;
// delete frees it. Each is one modification of the form.
TEST_F(CopyAndPaste, EveryClassIsCutPastedBackAndDeleted) {
  for (vcl::TClass cls : package_.Classes()) {
    SCOPED_TRACE(cls->ClassName());
    TDesigned form("Form1");
    vcl::TComponent* original = form.Add(cls);
    ChooseOtherValues(form, original);
    const std::string values = Values(original);
    const std::string name = original->Name();
    const int count = form.form->ComponentCount();
    form.designer->ResetModified();
    form.Do(original, vcl::eaCut);
    EXPECT_EQ(form.form->FindComponent(name), nullptr);
    EXPECT_EQ(form.form->ComponentCount(), count - 1);
    EXPECT_EQ(form.designer->ModifiedCount(), 1);
    form.designer->SelectComponent(form.form.get());
    ASSERT_TRUE(Paste(form, cls));
    vcl::TComponent* back = form.form->FindComponent(name);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Values(back), values);
    form.designer->ResetModified();
    form.Do(back, vcl::eaDelete);
    EXPECT_EQ(form.form->FindComponent(name), nullptr);
    EXPECT_EQ(form.form->ComponentCount(), count - 1);
    EXPECT_EQ(form.designer->ModifiedCount(), 1);
  }
}

}  // namespace
}  // namespace zyl
