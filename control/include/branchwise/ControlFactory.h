#pragma once
// Creation of Branchwise controls by their programmatic identifier ("Branchwise.BranchwiseBase").
#include "branchwise/branchwise_export.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace branchwise {

inline constexpr char BranchwiseBaseProgId[] = "Branchwise.BranchwiseBase";

// A new control of that identifier (letter case ignored, as identifiers are), or null when the
// library holds no such control. The parent owns it.
BRANCHWISE_EXPORT QWidget* CreateControl(const QString& progId, QWidget* parent = nullptr);

// The identifiers the library can create.
BRANCHWISE_EXPORT QStringList RegisteredControls();

// The library's version, "major.minor.patch".
BRANCHWISE_EXPORT QString LibraryVersion();

} // namespace branchwise
