// Message dialogs. There is no screen to show them on: every call is recorded (the text,
// type, buttons and help context) and answered by the installed answer handler, or, without
// one, by the result of the first of its buttons (OK, Yes, ... in the order of TMsgDlgBtn).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/base/Sets.h"
#include "platform/classes/Object.h"
#include "platform/controls/Controls.h"

namespace vcl {

ZYL_ENUM(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
ZYL_ENUM(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll,
         mbYesToAll, mbHelp)
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

struct TMessageDlgRecord {
  std::string Msg;
  TMsgDlgType DlgType = mtCustom;
  TMsgDlgButtons Buttons;
  int32_t HelpCtx = 0;
};

int32_t MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                   int32_t HelpCtx);
// The dialogs shown since the last clear.
const std::vector<TMessageDlgRecord>& MessageDlgLog();
void ClearMessageDlgLog();
// Tests answer dialogs: the handler gets each record and returns the modal result. Returns
// the previous handler.
using TMessageDlgHandler = std::function<TModalResult(const TMessageDlgRecord& Dlg)>;
TMessageDlgHandler SetMessageDlgHandler(TMessageDlgHandler Handler);

}  // namespace vcl
