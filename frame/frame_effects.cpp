#include "frame/frame_effects.h"

#include "frame/host_services.h"

namespace xaq::frame {

void FrameEffects::trigger(std::uint32_t eventId, std::uint32_t value) { triggerKeyEvent(eventId, value); }

}  // namespace xaq::frame
