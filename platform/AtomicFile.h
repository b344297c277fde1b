// Whole files: read in one go, and written whole or not at all (the contents go to a temporary file
// beside the target, are synced, and replace the target by a rename, so a failed write leaves the
// old file as it was).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The bytes of a regular file of at most maxBytes; otherwise nothing, with the reason as an errno
// value in *error (EISDIR or EINVAL for what is not a regular file, EFBIG for a larger one).
// Never blocks on a FIFO or a device: such a file is not regular.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes,
                                         int* error);

// Writes contents to target (its folder must exist). On failure the target and its folder are as
// they were, one line goes to stderr and the result is false. A successful write also removes the
// temporary files of target that earlier writes left when they were killed.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view contents);

} // namespace platform
