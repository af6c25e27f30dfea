// What kind of module the running code belongs to: IsLibrary is true in code loaded as a
// library (a package or shared object that is not the program), false in the program itself.
#pragma once

namespace vcl {

extern bool IsLibrary;

}  // namespace vcl
