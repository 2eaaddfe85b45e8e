// The README is read inside the program (the Help menu opens the page made from it), so what it
// quotes of the program must exist: a caption it quotes is one the main window shows, and any other
// Japanese text it quotes is one the program's sources hold.
#include "tests/mainwindow/MainWindowRig.h"

#include "mainwindow/MainTray.h"
#include "platform/Documents.h"

#include <QAbstractButton>
#include <QAction>
#include <QDirIterator>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kRoot = QStringLiteral(VELMORA_TEST_DATA "/..");

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// "終了(&X)" and "&Exit" both read as the caption the user sees.
QString WithoutAccelerator(QString caption)
{
    static const QRegularExpression accelerator(QStringLiteral("\\(&.\\)$"));
    caption.remove(accelerator);
    return caption.remove(QLatin1Char('&')).trimmed();
}

bool HasJapanese(const QString& text)
{
    static const QRegularExpression japanese(QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]"));
    return text.contains(japanese);
}

// The Japanese texts the README sets in double quotes, each with the heading it stands under.
QList<std::pair<QString, QString>> QuotedInReadme()
{
    QList<std::pair<QString, QString>> quoted;
    static const QRegularExpression quote(QStringLiteral("\"([^\"\\n]+)\""));
    QString heading;
    for (const QString& line : ReadText(kRoot + QStringLiteral("/README.md")).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("## ")))
            heading = line.mid(3);
        for (const auto& match : quote.globalMatch(line)) {
            if (HasJapanese(match.captured(1)))
                quoted.append({match.captured(1), heading});
        }
    }
    return quoted;
}

// Every string literal of the program's own sources (not its tests).
QSet<QString> ProgramLiterals()
{
    QSet<QString> literals;
    static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*)\""));
    for (const char* folder :
         {"platform", "core", "engine", "ui", "mainwindow", "dialogs", "windows", "program", "control"}) {
        QDirIterator files(kRoot + QLatin1Char('/') + QLatin1String(folder),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            for (const auto& match : literal.globalMatch(ReadText(files.next())))
                literals.insert(match.captured(1));
        }
    }
    return literals;
}

bool HeldByALiteral(const QSet<QString>& literals, const QString& text)
{
    if (literals.contains(text))
        return true;
    // A message with its arguments ("%1") or line breaks is quoted in parts.
    return std::any_of(literals.begin(), literals.end(),
                       [&](const QString& literal) { return literal.contains(text); });
}

QSet<QString> CaptionsOf(MainWindow& window)
{
    QSet<QString> captions;
    for (QAction* action : window.findChildren<QAction*>())
        captions.insert(WithoutAccelerator(action->text()));
    for (QMenu* menu : window.findChildren<QMenu*>())
        captions.insert(WithoutAccelerator(menu->title()));
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        captions.insert(WithoutAccelerator(button->text()));
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        for (int index = 0; index < tabs->count(); ++index)
            captions.insert(WithoutAccelerator(tabs->tabText(index)));
    }
    for (QAction* action : window.tray().TrayMenu()->actions())
        captions.insert(WithoutAccelerator(action->text()));
    captions.remove(QString());
    return captions;
}

} // namespace

TEST(Readme, EveryCaptionAndTextItQuotesIsTheProgramsOwn)
{
    const auto quoted = QuotedInReadme();
    ASSERT_GT(quoted.size(), 10) << "the README was not found under " << kRoot.toStdString();

    Rig rig({}, "TimerOnMode= 0\r\n");
    const QSet<QString> captions = CaptionsOf(*rig.window);
    const QSet<QString> literals = ProgramLiterals();
    for (const auto& [text, heading] : quoted) {
        const bool named = text.contains(QLatin1Char('&'));
        if (named || heading.startsWith(QLatin1String("The main window"))) {
            // The section on the main window quotes its commands; a caption with its accelerator
            // is a command wherever it stands. Messages of that section come from the sources.
            EXPECT_TRUE(captions.contains(WithoutAccelerator(text)) ||
                        (!named && HeldByALiteral(literals, text)))
                << '"' << text.toStdString() << "\" (under \"" << heading.toStdString()
                << "\") is no caption of the main window";
            if (named) {
                EXPECT_TRUE(literals.contains(text))
                    << '"' << text.toStdString() << "\" is not written so in the program";
            }
        } else {
            EXPECT_TRUE(HeldByALiteral(literals, text))
                << '"' << text.toStdString() << "\" (under \"" << heading.toStdString()
                << "\") is in no source of the program";
        }
    }
}

TEST(Readme, TheDocumentationPageItDescribesIsTheOneTheHelpMenuOpens)
{
    const QString readme = ReadText(kRoot + QStringLiteral("/README.md"));
    const QString page = QString::fromUtf16(platform::DocumentationPageFileName);
    const QString anchor = QString::fromUtf16(platform::SupportSectionAnchor);
    EXPECT_TRUE(readme.contains(u'`' + page + u'`')) << "the page is " << page.toStdString();
    EXPECT_TRUE(readme.contains(QStringLiteral("`#") + anchor + u'`'))
        << "the anchor is " << anchor.toStdString();
    EXPECT_TRUE(readme.contains(QStringLiteral("## Supporting Velmora")))
        << "the anchor the Help menu opens is made from this heading";
    for (const char* gone : {"velmora.html", "README.html", "`#support`", "still to come"})
        EXPECT_FALSE(readme.contains(QLatin1String(gone))) << gone;
}
