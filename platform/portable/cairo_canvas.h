#pragma once
// The portable canvas: GDI's drawing subset with cairo, straight into a 32-bit surface's pixels.
// Font faces map to installed families: "Glass Gauge" and "Quartz" to DejaVu Sans Mono (the
// fonts-dejavu-core package), "Courier New" to DejaVu Sans Mono, anything else to DejaVu Sans.

#include "platform/canvas.h"

namespace xaq::platform {

// The factory the Linux module's ports hand the glass displays.
CanvasFactory& cairoCanvases();

// The family a display's font face is drawn with.
const char* cairoFontFamily(const char* face);

}  // namespace xaq::platform
