#include "DriveListBox.h"

#include "ImageList.h"

namespace branchwise {

DriveListBox::DriveListBox(QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("Drive1"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
    refresh();
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            Q_EMIT driveChanged();
    });
}

void DriveListBox::refresh()
{
    const QString current = count() > 0 ? drive() : QString();
    m_filling = true;
    m_drives = ListDrives();
    clear();
    int keep = 0;
    for (int i = 0; i < m_drives.size(); ++i) {
        addItem(ImageList::DriveIcon(m_drives[i].type), m_drives[i].text, m_drives[i].mountPath);
        if (m_drives[i].mountPath == current)
            keep = i;
    }
    setCurrentIndex(keep);
    m_filling = false;
}

QString DriveListBox::drive() const
{
    const int index = currentIndex();
    return index >= 0 && index < m_drives.size() ? m_drives[index].mountPath : QStringLiteral("/");
}

int DriveListBox::driveType() const
{
    const int index = currentIndex();
    return index >= 0 && index < m_drives.size() ? m_drives[index].type : 0;
}

bool DriveListBox::selectDriveOf(const QString& path)
{
    const int index = DriveOfPath(m_drives, path);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}

void DriveListBox::showPopup()
{
    // Volumes come and go; the list is brought up to date whenever the user opens it.
    refresh();
    QComboBox::showPopup();
}

} // namespace branchwise
