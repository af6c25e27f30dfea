// The values a control takes from its parent, over every registered control class (the
// framework's and the library's package's), each on a panel of a shown form with one item in
// each of its collections: for each of Font, Color, ShowHint and BiDiMode that the class
// publishes (following as its published Parent* switch says, or the framework's where the
// class does not publish it),
//  - a change on the panel, and then on the form, reaches the control exactly while its switch
//    is on, and every control of the form (the control's own sub-controls too) that follows
//    its parent holds its parent's value; the control then looks, and measures, as a twin made
//    with the new value as its own;
//  - each facet the control is given of its own turns the switch off, and the control keeps
//    that value when the panel changes again;
//  - a form file leaves out a value the control takes from its parent, and read back the
//    control holds the same values and follows (or not) as before, before the change and
//    after it;
//  - moved to another panel, the control follows that one.
// And a disabled panel or form keeps the user's clicks, keys and the focus from the control
// and the parts it made, and the control keeps its own Enabled and every published value, then
// and enabled again. A table names each check a class does not pass, with the reason; a row
// that no class of its shard needs any more fails the sweep.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "tests/package/EventTallies.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/PixelCheck.h"

namespace {

namespace tk = win::testkit;
using packagetest::TValues;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 6;

// Sets a facet of a control's own value, a different one from what it holds.
using TFacet = std::function<void(vcl::TControl* c)>;

// A value a control takes from its parent while its switch is on.
struct TFollowed {
  const char* Name;    // the published value
  const char* Switch;  // the switch, published where the class publishes it
  // Gives a parent the k-th new value (k = 0, 1, 2); the three differ from each other and from
  // what a new form or panel holds.
  std::function<void(vcl::TControl* parent, int k)> Give;
  // What is compared of a control.
  std::function<TValues(vcl::TControl* c)> Of;
  // Whether the control follows its parent, and the switch set, as the framework has them.
  std::function<bool(vcl::TControl* c)> Follows;
  std::function<void(vcl::TControl* c, bool on)> SetFollows;
  // The facets of a control's own value, by name.
  std::vector<std::pair<std::string, TFacet>> Facets;
};

vcl::TFont* PublishedFont(vcl::TControl* c) {
  return static_cast<vcl::TFont*>(vcl::GetObjectProp(c, "Font"));
}

// A control's value as its class publishes it (a control that keeps it in a part of its own
// answers from there), else the framework's.
TValues OrdinalOf(vcl::TControl* c, const char* name, int64_t framework) {
  return {
      {name, std::to_string(vcl::IsPublishedProp(c, name) ? vcl::GetOrdProp(c, name) : framework)}};
}
TValues FontOf(vcl::TControl* c) {
  return packagetest::PublishedValues(vcl::IsPublishedProp(c, "Font") ? PublishedFont(c)
                                                                      : c->Font());
}

// Sets a published ordinal value through the class's own setter.
TFacet OrdinalFacet(const char* name, std::function<int64_t(int64_t now)> other) {
  return [name, other](vcl::TControl* c) {
    vcl::SetOrdProp(c, name, other(vcl::GetOrdProp(c, name)));
  };
}

const std::vector<TFollowed>& Followed() {
  static const std::vector<TFollowed> all = {
      {"Font",
       "ParentFont",
       [](vcl::TControl* parent, int k) {
         static const struct {
           const char* Name;
           int Size;
           vcl::TColor Color;
           vcl::TFontStyles Style;
         } fonts[] = {
             {"Courier New", 13, vcl::clMaroon, {vcl::fsBold, vcl::fsItalic}},
             {"Times New Roman", 15, vcl::clGreen, {vcl::fsUnderline}},
             {"Arial", 11, vcl::clNavy, {vcl::fsBold, vcl::fsStrikeOut}},
         };
         vcl::TFont* f = parent->Font();
         f->SetName(fonts[k].Name);
         f->SetSize(fonts[k].Size);
         f->SetColor(fonts[k].Color);
         f->SetStyle(fonts[k].Style);
       },
       FontOf,
       [](vcl::TControl* c) { return c->ParentFont(); },
       [](vcl::TControl* c, bool on) { c->SetParentFont(on); },
       {{"Font.Name",
         [](vcl::TControl* c) {
           vcl::TFont* f = PublishedFont(c);
           f->SetName(f->Name() == "Tahoma" ? "Arial" : "Tahoma");
         }},
        {"Font.Size",
         [](vcl::TControl* c) {
           vcl::TFont* f = PublishedFont(c);
           f->SetSize(f->Size() + 3);
         }},
        {"Font.Color",
         [](vcl::TControl* c) {
           vcl::TFont* f = PublishedFont(c);
           f->SetColor(f->Color() == vcl::clFuchsia ? vcl::clTeal : vcl::clFuchsia);
         }},
        {"Font.Style",
         [](vcl::TControl* c) {
           vcl::TFont* f = PublishedFont(c);
           vcl::TFontStyles s = f->Style();
           if (s.contains(vcl::fsUnderline))
             s -= vcl::fsUnderline;
           else
             s += vcl::fsUnderline;
           f->SetStyle(s);
         }}}},
      {"Color",
       "ParentColor",
       [](vcl::TControl* parent, int k) {
         static const vcl::TColor colors[] = {0x00336699, 0x00CCEEDD, 0x00884422};
         parent->SetColor(colors[k]);
       },
       [](vcl::TControl* c) { return OrdinalOf(c, "Color", c->Color()); },
       [](vcl::TControl* c) { return c->ParentColor(); },
       [](vcl::TControl* c, bool on) { c->SetParentColor(on); },
       {{"Color", OrdinalFacet("Color",
                               [](int64_t now) {
                                 return now == vcl::clAqua ? int64_t{vcl::clOlive}
                                                           : int64_t{vcl::clAqua};
                               })}}},
      {"ShowHint",
       "ParentShowHint",
       [](vcl::TControl* parent, int k) { parent->SetShowHint(k != 1); },
       [](vcl::TControl* c) { return OrdinalOf(c, "ShowHint", c->ShowHint()); },
       [](vcl::TControl* c) { return c->ParentShowHint(); },
       [](vcl::TControl* c, bool on) { c->SetParentShowHint(on); },
       {{"ShowHint", OrdinalFacet("ShowHint", [](int64_t now) { return int64_t{now == 0}; })}}},
      {"BiDiMode",
       "ParentBiDiMode",
       [](vcl::TControl* parent, int k) {
         static const vcl::TBiDiMode modes[] = {vcl::bdRightToLeft, vcl::bdRightToLeftNoAlign,
                                                vcl::bdRightToLeftReadingOnly};
         parent->SetBiDiMode(modes[k]);
       },
       [](vcl::TControl* c) { return OrdinalOf(c, "BiDiMode", c->BiDiMode()); },
       [](vcl::TControl* c) { return c->ParentBiDiMode(); },
       [](vcl::TControl* c, bool on) { c->SetParentBiDiMode(on); },
       {{"BiDiMode", OrdinalFacet("BiDiMode",
                                  [](int64_t now) {
                                    return int64_t{now == vcl::bdRightToLeft ? vcl::bdLeftToRight
                                                                             : vcl::bdRightToLeft};
                                  })}}},
  };
  return all;
}

// Whether the class publishes the value, writable. A class that does not publish the switch
// follows its parent as the framework's switch says.
bool Publishes(vcl::TClass cls, const TFollowed& f) {
  const vcl::TPropInfo* p = vcl::GetPropInfo(cls, f.Name);
  return p && p->IsWritable();
}

// The control's switch, published or the framework's.
bool Switched(vcl::TControl* c, const TFollowed& f) {
  return vcl::IsPublishedProp(c, f.Switch) ? vcl::GetOrdProp(c, f.Switch) != 0 : f.Follows(c);
}
void Switch(vcl::TControl* c, const TFollowed& f, bool on) {
  if (vcl::IsPublishedProp(c, f.Switch))
    vcl::SetOrdProp(c, f.Switch, on ? 1 : 0);
  else
    f.SetFollows(c, on);
}

// The values as one line, for messages.
std::string Shown(const TValues& values) {
  std::ostringstream out;
  for (const auto& [path, value] : values) out << path << "=" << value << " ";
  return out.str();
}

// Every control of the tree under `root` (sub-controls too), the root first.
void ControlsUnder(vcl::TControl* root, std::vector<vcl::TControl*>& all) {
  all.push_back(root);
  if (auto* w = dynamic_cast<vcl::TWinControl*>(root))
    for (int i = 0; i < w->ControlCount(); ++i) ControlsUnder(w->Controls(i), all);
}

// The controls under `root` that follow their parent but hold another value, named.
std::string Strays(vcl::TControl* root, const TFollowed& f) {
  std::vector<vcl::TControl*> all;
  ControlsUnder(root, all);
  std::string strays;
  for (vcl::TControl* c : all)
    if (c != root && c->Parent() && f.Follows(c) && f.Of(c) != f.Of(c->Parent()))
      strays += std::string(c->ClassName()) + " '" + c->Name() + "' holds " + Shown(f.Of(c)) +
                "under " + Shown(f.Of(c->Parent())) + "; ";
  return strays;
}

using packagetest::GiveText;

// One item in each published collection of the control (embedded buttons, panels, sections),
// so that the controls such items make are there to follow.
void GiveCollectionItems(vcl::TControl* c) {
  for (const vcl::TPropInfo* p : vcl::GetPropList(c)) {
    if (p->Kind() != vcl::tkClass) continue;
    auto* collection = dynamic_cast<vcl::TCollection*>(vcl::GetObjectProp(c, p));
    if (collection && collection->Count() == 0) collection->Add();
  }
}

// A control of the class (named X) on a panel of a shown form, with a caption or text, items
// where it takes them and one item in each of its collections. `before`, when given, runs on the
// panel and the control once the control is placed, before it is put on the panel.
class TParentStage {
 public:
  using TBefore = std::function<void(vcl::TPanel* panel, vcl::TControl* c)>;
  TParentStage(vcl::TClass cls, const TBefore& before = {}) : form_(new vcl::TForm(nullptr)) {
    form_->SetName("Host");
    form_->SetBounds(0, 0, 420, 300);
    panel_ = NewPanel("Panel", 8);
    control_ = static_cast<vcl::TControl*>(cls->Create(form_.get()));
    control_->SetName("X");
    control_->SetBounds(8, 8, 120, 60);
    GiveCollectionItems(control_);
    if (before) before(panel_, control_);
    control_->SetParent(panel_);
    GiveText(control_, "Abc");
    packagetest::GiveItems(control_);
    form_->Show();
    tk::RunUntilIdle();
  }
  // A panel of the form, below the one before.
  vcl::TPanel* NewPanel(const char* name, int top) {
    auto* panel = new vcl::TPanel(form_.get());
    panel->SetName(name);
    panel->SetCaption("");
    panel->SetBounds(8, top, 400, 120);
    panel->SetParent(form_.get());
    return panel;
  }
  vcl::TForm* Form() const { return form_.get(); }
  vcl::TPanel* Panel() const { return panel_; }
  vcl::TControl* Control() const { return control_; }
  // What the form shows of the control, painted afresh.
  tk::TCapture Picture() {
    packagetest::PaintShown(form_.get());
    const vcl::TPoint origin = control_->Parent()->ClientOrigin();
    const vcl::TPoint formOrigin = form_->ClientOrigin();
    const int x = origin.X - formOrigin.X + control_->Left();
    const int y = origin.Y - formOrigin.Y + control_->Top();
    return tk::CapturePart(tk::RenderWindow(form_->Handle(), false),
                           {x, y, x + control_->Width(), y + control_->Height()});
  }

 private:
  std::unique_ptr<vcl::TForm> form_;
  vcl::TPanel* panel_ = nullptr;
  vcl::TControl* control_ = nullptr;
};

// The lines of a form file in text that set the value on the object X itself.
std::vector<std::string> StoredOnX(const std::string& bytes, const std::string& name) {
  std::istringstream text(vcl::ObjectBinaryToTextString(bytes));
  std::vector<std::string> found;
  std::string line, indent;
  bool inside = false;
  while (std::getline(text, line)) {
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos) continue;
    const std::string body = line.substr(start);
    if (!inside) {
      if (body.rfind("object X:", 0) == 0 || body.rfind("inline X:", 0) == 0) {
        inside = true;
        indent = line.substr(0, start) + "  ";
      }
      continue;
    }
    if (start + 2 == indent.size() && body == "end") break;
    if (start != indent.size()) continue;
    if (body.rfind(name + " ", 0) == 0 || body.rfind(name + ".", 0) == 0) found.push_back(body);
  }
  return found;
}

// Checks a class does not pass, with the reason, by "Class.Value" (the value followed; a row
// for it spares the class the value's other checks), "Class.Value own", "Class.Value picture",
// "Class.Value file", "Class.Value moved" or "Class.Enabled panel" and "Class.Enabled form".
const std::map<std::string, std::string>& Exempt() {
  static const std::map<std::string, std::string> rows = {
      // A list keeps its top item when its font grows; one made with the font brings its
      // current folder into view when it fills itself.
      {"TDirectoryListBox.Font picture", "the list keeps its top item under a larger font"},
      // The text moves on with the scroll text's timer, which its parent does not stop; its
      // OnScroll tells of that move, not of the user.
      {"TZYLScrollText.Enabled panel", "OnScroll tells of the timer moving the text"},
      // The multi-column box publishes its inner list's Color and Font, always written, and no
      // switch of its own: the inner list starts in the window colour, follows the box's font
      // until it is given one, and keeps what a form file gives it.
      {"TZYLListBox.Color", "Color is the inner list's own"},
      {"TZYLListBox.Font own", "Font is the inner list's, whose switch is not published"},
      {"TZYLListBox.Font file", "the inner list's Font is always written"},
      // The LED label publishes Color without its switch: a form file always holds its colour.
      {"TZYLLEDLabel.Color file", "Color is written unless black, and there is no ParentColor"},
      // The clock shows the time, which moves on between its picture and its twin's.
      {"TZYLClock.ShowHint picture", "the hands move on between the two pictures"},
  };
  return rows;
}

class ParentProperties : public packagetest::TControlClassesSweep {
 protected:
  std::vector<vcl::TClass> Shard() const {
    std::vector<vcl::TClass> shard;
    for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards)
      shard.push_back(classes_[k]);
    return shard;
  }
  // Runs a check that answers what went wrong ("" for nothing); an exempt check that passes
  // is stale.
  void Check(vcl::TClass cls, const std::string& what, const std::function<std::string()>& run) {
    const std::string key = std::string(cls->ClassName()) + "." + what;
    // A value the class does not follow at all has no other check.
    const std::string followed =
        std::string(cls->ClassName()) + "." + what.substr(0, what.find(' '));
    if (followed != key && Exempt().count(followed)) return;
    const bool exempt = Exempt().count(key) > 0;
    if (exempt) exempted_.insert(key);
    std::string failure;
    try {
      failure = run();
    } catch (const std::exception& e) {
      failure = std::string("raised ") + e.what();
    }
    if (exempt && failure.empty())
      ADD_FAILURE() << key << " passes: its row in the table is stale";
    else if (!exempt && !failure.empty())
      ADD_FAILURE() << key << ": " << failure;
  }
  // The rows of the classes of this shard for `what` (a suffix of the key) that no check used.
  void ExpectNoStaleRows(const std::vector<std::string>& suffixes) {
    std::set<std::string> names;
    for (vcl::TClass cls : Shard()) names.insert(cls->ClassName());
    for (const auto& [key, reason] : Exempt()) {
      const std::string cls = key.substr(0, key.find('.'));
      if (!names.count(cls) || exempted_.count(key)) continue;
      for (const std::string& s : suffixes)
        if (key.size() >= s.size() && key.compare(key.size() - s.size(), s.size(), s) == 0)
          ADD_FAILURE() << key << " (" << reason << ") was not needed";
    }
  }

  vcl::testkit::TDialogScript noAnswers_;
  std::set<std::string> exempted_;
};

// A change on the panel, then on the form, reaches a control that follows, and only that one.
std::string FollowsPanelAndForm(TParentStage& s, const TFollowed& f) {
  vcl::TControl* c = s.Control();
  Switch(c, f, true);
  tk::RunUntilIdle();
  std::string out;
  if (f.Of(c) != f.Of(s.Panel())) out += "does not take the panel's value when switched on; ";
  f.Give(s.Panel(), 0);
  tk::RunUntilIdle();
  if (f.Of(c) != f.Of(s.Panel())) out += "does not follow the panel: " + Shown(f.Of(c)) + "; ";
  if (!Switched(c, f)) out += "the switch went off; ";
  // The panel follows the form again, and so the control.
  vcl::SetOrdProp(s.Panel(), f.Switch, 1);
  f.Give(s.Form(), 1);
  tk::RunUntilIdle();
  if (f.Of(c) != f.Of(s.Form())) out += "does not follow the form: " + Shown(f.Of(c)) + "; ";
  out += Strays(s.Form(), f);
  return out;
}

// Each facet of a value of its own turns the switch off, and the control keeps its value
// when the panel changes.
std::string OwnValueStops(TParentStage& s, const TFollowed& f) {
  vcl::TControl* c = s.Control();
  std::string out;
  int k = 0;
  for (const auto& [facet, give] : f.Facets) {
    Switch(c, f, true);
    give(c);
    tk::RunUntilIdle();
    if (Switched(c, f)) out += facet + " of its own leaves the switch on; ";
    const TValues own = f.Of(c);
    f.Give(s.Panel(), k++ % 3);
    tk::RunUntilIdle();
    if (f.Of(c) != own) out += facet + " of its own gives way to the panel's; ";
  }
  return out;
}

TEST_P(ParentProperties, AControlFollowsItsPanelAndFormExactlyWhileItsSwitchIsOn) {
  ASSERT_GT(classes_.size(), 60u);
  int followed = 0;
  for (vcl::TClass cls : Shard()) {
    SCOPED_TRACE(cls->ClassName());
    for (const TFollowed& f : Followed()) {
      if (!Publishes(cls, f)) continue;
      SCOPED_TRACE(f.Name);
      ++followed;
      {
        TParentStage s(cls);
        Check(cls, f.Name, [&] { return FollowsPanelAndForm(s, f); });
      }
      {
        TParentStage s(cls);
        Check(cls, std::string(f.Name) + " own", [&] { return OwnValueStops(s, f); });
      }
    }
  }
  EXPECT_GT(followed, 0);
  ExpectNoStaleRows({".Font", ".Color", ".ShowHint", ".BiDiMode", " own"});
}

// Followed or given as its own, the value looks and measures the same.
TEST_P(ParentProperties, AControlFollowingANewValueLooksAsATwinMadeWithIt) {
  int compared = 0;
  for (vcl::TClass cls : Shard()) {
    SCOPED_TRACE(cls->ClassName());
    for (const TFollowed& f : Followed()) {
      if (!Publishes(cls, f)) continue;
      SCOPED_TRACE(f.Name);
      ++compared;
      Check(cls, std::string(f.Name) + " picture", [&]() -> std::string {
        // One form at a time, each the active one when it is seen.
        vcl::TRect bounds;
        tk::TCapture seen;
        {
          TParentStage s(cls, [&](vcl::TPanel*, vcl::TControl* c) { Switch(c, f, true); });
          f.Give(s.Panel(), 0);
          tk::RunUntilIdle();
          bounds = s.Control()->BoundsRect();
          seen = s.Picture();
        }
        TParentStage twin(cls, [&](vcl::TPanel* panel, vcl::TControl* c) {
          f.Give(panel, 0);
          if (std::string(f.Name) == "Font")
            PublishedFont(c)->Assign(panel->Font());
          else
            vcl::SetPropValue(c, f.Name, vcl::GetPropValue(panel, f.Name));
          Switch(c, f, false);
        });
        vcl::TControl* t = twin.Control();
        if (bounds != t->BoundsRect())
          return "measures " + std::to_string(bounds.Width()) + " x " +
                 std::to_string(bounds.Height()) + ", its twin " + std::to_string(t->Width()) +
                 " x " + std::to_string(t->Height());
        const auto same = tk::SamePixels(seen, twin.Picture(),
                                         std::string(cls->ClassName()) + "_follows_" + f.Name);
        return same ? "" : same.message();
      });
    }
  }
  EXPECT_GT(compared, 0);
  ExpectNoStaleRows({" picture"});
}

// What a form file holds of the value, and what reading it back gives.
std::string RoundTrip(TParentStage& s, const TFollowed& f, const char* when) {
  vcl::TControl* c = s.Control();
  const bool follows = Switched(c, f);
  const std::string bytes = vcl::WriteComponentToBytes(s.Form());
  std::string out;
  const std::vector<std::string> stored = StoredOnX(bytes, f.Name);
  if (follows && !stored.empty()) out += std::string(when) + ": stored " + stored[0] + "; ";
  auto read = std::make_unique<vcl::TForm>(nullptr);
  vcl::ReadComponentFromBytes(bytes, read.get());
  auto* x = dynamic_cast<vcl::TControl*>(read->FindComponent("X"));
  auto* panel = dynamic_cast<vcl::TControl*>(read->FindComponent("Panel"));
  if (!x || !panel) return out + when + ": X or its panel was not read back; ";
  if (Switched(x, f) != follows) out += std::string(when) + ": switch; ";
  if (f.Of(x) != f.Of(c))
    out += std::string(when) + ": read back " + Shown(f.Of(x)) + "for " + Shown(f.Of(c)) + "; ";
  const TValues own = f.Of(x);
  f.Give(panel, 2);
  if (follows && f.Of(x) != f.Of(panel)) out += std::string(when) + ": read back, not following; ";
  if (!follows && f.Of(x) != own) out += std::string(when) + ": read back, follows; ";
  return out;
}

TEST_P(ParentProperties, AFormFileHoldsOnlyAValueOfItsOwnAndReadBackTheControlFollowsAsBefore) {
  int written = 0;
  for (vcl::TClass cls : Shard()) {
    SCOPED_TRACE(cls->ClassName());
    for (const TFollowed& f : Followed()) {
      if (!Publishes(cls, f)) continue;
      SCOPED_TRACE(f.Name);
      ++written;
      Check(cls, std::string(f.Name) + " file", [&] {
        TParentStage s(cls, [&](vcl::TPanel*, vcl::TControl* c) { Switch(c, f, true); });
        std::string out = RoundTrip(s, f, "before the change");
        f.Give(s.Panel(), 0);
        f.Give(s.Form(), 1);
        tk::RunUntilIdle();
        out += RoundTrip(s, f, "after the change");
        f.Facets.front().second(s.Control());
        tk::RunUntilIdle();
        return out + RoundTrip(s, f, "with its own value");
      });
    }
  }
  EXPECT_GT(written, 0);
  ExpectNoStaleRows({" file"});
}

TEST_P(ParentProperties, AControlMovedToAnotherPanelFollowsThatOne) {
  int moved = 0;
  for (vcl::TClass cls : Shard()) {
    SCOPED_TRACE(cls->ClassName());
    for (const TFollowed& f : Followed()) {
      if (!Publishes(cls, f)) continue;
      SCOPED_TRACE(f.Name);
      ++moved;
      Check(cls, std::string(f.Name) + " moved", [&] {
        TParentStage s(cls, [&](vcl::TPanel*, vcl::TControl* c) { Switch(c, f, true); });
        vcl::TPanel* other = s.NewPanel("Other", 140);
        other->SetParentFont(false);
        other->SetParentColor(false);
        other->SetParentShowHint(false);
        other->SetParentBiDiMode(false);
        f.Give(other, 2);
        s.Control()->SetParent(other);
        tk::RunUntilIdle();
        std::string out;
        if (f.Of(s.Control()) != f.Of(other))
          out += "holds " + Shown(f.Of(s.Control())) + "on a panel of " + Shown(f.Of(other));
        return out + Strays(s.Form(), f);
      });
    }
  }
  EXPECT_GT(moved, 0);
  ExpectNoStaleRows({" moved"});
}

using packagetest::IsUsersInputEvent;

// Counts the input events of a control while it lives.
class TInputCount {
 public:
  TInputCount(vcl::TControl* c, packagetest::THandlers& handlers) {
    for (const vcl::TPropInfo* p : packagetest::EventsOf(c->ClassType())) {
      if (!IsUsersInputEvent(p->Name)) continue;
      const vcl::TMethod* m = handlers.For(
          p->PropType->Signature, [fired = Fired, p](vcl::TObject*) { *fired += p->Name + " "; });
      if (m) vcl::SetMethodProp(c, p, *m);
    }
  }
  // Outlives the control, whose last events may come as it is freed.
  std::shared_ptr<std::string> Fired = std::make_shared<std::string>();
};

// The middle of a control on the screen.
vcl::TPoint Middle(vcl::TControl* c) {
  return c->Parent()->ClientToScreen({c->Left() + c->Width() / 2, c->Top() + c->Height() / 2});
}

// A user's click, right click, wheel and keys on the control, and a click on each control it
// made of its own (its embedded buttons and parts) that shows.
void Handle(TParentStage& s) {
  vcl::TControl* c = s.Control();
  std::vector<vcl::TControl*> all;
  ControlsUnder(c, all);
  std::vector<vcl::TPoint> parts;
  for (vcl::TControl* part : all)
    if (part != c && part->Visible() && part->Width() > 0 && part->Height() > 0)
      parts.push_back(Middle(part));
  const vcl::TPoint at = Middle(c);
  tk::Click(at.X, at.Y);
  tk::AdvanceClock(1000);
  tk::Click(at.X, at.Y, 1);
  tk::AdvanceClock(1000);
  tk::Wheel(-win::WHEEL_DELTA);
  tk::TypeText("a");
  tk::KeyPress(win::VK_DOWN);
  for (const vcl::TPoint& p : parts) {
    tk::Click(p.X, p.Y);
    tk::AdvanceClock(1000);
  }
  tk::RunUntilIdle();
}

TEST_P(ParentProperties, ADisabledPanelOrFormKeepsTheUsersInputFromItsControls) {
  packagetest::THandlers handlers;
  int reached = 0, swept = 0;
  for (vcl::TClass cls : Shard()) {
    SCOPED_TRACE(cls->ClassName());
    for (const char* disabled : {"panel", "form"}) {
      SCOPED_TRACE(disabled);
      ++swept;
      Check(cls, std::string("Enabled ") + disabled, [&]() -> std::string {
        TParentStage s(cls);
        vcl::TControl* c = s.Control();
        TInputCount count(c, handlers);
        try {
          Handle(s);
        } catch (const vcl::testkit::EDialogScript&) {
          // a dialog the user brought up was closed at once
        }
        if (!count.Fired->empty()) ++reached;
        count.Fired->clear();
        vcl::TControl* parent =
            std::string(disabled) == "panel" ? static_cast<vcl::TControl*>(s.Panel()) : s.Form();
        const TValues before = packagetest::PublishedValues(c);
        parent->SetEnabled(false);
        tk::RunUntilIdle();
        std::string out;
        if (!c->Enabled()) out += "its Enabled went off; ";
        if (auto* w = dynamic_cast<vcl::TWinControl*>(c)) {
          // A control on a disabled form may be given the focus for when the form comes back.
          if (parent == s.Panel() && w->CanFocus()) out += "can take the focus; ";
          if (w->Focused()) out += "keeps the focus; ";
        }
        Handle(s);
        if (!count.Fired->empty()) out += "heard " + *count.Fired;
        packagetest::PaintShown(s.Form());
        // Nothing the user did reached a published value, and enabled again the control holds
        // what it held.
        for (const std::string& path :
             packagetest::ChangedPaths(before, packagetest::PublishedValues(c)))
          out += path + " changed under a disabled " + disabled + "; ";
        parent->SetEnabled(true);
        tk::RunUntilIdle();
        for (const std::string& path :
             packagetest::ChangedPaths(before, packagetest::PublishedValues(c)))
          out += path + " changed enabled again; ";
        return out;
      });
    }
  }
  EXPECT_GT(swept, 0);
  EXPECT_GT(reached, 0) << "no control of the shard heard the user at all";
  ExpectNoStaleRows({"Enabled panel", "Enabled form"});
}

INSTANTIATE_TEST_SUITE_P(Shards, ParentProperties, ::testing::Range(0, kShards));

}  // namespace
