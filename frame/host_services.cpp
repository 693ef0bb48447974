#include "frame/host_services.h"

namespace xaq::frame {

namespace {

template <typename Routine>
Routine entry(int index) {
  abi::PanelServiceTable table = ImportTable.panelServices;
  if (table == nullptr) return nullptr;  // only a broken host gets here; stay silent
  return reinterpret_cast<Routine>(table[index]);
}

}  // namespace

void triggerKeyEvent(std::uint32_t eventId, std::uint32_t value) {
  if (auto trigger = entry<abi::TriggerKeyEvent>(abi::kServiceTriggerKeyEvent)) trigger(eventId, value);
}

void lookupVariable(abi::HostVarRecord* record) {
  if (auto lookup = entry<abi::LookupVariable>(abi::kServiceLookupVariable)) lookup(record);
}

std::uint32_t callElementService(int index, abi::ElementHeader* topElement) {
  auto service = entry<abi::ElementService>(index);
  return service != nullptr ? service(topElement) : 0;
}

std::uint32_t callElementService(int index, abi::ElementHeader* topElement, std::uint32_t word) {
  auto service = entry<abi::ElementServiceWithWord>(index);
  return service != nullptr ? service(topElement, word) : 0;
}

}  // namespace xaq::frame
