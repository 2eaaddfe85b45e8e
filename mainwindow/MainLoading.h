#pragma once
// MainLoading: true while the main window loads; start-up owns it. The file view is not filled
// meanwhile, start-up fills it once at the end.
namespace velmora {

extern bool MainLoading;

} // namespace velmora
