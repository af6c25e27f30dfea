#include "platform/classes/Filer.h"

#include "platform/classes/FilerInternal.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Consts.h"

namespace vcl {

namespace filer_detail {

uint32_t ReadFormResourceHeader(const std::function<uint8_t()>& next) {
  // Names longer than this are not names of forms.
  constexpr int kMaxNameLength = 255;
  if (next() != 0xFF || next() != 0x0A || next() != 0x00) throw EReadError(SInvalidImage);
  uint8_t c = next();
  if (c == 0xFF) {
    next();
    next();
  } else {
    for (int length = 0; c != 0; c = next())
      if (++length > kMaxNameLength) throw EReadError(SInvalidImage);
  }
  next();
  next();
  uint32_t size = 0;
  for (int i = 0; i < 4; ++i) size |= static_cast<uint32_t>(next()) << (8 * i);
  return size;
}

}  // namespace filer_detail

// ---------------------------------------------------------------------------------------------
// TFiler

ZYL_CLASS_IMPL(TFiler) {}

TFiler::TFiler(TStream* Stream, int BufSize)
    : stream_(Stream), buffer_(static_cast<size_t>(BufSize > 16 ? BufSize : 16)) {}

TFiler::~TFiler() = default;

// ---------------------------------------------------------------------------------------------
// Streaming entry points of the object model

void TComponent::ReadState(TReader* Reader) { Reader->ReadData(this); }
void TComponent::WriteState(TWriter* Writer) { Writer->WriteData(this); }

TComponent* TStream::ReadComponent(TComponent* Instance) {
  TReader reader(this, 4096);
  return reader.ReadRootComponent(Instance);
}

void TStream::WriteComponent(TComponent* Instance) { WriteDescendent(Instance, nullptr); }

void TStream::WriteDescendent(TComponent* Instance, TComponent* Ancestor) {
  TWriter writer(this, 4096);
  writer.WriteDescendent(Instance, Ancestor);
}

TComponent* ReadComponentFromBytes(const std::string& Bytes, TComponent* Instance) {
  TStringStream stream(Bytes);
  return stream.ReadComponent(Instance);
}

std::string WriteComponentToBytes(TComponent* Instance, TComponent* Ancestor) {
  TStringStream stream;
  stream.WriteDescendent(Instance, Ancestor);
  return stream.DataString();
}

}  // namespace vcl
