#pragma once
// Stand-ins for the list box, the file view and the engine that record what the change rules do.
#include "mainwindow/change/ChangeSources.h"
#include "mainwindow/change/PlainSources.h"

#include <QStringList>

namespace velmora::test {

using FakeList = EntryVector;
using FakeFolder = ItemVector;

class FakeInstaller final : public WallpaperInstaller {
public:
    QStringList calls;
    bool working = false; // what busy() answers
    void LoadWallpaperImage(const QString& path) override { calls << QStringLiteral("load ") + path; }
    void ApplyWallpaper(const QString& path, ChangeOrigin origin) override
    {
        calls << (origin == ChangeOrigin::Timer ? QStringLiteral("timer-apply ") : QStringLiteral("apply ")) +
                     path;
    }
    bool busy() const override { return working; }
    int pictures = 1; // what PicturesPerChange() answers
    int PicturesPerChange() const override { return pictures; }
    void SetFollowingPictures(const QStringList& paths) override
    {
        calls << QStringLiteral("following ") + paths.join(u' ');
    }
};

} // namespace velmora::test
