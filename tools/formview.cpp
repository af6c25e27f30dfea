// formview: shows a form file (binary or text form stream) on the headless screen and writes
// a PNG of its window, and optionally of the whole screen.
//
//   formview FORM.dfm OUT.png [--package PACKAGE.so]... [--screen SCREEN.png]
//            [--size WIDTHxHEIGHT] [--client]
//
// The form's classes must be among the registered control classes: the framework's standard
// controls, and those the given run-time packages register when they are loaded (they are
// loaded after the headless screen is up and unloaded in reverse order at the end). Event
// handlers named in
// the file are ignored (the form has no code behind it). Exit code 0 on success, 1 on a bad
// command line, 2 when the form cannot be read or the picture cannot be written.
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
#include "tests/support/ControlsSession.h"
#include "tests/support/TestKit.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: formview FORM OUT.png [--package PACKAGE]... [--screen SCREEN.png] "
               "[--size WxH] [--client]\n");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string formFile, outFile, screenFile;
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
  } catch (const vcl::Exception& e) {
    std::fprintf(stderr, "formview: %s: %s\n", formFile.c_str(), e.Message().c_str());
    delete form;
    unloadPackages();
    return 2;
  }
  int rc = 0;
  auto capture = win::testkit::RenderWindow(form->Handle(), !clientOnly);
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
