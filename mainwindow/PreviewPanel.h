#pragma once
// picPanelTabOption: the panel that hosts the wallpaper preview. It keeps the engine's idea of the
// preview area current, re-places the preview when it is resized, and reports clicks on itself or
// on the preview.
#include <QWidget>

namespace velmora {

struct EngineState;
class PreviewView;

class PreviewPanel : public QWidget {
    Q_OBJECT
public:
    PreviewPanel(EngineState& state, QWidget* parent = nullptr);
    PreviewView* leadWallPaper() const { return m_view; }

    // Sets the preview's tip again in the current language.
    void retranslate();

Q_SIGNALS:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    EngineState& m_state;
    PreviewView* m_view;
};

} // namespace velmora
