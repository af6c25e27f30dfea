#include "platform/controls/Dialogs.h"

#include <utility>

#include "platform/controls/Forms.h"

namespace vcl {

namespace {

std::vector<TMessageDlgRecord>& Log() {
  static std::vector<TMessageDlgRecord> v;
  return v;
}
TMessageDlgHandler& Handler() {
  static TMessageDlgHandler h;
  return h;
}

TModalResult ButtonResult(TMsgDlgBtn b) {
  switch (b) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrAll + 1;
    case mbYesToAll: return mrAll + 2;
    case mbHelp: return mrNone;
  }
  return mrNone;
}

}  // namespace

int32_t MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                   int32_t HelpCtx) {
  TMessageDlgRecord r;
  r.Msg = Msg;
  r.DlgType = DlgType;
  r.Buttons = Buttons;
  r.HelpCtx = HelpCtx;
  Log().push_back(r);
  if (Handler()) return Handler()(r);
  for (int b = mbYes; b <= mbYesToAll; ++b)
    if (Buttons.contains(static_cast<TMsgDlgBtn>(b))) return ButtonResult(static_cast<TMsgDlgBtn>(b));
  return mrNone;
}

const std::vector<TMessageDlgRecord>& MessageDlgLog() { return Log(); }
void ClearMessageDlgLog() { Log().clear(); }

TMessageDlgHandler SetMessageDlgHandler(TMessageDlgHandler NewHandler) {
  return std::exchange(Handler(), std::move(NewHandler));
}

}  // namespace vcl
