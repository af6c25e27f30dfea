// THeaderControl: a row of column captions (sections) whose dividers the user drags to resize
// them and which the user clicks like buttons.
#pragma once

#include <string>

#include "platform/classes/Collection.h"
#include "platform/controls/Controls.h"

namespace vcl {

ZYL_ENUM(THeaderSectionStyle, hsText, hsOwnerDraw)
ZYL_ENUM(THeaderStyle, hsButtons, hsFlat)
ZYL_ENUM(TSectionTrackState, tsTrackBegin, tsTrackMove, tsTrackEnd)

class THeaderControl;

class THeaderSection : public TCollectionItem {
  ZYL_CLASS(THeaderSection, TCollectionItem)
  explicit THeaderSection(TCollection* Collection);

  void Assign(TPersistent* Source) override;
  std::string DisplayName() const override;

  bool AllowClick() const { return allowClick_; }
  void SetAllowClick(bool Value) { allowClick_ = Value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  int32_t ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int32_t Value);
  int32_t MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int32_t Value);
  int32_t MinWidth() const { return minWidth_; }
  void SetMinWidth(int32_t Value);
  THeaderSectionStyle Style() const { return style_; }
  void SetStyle(THeaderSectionStyle Value);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& Value);
  // Kept within MinWidth..MaxWidth.
  int32_t Width() const { return width_; }
  void SetWidth(int32_t Value);
  // The section's left and right edges in the control.
  int Left() const;
  int Right() const { return Left() + width_; }

 private:
  bool allowClick_ = true;
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = false;
  int32_t imageIndex_ = -1;
  int32_t maxWidth_ = 10000;
  int32_t minWidth_ = 0;
  THeaderSectionStyle style_ = hsText;
  std::string text_;
  int32_t width_ = 50;
};

class THeaderSections : public TCollection {
  ZYL_CLASS(THeaderSections, TCollection)
  explicit THeaderSections(THeaderControl* HeaderControl);
  THeaderSection* Add() { return static_cast<THeaderSection*>(TCollection::Add()); }
  THeaderSection* Items(int Index) const {
    return static_cast<THeaderSection*>(TCollection::Items(Index));
  }
  TPersistent* GetOwner() override;

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  THeaderControl* header_;
};

using TSectionNotifyEvent = TEvent<void(THeaderControl* HeaderControl, THeaderSection* Section)>;
using TSectionTrackEvent = TEvent<void(THeaderControl* HeaderControl, THeaderSection* Section,
                                       int Width, TSectionTrackState State)>;
using TDrawSectionEvent = TEvent<void(THeaderControl* HeaderControl, THeaderSection* Section,
                                      const TRect& Rect, bool Pressed)>;

class THeaderControl : public TCustomControl {
  ZYL_CLASS(THeaderControl, TCustomControl)
  ZYL_MESSAGES(THeaderControl)
  explicit THeaderControl(TComponent* AOwner);
  ~THeaderControl() override;

  THeaderSections* Sections() const { return sections_; }
  void SetSections(THeaderSections* Value) { sections_->Assign(Value); }
  THeaderStyle Style() const { return style_; }
  void SetStyle(THeaderStyle Value);
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool Value);
  // With FullDrag the section follows the mouse while its divider is dragged; without it, the
  // width changes when the divider is let go.
  bool FullDrag() const { return fullDrag_; }
  void SetFullDrag(bool Value) { fullDrag_ = Value; }
  // The section under a client point (-1: none), and the section whose right divider is near
  // the point (-1: none).
  int SectionAt(int X);
  int DividerAt(int X);
  // The section pressed by the mouse (-1: none).
  int PressedSection() const { return pressed_; }

  TSectionNotifyEvent OnSectionClick;
  TSectionNotifyEvent OnSectionResize;
  TSectionTrackEvent OnSectionTrack;
  TDrawSectionEvent OnDrawSection;
  const TSectionNotifyEvent& GetOnSectionClick() const { return OnSectionClick; }
  void SetOnSectionClick(const TSectionNotifyEvent& E) { OnSectionClick = E; }
  const TSectionNotifyEvent& GetOnSectionResize() const { return OnSectionResize; }
  void SetOnSectionResize(const TSectionNotifyEvent& E) { OnSectionResize = E; }
  const TSectionTrackEvent& GetOnSectionTrack() const { return OnSectionTrack; }
  void SetOnSectionTrack(const TSectionTrackEvent& E) { OnSectionTrack = E; }
  const TDrawSectionEvent& GetOnDrawSection() const { return OnDrawSection; }
  void SetOnDrawSection(const TDrawSectionEvent& E) { OnDrawSection = E; }

 protected:
  void Paint() override;
  virtual void DrawSection(THeaderSection* Section, const TRect& Rect, bool Pressed);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Tells OnSectionTrack, which may change the width, and answers the width it left.
  int Track(THeaderSection* Section, int Width, TSectionTrackState State);
  void CMFontChanged(TMessage& Message);

  THeaderSections* sections_;
  THeaderStyle style_ = hsButtons;
  bool hotTrack_ = false;
  bool fullDrag_ = true;
  int pressed_ = -1;        // section held down by the mouse
  bool pressedIn_ = false;  // and the mouse is over it
  int tracking_ = -1;       // section whose divider is dragged
  int trackOffset_ = 0;     // mouse X minus the divider's position when the drag began
  int trackWidth_ = 0;      // the width being dragged to
};

}  // namespace vcl
