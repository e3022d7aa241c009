#pragma once
// The main window: start-up of the module (session, catalogues, registry
// paths, command line) and the frame every other window hangs from.
#include "kvstartup.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <string>

class QLabel;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up. Raises KvException (session) or KvConvertError (a
    // numeric parameter or per-device key that is not decimal); the program
    // entry shows the message and ends.
    explicit TMainForm(const QStringList& parameters, QWidget* parent = nullptr);
    ~TMainForm() override;

    std::string DeviceAddress;
    std::string ReadCommunityText;
    std::string WriteCommunityText;
    std::string ConfigVersionText;
    float ScaleFactor = 1.0f;
    bool LargeFonts = false;

    // True when start-up asked the application to end ("No parameter input").
    bool TerminateRequested() const { return terminateRequested_; }

    // The status bar's panels (the first one carries tool launch messages).
    QLabel* StatusPanel(int index) const;

    // Starts an external MIB tool for a menu argument such as "/TMIB_Info",
    // without waiting; only the status bar reports a missing path.
    void LaunchTool(const std::string& argument);

    const KvStartup& Startup() const { return *startup_; }

private:
    void SetUpFrontPanel();

    std::unique_ptr<KvStartup> startup_;
    QList<QLabel*> panels_;
    bool terminateRequested_ = false;
};

// The process-wide main window (null before construction).
extern TMainForm* MainForm;
