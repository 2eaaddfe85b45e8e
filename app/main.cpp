// Program entry.
#include "app/startup/Startup.h"

int main(int argc, char* argv[])
{
    return velmora::RunVelmora(argc, argv);
}
