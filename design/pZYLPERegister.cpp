// The package's property-editor registrations.
#include "buttons/ZYLScrollBox.h"
#include "design/pZYLPE.h"
#include "design/pZYLPEStrings.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLED.h"
#include "display/ZYLSmallBar.h"
#include "edits/ZYLCustomComboBox.h"
#include "edits/ZYLCustomListBox.h"
#include "edits/ZYLCustomMaskEdit.h"
#include "edits/ZYLCustomMemo.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLCustomComponent.h"
#include "foundation/ZYLCustomControl.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/controls/ControlTypes.h"
#include "platform/designer/DesignRegistry.h"
#include "system/ZYLApplicationCtrl.h"

namespace zyl {

namespace {

template <class E>
void Register(const vcl::TTypeInfo* Type, vcl::TClass Filter = nullptr, const char* Name = "") {
  vcl::RegisterPropertyEditor(Type, Filter, Name, vcl::PropertyEditorClassOf<E>());
}

template <class T, class E>
void RegisterType() {
  Register<E>(vcl::TypeInfoOf<T*>());
}

}  // namespace

void ZYLRegPropertyEditors(int32_t Options) {
  const vcl::TTypeInfo* const string = vcl::TypeInfoOf<std::string>();
  if (Options & ZYLPEOptionString) Register<TZYLStringProperty>(string);
  if (Options & ZYLPEOptionHint)
    Register<TZYLHintProperty>(string, vcl::TControl::StaticClass(), "Hint");
  if (Options & ZYLPEOptionCaption) Register<TZYLStdCaptionProperty>(vcl::CaptionTypeInfo());
  if (Options & ZYLPEOptionStrings) {
    for (vcl::TClass filter :
         {TZYLCustomComponent::StaticClass(), TZYLCustomControl::StaticClass(),
          TZYLControl::StaticClass(), TZYLCustomComboBox::StaticClass(),
          TZYLCustomListBox::StaticClass(), TZYLCustomScrollBox::StaticClass()})
      Register<TZYLStringListProperty>(vcl::TypeInfoOf<vcl::TStrings*>(), filter);
  }

  Register<TZYLDateTimeFormatProperty>(DateTimeFormatTypeInfo(),
                                       TZYLInformationLabel::StaticClass(), "DateTimeFormat");
  RegisterType<TZYLGlyphTextLayout, TZYLTextAndGlyphProperty>();
  RegisterType<TZYLButtonLayout, TZYLButtonLayoutProperty>();
  RegisterType<TZYLCustomImageList, TZYLCustomImageListProperty>();
  RegisterType<TZYLImageList, TZYLImageListProperty>();
  RegisterType<TZYLWave, TZYLWaveProperty>();
  Register<TZYLAboutVarProperty>(AboutVarTypeInfo());
  RegisterType<TZYLBevel, TZYLBevelProperty>();
  RegisterType<TZYL3DCaption, TZYL3DProperty>();
  RegisterType<TZYLFxCaption, TZYLFxProperty>();
  RegisterType<TZYLSmallBar, TZYLSmallBarProperty>();
  RegisterType<TZYLGradient, TZYLGradientProperty>();
  RegisterType<TZYLShadow, TZYLShadowProperty>();
  RegisterType<TZYLShapeFill, TZYLShapeFillProperty>();
  RegisterType<TZYLFillObject, TZYLFillObjectProperty>();
  RegisterType<TZYLPointList, TZYLPointListProperty>();
  Register<TZYLMaskProperty>(string, TZYLCustomMaskEdit::StaticClass(), "Mask");
  Register<TZYLMemoLinesProperty>(vcl::TypeInfoOf<TZYLMemoStrings*>(),
                                  TZYLCustomMemo::StaticClass(), "Lines");
  RegisterType<TZYLTransparent, TZYLTransparentProperty>();
  RegisterType<TZYLCaption, TZYLCaptionProperty>();
  Register<TZYLHelpFileNameProperty>(string, TZYLApplicationCtrl::StaticClass(), "HelpFile");
  RegisterType<TZYLDateTime, TZYLDateTimeProperty>();
  // The button faces' editor has no registration: no property of the library is of a face type.
  RegisterType<TZYLSimpleBevel, TZYLSimpleBevelProperty>();
  Register<TZYLShapeProperty>(vcl::TypeInfoOf<TZYLShapeType>());
  RegisterType<TZYLTeeth, TZYLTeethProperty>();
}

}  // namespace zyl
