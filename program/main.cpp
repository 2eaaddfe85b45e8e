// Program entry.
#include "program/Startup.h"

int main(int argc, char* argv[])
{
    return velmora::RunVelmora(argc, argv);
}
