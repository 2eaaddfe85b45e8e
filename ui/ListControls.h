#pragma once
// Loading and saving the entries of list boxes and drop-downs as list files.
// Each returns 0 on success and 1 after the failure was shown with OK.
#include <QString>

class QComboBox;
class QListWidget;

namespace velmora {

int ListBoxLoad(const QString& path, QListWidget& list);
int ListBoxSave(const QString& path, const QListWidget& list);
int ComboLoad(const QString& path, QComboBox& combo);
int ComboSave(const QString& path, const QComboBox& combo);

// Sizes a list box's horizontal scroll range to its longest entry.
void FitListScrollWidth(QListWidget& list);

} // namespace velmora
