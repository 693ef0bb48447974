#pragma once
// File access for the FMS: whole files read into memory with the standard library only (the
// same code runs inside the Windows module), and paths below the simulator folder.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xaq::fms {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

// folder + '/' + relative, without doubling a separator the folder already ends with. Windows
// accepts '/' as well, so paths are joined the same way on both builds.
std::string joinPath(std::string_view folder, std::string_view relative);

}  // namespace xaq::fms
