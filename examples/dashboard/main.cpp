// A window with a needle gauge driven by a Qt slider or by a knob: the smallest application that
// uses the installed library. With --screenshot FILE it renders the window to FILE once the needle
// has settled and exits, so it also runs without a display.

#include <controls/VexGauge.h>
#include <controls/VexKnob.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv) {
    QApplication App(argc, argv);

    QWidget Window;
    Window.setWindowTitle(QStringLiteral("VexComponents example"));
    auto *Layout = new QVBoxLayout(&Window);

    auto *Gauge = new Vex::TVexGauge(&Window);
    Gauge->setMinimumSize(220, 220);
    Gauge->SetResourceImageIndex(13);
    Gauge->SetUnitString(QStringLiteral("km/h"));
    Gauge->SetMax(200);
    // The unit above the pivot and the value's text below it.
    Gauge->SetUnitChoordY(-32);
    Gauge->SetValueChoordY(22);
    // The face is dark: light lettering reads best on it.
    const auto White = [](Vex::TFont Font) {
        Font.Color = Vex::clWhite;
        return Font;
    };
    Gauge->SetScaleFont(White(Gauge->ScaleFont()));
    Gauge->SetUnitFont(White(Gauge->UnitFont()));
    Gauge->SetValueFont(White(Gauge->ValueFont()));
    Layout->addWidget(Gauge, 1);

    // The slider and the knob set the same value: each follows the other.
    auto *Controls = new QHBoxLayout;
    Layout->addLayout(Controls);
    auto *Slider = new QSlider(Qt::Horizontal, &Window);
    Slider->setRange(0, 200);
    Controls->addWidget(Slider, 1);
    auto *Knob = new Vex::TVexKnob(&Window);
    Knob->setFixedSize(72, 72);
    Knob->SetMax(200);
    // Too small for numbers around it: its ticks show the range.
    Knob->SetScaleType(Vex::stNone);
    Controls->addWidget(Knob);
    QObject::connect(Slider, &QSlider::valueChanged, [Gauge, Knob](int Value) {
        Gauge->SetFloat(float(Value));
        Knob->SetFloat(float(Value));
    });
    QObject::connect(Knob, &Vex::TVexMeter::OnChange, [Slider](Vex::TVexMeter *, float Value, int) {
        Slider->setValue(qRound(Value));
    });
    Slider->setValue(120);

    Window.resize(260, 320);
    Window.show();

    const QStringList Arguments = App.arguments();
    const int Shot = Arguments.indexOf(QStringLiteral("--screenshot"));
    if (Shot > 0 && Shot + 1 < Arguments.size()) {
        // The needle swings toward 120 on the library's 20 ms frame timer; two seconds settle it.
        QTimer::singleShot(2000, [&] {
            const bool Saved = Window.grab().save(Arguments[Shot + 1]);
            App.exit(Saved ? 0 : 1);
        });
    }
    return App.exec();
}
