#include "tools/docbuild/MarkdownDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>

namespace velmora::docbuild {
namespace {

// The document hands loaded pictures back as pixmaps, images or raw bytes.
QSize pictureSize(const QVariant& resource)
{
    switch (resource.userType()) {
    case QMetaType::QPixmap: return resource.value<QPixmap>().size();
    case QMetaType::QImage: return resource.value<QImage>().size();
    case QMetaType::QByteArray: return QImage::fromData(resource.toByteArray()).size();
    default: return {};
    }
}

} // namespace

QString HeadingAnchor(const QString& heading)
{
    QString anchor;
    for (const QChar c : heading.trimmed().toLower()) {
        if (c.isLetterOrNumber() || c == u'-' || c == u'_' || c.isMark())
            anchor += c;
        else if (c.isSpace())
            anchor += u'-';
    }
    return anchor;
}

std::unique_ptr<QTextDocument> LoadMarkdown(const QString& path, const QFont& font, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return nullptr;
    }
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font);
    // Relative picture paths are resolved against the file's own folder.
    document->setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath() + u'/'));
    document->setMarkdown(QString::fromUtf8(file.readAll()));
    return document;
}

void AddHeadingAnchors(QTextDocument& document)
{
    QSet<QString> used;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.length() <= 1)
            continue;
        const QString base = HeadingAnchor(block.text());
        QString name = base;
        for (int n = 1; used.contains(name); ++n)
            name = base + u'-' + QString::number(n);
        used.insert(name);
        // On the first character only: an anchor on every fragment would repeat the name.
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({name});
        cursor.mergeCharFormat(anchor);
    }
}

QString DocumentLanguage(const QString& path)
{
    const QStringList parts = QFileInfo(path).fileName().split(u'.');
    if (parts.size() < 3)
        return {};
    const QString& language = parts[parts.size() - 2];
    const bool isCode = language.size() >= 2 && language.size() <= 3 &&
                        std::all_of(language.begin(), language.end(), [](QChar c) { return c.isLower(); });
    return isCode ? language : QString();
}

QUrl UntranslatedPicture(const QUrl& picture, const QString& language)
{
    if (language.isEmpty())
        return {};
    const QString path = picture.path();
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString suffix = u'-' + language;
    if (dot <= slash || !QStringView(path).left(dot).endsWith(suffix))
        return {};
    QUrl original = picture;
    original.setPath(path.left(dot - suffix.size()) + path.mid(dot));
    return original;
}

void FitPictures(QTextDocument& document, double maxWidth, const QString& language, QStringList* replaced)
{
    // Collected first: changing a format while walking the fragments would move them underfoot.
    QList<std::pair<int, QTextImageFormat>> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                pictures.append({it.fragment().position(), it.fragment().charFormat().toImageFormat()});

    for (auto& [position, picture] : pictures) {
        QUrl url = document.baseUrl().resolved(QUrl(picture.name()));
        QVariant resource = document.resource(QTextDocument::ImageResource, url);
        QSize size = pictureSize(resource);
        if (const QUrl original = UntranslatedPicture(url, language); size.isEmpty() && !original.isEmpty()) {
            resource = document.resource(QTextDocument::ImageResource, original);
            size = pictureSize(resource);
            if (!size.isEmpty() && replaced)
                replaced->append(picture.name());
            url = original;
        }
        if (size.isEmpty())
            continue;
        // Printing works on a copy of the document that keeps added resources but not the base
        // address, so the picture goes by its full address and travels with the document.
        document.addResource(QTextDocument::ImageResource, url, resource);
        picture.setName(url.toString());
        if (size.width() > maxWidth) {
            picture.setWidth(maxWidth);
            picture.setHeight(maxWidth * size.height() / size.width());
        }
        QTextCursor cursor(&document);
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture);
    }
}

QString FirstHeading(const QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() > 0)
            return block.text().trimmed();
    return {};
}

} // namespace velmora::docbuild
