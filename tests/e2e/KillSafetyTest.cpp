// SIGKILL at random moments while the program saves: every file it keeps is afterwards either the
// old or the new version, whole, and the next start leaves no temporary file behind.
#include "core/ListFiles.h"
#include "core/SettingsFile.h"
#include "core/StaleTemporaries.h"
#include "core/TextLines.h"
#include "engine/BmpWriter.h"
#include "tests/e2e/ProgramRun.h"
#include "tests/e2e/SaveVersions.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

using namespace velmora;
using namespace velmora::test;

namespace {

QImage Pattern(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x + seed * 70) % 256, (y * 3 + seed * 40) % 256, ((x ^ y) + seed) % 256);
    }
    return image;
}

qint64 Inode(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? qint64(status.st_ino) : -1;
}

QStringList Temporaries(const QString& folder)
{
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        if (IsStaleTemporaryName(name))
            names << name;
    return names;
}

// A bitmap is whole when its header's file size is the file's and it decodes to one of the pictures.
bool WholeBitmapOfOneOf(const QString& path, const QList<QImage>& pictures)
{
    const QByteArray bytes = ReadBytes(path);
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return false;
    const quint32 declared = quint32(uchar(bytes[2])) | quint32(uchar(bytes[3])) << 8 |
                             quint32(uchar(bytes[4])) << 16 | quint32(uchar(bytes[5])) << 24;
    if (declared != quint32(bytes.size()))
        return false;
    const QImage image = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    for (const QImage& picture : pictures)
        if (image == picture)
            return true;
    return false;
}

// A settings file the program wrote whole: the header, then every key once in its order.
bool WholeSettingsFile(const QByteArray& bytes)
{
    if (!bytes.startsWith("[Velmora]\r\n") || !bytes.endsWith("\r\n"))
        return false;
    const QStringList lines = SplitLines(DecodeText(bytes));
    const QStringList keys = SettingsKeys();
    if (lines.size() != keys.size() + 1)
        return false;
    for (qsizetype i = 0; i < keys.size(); ++i)
        if (!lines[i + 1].startsWith(keys[i]))
            return false;
    return true;
}

QByteArray ListLines(const QStringList& paths)
{
    QByteArray bytes;
    for (const QString& path : paths)
        bytes += path.toUtf8() + "\r\n";
    return bytes;
}

class KillSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        const quint32 seed = qEnvironmentVariableIsSet("VELMORA_KILL_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("VELMORA_KILL_SEED"))
                                 : QRandomGenerator::system()->generate();
        random.seed(seed);
        RecordProperty("seed", std::to_string(seed));
        std::printf("kill moments from seed %u (VELMORA_KILL_SEED repeats them)\n", seed);
    }

    // The milliseconds from low to high, at random.
    int moment(int low, int high) { return int(random.bounded(low, high + 1)); }

    // Notes the temporaries a kill left; counts the kill when it left a new one.
    void noteLeftovers(const QString& folder)
    {
        const QStringList now = Temporaries(folder);
        for (const QString& name : now)
            if (!leftovers.contains(name)) {
                ++killsWithLeftovers;
                break;
            }
        leftovers = now;
    }

    // Once a start has gone as far as changing the wallpaper, what earlier kills left must be gone.
    void expectLeftoversGone(const QString& folder, const QStringList& before)
    {
        for (const QString& name : before)
            EXPECT_FALSE(QFileInfo::exists(folder + name)) << name.toStdString() << " survived a start";
    }

    QRandomGenerator random;
    QStringList leftovers;
    int killsWithLeftovers = 0;
};

TEST_F(KillSafety, SavesAndTimerChangesKilledAtRandomLoseNothing)
{
    ProgramRun velmora;
    ASSERT_FALSE(velmora.display().isEmpty());
    const QString folder = velmora.program().path();

    // List saves, settings and bitmap writes through the program's writers, killed 25 times.
    const QByteArray settings[] = {SettingsFileBytes(SettingsVersion(0)),
                                   SettingsFileBytes(SettingsVersion(1))};
    const QByteArray lists[] = {EncodeLines(ListVersion(0)), EncodeLines(ListVersion(1))};
    const QList<QImage> bitmaps = {BitmapVersion(0), BitmapVersion(1)};
    ASSERT_EQ(SaveListEntries(folder + "Velmora.lst", ListVersion(0)), 0);
    ASSERT_TRUE(WriteSettingsFile(SettingsVersion(0), folder + "Velmora.INI"));
    SaveBmp24(bitmaps[0], folder + "$$WALL$$.BMP");
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE("save round " + std::to_string(round));
        QProcess loop;
        loop.start(QStringLiteral(VELMORA_SAVE_LOOP), {folder});
        ASSERT_TRUE(loop.waitForReadyRead(20000));
        QThread::msleep(ulong(moment(0, 400)));
        loop.kill();
        ASSERT_TRUE(loop.waitForFinished(20000));
        const QByteArray list = ReadBytes(folder + "Velmora.lst");
        EXPECT_TRUE(list == lists[0] || list == lists[1]) << "list of " << list.size() << " bytes";
        const QByteArray ini = ReadBytes(folder + "Velmora.INI");
        EXPECT_TRUE(ini == settings[0] || ini == settings[1]) << "settings of " << ini.size() << " bytes";
        EXPECT_TRUE(WholeBitmapOfOneOf(folder + "$$WALL$$.BMP", bitmaps));
        noteLeftovers(folder);
    }

    // The real program changing the wallpaper every second, killed 25 times: at a random moment, the
    // moment a bitmap is being written, or shortly after being asked to end (when it saves the settings).
    const QList<QImage> pictures = {Pattern(2400, 1600, 1), Pattern(1600, 2000, 2), Pattern(2000, 1500, 3)};
    QStringList paths;
    for (int i = 0; i < pictures.size(); ++i)
        paths << velmora.picture(QStringLiteral("%1.png").arg(i), pictures[i]);
    WriteBytes(folder + "lfname.dat", "Velmora.lst\r\n");
    WriteBytes(folder + "Velmora.lst", ListLines(paths));
    const QByteArray ownSettings =
        "[Velmora]\r\nListMode= 2\r\nFileIndex2= 0\r\nTimerOnMode= 1\r\nChangeTimer= 1\r\n";
    WriteBytes(folder + "Velmora.INI", ownSettings);
    QFile::remove(folder + "$$WALL$$.BMP");
    int whileWriting = 0;
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE("program round " + std::to_string(round));
        const QStringList before = leftovers;
        const qint64 bitmapBefore = Inode(folder + "$$WALL$$.BMP");
        velmora.start({QStringLiteral("-ng")});
        const int kind = round % 3;
        if (kind == 0) {
            QThread::msleep(ulong(moment(300, 2600)));
        } else if (kind == 1) {
            // The moment a new temporary shows: a bitmap is being written.
            QElapsedTimer waited;
            waited.start();
            bool writing = false;
            while (!writing && waited.elapsed() < 5000) {
                for (const QString& name : Temporaries(folder))
                    writing = writing || !before.contains(name);
                if (!writing)
                    QThread::usleep(200);
            }
            whileWriting += writing ? 1 : 0;
        } else {
            QThread::msleep(ulong(moment(1200, 2400)));
            velmora.signal(SIGTERM);
            QThread::usleep(ulong(moment(0, 60000)));
        }
        velmora.signal(SIGKILL);
        ASSERT_TRUE(velmora.waitForEnd());
        // Every change renames a new bitmap into place: a new inode means the start got that far.
        if (const qint64 bitmapAfter = Inode(folder + "$$WALL$$.BMP");
            bitmapAfter >= 0 && bitmapAfter != bitmapBefore)
            expectLeftoversGone(folder, before);
        const QByteArray ini = velmora.settingsFile();
        EXPECT_TRUE(ini == ownSettings || WholeSettingsFile(ini)) << ini.toStdString();
        if (QFileInfo::exists(folder + "$$WALL$$.BMP")) {
            EXPECT_TRUE(WholeBitmapOfOneOf(folder + "$$WALL$$.BMP", pictures));
        }
        EXPECT_EQ(ReadBytes(folder + "Velmora.lst"), ListLines(paths));
        noteLeftovers(folder);
    }
    EXPECT_GT(whileWriting, 0) << "no kill landed while a bitmap was being written";

    // The next start, to its end.
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    EXPECT_EQ(Temporaries(folder), QStringList());
    EXPECT_TRUE(WholeSettingsFile(velmora.settingsFile()));
    EXPECT_TRUE(WholeBitmapOfOneOf(folder + "$$WALL$$.BMP", pictures));
    std::printf("%d of 50 kills left a temporary file; %d landed while a bitmap was written\n",
                killsWithLeftovers, whileWriting);
}

} // namespace
