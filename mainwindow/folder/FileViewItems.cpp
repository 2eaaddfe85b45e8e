#include "mainwindow/folder/FileViewItems.h"

#include "mainwindow/folder/FileNameListView.h"
#include "mainwindow/folder/FileViewModel.h"

namespace velmora {

int FileViewItems::count() const
{
    return m_view.model()->rowCount();
}

QString FileViewItems::text(int index) const
{
    return m_view.model()->fileName(index - 1);
}

int FileViewItems::selected() const
{
    return m_view.currentRow() + 1;
}

void FileViewItems::select(int index)
{
    m_view.selectRow(index - 1);
}

} // namespace velmora
