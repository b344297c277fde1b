// MorvexEditor: runs the rock editor until its window closes.
#include "editors/morvex/MorvexEditorForm.h"
#include "platform/Events.h"

int main()
{
    return platform::RunProgram(TheMorvexEditorForm());
}
