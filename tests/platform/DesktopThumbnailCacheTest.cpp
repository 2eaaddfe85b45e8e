#include "platform/DesktopThumbnailCache.h"

#include "tests/support/DesktopTestSupport.h"

#include <QDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace velmora;
using namespace velmora::test;

namespace {

unsigned modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

} // namespace

TEST(DesktopThumbnailCache, UrisEscapeAsFileManagersDo)
{
    const struct {
        const char* path;
        const char* uri;
    } cases[] = {
        {"/home/jens/photos/me.png", "file:///home/jens/photos/me.png"},
        {"/a b/c.jpg", "file:///a%20b/c.jpg"},
        {"/keep/-_.~!$&'()*+,=:@.jpg", "file:///keep/-_.~!$&'()*+,=:@.jpg"},
        {"/esc/#%?;[]^`{|}\"<>\\.jpg", "file:///esc/%23%25%3F%3B%5B%5D%5E%60%7B%7C%7D%22%3C%3E%5C.jpg"},
        {"/写真/é.png", "file:///%E5%86%99%E7%9C%9F/%C3%A9.png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::FileUri(QString::fromUtf8(c.path)), QString::fromLatin1(c.uri)) << c.path;
}

TEST(DesktopThumbnailCache, RootFollowsXdgCacheHomeOnlyWhenAbsolute)
{
    TempFolder home;
    ScopedEnv homeVariable("HOME", home.path());
    {
        ScopedEnv cache("XDG_CACHE_HOME", QStringLiteral("/tmp/elsewhere/"));
        EXPECT_EQ(platform::ThumbnailCacheRoot(), QStringLiteral("/tmp/elsewhere/thumbnails/"));
    }
    const QString fallback = QDir::cleanPath(home.path()) + QStringLiteral("/.cache/thumbnails/");
    {
        ScopedEnv cache("XDG_CACHE_HOME", QStringLiteral("relative/cache"));
        EXPECT_EQ(platform::ThumbnailCacheRoot(), fallback);
    }
    ScopedEnv cache("XDG_CACHE_HOME", QString());
    EXPECT_EQ(platform::ThumbnailCacheRoot(), fallback);
}

TEST(DesktopThumbnailCache, NewFoldersArePrivateAndExistingOnesKeepTheirModes)
{
    TempFolder base;
    ASSERT_TRUE(QDir(base.path()).mkdir(QStringLiteral("shared")));
    ::chmod(QFile::encodeName(base.file(QStringLiteral("shared"))).constData(), 0755);
    const QString deep = base.file(QStringLiteral("shared/thumbnails/fail/velmora-1"));
    ASSERT_TRUE(platform::MakePrivateFolders(deep));
    EXPECT_EQ(modeOf(base.file(QStringLiteral("shared"))), 0755u);
    EXPECT_EQ(modeOf(base.file(QStringLiteral("shared/thumbnails"))), 0700u);
    EXPECT_EQ(modeOf(deep), 0700u);
    EXPECT_TRUE(platform::MakePrivateFolders(deep)) << "an existing folder is fine";

    WriteBytes(base.file(QStringLiteral("file")), "x");
    EXPECT_FALSE(platform::MakePrivateFolders(base.file(QStringLiteral("file/below"))));
    EXPECT_FALSE(platform::MakePrivateFolders(base.file(QStringLiteral("file"))));
}
