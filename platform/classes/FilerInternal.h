// What the form reader and writer share inside this module: name comparison, the nesting
// limit, the damaged-stream error and the list of references waiting to be fixed up.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_set>

#include "platform/base/Exceptions.h"
#include "platform/classes/Component.h"
#include "platform/classes/TypeInfo.h"

namespace vcl::filer_detail {

// Components, lists and collections nested deeper than this are taken as corrupt input.
constexpr int kMaxNesting = 200;

// Damaged data (the stream ends early, nesting too deep): a reader cannot step over it to go
// on with the next property. Reported to callers as the EReadError it is.
class EDamagedStream : public EReadError {
 public:
  using EReadError::EReadError;
};

// Reads the 16-bit resource header a binary form file may start with (0xFF, the type 10 as
// 0x0A 0x00, the name as bytes ended by 0x00 or as 0xFF and a 16-bit number, two bytes of
// flags, the 32-bit size of the stream after it) through `next`, which gives the next byte
// and raises at the end. Returns the declared size; EReadError when it is no such header.
uint32_t ReadFormResourceHeader(const std::function<uint8_t()>& next);

// A reference read into a property, waiting for its target.
struct TPropFixup {
  TPersistent* Instance;
  TComponent* InstanceRoot;  // the root names are relative to (an inline frame, or the root)
  TComponent* Component;     // the component being read when the reference was met
  const TPropInfo* Prop;
  std::string RootName;
  std::string Name;
  TComponent* Root = nullptr;  // the root of the stream (when InstanceRoot is a frame in it)
};

void AddFixup(TPropFixup fixup);
void RemoveFixupsIf(const std::function<bool(const TPropFixup&)>& pred);
// Every component owned (directly or not) by c, and c.
void CollectOwned(TComponent* c, std::unordered_set<TComponent*>& out);
// Resolves the waiting references of one root, or (crossOnly) those into other roots of every
// root; the lookups run under the lock, the assignments outside it (setters may run any code).
// Unresolved ones are dropped when `dropUnresolved` says so.
void ResolveFixups(TComponent* root, bool crossOnly,
                   const std::function<bool(const TPropFixup&)>& dropUnresolved);

}  // namespace vcl::filer_detail
