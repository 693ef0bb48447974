#pragma once
// Where each kind of element keeps the values the host applies: one host-variable record and one
// value callback per axis (needle, string, icon: one; slider, moving image: x and y; sprite: x,
// y and rotation). Shared by every program that plays the host and by the gauges' tests.

#include "frame/abi/host_abi.h"

namespace xaq::abi {

struct ElementAxis {
  HostVarRecord* variable = nullptr;
  ValueCallback callback = nullptr;
};

struct ElementAxes {
  ElementAxis axis[3];
  int count = 0;
};

ElementAxes elementAxes(ElementHeader* element);

// What the host applies to one axis: the looked-up variable, or the callback's value when the
// element has one. `lookup` fills the record (the host's own lookup).
template <typename Lookup>
double applyAxis(const ElementAxis& a, ElementHeader* element, Lookup&& lookup) {
  if (a.variable != nullptr && a.variable->id != 0) lookup(*a.variable);
  if (a.callback != nullptr) return a.callback(element);
  return a.variable != nullptr ? a.variable->value : 0.0;
}

}  // namespace xaq::abi
