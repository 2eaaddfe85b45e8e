// Special files in the picture folder as the real program meets them.
#include "tests/e2e/ProgramRun.h"
#include "tests/support/TestImages.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace velmora::test;

TEST(EndToEndSpecialFiles, AOneShotChangeInFolderModePassesOverAPipeNamedLikeAPicture)
{
    ProgramRun velmora;
    const QImage picture = FlatImage(160, 100, 0xff3070b0).convertToFormat(QImage::Format_RGB32);
    velmora.picture(QStringLiteral("a.png"), picture);
    // Next after the first item: the pipe, were it listed. Opening it would wait for a writer for ever.
    const QString pipe = velmora.home() + QStringLiteral("Pictures/b.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    velmora.writeSettings("ListMode= 1\r\nFileIndex1= 1\r\n");

    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    const QImage wallpaper(velmora.program().file(QStringLiteral("$$WALL$$.BMP")));
    EXPECT_EQ(wallpaper.convertToFormat(QImage::Format_RGB32), picture);
}
