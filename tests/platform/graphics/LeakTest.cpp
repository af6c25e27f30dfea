// Every platform object the graphics classes create is released with them.
#include <gtest/gtest.h>

#include <memory>

#include "BmpBuilder.h"
#include "GraphicsTestUtil.h"
#include "platform/classes/Streams.h"
#include "platform/gdi/GdiInternal.h"

using namespace vcl;
using gfxtest::NewBitmap;

TEST(GraphicsLeaks, ObjectsGiveBackTheirHandles) {
  const size_t before = win::gdi::LiveObjectCount();
  {
    std::unique_ptr<TBitmap> b(NewBitmap(8, 8, pf8bit, clRed));
    b->Canvas()->Font()->SetStyle({fsBold});
    b->Canvas()->Pen()->SetWidth(2);
    b->Canvas()->Rectangle(0, 0, 8, 8);
    b->Canvas()->TextOut(0, 0, "x");
    b->SetTransparent(true);
    b->MaskHandle();
    b->Palette();
    b->SetPixelFormat(pf24bit);
    b->SetSize(4, 4);
    b->Dormant();
    b->Canvas()->SetPixels(0, 0, clBlue);
    std::unique_ptr<TBitmap> target(NewBitmap(8, 8));
    target->Canvas()->Draw(0, 0, b.get());
    target->Canvas()->BrushCopy(Rect(0, 0, 4, 4), b.get(), Rect(0, 0, 4, 4), clRed);
    target->Canvas()->Brush()->SetBitmap(b.get());
    target->Canvas()->FillRect(Rect(0, 0, 8, 8));
    target->Canvas()->Brush()->SetBitmap(nullptr);
    TBitmap copy;
    copy.Assign(b.get());
    copy.Mask(clBlue);
    TStringStream s;
    b->SaveToStream(&s);
    s.SetPosition(0);
    copy.LoadFromStream(&s);
    win::DeleteObject(copy.ReleaseHandle());
    TPicture p;
    p.Assign(b.get());
    p.Icon();
    TFont f;
    f.Handle();
    f.SetSize(20);
    f.Handle();
  }
  EXPECT_EQ(win::gdi::LiveObjectCount(), before);
}
