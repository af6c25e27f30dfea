#include "design/pZYLWaveItemPropertiesEditorDlg.h"

#include "design/pZYLDsgnCPGet.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLWaveEditorDlg.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLFrmwiprop) {
  DescribeFields(b);
  using T = TZYLFrmwiprop;
  b.Method("changeClick", &T::changeClick);
}

void TZYLFrmwiprop::SetLabels() {
  ZYLShowWaveFacts(c->Wave(), format, size, bits, samplerate, Channels);
}

void TZYLFrmwiprop::changeClick(vcl::TObject*) {
  ZYLCPGetWave(c->Wave());
  SetLabels();
}

}  // namespace zyl
