// Anchors: the sides of a control that keep their distance from the parent's edges when the
// parent is resized, the rules taken when the control is placed, and form streams.
#include "ControlsTestSupport.h"

#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"

namespace vcl::testing {
namespace {

using AnchorsTest = ControlsTest;
using win::MulDiv;

TPanel* AddAnchored(TWinControl* host, TAnchors anchors, int l, int t, int w, int h) {
  return AddPanel(host, l, t, w, h, [anchors](TPanel* c) { c->SetAnchors(anchors); });
}

TEST_F(AnchorsTest, AnchorsFollowTheAlignmentAndAreStoredOnlyWhenTheyDiffer) {
  const std::pair<TAlign, TAnchors> implied[] = {{alNone, {akLeft, akTop}},
                                                 {alTop, {akLeft, akTop, akRight}},
                                                 {alBottom, {akLeft, akRight, akBottom}},
                                                 {alLeft, {akLeft, akTop, akBottom}},
                                                 {alRight, {akTop, akRight, akBottom}},
                                                 {alClient, {akLeft, akTop, akRight, akBottom}}};
  for (const auto& [align, anchors] : implied) EXPECT_EQ(AnchorAlign(align), anchors) << align;

  TPanel p(nullptr);
  EXPECT_EQ(p.Anchors(), (TAnchors{akLeft, akTop}));
  EXPECT_FALSE(IsStoredProp(&p, "Anchors"));
  p.SetAlign(alBottom);
  EXPECT_EQ(p.Anchors(), (TAnchors{akLeft, akRight, akBottom}));
  EXPECT_FALSE(IsStoredProp(&p, "Anchors"));
  p.SetAnchors({akRight, akBottom});
  EXPECT_TRUE(IsStoredProp(&p, "Anchors"));
  // Back to no alignment: the anchors are the default ones again.
  p.SetAlign(alNone);
  EXPECT_EQ(GetSetProp(&p, "Anchors", true), "[akLeft,akTop]");
}

TEST_F(AnchorsTest, EachAxisKeepsItsAnchoredSidesOrItsRelativeCentre) {
  auto host = MakeHost(400, 300);
  TPanel* corner = AddAnchored(host.get(), {akRight, akBottom}, 300, 250, 80, 30);
  TPanel* stretch = AddAnchored(host.get(), {akLeft, akTop, akRight, akBottom}, 10, 10, 380, 200);
  TPanel* centred = AddAnchored(host.get(), {}, 150, 100, 100, 50);
  TPanel* plain = AddAnchored(host.get(), {akLeft, akTop}, 20, 30, 40, 50);
  TPanel* wide = AddAnchored(host.get(), {akLeft, akRight}, 30, 40, 340, 20);
  EXPECT_EQ(corner->OriginalParentSize(), (TPoint{400, 300}));
  EXPECT_EQ(corner->AnchorRules(), (TPoint{300, 250}));
  EXPECT_EQ(stretch->AnchorRules(), (TPoint{380, 200}));
  EXPECT_EQ(centred->AnchorRules(), (TPoint{200, 125}));
  EXPECT_EQ(plain->OriginalParentSize(), (TPoint{0, 0}));

  host->SetBounds(0, 0, 500, 400);
  EXPECT_EQ(corner->BoundsRect(), Rect(400, 350, 480, 380));
  EXPECT_EQ(stretch->BoundsRect(), Rect(10, 10, 490, 310));
  // Centre 200 of 400 -> 250 of 500; 125 of 300 -> 167 of 400 (rounded).
  EXPECT_EQ(centred->BoundsRect(), Rect(200, 142, 300, 192));
  EXPECT_EQ(plain->BoundsRect(), Rect(20, 30, 60, 80));
  // Left and right stretch the width; the vertical axis (no side) keeps the relative centre.
  EXPECT_EQ(wide->Width(), 440);
  EXPECT_EQ(wide->Top(), 57);

  // The moves made by the anchors do not change the rules: going back restores everything.
  host->SetBounds(0, 0, 400, 300);
  EXPECT_EQ(corner->BoundsRect(), Rect(300, 250, 380, 280));
  EXPECT_EQ(stretch->BoundsRect(), Rect(10, 10, 390, 210));
  EXPECT_EQ(centred->BoundsRect(), Rect(150, 100, 250, 150));
  EXPECT_EQ(wide->BoundsRect(), Rect(30, 40, 370, 60));
}

TEST_F(AnchorsTest, AlignedGraphicHiddenAndNestedControlsFollowTheirRules) {
  auto host = MakeHost(200, 100);
  // Aligned controls keep to their alignment whatever their anchors.
  auto* top = new TPanel(host.get());
  top->SetBounds(0, 0, 200, 20);
  top->SetAlign(alTop);
  top->SetParent(host.get());
  top->SetAnchors({akLeft, akTop, akRight, akBottom});
  EXPECT_TRUE(IsStoredProp(top, "Anchors"));
  EXPECT_EQ(top->OriginalParentSize(), (TPoint{0, 0}));
  auto* label = new TLabel(host.get());
  label->SetAutoSize(false);
  label->SetBounds(150, 30, 40, 20);
  label->SetAnchors({akTop, akRight});
  label->SetParent(host.get());
  TPanel* hidden = AddAnchored(host.get(), {akLeft, akBottom}, 5, 80, 10, 10);
  hidden->SetVisible(false);
  TPanel* inner = AddAnchored(host.get(), {akLeft, akTop, akRight, akBottom}, 10, 50, 100, 40);
  inner->SetBevelOuter(bvNone);
  TPanel* button = AddAnchored(inner, {akRight, akBottom}, 60, 20, 30, 10);
  host->SetBounds(0, 0, 260, 130);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 260, 20));
  EXPECT_EQ(label->BoundsRect(), Rect(210, 30, 250, 50));
  EXPECT_EQ(hidden->Top(), 110);
  // A nested container passes its resize on.
  EXPECT_EQ(inner->BoundsRect(), Rect(10, 50, 170, 120));
  EXPECT_EQ(button->BoundsRect(), Rect(120, 50, 150, 60));
}

TEST_F(AnchorsTest, AHiddenAlignedControlJoiningAParentIsPlacedWhenItShows) {
  auto host = MakeHost(200, 100);
  auto* top = new TPanel(host.get());
  top->SetAlign(alTop);
  top->SetHeight(20);
  top->SetParent(host.get());
  auto* hidden = new TPanel(host.get());
  hidden->SetVisible(false);
  hidden->SetBounds(30, 40, 50, 25);
  hidden->SetAlign(alTop);
  hidden->SetParent(host.get());
  // Hidden, it takes no room: the other keeps its place and it keeps its own bounds.
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 20));
  EXPECT_EQ(hidden->BoundsRect(), Rect(30, 40, 80, 65));
  // Shown, it is aligned below the other (it lies below it).
  hidden->SetVisible(true);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 20));
  EXPECT_EQ(hidden->BoundsRect(), Rect(0, 20, 200, 45));
}

TEST_F(AnchorsTest, RulesAreRetakenWhenTheControlMovesOrItsAnchorsChange) {
  auto host = MakeHost(400, 300);
  TPanel* c = AddAnchored(host.get(), {akRight}, 300, 10, 50, 20);
  host->SetWidth(500);
  EXPECT_EQ(c->Left(), 400);
  // Moved by hand: the new distance to the right edge is kept from now on.
  c->SetLeft(350);
  EXPECT_EQ(c->OriginalParentSize(), (TPoint{500, 300}));
  host->SetWidth(450);
  EXPECT_EQ(c->Left(), 300);
  // New anchors take their rules at the present parent size.
  c->SetAnchors({akLeft, akRight});
  EXPECT_EQ(c->AnchorRules().X, 50);
  host->SetWidth(550);
  EXPECT_EQ(c->BoundsRect(), Rect(300, 10, 450, 30));
  // Back to the default anchors: resizing leaves the control alone.
  c->SetAnchors({akLeft, akTop});
  host->SetWidth(300);
  EXPECT_EQ(c->BoundsRect(), Rect(300, 10, 450, 30));
}

TEST_F(AnchorsTest, AnotherParentGivesNewRulesAndTheOldOnesAreNotApplied) {
  auto a = MakeHost(400, 300), b = MakeHost(200, 100);
  TPanel* c = AddAnchored(a.get(), {akRight, akBottom}, 300, 250, 50, 20);
  c->SetParent(b.get());
  // Inserted where it was, whatever the first parent's size.
  EXPECT_EQ(c->BoundsRect(), Rect(300, 250, 350, 270));
  EXPECT_EQ(c->OriginalParentSize(), (TPoint{200, 100}));
  b->SetBounds(0, 0, 210, 120);
  EXPECT_EQ(c->BoundsRect(), Rect(310, 270, 360, 290));
  // Without a parent the rules are dropped; resizing the old parent does not matter.
  c->SetParent(nullptr);
  EXPECT_EQ(c->OriginalParentSize(), (TPoint{0, 0}));
  b->SetBounds(0, 0, 100, 100);
  EXPECT_EQ(c->Left(), 310);
  delete c;
}

TEST_F(AnchorsTest, AParentSmallerThanTheStretchedControlGivesAnEmptyOneThatGrowsBack) {
  auto host = MakeHost(100, 100);
  TPanel* c = AddAnchored(host.get(), {akLeft, akTop, akRight, akBottom}, 40, 40, 20, 20);
  host->SetBounds(0, 0, 50, 50);
  EXPECT_EQ(c->BoundsRect(), Rect(40, 40, 40, 40));
  host->SetBounds(0, 0, 120, 110);
  EXPECT_EQ(c->BoundsRect(), Rect(40, 40, 80, 70));
}

TEST_F(AnchorsTest, WindowedChildrenOfAShownFormFollowTheFormsResize) {
  TForm form(nullptr);
  form.SetBounds(10, 10, 300, 200);
  auto* button = Place<TButton>(&form, form.ClientWidth() - 85, form.ClientHeight() - 35, 75, 25);
  button->SetAnchors({akRight, akBottom});
  ShowNow(&form);
  ASSERT_TRUE(button->HandleAllocated());
  form.SetBounds(10, 10, 420, 260);
  Idle();
  EXPECT_EQ(form.ClientWidth() - button->Left(), 85);
  EXPECT_EQ(form.ClientHeight() - button->Top(), 35);
  // The window itself moved with the control.
  win::RECT r;
  win::GetWindowRect(button->Handle(), &r);
  EXPECT_EQ(button->ClientToScreen({0, 0}), (TPoint{r.Left, r.Top}));
}

TEST_F(AnchorsTest, AFormReadFromAStreamThenResizedKeepsItsAnchors) {
  // A bottom-right button, a panel stretched both ways holding a label on its right edge, a
  // centred label and a top-aligned panel. Rules are taken once the form has been read.
  const TObj kAnchoredForm{
      "AnchorForm: TForm",
      {"Left = 0", "Top = 0", "BorderStyle = bsSizeable", "ClientHeight = 300",
       "ClientWidth = 400"},
      {{"Panel1: TPanel",
        {"Left = 10", "Top = 10", "Width = 380", "Height = 240",
         "Anchors = [akLeft, akTop, akRight, akBottom]", "BevelOuter = bvNone"},
        {{"Label1: TLabel",
          {"Left = 300", "Top = 5", "Width = 70", "Height = 13", "Anchors = [akTop, akRight]",
           "AutoSize = False"}}}},
       {"Button1: TButton",
        {"Left = 315", "Top = 265", "Width = 75", "Height = 25", "Anchors = [akRight, akBottom]"}},
       {"Centre: TLabel",
        {"Left = 180", "Top = 260", "Width = 40", "Height = 20", "Anchors = []",
         "AutoSize = False"}},
       {"Top1: TPanel", {"Left = 0", "Top = 0", "Width = 400", "Height = 5", "Align = alTop"}}}};
  RegisterStandardControls();
  auto form = FormFromText(kAnchoredForm);
  auto* panel = Find<TPanel>(form.get(), "Panel1");
  auto* label = Find<TLabel>(form.get(), "Label1");
  auto* button = Find<TButton>(form.get(), "Button1");
  auto* centre = Find<TLabel>(form.get(), "Centre");
  auto* top = Find<TPanel>(form.get(), "Top1");
  ASSERT_TRUE(panel && label && button && centre && top);
  EXPECT_EQ(centre->Anchors(), TAnchors{});
  EXPECT_EQ(top->Anchors(), AnchorAlign(alTop));
  // The rules were taken against the parents' client sizes once loading was over.
  EXPECT_EQ(button->OriginalParentSize(), (TPoint{400, 300}));
  EXPECT_EQ(label->OriginalParentSize(), (TPoint{380, 240}));
  EXPECT_EQ(button->BoundsRect(), Rect(315, 265, 390, 290));
  // Resized, and then once shown (windows made) back again: the same rules hold.
  const std::pair<TPoint, std::vector<TRect>> sizes[] = {
      {{500, 350},
       {Rect(10, 10, 490, 300), Rect(400, 5, 470, 18), Rect(415, 315, 490, 340),
        Rect(230, 305, 270, 325)}},
      {{400, 300},
       {Rect(10, 10, 390, 250), Rect(300, 5, 370, 18), Rect(315, 265, 390, 290),
        Rect(180, 260, 220, 280)}}};
  for (const auto& [size, bounds] : sizes) {
    form->SetClientWidth(size.X);
    form->SetClientHeight(size.Y);
    Idle();
    EXPECT_EQ(panel->BoundsRect(), bounds[0]);
    EXPECT_EQ(label->BoundsRect(), bounds[1]);
    EXPECT_EQ(button->BoundsRect(), bounds[2]);
    EXPECT_EQ(centre->BoundsRect(), bounds[3]);
    EXPECT_EQ(top->Width(), size.X);
    ShowNow(form.get());
  }
  // Written back: anchors only where they differ from what the alignment implies.
  const std::string text = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  for (const char* stored : {"Anchors = [akRight, akBottom]",
                             "Anchors = [akLeft, akTop, akRight, akBottom]", "Anchors = []"})
    EXPECT_NE(text.find(stored), std::string::npos) << stored << "\n" << text;
  const auto topAt = text.find("object Top1");
  ASSERT_NE(topAt, std::string::npos);
  EXPECT_EQ(text.find("Anchors", topAt), std::string::npos) << text;
}

TEST_F(AnchorsTest, AnchorsAndAlignmentGivenAfterPlacingOrMovingAControlStillTakeEffect) {
  auto first = MakeHost(400, 300);
  auto second = MakeHost(200, 100);
  TPanel* c = AddAnchored(first.get(), {akLeft, akTop}, 10, 10, 50, 20);
  c->SetAnchors({akRight, akBottom});
  first->SetBounds(0, 0, 500, 350);
  EXPECT_EQ(c->BoundsRect(), Rect(110, 60, 160, 80));
  // Aligned, then plain again, then aligned in another parent.
  c->SetAnchors({akLeft, akTop});
  c->SetAlign(alClient);
  EXPECT_EQ(c->BoundsRect(), first->ClientRect());
  c->SetAlign(alNone);
  c->SetBounds(5, 5, 30, 30);
  first->SetBounds(0, 0, 300, 300);
  EXPECT_EQ(c->BoundsRect(), Rect(5, 5, 35, 35));
  c->SetAlign(alBottom);
  c->SetParent(second.get());
  EXPECT_EQ(c->BoundsRect(), Rect(0, 70, 200, 100));
  second->SetBounds(0, 0, 240, 120);
  EXPECT_EQ(c->BoundsRect(), Rect(0, 90, 240, 120));
}

// Aligned controls on one edge are placed by where they lie; ties go by the order of the
// parent's controls (graphic controls first, then windowed ones, each in z-order), which a
// z-order change rearranges. Plain controls among them stay where they are.
TEST_F(AnchorsTest, TiesAmongAlignedControlsFollowTheirOrderAmongTheParentsControls) {
  auto host = MakeHost(200, 200);
  auto addTop = [&](TControl* c) {
    c->SetBounds(0, 0, 200, 10);
    c->SetAlign(alTop);
    c->SetParent(host.get());
  };
  host->DisableAlign();
  auto* a = new TPanel(host.get());
  addTop(a);
  for (int i = 0; i < 50; ++i) AddAnchored(host.get(), {akLeft, akTop}, 5, 150, 4, 4);
  auto* b = new TPanel(host.get());
  addTop(b);
  auto* shape = new TShape(host.get());
  addTop(shape);
  auto* c = new TPanel(host.get());
  addTop(c);
  host->EnableAlign();
  const auto tops = [&] { return std::vector<int>{shape->Top(), a->Top(), b->Top(), c->Top()}; };
  EXPECT_EQ(tops(), (std::vector<int>{0, 10, 20, 30}));
  const auto realignAtTop = [&](TControl* moved, bool front) {
    host->DisableAlign();
    for (TControl* t : std::initializer_list<TControl*>{shape, a, b, c}) t->SetTop(0);
    moved->SetZOrder(front);
    host->EnableAlign();
  };
  realignAtTop(a, true);
  EXPECT_EQ(tops(), (std::vector<int>{0, 30, 10, 20}));
  realignAtTop(c, false);
  EXPECT_EQ(tops(), (std::vector<int>{0, 30, 20, 10}));
  // The plain controls never moved.
  for (int i = 0; i < host->ControlCount(); ++i)
    if (host->Controls(i)->Align() == alNone) {
      EXPECT_EQ(host->Controls(i)->Top(), 150);
    }
}

// A control that stops being aligned gives its room back to the aligned ones; placing or
// moving plain controls moves nothing.
TEST_F(AnchorsTest, AControlThatStopsBeingAlignedGivesItsRoomBack) {
  auto host = MakeHost(200, 200);
  auto addTop = [&](int height) {
    auto* c = new TPanel(host.get());
    c->SetBounds(0, 0, 200, height);
    c->SetAlign(alTop);
    c->SetParent(host.get());
    return c;
  };
  TPanel* first = addTop(10);
  TPanel* second = addTop(20);
  EXPECT_EQ(second->BoundsRect(), Rect(0, 0, 200, 20));
  EXPECT_EQ(first->BoundsRect(), Rect(0, 20, 200, 30));
  TPanel* plain = AddAnchored(host.get(), {akLeft, akTop}, 50, 100, 30, 30);
  plain->SetBounds(60, 0, 30, 30);
  EXPECT_EQ(first->BoundsRect(), Rect(0, 20, 200, 30));
  EXPECT_EQ(plain->BoundsRect(), Rect(60, 0, 90, 30));
  second->SetAlign(alNone);
  EXPECT_EQ(first->BoundsRect(), Rect(0, 0, 200, 10));
  EXPECT_EQ(second->BoundsRect(), Rect(0, 0, 200, 20));
  // Anchors back to the top left: nothing was following them.
  TPanel* right = AddAnchored(host.get(), {akTop, akRight}, 150, 50, 20, 20);
  right->SetAnchors({akLeft, akTop});
  host->SetBounds(0, 0, 300, 200);
  EXPECT_EQ(right->BoundsRect(), Rect(150, 50, 170, 70));
  EXPECT_EQ(first->BoundsRect(), Rect(0, 0, 300, 10));
}
}  // namespace
}  // namespace vcl::testing
