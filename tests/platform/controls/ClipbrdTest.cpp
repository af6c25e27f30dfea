// The framework's clipboard object: text, handles, components, pictures, and copying in one
// program and pasting in another (this test program started again as the other one).
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

using namespace vcl;

namespace {

class ClipbrdTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("ZYL_CLIPBOARD_CHILD")) setenv("ZYL_CLIPBOARD_FILE", dir_.File("clip").c_str(), 1);
  }
  void TearDown() override {
    if (!std::getenv("ZYL_CLIPBOARD_CHILD")) unsetenv("ZYL_CLIPBOARD_FILE");
  }
  // Runs this test program again with one test selected and the child's task in the
  // environment; its exit code.
  win::DWORD RunChild(const std::string& task) {
    setenv("ZYL_CLIPBOARD_CHILD", task.c_str(), 1);
    std::string line = "/proc/self/exe --gtest_filter=ClipbrdChild.Task";
    win::PROCESS_INFORMATION pi;
    const bool started = win::CreateProcessA(nullptr, line.data(), nullptr, nullptr, 0, 0, nullptr,
                                             nullptr, nullptr, &pi);
    unsetenv("ZYL_CLIPBOARD_CHILD");
    if (!started) return 9999;
    win::WaitForSingleObject(pi.hProcess, win::INFINITE);
    win::DWORD code = 0;
    win::GetExitCodeProcess(pi.hProcess, &code);
    win::CloseHandle(pi.hProcess);
    return code;
  }
  testsupport::TempDir dir_;
  testkit::TControlsSession session_;
};

TEST_F(ClipbrdTest, TextAndBuffers) {
  TClipboard* c = Clipboard();
  c->SetAsText("line one\r\nline two");
  EXPECT_TRUE(c->HasFormat(win::CF_TEXT));
  EXPECT_EQ(c->AsText(), "line one\r\nline two");
  char small[6];
  EXPECT_EQ(c->GetTextBuf(small, sizeof small), 5);
  EXPECT_STREQ(small, "line ");
  c->SetTextBuf(nullptr);
  EXPECT_EQ(c->AsText(), "");
  c->Clear();
  EXPECT_FALSE(c->HasFormat(win::CF_TEXT));
  EXPECT_EQ(c->AsText(), "");
  EXPECT_EQ(c->FormatCount(), 0);
  EXPECT_EQ(testsupport::ErrorOf<EListError>([&] { c->Formats(0); }), "List index out of bounds (0)");
}

TEST_F(ClipbrdTest, OneOpenBracketKeepsSeveralFormats) {
  TClipboard* c = Clipboard();
  const win::UINT mine = win::RegisterClipboardFormatA("Clipbrd Test");
  c->Open();
  c->SetAsText("text");
  win::HGLOBAL h = win::GlobalAlloc(win::GMEM_MOVEABLE, 2);
  c->SetAsHandle(mine, h);
  c->Close();
  EXPECT_EQ(c->FormatCount(), 2);
  EXPECT_EQ(c->Formats(0), win::CF_TEXT);
  EXPECT_EQ(c->Formats(1), mine);
  c->SetAsText("alone");  // outside a bracket, each write starts afresh
  EXPECT_FALSE(c->HasFormat(mine));
  EXPECT_EQ(testsupport::ErrorOf<Exception>([&] { c->SetAsHandle(win::CF_TEXT, nullptr); }),
            "Cannot put data of format 1 on the clipboard");
}

TEST_F(ClipbrdTest, ComponentsCopyAndPaste) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->SetName("Button1");
  button->SetCaption("Copy me");
  button->SetBounds(10, 20, 90, 30);
  TClipboard* c = Clipboard();
  EXPECT_EQ(c->GetComponent(form.get(), form.get()), nullptr);  // nothing there yet
  EXPECT_EQ(c->ComponentClassName(), "");
  c->SetComponent(button);
  EXPECT_TRUE(c->HasFormat(CF_COMPONENT));
  delete button;
  TComponent* pasted = c->GetComponent(form.get(), form.get());
  auto* copy = dynamic_cast<TButton*>(pasted);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Owner(), form.get());
  EXPECT_EQ(copy->Parent(), form.get());
  EXPECT_EQ(copy->Caption(), "Copy me");
  EXPECT_EQ(copy->Left(), 10);
  EXPECT_EQ(copy->Width(), 90);
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { c->SetComponent(nullptr); }), "No component to copy");
}

// The component format's bytes go on and come off the clipboard as they are: a designer's
// copy of several components is read by the one-component paste as its first component.
TEST_F(ClipbrdTest, AComponentStreamIsKeptAsItIs) {
  TClipboard* c = Clipboard();
  EXPECT_EQ(c->ComponentStream(), "");
  std::unique_ptr<TForm> form(new TForm(nullptr));
  auto* first = new TButton(form.get());
  first->SetName("First");
  auto* second = new TEdit(form.get());
  second->SetName("Second");
  TStringStream stream;
  {
    TWriter writer(&stream, 4096);
    writer.SetRoot(form.get());
    writer.WriteSignature();
    writer.WriteComponent(first);
    writer.WriteComponent(second);
  }
  c->SetComponentStream(stream.DataString());
  EXPECT_TRUE(c->HasFormat(CF_COMPONENT));
  EXPECT_EQ(c->ComponentStream(), stream.DataString());
  EXPECT_EQ(c->ComponentClassName(), "TButton");
  std::unique_ptr<TForm> other(new TForm(nullptr));
  EXPECT_NE(dynamic_cast<TButton*>(c->GetComponent(other.get(), other.get())), nullptr);
  c->Clear();
}

TEST_F(ClipbrdTest, APanelWithChildrenPastesOntoAnotherForm) {
  std::unique_ptr<TForm> source(new TForm(nullptr));
  auto* panel = new TPanel(source.get());
  panel->SetParent(source.get());
  panel->SetName("Panel1");
  panel->SetBounds(5, 6, 200, 100);
  auto* button = new TButton(source.get());
  button->SetName("Inner");
  button->SetCaption("Inside");
  button->SetParent(panel);
  button->SetBounds(7, 8, 60, 25);
  auto* edit = new TEdit(source.get());
  edit->SetName("Field");
  edit->SetText("typed");
  edit->SetParent(panel);
  Clipboard()->SetComponent(panel);
  source.reset();  // the copy no longer depends on the original

  std::unique_ptr<TForm> target(new TForm(nullptr));
  auto* pasted = dynamic_cast<TPanel*>(Clipboard()->GetComponent(target.get(), target.get()));
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->Name(), "Panel1");
  EXPECT_EQ(pasted->Parent(), target.get());
  EXPECT_EQ(pasted->Owner(), target.get());
  EXPECT_EQ(pasted->Left(), 5);
  EXPECT_EQ(pasted->Height(), 100);
  ASSERT_EQ(pasted->ControlCount(), 2);
  auto* innerButton = dynamic_cast<TButton*>(pasted->Controls(0));
  auto* innerEdit = dynamic_cast<TEdit*>(pasted->Controls(1));
  ASSERT_NE(innerButton, nullptr);
  ASSERT_NE(innerEdit, nullptr);
  EXPECT_EQ(innerButton->Name(), "Inner");
  EXPECT_EQ(innerButton->Caption(), "Inside");
  EXPECT_EQ(innerButton->Top(), 8);
  EXPECT_EQ(innerButton->Width(), 60);
  EXPECT_EQ(innerEdit->Name(), "Field");
  EXPECT_EQ(innerEdit->Text(), "typed");
  // A second paste onto the same form would clash with the first copy's name: refused, with
  // nothing added; onto another form it is a copy of its own with its own children.
  const int before = target->ComponentCount();
  EXPECT_EQ(testsupport::ErrorOf<EReadError>(
                [&] { Clipboard()->GetComponent(target.get(), target.get()); }),
            "A component named Panel1 already exists.");
  EXPECT_EQ(target->ComponentCount(), before);
  EXPECT_EQ(target->ControlCount(), 1);
  std::unique_ptr<TForm> other(new TForm(nullptr));
  auto* secondPanel = dynamic_cast<TPanel*>(Clipboard()->GetComponent(other.get(), other.get()));
  ASSERT_NE(secondPanel, nullptr);
  EXPECT_EQ(secondPanel->ControlCount(), 2);
  EXPECT_EQ(pasted->ControlCount(), 2);

  // Every shorter stream of the same panel is refused, and the form keeps what it had.
  TClipboard* c = Clipboard();
  c->SetComponent(pasted);
  std::string whole;
  {
    c->Open();
    win::HANDLE h = c->GetAsHandle(CF_COMPONENT);
    whole.assign(static_cast<const char*>(win::GlobalLock(h)), win::GlobalSize(h));
    win::GlobalUnlock(h);
    c->Close();
  }
  const int count = other->ComponentCount();
  for (size_t cut = 1; cut < whole.size(); ++cut) {
    c->Open();
    c->Clear();
    win::HGLOBAL h = win::GlobalAlloc(win::GMEM_MOVEABLE, cut);
    std::copy(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut),
              static_cast<char*>(win::GlobalLock(h)));
    win::GlobalUnlock(h);
    c->SetAsHandle(CF_COMPONENT, h);
    c->Close();
    std::unique_ptr<TForm> fresh(new TForm(nullptr));
    EXPECT_NE(testsupport::ErrorOf<EReadError>([&] { c->GetComponent(fresh.get(), fresh.get()); }),
              "<no error>")
        << "cut at " << cut;
    EXPECT_EQ(fresh->ComponentCount(), 0) << "cut at " << cut;
    EXPECT_EQ(fresh->ControlCount(), 0) << "cut at " << cut;
  }
  EXPECT_EQ(other->ComponentCount(), count);
}

TEST_F(ClipbrdTest, ForeignOrDamagedComponentStreamsCreateNothing) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  auto* button = new TButton(form.get());
  button->SetName("Button1");
  const std::string good = WriteComponentToBytes(button);
  std::string foreign = good;
  foreign.replace(foreign.find("TButton"), 7, "TNoSuch");
  const int before = form->ComponentCount();
  auto put = [&](const std::string& bytes) {
    TClipboard* c = Clipboard();
    c->Open();
    c->Clear();
    win::HGLOBAL h = win::GlobalAlloc(win::GMEM_MOVEABLE, bytes.size());
    std::copy(bytes.begin(), bytes.end(), static_cast<char*>(win::GlobalLock(h)));
    win::GlobalUnlock(h);
    c->SetAsHandle(CF_COMPONENT, h);
    c->Close();
  };
  // The class name is read from the head of the stream alone, whatever the class.
  put(good);
  EXPECT_EQ(Clipboard()->ComponentClassName(), "TButton");
  put(foreign);
  EXPECT_EQ(Clipboard()->ComponentClassName(), "TNoSuch");
  EXPECT_EQ(testsupport::ErrorOf<EClassNotFound>([&] { Clipboard()->GetComponent(form.get(), form.get()); }),
            "Class TNoSuch not found");
  put(good.substr(0, good.size() - 3));
  EXPECT_NE(testsupport::ErrorOf<EReadError>([&] { Clipboard()->GetComponent(form.get(), form.get()); }),
            "<no error>");
  put("TPF0");
  EXPECT_NE(testsupport::ErrorOf<EReadError>([&] { Clipboard()->GetComponent(form.get(), form.get()); }),
            "<no error>");
  EXPECT_NE(testsupport::ErrorOf<EReadError>([&] { Clipboard()->ComponentClassName(); }),
            "<no error>");
  EXPECT_EQ(form->ComponentCount(), before);
}

TEST_F(ClipbrdTest, BitmapsAndPictures) {
  TBitmap source;
  source.SetSize(4, 3);
  source.Canvas()->Brush()->SetColor(clRed);
  source.Canvas()->FillRect(win::TRect{0, 0, 4, 3});
  source.Canvas()->SetPixels(1, 2, clBlue);
  TClipboard* c = Clipboard();
  c->Assign(&source);
  EXPECT_TRUE(c->HasFormat(win::CF_BITMAP));
  TBitmap pasted;
  pasted.Assign(c);
  ASSERT_EQ(pasted.Width(), 4);
  ASSERT_EQ(pasted.Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(pasted.Canvas()->Pixels(x, y), source.Canvas()->Pixels(x, y)) << x << "," << y;
  TPicture picture;
  picture.Assign(c);
  EXPECT_EQ(picture.Width(), 4);

  c->SetAsText("no picture");
  EXPECT_EQ(testsupport::ErrorOf<EConvertError>([&] { pasted.Assign(c); }), "The clipboard holds no picture");
  TStringList strings;
  EXPECT_NE(testsupport::ErrorOf<EConvertError>([&] { c->Assign(&strings); }), "<no error>");
}

TEST_F(ClipbrdTest, CopyInOneProgramPasteInAnother) {
  Clipboard()->SetAsText("from parent");
  EXPECT_EQ(RunChild("paste"), 0u);
  EXPECT_EQ(Clipboard()->AsText(), "from child");
  Clipboard()->Open();  // while this program holds it, the other cannot open it
  EXPECT_EQ(RunChild("busy"), 0u);
  Clipboard()->Close();
}

// The other program's side of the test above; does nothing in a normal run.
TEST(ClipbrdChild, Task) {
  const char* task = std::getenv("ZYL_CLIPBOARD_CHILD");
  if (!task) GTEST_SKIP() << "runs only as the child of CopyInOneProgramPasteInAnother";
  testkit::TControlsSession session;
  if (std::string(task) == "paste") {
    EXPECT_EQ(Clipboard()->AsText(), "from parent");
    Clipboard()->SetAsText("from child");
  } else {
    EXPECT_TRUE(Clipboard()->HasFormat(win::CF_TEXT));
    EXPECT_EQ(testsupport::ErrorOf<Exception>([] { Clipboard()->Open(); }), "Cannot open clipboard");
  }
}

}  // namespace
