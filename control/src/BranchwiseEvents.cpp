// The control's events: clicks on the tree and the surface, keys and mouse on the surface, drops.
#include "branchwise/BranchwiseBase.h"

#include "FolderTreeWidget.h"

#include <QDragMoveEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace branchwise {

namespace {

qint16 ShiftState(Qt::KeyboardModifiers modifiers)
{
    qint16 shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

qint16 ButtonState(Qt::MouseButtons buttons)
{
    qint16 button = 0;
    if (buttons & Qt::LeftButton)
        button |= 1;
    if (buttons & Qt::RightButton)
        button |= 2;
    if (buttons & Qt::MiddleButton)
        button |= 4;
    return button;
}

// Key codes as the platform's virtual keys number them: letters and digits are their upper-case
// characters, the others from a short table.
qint16 KeyCode(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return qint16(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return qint16(112 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return qint16(key & 0x7FFF);
    }
}

} // namespace

float BranchwiseBase::toTwipsX(qreal pixels) const
{
    return float(pixels * 1440.0 / (logicalDpiX() > 0 ? logicalDpiX() : 96));
}

float BranchwiseBase::toTwipsY(qreal pixels) const
{
    return float(pixels * 1440.0 / (logicalDpiY() > 0 ? logicalDpiY() : 96));
}

bool BranchwiseBase::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_treeView1->viewport())
        return QFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // Seen before the tree moves its selection.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        QTreeWidgetItem* node = m_treeView1->itemAt(at);
        m_pressOnCurrent = node && node == m_treeView1->currentItem();
        break;
    }
    case QEvent::MouseButtonRelease: Q_EMIT Click(); break;
    case QEvent::MouseButtonDblClick: Q_EMIT DblClick(); break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        if (m_oleDropMode == 1) {
            forwardDragEvent(event);
            return true;
        }
        if (m_oleDropMode == 2 && event->type() != QEvent::DragLeave) {
            // Automatic: the tree takes what is dropped without asking the host; it keeps nothing.
            static_cast<QDropEvent*>(event)->acceptProposedAction();
            return true;
        }
        break;
    default: break;
    }
    return QFrame::eventFilter(watched, event);
}

// Manual drop mode: the host decides through OLEDragOver and receives OLEDragDrop.
void BranchwiseBase::forwardDragEvent(QEvent* event)
{
    if (event->type() == QEvent::DragLeave) {
        qint32 effect = 0;
        qint16 button = 0, shift = 0, state = 1;
        float x = 0, y = 0;
        Q_EMIT OLEDragOver(nullptr, effect, button, shift, x, y, state);
        return;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QMimeData* data = drop->mimeData();
    qint32 effect = 1; // copy
    if (drop->dropAction() == Qt::MoveAction)
        effect = 2;
    qint16 button = ButtonState(drop->buttons());
    qint16 shift = ShiftState(drop->modifiers());
    float x = toTwipsX(drop->position().x());
    float y = toTwipsY(drop->position().y());
    if (event->type() == QEvent::Drop) {
        Q_EMIT OLEDragDrop(data, effect, button, shift, x, y);
    } else {
        qint16 state = event->type() == QEvent::DragEnter ? 0 : 2;
        Q_EMIT OLEDragOver(data, effect, button, shift, x, y, state);
    }
    if (effect == 0) {
        drop->ignore();
        return;
    }
    drop->setDropAction(effect == 2 ? Qt::MoveAction : effect == 4 ? Qt::LinkAction : Qt::CopyAction);
    drop->accept();
}

void BranchwiseBase::keyPressEvent(QKeyEvent* event)
{
    // Keys of the drive list and the tree are theirs; only the surface's own reach the host.
    if (!hasFocus())
        return QFrame::keyPressEvent(event);
    qint16 keyCode = KeyCode(event->key());
    qint16 shift = ShiftState(event->modifiers());
    Q_EMIT KeyDown(keyCode, shift);
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() < 0x8000) {
        qint16 keyAscii = qint16(text.at(0).unicode());
        Q_EMIT KeyPress(keyAscii);
    }
    event->accept();
}

void BranchwiseBase::keyReleaseEvent(QKeyEvent* event)
{
    if (!hasFocus())
        return QFrame::keyReleaseEvent(event);
    qint16 keyCode = KeyCode(event->key());
    qint16 shift = ShiftState(event->modifiers());
    Q_EMIT KeyUp(keyCode, shift);
    event->accept();
}

void BranchwiseBase::mousePressEvent(QMouseEvent* event)
{
    qint16 button = ButtonState(event->button());
    qint16 shift = ShiftState(event->modifiers());
    float x = toTwipsX(event->position().x()), y = toTwipsY(event->position().y());
    Q_EMIT MouseDown(button, shift, x, y);
}

void BranchwiseBase::mouseMoveEvent(QMouseEvent* event)
{
    qint16 button = ButtonState(event->buttons());
    qint16 shift = ShiftState(event->modifiers());
    float x = toTwipsX(event->position().x()), y = toTwipsY(event->position().y());
    Q_EMIT MouseMove(button, shift, x, y);
}

void BranchwiseBase::mouseReleaseEvent(QMouseEvent* event)
{
    qint16 button = ButtonState(event->button());
    qint16 shift = ShiftState(event->modifiers());
    float x = toTwipsX(event->position().x()), y = toTwipsY(event->position().y());
    Q_EMIT MouseUp(button, shift, x, y);
    if (rect().contains(event->position().toPoint()))
        Q_EMIT Click();
}

void BranchwiseBase::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_EMIT DblClick();
    event->accept();
}

} // namespace branchwise
