// formview: shows a form file (binary or text form stream) on the headless screen and writes
// a PNG of its window, and optionally of the whole screen.
//
//   formview FORM.dfm OUT.png [--package PACKAGE.so]... [--screen SCREEN.png]
//            [--size WIDTHxHEIGHT] [--client] [--open CONTROL]
//
// --open focuses the named windowed control and presses F4, the key that drops down combo boxes
// and the library's drop-down edits; the picture is then the screen inside the form's window,
// so that what dropped down over the form shows too.
//
// The form's classes must be among the registered control classes: the framework's standard
// controls, and those the given run-time packages register when they are loaded (they are
// loaded after the headless screen is up and unloaded in reverse order at the end). Event
// handlers named in
// the file are ignored (the form has no code behind it). Exit code 0 on success, 1 on a bad
// command line, 2 when the form cannot be read or the picture cannot be written.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/classes/Streams.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"

namespace {

// The screen's pixels inside a window (its client area only without nonClient).
win::testkit::TCapture ScreenInside(win::HWND Wnd, bool nonClient) {
  win::RECT r{};
  if (nonClient) {
    win::GetWindowRect(Wnd, &r);
  } else {
    win::GetClientRect(Wnd, &r);
    win::POINT o{0, 0};
    win::ClientToScreen(Wnd, &o);
    win::OffsetRect(&r, o.X, o.Y);
  }
  const win::testkit::TCapture screen = win::testkit::CaptureScreen();
  win::testkit::TCapture out;
  out.Width = std::max(0, std::min<int>(r.Right, screen.Width) - std::max<int>(r.Left, 0));
  out.Height = std::max(0, std::min<int>(r.Bottom, screen.Height) - std::max<int>(r.Top, 0));
  for (int y = 0; y < out.Height; ++y)
    for (int x = 0; x < out.Width; ++x)
      out.Pixels.push_back(screen.Pixel(std::max<int>(r.Left, 0) + x, std::max<int>(r.Top, 0) + y));
  return out;
}

int Usage() {
  std::fprintf(stderr,
               "usage: formview FORM OUT.png [--package PACKAGE]... [--screen SCREEN.png] "
               "[--size WxH] [--client] [--open CONTROL]\n");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string formFile, outFile, screenFile, openName;
  int width = 1024, height = 768;
  bool clientOnly = false;
  std::vector<std::string> packageFiles;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--package" && i + 1 < argc) {
      packageFiles.push_back(argv[++i]);
    } else if (a == "--screen" && i + 1 < argc) {
      screenFile = argv[++i];
    } else if (a == "--size" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &width, &height) != 2 || width < 64 || height < 64 ||
          width > 8192 || height > 8192)
        return Usage();
    } else if (a == "--open" && i + 1 < argc) {
      openName = argv[++i];
    } else if (a == "--client") {
      clientOnly = true;
    } else if (!a.empty() && a[0] == '-') {
      return Usage();
    } else if (formFile.empty()) {
      formFile = a;
    } else if (outFile.empty()) {
      outFile = a;
    } else {
      return Usage();
    }
  }
  if (formFile.empty() || outFile.empty()) return Usage();

  std::ifstream in(formFile, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "formview: cannot open %s\n", formFile.c_str());
    return 2;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();

  vcl::testkit::TControlsSession session(width, height);
  vcl::RegisterStandardControls();
  vcl::RegisterCommonControls();
  vcl::RegisterButtons();
  std::vector<win::HMODULE> packages;
  auto unloadPackages = [&packages] {
    for (auto it = packages.rbegin(); it != packages.rend(); ++it) vcl::UnloadPackage(*it);
    packages.clear();
  };
  try {
    for (const std::string& p : packageFiles) packages.push_back(vcl::LoadPackage(p));
  } catch (const vcl::Exception& e) {
    std::fprintf(stderr, "formview: %s\n", e.Message().c_str());
    unloadPackages();
    return 2;
  }
  vcl::TForm* form = new vcl::TForm(nullptr);
  try {
    vcl::TStringStream stream(bytes.str());
    vcl::ReadForm(&stream, form, true);
    form->Show();
    win::testkit::RunUntilIdle();
    if (!openName.empty()) {
      auto* control = dynamic_cast<vcl::TWinControl*>(form->FindComponent(openName));
      if (!control) throw vcl::Exception("no windowed control " + openName + " to open");
      control->SetFocus();
      win::testkit::RunUntilIdle();
      win::testkit::KeyPress(win::VK_F4);
      win::testkit::RunUntilIdle();
    }
  } catch (const vcl::Exception& e) {
    std::fprintf(stderr, "formview: %s: %s\n", formFile.c_str(), e.Message().c_str());
    delete form;
    unloadPackages();
    return 2;
  }
  int rc = 0;
  auto capture = openName.empty() ? win::testkit::RenderWindow(form->Handle(), !clientOnly)
                                  : ScreenInside(form->Handle(), !clientOnly);
  if (!win::testkit::WritePng(capture, outFile)) {
    std::fprintf(stderr, "formview: cannot write %s\n", outFile.c_str());
    rc = 2;
  }
  if (!screenFile.empty() && !win::testkit::WritePng(win::testkit::CaptureScreen(), screenFile)) {
    std::fprintf(stderr, "formview: cannot write %s\n", screenFile.c_str());
    rc = 2;
  }
  delete form;
  unloadPackages();
  return rc;
}
