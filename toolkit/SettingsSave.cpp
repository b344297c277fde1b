// One settings batch per step, and the message box for a write that failed.
#include "toolkit/SettingsSave.h"

#include <string>

#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

namespace SettingsSave {

bool Save(const std::function<void()>& save)
{
    platform::SettingsBatch batch;
    save();
    if (batch.Commit()) {
        return true;
    }
    ShowFailure();
    return false;
}

void ShowFailure()
{
    const platform::WriteFailure& failure = platform::LastWriteFailure();
    platform::MsgBox("The settings file " + failure.file.string() +
                         " could not be written: " + failure.reason + ".",
                     platform::vbOKOnly | platform::vbExclamation);
}

} // namespace SettingsSave
