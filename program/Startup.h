#pragma once
// The program's entry routine: splash, main window load, the command-line switches, the event loop.
namespace velmora {

int RunVelmora(int argc, char* argv[]);

} // namespace velmora
