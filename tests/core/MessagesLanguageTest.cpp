// Failures and messages of the core in English: made where they happen, on any thread, in the
// language installed at that moment, and written so by an unattended run.
#include "core/BadSettingsFile.h"
#include "core/Failure.h"
#include "core/ListFiles.h"
#include "core/Prompt.h"
#include "core/TextLines.h"
#include "core/UnattendedPrompter.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WidgetTexts.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentRun>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

using namespace velmora;
using namespace velmora::test;
using namespace Qt::StringLiterals;

TEST(MessagesLanguage, FailureTextsAreEnglishAndSayWhatWasBeingDone)
{
    LanguageScope english(u"en"_s);
    EXPECT_EQ(Failure::standardText(ErrorCode::FileNotFound), u"File not found."_s);
    EXPECT_EQ(Failure::fromErrno(EACCES, u"/p"_s, FileAccess::Write).text(), u"Cannot write. Access denied.\n/p"_s);
    EXPECT_EQ(Failure::fromErrno(EACCES, u"/p"_s, FileAccess::Read).text(), u"Cannot read. Access denied.\n/p"_s);
    EXPECT_EQ(Failure::fromErrno(ENOENT, u"/d/"_s, FileAccess::ListFolder).text(), u"Folder not found.\n/d/"_s);
    // what() carries the same text, for logs.
    EXPECT_STREQ(Failure::fromErrno(ENOSPC, {}).what(), "The disk is full.");

    // Made on a worker, as decoding and folder walks make them.
    const QString onWorker =
        QtConcurrent::run([] { return Failure::standardText(ErrorCode::OutOfMemory); }).result();
    EXPECT_EQ(onWorker, u"Out of memory."_s);
}

TEST(MessagesLanguage, FileListAndSettingsMessagesAreEnglish)
{
    LanguageScope english(u"en"_s);
    TempFolder folder;
    try {
        ReadWholeFile(folder.path());
        ADD_FAILURE() << "a folder was read as a file";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.text(), u"This is a folder, not a file.\n"_s + folder.path());
    }
    EXPECT_TRUE(TooManyEntriesText(u"/l.lst"_s).startsWith(u"The list has too many entries (more than "_s));
    EXPECT_EQ(BadSettingsNotice(BadSettingsCopy::Made),
              u"The settings file could not be read to its end, so the original file was kept as Velmora.INI.bad."_s);

    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    EXPECT_NE(SaveListEntries(folder.file(u"l.lst"_s), {u"a\nb"_s}), 0);
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_TRUE(prompter.texts()[0].startsWith(u"An entry with a line break cannot be saved in a list.\nLine 1: a b\n"_s))
        << prompter.texts()[0].toStdString();
}

TEST(MessagesLanguage, AnUnattendedRunWritesTheEnglishTextAndJapaneseComesBack)
{
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    UnattendedPrompter prompter(out);
    PrompterScope scope(prompter);
    {
        LanguageScope english(u"en"_s);
        ShowWarning(Failure::fromErrno(ENOENT, u"/gone.jpg"_s, FileAccess::Read).text());
    }
    ShowWarning(Failure::standardText(ErrorCode::FileNotFound));
    std::rewind(out);
    char buffer[512] = {};
    const size_t got = std::fread(buffer, 1, sizeof buffer - 1, out);
    std::fclose(out);
    EXPECT_EQ(QString::fromUtf8(buffer, qsizetype(got)),
              u"velmora: File not found. /gone.jpg\nvelmora: ファイルが見つかりません。\n"_s);
}
