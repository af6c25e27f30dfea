#include "design/pZYLStrEditorDlg.h"

#include <memory>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLStrEditorDlg) { DescribeFields(b); }

namespace {
constexpr char kStringCaption[] = "String-Editor";
constexpr char kHintCaption[] = "Hint-Editor";
constexpr char kShortHintLabel[] = "&ShortHint:";
// The memo's height in the hint use, which leaves room for the long-hint edit below it.
constexpr int kHintMemoHeight = 126;

void SelectWholeText(vcl::TMemo* Memo) {
  Memo->SetSelStart(0);
  Memo->SetSelLength(static_cast<int>(Memo->Text().size()));
}
}  // namespace

std::string TZYLStrEditorDlg::EditString(const std::string& Value, int32_t MaxLength) {
  std::string text = Value;
  RunString(text, MaxLength);
  return text;
}

bool TZYLStrEditorDlg::RunString(std::string& Value, int32_t MaxLength) {
  auto dlg = ZYLCreateEditorForm<TZYLStrEditorDlg>(nullptr);
  dlg->SetCaption(kStringCaption);
  dlg->str->SetScrollBars(vcl::ssBoth);
  dlg->str->SetText(Value);
  // Any negative length stands for no limit, as -1 does.
  dlg->str->SetMaxLength(MaxLength < 0 ? ZYLStrEditorMaxLength : MaxLength);
  SelectWholeText(dlg->str);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Value = dlg->str->Text();
  return true;
}

bool TZYLStrEditorDlg::EditHint(std::string& Hint) {
  auto dlg = ZYLCreateEditorForm<TZYLStrEditorDlg>(nullptr);
  dlg->SetCaption(kHintCaption);
  dlg->sh->SetCaption(kShortHintLabel);
  dlg->str->SetHeight(kHintMemoHeight);
  dlg->lh->SetVisible(true);
  dlg->str->SetText(vcl::GetShortHint(Hint));
  if (Hint.find('|') != std::string::npos) dlg->lh->SetText(vcl::GetLongHint(Hint));
  SelectWholeText(dlg->str);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  const std::string longHint = dlg->lh->Text();
  Hint = vcl::Trim(longHint).empty() ? dlg->str->Text() : dlg->str->Text() + "|" + longHint;
  return true;
}

}  // namespace zyl
