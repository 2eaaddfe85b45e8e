#pragma once
// How the patrol and the search list a folder: platform::ScanFolder, or a stand-in in tests.
#include "platform/FolderScan.h"

#include <functional>

namespace velmora {

using FolderLister =
    std::function<platform::FolderListing(const QString& folder, const platform::ScanOptions& options)>;

// The folder as the program shows it: without the trailing separator, except for the root ("/").
QString FolderText(const QString& folder);

} // namespace velmora
