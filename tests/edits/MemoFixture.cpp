#include "tests/edits/MemoFixture.h"

#include "platform/user/EditButtonConsts.h"

namespace memotest {

MemoFixture::MemoFixture() {
  memo_ = new zyl::TZYLMemo(host_.Form());
  memo_->SetName("Memo1");
  memo_->SetBounds(10, 10, 200, 120);
  memo_->SetParent(host_.Form());
  memo_->SetOnChange(vcl::TNotifyEvent(&host_.Events(), &edittest::TRecorder::Changed));
  other_ = host_.Edit("Other", 10, 200, 100);
  edittest::THost::Focus(memo_);
}

std::vector<std::string> MemoFixture::Rows(zyl::TZYLCustomMemo* Memo) {
  std::vector<std::string> rows;
  const std::string& t = Memo->RawText();
  const int n = Memo->GetRowCount();
  for (int r = 0; r < n; ++r) {
    const int start = Memo->CalcRowStart(r);
    const int end = r + 1 < n ? Memo->CalcRowStart(r + 1) : static_cast<int>(t.size()) + 1;
    std::string s = t.substr(static_cast<size_t>(start - 1), static_cast<size_t>(end - start));
    if (s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0) s.resize(s.size() - 2);
    rows.push_back(s);
  }
  return rows;
}

void MemoFixture::Fit(zyl::TZYLCustomMemo* Memo, int TextWidth, int Rows) {
  const vcl::TRect& r = Memo->TextRect();
  const int w = TextWidth > 0 ? Memo->Width() + TextWidth - (r.Right - r.Left) : Memo->Width();
  const int h = Memo->Height() + Rows * Memo->RowHeight("") - (r.Bottom - r.Top);
  Memo->SetBounds(Memo->Left(), Memo->Top(), w, h);
  edittest::THost::Idle();
}

std::string MemoFixture::Where(zyl::TZYLCustomMemo* Memo) {
  return std::to_string(Memo->GetRowNr()) + ":" + std::to_string(Memo->GetColumn());
}

std::string MemoFixture::State(zyl::TZYLCustomMemo* Memo) {
  return Memo->RawText() + "|" + std::to_string(Memo->CaretPos()) + "|" +
         std::to_string(Memo->SelStart()) + "+" + std::to_string(Memo->SelLength());
}

win::POINT MemoFixture::At(zyl::TZYLCustomMemo* Memo, int X, int Y) {
  return edittest::THost::At(Memo, X, Y);
}

win::POINT MemoFixture::AtChar(zyl::TZYLCustomMemo* Memo, int Pos, int Dy) {
  vcl::TPoint p{};
  Memo->Perform(win::EM_POSFROMCHAR, reinterpret_cast<win::WPARAM>(&p), Pos - 1);
  return At(Memo, p.X + 1, p.Y + Dy);
}

}  // namespace memotest
