#pragma once
// The sound device on DirectSound: the default device at the normal cooperative level on the
// host's window, the primary buffer playing for the device's life, one static secondary buffer
// per slot.

#include "platform/ports.h"

namespace xaq::platform {

SoundDevice& win32SoundDevice();

}  // namespace xaq::platform
