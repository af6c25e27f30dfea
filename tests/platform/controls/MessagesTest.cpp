#include "ControlsTestSupport.h"

#include <utility>

#include "platform/classes/TypeInfo.h"

namespace vcl::testing {
namespace {

// The platform numbers that other code and stored data depend on; reflected notifications are
// the window messages offset by CN_BASE.
TEST(MessageNumbers, ControlMessagesKeepTheirPlatformValues) {
  const std::pair<UINT, UINT> numbers[] = {
      {CM_ACTIVATE, 0xB000},       {CM_DIALOGKEY, 0xB005},      {CM_DIALOGCHAR, 0xB006},
      {CM_VISIBLECHANGED, 0xB00B}, {CM_ENABLEDCHANGED, 0xB00C}, {CM_COLORCHANGED, 0xB00D},
      {CM_FONTCHANGED, 0xB00E},    {CM_CURSORCHANGED, 0xB00F},  {CM_TEXTCHANGED, 0xB012},
      {CM_MOUSEENTER, 0xB013},     {CM_MOUSELEAVE, 0xB014},     {CM_BUTTONPRESSED, 0xB018},
      {CM_ENTER, 0xB01A},          {CM_EXIT, 0xB01B},           {CM_HINTSHOW, 0xB030},
      {CM_RECREATEWND, 0xB033},    {CM_MOUSEWHEEL, 0xB043},     {CN_BASE, 0xBC00},
      {CN_COMMAND, 0xBD11},        {CN_DRAWITEM, 0xBC2B},       {CN_KEYDOWN, 0xBD00},
      {CN_CHAR, 0xBD02},           {CN_NOTIFY, 0xBC4E}};
  for (const auto& [actual, expected] : numbers)
    EXPECT_EQ(actual, expected) << std::hex << expected;
}

TEST(MessageRecords, TypedRecordsReadTheirFields) {
  TWMMouse m;
  m.WParam = win::MK_LBUTTON;
  m.LParam = win::MAKELPARAM(static_cast<uint16_t>(-5), 300);
  EXPECT_EQ(m.XPos(), -5);
  EXPECT_EQ(m.YPos(), 300);
  EXPECT_EQ(m.Keys(), win::MK_LBUTTON);
  TWMMouseWheel w;
  w.WParam = win::MAKEWPARAM(0, static_cast<uint16_t>(-120));
  EXPECT_EQ(w.WheelDelta(), -120);
  TWMKey k;
  k.WParam = 'A';
  k.LParam = 0x20000000;
  EXPECT_EQ(k.CharCode(), 'A');
  EXPECT_TRUE(KeyDataToShiftState(k.KeyData()).contains(ssAlt));
}

// A class chain with handlers at two levels, one passing on to its ancestor.
class TBaseProbe : public TGraphicControl {
  ZYL_CLASS(TBaseProbe, TGraphicControl)
  ZYL_MESSAGES(TBaseProbe)
  explicit TBaseProbe(TComponent* AOwner) : TGraphicControl(AOwner) {}
  TLines Log;
  void DefaultHandler(void* Message) override {
    Log.push_back("default " + std::to_string(static_cast<TMessage*>(Message)->Msg));
    TGraphicControl::DefaultHandler(Message);
  }

 protected:
  void UserA(TMessage& M) {
    Log.push_back("base A");
    M.Result = 1;
  }
  void UserB(TMessage& M) {
    Log.push_back("base B");
    M.Result = 2;
  }
};

class TDerivedProbe : public TBaseProbe {
  ZYL_CLASS(TDerivedProbe, TBaseProbe)
  ZYL_MESSAGES(TDerivedProbe)
  explicit TDerivedProbe(TComponent* AOwner) : TBaseProbe(AOwner) {}

 protected:
  void UserA(TMessage& M) {
    Log.push_back("derived A");
    ZYL_INHERITED(M);
    M.Result += 10;
  }
  void UserC(TMessage& M) {
    Log.push_back("derived C");
    ZYL_INHERITED(M);
  }
};

ZYL_MESSAGE_MAP(TBaseProbe) {
  m.On(win::WM_USER + 1, &TBaseProbe::UserA).On(win::WM_USER + 2, &TBaseProbe::UserB);
}
ZYL_CLASS_IMPL(TBaseProbe) {}
ZYL_MESSAGE_MAP(TDerivedProbe) {
  m.On(win::WM_USER + 1, &TDerivedProbe::UserA).On(win::WM_USER + 3, &TDerivedProbe::UserC);
}
ZYL_CLASS_IMPL(TDerivedProbe) {}

TEST(MessageMaps, DispatchFindsTheNearestHandlerAndInheritedReachesTheAncestor) {
  struct TCase {
    bool Derived;
    UINT Msg;
    LRESULT Result;
    TLines Log;
  };
  const TCase cases[] = {
      {true, win::WM_USER + 1, 11, {"derived A", "base A"}},
      {true, win::WM_USER + 2, 2, {"base B"}},  // only the base handles B
      // C's inherited call finds no ancestor handler and ends in DefaultHandler.
      {true, win::WM_USER + 3, 0, {"derived C", "default 1027"}},
      {true, win::WM_USER + 9, 0, {"default 1033"}},    // unhandled: straight to DefaultHandler
      {false, win::WM_USER + 3, 0, {"default 1027"}}};  // the base ignores the derived map
  for (const TCase& c : cases) {
    std::unique_ptr<TBaseProbe> p(c.Derived ? new TDerivedProbe(nullptr) : new TBaseProbe(nullptr));
    EXPECT_EQ(p->Perform(c.Msg, 0, 0), c.Result) << c.Msg;
    EXPECT_EQ(p->Log, c.Log) << c.Msg;
  }
  EXPECT_TRUE(HandlesMessage(TDerivedProbe::StaticClass(), win::WM_USER + 2));
  EXPECT_FALSE(HandlesMessage(TBaseProbe::StaticClass(), win::WM_USER + 3));
}

// A hook that replaces WindowProc and chains to the saved one, as form hooks do.
class THook : public TObject {
 public:
  TWndMethod Saved;
  std::vector<UINT> Seen;
  void Proc(TMessage& M) {
    Seen.push_back(M.Msg);
    if (M.Msg == win::WM_USER + 2) {
      M.Result = 99;  // swallowed
      return;
    }
    Saved(M);
  }
};

TEST(MessageMaps, ReplacedWindowProcSeesMessagesAndChains) {
  TDerivedProbe p(nullptr);
  THook hook;
  hook.Saved = p.WindowProc();
  p.SetWindowProc(TWndMethod(&hook, &THook::Proc));
  EXPECT_EQ(p.Perform(win::WM_USER + 1, 0, 0), 11);
  EXPECT_EQ(p.Perform(win::WM_USER + 2, 0, 0), 99);
  EXPECT_EQ(hook.Seen, (std::vector<UINT>{win::WM_USER + 1, win::WM_USER + 2}));
  EXPECT_EQ(p.Log, (TLines{"derived A", "base A"}));
  p.SetWindowProc(hook.Saved);
  EXPECT_EQ(p.Perform(win::WM_USER + 2, 0, 0), 2);
}

TEST(MessageMaps, TextMessagesOfAGraphicControlAnswerFromItsCaption) {
  TLabel l(nullptr);
  l.SetCaption("Hello");
  EXPECT_EQ(l.Perform(win::WM_GETTEXTLENGTH, 0, 0), 5);
  char buf[4];
  EXPECT_EQ(l.Perform(win::WM_GETTEXT, sizeof buf, PtrToLParam(buf)), 3);
  EXPECT_STREQ(buf, "Hel");
  l.Perform(win::WM_SETTEXT, 0, PtrToLParam("World"));
  EXPECT_EQ(l.Caption(), "World");
}

}  // namespace
}  // namespace vcl::testing
