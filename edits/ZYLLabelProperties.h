// TZYLLabelProperties: the caption-label properties of the labeled edits and list boxes. The two
// stand on different framework bases, so each takes this class as a second base: it holds the
// control's label binding and hands its settings out as the control's own properties, and
// Declare describes them on the control's class (its descendants publish them).
#pragma once

#include "display/ZYLBoundLabel.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

class TZYLLabelProperties {
 public:
  TZYLLabelProperties(const TZYLLabelProperties&) = delete;
  TZYLLabelProperties& operator=(const TZYLLabelProperties&) = delete;

  bool HasLabel() const { return FLabelBinding.HasLabel(); }
  // Creates (true) or frees (false) the caption label.
  void SetHasLabel(bool Value) { FLabelBinding.SetHasLabel(Value); }
  TZYLBoundLabel* EditLabel() const { return FLabelBinding.Label(); }
  vcl::TLabelPosition LabelPosition() const { return FLabelBinding.Position(); }
  void SetLabelPosition(vcl::TLabelPosition Value) { FLabelBinding.SetPosition(Value); }
  int LabelSpacing() const { return FLabelBinding.Spacing(); }
  void SetLabelSpacing(int Value) { FLabelBinding.SetSpacing(Value); }
  bool LabelSync() const { return FLabelBinding.Sync(); }
  void SetLabelSync(bool Value) { FLabelBinding.SetSync(Value); }

  // Describes EditLabel (written whole as "SubLabel", never as a property), LabelPosition,
  // LabelSpacing and LabelSync on the labeled control class C.
  template <class C>
  static void Declare(vcl::TClassBuilder<C>& b) {
    b.Declare("EditLabel", &C::EditLabel, nullptr)
        .Stored(false)
        .Declare("LabelPosition", &C::LabelPosition, &C::SetLabelPosition)
        .Default(vcl::lpAbove)
        .Declare("LabelSpacing", &C::LabelSpacing, &C::SetLabelSpacing)
        .Default(3)
        .Declare("LabelSync", &C::LabelSync, &C::SetLabelSync)
        .Default(false);
  }

 protected:
  // Owner is the labeled control itself.
  explicit TZYLLabelProperties(vcl::TWinControl* Owner) : FLabelBinding(Owner) {}
  ~TZYLLabelProperties() = default;

  TZYLLabelBinding FLabelBinding;
};

}  // namespace zyl
