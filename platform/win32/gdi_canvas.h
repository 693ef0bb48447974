#pragma once
// The Win32 canvas: the real GDI calls on the device context the host puts in a glass element.

#include "platform/canvas.h"

namespace xaq::platform {

CanvasFactory& gdiCanvases();

}  // namespace xaq::platform
