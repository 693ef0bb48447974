#pragma once
// The seven routines every gauge header carries; each forwards to one of the host's element-list
// services with the top element of the first gauge in the linkage.

#include <cstdint>

#include "frame/abi/host_abi.h"

namespace xaq::frame {

std::uint32_t XAQ_HOSTCALL commonRoutine24();
std::uint32_t XAQ_HOSTCALL commonRoutine25(std::uint32_t word);
std::uint32_t XAQ_HOSTCALL commonRoutine26();
std::uint32_t XAQ_HOSTCALL commonRoutine27();
std::uint32_t XAQ_HOSTCALL commonRoutine28(std::uint32_t word);
std::uint32_t XAQ_HOSTCALL commonRoutine29();
std::uint32_t XAQ_HOSTCALL commonRoutine31();

}  // namespace xaq::frame
