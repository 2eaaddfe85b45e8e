#include "mainwindow/lists/ListCatalog.h"

#include "core/FileKinds.h"
#include "core/PathRoutines.h"
#include "core/TextLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace velmora {

QString EmptyListPlaceholder()
{
    return QCoreApplication::translate("ListCatalog", "ファイルリストの設定をして下さい");
}

QStringList DefaultListEntries(const QString& sourceFolder)
{
    const QString folder = AddPathSep(sourceFolder);
    QStringList entries;
    QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    // The order of the folder file view, so the list and the view show a folder alike.
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return CompareFileNames(a, b) < 0; });
    for (const QString& name : names) {
        if (name == u"pagefile.sys")
            continue;
        const QString path = folder + TrimAtNul(name);
        if (FileKindFixed(path) == Kind::Image)
            entries << path;
    }
    return entries;
}

void CreateDefaultList(const QString& programFolder, const QString& name, const QString& sourceFolder)
{
    const QString folder = AddPathSep(programFolder);
    WriteLinesFile(folder + QString::fromUtf16(CatalogFileName), {name});
    const QString listPath = folder + name;
    if (QFileInfo::exists(listPath))
        return;
    // With neither a pictures folder nor a home, the list is made from the program folder.
    QStringList entries = DefaultListEntries(sourceFolder.isEmpty() ? folder : sourceFolder);
    if (entries.isEmpty())
        entries << EmptyListPlaceholder();
    WriteLinesFile(listPath, entries);
}

QString EnsureCatalogue(const QString& programFolder)
{
    const QString path = AddPathSep(programFolder) + QString::fromUtf16(CatalogFileName);
    if (!FileExists(path))
        CreateDefaultList(programFolder, QString::fromUtf16(DefaultListName), GetWindowsFolder());
    return path;
}

QString NewListName(const QString& typed)
{
    return typed.right(4).toUpper() == u".LST" ? typed : typed + QStringLiteral(".lst");
}

bool CatalogContains(const QStringList& names, const QString& name)
{
    const QString wanted = name.toUpper();
    for (const QString& entry : names)
        if (entry.toUpper() == wanted)
            return true;
    return false;
}

} // namespace velmora
