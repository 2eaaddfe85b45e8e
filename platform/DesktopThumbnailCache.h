#pragma once
// Where the desktop keeps the thumbnails its file managers share, and how it names the files they
// stand for: the same folder and the same escaped URIs, so that each side finds the other's work.
#include <QString>

namespace velmora::platform {

// "$XDG_CACHE_HOME/thumbnails/" when the variable holds an absolute path, else
// "$HOME/.cache/thumbnails/"; always ends in "/".
QString ThumbnailCacheRoot();

// "file://" and the absolute path's bytes, every byte escaped as %XX except letters, digits and
// - _ . ~ ! $ & ' ( ) * + , = : @ / (the set GLib leaves as they are, which file managers hash).
QString FileUri(const QString& absolutePath);

// Creates folder and its missing parents; the ones created are private to the user (0700).
// True when folder exists afterwards.
bool MakePrivateFolders(const QString& folder);

} // namespace velmora::platform
