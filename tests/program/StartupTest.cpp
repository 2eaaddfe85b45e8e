#include "tests/support/TestSupport.h"

#include "core/Prompt.h"
#include "program/CommandLine.h"
#include "program/SplashWindow.h"
#include "ui/ProgramArtwork.h"
#include "core/Version.h"
#include "mainwindow/MainLoadHandler.h"

#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

using namespace velmora;

TEST(CommandLine, SwitchesAreFoundAnywhereAsPlainText)
{
    const auto parse = [](std::initializer_list<const char*> words) {
        QStringList arguments{QStringLiteral("/opt/velmora/velmora")};
        for (const char* word : words)
            arguments << QString::fromUtf8(word);
        return CommandLine::parse(arguments);
    };
    EXPECT_TRUE(parse({"-s"}).oneShot);
    EXPECT_TRUE(parse({"x-sy"}).oneShot);
    EXPECT_TRUE(parse({"-ng", "-s"}).hidden);
    EXPECT_TRUE(parse({"-ngs"}).hidden) << "\"-ngs\" holds \"-ng\"";
    EXPECT_FALSE(parse({"-ngs"}).oneShot) << "but not \"-s\"";
    EXPECT_FALSE(parse({"-S", "/s", "-NG"}).oneShot);
    EXPECT_FALSE(parse({"-S", "/s", "-NG"}).hidden);
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("/home/a-s/velmora")}).oneShot)
        << "the program's own path is not searched";
}

TEST(Splash, MarkerFileOrFolderSuppressesItAndTheVersionReads)
{
    test::TempFolder program;
    EXPECT_FALSE(SplashSuppressed(program.path()));
    QDir(program.path()).mkdir(QStringLiteral("NOSPLASH"));
    EXPECT_TRUE(SplashSuppressed(program.path()));
    test::TempFolder other;
    test::WriteBytes(other.file(QStringLiteral("NOSPLASH")), "");
    EXPECT_TRUE(SplashSuppressed(other.path().chopped(1)));

    EXPECT_EQ(VersionText({2, 1, 0}), QStringLiteral("Version 2.10"));
    EXPECT_EQ(VersionText({2, 10, 3}), QStringLiteral("Version 2.103"));
    SplashWindow splash;
    EXPECT_EQ(splash.lblVersion()->text(), VersionText(CurrentVersion()));
    EXPECT_FALSE(ProgramLogo(QSize(100, 30)).toImage().pixelColor(50, 15).alpha() == 0) << "the logo draws";
}

TEST(MainLoadHandler, SilentCodesDataFileMessageAndOthers)
{
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    for (ErrorCode code : {ErrorCode::IndexOutOfBounds, ErrorCode::ElementNotFound})
        EXPECT_EQ(LoadFailureHandler(Failure(code, QStringLiteral("x"))), Recovery::Continue);
    EXPECT_EQ(prompter.count(), 0);
    LoadFailureHandler(Failure(ErrorCode::InvalidPropertyArrayIndex, QStringLiteral("x")));
    LoadFailureHandler(Failure(ErrorCode::FileNotFound, QStringLiteral("ファイルが見つかりません。")));
    EXPECT_EQ(prompter.texts(),
              (QStringList{"データファイルが見つかりません", "ファイルが見つかりません。"}));
    EXPECT_EQ(prompter.requests()[0].kind, PromptKind::Warning);
}
