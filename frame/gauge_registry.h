#pragma once
// Every gauge header of the module, by gauge name, defined in the room that owns the gauge.

#include "frame/abi/host_abi.h"
#include "frame/gauge_list.h"

namespace xaq::frame {

#define XAQ_DECLARE_GAUGE(name) extern abi::GaugeHeader gauge_##name;
XAQ_GAUGE_LIST(XAQ_DECLARE_GAUGE)
#undef XAQ_DECLARE_GAUGE

}  // namespace xaq::frame
