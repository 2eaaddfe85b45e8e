#pragma once
// frmSplash: the logo and version shown while the main window loads.
#include <QWidget>

class QLabel;

namespace velmora {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);
    QLabel* lblVersion() const { return m_version; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* m_version;
};

} // namespace velmora
