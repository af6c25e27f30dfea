// State shared by the files of the menus unit.
#pragma once

#include <cstdint>

#include "platform/controls/Menus.h"

namespace vcl::menus_detail {

// Width of the column of check marks and pictures in a drawn item.
constexpr int kGlyphColumn = 18;

// Commands: a number per live item, and the item of a number (null when none).
uint16_t AllocateCommand(TMenuItem* Item);
void ReleaseCommand(uint16_t Command);
TMenuItem* ItemOfCommand(uint16_t Command);

// The framework's look of an item drawn by the owner: picture or check mark, caption,
// shortcut text, highlight.
void DrawStandardItem(TMenuItem* Item, TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State,
                      bool TopLevel);

}  // namespace vcl::menus_detail
