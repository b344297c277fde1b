// LupidoEditor: runs the lane editor until its window closes.
#include "editors/lupido/LupidoEditorForm.h"
#include "platform/Events.h"

int main()
{
    return platform::RunProgram(TheLupidoEditorForm());
}
