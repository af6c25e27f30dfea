// Formatted text, as captions, hints and list items loaded from files are drawn: the text laid
// out and drawn with the flags, rectangle width, tab length and margins the input gives
// (measured first, then drawn; shortened in place with an ellipsis), and the text converted to
// UTF-8 and back, what comes back doing the same unchanged.
//
// Input: four bytes of flags, a byte of width, a byte of tab length, a byte of margins, then
// the text.
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/rtl/CodePage.h"
#include "platform/text/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 7) return 0;
  const win::UINT flags = data[0] | data[1] << 8 | data[2] << 16 | win::UINT(data[3]) << 24;
  const int width = data[4];
  std::string text = fuzz::Bytes(data + 7, size - 7);
  // What comes back from UTF-8 goes there and back unchanged.
  const std::string once = vcl::Utf8ToAnsi(vcl::AnsiToUtf8(text));
  if (vcl::Utf8ToAnsi(vcl::AnsiToUtf8(once)) != once) std::abort();
  vcl::Utf8ToAnsi(text);

  const win::TMemoryDC dc;
  const win::TOwnedObject<win::HBITMAP> bmp(win::CreateCompatibleBitmap(dc, 256, 128));
  const win::TSelectedObject selected(dc, bmp);
  win::RECT r{4, 4, 4 + width, 100};
  const int count = static_cast<int>(text.size());
  win::DrawTextA(dc, text.c_str(), count, &r, flags | win::DT_CALCRECT);
  win::RECT box{4, 4, 4 + width, 100};
  win::DrawTextA(dc, text.c_str(), count, &box, flags & ~win::DT_CALCRECT);
  // Room for the text and the ellipsis the call may put in.
  std::vector<char> buffer(text.begin(), text.end());
  buffer.resize(text.size() + 5, '\0');
  win::DRAWTEXTPARAMS params;
  params.iTabLength = data[5] % 17;
  params.iLeftMargin = data[6] & 15;
  params.iRightMargin = data[6] >> 4;
  win::RECT ex{0, 0, width, 60};
  win::DrawTextExA(dc, buffer.data(), count, &ex, flags | win::DT_MODIFYSTRING, &params);
  if (params.uiLengthDrawn > text.size()) std::abort();
  return 0;
}
