#include "core/Failure.h"
#include "core/FileKinds.h"
#include "core/Prompt.h"
#include "engine/ImageDecoder.h"
#include "engine/WallpaperLoading.h"
#include "engine/collage/CollagePicture.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

namespace velmora {
namespace {

QByteArray pngBytes()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    test::FlatImage(8, 6, 0xff2040a0).save(&buffer, "PNG");
    return bytes;
}

bool refusedAsSpecial(const std::function<void()>& read, const QString& path)
{
    try {
        read();
    } catch (const Failure& failure) {
        return failure.text().contains(QStringLiteral("通常のファイルではありません")) &&
               failure.text().contains(path);
    }
    return false;
}

// Each reader is handed a pipe that would give a good picture to whoever opened it.
TEST(SpecialFileRead, EveryPictureReaderRefusesAPipeWithAMessageNamingIt)
{
    BuildFileKindTable();
    test::TempFolder folder;
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> readers{
        {"DecodeImage", [](const QString& path) { DecodeImage(path); }},
        {"DecodeImageReduced", [](const QString& path) { DecodeImageReduced(path, {}); }},
        {"ReadPictureFile", [](const QString& path) { ReadPictureFile(path); }},
        {"CollagePicture", [](const QString& path) { CollagePicture::Read(path); }},
    };
    for (const auto& [name, read] : readers) {
        const QString path = folder.file(QString::fromLatin1(name) + QStringLiteral(".png"));
        test::FifoTrap trap(path, pngBytes());
        ASSERT_TRUE(trap.made());
        EXPECT_TRUE(refusedAsSpecial([&] { read(path); }, path)) << name;
    }
}

TEST(SpecialFileRead, AListEntryThatIsAPipeGetsTheUsualFailurePrompt)
{
    BuildFileKindTable();
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("trap.jpg"));
    test::FifoTrap trap(path, pngBytes());
    ASSERT_TRUE(trap.made());
    ScriptedPrompter prompter{Answer::Ignore};
    PrompterScope scope(prompter);
    EXPECT_FALSE(ReadWallpaperImage(path).has_value());
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_EQ(prompter.requests()[0].kind, PromptKind::AbortRetryIgnore);
    EXPECT_TRUE(prompter.texts()[0].contains(QStringLiteral("通常のファイルではありません")));
    EXPECT_TRUE(prompter.texts()[0].contains(path));
}

} // namespace
} // namespace velmora
