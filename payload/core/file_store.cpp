#include "payload/core/file_store.h"

#include <exception>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace xaq::payload {

std::filesystem::path stagingPath(const fs::path& target) {
  fs::path staged = target;
  staged += ".saving";
  return staged;
}

// UTF-8 on every platform, so a message never fails on a name the narrow code page cannot hold.
std::string quotedPath(const fs::path& file) {
  try {
    std::u8string name = file.lexically_normal().u8string();
    std::string quoted(1, '"');
    quoted.append(name.begin(), name.end()).push_back('"');
    return quoted;
  } catch (const std::exception&) {
    return "(a file whose name cannot be shown)";
  }
}

std::optional<std::string> DiskFileStore::read(const fs::path& file, std::string& error) {
  std::error_code ec;
  if (!fs::exists(file, ec)) {
    error = quotedPath(file) + " was not found.";
    return std::nullopt;
  }
  if (fs::is_directory(file, ec)) {
    error = quotedPath(file) + " is a folder, not a file.";
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = quotedPath(file) + " could not be opened for reading.";
    return std::nullopt;
  }
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) {
    error = quotedPath(file) + " could not be read.";
    return std::nullopt;
  }
  return bytes;
}

bool DiskFileStore::stage(const fs::path& target, std::string_view bytes, std::string& error) {
  fs::path staged = stagingPath(target);
  {
    std::ofstream out(staged, std::ios::binary | std::ios::trunc);
    if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out) out.flush();
    if (out) return true;
  }
  discard(target);
  error = "could not write " + quotedPath(staged) + " beside " + quotedPath(target) + ".";
  return false;
}

bool DiskFileStore::commit(const fs::path& target, std::string& error) {
  std::error_code ec;
  // Windows refuses to rename over a read-only file; the user asked for the save, so lift the
  // flag first and put it back if the rename fails anyway.
  auto oldPerms = fs::status(target, ec).permissions();
  bool lifted = false;
  if (!ec && (oldPerms & fs::perms::owner_write) == fs::perms::none) {
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, ec);
    lifted = !ec;
  }
  fs::rename(stagingPath(target), target, ec);
  if (!ec) return true;
  std::string reason = ec.message();
  if (lifted) fs::permissions(target, oldPerms, fs::perm_options::replace, ec);
  discard(target);
  error = "could not replace " + quotedPath(target) + " (" + reason + ").";
  return false;
}

void DiskFileStore::discard(const fs::path& target) {
  std::error_code ec;
  fs::remove(stagingPath(target), ec);
}

}  // namespace xaq::payload
