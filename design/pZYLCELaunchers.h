// The launchers the component editors' verbs call, set when the unit is entered: the settings
// objects' editors by class (ZYLRegisterSettingsLauncher), the image picker of the image-list
// verbs and the multimedia button's face editor. Leaving the unit takes them away again.
#pragma once

namespace zyl {

void pZYLCELaunchersInit();
void pZYLCELaunchersDone();

}  // namespace zyl
