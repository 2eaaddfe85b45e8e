#include "mainwindow/MainLoading.h"

namespace velmora {

bool MainLoading = false;

} // namespace velmora
