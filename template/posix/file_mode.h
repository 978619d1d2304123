// POSIX file modes shared by the writers that replace a user's file.
#pragma once

#include <sys/stat.h>

namespace k60 {

// The mode a replacement gets: that of the file it replaces (`existing`), else what creating
// a new file would give under the umask.
mode_t replacementMode(const struct stat* existing);

}  // namespace k60
