#pragma once

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/controls/ControlTypes.h"

namespace vcl {

// The size limits of a control (0 = no limit), published as "Constraints". Setting a maximum
// below the minimum lowers the minimum, and a minimum above the maximum raises the maximum.
// Negative sizes raise ERangeError. Every change fires OnChange (the control re-applies them).
class TSizeConstraints : public TPersistent {
  ZYL_CLASS(TSizeConstraints, TPersistent)
  explicit TSizeConstraints(TControl* Control = nullptr) : control_(Control) {}

  TControl* Control() const { return control_; }
  int32_t MaxHeight() const { return maxHeight_; }
  int32_t MaxWidth() const { return maxWidth_; }
  int32_t MinHeight() const { return minHeight_; }
  int32_t MinWidth() const { return minWidth_; }
  // Index: one of the limits below (MaxHeight, MaxWidth, MinHeight, MinWidth).
  void SetConstraints(int Index, int32_t Value);
  void SetMaxHeight(int32_t Value) { SetConstraints(ciMaxHeight, Value); }
  void SetMaxWidth(int32_t Value) { SetConstraints(ciMaxWidth, Value); }
  void SetMinHeight(int32_t Value) { SetConstraints(ciMinHeight, Value); }
  void SetMinWidth(int32_t Value) { SetConstraints(ciMinWidth, Value); }
  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;
  const TNotifyEvent& GetOnChange() const { return OnChange; }
  void SetOnChange(const TNotifyEvent& E) { OnChange = E; }

 protected:
  virtual void Change();

 private:
  // The indices of the indexed limit properties.
  enum TLimit : int { ciMaxHeight, ciMaxWidth, ciMinHeight, ciMinWidth };
  TControl* control_;
  int32_t maxHeight_ = 0;
  int32_t maxWidth_ = 0;
  int32_t minHeight_ = 0;
  int32_t minWidth_ = 0;
};

}  // namespace vcl
