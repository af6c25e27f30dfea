#include "design/pZYLDateTimePropertyEditor.h"

#include "display/ZYLInformationLabel.h"
#include "edits/ZYLListBox.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLFrmDateTimePropertyEditor) {
  DescribeFields(b);
  using T = TZYLFrmDateTimePropertyEditor;
  b.Method("Edit1Change", &T::Edit1Change).Method("ComboBox1Change", &T::ComboBox1Change);
}

namespace {

// The samples of ComboBox1 after "Custom", with the formats they stand for.
struct TSample {
  const char* Text;
  const char* Format;
};
constexpr TSample kSamples[] = {{"21.11.98", "dd.mm.yy"},
                                {"11/21/98", "mm/dd/yy"},
                                {"23:20", "hh:mm"},
                                {"23:20:12", "hh:mm:ss"},
                                {"31.10.1998", "dd.mm.yyyy"},
                                {"Thursday, 14.05.1998", "dddd, dd.mm.yyyy"},
                                {"Thursday, 14.05.1998 15:01", "dddd, dd.mm.yyyy hh:mm"}};
}  // namespace

bool TZYLFrmDateTimePropertyEditor::Edit(std::string& Format) {
  auto dlg = ZYLCreateEditorForm<TZYLFrmDateTimePropertyEditor>(vcl::Application);
  dlg->SetText(Format);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Format = dlg->Edit1->Text();
  return true;
}

const char* TZYLFrmDateTimePropertyEditor::SampleFormat(const std::string& Sample) {
  for (const TSample& s : kSamples)
    if (Sample == s.Text) return s.Format;
  return nullptr;
}

void TZYLFrmDateTimePropertyEditor::SetText(const std::string& S) {
  Edit1->SetText(S);
  Edit1Change(Edit1);  // the edit reports changes only once its window is up
}

void TZYLFrmDateTimePropertyEditor::Edit1Change(TObject*) {
  info->SetDateTimeFormat(Edit1->Text());
}

void TZYLFrmDateTimePropertyEditor::ComboBox1Change(TObject*) {
  if (const char* format = SampleFormat(ComboBox1->Text())) Edit1->SetText(format);
}

}  // namespace zyl
