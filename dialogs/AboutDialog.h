#pragma once
// frmAbout: the program's name, version and banner, with the authors' notice.
#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    QLabel* picBanner() const { return m_banner; }
    QLabel* lblApName() const { return m_name; }
    QLabel* lblVersion() const { return m_version; }
    QLabel* lblCopyright() const { return m_copyright; }
    QPushButton* cmdOk() const { return m_ok; }

private:
    QLabel* m_banner;
    QLabel* m_name;
    QLabel* m_version;
    QLabel* m_copyright;
    QPushButton* m_ok;
};

// The authors' notice of the About box.
QString CopyrightNotice();

} // namespace velmora
