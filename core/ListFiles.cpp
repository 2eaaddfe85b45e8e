#include "core/ListFiles.h"

#include "core/Failure.h"
#include "core/Prompt.h"
#include "core/TextLines.h"

namespace velmora {

int LoadListEntries(const QString& path, QStringList& entries)
{
    return LoadListEntries(path, entries,
                           [](const QByteArray& bytes) { return SplitLines(DecodeText(bytes)); });
}

int LoadListEntries(const QString& path, QStringList& entries, const LineReader& readLines)
{
    QStringList lines;
    try {
        lines = readLines(ReadWholeFile(path));
    } catch (const Failure& failure) {
        ShowWarning(failure.text());
        return 1;
    }
    if (lines.size() > MaxListEntries) {
        ShowWarning(
            QStringLiteral(
                "リストの項目が多すぎます。\n%1 の %2 項目のうち、先頭の %3 項目だけを読み込みました。\n"
                "このリストを保存すると、読み込まなかった項目はファイルから失われます。")
                .arg(path)
                .arg(lines.size())
                .arg(MaxListEntries));
        lines.resize(MaxListEntries);
    }
    entries = std::move(lines);
    return 0;
}

int SaveListEntries(const QString& path, const QStringList& entries)
{
    try {
        WriteLinesFile(path, entries);
        return 0;
    } catch (const Failure& failure) {
        ShowWarning(failure.text());
        return 1;
    }
}

} // namespace velmora
