// TPanel (a bevelled container), TTimer (a component firing OnTimer at an interval), and the
// graphic controls TBevel, TShape, TImage and TPaintBox, and the radio group TRadioGroup; the
// splitter TSplitter (Splitter.h).
#pragma once

#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Picture.h"

namespace vcl {

ZYL_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)
ZYL_ENUM(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer)
ZYL_ENUM(TBevelStyle, bsLowered, bsRaised)
ZYL_ENUM(TShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle)
// Where a labeled control places its caption label.
ZYL_ENUM(TLabelPosition, lpAbove, lpBelow, lpLeft, lpRight)

// Draws a 3D frame of Width pixels inside Rect (top-left in TopColor, bottom-right in
// BottomColor) and shrinks Rect by it.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

class TCustomPanel : public TCustomControl {
  ZYL_CLASS(TCustomPanel, TCustomControl)
  ZYL_MESSAGES(TCustomPanel)
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut Value);
  int32_t BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int32_t Value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle Value);
  void AdjustClientRect(TRect& Rect) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void CMTextChanged(TMessage& Message);

  TAlignment alignment_ = taCenter;
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int32_t bevelWidth_ = 1;
  TFormBorderStyle borderStyle_ = bsNone;
};

class TPanel : public TCustomPanel {
  ZYL_CLASS(TPanel, TCustomPanel)
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};

class TTimer : public TComponent {
  ZYL_CLASS(TTimer, TComponent)
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t Value);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(const TNotifyEvent& Value);
  void Loaded() override;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  static win::LRESULT TimerWndProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
  bool enabled_ = true;
  uint32_t interval_ = 1000;
  TNotifyEvent onTimer_;
  win::HWND window_ = nullptr;
  bool running_ = false;
};

class TBevel : public TGraphicControl {
  ZYL_CLASS(TBevel, TGraphicControl)
  explicit TBevel(TComponent* AOwner);

  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle Value);

 protected:
  void Paint() override;
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};

class TShape : public TGraphicControl {
  ZYL_CLASS(TShape, TGraphicControl)
  explicit TShape(TComponent* AOwner);
  ~TShape() override;

  TBrush* Brush() const { return brush_; }
  void SetBrush(TBrush* Value);
  TPen* Pen() const { return pen_; }
  void SetPen(TPen* Value);
  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType Value);
  // OnChange of the pen and the brush.
  void StyleChanged(TObject* Sender);

 protected:
  void Paint() override;
  TBrush* brush_;
  TPen* pen_;
  TShapeType shape_ = stRectangle;
};

class TImage : public TGraphicControl {
  ZYL_CLASS(TImage, TGraphicControl)
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  bool Center() const { return center_; }
  void SetCenter(bool Value);
  bool IncrementalDisplay() const { return incrementalDisplay_; }
  void SetIncrementalDisplay(bool Value) { incrementalDisplay_ = Value; }
  TPicture* Picture() const { return picture_; }
  void SetPicture(TPicture* Value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool Value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);
  // Where the picture is drawn in the client area.
  TRect DestRect() const;

 protected:
  void Paint() override;
  void PictureChanged(TObject* Sender);
  TPicture* picture_;
  bool autoSize_ = false;
  bool center_ = false;
  bool incrementalDisplay_ = false;
  bool stretch_ = false;
  bool transparent_ = false;
};

class TPaintBox : public TGraphicControl {
  ZYL_CLASS(TPaintBox, TGraphicControl)
  explicit TPaintBox(TComponent* AOwner);

  const TNotifyEvent& GetOnPaint() const { return onPaint_; }
  void SetOnPaint(const TNotifyEvent& Value) { onPaint_ = Value; }

 protected:
  void Paint() override;
  TNotifyEvent onPaint_;
};

class TCustomRadioGroup : public TCustomGroupBox {
  ZYL_CLASS(TCustomRadioGroup, TCustomGroupBox)
  ZYL_MESSAGES(TCustomRadioGroup)
  explicit TCustomRadioGroup(TComponent* AOwner);
  ~TCustomRadioGroup() override;

  int32_t Columns() const { return columns_; }
  void SetColumns(int32_t Value);
  int32_t ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int32_t Value);
  TStrings* Items() const { return items_; }
  void SetItems(TStrings* Value);
  // The radio button of item Index.
  TRadioButton* Buttons(int Index) const;
  void Loaded() override;

 protected:
  // The group's painting leaves its children alone: its buttons, and the controls a program
  // puts in it.
  void CreateParams(TCreateParams& Params) override;
  void ItemsChanged(TObject* Sender);
  void ButtonClick(TObject* Sender);
  void UpdateButtons();
  void ArrangeButtons();
  void CMEnabledChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void WMSize(TWMSize& Message);

  int32_t columns_ = 1;
  int32_t itemIndex_ = -1;
  TStringList* items_;
  std::vector<TRadioButton*> buttons_;
  bool reading_ = false;
  bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
  ZYL_CLASS(TRadioGroup, TCustomRadioGroup)
  explicit TRadioGroup(TComponent* AOwner) : TCustomRadioGroup(AOwner) {}
};

}  // namespace vcl
