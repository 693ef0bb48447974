#pragma once
// Table helpers the glareshield gauges share.

#include <array>
#include <cstddef>

#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges::glareshield {

// A mouse table with a tooltip for the whole gauge right after its outer group: the text shown
// wherever no control's own group covers the point.
template <std::size_t M>
constexpr std::array<abi::MouseRecord, M + 1> withGaugeTooltip(const std::array<abi::MouseRecord, M>& table,
                                                               const char* tooltip,
                                                               abi::TooltipArgument* arguments = nullptr,
                                                               std::uint32_t argumentCount = 0) {
  std::array<abi::MouseRecord, M + 1> out{};
  out[0] = table[0];
  out[1] = mouseTooltip(tooltip, arguments, argumentCount);
  for (std::size_t i = 1; i < M; ++i) out[i + 1] = table[i];
  return out;
}

}  // namespace xaq::gauges::glareshield
