// TZYLAboutDlg: the application's about box, either the shell's standard one or a form built in
// code with the program's icon, name, version, description, copyright, a web and a mail link
// and a block of system information. Missing texts come from the program's version resource
// or from the application object's company and version texts when asked to.
#pragma once

#include <memory>
#include <string>

#include "platform/sys/Packages.h"
#include "system/ZYLBaseDialog.h"

namespace vcl {
class TIcon;
}

namespace zyl {

ZYL_ENUM(TZYLAboutStyle, bsStandard, bsZYL)
ZYL_ENUM(TZYLAboutIconStyle, isNone, isStandard, isExtended)
ZYL_ENUM(TZYLAboutVersionStyle, vsProg, vsFileShort, vsFileFull, vsFileBuild)

class TZYLAboutDlg : public TZYLBaseDialog {
  ZYL_CLASS(TZYLAboutDlg, TZYLBaseDialog)
  // The shell's about box takes texts of at most this many characters.
  static constexpr size_t ShellTextLimit = 255;

  explicit TZYLAboutDlg(vcl::TComponent* AOwner);
  ~TZYLAboutDlg() override;

  TZYLAboutStyle Style() const { return FStyle; }
  void SetStyle(TZYLAboutStyle Value) { FStyle = Value; }
  const std::string& Appname() const { return FAppname; }
  void SetAppname(const std::string& Value) { FAppname = Value; }
  int AppNameSize() const { return FAppNameSize; }
  void SetAppNameSize(int Value) { FAppNameSize = Value; }
  const std::string& Version() const { return FVersion; }
  void SetVersion(const std::string& Value) { FVersion = Value; }
  const std::string& Description() const { return FDescription; }
  void SetDescription(const std::string& Value) { FDescription = Value; }
  const std::string& Copyright() const { return FCopyright; }
  void SetCopyright(const std::string& Value) { FCopyright = Value; }
  const std::string& Jump() const { return FJump; }
  void SetJump(const std::string& Value) { FJump = Value; }
  const std::string& EMail() const { return FEMail; }
  void SetEMail(const std::string& Value) { FEMail = Value; }
  TZYLAboutIconStyle IconStyle() const { return FIconStyle; }
  void SetIconStyle(TZYLAboutIconStyle Value) { FIconStyle = Value; }
  bool UseResInfo() const { return FUseResInfo; }
  void SetUseResInfo(bool Value) { FUseResInfo = Value; }
  TZYLAboutVersionStyle UseResVersionInfoStyle() const { return FUseResVersionInfoStyle; }
  void SetUseResVersionInfoStyle(TZYLAboutVersionStyle Value) { FUseResVersionInfoStyle = Value; }
  bool UseDefault() const { return FUseDefault; }
  void SetUseDefault(bool Value) { FUseDefault = Value; }

  // The icon shown; when empty the application's icon is (or the system's application icon
  // when the application has none).
  vcl::TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(vcl::TIcon* Value);

  // The texts as the box shows them: the program's name, its copyright and its version line.
  std::string NameText() const;
  std::string CopyrightText() const;
  std::string VersionText() const;

  bool Execute() override { return ExecuteEnh(nullptr); }
  // bsZYL: shows the form over Target (or placed by RelatePos when null) and answers true once
  // it was shown; bsStandard: whether the shell's box could be shown (owned by Target's window).
  bool ExecuteEnh(vcl::TCustomForm* Target);

 private:
  bool ShowShellAbout(vcl::TCustomForm* Target);
  bool ShowOwnForm(vcl::TCustomForm* Target);

  TZYLAboutStyle FStyle = bsZYL;
  std::string FAppname;
  int FAppNameSize = 22;
  std::string FVersion, FDescription, FCopyright, FJump, FEMail;
  TZYLAboutIconStyle FIconStyle = isExtended;
  bool FUseResInfo = false;
  TZYLAboutVersionStyle FUseResVersionInfoStyle = vsProg;
  bool FUseDefault = false;
  std::unique_ptr<vcl::TIcon> FIcon;
};

inline constexpr vcl::TUnitEntry ZYLAboutDlgUnit = vcl::ClassesUnit<TZYLAboutDlg>("ZYLAboutDlg");

}  // namespace zyl
