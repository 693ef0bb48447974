#pragma once
// Calls into the host's panel-service table, which the host stores in ImportTable word 1 before
// any module routine runs. Results are never checked: the host performs what it is asked.

#include <cstdint>

#include "frame/abi/host_abi.h"

extern "C" XAQ_EXPORT xaq::abi::ImportTable ImportTable;
extern "C" XAQ_EXPORT xaq::abi::ModuleLinkage Linkage;

namespace xaq::frame {

// Host key event (entry 36): event id and its value.
void triggerKeyEvent(std::uint32_t eventId, std::uint32_t value);

// Host variable lookup (entry 40): fills record.value.
void lookupVariable(abi::HostVarRecord* record);

// The element-list services 24-31 used by the seven common gauge routines.
std::uint32_t callElementService(int entry, abi::ElementHeader* topElement);
std::uint32_t callElementService(int entry, abi::ElementHeader* topElement, std::uint32_t word);

}  // namespace xaq::frame
