// The framework's application outlives a test, and a component that copies settings into it
// (the application settings component, loaded) leaves them behind, as an enabled hint
// component leaves the application's hint window class on its own. This scope keeps what such
// a component changes and puts it back at its end, so that each test starts from the same
// application. An active tray icon, freed, leaves the main form switched off; that comes back
// too.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/controls/Forms.h"
#include "platform/graphics/GraphicsObjects.h"

namespace testsupport {

class TApplicationSettingsScope {
 public:
  TApplicationSettingsScope()
      : title_(vcl::Application->Title()),
        helpFile_(vcl::Application->HelpFile()),
        showHint_(vcl::Application->ShowHint()),
        metrics_(vcl::Application->UpdateMetricSettings),
        formats_(vcl::Application->UpdateFormatSettings),
        hintColor_(vcl::Application->HintColor()),
        hintPause_(vcl::Application->HintPause()),
        hintShortPause_(vcl::Application->HintShortPause()),
        hintHidePause_(vcl::Application->HintHidePause()),
        hintFont_(Copy(vcl::Screen->HintFont())),
        iconFont_(Copy(vcl::Screen->IconFont())),
        menuFont_(Copy(vcl::Screen->MenuFont())),
        hintWindowClass_(vcl::TApplication::HintWindowClass),
        showMainForm_(vcl::Application->ShowMainForm()) {}
  ~TApplicationSettingsScope() {
    vcl::TApplication* a = vcl::Application;
    a->SetTitle(title_);
    a->SetHelpFile(helpFile_);
    a->SetShowHint(showHint_);
    a->UpdateMetricSettings = metrics_;
    a->UpdateFormatSettings = formats_;
    a->SetHintColor(hintColor_);
    a->SetHintPause(hintPause_);
    a->SetHintShortPause(hintShortPause_);
    a->SetHintHidePause(hintHidePause_);
    vcl::Screen->HintFont()->Assign(hintFont_.get());
    vcl::Screen->IconFont()->Assign(iconFont_.get());
    vcl::Screen->MenuFont()->Assign(menuFont_.get());
    vcl::TApplication::HintWindowClass = hintWindowClass_;
    a->SetShowMainForm(showMainForm_);
  }
  TApplicationSettingsScope(const TApplicationSettingsScope&) = delete;
  TApplicationSettingsScope& operator=(const TApplicationSettingsScope&) = delete;

 private:
  static std::unique_ptr<vcl::TFont> Copy(vcl::TFont* Font) {
    auto copy = std::make_unique<vcl::TFont>();
    copy->Assign(Font);
    return copy;
  }

  std::string title_, helpFile_;
  bool showHint_, metrics_, formats_;
  vcl::TColor hintColor_;
  int32_t hintPause_, hintShortPause_, hintHidePause_;
  std::unique_ptr<vcl::TFont> hintFont_, iconFont_, menuFont_;
  vcl::TClass hintWindowClass_;
  bool showMainForm_;
};

}  // namespace testsupport
