#include "editors/VexEditorPage.h"

#include "editors/VexEditorDialogs.h"
#include "platform/core/Component.h"
#include "platform/core/Errors.h"
#include "platform/core/Maths.h"
#include "platform/format/FloatFormat.h"
#include "platform/streaming/ComponentStream.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaProperty>
#include <QTabWidget>

namespace Vex {

namespace {
constexpr int KBottomHeight = 33;
constexpr int KCloseLeft = 384;
constexpr int KCloseTop = 8;
constexpr int KButtonWidth = 100;
constexpr int KButtonHeight = 18;
constexpr int KFirstRow = 8;
constexpr int KSliderHeight = 12;
constexpr int KEditHeight = 20;
constexpr int KColorPanelWidth = 60;
// The margin a smooth button keeps before its caption, in screen pixels.
constexpr int KButtonMargin = 2;

void SetBackground(QWidget *Widget, TColor Color) {
    QPalette Palette = Widget->palette();
    Palette.setColor(QPalette::Window, ToQColor(ColorToRGB(Color)));
    Widget->setPalette(Palette);
    Widget->setAutoFillBackground(true);
}

// Top of a widget Height high centred in the row starting at RowTop.
int Centred(int RowTop, int Height) {
    return RowTop + (TVexEditorPage::KRowHeight - Height) / 2;
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
                         QRect(KCloseLeft, KCloseTop, KButtonWidth, KButtonHeight),
                         QStringLiteral("Close"));
    connect(btnClose, &TVexButton::OnClick, this, &QDialog::accept);
}

void TVexEditorPage::SetEditedControl(TVexGraphicControl *Control) {
    FControl = Control;
    setWindowTitle(FCaption + QStringLiteral(" [") + (Control ? Control->objectName() : QString()) +
                   QLatin1Char(']'));
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

QWidget *TVexEditorPage::AddTab(const QString &Caption) {
    auto *Sheet = new QWidget;
    SetBackground(Sheet, clBtnFace);
    PageControl->addTab(Sheet, Caption);
    FNextRow[Sheet] = KFirstRow;
    return Sheet;
}

int TVexEditorPage::NextRow(QWidget *Tab, int Height) {
    int &Next = FNextRow[Tab];
    const int Top = Next;
    Next += Height;
    return Top;
}

TVexDBLabel *TVexEditorPage::NewLabel(QWidget *Tab, const QString &Name, int Left, int Top,
                                      int Width, const QString &Text) {
    auto *Label = new TVexDBLabel(Tab);
    Label->setObjectName(Name);
    Label->SetFont(EditorFont());
    Label->SetBounds(Left, Top, Width, Label->Height());
    Label->SetText({Text});
    Label->SetBounds(Left, Centred(Top, Label->Height()), Width, Label->Height());
    return Label;
}

TVexDBLabel *TVexEditorPage::AddHeading(QWidget *Tab, const QString &Text) {
    return NewLabel(Tab, QStringLiteral("VexDBLabel%1").arg(++FLabelCount), KCaptionLeft,
                    NextRow(Tab), KCaptionWidth, Text);
}

int TVexEditorPage::AddCaptionRow(QWidget *Tab, const QString &Caption, int Height) {
    const int Top = NextRow(Tab, Height);
    NewLabel(Tab, QStringLiteral("VexDBLabel%1").arg(++FLabelCount), KCaptionLeft, Top,
             KCaptionWidth, Caption);
    return Top;
}

template <typename TInput>
TInput *TVexEditorPage::PlaceInput(TInput *Input, const QString &Name, int Top, int Width,
                                   int Height) {
    Input->setObjectName(Name);
    Input->setGeometry(KInputLeft, Centred(Top, Height), Width, Height);
    return Input;
}

TVexSlider *TVexEditorPage::AddSlider(QWidget *Tab, const QString &Name, const QString &Caption,
                                      float Min, float Max) {
    const int Top = AddCaptionRow(Tab, Caption);
    auto *Slider = PlaceInput(new TVexSlider(Tab), Name, Top, KInputWidth, KSliderHeight);
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
    TVexDBLabel *Value =
        NewLabel(Tab, Name + QStringLiteral("Value"), KValueLeft, Top, KValueWidth, QString());
    Value->SetDisplayStyle(TVexDBLabel::dsNormal);
    FValueLabels[Slider] = Value;
    ShowValue(Slider);
    connect(Slider, &TVexSlider::OnChange, this, [this, Slider] { ShowValue(Slider); });
    return Slider;
}

TVexSlider *TVexEditorPage::AddSlider(QWidget *Tab, const TSliderRow &Row) {
    TVexSlider *Slider =
        AddSlider(Tab, QLatin1String(Row.Name), QLatin1String(Row.Caption), Row.Min, Row.Max);
    BindSlider(Slider, Row.Property, Row.Scale);
    return Slider;
}

void TVexEditorPage::ShowValue(TVexSlider *Slider) {
    if (TVexDBLabel *Value = FValueLabels[Slider])
        Value->SetText({FormatFloat(QStringLiteral("0"), Slider->Position())});
}

TVexButton *TVexEditorPage::AddCheckBox(QWidget *Tab, const QString &Name, const QString &Caption) {
    const int Top = NextRow(Tab);
    // The caption lines up with the labels' text (the button keeps a margin before it) and
    // the mark with the start of the input column.
    const int Left = KCaptionLeft - KButtonMargin;
    TVexButton *Box = NewButton(Tab, Name,
                                QRect(Left, Centred(Top, KButtonHeight),
                                      KInputLeft - Left + KButtonHeight / 2, KButtonHeight),
                                Caption);
    Box->SetButtonStyle(TVexButton::bsCheckbox);
    return Box;
}

TVexButton *TVexEditorPage::AddButton(QWidget *Tab, const QString &Name, const QString &Caption) {
    const int Top = NextRow(Tab);
    return NewButton(Tab, Name,
                     QRect(KInputLeft, Centred(Top, KButtonHeight), KInputWidth, KButtonHeight),
                     Caption);
}

QLineEdit *TVexEditorPage::AddEdit(QWidget *Tab, const QString &Name, const QString &Caption) {
    return PlaceInput(new QLineEdit(Tab), Name, AddCaptionRow(Tab, Caption), KInputWidth,
                      KEditHeight);
}

TVexEditorPanel *TVexEditorPage::AddColorPanel(QWidget *Tab, const QString &Name,
                                               const QString &Caption) {
    return PlaceInput(new TVexEditorPanel(Tab), Name, AddCaptionRow(Tab, Caption), KColorPanelWidth,
                      KButtonHeight);
}

TVexEditorPanel *TVexEditorPage::AddFontPanel(QWidget *Tab, const QString &Name,
                                              const QString &Caption) {
    return PlaceInput(new TVexEditorPanel(Tab), Name, AddCaptionRow(Tab, Caption), KInputWidth,
                      KButtonHeight);
}

QListWidget *TVexEditorPage::AddList(QWidget *Tab, const QString &Name, const QString &Caption,
                                     int Height) {
    // The list hangs from its caption's row, with the rows' spacing below it.
    const int Top =
        AddCaptionRow(Tab, Caption, std::max(Height, KRowHeight) + KRowHeight - KEditHeight);
    auto *List = new QListWidget(Tab);
    List->setObjectName(Name);
    List->setGeometry(KInputLeft, Centred(Top, KEditHeight), KInputWidth, Height);
    return List;
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
                                   std::function<void(const TFont &)> Store) {
    FLoaders.push_back([Panel, Load] { Panel->SetCaption(FontDescription(Load())); });
    connect(Panel, &TVexEditorPanel::Click, this, [this, Panel, Load, Store] {
        if (!FControl)
            return;
        const std::optional<TFont> Chosen = ExecuteFontDialog(this, Load());
        if (!Chosen || !FControl)
            return;
        Store(*Chosen);
        Panel->SetCaption(FontDescription(*Chosen));
    });
}

void TVexEditorPage::BindSlider(TVexSlider *Slider, const char *Property, float Scale) {
    BindSlider(
        Slider,
        [this, Property, Scale] {
            const double Value = ReadProperty(Property).toDouble();
            return Scale == 1 ? float(Value) : float(Round(Value * Scale));
        },
        [this, Property, Scale](float Position) {
            WriteProperty(Property, Scale == 1 ? QVariant(Round(Position))
                                               : QVariant(double(Position) / Scale));
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
        Edit, [this, Property] { return FloatToStr(ReadProperty(Property).toFloat()); },
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

void TVexEditorPage::BindFontPanel(TVexEditorPanel *Panel, const char *Property) {
    BindFontPanel(
        Panel, [this, Property] { return ReadProperty(Property).value<TFont>(); },
        [this, Property](const TFont &Font) {
            WriteProperty(Property, QVariant::fromValue(Font));
        });
}

void TVexEditorPage::BindNameEdit(QLineEdit *Edit) {
    Edit->setReadOnly(!FDesigning);
    FNameEdits.push_back(Edit);
    BindEdit(
        Edit, [this] { return FControl->objectName(); },
        [this](const QString &Text) {
            if (FDesigning)
                FControl->setObjectName(Text);
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
