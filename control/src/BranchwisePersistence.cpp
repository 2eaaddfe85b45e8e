// Saving the control into its container's property bag and reading it back.
#include "branchwise/BranchwiseBase.h"
#include "branchwise/PropertyBag.h"

#include "DriveListBox.h"

#include <QApplication>
#include <QScopedValueRollback>

namespace branchwise {

namespace {

const QVariant DefaultBackColor = QVariant::fromValue<qint64>(0x8000000F);
const QVariant DefaultForeColor = QVariant::fromValue<qint64>(0x80000012);
const QVariant DefaultObjectBackColor = QVariant::fromValue<qint64>(0xFFFFFF);

QVariant Int16(qint16 value)
{
    return QVariant::fromValue<int>(value);
}

QVariant Int32(qint64 value)
{
    return QVariant::fromValue<qint64>(value);
}

} // namespace

void BranchwiseBase::WriteProperties(PropertyBag& bag) const
{
    const QFont ambient = QApplication::font();
    bag.WriteProperty(QStringLiteral("Drive"), m_drive1->currentText(), QString());
    bag.WriteProperty(QStringLiteral("ViewType"), Int16(m_viewType), Int16(0));
    bag.WriteProperty(QStringLiteral("BackColor"), Int32(m_backColor), DefaultBackColor);
    bag.WriteProperty(QStringLiteral("ForeColor"), Int32(m_foreColor), DefaultForeColor);
    bag.WriteProperty(QStringLiteral("Enabled"), isEnabled(), true);
    bag.WriteProperty(QStringLiteral("Font"), font(), ambient);
    bag.WriteProperty(QStringLiteral("BackStyle"), Int16(m_backStyle), Int16(1));
    bag.WriteProperty(QStringLiteral("BorderStyle"), Int16(m_borderStyle), Int16(0));
    bag.WriteProperty(QStringLiteral("CurrentDirectory"), m_currentDirectory, QString());
    bag.WriteProperty(QStringLiteral("ImageType"), Int16(m_imageType), Int16(0));
    bag.WriteProperty(QStringLiteral("QuickMode"), m_quickMode, true);
    bag.WriteProperty(QStringLiteral("OLEDragMode"), Int32(m_oleDragMode), Int32(0));
    bag.WriteProperty(QStringLiteral("OLEDropMode"), Int32(m_oleDropMode), Int32(0));
    bag.WriteProperty(QStringLiteral("ObjectBackColor"), Int32(m_objectBackColor), DefaultObjectBackColor);
    bag.WriteProperty(QStringLiteral("ObjectForeColor"), Int32(m_objectForeColor), Int32(0));
    bag.WriteProperty(QStringLiteral("LabelEdit"), Int32(m_labelEdit), Int32(1));
    bag.WriteProperty(QStringLiteral("TreeLabelEdit"), Int32(m_labelEdit), Int32(1));
}

// "Drive" is never read. Properties held by the control are stored directly (no side effects, no
// design-mode check); the others go through their setters, whose refusal ends the reading.
bool BranchwiseBase::ReadProperties(PropertyBag& bag)
{
    m_lastError = 0;
    // Reading is not a change the container must be told about.
    QScopedValueRollback quiet(m_reading, true);
    auto read = [&](const char* key, const QVariant& defaultValue, auto&& store) {
        if (m_lastError != 0)
            return;
        const QVariant value = bag.ReadProperty(QString::fromLatin1(key), defaultValue);
        if (!value.isValid()) {
            raiseError(ErrorInvalidPropertyValue);
            return;
        }
        store(value);
    };
    auto colour = [](const QVariant& value) { return quint32(value.toLongLong()); };
    auto int16 = [this](const QVariant& value, qint16& out) {
        const qint64 number = value.toLongLong();
        if (number < -32768 || number > 32767) {
            raiseError(ErrorInvalidPropertyValue);
            return false;
        }
        out = qint16(number);
        return true;
    };

    read("BackColor", DefaultBackColor, [&](const QVariant& v) { setBackColor(colour(v)); });
    read("ForeColor", DefaultForeColor, [&](const QVariant& v) { setForeColor(colour(v)); });
    read("Enabled", true, [&](const QVariant& v) { setEnabledProperty(v.toBool()); });
    read("Font", QApplication::font(), [&](const QVariant& v) { setFontProperty(v.value<QFont>()); });
    read("BackStyle", Int16(1), [&](const QVariant& v) {
        qint16 style = 0;
        if (int16(v, style))
            setBackStyle(style);
    });
    read("BorderStyle", Int16(0), [&](const QVariant& v) {
        qint16 style = 0;
        if (int16(v, style))
            setBorderStyle(style);
    });
    read("CurrentDirectory", QString(), [&](const QVariant& v) { m_currentDirectory = v.toString(); });
    read("ImageType", Int16(0), [&](const QVariant& v) {
        qint16 type = 0;
        if (int16(v, type))
            m_imageType = ImageTypeConstants(type);
    });
    read("ViewType", Int16(0), [&](const QVariant& v) {
        qint16 type = 0;
        if (int16(v, type))
            m_viewType = ViewTypeConstants(type);
    });
    read("QuickMode", true, [&](const QVariant& v) { m_quickMode = v.toBool(); });
    read("OLEDragMode", Int32(0), [&](const QVariant& v) { setOLEDragMode(qint32(v.toLongLong())); });
    read("OLEDropMode", Int32(0), [&](const QVariant& v) { setOLEDropMode(qint32(v.toLongLong())); });
    read("ObjectBackColor", DefaultObjectBackColor,
         [&](const QVariant& v) { m_objectBackColor = colour(v); });
    read("ObjectForeColor", Int32(0), [&](const QVariant& v) { m_objectForeColor = colour(v); });
    read("LabelEdit", Int32(1), [&](const QVariant& v) { setLabelEdit(qint32(v.toLongLong())); });
    read("TreeLabelEdit", Int32(1), [&](const QVariant& v) { setTreeLabelEdit(qint32(v.toLongLong())); });
    return m_lastError == 0;
}

} // namespace branchwise
