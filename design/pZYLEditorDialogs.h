// The common dialogs the editor forms open on a part of their working copy: the font dialog on
// a font and the picture dialog that loads a bitmap.
#pragma once

namespace vcl {
class TBitmap;
class TFont;
}  // namespace vcl

namespace zyl {

// The font dialog on Font (help context 25000, existing fonts only, a help button); the
// chosen font is assigned into Font. True when the dialog was confirmed.
bool ZYLEditorFontDialog(vcl::TFont* Font);
// The picture dialog offering bitmaps; the chosen file is loaded into Bitmap. True when the
// dialog was confirmed.
bool ZYLEditorBitmapDialog(vcl::TBitmap* Bitmap);

}  // namespace zyl
