// Buttons with pictures: TSpeedButton (a graphic button that can stay down, alone or in a
// group, flat until the mouse comes) and TBitBtn (a push button with a glyph, and stock kinds
// such as OK and Cancel that bring their caption, glyph and modal result).
#pragma once

#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"

namespace vcl {

ZYL_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
ZYL_ENUM(TButtonState, bsUp, bsDisabled, bsDown, bsExclusive)
ZYL_ENUM(TButtonStyle, bsAutoDetect, bsWin31, bsNew)
ZYL_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry,
         bkIgnore, bkAll)
using TNumGlyphs = int32_t;

// Registers TSpeedButton and TBitBtn for form streams (also done at start-up).
void RegisterButtons();

// The picture of a button: a strip of NumGlyphs images (up, disabled, clicked, down), of which
// the one for a state is drawn with the bottom-left pixel's colour transparent; a missing
// disabled image is made from the up one, embossed.
class TButtonGlyph {
 public:
  TButtonGlyph();
  ~TButtonGlyph();
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;

  TBitmap* Glyph() const { return glyph_; }
  // Numbers of images other than 1..4 raise EInvalidOperation.
  void SetNumGlyphs(TNumGlyphs Value);
  TNumGlyphs NumGlyphs() const { return numGlyphs_; }
  // The size of one image (0 x 0 without a glyph).
  TSize GlyphSize() const;
  // Draws glyph and caption in Client as the Layout, Margin and Spacing place them; answers
  // the caption's rectangle. Line breaks (CR LF, LF or CR) in the caption start new lines,
  // each centred across the caption's rectangle.
  TRect Draw(TCanvas* Canvas, const TRect& Client, const TPoint& Offset, const std::string& Caption,
             TButtonLayout Layout, int Margin, int Spacing, TButtonState State);
  // Where glyph and caption go (the layout arithmetic on its own).
  void CalcLayout(TCanvas* Canvas, const TRect& Client, const std::string& Caption,
                  TButtonLayout Layout, int Margin, int Spacing, TPoint& GlyphPos, TRect& TextRect);

 private:
  void DrawGlyph(TCanvas* Canvas, const TPoint& At, TButtonState State);
  TBitmap* glyph_;
  TNumGlyphs numGlyphs_ = 1;
};

// What the speed button and the bitmap button share over their different ancestors (Base): the
// glyph and where it sits beside the caption. Setting any of it repaints the button; a Margin
// or Spacing below -1 raises EInvalidOperation naming the button's class.
template <class Base>
class TGlyphButton : public Base {
 public:
  TBitmap* Glyph() const { return glyph_.Glyph(); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout Value);
  // The glyph's distance from the edge it sits at; -1 centres glyph and caption together.
  int32_t Margin() const { return margin_; }
  void SetMargin(int32_t Value);
  TNumGlyphs NumGlyphs() const { return glyph_.NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs Value);
  // Between glyph and caption; -1 centres the caption in the space left.
  int32_t Spacing() const { return spacing_; }
  void SetSpacing(int32_t Value);

 protected:
  explicit TGlyphButton(TComponent* AOwner) : Base(AOwner) {}
  // Glyph and caption in Client, for the button's State.
  void DrawGlyphAndCaption(TCanvas* Canvas, const TRect& Client, const TPoint& Offset,
                           TButtonState State);

  TButtonGlyph glyph_;
  TButtonLayout layout_ = blGlyphLeft;
  int32_t margin_ = -1;
  int32_t spacing_ = 4;
};

class TSpeedButton : public TGlyphButton<TGraphicControl> {
  ZYL_CLASS(TSpeedButton, TGraphicControl)
  ZYL_MESSAGES(TSpeedButton)
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool Value);
  bool Down() const { return down_; }
  void SetDown(bool Value);
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  int32_t GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int32_t Value);
  void SetGlyph(TBitmap* Value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);
  // The look being shown: up, down while pressed, exclusive while it stays down.
  TButtonState State() const { return state_; }
  bool MouseInControl() const { return mouseInControl_; }
  void Click() override;
  void Loaded() override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void GlyphChanged(TObject* Sender);
  // Tells the other buttons of the group that this one went down.
  void UpdateExclusive();
  void CMButtonPressed(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void CMDialogChar(TCMDialogChar& Message);

  bool allowAllUp_ = false;
  bool down_ = false;
  bool dragging_ = false;
  bool flat_ = false;
  bool mouseInControl_ = false;
  bool transparent_ = true;
  int32_t groupIndex_ = 0;
  TButtonState state_ = bsUp;
};

class TBitBtn : public TGlyphButton<TButton> {
  ZYL_CLASS(TBitBtn, TButton)
  ZYL_MESSAGES(TBitBtn)
  explicit TBitBtn(TComponent* AOwner);
  ~TBitBtn() override;

  void SetGlyph(TBitmap* Value);
  // Choosing a kind other than bkCustom sets its caption, glyph, modal result and Default or
  // Cancel; changing any of them afterwards makes the button custom again.
  TBitBtnKind Kind() const;
  void SetKind(TBitBtnKind Value);
  TButtonStyle Style() const { return style_; }
  void SetStyle(TButtonStyle Value);
  void Click() override;

  bool IsCustom() const { return Kind() == bkCustom; }
  bool IsCustomCaption();

 protected:
  void Paint() override;
  void GlyphChanged(TObject* Sender);

  TBitBtnKind kind_ = bkCustom;
  TButtonStyle style_ = bsAutoDetect;
  bool settingKind_ = false;
};

extern template class TGlyphButton<TGraphicControl>;
extern template class TGlyphButton<TButton>;

}  // namespace vcl
