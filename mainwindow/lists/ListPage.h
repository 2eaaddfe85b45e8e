#pragma once
// The list page of the main window: the catalogue drop-down, the current list and its buttons.
// It loads, saves, creates, adds, releases and deletes lists; the editing buttons are wired by the
// main window to ListEditing.
#include "mainwindow/lists/ListBoxEntries.h"
#include "ui/ListBox.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QToolButton;

namespace velmora {

struct Settings;

class ListPage : public QWidget {
    Q_OBJECT
public:
    ListPage(Settings& settings, QString programFolder, QWidget* parent = nullptr);

    QComboBox* cboFileName() const { return m_catalogue; }
    ListBox* lstFileList() const { return m_list; }
    ListBoxEntries& entries() { return m_entries; }

    QToolButton* cmdAutoPilot() const { return m_autoPilot; }
    QToolButton* cmdDown() const { return m_down; }
    QToolButton* cmdUp() const { return m_up; }
    QToolButton* cmdClear() const { return m_clear; }
    QToolButton* cmdDel() const { return m_del; }
    QToolButton* cmdSave() const { return m_save; }

    QString CatalogPath() const { return m_catalogPath; }

    // Sets the buttons' captions and tips again in the current language.
    void retranslate();

    void lstFileRead();
    // True when the list was read into the list box.
    bool OpenListFile(const QString& name);
    // 0 saved, 99 failed.
    int SaveListFile(const QString& name);
    void cmdSave_Click();
    // Makes a new empty list, or takes back a list file of that name left on disk, and opens it.
    void NewListFile();
    // Adds a list file chosen by the user (empty: cancelled) to the catalogue.
    void AddListFile(const QString& chosenName);
    void mnuFileRelease_Click();
    void mnuFileDelete_Click();

Q_SIGNALS:
    // Files dropped on the list from a file manager, in the order they were delivered.
    void filesDropped(const QStringList& paths);
    // The user selected an entry (mouse or keyboard).
    void entryActivated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString listPath(const QString& name) const;
    QStringList catalogueNames() const;
    void selectCatalogueEntry(int index);
    // Opens the list of a catalogue entry; when it cannot be read, the drop-down goes back to the
    // list the box still holds (or to none), so that a save never writes that one over the file.
    void openCatalogueEntry(int index);
    bool writeCatalogue();
    void catalogueAndOpen(const QString& name);
    bool guardLastEntry();

    Settings& m_settings;
    QString m_programFolder;
    QString m_catalogPath;
    std::optional<QString> m_openName; // the list the box holds, once one was read
    QComboBox* m_catalogue;
    ListBox* m_list;
    ListBoxEntries m_entries;
    QToolButton* m_autoPilot;
    QToolButton* m_down;
    QToolButton* m_up;
    QToolButton* m_clear;
    QToolButton* m_del;
    QToolButton* m_save;
};

} // namespace velmora
