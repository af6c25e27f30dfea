#pragma once
// The state of an EDIT control and the helpers its window procedure uses; shared by the
// files of the EDIT class, not for users of the platform.

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/user/WinUser.h"

namespace win::edit_internal {

constexpr size_t kMaxLimit = 0x7FFFFFFE;
// What a new control takes until EM_LIMITTEXT says otherwise (text set by WM_SETTEXT is not cut).
constexpr size_t kDefaultLimit = 30000;

struct Line {
  size_t Start = 0;
  size_t Length = 0;  // without the line break
  int Width = -1;     // in pixels, once measured for the horizontal scroll bar
};

struct Edit {
  HWND Hwnd = nullptr;
  std::string Text;
  size_t Anchor = 0;  // the fixed end of the selection
  size_t Caret = 0;   // the moving end, where the caret stands
  size_t Limit = kDefaultLimit;
  bool Modified = false;
  char Password = 0;
  HFONT Font = nullptr;
  int LeftMargin = 1;
  int RightMargin = 1;
  bool CustomRect = false;
  RECT Format{};
  size_t FirstLine = 0;  // first visible line (multi-line)
  int XOffset = 0;       // horizontal scroll in pixels
  bool Focused = false;
  bool Tracking = false;
  bool WordTracking = false;
  size_t WordAnchorEnd = 0;
  std::vector<Line> Lines;
  int LineHeight = 13;
  int AveChar = 6;
  // One level of undo: the last change as the text it removed at UndoPos and the length of
  // what it put there, with the selection before it.
  bool CanUndo = false;
  size_t UndoPos = 0;
  std::string UndoRemoved;
  size_t UndoInserted = 0;
  size_t UndoAnchor = 0, UndoCaret = 0;
  // The widest line (horizontal scroll bar) and how many lines are that wide; 0 lines: unknown.
  int Widest = 0;
  size_t WidestLines = 0;
  bool Typing = false;  // the last change was typed, and typing on joins it
  HDC Measure = nullptr;
  int Advance[256] = {};   // of every character in the font, from the measuring DC
  bool BarsStale = false;  // the scroll bars' strips wait for the next frame paint
};

std::unordered_map<HWND, std::unique_ptr<Edit>>& Table();
Edit* Find(HWND h);
DWORD StyleOf(const Edit& e);
bool Multi(const Edit& e);
bool ReadOnly(const Edit& e);
size_t SelMin(const Edit& e);
size_t SelMax(const Edit& e);
void Layout(Edit& e);
size_t LineOf(const Edit& e, size_t pos);
// Client position of the top-left of character pos.
POINT PosOf(const Edit& e, size_t pos);
// The character position nearest to a client point.
size_t PosFrom(const Edit& e, int x, int y);
void Notify(Edit& e, WORD code);
void PlaceCaret(Edit& e);
void Redraw(Edit& e);
// Scrolls so that the caret is inside the format rectangle.
void ScrollToCaret(Edit& e);
void SetSelection(Edit& e, size_t anchor, size_t caret);
std::string Filter(const Edit& e, std::string s);
// Replaces the selection with s (filtered and cut to the limit). Answers false when nothing
// could be put in.
bool Replace(Edit& e, std::string s, bool undoable, bool typing);
void SetText(Edit& e, const std::string& s);
bool IsWordChar(char c);
void Copy(Edit& e);
void Paste(Edit& e);
void Clear(Edit& e);
void Undo(Edit& e);
void MoveTo(Edit& e, size_t p, bool extend);
void KeyDown(Edit& e, WPARAM vk);
void Char(Edit& e, WPARAM ch);
void Paint(Edit& e, WPARAM given = 0);
void UpdateMetrics(Edit& e);
void UpdateFormat(Edit& e);
void Scroll(Edit& e, long lines, int pixels);
long ScrollCode(Edit& e, WORD code, int thumb, bool vertical);

}  // namespace win::edit_internal
