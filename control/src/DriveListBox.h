#pragma once
// Drive1: a drop-down of the drives, "/" first; each item's text begins with its mount path.
#include "DriveTypes.h"

#include <QComboBox>

namespace branchwise {

class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget* parent = nullptr);

    // Lists the drives again, keeping the current drive when it is still mounted. Raises no change.
    void refresh();
    // The mount path of the current drive ("/" when the list is empty).
    QString drive() const;
    int driveType() const;
    // Makes the drive of path current; false when no drive holds it (the path is refused).
    // Changing the drive emits driveChanged as a user's choice would.
    bool selectDriveOf(const QString& path);

Q_SIGNALS:
    void driveChanged();

protected:
    void showPopup() override;

private:
    QList<DriveEntry> m_drives;
    bool m_filling = false;
};

} // namespace branchwise
