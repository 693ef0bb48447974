#pragma once
// The cabin floor plan (Picture1) with its 50 seat images (PAX), one per passenger.

#include <windows.h>

#include <cstdint>

namespace xaq::payload::win32 {

// Creates the floor plan at (x, y) in `parent`, its size that of the artwork.
HWND createCabinView(HWND parent, HINSTANCE instance, int x, int y);

// Shows seat images 1 ... passengers and hides the rest.
void showPassengers(HWND cabin, std::int64_t passengers);

}  // namespace xaq::payload::win32
