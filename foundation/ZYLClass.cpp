#include "foundation/ZYLClass.h"

#include "foundation/ZYLConst.h"

namespace zyl {

static_assert(ZYLInfoTypeCount == 45, "the system knows 45 information kinds");

uint32_t ZYLAlignmentFlags(TZYLAlignment Alignment) {
  // Rows: top, vertically centred, bottom (DT_VCENTER 4, DT_BOTTOM 8); columns: left,
  // centred, right (DT_CENTER 1, DT_RIGHT 2).
  static const uint32_t flags[] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
  const int k = static_cast<int>(Alignment);
  return k < 9 ? flags[k] : 0;
}

EZYLWrongPixelFormat::EZYLWrongPixelFormat(const std::string& BitmapName)
    : Exception(std::string(SZYLWrongPixelFormat) + BitmapName + SZYLWrongPixelFormatEnd) {}

ZYLEOneInstError::ZYLEOneInstError(const std::string& Text, int Kind)
    : Exception(Text + ":\r" +
                (Kind == okSecondInstance
                     ? std::string(SZYLAlreadyOne) + Text + SZYLControlInProject
                     : std::string(SZYLInvalidOwner))) {}

const char* const TZYLNormalBtnStyleString[3] = {"", "nbsWin31", "nbsWin40"};

const vcl::TTypeInfo* AboutVarTypeInfo() {
  static const vcl::TTypeInfo* const info = vcl::MakeStringTypeInfo("TZYLAboutVar");
  return info;
}

}  // namespace zyl
