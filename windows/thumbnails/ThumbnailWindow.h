#pragma once
// frmThumbnail: small pictures of every image of the main window's current folder. Clicking one
// previews it in the main window or adds it to the current list (optClickMode). The pictures are
// made on the program's pool and appear in name order as they arrive; clicks work meanwhile.
#include "core/jobs/Job.h"
#include "windows/thumbnails/ThumbnailFill.h"
#include "windows/thumbnails/ThumbnailHost.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <utility>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace velmora {

struct Settings;
class ThumbnailGridModel;
class ThumbnailGridView;

class ThumbnailWindow final : public QWidget {
    Q_OBJECT
public:
    ThumbnailWindow(Settings& settings, ThumbnailHost host, QWidget* parent = nullptr);
    ~ThumbnailWindow() override;

    // The window's load: the frame's corner from ThumbLeft and ThumbTop (brought onto a screen when
    // no screen would show its title bar), the client area's size from ThumbWidth and ThumbHeight,
    // and the click mode from ThumbClickMode. Called before each showing of the closed window.
    void Form_Load();
    // Rebuilds the grid from the main window's current folder. A fill still running is cancelled
    // and its pictures are dropped.
    void ThumbReset();
    // The folder shown, ending in "/", as taken at the last ThumbReset.
    const QString& ThumbFolder() const { return m_thumbFolder; }
    bool filling() const { return m_fill.isRunning(); }
    // True while pictures dropped out of sight are being read again.
    bool reloading() const { return m_reload.isRunning(); }

    ThumbnailGridModel& model() { return *m_model; }
    ThumbnailGridView* LEADImgList1() const { return m_grid; }
    QRadioButton* optClickMode(int index) const { return m_optClickMode.at(std::size_t(index)); }
    QPushButton* cmdReset() const { return m_cmdReset; }

    // What a click on the item in that row does, by ThumbClickMode.
    void LEADImgList1_Click(int row);

    // Tests make the pictures with a stand-in; empty returns to MakeThumbnail.
    void setThumbnailMaker(ThumbnailMaker make) { m_make = std::move(make); }

Q_SIGNALS:
    // A fill ended (not when it was replaced by a newer one).
    void fillFinished();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Sets every caption in the interface's language.
    void retranslate();
    void fillEnded();
    // Holds the pictures of the rows in sight and a screenful either side, drops the others, and
    // reads the missing ones of those rows again (from the shared cache) on the pool.
    void keepNearView();
    // The rows keepNearView holds pictures for.
    std::pair<int, int> keptRows() const;
    void layOut();
    void receive(QList<ThumbnailItem> items);
    void flush();
    bool showsTheEnd() const;

    Settings& m_settings;
    ThumbnailHost m_host;
    ThumbnailMaker m_make;
    QString m_thumbFolder;
    // The title says "loading" from a reset until its fill ends.
    bool m_loading = false;
    QGroupBox* m_frame1;
    std::array<QRadioButton*, 2> m_optClickMode{};
    QPushButton* m_cmdReset;
    ThumbnailGridModel* m_model;
    ThumbnailGridView* m_grid;
    Job<int> m_fill;
    Job<int> m_reload;
    int m_side = 150;
    double m_ratio = 1.0;
    // Pictures that arrived while the grid's end is out of sight: added together now and then,
    // so that the grid is not laid out and painted again for each.
    QList<ThumbnailItem> m_pending;
    QTimer m_flush;
};

} // namespace velmora
