#include "frame/common_routines.h"

#include "frame/host_services.h"

namespace xaq::frame {

namespace {
abi::ElementHeader* firstGaugeTop() {
  abi::GaugeHeader* first = Linkage.gauges[0];
  return first != nullptr && first->elements != nullptr ? first->elements[0] : nullptr;
}
}  // namespace

std::uint32_t XAQ_HOSTCALL commonRoutine24() { return callElementService(24, firstGaugeTop()); }
std::uint32_t XAQ_HOSTCALL commonRoutine25(std::uint32_t word) { return callElementService(25, firstGaugeTop(), word); }
std::uint32_t XAQ_HOSTCALL commonRoutine26() { return callElementService(26, firstGaugeTop()); }
std::uint32_t XAQ_HOSTCALL commonRoutine27() { return callElementService(27, firstGaugeTop()); }
std::uint32_t XAQ_HOSTCALL commonRoutine28(std::uint32_t word) { return callElementService(28, firstGaugeTop(), word); }
std::uint32_t XAQ_HOSTCALL commonRoutine29() { return callElementService(29, firstGaugeTop()); }
std::uint32_t XAQ_HOSTCALL commonRoutine31() { return callElementService(31, firstGaugeTop()); }

}  // namespace xaq::frame
