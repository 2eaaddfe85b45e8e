// The shared widgets in English: the message boxes' buttons and the logo's subtitle.
#include "tests/support/TestSupport.h"
#include "tests/support/WidgetTexts.h"

#include "ui/MessageBoxPrompter.h"
#include "ui/ProgramArtwork.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;
using namespace Qt::StringLiterals;

namespace {

// On the next box that opens: notes every button's text and its own Japanese texts, then clicks the
// button captioned `click`.
void OnNextBox(const QString& click, QStringList* buttons, QStringList* japanese)
{
    QTimer::singleShot(0, [=] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (!widget->isVisible())
                continue;
            if (auto* box = qobject_cast<QMessageBox*>(widget)) {
                *japanese = JapaneseTexts(*box);
                QAbstractButton* chosen = nullptr;
                for (QAbstractButton* button : box->buttons()) {
                    *buttons << button->text();
                    if (button->text() == click)
                        chosen = button;
                }
                if (chosen)
                    chosen->click();
                else
                    box->reject();
                return;
            }
            if (auto* dialog = qobject_cast<QInputDialog*>(widget)) {
                *japanese = JapaneseTexts(*dialog);
                *buttons << dialog->okButtonText() << dialog->cancelButtonText();
                dialog->reject();
                return;
            }
        }
        OnNextBox(click, buttons, japanese);
    });
}

} // namespace

TEST(UiLanguage, MessageBoxButtonsAreEnglishWithTheirMnemonicsAndStillAnswer)
{
    LanguageScope english(u"en"_s);
    MessageBoxPrompter prompter;
    struct Case {
        PromptKind kind;
        QString click;
        Answer answer;
        QStringList buttons;
    };
    const Case cases[] = {
        {PromptKind::AbortRetryIgnore, u"&Retry"_s, Answer::Retry, {u"&Abort"_s, u"&Retry"_s, u"&Ignore"_s}},
        {PromptKind::AbortRetryIgnore, u"&Ignore"_s, Answer::Ignore, {u"&Abort"_s, u"&Retry"_s, u"&Ignore"_s}},
        {PromptKind::YesNo, u"&Yes"_s, Answer::Yes, {u"&Yes"_s, u"&No"_s}},
        {PromptKind::OkCancel, u"Cancel"_s, Answer::Cancel, {u"OK"_s, u"Cancel"_s}},
        {PromptKind::Warning, u"OK"_s, Answer::Ok, {u"OK"_s}},
    };
    for (const Case& c : cases) {
        QStringList buttons;
        QStringList japanese;
        OnNextBox(c.click, &buttons, &japanese);
        EXPECT_EQ(prompter.ask({c.kind, u"text"_s}), c.answer) << c.click.toStdString();
        buttons.sort();
        QStringList wanted = c.buttons;
        wanted.sort();
        EXPECT_EQ(buttons, wanted);
        EXPECT_TRUE(japanese.isEmpty()) << japanese.join(u'\n').toStdString();
    }

    QStringList buttons;
    QStringList japanese;
    OnNextBox({}, &buttons, &japanese);
    EXPECT_EQ(prompter.askText({u"Name:"_s, u"Title"_s, u"x"_s}), std::nullopt);
    EXPECT_EQ(buttons, (QStringList{u"OK"_s, u"Cancel"_s}));
    EXPECT_TRUE(japanese.isEmpty()) << japanese.join(u'\n').toStdString();
}

TEST(UiLanguage, TheLogosSubtitleFollowsTheLanguage)
{
    const QImage japanese = ProgramLogo(QSize(392, 122)).toImage();
    QImage english;
    {
        LanguageScope scope(u"en"_s);
        english = ProgramLogo(QSize(392, 122)).toImage();
    }
    EXPECT_NE(japanese, english) << "the subtitle was not replaced";
    EXPECT_EQ(ProgramLogo(QSize(392, 122)).toImage(), japanese) << "Japanese again after English";
    // The name and the picture above the subtitle are the same in both.
    EXPECT_EQ(japanese.copy(0, 0, 392, 78), english.copy(0, 0, 392, 78));
}
