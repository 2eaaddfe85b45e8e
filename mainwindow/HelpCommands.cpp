#include "mainwindow/HelpCommands.h"

#include "core/Language.h"
#include "core/PathRoutines.h"
#include "core/Prompt.h"
#include "core/ShellRoutines.h"
#include "core/Steps.h"
#include "dialogs/AboutDialog.h"
#include "mainwindow/CommandRouter.h"
#include "mainwindow/MainWindow.h"
#include "platform/Documents.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace velmora {
namespace {

QString MissingDocumentText()
{
    return QCoreApplication::translate("HelpCommands", "ドキュメントファイルが見つかりません");
}

} // namespace

HelpCommands::HelpCommands(QStringList folders)
    : m_folders(std::move(folders))
{
    m_folders.removeDuplicates();
}

QString HelpCommands::FindDocument(const QString& name) const
{
    return platform::FindDocumentIn(m_folders, name);
}

QString HelpCommands::FindDocumentationPage() const
{
    return FindDocument(QString::fromUtf16(platform::DocumentationPageFileName));
}

void HelpCommands::open(const QString& target) const
{
    Steps steps(AskUser);
    steps([&] {
        if (ShellOpen(target) <= 32)
            throw Failure(ErrorCode::FileNotFound,
                          QCoreApplication::translate("HelpCommands", "%1 を開けませんでした。").arg(target));
    });
}

QString HelpCommands::FindGuide() const
{
    // The guide in the language shown, when there is one in that language.
    if (CurrentLanguage() == QString::fromUtf16(EnglishLanguage))
        if (const QString english = FindDocument(QString::fromUtf16(platform::GuideEnglishFileName));
            !english.isEmpty())
            return english;
    return FindDocument(QString::fromUtf16(platform::GuideFileName));
}

void HelpCommands::mnuHelpDoc() const
{
    const QString path = FindGuide();
    if (path.isEmpty()) {
        ShowWarning(MissingDocumentText());
        return;
    }
    open(path);
}

void HelpCommands::mnuHelpHomepage() const
{
    const QString page = FindDocumentationPage();
    if (page.isEmpty()) {
        ShowWarning(MissingDocumentText());
        return;
    }
    open(QUrl::fromLocalFile(page).toString(QUrl::FullyEncoded));
}

void HelpCommands::mnuHelpDonation() const
{
    ShowNotice(QCoreApplication::translate(
        "HelpCommands",
        "本ソフトはフリーウェアですのでご自由にお使いいただけます。\n"
        "開発にご支援いただける場合には次に表示されるリンクからオンラインショッピング等をお願いします。"));
    const QString page = FindDocumentationPage();
    if (page.isEmpty()) {
        ShowWarning(MissingDocumentText());
        return;
    }
    QUrl section = QUrl::fromLocalFile(page);
    section.setFragment(QString::fromUtf16(platform::SupportSectionAnchor));
    open(section.toString(QUrl::FullyEncoded));
}

void HelpCommands::wire(CommandRouter& commands, MainWindow& window) const
{
    commands.handle(MainCommand::HelpDoc, [this] { mnuHelpDoc(); });
    commands.handle(MainCommand::HelpHomepage, [this] { mnuHelpHomepage(); });
    commands.handle(MainCommand::HelpDonation, [this] { mnuHelpDonation(); });
    commands.handle(MainCommand::HelpAbout, [&window] {
        AboutDialog about(&window);
        window.execModal(about);
    });
}

} // namespace velmora
