// The user's session ends while the program runs: the program ends there as at its own end, so
// the forms the application owns are freed and the components that keep state store it. A form
// whose CloseQuery refuses keeps the session, and the program, going.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLIniCtrl.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/SessionEnd.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLFormA.h"
#include "system/ZYLMRUList.h"
#include "tests/support/FreeProbe.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

namespace wt = win::testkit;

// A form of the application (as Application->CreateForm makes it) read from its text, holding
// `component` (its text) and an ini control writing to `ini`.
vcl::TForm* ApplicationForm(const std::string& name, const std::string& component,
                            const std::string& ini) {
  auto* form = new vcl::TForm(vcl::Application);
  const std::string text = "object " + name +
                           ": TForm\n  Left = 100\n  Top = 100\n  Width = 300\n  Height = 200\n" +
                           component + "  object Ini1: TZYLIniCtrl\n    IniFile = '" + ini +
                           "'\n    IniPrefix = ppFixed\n  end\nend\n";
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), form);
  form->Show();
  wt::RunUntilIdle();
  return form;
}

std::string FileText(const std::string& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class SessionEnd : public ::testing::Test {
 protected:
  SessionEnd() {
    ZYLIniCtrlUnit.Init();
    ZYLFormAUnit.Init();
    ZYLMRUListUnit.Init();
  }
  ~SessionEnd() override {
    ZYLMRUListUnit.FInit();
    ZYLFormAUnit.FInit();
    ZYLIniCtrlUnit.FInit();
  }
  std::string Ini() const { return dir_.File("settings.ini"); }

  vcl::testkit::TControlsSession session_;
  testsupport::TempDir dir_;
};

// Each component that keeps state, what the user changes and what it then stores.
struct TSaverCase {
  const char* Name;
  const char* Component;
  std::function<void(vcl::TForm*)> Change;
  std::vector<std::string> Stored;
};

const std::vector<TSaverCase>& Savers() {
  static const std::vector<TSaverCase> savers = {
      {"TZYLForm",
       "  object Saver: TZYLForm\n    IniLink = Ini1\n    IniUse = ioUseLink\n  end\n",
       [](vcl::TForm* f) { f->SetBounds(50, 60, 320, 210); },
       {"[Common]", "Form=200,0,1,50,60,370,270"}},
      {"TZYLMRUList",
       "  object Saver: TZYLMRUList\n    IniLink = Ini1\n    IniUse = ioUseLink\n  end\n",
       [](vcl::TForm* f) {
         auto* list = static_cast<TZYLMRUList*>(f->FindComponent("Saver"));
         list->Add("first.txt");
         list->Add("second.txt");
       },
       {"[Owner.MRUList]", "H0=second.txt", "H1=first.txt"}},
  };
  return savers;
}

TEST_F(SessionEnd, EachComponentThatKeepsStateHasStoredItWhenTheSessionEnded) {
  for (const TSaverCase& c : Savers()) {
    SCOPED_TRACE(c.Name);
    std::remove(Ini().c_str());
    vcl::TForm* form = ApplicationForm("Owner", c.Component, Ini());
    const testsupport::TFreeProbe gone(form);
    c.Change(form);
    wt::RunUntilIdle();
    ASSERT_TRUE(wt::EndSession());
    EXPECT_TRUE(gone.Freed) << "the program's end frees the application's forms";
    EXPECT_TRUE(vcl::Application->Terminated());
    const std::string stored = FileText(Ini());
    for (const std::string& line : c.Stored)
      EXPECT_NE(stored.find(line), std::string::npos) << line << " not in\n" << stored;
    if (!gone.Freed) delete form;
  }
}

struct TCloseAnswer : vcl::TObject {
  bool Allow = false;
  int Asked = 0;
  void CloseQuery(vcl::TObject*, bool& CanClose) {
    ++Asked;
    CanClose = Allow;
  }
};

// The system asks every form whether the session may end; one that refuses keeps every form,
// and nothing is stored; once it agrees, the session ends.
TEST_F(SessionEnd, AFormWhoseCloseQueryRefusesKeepsTheSessionGoing) {
  vcl::TForm* keeper = ApplicationForm("Keeper", "", Ini());
  vcl::TForm* saver = ApplicationForm("Owner", Savers()[1].Component, Ini());
  const testsupport::TFreeProbe keeperGone(keeper), saverGone(saver);
  Savers()[1].Change(saver);
  TCloseAnswer answer;
  keeper->OnCloseQuery = vcl::TCloseQueryEvent(&answer, &TCloseAnswer::CloseQuery);
  EXPECT_FALSE(wt::EndSession());
  EXPECT_EQ(answer.Asked, 1);
  EXPECT_FALSE(keeperGone.Freed);
  EXPECT_FALSE(saverGone.Freed);
  EXPECT_FALSE(vcl::Application->Terminated());
  EXPECT_EQ(FileText(Ini()).find("H0="), std::string::npos) << "nothing is stored yet";
  // The forms still take input.
  EXPECT_TRUE(win::IsWindowEnabled(saver->Handle()));

  answer.Allow = true;
  EXPECT_TRUE(wt::EndSession());
  EXPECT_EQ(answer.Asked, 2);
  EXPECT_TRUE(keeperGone.Freed);
  EXPECT_TRUE(saverGone.Freed);
  EXPECT_NE(FileText(Ini()).find("H0=second.txt"), std::string::npos);
}

// The session ends while a dialog of the program waits for its answer: the dialog's loop ends
// first, and the forms go, storing their state, once it has.
TEST_F(SessionEnd, UnderADialogTheFormsGoOnceItsLoopEnded) {
  vcl::TForm* saver = ApplicationForm("Owner", Savers()[1].Component, Ini());
  Savers()[1].Change(saver);
  auto* dialog = new vcl::TForm(vcl::Application);
  const testsupport::TFreeProbe saverGone(saver), dialogGone(dialog);
  int asked = 0;
  const vcl::TModalFormHandler previous = vcl::SetModalFormHandler([&](vcl::TCustomForm*) {
    if (asked++) return;
    EXPECT_TRUE(wt::EndSession());
    EXPECT_FALSE(saverGone.Freed) << "nothing goes under the dialog's loop";
  });
  EXPECT_EQ(dialog->ShowModal(), vcl::mrCancel);
  vcl::SetModalFormHandler(previous);
  wt::RunUntilIdle();
  EXPECT_TRUE(dialogGone.Freed);
  EXPECT_TRUE(saverGone.Freed);
  EXPECT_NE(FileText(Ini()).find("H0=second.txt"), std::string::npos);
}

}  // namespace
}  // namespace zyl
