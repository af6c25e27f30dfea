// Answers the dialogs a test brings up, as a user would: each answer types into and clicks the
// controls of the shown form through the test kit's input. The script records what each dialog
// showed. While a script is installed, a modal dialog that finds no answer left (or that stays
// open after its answer) ends the call that showed it with EDialogScript; so does an answer
// that does not fit the dialog (a button it does not have, a file in a missing folder, a colour
// it does not offer, a font it does not list).
//
//   TDialogScript script;
//   script.Press("Yes").ChooseFiles({"a.txt"});
//   form->SaveAll();                       // asks "Save?" then shows the save dialog
//   EXPECT_EQ(script.Shown()[0].Text, "Save?");
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/controls/Dialogs.h"

namespace vcl::testkit {

using EDialogScript = vcl::TNamedException<"EDialogScript", Exception>;

// What a dialog showed when it came up.
struct TShownDialog {
  std::string Form;     // the form's name: "MessageForm", "MessageBox", "InputForm", ...
  std::string Caption;  // its title
  std::string Text;     // the message, or the prompt of an input box
  std::vector<std::string> Buttons;  // captions of the visible buttons, without '&'
  std::string DefaultButton;
  // The starting values of the form's controls by name: edits' text, list boxes' selected
  // item, check boxes and radio buttons as "1" / "0", plain labels' captions.
  std::map<std::string, std::string> Values;
};

class TDialogScript {
 public:
  TDialogScript();
  ~TDialogScript();
  TDialogScript(const TDialogScript&) = delete;
  TDialogScript& operator=(const TDialogScript&) = delete;

  // Each call adds the answer to the next dialog that comes up (or to the same one when the
  // previous answer left it open).
  // Clicks the button shown as `button` (caption without '&', or its name).
  TDialogScript& Press(const std::string& button);
  // Presses a key (VK_RETURN for the default button, VK_ESCAPE to cancel, VK_TAB, ...).
  TDialogScript& PressKey(uint8_t vk);
  // Replaces the text of the focused edit (or the form's first edit) by typing, then presses
  // `button` ("" presses nothing).
  TDialogScript& Type(const std::string& text, const std::string& button = "OK");
  // Open and save dialogs: types the names (relative to the folder shown, or full) into the
  // file-name edit and presses its Open / Save button.
  TDialogScript& ChooseFiles(const std::vector<std::string>& names);
  // Colour dialog: clicks the basic colour, or defines it in the full-open part.
  TDialogScript& ChooseColor(TColor color);
  // Font dialog: types the family, style ("Regular", "Bold", "Italic", "Bold Italic") and size,
  // sets underline and strike-out as `style` asks, picks `color` (clNone: leave it).
  TDialogScript& ChooseFont(const std::string& name, int size, TFontStyles style = {},
                            TColor color = clNone);
  // Folder browser: opens the folders of `path` one by one from the top of its tree and
  // presses OK.
  TDialogScript& ChooseFolder(const std::string& path);
  // Any other steps a user takes on the form.
  TDialogScript& Do(std::function<void(TCustomForm*)> answer);

  const std::vector<TShownDialog>& Shown() const { return shown_; }
  // Answers not used yet.
  size_t Pending() const { return answers_.size(); }

 private:
  class TWatcher;
  void Handle(TCustomForm* form);
  std::vector<std::function<void(TCustomForm*)>> answers_;
  std::vector<TShownDialog> shown_;
  std::unique_ptr<TWatcher> watcher_;
  TModalFormHandler previous_;
};

// Test kit steps on a form's controls, shared by the answers.
// The component of that name (any class), or EDialogScript.
TComponent* DialogControl(TCustomForm* form, const std::string& name);
// Replaces the text of an edit, or of a combo box's edit, by keyboard: focus, select all, type.
void TypeInto(TWinControl* edit, const std::string& text);
// Clicks the centre of a control.
void ClickControl(TControl* control, bool twice = false);
// Selects the item of a list box, or of a combo box, by keyboard (Home, then Down; a drop-down
// list is opened with F4 and the item taken with Return); EDialogScript when it is not there.
void ChooseListItem(TWinControl* list, const std::string& item, bool open = false);

}  // namespace vcl::testkit
