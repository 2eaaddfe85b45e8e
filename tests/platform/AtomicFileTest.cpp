#include "platform/AtomicFile.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace velmora::platform {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

int Mode(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

bool Write(const QString& path, const QByteArray& bytes, FileReaders readers = FileReaders::Usual)
{
    AtomicFileWriter writer(path, readers);
    return writer.write(bytes.constData(), bytes.size()) && writer.commit();
}

// Sets the process's umask for the life of the scope.
class Umask {
public:
    explicit Umask(mode_t mask)
        : m_previous(::umask(mask))
    {}
    ~Umask() { ::umask(m_previous); }

private:
    mode_t m_previous;
};

TEST(AtomicFileWriter, ANewFileGetsWhatTheUmaskLeavesAndAReplacedOneKeepsItsRights)
{
    TempFolder folder;
    const QString settings = folder.file("Velmora.INI");
    {
        const Umask mask(027);
        ASSERT_TRUE(Write(settings, "[Velmora]\r\n"));
        EXPECT_EQ(Mode(settings), 0640);
    }
    {
        const Umask mask(0);
        ASSERT_TRUE(Write(folder.file("shared.lst"), "/a.jpg\r\n"));
        EXPECT_EQ(Mode(folder.file("shared.lst")), 0666);
    }
    // The user made the file private; saving it again must not open it to others.
    ASSERT_EQ(::chmod(QFile::encodeName(settings).constData(), 0600), 0);
    ASSERT_TRUE(Write(settings, "[Velmora]\r\nMinBoot= 0\r\n"));
    EXPECT_EQ(Mode(settings), 0600);
    EXPECT_EQ(ReadBytes(settings), "[Velmora]\r\nMinBoot= 0\r\n");
}

TEST(AtomicFileWriter, APrivateFileIsTheOwnersAloneWhateverWasThereBefore)
{
    TempFolder folder;
    const Umask mask(022);
    const QString bitmap = folder.file("$$WALL$$.BMP");
    WriteBytes(bitmap, "an old bitmap");
    ASSERT_EQ(::chmod(QFile::encodeName(bitmap).constData(), 0644), 0);
    ASSERT_TRUE(Write(bitmap, "BM", FileReaders::OwnerOnly));
    EXPECT_EQ(Mode(bitmap), 0600);
    ASSERT_TRUE(Write(folder.file("new.BMP"), "BM", FileReaders::OwnerOnly));
    EXPECT_EQ(Mode(folder.file("new.BMP")), 0600);
}

TEST(AtomicFileWriter, ALinkStaysALinkAndTheFileItNamesIsReplaced)
{
    TempFolder folder;
    TempFolder synced;
    const QString real = synced.file("holiday.lst");
    const QString link = folder.file("holiday.lst");
    WriteBytes(real, "/old.jpg\r\n");
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(Write(link, "/new.jpg\r\n"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadBytes(real), "/new.jpg\r\n");
    // The temporary was made beside the real file and is gone.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
              QStringList{"holiday.lst"});
    EXPECT_EQ(QDir(synced.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"holiday.lst"});

    // A link to a file not yet there makes it.
    const QString dangling = folder.file("later.lst");
    ASSERT_TRUE(QFile::link(synced.file("later.lst"), dangling));
    ASSERT_TRUE(Write(dangling, "/a.jpg\r\n"));
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(ReadBytes(synced.file("later.lst")), "/a.jpg\r\n");
}

} // namespace
} // namespace velmora::platform
