#pragma once
// What the thumbnail window needs of the main window, handed over as calls so that the window
// depends on no other window.
#include <QString>
#include <QStringList>

#include <functional>

namespace velmora {

struct ThumbnailHost {
    // The folder of the main window's tree, ending in "/".
    std::function<QString()> currentFolder;
    // Shows the picture in the main window's preview without installing it.
    std::function<void(const QString& path)> preview;
    // Inserts the paths into the current list as the list's insertion command does.
    std::function<void(const QStringList& paths)> insert;
};

} // namespace velmora
