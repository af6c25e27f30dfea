// TMemoStrings, TCustomMemo and TMemo: the edit of many lines.
#include <algorithm>

#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/StdCtrlsInternal.h"

namespace vcl {

using namespace win;
using namespace stdctrls_internal;

// ---------------------------------------------------------------------------------------------
// TMemoStrings

std::vector<std::string> TMemoStrings::Split() const {
  if (updating_) return pending_;
  std::vector<std::string> lines;
  const std::string t = memo_->Text();
  size_t pos = 0;
  while (pos < t.size()) {
    const size_t brk = t.find("\r\n", pos);
    if (brk == std::string::npos) {
      lines.push_back(t.substr(pos));
      break;
    }
    lines.push_back(t.substr(pos, brk - pos));
    pos = brk + 2;
  }
  return lines;
}

void TMemoStrings::Join(const std::vector<std::string>& Lines) {
  if (updating_) {
    pending_ = Lines;
    return;
  }
  std::string t;
  for (size_t i = 0; i < Lines.size(); ++i) {
    if (i) t += "\r\n";
    t += Lines[i];
  }
  memo_->SetText(t);
}

void TMemoStrings::Index() const {
  if (indexed_) return;
  text_ = memo_->Text();
  starts_.clear();
  for (size_t pos = 0; pos < text_.size();) {
    starts_.push_back(pos);
    const size_t brk = text_.find("\r\n", pos);
    if (brk == std::string::npos) break;
    pos = brk + 2;
  }
  indexed_ = true;
}

std::string TMemoStrings::Get(int Index) const {
  if (updating_) {
    if (Index < 0 || Index >= static_cast<int>(pending_.size()))
      Error("List index out of bounds (%d)", Index);
    return pending_[static_cast<size_t>(Index)];
  }
  this->Index();
  if (Index < 0 || Index >= static_cast<int>(starts_.size()))
    Error("List index out of bounds (%d)", Index);
  const size_t i = static_cast<size_t>(Index);
  // The last line ends at the text's end or at a closing line break.
  const size_t end = i + 1 < starts_.size()
                         ? starts_[i + 1] - 2
                         : std::min(text_.find("\r\n", starts_[i]), text_.size());
  return text_.substr(starts_[i], end - starts_[i]);
}

void TMemoStrings::Count() const {
  if (breaks_ >= 0) return;
  const std::string t = memo_->Text();
  breaks_ = 0;
  size_t tail = 0;
  for (size_t p = t.find("\r\n"); p != std::string::npos; p = t.find("\r\n", p + 2)) {
    ++breaks_;
    tail = p + 2;
  }
  tailNonEmpty_ = tail < t.size();
}

int TMemoStrings::GetCount() const {
  if (updating_) return static_cast<int>(pending_.size());
  Count();
  return breaks_ + (tailNonEmpty_ ? 1 : 0);
}

void TMemoStrings::Put(int Index, const std::string& S) {
  auto lines = Split();
  if (Index < 0 || Index >= static_cast<int>(lines.size()))
    Error("List index out of bounds (%d)", Index);
  lines[static_cast<size_t>(Index)] = S;
  Join(lines);
}

void TMemoStrings::Insert(int Index, const std::string& S) {
  if (updating_) {
    if (Index < 0 || Index > static_cast<int>(pending_.size()))
      Error("List index out of bounds (%d)", Index);
    pending_.insert(pending_.begin() + Index, S);
    return;
  }
  if (Index == GetCount()) {
    // A line after the last one goes in at the end of the text, without taking the text apart.
    const bool empty = breaks_ == 0 && !tailNonEmpty_;
    const bool lead = !empty && tailNonEmpty_;
    size_t tail = 0;
    int breaks = lead ? 1 : 0;
    for (size_t p = S.find("\r\n"); p != std::string::npos; p = S.find("\r\n", p + 2)) {
      ++breaks;
      tail = p + 2;
    }
    const int before = breaks_;
    appending_ = true;
    TFinally done([this] {
      appending_ = false;
      Stale();
    });
    memo_->AppendText(lead ? "\r\n" + S : S);
    breaks_ = before + breaks;
    tailNonEmpty_ = tail < S.size();
    return;
  }
  auto lines = Split();
  if (Index < 0 || Index > static_cast<int>(lines.size()))
    Error("List index out of bounds (%d)", Index);
  lines.insert(lines.begin() + Index, S);
  Join(lines);
}

void TMemoStrings::Delete(int Index) {
  auto lines = Split();
  if (Index < 0 || Index >= static_cast<int>(lines.size()))
    Error("List index out of bounds (%d)", Index);
  lines.erase(lines.begin() + Index);
  Join(lines);
}

void TMemoStrings::Clear() { Join({}); }

std::string TMemoStrings::Text() const {
  if (updating_) return TStrings::Text();
  return memo_->Text();
}

void TMemoStrings::SetText(const std::string& Value) {
  if (updating_) {
    TStrings::SetText(Value);
    return;
  }
  memo_->SetText(Value);
}

void TMemoStrings::SetUpdateState(bool Updating) {
  if (Updating) {
    pending_ = Split();
    updating_ = true;
  } else {
    updating_ = false;
    std::vector<std::string> lines;
    lines.swap(pending_);
    Join(lines);
  }
}

ZYL_CLASS_IMPL(TMemoStrings) {}

// ---------------------------------------------------------------------------------------------
// TCustomMemo

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner) {
  width_ = 185;
  height_ = 89;
  autoSize_ = false;
  controlStyle_ -= csFixedHeight;
  lines_ = new TMemoStrings(this);
}

TCustomMemo::~TCustomMemo() { delete lines_; }

void TCustomMemo::CreateParams(TCreateParams& Params) {
  static const DWORD bars[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
  static const DWORD aligns[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  TCustomEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE | bars[scrollBars_] | aligns[alignment_];
  // Word wrap leaves out sideways scrolling (unless there is a horizontal scroll bar).
  if (wordWrap_ && scrollBars_ != ssHorizontal && scrollBars_ != ssBoth)
    Params.Style &= ~ES_AUTOHSCROLL;
}

void TCustomMemo::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  RecreateWnd();
}

void TCustomMemo::SetLines(TStrings* Value) { lines_->Assign(Value); }

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (scrollBars_ == Value) return;
  scrollBars_ = Value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  RecreateWnd();
}

TPoint TCustomMemo::CaretPos() {
  HWND h = Handle();
  DWORD a = 0, b = 0;
  SendMessageA(h, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
  const LRESULT line = SendMessageA(h, EM_LINEFROMCHAR, b, 0);
  const LRESULT start = SendMessageA(h, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  return TPoint{static_cast<int32_t>(b - start), static_cast<int32_t>(line)};
}

void TCustomMemo::AppendText(const std::string& Piece) {
  if (!handle_) {
    auto* lines = static_cast<TMemoStrings*>(lines_);
    if (!lines->appending_) lines->breaks_ = -1;
    lines->Stale();
    text_ += Piece;
    return;
  }
  const auto n = CallWindowProcA(defWndProc_, handle_, WM_GETTEXTLENGTH, 0, 0);
  SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(n), static_cast<LPARAM>(n));
  SendMessageA(handle_, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Piece.c_str()));
}

// Any change but a line added by the lines object leaves their count to be taken again.
void TCustomMemo::Change() {
  auto* lines = static_cast<TMemoStrings*>(lines_);
  if (!lines->appending_) lines->breaks_ = -1;
  lines->Stale();
  TCustomEdit::Change();
}

void TCustomMemo::StoreText(const TCaption& Value) {
  auto* lines = static_cast<TMemoStrings*>(lines_);
  if (!lines->appending_) lines->breaks_ = -1;
  lines->Stale();
  TCustomEdit::StoreText(Value);
}

void TCustomMemo::KeyPress(char& Key) {
  TCustomEdit::KeyPress(Key);
  if ((Key == '\r' && !wantReturns_) || (Key == '\t' && !wantTabs_)) Key = 0;
}

void TCustomMemo::WMGetDlgCode(TMessage& Message) {
  DefaultHandler(&Message);
  if (wantTabs_)
    Message.Result |= DLGC_WANTTAB;
  else
    Message.Result &= ~DLGC_WANTTAB;
  if (!wantReturns_) Message.Result &= ~DLGC_WANTALLKEYS;
}

ZYL_MESSAGE_MAP(TCustomMemo) { m.On(WM_GETDLGCODE, &TCustomMemo::WMGetDlgCode); }
ZYL_CLASS_IMPL(TCustomMemo) {
  using C = TCustomMemo;
  b.Declare("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(taLeftJustify)
      .Declare("Lines", &C::Lines, &C::SetLines)
      .Declare("ScrollBars", &C::ScrollBars, &C::SetScrollBars)
      .Default(ssNone)
      .Declare("WantReturns", &C::WantReturns, &C::SetWantReturns)
      .Default(true)
      .Declare("WantTabs", &C::WantTabs, &C::SetWantTabs)
      .Default(false)
      .Declare("WordWrap", &C::WordWrap, &C::SetWordWrap)
      .Default(true);
}

ZYL_CLASS_IMPL(TMemo) {
  b.Publish({"Align",       "Alignment",      "Anchors",     "BiDiMode",       "BorderStyle",
             "Color",       "Constraints",    "Ctl3D",       "DragCursor",     "DragKind",
             "DragMode",    "Enabled",        "Font",        "HideSelection",  "ImeMode",
             "ImeName",     "Lines",          "MaxLength",   "OEMConvert",     "ParentBiDiMode",
             "ParentColor", "ParentCtl3D",    "ParentFont",  "ParentShowHint", "PopupMenu",
             "ReadOnly",    "ScrollBars",     "ShowHint",    "TabOrder",       "TabStop",
             "Visible",     "WantReturns",    "WantTabs",    "WordWrap",       "OnChange",
             "OnClick",     "OnContextPopup", "OnDblClick",  "OnDragDrop",     "OnDragOver",
             "OnEndDock",   "OnEndDrag",      "OnEnter",     "OnExit",         "OnKeyDown",
             "OnKeyPress",  "OnKeyUp",        "OnMouseDown", "OnMouseMove",    "OnMouseUp",
             "OnStartDock", "OnStartDrag"});
}

namespace {
const controls_internal::TStandardClasses registered{&TMemo::StaticClass};
}  // namespace

}  // namespace vcl
