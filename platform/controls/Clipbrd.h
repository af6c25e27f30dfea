// The framework's clipboard object: text, bitmaps and pictures, components (as their binary
// stream) and raw handles of any format, over the window system's clipboard
// (platform/user/Clipboard.h), which other programs of this system share.
#pragma once

#include <string>

#include "platform/base/Exceptions.h"
#include "platform/classes/Persistent.h"
#include "platform/user/Clipboard.h"

namespace vcl {

class TComponent;

// The registered formats of components and of pictures other than bitmaps (registered again
// whenever the clipboard object opens, should the window system have started afresh).
extern win::UINT CF_COMPONENT;
extern win::UINT CF_PICTURE;

class TClipboard : public TPersistent {
  ZYL_CLASS(TClipboard, TPersistent)
  TClipboard() = default;
  ~TClipboard() override;

  // Opening nests; the outermost Close publishes the content. Open raises Exception
  // ("Cannot open clipboard") while another program holds it.
  void Open();
  void Close();
  void Clear();
  bool HasFormat(win::UINT Format) const;
  int FormatCount() const;
  // Raises EListError for an index outside 0 .. FormatCount-1.
  win::UINT Formats(int Index) const;

  std::string AsText();
  void SetAsText(const std::string& Value);
  int GetTextBuf(char* Buffer, int BufSize);
  void SetTextBuf(const char* Buffer);
  // The format's handle (owned by the clipboard; null when absent) and a handle given to it.
  win::HANDLE GetAsHandle(win::UINT Format);
  void SetAsHandle(win::UINT Format, win::HANDLE Value);

  // Puts a component's binary stream on the clipboard (with the controls its owner keeps on
  // it); reads one back as a new component of Owner (placed on Parent when both are
  // controls). Null when no component is there; EClassNotFound when its class is not
  // registered for streaming (checked before anything is made), EReadError for a damaged
  // stream or a name Owner already holds; a refused paste leaves nothing behind.
  void SetComponent(TComponent* Component);
  TComponent* GetComponent(TComponent* Owner, TComponent* Parent);
  // The bytes of the component format as they are (a signature and one or more components, as
  // a form designer copies its selection; "" when none), and such bytes put on the clipboard.
  std::string ComponentStream();
  void SetComponentStream(const std::string& Bytes);
  // The class name of the component on the clipboard, read from the head of its stream without
  // making anything; "" when no component is there, EReadError for a damaged head.
  std::string ComponentClassName();

  // Copies a bitmap or a picture onto the clipboard (EConvertError for anything else), and
  // the clipboard's picture into a bitmap or picture.
  void Assign(TPersistent* Source) override;

 protected:
  void AssignTo(TPersistent* Dest) override;

 private:
  void SetBuffer(win::UINT Format, const void* Data, size_t Size);
  int openCount_ = 0;
  bool emptied_ = false;
};

// The global clipboard object, created on first use.
TClipboard* Clipboard();

}  // namespace vcl
