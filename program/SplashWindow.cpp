#include "program/SplashWindow.h"

#include "core/Version.h"
#include "ui/ProgramArtwork.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace velmora {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_version(new QLabel(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setPixmap(ProgramLogo(QSize(392, 122), devicePixelRatioF()));
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_version->setText(VersionText(CurrentVersion()));
    m_version->setAlignment(Qt::AlignRight);

    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(logo);
    inner->addWidget(m_version);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::keyPressEvent(QKeyEvent*)
{
    close();
}

void SplashWindow::mousePressEvent(QMouseEvent*)
{
    close();
}

} // namespace velmora
