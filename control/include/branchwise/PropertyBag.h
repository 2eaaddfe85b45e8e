#pragma once
// The container's property bag: where a control saves its properties and reads them back.
#include "branchwise/branchwise_export.h"

#include <QString>
#include <QVariant>

namespace branchwise {

class BRANCHWISE_EXPORT PropertyBag {
public:
    virtual ~PropertyBag();

    // The stored value of the key converted to the default's type, or the default when the key is
    // missing. A stored value that cannot be converted reads as an invalid QVariant.
    virtual QVariant ReadProperty(const QString& name, const QVariant& defaultValue) = 0;
    // Stores the value; a value equal to the default may be left out.
    virtual void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) = 0;
};

} // namespace branchwise
