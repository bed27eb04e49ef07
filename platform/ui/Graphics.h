#pragma once
// Colours, fonts, pens, brushes, canvases, bitmaps, pictures and the standard
// glyphs: the drawing side of the class library.
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Colors.h"
#include "platform/ui/FrameControl.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/GraphicsObjects.h"
#include "platform/ui/Picture.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SystemMetrics.h"
