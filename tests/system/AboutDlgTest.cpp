// The about dialog: the texts it shows and where they come from (properties, the program's
// version resource, the application object), the layout of its own form by icon style, the
// enlarged icon card, and the shell's box.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "display/ZYLSimpleLabel.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/classes/Resources.h"
#include "platform/classes/StringList.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Icon.h"
#include "platform/sys/ShellApi.h"
#include "platform/sys/VersionInfo.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLAboutDlg.h"
#include "tests/support/Cases.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

namespace vt = vcl::testkit;
namespace wt = win::testkit;

const char* const kLines[] = {"AppName", "Version", "Description", "Copyright", "Jump", "EMail"};

// What the form showed of one control.
struct TPart {
  std::string Text;
  bool Visible = false;
  vcl::TRect Bounds;
  std::string Hint;
};

struct TSeen {
  std::string Caption;
  int Width = 0, ClientWidth = 0, ClientHeight = 0;
  std::map<std::string, TPart> Parts;
  wt::TCapture Client;
};

TSeen Look(vcl::TCustomForm* form) {
  TSeen s;
  s.Caption = form->Caption();
  s.Width = form->Width();
  s.ClientWidth = form->ClientWidth();
  s.ClientHeight = form->ClientHeight();
  for (const char* name : {"AppName", "Version", "Description", "Copyright", "Jump", "EMail",
                           "lblinfo1", "lblinfo2", "OK", "Custom", "Icon", "Bevel"}) {
    auto* c = dynamic_cast<vcl::TControl*>(vt::DialogControl(form, name));
    s.Parts[name] = {c->Caption(), c->Visible(), c->BoundsRect(), c->Hint()};
  }
  s.Client = wt::RenderWindow(form->Handle(), false);
  return s;
}

class AboutDlg : public ::testing::Test {
 protected:
  AboutDlg() {
    ZYLApplicationInit();
    vcl::Application->SetTitle("Ledger App");
    dialog_ = std::make_unique<TZYLAboutDlg>(nullptr);
  }
  ~AboutDlg() override {
    dialog_.reset();
    vcl::UnregisterVersionInfo(vcl::HInstance);
    win::ClearShellAboutLog();
    ZYLApplicationDone();
  }
  // Shows the own form, looks at it and closes it with Escape.
  TSeen Show() {
    TSeen seen;
    script_.Do([&seen](vcl::TCustomForm* form) { seen = Look(form); });
    script_.PressKey(win::VK_ESCAPE);
    EXPECT_TRUE(dialog_->Execute());
    EXPECT_EQ(script_.Pending(), 0u);
    return seen;
  }
  static void RegisterResource() {
    win::VS_FIXEDFILEINFO fixed;
    fixed.dwFileVersionMS = win::MAKELONG(7, 3);
    fixed.dwFileVersionLS = win::MAKELONG(412, 2);
    vcl::RegisterVersionInfo(vcl::HInstance, fixed,
                             {{"ProductName", "Ledger"},
                              {"ProductVersion", "3.7"},
                              {"LegalCopyright", "(c) Acme"},
                              {"FileDescription", "Books"},
                              {"FileVersion", "3.7.2"}});
  }

  vt::TControlsSession session_;
  std::unique_ptr<TZYLAboutDlg> dialog_;
  vt::TDialogScript script_;
};

TEST_F(AboutDlg, WithNothingSetOnlyTheTitleAndTheMachineShow) {
  const TSeen s = Show();
  EXPECT_EQ(s.Caption, "Info Ledger App...");
  EXPECT_EQ(s.Parts.at("AppName").Text, "Ledger App");
  for (const char* name : kLines)
    EXPECT_EQ(s.Parts.at(name).Visible, std::string(name) == "AppName") << name;
  EXPECT_FALSE(s.Parts.at("Custom").Visible);
  testsupport::ExpectCases(
      {{s.Parts.at("lblinfo1").Text, "Available Memory:\rPlatform, CPU:"},
       {s.Parts.at("lblinfo2").Text, std::to_string(ZYLSIMemTotal() / 1024) + " KB\r" +
                                         std::to_string(ZYLSIProcessorCount()) + "x " +
                                         ZYLSIProcessorTypeStr() + " or compatible"}});
}

TEST_F(AboutDlg, ExplicitTextsWinOverTheResource) {
  RegisterResource();
  dialog_->SetUseResInfo(true);
  TSeen s = Show();
  testsupport::ExpectCases({{s.Parts.at("AppName").Text, "Ledger"},
                            {s.Parts.at("Version").Text, "Version 3.7"},
                            {s.Parts.at("Description").Text, "Books"},
                            {s.Parts.at("Copyright").Text, "\r(c) Acme"}});
  dialog_->SetAppname("Own");
  dialog_->SetVersion("v9");
  dialog_->SetDescription("Mine");
  dialog_->SetCopyright("(c) Me");
  s = Show();
  testsupport::ExpectCases({{s.Parts.at("AppName").Text, "Own"},
                            {s.Parts.at("Version").Text, "v9"},
                            {s.Parts.at("Description").Text, "Mine"},
                            {s.Parts.at("Copyright").Text, "(c) Me"}});
  // A name of blanks counts as none.
  dialog_->SetAppname("   ");
  EXPECT_EQ(dialog_->NameText(), "Ledger");
}

TEST_F(AboutDlg, TheVersionStyleChoosesTheResourceField) {
  RegisterResource();
  dialog_->SetUseResInfo(true);
  auto text = [this](TZYLAboutVersionStyle style) {
    dialog_->SetUseResVersionInfoStyle(style);
    return dialog_->VersionText();
  };
  testsupport::ExpectCases({{text(vsProg), "Version 3.7"},
                            {text(vsFileShort), "Version 3.7.2"},
                            {text(vsFileFull), "Version 3.7.2.412"},
                            {text(vsFileBuild), "Version 412"}});
}

TEST_F(AboutDlg, DefaultsComeFromTheApplicationObject) {
  ZYLApplication()->Company = "Acme";
  ZYLApplication()->Version = "2.1";
  dialog_->SetUseDefault(true);
  TSeen s = Show();
  testsupport::ExpectCases({{s.Parts.at("Version").Text, "Version 2.1"},
                            {s.Parts.at("Copyright").Text, "\rCopyright \xA9 by Acme"}});
  // The resource comes first when both are asked for; an empty resource leaves the defaults.
  dialog_->SetUseResInfo(true);
  EXPECT_EQ(dialog_->CopyrightText(), "\r");
  RegisterResource();
  EXPECT_EQ(dialog_->CopyrightText(), "\r(c) Acme");
  EXPECT_EQ(dialog_->VersionText(), "Version 3.7");
}

// The text column and the form by icon style.
struct TIconCase {
  const char* Name;
  TZYLAboutIconStyle Style;
  int Width;  // the form's
  int X;      // the text column's left edge
  int NameTop;
  int RightGap;  // between the column and the client area's right edge
  bool Image;
};

class AboutDlgIcon : public AboutDlg, public ::testing::WithParamInterface<TIconCase> {};

TEST_P(AboutDlgIcon, PlacesTheColumnAndStacksTheLines) {
  const TIconCase& c = GetParam();
  dialog_->SetIconStyle(c.Style);
  dialog_->SetVersion("1.0");
  dialog_->SetDescription("What it does");
  dialog_->SetCopyright("(c) Us");
  dialog_->SetJump("http://example.org");
  dialog_->SetEMail("me@example.org");
  const TSeen s = Show();
  EXPECT_EQ(s.Width, c.Width);
  EXPECT_EQ(s.Parts.at("Icon").Visible, c.Image);
  const vcl::TRect name = s.Parts.at("AppName").Bounds;
  EXPECT_EQ(name.Left, c.X);
  EXPECT_EQ(name.Top, c.NameTop);
  // Each line below the one before by its gap; all in the column.
  const int gaps[] = {10, 4, 24, 1, 6, 6};
  const int heading = c.Style == isNone ? 60 : c.Style == isStandard ? 66 : 79;
  int y = std::max(name.Bottom + gaps[0], heading);
  for (int i = 1; i < 6; ++i) {
    const TPart& p = s.Parts.at(kLines[i]);
    EXPECT_TRUE(p.Visible) << kLines[i];
    EXPECT_EQ(p.Bounds.Top, y) << kLines[i];
    EXPECT_EQ(p.Bounds.Left, c.X) << kLines[i];
    EXPECT_EQ(p.Bounds.Right, s.ClientWidth - c.RightGap) << kLines[i];
    y = p.Bounds.Bottom + gaps[i];
  }
  const vcl::TRect bevel = s.Parts.at("Bevel").Bounds;
  EXPECT_EQ(bevel, (vcl::TRect{c.X, y, s.ClientWidth - c.RightGap, y + 2}));
  // The machine's two labels side by side, then OK at the bottom right.
  const vcl::TRect info1 = s.Parts.at("lblinfo1").Bounds, info2 = s.Parts.at("lblinfo2").Bounds;
  EXPECT_EQ(info1.Top, y + 9);
  EXPECT_EQ(info1.Left, c.X);
  EXPECT_EQ(info2.Left, info1.Right);
  EXPECT_EQ(info2.Top, info1.Top);
  const vcl::TRect ok = s.Parts.at("OK").Bounds;
  EXPECT_EQ(ok.Top, std::max(info1.Bottom, info2.Bottom) + 24);
  EXPECT_EQ(ok.Right, s.ClientWidth - 6);
  EXPECT_EQ(s.ClientHeight, ok.Bottom + 6);
}

INSTANTIATE_TEST_SUITE_P(Cases, AboutDlgIcon,
                         ::testing::Values(TIconCase{"None", isNone, 340, 10, 10, 10, false},
                                           TIconCase{"Standard", isStandard, 410, 60, 12, 10, true},
                                           TIconCase{"Extended", isExtended, 440, 95, 24, 6, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(AboutDlg, TheExtendedIconSitsOnAFramedCardWithAShadow) {
  vcl::TIcon icon;
  icon.SetHandle(win::LoadIconA(nullptr, win::MAKEINTRESOURCEA(win::IDI_APPLICATION)));
  dialog_->SetIcon(&icon);
  const TSeen s = Show();
  const vcl::TRect card = s.Parts.at("Icon").Bounds;
  const int w = 2 * icon.Width() + 8, h = 2 * icon.Height() + 8;
  ASSERT_EQ(card, (vcl::TRect{15, 7, 15 + w, 7 + h}));
  const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
  // The frame ends 5 short of the card's edges, the shadow starts 6 in; the areas checked
  // leave out the stretched icon inside the frame.
  auto expected = [&](int x, int y) -> win::COLORREF {
    const int cx = x - card.Left, cy = y - card.Top;
    if (cx <= w - 6 && cy <= h - 6) return 0;
    return cx >= 6 && cy >= 6 ? 0x808080 : face;
  };
  const win::RECT areas[] = {{card.Left, card.Top, card.Right, card.Top + 1},
                             {card.Left, card.Top, card.Left + 1, card.Bottom},
                             {card.Right - 6, card.Top, card.Right, card.Bottom},
                             {card.Left, card.Bottom - 6, card.Right, card.Bottom}};
  for (const win::RECT& area : areas)
    EXPECT_TRUE(wt::PixelsMatch(s.Client, expected, "about_card", area));
}

TEST_F(AboutDlg, HintsGoToOKTheCustomButtonAndTheIcon) {
  vcl::TStringList hints;
  for (const char* h : {"ok", "more", "icon", "spare"}) hints.Add(h);
  dialog_->SetHints(&hints);
  dialog_->SetCustomButton("More");
  const TSeen s = Show();
  testsupport::ExpectCases({{s.Parts.at("OK").Hint, "ok"},
                            {s.Parts.at("Custom").Hint, "more"},
                            {s.Parts.at("Icon").Hint, "icon"}});
  EXPECT_TRUE(s.Parts.at("Custom").Visible);
  EXPECT_EQ(s.Parts.at("Custom").Bounds.Right, s.Parts.at("OK").Bounds.Left - 6);
}

TEST_F(AboutDlg, TheShellBoxTakesTheTitleTheNameAndAShortenedCopyright) {
  dialog_->SetStyle(bsStandard);
  dialog_->SetAppname("Ledger");
  dialog_->SetCopyright(std::string(300, 'c'));
  EXPECT_TRUE(dialog_->Execute());
  dialog_->SetCaptionTitle("About it");
  EXPECT_TRUE(dialog_->Execute());
  const auto& log = win::ShellAboutLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].App, "Ledger");
  EXPECT_EQ(log[1].App, "About it");
  EXPECT_EQ(log[0].Other, std::string(255, 'c'));
  EXPECT_EQ(log[0].Wnd, nullptr);
  // No form came up.
  EXPECT_TRUE(script_.Shown().empty());
}

}  // namespace
}  // namespace zyl
