#pragma once
// The file view lvwFileName seen as the items the wallpaper change draws from (1-based).
#include "mainwindow/change/ChangeSources.h"

#include <functional>

namespace velmora {

class FileNameListView;

class FileViewItems final : public FolderItems {
public:
    // loading: true while the view is still being filled.
    FileViewItems(FileNameListView& view, std::function<bool()> loading)
        : m_view(view)
        , m_loading(std::move(loading))
    {}

    int count() const override;
    QString text(int index) const override;
    int selected() const override;
    void select(int index) override;
    bool complete() const override { return !m_loading || !m_loading(); }

private:
    FileNameListView& m_view;
    std::function<bool()> m_loading;
};

} // namespace velmora
