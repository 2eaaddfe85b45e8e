#include "dialogs/CalendarTextStyleDialog.h"
#include "dialogs/ColourButton.h"
#include "dialogs/EditCalendarTextStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

TextSettings unusualSettings()
{
    TextSettings text;
    text.fontName = QStringLiteral("A Font Nobody Has");
    text.fontSize = 17.25;
    text.bold = true;
    text.italic = true;
    text.underline = true;
    text.strikethrough = true;
    text.weight = 650;
    text.colour = QColor(1, 2, 3);
    text.angle = 455;
    text.highlight = QColor(200, 100, 50);
    text.style = 9; // not one of the dialog's styles
    text.shadowColour = QColor(9, 8, 7);
    text.shadowDepthX = 1.25;
    text.shadowDepthY = -2;
    return text;
}

TEST(CalendarTextStyleDialog, IsTitledCalendarAndReturnsWhatItWasGivenWhenNothingChanges)
{
    const TextSettings initial = unusualSettings();
    CalendarTextStyleDialog dialog(initial);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Calendar"));
    EXPECT_EQ(dialog.textSettings(), initial);
    CalendarTextStyleDialog defaults(TextSettings{});
    EXPECT_EQ(defaults.textSettings(), TextSettings{});
}

TEST(CalendarTextStyleDialog, ReportsTheUsersChoices)
{
    CalendarTextStyleDialog dialog(TextSettings{});
    dialog.findChild<QComboBox*>(QStringLiteral("fontName"))->setCurrentText(QStringLiteral("DejaVu Sans"));
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("fontSize"))->setValue(20);
    dialog.findChild<QCheckBox*>(QStringLiteral("italic"))->setChecked(true);
    dialog.findChild<ColourButton*>(QStringLiteral("colour"))->setColour(QColor(255, 0, 0));
    dialog.findChild<ColourButton*>(QStringLiteral("shadowColour"))->setColour(QColor(0, 0, 80));
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("angle"))->setValue(-12.5);
    QComboBox* style = dialog.findChild<QComboBox*>(QStringLiteral("style"));
    style->setCurrentIndex(style->findData(int(CalendarTextStyle::Engraved)));
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("shadowX"))->setValue(3);

    const TextSettings chosen = dialog.textSettings();
    EXPECT_EQ(chosen.fontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(chosen.fontSize, 20);
    EXPECT_TRUE(chosen.italic);
    EXPECT_EQ(chosen.colour, QColor(255, 0, 0));
    EXPECT_EQ(chosen.shadowColour, QColor(0, 0, 80));
    EXPECT_EQ(chosen.angle, -125);
    EXPECT_EQ(chosen.style, int(CalendarTextStyle::Engraved));
    EXPECT_EQ(chosen.shadowDepthX, 3);
    EXPECT_EQ(chosen.highlight, TextSettings{}.highlight);
}

// Answers the modal dialog once it is open.
void whenOpen(std::function<void(CalendarTextStyleDialog&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<CalendarTextStyleDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

TEST(EditCalendarTextStyle, OkStoresTheChoiceOnTheImageAndInTheSettings)
{
    EngineState state;
    Settings settings;
    state.leadWallPaper.textSettings() = CalendarTextSettings(settings);
    whenOpen([](CalendarTextStyleDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("bold"))->setChecked(true);
        dialog.findChild<ColourButton*>(QStringLiteral("highlight"))->setColour(QColor(0, 255, 0));
        dialog.accept();
    });
    EXPECT_TRUE(EditCalendarTextStyle(state, settings, nullptr));
    EXPECT_TRUE(state.leadWallPaper.textSettings().bold);
    EXPECT_TRUE(settings.CalendarFontBold);
    EXPECT_EQ(settings.CalendarTextHiliteColor, 0x0000ff00);
    EXPECT_EQ(settings.CalendarFontName, Settings{}.CalendarFontName);
}

TEST(EditCalendarTextStyle, CancelChangesNothing)
{
    EngineState state;
    Settings settings;
    state.leadWallPaper.textSettings() = CalendarTextSettings(settings);
    const TextSettings before = state.leadWallPaper.textSettings();
    whenOpen([](CalendarTextStyleDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("bold"))->setChecked(true);
        dialog.findChild<QDoubleSpinBox*>(QStringLiteral("fontSize"))->setValue(40);
        dialog.reject();
    });
    EXPECT_FALSE(EditCalendarTextStyle(state, settings, nullptr));
    EXPECT_EQ(state.leadWallPaper.textSettings(), before);
    EXPECT_EQ(settings, Settings{});
}

} // namespace
} // namespace velmora
