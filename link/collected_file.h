// The collected data file: records go to a temporary file beside the chosen one, which takes
// the chosen name only when the collection is complete.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>

namespace k60::link {

class CollectedFile {
 public:
  // `path` is the file the user chose (UTF-8); nothing is created yet.
  explicit CollectedFile(std::string path) : path_(std::move(path)) {}
  ~CollectedFile() { discard(); }
  CollectedFile(const CollectedFile&) = delete;
  CollectedFile& operator=(const CollectedFile&) = delete;

  // Creates the temporary file in the directory of the chosen one. Fails, creating nothing,
  // when that directory takes no new file or when what is already at the chosen path could
  // not be replaced (read-only, a directory, a device, held open by another program). A
  // symbolic link is followed and stays.
  bool create();
  // Appends the bytes to the temporary file, handing them to the system at once.
  bool append(std::span<const std::uint8_t> bytes);
  // Flushes the temporary file to the disk and puts it in place of the chosen path. Refused
  // after a failed append. On failure the temporary file is removed.
  bool commit();
  // Closes and removes the temporary file; the chosen path stays as it was.
  void discard();

  const std::string& path() const { return path_; }
  // The temporary file while one exists (UTF-8), else empty.
  const std::string& temporaryPath() const { return temp_; }

 private:
  std::string path_;
  std::string target_;  // the file that takes the data: `path_`, or where its link points
  std::string temp_;
  std::intptr_t handle_ = -1;  // the platform's open file: a descriptor or a HANDLE
  bool writeFailed_ = false;
};

}  // namespace k60::link
