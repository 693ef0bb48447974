// The module's only two exports: the import slot the host fills with its panel services, and the
// linkage with the module routines and the 103 gauge headers.

#include "frame/gauge_registry.h"
#include "frame/host_services.h"
#include "frame/module_lifecycle.h"

namespace {

void XAQ_HOSTCALL moduleInit() { xaq::frame::createModule(); }
void XAQ_HOSTCALL moduleDeinit() { xaq::frame::destroyModule(); }

}  // namespace

extern "C" {

XAQ_EXPORT xaq::abi::ImportTable ImportTable = {0x0F, nullptr, 0, nullptr};

XAQ_EXPORT xaq::abi::ModuleLinkage Linkage = {
    0x13,
    &moduleInit,
    &moduleDeinit,
    0,
    0,
    0x800,
    {
#define XAQ_LINK_GAUGE(name) &xaq::gauges::gauge_##name,
        XAQ_GAUGE_LIST(XAQ_LINK_GAUGE)
#undef XAQ_LINK_GAUGE
        nullptr,
    },
};

}  // extern "C"
