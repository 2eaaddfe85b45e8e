// The wallpaper backends' messages in English: a desktop tool that cannot start or fails, and the
// notice of a desktop we cannot set.
#include "platform/wallpaper/NullBackend.h"
#include "platform/wallpaper/ToolRun.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WidgetTexts.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::platform;
using namespace velmora::test;
using namespace Qt::StringLiterals;

TEST(WallpaperMessagesLanguage, ToolFailuresAreEnglishAndKeepTheToolsOwnWords)
{
    LanguageScope english(u"en"_s);
    TempFolder folder;
    const QString missing = folder.file(u"no-such-tool"_s);
    const ToolRun notStarted = ToolRun::run(missing, {});
    EXPECT_FALSE(notStarted.started);
    EXPECT_TRUE(notStarted.error.startsWith(u"Cannot start \""_s + missing + u"\", the program that sets the wallpaper.\n("_s))
        << notStarted.error.toStdString();

    const QString shell = QStandardPaths::findExecutable(u"sh"_s);
    ASSERT_FALSE(shell.isEmpty());
    const ToolRun failed = ToolRun::run(shell, {u"-c"_s, u"echo 'no such schema' >&2; exit 3"_s});
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.error, u"\""_s + shell + u"\", the program that sets the wallpaper, failed (exit code 3).\nno such schema"_s);
}

TEST(WallpaperMessagesLanguage, AnUnknownDesktopsNoticeIsEnglishInTheLanguageOfTheChange)
{
    {
        LanguageScope english(u"en"_s);
        NullBackend backend(u"Weird"_s);
        EXPECT_EQ(backend.name(), u"none"_s);
        ASSERT_TRUE(backend.SetWallpaper(WallpaperPicture(u"/w/$$WALL$$.BMP"_s, u"0"_s)).ok);
        EXPECT_EQ(backend.TakeNotice(),
                  u"Velmora does not know how to set the wallpaper on this desktop (Weird), so the wallpaper does "
                  u"not change.\nThe wallpaper picture is saved as \"/w/$$WALL$$.BMP\". Choose this file as the "
                  u"wallpaper in the desktop's settings."_s);
    }
    NullBackend backend;
    ASSERT_TRUE(backend.SetWallpaper(WallpaperPicture(u"/w/$$WALL$$.BMP"_s, u"0"_s)).ok);
    EXPECT_TRUE(backend.TakeNotice().startsWith(u"このデスクトップでは壁紙を設定する方法が分からないため"_s));
}
