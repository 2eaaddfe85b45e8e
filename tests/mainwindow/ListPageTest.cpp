#include "tests/support/TestSupport.h"

#include "core/ListFiles.h"
#include "core/Prompt.h"
#include "core/Settings.h"
#include "dialogs/ListFileSelectDialog.h"
#include "mainwindow/lists/ListPage.h"
#include "ui/ListBox.h"

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Rig {
    TempFolder program;
    Settings settings;
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};
    std::unique_ptr<ListPage> page;

    Rig(const QByteArray& catalogue, std::initializer_list<std::pair<const char*, QByteArray>> lists,
        const QString& current = QStringLiteral("Velmora.lst"))
    {
        WriteBytes(program.file(QStringLiteral("lfname.dat")), catalogue);
        for (const auto& [name, bytes] : lists)
            WriteBytes(program.file(QString::fromUtf8(name)), bytes);
        settings.ListFileName = current;
        page = std::make_unique<ListPage>(settings, program.path());
        page->lstFileRead();
    }

    QStringList entries() const { return page->lstFileList()->entries(); }
};

} // namespace

TEST(ListPage, FirstStartCreatesTheCatalogueAndTheDefaultList)
{
    TempFolder program;
    Settings settings;
    ListPage page(settings, program.path());
    page.lstFileRead();
    EXPECT_EQ(ReadBytes(program.file(QStringLiteral("lfname.dat"))), QByteArray("Velmora.lst\r\n"));
    EXPECT_TRUE(QFileInfo::exists(program.file(QStringLiteral("Velmora.lst"))));
    EXPECT_EQ(page.cboFileName()->currentText(), QStringLiteral("Velmora.lst"));
}

TEST(ListPage, OpensTheCurrentListAndKeepsEntriesWhenAListCannotBeRead)
{
    Rig rig("a.lst\r\nb.lst\r\nmissing.lst\r\n",
            {{"a.lst", "/1.jpg\r\n/2.jpg\r\n\r\n"}, {"b.lst", "/3.jpg\r\n"}}, QStringLiteral("a.lst"));
    EXPECT_EQ(rig.entries(), (QStringList{"/1.jpg", "/2.jpg", ""})) << "a trailing empty line is an entry";
    rig.page->cboFileName()->setCurrentIndex(1);
    EXPECT_EQ(rig.entries(), QStringList{"/3.jpg"});
    EXPECT_EQ(rig.settings.ListFileName, QStringLiteral("b.lst"));
    rig.page->cboFileName()->setCurrentIndex(2);
    EXPECT_EQ(rig.entries(), QStringList{"/3.jpg"});
    EXPECT_EQ(rig.settings.ListFileName, QStringLiteral("b.lst"));
    EXPECT_EQ(rig.prompter.count(), 1);

    Rig unmatched("a.lst\r\n", {{"a.lst", "/1.jpg\r\n"}}, QStringLiteral("other.lst"));
    EXPECT_EQ(unmatched.page->cboFileName()->currentIndex(), -1);
    EXPECT_TRUE(unmatched.entries().isEmpty());
}

TEST(ListPage, SaveWritesTheExactBytesAndSaysSo)
{
    Rig rig("Velmora.lst\r\n", {{"Velmora.lst", "/b.jpg\r\n/a.jpg\r\n"}});
    rig.page->entries().insert(1, QStringLiteral("/写真/c.jpg"));
    rig.page->cmdSave_Click();
    EXPECT_EQ(ReadBytes(rig.program.file(QStringLiteral("Velmora.lst"))),
              QByteArray("/b.jpg\r\n/写真/c.jpg\r\n/a.jpg\r\n"));
    EXPECT_EQ(rig.prompter.texts(), QStringList{"保存しました"});
    EXPECT_EQ(rig.prompter.requests()[0].kind, PromptKind::Notice);
}

TEST(ListPage, NewListNamesAreCheckedAndCatalogued)
{
    Rig rig("Velmora.lst\r\n", {{"Velmora.lst", "/a.jpg\r\n"}});
    rig.prompter.pushText(QStringLiteral("velmora.LST"));
    rig.page->NewListFile();
    EXPECT_EQ(rig.prompter.texts(), QStringList{"すでに存在するファイル名です"});
    EXPECT_EQ(rig.page->cboFileName()->count(), 1);

    rig.prompter.pushText(QStringLiteral("autumn"));
    rig.page->NewListFile();
    EXPECT_EQ(ReadBytes(rig.program.file(QStringLiteral("lfname.dat"))),
              QByteArray("Velmora.lst\r\nautumn.lst\r\n"));
    EXPECT_EQ(ReadBytes(rig.program.file(QStringLiteral("autumn.lst"))), QByteArray());
    EXPECT_EQ(rig.page->cboFileName()->currentText(), QStringLiteral("autumn.lst"));
    EXPECT_EQ(rig.settings.ListFileName, QStringLiteral("autumn.lst"));
    EXPECT_EQ(rig.prompter.textRequests()[0].title, QStringLiteral("ファイル名入力"));

    rig.prompter.pushText(std::nullopt);
    rig.page->NewListFile();
    EXPECT_EQ(rig.page->cboFileName()->count(), 2) << "cancelled";
}

// A released list stays on disk; a new list of its name must not empty it.
TEST(ListPage, NewListOverAFileLeftOnDiskOffersToTakeItBack)
{
    Rig rig("a.lst\r\nb.lst\r\n", {{"a.lst", "/1.jpg\r\n"}, {"b.lst", "/2.jpg\r\n/3.jpg\r\n"}},
            QStringLiteral("b.lst"));
    rig.page->mnuFileRelease_Click();
    ASSERT_EQ(rig.page->cboFileName()->count(), 1);

    rig.prompter.pushText(QStringLiteral("b"));
    rig.prompter.push(Answer::No);
    rig.page->NewListFile();
    ASSERT_EQ(rig.prompter.count(), 1);
    EXPECT_EQ(rig.prompter.requests()[0].kind, PromptKind::YesNo);
    EXPECT_EQ(
        rig.prompter.texts()[0],
        QStringLiteral("b.lst はすでに存在します。\nこのファイルをファイルリストに追加して開きますか?"));
    EXPECT_EQ(ReadBytes(rig.program.file(QStringLiteral("b.lst"))), "/2.jpg\r\n/3.jpg\r\n");
    EXPECT_EQ(ReadBytes(rig.page->CatalogPath()), "a.lst\r\n");
    EXPECT_EQ(rig.entries(), QStringList{"/1.jpg"});

    rig.prompter.pushText(QStringLiteral("b"));
    rig.prompter.push(Answer::Yes);
    rig.page->NewListFile();
    EXPECT_EQ(ReadBytes(rig.program.file(QStringLiteral("b.lst"))), "/2.jpg\r\n/3.jpg\r\n");
    EXPECT_EQ(ReadBytes(rig.page->CatalogPath()), "a.lst\r\nb.lst\r\n");
    EXPECT_EQ(rig.page->cboFileName()->currentText(), QStringLiteral("b.lst"));
    EXPECT_EQ(rig.settings.ListFileName, QStringLiteral("b.lst"));
    EXPECT_EQ(rig.entries(), (QStringList{"/2.jpg", "/3.jpg"}));
}

TEST(ListPage, ATakenBackFileThatCannotBeReadStaysOutOfTheCatalogue)
{
    Rig rig("a.lst\r\n", {{"a.lst", "/1.jpg\r\n"}}, QStringLiteral("a.lst"));
    QFile big(rig.program.file(QStringLiteral("big.lst")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(MaxListFileBytes + 1)); // over the bound of a list file; sparse
    big.close();
    rig.prompter.pushText(QStringLiteral("big"));
    rig.prompter.push(Answer::Yes);
    rig.page->NewListFile();
    EXPECT_EQ(rig.prompter.count(), 2) << "the question and the failed read";
    EXPECT_EQ(ReadBytes(rig.page->CatalogPath()), "a.lst\r\n");
    EXPECT_EQ(rig.page->cboFileName()->currentText(), QStringLiteral("a.lst"));
    EXPECT_EQ(rig.settings.ListFileName, QStringLiteral("a.lst"));
    EXPECT_EQ(rig.entries(), QStringList{"/1.jpg"});
    EXPECT_EQ(QFileInfo(big.fileName()).size(), MaxListFileBytes + 1);
}

// A refused list leaves the drop-down on the list the box holds: a save then writes that list to its
// own file, never over the refused one.
TEST(ListPage, AListThatCannotBeReadIsNeverSavedOver)
{
    Rig rig("a.lst\r\nbig.lst\r\n", {{"a.lst", "/1.jpg\r\n"}}, QStringLiteral("a.lst"));
    QFile big(rig.program.file(QStringLiteral("big.lst")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(MaxListFileBytes + 1)); // sparse
    big.close();
    rig.page->cboFileName()->setCurrentIndex(1);
    EXPECT_EQ(rig.prompter.count(), 1) << "the failed read";
    EXPECT_EQ(rig.page->cboFileName()->currentText(), QStringLiteral("a.lst"));
    EXPECT_EQ(rig.settings.ListFileName, QStringLiteral("a.lst"));
    rig.page->lstFileList()->addEntries({QStringLiteral("/2.jpg")});
    rig.page->cmdSave_Click();
    EXPECT_EQ(ReadBytes(rig.program.file(QStringLiteral("a.lst"))), "/1.jpg\r\n/2.jpg\r\n");
    EXPECT_EQ(QFileInfo(big.fileName()).size(), MaxListFileBytes + 1);

    // Refused at the start, with no list read before: nothing to save, and nothing saved.
    const QByteArray tooMany(MaxListEntries + 1, '\n');
    Rig start("a.lst\r\nbig.lst\r\n", {{"a.lst", "/1.jpg\r\n"}, {"big.lst", tooMany}},
              QStringLiteral("big.lst"));
    EXPECT_EQ(start.page->cboFileName()->currentIndex(), -1);
    start.page->cmdSave_Click();
    EXPECT_EQ(start.prompter.count(), 2) << "the failed read, then no list to save to";
    EXPECT_EQ(ReadBytes(start.program.file(QStringLiteral("big.lst"))), tooMany);
}

// A name taken by something that is no list file (here a link to a file not yet there) is never
// written through: the new list is made only where nothing is.
TEST(ListPage, NewListIsNeverMadeOverAnythingOfItsName)
{
    Rig rig("a.lst\r\n", {{"a.lst", "/1.jpg\r\n"}}, QStringLiteral("a.lst"));
    TempFolder elsewhere;
    ASSERT_TRUE(
        QFile::link(elsewhere.file(QStringLiteral("target.lst")), rig.program.file(QStringLiteral("c.lst"))));
    rig.prompter.pushText(QStringLiteral("c"));
    rig.page->NewListFile();
    ASSERT_EQ(rig.prompter.count(), 1);
    EXPECT_TRUE(rig.prompter.texts()[0].startsWith(QStringLiteral("すでに存在するファイル名です")))
        << rig.prompter.texts()[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(elsewhere.file(QStringLiteral("target.lst"))));
    EXPECT_EQ(ReadBytes(rig.page->CatalogPath()), "a.lst\r\n");
    EXPECT_EQ(rig.page->cboFileName()->currentText(), QStringLiteral("a.lst"));
}

// A failed creation leaves the drop-down and the list box on one list, so a save cannot write one
// list's entries (or none) over another list.
TEST(ListPage, NewListThatCannotBeSavedLeavesTheCurrentListWhole)
{
    Rig rig("a.lst\r\nb.lst\r\n", {{"a.lst", "/1.jpg\r\n"}, {"b.lst", "/2.jpg\r\n"}},
            QStringLiteral("b.lst"));
    ASSERT_TRUE(QDir().mkdir(rig.program.file(QStringLiteral("autumn.lst")))); // cannot be written
    rig.prompter.pushText(QStringLiteral("autumn"));
    rig.page->NewListFile();
    EXPECT_EQ(rig.prompter.count(), 1) << "the failed write";
    EXPECT_EQ(rig.page->cboFileName()->count(), 2);
    EXPECT_EQ(rig.page->cboFileName()->currentText(), QStringLiteral("b.lst"));
    EXPECT_EQ(rig.entries(), QStringList{"/2.jpg"});
    rig.page->cmdSave_Click();
    EXPECT_EQ(ReadBytes(rig.program.file(QStringLiteral("b.lst"))), QByteArray("/2.jpg\r\n"));
}

TEST(ListPage, NewListThatCannotBeCataloguedReturnsToTheListBefore)
{
    Rig rig("a.lst\r\nb.lst\r\n", {{"a.lst", "/1.jpg\r\n"}, {"b.lst", "/2.jpg\r\n"}},
            QStringLiteral("b.lst"));
    // The catalogue can no longer be replaced.
    ASSERT_TRUE(QFile::remove(rig.page->CatalogPath()));
    ASSERT_TRUE(QDir().mkdir(rig.page->CatalogPath()));
    rig.prompter.pushText(QStringLiteral("autumn"));
    rig.page->NewListFile();
    EXPECT_EQ(rig.page->cboFileName()->count(), 2);
    EXPECT_EQ(rig.page->cboFileName()->currentText(), QStringLiteral("b.lst"));
    EXPECT_EQ(rig.settings.ListFileName, QStringLiteral("b.lst"));
    EXPECT_EQ(rig.entries(), QStringList{"/2.jpg"});
    rig.page->cmdSave_Click();
    EXPECT_EQ(ReadBytes(rig.program.file(QStringLiteral("b.lst"))), QByteArray("/2.jpg\r\n"));

    // With no list open before, none is open after.
    Rig none("", {}, QStringLiteral("b.lst"));
    ASSERT_TRUE(QFile::remove(none.page->CatalogPath()));
    ASSERT_TRUE(QDir().mkdir(none.page->CatalogPath()));
    none.prompter.pushText(QStringLiteral("autumn"));
    none.page->NewListFile();
    EXPECT_EQ(none.page->cboFileName()->count(), 0);
    EXPECT_EQ(none.page->cboFileName()->currentIndex(), -1);
    EXPECT_TRUE(none.entries().isEmpty());
    EXPECT_EQ(none.settings.ListFileName, QStringLiteral("b.lst"));
}

TEST(ListPage, ReleaseAndDeleteKeepTheLastList)
{
    Rig single("Velmora.lst\r\n", {{"Velmora.lst", "/a.jpg\r\n"}});
    single.page->mnuFileRelease_Click();
    single.page->mnuFileDelete_Click();
    EXPECT_EQ(single.prompter.texts(), (QStringList{"全てのファイルを解放することはできません。",
                                                    "全てのファイルを解放することはできません。"}));
    EXPECT_EQ(single.page->cboFileName()->count(), 1);

    Rig rig("a.lst\r\nb.lst\r\nc.lst\r\n",
            {{"a.lst", "/1.jpg\r\n"}, {"b.lst", "/2.jpg\r\n"}, {"c.lst", "/3.jpg\r\n"}},
            QStringLiteral("b.lst"));
    rig.page->mnuFileRelease_Click();
    EXPECT_EQ(ReadBytes(rig.program.file(QStringLiteral("lfname.dat"))), QByteArray("a.lst\r\nc.lst\r\n"));
    EXPECT_TRUE(QFileInfo::exists(rig.program.file(QStringLiteral("b.lst"))));
    EXPECT_EQ(rig.entries(), QStringList{"/1.jpg"});

    rig.page->cboFileName()->setCurrentIndex(1);
    rig.prompter.push(Answer::No); // the user declines the deletion
    rig.page->mnuFileDelete_Click();
    EXPECT_TRUE(QFileInfo::exists(rig.program.file(QStringLiteral("c.lst"))));
    EXPECT_EQ(ReadBytes(rig.program.file(QStringLiteral("lfname.dat"))), QByteArray("a.lst\r\n"));
    EXPECT_EQ(rig.settings.ListFileName, QStringLiteral("a.lst"));
}

TEST(ListPage, HorizontalRangeReachesEightPixelsPastTheLongestEntry)
{
    const QByteArray longPath = "/" + QByteArray(300, 'x') + ".jpg";
    Rig rig("long.lst\r\nshort.lst\r\nempty.lst\r\n",
            {{"long.lst", "/a.jpg\r\n" + longPath + "\r\n"}, {"short.lst", "/a.jpg\r\n"}, {"empty.lst", ""}},
            QStringLiteral("empty.lst"));
    ListBox* list = rig.page->lstFileList();
    list->resize(200, 300);
    const auto range = [list] {
        list->doItemsLayout();
        return list->horizontalScrollBar()->maximum();
    };
    EXPECT_EQ(range(), 0);
    rig.page->cboFileName()->setCurrentIndex(0);
    const int longest = list->fontMetrics().horizontalAdvance(QString::fromUtf8(longPath));
    EXPECT_EQ(range() + list->viewport()->width(), longest + 8);
    rig.page->cboFileName()->setCurrentIndex(1);
    EXPECT_EQ(range(), 0) << "entries that fit need no scrolling";
}

TEST(ListPage, AHundredThousandEntriesLoadEditAndSaveWhole)
{
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += "/pictures/" + QByteArray::number(i % 300) + "/写真 " + QByteArray::number(i) + ".jpg\r\n";
    Rig rig("big.lst\r\n", {{"big.lst", bytes}}, QStringLiteral("big.lst"));
    const QString path = rig.program.file(QStringLiteral("big.lst"));
    ListBox* list = rig.page->lstFileList();
    ASSERT_EQ(list->count(), 100000);
    EXPECT_EQ(list->text(99999), QStringLiteral("/pictures/99/写真 99999.jpg"));

    rig.page->cmdSave_Click();
    EXPECT_EQ(ReadBytes(path), bytes) << "a save without edits writes the same bytes";

    // An entry put in front of one selected past 32,767: the selection moves on with its entry.
    list->setCurrentRow(70000);
    rig.page->entries().insert(rig.page->entries().selected(), QStringLiteral("/added.jpg"));
    EXPECT_EQ(list->currentRow(), 70001);
    EXPECT_EQ(list->text(70000), QStringLiteral("/added.jpg"));
    rig.page->cmdSave_Click();
    const QByteArray saved = ReadBytes(path);
    EXPECT_EQ(saved.count('\n'), 100001);
    EXPECT_EQ(saved.size(), bytes.size() + QByteArray("/added.jpg\r\n").size());
    EXPECT_TRUE(saved.startsWith(bytes.left(bytes.indexOf("/pictures/100/写真 70000.jpg"))));
    EXPECT_EQ(rig.prompter.texts(), (QStringList{QStringLiteral("保存しました"), QStringLiteral("保存しました")}));

    // The scroll range of so many entries is measured in the background, as the window measures.
    ASSERT_TRUE(WaitUntil([list] { return !list->measuring(); }));
    const QFontMetrics metrics(list->font());
    int longest = 0;
    for (const QString& entry : list->entries())
        longest = std::max(longest, metrics.horizontalAdvance(entry));
    const int visible = list->viewport()->width();
    EXPECT_EQ(list->horizontalExtent(), visible * 0.95 >= longest ? 0 : longest + 8);
}

TEST(ListPage, DropsOfLocalFilesOnly)
{
    Rig rig("Velmora.lst\r\n", {{"Velmora.lst", ""}});
    QSignalSpy dropped(rig.page.get(), &ListPage::filesDropped);
    QWidget* viewport = rig.page->lstFileList()->viewport();

    QMimeData text;
    text.setText(QStringLiteral("/not/a/file.jpg"));
    QDragEnterEvent textEnter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &text, Qt::LeftButton,
                              Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &textEnter);
    EXPECT_FALSE(textEnter.isAccepted()) << "plain text offers no drop";

    QMimeData links;
    links.setUrls({QUrl(QStringLiteral("https://example.com/a.jpg"))});
    QDragEnterEvent linkEnter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &links, Qt::LeftButton,
                              Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &linkEnter);
    EXPECT_FALSE(linkEnter.isAccepted()) << "a web link is no file: no copy cursor";

    QMimeData files;
    files.setUrls({QUrl(QStringLiteral("https://example.com/a.jpg")),
                   QUrl::fromLocalFile(QStringLiteral("/pics/b.jpg")),
                   QUrl::fromLocalFile(QStringLiteral("/pics/sub"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    ASSERT_EQ(dropped.size(), 1);
    EXPECT_EQ(dropped[0][0].toStringList(), (QStringList{"/pics/b.jpg", "/pics/sub"}));
}

TEST(ListFileSelectDialog, FilterClickAndCancel)
{
    TempFolder program;
    for (const char* name : {"b.lst", "a.lst", "notes.txt"})
        WriteBytes(program.file(QString::fromUtf8(name)), "");
    ListFileSelectDialog dialog(program.path());
    ASSERT_EQ(dialog.File1()->count(), 2);
    EXPECT_EQ(dialog.File1()->item(0)->text(), QStringLiteral("a.lst"));
    dialog.txtSearchSpec()->setText(QStringLiteral("*.*"));
    EXPECT_EQ(dialog.File1()->count(), 3);
    EXPECT_EQ(dialog.SelFileName(), QString());
    Q_EMIT dialog.File1()->itemClicked(dialog.File1()->item(2));
    EXPECT_EQ(dialog.SelFileName(), QStringLiteral("notes.txt"));
    dialog.reject();
    EXPECT_EQ(dialog.SelFileName(), QString());

    // Every entry into the filter selects its whole text, not only the first.
    QLineEdit* filter = dialog.txtSearchSpec();
    QCoreApplication::processEvents();
    filter->deselect();
    QFocusEvent entry(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(filter, &entry);
    QCoreApplication::processEvents();
    EXPECT_EQ(filter->selectedText(), QStringLiteral("*.*"));
    Q_EMIT dialog.File1()->itemDoubleClicked(dialog.File1()->item(0));
    EXPECT_EQ(dialog.SelFileName(), QStringLiteral("a.lst"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ListFileSelectDialog, TheListChosenWithTheKeyboardIsTheOneOkAdds)
{
    TempFolder program;
    for (const char* name : {"a.lst", "b.lst", "c.lst"})
        WriteBytes(program.file(QString::fromUtf8(name)), "");
    ListFileSelectDialog dialog(program.path());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QListWidget* files = dialog.File1();
    files->setFocus();
    files->setCurrentRow(0);
    QTest::keyClick(files, Qt::Key_Down);
    QTest::keyClick(files, Qt::Key_Down);
    ASSERT_EQ(files->currentItem()->text(), QStringLiteral("c.lst"));
    EXPECT_EQ(dialog.SelFileName(), QStringLiteral("c.lst"));

    // Enter in the list is the dialog's OK, with the name the selection stands on.
    QTest::keyClick(files, Qt::Key_Up);
    QTest::keyClick(files, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.SelFileName(), QStringLiteral("b.lst"));
}
