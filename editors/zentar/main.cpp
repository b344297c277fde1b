// ZentarEditor: runs the alien editor until its window closes.
#include "editors/zentar/ZentarEditorForm.h"
#include "platform/Events.h"

int main()
{
    return platform::RunProgram(TheZentarEditorForm());
}
