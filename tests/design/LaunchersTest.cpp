// The editor launchers: every launcher over every way out of its form (only OK changes the
// edited object), what the framework dialogs start with and give back, the list-file filters and
// the one modification a caller reports to the designer.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYL3DButton.h"
#include "buttons/ZYLSimplePanel.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/ZYLCPGet.h"
#include "design/pZYLDateListEditorDlg.h"
#include "design/pZYLDsgnCPGet.h"
#include "display/ZYLFill.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLEDLabel.h"
#include "display/ZYLLabel.h"
#include "display/ZYLNImage.h"
#include "display/ZYLProgress.h"
#include "display/ZYLShapeControl.h"
#include "display/ZYLSmallBar.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/Filer.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Menus.h"
#include "platform/designer/FormDesigner.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/DateTime.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLStarter.h"
#include "tests/design/DesignPixels.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/MediaFiles.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

// One launcher as the data-driven test sees it: a holder named Target whose form stream
// carries the edited value, the launcher on that value, the steps of a user's change in the
// form (not yet accepted; they may answer dialogs the form opens), the button that accepts and
// what acceptance leaves in the holder.
using TSteps = std::function<void(vt::TDialogScript&)>;
struct TLauncherCase {
  const char* Name;
  std::function<std::unique_ptr<vcl::TComponent>()> MakeHolder;
  std::function<bool(vcl::TComponent*)> Launch;
  TSteps Change;
  const char* Accept;
  std::function<void(vcl::TComponent*)> ExpectEdited;
  // What must stay as it was unless the form is accepted: the holder's form stream.
  std::function<std::string(vcl::TComponent*)> State = [](vcl::TComponent* c) {
    return vcl::WriteComponentToBytes(c);
  };
  // Forms whose OK and Cancel are the library's own buttons are answered through the buttons
  // of these names (nullptr: the framework's buttons captioned Accept and "Cancel").
  const char* OkName = nullptr;
  const char* CancelName = nullptr;
};

template <class T>
std::function<std::unique_ptr<vcl::TComponent>()> Holder(std::function<void(T*)> setup = {}) {
  return [setup] {
    auto h = std::make_unique<T>(nullptr);
    h->SetName("Target");
    if (setup) setup(h.get());
    return std::unique_ptr<vcl::TComponent>(std::move(h));
  };
}

template <class T>
T* As(vcl::TComponent* c) {
  return static_cast<T*>(c);
}

// A change made on the launcher's form alone.
TSteps InForm(std::function<void(vcl::TCustomForm*)> change) {
  return [change](vt::TDialogScript& script) { script.Do(change); };
}

void Combo(vcl::TCustomForm* f, const char* name, const std::string& item) {
  designtest::ChooseComboItem(On<vcl::TWinControl>(f, name), item);
}

// Clicks the colour dialog's basic colour of that index (rows of eight).
void ClickBasicColor(vcl::TCustomForm* f, int index) {
  auto* grid = On<vcl::TWinControl>(f, "BasicColors");
  const int w = grid->ClientWidth() / 8, h = grid->ClientHeight() / 6;
  const vcl::TPoint p = grid->ClientToScreen({(index % 8) * w + w / 2, (index / 8) * h + h / 2});
  wt::Click(p.X, p.Y);
}

constexpr int kBasicColor = 13;  // a colour no holder starts with

const designtest::TPalette kPal = {
    {'R', vcl::clRed}, {'G', vcl::clLime}, {'B', vcl::clBlue}, {'.', vcl::clSilver}};

// A bitmap file of those rows in the folder.
std::string WriteBitmapFile(const testsupport::TempDir& dir, const char* name,
                            const std::vector<std::string>& rows) {
  vcl::TBitmap bmp;
  designtest::Paint(bmp, rows, kPal);
  const std::string path = dir.File(name);
  bmp.SaveToFile(path);
  return path;
}

// On the 3D effect generator's form: loads the picture through "&Picture >>" and runs the
// generator.
TSteps Generate(const std::string& picture) {
  return [picture](vt::TDialogScript& script) {
    script.Do([](vcl::TCustomForm* f) { vt::ClickControl(On<vcl::TControl>(f, "btngetpic")); })
        .ChooseFiles({picture})
        .Do([](vcl::TCustomForm* f) { vt::ClickControl(On<vcl::TControl>(f, "EXECUTE")); });
  };
}

// The mask's pixels: '#' opaque (black), ' ' see-through (white).
std::vector<std::string> MaskRows(vcl::TBitmap* mask) {
  std::vector<std::string> rows(mask->Height(), std::string(mask->Width(), '?'));
  for (int y = 0; y < mask->Height(); ++y)
    for (int x = 0; x < mask->Width(); ++x) {
      const vcl::TColor c = vcl::ColorToRGB(mask->Canvas()->Pixels(x, y));
      rows[y][x] = c == vcl::clBlack ? '#' : c == vcl::clWhite ? ' ' : '?';
    }
  return rows;
}

std::vector<TLauncherCase> LauncherCases(const testsupport::TempDir& dir) {
  const std::string bitmapFile = WriteBitmapFile(dir, "face.bmp", {"RGB", "BGR"});
  const std::string shapeFile =
      WriteBitmapFile(dir, "shape.bmp", {".....", ".....", "..R..", ".....", "....."});
  return {
      {"bevel", Holder<TZYLSimplePanel>([](auto* p) { p->Bevel()->SetMode(bmEdge); }),
       [](vcl::TComponent* c) { return ZYLCPGetBevel(As<TZYLSimplePanel>(c)->Bevel()); },
       InForm([](vcl::TCustomForm* f) { Combo(f, "cmbEdge", "etSunken"); }), "OK",
       [](vcl::TComponent* c) {
         EXPECT_EQ(As<TZYLSimplePanel>(c)->Bevel()->EdgeStyle(), etSunken);
       }},
      {"shadow", Holder<TZYLShapeControl>(),
       [](vcl::TComponent* c) { return ZYLCPGetShadow(As<TZYLShapeControl>(c)->Shadow()); },
       InForm([](vcl::TCustomForm* f) { vt::TypeInto(On<vcl::TWinControl>(f, "spind"), "21"); }),
       "OK", [](vcl::TComponent* c) { EXPECT_EQ(As<TZYLShapeControl>(c)->Shadow()->Depth(), 21); }},
      {"simple bevel", Holder<TZYLShapeControl>(),
       [](vcl::TComponent* c) { return ZYLCPGetSimpleBevel(As<TZYLShapeControl>(c)->Bevel()); },
       InForm([](vcl::TCustomForm* f) { Combo(f, "cmbL", "clFuchsia"); }), "OK",
       [](vcl::TComponent* c) {
         EXPECT_EQ(As<TZYLShapeControl>(c)->Bevel()->LightColor(), vcl::clFuchsia);
       }},
      {"teeth", Holder<TZYLShapeControl>(),
       [](vcl::TComponent* c) { return ZYLCPGetTeeth(As<TZYLShapeControl>(c)->Teeth()); },
       InForm([](vcl::TCustomForm* f) { vt::TypeInto(On<vcl::TWinControl>(f, "spinc"), "31"); }),
       "OK", [](vcl::TComponent* c) { EXPECT_EQ(As<TZYLShapeControl>(c)->Teeth()->Count(), 31); }},
      {"brush", Holder<vcl::TShape>(),
       [](vcl::TComponent* c) { return ZYLCPGetBrush(As<vcl::TShape>(c)->Brush()); },
       InForm([](vcl::TCustomForm* f) { Combo(f, "cmbc", "clTeal"); }), "OK",
       [](vcl::TComponent* c) { EXPECT_EQ(As<vcl::TShape>(c)->Brush()->Color(), vcl::clTeal); }},
      {"small bar", Holder<TZYLProgress>(),
       [](vcl::TComponent* c) { return ZYLCPGetSmallBar(As<TZYLProgress>(c)->SmallBar()); },
       InForm([](vcl::TCustomForm* f) { vt::TypeInto(On<vcl::TWinControl>(f, "spinc"), "9"); }),
       "OK", [](vcl::TComponent* c) { EXPECT_EQ(As<TZYLProgress>(c)->SmallBar()->BarCount(), 9); }},
      {"gradient", Holder<TZYLFill>([](auto* f) { f->FillObject()->SetFillStyle(sfGradient); }),
       [](vcl::TComponent* c) {
         return ZYLCPGetGradient(As<TZYLFill>(c)->FillObject()->Gradient());
       },
       InForm([](vcl::TCustomForm* f) { Combo(f, "cmbb", "clOlive"); }), "OK",
       [](vcl::TComponent* c) {
         EXPECT_EQ(As<TZYLFill>(c)->FillObject()->Gradient()->Color(), vcl::clOlive);
       }},
      {"bitmap", Holder<vcl::TSpeedButton>(),
       [](vcl::TComponent* c) { return ZYLCPGetBitmap(As<vcl::TSpeedButton>(c)->Glyph()); },
       InForm([bitmapFile](vcl::TCustomForm* f) {
         vt::TypeInto(On<vcl::TWinControl>(f, "FileName"), bitmapFile);
       }),
       "OK",
       [](vcl::TComponent* c) {
         vcl::TBitmap* g = As<vcl::TSpeedButton>(c)->Glyph();
         EXPECT_EQ(g->Width(), 3);
         EXPECT_EQ(g->Height(), 2);
         EXPECT_EQ(g->Canvas()->Pixels(1, 0), vcl::clLime);
       }},
      {"colour", Holder<vcl::TPanel>(),
       [](vcl::TComponent* c) {
         auto* p = As<vcl::TPanel>(c);
         const vcl::TColor was = p->Color();
         p->SetColor(ZYLCPGetColor(was, nullptr));
         return p->Color() != was;
       },
       InForm([](vcl::TCustomForm* f) { ClickBasicColor(f, kBasicColor); }), "OK",
       [](vcl::TComponent* c) {
         EXPECT_EQ(As<vcl::TPanel>(c)->Color(), vcl::TColorDialog::BasicColors()[kBasicColor]);
       }},
      {"font", Holder<vcl::TPanel>(),
       [](vcl::TComponent* c) { return ZYLCPGetFont(As<vcl::TPanel>(c)->Font()); },
       InForm([](vcl::TCustomForm* f) { vt::TypeInto(On<vcl::TWinControl>(f, "FontSize"), "22"); }),
       "OK", [](vcl::TComponent* c) { EXPECT_EQ(As<vcl::TPanel>(c)->Font()->Size(), 22); }},
      {"3D button face", Holder<TZYL3DEffectButton>([](auto* b) { b->SetWidth(40); }),
       [](vcl::TComponent* c) { return ZYLCPGetButtonFace3D(As<TZYL3DEffectButton>(c)); },
       Generate(shapeFile), "OK",
       [](vcl::TComponent* c) {
         auto* b = As<TZYL3DEffectButton>(c);
         // Bevel width 2 around the 5 x 5 picture; the dot with its rings is opaque, the
         // background around them see-through.
         EXPECT_EQ(b->Width(), 9);
         EXPECT_EQ(b->Height(), 9);
         for (int n = 0; n < 3; ++n) {
           ASSERT_NE(b->Picture(n), nullptr);
           EXPECT_EQ(b->Picture(n)->Width(), 9);
           EXPECT_EQ(MaskRows(b->Mask(n))[0][0], ' ');
           EXPECT_EQ(MaskRows(b->Mask(n))[5][5], '#');
         }
       }},
  };
}

// The launchers of the editors whose cases the editor tests share: the same holders, changes
// and results, opened through the launcher.
std::vector<TLauncherCase> SharedEditorLaunchers() {
  const std::map<std::string, std::function<bool(vcl::TComponent*)>> launchers = {
      {"caption",
       [](vcl::TComponent* c) {
         return ZYLCPGetZYLCaption(As<TZYLShapeControl>(c)->Caption(), true);
       }},
      {"button layout",
       [](vcl::TComponent* c) { return ZYLCPGetButtonLayout(As<TZYLSpeedButton>(c)->Layout()); }},
      {"glyph-text layout",
       [](vcl::TComponent* c) {
         return ZYLCPGetGlyphTextLayout(As<TZYLGlyphLabel>(c)->GlyphLayout());
       }},
      {"fill object",
       [](vcl::TComponent* c) { return ZYLCPGetFillObject(As<TZYLFill>(c)->FillObject()); }},
      {"shape fill",
       [](vcl::TComponent* c) { return ZYLCPGetShapeFill(As<TZYLShapeControl>(c)->ShapeFill()); }},
      {"effect caption",
       [](vcl::TComponent* c) { return ZYLCPGetFontFx(As<TZYLLabel>(c)->FontFX()); }},
      {"3D caption",
       [](vcl::TComponent* c) { return ZYLCPGetFont3D(As<TZYLGlyphLabel>(c)->Font3D()); }},
      {"transparency",
       [](vcl::TComponent* c) {
         return ZYLCPGetTransparent(As<TZYLNImage>(c)->TransparentStyle());
       }},
      {"LED", [](vcl::TComponent* c) { return ZYLCPGetLED(As<TZYLLEDLabel>(c)->LED()); }},
  };
  std::vector<TLauncherCase> cases;
  for (const designtest::TEditorCase& e : designtest::SettingsEditorCases()) {
    const auto it = launchers.find(e.Name);
    if (it == launchers.end()) {
      ADD_FAILURE() << "No launcher opens the editor of the case " << e.Name;
      continue;
    }
    cases.push_back({e.Name, e.MakeHolder, it->second, InForm(e.Change), "OK", e.ExpectEdited});
  }
  EXPECT_EQ(cases.size(), launchers.size());
  return cases;
}

// The wave launcher on a wave component holding a short wave; the change clears it.
TLauncherCase WaveLauncher() {
  return {"wave",
          Holder<TZYLWaveComp>(
              [](auto* w) { w->Wave()->SetData(testsupport::MakeWave(1, 8000, 8, 20)); }),
          [](vcl::TComponent* c) { return ZYLCPGetWave(As<TZYLWaveComp>(c)->Wave()); },
          InForm([](vcl::TCustomForm* f) { vt::ClickControl(On<vcl::TControl>(f, "Clear")); }),
          "OK",
          [](vcl::TComponent* c) { EXPECT_TRUE(As<TZYLWaveComp>(c)->Wave()->Data().empty()); }};
}

// The launchers of the list editors, each on a list of two items; the change marks every
// item compressed ("Check all" of the Tools menu).
template <class TList>
TLauncherCase ListLauncher(const char* name, bool (*launch)(TList*)) {
  TLauncherCase c{name,
                  Holder<TList>([](TList* l) {
                    l->Add();
                    l->Add();
                  }),
                  [launch](vcl::TComponent* c) { return launch(As<TList>(c)); },
                  InForm([](vcl::TCustomForm* f) { On<vcl::TMenuItem>(f, "checkall")->Click(); }),
                  "OK",
                  [](vcl::TComponent* c) {
                    for (int i = 0; i < 2; ++i) EXPECT_TRUE(As<TList>(c)->Item(i)->Compressed);
                  }};
  c.OkName = "ZYLButton1";
  c.CancelName = "ZYLButton2";
  return c;
}

std::vector<TLauncherCase> ListLaunchers() {
  return {ListLauncher<TZYLBitmapList>("bitmap list", &ZYLCPGetBitmapList),
          ListLauncher<TZYLImageList>("image list", &ZYLCPGetImageList),
          ListLauncher<TZYLWaveList>("wave list", &ZYLCPGetWaveList),
          ListLauncher<TZYLStringList>("string list", &ZYLCPGetStringList)};
}

// Holds a point list for the launcher test, whose state is the list's points.
class TPointHolder : public vcl::TComponent {
 public:
  explicit TPointHolder(vcl::TComponent* AOwner) : vcl::TComponent(AOwner) {}
  TZYLPointList List;
};

std::string PointsOf(vcl::TComponent* c) {
  const TZYLPointList& l = As<TPointHolder>(c)->List;
  std::string s;
  for (int i = 0; i < l.Count(); ++i)
    s += std::to_string(l.Point(i).X) + "," + std::to_string(l.Point(i).Y) + " ";
  return s;
}

class TDateListHolder : public vcl::TComponent {
 public:
  explicit TDateListHolder(vcl::TComponent* AOwner) : vcl::TComponent(AOwner) {}
  TZYLDateList List;
};

std::string DatesOf(vcl::TComponent* c) {
  std::string s;
  for (const std::string& line : ZYLDateListToLines(&As<TDateListHolder>(c)->List)) s += line + "|";
  return s;
}

// The launchers of the value pickers. The pickers of a value answer it, and the holder takes it.
std::vector<TLauncherCase> PickerLaunchers() {
  TLauncherCase points{
      "point list",
      Holder<TPointHolder>([](auto* h) {
        h->List.AddPoint({-32768, 12});
      }),
      [](vcl::TComponent* c) { return ZYLCPGetPointList(&As<TPointHolder>(c)->List); },
      InForm([](vcl::TCustomForm* f) {
        vt::ClickControl(On<vcl::TControl>(f, "btAdd"));
        vt::TypeInto(On<vcl::TWinControl>(f, "XVal"), "300");
      }),
      "Ok",
      [](vcl::TComponent* c) { EXPECT_EQ(PointsOf(c), "-32768,12 300,0 "); }};
  points.State = PointsOf;
  TLauncherCase dates{
      "date list",
      Holder<TDateListHolder>([](auto* h) {
        h->List.AddDate({vcl::EncodeDate(2001, 2, 3) + vcl::EncodeTime(4, 5, 6, 0), "first"});
      }),
      [](vcl::TComponent* c) { return ZYLCPGetDateList(&As<TDateListHolder>(c)->List); },
      InForm([](vcl::TCustomForm* f) { vt::ClickControl(On<vcl::TControl>(f, "AddBtn")); }),
      "Ok",
      [](vcl::TComponent* c) {
        const std::string today = vcl::DateToStr(vcl::Date()) + ";" + vcl::TimeToStr(vcl::Time());
        EXPECT_EQ(DatesOf(c), vcl::DateToStr(vcl::EncodeDate(2001, 2, 3)) + ";" +
                                  vcl::TimeToStr(vcl::EncodeTime(4, 5, 6, 0)) + ";first|" + today +
                                  ";-|");
      }};
  dates.State = DatesOf;
  return {
      {"date and time", Holder<TZYLStarter>([](auto* s) {
         s->StartTime()->SetValue(vcl::EncodeDate(2010, 1, 31) + vcl::EncodeTime(8, 0, 0, 0));
       }),
       [](vcl::TComponent* c) { return ZYLCPGetDateTime(As<TZYLStarter>(c)->StartTime()); },
       InForm([](vcl::TCustomForm* f) {
         vt::TypeInto(On<vcl::TWinControl>(f, "DayEdit"), "3");
         vt::TypeInto(On<vcl::TWinControl>(f, "MonthEdit"), "4");
       }),
       "OK",
       [](vcl::TComponent* c) {
         EXPECT_EQ(As<TZYLStarter>(c)->StartTime()->GetSetStr(), "{2010-04-03 08:00:00}");
       }},
      {"date-time format", Holder<TZYLInformationLabel>(),
       [](vcl::TComponent* c) {
         auto* l = As<TZYLInformationLabel>(c);
         std::string format = l->DateTimeFormat();
         if (!ZYLCPGetDateTimeFormat(format)) return false;
         l->SetDateTimeFormat(format);
         return true;
       },
       InForm(
           [](vcl::TCustomForm* f) { vt::TypeInto(On<vcl::TWinControl>(f, "Edit1"), "dd.mm.yy"); }),
       "OK",
       [](vcl::TComponent* c) {
         EXPECT_EQ(As<TZYLInformationLabel>(c)->DateTimeFormat(), "dd.mm.yy");
       }},
      {"bitmap style", Holder<TZYLNImage>([](auto* i) { i->SetStyle(sbTile); }),
       [](vcl::TComponent* c) {
         auto* i = As<TZYLNImage>(c);
         const TZYLBitmapStyle was = i->Style();
         i->SetStyle(ZYLCPGetBitmapStyle(was));
         return i->Style() != was;
       },
       InForm([](vcl::TCustomForm* f) { Combo(f, "pred", "sbStretch"); }), "OK",
       [](vcl::TComponent* c) { EXPECT_EQ(As<TZYLNImage>(c)->Style(), sbStretch); }},
      {"shape", Holder<TZYLShapeControl>(),
       [](vcl::TComponent* c) {
         auto* s = As<TZYLShapeControl>(c);
         const TZYLShapeType was = s->Shape();
         s->SetShape(ZYLCPGetShape(was));
         return s->Shape() != was;
       },
       InForm([](vcl::TCustomForm* f) { Combo(f, "pred", "stDirectUp"); }), "OK",
       [](vcl::TComponent* c) { EXPECT_EQ(As<TZYLShapeControl>(c)->Shape(), stDirectUp); }},
      points,
      dates,
  };
}

// Leaves the form shown as `ending` says, after `change`.
void Answer(vt::TDialogScript& script, const TLauncherCase& c, TEnding ending) {
  c.Change(script);
  auto click = [&script](const char* name) {
    script.Do([name](vcl::TCustomForm* f) { vt::ClickControl(On<vcl::TControl>(f, name)); });
  };
  switch (ending) {
    case TEnding::Ok: c.OkName ? click(c.OkName) : void(script.Press(c.Accept)); break;
    case TEnding::Cancel: c.CancelName ? click(c.CancelName) : void(script.Press("Cancel")); break;
    case TEnding::CloseBox:
      script.Do([](vcl::TCustomForm* f) { designtest::ClickCloseBox(f->Handle()); });
      break;
    case TEnding::Escape: script.PressKey(win::VK_ESCAPE); break;
    case TEnding::Exception:
      script.Do([](vcl::TCustomForm*) { throw vcl::Exception("failure inside the editor"); });
      break;
    case TEnding::Unanswered: break;
  }
}

class Launchers : public ::testing::Test {
 protected:
  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  testsupport::TempDir dir_;
  // The wave chooser keeps its favourite folders in the registry.
  testsupport::TEnvGuard registry_{"ZYL_REGISTRY_DIR", dir_.File("registry")};
};

TEST_F(Launchers, OnlyAcceptanceChangesTheEditedObject) {
  std::vector<TLauncherCase> cases = LauncherCases(dir_);
  for (TLauncherCase& c : SharedEditorLaunchers()) cases.push_back(std::move(c));
  cases.push_back(WaveLauncher());
  for (TLauncherCase& c : PickerLaunchers()) cases.push_back(std::move(c));
  for (TLauncherCase& c : ListLaunchers()) cases.push_back(std::move(c));
  for (const TLauncherCase& c : cases) {
    for (TEnding ending :
         {TEnding::Ok, TEnding::Cancel, TEnding::CloseBox, TEnding::Escape, TEnding::Exception}) {
      SCOPED_TRACE(std::string(c.Name) + ", " + designtest::EndingName(ending));
      auto holder = c.MakeHolder();
      const std::string before = c.State(holder.get());
      vt::TDialogScript script;
      Answer(script, c, ending);
      const auto [accepted, error] = designtest::OutcomeOf([&] { return c.Launch(holder.get()); });
      ASSERT_GE(script.Shown().size(), 1u) << error;
      EXPECT_EQ(script.Pending(), 0u);
      EXPECT_EQ(error, ending == TEnding::Exception ? "failure inside the editor" : "");
      EXPECT_EQ(accepted, ending == TEnding::Ok);
      if (ending == TEnding::Ok) {
        c.ExpectEdited(holder.get());
        EXPECT_NE(c.State(holder.get()), before);
      } else {
        EXPECT_EQ(c.State(holder.get()), before);
      }
    }
  }
}

TEST_F(Launchers, TheListEditorsOpenOnTheirFirstItemOrWithNoLineSelected) {
  struct TCase {
    const char* Name;
    std::function<bool(int)> Launch;  // on a list of that many items
    const char* Box;                  // the list box whose line is current
    int Empty, Filled;                // the current line for no items and for two
  };
  auto on = [](auto launch, auto list) {
    return [launch, list](int n) {
      list->Clear();
      for (int i = 0; i < n; ++i) list->Add();
      return launch(list.get());
    };
  };
  const TCase cases[] = {
      {"bitmap list", on(&ZYLCPGetBitmapList, std::make_shared<TZYLBitmapList>()), "lb", -1, 0},
      // The image list editor opens with no current strip, whatever the list holds.
      {"image list", on(&ZYLCPGetImageList, std::make_shared<TZYLImageList>()), "lbm", -1, -1},
      {"wave list", on(&ZYLCPGetWaveList, std::make_shared<TZYLWaveList>()), "lb", -1, -1},
      {"string list", on(&ZYLCPGetStringList, std::make_shared<TZYLStringList>()), "lb", -1, -1}};
  for (const TCase& c : cases) {
    for (int items : {0, 2}) {
      SCOPED_TRACE(std::string(c.Name) + ", " + std::to_string(items) + " items");
      int current = -2;
      vt::TDialogScript script;
      script.Do([&](vcl::TCustomForm* f) {
        current = On<TZYLListBox>(f, c.Box)->GetInteger(TZYLListBox::iiItemIndex);
      });
      script.Do([](vcl::TCustomForm* f) { vt::ClickControl(On<vcl::TControl>(f, "ZYLButton2")); });
      EXPECT_FALSE(c.Launch(items));
      EXPECT_EQ(current, items == 0 ? c.Empty : c.Filled);
    }
  }
}

TEST_F(Launchers, TheBevelEditorOpensOnThePageOfTheMode) {
  const std::pair<TZYLBevelMode, const char*> modes[] = {
      {bmStandard, "Standard"}, {bmCustom, "Custom"}, {bmEdge, "Edged"}, {bmWindows, "Windows"}};
  for (const auto& [mode, page] : modes) {
    TZYLBevel bevel;
    bevel.SetMode(mode);
    std::string shown;
    vt::TDialogScript script;
    script.Do([&shown](vcl::TCustomForm* f) {
      shown = On<vcl::TPageControl>(f, "nb")->ActivePage()->Caption();
    });
    script.Press("Cancel");
    EXPECT_FALSE(ZYLCPGetBevel(&bevel));
    EXPECT_EQ(shown, page);
  }
}

TEST_F(Launchers, TheBitmapDialogOffersBitmapFilesOnly) {
  vcl::TBitmap bmp;
  vt::TDialogScript script;
  script.Press("Cancel");
  EXPECT_FALSE(ZYLCPGetBitmap(&bmp));
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Values.at("FileName"), "*.bmp");
  EXPECT_TRUE(bmp.Empty());
}

TEST_F(Launchers, AnUnreadableBitmapFileRaisesAndKeepsTheBitmap) {
  const std::string bad = dir_.File("broken.bmp");
  std::ofstream(bad) << "BM this is no bitmap";
  vcl::TBitmap bmp;
  designtest::Paint(bmp, {"RR"}, kPal);
  vt::TDialogScript script;
  script.ChooseFiles({bad});
  EXPECT_NE(testsupport::ErrorOf<vcl::Exception>([&] { ZYLCPGetBitmap(&bmp); }), "<no error>");
  EXPECT_TRUE(designtest::Shows(bmp, {"RR"}, kPal, "launcher_bad_bitmap"));
}

TEST_F(Launchers, TheColourDialogTakesAndGivesBackTheCustomColours) {
  for (bool ok : {true, false}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    vcl::TStringList custom;
    custom.SetText("ColorA=FF00FF\r\n");
    vt::TDialogScript script;
    if (ok)
      script.ChooseColor(vcl::clRed);
    else
      script.Press("Cancel");
    const vcl::TColor got = ZYLCPGetColor(vcl::clNavy, &custom);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(got, ok ? vcl::clRed : vcl::clNavy);
    EXPECT_NE(custom.Text().find("ColorA=FF00FF"), std::string::npos) << custom.Text();
  }
}

TEST_F(Launchers, TheFontDialogOffersHelp) {
  vcl::TFont font;
  vt::TDialogScript script;
  script.Press("Cancel");
  EXPECT_FALSE(ZYLCPGetFont(&font));
  ASSERT_EQ(script.Shown().size(), 1u);
  const auto& buttons = script.Shown()[0].Buttons;
  EXPECT_NE(std::find(buttons.begin(), buttons.end(), "Help"), buttons.end());
}

TEST_F(Launchers, TheButtonsMasksTakeTheGeneratorsTransparentColour) {
  // A shape reaching the top-left corner, no bevel: the pictures keep the source's size and its
  // top-left pixel is the shape's, while the generator took the bottom-left silver as
  // transparent. The masks follow the generator.
  const std::string file = WriteBitmapFile(dir_, "corner.bmp", {"RR..", "RR..", "....", "...."});
  TZYL3DEffectButton button(nullptr);
  vt::TDialogScript script;
  script.Do([](vcl::TCustomForm* f) { vt::TypeInto(On<vcl::TWinControl>(f, "spind"), "0"); });
  Generate(file)(script);
  script.Press("OK");
  ASSERT_TRUE(ZYLCPGetButtonFace3D(&button));
  EXPECT_EQ(button.Width(), 4);
  for (int n = 0; n < 3; ++n) {
    vcl::TBitmap* pic = button.Picture(n);
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->Canvas()->Pixels(0, 0), n == 1 ? vcl::clSilver : vcl::clRed) << n;
    std::vector<std::string> opaque(4, std::string(4, ' '));
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x)
        if (pic->Canvas()->Pixels(x, y) != vcl::clSilver) opaque[y][x] = '#';
    EXPECT_EQ(MaskRows(button.Mask(n)), opaque) << n;
  }
}

TEST_F(Launchers, TheButtonKeepsItsFacesWhenNoPictureWasMade) {
  TZYL3DEffectButton button(nullptr);
  button.SetWidth(40);
  vt::TDialogScript script;
  script.Do([](vcl::TCustomForm* f) { vt::ClickControl(On<vcl::TControl>(f, "EXECUTE")); });
  script.Press("Cancel");
  EXPECT_FALSE(ZYLCPGetButtonFace3D(&button));
  EXPECT_EQ(button.Width(), 40);
  EXPECT_EQ(button.Picture(0), nullptr);
}

TEST(LauncherFilters, EachKindFiltersItsListFiles) {
  const std::pair<int, const char*> cases[] = {{icImageList, "ImageList-Files (*.iml)|*.iml"},
                                               {icBitmap, "BitmapList-Files (*.bml)|*.bml"},
                                               {icWave, "WaveList-Files (*.wvl)|*.wvl"},
                                               {icStringList, "StringList-Files (*.sll)|*.sll"},
                                               {icGeneric, "GenericList-Files (*.gll)|*.gll"},
                                               {icRTF, "RTFList-Files (*.rtl)|*.rtl"},
                                               {icRTF + 1, ""},
                                               {255, ""}};
  for (const auto& [kind, filter] : cases) {
    std::string got = "left over";
    ZYLCPGetFilter(static_cast<TZYLListItemClassType>(kind), got);
    EXPECT_EQ(got, filter) << kind;
  }
}

TEST_F(Launchers, TheCallerReportsOneModificationOnAcceptanceOnly) {
  vcl::TForm root(nullptr);
  vcl::TFormDesigner designer(&root);
  auto* shape = new TZYLShapeControl(&root);
  for (TEnding ending : {TEnding::Ok, TEnding::Cancel, TEnding::Escape}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    designer.ResetModified();
    vt::TDialogScript script;
    designtest::AnswerEditor(
        script, [](vcl::TCustomForm* f) { Combo(f, "cmbS", "clRed"); }, ending);
    const bool accepted =
        ZYLCPModify(&designer, [shape] { return ZYLCPGetShadow(shape->Shadow()); });
    EXPECT_EQ(accepted, ending == TEnding::Ok);
    EXPECT_EQ(designer.ModifiedCount(), ending == TEnding::Ok ? 1 : 0);
  }
  EXPECT_TRUE(ZYLCPModify(nullptr, [] { return true; }));
}

}  // namespace
}  // namespace zyl
