// The virtual screen, visible regions, update regions, window DCs, scrolling and the caret.
//
// Every window draws straight into one screen surface through a DC whose visible region is
// computed from the window tree (WS_CLIPCHILDREN, WS_CLIPSIBLINGS, z-order, window regions).
#include <algorithm>
#include <cstring>

#include "platform/base/Finally.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/user/DCGuards.h"
#include "platform/user/UserInternal.h"

namespace win::user {

namespace {

Region ShapeOnScreen(const Wnd* w) {
  const TRect r = ScreenWindowRect(w);
  if (!w->HasWindowRgn) return Region(r);
  Region shape = w->WindowRgn;
  shape.Offset(r.Left, r.Top);
  return Region::Combine(shape, Region(r), RGN_AND);
}

Region Minus(const Region& a, const Region& b) { return Region::Combine(a, b, RGN_DIFF); }
Region And(const Region& a, const Region& b) { return Region::Combine(a, b, RGN_AND); }
Region Or(const Region& a, const Region& b) { return Region::Combine(a, b, RGN_OR); }

// Whether `r` covers all of `rect`.
bool Covers(const Region& r, const TRect& rect) {
  if (r.IsEmpty() || r.Bounds() != rect) return false;
  return r.Rects().size() == 1 || Minus(Region(rect), r).IsEmpty();
}

bool Locked(const Wnd* w) {
  const HWND l = UserState().LockedUpdate;
  if (!l) return false;
  for (; w; w = w->Parent)
    if (w->Handle == l) return true;
  return false;
}

}  // namespace

void UpdateRegion::Add(const Region& part) {
  if (part.IsEmpty()) return;
  if (IsEmpty()) {
    rgn_ = part;
    return;
  }
  // Inside what one rectangle of the region already covers: nothing changes.
  const TRect& b = part.Bounds();
  if (pending_.empty() && rgn_.Rects().size() == 1) {
    const TRect& r = rgn_.Rects().front();
    if (b.Left >= r.Left && b.Top >= r.Top && b.Right <= r.Right && b.Bottom <= r.Bottom) return;
  }
  pending_.insert(pending_.end(), part.Rects().begin(), part.Rects().end());
  // Joined now and then, so the list stays in proportion to the region.
  if (pending_.size() > 4 * rgn_.Rects().size() + 256) Flush();
}

void UpdateRegion::Flush() const {
  if (pending_.empty()) return;
  std::vector<TRect> all = rgn_.Rects();
  all.insert(all.end(), pending_.begin(), pending_.end());
  pending_.clear();
  rgn_ = Region::FromRects(all);
}

Region VisibleRegion(const Wnd* w, bool client, bool clipChildren, bool clipSiblings) {
  if (!ReallyVisible(w)) return Region();
  const TRect base = client ? ScreenClientRect(w) : ScreenWindowRect(w);
  if (base.Width() <= 0 || base.Height() <= 0) return Region();
  Region rgn(base);
  if (w->HasWindowRgn) rgn = And(rgn, ShapeOnScreen(w));
  const Wnd* c = w;
  for (const Wnd* p = w->Parent; p; c = p, p = p->Parent) {
    if (p->IsDesktop()) {
      rgn = rgn.Intersected(p->Rect);
    } else {
      rgn = rgn.Intersected(ScreenClientRect(p));
      if (p->HasWindowRgn) rgn = And(rgn, ShapeOnScreen(p));
    }
    if (rgn.IsEmpty()) return rgn;
    bool clip = c == w ? (clipSiblings || c->IsTopLevel()) : ((c->Style & WS_CLIPSIBLINGS) || c->IsTopLevel());
    if (p->IsDesktop() && UserState().Isolated == c) clip = false;
    if (clip) {
      // Siblings above: their rectangles are collected and taken away in one operation.
      const POINT po = p->IsDesktop() ? POINT{0, 0} : ClientOrigin(p);
      const TRect bounds = rgn.Bounds();
      std::vector<TRect> cover;
      for (const Wnd* s : p->Children) {
        if (s == c) break;
        if (!(s->Style & WS_VISIBLE)) continue;
        const TRect sr = {s->Rect.Left + po.X, s->Rect.Top + po.Y, s->Rect.Right + po.X, s->Rect.Bottom + po.Y};
        if (sr.Left >= bounds.Right || sr.Right <= bounds.Left || sr.Top >= bounds.Bottom ||
            sr.Bottom <= bounds.Top || sr.Left >= sr.Right || sr.Top >= sr.Bottom)
          continue;
        if (!rgn.Intersects(sr)) continue;
        if (s->HasWindowRgn)
          rgn = Minus(rgn, ShapeOnScreen(s));
        else
          cover.push_back(sr);
      }
      if (!cover.empty()) rgn = Minus(rgn, Region::FromRects(cover));
    }
  }
  if (clipChildren && !rgn.IsEmpty()) {
    const POINT co = ClientOrigin(w);
    const TRect bounds = rgn.Bounds();
    std::vector<TRect> cover;
    for (const Wnd* k : w->Children) {
      if (!(k->Style & WS_VISIBLE)) continue;
      const TRect kr = {k->Rect.Left + co.X, k->Rect.Top + co.Y, k->Rect.Right + co.X, k->Rect.Bottom + co.Y};
      if (kr.Left >= bounds.Right || kr.Right <= bounds.Left || kr.Top >= bounds.Bottom ||
          kr.Bottom <= bounds.Top || kr.Left >= kr.Right || kr.Top >= kr.Bottom)
        continue;
      if (k->HasWindowRgn)
        rgn = Minus(rgn, ShapeOnScreen(k));
      else
        cover.push_back(kr);
    }
    if (!cover.empty()) rgn = Minus(rgn, Region::FromRects(cover));
  }
  return rgn;
}

void PaintDesktop(const Region& screenRgn) {
  State& s = UserState();
  if (!s.Screen || !s.Desktop) return;
  Region vis = VisibleRegion(s.Desktop, true, true, false);
  vis = And(vis, screenRgn);
  if (vis.IsEmpty()) return;
  HDC dc = gdi::CreateSurfaceDC(s.Screen, {0, 0}, &vis);
  if (!dc) return;
  RECT r = vis.Bounds();
  FillRect(dc, &r, GetSysColorBrush(COLOR_BACKGROUND));
  DeleteDC(dc);
}

void InvalidateWnd(Wnd* w, const Region* windowRgn, UINT flags) {
  if (!w || !ReallyVisible(w)) return;
  if (w->IsDesktop()) {
    Region r = windowRgn ? *windowRgn : Region(w->Rect);
    if (flags & RDW_INVALIDATE) PaintDesktop(r);
    if (flags & RDW_ALLCHILDREN) InvalidateScreenArea(w, r, false);
    return;
  }
  const TRect whole = {0, 0, w->Rect.Width(), w->Rect.Height()};
  Region r;
  if (windowRgn)
    r = windowRgn->Intersected(whole);
  else
    r = Region((flags & RDW_FRAME) ? whole : w->Client);
  if (r.IsEmpty() && !(flags & (RDW_INTERNALPAINT | RDW_NOINTERNALPAINT))) return;
  const Region clientPart = r.Intersected(w->Client);
  // The frame part; a rectangle inside the client area has none.
  const TRect rb = r.Bounds();
  const bool inClient = r.IsEmpty() || (rb.Left >= w->Client.Left && rb.Top >= w->Client.Top &&
                                        rb.Right <= w->Client.Right && rb.Bottom <= w->Client.Bottom);
  const Region framePart = inClient ? Region() : Minus(r, Region(w->Client));
  if (flags & (RDW_INVALIDATE | RDW_VALIDATE)) w->PaintRepeats = 0;
  if (flags & RDW_INVALIDATE) {
    if (!clientPart.IsEmpty()) {
      w->Update.Add(clientPart);
      if ((flags & (RDW_ERASE | kRdwWholeWindow)) && !(flags & RDW_NOERASE)) w->Erase = true;
    }
    if ((flags & RDW_FRAME) && !framePart.IsEmpty()) {
      w->NcUpdate = w->NcPaint ? Or(w->NcUpdate, framePart) : framePart;
      w->NcPaint = true;
    }
  } else if (flags & RDW_VALIDATE) {
    if (!w->Update.IsEmpty()) w->Update.Set(Minus(w->Update.Get(), clientPart));
    if (w->Update.IsEmpty()) w->Erase = false;
    if ((flags & RDW_FRAME) && !framePart.IsEmpty() && w->NcPaint) {
      w->NcUpdate = Minus(w->NcUpdate, framePart);
      w->NcPaint = !w->NcUpdate.IsEmpty();
    }
    if (flags & RDW_NOERASE) w->Erase = false;
  }
  if (flags & RDW_INTERNALPAINT) w->InternalPaint = true;
  if (flags & RDW_NOINTERNALPAINT) w->InternalPaint = false;
  if (!w->InPaintList && (!w->Update.IsEmpty() || w->NcPaint || w->InternalPaint)) {
    w->InPaintList = true;
    UserState().PaintCandidates.push_back(w->Handle);
  }
  const bool kids = (flags & RDW_ALLCHILDREN) ||
                    (!(flags & RDW_NOCHILDREN) && !(w->Style & WS_CLIPCHILDREN));
  if (!kids || clientPart.IsEmpty()) return;
  // The children take their part of the area, frame included; a child lying whole inside it
  // is erased too, even when the call asked for no erasing.
  const UINT childFlags = (flags | RDW_FRAME) & ~(RDW_NOFRAME | kRdwWholeWindow);
  for (Wnd* c : w->Children) {
    if (!(c->Style & WS_VISIBLE)) continue;
    const TRect cr = Bounds(w->Client.Left + c->Rect.Left, w->Client.Top + c->Rect.Top,
                            c->Rect.Width(), c->Rect.Height());
    if (!clientPart.Intersects(cr)) continue;
    Region cp = clientPart.Intersected(cr);
    cp.Offset(-cr.Left, -cr.Top);
    const bool whole = Covers(cp, TRect{0, 0, cr.Width(), cr.Height()});
    InvalidateWnd(c, &cp, childFlags | (whole ? kRdwWholeWindow : 0));
  }
}

void InvalidateScreenArea(Wnd* root, const Region& screenRgn, bool includeRoot) {
  if (!root || screenRgn.IsEmpty()) return;
  if (root->IsDesktop()) {
    if (includeRoot) PaintDesktop(screenRgn);
    for (Wnd* t : std::vector<Wnd*>(root->Children)) {
      if (!(t->Style & WS_VISIBLE)) continue;
      const TRect tr = ScreenWindowRect(t);
      if (!screenRgn.Intersects(tr)) continue;
      Region r = screenRgn.Intersected(tr);
      r.Offset(-tr.Left, -tr.Top);
      InvalidateWnd(t, &r, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return;
  }
  const POINT o = WindowOrigin(root);
  Region r = screenRgn;
  r.Offset(-o.X, -o.Y);
  if (includeRoot) {
    InvalidateWnd(root, &r, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return;
  }
  for (Wnd* c : root->Children) {
    if (!(c->Style & WS_VISIBLE)) continue;
    const TRect cr = ScreenWindowRect(c);
    if (!screenRgn.Intersects(cr)) continue;
    Region cp = screenRgn.Intersected(cr);
    cp.Offset(-cr.Left, -cr.Top);
    InvalidateWnd(c, &cp, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

static Wnd* FindPaint(Wnd* w, DWORD tid, HWND filter) {
  for (Wnd* c : w->Children) {
    if (!(c->Style & WS_VISIBLE)) continue;
    if (c->ThreadId == tid && (!c->Update.IsEmpty() || c->NcPaint || c->InternalPaint) && !c->PaintStuck() &&
        (!filter || c->Handle == filter || IsChild(filter, c->Handle)))
      return c;
    if (Wnd* d = FindPaint(c, tid, filter)) return d;
  }
  return nullptr;
}

static bool NeedsPaint(const Wnd* w) {
  return (!w->Update.IsEmpty() || w->NcPaint || w->InternalPaint) && !w->PaintStuck();
}

bool AnyPaintPending(DWORD threadId, HWND filter, Wnd** found) {
  State& s = UserState();
  if (!s.Desktop) return false;
  if (filter == reinterpret_cast<HWND>(-1)) {
    if (found) *found = nullptr;
    return false;  // thread messages only: WM_PAINT always has a window
  }
  if (filter) {
    Wnd* w = FindPaint(s.Desktop, threadId, filter);
    if (found) *found = w;
    return w != nullptr;
  }
  // The candidates list: stale entries (destroyed, painted, hidden) drop out on the way; a
  // window's highest invalid ancestor paints first, so parents always come before children.
  auto& list = s.PaintCandidates;
  for (size_t i = 0; i < list.size();) {
    Wnd* w = FromHandle(list[i]);
    if (!w || !NeedsPaint(w) || !ReallyVisible(w)) {
      if (w) w->InPaintList = false;
      list.erase(list.begin() + static_cast<ptrdiff_t>(i));
      continue;
    }
    if (w->ThreadId != threadId) {
      ++i;
      continue;
    }
    for (Wnd* a = w->Parent; a && !a->IsDesktop(); a = a->Parent)
      if (a->ThreadId == threadId && NeedsPaint(a)) w = a;
    if (found) *found = w;
    return true;
  }
  if (found) *found = nullptr;
  return false;
}

void ForgetWindowPaint(Wnd* w) {
  w->Update.Set(Region());
  w->NcUpdate = Region();
  w->NcPaint = w->Erase = w->InternalPaint = false;
  w->PaintRepeats = 0;
}

// Takes the frame's pending WM_NCPAINT: 1 when the whole frame is invalid, else a region
// handle in screen coordinates (the caller deletes it).
static HRGN TakeNcPaintRegion(Wnd* w) {
  w->NcPaint = false;
  Region frame = Minus(Region(TRect{0, 0, w->Rect.Width(), w->Rect.Height()}), Region(w->Client));
  Region part = And(w->NcUpdate, frame);
  w->NcUpdate = Region();
  if (Minus(frame, part).IsEmpty()) return reinterpret_cast<HRGN>(1);
  const POINT o = WindowOrigin(w);
  part.Offset(o.X, o.Y);
  HRGN h = CreateRectRgn(0, 0, 0, 0);
  if (gdi::RegionObj* obj = gdi::LookupRegion(h)) obj->Rgn = part;
  return h;
}

// Sends a pending WM_NCPAINT; false when the window went away meanwhile.
static bool SendNcPaint(Wnd* w) {
  const HWND h = w->Handle;
  HRGN rgn = TakeNcPaintRegion(w);
  const TOwnedObject<HRGN> owned(rgn == reinterpret_cast<HRGN>(1) ? nullptr : rgn);
  Send(w, WM_NCPAINT, reinterpret_cast<WPARAM>(rgn), 0);
  return FromHandle(h) != nullptr;
}

void PaintNow(Wnd* w, bool children) {
  const HWND h = w->Handle;
  if (ReallyVisible(w) && (!w->Update.IsEmpty() || w->NcPaint || w->InternalPaint)) {
    // One WM_PAINT: what the procedure leaves invalid waits for the message loop.
    w->InternalPaint = false;
    Send(w, WM_PAINT, 0, 0);
    if (!(w = FromHandle(h))) return;
  }
  if (!children) return;
  std::vector<HWND> kids;
  for (Wnd* c : w->Children) kids.push_back(c->Handle);
  for (HWND k : kids)
    if (Wnd* c = FromHandle(k)) PaintNow(c, true);
}

void ReleaseWindowDCs(Wnd* w) {
  State& s = UserState();
  for (auto it = s.WindowDCs.begin(); it != s.WindowDCs.end();) {
    if (it->second == w->Handle) {
      DeleteDC(it->first);
      it = s.WindowDCs.erase(it);
    } else {
      ++it;
    }
  }
  w->OwnDC = nullptr;
}

// A DC on the screen for a window's client or whole area.
static HDC MakeDC(Wnd* w, HRGN clip, DWORD flags) {
  State& s = UserState();
  EnsureInit();
  const bool window = (flags & DCX_WINDOW) != 0;
  bool clipChildren = (flags & DCX_CLIPCHILDREN) || (w->Style & WS_CLIPCHILDREN);
  bool clipSiblings = (flags & DCX_CLIPSIBLINGS) || (w->Style & WS_CLIPSIBLINGS);
  const Wnd* visOf = w;
  bool visClient = !window;
  if (!window && (w->Class->Style & CS_PARENTDC) && w->Parent && !w->Parent->IsDesktop()) {
    // Parent DC: the child may draw anywhere on its parent's client area.
    visOf = w->Parent;
    clipChildren = false;
    clipSiblings = (w->Parent->Style & WS_CLIPSIBLINGS) != 0;
  }
  Region vis = w->IsDesktop() ? Region(s.Desktop->Rect)
                              : VisibleRegion(visOf, visClient, clipChildren, clipSiblings);
  if (Locked(w)) vis = Region();
  if (clip && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
    if (gdi::RegionObj* r = gdi::LookupRegion(clip))
      vis = Region::Combine(vis, r->Rgn, (flags & DCX_INTERSECTRGN) ? RGN_AND : RGN_DIFF);
  }
  if (flags & DCX_INTERSECTUPDATE) {
    Region u = w->Update.Get();
    const POINT o = WindowOrigin(w);
    u.Offset(o.X, o.Y);
    vis = And(vis, u);
    if (flags & DCX_VALIDATE) ForgetWindowPaint(w);
  }
  const POINT origin = window ? WindowOrigin(w) : ClientOrigin(w);
  const bool own = (w->Class->Style & (CS_OWNDC | CS_CLASSDC)) && !w->IsDesktop();
  if (own && !(flags & DCX_CACHE)) {
    if (w->OwnDC && gdi::DCSurface(w->OwnDC) != s.Screen) {
      // The screen surface was replaced (a window rendered alone): the own DC follows it.
      s.WindowDCs.erase(w->OwnDC);
      DeleteDC(w->OwnDC);
      w->OwnDC = nullptr;
    }
    if (!w->OwnDC) {
      w->OwnDC = gdi::CreateSurfaceDC(s.Screen, origin, &vis);
      if (w->OwnDC) s.WindowDCs[w->OwnDC] = w->Handle;
    } else {
      gdi::SetSurfaceDCOrigin(w->OwnDC, origin, &vis);
    }
    return w->OwnDC;
  }
  HDC dc = gdi::CreateSurfaceDC(s.Screen, origin, &vis);
  if (dc) s.WindowDCs[dc] = w->Handle;
  return dc;
}

static HRGN ScreenRegionHandle(const Region& r) {
  HRGN h = CreateRectRgn(0, 0, 0, 0);
  if (gdi::RegionObj* o = gdi::LookupRegion(h)) o->Rgn = r;
  return h;
}

}  // namespace win::user

namespace win {

using namespace user;

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags) {
  EnsureInit();
  Wnd* w = hwnd ? FromHandle(hwnd) : UserState().Desktop;
  if (!w) return nullptr;
  return MakeDC(w, clip, flags);
}

HDC GetDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, 0); }

HDC GetWindowDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, DCX_WINDOW); }

int ReleaseDC(HWND hwnd, HDC dc) {
  (void)hwnd;
  State& s = UserState();
  auto it = s.WindowDCs.find(dc);
  if (it == s.WindowDCs.end()) return 0;
  Wnd* w = FromHandle(it->second);
  if (w && w->OwnDC == dc) return 1;  // class and own DCs stay with their window
  DeleteDC(dc);
  s.WindowDCs.erase(it);
  return 1;
}

HWND WindowFromDC(HDC dc) {
  State& s = UserState();
  auto it = s.WindowDCs.find(dc);
  return it == s.WindowDCs.end() ? nullptr : it->second;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !ps) return nullptr;
  if (w->NcPaint) {
    if (!SendNcPaint(w)) return nullptr;
    w = FromHandle(hwnd);
  }
  CaretHideForPaint(hwnd, true);
  w->PaintRepeats = 0;
  Region upd = w->Update.Get().Intersected(w->Client);
  const bool erase = w->Erase;
  w->Update.Set(Region());
  w->Erase = false;
  w->InternalPaint = false;
  upd.Offset(-w->Client.Left, -w->Client.Top);
  const POINT co = ClientOrigin(w);
  Region screenUpd = upd;
  screenUpd.Offset(co.X, co.Y);
  HDC dc = MakeDC(w, TOwnedObject<HRGN>(ScreenRegionHandle(screenUpd)), DCX_INTERSECTRGN);
  ps->hdc = dc;
  ps->fRestore = FALSE;
  ps->fIncUpdate = FALSE;
  ps->rcPaint = upd.IsEmpty() ? TRect{} : upd.Bounds();
  ps->fErase = FALSE;
  if (erase && dc) {
    LRESULT done = 0;
    {
      // On failure the caller never gets the DC: the paint ends here.
      const vcl::TOnFailure endPaint([&] { EndPaint(hwnd, ps); });
      done = Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    }
    ps->fErase = done ? FALSE : TRUE;
  }
  return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (ps && ps->hdc) ReleaseDC(hwnd, ps->hdc);
  CaretHideForPaint(hwnd, false);
  return TRUE;
}

static Region ClientToWindowRegion(Wnd* w, const RECT* rect) {
  if (!rect) return Region(w->Client);
  TRect r = *rect;
  OffsetRect(&r, w->Client.Left, w->Client.Top);
  return Region(r).Intersected(w->Client);
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  EnsureInit();
  Wnd* w = hwnd ? FromHandle(hwnd) : UserState().Desktop;
  if (!w) return FALSE;
  if (w->IsDesktop()) {
    InvalidateWnd(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    return TRUE;
  }
  Region r = ClientToWindowRegion(w, rect);
  InvalidateWnd(w, &r, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
  return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return FALSE;
  Region r = ClientToWindowRegion(w, rect);
  InvalidateWnd(w, &r, RDW_VALIDATE | RDW_ALLCHILDREN);
  return TRUE;
}

BOOL ValidateRgn(HWND hwnd, HRGN rgn) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return FALSE;
  if (!rgn) return ValidateRect(hwnd, nullptr);
  gdi::RegionObj* o = gdi::LookupRegion(rgn);
  if (!o) return FALSE;
  Region r = o->Rgn;
  r.Offset(w->Client.Left, w->Client.Top);
  InvalidateWnd(w, &r, RDW_VALIDATE | RDW_ALLCHILDREN);
  return TRUE;
}

static void EraseNow(Wnd* w, bool children) {
  const HWND h = w->Handle;
  if (w->NcPaint) {
    if (!SendNcPaint(w)) return;
    w = FromHandle(h);
  }
  if (w->Erase) {
    w->Erase = false;
    Region upd = w->Update.Get();
    const POINT o = WindowOrigin(w);
    upd.Offset(o.X, o.Y);
    const TWindowDC dc(h, MakeDC(w, TOwnedObject<HRGN>(ScreenRegionHandle(upd)), DCX_INTERSECTRGN));
    Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    if (!(w = FromHandle(h))) return;
  }
  if (!children) return;
  std::vector<HWND> kids;
  for (Wnd* c : w->Children) kids.push_back(c->Handle);
  for (HWND k : kids)
    if (Wnd* c = FromHandle(k)) EraseNow(c, true);
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return FALSE;
  if (erase && (w->Erase || w->NcPaint)) {
    EraseNow(w, false);
    if (!(w = FromHandle(hwnd))) return FALSE;
  }
  Region u = w->Update.Get().Intersected(w->Client);
  u.Offset(-w->Client.Left, -w->Client.Top);
  if (rect) *rect = u.IsEmpty() ? TRect{} : u.Bounds();
  return u.IsEmpty() ? FALSE : TRUE;
}

int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
  Wnd* w = FromHandle(hwnd);
  gdi::RegionObj* o = gdi::LookupRegion(rgn);
  if (!w || !o) return ERROR;
  if (erase && (w->Erase || w->NcPaint)) {
    EraseNow(w, false);
    if (!(w = FromHandle(hwnd))) return ERROR;
  }
  Region u = w->Update.Get().Intersected(w->Client);
  u.Offset(-w->Client.Left, -w->Client.Top);
  o->Rgn = u;
  return u.Complexity();
}

BOOL UpdateWindow(HWND hwnd) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return FALSE;
  PaintNow(w, true);  // invalid children paint too
  return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN rgn, UINT flags) {
  EnsureInit();
  Wnd* w = hwnd ? FromHandle(hwnd) : UserState().Desktop;
  if (!w) return FALSE;
  Region r;
  const Region* rp = nullptr;
  if (rgn) {
    gdi::RegionObj* o = gdi::LookupRegion(rgn);
    if (!o) return FALSE;
    r = o->Rgn;
    r.Offset(w->Client.Left, w->Client.Top);
    rp = &r;
  } else if (rect) {
    TRect rr = *rect;
    OffsetRect(&rr, w->Client.Left, w->Client.Top);
    r = Region(rr);
    rp = &r;
  } else if (flags & RDW_FRAME) {
    r = Region(TRect{0, 0, w->Rect.Width(), w->Rect.Height()});
    rp = &r;
  }
  flags &= ~kRdwWholeWindow;
  if (flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT))
    InvalidateWnd(w, rp, flags);
  // Updating paints every invalid child; erasing reaches children only when asked to.
  if (flags & RDW_UPDATENOW) {
    if (w->IsDesktop()) {
      for (Wnd* t : std::vector<Wnd*>(w->Children)) PaintNow(t, true);
    } else {
      PaintNow(w, !(flags & RDW_NOCHILDREN));
    }
  } else if (flags & RDW_ERASENOW) {
    if (!w->IsDesktop()) EraseNow(w, (flags & RDW_ALLCHILDREN) != 0);
  }
  return TRUE;
}

BOOL LockWindowUpdate(HWND hwnd) {
  State& s = UserState();
  if (hwnd) {
    if (s.LockedUpdate || !FromHandle(hwnd)) return FALSE;
    s.LockedUpdate = hwnd;
    return TRUE;
  }
  const HWND was = s.LockedUpdate;
  s.LockedUpdate = nullptr;
  if (Wnd* w = FromHandle(was)) InvalidateWnd(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return TRUE;
}

// Copies screen pixels of `dst` (screen coordinates) from the same region shifted by -d.
void user::CopyScreen(const Region& dst, int dx, int dy) {
  State& s = UserState();
  gdi::Surface* surf = s.Screen.get();
  if (!surf || dst.IsEmpty()) return;
  const TRect b = dst.Bounds();
  const int bw = b.Width(), bh = b.Height();
  std::vector<uint32_t> tmp(static_cast<size_t>(bw) * static_cast<size_t>(bh));
  for (int y = 0; y < bh; ++y)
    for (int x = 0; x < bw; ++x) {
      const int sx = b.Left + x - dx, sy = b.Top + y - dy;
      tmp[static_cast<size_t>(y) * bw + x] =
          (sx >= 0 && sy >= 0 && sx < surf->Width && sy < surf->Height) ? surf->Row(sy)[sx] : 0;
    }
  for (const TRect& r : dst.Rects()) {
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, surf->Height); ++y) {
      for (int x = std::max(r.Left, 0); x < std::min(r.Right, surf->Width); ++x)
        surf->Row(y)[x] = tmp[static_cast<size_t>(y - b.Top) * bw + (x - b.Left)];
    }
    surf->Touch(r);
  }
}

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   LPRECT updateRect, UINT flags) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return ERROR;
  CaretHideForPaint(hwnd, true);
  const TRect client = {0, 0, w->Client.Width(), w->Client.Height()};
  TRect src = scroll ? *scroll : client;
  IntersectRect(&src, &src, &client);
  TRect clipR = clip ? *clip : client;
  IntersectRect(&clipR, &clipR, &client);
  const POINT co = ClientOrigin(w);
  // In client coordinates.
  Region vis = VisibleRegion(w, true, (w->Style & WS_CLIPCHILDREN) != 0, (w->Style & WS_CLIPSIBLINGS) != 0);
  if (Locked(w)) vis = Region();
  vis.Offset(-co.X, -co.Y);
  Region moved = vis.Intersected(src);
  moved.Offset(dx, dy);
  moved = And(moved.Intersected(clipR), vis);
  Region movedScreen = moved;
  movedScreen.Offset(co.X, co.Y);
  CopyScreen(movedScreen, dx, dy);
  TRect shifted = src;
  OffsetRect(&shifted, dx, dy);
  Region affected = Or(Region(src), Region(shifted)).Intersected(clipR);
  Region inval = Minus(affected, moved);
  // The pending update region moves with the pixels.
  if (!w->Update.IsEmpty()) {
    Region u = w->Update.Get();
    u.Offset(-w->Client.Left, -w->Client.Top);
    Region inside = u.Intersected(src).Intersected(clipR);
    if (!inside.IsEmpty()) {
      Region rest = Minus(u, inside);
      inside.Offset(dx, dy);
      u = Or(rest, inside.Intersected(clipR));
      u.Offset(w->Client.Left, w->Client.Top);
      w->Update.Set(u);
    }
  }
  if (flags & SW_SCROLLCHILDREN) {
    std::vector<HWND> kids;
    for (Wnd* c : w->Children) {
      const TRect cr = c->Rect;
      TRect tmp;
      if (!scroll || IntersectRect(&tmp, &cr, &src)) kids.push_back(c->Handle);
    }
    for (HWND k : kids)
      if (Wnd* c = FromHandle(k))
        SetWindowPos(k, nullptr, c->Rect.Left + dx, c->Rect.Top + dy, 0, 0,
                     SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!(w = FromHandle(hwnd))) return ERROR;
  }
  if (flags & (SW_INVALIDATE | SW_ERASE)) {
    Region r = inval;
    r.Offset(w->Client.Left, w->Client.Top);
    InvalidateWnd(w, &r, RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) |
                             ((flags & SW_SCROLLCHILDREN) ? RDW_ALLCHILDREN : 0));
  }
  if (update)
    if (gdi::RegionObj* o = gdi::LookupRegion(update)) o->Rgn = inval;
  if (updateRect) *updateRect = inval.IsEmpty() ? TRect{} : inval.Bounds();
  CaretHideForPaint(hwnd, false);
  return inval.IsEmpty() ? NULLREGION : inval.Complexity();
}

BOOL ScrollDC(HDC dc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
              LPRECT updateRect) {
  gdi::DCObj* d = gdi::LookupDC(dc);
  if (!d) return FALSE;
  TRect box;
  GetClipBox(dc, &box);
  TRect src = scroll ? *scroll : box;
  TRect clipR = clip ? *clip : box;
  {
    TSavedDC saved(dc);
    IntersectClipRect(dc, clipR.Left, clipR.Top, clipR.Right, clipR.Bottom);
    BitBlt(dc, src.Left + dx, src.Top + dy, src.Width(), src.Height(), dc, src.Left, src.Top,
           SRCCOPY);
  }
  TRect shifted = src;
  OffsetRect(&shifted, dx, dy);
  Region inval = Minus(Or(Region(src), Region(shifted)).Intersected(clipR), Region(shifted).Intersected(clipR));
  if (update)
    if (gdi::RegionObj* o = gdi::LookupRegion(update)) o->Rgn = inval;
  if (updateRect) *updateRect = inval.IsEmpty() ? TRect{} : inval.Bounds();
  return TRUE;
}

// ---- Caret ----

static void CaretInvert() {
  State& s = UserState();
  CaretState& c = s.Caret;
  Wnd* w = FromHandle(c.Owner);
  if (!w) return;
  Region vis = VisibleRegion(w, true, (w->Style & WS_CLIPCHILDREN) != 0, (w->Style & WS_CLIPSIBLINGS) != 0);
  const POINT o = ClientOrigin(w);
  HDC dc = gdi::CreateSurfaceDC(s.Screen, o, &vis);
  if (!dc) return;
  const int cw = c.Width > 0 ? c.Width : GetSystemMetrics(SM_CXBORDER);
  const int ch = c.Height > 0 ? c.Height : GetSystemMetrics(SM_CYBORDER);
  if (c.Bitmap && c.Bitmap != reinterpret_cast<HBITMAP>(1)) {
    TMemoryDC mem(dc);
    TSelectedObject selected(mem, c.Bitmap);
    BitBlt(dc, c.Pos.X, c.Pos.Y, cw, ch, mem, 0, 0, SRCINVERT);
  } else if (c.Bitmap) {
    TSelectedObject selected(dc, GetStockObject(GRAY_BRUSH));
    PatBlt(dc, c.Pos.X, c.Pos.Y, cw, ch, PATINVERT);
  } else {
    PatBlt(dc, c.Pos.X, c.Pos.Y, cw, ch, DSTINVERT);
  }
  DeleteDC(dc);
  c.On = !c.On;
}

void user::CaretErase() {
  if (UserState().Caret.On) CaretInvert();
}

void user::CaretBlinkTick() {
  CaretState& c = UserState().Caret;
  if (!c.Owner || c.HideCount > 0) return;
  CaretInvert();
}

void user::CaretOnDestroy(HWND h) {
  if (UserState().Caret.Owner == h) DestroyCaret();
}

void user::CaretHideForPaint(HWND h, bool hide) {
  if (UserState().Caret.Owner != h) return;
  if (hide)
    HideCaret(h);
  else
    ShowCaret(h);
}

BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return FALSE;
  DestroyCaret();
  CaretState& c = UserState().Caret;
  c.Owner = hwnd;
  c.Bitmap = bitmap;
  if (bitmap && bitmap != reinterpret_cast<HBITMAP>(1)) {
    BITMAP bm;
    if (GetObjectA(bitmap, sizeof bm, &bm)) {
      width = bm.bmWidth;
      height = bm.bmHeight;
    }
  }
  c.Width = width;
  c.Height = height;
  c.Pos = {0, 0};
  c.HideCount = 1;
  c.On = false;
  return TRUE;
}

BOOL DestroyCaret() {
  State& s = UserState();
  if (!s.Caret.Owner) return FALSE;
  CaretErase();
  s.Caret = CaretState();
  SetSystemTimer(0, false);
  return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
  CaretState& c = UserState().Caret;
  if (!c.Owner || (hwnd && hwnd != c.Owner)) return FALSE;
  if (c.HideCount == 0) return TRUE;
  if (--c.HideCount == 0) {
    if (!c.On) CaretInvert();
    const UINT blink = UserState().CaretBlink;
    SetSystemTimer(blink, blink != INFINITE);
  }
  return TRUE;
}

BOOL HideCaret(HWND hwnd) {
  CaretState& c = UserState().Caret;
  if (!c.Owner || (hwnd && hwnd != c.Owner)) return FALSE;
  if (c.HideCount++ == 0) {
    CaretErase();
    SetSystemTimer(0, false);
  }
  return TRUE;
}

BOOL SetCaretPos(int x, int y) {
  CaretState& c = UserState().Caret;
  if (!c.Owner) return FALSE;
  const bool shown = c.On;
  if (shown) CaretInvert();
  c.Pos = {x, y};
  if (c.HideCount == 0) {
    // Moving restarts the blink with the caret on.
    CaretInvert();
    const UINT blink = UserState().CaretBlink;
    SetSystemTimer(blink, blink != INFINITE);
  }
  return TRUE;
}

BOOL GetCaretPos(LPPOINT pt) {
  if (!pt) return FALSE;
  *pt = UserState().Caret.Pos;
  return TRUE;
}

UINT GetCaretBlinkTime() { return UserState().CaretBlink; }

BOOL SetCaretBlinkTime(UINT ms) {
  State& s = UserState();
  s.CaretBlink = ms;
  if (s.Caret.Owner && s.Caret.HideCount == 0) SetSystemTimer(ms, ms != INFINITE);
  return TRUE;
}

}  // namespace win
