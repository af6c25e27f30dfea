#include "buttons/ZYLAutoRepeat.h"

#include <cstdint>

#include "foundation/ZYLTimer.h"
#include "platform/base/Numbers.h"

namespace zyl {

TZYLAutoRepeat::TZYLAutoRepeat(const vcl::TNotifyEvent& OnRepeat) : FOnRepeat(OnRepeat) {}

TZYLAutoRepeat::~TZYLAutoRepeat() = default;

void TZYLAutoRepeat::Start(int Interval) {
  const int first = vcl::ClampToInt(int64_t{Interval} + FirstDelay);
  if (!FTimer) {
    FTimer = std::make_unique<TZYLTimer>(first, FOnRepeat, true, false);
  } else {
    FTimer->SetEnabled(false);
    FTimer->SetInterval(first);
    FTimer->SetEnabled(true);
  }
}

void TZYLAutoRepeat::Continue(int Interval) {
  if (FTimer) FTimer->SetInterval(Interval);
}

void TZYLAutoRepeat::Stop() {
  if (FTimer) FTimer->SetEnabled(false);
}

bool TZYLAutoRepeat::Running() const { return FTimer && FTimer->Enabled(); }

void TZYLAutoRepeat::Free() { FTimer.reset(); }

}  // namespace zyl
