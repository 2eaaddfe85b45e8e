#pragma once
// Loading and saving the entries of list boxes and drop-downs as list files.
// Each returns 0 on success and 1 after the failure was shown with OK.
#include <QString>

class QComboBox;

namespace velmora {

class ListBox;

int ListBoxLoad(const QString& path, ListBox& list);
int ListBoxSave(const QString& path, const ListBox& list);
int ComboLoad(const QString& path, QComboBox& combo);
int ComboSave(const QString& path, const QComboBox& combo);

// Sizes a list box's horizontal scroll range to its longest entry, measured in the list's font:
// none when every entry fits in 95% of the visible width, else the longest entry plus 8 pixels.
// Run where a list is (re)loaded. Each entry is measured once, when first fitted; with many entries
// not yet measured the range is set when a job has measured them (the list is usable meanwhile).
void FitListScrollWidth(ListBox& list);

} // namespace velmora
