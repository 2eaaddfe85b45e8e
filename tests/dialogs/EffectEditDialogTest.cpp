#include "dialogs/EffectEditDialog.h"
#include "core/SettingsStore.h"

#include <QCheckBox>
#include <QLabel>

#include <gtest/gtest.h>

using namespace velmora;

TEST(EffectEditDialog, TheSetNumberFollowsASpaceAndAHash)
{
    EXPECT_EQ(EffectSetCaption(1), QStringLiteral(" # 1"));
    SettingsStore store;
    EffectEditDialog dialog(store, 2);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Effect編集"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblEffectType"))->text(), QStringLiteral(" # 2"));
}

TEST(EffectEditDialog, EachClickWritesItsFlagOfTheEditedSetAtOnceAndNothingElse)
{
    SettingsStore store;
    Settings& settings = store.values();
    settings.EffectEmbossOn = {0, 1, 1, 0, 0};
    settings.EffectGrayscaleOn = {0, 0, 0, 2, 0}; // hand-edited: neither on nor off
    settings.EffectGammaOn = {0, 0, 0, 1, 0};
    int changes = 0;
    QObject::connect(&store, &SettingsStore::changed, [&] { ++changes; });
    {
        EffectEditDialog dialog(store, 3);
        const QList<QCheckBox*>& boxes = dialog.effectBoxes();
        ASSERT_EQ(boxes.size(), 6);
        EXPECT_EQ(boxes[0]->objectName(), QStringLiteral("chkEffectEmbossOn"));
        EXPECT_EQ(boxes[5]->objectName(), QStringLiteral("chkEffectGammaOn"));
        EXPECT_FALSE(boxes[0]->isChecked());
        EXPECT_FALSE(boxes[1]->isChecked()) << "only 1 is on";
        EXPECT_TRUE(boxes[5]->isChecked());

        boxes[0]->click();
        EXPECT_EQ(settings.EffectEmbossOn, (EffectFlags{0, 1, 1, 1, 0}));
        EXPECT_EQ(settings.EffectGrayscaleOn[3], 2) << "kept until its box is clicked";
        boxes[5]->click();
        EXPECT_EQ(settings.EffectGammaOn, (EffectFlags{0, 0, 0, 0, 0}));
        boxes[1]->click();
        EXPECT_EQ(settings.EffectGrayscaleOn[3], 1);
        EXPECT_EQ(changes, 3);
        dialog.reject(); // closing keeps what was clicked: there is no Cancel
    }
    EXPECT_EQ(settings.EffectEmbossOn, (EffectFlags{0, 1, 1, 1, 0}));
    EXPECT_EQ(settings.EffectGrayscaleOn, (EffectFlags{0, 0, 0, 1, 0}));
}
