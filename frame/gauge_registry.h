#pragma once
// The registry's list: every gauge header of the module, by gauge name. The gauges room defines
// each one in the table of the panel area that owns it; the frame reaches the gauges only
// through this list (the linkage hands it to the host).

#include "frame/abi/host_abi.h"
#include "frame/gauge_list.h"

namespace xaq::gauges {

#define XAQ_DECLARE_GAUGE(name) extern abi::GaugeHeader gauge_##name;
XAQ_GAUGE_LIST(XAQ_DECLARE_GAUGE)
#undef XAQ_DECLARE_GAUGE

}  // namespace xaq::gauges
