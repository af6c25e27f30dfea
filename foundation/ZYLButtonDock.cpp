#include "foundation/ZYLButtonDock.h"

#include "platform/classes/Filer.h"
#include "platform/controls/Controls.h"

namespace zyl {

using namespace vcl;

void ZYLButtonReadExtStyle(TReader* Reader, TZYLUserButtonStyle& Style, bool& CtlXP) {
  if (!Reader) throw EReadError("No reader for the button style");
  const std::string ident = Reader->ReadIdent();
  if (ident == "ubsWinXP") {
    Style = ubsWin40;
    CtlXP = true;
  } else if (ident == "ubsWinXPCombo") {
    Style = ubsCombo;
    CtlXP = true;
  } else if (ident == "ubsWinXPTool") {
    Style = ubsExplorer;
    CtlXP = true;
  } else {
    const int64_t v = GetEnumValue(ZylTypeInfo(static_cast<TZYLUserButtonStyle*>(nullptr)), ident);
    if (v < 0 || v > ubsWin40Ext) throw EReadError("Invalid property value: " + ident);
    Style = static_cast<TZYLUserButtonStyle>(v);
  }
}

void ZYLRaiseDockError(TComponent* Attached, TComponent* Control) {
  const std::string a = Attached ? Attached->Name() : std::string();
  const std::string c = Control ? Control->Name() : std::string();
  throw Exception("A dock label or dock button (" + a + ") is already attached to " + c +
                  ". Only one ZYLDockXXXX per control is allowed.");
}

TComponent* ZYLDockQuery(TControl* Control) {
  if (!Control) return nullptr;
  const LRESULT r = Control->Perform(CM_ZYLDOCKQUERY, 0, 0);
  return r ? reinterpret_cast<TComponent*>(r) : nullptr;
}

intptr_t ZYLDockQueryAnswer(TComponent* Dock) { return reinterpret_cast<intptr_t>(Dock); }

}  // namespace zyl
