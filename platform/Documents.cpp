#include "platform/Documents.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace velmora::platform {

QString FindDocumentIn(const QStringList& folders, const QString& name)
{
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString FindDocument(const QString& name)
{
    return FindDocumentIn(DocumentationFolders(), name);
}

QUrl DocumentationPageUrl(const QString& anchor)
{
    const QString page = FindDocument(QString::fromUtf16(DocumentationPageFileName));
    if (page.isEmpty())
        return {};
    QUrl url = QUrl::fromLocalFile(page);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

} // namespace velmora::platform
