// The clipboard's formats other than components: the shared clipboard file other programs
// write (every format it holds is then asked for, as a handle, as text and as a picture), a
// packed bitmap, the picture format (a graphic class name and its data) and text, each put on
// the clipboard and read into a bitmap, a picture and an edit.
//
// Input: a byte picking the kind (0 the shared file, 1 a packed bitmap, 2 the picture format,
// 3 text), then the data.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/user/Clipboard.h"
#include "platform/user/WinUserConsts.h"

namespace {

void Put(win::UINT format, const std::string& bytes) {
  vcl::TClipboard* c = vcl::Clipboard();
  c->Open();
  c->Clear();
  win::HGLOBAL h = win::GlobalAlloc(win::GMEM_MOVEABLE, bytes.size());
  if (!bytes.empty()) {
    std::memcpy(win::GlobalLock(h), bytes.data(), bytes.size());
    win::GlobalUnlock(h);
  }
  c->SetAsHandle(format, h);
  c->Close();
}

// The shared file as the input gives it, with a serial never seen before (so it is read).
void PutFile(const std::string& bytes) {
  static uint64_t serial = 1000;
  std::string file = bytes;
  if (file.size() >= 16) {
    ++serial;
    for (int i = 0; i < 8; ++i) file[8 + i] = static_cast<char>(serial >> (8 * i));
  }
  const auto* p = reinterpret_cast<const uint8_t*>(file.data());
  fuzz::WriteScratchFile("clipboard", p, file.size());
}

// Every format the clipboard holds, asked for by handle.
void ReadEveryFormat() {
  if (!win::OpenClipboard(nullptr)) return;
  const int count = win::CountClipboardFormats();
  int seen = 0;
  for (win::UINT f = win::EnumClipboardFormats(0); f != 0; f = win::EnumClipboardFormats(f)) {
    if (++seen > count + 2) std::abort();  // the walk must end
    char name[256];
    win::GetClipboardFormatNameA(f, name, sizeof(name));
    if (win::HANDLE h = win::GetClipboardData(f); h && f != win::CF_BITMAP) win::GlobalSize(h);
  }
  win::CloseClipboard();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::StartClipboardSession();
  if (size < 1) return 0;
  const std::string bytes = fuzz::Bytes(data + 1, size - 1);
  switch (data[0] % 4) {
    case 0: PutFile(bytes); break;
    case 1: Put(win::CF_DIB, bytes); break;
    case 2: Put(vcl::CF_PICTURE, bytes); break;
    default: Put(win::CF_TEXT, bytes); break;
  }
  ReadEveryFormat();
  vcl::TClipboard* clip = vcl::Clipboard();
  fuzz::Expect([&] {
    const std::string text = clip->AsText();
    char buffer[16];
    if (clip->GetTextBuf(buffer, sizeof(buffer)) !=
        static_cast<int>(std::min<size_t>(text.size(), 15)))
      std::abort();
  });
  fuzz::Expect([&] { clip->ComponentClassName(); });
  fuzz::Expect([&] {
    vcl::TPicture picture;
    picture.Assign(clip);
    if (picture.Graphic()) {
      // A picture taken from the clipboard goes back and comes out the same size.
      const int w = picture.Width(), h = picture.Height();
      clip->Assign(&picture);
      vcl::TPicture again;
      again.Assign(clip);
      if (again.Width() != w || again.Height() != h) std::abort();
    }
  });
  fuzz::Expect([&] {
    vcl::TBitmap bitmap;
    bitmap.Assign(clip);
  });
  std::unique_ptr<vcl::TForm> form(new vcl::TForm(nullptr));
  auto* edit = new vcl::TEdit(form.get());
  edit->SetParent(form.get());
  fuzz::Expect([&] { edit->PasteFromClipboard(); });
  auto* memo = new vcl::TMemo(form.get());
  memo->SetParent(form.get());
  fuzz::Expect([&] { memo->PasteFromClipboard(); });
  return 0;
}
