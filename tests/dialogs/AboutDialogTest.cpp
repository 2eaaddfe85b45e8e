// frmAbout: the caption, the banner from the splash logo, name, version and notice, the icon of
// the window it is shown over.
#include "dialogs/AboutDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace velmora;

TEST(AboutDialog, ShowsTheNameVersionBannerAndNotice)
{
    QWidget owner;
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    owner.setWindowIcon(QIcon(picture));
    AboutDialog about(&owner);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(about.lblApName()->text(), QStringLiteral("Velmora"));
    EXPECT_EQ(about.lblVersion()->text(), QStringLiteral("Version 2.10"));
    EXPECT_TRUE(about.lblCopyright()->text().contains(QStringLiteral("Velmora")));
    EXPECT_EQ(about.windowIcon().cacheKey(), owner.windowIcon().cacheKey());

    // 2940 x 915 twips at 96 DPI, the logo drawn into it.
    const QPixmap banner = about.picBanner()->pixmap();
    EXPECT_EQ(about.picBanner()->size(), QSize(196, 61));
    ASSERT_FALSE(banner.isNull());
    EXPECT_GT(banner.toImage().pixelColor(banner.width() / 2, banner.height() / 2).alpha(), 0);

    QSignalSpy accepted(&about, &QDialog::accepted);
    about.cmdOk()->click();
    EXPECT_EQ(accepted.count(), 1);
}
