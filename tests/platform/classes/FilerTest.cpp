#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "tests/platform/classes/FilerTestClasses.h"
#include "tests/platform/classes/FilerTestSupport.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/HostNumbersLocale.h"

using namespace vcl;
using namespace filertest;

using testsupport::ErrorOf;

namespace {

class FilerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFilerTestClasses();
    TStreamWidget::LoadedOrder().clear();
  }
  void TearDown() override { RemoveFixupReferences(nullptr, std::string()); }

  // A form with widgets of every property kind, a panel with children, references (one to a
  // widget written later), an event, a settings object, a collection and extra properties.
  static std::unique_ptr<TStreamForm> MakeRichForm() {
    auto form = std::make_unique<TStreamForm>(nullptr);
    form->SetName("Form1");
    form->SetTag2(7);
    auto* w1 = new TStreamWidget(form.get());
    w1->SetName("Widget1");
    w1->SetWidth(300);
    w1->SetLook(lkSunken);
    w1->SetSides({sdTop, sdBottom});
    w1->SetRatio(0.1);
    w1->SetScale(2.5f);
    w1->SetCaption("It's a \"test\"\r\n" + std::string(100, 'x'));
    w1->SetLetter('Q');
    w1->SetBig(int64_t{1} << 40);
    w1->SetEnabled(false);
    w1->SetColor(clTestRed);
    w1->SetOnClick(TNotifyEvent(form.get(), &TStreamForm::WidgetClick));
    w1->Style()->SetSize(12);
    w1->Style()->SetFaceName("Arial");
    w1->Style()->SetBold({sdRight});
    w1->internal_ = "global:7";
    w1->blob_ = std::string("\x00\x01\xFE\xFF", 4) + std::string(70, 'b');
    auto* panel = new TStreamWidget(form.get());
    panel->SetName("Panel1");
    panel->SetColor(12345678);
    auto* c1 = new TStreamWidget(form.get());
    c1->SetName("Child1");
    c1->SetParentWidget(panel);
    auto* c2 = new TStreamWidget(form.get());
    c2->SetName("Child2");
    c2->SetParentWidget(panel);
    c2->SetBuddy(c1);
    auto* tab = static_cast<TStreamTab*>(panel->Tabs()->Add());
    tab->SetText("First");
    tab->SetTarget(c2);
    static_cast<TStreamTab*>(panel->Tabs()->Add())->SetWidth(80);
    w1->SetBuddy(c2);  // written before Child2 exists on reading
    return form;
  }
};

// Two forms hold the same values when they write the same text (every kind of property, the
// extra properties, the children's order and the references by name).
void ExpectSameForm(TStreamForm* a, TStreamForm* b) {
  EXPECT_EQ(ObjectBinaryToTextString(WriteRoot(a)), ObjectBinaryToTextString(WriteRoot(b)));
}

}  // namespace

TEST_F(FilerTest, RichFormRoundTripsThroughBinaryAndText) {
  auto form = MakeRichForm();
  const std::string bytes = WriteRoot(form.get());
  std::unique_ptr<TStreamForm> back(static_cast<TStreamForm*>(ReadRoot(bytes)));
  ASSERT_NE(back, nullptr);
  ExpectSameForm(form.get(), back.get());
  // References point into the new tree; the event is bound on the new root.
  auto* w1 = static_cast<TStreamWidget*>(back->FindComponent("Widget1"));
  EXPECT_EQ(w1->Buddy(), back->FindComponent("Child2"));
  EXPECT_EQ(back->Widget1, w1);  // the root's published field
  auto* panel = static_cast<TStreamWidget*>(back->FindComponent("Panel1"));
  EXPECT_EQ(panel->Children()[0]->ParentWidget(), panel);
  EXPECT_EQ(static_cast<TStreamTab*>(panel->Tabs()->Items(0))->Target(), back->FindComponent("Child2"));
  w1->OnClick()(w1);
  EXPECT_EQ(back->lastClick, w1);
  EXPECT_EQ(PendingFixupCount(), 0);
  // Writing what was read gives the same bytes, and so does the way through text.
  EXPECT_EQ(WriteRoot(back.get()), bytes);
  const std::string text = ObjectBinaryToTextString(bytes);
  EXPECT_EQ(ObjectTextToBinaryString(text), bytes);
  for (const char* line : {"object Form1: TStreamForm\r\n", "  Tag2 = 7\r\n", "    Look = lkSunken\r\n",
                           "    Sides = [sdTop, sdBottom]\r\n", "    Ratio = 0.1\r\n", "    Scale = 2.5s\r\n",
                           "    Letter = 'Q'\r\n", "    Big = 1099511627776\r\n", "    Enabled = False\r\n",
                           "    Color = clRed\r\n", "    Buddy = Child2\r\n", "    OnClick = WidgetClick\r\n",
                           "    Style.Size = 12\r\n", "    Style.FaceName = 'Arial'\r\n", "    Style.Bold = [sdRight]\r\n",
                           "    Internal = 'global:7'\r\n", "    Blob = {\r\n", "    Color = 12345678\r\n",
                           "    Tabs = <\r\n      item\r\n        Text = 'First'\r\n        Target = Child2\r\n      end\r\n"
                           "      item\r\n        Width = 80\r\n      end>\r\n",
                           "    object Child1: TStreamWidget\r\n      Style.FaceName"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  }
}

TEST_F(FilerTest, DefaultsAreNotWritten) {
  TStreamForm form(nullptr);
  form.SetName("Form1");
  auto* w = new TStreamWidget(&form);
  w->SetName("W");
  TFormBytes expected;
  expected.Signature().Header("TStreamForm", "Form1").End();
  // Strings are written unless empty; the empty collection is still written, as "<>".
  expected.Header("TStreamWidget", "W").Prop("Style.FaceName").Str("Tahoma").Prop("Tabs").Value(vaCollection).End().End().End();
  expected.End();
  EXPECT_EQ(WriteRoot(&form), expected.Bytes());
}

// A text that a new object already holds (the settings' face name) is written when it is
// emptied, so that reading the form does not give it back; an empty text a new object holds
// anyway (the caption) stays out of the stream.
TEST_F(FilerTest, AnEmptiedTextThatANewObjectHoldsComesBackEmpty) {
  TStreamForm form(nullptr);
  form.SetName("Form1");
  auto* w = new TStreamWidget(&form);
  w->SetName("W");
  w->Style()->SetFaceName("");
  const std::string bytes = WriteRoot(&form);
  const std::string text = ObjectBinaryToTextString(bytes);
  EXPECT_NE(text.find("    Style.FaceName = ''\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Caption"), std::string::npos) << text;
  std::unique_ptr<TStreamForm> back(static_cast<TStreamForm*>(ReadRoot(bytes)));
  ASSERT_NE(back, nullptr);
  auto* w2 = static_cast<TStreamWidget*>(back->FindComponent("W"));
  ASSERT_NE(w2, nullptr);
  EXPECT_EQ(w2->Style()->FaceName(), "");
  EXPECT_EQ(WriteRoot(back.get()), bytes);
}

// A property written under a former name reads into the property that has it now, also a path
// below a former object name; it is written under the new name only, and a path below a former
// name that leads nowhere is still an unknown property.
TEST_F(FilerTest, FormerNamesReadIntoTheirProperties) {
  TFormBytes b;
  b.Signature().Header("TStreamForm", "MyForm").End();
  b.Header("TStreamWidget", "W1");
  b.Prop("Shade").Ident("lkRaised").Prop("Font.Size").Int8(-3).Prop("Font.FaceName").Str("Old");
  b.End().End();
  b.End();
  std::unique_ptr<TStreamForm> form(static_cast<TStreamForm*>(ReadRoot(b.Bytes())));
  auto* w1 = static_cast<TStreamWidget*>(form->FindComponent("W1"));
  ASSERT_NE(w1, nullptr);
  EXPECT_EQ(w1->Look(), lkRaised);
  EXPECT_EQ(w1->Style()->Size(), -3);
  EXPECT_EQ(w1->Style()->FaceName(), "Old");
  const std::string written = WriteRoot(form.get());
  for (const char* former : {"Shade", "Font."}) EXPECT_EQ(written.find(former), std::string::npos);
  EXPECT_NE(written.find("Style.FaceName"), std::string::npos);

  TFormBytes bad;
  bad.Signature().Header("TStreamForm", "MyForm").End();
  bad.Header("TStreamWidget", "W1").Prop("Font.Nothing").Int8(1).End().End();
  bad.End();
  EXPECT_NE(ErrorOf<EReadError>([&] { delete ReadRoot(bad.Bytes()); }).find("Font"),
            std::string::npos);
}

TEST_F(FilerTest, HandWrittenStreamReads) {
  TFormBytes b;
  b.Signature().Header("TStreamForm", "MyForm").Prop("Tag2").Int32(-70000).End();
  b.Header("TStreamWidget", "W1");
  b.Prop("Width").Int16(1000).Prop("Look").Ident("LKRAISED").Prop("Sides").Value(vaSet).Short("sdRight").Short("sdTop").Short("");
  b.Prop("Ratio").Extended(-2.75).Prop("Scale").Single(0.5f).Prop("Caption").LStr("long caption");
  b.Prop("Letter").Str("Z").Prop("Big").Int64(INT64_MIN).Prop("Enabled").Value(vaFalse);
  b.Prop("Color").Ident("clRed").Prop("Buddy").Ident("W2").Prop("OnClick").Ident("OtherClick");
  b.Prop("Style.Size").Int8(-3).Prop("Style.FaceName").WStr(u"Wide").Prop("OldWidth").Int8(21);
  b.Prop("Tabs").Value(vaCollection).Int8(0).Value(vaList).Prop("Text").Str("t").End().Value(vaList).End().End();
  b.End().End();
  b.Header("TStreamWidget", "W2").Prop("Ratio").Int8(3).Prop("Scale").Date(1.25).End().End();
  b.End();
  std::unique_ptr<TStreamForm> form(static_cast<TStreamForm*>(ReadRoot(b)));
  EXPECT_EQ(form->Name(), "MyForm");
  EXPECT_EQ(form->Tag2(), -70000);
  auto* w1 = static_cast<TStreamWidget*>(form->FindComponent("W1"));
  auto* w2 = static_cast<TStreamWidget*>(form->FindComponent("W2"));
  ASSERT_TRUE(w1 && w2);
  EXPECT_EQ(w1->Width(), 42);  // OldWidth came after Width
  EXPECT_EQ(w1->Look(), lkRaised);
  EXPECT_EQ(w1->Sides(), (TSides{sdRight, sdTop}));
  EXPECT_EQ(w1->Ratio(), -2.75);
  EXPECT_EQ(w1->Scale(), 0.5f);
  EXPECT_EQ(w1->Caption(), "long caption");
  EXPECT_EQ(w1->Letter(), 'Z');
  EXPECT_EQ(w1->Big(), INT64_MIN);
  EXPECT_FALSE(w1->Enabled());
  EXPECT_EQ(w1->Color(), clTestRed);
  EXPECT_EQ(w1->Buddy(), w2);
  EXPECT_EQ(w1->Style()->Size(), -3);
  EXPECT_EQ(w1->Style()->FaceName(), "Wide");
  ASSERT_EQ(w1->Tabs()->Count(), 2);
  EXPECT_EQ(static_cast<TStreamTab*>(w1->Tabs()->Items(0))->Text(), "t");
  w1->OnClick()(w1);
  EXPECT_EQ(form->lastOther, w1);
  EXPECT_EQ(w2->Ratio(), 3.0);   // integers and other float kinds read as floats
  EXPECT_EQ(w2->Scale(), 1.25f);
}

TEST_F(FilerTest, LoadedComesAfterTheWholeTreeAndTheFixups) {
  auto form = MakeRichForm();
  const std::string bytes = WriteRoot(form.get());
  std::unique_ptr<TStreamForm> back(static_cast<TStreamForm*>(ReadRoot(bytes)));
  EXPECT_EQ(back->loadedCalls_, 1);
  EXPECT_FALSE(back->ComponentState().contains(csLoading));
  for (int i = 0; i < back->ComponentCount(); ++i) {
    auto* w = static_cast<TStreamWidget*>(back->Components(i));
    EXPECT_EQ(w->loadedCalls_, 1) << w->Name();
    EXPECT_TRUE(w->wasLoadingAtLoaded_);
    EXPECT_FALSE(w->stillReadingAtLoaded_);
    EXPECT_FALSE(w->ComponentState().contains(csLoading));
  }
  // Widget1 refers forward to Child2, which is read later: fixed before Loaded.
  EXPECT_TRUE(static_cast<TStreamWidget*>(back->FindComponent("Widget1"))->buddyKnownAtLoaded_);
  // A component joins the list once its children are read.
  const std::vector<std::string> order = {"Widget1", "Child1", "Child2", "Panel1"};
  EXPECT_EQ(TStreamWidget::LoadedOrder(), order);
}

TEST_F(FilerTest, ReadingIntoAnExistingRootAndTheStreamPosition) {
  auto form = MakeRichForm();
  std::string bytes = WriteRoot(form.get());
  TStringStream stream(bytes + "after");
  TStreamForm target(nullptr);
  {
    TReader reader(&stream, 16);  // a small buffer: refills across every value
    EXPECT_EQ(reader.ReadRootComponent(&target), &target);
  }
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(bytes.size()));
  ExpectSameForm(form.get(), &target);
}

TEST_F(FilerTest, UnknownPropertiesGoToTheErrorHandlerAndAreSkipped) {
  TFormBytes b;
  b.Signature().Header("TStreamForm", "F").End();
  b.Header("TStreamWidget", "W").Prop("Bogus").Value(vaList).Value(vaCollection).Value(vaList).Prop("X").Binary("zz").End().End()
      .Str("s").End();
  b.Prop("Style.Nothing").Int8(1).Prop("Caption.Sub").Int8(1).Prop("Width").Int8(77).End().End().End();
  {
    TStringStream stream(b.Bytes());
    TReader reader(&stream);
    std::vector<std::string> messages;
    reader.OnError = [&](TReader*, const std::string& message, bool& handled) {
      messages.push_back(message);
      handled = true;
    };
    TStreamForm form(nullptr);
    reader.ReadRootComponent(&form);
    EXPECT_EQ(static_cast<TStreamWidget*>(form.FindComponent("W"))->Width(), 77);
    const std::vector<std::string> expected = {"Property Bogus does not exist", "Property Nothing does not exist",
                                               "Property Caption does not exist"};
    EXPECT_EQ(messages, expected);
  }
  TStringStream stream(b.Bytes());
  TStreamForm form(nullptr);
  EXPECT_NE(ErrorOf<EReadError>([&] {
              stream.ReadComponent(&form);
            }).find("Property Bogus does not exist"),
            std::string::npos);
}

TEST_F(FilerTest, BadValuesRaiseReadErrors) {
  auto withProp = [](const std::string& name, const std::string& value) {
    TFormBytes b;
    b.Signature().Header("TStreamForm", "F").End().Header("TStreamWidget", "W").Prop(name).Raw(value).End().End().End();
    return b.Bytes();
  };
  const std::pair<const char*, std::string> cases[] = {
      {"Look", TFormBytes().Ident("lkNone")},         {"Look", TFormBytes().Int8(1)},
      {"Sides", TFormBytes().Value(vaSet).Short("x").Short("")},
      {"Width", TFormBytes().Str("12")},              {"Width", TFormBytes().Ident("clNothing")},
      {"Enabled", TFormBytes().Ident("Maybe")},       {"Letter", TFormBytes().Str("ab")},
      {"Caption", TFormBytes().Int8(1)},              {"OnClick", TFormBytes().Ident("NoSuchHandler")},
      {"Tabs", TFormBytes().Value(vaCollection).Int8(1).End()},
      {"Style", TFormBytes().Value(vaCollection).End()},
      {"Ratio", TFormBytes().Str("1.5")},
      {"Blob", TFormBytes().Str("not binary")},
  };
  for (const auto& [name, value] : cases) {
    std::unique_ptr<TComponent> made;
    EXPECT_THROW(made.reset(ReadRoot(withProp(name, value))), EReadError) << name;
  }
  // With an error handler each bad value is reported, skipped whole, and reading goes on.
  for (const auto& [name, value] : cases) {
    TFormBytes b;
    b.Signature().Header("TStreamForm", "F").End().Header("TStreamWidget", "W").Prop(name).Raw(value);
    b.Prop("Caption").Str("after").End().End().End();
    TStringStream stream(b.Bytes());
    TReader reader(&stream, 8);
    std::vector<std::string> messages;
    reader.OnError = [&](TReader*, const std::string& message, bool& handled) {
      messages.push_back(message);
      handled = true;
    };
    TStreamForm form(nullptr);
    // No recovery inside DefineProperties (the place in the stream is not known) nor from a
    // value that cannot even be skipped (a collection item without its list).
    if (std::string(name) == "Blob" || std::string(name) == "Tabs") {
      EXPECT_THROW(reader.ReadRootComponent(&form), EReadError) << name;
      continue;
    }
    reader.ReadRootComponent(&form);
    EXPECT_EQ(messages.size(), 1u) << name;
    EXPECT_EQ(static_cast<TStreamWidget*>(form.FindComponent("W"))->Caption(), "after") << name;
  }
  // Read-only properties are neither written nor read.
  EXPECT_NE(ErrorOf<EReadError>([&] {
              ReadRoot(withProp("Version", TFormBytes().Int8(4)));
            }).find("Property Version is read-only"),
            std::string::npos);
  EXPECT_EQ(PendingFixupCount(), 0);
  // Invalid and duplicate component names are read errors too.
  TFormBytes dup;
  dup.Signature().Header("TStreamForm", "F").End().Header("TStreamWidget", "A").End().End().Header("TStreamWidget", "a").End().End().End();
  EXPECT_THROW(ReadRoot(dup), EReadError);
  TFormBytes bad;
  bad.Signature().Header("TStreamForm", "F").End().Header("TStreamWidget", "1x").End().End().End();
  EXPECT_THROW(ReadRoot(bad), EReadError);
  // Unknown classes raise EClassNotFound unless the error handler skips the component.
  TFormBytes unknown;
  unknown.Signature().Header("TStreamForm", "F").End();
  unknown.Header("TMissing", "M").Prop("X").Int8(1).End().Header("TStreamWidget", "Inner").End().End().End();
  unknown.Header("TStreamWidget", "After").End().End().End();
  EXPECT_EQ(ErrorOf<EClassNotFound>([&] { ReadRoot(unknown); }), "Class TMissing not found");
  TStringStream stream(unknown.Bytes());
  TReader reader(&stream);
  reader.OnError = [](TReader*, const std::string&, bool& handled) { handled = true; };
  TStreamForm form(nullptr);
  reader.ReadRootComponent(&form);
  EXPECT_EQ(form.ComponentCount(), 1);
  EXPECT_NE(form.FindComponent("After"), nullptr);
  EXPECT_THROW(ReadRoot(std::string("TPF0") + TFormBytes().Header("TStream", "S").End().End().Bytes()), EFilerError);
}

TEST_F(FilerTest, ReaderHooks) {
  TFormBytes b;
  b.Signature().Header("TStreamForm", "F").End();
  b.Header("TOldWidget", "W").Prop("OnClick").Ident("Renamed").End().End();
  b.Header("TStreamWidget", "Made").End().End();
  b.End();
  TStringStream stream(b.Bytes());
  TReader reader(&stream);
  TStreamForm form(nullptr);
  TStreamWidget* supplied = nullptr;
  reader.OnFindComponentClass = [](TReader*, const std::string& name, TClass& cls) {
    if (name == "TOldWidget") cls = TStreamWidget::StaticClass();
  };
  reader.OnSetName = [](TReader*, TComponent*, std::string& name) { name += "_x"; };
  reader.OnFindMethod = [](TReader*, const std::string& name, const TMethodCode*& code, bool& error) {
    if (name == "Renamed") {
      code = TStreamForm::StaticClass()->MethodAddress("OtherClick");
      error = false;
    }
  };
  reader.OnCreateComponent = [&](TReader* r, TClass, TComponent*& made) {
    if (!supplied) {
      made = supplied = new TStreamWidget(r->Owner());
      supplied->SetTag(99);
    }
  };
  reader.ReadRootComponent(&form);
  auto* w = static_cast<TStreamWidget*>(form.FindComponent("W_x"));
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w, supplied);
  EXPECT_EQ(w->Tag(), 99);
  w->OnClick()(w);
  EXPECT_EQ(form.lastOther, w);
  EXPECT_NE(form.FindComponent("Made_x"), nullptr);
}

TEST_F(FilerTest, DescendantsWriteOnlyWhatDiffersFromTheAncestor) {
  auto ancestor = MakeRichForm();
  auto descendant = MakeRichForm();
  auto* w1 = static_cast<TStreamWidget*>(descendant->FindComponent("Widget1"));
  w1->SetWidth(301);
  w1->Style()->SetSize(8);  // back to the default, but the ancestor has 12
  w1->internal_ = "changed";
  w1->SetOnClick(TNotifyEvent(descendant.get(), &TStreamForm::OtherClick));
  static_cast<TStreamWidget*>(descendant->FindComponent("Child2"))->SetBuddy(nullptr);
  auto* extra = new TStreamWidget(descendant.get());
  extra->SetName("Extra");
  extra->SetWidth(5);
  // Child2 before Child1 in the panel: a different child order.
  auto* panel = static_cast<TStreamWidget*>(descendant->FindComponent("Panel1"));
  panel->SetChildOrder(descendant->FindComponent("Child2"), 0);

  const std::string bytes = WriteRoot(descendant.get(), ancestor.get());
  TFormBytes expected;
  expected.Signature().Byte(0xF1).Header("TStreamForm", "Form1").End();
  expected.Byte(0xF1).Header("TStreamWidget", "Widget1").Prop("Width").Int16(301).Prop("OnClick").Ident("OtherClick");
  expected.Prop("Style.Size").Int8(8).Prop("Internal").Str("changed").End().End();
  expected.Byte(0xF1).Header("TStreamWidget", "Panel1").End();
  expected.Byte(0xF3).Int8(0).Header("TStreamWidget", "Child2").Prop("Buddy").Value(vaNil).End().End();
  expected.Byte(0xF3).Int8(1).Header("TStreamWidget", "Child1").End().End();
  expected.End();
  expected.Header("TStreamWidget", "Extra").Prop("Width").Int8(5).Prop("Style.FaceName").Str("Tahoma").Prop("Tabs").Value(vaCollection).End().End().End();
  expected.End();
  EXPECT_EQ(bytes, expected.Bytes()) << ObjectBinaryToTextString(bytes);
  EXPECT_EQ(ObjectTextToBinaryString(ObjectBinaryToTextString(bytes)), bytes);

  // Read over a fresh copy of the ancestor, the descendant's values land on the inherited
  // components and the new one is created.
  auto target = MakeRichForm();
  ReadRoot(bytes, target.get());
  auto* tw1 = static_cast<TStreamWidget*>(target->FindComponent("Widget1"));
  EXPECT_EQ(tw1->Width(), 301);
  EXPECT_EQ(tw1->loadedCalls_, 1);
  EXPECT_FALSE(tw1->ComponentState().contains(csLoading));
  EXPECT_EQ(tw1->Style()->Size(), 8);
  EXPECT_EQ(tw1->internal_, "changed");
  EXPECT_EQ(tw1->Caption(), w1->Caption());  // untouched: from the ancestor
  EXPECT_EQ(static_cast<TStreamWidget*>(target->FindComponent("Child2"))->Buddy(), nullptr);
  ASSERT_NE(target->FindComponent("Extra"), nullptr);
  EXPECT_EQ(static_cast<TStreamWidget*>(target->FindComponent("Extra"))->Width(), 5);
  auto* tpanel = static_cast<TStreamWidget*>(target->FindComponent("Panel1"));
  EXPECT_EQ(tpanel->Children()[0]->Name(), "Child2");
  // Inherited components missing from the target are an error.
  TStreamForm empty(nullptr);
  EXPECT_THROW(ReadRoot(bytes, &empty), EReadError);
  // A collection that differs from the ancestor's is written whole.
  static_cast<TStreamTab*>(panel->Tabs()->Items(1))->SetWidth(81);
  const std::string changed = ObjectBinaryToTextString(WriteRoot(descendant.get(), ancestor.get()));
  EXPECT_NE(changed.find("    Tabs = <\r\n      item\r\n        Text = 'First'\r\n        Target = Child2\r\n"
                         "      end\r\n      item\r\n        Width = 81\r\n      end>\r\n"),
            std::string::npos)
      << changed;
  // The same form against itself as ancestor: nothing but headers.
  auto same = MakeRichForm();
  const std::string none = WriteRoot(same.get(), MakeRichForm().get());
  EXPECT_EQ(ObjectBinaryToTextString(none).find(" = "), std::string::npos) << ObjectBinaryToTextString(none);
}

TEST_F(FilerTest, ReferencesAcrossRootsWaitForTheirRoot) {
  static TStreamForm* other = nullptr;
  TStreamForm formB(nullptr);
  formB.SetName("FormB");
  auto* target = new TStreamWidget(&formB);
  target->SetName("Target");
  TStreamForm formA(nullptr);
  formA.SetName("FormA");
  auto* w = new TStreamWidget(&formA);
  w->SetName("W");
  w->SetBuddy(target);
  const std::string bytes = WriteRoot(&formA);
  EXPECT_NE(ObjectBinaryToTextString(bytes).find("Buddy = FormB.Target"), std::string::npos);

  EXPECT_EQ(PendingFixupCount(), 0);
  std::unique_ptr<TStreamForm> readA(static_cast<TStreamForm*>(ReadRoot(bytes)));
  auto* readW = static_cast<TStreamWidget*>(readA->FindComponent("W"));
  EXPECT_EQ(readW->Buddy(), nullptr);
  EXPECT_EQ(PendingFixupCount(), 1);
  EXPECT_TRUE(readA->ComponentState().contains(csFixups));
  auto finder = [](const std::string& name) -> TComponent* {
    return other && name == other->Name() ? other : nullptr;
  };
  RegisterFindGlobalComponentProc(finder);
  other = &formB;
  // Unregistered however the test ends: formB lives on this stack.
  struct TFinderGuard {
    TFindGlobalComponent proc;
    ~TFinderGuard() {
      UnregisterFindGlobalComponentProc(proc);
      other = nullptr;
    }
  } guard{finder};
  GlobalFixupReferences();
  EXPECT_EQ(readW->Buddy(), target);
  EXPECT_EQ(PendingFixupCount(), 0);
  EXPECT_FALSE(readA->ComponentState().contains(csFixups));
  // With the other root findable, a second read resolves at once.
  std::unique_ptr<TStreamForm> again(static_cast<TStreamForm*>(ReadRoot(bytes)));
  EXPECT_EQ(static_cast<TStreamWidget*>(again->FindComponent("W"))->Buddy(), target);
  // A root read without an instance gets a free global name when its own is taken.
  formB.SetName("FormA");
  std::unique_ptr<TStreamForm> renamed(static_cast<TStreamForm*>(ReadRoot(bytes)));
  EXPECT_EQ(renamed->Name(), "FormA_1");
  EXPECT_EQ(PendingFixupCount(), 1);  // "FormB" is gone now
  RemoveFixups(renamed.get());
  EXPECT_EQ(PendingFixupCount(), 0);
  UnregisterFindGlobalComponentProc(finder);
  other = nullptr;
  // Pending references of a root can be dropped.
  std::unique_ptr<TStreamForm> pending(static_cast<TStreamForm*>(ReadRoot(bytes)));
  EXPECT_EQ(PendingFixupCount(), 1);
  RemoveFixupReferences(pending.get(), "FormC");  // only references into FormC
  EXPECT_EQ(PendingFixupCount(), 1);
  RemoveFixupReferences(pending.get(), "formb");
  EXPECT_EQ(PendingFixupCount(), 0);
}

TEST_F(FilerTest, NestedReferencesAndTheRootItself) {
  TStreamForm form(nullptr);
  form.SetName("Form1");
  auto* holder = new TLabeledStreamWidget(&form);
  holder->SetName("Holder");
  auto* w = new TStreamWidget(&form);
  w->SetName("W");
  w->SetBuddy(holder->Label());  // owned by Holder: "Holder.SubLabel"
  auto* tab = static_cast<TStreamTab*>(w->Tabs()->Add());
  tab->SetTarget(&form);  // the root: "Owner"
  holder->Label()->SetCaption("label text");
  holder->Label()->SetWidth(33);
  const std::string bytes = WriteRoot(&form);
  const std::string text = ObjectBinaryToTextString(bytes);
  EXPECT_NE(text.find("Buddy = Holder.SubLabel"), std::string::npos) << text;
  EXPECT_NE(text.find("Target = Owner"), std::string::npos);
  EXPECT_NE(text.find("SubLabel = {"), std::string::npos);
  std::unique_ptr<TStreamForm> back(static_cast<TStreamForm*>(ReadRoot(bytes)));
  auto* bh = static_cast<TLabeledStreamWidget*>(back->FindComponent("Holder"));
  auto* bw = static_cast<TStreamWidget*>(back->FindComponent("W"));
  EXPECT_EQ(bw->Buddy(), bh->Label());
  EXPECT_EQ(static_cast<TStreamTab*>(bw->Tabs()->Items(0))->Target(), back.get());
  // The sub-component was read into the existing label from the binary property.
  EXPECT_EQ(bh->Label()->Caption(), "label text");
  EXPECT_EQ(bh->Label()->Width(), 33);
  EXPECT_EQ(bh->Label()->Name(), "SubLabel");
  EXPECT_EQ(bh->Label()->loadedCalls_, 1);
  EXPECT_EQ(FindNestedComponent(back.get(), "Holder.SubLabel"), bh->Label());
  EXPECT_EQ(FindNestedComponent(back.get(), "Holder.Owner"), bh);
  EXPECT_EQ(FindNestedComponent(back.get(), "Holder.None"), nullptr);
}

TEST_F(FilerTest, ValuePrimitivesOfReaderAndWriter) {
  TStringStream stream;
  {
    TWriter w(&stream, 8);
    w.WriteInteger(5);
    w.WriteInteger(-200);
    w.WriteInteger(70000);
    w.WriteInteger(int64_t{1} << 33);
    w.WriteFloat(-0.0);
    w.WriteSingle(1.5f);
    w.WriteDate(2.25);
    w.WriteCurrency(-12345);
    w.WriteString(std::string(300, 'L'));
    w.WriteWideString(u"\u00E9\u4E2D");
    w.WriteIdent("tRUE");
    w.WriteIdent("nil");
    w.WriteIdent("Something");
    w.WriteBoolean(false);
    w.WriteChar('c');
    w.WriteListBegin();
    w.WriteListEnd();
    w.WriteStr(std::string(300, 's'));  // short strings are cut at 255
    w.FlushBuffer();
    EXPECT_EQ(w.Position(), stream.Size());
  }
  stream.SetPosition(0);
  TReader r(&stream, 8);
  EXPECT_EQ(r.NextValue(), vaInt8);
  EXPECT_EQ(r.ReadInteger(), 5);
  EXPECT_EQ(r.NextValue(), vaInt16);
  EXPECT_EQ(r.ReadInteger(), -200);
  EXPECT_EQ(r.ReadInt64(), 70000);
  EXPECT_EQ(r.NextValue(), vaInt64);
  EXPECT_EQ(r.ReadInt64(), int64_t{1} << 33);
  EXPECT_TRUE(std::signbit(r.ReadFloat()));
  EXPECT_EQ(r.ReadSingle(), 1.5f);
  EXPECT_EQ(r.ReadDate(), 2.25);
  EXPECT_EQ(r.ReadCurrency(), -12345);
  EXPECT_EQ(r.NextValue(), vaLString);
  EXPECT_EQ(r.ReadString(), std::string(300, 'L'));
  EXPECT_EQ(r.ReadWideString(), u"\u00E9\u4E2D");
  EXPECT_EQ(r.ReadIdent(), "True");
  EXPECT_EQ(r.ReadIdent(), "nil");
  EXPECT_EQ(r.ReadIdent(), "Something");
  EXPECT_FALSE(r.ReadBoolean());
  EXPECT_EQ(r.ReadChar(), 'c');
  r.ReadListBegin();
  EXPECT_TRUE(r.EndOfList());
  r.ReadListEnd();
  EXPECT_EQ(r.ReadStr(), std::string(255, 's'));
  EXPECT_EQ(r.BytesLeft(), 0);
  EXPECT_THROW(r.ReadValue(), EReadError);
}

TEST_F(FilerTest, SingleComponentsWithoutSignature) {
  TStreamForm source(nullptr);
  source.SetName("Source");
  auto* w = new TStreamWidget(&source);
  w->SetName("Lone");
  w->SetWidth(64);
  w->SetOnClick(TNotifyEvent(&source, &TStreamForm::WidgetClick));
  TStringStream stream;
  {
    TWriter writer(&stream);
    writer.SetRoot(&source);
    writer.WriteComponent(w);
  }
  EXPECT_EQ(stream.DataString().substr(0, 14), std::string("\x0D") + "TStreamWidget");
  stream.SetPosition(0);
  TStreamForm target(nullptr);
  TReader reader(&stream);
  reader.SetRoot(&target);
  reader.SetOwner(&target);
  auto* read = static_cast<TStreamWidget*>(reader.ReadComponent(nullptr));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Owner(), &target);
  EXPECT_EQ(read->Name(), "Lone");
  EXPECT_EQ(read->Width(), 64);
  EXPECT_EQ(read->loadedCalls_, 1);  // read on its own: Loaded at its end
  read->OnClick()(read);
  EXPECT_EQ(target.lastClick, read);
}

TEST_F(FilerTest, RandomPropertyValuesSurviveWriteReadAndText) {
  std::mt19937 rng(31337);
  auto bits64 = [&] { return (static_cast<uint64_t>(rng()) << 32) | rng(); };
  auto text = [&](size_t max) {
    std::string s(rng() % (max + 1), '\0');
    for (char& c : s) c = static_cast<char>(rng());
    return s;
  };
  for (int round = 0; round < 150; ++round) {
    TStreamForm form(nullptr);
    form.SetName("Form" + std::to_string(round));
    form.SetTag2(static_cast<int32_t>(rng()));
    const int count = 1 + static_cast<int>(rng() % 4);
    std::vector<TStreamWidget*> widgets;
    for (int i = 0; i < count; ++i) {
      auto* w = new TStreamWidget(&form);
      w->SetName("W" + std::to_string(i));
      w->SetWidth(static_cast<int32_t>(rng()) >> (rng() % 32));
      w->SetLook(static_cast<TLook>(rng() % 3));
      w->SetSides(TSides::FromBits(rng() % 16));
      double d;
      const uint64_t db = bits64();
      std::memcpy(&d, &db, 8);
      w->SetRatio(std::isnan(d) ? 0.25 : d);
      float f;
      const uint32_t fb = rng();
      std::memcpy(&f, &fb, 4);
      w->SetScale(std::isnan(f) ? 0.5f : f);
      w->SetCaption(text(rng() % 2 ? 40 : 700));
      w->SetLetter(static_cast<char>(rng()));
      w->SetBig(static_cast<int64_t>(bits64()) >> (rng() % 64));
      w->SetEnabled(rng() % 2);
      const int32_t colors[] = {clTestRed, clTestFace, static_cast<int32_t>(rng())};
      w->SetColor(colors[rng() % 3]);
      w->Style()->SetSize(static_cast<int32_t>(rng() % 200) - 100);
      // Not empty: an empty string is not written and the constructor's name would stay.
      w->Style()->SetFaceName("F" + text(30));
      w->Style()->SetBold(TSides::FromBits(rng() % 16));
      w->internal_ = text(20);
      w->blob_ = text(rng() % 3 ? 10 : 300);
      for (int t = static_cast<int>(rng() % 3); t > 0; --t) {
        auto* tab = static_cast<TStreamTab*>(w->Tabs()->Add());
        tab->SetText(text(10));
        tab->SetWidth(static_cast<int32_t>(rng() % 1000));
      }
      if (rng() % 2) w->SetOnClick(TNotifyEvent(&form, rng() % 2 ? &TStreamForm::WidgetClick : &TStreamForm::OtherClick));
      widgets.push_back(w);
    }
    for (TStreamWidget* w : widgets)
      if (rng() % 2) w->SetBuddy(widgets[rng() % widgets.size()]);
    const std::string bytes = WriteRoot(&form);
    std::unique_ptr<TStreamForm> back(static_cast<TStreamForm*>(ReadRoot(bytes)));
    ExpectSameForm(&form, back.get());
    for (int i = 0; i < count; ++i) {
      auto* a = widgets[static_cast<size_t>(i)];
      auto* b = static_cast<TStreamWidget*>(back->Components(i));
      EXPECT_EQ(a->OnClick().Assigned(), b->OnClick().Assigned());
      EXPECT_EQ(std::signbit(a->Ratio()), std::signbit(b->Ratio()));
    }
    ASSERT_EQ(WriteRoot(back.get()), bytes) << round;
    ASSERT_EQ(ObjectTextToBinaryString(ObjectBinaryToTextString(bytes)), bytes) << round;
  }
}

TEST_F(FilerTest, InlineFramesKeepTheirOwnNames) {
  TStreamForm form(nullptr);
  form.SetName("Form1");
  auto* outer = new TStreamWidget(&form);
  outer->SetName("Outer");
  auto* frame = new TStreamFrame(&form);
  frame->SetName("Frame1");
  frame->SetInline(true);
  auto* inner1 = new TStreamWidget(frame);
  inner1->SetName("Inner1");
  auto* inner2 = new TStreamWidget(frame);
  inner2->SetName("Inner2");
  inner1->SetBuddy(inner2);
  inner2->SetBuddy(outer);
  outer->SetBuddy(inner1);
  inner1->SetOnClick(TNotifyEvent(&form, &TStreamForm::WidgetClick));
  const std::string bytes = WriteRoot(&form);
  const std::string text = ObjectBinaryToTextString(bytes);
  for (const char* line : {"  inline Frame1: TStreamFrame\r\n", "    object Inner1: TStreamWidget\r\n      Buddy = Inner2\r\n",
                           "      OnClick = WidgetClick\r\n", "      Buddy = Form1.Outer\r\n", "    Buddy = Frame1.Inner1\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << text;

  std::unique_ptr<TStreamForm> back(static_cast<TStreamForm*>(ReadRoot(bytes)));
  auto* bframe = back->FindComponent("Frame1");
  ASSERT_NE(bframe, nullptr);
  EXPECT_TRUE(bframe->ComponentState().contains(csInline));
  auto* b1 = static_cast<TStreamWidget*>(bframe->FindComponent("Inner1"));
  auto* b2 = static_cast<TStreamWidget*>(bframe->FindComponent("Inner2"));
  auto* bouter = static_cast<TStreamWidget*>(back->FindComponent("Outer"));
  ASSERT_TRUE(b1 && b2 && bouter);
  EXPECT_EQ(b1->Buddy(), b2);
  EXPECT_EQ(b2->Buddy(), bouter);
  EXPECT_EQ(bouter->Buddy(), b1);
  EXPECT_EQ(b1->loadedCalls_, 1);
  b1->OnClick()(b1);
  EXPECT_EQ(back->lastClick, b1);
  EXPECT_EQ(PendingFixupCount(), 0);
  EXPECT_EQ(WriteRoot(back.get()), bytes);
}

TEST_F(FilerTest, GlobalLoadingCallsLoadedOnceAfterEveryLevel) {
  // An ancestor level and a descendant level of one form, read one after the other.
  auto ancestor = MakeRichForm();
  auto descendant = MakeRichForm();
  static_cast<TStreamWidget*>(descendant->FindComponent("Widget1"))->SetWidth(999);
  (new TStreamWidget(descendant.get()))->SetName("Added");
  const std::string level1 = WriteRoot(ancestor.get());
  const std::string level2 = WriteRoot(descendant.get(), ancestor.get());
  TStreamForm form(nullptr);
  BeginGlobalLoading();
  ReadRoot(level1, &form);
  ReadRoot(level2, &form);
  auto* w1 = static_cast<TStreamWidget*>(form.FindComponent("Widget1"));
  ASSERT_NE(w1, nullptr);
  EXPECT_EQ(w1->Width(), 999);
  EXPECT_EQ(w1->loadedCalls_, 0);
  EXPECT_EQ(form.loadedCalls_, 0);
  NotifyGlobalLoading();
  EndGlobalLoading();
  EXPECT_EQ(form.loadedCalls_, 1);
  for (int i = 0; i < form.ComponentCount(); ++i)
    EXPECT_EQ(static_cast<TStreamWidget*>(form.Components(i))->loadedCalls_, 1) << form.Components(i)->Name();
  EXPECT_FALSE(w1->ComponentState().contains(csLoading));
  // Outside global loading each read calls Loaded itself.
  TStreamForm again(nullptr);
  ReadRoot(level1, &again);
  EXPECT_EQ(again.loadedCalls_, 1);
}

// A host program that chose a locale with a decimal comma (setlocale) writes and reads the same
// form files, binary and text, as any other: the numbers of a form keep the point.
TEST_F(FilerTest, AFormKeepsItsNumbersUnderAHostsDecimalCommaLocale) {
  auto form = MakeRichForm();
  const std::string bytes = WriteRoot(form.get());
  const std::string text = ObjectBinaryToTextString(bytes);
  testsupport::THostNumbersLocale host;
  if (!host.InForce()) GTEST_SKIP() << host.Why();
  char shown[16];
  std::snprintf(shown, sizeof shown, "%.1f", 1.5);
  ASSERT_STREQ(shown, "1,5");  // the C library's numbers now have the comma
  EXPECT_EQ(WriteRoot(form.get()), bytes);
  EXPECT_EQ(ObjectBinaryToTextString(bytes), text);
  EXPECT_EQ(ObjectTextToBinaryString(text), bytes);
  std::unique_ptr<TStreamForm> back(static_cast<TStreamForm*>(ReadRoot(bytes)));
  ASSERT_NE(back, nullptr);
  auto* w1 = static_cast<TStreamWidget*>(back->FindComponent("Widget1"));
  EXPECT_EQ(w1->Ratio(), 0.1);
  EXPECT_EQ(w1->Scale(), 2.5f);
  const std::string dates = ObjectTextToBinaryString(
      "object Form1: TStreamForm\r\n  object W: TStreamWidget\r\n    Ratio = 36526.25d\r\n"
      "    Scale = 0.75s\r\n  end\r\nend\r\n");
  back.reset(static_cast<TStreamForm*>(ReadRoot(dates)));
  auto* w = static_cast<TStreamWidget*>(back->FindComponent("W"));
  EXPECT_EQ(w->Ratio(), 36526.25);
  EXPECT_EQ(w->Scale(), 0.75f);
  EXPECT_NE(ObjectBinaryToTextString(dates).find("Ratio = 36526.25d"), std::string::npos);
}
