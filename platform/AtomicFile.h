// Whole files: read in one go, and written whole or not at all (the contents go to a temporary file
// beside the target, are synced, and replace the target by a rename, so a failed write leaves the
// old file as it was). A target that is a symbolic link stays one: the file it leads to is
// replaced.
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

// The words for a reason ReadWholeFile gave ("Is a directory", "it is not a regular file").
std::string ReadFailureText(int error);

// The file a write to path replaces: path itself, or the end of the chain of symbolic links that
// starts there (a link to a missing file leads to that file, which the write creates). Nothing,
// with the reason in *error, for a chain that loops or runs longer than 40 links.
std::optional<std::filesystem::path> FinalTarget(const std::filesystem::path& path, int* error);

// Writes contents to the final target of target (its folder must exist). On failure the files and
// their folder are as they were, the failure is noted (NoteWriteFailure) and the result is false.
// A successful write also removes the temporary files that earlier writes left when killed.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view contents);

// Why this thread's latest failed write failed: the file as the writer was given it and the
// reason in words, for a message that names both.
struct WriteFailure {
    std::filesystem::path file;
    std::string reason;
};
const WriteFailure& LastWriteFailure();
// Records a failed write as the latest and puts it on stderr as one line.
void NoteWriteFailure(const std::filesystem::path& file, std::string reason);

} // namespace platform
