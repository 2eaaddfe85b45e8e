// A small window with the folder page alone: the Branchwise tree beside the file view.
// Usage: velmora-folder-demo [folder] [view mode 0-3]
#include "core/FileKinds.h"
#include "core/Language.h"
#include "core/Settings.h"
#include "ui/MessageBoxPrompter.h"
#include "mainwindow/FileSelectTabs.h"
#include "mainwindow/folder/FileNameListView.h"
#include "mainwindow/folder/FolderPage.h"
#include "mainwindow/layout/DragSplitter.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QSplitter>
#include <QStatusBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    velmora::InstallLanguage(velmora::ResolveLanguage(QString()));
    velmora::BuildFileKindTable();
    velmora::MessageBoxPrompter prompter;
    velmora::PrompterScope prompts(prompter);
    velmora::Settings settings;
    const QStringList args = app.arguments();
    settings.CurrentDirectory = args.size() > 1 ? args.at(1) : QDir::homePath() + u'/';
    if (!settings.CurrentDirectory.endsWith(u'/'))
        settings.CurrentDirectory += u'/';
    const int mode = args.size() > 2 ? args.at(2).toInt() : 3;

    QMainWindow window;
    window.setWindowTitle(QCoreApplication::translate("FolderDemo", "Velmora – フォルダ"));
    auto* tabs = new velmora::FileSelectTabs(settings);
    auto* page = new velmora::FolderPage(settings);
    tabs->setPage(0, page);
    tabs->setPage(1, new QLabel(QStringLiteral("File List")));
    window.setCentralWidget(tabs);
    page->splitter()->setSizes({260, 740});
    QObject::connect(page, &velmora::FolderPage::FileClicked, &window,
                     [&window](const QString& path) { window.statusBar()->showMessage(path); });
    window.resize(1000, 640);
    page->InitTree();
    page->mnuViewListviewMode(mode);
    window.statusBar()->showMessage(settings.CurrentDirectory);
    window.show();
    return app.exec();
}
