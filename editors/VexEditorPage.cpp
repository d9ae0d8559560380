#include "editors/VexEditorPage.h"

#include "editors/VexEditorDialogs.h"
#include "framework/VexVBSGraphicControlDA.h"
#include "platform/core/Component.h"
#include "platform/core/Errors.h"
#include "platform/core/Maths.h"
#include "platform/format/FloatFormat.h"
#include "platform/streaming/ComponentStream.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTreeWidget>

namespace Vex {

namespace {
constexpr int KBottomHeight = 33;
// The Close button's distance from the page's right edge, and its top.
constexpr int KCloseRight = 114;
constexpr int KCloseTop = 8;
constexpr int KButtonWidth = 100;
constexpr int KButtonHeight = 18;
constexpr int KFirstRow = 8;
constexpr int KColumnGap = 12;
constexpr int KSliderHeight = 12;
constexpr int KEditHeight = TVexEditorPage::KEditHeight;
constexpr int KColorPanelWidth = 60;
// The margin a smooth button keeps before its caption, in screen pixels.
constexpr int KButtonMargin = 2;
// The gap between a slider and its value when the value stands in the caption's column.
constexpr int KValueGap = 4;

void SetBackground(QWidget *Widget, TColor Color) {
    QPalette Palette = Widget->palette();
    Palette.setColor(QPalette::Window, ToQColor(ColorToRGB(Color)));
    Widget->setPalette(Palette);
    Widget->setAutoFillBackground(true);
}

// Top of a widget Height high centred in the row starting at RowTop; taller widgets hang from
// the row as an edit box sits in it.
int Centred(int RowTop, int Height) {
    return RowTop + (TVexEditorPage::KRowHeight - std::min(Height, KEditHeight)) / 2;
}

QString FontDescription(const TFont &Font) {
    QString Text = Font.Name + QStringLiteral(", ");
    Text += Font.Height < 0 ? QString::number(Font.Size()) + QStringLiteral(" pt")
                            : QString::number(Font.Height) + QStringLiteral(" px");
    if (Font.Style & fsBold)
        Text += QStringLiteral(", bold");
    if (Font.Style & fsItalic)
        Text += QStringLiteral(", italic");
    return Text;
}

QString FontCaption(const TFont &Font, TVexEditorPage::TFontCaption Caption) {
    switch (Caption) {
    case TVexEditorPage::fcNameAndSize:
        return Font.Name + QStringLiteral(", ") + QString::number(Font.Size());
    case TVexEditorPage::fcName:
        return Font.Name;
    case TVexEditorPage::fcDescription:
        break;
    }
    return FontDescription(Font);
}

void ShowFont(TVexEditorPanel *Panel, const TFont &Font, TVexEditorPage::TFontCaption Caption) {
    Panel->SetCaption(FontCaption(Font, Caption));
    if (Caption != TVexEditorPage::fcNameAndSize)
        return;
    // A sample in the font's face, size and style; the panel's own colour keeps it legible.
    QFont Sample = Font.ToQFont();
    Sample.setStyleStrategy(QFont::PreferDefault);
    Panel->setFont(Sample);
}

// A name a control file can hold: a letter or "_", then letters, digits and "_".
bool IsComponentName(const QString &Name) {
    static const QRegularExpression Identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return Identifier.match(Name).hasMatch();
}

TVexButton *NewButton(QWidget *Parent, const QString &Name, const QRect &Bounds,
                      const QString &Caption) {
    auto *Button = new TVexButton(Parent);
    Button->setObjectName(Name);
    Button->SetBounds(Bounds.x(), Bounds.y(), Bounds.width(), Bounds.height());
    Button->SetFont(EditorFont());
    Button->SetCaption(Caption);
    Button->SetHighlightColor(RGB(0, 64, 128));
    Button->SetHighlightFontColor(clWhite);
    return Button;
}
} // namespace

TFont EditorFont(int Height) {
    TFont Font;
    Font.Name = QStringLiteral("Arial");
    Font.Height = Height;
    Font.Color = clBlack;
    return Font;
}

TVexEditorPage::TVexEditorPage(QWidget *Parent, const QString &Caption, int Width, int Height)
    : QDialog(Parent), FCaption(Caption) {
    setWindowTitle(Caption);
    setModal(true);
    setFont(EditorFont().ToQFont());
    SetBackground(this, clBtnFace);
    setFixedSize(Width, Height);

    TLoadingScope Loading;
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(0, 0, Width, Height - KBottomHeight);
    PageControl->setUsesScrollButtons(false);
    pnlBottom = new QFrame(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    pnlBottom->setGeometry(0, Height - KBottomHeight, Width, KBottomHeight);
    btnClose = NewButton(pnlBottom, QStringLiteral("btnClose"),
                         QRect(Width - KCloseRight, KCloseTop, KButtonWidth, KButtonHeight),
                         QStringLiteral("Close"));
    connect(btnClose, &TVexButton::OnClick, this, &QDialog::accept);
}

void TVexEditorPage::SetEditedControl(TVexGraphicControl *Control) {
    FControl = Control;
    ShowTitle();
}

void TVexEditorPage::ShowTitle() {
    const QString Name = FControl ? FControl->objectName() : QString();
    setWindowTitle(FCaption.isEmpty() ? Name
                                      : FCaption + QStringLiteral(" [") + Name + QLatin1Char(']'));
}

void TVexEditorPage::SetDesigning(bool Value) {
    FDesigning = Value;
    for (QLineEdit *Edit : FNameEdits)
        Edit->setReadOnly(!Value);
}

void TVexEditorPage::LoadInputs() {
    if (!FControl)
        return;
    for (const std::function<void()> &Load : FLoaders) {
        Load();
        // A handler connected to the control may have destroyed it.
        if (!FControl)
            return;
    }
}

void TVexEditorPage::ShowingErrors(const std::function<void()> &Action) {
    try {
        Action();
    } catch (const std::exception &Error) {
        ShowEditorMessage(this, ErrorMessage(Error));
    }
}

QVariant TVexEditorPage::ReadProperty(const char *Property) const {
    return FControl ? FControl->property(Property) : QVariant();
}

void TVexEditorPage::WriteProperty(const char *Property, const QVariant &Value) {
    if (!FControl)
        return;
    const QMetaObject *Meta = FControl->metaObject();
    const int Index = Meta->indexOfProperty(Property);
    if (Index < 0) {
        qWarning("%s has no property %s", Meta->className(), Property);
        return;
    }
    const QMetaProperty P = Meta->property(Index);
    QVariant Converted = Value;
    if (Converted.convert(P.metaType()))
        P.write(FControl, Converted);
}

// Layout

void TVexEditorPage::SetCaptionsAbove(int ColumnWidth) {
    FColumnWidth = ColumnWidth;
}

void TVexEditorPage::NextColumn(QWidget *Tab) {
    TColumn &Column = FColumns[Tab];
    Column.Left += (CaptionsAbove() ? FColumnWidth : KValueLeft + KValueWidth) + KColumnGap;
    Column.Next = KFirstRow;
}

QWidget *TVexEditorPage::AddTab(const QString &Caption) {
    auto *Sheet = new QWidget;
    SetBackground(Sheet, clBtnFace);
    PageControl->addTab(Sheet, Caption);
    FColumns[Sheet] = {KCaptionLeft, KFirstRow};
    return Sheet;
}

int TVexEditorPage::NextRow(QWidget *Tab, int Height) {
    int &Next = FColumns[Tab].Next;
    const int Top = Next;
    Next += Height;
    return Top;
}

int TVexEditorPage::InputLeft(QWidget *Tab) {
    const int Left = FColumns[Tab].Left;
    return CaptionsAbove() ? Left : Left + KInputLeft - KCaptionLeft;
}

TVexDBLabel *TVexEditorPage::NewLabel(QWidget *Tab, const QString &Name, int Left, int Top,
                                      int Width, int Height, const QString &Text) {
    auto *Label = new TVexDBLabel(Tab);
    Label->setObjectName(Name);
    Label->SetFont(EditorFont());
    Label->SetBounds(Left, Top, Width, Label->Height());
    Label->SetText({Text});
    Label->SetBounds(Left, Top + (Height - Label->Height()) / 2, Width, Label->Height());
    return Label;
}

TVexDBLabel *TVexEditorPage::NewCaption(QWidget *Tab, int Left, int Top, int Width, int Height,
                                        const QString &Text) {
    return NewLabel(Tab, QStringLiteral("VexDBLabel%1").arg(++FLabelCount), Left, Top, Width,
                    Height, Text);
}

TVexDBLabel *TVexEditorPage::AddHeading(QWidget *Tab, const QString &Text) {
    const int Height = CaptionsAbove() ? KCaptionHeight : KRowHeight;
    return NewCaption(Tab, FColumns[Tab].Left, NextRow(Tab, Height), InputWidth(), Height, Text);
}

QRect TVexEditorPage::AddInputRow(QWidget *Tab, const QString &Caption, int Width, int Height) {
    const int Left = FColumns[Tab].Left;
    if (Width <= 0)
        Width = InputWidth();
    if (CaptionsAbove()) {
        const int Top = NextRow(Tab, KCaptionHeight + Height + KRowGap);
        NewCaption(Tab, Left, Top, FColumnWidth, KCaptionHeight, Caption);
        return QRect(Left, Top + KCaptionHeight, Width, Height);
    }
    // A taller input hangs from its caption's row, with the rows' spacing below it.
    const int Top = NextRow(Tab, std::max(KRowHeight, Height + KRowHeight - KEditHeight));
    NewCaption(Tab, Left, Top, KCaptionWidth, KRowHeight, Caption);
    return QRect(InputLeft(Tab), Centred(Top, Height), Width, Height);
}

TVexSlider *TVexEditorPage::AddSlider(QWidget *Tab, const QString &Name, const QString &Caption,
                                      float Min, float Max) {
    const int Width = CaptionsAbove() ? FColumnWidth - KAboveValueWidth - KValueGap : KInputWidth;
    auto *Slider = AddInput<TVexSlider>(Tab, Name, Caption, Width, KSliderHeight);
    Slider->SetSliderType(TVexSlider::ustLiquidBar);
    // Min stays below Max at every step, so the order also works outside a loading scope.
    if (Max > Slider->Min()) {
        Slider->SetMax(Max);
        Slider->SetMin(Min);
    } else {
        Slider->SetMin(Min);
        Slider->SetMax(Max);
    }
    Slider->SetPosition(Min);
    // The value stands beside the bar, centred on it as a caption is in its row.
    const int ValueLeft = CaptionsAbove() ? Slider->x() + Slider->width() + KValueGap
                                          : FColumns[Tab].Left + KValueLeft - KCaptionLeft;
    const int ValueWidth = CaptionsAbove() ? KAboveValueWidth : KValueWidth;
    const int RowTop = Slider->y() - Centred(0, KSliderHeight);
    TVexDBLabel *Value = NewLabel(Tab, Name + QStringLiteral("Value"), ValueLeft, RowTop,
                                  ValueWidth, KRowHeight, QString());
    Value->SetDisplayStyle(TVexDBLabel::dsNormal);
    FValueLabels[Slider].Label = Value;
    ShowValue(Slider);
    connect(Slider, &TVexSlider::OnChange, this, [this, Slider] { ShowValue(Slider); });
    return Slider;
}

TVexSlider *TVexEditorPage::AddSlider(QWidget *Tab, const TSliderRow &Row) {
    TVexSlider *Slider =
        AddSlider(Tab, QLatin1String(Row.Name), QLatin1String(Row.Caption), Row.Min, Row.Max);
    BindSlider(Slider, Row.Property, Row.Conversion);
    return Slider;
}

void TVexEditorPage::ShowValue(TVexSlider *Slider) {
    const TValueLabel &Value = FValueLabels[Slider];
    if (Value.Label)
        Value.Label->SetText({FormatFloat(Value.Picture, Slider->Position())});
}

TVexButton *TVexEditorPage::AddCheckBox(QWidget *Tab, const QString &Name, const QString &Caption) {
    const int Left = FColumns[Tab].Left - KButtonMargin;
    if (CaptionsAbove()) {
        // The mark ends the row where the sliders' bars end.
        const int Top = NextRow(Tab, KButtonHeight + KRowGap);
        TVexButton *Box =
            NewButton(Tab, Name,
                      QRect(Left, Top, FColumnWidth - KAboveValueWidth - KValueGap + KButtonMargin,
                            KButtonHeight),
                      Caption);
        Box->SetButtonStyle(TVexButton::bsCheckbox);
        return Box;
    }
    const int Top = NextRow(Tab, KRowHeight);
    // The caption lines up with the labels' text (the button keeps a margin before it) and
    // the mark with the start of the input column.
    TVexButton *Box = NewButton(Tab, Name,
                                QRect(Left, Centred(Top, KButtonHeight),
                                      InputLeft(Tab) - Left + KButtonHeight / 2, KButtonHeight),
                                Caption);
    Box->SetButtonStyle(TVexButton::bsCheckbox);
    return Box;
}

TVexButton *TVexEditorPage::AddButton(QWidget *Tab, const QString &Name, const QString &Caption) {
    const int Top = NextRow(Tab, CaptionsAbove() ? KButtonHeight + KRowGap : KRowHeight);
    return NewButton(Tab, Name,
                     QRect(InputLeft(Tab), CaptionsAbove() ? Top : Centred(Top, KButtonHeight),
                           InputWidth(), KButtonHeight),
                     Caption);
}

QLineEdit *TVexEditorPage::AddEdit(QWidget *Tab, const QString &Name, const QString &Caption) {
    return AddInput<QLineEdit>(Tab, Name, Caption, 0, KEditHeight);
}

TVexEditorPanel *TVexEditorPage::AddColorPanel(QWidget *Tab, const QString &Name,
                                               const QString &Caption) {
    return AddInput<TVexEditorPanel>(Tab, Name, Caption, KColorPanelWidth, KButtonHeight);
}

TVexEditorPanel *TVexEditorPage::AddFontPanel(QWidget *Tab, const QString &Name,
                                              const QString &Caption) {
    return AddInput<TVexEditorPanel>(Tab, Name, Caption, 0, KButtonHeight);
}

QListWidget *TVexEditorPage::AddList(QWidget *Tab, const QString &Name, const QString &Caption,
                                     int Height) {
    return AddInput<QListWidget>(Tab, Name, Caption, 0, Height);
}

QTreeWidget *TVexEditorPage::AddDataFieldList(QWidget *Tab, const QString &Name,
                                              const QString &Caption, int Height) {
    auto *List = AddInput<QTreeWidget>(Tab, Name, Caption, 0, Height);
    List->setColumnCount(2);
    List->setHeaderLabels({QStringLiteral("Field"), QStringLiteral("Type")});
    List->setRootIsDecorated(false);
    List->header()->setStretchLastSection(true);
    List->setColumnWidth(0, InputWidth() / 2);
    FLoaders.push_back([this, List] { FillDataFieldList(List); });
    connect(List, &QTreeWidget::itemSelectionChanged, this, [this, List] {
        auto *Control = qobject_cast<TVexVBSGraphicControlDA *>(FControl.data());
        const QList<QTreeWidgetItem *> Selected = List->selectedItems();
        if (Control && !Selected.isEmpty() && !Selected.first()->text(0).isEmpty())
            Control->SetDataField(Selected.first()->text(0));
    });
    return List;
}

void TVexEditorPage::FillDataFieldList(QTreeWidget *List) {
    const QSignalBlocker Quiet(List);
    List->clear();
    const auto *Control = qobject_cast<TVexVBSGraphicControlDA *>(FControl.data());
    if (!Control)
        return;
    for (const TFieldDescription &Field : NumericFields(Control->DataSource())) {
        auto *Item = new QTreeWidgetItem(List, {Field.Name, Field.Type});
        // The bound field, spelt exactly as bound.
        if (Field.Name == Control->DataField())
            List->setCurrentItem(Item);
    }
}

// Bindings

void TVexEditorPage::BindSlider(TVexSlider *Slider, std::function<float()> Load,
                                std::function<void(float)> Store) {
    FLoaders.push_back([this, Slider, Load] {
        Slider->SetPosition(Load());
        ShowValue(Slider);
    });
    connect(Slider, &TVexSlider::OnChange, this, [this, Store](TVexSlider *Sender) {
        if (FControl)
            Store(Sender->Position());
    });
}

void TVexEditorPage::BindCheckBox(TVexButton *Box, std::function<bool()> Load,
                                  std::function<void(bool)> Store) {
    FLoaders.push_back([Box, Load] { Box->SetChecked(Load()); });
    connect(Box, &TVexButton::OnClick, this, [this, Box, Store] {
        if (FControl)
            Store(Box->Checked());
    });
}

void TVexEditorPage::BindEdit(QLineEdit *Edit, std::function<QString()> Load,
                              std::function<void(const QString &)> Store) {
    FLoaders.push_back([Edit, Load] { Edit->setText(Load()); });
    connect(Edit, &QLineEdit::textChanged, this, [this, Store](const QString &Text) {
        if (FControl)
            Store(Text);
    });
}

void TVexEditorPage::BindColorPanel(TVexEditorPanel *Panel, std::function<TColor()> Load,
                                    std::function<void(TColor)> Store, bool Preset) {
    FLoaders.push_back([Panel, Load] { Panel->SetColor(Load()); });
    connect(Panel, &TVexEditorPanel::Click, this, [this, Panel, Load, Store, Preset] {
        if (!FControl)
            return;
        if (Preset)
            FLastColor = Load();
        const std::optional<TColor> Chosen = ExecuteColorDialog(this, FLastColor);
        if (!Chosen || !FControl)
            return;
        FLastColor = *Chosen;
        Panel->SetColor(*Chosen);
        Store(*Chosen);
    });
}

void TVexEditorPage::BindFontPanel(TVexEditorPanel *Panel, std::function<TFont()> Load,
                                   std::function<void(const TFont &)> Store, TFontCaption Caption) {
    FLoaders.push_back([Panel, Load, Caption] { ShowFont(Panel, Load(), Caption); });
    connect(Panel, &TVexEditorPanel::Click, this, [this, Panel, Load, Store, Caption] {
        if (!FControl)
            return;
        const std::optional<TFont> Chosen = ExecuteFontDialog(this, Load());
        if (!Chosen || !FControl)
            return;
        Store(*Chosen);
        ShowFont(Panel, *Chosen, Caption);
    });
}

void TVexEditorPage::BindSlider(TVexSlider *Slider, const char *Property,
                                TSliderConversion Conversion) {
    const bool WritesWhole = Conversion == scRounded || Conversion == scHundredths;
    FValueLabels[Slider].Picture = WritesWhole ? QStringLiteral("0") : QStringLiteral("0.##");
    const double Scale = Conversion == scHundredths ? 100 : 1;
    const bool LoadsWhole = Conversion == scLoadRounded || Conversion == scHundredths;
    BindSlider(
        Slider,
        [this, Property, Scale, LoadsWhole] {
            const double Value = ReadProperty(Property).toDouble() * Scale;
            return LoadsWhole ? float(Round(Value)) : float(Value);
        },
        [this, Property, Conversion](float Position) {
            switch (Conversion) {
            case scRounded:
                WriteProperty(Property, Round(Position));
                break;
            case scHundredths:
                WriteProperty(Property, double(Position) / 100);
                break;
            case scAsIs:
            case scLoadRounded:
                WriteProperty(Property, Position);
                break;
            }
        });
}

void TVexEditorPage::BindCheckBox(TVexButton *Box, const char *Property) {
    BindCheckBox(
        Box, [this, Property] { return ReadProperty(Property).toBool(); },
        [this, Property](bool Checked) { WriteProperty(Property, Checked); });
}

void TVexEditorPage::BindTextEdit(QLineEdit *Edit, const char *Property) {
    BindEdit(
        Edit, [this, Property] { return ReadProperty(Property).toString(); },
        [this, Property](const QString &Text) { WriteProperty(Property, Text); });
}

void TVexEditorPage::BindNumberEdit(QLineEdit *Edit, const char *Property) {
    BindEdit(
        Edit, [this, Property] { return FloatText(ReadProperty(Property).toFloat()); },
        [this, Property](const QString &Text) {
            if (const std::optional<float> Value = TextToFloat(Text))
                WriteProperty(Property, *Value);
        });
}

void TVexEditorPage::BindColorPanel(TVexEditorPanel *Panel, const char *Property, bool Preset) {
    BindColorPanel(
        Panel, [this, Property] { return TColor(ReadProperty(Property).toUInt()); },
        [this, Property](TColor Color) { WriteProperty(Property, QVariant::fromValue(Color)); },
        Preset);
}

void TVexEditorPage::BindFontPanel(TVexEditorPanel *Panel, const char *Property,
                                   TFontCaption Caption) {
    BindFontPanel(
        Panel, [this, Property] { return ReadProperty(Property).value<TFont>(); },
        [this, Property](const TFont &Font) { WriteProperty(Property, QVariant::fromValue(Font)); },
        Caption);
}

void TVexEditorPage::BindEnumList(QListWidget *List, const char *Property, bool ShowCurrent) {
    FLoaders.push_back([this, List, Property, ShowCurrent] {
        const QMetaObject *Meta = FControl->metaObject();
        const QMetaEnum Values = Meta->property(Meta->indexOfProperty(Property)).enumerator();
        const QSignalBlocker Quiet(List);
        List->clear();
        for (int I = 0; I < Values.keyCount(); ++I)
            List->addItem(QLatin1String(Values.key(I)));
        if (ShowCurrent)
            List->setCurrentRow(ReadProperty(Property).toInt());
    });
    connect(List, &QListWidget::itemSelectionChanged, this, [this, List, Property] {
        const QList<QListWidgetItem *> Selected = List->selectedItems();
        if (FControl && !Selected.isEmpty())
            WriteProperty(Property, List->row(Selected.first()));
    });
}

void TVexEditorPage::BindNameEdit(QLineEdit *Edit, bool AtRunTime) {
    Edit->setReadOnly(!FDesigning && !AtRunTime);
    if (!AtRunTime)
        FNameEdits.push_back(Edit);
    BindEdit(
        Edit, [this] { return FControl->objectName(); },
        [this, AtRunTime](const QString &Text) {
            if ((FDesigning || AtRunTime) && IsComponentName(Text)) {
                FControl->setObjectName(Text);
                ShowTitle();
            }
        });
}

// Control files

void TVexEditorPage::ReadControlFile() {
    if (!FControl)
        return;
    const std::optional<TFileDialogChoice> Choice =
        ExecuteFileDialog(this, {TFileDialogRequest::fdOpen, FControl->FileFilter(), QString()});
    if (!Choice)
        return;
    ShowingErrors([&] {
        QFile File(Choice->FileName);
        const QByteArray Head = File.open(QIODevice::ReadOnly) ? File.read(1) : QByteArray();
        FControl->LoadFromFile(Choice->FileName, DetectStreamFormat(Head));
        LoadInputs();
    });
}

void TVexEditorPage::SaveControlFile(bool OfferText) {
    if (!FControl)
        return;
    const QString N = ComponentClassName(*FControl->metaObject());
    QString Filter = FControl->FileFilter();
    if (OfferText)
        Filter += QStringLiteral("|") + N + QStringLiteral(" text files (*.") + N +
                  QStringLiteral(")|*.") + N;
    const std::optional<TFileDialogChoice> Choice =
        ExecuteFileDialog(this, {TFileDialogRequest::fdSave, Filter, QString()});
    if (!Choice)
        return;
    const TVexStreamFormat Format = OfferText && Choice->FilterIndex == 1 ? sfText : sfCompressed;
    ShowingErrors([&] { FControl->SaveToFile(FControl->SaveFileName(Choice->FileName), Format); });
}

} // namespace Vex
