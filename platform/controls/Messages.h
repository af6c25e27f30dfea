// The framework's message records, its control (CM_) and reflected (CN_) message numbers, and
// per-class message maps.
//
// A class handles messages by listing them in its message map:
//
//   class TFoo : public TCustomControl {
//     ZYL_CLASS(TFoo, TCustomControl)
//     ZYL_MESSAGES(TFoo)
//    protected:
//     void CMMouseEnter(TMessage& Message);
//     void WMSize(TWMSize& Message);
//   };
//
//   ZYL_MESSAGE_MAP(TFoo) {
//     m.On(CM_MOUSEENTER, &TFoo::CMMouseEnter).On(WM_SIZE, &TFoo::WMSize);
//   }
//
// Dispatch looks for the handler of the message number from the object's class up through
// its ancestors and falls back to DefaultHandler. A handler calls ZYL_INHERITED(Message) to
// pass the message on to its ancestor's handler of the same number (or DefaultHandler).
#pragma once

#include <cstdint>
#include <functional>

#include "platform/base/Types.h"
#include "platform/classes/Object.h"
#include "platform/user/WinUser.h"

namespace vcl {

using win::UINT;
using win::WPARAM;
using win::LPARAM;
using win::LRESULT;

// ---- Control messages ----
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;
constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr UINT CM_INVOKEHELP = CM_BASE + 31;
constexpr UINT CM_WINDOWHOOK = CM_BASE + 32;
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr UINT CM_WININICHANGE = CM_BASE + 37;
constexpr UINT CM_FONTCHANGE = CM_BASE + 38;
constexpr UINT CM_TIMECHANGE = CM_BASE + 39;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr UINT CM_UIACTIVATE = CM_BASE + 41;
constexpr UINT CM_UIDEACTIVATE = CM_BASE + 42;
constexpr UINT CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr UINT CM_GETDATALINK = CM_BASE + 45;
constexpr UINT CM_CHILDKEY = CM_BASE + 46;
constexpr UINT CM_DRAG = CM_BASE + 47;
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_DIALOGHANDLE = CM_BASE + 49;
constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
constexpr UINT CM_CHANGED = CM_BASE + 55;
constexpr UINT CM_DOCKCLIENT = CM_BASE + 56;
constexpr UINT CM_UNDOCKCLIENT = CM_BASE + 57;
constexpr UINT CM_FLOAT = CM_BASE + 58;
constexpr UINT CM_BORDERCHANGED = CM_BASE + 59;
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
constexpr UINT CM_ALLCHILDRENFLIPPED = CM_BASE + 62;
constexpr UINT CM_ACTIONUPDATE = CM_BASE + 63;
constexpr UINT CM_ACTIONEXECUTE = CM_BASE + 64;
constexpr UINT CM_HINTSHOWPAUSE = CM_BASE + 65;
constexpr UINT CM_DOCKNOTIFICATION = CM_BASE + 66;
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 67;
// Posted by a scrolling control to itself: the children changed, the auto range waits.
constexpr UINT CM_AUTORANGE = CM_BASE + 68;

// ---- Reflected notifications: a parent hands these back to the child that caused them ----
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_CHARTOITEM = CN_BASE + win::WM_CHARTOITEM;
constexpr UINT CN_COMMAND = CN_BASE + win::WM_COMMAND;
constexpr UINT CN_COMPAREITEM = CN_BASE + win::WM_COMPAREITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + win::WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + win::WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + win::WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + win::WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + win::WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + win::WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + win::WM_CTLCOLORSTATIC;
constexpr UINT CN_DELETEITEM = CN_BASE + win::WM_DELETEITEM;
constexpr UINT CN_DRAWITEM = CN_BASE + win::WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + win::WM_HSCROLL;
constexpr UINT CN_MEASUREITEM = CN_BASE + win::WM_MEASUREITEM;
constexpr UINT CN_PARENTNOTIFY = CN_BASE + win::WM_PARENTNOTIFY;
constexpr UINT CN_VKEYTOITEM = CN_BASE + win::WM_VKEYTOITEM;
constexpr UINT CN_VSCROLL = CN_BASE + win::WM_VSCROLL;
constexpr UINT CN_KEYDOWN = CN_BASE + win::WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + win::WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + win::WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + win::WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + win::WM_SYSCHAR;
constexpr UINT CN_NOTIFY = CN_BASE + win::WM_NOTIFY;

// ---- Message records ----
// Every record is a TMessage; the typed ones only add accessors, so a handler may take the
// record that names the fields it reads.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  uint16_t WParamLo() const { return win::LOWORD(WParam); }
  uint16_t WParamHi() const { return win::HIWORD(WParam); }
  uint16_t LParamLo() const { return win::LOWORD(static_cast<uintptr_t>(LParam)); }
  uint16_t LParamHi() const { return win::HIWORD(static_cast<uintptr_t>(LParam)); }
};

// Mouse messages: keys in WParam, client position in LParam.
struct TWMMouse : TMessage {
  uint32_t Keys() const { return static_cast<uint32_t>(WParam); }
  int XPos() const { return win::GET_X_LPARAM(LParam); }
  int YPos() const { return win::GET_Y_LPARAM(LParam); }
  TPoint Pos() const { return {XPos(), YPos()}; }
};
using TWMLButtonDown = TWMMouse;
using TWMLButtonUp = TWMMouse;
using TWMMouseMove = TWMMouse;
using TWMNCHitTest = TWMMouse;
using TCMHitTest = TWMMouse;
using TCMDesignHitTest = TWMMouse;

struct TWMMouseWheel : TMessage {
  uint16_t Keys() const { return WParamLo(); }
  int16_t WheelDelta() const { return static_cast<int16_t>(WParamHi()); }
  int XPos() const { return win::GET_X_LPARAM(LParam); }
  int YPos() const { return win::GET_Y_LPARAM(LParam); }
};

// Keys: the virtual key (or character) in WParam, the key data in LParam.
struct TWMKey : TMessage {
  uint16_t CharCode() const { return static_cast<uint16_t>(WParam); }
  void SetCharCode(uint16_t c) { WParam = c; }
  int32_t KeyData() const { return static_cast<int32_t>(LParam); }
};
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMChar = TWMKey;
using TCMDialogKey = TWMKey;
using TCMDialogChar = TWMKey;
using TCMWantSpecialKey = TWMKey;

struct TWMPaint : TMessage {
  win::HDC DC() const { return reinterpret_cast<win::HDC>(WParam); }
};
using TWMEraseBkgnd = TWMPaint;

struct TWMSize : TMessage {
  int Width() const { return LParamLo(); }
  int Height() const { return LParamHi(); }
};
struct TWMWindowPosMsg : TMessage {};
struct TWMSetFocus : TMessage {};
using TWMKillFocus = TWMSetFocus;
struct TWMActivate : TMessage {
  uint16_t Active() const { return WParamLo(); }
};
struct TWMCommand : TMessage {
  uint16_t NotifyCode() const { return WParamHi(); }
  win::HWND Ctl() const { return reinterpret_cast<win::HWND>(LParam); }
};
struct TWMSetCursor : TMessage {
  win::HWND CursorWnd() const { return reinterpret_cast<win::HWND>(WParam); }
  int16_t HitTest() const { return static_cast<int16_t>(LParamLo()); }
};
using TWMGetDlgCode = TMessage;
using TWMClose = TMessage;
using TWMDestroy = TMessage;

class TControl;
class TWinControl;
// CM_CONTROLCHANGE / CM_CONTROLLISTCHANGE: the control in WParam, inserting in LParam.
struct TCMControlChange : TMessage {
  TControl* Control() const { return reinterpret_cast<TControl*>(WParam); }
  bool Inserting() const { return LParam != 0; }
};
using TCMControlListChange = TCMControlChange;
// CM_FOCUSCHANGED: the newly focused control in LParam.
struct TCMFocusChanged : TMessage {
  TWinControl* Sender() const { return reinterpret_cast<TWinControl*>(LParam); }
};
struct THintInfo;
// CM_HINTSHOW: the hint information in LParam; a non-zero Result suppresses the hint.
struct TCMHintShow : TMessage {
  THintInfo* HintInfo() const { return reinterpret_cast<THintInfo*>(LParam); }
};

// Packs a pointer into LParam/WParam.
inline LPARAM PtrToLParam(const void* p) { return reinterpret_cast<LPARAM>(p); }
inline WPARAM PtrToWParam(const void* p) { return reinterpret_cast<WPARAM>(p); }

// ---- Message maps ----
using TMessageHandler = std::function<void(TObject* Self, TMessage& Message)>;

class TMessageMapEntries;
void AddMessageHandler(TMessageMapEntries& entries, UINT msg, TMessageHandler handler);

template <class C>
class TMessageMapBuilder {
 public:
  explicit TMessageMapBuilder(TMessageMapEntries& entries) : entries_(entries) {}
  template <class M, class R>
  TMessageMapBuilder& On(UINT msg, void (M::*handler)(R&)) {
    static_assert(std::is_base_of_v<TMessage, R> && sizeof(R) == sizeof(TMessage),
                  "a message record is a TMessage");
    AddMessageHandler(entries_, msg, [handler](TObject* self, TMessage& message) {
      (static_cast<C*>(self)->*handler)(static_cast<R&>(message));
    });
    return *this;
  }

 private:
  TMessageMapEntries& entries_;
};

using TMessageMapFiller = void (*)(TMessageMapEntries& entries);
struct TMessageMapRegistration {
  TMessageMapRegistration(TClass (*classGetter)(), TMessageMapFiller filler);
};

// Calls the handler of Message.Msg found from `cls` up through its ancestors; false when
// none of them handles it.
bool DispatchMessageMap(TObject* Self, TClass cls, TMessage& Message);
// The inherited handler of a handler declared in `from`: the nearest ancestor's handler of
// the same message, else Self's DefaultHandler.
void InheritedMessage(TObject* Self, TClass from, TMessage& Message);
// Whether `cls` or an ancestor handles `msg`.
bool HandlesMessage(TClass cls, UINT msg);

}  // namespace vcl

// Declares the class's message map. Written right after ZYL_CLASS, in the public access that
// leaves; it changes no access itself.
#define ZYL_MESSAGES(Class) static void DescribeMessages(::vcl::TMessageMapBuilder<Class>& m);

#define ZYL_MESSAGE_MAP(Class)                                                    \
  static const ::vcl::TMessageMapRegistration zylMessageMap_##Class(              \
      &Class::StaticClass, [](::vcl::TMessageMapEntries& e) {                     \
        ::vcl::TMessageMapBuilder<Class> b(e);                                    \
        Class::DescribeMessages(b);                                               \
      });                                                                         \
  void Class::DescribeMessages([[maybe_unused]] ::vcl::TMessageMapBuilder<Class>& m)

#define ZYL_INHERITED(Message) ::vcl::InheritedMessage(this, StaticClass(), Message)
