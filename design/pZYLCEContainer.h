// The component editors of the list containers: the container control's four lists and the
// image, bitmap, string and wave lists each open their list editor on the component's own list.
// The designer hears of a modification only when the editor ended with OK.
#pragma once

#include "design/pZYLCE.h"

namespace zyl {

// "BitmapList", "ImageList", "StringList", "WaveList": the lists of the control's container
// (at design time the control's own).
class TZYLContainerComponentEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLContainerComponentEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// "Editor": the image list editor.
class TZYLImageListEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLImageListEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// "BitmapList-Editor": the bitmap list editor.
class TZYLBitmapListEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLBitmapListEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// "Editor": the string list editor.
class TZYLStringListEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLStringListEditor)

 protected:
  TZYLVerbs Verbs() override;
};

// "Specify Wave": the wave list editor.
class TZYLWaveListEditor : public TZYLVerbEditor<> {
  ZYL_VERB_EDITOR(TZYLWaveListEditor)

 protected:
  TZYLVerbs Verbs() override;
};

}  // namespace zyl
