// The design-time about form: its settings page reads and writes the option word of the
// optional string editors, with the registration's default and bit meanings, however it is
// closed.
#include <gtest/gtest.h>

#include <string>

#include "buttons/ZYLButtonGroup.h"
#include "design/pZYLAboutDlg.h"
#include "design/pZYLDsgnOptions.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "tests/design/StringsTestSupport.h"
#include "tests/platform/sys/RegistryFixture.h"

namespace zyl {
namespace {

class AboutForm : public RegistryTest {
 protected:
  // Opens the form: `steps` on it, then it is closed as `ending` says (Cancel is the OK
  // button, which is the cancel button as well).
  void Run(const std::function<void(TZYLToolsAbout*)>& steps, TEnding ending) {
    script_.Do([steps, ending](vcl::TCustomForm* form) {
      auto* f = static_cast<TZYLToolsAbout*>(form);
      steps(f);
      switch (ending) {
        case TEnding::CloseBox: designtest::ClickCloseBox(f->Handle()); break;
        case TEnding::Escape: wt::KeyPress(win::VK_ESCAPE); break;
        default: vt::ClickControl(f->ok);
      }
    });
    TZYLToolsAbout::Execute("Component: TZYLButton");
  }
  // Shows the settings page from the keyboard and clicks the check box of the item.
  static void ClickItem(TZYLToolsAbout* f, int index) {
    if (f->zylvar->ActivePage() != f->TabSheet3) {
      f->zylvar->SetFocus();
      wt::KeyPress(win::VK_RIGHT);
    }
    wt::AdvanceClock(1000);  // not a double click
    const vcl::TRect r = f->editorset->ItemRect(index);
    const vcl::TPoint p = f->editorset->ClientToScreen({r.Left + 5, (r.Top + r.Bottom) / 2});
    wt::Click(p.X, p.Y);
  }
  static std::string Marks(TZYLToolsAbout* f) {
    std::string s;
    for (int i = 0; i < 4; ++i) s += f->editorset->Checked(i) ? 'x' : '-';
    return s;
  }

  vt::TControlsSession session_;
  designtest::TStringsUnits units_;
  vt::TDialogScript script_;
};

TEST_F(AboutForm, WithoutAValueEveryEditorIsShownOnAndClosingKeepsThemOn) {
  std::string marks, page, description;
  Run(
      [&](TZYLToolsAbout* f) {
        marks = Marks(f);
        page = f->zylvar->ActivePage()->Caption();
        description = f->des->Caption();
      },
      TEnding::Ok);
  EXPECT_EQ(marks, "xxxx");
  EXPECT_EQ(page, "General");
  EXPECT_EQ(description, "Component: TZYLButton");
  EXPECT_EQ(ZYLReadEditorOptions(-1), 15);
}

TEST_F(AboutForm, EveryWayOfClosingStoresTheCheckBoxes) {
  struct Case {
    TEnding ending;
    int item;
    int want;
  };
  ZYLWriteEditorOptions(5);
  for (const Case& c :
       {Case{TEnding::Ok, 3, 13}, Case{TEnding::Escape, 0, 12}, Case{TEnding::CloseBox, 1, 14}}) {
    Run([&](TZYLToolsAbout* f) { ClickItem(f, c.item); }, c.ending);
    EXPECT_EQ(ZYLReadEditorOptions(-1), c.want) << designtest::EndingName(c.ending);
  }
}

TEST_F(AboutForm, TheCheckBoxesNameTheEditorsTheirBitsSwitch) {
  ZYLWriteEditorOptions(4);
  std::string marks, captions;
  Run(
      [&](TZYLToolsAbout* f) {
        marks = Marks(f);
        for (int i = 0; i < 4; ++i) captions += f->editorset->Items()->Get(i) + "/";
        f->zylvar->SetFocus();
        wt::KeyPress(win::VK_RIGHT);
        const wt::TCapture shot = wt::RenderWindow(f->Handle());
        EXPECT_TRUE(wt::WritePng(shot, "/tmp/about-form.png"));
      },
      TEnding::Ok);
  // Bit 1 registers the String editor, 2 the Hint editor, 4 the TCaption editor, 8 the
  // TStrings editor.
  EXPECT_EQ(marks, "--x-");
  EXPECT_EQ(captions,
            "Enable extended &String editor/Enable extended T&Hint editor/"
            "Enable extended T&Caption editor/Enable extended TSt&rings editor/");
}

}  // namespace
}  // namespace zyl
