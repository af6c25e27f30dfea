#include "platform/controls/ExtDlgs.h"

#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/DialogsInternal.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Format.h"

namespace vcl {

using namespace dialogs;

namespace {
// The preview's caption for a picture that is not there or cannot be read.
constexpr const char kNoPicture[] = "(None)";
}  // namespace

TOpenPictureDialog::TOpenPictureDialog(TComponent* AOwner) : TOpenDialog(AOwner) {
  filter_ = GraphicFilter(TGraphic::StaticClass());
}

TOpenPictureDialog::~TOpenPictureDialog() = default;

bool TOpenPictureDialog::IsFilterStored() const {
  return filter_ != GraphicFilter(TGraphic::StaticClass());
}

TForm* TOpenPictureDialog::CreateForm() {
  TForm* f = TOpenDialog::CreateForm();
  const int left = f->ClientWidth();
  auto* panel = new TPanel(f);
  panel->SetName("PreviewPanel");
  panel->SetCaption("");
  panel->SetBevelOuter(bvLowered);
  panel->SetBounds(left, 34, 164, 170);
  panel->SetParent(f);
  auto* image = new TImage(f);
  image->SetName("Preview");
  image->SetCenter(true);
  image->SetBounds(2, 2, 160, 166);
  image->SetParent(panel);
  TLabel* size = AddLabel(f, "PictureSize", kNoPicture, left, 212);
  size->SetAutoSize(false);
  size->SetWidth(164);
  f->SetClientWidthProp(left + 172);
  form_ = f;
  return f;
}

bool TOpenPictureDialog::Execute() {
  TFinally forget([this] { form_ = nullptr; });
  return TOpenDialog::Execute();
}

void TOpenPictureDialog::DoSelectionChange(const std::string& Selected) {
  if (form_) {
    auto* image = dynamic_cast<TImage*>(form_->FindComponent("Preview"));
    auto* size = dynamic_cast<TLabel*>(form_->FindComponent("PictureSize"));
    bool shown = false;
    if (image && size && !Selected.empty()) {
      try {
        image->Picture()->LoadFromFile(Selected);
        // A large picture is shrunk into the preview.
        image->SetStretch(image->Picture()->Width() > image->Width() ||
                          image->Picture()->Height() > image->Height());
        size->SetCaption(
            Format("%d x %d", {image->Picture()->Width(), image->Picture()->Height()}));
        shown = true;
      } catch (const Exception&) {
      }
    }
    if (!shown && image && size) {
      image->Picture()->Assign(nullptr);
      size->SetCaption(kNoPicture);
    }
  }
  TOpenDialog::DoSelectionChange(Selected);
}

TSavePictureDialog::TSavePictureDialog(TComponent* AOwner) : TOpenPictureDialog(AOwner) {
  save_ = true;
}

ZYL_CLASS_IMPL(TOpenPictureDialog) {
  b.Publish("Filter").Stored(&TOpenPictureDialog::IsFilterStored).EmptyStored();
}

ZYL_CLASS_IMPL(TSavePictureDialog) {}

}  // namespace vcl
