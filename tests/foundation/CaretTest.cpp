// The caret object: the system caret built in the shape of its style, shown, hidden, moved and
// destroyed for its owner window, the blink time taken and given back, and its change signal.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

#include "foundation/ZYLCaret.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLCustomControl.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/ContainerScope.h"
#include "tests/support/GlobalListStream.h"

namespace zyl {
namespace {

// A white control, so the inverted caret shows as black pixels.
class TWhiteControl : public TZYLCustomControl {
  ZYL_CLASS(TWhiteControl, TZYLCustomControl)
  explicit TWhiteControl(vcl::TComponent* AOwner) : inherited(AOwner) {}

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(vcl::clWhite);
    Canvas()->FillRect(vcl::TRect{0, 0, Width(), Height()});
  }
};
ZYL_CLASS_IMPL(TWhiteControl) {}

// A control that publishes its caret's settings, as the edits do.
class TCaretControl : public TZYLCustomControl {
  ZYL_CLASS(TCaretControl, TZYLCustomControl)
  explicit TCaretControl(vcl::TComponent* AOwner)
      : inherited(AOwner), FCaret(std::make_unique<TZYLCaret>(this)) {}
  TZYLCaret* Caret() const { return FCaret.get(); }
  void SetCaret(TZYLCaret* Value) { FCaret->Assign(Value); }

 private:
  std::unique_ptr<TZYLCaret> FCaret;
};
ZYL_CLASS_IMPL(TCaretControl) { b.Prop("Caret", &TCaretControl::Caret, &TCaretControl::SetCaret); }

// Counts OnChange calls and remembers the last sender.
class TChangeCounter : public vcl::TObject {
 public:
  int Count = 0;
  vcl::TObject* Last = nullptr;
  void Changed(vcl::TObject* Sender) {
    ++Count;
    Last = Sender;
  }
};

struct Box {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;  // Right/Bottom exclusive; empty when equal
  int Count = 0;
  int W() const { return Right - Left; }
  int H() const { return Bottom - Top; }
  // Width, height and number of inverted pixels, for one-line comparisons.
  std::array<int, 3> Dims() const { return {W(), H(), Count}; }
};

// A w x h picture in one colour.
void Fill(vcl::TBitmap& b, int w, int h, vcl::TColor color) {
  b.SetSize(w, h);
  b.Canvas()->Brush()->SetColor(color);
  b.Canvas()->FillRect(vcl::TRect{0, 0, w, h});
}

// A list of one strip of 4 x 3 pictures in the given colours; a white one shown as a caret
// inverts to 12 black pixels, a black one leaves the control untouched.
TZYLImageList* ListOf(vcl::TComponent* Owner, std::initializer_list<vcl::TColor> colors) {
  auto* list = new TZYLImageList(Owner);
  list->Add();
  TZYLImageListItem* strip = list->GetArrayItem(0);
  strip->SetMaskedState(false);
  strip->SetInteger(0, 4);
  strip->SetInteger(1, 3);
  for (vcl::TColor c : colors) {
    vcl::TBitmap pic;
    Fill(pic, 4, 3, c);
    EXPECT_GE(strip->Add(&pic, nullptr), 0);
  }
  return list;
}

class CaretTest : public ::testing::Test {
 protected:
  CaretTest() : session_(400, 300) {
    systemBlink_ = win::GetCaretBlinkTime();
    form_ = std::make_unique<vcl::TForm>(nullptr);
    form_->SetBorderStyle(vcl::bsNone);
    form_->SetBounds(0, 0, 200, 120);
    ctl_ = new TWhiteControl(form_.get());
    ctl_->SetBounds(20, 10, 120, 80);
    ctl_->SetParent(form_.get());
    form_->Show();
    Idle();
  }
  ~CaretTest() override {
    form_.reset();
  }
  static void Idle() { win::testkit::RunUntilIdle(); }

  // The black pixels inside the control, in its client coordinates.
  Box Inverted() {
    win::POINT o{0, 0};
    win::ClientToScreen(ctl_->Handle(), &o);
    const win::testkit::TCapture cap = win::testkit::CaptureScreen();
    Box b{1 << 20, 1 << 20, -1, -1, 0};
    for (int y = 0; y < ctl_->Height(); ++y)
      for (int x = 0; x < ctl_->Width(); ++x)
        if ((cap.Pixel(o.X + x, o.Y + y) & 0xFFFFFF) == 0) {
          ++b.Count;
          b.Left = std::min(b.Left, x);
          b.Top = std::min(b.Top, y);
          b.Right = std::max(b.Right, x + 1);
          b.Bottom = std::max(b.Bottom, y + 1);
        }
    if (b.Count == 0) b = Box{};
    return b;
  }

  // Builds and shows a caret of the given style at (5, 7) and answers what is drawn.
  Box Shown(TZYLCaret& c, TZYLCaretStyles style) {
    c.SetStyle(style);
    c.SetCaretPos(5, 7);
    c.BuildCaret();
    c.Enable();
    return Inverted();
  }

  vcl::testkit::TControlsSession session_;
  unsigned systemBlink_ = 0;
  std::unique_ptr<vcl::TForm> form_;
  TWhiteControl* ctl_ = nullptr;
};

TEST_F(CaretTest, ShapePerStyle) {
  TZYLCaret c(ctl_);
  c.SetWord(0, 6);   // Width
  c.SetWord(1, 12);  // Height
  c.SetWord(4, 15);  // row height of the default caret

  Box b = Shown(c, csDefault);
  EXPECT_EQ(b.Dims(), (std::array<int, 3>{1, 15, 15}));
  EXPECT_EQ(b.Left, 5);
  EXPECT_EQ(b.Top, 7);
  const std::pair<TZYLCaretStyles, std::array<int, 3>> shapes[] = {{csBlock, {6, 12, 72}},
                                                                   {csUnderBlock, {6, 12, 72}},
                                                                   {csUnder, {6, 1, 6}},
                                                                   {csOver, {6, 1, 6}}};
  for (const auto& [style, dims] : shapes) EXPECT_EQ(Shown(c, style).Dims(), dims) << int(style);
}

TEST_F(CaretTest, AssignTakesAnotherCaretsSettingsAndKeepsItsOwnPlace) {
  vcl::TBitmap pic;
  Fill(pic, 3, 2, vcl::clWhite);
  TZYLCaret from(ctl_);
  from.SetBlinkRate(333);
  from.SetWord(TZYLCaret::wiWidth, 6);
  from.SetWord(TZYLCaret::wiHeight, 12);
  from.SetWord(TZYLCaret::wiImageIndex, 2);
  from.SetWord(TZYLCaret::wiListIndex, 1);
  from.SetCaretBmpMode(cbTile);
  from.SetBitmap(&pic);
  from.SetPos(TZYLCaret::piX, 40);
  TZYLCaret c(ctl_);
  c.SetPos(TZYLCaret::piX, 5);
  c.Assign(&from);
  EXPECT_EQ(c.BlinkRate(), 333u);
  EXPECT_EQ(c.Width(), 6);
  EXPECT_EQ(c.Height(), 12);
  EXPECT_EQ(c.ImageIndex(), 2);
  EXPECT_EQ(c.ListIndex(), 1);
  EXPECT_EQ(c.CaretBmpMode(), cbTile);
  EXPECT_EQ(c.Bitmap()->Width(), 3);
  EXPECT_NE(c.Bitmap(), from.Bitmap());
  EXPECT_EQ(c.GetPos(TZYLCaret::piX), 5);  // the place is the caret's own
  EXPECT_EQ(Shown(c, csBlock).Dims(), (std::array<int, 3>{6, 12, 72}));
  // Given its own settings, a caret keeps them.
  c.Assign(&c);
  EXPECT_EQ(c.Bitmap()->Width(), 3);
  EXPECT_EQ(c.Width(), 6);
}

TEST_F(CaretTest, BitmapCaretPlacedByMode) {
  // A 3 x 2 picture: white (inverts to black) except one black pixel that leaves white.
  vcl::TBitmap pic;
  Fill(pic, 3, 2, vcl::clWhite);
  pic.Canvas()->SetPixels(1, 0, vcl::clBlack);

  TZYLCaret c(ctl_);
  c.SetBitmap(&pic);
  c.SetWord(0, 7);
  c.SetWord(1, 4);

  EXPECT_EQ(Shown(c, csBitmap).Dims(), (std::array<int, 3>{3, 2, 5}));  // the picture's size

  // Tiled over Width x Height: tiles start at x 0, 3, 6 and y 0, 2; the dark pixel of the
  // tiles at x 6 falls outside, so 2 x 2 pixels stay unlit.
  c.SetCaretBmpMode(cbTile);
  EXPECT_EQ(Shown(c, csBitmap).Dims(), (std::array<int, 3>{7, 4, 28 - 4}));

  c.SetCaretBmpMode(cbStretch);  // one picture over the whole area: one dark patch
  Box b = Shown(c, csBitmap);
  EXPECT_EQ(b.W(), 7);
  EXPECT_EQ(b.H(), 4);
  EXPECT_GT(b.Count, 28 - 3 * 2 * 2);
  EXPECT_LT(b.Count, 28);

  // Without any picture a caret still stands (the window system's thinnest one).
  c.SetBitmap(nullptr);
  EXPECT_TRUE(c.Bitmap()->Empty());
  b = Shown(c, csBitmap);
  EXPECT_TRUE(c.Built());
  EXPECT_LE(b.Count, 1);
}

TEST_F(CaretTest, BitmapCaretFromImageList) {
  std::unique_ptr<TZYLImageList> list(ListOf(nullptr, {vcl::clBlack, vcl::clWhite}));
  vcl::TBitmap light;
  Fill(light, 4, 3, vcl::clWhite);
  TZYLCaret c(ctl_);
  c.SetImageList(list.get());
  c.SetWord(2, 1);  // ImageIndex: the light picture inverts to black
  EXPECT_EQ(Shown(c, csBitmap).Dims(), (std::array<int, 3>{4, 3, 12}));

  c.SetWord(2, 0);  // the dark picture leaves the control untouched
  EXPECT_EQ(Shown(c, csBitmap).Count, 0);

  // The own bitmap wins over the list.
  c.SetBitmap(&light);
  c.SetWord(2, 1);
  EXPECT_EQ(Shown(c, csBitmap).Count, 12);

  // A list index or image index out of range gives no picture, and no fault.
  c.SetBitmap(nullptr);
  c.SetWord(3, 5);
  EXPECT_LE(Shown(c, csBitmap).Count, 1);
  c.SetWord(3, 0);
  c.SetWord(2, 9);
  EXPECT_LE(Shown(c, csBitmap).Count, 1);
  c.DestroyCaret();
  c.SetImageList(nullptr);
}

TEST_F(CaretTest, ShowHideMoveAndDestroy) {
  TZYLCaret c(ctl_);
  c.SetWord(0, 4);
  c.SetWord(1, 5);
  c.SetStyle(csBlock);

  c.SetCaretPos(30, 20);  // not enabled: only stored
  EXPECT_EQ(c.GetPos(0), 30);
  EXPECT_EQ(c.GetPos(1), 20);
  EXPECT_EQ(Inverted().Count, 0);

  c.Enable();  // builds when needed
  EXPECT_TRUE(c.Built());
  EXPECT_TRUE(c.Enabled());
  Box b = Inverted();
  EXPECT_EQ(b.Left, 30);
  EXPECT_EQ(b.Top, 20);

  c.SetCaretPos(50, 40);
  b = Inverted();
  EXPECT_EQ(b.Left, 50);
  EXPECT_EQ(b.Top, 40);
  EXPECT_EQ(b.Count, 20);  // the old place was given back

  c.Enable();  // a second Enable does not nest the show count
  c.Disable();
  EXPECT_FALSE(c.Enabled());
  EXPECT_EQ(Inverted().Count, 0);
  c.Enable();
  EXPECT_EQ(Inverted().Count, 20);

  // Rebuilding a shown caret keeps it shown with the new shape.
  c.SetWord(1, 9);
  c.BuildCaret();
  EXPECT_TRUE(c.Enabled());
  EXPECT_EQ(Inverted().H(), 9);

  c.DestroyCaret();
  EXPECT_FALSE(c.Built());
  EXPECT_FALSE(c.Enabled());
  EXPECT_EQ(Inverted().Count, 0);
  c.SetCaretPos(1, 1);  // no caret: stored only, nothing drawn
  EXPECT_EQ(Inverted().Count, 0);
}

TEST_F(CaretTest, RetakesTheSystemCaretFromAnotherWindow) {
  auto* other = new TWhiteControl(form_.get());
  other->SetBounds(150, 10, 30, 30);
  other->SetParent(form_.get());
  Idle();
  TZYLCaret mine(ctl_), theirs(other);
  mine.SetStyle(csBlock);
  mine.Enable();
  mine.Disable();
  theirs.Enable();  // the one caret of the thread moves to the other window
  EXPECT_EQ(Inverted().Count, 0);
  theirs.Disable();
  mine.Enable();
  EXPECT_TRUE(mine.Enabled());
  EXPECT_EQ(Inverted().Count, 20);
}

TEST_F(CaretTest, SwitchedOffOrDesigningNeverShows) {
  TZYLCaret c(ctl_);
  c.SetStyle(csBlock);
  c.SetCaretOn(false);
  c.Enable();
  EXPECT_FALSE(c.Enabled());
  EXPECT_EQ(Inverted().Count, 0);

  c.SetCaretOn(true);
  ctl_->SetDesigning(true);
  c.Enable();
  EXPECT_FALSE(c.Enabled());
  EXPECT_EQ(Inverted().Count, 0);
}

TEST_F(CaretTest, WithoutWindowNothingHappens) {
  TZYLCaret orphan(nullptr);
  EXPECT_NO_THROW(orphan.BuildCaret());
  EXPECT_NO_THROW(orphan.Enable());
  EXPECT_NO_THROW(orphan.Disable());
  EXPECT_NO_THROW(orphan.DestroyCaret());
  EXPECT_FALSE(orphan.Built());

  auto* unparented = new TWhiteControl(form_.get());  // no window yet
  TZYLCaret c(unparented);
  c.BuildCaret();
  EXPECT_FALSE(c.Built());
  EXPECT_FALSE(unparented->HandleAllocated());
}

TEST_F(CaretTest, BlinkTimeSetAndRestored) {
  win::SetCaretBlinkTime(500);
  TZYLCaret c(ctl_);
  c.SetBlinkRate(120);
  EXPECT_EQ(win::GetCaretBlinkTime(), 500u);  // not built: the system value stays
  c.Enable();
  EXPECT_EQ(win::GetCaretBlinkTime(), 120u);
  c.Disable();
  EXPECT_EQ(win::GetCaretBlinkTime(), 500u);

  c.Enable();
  c.SetBlinkRate(90);  // a built caret takes a new rate at once
  EXPECT_EQ(win::GetCaretBlinkTime(), 90u);
  c.DestroyCaret();
  EXPECT_EQ(win::GetCaretBlinkTime(), 500u);

  // The object going away while its caret stands gives the blink time back too.
  {
    TZYLCaret d(ctl_);
    d.SetBlinkRate(77);
    d.Enable();
    EXPECT_EQ(win::GetCaretBlinkTime(), 77u);
  }
  EXPECT_EQ(win::GetCaretBlinkTime(), 500u);
  EXPECT_EQ(Inverted().Count, 0);
  win::SetCaretBlinkTime(systemBlink_);
}

TEST_F(CaretTest, ChangeSignalledOncePerRealChange) {
  TZYLCaret c(ctl_);
  TChangeCounter counter;
  int& changes = counter.Count;
  c.SetOnChange(vcl::TNotifyEvent(&counter, &TChangeCounter::Changed));
  c.SetStyle(csBlock);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(counter.Last, &c);
  c.SetStyle(csBlock);
  c.SetWord(0, 2);  // Width already 2
  c.SetWord(1, 10);
  c.SetPos(0, 44);   // position is not a setting
  c.SetWord(4, 18);  // nor is the row height
  EXPECT_EQ(changes, 1);
  c.SetWord(0, 3);
  c.SetWord(1, 11);
  c.SetWord(2, 1);
  c.SetWord(3, 2);
  c.SetCaretBmpMode(cbTile);
  EXPECT_EQ(changes, 6);
  c.SetWord(9, 1);  // unknown index: ignored
  EXPECT_EQ(changes, 6);
  c.BeginUpdate();
  c.SetStyle(csOver);
  EXPECT_EQ(changes, 6);
  c.EndUpdate(true);
  EXPECT_EQ(changes, 7);
}

TEST_F(CaretTest, FreedImageListIsForgotten) {
  TZYLImageList* list = ListOf(nullptr, {vcl::clWhite});
  TZYLCaret c(ctl_);
  c.SetImageList(list);
  EXPECT_EQ(Shown(c, csBitmap).Count, 12);
  TChangeCounter counter;
  c.SetOnChange(vcl::TNotifyEvent(&counter, &TChangeCounter::Changed));
  delete list;
  EXPECT_EQ(c.ImageList(), nullptr);
  EXPECT_EQ(counter.Count, 1);
  // The caret on the window keeps its own copy of the picture.
  EXPECT_EQ(Inverted().Count, 12);
  // Built again there is no picture left, and the freed list is not touched.
  EXPECT_LE(Shown(c, csBitmap).Count, 1);
  c.SetStyle(csBlock);
  c.SetWord(0, 3);
  c.SetWord(1, 5);
  EXPECT_EQ(Shown(c, csBlock).Count, 15);
  c.DestroyCaret();
}

// The caret's list may be a list of the global container or one of the form: the caret of the
// control read back shows the same list.
TEST_F(CaretTest, ItsListComesBackWhenTheFormIsReadAgain) {
  testsupport::TContainerScope container;
  vcl::RegisterClass(TCaretControl::StaticClass());
  const testsupport::TListProperty list = {"Caret.ImageList", "Caret.Internal"};
  testsupport::ExpectEveryPickSurvivesTheForm(TCaretControl::StaticClass(), {list});
  testsupport::ExpectUnknownIdentReadsAsNone(TCaretControl::StaticClass(), list);
  vcl::UnRegisterClass(TCaretControl::StaticClass());
}

TEST_F(CaretTest, ACaretFreedBeforeItsListLeavesIt) {
  // The list belongs to the form, as one dropped on it would.
  TZYLImageList* list = ListOf(form_.get(), {vcl::clWhite});
  {
    TZYLCaret c(ctl_);
    c.SetImageList(list);
    EXPECT_EQ(list->LinkCount(), 1);
  }
  EXPECT_EQ(list->LinkCount(), 0);
  // Changes and the list's own end reach no freed caret.
  list->Add();
  delete list;
}

}  // namespace
}  // namespace zyl
