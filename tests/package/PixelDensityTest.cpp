// Forms written on a screen of another pixel density. Over every registered component class, a
// form holding one component of the class with every published value changed, written on a
// screen of 120 or 144 pixels per inch and read on one of 96 (and written at 96, read at 120):
//  - read with Scaled on, the form's client size, its font and the component's bounds, size
//    limits and font (where it has a font of its own) are what the same file gives on the
//    density it was written at, scaled by the ratio of the two densities, and its other
//    published values are as written; nothing raises and the form paints;
//  - read with Scaled off, nothing is scaled;
//  - written again, the form says the screen's density and holds the scaled values, and
//    reading that file on the same screen changes nothing, round after round;
//  - a component inside a container, anchored to its four sides, or aligned, keeps its place
//    relative to its parent and follows the parent's later resizing.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/testkit/DialogScript.h"
#include "tests/package/EventsHost.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/package/PropertyValues.h"

namespace {

using packagetest::Path;
using packagetest::TEventsHost;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 3;

// The density a form is written at and the one it is read at.
struct TDensity {
  const char* Name;
  int Written;
  int Read;
};

const TDensity kDensities[] = {
    {"written at 120, read at 96", 120, 96},
    {"written at 144, read at 96", 144, 96},
    {"written at 96, read at 120", 96, 120},
};

// v * m / d rounded to the nearest whole number, halves away from zero: how the framework
// rounds a scaled pixel value.
int Scale(int v, int m, int d) {
  const int64_t n = int64_t{v} * m;
  const int64_t half = d / 2;
  return static_cast<int>(n >= 0 ? (n + half) / d : -((-n + half) / d));
}

// The screen's density for as long as it lives; the one before comes back after.
class TScreenDensity {
 public:
  explicit TScreenDensity(int dpi) : was_(win::ScreenLogPixels()) {
    EXPECT_TRUE(win::SetScreenLogPixels(dpi));
  }
  ~TScreenDensity() { win::SetScreenLogPixels(was_); }
  TScreenDensity(const TScreenDensity&) = delete;
  TScreenDensity& operator=(const TScreenDensity&) = delete;

 private:
  int was_;
};

// The values the sweep sets itself before the form is written (where the component and the
// form stand, their size limits, fonts and scroll ranges, which scaling changes on purpose),
// and the window state, position, border and visibility, which place a form's window on the
// screen rather than hold a value of the component.
bool IsGeometry(const std::string& name) {
  static const std::set<std::string> own = {
      "Left",          "Top",        "Width",       "Height",     "ClientWidth", "ClientHeight",
      "Align",         "Anchors",    "AutoSize",    "ParentFont", "Font",        "PixelsPerInch",
      "Scaled",        "Visible",    "WindowState", "Position",   "BorderStyle", "HorzScrollBar",
      "VertScrollBar", "AutoScroll", "Constraints"};
  const std::string head = name.substr(0, name.find('.'));
  return own.count(head) > 0;
}

// Values that another density reads differently, by "Class.Value", with the reason; a row
// that no class of its shard needs any more fails the sweep.
const std::map<std::string, std::string>& OtherValuesThatFollow() {
  static const std::map<std::string, std::string> rows = {
      // The header is a child control of the list box, scaled with it, its own font too.
      {"TZYLListBox.HeaderFont.Height", "the header's font is scaled with the header"},
      {"TZYLListBox.HeaderHeight", "the header's height is scaled with the header"},
  };
  return rows;
}

// The library's owner-drawn combo boxes, whose height follows their font or item height, by
// "Class.Height", with the reason.
std::map<std::string, std::string> OwnerDrawnComboHeights() {
  const std::string font = "a combo box's height follows its font";
  return {{"TZYLColorComboBox.Height", font},
          {"TZYLComboBox.Height", font},
          {"TZYLDriveComboBox.Height", font},
          {"TZYLFontComboBox.Height", font},
          {"TZYLFontSizeComboBox.Height", font},
          {"TZYLImageComboBox.Height", "a combo box's height follows its item height"},
          {"TZYLPrinterComboBox.Height", font}};
}

// Scaled sizes a class does not take as the framework scales them, by "Class.Check" (Check:
// Width, Height, Font, Constraints), with the reason; a row that no class of its shard needs any
// more fails the sweep.
const std::map<std::string, std::string>& NotScaledAsWritten() {
  static const std::map<std::string, std::string> rows = [] {
    // A combo box is as high as its edit line or its item, which its font decides.
    std::map<std::string, std::string> r = OwnerDrawnComboHeights();
    r.emplace("TDriveComboBox.Height", "a combo box's height follows its font");
    // Showing digits only, the clock takes the size of its digits.
    r.emplace("TZYLClock.Width", "with DigitalOnly the clock is as wide as its digits");
    r.emplace("TZYLClock.Height", "with DigitalOnly the clock is as high as its digits");
    return r;
  }();
  return rows;
}

// Sides along which a class does not keep its gaps to its parent, by "Class.Width" or
// "Class.Height", with the reason; a row that no class of its shard needs any more fails the
// sweep.
const std::map<std::string, std::string>& SidesOfTheirOwn() {
  // An owner-drawn combo box is as high as its font or its item makes it, anchored or aligned.
  static const std::map<std::string, std::string> rows = OwnerDrawnComboHeights();
  return rows;
}

// What the sweep reads of a form and its component.
struct TShape {
  vcl::TRect Bounds;  // the component's, when it is a control
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  int FontHeight = 0;  // the component's own font, when it has one
  bool OwnFont = false;
  int FormClientWidth = 0, FormClientHeight = 0, FormFontHeight = 0;
  int FormHorzRange = 0, FormVertRange = 0;
  int FormMinWidth = 0, FormMaxHeight = 0;
  int HorzRange = 0, VertRange = 0;  // the component's, when it scrolls
  bool Scrolls = false;
  std::map<std::string, std::string> Others;  // every other published value
};

// A form file read on the screen of its density or another, with what came of it.
struct TRead {
  std::unique_ptr<vcl::TCustomForm> Root;
  vcl::TComponent* Component = nullptr;
  std::string Error;
};

class PixelDensity : public packagetest::TPackageFixture<::testing::TestWithParam<int>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = packagetest::ComponentClasses();
  }

  // The classes of this shard; menu items are streamed only as part of a menu.
  std::vector<vcl::TClass> Shard() const {
    std::vector<vcl::TClass> shard;
    for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards)
      if (!classes_[k]->InheritsFrom(vcl::TMenuItem::StaticClass())) shard.push_back(classes_[k]);
    return shard;
  }

  // A form with a component of the class, every published value changed, its place and font
  // set, written on a screen of `dpi`; for a form class, the form itself.
  std::string Written(vcl::TClass cls, int dpi, bool scaled) {
    TScreenDensity screen(dpi);
    std::unique_ptr<vcl::TCustomForm> form(
        packagetest::IsForm(cls) ? static_cast<vcl::TCustomForm*>(cls->Create(nullptr))
                                 : new TEventsHost(nullptr));
    form->SetName("Host");
    vcl::TComponent* c = form.get();
    if (!packagetest::IsForm(cls)) {
      c = cls->Create(form.get());
      c->SetName("X");
      if (auto* control = dynamic_cast<vcl::TControl*>(c)) control->SetParent(form.get());
    }
    int refs = 0;
    for (const Path& path : packagetest::Paths(c)) {
      if (IsGeometry(packagetest::Text(path))) continue;
      vcl::TObject* target = packagetest::Walk(c, path);
      if (!target) continue;
      const vcl::TPropInfo* p = vcl::FindPropInfo(target, path.back());
      // Events are streamed by name only; a control linked to an action takes its values
      // from it when the form is read.
      if (p->Kind() == vcl::tkMethod || (path.size() == 1 && path[0] == "Action")) continue;
      try {
        packagetest::Change(form.get(), target, p, "Ref" + std::to_string(++refs));
      } catch (const vcl::Exception&) {
        // the value was refused; the component keeps its own
      }
    }
    PlaceAndFont(form.get(), c);
    form->SetScaled(scaled);
    return vcl::WriteComponentToBytes(form.get());
  }

  // A scrolling control's own ranges, which AutoScroll would compute from the children.
  static void SetRanges(vcl::TScrollingWinControl* s, int horz, int vert) {
    s->SetAutoScroll(false);
    s->HorzScrollBar()->SetRange(horz);
    s->VertScrollBar()->SetRange(vert);
  }

  // Odd numbers everywhere, so that every rounding shows.
  static void PlaceAndFont(vcl::TCustomForm* form, vcl::TComponent* c) {
    form->SetClientWidth(367);
    form->SetClientHeight(283);
    form->Font()->SetHeight(-15);
    SetRanges(form, 613, 419);
    // Limits that hold the frame and the client size above at every density here.
    form->Constraints()->SetMaxHeight(501);
    form->Constraints()->SetMinWidth(301);
    auto* control = dynamic_cast<vcl::TControl*>(c);
    if (!control || control == form) return;
    if (const vcl::TPropInfo* a = vcl::GetPropInfo(c, "AutoSize"); a && a->IsWritable())
      vcl::SetOrdProp(c, a, 0);
    control->SetAlign(vcl::alNone);
    control->SetAnchors({vcl::akLeft, vcl::akTop});
    control->Constraints()->SetMaxWidth(253);
    control->Constraints()->SetMaxHeight(191);
    control->Constraints()->SetMinWidth(31);
    control->Constraints()->SetMinHeight(23);
    control->SetBounds(13, 17, 101, 47);
    if (vcl::IsPublishedProp(c, "ParentFont")) vcl::SetOrdProp(c, "ParentFont", 0);
    control->Font()->SetHeight(-17);
    if (auto* s = dynamic_cast<vcl::TScrollingWinControl*>(c);
        s && vcl::IsPublishedProp(c, "HorzScrollBar"))
      SetRanges(s, 457, 331);
  }

  // The file read into a new root on a screen of `dpi`.
  static TRead ReadAt(vcl::TClass cls, const std::string& bytes, int dpi) {
    TScreenDensity screen(dpi);
    TRead r;
    r.Root.reset(packagetest::IsForm(cls) ? static_cast<vcl::TCustomForm*>(cls->Create(nullptr))
                                          : new TEventsHost(nullptr));
    try {
      vcl::ReadComponentFromBytes(bytes, r.Root.get());
    } catch (const std::exception& e) {
      r.Error = e.what();
    }
    r.Component = packagetest::ReadComponent(cls, r.Root.get());
    if (!r.Component && r.Error.empty()) r.Error = "no component X";
    return r;
  }

  // The shape of the file read on the screen it was written on (freed before the next read:
  // some classes allow one instance only).
  static TShape ShapeAsWritten(vcl::TClass cls, const std::string& bytes, int dpi) {
    const TRead asWritten = ReadAt(cls, bytes, dpi);
    EXPECT_EQ(asWritten.Error, "") << "read where it was written";
    return ShapeOf(asWritten);
  }

  static TShape ShapeOf(const TRead& r) {
    TShape s;
    vcl::TCustomForm* form = r.Root.get();
    s.FormClientWidth = form->ClientWidth();
    s.FormClientHeight = form->ClientHeight();
    s.FormFontHeight = form->Font()->Height();
    s.FormHorzRange = form->HorzScrollBar()->Range();
    s.FormVertRange = form->VertScrollBar()->Range();
    s.FormMinWidth = form->Constraints()->MinWidth();
    s.FormMaxHeight = form->Constraints()->MaxHeight();
    if (auto* control = dynamic_cast<vcl::TControl*>(r.Component); control && control != form) {
      s.Bounds = control->BoundsRect();
      s.MinWidth = control->Constraints()->MinWidth();
      s.MinHeight = control->Constraints()->MinHeight();
      s.MaxWidth = control->Constraints()->MaxWidth();
      s.MaxHeight = control->Constraints()->MaxHeight();
      s.OwnFont = !control->ParentFont() && vcl::IsPublishedProp(control, "Font");
      s.FontHeight = control->Font()->Height();
      if (auto* scrolling = dynamic_cast<vcl::TScrollingWinControl*>(control);
          scrolling && vcl::IsPublishedProp(control, "HorzScrollBar")) {
        s.Scrolls = true;
        s.HorzRange = scrolling->HorzScrollBar()->Range();
        s.VertRange = scrolling->VertScrollBar()->Range();
      }
    }
    for (const auto& [name, value] :
         packagetest::Values(r.Component, form, packagetest::Paths(r.Component)))
      if (!IsGeometry(name)) s.Others[name] = value;
    return s;
  }

  // The component's published values other than its place and font that differ.
  void ExpectOthersAsWritten(const std::string& cls, const TShape& want, const TShape& got) {
    for (const auto& [name, value] : want.Others) {
      auto it = got.Others.find(name);
      const std::string now = it == got.Others.end() ? "<not stored>" : it->second;
      if (now == value) continue;
      if (Excused(OtherValuesThatFollow(), cls + "." + name)) continue;
      ADD_FAILURE() << name << ": " << now << ", written " << value;
    }
  }

  // Whether the table names the row of a check that failed; the row counts as needed.
  bool Excused(const std::map<std::string, std::string>& table, const std::string& row) {
    if (!table.count(row)) return false;
    used_.insert(row);
    return true;
  }

  // A check: passed, or failed and excused by the table's row, or failed.
  void Check(bool passed, const std::map<std::string, std::string>& table, const std::string& row,
             const std::string& what) {
    if (!passed && !Excused(table, row)) ADD_FAILURE() << row << ": " << what;
  }

  // Every row of the tables whose class is in this shard was needed.
  void ExpectNoStaleRows(const std::vector<vcl::TClass>& shard,
                         std::initializer_list<const std::map<std::string, std::string>*> tables) {
    std::set<std::string> names;
    for (vcl::TClass cls : shard) names.insert(cls->ClassName());
    for (const auto* table : tables)
      for (const auto& [row, reason] : *table)
        if (names.count(row.substr(0, row.find('.'))) && !used_.count(row))
          ADD_FAILURE() << "stale row " << row << " (" << reason << ")";
  }

  std::vector<vcl::TClass> classes_;
  std::set<std::string> used_;
  // A dialog that painting brings up is closed at once.
  vcl::testkit::TDialogScript noAnswers_;
};

// What scaling by m / d makes of a rectangle: each edge scaled, the width and height taken
// from the scaled edges, except a width or height the class keeps fixed.
vcl::TRect ScaledRect(const vcl::TRect& r, int m, int d, bool fixedWidth, bool fixedHeight) {
  const int left = Scale(r.Left, m, d), top = Scale(r.Top, m, d);
  const int width = fixedWidth ? r.Width() : Scale(r.Right, m, d) - left;
  const int height = fixedHeight ? r.Height() : Scale(r.Bottom, m, d) - top;
  return vcl::TRect{left, top, left + width, top + height};
}

// A font's height scaled in whole points on a screen of `dpi`, as the framework scales a font.
int ScaledFontHeight(int height, int m, int d, int dpi) {
  const int points = Scale(-height, 72, dpi);
  return -Scale(Scale(points, m, d), dpi, 72);
}

std::string Text(const vcl::TRect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + " " + std::to_string(r.Width()) +
         "x" + std::to_string(r.Height());
}

TEST_P(PixelDensity, AFormReadWithScaledOnIsScaledByTheRatioOfTheDensities) {
  const std::vector<vcl::TClass> shard = Shard();
  ASSERT_FALSE(shard.empty());
  int controls = 0;
  for (vcl::TClass cls : shard) {
    for (const TDensity& density : kDensities) {
      SCOPED_TRACE(cls->ClassName() + ", " + density.Name);
      const std::string bytes = Written(cls, density.Written, true);
      const TShape want = ShapeAsWritten(cls, bytes, density.Written);
      const TRead read = ReadAt(cls, bytes, density.Read);
      EXPECT_EQ(read.Error, "");
      if (!read.Component) continue;
      const TShape got = ShapeOf(read);
      const int m = density.Read, d = density.Written;
      EXPECT_EQ(read.Root->PixelsPerInch(), density.Read);
      EXPECT_EQ(got.FormClientWidth, Scale(want.FormClientWidth, m, d));
      EXPECT_EQ(got.FormClientHeight, Scale(want.FormClientHeight, m, d));
      EXPECT_EQ(got.FormFontHeight, ScaledFontHeight(want.FormFontHeight, m, d, density.Read));
      EXPECT_EQ(got.FormHorzRange, Scale(want.FormHorzRange, m, d));
      EXPECT_EQ(got.FormVertRange, Scale(want.FormVertRange, m, d));
      EXPECT_EQ(got.FormMinWidth, Scale(want.FormMinWidth, m, d));
      EXPECT_EQ(got.FormMaxHeight, Scale(want.FormMaxHeight, m, d));
      auto* control = dynamic_cast<vcl::TControl*>(read.Component);
      if (control && control != read.Root.get()) {
        ++controls;
        const std::string name = cls->ClassName();
        const vcl::TControlStyle style = control->ControlStyle();
        const vcl::TRect scaled = ScaledRect(want.Bounds, m, d, style.contains(vcl::csFixedWidth),
                                             style.contains(vcl::csFixedHeight));
        EXPECT_EQ(got.Bounds.Left, scaled.Left);
        EXPECT_EQ(got.Bounds.Top, scaled.Top);
        const std::string was = "read " + Text(got.Bounds) + ", scaled " + Text(scaled);
        Check(got.Bounds.Width() == scaled.Width(), NotScaledAsWritten(), name + ".Width", was);
        Check(got.Bounds.Height() == scaled.Height(), NotScaledAsWritten(), name + ".Height", was);
        Check(got.MinWidth == Scale(want.MinWidth, m, d) &&
                  got.MinHeight == Scale(want.MinHeight, m, d) &&
                  got.MaxWidth == Scale(want.MaxWidth, m, d) &&
                  got.MaxHeight == Scale(want.MaxHeight, m, d),
              NotScaledAsWritten(), name + ".Constraints",
              "min " + std::to_string(got.MinWidth) + "x" + std::to_string(got.MinHeight) +
                  ", max " + std::to_string(got.MaxWidth) + "x" + std::to_string(got.MaxHeight));
        if (want.Scrolls) {
          EXPECT_EQ(got.HorzRange, Scale(want.HorzRange, m, d));
          EXPECT_EQ(got.VertRange, Scale(want.VertRange, m, d));
        }
        if (want.OwnFont)
          Check(got.FontHeight == ScaledFontHeight(want.FontHeight, m, d, density.Read),
                NotScaledAsWritten(), name + ".Font",
                "font height " + std::to_string(got.FontHeight) + ", written " +
                    std::to_string(want.FontHeight));
      }
      ExpectOthersAsWritten(cls->ClassName(), want, got);
      std::string painted;
      try {
        TScreenDensity screen(density.Read);
        read.Root->Show();
        packagetest::PaintShown(read.Root.get());
      } catch (const vcl::testkit::EDialogScript&) {
      } catch (const std::exception& e) {
        painted = e.what();
      }
      EXPECT_EQ(painted, "");
    }
  }
  EXPECT_GT(controls, 0);
  ExpectNoStaleRows(shard, {&OtherValuesThatFollow(), &NotScaledAsWritten()});
}

TEST_P(PixelDensity, AFormReadWithScaledOffKeepsWhatItStored) {
  for (vcl::TClass cls : Shard()) {
    for (const TDensity& density : kDensities) {
      SCOPED_TRACE(cls->ClassName() + ", " + density.Name);
      const std::string bytes = Written(cls, density.Written, false);
      const TShape want = ShapeAsWritten(cls, bytes, density.Written);
      const TRead read = ReadAt(cls, bytes, density.Read);
      EXPECT_EQ(read.Error, "");
      if (!read.Component) continue;
      const TShape got = ShapeOf(read);
      EXPECT_EQ(read.Root->PixelsPerInch(), density.Written);
      EXPECT_EQ(got.FormClientWidth, want.FormClientWidth);
      EXPECT_EQ(got.FormClientHeight, want.FormClientHeight);
      EXPECT_EQ(got.FormFontHeight, want.FormFontHeight);
      EXPECT_EQ(got.FormHorzRange, want.FormHorzRange);
      EXPECT_EQ(got.FormMinWidth, want.FormMinWidth);
      EXPECT_EQ(got.HorzRange, want.HorzRange);
      EXPECT_EQ(Text(got.Bounds), Text(want.Bounds));
      EXPECT_EQ(got.MinWidth, want.MinWidth);
      EXPECT_EQ(got.MinHeight, want.MinHeight);
      EXPECT_EQ(got.MaxWidth, want.MaxWidth);
      EXPECT_EQ(got.MaxHeight, want.MaxHeight);
      EXPECT_EQ(got.FontHeight, want.FontHeight);
      EXPECT_TRUE(got.Others == want.Others);
    }
  }
}

// The line "Name = value" of the form's own level in the text of a form file; "" when the
// form does not write the value.
std::string FormLine(const std::string& bytes, const std::string& name) {
  const std::string text = vcl::ObjectBinaryToTextString(bytes);
  const std::string key = "\n  " + name + " = ";
  const size_t at = text.find(key);
  if (at == std::string::npos) return "";
  const size_t end = text.find_first_of("\r\n", at + 1);
  return text.substr(at + 3, end - at - 3);
}

// The height of "0" in the font on a screen of `dpi`.
int TextHeightOf(vcl::TFont* font, int dpi) {
  TScreenDensity screen(dpi);
  vcl::TBitmap b;
  b.SetWidth(8);
  b.SetHeight(8);
  b.Canvas()->Font()->Assign(font);
  return b.Canvas()->TextHeight("0");
}

TEST_P(PixelDensity, AScaledFormWrittenAgainSaysTheScreensDensityAndDoesNotDrift) {
  for (vcl::TClass cls : Shard()) {
    for (const TDensity& density : kDensities) {
      SCOPED_TRACE(cls->ClassName() + ", " + density.Name);
      const std::string bytes = Written(cls, density.Written, true);
      EXPECT_EQ(FormLine(bytes, "PixelsPerInch"),
                "PixelsPerInch = " + std::to_string(density.Written));
      TRead read = ReadAt(cls, bytes, density.Read);
      EXPECT_EQ(read.Error, "");
      if (!read.Component) continue;
      std::string again;
      {
        TScreenDensity screen(density.Read);
        again = vcl::WriteComponentToBytes(read.Root.get());
      }
      EXPECT_EQ(FormLine(again, "PixelsPerInch"),
                "PixelsPerInch = " + std::to_string(density.Read));
      EXPECT_EQ(FormLine(again, "TextHeight"),
                "TextHeight = " + std::to_string(TextHeightOf(read.Root->Font(), density.Read)));
      const TShape first = ShapeOf(read);
      // Three more rounds on the same screen: the same values, the same file.
      for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        read.Root.reset();
        read = ReadAt(cls, again, density.Read);
        EXPECT_EQ(read.Error, "");
        if (!read.Component) break;
        const TShape now = ShapeOf(read);
        EXPECT_EQ(Text(now.Bounds), Text(first.Bounds));
        EXPECT_EQ(now.MinWidth, first.MinWidth);
        EXPECT_EQ(now.MaxHeight, first.MaxHeight);
        // A class that publishes no font of its own does not write it.
        if (first.OwnFont) {
          EXPECT_EQ(now.FontHeight, first.FontHeight);
        }
        EXPECT_EQ(now.FormClientWidth, first.FormClientWidth);
        EXPECT_EQ(now.FormClientHeight, first.FormClientHeight);
        EXPECT_EQ(now.FormFontHeight, first.FormFontHeight);
        EXPECT_EQ(now.FormVertRange, first.FormVertRange);
        EXPECT_EQ(now.VertRange, first.VertRange);
        EXPECT_TRUE(now.Others == first.Others);
        std::string next;
        {
          TScreenDensity screen(density.Read);
          next = vcl::WriteComponentToBytes(read.Root.get());
        }
        EXPECT_TRUE(next == again) << vcl::ObjectBinaryToTextString(next);
        again = next;
      }
    }
  }
}

// How a component stands in its parent in the layout cases below.
enum class TLayout { AnchoredInAPanel, AlignedToTheBottom, HoldingAChild };

struct TLayoutCase {
  const char* Name;
  TLayout Layout;
  const char* Needs;  // the published property the case sets
};

const TLayoutCase kLayouts[] = {
    {"anchored to the four sides of a panel", TLayout::AnchoredInAPanel, "Anchors"},
    {"aligned to the bottom of the form", TLayout::AlignedToTheBottom, "Align"},
    {"holding a panel", TLayout::HoldingAChild, "Left"},
};

// Where the child of a container stands in it.
const vcl::TRect kChild{5, 7, 36, 26};

// The panel the anchored component stands in, and where.
constexpr int kBoxLeft = 21, kBoxTop = 19, kBoxWidth = 251, kBoxHeight = 181;

// A form with a component of the class laid out as the case says, written at `dpi`.
std::string WrittenInLayout(vcl::TClass cls, TLayout layout, int dpi) {
  TScreenDensity screen(dpi);
  std::unique_ptr<vcl::TCustomForm> form(new TEventsHost(nullptr));
  form->SetName("Host");
  form->SetClientWidth(367);
  form->SetClientHeight(283);
  vcl::TWinControl* parent = form.get();
  if (layout == TLayout::AnchoredInAPanel) {
    auto* box = new vcl::TPanel(form.get());
    box->SetName("Box");
    box->SetBevelOuter(vcl::bvNone);
    box->SetParent(form.get());
    box->SetBounds(kBoxLeft, kBoxTop, kBoxWidth, kBoxHeight);
    parent = box;
  }
  auto* c = static_cast<vcl::TControl*>(cls->Create(form.get()));
  c->SetName("X");
  c->SetParent(parent);
  if (const vcl::TPropInfo* a = vcl::GetPropInfo(c, "AutoSize"); a && a->IsWritable())
    vcl::SetOrdProp(c, a, 0);
  c->SetAlign(vcl::alNone);
  c->SetBounds(13, 17, 101, 47);
  if (layout == TLayout::AnchoredInAPanel) {
    c->SetAnchors({vcl::akLeft, vcl::akTop, vcl::akRight, vcl::akBottom});
  } else if (layout == TLayout::AlignedToTheBottom) {
    c->SetAlign(vcl::alBottom);
  } else {
    auto* inner = new vcl::TPanel(form.get());
    inner->SetName("Inner");
    inner->SetParent(static_cast<vcl::TWinControl*>(c));
    inner->SetBounds(kChild.Left, kChild.Top, kChild.Width(), kChild.Height());
  }
  return vcl::WriteComponentToBytes(form.get());
}

// A windowed control that takes other controls as its children.
bool HoldsChildren(vcl::TClass cls) {
  if (!cls->InheritsFrom(vcl::TWinControl::StaticClass())) return false;
  std::unique_ptr<vcl::TForm> probe(new vcl::TForm(nullptr));
  auto* c = static_cast<vcl::TControl*>(cls->Create(probe.get()));
  return c->ControlStyle().contains(vcl::csAcceptsControls);
}

TEST_P(PixelDensity, AComponentKeepsItsPlaceInItsParent) {
  int cases = 0, children = 0;
  for (vcl::TClass cls : Shard()) {
    if (!cls->InheritsFrom(vcl::TControl::StaticClass()) || packagetest::IsForm(cls)) continue;
    const std::string name = cls->ClassName();
    for (const TLayoutCase& layout : kLayouts) {
      // A control whose place belongs to its owner publishes it read-only.
      const vcl::TPropInfo* needs = vcl::GetPropInfo(cls, layout.Needs);
      if (!needs || !needs->IsWritable()) continue;
      if (layout.Layout == TLayout::HoldingAChild && !HoldsChildren(cls)) continue;
      for (const TDensity& density : kDensities) {
        SCOPED_TRACE(name + " " + layout.Name + ", " + density.Name);
        const std::string bytes = WrittenInLayout(cls, layout.Layout, density.Written);
        const TRead read = ReadAt(cls, bytes, density.Read);
        EXPECT_EQ(read.Error, "");
        auto* c = dynamic_cast<vcl::TControl*>(read.Component);
        if (!c) continue;
        const int m = density.Read, d = density.Written;
        TScreenDensity screen(density.Read);
        vcl::TWinControl* parent = c->Parent();
        ASSERT_NE(parent, nullptr);
        const vcl::TRect client = parent->GetClientRect();
        ++cases;
        if (layout.Layout == TLayout::HoldingAChild) {
          ++children;
          // The child is scaled edge by edge inside the container, wherever that is.
          auto* inner = dynamic_cast<vcl::TControl*>(read.Root->FindComponent("Inner"));
          ASSERT_NE(inner, nullptr);
          EXPECT_EQ(inner->Parent(), c);
          EXPECT_EQ(Text(inner->BoundsRect()), Text(ScaledRect(kChild, m, d, false, false)));
          continue;
        }
        if (layout.Layout == TLayout::AlignedToTheBottom) {
          EXPECT_EQ(client.Right, Scale(367, m, d));
          EXPECT_EQ(c->Left(), 0);
          EXPECT_EQ(c->Width(), client.Right);
          EXPECT_EQ(c->Top() + c->Height(), client.Bottom);
          if (!c->ControlStyle().contains(vcl::csFixedHeight))
            Check(std::abs(c->Height() - Scale(47, m, d)) <= 1, SidesOfTheirOwn(), name + ".Height",
                  "height " + std::to_string(c->Height()));
          continue;
        }
        // The panel and the component inside are scaled edge by edge; the gaps to the
        // panel's far sides follow.
        EXPECT_EQ(Text(parent->BoundsRect()),
                  Text(ScaledRect(
                      vcl::TRect{kBoxLeft, kBoxTop, kBoxLeft + kBoxWidth, kBoxTop + kBoxHeight}, m,
                      d, false, false)));
        const vcl::TRect scaled = ScaledRect(vcl::TRect{13, 17, 114, 64}, m, d, false, false);
        EXPECT_EQ(c->Left(), scaled.Left);
        EXPECT_EQ(c->Top(), scaled.Top);
        const int rightGap = client.Right - (c->Left() + c->Width());
        const int bottomGap = client.Bottom - (c->Top() + c->Height());
        // A side the class keeps fixed is not scaled, and its gap takes the difference.
        const vcl::TControlStyle style = c->ControlStyle();
        bool across = style.contains(vcl::csFixedWidth) ||
                      std::abs(rightGap - Scale(kBoxWidth - 114, m, d)) <= 1;
        bool down = style.contains(vcl::csFixedHeight) ||
                    std::abs(bottomGap - Scale(kBoxHeight - 64, m, d)) <= 1;
        // The panel grows: the component keeps its gaps, at the new density.
        parent->SetBounds(parent->Left(), parent->Top(), parent->Width() + 40,
                          parent->Height() + 30);
        across = across && parent->GetClientRect().Right - (c->Left() + c->Width()) == rightGap;
        down = down && parent->GetClientRect().Bottom - (c->Top() + c->Height()) == bottomGap;
        const std::string was = Text(c->BoundsRect()) + " in " + Text(parent->GetClientRect());
        Check(across, SidesOfTheirOwn(), name + ".Width", was);
        Check(down, SidesOfTheirOwn(), name + ".Height", was);
      }
    }
  }
  EXPECT_GT(cases, 0);
  RecordProperty("containers", children);
  ExpectNoStaleRows(Shard(), {&SidesOfTheirOwn()});
}

INSTANTIATE_TEST_SUITE_P(Shards, PixelDensity, ::testing::Range(0, kShards));

}  // namespace
