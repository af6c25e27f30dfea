// TPicture: holds one graphic of any registered kind (bitmap, icon), loads files by their
// extension and streams the graphic in forms as the "Data" property.
#pragma once

#include <string>

#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Graphic.h"

namespace vcl {

class TBitmap;
class TIcon;

class TPicture : public TPersistent {
  ZYL_CLASS(TPicture, TPersistent)
  TPicture();
  ~TPicture() override;

  // A picture, a graphic (copied) or nil (empties).
  void Assign(TPersistent* Source) override;

  TGraphic* Graphic() const { return graphic_; }
  // Stores a copy of Value (nil empties).
  void SetGraphic(TGraphic* Value);
  // The graphic as a bitmap or icon; a graphic of another kind is replaced by an empty one.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value);
  TIcon* Icon();
  void SetIcon(TIcon* Value);
  int Width() const;
  int Height() const;

  // The kind comes from the extension ("bmp", "ico" and registered ones); an unknown one
  // raises EInvalidGraphic "Unknown picture file extension (.xyz)".
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName);

  // Form streams: "Data" holds the graphic's class name as a short string, then its data.
  void DefineProperties(TFiler* Filer) override;

  // File formats: extension without the dot, description, graphic class.
  static void RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                 TGraphicClass GraphicClass);

  TNotifyEvent OnChange;

 protected:
  virtual void Changed(TObject* Sender);

 private:
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);
  void Install(TGraphic* graphic);
  TGraphic* graphic_ = nullptr;
};

// "bmp" for TBitmap: the first extension registered for the class.
std::string GraphicExtension(TGraphicClass GraphicClass);
// The open-dialog filter of the formats of a class and its descendants:
// "All (*.bmp;*.ico)|*.bmp;*.ico|Bitmaps (*.bmp)|*.bmp|...".
std::string GraphicFilter(TGraphicClass GraphicClass);

}  // namespace vcl
