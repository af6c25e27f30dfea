// What the dialog units share: measuring in dialog units and building the dialogs' forms.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"

namespace vcl::dialogs {

// The average width of a letter and the height of a line of Font, in pixels.
TPoint DialogUnits(TFont* Font);
// The size DrawText gives Text in Font wrapped within MaxWidth pixels (DT_WORDBREAK; with
// Prefix '&' marks an accelerator and is not drawn).
TSize TextSize(TFont* Font, const std::string& Text, int MaxWidth, bool Prefix = true,
               bool BreakWords = false);

// A dialog form without a frame stream: single border, the caption, client size, centred on
// the screen.
TForm* NewDialogForm(const std::string& Caption, int ClientWidth, int ClientHeight);

// Controls placed on a dialog form, named, owned by the form.
TButton* AddButton(TForm* Form, const char* Name, const std::string& Caption, TModalResult Result,
                   int X, int Y, int W, int H);
TLabel* AddLabel(TForm* Form, const char* Name, const std::string& Caption, int X, int Y);
TEdit* AddEdit(TForm* Form, const char* Name, const std::string& Text, int X, int Y, int W);
TListBox* AddListBox(TForm* Form, const char* Name, int X, int Y, int W, int H);
// A combo box of the given width, a drop-down list (csDropDownList) unless Style says otherwise;
// H is the height of a simple one (csSimple: an edit over a list that always shows).
TComboBox* AddComboBox(TForm* Form, const char* Name, int X, int Y, int W,
                       TComboBoxStyle Style = csDropDownList, int H = 0);
TCheckBox* AddCheckBox(TForm* Form, const char* Name, const std::string& Caption, bool Checked,
                       int X, int Y, int W);

// Shows Form modally as Dialog's window: Handle (the dialog's) holds the form's window while it
// is shown, OnShow comes before and OnClose after, Accept runs when the user accepted the form.
// Answers whether they did.
bool ShowDialogForm(TCommonDialog* Dialog, win::HWND& Handle, TCustomForm* Form,
                    const std::function<void()>& Accept);

// Hue, luminance and saturation in 0..240 (hue below 240) and back.
void ColorToHls(TColor Color, int& H, int& L, int& S);
TColor HlsToColor(int H, int L, int S);

// A filter "Text|*.txt|All|*.*" as (description, masks) pairs.
std::vector<std::pair<std::string, std::string>> ParseFilter(const std::string& Filter);
// The names typed in a file-name edit: one name, or with Multi each name in quotes.
std::vector<std::string> SplitNames(const std::string& Text, bool Multi);

// Makes the shell's SHBrowseForFolderA show the framework's folder browser.
void InstallFolderBrowser();

}  // namespace vcl::dialogs
