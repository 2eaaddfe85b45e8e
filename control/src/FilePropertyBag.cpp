#include "branchwise/FilePropertyBag.h"

#include <QFile>
#include <QFont>
#include <QSaveFile>

namespace branchwise {

PropertyBag::~PropertyBag() = default;

FilePropertyBag::FilePropertyBag(QString path)
    : m_path(std::move(path))
{}

bool FilePropertyBag::load()
{
    m_entries.clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).toString();
        const QString value = line.mid(eq + 1).toString();
        bool replaced = false;
        for (auto& entry : m_entries) {
            if (entry.first == key) {
                entry.second = value;
                replaced = true;
            }
        }
        if (!replaced)
            m_entries.append({key, value});
    }
    return true;
}

bool FilePropertyBag::save() const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const auto& entry : m_entries)
        bytes += (entry.first + u'=' + entry.second + QStringLiteral("\r\n")).toUtf8();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

QStringList FilePropertyBag::keys() const
{
    QStringList names;
    for (const auto& entry : m_entries)
        names.append(entry.first);
    return names;
}

QString FilePropertyBag::text(const QString& name) const
{
    for (const auto& entry : m_entries) {
        if (entry.first == name)
            return entry.second;
    }
    return {};
}

QString FilePropertyBag::ToText(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QFont: return value.value<QFont>().toString();
    default: return value.toString();
    }
}

QVariant FilePropertyBag::FromText(const QString& text, const QVariant& like)
{
    bool ok = false;
    switch (like.metaType().id()) {
    case QMetaType::Bool:
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        {
            const qlonglong number = text.trimmed().toLongLong(&ok);
            return ok ? QVariant(number != 0) : QVariant();
        }
    case QMetaType::Int: {
        const int number = text.trimmed().toInt(&ok);
        return ok ? QVariant(number) : QVariant();
    }
    case QMetaType::LongLong: {
        const qlonglong number = text.trimmed().toLongLong(&ok);
        return ok ? QVariant::fromValue<qint64>(number) : QVariant();
    }
    case QMetaType::QFont: {
        QFont font;
        return font.fromString(text) ? QVariant(font) : QVariant();
    }
    default: return text;
    }
}

QVariant FilePropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue)
{
    for (const auto& entry : m_entries) {
        if (entry.first == name)
            return FromText(entry.second, defaultValue);
    }
    return defaultValue;
}

void FilePropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    const QString text = ToText(value);
    const bool isDefault = defaultValue.isValid() && text == ToText(defaultValue);
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first != name)
            continue;
        if (isDefault)
            m_entries.removeAt(i);
        else
            m_entries[i].second = text;
        return;
    }
    if (!isDefault)
        m_entries.append({name, text});
}

} // namespace branchwise
