#pragma once
// Reading and writing the entries of a list control as a text file of lines, with the messages the
// user sees. The widget adapters (ListBoxLoad and friends) sit on top of these.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace velmora {

// A list holds at most this many entries: positions in it are stored as 16-bit numbers.
inline constexpr int MaxListEntries = 32767;

// 0 with the file's lines in entries; 1 after showing the failure, entries untouched.
// A longer file loads its first MaxListEntries lines and tells the user how many were left out.
int LoadListEntries(const QString& path, QStringList& entries);

// The same for a file of its own line format: readLines cuts the file's bytes into lines.
using LineReader = std::function<QStringList(const QByteArray& bytes)>;
int LoadListEntries(const QString& path, QStringList& entries, const LineReader& readLines);

// 0 when the file now holds exactly the entries; 1 after showing the failure (the old file stays).
// An entry holding a line break cannot be kept in a file of lines and is refused.
int SaveListEntries(const QString& path, const QStringList& entries);

// Makes an empty list file, and never over anything already of that name, also when another program
// makes one meanwhile. 0 when made; 1 after showing why not.
int CreateEmptyListFile(const QString& path);

} // namespace velmora
