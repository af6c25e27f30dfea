// Typing into the mask edit through the real input path, for every kind: which characters a
// kind takes, how the text is rebuilt after a change, the mask's own overwrite and its
// Backspace and Delete, the suffix that typing and deleting never reach, pasting, and the date
// fields stepped by keys and the wheel.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "edits/ZYLCurrencySettings.h"
#include "edits/ZYLDateFormat.h"
#include "edits/ZYLMaskEdit.h"
#include "foundation/ZYLApplication.h"
#include "platform/controls/Clipbrd.h"
#include "platform/rtl/DateTime.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/Cases.h"

namespace zyl {
namespace {

using edittest::THost;
namespace tk = win::testkit;

// Plays keys: characters are typed; {BS} {DEL} {LEFT} {RIGHT} {HOME} {END} {UP} {DOWN}
// {PGUP} {PGDN} press the key; {ALL} is Ctrl+A, {PASTE} Ctrl+V.
void Play(const std::string& Keys) {
  static const std::pair<const char*, win::BYTE> named[] = {
      {"BS", win::VK_BACK},     {"DEL", win::VK_DELETE}, {"LEFT", win::VK_LEFT},
      {"RIGHT", win::VK_RIGHT}, {"HOME", win::VK_HOME},  {"END", win::VK_END},
      {"UP", win::VK_UP},       {"DOWN", win::VK_DOWN},  {"PGUP", win::VK_PRIOR},
      {"PGDN", win::VK_NEXT}};
  for (size_t i = 0; i < Keys.size(); ++i) {
    if (Keys[i] != '{') {
      tk::TypeText(std::string(1, Keys[i]));
      continue;
    }
    const size_t end = Keys.find('}', i);
    const std::string name = Keys.substr(i + 1, end - i - 1);
    i = end;
    if (name == "ALL") THost::Chord('A', false, true);
    if (name == "PASTE") THost::Chord('V', false, true);
    for (const auto& [n, vk] : named)
      if (name == n) tk::KeyPress(vk);
  }
}

// Text and caret as one line: "text|caret".
std::string State(TZYLBaseEdit* E) { return E->RawText() + "|" + std::to_string(E->CaretPos()); }

struct TypingCase {
  TZYLMaskType Kind;
  int Base;
  const char* Text;  // before the keys (the kind's own starting text when null)
  int Caret;
  const char* Keys;
  const char* Expected;  // State after
};

class MaskTyping : public edittest::TFocusedEditTest<TZYLMaskEdit, TypingCase> {
 protected:
  MaskTyping() : TFocusedEditTest("Mask1", 200) {}
};

TEST_P(MaskTyping, TypedKeysGiveTheText) {
  const TypingCase& c = GetParam();
  edit_->SetMaskType(c.Kind);
  edit_->SetNumberBase(c.Base);
  edit_->SetDecimals(2);
  if (c.Kind == meMask) edit_->SetMask("\\(00\\)");
  if (c.Text) edit_->SetText(c.Text);
  edit_->SetCaretPos(c.Caret);
  Play(c.Keys);
  EXPECT_EQ(State(edit_), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MaskTyping,
    ::testing::Values(
        // Whole numbers: the sign only in front, digits of the base only.
        TypingCase{meInteger, 10, "12", 1, "-", "-12|2"},
        TypingCase{meInteger, 10, "-12", 1, "-", "-12|1"},
        TypingCase{meInteger, 10, "-12", 4, "-", "-12|4"},
        TypingCase{meInteger, 10, "-12", 1, "5", "-12|1"},
        TypingCase{meInteger, 10, "-12", 1, "{ALL}5", "5|2"},
        TypingCase{meInteger, 10, "12", 3, "a3", "123|4"},
        TypingCase{meInteger, 16, "F", 2, "f0g", "Ff0|4"},
        TypingCase{meInteger, 36, "Z", 2, "z", "Zz|3"},
        TypingCase{meWord, 10, "12", 1, "-", "12|1"}, TypingCase{meWord, 2, "10", 3, "12", "101|4"},
        // Floats: one separator, which typing again only moves the caret behind.
        TypingCase{meFloat, 10, "1.5", 1, ".", "1.5|3"},
        TypingCase{meFloat, 10, "15", 2, ".", "1.5|3"},
        TypingCase{meFloat, 10, "-15", 1, ".", "-15|1"},
        TypingCase{meFloat, 16, "A", 2, ".8", "A.8|4"},
        TypingCase{meFloatFixed, 10, nullptr, 1, "{ALL}12", "12.00|3"},
        TypingCase{meFloatFixed, 10, nullptr, 1, "-", "-0.00|2"},
        TypingCase{meFloatFixed, 10, "3.25", 5, "{BS}", "3.20|4"},
        TypingCase{meFloatNumber, 10, nullptr, 1, "{ALL}1234", "1,234.00|6"},
        // Amounts are laid out again after every key.
        TypingCase{meCurrency, 10, nullptr, 1, "{ALL}12", "$12.00|4"},
        TypingCase{meCurrency, 10, "$12.00", 2, ".", "$0.12|3"},
        TypingCase{meCurrency, 10, "$5.00", 2, "-", "($5.00)|4"},
        TypingCase{meCurrency, 10, "$5.00", 2, "x", "$5.00|3"},
        // Times: digits and the separator.
        TypingCase{meTime, 10, "12", 3, "a:3", "12:3|5"},
        // Masks: positions are typed over, literals stepped over.
        TypingCase{meMask, 10, nullptr, 1, "12", "(12)|5"},
        TypingCase{meMask, 10, nullptr, 1, "1a2", "(12)|5"},
        TypingCase{meMask, 10, "(12)", 2, "3", "(32)|3"},
        TypingCase{meMask, 10, "(12)", 4, "{BS}", "(1_)|3"},
        TypingCase{meMask, 10, "(12)", 1, "{BS}", "(12)|1"},
        TypingCase{meMask, 10, "(12)", 2, "{DEL}", "(_2)|2"},
        TypingCase{meMask, 10, "(12)", 2, "_", "(_2)|3"},
        TypingCase{meMask, 10, "(12)", 1, "{ALL}{BS}", "(__)|1"},
        TypingCase{meMask, 10, "(12)", 2, "{UP}{DOWN}", "(12)|2"},
        // Free text.
        TypingCase{meNone, 10, "", 1, "a-1.", "a-1.|5"}));

TEST(MaskTypingModes, TypingAMaskLeavesTheApplicationsInsertModeAlone) {
  THost host;
  auto* mask = host.Place<TZYLMaskEdit>("Mask1", 10, 10);
  auto* plain = host.Edit("Plain", 10, 40);
  mask->SetMask("000");
  THost::Focus(mask);
  Play("12");
  THost::Focus(plain);
  plain->SetText("ab");
  plain->SetCaretPos(1);
  Play("x");
  EXPECT_EQ(mask->RawText(), "12_");
  EXPECT_EQ(plain->RawText(), "xab");
}

class MaskEditTyping : public ::testing::Test {
 protected:
  MaskEditTyping() {
    edit_ = host_.Place<TZYLMaskEdit>("Mask1", 10, 10, 200);
    other_ = host_.Edit("Other", 10, 60);
    THost::Focus(edit_);
  }
  THost host_;
  TZYLMaskEdit* edit_ = nullptr;
  TZYLEdit* other_ = nullptr;
};

TEST_F(MaskEditTyping, PastingWhatTheKindRefusesChangesNothing) {
  edit_->SetMask("\\(00\\)");
  edit_->SetText("(12)");
  vcl::Clipboard()->SetAsText("abc");
  Play("{ALL}{PASTE}");
  EXPECT_EQ(edit_->RawText(), "(12)");
  edit_->SetMaskType(meInteger);
  edit_->SetText("42");
  Play("{ALL}{PASTE}");
  EXPECT_EQ(edit_->RawText(), "42");
  edit_->SetMaskType(meFloatFixed);
  Play("{ALL}{PASTE}");
  EXPECT_EQ(edit_->RawText(), "0.0");
  vcl::Clipboard()->SetAsText("-7");
  edit_->SetMaskType(meInteger);
  edit_->SetText("12");
  edit_->SetCaretPos(3);
  Play("{PASTE}");
  EXPECT_EQ(edit_->RawText(), "12");
  edit_->SetCaretPos(1);
  Play("{PASTE}");
  EXPECT_EQ(edit_->RawText(), "-712");
}

TEST_F(MaskEditTyping, AnAmountBeyondTheCurrencyRangeKeepsTheTextBefore) {
  edit_->SetMaskType(meCurrency);
  edit_->SetText("$900,000,000,000,000.00");
  edit_->SetCaretPos(2);
  Play("9");
  EXPECT_EQ(edit_->RawText(), "$900,000,000,000,000.00");
  EXPECT_EQ(edit_->AsCurrency(), vcl::Currency::FromInt(900000000000000));
}

TEST_F(MaskEditTyping, TheSuffixIsNeitherTypedIntoNorDeleted) {
  edit_->SetMaskType(meInteger);
  edit_->SetSuffix(" kg");
  edit_->SetText("5 kg");
  edit_->SetCaretPos(5);
  Play("7{DEL}");
  EXPECT_EQ(State(edit_), "5 kg|2");
  edit_->SetCaretPos(5);
  Play("{BS}");
  EXPECT_EQ(edit_->RawText(), " kg");
  Play("42");
  EXPECT_EQ(edit_->RawText(), "42 kg");
  EXPECT_EQ(edit_->AsInteger(), 42);
  edit_->SetSuffix(" g");
  EXPECT_EQ(edit_->RawText(), "42 g");
  // Cutting across the suffix does nothing.
  edit_->Select(1, 4);
  Play("{DEL}");
  EXPECT_EQ(edit_->RawText(), " g");
}

// A typed character never replaces a character of the suffix: at the suffix's first place it
// goes in front of it also in overwrite mode, and a selection that reaches into the suffix is
// replaced only up to it.
TEST_F(MaskEditTyping, TypingOverwritesNoCharacterOfTheSuffix) {
  struct {
    const char* Name;
    TZYLMaskType Kind;
    const char* Text;
    int Start, Length, Caret;
    bool Overwrite;
    const char* Expected;  // State after typing 7
  } const cases[] = {
      {"overwrite at the suffix", meNone, " kg", 1, 0, 1, true, "7 kg|2"},
      {"overwrite behind a digit", meInteger, "5 kg", 2, 0, 2, true, "57 kg|3"},
      {"overwrite a digit", meInteger, "56 kg", 2, 0, 2, true, "57 kg|3"},
      {"selection into the suffix", meInteger, "56 kg", 1, 5, 1, false, "7 kg|2"},
      {"selection into the suffix, overwrite", meNone, "ab kg", 2, 3, 2, true, "a7 kg|3"},
  };
  TZYLApplication* app = ZYLApplication();
  const TZYLEditModes modes = app->EditMode();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    edit_->SetMaskType(c.Kind);
    edit_->SetSuffix(" kg");
    edit_->SetText(c.Text);
    edit_->Select(c.Start, c.Length, c.Caret);
    app->SetEditMode(c.Overwrite ? modes - TZYLEditModes{emInsert}
                                 : modes + TZYLEditModes{emInsert});
    Play("7");
    EXPECT_EQ(State(edit_), c.Expected);
  }
  app->SetEditMode(modes);
}

// A mask text shorter than the template (emptied by a paste, say) grows by the literals the
// typed character steps over; the caret stays within the text, and one undo takes the
// character and its literals back.
TEST_F(MaskEditTyping, TypingBehindAShortTextFillsTheLiteralsBetween) {
  struct {
    const char* Text;
    int Caret;
    const char* Keys;
    const char* Expected;  // State after
    int Undos;
  } const cases[] = {
      {"", 1, "5", "(5|3", 1},
      {"(12", 4, "3", "(12)3|6", 1},
      {"(12)3", 6, "x", "(12)3|6", 0},
  };
  edit_->SetMask("\\(00\\)00");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Text) + " + " + c.Keys);
    vcl::Clipboard()->SetAsText(c.Text);
    Play("{ALL}{PASTE}");
    ASSERT_EQ(edit_->RawText(), c.Text);
    edit_->SetCaretPos(c.Caret);
    Play(c.Keys);
    EXPECT_EQ(State(edit_), c.Expected);
    for (int i = 0; i < c.Undos; ++i) edit_->Undo();
    EXPECT_EQ(edit_->RawText(), c.Text);
  }
}

// Backspace and Delete over a selection that holds nothing but suffix characters delete
// nothing; over one that begins in the value they delete the value's part of it.
TEST_F(MaskEditTyping, BackspaceAndDeleteOverTheSuffixAloneDeleteNothing) {
  struct {
    const char* Keys;
    const char* Text;
    int Start, Length, Caret;
    const char* Expected;
  } const cases[] = {
      {"{BS}", " kg", 1, 3, 4, " kg"},     {"{DEL}", " kg", 1, 3, 4, " kg"},
      {"{BS}", "5 kg", 2, 2, 4, "5 kg"},   {"{DEL}", "5 kg", 2, 3, 5, "5 kg"},
      {"{BS}", "5 kg", 2, 2, 2, "5 kg"},   {"{BS}", "5 kg", 1, 4, 5, " kg"},
      {"{DEL}", "56 kg", 2, 4, 6, "5 kg"},
  };
  edit_->SetMaskType(meNone);
  edit_->SetSuffix(" kg");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Keys) + " over " + c.Text + " " + std::to_string(c.Start) + "+" +
                 std::to_string(c.Length));
    edit_->SetText(c.Text);
    edit_->Select(c.Start, c.Length, c.Caret);
    Play(c.Keys);
    EXPECT_EQ(edit_->RawText(), c.Expected);
  }
}

// Dragging a selection moves it as a cut and a paste would: never out of the suffix nor into
// it; a move within the value goes on as in any edit.
TEST_F(MaskEditTyping, DraggingTextNeitherIntoNorOutOfTheSuffix) {
  struct {
    const char* Name;
    const char* Text;
    int Start, Length;
    int From, To;  // the positions the drag starts and ends at
    const char* Expected;
  } const cases[] = {
      {"value behind the suffix", "12 kg", 1, 2, 2, 6, "12 kg"},
      {"suffix to the front", "12 kg", 3, 2, 4, 1, "12 kg"},
      {"suffix into the value", "123 kg", 4, 3, 5, 2, "123 kg"},
      {"within the value", "123 kg", 1, 2, 2, 4, "312 kg"},
  };
  edit_->SetMaskType(meNone);
  edit_->SetSuffix(" kg");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    edit_->SetText(c.Text);
    edit_->Select(c.Start, c.Length);
    const int x0 = edit_->TextOrigin();
    const win::POINT from = THost::At(edit_, x0 + edit_->PrefixWidth(c.From - 1) + 1, 8);
    const win::POINT to = THost::At(edit_, x0 + edit_->PrefixWidth(c.To - 1) + 1, 8);
    tk::Drag(from, to);
    tk::AdvanceClock(1000);
    EXPECT_EQ(edit_->RawText(), c.Expected);
  }
}

// The context menu's Delete and the clear message leave the suffix alone as Cut does: a
// selection that reaches into it is not deleted; one before it is.
TEST_F(MaskEditTyping, MenuDeleteAndClearLeaveTheSuffix) {
  struct {
    const char* Name;
    int Start, Length;
    bool Menu;
    const char* Expected;
  } const cases[] = {
      {"menu, all", 1, 5, true, "12 kg"},     {"menu, into", 2, 2, true, "12 kg"},
      {"menu, before", 1, 2, true, " kg"},    {"clear, all", 1, 5, false, "12 kg"},
      {"clear, before", 2, 1, false, "1 kg"},
  };
  edit_->SetMaskType(meNone);
  edit_->SetSuffix(" kg");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    edit_->SetText("12 kg");
    edit_->Select(c.Start, c.Length);
    if (c.Menu)
      THost::RightClickMenu(edit_, "Delete");
    else
      edit_->Perform(win::WM_CLEAR, 0, 0);
    EXPECT_EQ(edit_->RawText(), c.Expected);
  }
}

// Undo and redo restore their steps whatever the selection holds, the suffix included.
TEST_F(MaskEditTyping, UndoAndRedoWorkWithTheSuffixSelected) {
  edit_->SetMaskType(meNone);
  edit_->SetSuffix(" kg");
  edit_->SetText("12 kg");
  edit_->SetCaretPos(3);
  Play("3{ALL}");
  ASSERT_EQ(edit_->RawText(), "123 kg");
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "12 kg");
  Play("{ALL}");
  edit_->Redo();
  EXPECT_EQ(edit_->RawText(), "123 kg");
}

// Shift+Delete cuts the selection only: without one it cuts nothing, also in front of the
// suffix; Delete there still deletes the character at the caret.
TEST_F(MaskEditTyping, ShiftDeleteWithoutASelectionCutsNothingBeforeTheSuffix) {
  struct {
    const char* Text;
    int Caret;
    bool Shift;
    const char* Expected;
    const char* Clip;
  } const cases[] = {
      {"5 kg", 1, true, "5 kg", "x"},
      {"56 kg", 2, true, "56 kg", "x"},
      {"5 kg", 1, false, " kg", "x"},
  };
  edit_->SetMaskType(meNone);
  edit_->SetSuffix(" kg");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Text) + (c.Shift ? " shift" : ""));
    edit_->SetText(c.Text);
    edit_->SetCaretPos(c.Caret);
    vcl::Clipboard()->SetAsText("x");
    THost::Chord(win::VK_DELETE, c.Shift);
    EXPECT_EQ(edit_->RawText(), c.Expected);
    EXPECT_EQ(vcl::Clipboard()->AsText(), c.Clip);
  }
}

// A dragged selection that the kind refuses at the place it is dropped stays where it was:
// the move is made whole or not at all, and leaves no step in the history.
TEST_F(MaskEditTyping, ADragTheKindRefusesMovesNothing) {
  edit_->SetMaskType(meInteger);
  edit_->SetText("-12");
  edit_->Select(1, 2);
  const int x0 = edit_->TextOrigin();
  tk::Drag(THost::At(edit_, x0 + edit_->PrefixWidth(1) + 1, 8),
           THost::At(edit_, x0 + edit_->PrefixWidth(3) + 3, 8));
  EXPECT_EQ(edit_->RawText(), "-12");
  EXPECT_FALSE(edit_->CanUndo());
  EXPECT_FALSE(edit_->CanRedo());
}

// Cut and paste leave the suffix alone: a selection that reaches into it changes nothing, one
// before it cuts and pastes as in any edit.
TEST_F(MaskEditTyping, CutAndPasteDoNothingWhenTheSelectionReachesIntoTheSuffix) {
  struct {
    const char* Name;
    int Start, Length;
    bool Cut;
    const char* Text;
    const char* Clip;
  } const cases[] = {
      {"cut before", 1, 2, true, "5 kg", "42"},
      {"cut into", 2, 3, true, "425 kg", "77"},
      {"paste before", 2, 1, false, "4775 kg", "77"},
      {"paste into", 3, 2, false, "425 kg", "77"},
  };
  edit_->SetMaskType(meInteger);
  edit_->SetSuffix(" kg");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    edit_->SetText("425 kg");
    vcl::Clipboard()->SetAsText("77");
    edit_->Select(c.Start, c.Length);
    edit_->Perform(c.Cut ? win::WM_CUT : win::WM_PASTE, 0, 0);
    EXPECT_EQ(edit_->RawText(), c.Text);
    EXPECT_EQ(vcl::Clipboard()->AsText(), c.Clip);
  }
}

TEST_F(MaskEditTyping, ABlankCharChangeRedrawsTheTemplate) {
  edit_->SetMask("!0!0\\-00");
  EXPECT_EQ(edit_->RawText(), "__-__");
  Play("1");
  edit_->SetBlankChar('#');
  EXPECT_EQ(edit_->RawText(), "1#-##");
  Play("2");
  EXPECT_EQ(State(edit_), "12-##|4");
  Play("34");
  EXPECT_EQ(edit_->RawText(), "12-34");
  // A text that does not fit the mask gives way to the one before.
  edit_->SetText("1x-34");
  EXPECT_EQ(edit_->RawText(), "12-34");
}

// A typed key costs what it touches, not the length of the mask: in a mask of 10,000 positions
// of the user's class, all filled, the rule is asked about the typed position only, wherever
// it lies; the filled positions around it are not asked about again.
struct TRuleAsked : vcl::TObject {
  std::vector<int> At;  // the positions the rule was asked about
  void Rule(vcl::TObject*, bool& Ok, char C, int Position) {
    At.push_back(Position);
    Ok = C >= '0' && C <= '9';
  }
};

class MaskTypingCost : public MaskEditTyping, public ::testing::WithParamInterface<int> {};

TEST_P(MaskTypingCost, AKeyAsksAboutThePositionItTypes) {
  const int at = GetParam();
  constexpr int kPositions = 10'000;
  TRuleAsked asked;
  edit_->SetOnUserRule(TZYLOnUserRule(&asked, &TRuleAsked::Rule));
  edit_->SetMask(std::string(kPositions, 'r'));
  const std::string filled(kPositions, '5');
  edit_->SetText(filled);
  ASSERT_EQ(edit_->RawText(), filled);
  edit_->SetCaretPos(at);
  asked.At.clear();
  Play("7");
  std::string want = filled;
  want[static_cast<size_t>(at - 1)] = '7';
  EXPECT_EQ(State(edit_), want + "|" + std::to_string(at + 1));
  ASSERT_FALSE(asked.At.empty());
  EXPECT_LE(asked.At.size(), 4u);
  EXPECT_EQ(std::count(asked.At.begin(), asked.At.end(), at), std::ssize(asked.At));
  // A refused key changes nothing and asks no more.
  asked.At.clear();
  edit_->SetCaretPos(at);
  Play("x");
  EXPECT_EQ(edit_->RawText(), want);
  EXPECT_EQ(asked.At, std::vector<int>{at});
  // Backspace puts the blank back without asking.
  edit_->SetCaretPos(at + 1);
  asked.At.clear();
  Play("{BS}");
  want[static_cast<size_t>(at - 1)] = '_';
  EXPECT_EQ(edit_->RawText(), want);
  EXPECT_TRUE(asked.At.empty());
}

INSTANTIATE_TEST_SUITE_P(Places, MaskTypingCost, ::testing::Values(1, 5'000, 10'000));

// ---- Date fields ----

class DateTyping : public MaskEditTyping {
 protected:
  DateTyping() {
    edit_->DateSettings()->SetFormatStr("DD/MM/YYYY");
    edit_->DateSettings()->SetFormat(dfCustom);
    edit_->SetMaskType(meDate);
  }
  void Show(int Y, int M, int D) {
    edit_->SetValue(vcl::EncodeDate(Y, M, D));
    THost::Focus(edit_);
  }
  std::string Date() {
    uint16_t y = 0, m = 0, d = 0;
    vcl::DecodeDate(edit_->AsDate(), y, m, d);
    return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
  }
};

// Undo and redo give back the texts the date had, partly typed years included: a step of the
// history is not laid out again as a date.
TEST_F(DateTyping, UndoAndRedoGiveBackThePartlyTypedTexts) {
  Show(2024, 1, 31);
  vcl::Clipboard()->SetAsText("4");
  edit_->Select(7, 4, 7);
  edit_->Perform(win::WM_CUT, 0, 0);
  ASSERT_EQ(edit_->RawText(), "31/01/");
  vcl::Clipboard()->SetAsText("4");
  Play("{PASTE}");
  fprintf(stderr, "DBG after1 '%s' caret %d sel %d/%d\n", edit_->RawText().c_str(), edit_->CaretPos(), edit_->SelStart(), edit_->SelLength());
  Play("{PASTE}");
  ASSERT_EQ(edit_->RawText(), "31/01/44");
  const char* const undone[] = {"31/01/4", "31/01/", "31/01/2024"};
  for (const char* want : undone) {
    edit_->Undo();
    EXPECT_EQ(edit_->RawText(), want);
  }
  const char* const redone[] = {"31/01/", "31/01/4", "31/01/44"};
  for (const char* want : redone) {
    edit_->Redo();
    EXPECT_EQ(edit_->RawText(), want);
  }
}

TEST_F(DateTyping, TheArrowKeysStepTheFieldUnderTheCaret) {
  Show(2024, 1, 31);
  EXPECT_EQ(edit_->RawText(), "31/01/2024");
  edit_->SetCaretPos(4);  // the month
  EXPECT_EQ(edit_->SelStart(), 4);
  EXPECT_EQ(edit_->SelLength(), 2);
  Play("{DOWN}");
  EXPECT_EQ(Date(), "2024-12-31");
  Play("{UP}");
  EXPECT_EQ(Date(), "2024-1-31");
  // A day the new month lacks becomes its last day.
  Play("{UP}");
  EXPECT_EQ(Date(), "2024-2-29");
  EXPECT_EQ(edit_->CaretPos(), 4);
  Play("{RIGHT}{UP}");
  EXPECT_EQ(Date(), "2025-2-28");
  Play("{LEFT}{LEFT}{DOWN}");
  EXPECT_EQ(Date(), "2025-2-27");
  // Days roll over the month.
  Play("{UP}{UP}");
  EXPECT_EQ(Date(), "2025-3-1");
}

TEST_F(DateTyping, AClickSelectsTheFieldUnderTheMouse) {
  Show(2024, 5, 10);
  const int y = edit_->TextRect().Top + 3;
  for (const auto& [chars, start, length] :
       {std::tuple{8, 7, 4}, std::tuple{4, 4, 2}, std::tuple{1, 1, 2}}) {
    const int x = edit_->TextOrigin() + edit_->PrefixWidth(chars) + 1;
    const win::POINT p = THost::At(edit_, x, y);
    tk::Click(p.X, p.Y);
    EXPECT_EQ(edit_->SelStart(), start) << chars;
    EXPECT_EQ(edit_->SelLength(), length) << chars;
  }
}

TEST_F(DateTyping, TheWheelStepsAndReadOnlyStopsIt) {
  Show(2024, 5, 10);
  edit_->SetCaretPos(1);
  const win::POINT p = THost::At(edit_, 20, 10);
  tk::MouseMove(p.X, p.Y);
  tk::Wheel(120);
  EXPECT_EQ(Date(), "2024-5-11");
  tk::Wheel(-120);
  tk::Wheel(-120);
  EXPECT_EQ(Date(), "2024-5-9");
  edit_->SetReadOnly(true);
  tk::Wheel(120);
  Play("{UP}5");
  EXPECT_EQ(Date(), "2024-5-9");
}

TEST_F(DateTyping, DigitsFillTheFieldsAsTheyCan) {
  Show(2024, 5, 10);
  edit_->SetCaretPos(1);
  Play("3");
  EXPECT_EQ(edit_->RawText(), "03/05/2024");
  Play("5");  // no 35th: the 5 starts the day again
  EXPECT_EQ(edit_->RawText(), "05/05/2024");
  Play("/");  // on to the month
  Play("1");
  Play("2");
  EXPECT_EQ(Date(), "2024-12-5");
  Play("/19");
  EXPECT_EQ(edit_->RawText(), "05/12/19");
  Play("99");
  EXPECT_EQ(Date(), "1999-12-5");
  Play("x{BS}{DEL}");
  EXPECT_EQ(Date(), "1999-12-5");
}

TEST_F(DateTyping, LeavingTheFieldWritesTheDisplayFormOrKeepsTheFocus) {
  edit_->SetOnValidationError(vcl::TNotifyEvent(&host_.Events(), &edittest::TRecorder::Event));
  edit_->SetOnChange(nullptr);
  host_.Events().Take();
  Show(2024, 5, 10);
  THost::Focus(other_);
  EXPECT_EQ(edit_->RawText(), "10/05/2024");
  EXPECT_EQ(host_.Events().Take(), "");
  THost::Focus(edit_);
  edit_->SetText("31/04/2024");  // April has no 31st
  THost::Focus(other_);
  EXPECT_EQ(host_.Events().Take(), "event");
  EXPECT_TRUE(edit_->Focused());
  EXPECT_EQ(edit_->RawText(), "31/04/2024");
}

// The user's locale changes while the edit is alive (a decimal comma, "." between thousands):
// the separator typed is the one in force, which the value is then read with.
TEST(MaskTypingLocale, AFloatTypedAfterTheLocaleChangedReadsWithTheSeparatorInForce) {
  const tk::TUserLocale::TItems comma = {{win::LOCALE_SDECIMAL, ","}, {win::LOCALE_STHOUSAND, "."}};
  for (const TZYLMaskType kind : {meFloat, meFloatFixed, meFloatNumber}) {
    SCOPED_TRACE(static_cast<int>(kind));
    THost host;
    auto* mask = host.Place<TZYLMaskEdit>("Mask1", 10, 10, 200);
    mask->SetMaskType(kind);
    mask->SetDecimals(1);
    tk::TUserLocale locale(comma);
    THost::Focus(mask);
    Play("{ALL}1234,5");
    EXPECT_DOUBLE_EQ(mask->AsFloat(), 1234.5) << mask->RawText();
    EXPECT_EQ(mask->DecimalSeparator(), ',');
    // The point is no decimal separator now: typed into a short number, it is not taken.
    Play("{ALL}12.5");
    EXPECT_EQ(mask->RawText().find('.'), std::string::npos) << mask->RawText();
  }
}

}  // namespace
}  // namespace zyl
