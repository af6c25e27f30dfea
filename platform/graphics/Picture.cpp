#include "platform/graphics/Picture.h"

#include <memory>
#include <vector>

#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

namespace {

struct TFileFormat {
  std::string Extension;
  std::string Description;
  TGraphicClass Class;
};

std::vector<TFileFormat>& FileFormats() {
  static std::vector<TFileFormat> formats = {
      {"bmp", "Bitmaps", TBitmap::StaticClass()},
      {"ico", "Icons", TIcon::StaticClass()},
  };
  return formats;
}

TGraphic* NewGraphic(TGraphicClass cls) {
  TObject* obj = cls ? cls->CreateInstance() : nullptr;
  auto* g = dynamic_cast<TGraphic*>(obj);
  if (!g) {
    delete obj;
    throw EInvalidGraphic(SUnknownFileFormat);
  }
  return g;
}

// The graphic class of a name in a form stream: the registered formats' classes.
TGraphicClass GraphicClassByName(const std::string& name) {
  for (const auto& f : FileFormats())
    if (SameText(f.Class->ClassName(), name)) return f.Class;
  return nullptr;
}

}  // namespace

ZYL_CLASS_IMPL(TPicture) {}

TPicture::TPicture() = default;

TPicture::~TPicture() { delete graphic_; }

void TPicture::Changed(TObject*) { OnChange(this); }

void TPicture::Install(TGraphic* graphic) {
  delete graphic_;
  graphic_ = graphic;
  if (graphic_) graphic_->OnChange = TNotifyEvent(this, &TPicture::Changed);
  Changed(this);
}

void TPicture::SetGraphic(TGraphic* Value) {
  if (Value == graphic_) return;
  std::unique_ptr<TGraphic> copy;
  if (Value) {
    copy.reset(NewGraphic(Value->ClassType()));
    copy->Assign(Value);
  }
  Install(copy.release());
}

TBitmap* TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(graphic_)) Install(new TBitmap);
  return static_cast<TBitmap*>(graphic_);
}

void TPicture::SetBitmap(TBitmap* Value) { SetGraphic(Value); }
void TPicture::SetIcon(TIcon* Value) { SetGraphic(Value); }

TIcon* TPicture::Icon() {
  if (!dynamic_cast<TIcon*>(graphic_)) Install(new TIcon);
  return static_cast<TIcon*>(graphic_);
}

int TPicture::Width() const { return graphic_ ? graphic_->Width() : 0; }
int TPicture::Height() const { return graphic_ ? graphic_->Height() : 0; }

void TPicture::Assign(TPersistent* Source) {
  if (!Source) SetGraphic(nullptr);
  else if (auto* p = dynamic_cast<TPicture*>(Source)) SetGraphic(p->graphic_);
  else if (auto* g = dynamic_cast<TGraphic*>(Source)) SetGraphic(g);
  else inherited::Assign(Source);
}

void TPicture::LoadFromFile(const std::string& FileName) {
  std::string ext = ExtractFileExt(FileName);
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  TGraphicClass cls = nullptr;
  for (const auto& f : FileFormats())
    if (SameText(f.Extension, ext)) {
      cls = f.Class;
      break;
    }
  if (!cls) throw EInvalidGraphic(Format(SUnknownExtension, {ext}));
  std::unique_ptr<TGraphic> g(NewGraphic(cls));
  g->LoadFromFile(FileName);
  Install(g.release());
}

void TPicture::SaveToFile(const std::string& FileName) {
  if (graphic_) graphic_->SaveToFile(FileName);
}

void TPicture::DefineProperties(TFiler* Filer) {
  bool hasData = graphic_ != nullptr;
  if (auto* ancestor = dynamic_cast<TPicture*>(Filer->Ancestor())) {
    if (!ancestor->graphic_) hasData = graphic_ != nullptr;
    else hasData = !graphic_ || !graphic_->Equals(ancestor->graphic_);
  }
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, hasData);
}

void TPicture::ReadData(TStream* Stream) {
  uint8_t len = 0;
  if (Stream->Read(&len, 1) != 1) throw EReadError(SReadError);
  std::string name(len, '\0');
  if (len > 0) Stream->ReadBuffer(name.data(), len);
  if (name.empty()) {
    Install(nullptr);
    return;
  }
  TGraphicClass cls = GraphicClassByName(name);
  if (!cls) throw EInvalidGraphic(SUnknownFileFormat);
  std::unique_ptr<TGraphic> g(NewGraphic(cls));
  g->ReadData(Stream);
  Install(g.release());
}

void TPicture::WriteData(TStream* Stream) {
  const std::string name = graphic_ ? graphic_->ClassName() : std::string();
  const uint8_t len = static_cast<uint8_t>(name.size());
  Stream->WriteBuffer(&len, 1);
  if (len > 0) Stream->WriteBuffer(name.data(), len);
  if (graphic_) graphic_->WriteData(Stream);
}

void TPicture::RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                  TGraphicClass GraphicClass) {
  if (!GraphicClass || !GraphicClass->InheritsFrom(TGraphic::StaticClass()))
    throw EInvalidGraphic(SUnknownFileFormat);
  FileFormats().push_back({Extension, Description, GraphicClass});
}

std::string GraphicExtension(TGraphicClass GraphicClass) {
  for (const auto& f : FileFormats())
    if (f.Class == GraphicClass) return f.Extension;
  return std::string();
}

std::string GraphicFilter(TGraphicClass GraphicClass) {
  std::string all, each;
  for (const auto& f : FileFormats()) {
    if (!GraphicClass || !f.Class->InheritsFrom(GraphicClass)) continue;
    const std::string mask = "*." + f.Extension;
    if (!all.empty()) all += ";";
    all += mask;
    each += "|" + f.Description + " (" + mask + ")|" + mask;
  }
  if (all.empty()) return std::string();
  return "All (" + all + ")|" + all + each;
}

}  // namespace vcl
