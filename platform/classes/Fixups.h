// References between components, resolved after a root is read. References into another
// root ("Form2.Edit1") wait on a global list until that root can be found through the
// registered finders; GlobalFixupReferences retries them.
#pragma once

#include <string>

#include "platform/classes/Component.h"

namespace vcl {

using TFindGlobalComponent = TComponent* (*)(const std::string& Name);
void RegisterFindGlobalComponentProc(TFindGlobalComponent Proc);
void UnregisterFindGlobalComponentProc(TFindGlobalComponent Proc);
TComponent* FindGlobalComponent(const std::string& Name);
void GlobalFixupReferences();
// Forgets pending references held by Instance (null: every one of Root), e.g. before it is
// freed; RootName restricts to references into that root.
void RemoveFixupReferences(TComponent* Root, const std::string& RootName);
void RemoveFixups(TPersistent* Instance);
// Number of references still waiting (for tests and diagnostics).
int PendingFixupCount();
// A component by a dotted path below Root ("Panel1.Button1"; "Owner" is Root itself).
TComponent* FindNestedComponent(TComponent* Root, const std::string& NamePath);

}  // namespace vcl
