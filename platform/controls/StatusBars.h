// TStatusBar: a bar of panels (or one simple text) along the bottom of a form, with a size
// grip on sizeable forms; panels are drawn sunken, raised or flat, or by OnDrawPanel.
#pragma once

#include <string>

#include "platform/classes/Collection.h"
#include "platform/controls/Controls.h"

namespace vcl {

ZYL_ENUM(TStatusPanelStyle, psText, psOwnerDraw)
ZYL_ENUM(TStatusPanelBevel, pbNone, pbLowered, pbRaised)

class TStatusBar;

class TStatusPanel : public TCollectionItem {
  ZYL_CLASS(TStatusPanel, TCollectionItem)
  explicit TStatusPanel(TCollection* Collection);

  void Assign(TPersistent* Source) override;
  std::string DisplayName() const override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel Value);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle Value);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& Value);
  // Negative widths raise EInvalidOperation.
  int32_t Width() const { return width_; }
  void SetWidth(int32_t Value);

 private:
  TAlignment alignment_ = taLeftJustify;
  TStatusPanelBevel bevel_ = pbLowered;
  TStatusPanelStyle style_ = psText;
  std::string text_;
  int32_t width_ = 50;
};

class TStatusPanels : public TCollection {
  ZYL_CLASS(TStatusPanels, TCollection)
  explicit TStatusPanels(TStatusBar* StatusBar);
  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* Items(int Index) const {
    return static_cast<TStatusPanel*>(TCollection::Items(Index));
  }
  TPersistent* GetOwner() override;

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TStatusBar* statusBar_;
};

using TDrawPanelEvent = TEvent<void(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect)>;

class TStatusBar : public TCustomControl {
  ZYL_CLASS(TStatusBar, TCustomControl)
  ZYL_MESSAGES(TStatusBar)
  explicit TStatusBar(TComponent* AOwner);
  ~TStatusBar() override;

  TStatusPanels* Panels() const { return panels_; }
  void SetPanels(TStatusPanels* Value) { panels_->Assign(Value); }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool Value);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& Value);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool Value);
  bool AutoHint() const { return autoHint_; }
  void SetAutoHint(bool Value) { autoHint_ = Value; }
  bool UseSystemFont() const { return useSystemFont_; }
  void SetUseSystemFont(bool Value) { useSystemFont_ = Value; }
  // Where panel Index is drawn (the last one reaches the right edge).
  TRect PanelRect(int Index);
  // Whether the size grip shows: SizeGrip on a sizeable form.
  bool SizeGripShown();

  TDrawPanelEvent OnDrawPanel;
  TNotifyEvent OnHint;
  const TNotifyEvent& GetOnHint() const { return OnHint; }
  void SetOnHint(const TNotifyEvent& E) { OnHint = E; }
  const TDrawPanelEvent& GetOnDrawPanel() const { return OnDrawPanel; }
  void SetOnDrawPanel(const TDrawPanelEvent& E) { OnDrawPanel = E; }

 protected:
  friend class TStatusPanels;
  void Paint() override;
  virtual void DrawPanel(TStatusPanel* Panel, const TRect& Rect);
  void DrawPanelFrame(TStatusPanelBevel Bevel, TRect& Rect);
  // Where panel Index is drawn when it starts at Left.
  TRect PanelRectAt(int Index, int Left);
  void CMFontChanged(TMessage& Message);
  void WMSize(TWMSize& Message);

  TStatusPanels* panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
  bool autoHint_ = false;
  bool useSystemFont_ = true;
};

}  // namespace vcl
