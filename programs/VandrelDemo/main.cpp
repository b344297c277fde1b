// VandrelDemo: runs the launcher on the real display until the program ends.
#include "platform/Events.h"
#include "shell/MenuForm.h"

int main()
{
    return platform::RunProgram(TheMenuForm());
}
