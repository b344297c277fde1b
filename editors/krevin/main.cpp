// KrevinEditor: runs the brick editor until its window closes.
#include "editors/krevin/KrevinEditorForm.h"
#include "platform/Events.h"

int main()
{
    return platform::RunProgram(TheKrevinEditorForm());
}
