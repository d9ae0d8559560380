#pragma once
// The demonstration's application object. An error raised while an event is handled (a control
// file that cannot be read, a refused database write, a page timer's failure) cannot travel
// through Qt's event loop; it is caught here and shown through the application's error handler,
// so a bad file never ends the program.

#include <QApplication>

namespace Vex {

class TVexDemoApplication : public QApplication {
    Q_OBJECT

public:
    TVexDemoApplication(int &Argc, char **Argv);

    bool notify(QObject *Receiver, QEvent *Event) override;
};

} // namespace Vex
