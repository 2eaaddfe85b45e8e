#pragma once
// "lfolder.dat", the patrol folders beside the program: one folder a line, UTF-8 with CR LF when
// written; read as UTF-8 or Shift_JIS, lines ending at CR LF, CR or LF.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmora {

inline constexpr char16_t PatrolFolderFileName[] = u"lfolder.dat";

// The file's place in the program folder.
QString PatrolFolderFilePath(const QString& programFolder);

// The folders of the file's bytes, one a line, as they are: nothing trimmed, an empty line an empty
// entry. Takes any bytes.
QStringList ReadPatrolFolders(const QByteArray& bytes);

// 0 with the file's folders in folders; 1 after showing the failure, folders untouched. A file of
// more than MaxListEntries lines is refused whole.
int LoadPatrolFolders(const QString& path, QStringList& folders);

// 0 when the file holds exactly the folders; 1 after showing the failure (the old file stays whole).
int SavePatrolFolders(const QString& path, const QStringList& folders);

} // namespace velmora
