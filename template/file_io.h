// Whole-file reads and crash-safe replacement of a file; the platform files implement them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace k60 {

// Reads at most `maxBytes` from the start of the file at `path` (UTF-8). No result when
// the file cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readFilePrefix(const std::string& path, std::size_t maxBytes);

// Writes `bytes` to a new temporary file in the directory of `path`, checking every write
// and flushing it to the disk, then puts it in place of `path`. The temporary file has a
// short name of its own, so that a target whose name is as long as the file system allows
// can still be written. A symbolic link is followed and stays; a device or pipe at `path`
// is written directly, since it cannot be replaced. On any failure the temporary file is removed, a file already at
// `path` is left as it was, and the result is false.
bool replaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

// A file that is marked read-only, which a replacement must not go over: an ordinary file
// without any write permission bit (judged from its mode, since a process running as root
// could write it anyway), on Windows one with the read-only attribute.
bool isReadOnlyFile(const std::string& path);

// The file that a replacement of `path` must land on: the file a symbolic link points to, so
// that the link itself stays, else `path`.
std::string replacementTarget(const std::string& path);

// The directory part of `path` ("." when it has none), for the temporary file. A backslash
// separates directories on Windows only; elsewhere it is part of a file name.
std::string directoryOf(const std::string& path);

}  // namespace k60
