#include "design/pZYLDsgnCPGet.h"

#include "design/pZYLWaveEditorDlg.h"

namespace zyl {

bool ZYLCPGetWave(TZYLWave* Wave) { return TZYLWaveEditorDlg::Edit(Wave); }

}  // namespace zyl
