// The embedded buttons of the edits and the button panel: TZYLSpecialButtons is the collection
// behind their CustomButtons property, TZYLSpecialButton one item, which owns the visible
// button (a speed button on the owning control) and passes its properties through to it. The
// owner places the visible buttons (Left, Top, Width, Height, SetStyle) and rebuilds them when
// the collection reports a change.
#pragma once

#include <string>

#include "buttons/ZYLSpeedButton.h"
#include "foundation/ZYLOwnedComponent.h"
#include "platform/classes/Collection.h"

namespace zyl {

class TZYLSpecialButtons;

// An item's click: the item and its index.
using TZYLSpecialButtonClick = vcl::TEvent<void(vcl::TObject* Sender, int Index)>;

class TZYLSpecialButton : public vcl::TCollectionItem {
  ZYL_CLASS(TZYLSpecialButton, vcl::TCollectionItem)
  explicit TZYLSpecialButton(vcl::TCollection* Collection);
  ~TZYLSpecialButton() override;
  void Assign(vcl::TPersistent* Source) override;

  // The visible button (null once someone else freed it).
  TZYLCustomSpeedButton* Button() const { return FButton; }

  std::string Caption() const { return Btn()->Caption(); }
  void SetCaption(const std::string& Value) { Btn()->SetCaption(Value); }
  vcl::TBitmap* GetGlyph() const { return Btn()->GetGlyph(); }
  void SetGlyph(vcl::TBitmap* Value) { Btn()->SetGlyph(Value); }
  TZYLButtonLayout* Layout() const { return Btn()->Layout(); }
  void SetLayout(TZYLButtonLayout* Value) { Btn()->SetLayout(Value); }
  TZYLFxCaption* FontFX() const { return Btn()->FontFX(); }
  void SetFontFX(TZYLFxCaption* Value) { Btn()->SetFontFX(Value); }
  bool AllowAllUp() const { return Btn()->AllowAllUp(); }
  void SetAllowAllUp(bool Value) { Btn()->SetAllowAllUp(Value); }
  int GroupIndex() const { return Btn()->GroupIndex(); }
  void SetGroupIndex(int Value) { Btn()->SetGroupIndex(Value); }
  bool CtlXP() const { return Btn()->GetCtlXP(); }
  // Passes the value to the visible button.
  void SetCtlXP(bool Value) { Btn()->SetCtlXP(Value); }
  bool Enabled() const { return Btn()->Enabled(); }
  void SetEnabled(bool Value) { Btn()->SetEnabled(Value); }
  vcl::TCursor Cursor() const { return Btn()->Cursor(); }
  void SetCursor(vcl::TCursor Value) { Btn()->SetCursor(Value); }
  vcl::TFont* Font() const { return Btn()->Font(); }
  void SetFont(vcl::TFont* Value) { Btn()->SetFont(Value); }
  bool IsFontStored() const { return !Btn()->ParentFont(); }
  bool ParentFont() const { return Btn()->ParentFont(); }
  void SetParentFont(bool Value) { Btn()->SetParentFont(Value); }
  bool Pressed() const { return Btn()->Pressed(); }
  void SetPressed(bool Value) { Btn()->SetPressed(Value); }
  // The visible button's width; a change makes the owner lay its buttons out again.
  int Width() const { return Btn()->Width(); }
  void SetWidth(int Value);

  const vcl::TNotifyEvent& GetOnClick() const { return FOnClick; }
  void SetOnClick(const vcl::TNotifyEvent& E) { FOnClick = E; }
  const vcl::TMouseEvent& GetOnMouseDown() const { return Btn()->OnMouseDown; }
  void SetOnMouseDown(const vcl::TMouseEvent& E) { Btn()->OnMouseDown = E; }
  const vcl::TMouseEvent& GetOnMouseUp() const { return Btn()->OnMouseUp; }
  void SetOnMouseUp(const vcl::TMouseEvent& E) { Btn()->OnMouseUp = E; }
  // The click method the owner sets: called with the item and its index.
  const TZYLSpecialButtonClick& GetClickMethod() const { return FClickMethod; }
  void SetClickMethod(const TZYLSpecialButtonClick& Value) { FClickMethod = Value; }

  // Fires the item's click method, then the collection's item click (the owner's handling).
  void DoClick();

 protected:
  vcl::TNotifyEvent FOnClick;
  TZYLSpecialButtonClick FClickMethod;

 private:
  void ButtonClick(vcl::TObject* Sender);
  TZYLSpecialButtons* Buttons() const;
  // The button, or EInvalidOperation once someone else freed it.
  TZYLCustomSpeedButton* Btn() const;

  TZYLOwnedComponent<TZYLCustomSpeedButton> FButton;
};

class TZYLSpecialButtons : public vcl::TOwnedCollection {
  ZYL_CLASS(TZYLSpecialButtons, vcl::TOwnedCollection)
  // Owner: the control the buttons stand on (may be null: the buttons then have no parent).
  // Flag: a value the owner keeps with the collection (the edits pass true).
  TZYLSpecialButtons(vcl::TWinControl* Owner, bool Flag);

  vcl::TWinControl* Control() const { return FControl; }
  bool Flag() const { return FFlag; }
  TZYLSpecialButton* Add();
  // Raises the list's error for an index out of range.
  TZYLSpecialButton* GetItem(int Index) const;

  // Runs when the collection or one of its items changed: the owner rebuilds its buttons.
  const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(const vcl::TNotifyEvent& Value) { FOnChange = Value; }
  // Runs after an item's own click method, with the item's index (the owner's handling).
  const TZYLSpecialButtonClick& GetOnItemClick() const { return FOnItemClick; }
  void SetOnItemClick(const TZYLSpecialButtonClick& Value) { FOnItemClick = Value; }

 protected:
  void Update(vcl::TCollectionItem* Item) override;

  vcl::TNotifyEvent FOnChange;
  TZYLSpecialButtonClick FOnItemClick;

 private:
  vcl::TWinControl* FControl;
  bool FFlag;
};

}  // namespace zyl
