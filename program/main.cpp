// Program entry.
#include "platform/PageMemory.h"
#include "program/Startup.h"

int main(int argc, char* argv[])
{
    velmora::platform::ReturnLargeBlocksToTheSystem();
    return velmora::RunVelmora(argc, argv);
}
