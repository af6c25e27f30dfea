#include "system/ZYLAboutDlg.h"

#include <algorithm>
#include <cstring>

#include "buttons/ZYLButton.h"
#include "display/ZYLSimpleLabel.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/ShellApi.h"
#include "system/ZYLBack.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLAboutDlg) {
  using T = TZYLAboutDlg;
  b.Prop("Style", &T::Style, &T::SetStyle)
      .Default(bsZYL)
      .Prop("Appname", &T::Appname, &T::SetAppname)
      .Prop("AppNameSize", &T::AppNameSize, &T::SetAppNameSize)
      .Default(22)
      .Prop("Version", &T::Version, &T::SetVersion)
      .Prop("Description", &T::Description, &T::SetDescription)
      .Prop("Copyright", &T::Copyright, &T::SetCopyright)
      .Prop("Jump", &T::Jump, &T::SetJump)
      .Prop("EMail", &T::EMail, &T::SetEMail)
      .Prop("IconStyle", &T::IconStyle, &T::SetIconStyle)
      .Default(isExtended)
      .Prop("UseResInfo", &T::UseResInfo, &T::SetUseResInfo)
      .Default(false)
      .Prop("UseResVersionInfoStyle", &T::UseResVersionInfoStyle, &T::SetUseResVersionInfoStyle)
      .Default(vsProg)
      .Prop("UseDefault", &T::UseDefault, &T::SetUseDefault)
      .Default(false);
}

namespace {

// The gaps below the lines of the text column.
constexpr int NameGap = 10, VersionGap = 4, DescriptionGap = 24, CopyrightGap = 1;
constexpr int LinkGap = 6, LastLinkGap = 3;

// The version resource's field each version style shows.
TZYLVersionInfoType VersionField(TZYLAboutVersionStyle Style) {
  switch (Style) {
    case vsFileShort: return viFileVersion;
    case vsFileFull: return viFileVersionFull;
    case vsFileBuild: return viFileVersionBuild;
    default: return viVersion;
  }
}

TZYLSimpleLabel* TextLabel(vcl::TForm* Form, const char* Name) {
  auto* label = new TZYLSimpleLabel(Form);
  label->SetName(Name);
  label->SetParent(Form);
  label->SetMultiLine(true);
  label->SetShowAccelChar(false);
  label->SetCaption("");
  return label;
}

// The text column of the form: lines laid out downwards from Top.
struct TColumn {
  int X, W, Top, ClientWidth;
  // Gives Label the text and the column's bounds at Top (narrower when the column would pass
  // the client area), then moves Top below it by Gap; an empty text hides the label.
  void Line(TZYLSimpleLabel* Label, const std::string& Text, int Gap) {
    Label->SetVisible(!Text.empty());
    if (Text.empty()) return;
    Label->SetCaption(Text);
    const int width = X + W > ClientWidth ? ClientWidth - 6 : W;
    Label->SetBounds(X, Top, width, Label->Height());
    Top += Label->Height() + Gap;
  }
};

// The enlarged icon on a card with a shadow: (2w + 8) x (2h + 8), the icon stretched inside a
// black frame, a grey shadow 6 pixels down and right.
void PaintIconCard(vcl::TBitmap* Card, vcl::TIcon* Icon) {
  vcl::TBitmap face;
  ZYLIcon2Bitmap(&face, Icon, vcl::clBtnFace);
  const int w = 2 * Icon->Width() + 8, h = 2 * Icon->Height() + 8;
  Card->SetSize(w, h);
  vcl::TCanvas* c = Card->Canvas();
  c->Brush()->SetColor(vcl::clBtnFace);
  c->FillRect(vcl::TRect{0, 0, w, h});
  c->Brush()->SetColor(vcl::TColor(0x808080));
  c->FillRect(vcl::TRect{6, 6, w, h});
  c->StretchDraw(vcl::TRect{1, 1, w - 6, h - 6}, &face);
  c->Brush()->SetColor(vcl::clBlack);
  c->FrameRect(vcl::TRect{0, 0, w - 5, h - 5});
}

}  // namespace

TZYLAboutDlg::TZYLAboutDlg(vcl::TComponent* AOwner)
    : inherited(AOwner), FIcon(std::make_unique<vcl::TIcon>()) {}

TZYLAboutDlg::~TZYLAboutDlg() = default;

void TZYLAboutDlg::SetIcon(vcl::TIcon* Value) { FIcon->Assign(Value); }

std::string TZYLAboutDlg::NameText() const {
  if (!vcl::Trim(FAppname).empty()) return FAppname;
  if (FUseResInfo) return ZYLSIVersionInfo(viName);
  return vcl::Application->Title();
}

std::string TZYLAboutDlg::CopyrightText() const {
  std::string text = FCopyright;
  if (text.empty() && FUseResInfo) text = "\r" + ZYLSIVersionInfo(viCopyright);
  if (text.empty() && FUseDefault)
    text = std::string("\r") + "Copyright \xA9 by " + ZYLApplication()->Company;
  return text;
}

std::string TZYLAboutDlg::VersionText() const {
  if (!FVersion.empty()) return FVersion;
  if (FUseResInfo) return "Version " + ZYLSIVersionInfo(VersionField(FUseResVersionInfoStyle));
  if (FUseDefault) return "Version " + ZYLApplication()->Version;
  return "";
}

bool TZYLAboutDlg::ExecuteEnh(vcl::TCustomForm* Target) {
  if (ShownForm()) return false;  // a second Execute inside the wait of the first
  return FStyle == bsStandard ? ShowShellAbout(Target) : ShowOwnForm(Target);
}

bool TZYLAboutDlg::ShowShellAbout(vcl::TCustomForm* Target) {
  const std::string name = NameText();
  std::string first = CaptionTitle().empty() ? name : CaptionTitle() + "#" + name;
  std::string second = CopyrightText();
  first.resize(std::min(first.size(), ShellTextLimit));
  second.resize(std::min(second.size(), ShellTextLimit));
  vcl::TIcon* icon = FIcon->Empty() ? vcl::Application->Icon() : FIcon.get();
  return win::ShellAboutA(Target ? Target->Handle() : nullptr, first.c_str(), second.c_str(),
                          icon->Empty() ? nullptr : icon->Handle()) != 0;
}

bool TZYLAboutDlg::ShowOwnForm(vcl::TCustomForm* Target) {
  std::unique_ptr<vcl::TForm> form = NewDialogForm("ZYLAboutForm", -11);
  vcl::TIcon shown;
  shown.Assign(FIcon->Empty() ? vcl::Application->Icon() : FIcon.get());
  if (shown.Empty())
    shown.SetHandle(win::LoadIconA(nullptr, win::MAKEINTRESOURCEA(win::IDI_APPLICATION)));

  auto* image = new vcl::TImage(form.get());
  image->SetName("Icon");
  image->SetParent(form.get());
  image->SetBounds(15, 7, image->Width(), image->Height());
  image->SetStretch(true);
  TZYLButton* ok = NewOKButton(form.get(), 0, 0, 75, 0);
  ok->SetCancel(true);
  form->SetActiveControl(ok);
  TZYLButton* custom = NewButton(form.get(), "Custom", 0, 0, 75, 1);
  custom->SetVisible(false);
  auto* bevel = new vcl::TBevel(form.get());
  bevel->SetName("Bevel");
  bevel->SetParent(form.get());
  bevel->SetShape(vcl::bsTopLine);
  bevel->SetBounds(96, 181, 153, 3);

  TZYLSimpleLabel* name = TextLabel(form.get(), "AppName");
  name->Font()->SetName(ZYL_DEFAULTFONT);
  name->Font()->SetStyle({vcl::fsBold});
  name->Font()->SetSize(FAppNameSize);
  name->Font3D()->SetStyle(tdSunken);
  TZYLSimpleLabel* version = TextLabel(form.get(), "Version");
  version->Font()->SetStyle({vcl::fsBold});
  TZYLSimpleLabel* description = TextLabel(form.get(), "Description");
  TZYLSimpleLabel* copyright = TextLabel(form.get(), "Copyright");
  TZYLSimpleLabel* info1 = TextLabel(form.get(), "lblinfo1");
  TZYLSimpleLabel* info2 = TextLabel(form.get(), "lblinfo2");
  TZYLSimpleLabel* jump = TextLabel(form.get(), "Jump");
  TZYLSimpleLabel* mail = TextLabel(form.get(), "EMail");
  for (TZYLSimpleLabel* link : {jump, mail}) {
    link->SetJumpMode(jmInternet);
    link->Font()->SetColor(vcl::clBlue);
    link->Font()->SetStyle({vcl::fsUnderline});
  }
  TZYLFormStyler* styler =
      NewStyler(form.get(), {fsAdjustRect, fsUseDefaultFont, fsUseFormCaption});
  TZYLBack* back = NewBack(form.get());

  // The icon column decides where the text column starts and how high its heading is.
  const int ppi = form->PixelsPerInch();
  form->SetWidth(ppi * 440 / 96);
  vcl::TBitmap card;
  TColumn column{0, 0, 0, 0};
  int heading = 0;
  switch (FIconStyle) {
    case isNone:
      form->SetWidth(340);
      image->SetVisible(false);
      column = {10, form->ClientWidth() - 20, 10, form->ClientWidth()};
      heading = 60;
      break;
    case isStandard:
      image->Picture()->SetIcon(&shown);
      image->SetBounds(13, image->Top(), shown.Width(), shown.Height());
      form->SetWidth(form->Width() - 30);
      column = {60, form->ClientWidth() - 70, 12, form->ClientWidth()};
      heading = 66;
      break;
    case isExtended:
      PaintIconCard(&card, &shown);
      image->Picture()->SetBitmap(&card);
      image->SetBounds(image->Left(), image->Top(), card.Width(), card.Height());
      image->SetTransparent(true);
      column.X = image->Left() + image->Width() + 8;
      column = {column.X, form->ClientWidth() - column.X - 6, 24, form->ClientWidth()};
      heading = image->Top() + image->Height();
      break;
  }

  column.Line(name, NameText(), NameGap);
  column.Top = std::max(column.Top, heading);
  column.Line(version, VersionText(), VersionGap);
  std::string about = FDescription;
  if (about.empty() && FUseResInfo) about = ZYLSIVersionInfo(viDescription);
  if (about.empty()) column.Top += DescriptionGap;
  column.Line(description, about, DescriptionGap);
  column.Line(copyright, CopyrightText(), CopyrightGap);
  column.Line(jump, FJump, FEMail.empty() ? LastLinkGap : LinkGap);
  if (FEMail.empty()) column.Top += LinkGap;
  column.Line(mail, FEMail, LinkGap);
  jump->SetJump(FJump);
  mail->SetJump(FEMail);
  bevel->SetBounds(column.X, column.Top, column.W, 2);
  column.Top += 9;

  // The machine: memory and processors side by side.
  const int infoWidth = ppi * 150 / 96;
  const int64_t kb = ZYLSIMemTotal() / 1024;
  if (ZYLSIWindowsNT) {
    info1->SetCaption(std::string(SZYLAvailableMemory) + "\r" + SZYLPlatformCPU);
    info2->SetCaption(std::to_string(kb) + " KB\r" + std::to_string(ZYLSIProcessorCount()) + "x " +
                      ZYLSIProcessorTypeStr() + " or compatible");
  } else {
    info1->SetCaption(std::string(SZYLAvailableMemory) + "\r" + SZYLSystemResources);
    info2->SetCaption(std::to_string(kb) + " KB\r" + std::to_string(ZYLSIFreeSysRes()) + "% free");
  }
  const int w1 = column.X + infoWidth > column.ClientWidth ? column.ClientWidth - 6 : infoWidth;
  info1->SetBounds(column.X, column.Top, w1, info1->Height());
  const int x2 = column.X + info1->Width();
  const int w2 = x2 + infoWidth > column.ClientWidth ? column.ClientWidth - 6 : infoWidth;
  info2->SetBounds(x2, column.Top, w2, info2->Height());
  column.Top += std::max(info1->Height(), info2->Height()) + 24;

  ok->SetLeft(form->ClientWidth() - ok->Width() - 6);
  ok->SetTop(column.Top);
  custom->SetBounds(ok->Left() - custom->Width() - 6, column.Top, custom->Width(),
                    custom->Height());
  form->SetClientHeight(ok->Top() + ok->Height() + 6);
  GiveHints(form.get(), {ok, custom, image});

  BaseExecute(form.get(), Target, custom, styler, back,
              "Info " + vcl::Application->Title() + "...");
  return true;
}

}  // namespace zyl
