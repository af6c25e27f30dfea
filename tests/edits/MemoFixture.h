// The memo tests' fixture: a memo on the edit tests' host form, focused, with a single-line edit
// beside it to take the focus; helpers that read the rows and size the memo by its own rows.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "edits/ZYLMemo.h"
#include "tests/edits/EditTestHost.h"

namespace memotest {

namespace tk = win::testkit;

class MemoFixture : public ::testing::Test {
 protected:
  MemoFixture();

  // The rows as the memo lays them out, line breaks left out.
  static std::vector<std::string> Rows(zyl::TZYLCustomMemo* Memo);
  // Sizes the memo so that its text rectangle is TextWidth pixels wide and shows Rows whole
  // rows (a TextWidth of 0 keeps the width).
  static void Fit(zyl::TZYLCustomMemo* Memo, int TextWidth, int Rows);
  // The caret's row and column as "row:column" (both from 1), and text, caret and selection.
  static std::string Where(zyl::TZYLCustomMemo* Memo);
  static std::string State(zyl::TZYLCustomMemo* Memo);
  // A client point of the memo on the screen; the point of character Pos's left edge, Dy
  // pixels into its row.
  static win::POINT At(zyl::TZYLCustomMemo* Memo, int X, int Y);
  static win::POINT AtChar(zyl::TZYLCustomMemo* Memo, int Pos, int Dy = 3);

  edittest::THost host_;
  zyl::TZYLMemo* memo_ = nullptr;
  zyl::TZYLEdit* other_ = nullptr;
};

}  // namespace memotest
