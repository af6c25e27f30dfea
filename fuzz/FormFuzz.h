// Reading a form stream (binary or text) into a form, as the viewer does: the framework's
// standard controls and the library's foundation classes are registered, on a headless screen
// set up once per process.
#pragma once

#include <string>

namespace fuzz {

void ReadIntoForm(const std::string& bytes);

}  // namespace fuzz
