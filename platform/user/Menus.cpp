// Menus: item lists behind HMENU handles, and each window's copy of the standard system menu.
// The items' state is kept here; MenuTrack.cpp draws and tracks popup menus.
//
// Handles come from their own counter that never restarts, so a handle of a destroyed menu
// (even one from an earlier fresh start) is refused, never mistaken for a newer menu.
#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/user/UserInternal.h"

namespace win {

namespace {

struct MenuItem {
  UINT Flags = 0;  // MF_ state and type bits (never MF_BYPOSITION)
  UINT_PTR Id = 0;
  std::string Text;
  HMENU SubMenu = nullptr;
  ULONG_PTR Data = 0;  // owner-drawn items: the owner's value
};

struct Menu {
  bool Popup = false;
  HWND SystemOwner = nullptr;  // the window whose system menu this is
  std::vector<MenuItem> Items;
};

// Menus reach each other only through handles: a cycle (a menu put into itself) stops here.
constexpr int kMaxDepth = kMaxMenuNesting;
// Bits an item keeps; the rest of a flags word says where or how to apply it.
constexpr UINT kItemBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_BITMAP | MF_OWNERDRAW |
                           MF_POPUP | MF_MENUBARBREAK | MF_MENUBREAK | MF_HILITE |
                           MF_SEPARATOR | MF_DEFAULT | MF_RIGHTJUSTIFY | MF_USECHECKBITMAPS;
// An item's bits that a MENUITEMINFOA carries as its type and as its state.
constexpr UINT kTypeBits = MF_BITMAP | MF_OWNERDRAW | MF_MENUBARBREAK | MF_MENUBREAK |
                           MF_SEPARATOR | MF_RIGHTJUSTIFY | MFT_RADIOCHECK;
constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;

struct MenuTable {
  std::mutex Mutex;
  std::unordered_map<uintptr_t, std::unique_ptr<Menu>> Menus;
  std::unordered_map<HWND, HMENU> SystemMenus;
  std::unordered_map<HWND, HMENU> BarMenus;  // SetMenu
  uintptr_t Next = 0x40010;
};

MenuTable& T() {
  static MenuTable t;
  return t;
}

Menu* Find(MenuTable& t, HMENU h) {
  auto it = t.Menus.find(reinterpret_cast<uintptr_t>(h));
  return it == t.Menus.end() ? nullptr : it->second.get();
}

HMENU NewMenu(MenuTable& t, bool popup) {
  const uintptr_t v = t.Next;
  t.Next += 4;
  auto m = std::make_unique<Menu>();
  m->Popup = popup;
  t.Menus.emplace(v, std::move(m));
  return reinterpret_cast<HMENU>(v);
}

void Destroy(MenuTable& t, HMENU h, int depth = 0) {
  auto it = t.Menus.find(reinterpret_cast<uintptr_t>(h));
  if (it == t.Menus.end()) return;
  std::unique_ptr<Menu> m = std::move(it->second);
  t.Menus.erase(it);
  if (m->SystemOwner) {
    auto s = t.SystemMenus.find(m->SystemOwner);
    if (s != t.SystemMenus.end() && s->second == h) t.SystemMenus.erase(s);
  }
  if (depth < kMaxDepth)
    for (const MenuItem& item : m->Items)
      if (item.SubMenu) Destroy(t, item.SubMenu, depth + 1);
}

// The item an (id, flags) pair names: by position in `m`, or by command in `m` and, depth
// first, in its submenus. Answers the menu holding the item and its index.
bool Locate(MenuTable& t, Menu* m, UINT id, UINT flags, Menu*& owner, size_t& index,
            int depth = 0) {
  if (!m || depth > kMaxDepth) return false;
  if (flags & MF_BYPOSITION) {
    if (id >= m->Items.size()) return false;
    owner = m;
    index = id;
    return true;
  }
  for (size_t i = 0; i < m->Items.size(); ++i) {
    const MenuItem& item = m->Items[i];
    if (item.SubMenu) {
      if (Locate(t, Find(t, item.SubMenu), id, flags, owner, index, depth + 1)) return true;
    } else if (!(item.Flags & MF_SEPARATOR) && item.Id == id) {
      owner = m;
      index = i;
      return true;
    }
  }
  return false;
}

// The item an (id, flags) pair names, as Locate finds it; null when there is none.
MenuItem* LocateItem(MenuTable& t, HMENU menu, UINT id, UINT flags) {
  Menu* owner = nullptr;
  size_t index = 0;
  return Locate(t, Find(t, menu), id, flags, owner, index) ? &owner->Items[index] : nullptr;
}

bool MakeItem(MenuTable& t, UINT flags, UINT_PTR idNewItem, LPCSTR text, MenuItem& item) {
  item.Flags = flags & kItemBits;
  if (flags & MF_POPUP) {
    item.SubMenu = reinterpret_cast<HMENU>(idNewItem);
    if (!Find(t, item.SubMenu)) return false;
  } else {
    item.Id = idNewItem;
  }
  // Bitmap and owner-drawn items carry a value in place of text: it is not read as a string.
  if (flags & MF_OWNERDRAW)
    item.Data = reinterpret_cast<ULONG_PTR>(text);
  else if (!(flags & (MF_SEPARATOR | MF_BITMAP)) && text)
    item.Text = text;
  if (flags & MF_SEPARATOR) item.Flags &= ~(MF_POPUP);
  return true;
}

BOOL RemoveItem(HMENU menu, UINT position, UINT flags, bool destroySub) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  Menu* owner = nullptr;
  size_t index = 0;
  if (!Locate(t, Find(t, menu), position, flags, owner, index)) return FALSE;
  const HMENU sub = owner->Items[index].SubMenu;
  owner->Items.erase(owner->Items.begin() + static_cast<std::ptrdiff_t>(index));
  if (destroySub && sub) Destroy(t, sub);
  return TRUE;
}

struct StandardItem {
  const char* Text;
  UINT_PTR Id;
};

const StandardItem kSystemMenu[] = {
    {"&Restore", SC_RESTORE},   {"&Move", SC_MOVE},         {"&Size", SC_SIZE},
    {"Mi&nimize", SC_MINIMIZE}, {"Ma&ximize", SC_MAXIMIZE}, {nullptr, 0},
    {"&Close\tAlt+F4", SC_CLOSE},
};

}  // namespace

HMENU CreateMenu() {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  return NewMenu(t, false);
}

HMENU CreatePopupMenu() {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  return NewMenu(t, true);
}

BOOL DestroyMenu(HMENU menu) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  if (!Find(t, menu)) return FALSE;
  Destroy(t, menu);
  return TRUE;
}

BOOL IsMenu(HMENU menu) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  return Find(t, menu) ? TRUE : FALSE;
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR newItem) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  Menu* m = Find(t, menu);
  MenuItem item;
  if (!m || !MakeItem(t, flags, idNewItem, newItem, item)) return FALSE;
  if (item.SubMenu == menu) return FALSE;
  if (flags & MF_BYPOSITION) {
    // A position past the end (-1 included) appends.
    const size_t at = std::min<size_t>(position, m->Items.size());
    m->Items.insert(m->Items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    return TRUE;
  }
  Menu* owner = nullptr;
  size_t index = 0;
  if (!Locate(t, m, position, flags, owner, index)) return FALSE;
  owner->Items.insert(owner->Items.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
  return TRUE;
}

// Appending is inserting past the last position.
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCSTR newItem) {
  return InsertMenuA(menu, static_cast<UINT>(-1), flags | MF_BYPOSITION, idNewItem, newItem);
}

BOOL InsertMenuItemA(HMENU menu, UINT position, BOOL byPosition, LPCMENUITEMINFOA info) {
  if (!info || info->cbSize != sizeof(MENUITEMINFOA)) return FALSE;
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  Menu* m = Find(t, menu);
  if (!m) return FALSE;
  MenuItem item;
  UINT type = 0;
  if (info->fMask & (MIIM_FTYPE | MIIM_TYPE)) type = info->fType;
  item.Flags = type & kTypeBits;
  if (info->fMask & MIIM_STATE) item.Flags |= info->fState & kStateBits;
  if (info->fMask & MIIM_ID) item.Id = info->wID;
  if ((info->fMask & MIIM_SUBMENU) && info->hSubMenu) {
    if (info->hSubMenu == menu || !Find(t, info->hSubMenu)) return FALSE;
    item.SubMenu = info->hSubMenu;
    item.Flags |= MF_POPUP;
  }
  if (info->fMask & MIIM_DATA) item.Data = info->dwItemData;
  const bool textual =
      (info->fMask & MIIM_STRING) ||
      ((info->fMask & MIIM_TYPE) && !(type & (MF_BITMAP | MF_SEPARATOR | MF_OWNERDRAW)));
  if (textual && info->dwTypeData) item.Text = info->dwTypeData;
  if (item.Flags & MF_SEPARATOR) item.Text.clear();
  size_t at = m->Items.size();
  Menu* owner = m;
  if (byPosition) {
    at = std::min<size_t>(position, m->Items.size());
  } else if (!Locate(t, m, position, MF_BYCOMMAND, owner, at)) {
    owner = m;
    at = m->Items.size();
  }
  owner->Items.insert(owner->Items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
  return TRUE;
}

BOOL GetMenuItemInfoA(HMENU menu, UINT position, BOOL byPosition, LPMENUITEMINFOA info) {
  if (!info || info->cbSize != sizeof(MENUITEMINFOA)) return FALSE;
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  const MenuItem* found = LocateItem(t, menu, position, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
  if (!found) return FALSE;
  const MenuItem& item = *found;
  if (info->fMask & (MIIM_FTYPE | MIIM_TYPE)) info->fType = item.Flags & kTypeBits;
  if (info->fMask & MIIM_STATE) info->fState = item.Flags & kStateBits;
  if (info->fMask & MIIM_ID) info->wID = static_cast<UINT>(item.Id);
  if (info->fMask & MIIM_SUBMENU) info->hSubMenu = item.SubMenu;
  if (info->fMask & MIIM_DATA) info->dwItemData = item.Data;
  if (info->fMask & (MIIM_STRING | MIIM_TYPE)) {
    if (info->dwTypeData && info->cch > 0) {
      const size_t n = std::min<size_t>(item.Text.size(), info->cch - 1);
      std::memcpy(info->dwTypeData, item.Text.data(), n);
      info->dwTypeData[n] = '\0';
    }
    info->cch = static_cast<UINT>(item.Text.size());
  }
  return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
  return RemoveItem(menu, position, flags, true);
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
  return RemoveItem(menu, position, flags, false);
}

int GetMenuItemCount(HMENU menu) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  Menu* m = Find(t, menu);
  return m ? static_cast<int>(m->Items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int pos) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  Menu* m = Find(t, menu);
  if (!m || pos < 0 || static_cast<size_t>(pos) >= m->Items.size()) return static_cast<UINT>(-1);
  const MenuItem& item = m->Items[static_cast<size_t>(pos)];
  if (item.SubMenu) return static_cast<UINT>(-1);
  return static_cast<UINT>(item.Id);
}

HMENU GetSubMenu(HMENU menu, int pos) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  Menu* m = Find(t, menu);
  if (!m || pos < 0 || static_cast<size_t>(pos) >= m->Items.size()) return nullptr;
  return m->Items[static_cast<size_t>(pos)].SubMenu;
}

int GetMenuStringA(HMENU menu, UINT idItem, LPSTR buffer, int maxCount, UINT flags) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  const MenuItem* item = LocateItem(t, menu, idItem, flags);
  if (!item) {
    if (buffer && maxCount > 0) buffer[0] = '\0';
    return 0;
  }
  const std::string& text = item->Text;
  // Without a buffer the answer is the text's length.
  if (!buffer || maxCount <= 0) return buffer ? 0 : static_cast<int>(text.size());
  const size_t n = std::min(text.size(), static_cast<size_t>(maxCount) - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

UINT GetMenuState(HMENU menu, UINT id, UINT flags) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  const MenuItem* found = LocateItem(t, menu, id, flags);
  if (!found) return static_cast<UINT>(-1);
  const MenuItem& item = *found;
  if (item.SubMenu) {
    // A submenu's item count is in the high byte, its flags in the low one.
    const Menu* sub = Find(t, item.SubMenu);
    const UINT count = sub ? static_cast<UINT>(std::min<size_t>(sub->Items.size(), 0xFF)) : 0;
    return (count << 8) | (item.Flags & 0xFF) | MF_POPUP;
  }
  return item.Flags;
}

DWORD CheckMenuItem(HMENU menu, UINT idCheckItem, UINT check) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  MenuItem* found = LocateItem(t, menu, idCheckItem, check);
  if (!found) return static_cast<DWORD>(-1);
  MenuItem& item = *found;
  const DWORD before = item.Flags & MF_CHECKED;
  item.Flags = (item.Flags & ~MF_CHECKED) | (check & MF_CHECKED);
  return before;
}

BOOL EnableMenuItem(HMENU menu, UINT idEnableItem, UINT enable) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  MenuItem* found = LocateItem(t, menu, idEnableItem, enable);
  if (!found) return -1;
  MenuItem& item = *found;
  const UINT before = item.Flags & (MF_GRAYED | MF_DISABLED);
  item.Flags = (item.Flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  return static_cast<BOOL>(before);
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
  user::Wnd* w = user::FromHandle(hwnd);
  if (!w || w->IsDesktop() || w->IsChild()) return FALSE;
  {
    MenuTable& t = T();
    std::lock_guard lock(t.Mutex);
    if (menu && !Find(t, menu)) return FALSE;
    if (menu)
      t.BarMenus[hwnd] = menu;
    else
      t.BarMenus.erase(hwnd);
  }
  user::MenuBarChanged(hwnd);
  return TRUE;
}

HMENU GetMenu(HWND hwnd) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  auto it = t.BarMenus.find(hwnd);
  if (it == t.BarMenus.end()) return nullptr;
  // A bar menu destroyed behind the window's back is no longer its menu.
  if (!Find(t, it->second)) {
    t.BarMenus.erase(it);
    return nullptr;
  }
  return it->second;
}

BOOL DrawMenuBar(HWND hwnd) {
  if (!IsWindow(hwnd)) return FALSE;
  user::MenuBarChanged(hwnd);
  return TRUE;
}

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
  user::Wnd* w = user::FromHandle(hwnd);
  if (!w || w->IsDesktop()) return nullptr;
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  auto it = t.SystemMenus.find(hwnd);
  if (revert) {
    if (it != t.SystemMenus.end()) Destroy(t, it->second);
    return nullptr;
  }
  if (it != t.SystemMenus.end()) return it->second;
  if (!(w->Style & WS_SYSMENU) || w->Destroying) return nullptr;
  const HMENU h = NewMenu(t, true);
  Menu* m = Find(t, h);
  m->SystemOwner = hwnd;
  for (const StandardItem& s : kSystemMenu) {
    MenuItem item;
    if (s.Text) {
      item.Text = s.Text;
      item.Id = s.Id;
    } else {
      item.Flags = MF_SEPARATOR;
    }
    m->Items.push_back(std::move(item));
  }
  t.SystemMenus.emplace(hwnd, h);
  return h;
}

namespace user {

void DestroyWindowMenus(HWND h) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  auto it = t.SystemMenus.find(h);
  if (it != t.SystemMenus.end()) Destroy(t, it->second);
  // The menu bar goes with its window (a form takes its menu away before that).
  auto bar = t.BarMenus.find(h);
  if (bar != t.BarMenus.end()) {
    const HMENU m = bar->second;
    t.BarMenus.erase(bar);
    Destroy(t, m);
  }
}

size_t LiveMenuCount() {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  return t.Menus.size();
}

void ResetMenus() {
  ResetMenuTracking();
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  t.Menus.clear();
  t.SystemMenus.clear();
  t.BarMenus.clear();
}

bool ReadMenu(HMENU menu, std::vector<MenuItemInfo>& items, bool* isSystem) {
  MenuTable& t = T();
  std::lock_guard lock(t.Mutex);
  const Menu* m = Find(t, menu);
  if (!m) return false;
  items.clear();
  for (const MenuItem& i : m->Items) items.push_back({i.Flags, i.Id, i.Text, i.SubMenu, i.Data});
  if (isSystem) *isSystem = m->SystemOwner != nullptr;
  return true;
}

}  // namespace user

}  // namespace win
