#include "design/pZYLEditorDialogs.h"

#include "design/ZYLCPGet.h"

namespace zyl {

// The launchers open these dialogs; the editor forms share them.
bool ZYLEditorFontDialog(vcl::TFont* Font) { return ZYLCPGetFont(Font); }

bool ZYLEditorBitmapDialog(vcl::TBitmap* Bitmap) { return ZYLCPGetBitmap(Bitmap); }

}  // namespace zyl
