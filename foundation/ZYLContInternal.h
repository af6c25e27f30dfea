#pragma once
// Helpers the files of the container unit share; not for users of the library.

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ZYLCont.h"

namespace zyl::cont_internal {

// Little-endian primitives with checked lengths.
void WriteU8(vcl::TStream* s, uint8_t v);
void WriteU16(vcl::TStream* s, uint16_t v);
void WriteI32(vcl::TStream* s, int32_t v);
uint8_t ReadU8(vcl::TStream* s);
uint16_t ReadU16(vcl::TStream* s);
int32_t ReadI32(vcl::TStream* s);
int64_t Remaining(vcl::TStream* s);
// A length field: non-negative and not beyond the end of the stream (or of Limit).
int32_t ReadLength(vcl::TStream* s, int64_t Limit = -1);
void WriteText(vcl::TStream* s, const std::string& t);
std::string ReadText(vcl::TStream* s, int64_t Limit = -1);

// A bitmap as int32 length + BMP image (length 0: none), stored in the pixel format.
void WriteBitmap(vcl::TStream* s, const vcl::TBitmap* b, TZYLSavePixelFormat f);
// Throws: the pictures of an item are larger than ZYLMaxListItemPixels allows.
[[noreturn]] void TooLarge();
// ExpectWidth / ExpectHeight (when positive): the size the BMP header must give.
std::unique_ptr<vcl::TBitmap> ReadBitmap(vcl::TStream* s, int64_t ExpectWidth = 0,
                                         int64_t ExpectHeight = 0);
// Reads the signature a list file of Kind starts with; throws EFOpenError naming FileName and
// ClassName when it is not there.
void CheckSignature(vcl::TStream* s, TZYLListItemClassType Kind, const std::string& FileName,
                    const char* ClassName);

}  // namespace zyl::cont_internal
