// The window system's EDIT class: single- and multi-line text editing with a caret, keyboard
// and mouse selection, the clipboard, one level of undo, scrolling, and the EM_ messages.
//
// The text is kept as it is given (multi-line controls break lines at CR LF); positions are
// 0-based character offsets. Each window's state lives in a table keyed by its handle and is
// dropped at WM_NCDESTROY.
//
// The window procedure is in EditClassMessages.cpp.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/text/Text.h"
#include "platform/user/Clipboard.h"
#include "platform/user/DCGuards.h"
#include "platform/user/EditClassInternal.h"
#include "platform/user/UserInternal.h"
#include "platform/user/WinUser.h"

namespace win {

namespace edit_internal {

std::unordered_map<HWND, std::unique_ptr<Edit>>& Table() {
  static std::unordered_map<HWND, std::unique_ptr<Edit>> t;
  return t;
}

Edit* Find(HWND h) {
  auto it = Table().find(h);
  return it == Table().end() ? nullptr : it->second.get();
}

DWORD StyleOf(const Edit& e) { return static_cast<DWORD>(GetWindowLongA(e.Hwnd, GWL_STYLE)); }
bool Multi(const Edit& e) { return StyleOf(e) & ES_MULTILINE; }
bool ReadOnly(const Edit& e) { return StyleOf(e) & ES_READONLY; }
// Multi-line controls wrap words unless they scroll sideways.
bool Wraps(const Edit& e) {
  const DWORD s = StyleOf(e);
  return (s & ES_MULTILINE) && !(s & (ES_AUTOHSCROLL | WS_HSCROLL));
}

size_t SelMin(const Edit& e) { return std::min(e.Anchor, e.Caret); }
size_t SelMax(const Edit& e) { return std::max(e.Anchor, e.Caret); }

// The character drawn at pos (the password character, which only single-line controls take,
// hides the text).
unsigned char ShownAt(const Edit& e, size_t pos) {
  return static_cast<unsigned char>(e.Password ? e.Password : e.Text[pos]);
}

// The pen position after character c drawn at x: its advance, or the next tab stop (every 8
// average characters) for a tab. Widths add up character by character (the text engine does
// not kern), so every measure below walks the text once.
int Step(const Edit& e, int x, unsigned char c) {
  if (c == '\t') {
    const int tab = std::max(1, 8 * e.AveChar);
    return static_cast<int>(std::min<int64_t>((int64_t(x) / tab + 1) * tab, INT32_MAX));
  }
  return static_cast<int>(std::min<int64_t>(int64_t(x) + e.Advance[c], INT32_MAX));
}

// Width in pixels of `len` characters from `start`.
int Width(const Edit& e, size_t start, size_t len) {
  int x = 0;
  for (size_t i = start; i < start + len; ++i) x = Step(e, x, ShownAt(e, i));
  return x;
}

int FormatWidth(const Edit& e) { return std::max<int>(0, e.Format.Right - e.Format.Left); }
int VisibleLines(const Edit& e) {
  return std::max(1,
                  static_cast<int>((e.Format.Bottom - e.Format.Top) / std::max(1, e.LineHeight)));
}

// Lays out the line that starts at `start`: it runs to the paragraph's end (CR LF or the end
// of the text) or, when the control wraps, to where the next character would pass the format
// width, then back to after the last blank before it (a word wider than the line breaks at the
// edge); blanks at the break stay on the line they end. Answers the line and sets `next` to
// where the following line starts (npos after the last line). A line depends only on the text
// from its start on, so laying out from any line start gives the lines a full layout gives.
Line NextLine(const Edit& e, size_t start, size_t& next) {
  const bool wrap = Wraps(e);
  const int width = FormatWidth(e);
  const size_t n = e.Text.size();
  int x = 0;
  size_t afterBlank = std::string::npos;  // just after the last blank that fits
  for (size_t i = start;; ++i) {
    if (i == n) {
      next = std::string::npos;
      return {start, n - start};
    }
    const char c = e.Text[i];
    if (c == '\r' && i + 1 < n && e.Text[i + 1] == '\n') {
      next = i + 2;
      return {start, i - start};
    }
    if (wrap) {
      const int to = Step(e, x, static_cast<unsigned char>(c));
      if (to > width) {
        size_t cut = afterBlank != std::string::npos ? afterBlank : std::max(i, start + 1);
        while (cut < n && e.Text[cut] == ' ') ++cut;
        next = cut;
        return {start, cut - start};
      }
      x = to;
      if (c == ' ' || c == '\t') afterBlank = i + 1;
    }
  }
}

void Layout(Edit& e) {
  e.Lines.clear();
  e.WidestLines = 0;
  if (!Multi(e)) {
    e.Lines.push_back({0, e.Text.size()});
    return;
  }
  for (size_t pos = 0; pos != std::string::npos;) e.Lines.push_back(NextLine(e, pos, pos));
}

size_t LineOf(const Edit& e, size_t pos) {
  // The last line starting at or before pos.
  auto it = std::upper_bound(e.Lines.begin(), e.Lines.end(), pos,
                             [](size_t p, const Line& l) { return p < l.Start; });
  if (it == e.Lines.begin()) return 0;
  return static_cast<size_t>(it - e.Lines.begin()) - 1;
}

// Lays out again only the lines a change touched: the text at `at` had `removed` characters
// replaced by `inserted` ones. Laying out starts at the line before the change (its last word
// may now fit there) and stops at the first new line that starts where an old line past the
// change started, moved by the difference; the lines from there on stay as they were, moved.
// Answers the range of new lines.
std::pair<size_t, size_t> Relayout(Edit& e, size_t at, size_t removed, size_t inserted) {
  if (!Multi(e) || e.Lines.empty()) {
    Layout(e);
    return {0, e.Lines.size()};
  }
  size_t first = LineOf(e, at);
  if (first > 0) --first;
  const size_t oldEnd = at + removed;
  const auto moved = [&](size_t oldPos) { return oldPos - removed + inserted; };
  std::vector<Line> fresh;
  size_t old = first + 1;  // the next old line that may meet the new layout
  size_t pos = e.Lines[first].Start;
  while (pos != std::string::npos) {
    fresh.push_back(NextLine(e, pos, pos));
    if (pos == std::string::npos) {
      old = e.Lines.size();
      break;
    }
    while (old < e.Lines.size() && (e.Lines[old].Start < oldEnd || moved(e.Lines[old].Start) < pos))
      ++old;
    if (old < e.Lines.size() && moved(e.Lines[old].Start) == pos) break;
  }
  // Lines that leave may take the widest width with them; new ones may be wider.
  for (size_t i = first; i < old && e.WidestLines; ++i) {
    if (e.Lines[i].Width < 0)
      e.WidestLines = 0;
    else if (e.Lines[i].Width == e.Widest)
      --e.WidestLines;
  }
  if ((StyleOf(e) & WS_HSCROLL) && e.WidestLines)
    for (Line& l : fresh) {
      l.Width = Width(e, l.Start, l.Length);
      if (l.Width > e.Widest) {
        e.Widest = l.Width;
        e.WidestLines = 1;
      } else if (l.Width == e.Widest) {
        ++e.WidestLines;
      }
    }
  for (size_t i = old; i < e.Lines.size(); ++i) e.Lines[i].Start = moved(e.Lines[i].Start);
  e.Lines.erase(e.Lines.begin() + static_cast<long>(first),
                e.Lines.begin() + static_cast<long>(old));
  e.Lines.insert(e.Lines.begin() + static_cast<long>(first), fresh.begin(), fresh.end());
  return {first, first + fresh.size()};
}

int AlignOffset(const Edit& e, const Line& l) {
  const DWORD s = StyleOf(e);
  const int free = FormatWidth(e) - Width(e, l.Start, l.Length);
  if (free <= 0 || (!Multi(e) && (s & ES_AUTOHSCROLL) && free < 0)) return 0;
  if ((s & 3) == ES_CENTER) return free / 2;
  if ((s & 3) == ES_RIGHT) return free;
  return 0;
}

// Client position of the top-left of character pos.
POINT PosOf(const Edit& e, size_t pos) {
  const size_t li = LineOf(e, pos);
  const Line& l = e.Lines[li];
  const size_t in = std::min(pos - l.Start, l.Length);
  POINT p;
  p.X = e.Format.Left + AlignOffset(e, l) + Width(e, l.Start, in) - e.XOffset;
  p.Y = e.Format.Top + (static_cast<int>(li) - static_cast<int>(e.FirstLine)) * e.LineHeight;
  return p;
}

// The character position nearest to a client point.
size_t PosFrom(const Edit& e, int x, int y) {
  long li = static_cast<long>(e.FirstLine) + (y < e.Format.Top
                                                  ? -1 - (e.Format.Top - y - 1) / e.LineHeight
                                                  : (y - e.Format.Top) / e.LineHeight);
  li = std::clamp<long>(li, 0, static_cast<long>(e.Lines.size()) - 1);
  const Line& l = e.Lines[static_cast<size_t>(li)];
  const int rel = x - e.Format.Left - AlignOffset(e, l) + e.XOffset;
  // The first character whose middle lies right of the point, in one walk along the line.
  size_t best = 0;
  int prev = 0;
  for (size_t i = 1; i <= l.Length; ++i) {
    const int w = Step(e, prev, ShownAt(e, l.Start + i - 1));
    if (rel < (int64_t(prev) + w + 1) / 2) break;
    best = i;
    prev = w;
  }
  return l.Start + best;
}

void Notify(Edit& e, WORD code) {
  HWND parent = GetParent(e.Hwnd);
  if (!parent) return;
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(e.Hwnd)), code),
               reinterpret_cast<LPARAM>(e.Hwnd));
}

// The bars take their new state at once but are drawn at the next paint of the frame, once
// however many changes come before it.
void RedrawBarsLater(Edit& e, DWORD style) {
  if (e.BarsStale || !(style & (WS_VSCROLL | WS_HSCROLL))) return;
  RECT c;
  GetClientRect(e.Hwnd, &c);
  // In client coordinates, the strips right of and below the client area where bars stand.
  const int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
  if (style & WS_VSCROLL) {
    const RECT bar{c.Right, c.Top, c.Right + cx, c.Bottom + cy};
    RedrawWindow(e.Hwnd, &bar, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
  }
  if (style & WS_HSCROLL) {
    const RECT bar{c.Left, c.Bottom, c.Right + cx, c.Bottom + cy};
    RedrawWindow(e.Hwnd, &bar, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
  }
  e.BarsStale = true;
}

void UpdateScrollBars(Edit& e) {
  const DWORD s = StyleOf(e);
  if (s & WS_VSCROLL) {
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = static_cast<int>(e.Lines.size()) - 1;
    si.nPage = static_cast<UINT>(VisibleLines(e));
    si.nPos = static_cast<int>(e.FirstLine);
    SetScrollInfo(e.Hwnd, SB_VERT, &si, FALSE);
  }
  if (s & WS_HSCROLL) {
    if (!e.WidestLines) {
      e.Widest = 0;
      for (Line& l : e.Lines) {
        if (l.Width < 0) l.Width = Width(e, l.Start, l.Length);
        if (l.Width > e.Widest) {
          e.Widest = l.Width;
          e.WidestLines = 0;
        }
        if (l.Width == e.Widest) ++e.WidestLines;
      }
    }
    const int widest = e.Widest;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = widest + e.AveChar;
    si.nPage = static_cast<UINT>(FormatWidth(e));
    si.nPos = e.XOffset;
    SetScrollInfo(e.Hwnd, SB_HORZ, &si, FALSE);
  }
  RedrawBarsLater(e, s);
}

void PlaceCaret(Edit& e) {
  if (!e.Focused) return;
  POINT p = PosOf(e, e.Caret);
  SetCaretPos(p.X, p.Y);
}

void Redraw(Edit& e) {
  InvalidateRect(e.Hwnd, nullptr, TRUE);
  PlaceCaret(e);
}

// Scrolls so that the caret is inside the format rectangle.
void ScrollToCaret(Edit& e) {
  if (Multi(e)) {
    const size_t li = LineOf(e, e.Caret);
    const size_t rows = static_cast<size_t>(VisibleLines(e));
    if (li < e.FirstLine)
      e.FirstLine = li;
    else if (li >= e.FirstLine + rows)
      e.FirstLine = li - rows + 1;
  }
  if (!Wraps(e)) {
    const Line& l = e.Lines[LineOf(e, e.Caret)];
    const int x = AlignOffset(e, l) + Width(e, l.Start, std::min(e.Caret - l.Start, l.Length));
    const int w = FormatWidth(e);
    if (x < e.XOffset)
      e.XOffset = std::max(0, x - w / 4);
    else if (x > e.XOffset + w - 1)
      e.XOffset = x - w + 1 + w / 4;
  } else {
    e.XOffset = 0;
  }
  UpdateScrollBars(e);
}

void SetSelection(Edit& e, size_t anchor, size_t caret) {
  anchor = std::min(anchor, e.Text.size());
  caret = std::min(caret, e.Text.size());
  // Never split a line break.
  auto fix = [&](size_t p) {
    return (p > 0 && p < e.Text.size() && e.Text[p - 1] == '\r' && e.Text[p] == '\n') ? p - 1 : p;
  };
  anchor = fix(anchor);
  caret = fix(caret);
  if (anchor == e.Anchor && caret == e.Caret) return;
  e.Anchor = anchor;
  e.Caret = caret;
  ScrollToCaret(e);
  Redraw(e);
}

// Whether the text would still fit a control that does not scroll (the lines [from, to) are
// the ones a change laid out).
bool Fits(Edit& e, size_t from, size_t to) {
  const DWORD s = StyleOf(e);
  if (!Multi(e)) return (s & ES_AUTOHSCROLL) || Width(e, 0, e.Text.size()) <= FormatWidth(e);
  if (!Wraps(e) && !(s & ES_AUTOHSCROLL))
    for (size_t i = from; i < to && i < e.Lines.size(); ++i)
      if (Width(e, e.Lines[i].Start, e.Lines[i].Length) > FormatWidth(e)) return false;
  if (!(s & ES_AUTOVSCROLL) && !(s & WS_VSCROLL) &&
      e.Lines.size() > static_cast<size_t>(VisibleLines(e)))
    return false;
  return true;
}

std::string Filter(const Edit& e, std::string s) {
  const DWORD st = StyleOf(e);
  if (!Multi(e)) {
    // Single lines stop at the first line break.
    const size_t cut = s.find_first_of("\r\n");
    if (cut != std::string::npos) s.resize(cut);
  }
  for (char& c : s) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (st & ES_UPPERCASE)
      c = static_cast<char>(std::toupper(u));
    else if (st & ES_LOWERCASE)
      c = static_cast<char>(std::tolower(u));
  }
  return s;
}

// Replaces the selection with s (filtered and cut to the limit). Answers false when nothing
// could be put in.
bool Replace(Edit& e, std::string s, bool undoable, bool typing) {
  s = Filter(e, std::move(s));
  const size_t a = SelMin(e), b = SelMax(e);
  const size_t room = e.Limit > e.Text.size() - (b - a) ? e.Limit - (e.Text.size() - (b - a)) : 0;
  bool truncated = false;
  if (s.size() > room) {
    s.resize(room);
    if (!s.empty() && s.back() == '\r') s.pop_back();
    truncated = true;
  }
  if (s.empty() && a == b) {
    if (truncated) Notify(e, EN_MAXTEXT);
    return false;
  }
  const size_t oldAnchor = e.Anchor, oldCaret = e.Caret;
  std::string removed = e.Text.substr(a, b - a);
  e.Text.replace(a, b - a, s);
  const auto laid = Relayout(e, a, removed.size(), s.size());
  if (!Fits(e, laid.first, laid.second)) {
    e.Text.replace(a, s.size(), removed);
    Relayout(e, a, s.size(), removed.size());
    Notify(e, EN_MAXTEXT);
    return false;
  }
  if (!undoable) {
    e.CanUndo = false;  // positions of the last change mean nothing after this one
  } else {
    const size_t runEnd = e.UndoPos + e.UndoInserted;
    if (typing && e.Typing && e.CanUndo && a == b && a == runEnd) {
      // Typing on joins the change it continues.
      e.UndoInserted += s.size();
    } else {
      e.UndoPos = a;
      e.UndoRemoved = std::move(removed);
      e.UndoInserted = s.size();
      e.UndoAnchor = oldAnchor;
      e.UndoCaret = oldCaret;
      e.CanUndo = true;
    }
  }
  e.Typing = typing;
  e.Anchor = e.Caret = a + s.size();
  e.Modified = true;
  ScrollToCaret(e);
  Notify(e, EN_UPDATE);
  Redraw(e);
  Notify(e, EN_CHANGE);
  if (truncated) Notify(e, EN_MAXTEXT);
  return true;
}

void SetText(Edit& e, const std::string& s) {
  e.Text = Filter(e, s);
  if (!Multi(e)) e.Text = e.Text;  // already cut at the first break
  e.Anchor = e.Caret = 0;
  e.FirstLine = 0;
  e.XOffset = 0;
  e.CanUndo = false;
  e.Typing = false;
  e.Modified = false;
  Layout(e);
  UpdateScrollBars(e);
  Notify(e, EN_UPDATE);
  Redraw(e);
  Notify(e, EN_CHANGE);
}

bool IsWordChar(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return !(std::isspace(u) || u == 0);
}

// Ctrl+Left/Right: the start of the previous or next word.
size_t WordLeft(const Edit& e, size_t p) {
  while (p > 0 && !IsWordChar(e.Text[p - 1])) --p;
  while (p > 0 && IsWordChar(e.Text[p - 1])) --p;
  return p;
}
size_t WordRight(const Edit& e, size_t p) {
  const size_t n = e.Text.size();
  while (p < n && IsWordChar(e.Text[p])) ++p;
  while (p < n && !IsWordChar(e.Text[p])) ++p;
  return p;
}

void Copy(Edit& e) {
  if (e.Password && !Multi(e)) return;  // a password never leaves the control
  const size_t a = SelMin(e), b = SelMax(e);
  if (a == b || !OpenClipboard(e.Hwnd)) return;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, b - a + 1);
  if (mem) {
    char* p = static_cast<char*>(GlobalLock(mem));
    std::memcpy(p, e.Text.data() + a, b - a);
    p[b - a] = 0;
    GlobalUnlock(mem);
    if (!SetClipboardData(CF_TEXT, mem)) GlobalFree(mem);
  }
  CloseClipboard();
}

void Paste(Edit& e) {
  if (ReadOnly(e) || !OpenClipboard(e.Hwnd)) return;
  std::string s;
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    const char* p = static_cast<const char*>(GlobalLock(h));
    const size_t n = GlobalSize(h);
    if (p) s.assign(p, strnlen(p, n));
    GlobalUnlock(h);
  }
  CloseClipboard();
  if (!s.empty()) Replace(e, s, true, false);
}

void Clear(Edit& e) {
  if (!ReadOnly(e) && SelMin(e) != SelMax(e)) Replace(e, "", true, false);
}

void Undo(Edit& e) {
  if (!e.CanUndo || ReadOnly(e)) return;
  if (e.UndoPos + e.UndoInserted > e.Text.size()) {
    e.CanUndo = false;
    return;
  }
  // The undo record then holds what is being undone, so a second undo redoes it.
  const size_t at = e.UndoPos, inserted = e.UndoInserted;
  const size_t anchor = e.UndoAnchor, caret = e.UndoCaret;
  std::string back = std::move(e.UndoRemoved);
  e.UndoRemoved = e.Text.substr(at, inserted);
  e.UndoInserted = back.size();
  e.UndoAnchor = e.Anchor;
  e.UndoCaret = e.Caret;
  e.Text.replace(at, inserted, back);
  Relayout(e, at, inserted, back.size());
  e.Anchor = std::min(anchor, e.Text.size());
  e.Caret = std::min(caret, e.Text.size());
  e.Typing = false;
  e.Modified = true;
  ScrollToCaret(e);
  Notify(e, EN_UPDATE);
  Redraw(e);
  Notify(e, EN_CHANGE);
}

void MoveTo(Edit& e, size_t p, bool extend) {
  e.Typing = false;
  SetSelection(e, extend ? e.Anchor : p, p);
}

void KeyDown(Edit& e, WPARAM vk) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const size_t li = LineOf(e, e.Caret);
  const Line& l = e.Lines[li];
  switch (vk) {
    case VK_LEFT:
      if (!shift && SelMin(e) != SelMax(e) && !ctrl)
        MoveTo(e, SelMin(e), false);
      else if (ctrl)
        MoveTo(e, WordLeft(e, e.Caret), shift);
      else if (e.Caret > 0)
        MoveTo(
            e,
            e.Caret >= 2 && e.Text.compare(e.Caret - 2, 2, "\r\n") == 0 ? e.Caret - 2 : e.Caret - 1,
            shift);
      break;
    case VK_RIGHT:
      if (!shift && SelMin(e) != SelMax(e) && !ctrl)
        MoveTo(e, SelMax(e), false);
      else if (ctrl)
        MoveTo(e, WordRight(e, e.Caret), shift);
      else if (e.Caret < e.Text.size())
        MoveTo(e, e.Text.compare(e.Caret, 2, "\r\n") == 0 ? e.Caret + 2 : e.Caret + 1, shift);
      break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
      if (!Multi(e)) {
        if (vk == VK_UP) MoveTo(e, e.Caret > 0 ? e.Caret - 1 : 0, shift);
        if (vk == VK_DOWN) MoveTo(e, std::min(e.Caret + 1, e.Text.size()), shift);
        break;
      }
      const long step = (vk == VK_UP || vk == VK_DOWN) ? 1 : VisibleLines(e);
      const long dir = (vk == VK_UP || vk == VK_PRIOR) ? -1 : 1;
      const long target = std::clamp<long>(static_cast<long>(li) + dir * step, 0,
                                           static_cast<long>(e.Lines.size()) - 1);
      if (target == static_cast<long>(li)) {
        MoveTo(e, dir < 0 ? l.Start : l.Start + l.Length, shift);
        break;
      }
      if (vk == VK_PRIOR || vk == VK_NEXT) {
        const long first = std::clamp<long>(
            static_cast<long>(e.FirstLine) + dir * step, 0,
            std::max<long>(0, static_cast<long>(e.Lines.size()) - VisibleLines(e)));
        e.FirstLine = static_cast<size_t>(first);
      }
      POINT p = PosOf(e, e.Caret);
      const int y =
          e.Format.Top + (static_cast<int>(target) - static_cast<int>(e.FirstLine)) * e.LineHeight;
      MoveTo(e, PosFrom(e, p.X, y), shift);
      Redraw(e);
      break;
    }
    case VK_HOME: MoveTo(e, ctrl ? 0 : l.Start, shift); break;
    case VK_END: MoveTo(e, ctrl ? e.Text.size() : l.Start + l.Length, shift); break;
    case VK_DELETE:
      if (ReadOnly(e)) break;
      if (shift) {  // Shift+Del cuts
        Copy(e);
        Clear(e);
      } else if (SelMin(e) != SelMax(e)) {
        Clear(e);
      } else if (e.Caret < e.Text.size()) {
        const size_t n = e.Text.compare(e.Caret, 2, "\r\n") == 0 ? 2 : 1;
        e.Anchor = e.Caret + n;
        Replace(e, "", true, false);
      }
      break;
    case VK_INSERT:
      if (ctrl)
        Copy(e);
      else if (shift)
        Paste(e);
      break;
    default: break;
  }
}

void Char(Edit& e, WPARAM ch) {
  const DWORD s = StyleOf(e);
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  switch (ch) {
    case 3: Copy(e); return;      // Ctrl+C
    case 0x16: Paste(e); return;  // Ctrl+V
    case 0x18:
      if (!ReadOnly(e)) {
        Copy(e);
        Clear(e);
      }
      return;                    // Ctrl+X
    case 0x1A: Undo(e); return;  // Ctrl+Z
    default: break;
  }
  if (ReadOnly(e)) {
    MessageBeep(0);
    return;
  }
  if (ch == 8 || ch == 0x7F) {  // backspace; Ctrl+Backspace (0x7F) takes the word before
    if (SelMin(e) == SelMax(e)) {
      if (e.Caret == 0) return;
      const size_t p =
          (ctrl || ch == 0x7F)
              ? WordLeft(e, e.Caret)
              : (e.Caret >= 2 && e.Text.compare(e.Caret - 2, 2, "\r\n") == 0 ? e.Caret - 2
                                                                             : e.Caret - 1);
      e.Anchor = p;
    }
    Replace(e, "", true, false);
    return;
  }
  if (ch == '\r' || ch == '\n') {
    if (Multi(e)) Replace(e, "\r\n", true, false);
    return;
  }
  if (ch == '\t') {
    if (Multi(e)) Replace(e, "\t", true, true);
    return;
  }
  if (ch < 32 || ch > 255) return;
  if ((s & ES_NUMBER) && !std::isdigit(static_cast<int>(ch))) {
    MessageBeep(0);
    return;
  }
  Replace(e, std::string(1, static_cast<char>(ch)), true, true);
}

// Draws the characters [from, from + len) (no tabs among them) with the pen at x, leaving out
// those wholly outside the format rectangle; a margin of a few characters keeps the ink of
// glyphs that overhang their cell.
void DrawPiece(const Edit& e, HDC dc, int x, int y, size_t from, size_t len) {
  const int64_t margin = 4 * int64_t(e.AveChar) + 16;
  const int64_t left = e.Format.Left - margin, right = e.Format.Right + margin;
  const size_t end = from + len;
  size_t a = from;
  int64_t xa = x;
  while (a < end && xa + e.Advance[ShownAt(e, a)] < left) xa += e.Advance[ShownAt(e, a++)];
  std::string run;
  for (int64_t xb = xa; a + run.size() < end && xb < right;) {
    const unsigned char c = ShownAt(e, a + run.size());
    run.push_back(static_cast<char>(c));
    xb += e.Advance[c];
  }
  if (!run.empty())
    TextOutA(dc, static_cast<int>(std::clamp<int64_t>(xa, INT32_MIN, INT32_MAX)), y, run.data(),
             static_cast<int>(run.size()));
}

void Paint(Edit& e, WPARAM given) {
  const TClientPaintDC paint(e.Hwnd, given);
  HDC dc = paint;
  const DWORD s = StyleOf(e);
  const bool enabled = IsWindowEnabled(e.Hwnd);
  const UINT colorMsg = (!enabled || (s & ES_READONLY)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  HBRUSH brush = nullptr;
  if (HWND parent = GetParent(e.Hwnd))
    brush = reinterpret_cast<HBRUSH>(SendMessageA(parent, colorMsg, reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(e.Hwnd)));
  else
    brush = reinterpret_cast<HBRUSH>(DefWindowProcA(e.Hwnd, colorMsg, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(e.Hwnd)));
  if (!brush) brush = GetSysColorBrush(colorMsg == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE);
  const COLORREF text = enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
  RECT client;
  GetClientRect(e.Hwnd, &client);
  FillRect(dc, &client, brush);
  HGDIOBJ oldFont = SelectObject(dc, e.Font ? e.Font : GetStockObject(SYSTEM_FONT));
  const int save = SaveDC(dc);
  IntersectClipRect(dc, e.Format.Left, e.Format.Top, e.Format.Right, e.Format.Bottom);
  SetBkMode(dc, TRANSPARENT);
  const bool showSel = SelMin(e) != SelMax(e) && (e.Focused || (s & ES_NOHIDESEL));
  const size_t rows = static_cast<size_t>(VisibleLines(e)) + 1;
  for (size_t li = e.FirstLine; li < e.Lines.size() && li < e.FirstLine + rows; ++li) {
    const Line& l = e.Lines[li];
    const POINT p = PosOf(e, l.Start);
    // Draw the line in runs split at the selection edges, each in pieces split at tabs, with
    // the pen walking along the line once.
    int x = 0;  // from the line's start
    size_t i = 0;
    while (i < l.Length) {
      const size_t abs = l.Start + i;
      const bool sel = showSel && abs >= SelMin(e) && abs < SelMax(e);
      size_t j = i + 1;
      while (j < l.Length &&
             (showSel && l.Start + j >= SelMin(e) && l.Start + j < SelMax(e)) == sel)
        ++j;
      int runEnd = x;
      for (size_t q = i; q < j; ++q) runEnd = Step(e, runEnd, ShownAt(e, l.Start + q));
      if (sel) {
        RECT r{p.X + x, p.Y, p.X + runEnd, p.Y + e.LineHeight};
        FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
      } else {
        SetTextColor(dc, text);
      }
      // Text up to each tab, placed where the tab stops put it.
      for (size_t k = i; k < j;) {
        size_t t = k;
        int pieceEnd = x;
        while (t < j && e.Text[l.Start + t] != '\t')
          pieceEnd = Step(e, pieceEnd, ShownAt(e, l.Start + t++));
        if (t > k) DrawPiece(e, dc, p.X + x, p.Y, l.Start + k, t - k);
        x = t < j ? Step(e, pieceEnd, ShownAt(e, l.Start + t)) : pieceEnd;
        k = t + 1;
      }
      x = runEnd;
      i = j;
    }
    // A selected line break shows as a little highlighted space.
    if (showSel && Multi(e) && l.Start + l.Length >= SelMin(e) && l.Start + l.Length < SelMax(e) &&
        li + 1 < e.Lines.size()) {
      RECT r{p.X + x, p.Y, p.X + x + e.AveChar / 2 + 1, p.Y + e.LineHeight};
      FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
  }
  RestoreDC(dc, save);
  SelectObject(dc, oldFont);
}

void UpdateMetrics(Edit& e) {
  SelectObject(e.Measure, e.Font ? e.Font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICA tm;
  GetTextMetricsA(e.Measure, &tm);
  e.LineHeight = std::max<int>(1, tm.tmHeight);
  e.AveChar = std::max<int>(1, tm.tmAveCharWidth);
  GetCharWidth32A(e.Measure, 0, 255, e.Advance);
}

void UpdateFormat(Edit& e) {
  if (!e.CustomRect) {
    RECT c;
    GetClientRect(e.Hwnd, &c);
    e.Format = {c.Left + e.LeftMargin, c.Top,
                std::max(c.Left + e.LeftMargin, c.Right - e.RightMargin), c.Bottom};
    if (!Multi(e)) {
      // A single line sits at the top, one line high (less if the control is lower).
      e.Format.Bottom = std::min(c.Bottom, c.Top + e.LineHeight);
      if (e.Format.Bottom < e.Format.Top + e.LineHeight)
        e.Format.Bottom = e.Format.Top + e.LineHeight;
    }
  }
  Layout(e);
  e.FirstLine = std::min(e.FirstLine, e.Lines.size() - 1);
  ScrollToCaret(e);
}

void Scroll(Edit& e, long lines, int pixels) {
  if (Multi(e) && lines) {
    const long maxFirst = std::max<long>(0, static_cast<long>(e.Lines.size()) - 1);
    e.FirstLine =
        static_cast<size_t>(std::clamp<long>(static_cast<long>(e.FirstLine) + lines, 0, maxFirst));
  }
  if (pixels && !Wraps(e)) e.XOffset = std::max(0, e.XOffset + pixels);
  UpdateScrollBars(e);
  Redraw(e);
}

long ScrollCode(Edit& e, WORD code, int thumb, bool vertical) {
  const long page = vertical ? VisibleLines(e) : FormatWidth(e);
  const long line = vertical ? 1 : e.AveChar;
  switch (code) {
    case SB_LINEUP: return -line;
    case SB_LINEDOWN: return line;
    case SB_PAGEUP: return -page;
    case SB_PAGEDOWN: return page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return vertical ? thumb - static_cast<long>(e.FirstLine) : thumb - e.XOffset;
    case SB_TOP: return vertical ? -static_cast<long>(e.FirstLine) : -e.XOffset;
    case SB_BOTTOM: return vertical ? static_cast<long>(e.Lines.size()) : 1 << 20;
    default: return 0;
  }
}

}  // namespace edit_internal

}  // namespace win
