#include "tests/support/TestSupport.h"

#include "core/ImageFilePattern.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace velmora;

TEST(ImageFilePattern, TakesTheFortySixPatternsInAnyLetterCaseAndNothingElse)
{
    const QStringList patterns = QString::fromUtf16(ImageFilePattern).split(u';');
    ASSERT_EQ(patterns.size(), 46);
    for (const QString& pattern : patterns) {
        const QString extension = pattern.mid(2);
        EXPECT_TRUE(MatchesImageFilePattern(QStringLiteral("photo.") + extension)) << extension.toStdString();
        EXPECT_TRUE(MatchesImageFilePattern(QStringLiteral("photo.") + extension.toLower()))
            << extension.toStdString();
    }
    for (const char* name : {"a.Jpeg", "b.tIfF", "c.PtOcA", ".jpg", "x.y.PNG", "日本.gif", "p.webp",
                             "IMG_0001.HEIC", "a.heif", "a.AVIF", "a.Jxl"})
        EXPECT_TRUE(MatchesImageFilePattern(QString::fromUtf8(name))) << name;
    for (const char* name : {"jpg", "a.", "a.jpgx", "a.jp", "a.jpg.txt", "a.txt", "a.ico", "a.webpx", "a.mp2",
                             "a.j pg", "a.jpĝ", "a.psp", "a.PTOCAS"})
        EXPECT_FALSE(MatchesImageFilePattern(QString::fromUtf8(name))) << name;
}
