#pragma once
// Folders and files for the patrol and search tests, made from short descriptions.
#include <QString>
#include <QStringList>

namespace velmora::test {

// Creates each relative path below root: a path ending in "/" is a folder, any other a small file
// (its folders made as needed).
void MakeTree(const QString& root, const QStringList& paths);

// A symbolic link at root + link pointing to target.
void MakeLink(const QString& target, const QString& link);

} // namespace velmora::test
