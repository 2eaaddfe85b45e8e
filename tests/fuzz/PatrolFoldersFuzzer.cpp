// The folder patrol's "lfolder.dat": any bytes, UTF-8 or Shift_JIS, any line ends, more folders than
// the list may hold.
#include "tests/fuzz/FuzzTarget.h"

#include "core/ListFiles.h"
#include "core/TextLines.h"
#include "windows/patrol/PatrolFolderFile.h"

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartProgramState();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (static_cast<qint64>(size) > MaxListFileBytes)
        return 0;
    const QByteArray bytes = fuzz::Bytes(data, size);
    // Past the bound the file is refused whole; the folders are never made.
    if (CountLines(bytes) > MaxListEntries) {
        const fuzz::MemoryFile file(bytes);
        QStringList loaded{QStringLiteral("untouched")};
        if (LoadPatrolFolders(file.path(), loaded) != 1 || loaded != QStringList{QStringLiteral("untouched")})
            fuzz::Broken("a folder file past the bound was loaded");
        return 0;
    }
    const QStringList folders = ReadPatrolFolders(bytes);
    for (const QString& folder : folders)
        if (folder.contains(u'\r') || folder.contains(u'\n'))
            fuzz::Broken("a folder holds a line end");
    // Saved as the save button writes it, the folders read back the same (a leading byte-order mark
    // is taken for the file's, as with every text file).
    if ((folders.isEmpty() || !folders.first().startsWith(QChar(0xFEFF))) &&
        ReadPatrolFolders(EncodeLines(folders)) != folders)
        fuzz::Broken("the folders change when saved and read again");

    // The whole load from a file, size checks and the entry limit included.
    const fuzz::MemoryFile file(bytes);
    QStringList loaded;
    const int status = LoadPatrolFolders(file.path(), loaded);
    if (status != 0)
        fuzz::Broken("a readable folder file failed to load");
    if (loaded != folders)
        fuzz::Broken("the loaded folders are not the file's lines");
    return 0;
}
