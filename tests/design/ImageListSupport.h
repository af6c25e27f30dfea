// Image lists for the picker and face editor tests: strips and bitmaps of plain colours, and
// clicks on the rows of a multi-column list box as a user makes them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "edits/ZYLListBox.h"
#include "foundation/ZYLCont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/ListComboConsts.h"
#include "tests/support/PixelCheck.h"

namespace zyl::designtest {

// A 24-bit bitmap of one colour.
inline std::unique_ptr<vcl::TBitmap> PlainBitmap(int width, int height, vcl::TColor color) {
  auto bmp = std::make_unique<vcl::TBitmap>();
  bmp->SetPixelFormat(vcl::pf24bit);
  bmp->SetSize(width, height);
  bmp->Canvas()->Brush()->SetColor(color);
  bmp->Canvas()->FillRect(vcl::TRect{0, 0, width, height});
  return bmp;
}

// Appends a strip of width x height images, one per colour.
inline void AddStrip(TZYLImageList& list, int width, int height,
                     const std::vector<vcl::TColor>& colors, const std::string& description = "") {
  TZYLImageListItem* strip = list.GetArrayItem(list.Add());
  strip->Description = description;
  strip->SetInteger(0, width);
  strip->SetInteger(1, height);
  for (vcl::TColor c : colors) strip->Add(PlainBitmap(width, height, c).get(), nullptr);
}

// Appends a bitmap of one colour with that ident.
inline void AddBitmap(TZYLBitmapList& list, int width, int height, vcl::TColor color,
                      uint16_t ident) {
  TZYLBitmapListItem* item = list.GetArrayItem(list.Add());
  item->Ident = ident;
  item->Description = "bitmap " + std::to_string(ident);
  item->SetBitmap(PlainBitmap(width, height, color).get());
}

// Clicks (twice: double-clicks) the middle of a row of the box's inner list.
inline void ClickRow(TZYLListBox* box, int row, bool twice = false) {
  win::HWND list = box->ListBox()->Handle();
  win::RECT r{};
  win::SendMessageA(list, win::LB_GETITEMRECT, static_cast<win::WPARAM>(row),
                    reinterpret_cast<win::LPARAM>(&r));
  const win::POINT p =
      win::testkit::ScreenPoint(list, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  if (twice)
    win::testkit::DoubleClick(p.X, p.Y);
  else
    win::testkit::Click(p.X, p.Y);
  win::testkit::RunUntilIdle();
}

// How many pixels of `area` (the whole capture when empty) show `color` (a COLORREF).
inline int CountColor(const win::testkit::TCapture& capture, win::COLORREF color,
                      win::RECT area = {0, 0, 0, 0}) {
  if (area.Right <= area.Left) area = {0, 0, capture.Width, capture.Height};
  int n = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) n += capture.Color(x, y) == color;
  return n;
}

// Succeeds when `area` shows one colour throughout (that of its top-left pixel).
inline ::testing::AssertionResult IsPlain(const win::testkit::TCapture& capture,
                                          const win::RECT& area, const std::string& name) {
  const win::COLORREF first = capture.Color(area.Left, area.Top);
  return win::testkit::PixelsMatch(
      capture, [first](int, int) { return first; }, name, area);
}

// The rows of a multi-column list box as their texts.
inline std::vector<std::string> Rows(TZYLListBox* box) {
  std::vector<std::string> rows;
  for (int i = 0; i < box->GetItems()->Count(); ++i) rows.push_back(box->GetItems()->Strings(i));
  return rows;
}

}  // namespace zyl::designtest
