// Gauges whose room has not given them their instruments yet: each has its background and the
// outer mouse group, and answers every service without effect. A room that builds a gauge
// removes it from this list and defines gauge_<name> in its own table.

#include "frame/gauge_registry.h"
#include "gauges/kit/gauge_kit.h"

#define XAQ_PLAIN_GAUGES(X)                                                                       \
  X(EADI_V)

namespace xaq::gauges {

namespace {
#define XAQ_PLAIN_TABLES(name)                                                                   \
  constinit abi::StaticImageElement name##Background = staticImage(&gauge_##name, 0, {0, 0});    \
  abi::ElementHeader* const name##Elements[] = {&name##Background.header, nullptr};              \
  abi::MouseRecord name##Mouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};
XAQ_PLAIN_GAUGES(XAQ_PLAIN_TABLES)
#undef XAQ_PLAIN_TABLES
}  // namespace

#define XAQ_PLAIN_HEADER(name) \
  abi::GaugeHeader gauge_##name = gaugeHeader(#name, name##Elements, name##Mouse, &quietGaugeCallback);
XAQ_PLAIN_GAUGES(XAQ_PLAIN_HEADER)
#undef XAQ_PLAIN_HEADER

}  // namespace xaq::gauges
