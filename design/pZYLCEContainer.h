// The component editors of the list containers: the container control's four lists and the
// image, bitmap, string and wave lists each open their list editor on the component's own list.
// The designer hears of a modification only when the editor ended with OK.
#pragma once

#include "design/pZYLCE.h"

namespace zyl {

// "BitmapList", "ImageList", "StringList", "WaveList": the lists of the control's container
// (at design time the control's own).
class TZYLContainerComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLContainerComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Editor": the image list editor.
class TZYLImageListEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLImageListEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "BitmapList-Editor": the bitmap list editor.
class TZYLBitmapListEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLBitmapListEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Editor": the string list editor.
class TZYLStringListEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLStringListEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Specify Wave": the wave list editor.
class TZYLWaveListEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLWaveListEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

}  // namespace zyl
