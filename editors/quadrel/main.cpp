// QuadrelEditor: runs the falling-blocks editor until its window closes.
#include "editors/quadrel/QuadrelEditorForm.h"
#include "platform/Events.h"

int main()
{
    return platform::RunProgram(TheQuadrelEditorForm());
}
