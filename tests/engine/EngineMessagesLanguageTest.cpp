// The decoders' failures and the monitor note in English, made on the thread that decodes.
#include "engine/ApplyWallpaper.h"
#include "engine/DecodeFailure.h"
#include "engine/ImageDecoder.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WidgetTexts.h"

#include <QtConcurrent/QtConcurrentRun>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;
using namespace Qt::StringLiterals;

TEST(EngineMessagesLanguage, DecodeFailuresAreEnglishWithTheirNumbersAndPath)
{
    LanguageScope english(u"en"_s);
    // Pictures are decoded on workers: the text is made there.
    const QString empty = QtConcurrent::run([] {
                              try {
                                  DecodeImageData({}, u"jpg"_s, {}, u"/p/a.jpg"_s);
                              } catch (const Failure& failure) {
                                  return failure.text();
                              }
                              return QString();
                          }).result();
    EXPECT_EQ(empty, u"The picture file is empty (0 bytes).\n/p/a.jpg"_s);
    EXPECT_EQ(ImageTooLarge(u"/p/b.png"_s, 40000, 10).text(),
              u"The picture is too large (40000 × 10 pixels). Pictures can have up to 13421 × 10,000 pixels and "
              u"32767 pixels a side.\n/p/b.png"_s);
    EXPECT_EQ(CorruptImage(u"/p/c.gif"_s, u"bad block"_s).text(),
              u"The picture data is damaged or cut short. (bad block)\n/p/c.gif"_s);
    EXPECT_EQ(MonitorModeNote(u"sway"_s, platform::MonitorMode::Each),
              u"sway cannot show a different wallpaper on each monitor, so every monitor shows the same wallpaper."_s);
}
