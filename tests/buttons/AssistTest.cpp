// The wizard: its page list as pages join, move and leave; navigation past excluded pages
// with the buttons enabled to match; the buttons driven by mouse and keys; the page events in
// their order and a refused change; freed pages and a freed wizard; the active page read back
// from a form; and what the wizard shows.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLAssist.h"
#include "buttons/ZYLButton.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"
#include "tests/buttons/ButtonsTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/RaisingHandler.h"
#include "tests/support/StreamCopy.h"

namespace zyl {
namespace {

using buttontest::THost;
namespace tk = win::testkit;

// Writes the wizard's and the pages' events; refuses a change to Veto.
class TWizardLog : public vcl::TObject {
  ZYL_CLASS(TWizardLog, vcl::TObject)
  std::string Text;
  TZYLAssistPage* Veto = nullptr;
  void Add(const std::string& S) { Text += (Text.empty() ? "" : " ") + S; }
  static std::string NameOf(vcl::TObject* O) {
    auto* c = dynamic_cast<vcl::TComponent*>(O);
    return c ? c->Name() : "nil";
  }
  void Changing(vcl::TObject*, TZYLAssistPage* NewPage, bool& Allow) {
    Add("changing:" + NameOf(NewPage));
    if (Veto && NewPage == Veto) Allow = false;
  }
  void Changed(vcl::TObject* Sender) {
    Add("changed:" + NameOf(static_cast<TZYLAssist*>(Sender)->ActivePage()));
  }
  void Enter(vcl::TObject* Sender) { Add("enter:" + NameOf(Sender)); }
  void Exit(vcl::TObject* Sender) { Add("exit:" + NameOf(Sender)); }
  void Finish(vcl::TObject*) { Add("finish"); }
  void Cancel(vcl::TObject*) { Add("cancel"); }
  std::string Take() {
    std::string s = Text;
    Text.clear();
    return s;
  }
};

win::COLORREF Rgb(vcl::TColor c) { return win::COLORREF(vcl::ColorToRGB(c)); }

const vcl::TColor kPageColours[4] = {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow};

// The form written to a form stream and read into a new form, with the wizard's unit started
// for the reading as an application starts it.
std::unique_ptr<vcl::TForm> ReadBack(vcl::TForm* source) {
  const std::string bytes = vcl::WriteComponentToBytes(source);
  ZYLAssistUnit.Init();
  std::unique_ptr<vcl::TForm> copy(new vcl::TForm(nullptr));
  vcl::ReadComponentFromBytes(bytes, copy.get());
  ZYLAssistUnit.FInit();
  return copy;
}

class AssistTest : public ::testing::Test {
 protected:
  AssistTest() {
    wizard_ = new TZYLAssist(host_.Form());
    wizard_->SetName("Wizard");
    wizard_->SetBounds(0, 0, 320, 200);
    wizard_->SetParent(host_.Panel());
    for (int i = 0; i < 4; ++i) pages_.push_back(MakePage(i));
    wizard_->SetOnPageChanging(TZYLAssistPageChangingEvent(&log_, &TWizardLog::Changing));
    wizard_->SetOnPageChanged(vcl::TNotifyEvent(&log_, &TWizardLog::Changed));
    wizard_->SetOnFinish(vcl::TNotifyEvent(&log_, &TWizardLog::Finish));
    wizard_->SetOnCancel(vcl::TNotifyEvent(&log_, &TWizardLog::Cancel));
    tk::MouseMove(600, 400);
  }
  TZYLAssistPage* MakePage(int I) {
    auto* p = new TZYLAssistPage(host_.Form());
    p->SetName("P" + std::to_string(I));
    p->SetColor(kPageColours[I]);
    p->SetAssistControl(wizard_);
    p->SetOnPageEnter(vcl::TNotifyEvent(&log_, &TWizardLog::Enter));
    p->SetOnPageExit(vcl::TNotifyEvent(&log_, &TWizardLog::Exit));
    return p;
  }
  std::string Active() const { return TWizardLog::NameOf(wizard_->ActivePage()); }
  // Which navigation buttons are enabled: B(ack) N(ext) F(inish), '-' for a disabled one.
  std::string Enabled() const {
    std::string s;
    const char* letters = "BNF";
    for (int i = TZYLAssist::nbBack; i <= TZYLAssist::nbFinish; ++i)
      s += wizard_->NavButton(TZYLAssist::TNavButton(i))->Enabled() ? letters[i] : '-';
    return s;
  }
  void ClickButton(TZYLAssist::TNavButton Which) {
    TZYLButton* b = wizard_->NavButton(Which);
    const win::POINT p = THost::At(b, b->Width() / 2, b->Height() / 2);
    tk::Click(p.X, p.Y);
    THost::Idle();
  }

  THost host_;
  TZYLAssist* wizard_ = nullptr;
  std::vector<TZYLAssistPage*> pages_;
  TWizardLog log_;
};

TEST_F(AssistTest, KeepsItsPagesInTheOrderTheyJoined) {
  EXPECT_EQ(wizard_->GetCount(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(wizard_->GetPage(i), pages_[i]);
    EXPECT_EQ(pages_[i]->GetPageIndex(), i);
    EXPECT_EQ(pages_[i]->Parent(), wizard_);
  }
  const std::string error = testsupport::ErrorOf<vcl::EListError>([&] { wizard_->GetPage(4); });
  EXPECT_EQ(error, "List index out of bounds (4)");
  EXPECT_EQ(testsupport::ErrorOf<vcl::EListError>([&] { wizard_->GetPage(-1); }),
            "List index out of bounds (-1)");
  // A new page is in no wizard; one that moves leaves the old list and joins the new one's end.
  auto* loose = new TZYLAssistPage(host_.Form());
  EXPECT_EQ(loose->GetPageIndex(), -1);
  auto* other = new TZYLAssist(host_.Form());
  other->SetParent(host_.Panel());
  loose->SetAssistControl(other);
  pages_[1]->SetAssistControl(other);
  EXPECT_EQ(pages_[1]->GetPageIndex(), 1);
  EXPECT_EQ(pages_[1]->Parent(), other);
  EXPECT_EQ(pages_[2]->GetPageIndex(), 1);
  EXPECT_EQ(wizard_->GetCount(), 3);
  pages_[1]->SetAssistControl(nullptr);
  EXPECT_EQ(pages_[1]->GetPageIndex(), -1);
  EXPECT_EQ(pages_[1]->Parent(), nullptr);
  EXPECT_EQ(other->GetCount(), 1);
}

TEST_F(AssistTest, NavigatesPastExcludedPagesWithTheButtonsToMatch) {
  pages_[2]->SetIncluded(false);
  const std::string none = Active() + " " + Enabled();
  wizard_->FirstPage();
  const std::string first = Active() + " " + Enabled();
  wizard_->NextPage();
  const std::string second = Active() + " " + Enabled();
  wizard_->NextPage();
  const std::string skipped = Active() + " " + Enabled();
  wizard_->NextPage();
  const std::string stays = Active() + " " + Enabled();
  wizard_->PriorPage();
  const std::string back = Active() + " " + Enabled();
  wizard_->SetActivePage(nullptr);
  wizard_->PriorPage();
  const std::string priorFromNone = Active() + " " + Enabled();
  wizard_->SetActivePage(pages_[2]);  // an excluded page can still be shown directly
  const std::string direct = Active() + " " + Enabled();
  testsupport::ExpectCases({{none, "nil BN-"},
                            {first, "P0 -N-"},
                            {second, "P1 BN-"},
                            {skipped, "P3 B-F"},
                            {stays, "P3 B-F"},
                            {back, "P1 BN-"},
                            {priorFromNone, "P3 B-F"},
                            {direct, "P2 BN-"}});
  EXPECT_TRUE(pages_[2]->Visible());
  for (int i : {0, 1, 3}) EXPECT_FALSE(pages_[i]->Visible()) << i;
}

TEST_F(AssistTest, FiresThePageEventsInOrderAndHonoursARefusal) {
  wizard_->FirstPage();
  EXPECT_EQ(log_.Take(), "changing:P0 enter:P0 changed:P0");
  wizard_->NextPage();
  EXPECT_EQ(log_.Take(), "changing:P1 exit:P0 enter:P1 changed:P1");
  log_.Veto = pages_[2];
  wizard_->NextPage();
  EXPECT_EQ(log_.Take(), "changing:P2");
  EXPECT_EQ(Active(), "P1");
  EXPECT_TRUE(pages_[1]->Visible());
  wizard_->SetActivePage(pages_[1]);  // already active: nothing happens
  EXPECT_EQ(log_.Take(), "");
  auto* foreign = new TZYLAssistPage(host_.Form());
  wizard_->SetActivePage(foreign);  // not one of its pages: ignored
  EXPECT_EQ(log_.Take(), "");
  EXPECT_EQ(Active(), "P1");
  wizard_->SetActivePage(nullptr);
  EXPECT_EQ(log_.Take(), "changing:nil exit:P1 changed:nil");
  EXPECT_FALSE(pages_[1]->Visible());
}

TEST_F(AssistTest, ButtonsAndKeysDriveIt) {
  wizard_->FirstPage();
  log_.Take();
  ClickButton(TZYLAssist::nbNext);
  EXPECT_EQ(Active(), "P1");
  ClickButton(TZYLAssist::nbBack);
  EXPECT_EQ(Active(), "P0");
  ClickButton(TZYLAssist::nbCancel);
  EXPECT_EQ(log_.Take(),
            "changing:P1 exit:P0 enter:P1 changed:P1 "
            "changing:P0 exit:P1 enter:P0 changed:P0 cancel");
  // Return is Next and Escape is Cancel.
  wizard_->NavButton(TZYLAssist::nbNext)->SetFocus();
  tk::KeyPress(win::VK_RETURN);
  THost::Idle();
  EXPECT_EQ(Active(), "P1");
  tk::KeyPress(win::VK_ESCAPE);
  THost::Idle();
  log_.Take();
  wizard_->LastPage();
  ClickButton(TZYLAssist::nbFinish);
  ClickButton(TZYLAssist::nbNext);  // disabled on the last page
  EXPECT_EQ(log_.Take(), "changing:P3 exit:P1 enter:P3 changed:P3 finish");
}

TEST_F(AssistTest, AFreedPageLeavesTheListAndAFreedWizardItsPages) {
  wizard_->SetActivePage(pages_[3]);
  delete pages_[3];
  EXPECT_EQ(wizard_->GetCount(), 3);
  EXPECT_EQ(wizard_->ActivePage(), nullptr);
  EXPECT_EQ(Enabled(), "BN-");
  delete pages_[0];
  EXPECT_EQ(pages_[1]->GetPageIndex(), 0);
  // The pages stand on the wizard and go with it; the form no longer lists them.
  delete wizard_;
  EXPECT_EQ(host_.Form()->FindComponent("P1"), nullptr);
  EXPECT_EQ(host_.Form()->FindComponent("P2"), nullptr);
}

TEST_F(AssistTest, ShowsTheActivePageAboveTheButtons) {
  wizard_->FirstPage();
  const tk::TCapture first = host_.Shot(wizard_);
  wizard_->NextPage();
  const tk::TCapture second = host_.Shot(wizard_);
  const int pageBottom = 200 - TZYLAssist::ButtonAreaHeight;
  const win::RECT pageArea{0, 0, 320, pageBottom};
  EXPECT_TRUE(tk::PixelsMatch(
      first, [](int, int) { return Rgb(vcl::clRed); }, "assist_page0", pageArea));
  EXPECT_TRUE(tk::PixelsMatch(
      second, [](int, int) { return Rgb(vcl::clLime); }, "assist_page1", pageArea));
  // The etched line under the pages, then the wizard's own face.
  EXPECT_EQ(second.Color(5, pageBottom), Rgb(vcl::clBtnShadow));
  EXPECT_EQ(second.Color(5, pageBottom + 1), Rgb(vcl::clBtnHighlight));
  EXPECT_EQ(second.Color(5, pageBottom + 5), Rgb(vcl::clBtnFace));
}

// A resize whose OnResize raises still puts the buttons at the wizard's new bottom right; the
// error reaches the application.
TEST_F(AssistTest, TheButtonsFollowAResizeWhoseHandlerRaises) {
  testsupport::TRaisingHandler raising;
  wizard_->OnResize = vcl::TNotifyEvent(&raising, &testsupport::TRaisingHandler::Notify);
  wizard_->SetBounds(0, 0, 400, 260);
  THost::Idle();
  EXPECT_FALSE(raising.Arrived.empty());
  TZYLButton* cancel = wizard_->NavButton(TZYLAssist::nbCancel);
  EXPECT_EQ(cancel->Left() + cancel->Width(), 400 - TZYLAssist::ButtonGap);
  EXPECT_EQ(cancel->Top() + cancel->Height(), 260 - TZYLAssist::ButtonGap);
}

TEST_F(AssistTest, AFormReadBackShowsTheActivePageItWroteWithItsPagesInOrder) {
  wizard_->SetActivePage(pages_[2]);
  wizard_->SetNavCaption(TZYLAssist::nbFinish, "&Done");
  pages_[1]->SetIncluded(false);
  std::unique_ptr<vcl::TForm> source(new vcl::TForm(nullptr));
  source->SetName("Src");
  // Move the wizard with its pages onto a form of their own.
  for (vcl::TComponent* c :
       std::vector<vcl::TComponent*>{wizard_, pages_[0], pages_[1], pages_[2], pages_[3]}) {
    host_.Form()->RemoveComponent(c);
    source->InsertComponent(c);
  }
  wizard_->SetParent(source.get());
  const std::unique_ptr<vcl::TForm> copy = ReadBack(source.get());
  auto* read = dynamic_cast<TZYLAssist*>(copy->FindComponent("Wizard"));
  ASSERT_NE(read, nullptr);
  ASSERT_EQ(read->GetCount(), 4);
  std::string order, shown;
  for (int i = 0; i < 4; ++i) {
    order += read->GetPage(i)->Name() + (read->GetPage(i)->Included() ? "" : "(out)") + " ";
    if (read->GetPage(i)->Visible()) shown += read->GetPage(i)->Name();
  }
  testsupport::ExpectCases({{order, "P0 P1(out) P2 P3 "},
                            {TWizardLog::NameOf(read->ActivePage()), "P2"},
                            {shown, "P2"},
                            {read->NavCaption(TZYLAssist::nbFinish), "&Done"},
                            {read->NavCaption(TZYLAssist::nbNext), "&Next >"}});
}

// Every button caption a user empties stays empty when the form is opened again.
TEST(AssistCaptions, AnEmptiedButtonCaptionComesBackEmptyFromAFormFile) {
  THost host;
  for (int i = TZYLAssist::nbBack; i < TZYLAssist::nbCount; ++i) {
    const auto which = TZYLAssist::TNavButton(i);
    std::unique_ptr<vcl::TForm> source(new vcl::TForm(nullptr));
    auto* wizard = new TZYLAssist(source.get());
    wizard->SetName("Wizard");
    wizard->SetParent(source.get());
    wizard->SetNavCaption(which, "");
    const std::unique_ptr<vcl::TForm> copy = ReadBack(source.get());
    auto* read = dynamic_cast<TZYLAssist*>(copy->FindComponent("Wizard"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->NavCaption(which), "") << i;
  }
}

}  // namespace

ZYL_CLASS_IMPL(TWizardLog) {}

}  // namespace zyl
