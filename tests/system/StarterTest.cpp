// The program starter on real processes, watched on the virtual clock.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/ZYLDateTime.h"
#include "platform/rtl/DateTime.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLStarter.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

namespace wt = win::testkit;

// Writes down the starter's events, with their senders.
struct TEvents : vcl::TObject {
  std::vector<std::string> Heard;
  TZYLStarter* Starter = nullptr;
  std::string Who(vcl::TObject* s) { return s == Starter ? "" : s ? " ?" : " nil"; }
  void Before(vcl::TObject* s) { Heard.push_back("before" + Who(s)); }
  void After(vcl::TObject* s) { Heard.push_back("after" + Who(s)); }
  void Error(vcl::TObject* s) { Heard.push_back("error" + Who(s)); }
  void Finished(vcl::TObject* s) { Heard.push_back("finished" + Who(s)); }
};

class Starter : public ::testing::Test {
 protected:
  Starter() : starter_(new TZYLStarter(nullptr)) {
    events_.Starter = starter_.get();
    starter_->SetOnBeforeStart(vcl::TNotifyEvent(&events_, &TEvents::Before));
    starter_->SetOnAfterStart(vcl::TNotifyEvent(&events_, &TEvents::After));
    starter_->SetOnError(vcl::TNotifyEvent(&events_, &TEvents::Error));
    win::ClearShellExecuteLog();
  }
  // A shell script that writes its arguments to a log and ends with `code`.
  std::string Script(const std::string& name, int code) {
    const std::string path = dir_.File(name);
    std::ofstream(path) << "#!/bin/sh\nprintf '%s|' \"$@\" > '" << dir_.File(name + ".log")
                        << "'\nexit " << code << "\n";
    chmod(path.c_str(), 0755);
    return path;
  }
  std::string Log(const std::string& name) {
    std::ifstream in(dir_.File(name + ".log"));
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void WaitForProcess() {
    ASSERT_NE(starter_->Process(), nullptr);
    win::WaitForSingleObject(starter_->Process(), win::INFINITE);
  }

  vcl::testkit::TControlsSession session_;
  testsupport::TempDir dir_;
  TEvents events_;
  std::unique_ptr<TZYLStarter> starter_;
};

TEST_F(Starter, StartsAProgramWithItsParametersAndReportsItsEnd) {
  starter_->SetString(TZYLStarter::siCommand, Script("tool", 3));
  starter_->SetString(TZYLStarter::siParameters, "one \"two words\"");
  starter_->SetString(TZYLStarter::siDefaultDir, dir_.Path());
  starter_->SetOnFinished(vcl::TNotifyEvent(&events_, &TEvents::Finished));
  ASSERT_TRUE(starter_->Execute());
  EXPECT_EQ(events_.Heard, (std::vector<std::string>{"before", "after"}));
  WaitForProcess();
  EXPECT_EQ(Log("tool"), "one|two words|");
  wt::AdvanceClock(TZYLStarter::ProcessTimerInterval - 1);
  EXPECT_EQ(events_.Heard.size(), 2u);
  wt::AdvanceClock(1);
  EXPECT_EQ(events_.Heard.back(), "finished");
  EXPECT_FALSE(starter_->HasProcess());
  wt::AdvanceClock(5 * TZYLStarter::ProcessTimerInterval);  // once only
  EXPECT_EQ(events_.Heard.size(), 3u);
  EXPECT_EQ(starter_->GetLastError(), 0);
  const win::TShellExecuteRecord& r = win::ShellExecuteLog().back();
  EXPECT_EQ(r.Verb, "open");
  EXPECT_EQ(r.Show, win::SW_SHOW);
  EXPECT_EQ(r.Directory, dir_.Path());
}

TEST_F(Starter, AFailedStartFiresErrorWithNilSenderThenAfterStart) {
  starter_->SetString(TZYLStarter::siCommand, dir_.File("missing.exe"));
  EXPECT_FALSE(starter_->Execute());
  EXPECT_EQ(events_.Heard, (std::vector<std::string>{"before", "error nil", "after"}));
  EXPECT_EQ(starter_->GetLastError(), win::SE_ERR_FNF);
  EXPECT_FALSE(starter_->HasProcess());
  // A verb the shell does not know is a failure too, not a success.
  starter_->SetStartOperation(smPrint);
  starter_->SetString(TZYLStarter::siCommand, Script("tool", 0));
  events_.Heard.clear();
  EXPECT_FALSE(starter_->Execute());
  EXPECT_EQ(events_.Heard, (std::vector<std::string>{"before", "error nil", "after"}));
  EXPECT_EQ(starter_->GetLastError(), win::SE_ERR_NOASSOCIATION);
}

TEST_F(Starter, VerbsAndShowCommandsReachTheShell) {
  const std::string file = dir_.File("report.txt");
  std::ofstream(file) << "x";
  setenv("ZYL_SHELL_OPENER", Script("opener", 0).c_str(), 1);
  starter_->SetString(TZYLStarter::siCommand, file);
  starter_->SetString(TZYLStarter::siParameters, "-p");
  starter_->SetStartOperation(smExplore);
  starter_->SetStartOption(soSW_SHOWMINNOACTIVE);
  EXPECT_TRUE(starter_->Execute());
  WaitForProcess();
  unsetenv("ZYL_SHELL_OPENER");
  const win::TShellExecuteRecord& r = win::ShellExecuteLog().back();
  EXPECT_EQ(r.Verb, "explore");
  EXPECT_EQ(r.File, dir_.Path() + "/");  // the folder, not the file
  EXPECT_EQ(r.Parameters, "");
  EXPECT_EQ(r.Show, win::SW_SHOWMINNOACTIVE);
  EXPECT_EQ(Log("opener"), dir_.Path() + "/|");
  // The properties dialog takes the file and shows normally.
  starter_->SetStartOperation(smProperties);
  starter_->Execute();
  EXPECT_EQ(win::ShellExecuteLog().back().Verb, "properties");
  EXPECT_EQ(win::ShellExecuteLog().back().File, file);
  EXPECT_EQ(win::ShellExecuteLog().back().Show, win::SW_SHOWNORMAL);
}

TEST_F(Starter, WaitsForTheProcessAndEndsItOnRequest) {
  starter_->SetString(TZYLStarter::siCommand, Script("tool", 0));
  starter_->SetWait(true);
  ASSERT_TRUE(starter_->Execute());
  win::DWORD code = 99;
  ASSERT_TRUE(win::GetExitCodeProcess(starter_->Process(), &code));
  EXPECT_EQ(code, 0u);  // already ended when Execute returned
  // A process that runs on until it is ended.
  const std::string fifo = dir_.File("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  starter_->SetWait(false);
  starter_->SetString(TZYLStarter::siCommand, "/bin/sh");
  starter_->SetString(TZYLStarter::siParameters, "-c \"read line < '" + fifo + "'\"");
  ASSERT_TRUE(starter_->Execute());
  EXPECT_TRUE(starter_->TerminateProcess());
  WaitForProcess();
  ASSERT_TRUE(win::GetExitCodeProcess(starter_->Process(), &code));
  EXPECT_EQ(code, 1u);
}

TEST_F(Starter, StartsOnceAtItsTimeAndNeverForATimeAlreadyPast) {
  starter_->SetString(TZYLStarter::siCommand, Script("tool", 0));
  auto& clock = dynamic_cast<win::TVirtualClock&>(win::CurrentClock());
  clock.SetNow(vcl::EncodeDate(2026, 3, 1) + vcl::EncodeTime(10, 0, 0, 0));
  starter_->StartTime()->SetValue(vcl::EncodeDate(2026, 3, 1) + vcl::EncodeTime(10, 0, 5, 0));
  starter_->SetAutoStart(true);
  wt::AdvanceClock(4000);
  EXPECT_EQ(events_.Heard.size(), 0u);
  wt::AdvanceClock(1000);
  EXPECT_EQ(events_.Heard, (std::vector<std::string>{"before", "after"}));
  EXPECT_FALSE(starter_->AutoStart());
  wt::AdvanceClock(5000);
  EXPECT_EQ(events_.Heard.size(), 2u);
  WaitForProcess();
  // Armed after its time: never.
  events_.Heard.clear();
  starter_->SetAutoStart(true);
  wt::AdvanceClock(3000);
  EXPECT_TRUE(events_.Heard.empty());
}

}  // namespace
}  // namespace zyl
