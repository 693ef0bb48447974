#include "frame/abi/tooltip_format.h"

#include <cstring>

namespace xaq::abi {

std::string formatTooltip(const MouseRecord& tooltip, GaugeHeader* gauge) {
  const char* text = tooltip.target.tooltipText;
  if (text == nullptr) return {};
  const std::uint32_t count = tooltip.eventOrCount;
  TooltipArgument* arguments = tooltip.data.arguments;
  if (count == 0 || arguments == nullptr) return text;

  std::string out;
  for (const char* p = text; *p != '\0';) {
    if (*p == '%' && p[1] >= '1' && p[1] <= '9') {
      const char* q = p + 1;
      std::uint32_t n = 0;
      while (*q >= '0' && *q <= '9' && n < 1000) n = n * 10 + static_cast<std::uint32_t>(*q++ - '0');
      if (std::strncmp(q, "!s!", 3) == 0 && n >= 1 && n <= count) {
        TooltipArgument& argument = arguments[n - 1];
        if (argument.stringCallback != nullptr) {
          const char* inserted = argument.stringCallback(argument.variable.value, argument.variable.id, text,
                                               &argument.variable, gauge);
          if (inserted != nullptr) out += inserted;
        }
        p = q + 3;
        continue;
      }
    }
    out += *p++;
  }
  return out;
}

}  // namespace xaq::abi
