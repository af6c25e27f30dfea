// TGraphic: the abstract picture (bitmap, icon) that canvases draw and pictures hold.
#pragma once

#include <string>

#include "platform/base/Types.h"
#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"

namespace vcl {

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
  ZYL_CLASS(TGraphic, TPersistent)
  TGraphic() = default;

  virtual bool Empty() = 0;
  virtual int Width() = 0;
  virtual void SetWidth(int Value) = 0;
  virtual int Height() = 0;
  virtual void SetHeight(int Value) = 0;
  virtual win::HPALETTE Palette() { return nullptr; }
  virtual void SetPalette(win::HPALETTE) {}
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool Value);
  bool Modified() const { return modified_; }
  // True marks a change (OnChange runs); false only clears the flag.
  void SetModified(bool Value);

  virtual void LoadFromStream(TStream* Stream) = 0;
  virtual void SaveToStream(TStream* Stream) = 0;
  // Files through the layer's path policy; EFOpenError/EFCreateError when they cannot be
  // opened or created.
  virtual void LoadFromFile(const std::string& FileName);
  virtual void SaveToFile(const std::string& FileName);

  // Paints the picture into Rect of ACanvas (stretched to it).
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
  // Same kind and same saved bytes.
  virtual bool Equals(TGraphic* Graphic);

  // The "Data" property of form streams: the picture's own stream format.
  void DefineProperties(TFiler* Filer) override;
  virtual void ReadData(TStream* Stream);
  virtual void WriteData(TStream* Stream);

  TNotifyEvent OnChange;

 protected:
  virtual void Changed(TObject* Sender);

 private:
  bool transparent_ = false;
  bool modified_ = false;
};

using TGraphicClass = TClass;

}  // namespace vcl
