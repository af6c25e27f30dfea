// Every platform object the graphics classes create is released with them.
#include <gtest/gtest.h>

#include <memory>

#include "GraphicsTestUtil.h"
#include "platform/gdi/GdiInternal.h"

using namespace vcl;
using namespace gfxtest;

TEST(GraphicsLeaks, ObjectsGiveBackTheirHandles) {
  const size_t before = win::gdi::LiveObjectCount();
  {
    std::unique_ptr<TBitmap> b(NewBitmap(8, 8, pf8bit, clRed)), target(NewBitmap(8, 8));
    TCanvas* c = b->Canvas();
    c->Font()->SetStyle({fsBold});
    c->Pen()->SetWidth(2);
    c->Rectangle(0, 0, 8, 8);
    c->TextOut(0, 0, "x");
    b->SetTransparent(true);
    b->MaskHandle();
    b->Palette();
    b->SetPixelFormat(pf24bit);
    b->SetSize(4, 4);
    b->Dormant();
    c->SetPixels(0, 0, clBlue);
    TCanvas* t = target->Canvas();
    t->Draw(0, 0, b.get());
    t->BrushCopy(Rect(0, 0, 4, 4), b.get(), Rect(0, 0, 4, 4), clRed);
    t->Brush()->SetBitmap(b.get());
    t->FillRect(Rect(0, 0, 8, 8));
    t->Brush()->SetBitmap(nullptr);
    TBitmap copy;
    copy.Assign(b.get());
    copy.Mask(clBlue);
    LoadInto(&copy, Save(b.get()));
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
