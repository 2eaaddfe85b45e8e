#pragma once
// frmSearch: finds every image file below the main window's folder on a worker, streams the finds
// into lstFoundFiles and adds all or the selected finds to the current list.
#include "core/jobs/Job.h"
#include "windows/search/FolderSearch.h"

#include "ui/ListBox.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;

namespace velmora {

class CurrentList;
struct SearchBatch;

class SearchWindow : public QDialog {
    Q_OBJECT
public:
    // startFolder: the main tree's CurrentDirectory. capacity: how many finds the list holds.
    SearchWindow(const QString& startFolder, CurrentList& list, QWidget* parent = nullptr,
                 int capacity = MaxListEntries);
    ~SearchWindow() override;

    void cmdSearch_Click();
    void cmdSearchStop_Click();
    void cmdAllAddFound_Click();
    void cmdSingleAddFound_Click();
    void cmdNoSelFound_Click();

    // SearchActive: true while a search may go on.
    bool SearchActive() const { return m_searchActive; }

    QLabel* lblFolderName() const { return m_lblFolderName; }
    QLabel* lblCount() const { return m_lblCount; }
    ListBox* lstFoundFiles() const { return m_lstFoundFiles; }
    QPushButton* cmdSearch() const { return m_cmdSearch; }
    QPushButton* cmdSearchStop() const { return m_cmdSearchStop; }
    QToolButton* cmdAllAddFound() const { return m_cmdAllAddFound; }
    QToolButton* cmdSingleAddFound() const { return m_cmdSingleAddFound; }
    QPushButton* cmdNoSelFound() const { return m_cmdNoSelFound; }
    QPushButton* cmdOk() const { return m_cmdOk; }

Q_SIGNALS:
    // The search is over (finished, stopped or abandoned) and its messages have been shown.
    void searchFinished();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Sets every caption and tip in the interface's language.
    void retranslate();
    void receive(const SearchBatch& batch);
    void searchEnded(SearchEnd end, const QString& failure = {});
    void setListButtonsEnabled(bool enabled);

    QString m_startFolder;
    CurrentList& m_list;
    int m_capacity;
    Job<SearchEnd> m_job;
    bool m_searchActive = false;
    bool m_searched = false;
    QList<UnreadableFolder> m_unreadable;

    QLabel* m_lblFolderName;
    QPushButton* m_cmdSearch;
    QPushButton* m_cmdSearchStop;
    QLabel* m_lblfound;
    QLabel* m_lblCount;
    ListBox* m_lstFoundFiles;
    QToolButton* m_cmdAllAddFound;
    QToolButton* m_cmdSingleAddFound;
    QPushButton* m_cmdNoSelFound;
    QPushButton* m_cmdOk;
};

// The message for folders the search passed over: how many, and the first few of them.
QString UnreadableFoldersText(const QList<UnreadableFolder>& folders);

} // namespace velmora
