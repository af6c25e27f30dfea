// Components with every kind of published property, for the form stream tests: a form-like
// root listing its components, widgets that nest like controls, an owned settings object, a
// collection, extra stream properties and a widget that streams a whole sub-component.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"

namespace filertest {

ZYL_ENUM(TLook, lkFlat, lkRaised, lkSunken)
enum TSide : uint8_t { sdLeft, sdTop, sdRight, sdBottom };
ZYL_ENUM_INFO(TSide, sdLeft, sdTop, sdRight, sdBottom)
using TSides = vcl::TSet<TSide>;

// An integer type with names for some values ("clRed"), as colours have.
const vcl::TTypeInfo* TestColorType();
constexpr int32_t clTestRed = 0x0000FF;
constexpr int32_t clTestFace = static_cast<int32_t>(0x8000000F);

class TStreamStyle : public vcl::TPersistent {
  ZYL_CLASS(TStreamStyle, vcl::TPersistent)
  TStreamStyle() = default;
  void Assign(vcl::TPersistent* Source) override;
  int32_t Size() const { return size_; }
  void SetSize(int32_t v) { size_ = v; }
  const std::string& FaceName() const { return faceName_; }
  void SetFaceName(const std::string& v) { faceName_ = v; }
  TSides Bold() const { return bold_; }
  void SetBold(TSides v) { bold_ = v; }

 private:
  int32_t size_ = 8;
  std::string faceName_ = "Tahoma";
  TSides bold_;
};

class TStreamTab : public vcl::TCollectionItem {
  ZYL_CLASS(TStreamTab, vcl::TCollectionItem)
  explicit TStreamTab(vcl::TCollection* Collection) : inherited(Collection) {}
  const std::string& Text() const { return text_; }
  void SetText(const std::string& v) { text_ = v; }
  int32_t Width() const { return width_; }
  void SetWidth(int32_t v) { width_ = v; }
  vcl::TComponent* Target() const { return target_; }
  void SetTarget(vcl::TComponent* v) { target_ = v; }

 private:
  std::string text_;
  int32_t width_ = 50;
  vcl::TComponent* target_ = nullptr;
};

class TStreamWidget : public vcl::TComponent {
  ZYL_CLASS(TStreamWidget, vcl::TComponent)
  explicit TStreamWidget(vcl::TComponent* AOwner);
  ~TStreamWidget() override;

  int32_t Width() const { return width_; }
  void SetWidth(int32_t v) { width_ = v; }
  TLook Look() const { return look_; }
  void SetLook(TLook v) { look_ = v; }
  TSides Sides() const { return sides_; }
  void SetSides(TSides v) { sides_ = v; }
  double Ratio() const { return ratio_; }
  void SetRatio(double v) { ratio_ = v; }
  float Scale() const { return scale_; }
  void SetScale(float v) { scale_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  char Letter() const { return letter_; }
  void SetLetter(char v) { letter_ = v; }
  int64_t Big() const { return big_; }
  void SetBig(int64_t v) { big_ = v; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { enabled_ = v; }
  int32_t Color() const { return color_; }
  void SetColor(int32_t v) { color_ = v; }
  TStreamWidget* Buddy() const { return buddy_; }
  void SetBuddy(TStreamWidget* v);
  vcl::TNotifyEvent OnClick() const { return onClick_; }
  void SetOnClick(vcl::TNotifyEvent v) { onClick_ = v; }
  TStreamStyle* Style() const { return style_; }
  void SetStyle(TStreamStyle* v) { style_->Assign(v); }
  int32_t Version() const { return 3; }
  vcl::TOwnedCollection* Tabs() const { return tabs_; }
  void SetTabs(vcl::TOwnedCollection* v) { tabs_->Assign(v); }

  // Extra stream properties: "Internal" (a string), "Blob" (bytes) and the retired
  // "OldWidth", read only; "Shade" and "Font" (with its paths) are former names of Look and
  // Style, read only.
  std::string internal_;
  std::string blob_;

  // The control-like parent: children are written by their parent widget.
  TStreamWidget* ParentWidget() const { return parentWidget_; }
  void SetParentWidget(TStreamWidget* p);
  const std::vector<TStreamWidget*>& Children() const { return children_; }

  // What Loaded saw.
  int loadedCalls_ = 0;
  bool buddyKnownAtLoaded_ = false;
  bool wasLoadingAtLoaded_ = false;
  bool stillReadingAtLoaded_ = false;
  static std::vector<std::string>& LoadedOrder();

  void Loaded() override;
  void ReadState(vcl::TReader* Reader) override;
  void DefineProperties(vcl::TFiler* Filer) override;
  void GetChildren(const vcl::TGetChildProc& Proc, vcl::TComponent* Root) override;
  bool HasParent() const override { return true; }
  vcl::TComponent* GetParentComponent() const override { return parentWidget_; }
  void SetChildOrder(vcl::TComponent* Child, int Order) override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 private:
  int32_t width_ = 10;
  TLook look_ = lkFlat;
  TSides sides_ = {sdLeft};
  double ratio_ = 0;
  float scale_ = 0;
  std::string caption_;
  char letter_ = 'a';
  int64_t big_ = 0;
  bool enabled_ = true;
  int32_t color_ = clTestFace;
  TStreamWidget* buddy_ = nullptr;
  vcl::TNotifyEvent onClick_;
  TStreamStyle* style_;
  vcl::TOwnedCollection* tabs_;
  TStreamWidget* parentWidget_ = nullptr;
  std::vector<TStreamWidget*> children_;
};

// A widget that owns a label widget and streams it whole as the binary property "SubLabel".
class TLabeledStreamWidget : public TStreamWidget {
  ZYL_CLASS(TLabeledStreamWidget, TStreamWidget)
  explicit TLabeledStreamWidget(vcl::TComponent* AOwner);
  TStreamWidget* Label() const { return label_; }
  void DefineProperties(vcl::TFiler* Filer) override;

 private:
  TStreamWidget* label_;
};

// The root: lists its components without a parent widget, publishes handlers and fields.
class TStreamForm : public vcl::TComponent {
  ZYL_CLASS(TStreamForm, vcl::TComponent)
  explicit TStreamForm(vcl::TComponent* AOwner) : inherited(AOwner) {}
  void GetChildren(const vcl::TGetChildProc& Proc, vcl::TComponent* Root) override;
  void WidgetClick(vcl::TObject* Sender) { lastClick = Sender; }
  void OtherClick(vcl::TObject* Sender) { lastOther = Sender; }
  int32_t Tag2() const { return tag2_; }
  void SetTag2(int32_t v) { tag2_ = v; }
  void Loaded() override;
  int loadedCalls_ = 0;

  vcl::TObject* lastClick = nullptr;
  vcl::TObject* lastOther = nullptr;
  TStreamWidget* Widget1 = nullptr;

 private:
  int32_t tag2_ = 0;
};

// A frame: it owns the components it contains and is placed inline in a form.
class TStreamFrame : public vcl::TComponent {
  ZYL_CLASS(TStreamFrame, vcl::TComponent)
  explicit TStreamFrame(vcl::TComponent* AOwner) : inherited(AOwner) {}
  void GetChildren(const vcl::TGetChildProc& Proc, vcl::TComponent* Root) override;
  vcl::TComponent* GetChildOwner() override { return this; }
};

// Registers the classes above once.
void RegisterFilerTestClasses();

// Writes a root into bytes and reads it back into a new instance (or Root).
std::string WriteRoot(vcl::TComponent* Root, vcl::TComponent* Ancestor = nullptr);
vcl::TComponent* ReadRoot(const std::string& Bytes, vcl::TComponent* Root = nullptr);

}  // namespace filertest
