#include "fms/fms_core.h"

namespace xaq::fms {

FmsCore::FmsCore(const std::string& simFolder)
    : database_(simFolder), variation_(MagneticVariation::fromSimFolder(simFolder)), plan_(&variation_) {}

}  // namespace xaq::fms
