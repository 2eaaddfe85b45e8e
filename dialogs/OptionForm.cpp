#include "dialogs/OptionForm.h"

#include "dialogs/OptionValues.h"
#include "dialogs/UpDownField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace velmora {
namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Builds the widgets in tab order and remembers that order.
class Builder {
public:
    explicit Builder(QDialog& dialog)
        : m_dialog(dialog)
    {}

    template <class Widget> Widget* add(Widget* widget, const char* name, const char* tip = nullptr)
    {
        widget->setObjectName(text(name));
        if (tip)
            widget->setToolTip(text(tip));
        if (widget->focusPolicy() & Qt::TabFocus)
            m_tabOrder.append(widget);
        return widget;
    }
    QLabel* label(const char* name, const char* caption) { return add(new QLabel(text(caption)), name); }
    QCheckBox* check(const char* name, const char* caption, const char* tip = nullptr)
    {
        return add(new QCheckBox(text(caption)), name, tip);
    }
    QRadioButton* option(QButtonGroup* group, int id, const char* name, const char* caption, const char* tip)
    {
        auto* button = add(new QRadioButton(text(caption)), name, tip);
        group->addButton(button, id);
        return button;
    }
    QSlider* slider(const char* name, SliderRange range, int largeStep, int tickEvery, const char* tip)
    {
        auto* slider = add(new QSlider(Qt::Horizontal), name, tip);
        slider->setRange(range.minimum, range.maximum);
        slider->setSingleStep(1);
        slider->setPageStep(largeStep);
        slider->setTickInterval(tickEvery);
        slider->setTickPosition(QSlider::TicksBelow);
        return slider;
    }
    QLabel* valueLabel(const char* name)
    {
        QLabel* shown = label(name, "");
        // Room for " 200" so that the sentence does not move while a slider is dragged.
        shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(QStringLiteral(" 000")));
        return shown;
    }
    QComboBox* list(const char* name, const QStringList& entries, bool editable, const char* tip = nullptr)
    {
        auto* box = add(new QComboBox, name, tip);
        box->setEditable(editable);
        box->addItems(entries);
        if (editable) {
            // The entry is the user's number as typed: never completed, never added to the list.
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setCompleter(nullptr);
        }
        return box;
    }
    QLineEdit* field(QLineEdit* edit, const char* name, const char* tip)
    {
        add(edit, name, tip);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
        return edit;
    }
    QGroupBox* frame(const char* name, const char* caption)
    {
        auto* box = new QGroupBox(text(caption));
        box->setObjectName(text(name));
        return box;
    }
    // The keyboard walks the frames as they are read: left panel, right panel, then the buttons;
    // the dialog opens with the focus on the first control.
    void applyTabOrder() const
    {
        for (qsizetype i = 1; i < m_tabOrder.size(); ++i)
            QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
        if (!m_tabOrder.isEmpty())
            m_tabOrder.first()->setFocus();
    }
    QButtonGroup* group() { return new QButtonGroup(&m_dialog); }

private:
    QDialog& m_dialog;
    QList<QWidget*> m_tabOrder;
};

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = true)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    if (stretch)
        layout->addStretch(1);
    return layout;
}

QWidget* panel(std::initializer_list<QGroupBox*> frames)
{
    auto* widget = new QWidget;
    widget->setObjectName(QStringLiteral("picPanelTabOption"));
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QGroupBox* frame : frames)
        layout->addWidget(frame);
    layout->addStretch(1);
    return widget;
}

QGroupBox* timerFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("Frame5", "タイマー設定");
    f.chkTimer = b.check("chkTimer", "Timer ON", "タイマー自動切替を作動");
    QLabel* caption = b.label("Label1", "Interval Time（秒）：");
    f.txtTimer = b.add(new UpDownField(1, 32767), "txtTimer", "自動切替インターバルタイム設定");
    f.txtTimer->setMinimumWidth(f.txtTimer->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 24);
    caption->setBuddy(f.txtTimer);
    auto* timerRow = row({f.chkTimer});
    timerRow->addWidget(caption);
    timerRow->addWidget(f.txtTimer);
    f.chkChangeSchedule = b.check("chkChangeSchedule", "切替時刻を記憶する（再起動・スリープ後も間隔を保つ）",
                                  "次の切替時刻を保存し、再起動やスリープの後もその時刻に切り替える");
    auto* layout = new QVBoxLayout;
    layout->addLayout(timerRow);
    layout->addWidget(f.chkChangeSchedule);
    frame->setLayout(layout);
    return frame;
}

QGroupBox* changeModeFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("Frame1", "切替モード");
    f.optChangeMode = b.group();
    QRadioButton* random =
        b.option(f.optChangeMode, 0, "optChangeMode0", "ランダム切替", "自動切替時にランダムに切り替える");
    QRadioButton* inOrder =
        b.option(f.optChangeMode, 1, "optChangeMode1", "順次切替", "自動切替時に順番に切り替える");
    f.chkRandomMode = b.check("chkRandomMode", "全画像を一巡するまで重複しない",
                              "ランダム切替時に、すべての画像を一度ずつ表示してから次の一巡に移る");
    auto* layout = new QVBoxLayout;
    layout->addLayout(row({random, inOrder}));
    layout->addWidget(f.chkRandomMode);
    frame->setLayout(layout);
    return frame;
}

QGroupBox* placementFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("Frame3", "表示位置");
    f.chkAutoTile = b.check("chkAutoTile", "自動", "表示位置を自動判定する");
    f.optTileMode = b.group();
    frame->setLayout(
        row({f.chkAutoTile, b.option(f.optTileMode, 0, "optTileMode0", "中央", "壁紙を画面中央に表示"),
             b.option(f.optTileMode, 1, "optTileMode1", "全体", "壁紙を画面全体に表示")}));
    return frame;
}

QGroupBox* sizeChangeFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("Frame2", "自動サイズ変更");
    f.chkSizeChange = b.check("chkSizeChange", "自動サイズ変更を行う", "壁紙のサイズを自動的に変更する");
    QLabel* before = b.label("Label6", "画像サイズが画面サイズの");
    f.lblSizeChangeLimit = b.valueLabel("lblSizeChangeLimit");
    QLabel* after = b.label("Label5", "分の1より");
    QLabel* end = b.label("Label3", "小さい場合は自動サイズ変更を行わない。");
    f.sldSizeChangeLimit =
        b.slider("sldSizeChangeLimit", SizeChangeLimitRange, 10, 10, "自動サイズ変更のしきい値を設定");
    auto* sentence = new QHBoxLayout;
    sentence->setSpacing(0);
    for (QWidget* part : {static_cast<QWidget*>(before), static_cast<QWidget*>(f.lblSizeChangeLimit),
                          static_cast<QWidget*>(after)})
        sentence->addWidget(part);
    sentence->addStretch(1);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(f.chkSizeChange);
    layout->addLayout(sentence);
    layout->addWidget(end);
    layout->addWidget(f.sldSizeChangeLimit);
    return frame;
}

QGroupBox* effectFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("Frame4", "エフェクト関連");
    f.chkEffect = b.check("chkEffect", "エフェクトをかける", "壁紙にエフェクトをかける");
    QLabel* caption = b.label("Label2", "Effect Type：");
    f.cboEffectType =
        b.list("cboEffectType",
               {QStringLiteral("Random"), QStringLiteral("#1"), QStringLiteral("#2"), QStringLiteral("#3")},
               false, "エフェクト種類の選択");
    caption->setBuddy(f.cboEffectType);
    f.cmdEffectEdit = b.add(new QPushButton(text("編集")), "cmdEffectEdit", "エフェクト内容を編集する");
    f.cmdEffectEdit->setAutoDefault(false);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(f.chkEffect);
    layout->addLayout(row({caption, f.cboEffectType, f.cmdEffectEdit}));
    return frame;
}

QGroupBox* singleBoxFrame(Builder& b, const char* name, const char* caption, QCheckBox* box)
{
    QGroupBox* frame = b.frame(name, caption);
    frame->setLayout(row({box}));
    return frame;
}

QGroupBox* collageFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("Frame8", "コラージュ");
    f.chkCollage = b.check("chkCollage", "コラージュ ON", "コラージュ機能を作動");
    f.chkCollageChange =
        b.check("chkCollageChange", "ランダム合成", "合成するファイルをリストからランダムに選択");
    f.chkTile = b.check("chkTile", "並べて表示");
    QLabel* linesCaption = b.label("Label11", "行数：");
    QStringList lines;
    for (int n = 0; n <= 10; ++n)
        lines.append(QString::number(n));
    f.cboTileLines = b.list("cboTileLines", lines, true, "並べて表示する際の行数(0でランダム)");
    f.cboTileLines->setMaximumWidth(f.cboTileLines->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                                    40);
    linesCaption->setBuddy(f.cboTileLines);
    QLabel* countCaption = b.label("Label4", "貼付枚数：");
    f.lblCollageCount = b.valueLabel("lblCollageCount");
    f.sldCollageCount = b.slider("sldCollageCount", CollageCountRange, 5, 1, "コラージュ貼付枚数を設定");
    QLabel* scaleCaption = b.label("Label7", "最大倍率：");
    f.lblCollageBairitu = b.valueLabel("lblCollageBairitu");
    f.sldCollageBairitu =
        b.slider("sldCollageBairitu", CollageBairituRange, 2, 1, "画像リサイズの最大倍率を設定");
    f.optCollageBase = b.group();
    QRadioButton* byPicture = b.option(f.optCollageBase, 0, "optCollageBase0", "画像ファイルのサイズを基準",
                                       "画像リサイズ時の基準を選択");
    QRadioButton* byScreen =
        b.option(f.optCollageBase, 1, "optCollageBase1", "画面サイズを基準", "画像リサイズ時の基準を選択");

    auto* grid = new QGridLayout(frame);
    grid->addWidget(f.chkCollage, 0, 0);
    grid->addWidget(f.chkCollageChange, 0, 1);
    grid->addWidget(f.chkTile, 1, 0);
    grid->addLayout(row({linesCaption, f.cboTileLines}), 1, 1);
    grid->addLayout(row({countCaption, f.lblCollageCount}), 2, 0);
    grid->addWidget(f.sldCollageCount, 2, 1);
    grid->addLayout(row({scaleCaption, f.lblCollageBairitu}), 3, 0);
    grid->addWidget(f.sldCollageBairitu, 3, 1);
    grid->addLayout(row({byPicture, byScreen}), 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return frame;
}

QGroupBox* calendarFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("Frame9", "カレンダー");
    f.chkCalendar = b.check("chkCalendar", "カレンダー ON", "カレンダー機能を作動");
    f.cmdCalendarText =
        b.add(new QPushButton(text("文字設定")), "cmdCalendarText", "カレンダ表示用フォント設定");
    f.cmdCalendarText->setAutoDefault(false);
    QLabel* placeCaption = b.label("Label8", "表示位置：");
    f.cboOffsetMode =
        b.list("cboOffsetMode", {text("左上"), text("右上"), text("左下"), text("右下")}, false);
    placeCaption->setBuddy(f.cboOffsetMode);
    QLabel* xCaption = b.label("Label10", "マージン　横：");
    f.txtOffsetX = b.field(new QLineEdit, "txtOffsetX", "カレンダ表示位置横マージン");
    xCaption->setBuddy(f.txtOffsetX);
    QLabel* yCaption = b.label("Label9", "縦：");
    f.txtOffsetY = b.field(new QLineEdit, "txtOffsetY", "カレンダ表示位置縦マージン");
    yCaption->setBuddy(f.txtOffsetY);

    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(row({f.chkCalendar, f.cmdCalendarText}));
    layout->addLayout(row({placeCaption, f.cboOffsetMode}));
    layout->addLayout(row({xCaption, f.txtOffsetX, yCaption, f.txtOffsetY}));
    return frame;
}

// Beyond the original dialog.
QGroupBox* monitorFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("FrameMonitor", "マルチモニター");
    f.optMonitorMode = b.group();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(b.option(f.optMonitorMode, 0, "optMonitorMode0", "全モニターに同じ壁紙",
                               "各モニターにそのサイズに合わせた同じ壁紙を表示"));
    layout->addWidget(b.option(f.optMonitorMode, 1, "optMonitorMode1", "モニターごとに次の壁紙",
                               "左のモニターから順に、切替順で次の画像を表示"));
    layout->addWidget(b.option(f.optMonitorMode, 2, "optMonitorMode2", "全モニターにまたがる壁紙",
                               "全モニターを囲む大きさで１枚の壁紙を表示"));
    return frame;
}

} // namespace

QList<QWidget*> OptionForm::untiledCollageControls() const
{
    QList<QWidget*> controls = {sldCollageCount, sldCollageBairitu, lblCollageCount, lblCollageBairitu};
    for (QAbstractButton* option : optCollageBase->buttons())
        controls.append(option);
    return controls;
}

OptionForm BuildOptionForm(QDialog& dialog)
{
    dialog.setObjectName(QStringLiteral("frmOption"));
    dialog.setWindowTitle(text("オプション"));
    Builder b(dialog);
    OptionForm f;

    QGroupBox* timer = timerFrame(b, f);
    QGroupBox* changeMode = changeModeFrame(b, f);
    QGroupBox* placement = placementFrame(b, f);
    QGroupBox* sizeChange = sizeChangeFrame(b, f);
    QGroupBox* effect = effectFrame(b, f);
    QGroupBox* collage = collageFrame(b, f);
    QGroupBox* calendar = calendarFrame(b, f);
    f.chkPreviewPause =
        b.check("chkPreviewPause", "ファイル選択後、プレビューで一時停止　クリックで壁紙変更する");
    QGroupBox* preview = singleBoxFrame(b, "Frame6", "プレビュー", f.chkPreviewPause);
    f.chkMinBoot = b.check("chkMinBoot", "起動時に自動的に最小化する");
    QGroupBox* startUp = singleBoxFrame(b, "Frame7", "起動関連", f.chkMinBoot);
    QGroupBox* monitors = monitorFrame(b, f);
    f.cmdOk = b.add(new QPushButton(QStringLiteral("OK")), "cmdOk");
    f.cmdCancel = b.add(new QPushButton(QStringLiteral("Cancel")), "cmdCancel");
    f.cmdOk->setDefault(true);
    f.cmdCancel->setAutoDefault(false);

    auto* panels = new QHBoxLayout;
    panels->addWidget(panel({timer, changeMode, placement, sizeChange, effect}));
    panels->addWidget(panel({collage, calendar, preview, startUp, monitors}));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(f.cmdOk);
    buttons->addWidget(f.cmdCancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(panels);
    layout->addLayout(buttons);
    b.applyTabOrder();
    return f;
}

} // namespace velmora
