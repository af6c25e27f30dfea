// The launchers of the multimedia values: the wave chooser on a wave.
#pragma once

namespace zyl {

class TZYLWave;

// The wave editor on a working copy of Wave; true exactly when it ended with OK.
bool ZYLCPGetWave(TZYLWave* Wave);

}  // namespace zyl
