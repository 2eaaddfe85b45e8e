#pragma once
// The control's property page "全般" (General): one box for QuickMode.
#include "branchwise/branchwise_export.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QCheckBox;
class QDialogButtonBox;

namespace branchwise {

class BRANCHWISE_EXPORT BranchwisePropertyPage : public QDialog {
    Q_OBJECT
public:
    explicit BranchwisePropertyPage(QWidget* parent = nullptr);

    // The designer's selection; the page reads and writes the first control only.
    void SelectionChanged(const QList<QObject*>& selectedControls);
    // Writes the box to the first selected control's QuickMode and clears the changed mark.
    void ApplyChanges();
    bool Changed() const { return m_changed; }

    QCheckBox* chkQuickMode() const { return m_chkQuickMode; }

private:
    void chkQuickMode_Click();

    QCheckBox* m_chkQuickMode;
    QDialogButtonBox* m_buttons;
    QList<QPointer<QObject>> m_selected;
    bool m_changed = false;
};

} // namespace branchwise
