#pragma once
// A property bag kept in a text file of "Key=Value" lines (UTF-8), written atomically.
#include "branchwise/PropertyBag.h"

#include <QList>
#include <QPair>

namespace branchwise {

class BRANCHWISE_EXPORT FilePropertyBag final : public PropertyBag {
public:
    explicit FilePropertyBag(QString path);

    // Reads the file; a missing file gives an empty bag. False when the file exists but cannot be read.
    bool load();
    // Writes every stored key, in the order of writing, to a temporary file renamed over the bag's file.
    bool save() const;

    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) override;
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) override;

    // The stored keys in file order, and a key's stored text.
    QStringList keys() const;
    QString text(const QString& name) const;
    void clear() { m_entries.clear(); }

    // The text form of a value and the value of a text, by the type of the default.
    static QString ToText(const QVariant& value);
    static QVariant FromText(const QString& text, const QVariant& like);

private:
    QString m_path;
    QList<QPair<QString, QString>> m_entries;
};

} // namespace branchwise
