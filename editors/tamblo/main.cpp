// TambloEditor: runs the maze editor until its window closes.
#include "editors/tamblo/TambloEditorForm.h"
#include "platform/Events.h"

int main()
{
    return platform::RunProgram(TheTambloEditorForm());
}
