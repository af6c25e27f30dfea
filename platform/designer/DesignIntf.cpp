#include "platform/designer/DesignIntf.h"

#include <algorithm>

#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

TPersistent* TDesignerSelections::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(Format(SListIndexError, {Index}));
  return items_[static_cast<size_t>(Index)];
}

int TDesignerSelections::Add(TPersistent* Item) {
  items_.push_back(Item);
  return Count() - 1;
}

bool TDesignerSelections::Contains(const TPersistent* Item) const {
  return std::find(items_.begin(), items_.end(), Item) != items_.end();
}

bool TDesignerSelections::Remove(const TPersistent* Item) {
  const auto before = items_.size();
  std::erase(items_, Item);
  return items_.size() != before;
}

IFormDesigner* FormDesignerOf(TComponent* Component) {
  TComponent* c = Component;
  while (c && !dynamic_cast<TCustomForm*>(c)) c = c->Owner();
  auto* form = dynamic_cast<TCustomForm*>(c);
  auto* designer = form ? dynamic_cast<IFormDesigner*>(form->Designer()) : nullptr;
  if (!designer) throw EInvalidCast(SInvalidCast);
  return designer;
}

}  // namespace vcl
