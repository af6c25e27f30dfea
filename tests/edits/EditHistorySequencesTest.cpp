// Long seeded sequences of what a user does to an edit of every class and setting: typing
// printable and control characters, Backspace and Delete, moving and selecting by keys and the
// mouse, the clipboard keys and the context menu with ordinary and hostile clipboard contents,
// undo and redo, select-all, the wheel, the focus leaving and coming back, and text set and
// edited in code. After every step the edit's state is checked: nothing raised, caret and
// selection lie within the text, MaxLength, the mask, the kinds' number forms and a suffix
// hold, a spin edit's step keys stay within the bound they step towards, a read-only text
// never changes by the user, a copy or a cut puts the selected text on the clipboard. Every
// few steps the whole history is walked: undoing all the way gives the text before the first
// step that can be undone (and, after a typed character, a paste or a cut, the selection
// before it), redoing all the way the text after the last one, each text met on the way back.
// Where the edits' rules differ from what a user might expect, the steps say so (a date edit's
// Shift+Delete cuts nothing; the menu's Cut is grey in a read-only edit).
//
// A failure names the case, its seed and the step, so that the sequence can be replayed alone
// (--gtest_filter on the case's name; the steps are a function of the seed).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "edits/ZYLBrowseEdit.h"
#include "edits/ZYLColorEdit.h"
#include "edits/ZYLComboBox.h"
#include "edits/ZYLEditAutoComplete.h"
#include "edits/ZYLExtSpinEdit.h"
#include "edits/ZYLFileOpenEdit.h"
#include "edits/ZYLHistoryEdit.h"
#include "edits/ZYLListComboBox.h"
#include "edits/ZYLMaskEdit.h"
#include "edits/ZYLMemo.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCont.h"
#include "platform/base/Exceptions.h"
#include "platform/controls/Clipbrd.h"
#include "platform/user/EditButtonConsts.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"

namespace zyl {
namespace {

using edittest::THost;
namespace tk = win::testkit;

// A small generator of its own, so that a seed gives the same steps everywhere.
class TRandom {
 public:
  explicit TRandom(uint32_t Seed) : state_(Seed * 2654435761u + 1) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  int Below(int N) { return N <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint32_t>(N)); }
  bool Chance(int Percent) { return Below(100) < Percent; }

 private:
  uint32_t state_;
};

// What a case checks beyond the common invariants.
enum class TForm {
  Any,       // free text
  Mask,      // the mask's positions
  Integer,   // an optional sign, then digits
  Word,      // digits only
  Float,     // an optional sign, digits, one decimal separator at most
  Reads,     // a value the kind reads back (fixed, number and currency forms)
  Suffixed,  // free text ending in the suffix
};

struct TCase {
  const char* Name;
  uint32_t Seed;
  // Places the edit on the host's form with its settings and starting text.
  std::function<TZYLBaseEdit*(THost&)> Make;
  TForm Form = TForm::Any;
  // Undo puts back the selection before a typed character, a paste or a cut.
  bool SelectionComesBack = true;
  // The spin edits' step keys keep the value within their bound.
  bool Spins = false;
  // Texts set in code.
  std::vector<std::string> Texts = {"", "abc", "one two three", "x"};
};

template <class E>
E* Placed(THost& Host, int H = 21) {
  return Host.Place<E>("Edit1", 10, 10, 200, H);
}

TZYLMaskEdit* MaskOf(THost& Host, TZYLMaskType Kind) {
  auto* e = Placed<TZYLMaskEdit>(Host);
  e->SetMaskType(Kind);
  return e;
}

const std::vector<TCase>& Cases() {
  static const std::vector<TCase> cases = [] {
    std::vector<TCase> c;
    c.push_back({"Edit", 11, [](THost& h) {
                   auto* e = Placed<TZYLEdit>(h);
                   e->SetText("hello world");
                   return e;
                 }});
    c.push_back({"EditMaxLength", 12, [](THost& h) {
                   auto* e = Placed<TZYLEdit>(h);
                   e->SetMaxLength(12);
                   e->SetText("abcdefghij");
                   return e;
                 }});
    c.push_back({"EditReadOnly", 13, [](THost& h) {
                   auto* e = Placed<TZYLEdit>(h);
                   e->SetText("read only text");
                   e->SetReadOnly(true);
                   return e;
                 }});
    c.push_back({"EditUpperCase", 14, [](THost& h) {
                   auto* e = Placed<TZYLEdit>(h);
                   e->SetCharCase(vcl::ecUpperCase);
                   e->SetText("ABC DEF");
                   return e;
                 }});
    c.push_back({"EditPassword", 15, [](THost& h) {
                   auto* e = Placed<TZYLEdit>(h);
                   e->SetPasswordChar('*');
                   e->SetText("secret");
                   return e;
                 }});
    c.push_back({"EditLowerCaseOem", 16, [](THost& h) {
                   auto* e = Placed<TZYLEdit>(h);
                   e->SetCharCase(vcl::ecLowerCase);
                   e->SetOEMConvert(true);
                   e->SetAlignment(vcl::taRightJustify);
                   e->SetText("mixed Text");
                   return e;
                 }});
    c.push_back({"EditAutoComplete", 17, [](THost& h) {
                   auto* strings = new TZYLStringList(h.Form());
                   strings->GetArrayItem(strings->Add())
                       ->GetList()
                       ->SetText("apple\r\napplesauce\r\nbanana\r\n");
                   auto* ac = new TZYLEditAutoComplete(h.Form());
                   ac->SetStringList(strings);
                   ac->SetMode(TZYLAutoCompleteModes{amText});
                   auto* e = Placed<TZYLEdit>(h);
                   e->SetAutoComplete(ac);
                   return e;
                 }});
    c.push_back({"MaskEditMask",
                 21,
                 [](THost& h) {
                   auto* e = MaskOf(h, meMask);
                   e->SetMask("\\(000\\)\\ 000\\-0000");
                   return e;
                 },
                 TForm::Mask,
                 false,
                 false,
                 {"(123) 456-7890", "(1__) ___-____", "no"}});
    c.push_back({"MaskEditInteger",
                 22,
                 [](THost& h) {
                   auto* e = MaskOf(h, meInteger);
                   e->SetText("-123");
                   return e;
                 },
                 TForm::Integer,
                 false,
                 false,
                 {"0", "42", "-7"}});
    c.push_back({"MaskEditWord",
                 23,
                 [](THost& h) {
                   auto* e = MaskOf(h, meWord);
                   e->SetText("123");
                   return e;
                 },
                 TForm::Word,
                 false,
                 false,
                 {"0", "42", "65535"}});
    c.push_back({"MaskEditFloat",
                 24,
                 [](THost& h) {
                   auto* e = MaskOf(h, meFloat);
                   e->SetText("1.5");
                   return e;
                 },
                 TForm::Float,
                 false,
                 false,
                 {"0", "-2.25", "3"}});
    c.push_back({"MaskEditFloatFixed",
                 25,
                 [](THost& h) {
                   auto* e = MaskOf(h, meFloatFixed);
                   e->SetDecimals(2);
                   return e;
                 },
                 TForm::Reads,
                 false,
                 false,
                 {"1.50", "-2.25"}});
    c.push_back({"MaskEditCurrency",
                 26,
                 [](THost& h) { return MaskOf(h, meCurrency); },
                 TForm::Reads,
                 false,
                 false,
                 {""}});
    c.push_back({"MaskEditDate",
                 27,
                 [](THost& h) { return MaskOf(h, meDate); },
                 TForm::Any,
                 false,
                 false,
                 {""}});
    c.push_back({"MaskEditSuffix",
                 28,
                 [](THost& h) {
                   auto* e = MaskOf(h, meNone);
                   e->SetSuffix(" kg");
                   e->SetTextWithSuffix("12");
                   return e;
                 },
                 TForm::Suffixed,
                 false,
                 false,
                 {"", "5", "a b"}});
    c.push_back({"MaskEditTime",
                 29,
                 [](THost& h) { return MaskOf(h, meTime); },
                 TForm::Any,
                 false,
                 false,
                 {""}});
    c.push_back({"MaskEditUserRule",
                 20,
                 [](THost& h) {
                   auto* e = MaskOf(h, meMask);
                   e->SetMask("!A!a\\-bc#*v18");
                   e->SetBlankChar(' ');
                   return e;
                 },
                 TForm::Mask,
                 false,
                 false,
                 {"Ab-xY+1+1", "", "  -      "}});
    c.push_back({"SpinEditSuffix",
                 33,
                 [](THost& h) {
                   auto* e = Placed<TZYLSpinEdit>(h);
                   e->SetSuffix(" pcs");
                   e->SetIntValue(7);
                   return e;
                 },
                 TForm::Suffixed,
                 false,
                 true,
                 {"0", "99", "100"}});
    c.push_back({"ExtSpinEditCurrency",
                 34,
                 [](THost& h) {
                   auto* e = Placed<TZYLExtSpinEdit>(h);
                   e->SetEditType(ntCurrency);
                   e->SetMinValue(-50);
                   e->SetMaxValue(50);
                   e->SetSpinValue(12.5);
                   return e;
                 },
                 TForm::Reads,
                 false,
                 true,
                 {""}});
    c.push_back({"ExtSpinEditFixed",
                 35,
                 [](THost& h) {
                   auto* e = Placed<TZYLExtSpinEdit>(h);
                   e->SetEditType(ntFloatFixed);
                   e->SetDecimals(2);
                   e->SetMinValue(0);
                   e->SetMaxValue(10);
                   e->SetSpinValue(2.5);
                   return e;
                 },
                 TForm::Reads,
                 false,
                 true,
                 {""}});
    c.push_back({"SpinEdit",
                 31,
                 [](THost& h) {
                   auto* e = Placed<TZYLSpinEdit>(h);
                   e->SetIntValue(50);
                   return e;
                 },
                 TForm::Integer,
                 false,
                 true,
                 {"0", "99", "100"}});
    c.push_back({"ExtSpinEditFloat",
                 32,
                 [](THost& h) {
                   auto* e = Placed<TZYLExtSpinEdit>(h);
                   e->SetEditType(ntFloat);
                   e->SetMinValue(-5);
                   e->SetMaxValue(5);
                   e->SetSpinValue(1.5);
                   return e;
                 },
                 TForm::Float,
                 false,
                 true,
                 {"0", "-4.5", "4"}});
    const std::vector<std::string> lines = {"", "one\r\ntwo", "a\r\n\r\nb c d e f g h i j k l m n"};
    c.push_back({"MemoWrapped", 41,
                 [](THost& h) {
                   auto* e = Placed<TZYLMemo>(h, 80);
                   e->SetText("the first line of the memo\r\nsecond\r\n\r\nfourth line wraps here");
                   return e;
                 },
                 TForm::Any, true, false, lines});
    c.push_back({"MemoUnwrappedMaxLength", 42,
                 [](THost& h) {
                   auto* e = Placed<TZYLMemo>(h, 80);
                   e->SetWordWrap(false);
                   e->SetWantTabs(true);
                   e->SetMaxLength(60);
                   e->SetText("a long line that does not wrap at all\r\nshort");
                   return e;
                 },
                 TForm::Any, true, false, lines});
    c.push_back({"MemoCentred", 44,
                 [](THost& h) {
                   auto* e = Placed<TZYLMemo>(h, 80);
                   e->SetWordWrap(false);
                   e->SetAlignment(vcl::taCenter);
                   e->SetText("centred rows wrap all the same when they are long enough\r\nx");
                   return e;
                 },
                 TForm::Any, true, false, lines});
    c.push_back({"MemoReadOnly", 43,
                 [](THost& h) {
                   auto* e = Placed<TZYLMemo>(h, 80);
                   e->SetText("fixed\r\ntext");
                   e->SetReadOnly(true);
                   return e;
                 },
                 TForm::Any, true, false, lines});
    c.push_back({"ListComboBox", 51, [](THost& h) {
                   auto* e = Placed<TZYLListComboBox>(h);
                   e->Items()->SetText("alpha\nbeta\ngamma");
                   e->SetText("beta");
                   return e;
                 }});
    c.push_back({"HistoryEdit", 52, [](THost& h) {
                   auto* e = Placed<TZYLHistoryEdit>(h);
                   e->SetText("first");
                   return e;
                 }});
    c.push_back({"BrowseEdit", 53, [](THost& h) {
                   auto* e = Placed<TZYLBrowseEdit>(h);
                   e->SetText("/tmp/folder");
                   return e;
                 }});
    c.push_back({"FileOpenEdit", 54, [](THost& h) {
                   auto* e = Placed<TZYLFileOpenEdit>(h);
                   e->SetText("file.txt");
                   return e;
                 }});
    c.push_back({"ColorEdit", 55, [](THost& h) { return Placed<TZYLColorEdit>(h); }});
    c.push_back({"ColorEditWritable",
                 56,
                 [](THost& h) {
                   auto* e = Placed<TZYLColorEdit>(h);
                   e->SetReadOnly(false);
                   return e;
                 },
                 TForm::Any,
                 true,
                 false,
                 {"clBlue", "$0000FF00", "clWindowText"}});
    return c;
  }();
  return cases;
}

// The clipboard contents a user may bring from elsewhere.
std::string HostileClipboard(TRandom& R) {
  switch (R.Below(6)) {
    case 0: return "";
    case 1: return std::string(5000, 'w');
    case 2: {
      std::string s;
      for (int i = 0; i < 200; ++i) s += "line " + std::to_string(i) + "\r\n";
      return s;
    }
    case 3: {
      std::string s;
      for (int i = 1; i < 256; ++i) s += static_cast<char>(i);
      return s;
    }
    case 4: return "zz!";
    default: return "\n\r\n\r";
  }
}

struct TState {
  std::string Text;
  int SelStart = 1;
  int SelLength = 0;
  bool operator==(const TState&) const = default;
};

std::ostream& operator<<(std::ostream& Out, const TState& S) {
  return Out << "\"" << S.Text << "\" " << S.SelStart << "+" << S.SelLength;
}

TState StateOf(TZYLBaseEdit* E) { return {E->RawText(), E->SelStart(), E->SelLength()}; }

// The step kinds, with the share of the sequence each takes.
enum TStepKind {
  skType,
  skControlChar,
  skBackspace,
  skDelete,
  skMoveKey,
  skClick,
  skDrag,
  skDoubleClick,
  skCopy,
  skCut,
  skPaste,
  skHostileClipboard,
  skUndo,
  skRedo,
  skSelectAll,
  skSetText,
  skInsertKey,
  skStepKey,
  skMenu,
  skCodeEdit,
  skWheel,
  skLeave,
  skCount
};
const int kWeights[skCount] = {22, 3, 6, 5, 14, 4, 3, 2, 4, 3, 4, 3, 7, 4, 2, 2, 1, 3, 3, 3, 2, 2};
const char* const kStepNames[skCount] = {
    "type", "control char", "backspace",  "delete",   "move key",   "click",
    "drag", "double click", "copy",       "cut",      "paste",      "hostile clipboard",
    "undo", "redo",         "select all", "set text", "insert key", "step key",
    "menu", "code edit",    "wheel",      "leave"};

// What a step did with the clipboard.
enum class TClip { None, Copy, Cut };

TStepKind PickStep(TRandom& R) {
  int total = 0;
  for (int w : kWeights) total += w;
  int n = R.Below(total);
  for (int k = 0; k < skCount; ++k) {
    if (n < kWeights[k]) return static_cast<TStepKind>(k);
    n -= kWeights[k];
  }
  return skType;
}

class TSequence {
 public:
  // Other is a control on the same form that takes the focus for a while.
  TSequence(const TCase& C, TZYLBaseEdit* E, vcl::TWinControl* Other)
      : case_(C), edit_(E), other_(Other), random_(C.Seed) {
    E->ClearUndo();
    base_ = top_ = StateOf(E);
    clipboard_ = vcl::Clipboard();
  }

  // The steps that changed the text.
  int Changes() const { return changes_; }

  // Runs Steps steps; stops at the first failure.
  void Run(int Steps) {
    for (int i = 1; i <= Steps && !::testing::Test::HasFailure(); ++i) {
      const TStepKind kind = PickStep(random_);
      std::ostringstream where;
      where << "case " << case_.Name << " seed " << case_.Seed << " step " << i << " ("
            << kStepNames[kind] << ")";
      SCOPED_TRACE(where.str());
      Step(kind);
      if (i % 40 == 0 || i == Steps) WalkHistory();
    }
  }

 private:
  void Step(TStepKind Kind) {
    if (!edit_->Focused()) THost::Focus(edit_);
    const TState before = StateOf(edit_);
    std::ostringstream was;
    was << "before the step: " << before << " caret " << edit_->CaretPos();
    SCOPED_TRACE(was.str());
    const bool couldUndo = edit_->CanUndo();
    const std::string clipBefore = clipboard_->AsText();
    std::string selected = edit_->GetSelText();
    // A cut puts the selection on the clipboard like a copy, unless it reaches into a suffix.
    auto* mask = dynamic_cast<TZYLCustomMaskEdit*>(edit_);
    const bool cutAllowed =
        !mask || before.SelStart + before.SelLength <=
                     edit_->GetLength() - static_cast<int>(mask->EffectiveSuffix().size()) + 1;
    TClip clip = TClip::None;
    bool userStep = Kind != skSetText;
    try {
      Do(Kind, clip);
    } catch (const std::exception& e) {
      ADD_FAILURE() << "raised: " << e.what();
      return;
    }
    THost::Idle();
    const TState after = StateOf(edit_);
    if (after.Text != before.Text) ++changes_;
    CheckBounds();
    CheckForm();
    if (Kind == skDrag && case_.Form != TForm::Reads) {
      // A dragged selection moves whole or not at all: the characters stay the same.
      std::string was = before.Text, now = after.Text;
      std::sort(was.begin(), was.end());
      std::sort(now.begin(), now.end());
      EXPECT_EQ(now, was) << "a drag changed the characters";
    }
    if (edit_->ReadOnly() && userStep) {
      EXPECT_EQ(after.Text, before.Text) << "read-only text changed";
    }
    if (clip != TClip::None && (clip == TClip::Copy || cutAllowed)) {
      auto* custom = dynamic_cast<TZYLCustomEdit*>(edit_);
      const bool allowed = !custom || custom->PasswordChar() == 0;
      if (allowed && !selected.empty())
        EXPECT_EQ(clipboard_->AsText(), selected) << "the clipboard after a copy or cut";
      else
        EXPECT_EQ(clipboard_->AsText(), clipBefore) << "the clipboard after a copy of nothing";
    }
    // The text and selection before the first step that can be undone, and the text after
    // the last step that can be redone.
    if (!edit_->CanUndo()) {
      base_ = after;
      baseSelKnown_ = true;
    } else if (!couldUndo) {
      base_.Text = before.Text;
      base_.SelStart = before.SelStart;
      base_.SelLength = before.SelLength;
      baseSelKnown_ = case_.SelectionComesBack &&
                      (Kind == skType || Kind == skPaste || Kind == skCut) && !overwrite_;
    }
    if (!edit_->CanRedo()) top_ = after;
  }

  void Do(TStepKind Kind, TClip& Clip) {
    const vcl::TRect r = edit_->TextRect();
    auto point = [&] {
      const int x = r.Left + random_.Below(std::max(1, r.Right - r.Left));
      const int y = r.Top + 2 + random_.Below(std::max(1, r.Bottom - r.Top - 4));
      return THost::At(edit_, x, y);
    };
    switch (Kind) {
      case skType: {
        static const std::string pool = "abcXYZ 0123456789-.,/:;!é";
        tk::TypeText(std::string(1, pool[static_cast<size_t>(random_.Below(int(pool.size())))]));
        break;
      }
      case skControlChar: {
        // Ctrl with a letter gives a control character; Enter, Tab (where the memo wants it)
        // and Esc are keys of their own.
        const int which = random_.Below(5);
        if (which == 0) THost::Chord('B', false, true);
        if (which == 1) THost::Chord('Z', false, true);
        if (which == 2) tk::KeyPress(win::VK_ESCAPE);
        if (which == 3) tk::KeyPress(win::VK_RETURN);
        if (which == 4 && dynamic_cast<TZYLCustomMemo*>(edit_)) tk::KeyPress(win::VK_TAB);
        break;
      }
      case skBackspace: THost::Chord(win::VK_BACK, false); break;
      case skDelete: THost::Chord(win::VK_DELETE, false); break;
      case skMoveKey: {
        static const win::BYTE keys[] = {win::VK_LEFT, win::VK_RIGHT, win::VK_HOME,
                                         win::VK_END,  win::VK_LEFT,  win::VK_RIGHT};
        THost::Chord(keys[random_.Below(6)], random_.Chance(50), random_.Chance(20));
        break;
      }
      case skClick: {
        const win::POINT p = point();
        tk::Click(p.X, p.Y);
        break;
      }
      case skDrag: tk::Drag(point(), point()); break;
      case skDoubleClick: {
        const win::POINT p = point();
        tk::DoubleClick(p.X, p.Y);
        break;
      }
      case skCopy:
        Clip = TClip::Copy;
        if (random_.Chance(50))
          THost::Chord('C', false, true);
        else
          THost::Chord(win::VK_INSERT, false, true);
        break;
      case skCut:
        Clip = TClip::Cut;
        if (random_.Chance(50)) {
          THost::Chord('X', false, true);
        } else {
          // A date edit's Delete does nothing, with Shift too: no cut.
          if (auto* m = dynamic_cast<TZYLCustomMaskEdit*>(edit_); m && m->MaskType() == meDate)
            Clip = TClip::None;
          THost::Chord(win::VK_DELETE, true);
        }
        break;
      case skPaste:
        if (random_.Chance(50))
          THost::Chord('V', false, true);
        else
          THost::Chord(win::VK_INSERT, true);
        break;
      case skHostileClipboard: clipboard_->SetAsText(HostileClipboard(random_)); break;
      case skUndo:
        if (random_.Chance(50))
          edit_->Undo();
        else
          edit_->Perform(win::EM_UNDO, 0, 0);
        break;
      case skRedo: edit_->Redo(); break;
      case skSelectAll:
        if (random_.Chance(50))
          edit_->SelectAll();
        else
          THost::Chord('A', false, true);
        break;
      case skSetText: {
        const std::string& t =
            case_.Texts[static_cast<size_t>(random_.Below(int(case_.Texts.size())))];
        if (auto* m = dynamic_cast<TZYLCustomMaskEdit*>(edit_); m && case_.Form == TForm::Suffixed)
          m->SetTextWithSuffix(t);
        else
          edit_->SetText(t);
        break;
      }
      case skInsertKey:
        THost::Chord(win::VK_INSERT, false);
        overwrite_ = !overwrite_;
        break;
      case skStepKey: {
        static const win::BYTE keys[] = {win::VK_UP, win::VK_DOWN, win::VK_PRIOR, win::VK_NEXT};
        const win::BYTE key = keys[random_.Below(4)];
        THost::Chord(key, false);
        if (key == win::VK_DOWN) {
          // A drop-down list that opened takes the next keys: it is closed with Esc.
          if (auto* combo = dynamic_cast<TZYLCustomExtCombo*>(edit_); combo && combo->DroppedDown())
            tk::KeyPress(win::VK_ESCAPE);
        }
        if (case_.Spins) CheckStep(key);
        break;
      }
      case skMenu: {
        // The built-in context menu's items (a grey one does nothing).
        static const char* const items[] = {"Undo", "Cut", "Copy", "Paste", "Delete", "Select all"};
        const std::string item = items[random_.Below(6)];
        THost::RightClickMenu(edit_, item);
        // The menu's Cut is grey in a read-only edit.
        Clip = item == "Copy"                        ? TClip::Copy
               : item == "Cut" && !edit_->ReadOnly() ? TClip::Cut
                                                     : TClip::None;
        break;
      }
      case skCodeEdit: {
        // The text operations and messages a program uses; only the Text property passes a
        // read-only edit.
        const std::string& t =
            case_.Texts[static_cast<size_t>(random_.Below(int(case_.Texts.size())))];
        const int pos = 1 + random_.Below(edit_->GetLength() + 2);
        const int len = random_.Below(4);
        switch (random_.Below(6)) {
          case 0: edit_->Insert(pos, t); break;
          case 1: edit_->Replace(pos, len, t); break;
          case 2: edit_->Cut(pos, len); break;
          case 3: edit_->Upper(pos, len); break;
          case 4:
            edit_->Perform(win::EM_REPLACESEL, 1, reinterpret_cast<win::LPARAM>(t.c_str()));
            break;
          default:
            edit_->Perform(win::EM_SETSEL, static_cast<win::WPARAM>(pos - 1),
                           static_cast<win::LPARAM>(pos - 1 + len));
            break;
        }
        break;
      }
      case skWheel: {
        const win::POINT p = point();
        tk::MouseMove(p.X, p.Y);
        tk::Wheel(random_.Chance(50) ? 120 : -120);
        break;
      }
      case skLeave:
        // The edit lays out and checks its text when the focus leaves and comes back.
        THost::Focus(other_);
        THost::Focus(edit_);
        break;
      case skCount: break;
    }
  }

  void CheckBounds() {
    const int len = edit_->GetLength();
    EXPECT_GE(edit_->SelStart(), 1);
    EXPECT_GE(edit_->SelLength(), 0);
    EXPECT_LE(edit_->SelStart() + edit_->SelLength(), len + 1) << StateOf(edit_);
    EXPECT_GE(edit_->CaretPos(), 1);
    EXPECT_LE(edit_->CaretPos(), len + 1);
    if (edit_->MaxLength() > 0) {
      EXPECT_LE(len, edit_->MaxLength()) << StateOf(edit_);
    }
  }

  void CheckForm() {
    auto* m = dynamic_cast<TZYLCustomMaskEdit*>(edit_);
    const std::string& t = edit_->RawText();
    const std::string sep = m ? std::string(1, m->DecimalSeparator()) : ".";
    switch (case_.Form) {
      case TForm::Any: break;
      case TForm::Mask: EXPECT_TRUE(m->checkText(t)) << "the mask refuses \"" << t << "\""; break;
      case TForm::Integer:
        EXPECT_TRUE(std::regex_match(t, std::regex("-?[0-9]*"))) << "\"" << t << "\"";
        break;
      case TForm::Word:
        EXPECT_TRUE(std::regex_match(t, std::regex("[0-9]*"))) << "\"" << t << "\"";
        break;
      case TForm::Float:
        EXPECT_TRUE(std::regex_match(t, std::regex("-?[0-9]*(\\" + sep + "[0-9]*)?")))
            << "\"" << t << "\"";
        break;
      case TForm::Reads:
        try {
          if (m->MaskType() == meCurrency)
            m->AsCurrency();
          else
            m->AsFloat();
        } catch (const std::exception& e) {
          ADD_FAILURE() << "\"" << t << "\" does not read back: " << e.what();
        }
        break;
      case TForm::Suffixed:
        EXPECT_TRUE(t.ends_with(m->Suffix())) << StateOf(edit_) << " lost its suffix";
        break;
    }
  }

  // The step keys never take the value past the bound they step towards.
  void CheckStep(win::BYTE Key) {
    auto* m = dynamic_cast<TZYLCustomMaskEdit*>(edit_);
    const TZYLMaskType kind = m->MaskType();
    const double v = kind == meCurrency  ? m->AsCurrency().ToDouble()
                     : kind == meInteger ? static_cast<double>(m->AsInt64())
                                         : m->AsFloat();
    if (Key == win::VK_UP || Key == win::VK_PRIOR)
      EXPECT_LE(v, m->MaxValue()) << "stepped up past the maximum";
    else
      EXPECT_GE(v, m->MinValue()) << "stepped down past the minimum";
  }

  // Undoes all the way, redoes all the way, and goes back to where it was.
  void WalkHistory() {
    SCOPED_TRACE("walking the history");
    const TState now = StateOf(edit_);
    const int depth = edit_->UndoCount();
    // The texts met on the way down come back in turn on the way up.
    std::vector<std::string> down;
    for (int guard = depth + 1; edit_->CanUndo() && guard > 0; --guard) {
      edit_->Undo();
      down.push_back(edit_->RawText());
    }
    if (!edit_->ReadOnly()) {
      EXPECT_EQ(edit_->RawText(), base_.Text) << "undone all the way";
      if (baseSelKnown_) {
        EXPECT_EQ(StateOf(edit_), base_) << "undone all the way";
      }
    }
    CheckBounds();
    std::vector<std::string> up;
    for (int guard = 100000; edit_->CanRedo() && guard > 0; --guard) {
      up.push_back(edit_->RawText());
      edit_->Redo();
    }
    if (!edit_->ReadOnly()) {
      for (size_t i = 0; i < down.size() && i < up.size(); ++i)
        EXPECT_EQ(up[i], down[down.size() - 1 - i]) << "redo " << i + 1 << " of the walk";
    }
    if (!edit_->ReadOnly()) {
      EXPECT_EQ(edit_->RawText(), top_.Text) << "redone all the way";
    }
    CheckBounds();
    for (int guard = 100000; edit_->UndoCount() > depth && guard > 0; --guard) edit_->Undo();
    EXPECT_EQ(edit_->RawText(), now.Text) << "back where the walk began";
    THost::Idle();
  }

  const TCase& case_;
  TZYLBaseEdit* edit_;
  vcl::TWinControl* other_;
  TRandom random_;
  vcl::TClipboard* clipboard_;
  TState base_, top_;
  bool baseSelKnown_ = true;
  bool overwrite_ = false;
  int changes_ = 0;
};

void PrintTo(const TCase& C, std::ostream* Out) { *Out << C.Name; }

class EditHistorySequencesTest : public ::testing::TestWithParam<TCase> {};

TEST_P(EditHistorySequencesTest, StateHoldsAfterEveryStep) {
  THost host;
  TZYLBaseEdit* edit = GetParam().Make(host);
  THost::Focus(edit);
  TZYLApplication* app = ZYLApplication();
  ASSERT_NE(app, nullptr);
  const TZYLEditModes modes = app->EditMode();
  TSequence sequence(GetParam(), edit, host.Edit("Other", 10, 150));
  sequence.Run(300);
  app->SetEditMode(modes);
  // A read-only edit changes by code only.
  if (!edit->ReadOnly()) {
    EXPECT_GT(sequence.Changes(), 15) << "the sequence hardly reached the edit";
  }
}

INSTANTIATE_TEST_SUITE_P(Classes, EditHistorySequencesTest, ::testing::ValuesIn(Cases()),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// ---------------------------------------------------------------------------------------------
// The combo boxes' edit part is the system's edit window: its history is one step, which a
// second undo takes back. The same kind of sequence checks that, the selection, MaxLength
// and the clipboard, with the incremental search completing the typed text after its pause.

struct TComboCase {
  const char* Name;
  uint32_t Seed;
  bool Search;
  int MaxLength;
};

void PrintTo(const TComboCase& C, std::ostream* Out) { *Out << C.Name; }

class ComboEditSequencesTest : public ::testing::TestWithParam<TComboCase> {};

TEST_P(ComboEditSequencesTest, StateHoldsAfterEveryStep) {
  const TComboCase& c = GetParam();
  THost host;
  auto* combo = new TZYLComboBox(host.Form());
  combo->SetName("Combo1");
  combo->SetBounds(10, 10, 200, combo->Height());
  combo->SetParent(host.Form());
  for (const char* item : {"apple", "apricot", "banana", "cherry"}) combo->Items()->Add(item);
  combo->SetSearch(c.Search);
  combo->SetMaxLength(c.MaxLength);
  THost::Focus(combo);
  const win::HWND edit = combo->EditHandle();
  ASSERT_NE(edit, nullptr);
  auto text = [&] { return combo->Text(); };
  vcl::TClipboard* clipboard = vcl::Clipboard();
  TRandom random(c.Seed);
  int changes = 0;  // the steps that changed the text
  for (int i = 1; i <= 300 && !HasFailure(); ++i) {
    const int kind = random.Below(12);
    SCOPED_TRACE("case " + std::string(c.Name) + " seed " + std::to_string(c.Seed) + " step " +
                 std::to_string(i) + " kind " + std::to_string(kind) + " before \"" + text() +
                 "\"");
    if (win::GetFocus() != edit) THost::Focus(combo);
    const std::string selected = combo->SelText();
    const std::string before = text();
    bool copied = false;
    try {
      switch (kind) {
        case 0:
        case 1:
        case 2: {
          static const std::string pool = "apbcr xyz19";
          tk::TypeText(std::string(1, pool[static_cast<size_t>(random.Below(int(pool.size())))]));
          break;
        }
        case 3: THost::Chord(random.Chance(50) ? win::VK_BACK : win::VK_DELETE, false); break;
        case 4: {
          static const win::BYTE keys[] = {win::VK_LEFT, win::VK_RIGHT, win::VK_HOME, win::VK_END};
          THost::Chord(keys[random.Below(4)], random.Chance(50));
          break;
        }
        case 5:
          copied = true;
          THost::Chord('C', false, true);
          break;
        case 6: THost::Chord(random.Chance(50) ? 'X' : 'V', false, true); break;
        case 7: clipboard->SetAsText(HostileClipboard(random)); break;
        case 8: {
          // A second undo takes the first back.
          const std::string was = text();
          win::SendMessageA(edit, win::EM_UNDO, 0, 0);
          win::SendMessageA(edit, win::EM_UNDO, 0, 0);
          EXPECT_EQ(text(), was) << "undone twice";
          if (random.Chance(50)) win::SendMessageA(edit, win::EM_UNDO, 0, 0);
          break;
        }
        case 9: tk::AdvanceClock(2000); break;  // the search's pause
        case 10: combo->SetText(random.Chance(50) ? "banana" : ""); break;
        default: THost::Chord('A', false, true); break;
      }
      THost::Idle();
    } catch (const std::exception& e) {
      ADD_FAILURE() << "raised: " << e.what();
      break;
    }
    const int start = combo->SelStart(), length = combo->SelLength();
    const int len = static_cast<int>(text().size());
    EXPECT_GE(start, 0);
    EXPECT_GE(length, 0);
    EXPECT_LE(start + length, len);
    if (c.MaxLength > 0) {
      EXPECT_LE(len, c.MaxLength) << "\"" << text() << "\"";
    }
    if (copied && !selected.empty()) {
      EXPECT_EQ(clipboard->AsText(), selected);
    }
    if (text() != before) ++changes;
  }
  EXPECT_GT(changes, 30) << "the sequence hardly reached the edit";
}

INSTANTIATE_TEST_SUITE_P(Settings, ComboEditSequencesTest,
                         ::testing::Values(TComboCase{"Plain", 61, false, 0},
                                           TComboCase{"Search", 62, true, 0},
                                           TComboCase{"SearchMaxLength", 63, true, 6}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace
}  // namespace zyl
