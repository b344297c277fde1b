// Saving settings with the player told when the disk refuses: the writes of one step reach the
// disk in one write, and a failed one is shown in a message box naming the file and the reason.
#pragma once

#include <functional>

namespace SettingsSave {

// Runs save, whose settings writes reach the disk together or not at all. When they do not, the
// message is shown and the result is false; the store then reads as the file on disk.
bool Save(const std::function<void()>& save);

// The message for this thread's latest failed settings write, shown modally.
void ShowFailure();

} // namespace SettingsSave
