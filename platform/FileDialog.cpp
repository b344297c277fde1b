// File dialogs: the chooser window or the backend's scripted answer, then the program folder made
// the current directory again.
#include "platform/FileDialog.h"

#include <filesystem>
#include <optional>

#include "platform/Backend.h"
#include "platform/FileChooser.h"
#include "platform/Paths.h"

namespace platform {
namespace {

bool RunFileDialog(OpenFileName* ofn, bool save)
{
    if (ofn == nullptr) {
        return false;
    }
    std::optional<std::filesystem::path> chosen;
    std::optional<std::string> scripted;
    if (backend::Current().AnswerFileDialog(*ofn, save, &scripted)) {
        if (scripted) {
            chosen = detail::ResolveIn(detail::StartFolder(*ofn),
                                       detail::WithDefaultExtension(*scripted, ofn->lpstrDefExt));
        }
    } else {
        chosen = detail::RunFileChooser(*ofn, save);
    }
    SetProgramFolderAsCurrent();
    if (!chosen) {
        return false;
    }
    ofn->lpstrFile = chosen->string();
    ofn->lpstrFileTitle = chosen->filename().string();
    return true;
}

} // namespace

bool GetOpenFileNameA(OpenFileName* ofn)
{
    return RunFileDialog(ofn, false);
}

bool GetSaveFileNameA(OpenFileName* ofn)
{
    return RunFileDialog(ofn, true);
}

} // namespace platform
