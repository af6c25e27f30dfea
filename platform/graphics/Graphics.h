// The framework's graphics in one include: colours, fonts, pens, brushes, canvases,
// bitmaps, icons, pictures and PNG output.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/Png.h"
