#include "buttons/ZYLDockButton.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

namespace {

// The docking properties both dock buttons publish after their button's.
template <class C>
void DescribeDocking(vcl::TClassBuilder<C>& b) {
  b.Prop(
       "AdjustDockedSize", [](C* c) { return c->DockLink()->AdjustDockedSize(); },
       [](C* c, bool v) { c->DockLink()->SetAdjustDockedSize(v); })
      .Default(true)
      .Prop("Control", &C::Control, &C::SetControl)
      .Prop(
          "Docked", [](C* c) { return c->DockLink()->Docked(); },
          [](C* c, bool v) { c->DockLink()->SetDocked(v); })
      .Default(true)
      .Prop("GlyphKind", &C::GlyphKind, &C::SetGlyphKind)
      .Default(gkEllipsis)
      .Prop(
          "Margin", [](C* c) { return c->DockLink()->Margin(); },
          [](C* c, int32_t v) { c->DockLink()->SetMargin(v); })
      .Default(1)
      .Prop(
          "Position", [](C* c) { return c->DockLink()->Position(); },
          [](C* c, TZYLDockPosition v) { c->DockLink()->SetPosition(v); })
      .Default(C::DefaultPosition)
      .Prop(
          "ReflectOwnChanges", [](C* c) { return c->DockLink()->ReflectOwnChanges(); },
          [](C* c, bool v) { c->DockLink()->SetReflectOwnChanges(v); })
      .Default(false);
}

}  // namespace

ZYL_CLASS_IMPL(TZYLDockButton) { DescribeDocking(b); }
ZYL_CLASS_IMPL(TZYLDockSpeedButton) { DescribeDocking(b); }

}  // namespace zyl
