// The face controller: state selection, change propagation to registered controls, the look a
// windowed control takes per state, the hot state under the mouse, references, streaming as
// "Settings", settings files, and the run-time moving and sizing of the windowed base.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <zlib.h>

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCustomControl.h"
#include "foundation/ZYLFaceController.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Graphics.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using vcl::TPoint;
using vcl::TRect;

win::COLORREF Rgb(vcl::TColor c) { return static_cast<win::COLORREF>(vcl::ColorToRGB(c)); }

// Answers every state query from its flags.
class TProbe : public vcl::TObject,
               public IZYLFaceController,
               public IZYLFaceControllerEditable,
               public IZYLFaceControllerPressable {
 public:
  bool Focused = false, Above = false, Enabled = true, Modified = false, ReadOnly = false,
       Invalid = false, Down = false;
  bool fcGetFocused() override { return Focused; }
  bool fcGetMouseAbove() override { return Above; }
  bool fcGetEnabled() override { return Enabled; }
  bool fcGetModified() override { return Modified; }
  bool fcGetReadOnly() override { return ReadOnly; }
  bool fcGetInvalidData() override { return Invalid; }
  bool fcGetDown() override { return Down; }
};

// Counts the calls of a change link.
class TLinkCounter : public vcl::TObject {
 public:
  TLinkCounter() { Link.SetOnChange(vcl::TNotifyEvent(this, &TLinkCounter::Changed)); }
  TZYLChangeLink Link;
  int Calls = 0;
  vcl::TObject* LastSender = nullptr;
  void Changed(vcl::TObject* Sender) {
    ++Calls;
    LastSender = Sender;
  }
};

// A windowed control that paints its common background, then the face controller's bevel.
class TFaceControl : public TZYLCustomControl, public IZYLFaceControllerEditable {
  ZYL_CLASS(TFaceControl, TZYLCustomControl)
  explicit TFaceControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;
  bool ReadOnly = false;
  std::vector<std::string> Log;
  bool BorderCtlXP() const { return GetBorderCtlXP(); }
  bool fcGetModified() override { return false; }
  bool fcGetReadOnly() override { return ReadOnly; }
  bool fcGetInvalidData() override { return false; }

 protected:
  void Paint() override {
    ++Paints;
    FillControl();
    if (TZYLBevel* b = GetFaceBevel()) b->PaintBevel(Canvas(), ClientRect(), false);
  }
  void RestoreBorderFront() override { Log.push_back("front"); }
  void RestoreBorderBack() override { Log.push_back("back"); }
};
ZYL_CLASS_IMPL(TFaceControl) { b.Publish("FaceController"); }

class TMoveSink : public vcl::TObject {
 public:
  int Moves = 0;
  void OnMove(vcl::TObject*) { ++Moves; }
};

std::string StreamBytes(TZYLFaceController* C) {
  vcl::TMemoryStream m;
  C->SaveToStream(&m);
  return std::string(static_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

void LoadBytes(TZYLFaceController* C, const std::string& Bytes) {
  vcl::TMemoryStream m;
  if (!Bytes.empty()) m.WriteBuffer(Bytes.data(), static_cast<int32_t>(Bytes.size()));
  m.SetPosition(0);
  C->LoadFromStream(&m);
}

// A controller whose settings differ from the defaults in several states.
void Decorate(TZYLFaceController* C) {
  TZYLFaceSetting* n = C->Setting(fcsNormal);
  n->SetColor(vcl::clYellow);
  TZYLFaceSetting* f = C->Setting(fcsFocused);
  f->SetUsed(true);
  f->SetColor(vcl::clBlue);
  f->SetFontColor(vcl::clWhite);
  f->Bevel()->SetBorderWidth(3);
  f->Bevel()->SetColor(0, vcl::clRed);
  TZYLFaceSetting* d = C->Setting(fcsDisabled);
  d->SetUsed(true);
  d->SetCtlXP(false);
  d->FillObject()->SetFillStyle(sfBrush);
  d->FillObject()->Brush()->SetColor(vcl::clGreen);
}

// The bytes of a settings stream around a given payload (with its correct checksum).
std::string Wrap(const std::string& payload, int count, uint8_t version = 1) {
  std::string h = "ZYLFCS50";
  h += static_cast<char>(version);
  h += static_cast<char>(count);
  auto put = [&h](uint32_t v) {
    for (int i = 0; i < 4; ++i) h += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  put(static_cast<uint32_t>(payload.size()));
  put(uint32_t(crc32(0, reinterpret_cast<const Bytef*>(payload.data()), uInt(payload.size()))));
  return h + payload;
}
template <class F>
std::string Payload(F write) {
  vcl::TMemoryStream m;
  {
    vcl::TWriter w(&m, 4096);
    write(w);
  }
  return std::string(static_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

class FaceControllerTest : public ::testing::Test {
 protected:
  FaceControllerTest() : session_(800, 600) {
    ZYLFaceControllerUnit.Init();
    vcl::RegisterClass(TFaceControl::StaticClass());
  }
  ~FaceControllerTest() override {
    vcl::UnRegisterClass(TFaceControl::StaticClass());
    ZYLFaceControllerUnit.FInit();
  }
  static void Idle() { win::testkit::RunUntilIdle(); }

  // A borderless form at the screen's origin with a face controller and a control on it.
  struct THost {
    vcl::TForm* form;
    TZYLFaceController* fc;
    TFaceControl* c;
  };
  THost MakeForm() {
    form_.reset(new vcl::TForm(nullptr));
    auto* form = form_.get();
    form->SetBorderStyle(vcl::bsNone);
    form->SetBounds(0, 0, 200, 150);
    form->SetColor(vcl::clBlack);
    auto* fc = new TZYLFaceController(form);
    fc->SetName("Face1");
    auto* c = new TFaceControl(form);
    c->SetName("Ctl1");
    c->SetBounds(20, 20, 60, 40);
    c->SetColor(vcl::clSilver);
    c->SetParent(form);
    return {form, fc, c};
  }

  static win::COLORREF At(vcl::TForm* form, int x, int y) {
    return win::testkit::CaptureWindow(form->Handle(), false).Color(x, y);
  }

 private:
  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> form_;
};

// ---- State selection ----

TEST_F(FaceControllerTest, PriorityOfHoldingAndUsedStates) {
  TZYLFaceController fc(nullptr);
  TProbe p;
  EXPECT_EQ(fc.GetState(&p), fcsNormal);  // nothing used yet
  for (int i = 0; i < ZYLFaceStateCount; ++i) fc.Setting(static_cast<TZYLFaceState>(i))->SetUsed(true);
  p.Focused = p.Above = p.Modified = p.ReadOnly = p.Invalid = p.Down = true;
  p.Enabled = false;
  EXPECT_EQ(fc.StatesOf(&p), (TZYLFaceStates{fcsNormal, fcsModified, fcsHot, fcsFocused, fcsDown,
                                              fcsInvalidData, fcsReadOnly, fcsDisabled}));
  // Switching the winner off each time hands the look to the next lower state.
  const TZYLFaceState order[] = {fcsDisabled, fcsReadOnly, fcsInvalidData, fcsDown,
                                 fcsFocused,  fcsHot,      fcsModified,    fcsNormal};
  for (TZYLFaceState expected : order) {
    EXPECT_EQ(fc.GetState(&p), expected);
    EXPECT_EQ(fc.GetSetting(&p), fc.Setting(expected));
    fc.Setting(expected)->SetUsed(false);
  }
  EXPECT_EQ(fc.GetState(&p), fcsNormal);  // the normal look serves even when "unused"

  // A used state that does not hold is not taken.
  fc.Setting(fcsFocused)->SetUsed(true);
  fc.Setting(fcsModified)->SetUsed(true);
  p.Focused = p.Above = p.ReadOnly = p.Invalid = p.Down = false;
  p.Enabled = true;
  EXPECT_EQ(fc.GetState(&p), fcsModified);
  p.Focused = true;
  EXPECT_EQ(fc.GetState(&p), fcsFocused);
  p.Enabled = false;  // disabled holds but is unused
  EXPECT_EQ(fc.GetState(&p), fcsFocused);

  // Objects without the interfaces, and null, take the normal look.
  vcl::TObject plain;
  EXPECT_EQ(fc.StatesOf(&plain), TZYLFaceStates{fcsNormal});
  EXPECT_EQ(fc.GetState(nullptr), fcsNormal);
  EXPECT_EQ(fc.Setting(static_cast<TZYLFaceState>(ZYLFaceStateCount)), nullptr);
}

TEST_F(FaceControllerTest, ColoursFallBackToTheControlsOwnWhenNone) {
  TZYLFaceController fc(nullptr);
  TProbe p;
  EXPECT_EQ(fc.GetBackColor(&p, vcl::clSilver), vcl::clSilver);
  EXPECT_EQ(fc.GetFontColor(&p, vcl::clBlack), vcl::clBlack);
  EXPECT_TRUE(fc.GetCtlXP(&p));
  fc.Setting(fcsHot)->SetUsed(true);
  fc.Setting(fcsHot)->SetColor(vcl::clAqua);
  fc.Setting(fcsHot)->SetCtlXP(false);
  EXPECT_EQ(fc.GetBackColor(&p, vcl::clSilver), vcl::clSilver);
  p.Above = true;
  EXPECT_EQ(fc.GetBackColor(&p, vcl::clSilver), vcl::clAqua);
  EXPECT_EQ(fc.GetFontColor(&p, vcl::clBlack), vcl::clBlack);  // hot keeps the font colour
  EXPECT_FALSE(fc.GetCtlXP(&p));
  EXPECT_EQ(fc.GetBevel(&p), fc.Setting(fcsHot)->Bevel());
  EXPECT_EQ(fc.GetFillObject(&p), fc.Setting(fcsHot)->FillObject());
  EXPECT_EQ(fc.Setting(fcsHot)->GetSetStr(), "{Used}");
  EXPECT_EQ(fc.Setting(fcsDown)->GetSetStr(), "{Unused}");
}

// ---- Change propagation ----

TEST_F(FaceControllerTest, EverySettingChangeCallsTheLinksOnce) {
  TZYLFaceController fc(nullptr);
  TLinkCounter a, b;
  fc.RegisterChanges(&a.Link);
  fc.RegisterChanges(&b.Link);
  fc.Setting(fcsFocused)->Bevel()->SetBorderWidth(2);
  EXPECT_EQ(a.Calls, 1);
  EXPECT_EQ(b.Calls, 1);
  EXPECT_EQ(a.LastSender, &fc);
  fc.Setting(fcsFocused)->Bevel()->SetBorderWidth(2);  // unchanged
  EXPECT_EQ(a.Calls, 1);
  fc.Setting(fcsDown)->FillObject()->Brush()->SetColor(vcl::clRed);
  fc.Setting(fcsHot)->SetColor(vcl::clAqua);
  fc.Setting(fcsHot)->SetFontColor(vcl::clNavy);
  fc.Setting(fcsHot)->SetCtlXP(false);
  fc.Setting(fcsHot)->SetUsed(true);
  EXPECT_EQ(a.Calls, 6);

  // Assign between controllers: one change for the whole copy, settings equal afterwards.
  TZYLFaceController other(nullptr);
  Decorate(&other);
  a.Calls = 0;
  fc.Assign(&other);
  EXPECT_EQ(a.Calls, 1);
  EXPECT_EQ(StreamBytes(&fc), StreamBytes(&other));
  EXPECT_EQ(fc.Setting(fcsFocused)->Bevel()->BorderWidth(), 3);
  EXPECT_EQ(fc.Setting(fcsHot)->Color(), vcl::clNone);  // the copy replaced it
  EXPECT_FALSE(fc.IsDefault());
  EXPECT_TRUE(TZYLFaceController(nullptr).IsDefault());

  // Updating brackets defer the links.
  a.Calls = 0;
  fc.BeginUpdate();
  fc.Setting(fcsNormal)->SetColor(vcl::clLime);
  fc.Setting(fcsNormal)->SetColor(vcl::clFuchsia);
  EXPECT_EQ(a.Calls, 0);
  fc.EndUpdate(true);
  EXPECT_EQ(a.Calls, 1);
  fc.UnRegisterChanges(&b.Link);
  fc.Setting(fcsNormal)->SetColor(vcl::clLime);
  EXPECT_EQ(a.Calls, 2);
  EXPECT_EQ(b.Calls, 8);
}

// A state's bevel and fill given through their properties are copied into the state's own
// objects, and the controller's users hear of the change.
TEST_F(FaceControllerTest, ABevelOrFillGivenToAStateIsCopiedIntoItsOwn) {
  TZYLFaceController fc(nullptr);
  TLinkCounter a;
  fc.RegisterChanges(&a.Link);
  TZYLBevel bevel;
  bevel.SetBorderWidth(4);
  TZYLFillObject fill;
  fill.Brush()->SetColor(vcl::clRed);
  TZYLFaceSetting* hot = fc.Setting(fcsHot);
  const struct {
    const char* Name;
    vcl::TObject* Given;
    vcl::TObject* Own;
    const char* Value;  // of the given object, as text
  } cases[] = {{"Bevel", &bevel, hot->Bevel(), "BorderWidth"},
               {"FillObject", &fill, hot->FillObject(), "Style"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const int before = a.Calls;
    vcl::SetObjectProp(hot, c.Name, c.Given);
    EXPECT_EQ(vcl::GetObjectProp(hot, c.Name), c.Own);
    EXPECT_EQ(vcl::GetPropValue(c.Own, c.Value), vcl::GetPropValue(c.Given, c.Value));
    EXPECT_GT(a.Calls, before);
  }
  EXPECT_EQ(hot->Bevel()->BorderWidth(), 4);
  EXPECT_EQ(hot->FillObject()->Brush()->Color(), vcl::clRed);
}

// ---- The windowed control's look ----

TEST_F(FaceControllerTest, ControlPaintsTheLookOfItsState) {
  auto [form, fc, c] = MakeForm();
  form->Show();
  Idle();
  // Without a controller: its own colour, no fill object, no bevel.
  EXPECT_EQ(At(form, 50, 40), Rgb(vcl::clSilver));
  EXPECT_EQ(c->GetFillObject(), nullptr);
  EXPECT_EQ(c->GetFaceBevel(), nullptr);
  EXPECT_EQ(c->GetBackColor(), vcl::clSilver);

  Decorate(fc);
  c->SetFaceController(fc);
  EXPECT_EQ(fc->LinkCount(), 1);
  Idle();
  EXPECT_EQ(At(form, 50, 40), Rgb(vcl::clYellow));
  EXPECT_EQ(c->GetFillObject(), fc->Setting(fcsNormal)->FillObject());
  EXPECT_EQ(c->GetFaceFontColor(), c->Font()->Color());

  // Focused: blue with a red border of three pixels.
  c->SetTabStop(true);
  c->SetFocus();
  Idle();
  ASSERT_TRUE(c->FocusState());
  EXPECT_EQ(fc->GetState(c), fcsFocused);
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_EQ(cap.Color(50, 40), Rgb(vcl::clBlue));
  EXPECT_EQ(cap.Color(22, 22), Rgb(vcl::clRed));
  EXPECT_EQ(cap.Color(23, 23), Rgb(vcl::clBlue));
  EXPECT_EQ(c->GetFaceFontColor(), vcl::clWhite);
  if (HasFailure()) win::testkit::WriteFailurePng(cap, "face_focused");

  // Disabled outranks focused: the green brush of its fill object, no border.
  c->SetEnabled(false);
  Idle();
  EXPECT_EQ(fc->GetState(c), fcsDisabled);
  cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_EQ(cap.Color(50, 40), Rgb(vcl::clGreen));
  EXPECT_EQ(cap.Color(22, 22), Rgb(vcl::clGreen));
  EXPECT_FALSE(c->BorderCtlXP());  // the disabled look switches themed borders off
  EXPECT_TRUE(c->GetCtlXP());

  // A change of the controller reaches the control through its link: exactly one repaint.
  const int before = c->Paints;
  fc->Setting(fcsDisabled)->FillObject()->Brush()->SetColor(vcl::clMaroon);
  Idle();
  EXPECT_EQ(c->Paints, before + 1);
  EXPECT_EQ(At(form, 50, 40), Rgb(vcl::clMaroon));

  // The edit queries count too: read-only, when used, wins over focused but not disabled.
  c->SetEnabled(true);
  fc->Setting(fcsReadOnly)->SetUsed(true);
  fc->Setting(fcsReadOnly)->SetColor(vcl::clOlive);
  c->ReadOnly = true;
  c->Invalidate();
  Idle();
  EXPECT_EQ(At(form, 50, 40), Rgb(vcl::clOlive));

  // Taking the controller away restores the control's own look.
  c->SetFaceController(nullptr);
  EXPECT_EQ(fc->LinkCount(), 0);
  Idle();
  EXPECT_EQ(At(form, 50, 40), Rgb(vcl::clSilver));
  EXPECT_TRUE(c->BorderCtlXP());
}

TEST_F(FaceControllerTest, EnteringPaintsTheFrontBorderWithAController) {
  auto [form, fc, c] = MakeForm();
  auto* other = new TFaceControl(form);
  other->SetBounds(100, 20, 40, 40);
  other->SetParent(form);
  c->SetTabStop(true);
  other->SetTabStop(true);
  form->Show();
  Idle();
  c->SetFocus();
  Idle();
  EXPECT_EQ(c->Log, (std::vector<std::string>{}));  // neither flat nor controlled
  other->SetFocus();
  Idle();
  c->Log.clear();
  c->SetFaceController(fc);  // not flat, but controlled
  c->SetFocus();
  Idle();
  EXPECT_EQ(c->Log, (std::vector<std::string>{"front"}));
}

// ---- Hot state ----

TEST_F(FaceControllerTest, MouseEnterAndLeaveSwitchTheHotLook) {
  auto [form, fc, c] = MakeForm();
  fc->Setting(fcsHot)->SetUsed(true);
  fc->Setting(fcsHot)->SetColor(vcl::clAqua);
  c->SetFaceController(fc);
  form->Show();
  Idle();
  win::testkit::MouseMove(150, 120);
  EXPECT_EQ(At(form, 50, 40), Rgb(vcl::clSilver));
  EXPECT_EQ(fc->HotControl(), nullptr);

  const win::HWND first = c->Handle();
  win::testkit::MouseMove(40, 30);
  EXPECT_TRUE(c->MouseAbove());
  EXPECT_EQ(fc->HotControl(), c);
  ASSERT_TRUE(c->HandleAllocated());
  EXPECT_NE(c->Handle(), first);  // entering the hot state re-created the window
  EXPECT_EQ(fc->GetState(c), fcsHot);
  EXPECT_EQ(At(form, 50, 40), Rgb(vcl::clAqua));

  // A leave announced while the cursor is still inside keeps the hot state.
  c->Perform(vcl::CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(c->MouseAbove());
  EXPECT_EQ(fc->HotControl(), c);
  EXPECT_EQ(fc->GetState(c), fcsHot);

  win::testkit::MouseMove(40, 30);
  win::testkit::MouseMove(150, 120);
  EXPECT_FALSE(c->MouseAbove());
  EXPECT_EQ(fc->HotControl(), nullptr);
  EXPECT_EQ(fc->GetState(c), fcsNormal);
  EXPECT_EQ(At(form, 50, 40), Rgb(vcl::clSilver));

  // Freeing the hot control makes the controller forget it.
  win::testkit::MouseMove(40, 30);
  ASSERT_EQ(fc->HotControl(), c);
  delete c;
  EXPECT_EQ(fc->HotControl(), nullptr);
  EXPECT_EQ(fc->LinkCount(), 0);
}

// ---- References ----

TEST_F(FaceControllerTest, FreeNotificationAndSwitchingControllers) {
  auto* form = new vcl::TForm(nullptr);
  auto* c = new TFaceControl(form);
  c->SetParent(form);
  auto* a = new TZYLFaceController(nullptr);
  auto* b = new TZYLFaceController(nullptr);
  c->SetFaceController(a);
  a->EnterHot(c);
  c->SetFaceController(b);  // the link moves; the old controller forgets the control
  EXPECT_EQ(a->LinkCount(), 0);
  EXPECT_EQ(b->LinkCount(), 1);
  EXPECT_EQ(a->HotControl(), nullptr);
  delete a;
  EXPECT_EQ(c->FaceController(), b);
  b->EnterHot(c);  // entering and leaving the hot state keeps the control's own link
  b->LeaveHot(c);
  delete b;  // a controller on another owner: the free notification clears the reference
  EXPECT_EQ(c->FaceController(), nullptr);
  EXPECT_EQ(c->GetFillObject(), nullptr);
  EXPECT_EQ(c->GetBackColor(), c->Color());

  // Assign copies the reference (and the moving switches).
  auto* d = new TZYLFaceController(nullptr);
  auto* e = new TFaceControl(form);
  c->SetFaceController(d);
  c->SetAllowMoving(true);
  c->SetControlLocked(true);
  e->Assign(c);
  EXPECT_EQ(e->FaceController(), d);
  EXPECT_EQ(d->LinkCount(), 2);
  EXPECT_TRUE(e->GetAllowMoving());
  EXPECT_TRUE(e->GetControlLocked());
  delete form;  // the controls leave the controller
  EXPECT_EQ(d->LinkCount(), 0);
  delete d;
}

// ---- Streaming ----

TEST_F(FaceControllerTest, SettingsRoundTripThroughAFormStream) {
  auto [form, fc, c] = MakeForm();
  form->SetName("FaceForm");
  // A default controller writes no "Settings".
  std::string text = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(form));
  EXPECT_EQ(text.find("Settings"), std::string::npos) << text;

  Decorate(fc);
  c->SetFaceController(fc);
  const std::string bytes = vcl::WriteComponentToBytes(form);
  text = vcl::ObjectBinaryToTextString(bytes);
  EXPECT_NE(text.find("Settings = {"), std::string::npos) << text;
  EXPECT_NE(text.find("FaceController = Face1"), std::string::npos) << text;

  std::unique_ptr<vcl::TForm> copy(new vcl::TForm(nullptr));
  vcl::ReadComponentFromBytes(bytes, copy.get());
  auto* fc2 = dynamic_cast<TZYLFaceController*>(copy->FindComponent("Face1"));
  auto* c2 = dynamic_cast<TFaceControl*>(copy->FindComponent("Ctl1"));
  ASSERT_NE(fc2, nullptr);
  ASSERT_NE(c2, nullptr);
  EXPECT_EQ(c2->FaceController(), fc2);
  EXPECT_EQ(fc2->LinkCount(), 1);
  EXPECT_EQ(StreamBytes(fc2), StreamBytes(fc));
  EXPECT_EQ(fc2->Setting(fcsDisabled)->FillObject()->Brush()->Color(), vcl::clGreen);
  EXPECT_EQ(fc2->Setting(fcsFocused)->Bevel()->BorderColor(), vcl::clRed);
  EXPECT_FALSE(fc2->Setting(fcsDisabled)->CtlXP());
}

TEST_F(FaceControllerTest, SettingsFileRoundTrip) {
  testsupport::TempDir dir;
  TZYLFaceController fc(nullptr), back(nullptr);
  Decorate(&fc);
  fc.SaveToFile(dir.File("look.fcs"));
  TLinkCounter counter;
  back.RegisterChanges(&counter.Link);
  back.LoadFromFile(dir.File("look.fcs"));
  EXPECT_EQ(counter.Calls, 1);
  EXPECT_EQ(StreamBytes(&back), StreamBytes(&fc));
  EXPECT_EQ(back.Setting(fcsNormal)->Color(), vcl::clYellow);
  EXPECT_TRUE(back.Setting(fcsFocused)->Used());
  EXPECT_EQ(back.Setting(fcsFocused)->FontColor(), vcl::clWhite);

  // Loading the defaults resets every state the file has no record for.
  TZYLFaceController plain(nullptr);
  plain.SaveToFile(dir.File("plain.fcs"));
  EXPECT_EQ(StreamBytes(&plain).size(), 18u);  // the header alone
  back.LoadFromFile(dir.File("plain.fcs"));
  EXPECT_TRUE(back.IsDefault());

  EXPECT_THROW(back.LoadFromFile(dir.File("missing.fcs")), vcl::EFOpenError);
}

TEST_F(FaceControllerTest, BadSettingsRaiseAndLeaveTheControllerUnchanged) {
  TZYLFaceController source(nullptr), target(nullptr);
  Decorate(&source);
  const std::string good = StreamBytes(&source);
  target.Setting(fcsDown)->SetUsed(true);
  target.Setting(fcsDown)->SetColor(vcl::clPurple);
  const std::string before = StreamBytes(&target);
  TLinkCounter counter;
  target.RegisterChanges(&counter.Link);

  auto expectRejected = [&](const std::string& bytes, const char* what) {
    EXPECT_THROW(LoadBytes(&target, bytes), EZYLFaceSettingsError) << what;
    EXPECT_EQ(StreamBytes(&target), before) << what;
    EXPECT_EQ(counter.Calls, 0) << what;
  };

  // Every truncation, down to nothing.
  for (size_t n = 0; n < good.size(); ++n) expectRejected(good.substr(0, n), "truncated");
  std::string foreign = good;
  foreign[3] = 'X';
  expectRejected(foreign, "foreign signature");
  expectRejected("TPF0" + good.substr(4), "form stream");
  std::string flipped = good;
  flipped[good.size() - 5] ^= 0x10;
  expectRejected(flipped, "damaged payload");
  // A changed value that still parses: only the checksum tells.
  const auto at = good.find(std::string("BorderWidth\x02\x03", 13));
  ASSERT_NE(at, std::string::npos);
  std::string quiet = good;
  quiet[at + 12] = 4;
  expectRejected(quiet, "changed value");
  std::string newer = good;
  newer[8] = 2;
  expectRejected(newer, "newer version");
  std::string many = good;
  many[9] = 9;
  expectRejected(many, "too many records");
  std::string huge = good;
  huge[13] = '\x7F';  // a payload length far beyond the data
  expectRejected(huge, "length beyond the data");

  // Well-formed frames around bad records: (state, class, a property or none, extra value).
  auto record = [](const char* state, const char* cls, const char* prop) {
    return [=](vcl::TWriter& w) {
      w.WriteIdent(state);
      w.WriteString(cls);
      if (prop) {
        w.WriteStr(prop);
        w.WriteBoolean(true);
      }
      w.WriteListEnd();
    };
  };
  const auto hot = record("fcsHot", "TZYLFaceSetting", "Used");
  expectRejected(Wrap("\x07junk", 1), "garbage payload");
  expectRejected(Wrap(Payload(record("fcsNoSuchState", "TZYLFaceSetting", nullptr)), 1), "state");
  expectRejected(Wrap(Payload(record("fcsHot", "TZYLFaceController", nullptr)), 1), "class");
  expectRejected(Wrap(Payload(record("fcsHot", "TNoSuchClass", nullptr)), 1), "no class");
  expectRejected(Wrap(Payload(record("fcsHot", "TZYLFaceSetting", "Bogus")), 1), "property");
  expectRejected(Wrap(Payload(record("fcsHot", "TZYLFaceSetting", "Color")), 1), "bad value");
  expectRejected(Wrap(Payload([&](vcl::TWriter& w) { hot(w), hot(w); }), 2), "state twice");
  expectRejected(Wrap(Payload(hot), 2), "fewer records than counted");
  expectRejected(Wrap(Payload([&](vcl::TWriter& w) { hot(w), w.WriteInteger(5); }), 1),
                 "data after the records");

  // The same well-formed record is accepted.
  LoadBytes(&target, Wrap(Payload(hot), 1));
  EXPECT_EQ(counter.Calls, 1);
  EXPECT_TRUE(target.Setting(fcsHot)->Used());
  EXPECT_FALSE(target.Setting(fcsDown)->Used());
}

// ---- Run-time moving and sizing ----

TEST_F(FaceControllerTest, DraggingMovesAndSizesUnlessLocked) {
  auto [form, fc, c] = MakeForm();
  TMoveSink sink;
  c->SetOnMove(vcl::TNotifyEvent(&sink, &TMoveSink::OnMove));
  IZYLControlPosSize* ps = nullptr;
  ASSERT_TRUE(ZYLSupports(c, ps));
  form->Show();
  Idle();

  // Neither switch: a drag changes nothing.
  win::testkit::Drag({30, 30}, {60, 45});
  EXPECT_EQ(c->BoundsRect(), (TRect{20, 20, 80, 60}));
  EXPECT_EQ(sink.Moves, 0);

  ps->SetAllowMoving(true);
  win::testkit::Drag({30, 30}, {60, 45});
  EXPECT_EQ(c->BoundsRect(), (TRect{50, 35, 110, 75}));
  EXPECT_EQ(sink.Moves, 1);

  ps->SetControlLocked(true);
  win::testkit::Drag({60, 45}, {30, 30});
  EXPECT_EQ(c->BoundsRect(), (TRect{50, 35, 110, 75}));
  EXPECT_EQ(sink.Moves, 1);

  // Sizing from the grip at the bottom-right corner; elsewhere the control moves.
  ps->SetControlLocked(false);
  ps->SetAllowSizing(true);
  win::testkit::Drag({107, 72}, {127, 82});
  EXPECT_EQ(c->BoundsRect(), (TRect{50, 35, 130, 85}));
  EXPECT_EQ(sink.Moves, 2);
  win::testkit::Drag({60, 45}, {50, 40});
  EXPECT_EQ(c->BoundsRect(), (TRect{40, 30, 120, 80}));
  EXPECT_EQ(sink.Moves, 3);
  // Sizing never shrinks below one pixel.
  ps->SetAllowMoving(false);
  win::testkit::Drag({117, 77}, {5, 5});
  EXPECT_EQ(c->BoundsRect(), (TRect{40, 30, 41, 31}));
  EXPECT_EQ(sink.Moves, 4);
  // A click that moves nothing fires nothing.
  win::testkit::Click(40, 30);
  EXPECT_EQ(sink.Moves, 4);
}

}  // namespace
}  // namespace zyl
