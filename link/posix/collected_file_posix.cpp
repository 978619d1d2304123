// The collected data file on POSIX: mkstemp beside the target, write, fsync, rename.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "link/collected_file.h"
#include "template/file_io.h"
#include "template/posix/file_mode.h"

namespace k60::link {
namespace {

// A file already at `path` must be one this user could overwrite, as creating it anew would.
// Non-blocking and without becoming a controlling terminal, so that a FIFO or a device at
// the path cannot hang the check.
bool targetWritable(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd >= 0) return ::close(fd) == 0;
  return errno == ENOENT;
}

// The collected data can only replace an ordinary file (or create one); a device or pipe at
// the path could not be renamed over.
bool replaceableTarget(const std::string& target, struct stat* st, bool* exists) {
  *exists = ::stat(target.c_str(), st) == 0;
  if (*exists) return S_ISREG(st->st_mode) && !isReadOnlyFile(target) && targetWritable(target);
  return errno == ENOENT;
}

}  // namespace

bool CollectedFile::create() {
  discard();
  target_ = replacementTarget(path_);
  struct stat st {};
  bool exists = false;
  if (!replaceableTarget(target_, &st, &exists)) return false;
  std::string temp = directoryOf(target_) + "/.k60collect-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  // mkstemp makes the file private to its owner; the collected data is an ordinary file.
  if (::fchmod(fd, replacementMode(exists ? &st : nullptr)) != 0) {
    ::close(fd);
    ::unlink(temp.c_str());
    return false;
  }
  handle_ = fd;
  temp_ = std::move(temp);
  writeFailed_ = false;
  return true;
}

bool CollectedFile::append(std::span<const std::uint8_t> bytes) {
  if (handle_ < 0 || writeFailed_) return false;
  const int fd = static_cast<int>(handle_);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      writeFailed_ = true;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool CollectedFile::commit() {
  if (handle_ < 0) return false;
  const int fd = static_cast<int>(handle_);
  handle_ = -1;
  bool ok = !writeFailed_ && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp_.c_str(), target_.c_str()) == 0;
  if (!ok) ::unlink(temp_.c_str());
  temp_.clear();
  return ok;
}

void CollectedFile::discard() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
  handle_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

}  // namespace k60::link
