// VandrelDemo: runs the launcher on the real display until the program ends.
#include "platform/Events.h"
#include "platform/Paths.h"
#include "shell/MenuForm.h"

int main()
{
    platform::SetProgramFolderAsCurrent();
    return platform::RunProgram(TheMenuForm());
}
