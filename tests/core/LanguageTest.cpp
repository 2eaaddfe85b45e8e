#include "core/AddedSettings.h"
#include "core/Language.h"
#include "core/SettingsFile.h"
#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace Qt::StringLiterals;

TEST(LanguageTest, TheSettingWinsThenTheFirstUiLanguageWeHaveThenJapaneseForCAndEnglishForTheRest)
{
    EXPECT_EQ(ResolveLanguage(u"en"_s, {u"ja-JP"_s}), u"en"_s);
    EXPECT_EQ(ResolveLanguage(u"ja"_s, {u"en-US"_s}), u"ja"_s);
    EXPECT_EQ(ResolveLanguage(u" EN "_s, {}), u"en"_s);
    // An unknown setting follows the desktop, as an empty one does.
    EXPECT_EQ(ResolveLanguage(u"fr"_s, {u"ja-JP"_s, u"ja"_s}), u"ja"_s);
    EXPECT_EQ(ResolveLanguage(QString(), {u"en-US"_s, u"en-Latn-US"_s, u"en"_s}), u"en"_s);
    EXPECT_EQ(ResolveLanguage(QString(), {u"ja_JP.UTF-8"_s}), u"ja"_s);
    // LANGUAGE=de:ja: German has no catalogue, Japanese is the next choice.
    EXPECT_EQ(ResolveLanguage(QString(), {u"de"_s, u"de-DE"_s, u"ja"_s}), u"ja"_s);
    EXPECT_EQ(ResolveLanguage(QString(), {u"de-DE"_s, u"de"_s}), u"en"_s);
    EXPECT_EQ(ResolveLanguage(QString(), {u"C"_s}), u"ja"_s);
    EXPECT_EQ(ResolveLanguage(QString(), {u"POSIX"_s}), u"ja"_s);
    EXPECT_EQ(ResolveLanguage(QString(), {}), u"ja"_s);
}

TEST(LanguageTest, InstallingEnglishTranslatesAndJapaneseGivesTheSourceTextsBack)
{
    InstallLanguage(u"en"_s);
    EXPECT_EQ(CurrentLanguage(), u"en"_s);
    const QString english = QCoreApplication::translate("LanguageMenu", "デスクトップに合わせる");
    EXPECT_FALSE(english.isEmpty());
    EXPECT_NE(english, u"デスクトップに合わせる"_s) << "no English catalogue was loaded";
    InstallLanguage(u"ja"_s);
    EXPECT_EQ(CurrentLanguage(), u"ja"_s);
    EXPECT_EQ(QCoreApplication::translate("LanguageMenu", "デスクトップに合わせる"), u"デスクトップに合わせる"_s);
    // Anything else is Japanese, the language of the source texts.
    InstallLanguage(u"xx"_s);
    EXPECT_EQ(CurrentLanguage(), u"ja"_s);
}

TEST(LanguageTest, TheStoredLanguageIsReadQuietlyAndWrittenOnlyWhenChosen)
{
    test::TempFolder folder;
    EXPECT_EQ(StoredLanguage(folder.path()), QString());
    const QString path = folder.file(QString::fromUtf16(SettingsFileName));
    test::WriteBytes(path, "[Velmora]\r\nChangeTimer=60\r\nLanguage=en\r\n");
    EXPECT_EQ(StoredLanguage(folder.path()), u"en"_s);
    // What the window would warn about (here a folder in the file's place) gives no language.
    test::TempFolder other;
    ASSERT_TRUE(QDir(other.path()).mkdir(QString::fromUtf16(SettingsFileName)));
    EXPECT_EQ(StoredLanguage(other.path()), QString());

    Settings settings;
    QStringList lines;
    AppendAddedSettings(settings, lines);
    EXPECT_TRUE(lines.isEmpty());
    settings.Language = u"en"_s;
    AppendAddedSettings(settings, lines);
    EXPECT_EQ(lines, QStringList{u"Language=en"_s});
    Settings read;
    EXPECT_TRUE(ReadAddedSetting(read, u"Language=ja"));
    EXPECT_EQ(read.Language, u"ja"_s);
}

} // namespace
} // namespace velmora
