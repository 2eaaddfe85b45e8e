#pragma once
// Reading and writing the entries of a list control as a text file of lines, with the messages the
// user sees. The widget adapters (ListBoxLoad and friends) sit on top of these.
#include "core/FileBytes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace velmora {

// A bound against runaway files, far past any picture collection: a list of more lines is refused.
inline constexpr int MaxListEntries = 10'000'000;
// List files may be larger than other text files: a million long paths pass 64 MB.
inline constexpr qint64 MaxListFileBytes = qint64(1) << 30;

// 0 with the file's lines in entries; 1 after showing the failure, entries untouched.
// A file of more than MaxListEntries lines is refused whole, never loaded in part: a part saved
// back would lose the rest.
int LoadListEntries(const QString& path, QStringList& entries);

// The same for a file of its own line format: readLines cuts the file's bytes into lines, each
// ending at CR LF, CR or LF (the count against the bound is taken so, before readLines runs).
using LineReader = std::function<QStringList(const QByteArray& bytes)>;
int LoadListEntries(const QString& path, QStringList& entries, const LineReader& readLines);

// A list file read for a run that needs only a few of its entries: checked as LoadListEntries checks
// it (the bounds, the encoding), but its lines are decoded only when asked for; in order, each line
// costs the scan of its own bytes.
class ListFileLines {
public:
    // 0 when read; 1 after showing the failure, and the lines as they were.
    int load(const QString& path);
    int count() const { return m_count; }
    // Empty past the end.
    QString line(int index) const;
    QStringList all() const;

private:
    FileBytes m_bytes;     // UTF-8, decoded line by line
    QStringList m_decoded; // anything else, decoded whole
    bool m_whole = true;
    int m_count = 0;
    mutable int m_cursorLine = 0; // the line that starts at m_cursorAt; 0: none found yet
    mutable qsizetype m_cursorAt = 0;
};

// The message for a list file past MaxListEntries lines.
QString TooManyEntriesText(const QString& path);
// A count as the messages write it, with thousands separated: "10,000,000".
QString EntryCountText(qint64 count);

// 0 when the file now holds exactly the entries; 1 after showing the failure (the old file stays).
// An entry holding a line break cannot be kept in a file of lines and is refused.
int SaveListEntries(const QString& path, const QStringList& entries);

// Makes an empty list file, and never over anything already of that name, also when another program
// makes one meanwhile. 0 when made; 1 after showing why not.
int CreateEmptyListFile(const QString& path);

} // namespace velmora
