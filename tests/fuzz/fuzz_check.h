#pragma once
// What every parser must keep whatever the bytes: text fields end inside their width.

#include <cstdlib>
#include <cstring>

#define XAQ_FUZZ_REQUIRE(cond) \
  do {                         \
    if (!(cond)) std::abort(); \
  } while (0)

namespace xaq::fms::fuzz {

template <typename Text>
void requireTerminated(const Text& t) {
  XAQ_FUZZ_REQUIRE(std::memchr(t.c_str(), '\0', Text::kMaxChars + 1) != nullptr);
}

}  // namespace xaq::fms::fuzz
