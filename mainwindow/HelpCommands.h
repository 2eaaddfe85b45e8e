#pragma once
// The Help menu's documents: the user's guide "guide.pdf" (in English "guide.en.pdf" when there is
// one), the documentation page (the project has no web site: the page made from the README and
// installed with the program stands in for the home page) and its section on supporting the
// project. Each is looked for in the program folder first, then in the installed documentation
// folders, and opened with the desktop's default viewer. And the About box, which is out of reach
// while the automatic change runs (EnableOff).
#include <QString>
#include <QStringList>

namespace velmora {

class CommandRouter;
class MainWindow;

class HelpCommands {
public:
    // folders: where to look, in order, each ending in "/".
    explicit HelpCommands(QStringList folders);

    // The first existing file of that name in the folders; empty when there is none.
    QString FindDocument(const QString& name) const;
    QString FindDocumentationPage() const;
    // The user's guide: the English one when the program speaks English and it is there, otherwise
    // the Japanese one.
    QString FindGuide() const;

    void mnuHelpDoc() const;
    void mnuHelpHomepage() const;
    void mnuHelpDonation() const;

    // Gives the Help menu's commands their handlers; the About box runs modally over the window.
    void wire(CommandRouter& commands, MainWindow& window) const;

private:
    void open(const QString& target) const;

    QStringList m_folders;
};

} // namespace velmora
