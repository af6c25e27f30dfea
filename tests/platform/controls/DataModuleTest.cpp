// Data modules: a root of non-visual components read from its own form stream, with its design
// position and size, its events, and written back as the designer writes it.
#include "ControlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Resources.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ImgList.h"
#include "tests/support/ErrorOf.h"

namespace vcl::testing {

class TTestModule : public TDataModule {
  ZYL_CLASS(TTestModule, TDataModule)
  using TDataModule::TDataModule;
  TTimer* Ticker = nullptr;
  TImageList* Icons = nullptr;
  TLines Log;
  void ModuleCreate(TObject*) { Log.push_back("create"); }
};

ZYL_CLASS_IMPL(TTestModule) {
  b.Field("Ticker", &TTestModule::Ticker)
      .Field("Icons", &TTestModule::Icons)
      .Method("ModuleCreate", &TTestModule::ModuleCreate);
}

namespace {

// Every object of the text with its properties in the designer's order.
const TObj kModule{
    "TestModule: TTestModule",
    {"OldCreateOrder = False", "OnCreate = ModuleCreate", "Left = 285", "Top = 161", "Height = 150",
     "Width = 215"},
    {{"Ticker: TTimer", {"Interval = 250", "Left = 24", "Top = 16"}, {}},
     {"Icons: TImageList", {"Height = 8", "Width = 8", "Left = 80", "Top = 16"}, {}}}};

// The text of a component as the writer gives it, with bare line feeds.
std::string TextOf(TComponent* c) {
  std::string s = ObjectBinaryToTextString(WriteComponentToBytes(c));
  std::erase(s, '\r');
  return s;
}

class DataModuleTest : public ControlsTest {
 protected:
  DataModuleTest() {
    RegisterStandardControls();
    RegisterClass(TTestModule::StaticClass());
    const std::string binary = ObjectTextToBinaryString(ObjectText(kModule));
    RegisterResource(HInstance, RT_RCDATA, "TTestModule", binary.data(), binary.size());
  }
  ~DataModuleTest() override { UnregisterResource(HInstance, RT_RCDATA, "TTestModule"); }
};

TEST_F(DataModuleTest, TheApplicationReadsAModuleFromItsStreamAndItsDestroyEventRuns) {
  TTestModule* m = nullptr;
  Application->CreateForm(m);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->Owner(), Application);
  EXPECT_EQ(m->Log, (TLines{"create"}));
  ASSERT_TRUE(m->Ticker && m->Icons);
  EXPECT_EQ(m->Ticker->Interval(), 250u);
  EXPECT_EQ(m->Icons->Width(), 8);
  EXPECT_EQ(m->DesignSize().X, 215);
  EXPECT_EQ(m->DesignSize().Y, 150);
  EXPECT_EQ(m->DesignInfo(), (161 << 16) | 285);
  // OnDestroy runs while the module is destroyed (a handler of another object: the module's own
  // class part is gone by then).
  struct TWatch : TObject {
    bool Destroyed = false;
    void Hit(TObject*) { Destroyed = true; }
  } watch;
  m->OnDestroy = TNotifyEvent(&watch, &TWatch::Hit);
  delete m;
  EXPECT_TRUE(watch.Destroyed);
  // A class that is no data module is refused, and nothing is left behind.
  const int before = Application->ComponentCount();
  EXPECT_EQ(testsupport::ErrorOf<EInvalidCast>(
                [] { Application->CreateDataModule(TTimer::StaticClass()); }),
            SInvalidCast);
  EXPECT_EQ(Application->ComponentCount(), before);
}

TEST_F(DataModuleTest, AModuleIsWrittenBackAsItWasRead) {
  auto m = std::make_unique<TTestModule>(nullptr);
  TStringStream in(ObjectText(kModule));
  ReadDataModule(&in, m.get());
  EXPECT_EQ(m->Log, (TLines{"create"}));
  EXPECT_EQ(TextOf(m.get()), ObjectText(kModule));
  // Scrolled offsets are written once they are not zero.
  m->SetDesignOffset(TPoint{0, 40});
  const std::string scrolled = TextOf(m.get());
  EXPECT_NE(scrolled.find("  Height = 150\n  VerticalOffset = 40\n  Width = 215"),
            std::string::npos)
      << scrolled;
  EXPECT_EQ(scrolled.find("HorizontalOffset"), std::string::npos);
}

}  // namespace
}  // namespace vcl::testing
