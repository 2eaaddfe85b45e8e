// The reader of list files and of the catalogue "lfname.dat": any bytes, UTF-8 or Shift_JIS, CR LF,
// lone CR or LF, more lines than a list may hold; read whole and line by line on demand.
#include "tests/fuzz/FuzzTarget.h"

#include "core/ListFiles.h"
#include "core/TextLines.h"

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
    // Past the bound the file is refused whole; the lines are never made.
    if (CountLines(bytes) > MaxListEntries) {
        const fuzz::MemoryFile file(bytes);
        QStringList entries{QStringLiteral("untouched")};
        if (LoadListEntries(file.path(), entries) != 1 || entries != QStringList{QStringLiteral("untouched")})
            fuzz::Broken("a list past the bound was loaded");
        return 0;
    }
    const QStringList lines = SplitLines(DecodeText(bytes));
    for (const QString& line : lines)
        if (line.contains(u'\r'))
            fuzz::Broken("a line holds a line end");

    // A list saved right after loading holds the same entries. (An entry that itself begins with a
    // byte-order mark loses it: the reader takes a leading one for the file's.)
    if (lines.isEmpty() || !lines.first().startsWith(QChar(0xFEFF))) {
        if (SplitLines(DecodeText(EncodeLines(lines))) != lines)
            fuzz::Broken("a list changes when saved and loaded again");
    }

    const fuzz::MemoryFile file(bytes);
    QStringList entries{QStringLiteral("untouched")};
    if (LoadListEntries(file.path(), entries) != 0)
        fuzz::Broken("a readable list file failed to load");
    if (entries != lines)
        fuzz::Broken("the loaded entries are not the file's lines");

    // A one-shot run's reading, line by line on demand: the same lines, in order and back.
    ListFileLines onDemand;
    if (onDemand.load(file.path()) != 0 || onDemand.count() != lines.size())
        fuzz::Broken("the lines read on demand are not counted as loaded");
    for (int i = 0; i < onDemand.count(); ++i)
        if (onDemand.line(i) != lines[i])
            fuzz::Broken("a line read on demand differs from the loaded entry");
    if (!lines.isEmpty() && onDemand.line(0) != lines.first())
        fuzz::Broken("the first line read again differs");
    return 0;
}
