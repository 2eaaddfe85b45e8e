#include "dialogs/AboutDialog.h"

#include "core/Version.h"
#include "platform/Screen.h"
#include "ui/ProgramArtwork.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace velmora {
namespace {

// The labels' typeface; where Arial is not installed the next that is takes its place.
QFont LabelFont(int pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

// The banner's place: 2940 x 915 twips.
QSize BannerSize()
{
    const double twipsPerPixel = platform::TwipsPerPixel();
    return {static_cast<int>(std::lround(2940 / twipsPerPixel)), static_cast<int>(std::lround(915 / twipsPerPixel))};
}

} // namespace

QString CopyrightNotice()
{
    return QStringLiteral("Copyright © 2026 The Velmora developers");
}

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
    , m_banner(new QLabel)
    , m_name(new QLabel)
    , m_version(new QLabel)
    , m_copyright(new QLabel)
    , m_ok(new QPushButton(tr("OK")))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("バージョン情報"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    if (parent)
        setWindowIcon(parent->window()->windowIcon());
    else
        setWindowIcon(ProgramIcon());

    m_banner->setObjectName(QStringLiteral("picBanner"));
    const QSize banner = BannerSize();
    m_banner->setPixmap(ProgramLogo(banner, devicePixelRatioF()));
    m_banner->setFixedSize(banner);
    m_name->setObjectName(QStringLiteral("lblApName"));
    m_name->setText(QStringLiteral("Velmora"));
    m_name->setFont(LabelFont(14, true));
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_version->setText(VersionText(CurrentVersion()));
    m_version->setFont(LabelFont(10, false));
    m_copyright->setObjectName(QStringLiteral("lblCopyright"));
    m_copyright->setText(CopyrightNotice());
    m_copyright->setFont(LabelFont(9, false));
    m_ok->setObjectName(QStringLiteral("cmdOk"));
    m_ok->setDefault(true);
    m_ok->setMinimumWidth(88);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(m_name);
    text->addWidget(m_version);
    text->addSpacing(8);
    text->addWidget(m_copyright);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(14);
    layout->addWidget(m_banner);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(6);
    indented->addLayout(text);
    layout->addLayout(indented);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velmora
