#include "platform/ports.h"

namespace xaq::platform {

namespace {
Ports& current() {
  static Ports active = defaultPorts();
  return active;
}
}  // namespace

Ports& ports() { return current(); }

void installPorts(const Ports& replacement) {
  current() = replacement.timer == nullptr && replacement.windows == nullptr &&
                      replacement.addon == nullptr && replacement.files == nullptr &&
                      replacement.resources == nullptr && replacement.keyboard == nullptr &&
                      replacement.sound == nullptr && replacement.canvases == nullptr
                  ? defaultPorts()
                  : replacement;
}

}  // namespace xaq::platform
