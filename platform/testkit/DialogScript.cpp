#include "platform/testkit/DialogScript.h"

#include <algorithm>
#include <set>

#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/testkit/TestKit.h"

namespace vcl::testkit {

namespace wt = win::testkit;

namespace {

std::string NoAccel(const std::string& s) {
  std::string r;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&' && i + 1 < s.size()) ++i;
    r += s[i];
  }
  return r;
}

std::string Describe(TCustomForm* form) {
  return "\"" + form->Caption() + "\" (" + form->Name() + ")";
}

template <class T>
T* Control(TCustomForm* form, const std::string& name) {
  auto* c = dynamic_cast<T*>(DialogControl(form, name));
  if (!c)
    throw EDialogScript("The dialog " + Describe(form) + " has no control " + name +
                        " of that kind");
  return c;
}

std::vector<TButton*> Buttons(TCustomForm* form) {
  std::vector<TButton*> list;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* b = dynamic_cast<TButton*>(form->Components(i)); b && b->Visible()) list.push_back(b);
  return list;
}

TShownDialog Record(TCustomForm* form) {
  TShownDialog d;
  d.Form = form->Name();
  d.Caption = form->Caption();
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* c = form->Components(i);
    const std::string& name = c->Name();
    if (auto* b = dynamic_cast<TButton*>(c)) {
      if (!b->Visible()) continue;
      d.Buttons.push_back(NoAccel(b->Caption()));
      if (b->Default()) d.DefaultButton = NoAccel(b->Caption());
    } else if (auto* e = dynamic_cast<TCustomEdit*>(c)) {
      d.Values[name] = e->Text();
    } else if (auto* l = dynamic_cast<TCustomListBox*>(c)) {
      const int index = l->ItemIndex();
      d.Values[name] = index >= 0 ? l->Items()->Get(index) : "";
    } else if (auto* b = dynamic_cast<TCustomComboBox*>(c)) {
      // A combo box with an edit shows what it holds there; a drop-down list its item.
      const int index = b->ItemIndex();
      d.Values[name] = b->EditHandle() ? b->Text() : index >= 0 ? b->Items()->Get(index) : "";
    } else if (auto* k = dynamic_cast<TCheckBox*>(c)) {
      d.Values[name] = k->Checked() ? "1" : "0";
    } else if (auto* r = dynamic_cast<TRadioButton*>(c)) {
      d.Values[name] = r->Checked() ? "1" : "0";
    } else if (auto* t = dynamic_cast<TLabel*>(c)) {
      if (name == "Message" || name == "Prompt") d.Text = t->Caption();
      if (name.size() < 5 || name.substr(name.size() - 5) != "Label") d.Values[name] = t->Caption();
    }
  }
  return d;
}

void PressButton(TCustomForm* form, const std::string& button) {
  for (TButton* b : Buttons(form)) {
    if (NoAccel(b->Caption()) != button && b->Name() != button) continue;
    if (!b->Enabled())
      throw EDialogScript("The button " + button + " of " + Describe(form) + " is disabled");
    ClickControl(b);
    return;
  }
  std::string have;
  for (TButton* b : Buttons(form)) have += (have.empty() ? "" : ", ") + NoAccel(b->Caption());
  throw EDialogScript("The dialog " + Describe(form) + " has no button " + button + " (it has " +
                      have + ")");
}

}  // namespace

// Forgets the forms seen once they are freed, so that a new form at the same address counts as
// a new dialog.
class TDialogScript::TWatcher : public TComponent {
 public:
  TWatcher() : TComponent(nullptr) {}
  ~TWatcher() override {
    for (TComponent* c : seen_) c->RemoveFreeNotification(this);
  }
  bool Seen(TComponent* c) const { return seen_.count(c) != 0; }
  void Add(TComponent* c) {
    seen_.insert(c);
    c->FreeNotification(this);
  }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) seen_.erase(AComponent);
  }

 private:
  std::set<TComponent*> seen_;
};

TDialogScript::TDialogScript() : watcher_(std::make_unique<TWatcher>()) {
  previous_ = SetModalFormHandler([this](TCustomForm* form) { Handle(form); });
}

TDialogScript::~TDialogScript() { SetModalFormHandler(previous_); }

void TDialogScript::Handle(TCustomForm* form) {
  const bool again = watcher_->Seen(form);
  if (!again) {
    watcher_->Add(form);
    shown_.push_back(Record(form));
  }
  if (answers_.empty()) {
    throw EDialogScript(again ? "The dialog " + Describe(form) + " stayed open after its answer"
                              : "No answer is scripted for the dialog " + Describe(form));
  }
  auto answer = std::move(answers_.front());
  answers_.erase(answers_.begin());
  answer(form);
  // A dialog the answer left open hears from its loop again once that goes idle: a message
  // wakes the loop, which otherwise waits for input that never comes.
  if (watcher_->Seen(form) && form->FormState().contains(fsModal) && form->ModalResult() == mrNone)
    win::PostMessageA(form->Handle(), win::WM_NULL, 0, 0);
}

TDialogScript& TDialogScript::Do(std::function<void(TCustomForm*)> answer) {
  answers_.push_back(std::move(answer));
  return *this;
}

TDialogScript& TDialogScript::Press(const std::string& button) {
  return Do([button](TCustomForm* form) { PressButton(form, button); });
}

TDialogScript& TDialogScript::PressKey(uint8_t vk) {
  return Do([vk](TCustomForm*) { wt::KeyPress(vk); });
}

TDialogScript& TDialogScript::Type(const std::string& text, const std::string& button) {
  return Do([text, button](TCustomForm* form) {
    TWinControl* edit = dynamic_cast<TCustomEdit*>(form->ActiveControl());
    for (int i = 0; !edit && i < form->ComponentCount(); ++i)
      edit = dynamic_cast<TCustomEdit*>(form->Components(i));
    if (!edit) throw EDialogScript("The dialog " + Describe(form) + " has no edit");
    TypeInto(edit, text);
    if (!button.empty()) PressButton(form, button);
  });
}

TDialogScript& TDialogScript::ChooseFiles(const std::vector<std::string>& names) {
  return Do([names](TCustomForm* form) {
    // The Look in box's chosen item is the folder shown.
    auto* lookIn = Control<TCustomComboBox>(form, "Folder");
    const std::string folder =
        lookIn->ItemIndex() >= 0 ? lookIn->Items()->Get(lookIn->ItemIndex()) : "";
    auto* files = Control<TCustomListBox>(form, "Files");
    if (names.empty()) throw EDialogScript("No file name to choose in " + Describe(form));
    if (names.size() > 1 && !files->MultiSelect())
      throw EDialogScript("The dialog " + Describe(form) + " takes one file only");
    std::string text;
    for (const std::string& n : names) {
      const bool absolute =
          !n.empty() && (n[0] == '/' || n[0] == '\\' || (n.size() > 1 && n[1] == ':'));
      const std::string full = absolute ? n : IncludeTrailingPathDelimiter(folder) + n;
      const std::string dir = ExtractFileDir(full);
      if (!dir.empty() && !DirectoryExists(dir))
        throw EDialogScript("The folder of " + n + " does not exist (dialog " + Describe(form) +
                            ")");
      text += names.size() > 1 ? (text.empty() ? "\"" : " \"") + n + "\"" : n;
    }
    TypeInto(Control<TWinControl>(form, "FileName"), text);
    PressButton(form, "OK");
  });
}

TDialogScript& TDialogScript::ChooseColor(TColor color) {
  return Do([color](TCustomForm* form) {
    const TColor rgb = ColorToRGB(color);
    auto* basic = Control<TWinControl>(form, "BasicColors");
    const std::vector<TColor>& colors = TColorDialog::BasicColors();
    const auto it = std::find(colors.begin(), colors.end(), rgb);
    if (it != colors.end()) {
      const int i = static_cast<int>(it - colors.begin());
      const int w = basic->ClientWidth() / 8, h = basic->ClientHeight() / 6;
      const TPoint p = basic->ClientToScreen({(i % 8) * w + w / 2, (i / 8) * h + h / 2});
      wt::Click(p.X, p.Y);
    } else {
      auto* red = Control<TWinControl>(form, "Red");
      if (!red->Visible()) {
        auto* define = Control<TButton>(form, "Define");
        if (!define->Enabled())
          throw EDialogScript("The dialog " + Describe(form) + " offers no colour " +
                              IntToHex(rgb, 6));
        ClickControl(define);
      }
      const uint32_t c = static_cast<uint32_t>(rgb);
      TypeInto(red, IntToStr(c & 0xFF));
      TypeInto(Control<TWinControl>(form, "Green"), IntToStr((c >> 8) & 0xFF));
      TypeInto(Control<TWinControl>(form, "Blue"), IntToStr((c >> 16) & 0xFF));
    }
    PressButton(form, "OK");
  });
}

TDialogScript& TDialogScript::ChooseFont(const std::string& name, int size, TFontStyles style,
                                         TColor color) {
  return Do([=](TCustomForm* form) {
    auto* names = Control<TCustomComboBox>(form, "FontName");
    if (names->Items()->IndexOf(name) < 0)
      throw EDialogScript("The dialog " + Describe(form) + " lists no font " + name);
    TypeInto(names, name);
    auto* styleEdit = Control<TWinControl>(form, "FontStyle");
    if (styleEdit->Enabled()) {
      const bool bold = style.contains(fsBold), italic = style.contains(fsItalic);
      TypeInto(styleEdit, bold && italic ? "Bold Italic"
                          : bold         ? "Bold"
                          : italic       ? "Italic"
                                         : "Regular");
    }
    TypeInto(Control<TWinControl>(form, "FontSize"), IntToStr(size));
    for (auto [box, item] :
         {std::pair{"Underline", fsUnderline}, std::pair{"StrikeOut", fsStrikeOut}}) {
      auto* check = Control<TCheckBox>(form, box);
      if (check->Visible() && check->Checked() != style.contains(item)) ClickControl(check);
    }
    if (color != clNone) {
      static const char* const kNames[] = {"Black", "Maroon",  "Green",  "Olive", "Navy", "Purple",
                                           "Teal",  "Gray",    "Silver", "Red",   "Lime", "Yellow",
                                           "Blue",  "Fuchsia", "Aqua",   "White"};
      static const TColor kColors[] = {clBlack, clMaroon,  clGreen,  clOlive, clNavy, clPurple,
                                       clTeal,  clGray,    clSilver, clRed,   clLime, clYellow,
                                       clBlue,  clFuchsia, clAqua,   clWhite};
      const auto it = std::find(std::begin(kColors), std::end(kColors), color);
      if (it == std::end(kColors))
        throw EDialogScript("The dialog " + Describe(form) + " offers no font colour " +
                            IntToHex(color, 6));
      ChooseListItem(Control<TWinControl>(form, "Colors"), kNames[it - std::begin(kColors)]);
    }
    PressButton(form, "OK");
  });
}

TDialogScript& TDialogScript::ChooseFolder(const std::string& path) {
  return Do([path](TCustomForm* form) {
    auto* tree = Control<TCustomListBox>(form, "Folders");
    // The tree's items are indented two spaces a level. Its top item is a folder's full path,
    // or the desktop above the file system's root "/".
    if (tree->Items()->Count() == 0)
      throw EDialogScript("The dialog " + Describe(form) + " shows no folder tree");
    const std::string top = tree->Items()->Get(0);
    std::string rest = path;
    std::vector<std::string> parts;
    if (!top.empty() && top[0] == '/') {
      const std::string base = IncludeTrailingPathDelimiter(top);
      if (path != top && path.compare(0, base.size(), base) != 0)
        throw EDialogScript("The folder " + path + " is outside the tree of " + Describe(form));
      rest = path.size() > base.size() ? path.substr(base.size()) : "";
    } else {
      parts.push_back("/");
    }
    std::string part;
    for (char ch : rest) {
      if (ch == '/' || ch == '\\') {
        if (!part.empty()) parts.push_back(part);
        part.clear();
      } else {
        part += ch;
      }
    }
    if (!part.empty()) parts.push_back(part);
    if (!DirectoryExists(path)) throw EDialogScript("The folder " + path + " does not exist");
    // Find the deepest item of the tree that is an ancestor of path, then open the rest.
    auto depthOf = [](const std::string& s) {
      return static_cast<int>(s.find_first_not_of(' ')) / 2;
    };
    size_t matched = 0;
    int start = -1;
    for (int i = 0; i < tree->Items()->Count(); ++i) {
      const std::string item = tree->Items()->Get(i);
      const int depth = depthOf(item);
      if (depth == 0) {
        start = i;
        continue;
      }
      const size_t level = static_cast<size_t>(depth) - 1;
      if (level == matched && level < parts.size() && Trim(item) == parts[level]) {
        start = i;
        ++matched;
      }
    }
    ChooseListItem(tree, tree->Items()->Get(start), true);
    while (matched < parts.size()) {
      const std::string want = std::string((matched + 1) * 2, ' ') + parts[matched];
      if (tree->Items()->IndexOf(want) < 0)
        throw EDialogScript("The dialog " + Describe(form) + " does not show the folder " +
                            parts[matched]);
      ChooseListItem(tree, want, true);
      ++matched;
    }
    PressButton(form, "OK");
  });
}

TComponent* DialogControl(TCustomForm* form, const std::string& name) {
  TComponent* c = form->FindComponent(name);
  if (!c) throw EDialogScript("The dialog " + Describe(form) + " has no control " + name);
  return c;
}

void ClickControl(TControl* control, bool twice) {
  const TPoint p = control->ClientToScreen({control->Width() / 2, control->Height() / 2});
  if (twice)
    wt::DoubleClick(p.X, p.Y);
  else
    wt::Click(p.X, p.Y);
}

void TypeInto(TWinControl* edit, const std::string& text) {
  if (!edit->Visible() || !edit->Enabled())
    throw EDialogScript("The edit " + edit->Name() + " cannot be typed into");
  // A combo box is typed into through its edit (over the list of a simple one).
  auto* combo = dynamic_cast<TCustomComboBox*>(edit);
  if (combo && combo->EditHandle()) {
    win::RECT r{};
    win::GetWindowRect(combo->EditHandle(), &r);
    wt::Click((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  } else if (combo) {
    throw EDialogScript("The combo box " + edit->Name() + " has no edit to type into");
  } else {
    ClickControl(edit);
  }
  wt::KeyPress(win::VK_HOME);
  wt::SetShiftState(true, false, false);
  wt::KeyPress(win::VK_END);
  wt::SetShiftState(false, false, false);
  if (text.empty())
    wt::KeyPress(win::VK_DELETE);
  else
    wt::TypeText(text);
}

void ChooseListItem(TWinControl* control, const std::string& item, bool open) {
  if (auto* combo = dynamic_cast<TCustomComboBox*>(control)) {
    const int index = combo->Items()->IndexOf(item);
    if (index < 0) throw EDialogScript("The combo box " + combo->Name() + " has no item " + item);
    combo->SetFocus();
    wt::RunUntilIdle();
    if (!combo->EditHandle()) {
      // A drop-down list opens, its highlight goes to the item and Return takes it: the combo
      // chooses once.
      if (!combo->DroppedDown()) wt::KeyPress(win::VK_F4);
      wt::KeyPress(win::VK_HOME);
      for (int i = 0; i < index; ++i) wt::KeyPress(win::VK_DOWN);
      wt::KeyPress(win::VK_RETURN);
      return;
    }
    // A closed combo box with an edit steps through its items from the keyboard as a list does.
    wt::KeyPress(win::VK_HOME);
    for (int i = 0; i < index; ++i) wt::KeyPress(win::VK_DOWN);
    return;
  }
  auto* list = dynamic_cast<TCustomListBox*>(control);
  if (!list) throw EDialogScript(control->Name() + " is no list");
  const int index = list->Items()->IndexOf(item);
  if (index < 0) throw EDialogScript("The list " + list->Name() + " has no item " + item);
  const TRect first = list->ItemRect(list->TopIndex());
  const TPoint p = list->ClientToScreen({first.Left + 2, (first.Top + first.Bottom) / 2});
  wt::Click(p.X, p.Y);
  wt::KeyPress(win::VK_HOME);
  for (int i = 0; i < index; ++i) wt::KeyPress(win::VK_DOWN);
  if (open) {
    const TRect r = list->ItemRect(index);
    const TPoint q = list->ClientToScreen({r.Left + 2, (r.Top + r.Bottom) / 2});
    wt::DoubleClick(q.X, q.Y);
  }
}

}  // namespace vcl::testkit
