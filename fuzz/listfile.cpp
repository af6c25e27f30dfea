// List files and container streams of every kind of container (the first byte picks the kind),
// the image-list item's own file, and the wave's stream form. What a container loads must save
// and load again to as many items.
#include <cstdlib>
#include <memory>

#include "foundation/ZYLCont.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"

namespace {

std::unique_ptr<zyl::TZYLCustomContainer> NewContainer(uint8_t kind) {
  switch (kind % 4) {
    case 0: return std::make_unique<zyl::TZYLImageList>();
    case 1: return std::make_unique<zyl::TZYLBitmapList>();
    case 2: return std::make_unique<zyl::TZYLStringList>();
    default: return std::make_unique<zyl::TZYLWaveList>();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t kind = data[0];
  ++data, --size;
  const std::string file = fuzz::WriteScratchFile("fuzz.list", data, size);
  fuzz::Expect([&] {
    auto list = NewContainer(kind);
    list->LoadFromFile(file);
  });
  fuzz::Expect([&] {
    auto list = NewContainer(kind);
    vcl::TStringStream in(fuzz::Bytes(data, size));
    list->LoadFromStream(&in);
    vcl::TMemoryStream saved;
    list->SaveToStream(&saved);
    saved.SetPosition(0);
    auto again = NewContainer(kind);
    again->LoadFromStream(&saved);
    if (again->Count() != list->Count()) std::abort();
  });
  fuzz::Expect([&] {
    zyl::TZYLImageListItem item;
    item.LoadFromFile(file);
  });
  fuzz::Expect([&] {
    vcl::TStringStream in(fuzz::Bytes(data, size));
    zyl::TZYLWave wave;
    wave.LoadFromStream(&in);
  });
  return 0;
}
