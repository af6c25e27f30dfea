// Resources the program embeds: named blocks of bytes registered by generated or library code
// under a module instance, a type and a name, read back through TResourceStream.
//
// Types and names are text compared case-insensitively; numeric ones are written "#<n>" (the
// platform's integer resources): RT_BITMAP is "#2", RT_RCDATA "#10".
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/base/Types.h"
#include "platform/classes/Streams.h"

namespace vcl {

extern const char* const RT_CURSOR;
extern const char* const RT_BITMAP;
extern const char* const RT_ICON;
extern const char* const RT_MENU;
extern const char* const RT_DIALOG;
extern const char* const RT_STRING;
extern const char* const RT_RCDATA;
extern const char* const RT_GROUP_CURSOR;
extern const char* const RT_GROUP_ICON;

// The running program's own module (resources registered without an instance belong to it).
extern win::HINSTANCE HInstance;

// "#<id>" for an integer resource id or type.
std::string ResourceId(int id);

// Copies `size` bytes; registering the same instance/type/name again replaces the data.
void RegisterResource(win::HINSTANCE instance, const std::string& type, const std::string& name,
                      const void* data, size_t size);
bool UnregisterResource(win::HINSTANCE instance, const std::string& type, const std::string& name);
// The registered bytes (valid until unregistered or replaced); false when absent.
bool FindResourceData(win::HINSTANCE instance, const std::string& type, const std::string& name,
                      const void*& data, size_t& size);

// Registers a resource during static initialisation (for generated sources).
struct TResourceRegistration {
  TResourceRegistration(const char* type, const char* name, const void* data, size_t size) {
    RegisterResource(HInstance, type, name, data, size);
  }
};

// A read-only stream over a registered resource; EResNotFound "Resource %s not found".
class TResourceStream : public TCustomMemoryStream {
  ZYL_CLASS(TResourceStream, TCustomMemoryStream)
  TResourceStream(win::HINSTANCE Instance, const std::string& ResName, const std::string& ResType);
  TResourceStream(win::HINSTANCE Instance, int ResID, const std::string& ResType);
  int32_t Write(const void* buffer, int32_t count) override;

 private:
  void Initialize(win::HINSTANCE Instance, const std::string& Name, const std::string& Type);
  std::shared_ptr<const void> block_;  // keeps the bytes alive if the entry is replaced
};

}  // namespace vcl
