#include "GraphicsTestUtil.h"

#include "platform/classes/TypeInfo.h"

namespace gfxtest {

ZYL_CLASS_IMPL(TGfxHolder) {
  b.Prop("Brush", &TGfxHolder::Brush, &TGfxHolder::SetBrush)
      .Prop("Color", &TGfxHolder::Color, &TGfxHolder::SetColor, vcl::ColorTypeInfo())
      .Default(vcl::clBtnFace)
      .Prop("Cursor", &TGfxHolder::Cursor, &TGfxHolder::SetCursor, vcl::CursorTypeInfo())
      .Default(vcl::crDefault)
      .Prop("Font", &TGfxHolder::Font, &TGfxHolder::SetFont)
      .Prop("Glyph", &TGfxHolder::Glyph, &TGfxHolder::SetGlyph)
      .Prop("Pen", &TGfxHolder::Pen, &TGfxHolder::SetPen)
      .Prop("Picture", &TGfxHolder::Picture, &TGfxHolder::SetPicture);
}

TGfxHolder::TGfxHolder(vcl::TComponent* AOwner)
    : inherited(AOwner),
      font_(new vcl::TFont),
      pen_(new vcl::TPen),
      brush_(new vcl::TBrush),
      glyph_(new vcl::TBitmap),
      picture_(new vcl::TPicture) {}

TGfxHolder::~TGfxHolder() {
  delete font_;
  delete pen_;
  delete brush_;
  delete glyph_;
  delete picture_;
}

}  // namespace gfxtest
