#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>
#include <sstream>

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"
#include "platform/sys/IniFiles.h"
#include "platform/sys/Registry.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/HostNumbersLocale.h"
#include "tests/support/TempDir.h"

using namespace zyl;

namespace {

// One control per target: an INI file in the temp folder, or the registry kept in the temp
// folder (ZYL_REGISTRY_DIR).
class IniTargets : public ::testing::TestWithParam<TZYLIniTarget> {
 protected:
  void SetUp() override {
    const char* old = std::getenv("ZYL_REGISTRY_DIR");
    if (old) oldReg_ = old, hadReg_ = true;
    setenv("ZYL_REGISTRY_DIR", dir_.File("registry").c_str(), 1);
    ini_.SetTarget(GetParam());
    ini_.SetIniFile(dir_.File("test.ini"));
    ini_.SetRegPath("Software\\ZYLTest\\Settings");
  }
  void TearDown() override {
    if (hadReg_)
      setenv("ZYL_REGISTRY_DIR", oldReg_.c_str(), 1);
    else
      unsetenv("ZYL_REGISTRY_DIR");
  }
  testsupport::TempDir dir_;
  TZYLIniCtrl ini_;
  std::string oldReg_;
  bool hadReg_ = false;
};

std::string FileText(const std::string& name) {
  std::ifstream f(name);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

}  // namespace

// A float written while a host program's locale has a decimal comma reads back in any locale:
// settings keep the point.
TEST_P(IniTargets, AFloatKeepsItsPointUnderAHostsDecimalCommaLocale) {
  {
    testsupport::THostNumbersLocale host;
    if (!host.InForce()) GTEST_SKIP() << host.Why();
    ini_.WriteFloat("Main", "Float", 2.5);
    EXPECT_EQ(ini_.ReadString("Main", "Float", ""), "2.5");
    EXPECT_EQ(ini_.ReadFloat("Main", "Float", 0), 2.5);
  }
  EXPECT_EQ(ini_.ReadFloat("Main", "Float", 0), 2.5);
}

TEST_P(IniTargets, EveryValueTypeRoundTrips) {
  ini_.WriteString("Main", "Text", "hello world");
  ini_.WriteString("Main", "Tilde", "~not encoded");
  ini_.WriteInteger("Main", "Int", -123456);
  ini_.WriteBool("Main", "Flag", true);
  ini_.WriteFloat("Main", "Float", 3.141592653589793);
  ini_.WriteColor("Main", "Color", vcl::TColor(0x80000005));
  EXPECT_EQ(ini_.ReadString("Main", "Text", "x"), "hello world");
  EXPECT_EQ(ini_.ReadString("Main", "Tilde", "x"), "~not encoded");
  EXPECT_EQ(ini_.ReadInteger("Main", "Int", 0), -123456);
  EXPECT_TRUE(ini_.ReadBool("Main", "Flag", false));
  EXPECT_DOUBLE_EQ(ini_.ReadFloat("Main", "Float", 0), 3.141592653589793);
  EXPECT_EQ(ini_.ReadColor("Main", "Color", 0), vcl::TColor(0x80000005));
  // Missing values give the default.
  EXPECT_EQ(ini_.ReadString("Main", "None", "dflt"), "dflt");
  EXPECT_EQ(ini_.ReadInteger("Other", "Int", 7), 7);
  EXPECT_FALSE(ini_.ValueExists("Main", "None"));
  // Malformed numbers give the default.
  ini_.WriteString("Main", "Bad", "12abc");
  EXPECT_EQ(ini_.ReadInteger("Main", "Bad", 5), 5);
  EXPECT_EQ(ini_.ReadFloat("Main", "Bad", 2.5), 2.5);
  ini_.WriteString("Main", "Huge", "99999999999");
  EXPECT_EQ(ini_.ReadInteger("Main", "Huge", 9), 9);
  ini_.DeleteKey("Main", "Int");
  EXPECT_FALSE(ini_.ValueExists("Main", "Int"));
  vcl::TStringList keys;
  ini_.ReadSection("Main", &keys);
  EXPECT_GE(keys.IndexOf("Text"), 0);
  EXPECT_LT(keys.IndexOf("Int"), 0);
  ini_.EraseSection("Main");
  EXPECT_FALSE(ini_.ValueExists("Main", "Text"));
  if (GetParam() == itIniFile) {
    EXPECT_EQ(FileText(dir_.File("test.ini")).find("[Main]"), std::string::npos);
  }
}

TEST_P(IniTargets, EncodingRoundTripHidesTheText) {
  ini_.SetEncoded(true);
  const std::string secret = "Pass word =;[x]\t\xE9\xFC";
  ini_.WriteString("S", "Key", secret);
  ini_.WriteString("S", "Empty", "");
  EXPECT_EQ(ini_.ReadString("S", "Key", ""), secret);
  EXPECT_EQ(ini_.ReadString("S", "Empty", "d"), "");
  ini_.SetEncoded(false);
  EXPECT_EQ(ini_.ReadString("S", "Key", ""), secret);  // reading decodes either way
  if (GetParam() == itIniFile) {
    const std::string text = FileText(dir_.File("test.ini"));
    EXPECT_EQ(text.find("Pass word"), std::string::npos);
    EXPECT_NE(text.find("Key=~"), std::string::npos);
  }
  EXPECT_EQ(TZYLIniCtrl::DecodeString(TZYLIniCtrl::EncodeString("abc")), "abc");
  EXPECT_NE(TZYLIniCtrl::EncodeString("aaaa").substr(1, 2),
            TZYLIniCtrl::EncodeString("aaaa").substr(3, 2));
  EXPECT_THROW(TZYLIniCtrl::DecodeString("~ABC"), vcl::EConvertError);
  EXPECT_THROW(TZYLIniCtrl::DecodeString("~ZZ"), vcl::EConvertError);
  // A corrupt encoded value in the store reads back as its raw text.
  ini_.WriteString("S", "Raw", "plain");
  EXPECT_EQ(ini_.ReadString("S", "Raw", ""), "plain");
}

TEST_P(IniTargets, StringsExtWithMaxEntries) {
  vcl::TStringList src;
  for (int i = 0; i < 6; ++i) src.Add("line " + std::to_string(i));
  ini_.WriteString("MRU", "Stale", "gone after the write");
  ini_.WriteStringsExt("MRU", "File", &src, 4);
  EXPECT_FALSE(ini_.ValueExists("MRU", "Stale"));
  EXPECT_EQ(ini_.ReadString("MRU", "File3", ""), "line 3");
  EXPECT_FALSE(ini_.ValueExists("MRU", "File4"));
  vcl::TStringList back;
  back.Add("old");
  ini_.ReadStringsExt("MRU", "File", &back, 10);
  ASSERT_EQ(back.Count(), 4);
  EXPECT_EQ(back.Strings(0), "line 0");
  ini_.ReadStringsExt("MRU", "File", &back, 2);
  EXPECT_EQ(back.Count(), 2);
  ini_.ReadStringsExt("MRU", "File", &back, 0);
  EXPECT_EQ(back.Count(), 0);
  ini_.WriteStringsExt("MRU", "File", &src, -1);
  ini_.ReadStringsExt("MRU", "File", &back, -1);
  EXPECT_EQ(back.Count(), 6);
  // A gap ends the list.
  ini_.DeleteKey("MRU", "File2");
  ini_.ReadStringsExt("MRU", "File", &back, -1);
  EXPECT_EQ(back.Count(), 2);
}

TEST_P(IniTargets, ObjectPropertiesRoundTripAndBadValuesRollBack) {
  TZYLBevel b;
  b.SetBevelWidthOuter(3);
  b.SetBevelStyleOuter(bvRaised);
  b.SetColor(1, vcl::TColor(0x123456));
  b.SetBorderSides(TZYLFrameSides{fsLeft, fsTop});
  ini_.WriteObject("Bevel", &b);
  TZYLBevel c;
  ini_.ReadObject("Bevel", &c);
  EXPECT_EQ(c.WidthOuter(), 3);
  EXPECT_EQ(c.StyleOuter(), bvRaised);
  EXPECT_EQ(c.LightColor(), vcl::TColor(0x123456));
  EXPECT_EQ(c.BorderSides(), (TZYLFrameSides{fsLeft, fsTop}));

  // A bad value: the object stays as it was.
  ini_.WriteString("Bevel", "StyleOuter", "bvLowered");
  ini_.WriteString("Bevel", "WidthOuter", "1");
  ini_.WriteString("Bevel", "StyleInner", "no such style");
  TZYLBevel d;
  d.SetBevelWidthOuter(2);
  EXPECT_ANY_THROW(ini_.ReadObject("Bevel", &d));
  EXPECT_EQ(d.WidthOuter(), 2);
  EXPECT_EQ(d.StyleOuter(), bvNone);
}

// The colour list reads the section's lines from any ini object of the target: the framework's
// INI file or registry ini file, or the ini control.
TEST_P(IniTargets, CustomColorListsGoThroughAnyIniObject) {
  std::unique_ptr<vcl::TObject> own;
  if (GetParam() == itIniFile)
    own = std::make_unique<vcl::TIniFile>(dir_.File("colors.ini"));
  else
    own = std::make_unique<vcl::TRegIniFile>("Software\\ZYLTest\\Colors");
  for (vcl::TObject* store : {own.get(), static_cast<vcl::TObject*>(&ini_)}) {
    vcl::TStringList colors;
    colors.Add("ColorA=FF0000");
    colors.Add("no separator");
    colors.Add("ColorC=00FF00");
    ZYLSaveCustomColorList(store, "Colors", &colors);
    vcl::TStringList back;
    back.Add("stale");
    ZYLLoadCustomColorList(store, "Colors", &back);
    ASSERT_EQ(back.Count(), 2) << back.Text();
    EXPECT_EQ(back.Values("ColorA"), "FF0000");
    EXPECT_EQ(back.Values("ColorC"), "00FF00");
  }
  // Any other object is no ini object: the list stays as it is.
  vcl::TStringList kept;
  kept.Add("ColorA=123456");
  vcl::TStringList other;
  ZYLLoadCustomColorList(&other, "Colors", &kept);
  ZYLLoadCustomColorList(nullptr, "Colors", &kept);
  EXPECT_EQ(kept.Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Targets, IniTargets, ::testing::Values(itIniFile, itRegistry));

TEST(IniCtrl, TargetsAndThePrefixOfABareFileName) {
  testsupport::TempDir dir;
  TZYLIniCtrl ini;
  ini.SetIniFile(dir.File("c.ini"));
  EXPECT_FALSE(ini.UsesRegistry());
  ini.SetTarget(itAuto);
  EXPECT_FALSE(ini.UsesRegistry());
  ini.SetRegPath("Software\\X");
  EXPECT_TRUE(ini.UsesRegistry());
  // A name with a folder stays; a bare one goes to the prefix's folder.
  EXPECT_EQ(ini.IniFileName(), dir.File("c.ini"));
  ini.SetIniFile("app.ini");
  EXPECT_EQ(ini.IniPrefix(), ppWindows);
  EXPECT_EQ(ini.IniFileName(), ZYLSIWindowsDirectory() + "/app.ini");
  ini.SetIniPrefix(ppSystem);
  EXPECT_EQ(ini.IniFileName(), ZYLSISystemDirectory() + "/app.ini");
  ini.SetIniPrefix(ppProgram);
  EXPECT_EQ(ini.IniFileName(), vcl::ExtractFilePath(vcl::ParamStr(0)) + "app.ini");
  ini.SetIniPrefix(ppFixed);
  EXPECT_EQ(ini.IniFileName(), "app.ini");
  ini.SetIniFile("");
  EXPECT_EQ(ini.IniFileName(), vcl::ChangeFileExt(vcl::ParamStr(0), ".INI"));
}

namespace {

using EStateFailed = vcl::TNamedException<"EStateFailed", vcl::Exception>;

// Notes each call; the one named Raising raises after it is noted.
void Note(std::vector<std::string>* Calls, const std::string& Call, const std::string& Raising) {
  Calls->push_back(Call);
  if (Call == Raising) throw EStateFailed(Call);
}

class StateIni : public TZYLCustomIniComponent {
  ZYL_CLASS(StateIni, TZYLCustomIniComponent)
  explicit StateIni(vcl::TComponent* AOwner) : TZYLCustomIniComponent(AOwner, StaticClass()) {}
  std::vector<std::string>* Calls = nullptr;
  std::string Raising;
  void RestoreState() override { Note(Calls, Name() + ".Restore", Raising); }
  void SaveState() override { Note(Calls, Name() + ".Save", Raising); }
};
ZYL_CLASS_IMPL(StateIni) {}

struct FormEvents : vcl::TObject {
  std::vector<std::string>* Calls = nullptr;
  std::string Raising;
  std::vector<std::string> Reported;  // what reached the application
  void Create(vcl::TObject*) { Note(Calls, "OnCreate", Raising); }
  void Destroy(vcl::TObject*) { Note(Calls, "OnDestroy", Raising); }
  void Report(vcl::TObject*, vcl::Exception& E) { Reported.push_back(E.Message()); }
};

}  // namespace

TEST(IniComponent, OwnerMustBeAFormAndTheLinkIsFollowed) {
  vcl::testkit::TControlsSession session;
  vcl::TComponent plain(nullptr);
  for (vcl::TComponent* owner : {static_cast<vcl::TComponent*>(nullptr), &plain})
    EXPECT_EQ(testsupport::ErrorOf<ZYLEOneInstError>([&] { StateIni bad(owner); }),
              std::string("StateIni:\r") + SZYLInvalidOwner);
  EXPECT_EQ(plain.ComponentCount(), 0);
  {
    vcl::TForm form(nullptr);
    auto* comp = new TZYLCustomIniComponent(&form);
    auto* ini = new TZYLIniCtrl(&form);
    comp->NotificationStandard(&form);  // not an ini control: nothing
    EXPECT_EQ(comp->IniLink(), nullptr);
    comp->NotificationStandard(ini);
    EXPECT_EQ(comp->IniCtrl(), ini);
    EXPECT_NE(vcl::GetPropInfo(comp, "IniLink"), nullptr);  // published
    comp->SetIniUse(ioNone);
    EXPECT_EQ(comp->IniCtrl(), nullptr);
    comp->SetIniUse(ioUseLink);
    delete ini;
    EXPECT_EQ(comp->IniLink(), nullptr);
    comp->SetSectionDefault();
    EXPECT_EQ(comp->GetSection(), "Common");
    comp->SetSection("Mine");
    comp->SetSectionDefault();
    EXPECT_EQ(comp->Section(), "Mine");
  }
}

// At run time the owner form's creation restores and its destruction saves every ini
// component, around the form's own handlers, also after one component went early.
TEST(IniComponent, TheOwnerFormCallsRestoreAndSaveState) {
  vcl::testkit::TControlsSession session;
  std::vector<std::string> calls;
  FormEvents events;
  events.Calls = &calls;
  auto* form = new vcl::TForm(nullptr);
  form->OnCreate = vcl::TNotifyEvent(&events, &FormEvents::Create);
  form->OnDestroy = vcl::TNotifyEvent(&events, &FormEvents::Destroy);
  StateIni* parts[3];
  for (int i = 0; i < 3; ++i) {
    parts[i] = new StateIni(form);
    parts[i]->SetName("S" + std::to_string(i));
    parts[i]->Calls = &calls;
    parts[i]->Loaded();
  }
  form->DoCreate();
  EXPECT_EQ(calls, (std::vector<std::string>{"OnCreate", "S0.Restore", "S1.Restore", "S2.Restore"}));
  calls.clear();
  delete parts[1];
  delete form;
  EXPECT_EQ(calls, (std::vector<std::string>{"S2.Save", "S0.Save", "OnDestroy"}));
  // A designed component hooks nothing.
  calls.clear();
  vcl::TForm designed(nullptr);
  designed.SetDesigning(true);
  StateIni d(&designed);
  d.Calls = &calls;
  d.Loaded();
  designed.DoCreate();
  EXPECT_TRUE(calls.empty());
}

namespace {

// One of the form's handlers or one component's restore or save raises (a settings file that
// cannot be read or written, a failed validation): every other component still restores and
// saves, so that no stored setting is lost or overwritten with a state never restored, the
// form's own handlers still run, and the error arrives once: out of the creation, at the
// application from the destruction (a destructor lets nothing out).
struct TRaisingLink {
  const char* Raising;
  bool OnCreation;
};

class IniComponentRaising : public ::testing::TestWithParam<TRaisingLink> {};

TEST_P(IniComponentRaising, EveryOtherComponentStillRestoresAndSaves) {
  const TRaisingLink& c = GetParam();
  vcl::testkit::TControlsSession session;
  std::vector<std::string> calls;
  FormEvents events;
  events.Calls = &calls;
  events.Raising = c.Raising;
  vcl::Application->OnException = vcl::TExceptionEvent(&events, &FormEvents::Report);
  auto* form = new vcl::TForm(nullptr);
  form->OnCreate = vcl::TNotifyEvent(&events, &FormEvents::Create);
  form->OnDestroy = vcl::TNotifyEvent(&events, &FormEvents::Destroy);
  for (int i = 0; i < 3; ++i) {
    auto* part = new StateIni(form);
    part->SetName("S" + std::to_string(i));
    part->Calls = &calls;
    part->Raising = c.Raising;
    part->Loaded();
  }
  const std::string created = testsupport::ErrorOf<EStateFailed>([&] { form->DoCreate(); });
  EXPECT_EQ(calls,
            (std::vector<std::string>{"OnCreate", "S0.Restore", "S1.Restore", "S2.Restore"}));
  EXPECT_EQ(created, c.OnCreation ? c.Raising : "<no error>");
  calls.clear();
  delete form;
  EXPECT_EQ(calls, (std::vector<std::string>{"S2.Save", "S1.Save", "S0.Save", "OnDestroy"}));
  EXPECT_EQ(events.Reported,
            c.OnCreation ? std::vector<std::string>{} : std::vector<std::string>{c.Raising});
  vcl::Application->OnException = nullptr;
}

INSTANTIATE_TEST_SUITE_P(
    Links, IniComponentRaising,
    ::testing::Values(TRaisingLink{"OnCreate", true}, TRaisingLink{"S0.Restore", true},
                      TRaisingLink{"S1.Restore", true}, TRaisingLink{"S2.Save", false},
                      TRaisingLink{"S1.Save", false}, TRaisingLink{"OnDestroy", false}),
    [](const auto& info) {
      std::string name = info.param.Raising;
      std::erase(name, '.');
      return name;
    });

}  // namespace
