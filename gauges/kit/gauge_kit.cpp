#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges {

std::int32_t XAQ_HOSTCALL quietGaugeCallback(abi::GaugeHeader*, std::int32_t, std::uint32_t) { return 0; }

void writeText(abi::StringElement* element, const char* value) {
  if (element == nullptr || element->text == nullptr || element->maxLength == 0) return;
  // Readouts are a few characters each and every one is written every frame: a plain loop.
  const std::size_t room = element->maxLength - 1u;
  std::size_t length = 0;
  if (value != nullptr) {
    for (; length < room && value[length] != '\0'; ++length) element->text[length] = value[length];
  }
  element->text[length] = '\0';
}

double hostValue(abi::ElementHeader* element) {
  if (auto* n = abi::elementAs<abi::NeedleElement>(element)) return n->variable.value;
  if (auto* i = abi::elementAs<abi::IconElement>(element)) return i->variable.value;
  if (auto* s = abi::elementAs<abi::StringElement>(element)) return s->variables[0].value;
  return 0.0;
}

namespace {
abi::ElementHeader* descend(abi::ElementHeader* element, int depth) {
  for (int i = 0; i < depth && element != nullptr; ++i) {
    element = element->children != nullptr ? element->children[0] : nullptr;
  }
  return element;
}
}  // namespace

abi::ElementHeader* setElementFlags(abi::ElementHeader* element, int depth, std::uint32_t bits) {
  abi::ElementHeader* target = descend(element, depth);
  if (target != nullptr) target->imageFlags |= bits;
  return target;
}

abi::ElementHeader* clearElementFlags(abi::ElementHeader* element, int depth, std::uint32_t bits) {
  abi::ElementHeader* target = descend(element, depth);
  if (target != nullptr) target->imageFlags &= ~bits;
  return target;
}

displays::GlassElement glassScreen(abi::StaticImageElement& e) {
  displays::GlassElement g;
  g.imageFlags = &e.header.imageFlags;
  g.surface.deviceContext = e.deviceContext;
  if (const abi::Image* image = e.images.finalImage) {
    g.surface.width = image->dimensions.x;
    g.surface.height = image->dimensions.y;
    g.surface.pitch = image->pitch;
    g.surface.bits = image->bits;
    const bool knownDepth = image->format == 16 || image->format == 24 || image->format == 32;
    g.surface.bitsPerPixel = knownDepth ? image->format
                             : image->dimensions.x > 0 ? static_cast<std::uint32_t>(image->pitch / image->dimensions.x) * 8
                                                       : 0;
  }
  return g;
}

}  // namespace xaq::gauges
