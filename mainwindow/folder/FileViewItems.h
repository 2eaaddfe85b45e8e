#pragma once
// The file view lvwFileName seen as the items the wallpaper change draws from (1-based).
#include "mainwindow/change/ChangeSources.h"

namespace velmora {

class FileNameListView;

class FileViewItems final : public FolderItems {
public:
    explicit FileViewItems(FileNameListView& view)
        : m_view(view)
    {}

    int count() const override;
    QString text(int index) const override;
    int selected() const override;
    void select(int index) override;

private:
    FileNameListView& m_view;
};

} // namespace velmora
