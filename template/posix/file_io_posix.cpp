// File reads and crash-safe replacement on POSIX: write a temporary file, fsync, rename.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "template/file_io.h"
#include "template/posix/file_mode.h"

namespace k60 {
namespace {

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool writeInPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  const bool ok = writeAll(fd, bytes);
  return ::close(fd) == 0 && ok;
}

}  // namespace

mode_t replacementMode(const struct stat* existing) {
  if (existing) return existing->st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool isReadOnlyFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0;
}

std::string replacementTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (!resolved) return path;  // a dangling link: the new file takes its place
  std::string out(resolved);
  std::free(resolved);
  return out;
}

std::optional<std::vector<std::uint8_t>> readFilePrefix(const std::string& path, std::size_t maxBytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::vector<std::uint8_t> out(maxBytes);
  std::size_t got = 0;
  bool ok = true;
  while (got < maxBytes) {
    const ssize_t n = ::read(fd, out.data() + got, maxBytes - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (!ok) return std::nullopt;
  out.resize(got);
  return out;
}

bool replaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  const std::string target = replacementTarget(path);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) return !S_ISDIR(st.st_mode) && writeInPlace(target, bytes);
  // The rename would go over a read-only file as if it were not.
  if (exists && isReadOnlyFile(target)) return false;
  std::string temp = directoryOf(target) + "/.k60save-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  // mkstemp creates the file readable by its owner only; a template is an ordinary file.
  bool ok = ::fchmod(fd, replacementMode(exists ? &st : nullptr)) == 0 && writeAll(fd, bytes) &&
            ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace k60
