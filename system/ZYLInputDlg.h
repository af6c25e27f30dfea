// TZYLInputDlg: asks the user for one line of text on a form built in code: a prompt, an edit,
// OK, Cancel and the dialog base's optional custom button. It also offers the framework's two
// calling shapes, InputQuery and InputBox.
#pragma once

#include <string>

#include "platform/sys/Packages.h"
#include "system/ZYLBaseDialog.h"

namespace zyl {

class TZYLInputDlg : public TZYLBaseDialog {
  ZYL_CLASS(TZYLInputDlg, TZYLBaseDialog)
  // The form's width when Width is -1, its height, and the narrowest button.
  static constexpr int DefaultWidth = 300;
  static constexpr int FormHeight = 130;
  static constexpr int MinButtonWidth = 80;

  explicit TZYLInputDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  const std::string& Prompt() const { return FPrompt; }
  void SetPrompt(const std::string& Value) { FPrompt = Value; }
  const std::string& DefaultValue() const { return FDefaultValue; }
  void SetDefaultValue(const std::string& Value) { FDefaultValue = Value; }
  bool DefaultSelected() const { return FDefaultSelected; }
  void SetDefaultSelected(bool Value) { FDefaultSelected = Value; }
  // 0: no limit; a negative value counts as 0.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value) { FMaxLength = Value; }
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char Value) { FPasswordChar = Value; }
  // -1: DefaultWidth. The form grows when its buttons need more room.
  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }

  // The text of the last answer (empty after a cancelled dialog).
  const std::string& Answer() const { return FAnswer; }

  bool Execute() override { return ExecuteEnh(nullptr); }
  // Shows the dialog over Target (or placed by RelatePos when null) with DefaultValue in the
  // edit; true after OK, with the answer in Answer.
  bool ExecuteEnh(vcl::TCustomForm* Target);
  // The edit starts with Value; after OK Value holds the answer, after Cancel it is unchanged.
  bool InputQuery(const std::string& Caption, const std::string& Prompt, std::string& Value);
  // The answer after OK, else Default.
  std::string InputBox(const std::string& Caption, const std::string& Prompt,
                       const std::string& Default);
  // Builds and shows the form; Caption (or "Input..." when empty) titles it unless
  // CaptionTitle is set.
  bool ShowDialog(const std::string& Caption, const std::string& Prompt, const std::string& Default,
                  vcl::TCustomForm* Target);

 private:
  std::string FPrompt;
  std::string FDefaultValue;
  bool FDefaultSelected = false;
  int FMaxLength = 0;
  char FPasswordChar = 0;
  int FWidth = -1;
  std::string FAnswer;
};

inline constexpr vcl::TUnitEntry ZYLInputDlgUnit = vcl::ClassesUnit<TZYLInputDlg>("ZYLInputDlg");

}  // namespace zyl
