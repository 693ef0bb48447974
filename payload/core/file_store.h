#pragma once
// File access for the editor. Every file it writes is replaced in two steps — stage the new
// bytes in a file beside the target, then rename it over the target — so a failure at any point
// leaves the old file in place. The steps are virtual so tests can make any one of them fail.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace xaq::payload {

class FileStore {
 public:
  virtual ~FileStore() = default;
  // Whole file as bytes; nullopt with `error` set when it cannot be read.
  virtual std::optional<std::string> read(const std::filesystem::path& file, std::string& error) = 0;
  // Writes the staging file for `target`.
  virtual bool stage(const std::filesystem::path& target, std::string_view bytes, std::string& error) = 0;
  // Renames the staging file over `target`; a read-only target is replaced too.
  virtual bool commit(const std::filesystem::path& target, std::string& error) = 0;
  // Removes a staging file that will not be committed.
  virtual void discard(const std::filesystem::path& target) = 0;
};

// The staging file beside `target`.
std::filesystem::path stagingPath(const std::filesystem::path& target);

class DiskFileStore : public FileStore {
 public:
  std::optional<std::string> read(const std::filesystem::path& file, std::string& error) override;
  bool stage(const std::filesystem::path& target, std::string_view bytes, std::string& error) override;
  bool commit(const std::filesystem::path& target, std::string& error) override;
  void discard(const std::filesystem::path& target) override;
};

// A path as the user should see it in a message, in quotes.
std::string quotedPath(const std::filesystem::path& file);

}  // namespace xaq::payload
