#include "dialogs/EffectEditDialog.h"

#include "core/NumberText.h"
#include "core/SettingsStore.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {
namespace {

struct Effect {
    const char* box;
    const char* caption;
    EffectFlags Settings::*flags;
};

const Effect kEffects[] = {
    {"chkEffectEmbossOn", QT_TRANSLATE_NOOP("velmora::EffectEditDialog", "エンボス"),
     &Settings::EffectEmbossOn},
    {"chkEffectGrayscaleOn", QT_TRANSLATE_NOOP("velmora::EffectEditDialog", "グレー化"),
     &Settings::EffectGrayscaleOn},
    {"chkEffectHalftoneOn", QT_TRANSLATE_NOOP("velmora::EffectEditDialog", "ハーフトーン"),
     &Settings::EffectHalftoneOn},
    {"chkEffectAverageOn", QT_TRANSLATE_NOOP("velmora::EffectEditDialog", "ぼかし"),
     &Settings::EffectAverageOn},
    {"chkEffectContrastOn", QT_TRANSLATE_NOOP("velmora::EffectEditDialog", "コントラスト強調"),
     &Settings::EffectContrastOn},
    {"chkEffectGammaOn", QT_TRANSLATE_NOOP("velmora::EffectEditDialog", "ガンマ補正"),
     &Settings::EffectGammaOn},
};

} // namespace

QString EffectSetCaption(int set)
{
    return QStringLiteral(" #") + NumberField(set);
}

EffectEditDialog::EffectEditDialog(SettingsStore& settings, int set, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_set(set)
{
    setObjectName(QStringLiteral("frmEffectEdit"));
    setWindowTitle(tr("Effect編集"));
    auto* caption = new QLabel(tr("Effect Type:"));
    caption->setObjectName(QStringLiteral("Label1"));
    auto* number = new QLabel(EffectSetCaption(set));
    number->setObjectName(QStringLiteral("lblEffectType"));

    auto* grid = new QGridLayout;
    for (const Effect& effect : kEffects) {
        auto* box = new QCheckBox(tr(effect.caption), this);
        box->setObjectName(QString::fromLatin1(effect.box));
        // Only a flag of exactly 1 is on; any other value shows cleared and stays until clicked.
        box->setChecked((m_settings.values().*effect.flags).at(m_set) == 1);
        const auto flags = effect.flags;
        connect(box, &QCheckBox::clicked, this, [this, flags](bool ticked) {
            (m_settings.values().*flags).at(m_set) = ticked ? 1 : 0;
            m_settings.notifyChanged();
        });
        grid->addWidget(box, int(m_boxes.size() / 2), int(m_boxes.size() % 2));
        m_boxes.append(box);
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* heading = new QHBoxLayout;
    heading->addWidget(caption);
    heading->addWidget(number);
    heading->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

} // namespace velmora
