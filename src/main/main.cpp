// Program entry: the main window (whose construction is the start-up) and
// the auxiliary window, then the message loop. Anything that escapes is
// shown in a message box and ends the program.
#include "kvexception.h"
#include "kvmessagebox.h"
#include "tform1.h"
#include "tmainform.h"

#include <QApplication>
#include <exception>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    try {
        QStringList parameters = QCoreApplication::arguments();
        if (!parameters.isEmpty()) parameters.removeFirst();
        auto mainForm = std::make_unique<TMainForm>(parameters);
        auto form1 = std::make_unique<TForm1>(nullptr, mainForm->LargeFonts);
        if (!mainForm->TerminateRequested()) mainForm->show();
        return app.exec();
    } catch (const std::exception& e) {
        KvMessageBox::Error(nullptr, QString::fromLocal8Bit(e.what()));
        return 1;
    }
}
