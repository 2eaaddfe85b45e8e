#pragma once
// frmListFileSelect: picks a list file of the program folder by name, through a file-name filter.
#include <QDialog>

class QLineEdit;
class QListWidget;

namespace velmora {

class ListFileSelectDialog : public QDialog {
    Q_OBJECT
public:
    explicit ListFileSelectDialog(const QString& programFolder, QWidget* parent = nullptr);

    // The chosen file name without folder; empty when nothing was chosen or the dialog was cancelled.
    QString SelFileName() const { return m_selected; }

    QLineEdit* txtSearchSpec() const { return m_filter; }
    QListWidget* File1() const { return m_files; }

    // Lists the files of the program folder that match the pattern (an invalid one lists nothing).
    void setPattern(const QString& pattern);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_folder;
    QString m_selected;
    QLineEdit* m_filter;
    QListWidget* m_files;
};

} // namespace velmora
