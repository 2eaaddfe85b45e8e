#include "dialogs/OptionForm.h"

#include "dialogs/OptionValues.h"
#include "dialogs/UpDownField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

// The texts of this file are looked up in the catalogue under this context.
constexpr char Context[] = "OptionForm";

QString translated(const char* source)
{
    return QCoreApplication::translate(Context, source);
}

// Builds the widgets in tab order and remembers that order, and how to set each text in the
// current language.
class Builder {
public:
    Builder(QDialog& dialog, QList<std::function<void()>>& texts)
        : m_dialog(dialog)
        , m_texts(texts)
    {}

    template <class Widget> Widget* add(Widget* widget, const char* name, const char* tip = nullptr)
    {
        widget->setObjectName(QString::fromLatin1(name));
        if (tip)
            m_texts.append([widget, tip] { widget->setToolTip(translated(tip)); });
        if (widget->focusPolicy() & Qt::TabFocus)
            m_tabOrder.append(widget);
        return widget;
    }
    // A button, check box or option, its caption translated.
    template <class Button>
    Button* captioned(Button* button, const char* name, const char* caption, const char* tip = nullptr)
    {
        m_texts.append([button, caption] { button->setText(translated(caption)); });
        return add(button, name, tip);
    }
    QLabel* label(const char* name, const char* caption)
    {
        auto* shown = add(new QLabel, name);
        m_texts.append([shown, caption] { shown->setText(translated(caption)); });
        return shown;
    }
    QCheckBox* check(const char* name, const char* caption, const char* tip = nullptr)
    {
        return captioned(new QCheckBox, name, caption, tip);
    }
    QRadioButton* option(QButtonGroup* group, int id, const char* name, const char* caption, const char* tip)
    {
        auto* button = captioned(new QRadioButton, name, caption, tip);
        group->addButton(button, id);
        return button;
    }
    QPushButton* button(const char* name, const char* caption, const char* tip = nullptr)
    {
        auto* button = captioned(new QPushButton, name, caption, tip);
        button->setAutoDefault(false);
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
        QLabel* shown = add(new QLabel, name);
        // Room for " 200" so that the sentence does not move while a slider is dragged.
        shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(QStringLiteral(" 000")));
        return shown;
    }
    QComboBox* list(const char* name, bool editable, const char* tip = nullptr)
    {
        auto* box = add(new QComboBox, name, tip);
        box->setEditable(editable);
        if (editable) {
            // The entry is the user's number as typed: never completed, never added to the list.
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setCompleter(nullptr);
        }
        return box;
    }
    // List entries whose text is translated; the position (and the data) is what is stored.
    void translatedItems(QComboBox* box, std::initializer_list<const char*> captions)
    {
        for (const char* caption : captions) {
            const int index = box->count();
            box->addItem(QString());
            m_texts.append([box, index, caption] { box->setItemText(index, translated(caption)); });
        }
    }
    QLineEdit* field(QLineEdit* edit, const char* name, const char* tip)
    {
        add(edit, name, tip);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
        return edit;
    }
    QGroupBox* frame(const char* name, const char* caption)
    {
        auto* box = new QGroupBox;
        box->setObjectName(QString::fromLatin1(name));
        m_texts.append([box, caption] { box->setTitle(translated(caption)); });
        return box;
    }
    void title(const char* caption)
    {
        m_texts.append([dialog = &m_dialog, caption] { dialog->setWindowTitle(translated(caption)); });
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
    QList<std::function<void()>>& m_texts;
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
    QGroupBox* frame = b.frame("Frame5", QT_TRANSLATE_NOOP("OptionForm", "タイマー設定"));
    f.chkTimer = b.check("chkTimer", QT_TRANSLATE_NOOP("OptionForm", "Timer ON"),
                         QT_TRANSLATE_NOOP("OptionForm", "タイマー自動切替を作動"));
    QLabel* caption = b.label("Label1", QT_TRANSLATE_NOOP("OptionForm", "Interval Time（秒）："));
    f.txtTimer = b.add(new UpDownField(1, 32767), "txtTimer",
                       QT_TRANSLATE_NOOP("OptionForm", "自動切替インターバルタイム設定"));
    f.txtTimer->setMinimumWidth(f.txtTimer->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 24);
    caption->setBuddy(f.txtTimer);
    auto* timerRow = row({f.chkTimer});
    timerRow->addWidget(caption);
    timerRow->addWidget(f.txtTimer);
    f.chkChangeSchedule = b.check(
        "chkChangeSchedule",
        QT_TRANSLATE_NOOP("OptionForm", "切替時刻を記憶する（再起動・スリープ後も間隔を保つ）"),
        QT_TRANSLATE_NOOP("OptionForm", "次の切替時刻を保存し、再起動やスリープの後もその時刻に切り替える"));
    auto* layout = new QVBoxLayout;
    layout->addLayout(timerRow);
    layout->addWidget(f.chkChangeSchedule);
    frame->setLayout(layout);
    return frame;
}

QGroupBox* changeModeFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("Frame1", QT_TRANSLATE_NOOP("OptionForm", "切替モード"));
    f.optChangeMode = b.group();
    QRadioButton* random =
        b.option(f.optChangeMode, 0, "optChangeMode0", QT_TRANSLATE_NOOP("OptionForm", "ランダム切替"),
                 QT_TRANSLATE_NOOP("OptionForm", "自動切替時にランダムに切り替える"));
    QRadioButton* inOrder =
        b.option(f.optChangeMode, 1, "optChangeMode1", QT_TRANSLATE_NOOP("OptionForm", "順次切替"),
                 QT_TRANSLATE_NOOP("OptionForm", "自動切替時に順番に切り替える"));
    f.chkRandomMode =
        b.check("chkRandomMode", QT_TRANSLATE_NOOP("OptionForm", "全画像を一巡するまで重複しない"),
                QT_TRANSLATE_NOOP("OptionForm",
                                  "ランダム切替時に、すべての画像を一度ずつ表示してから次の一巡に移る"));
    auto* layout = new QVBoxLayout;
    layout->addLayout(row({random, inOrder}));
    layout->addWidget(f.chkRandomMode);
    frame->setLayout(layout);
    return frame;
}

QGroupBox* placementFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("Frame3", QT_TRANSLATE_NOOP("OptionForm", "表示位置"));
    f.chkAutoTile = b.check("chkAutoTile", QT_TRANSLATE_NOOP("OptionForm", "自動"),
                            QT_TRANSLATE_NOOP("OptionForm", "表示位置を自動判定する"));
    f.optTileMode = b.group();
    QRadioButton* centred =
        b.option(f.optTileMode, 0, "optTileMode0", QT_TRANSLATE_NOOP("OptionForm", "中央"),
                 QT_TRANSLATE_NOOP("OptionForm", "壁紙を画面中央に表示"));
    QRadioButton* tiled = b.option(f.optTileMode, 1, "optTileMode1", QT_TRANSLATE_NOOP("OptionForm", "全体"),
                                   QT_TRANSLATE_NOOP("OptionForm", "壁紙を画面全体に表示"));
    frame->setLayout(row({f.chkAutoTile, centred, tiled}));
    return frame;
}

QGroupBox* sizeChangeFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("Frame2", QT_TRANSLATE_NOOP("OptionForm", "自動サイズ変更"));
    f.chkSizeChange = b.check("chkSizeChange", QT_TRANSLATE_NOOP("OptionForm", "自動サイズ変更を行う"),
                              QT_TRANSLATE_NOOP("OptionForm", "壁紙のサイズを自動的に変更する"));
    // One sentence in four labels around the slider's value.
    QLabel* before = b.label("Label6", QT_TRANSLATE_NOOP("OptionForm", "画像サイズが画面サイズの"));
    f.lblSizeChangeLimit = b.valueLabel("lblSizeChangeLimit");
    QLabel* after = b.label("Label5", QT_TRANSLATE_NOOP("OptionForm", "分の1より"));
    QLabel* end =
        b.label("Label3", QT_TRANSLATE_NOOP("OptionForm", "小さい場合は自動サイズ変更を行わない。"));
    f.sldSizeChangeLimit = b.slider("sldSizeChangeLimit", SizeChangeLimitRange, 10, 10,
                                    QT_TRANSLATE_NOOP("OptionForm", "自動サイズ変更のしきい値を設定"));
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
    QGroupBox* frame = b.frame("Frame4", QT_TRANSLATE_NOOP("OptionForm", "エフェクト関連"));
    f.chkEffect = b.check("chkEffect", QT_TRANSLATE_NOOP("OptionForm", "エフェクトをかける"),
                          QT_TRANSLATE_NOOP("OptionForm", "壁紙にエフェクトをかける"));
    QLabel* caption = b.label("Label2", QT_TRANSLATE_NOOP("OptionForm", "Effect Type："));
    f.cboEffectType = b.list("cboEffectType", false, QT_TRANSLATE_NOOP("OptionForm", "エフェクト種類の選択"));
    b.translatedItems(f.cboEffectType, {QT_TRANSLATE_NOOP("OptionForm", "Random")});
    f.cboEffectType->addItems({QStringLiteral("#1"), QStringLiteral("#2"), QStringLiteral("#3")});
    caption->setBuddy(f.cboEffectType);
    f.cmdEffectEdit = b.button("cmdEffectEdit", QT_TRANSLATE_NOOP("OptionForm", "編集"),
                               QT_TRANSLATE_NOOP("OptionForm", "エフェクト内容を編集する"));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(f.chkEffect);
    layout->addLayout(row({caption, f.cboEffectType, f.cmdEffectEdit}));
    return frame;
}

QGroupBox* singleBoxFrame(Builder& b, const char* name, const char* caption, QWidget* control)
{
    QGroupBox* frame = b.frame(name, caption);
    frame->setLayout(row({control}));
    return frame;
}

QGroupBox* collageFrame(Builder& b, OptionForm& f)
{
    QGroupBox* frame = b.frame("Frame8", QT_TRANSLATE_NOOP("OptionForm", "コラージュ"));
    f.chkCollage = b.check("chkCollage", QT_TRANSLATE_NOOP("OptionForm", "コラージュ ON"),
                           QT_TRANSLATE_NOOP("OptionForm", "コラージュ機能を作動"));
    f.chkCollageChange =
        b.check("chkCollageChange", QT_TRANSLATE_NOOP("OptionForm", "ランダム合成"),
                QT_TRANSLATE_NOOP("OptionForm", "合成するファイルをリストからランダムに選択"));
    f.chkTile = b.check("chkTile", QT_TRANSLATE_NOOP("OptionForm", "並べて表示"));
    QLabel* linesCaption = b.label("Label11", QT_TRANSLATE_NOOP("OptionForm", "行数："));
    f.cboTileLines =
        b.list("cboTileLines", true, QT_TRANSLATE_NOOP("OptionForm", "並べて表示する際の行数(0でランダム)"));
    for (int n = 0; n <= 10; ++n)
        f.cboTileLines->addItem(QString::number(n));
    f.cboTileLines->setMaximumWidth(f.cboTileLines->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                                    40);
    linesCaption->setBuddy(f.cboTileLines);
    QLabel* countCaption = b.label("Label4", QT_TRANSLATE_NOOP("OptionForm", "貼付枚数："));
    f.lblCollageCount = b.valueLabel("lblCollageCount");
    f.sldCollageCount = b.slider("sldCollageCount", CollageCountRange, 5, 1,
                                 QT_TRANSLATE_NOOP("OptionForm", "コラージュ貼付枚数を設定"));
    QLabel* scaleCaption = b.label("Label7", QT_TRANSLATE_NOOP("OptionForm", "最大倍率："));
    f.lblCollageBairitu = b.valueLabel("lblCollageBairitu");
    f.sldCollageBairitu = b.slider("sldCollageBairitu", CollageBairituRange, 2, 1,
                                   QT_TRANSLATE_NOOP("OptionForm", "画像リサイズの最大倍率を設定"));
    f.optCollageBase = b.group();
    QRadioButton* byPicture = b.option(f.optCollageBase, 0, "optCollageBase0",
                                       QT_TRANSLATE_NOOP("OptionForm", "画像ファイルのサイズを基準"),
                                       QT_TRANSLATE_NOOP("OptionForm", "画像リサイズ時の基準を選択"));
    QRadioButton* byScreen =
        b.option(f.optCollageBase, 1, "optCollageBase1", QT_TRANSLATE_NOOP("OptionForm", "画面サイズを基準"),
                 QT_TRANSLATE_NOOP("OptionForm", "画像リサイズ時の基準を選択"));

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
    QGroupBox* frame = b.frame("Frame9", QT_TRANSLATE_NOOP("OptionForm", "カレンダー"));
    f.chkCalendar = b.check("chkCalendar", QT_TRANSLATE_NOOP("OptionForm", "カレンダー ON"),
                            QT_TRANSLATE_NOOP("OptionForm", "カレンダー機能を作動"));
    f.cmdCalendarText = b.button("cmdCalendarText", QT_TRANSLATE_NOOP("OptionForm", "文字設定"),
                                 QT_TRANSLATE_NOOP("OptionForm", "カレンダ表示用フォント設定"));
    QLabel* placeCaption = b.label("Label8", QT_TRANSLATE_NOOP("OptionForm", "表示位置："));
    f.cboOffsetMode = b.list("cboOffsetMode", false);
    b.translatedItems(f.cboOffsetMode,
                      {QT_TRANSLATE_NOOP("OptionForm", "左上"), QT_TRANSLATE_NOOP("OptionForm", "右上"),
                       QT_TRANSLATE_NOOP("OptionForm", "左下"), QT_TRANSLATE_NOOP("OptionForm", "右下")});
    placeCaption->setBuddy(f.cboOffsetMode);
    QLabel* xCaption = b.label("Label10", QT_TRANSLATE_NOOP("OptionForm", "マージン　横："));
    f.txtOffsetX =
        b.field(new QLineEdit, "txtOffsetX", QT_TRANSLATE_NOOP("OptionForm", "カレンダ表示位置横マージン"));
    xCaption->setBuddy(f.txtOffsetX);
    QLabel* yCaption = b.label("Label9", QT_TRANSLATE_NOOP("OptionForm", "縦："));
    f.txtOffsetY =
        b.field(new QLineEdit, "txtOffsetY", QT_TRANSLATE_NOOP("OptionForm", "カレンダ表示位置縦マージン"));
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
    QGroupBox* frame = b.frame("FrameMonitor", QT_TRANSLATE_NOOP("OptionForm", "マルチモニター"));
    f.optMonitorMode = b.group();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(b.option(
        f.optMonitorMode, 0, "optMonitorMode0", QT_TRANSLATE_NOOP("OptionForm", "全モニターに同じ壁紙"),
        QT_TRANSLATE_NOOP("OptionForm", "各モニターにそのサイズに合わせた同じ壁紙を表示")));
    layout->addWidget(b.option(
        f.optMonitorMode, 1, "optMonitorMode1", QT_TRANSLATE_NOOP("OptionForm", "モニターごとに次の壁紙"),
        QT_TRANSLATE_NOOP("OptionForm", "左のモニターから順に、切替順で次の画像を表示")));
    layout->addWidget(b.option(f.optMonitorMode, 2, "optMonitorMode2",
                               QT_TRANSLATE_NOOP("OptionForm", "全モニターにまたがる壁紙"),
                               QT_TRANSLATE_NOOP("OptionForm", "全モニターを囲む大きさで１枚の壁紙を表示")));
    return frame;
}

// Beyond the original dialog. The languages' own names read the same in every language, so that
// anyone finds their way back.
QGroupBox* languageFrame(Builder& b, OptionForm& f)
{
    f.cboLanguage = b.list("cboLanguage", false);
    b.translatedItems(f.cboLanguage, {QT_TRANSLATE_NOOP("OptionForm", "デスクトップに合わせる")});
    f.cboLanguage->addItem(QStringLiteral("日本語"));
    f.cboLanguage->addItem(QStringLiteral("English"));
    return singleBoxFrame(b, "FrameLanguage", QT_TRANSLATE_NOOP("OptionForm", "言語"), f.cboLanguage);
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
    OptionForm f;
    Builder b(dialog, f.texts);
    b.title(QT_TRANSLATE_NOOP("OptionForm", "オプション"));

    QGroupBox* timer = timerFrame(b, f);
    QGroupBox* changeMode = changeModeFrame(b, f);
    QGroupBox* placement = placementFrame(b, f);
    QGroupBox* sizeChange = sizeChangeFrame(b, f);
    QGroupBox* effect = effectFrame(b, f);
    QGroupBox* language = languageFrame(b, f);
    QGroupBox* collage = collageFrame(b, f);
    QGroupBox* calendar = calendarFrame(b, f);
    f.chkPreviewPause = b.check(
        "chkPreviewPause",
        QT_TRANSLATE_NOOP("OptionForm", "ファイル選択後、プレビューで一時停止　クリックで壁紙変更する"));
    QGroupBox* preview =
        singleBoxFrame(b, "Frame6", QT_TRANSLATE_NOOP("OptionForm", "プレビュー"), f.chkPreviewPause);
    f.chkMinBoot = b.check("chkMinBoot", QT_TRANSLATE_NOOP("OptionForm", "起動時に自動的に最小化する"));
    QGroupBox* startUp =
        singleBoxFrame(b, "Frame7", QT_TRANSLATE_NOOP("OptionForm", "起動関連"), f.chkMinBoot);
    QGroupBox* monitors = monitorFrame(b, f);
    f.cmdOk = b.captioned(new QPushButton, "cmdOk", QT_TRANSLATE_NOOP("OptionForm", "OK"));
    f.cmdCancel = b.button("cmdCancel", QT_TRANSLATE_NOOP("OptionForm", "Cancel"));
    f.cmdOk->setDefault(true);

    auto* panels = new QHBoxLayout;
    panels->addWidget(panel({timer, changeMode, placement, sizeChange, effect, language}));
    panels->addWidget(panel({collage, calendar, preview, startUp, monitors}));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(f.cmdOk);
    buttons->addWidget(f.cmdCancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(panels);
    layout->addLayout(buttons);
    b.applyTabOrder();
    RetranslateOptionForm(f);
    return f;
}

void RetranslateOptionForm(const OptionForm& form)
{
    for (const std::function<void()>& setText : form.texts)
        setText();
}

} // namespace velmora
