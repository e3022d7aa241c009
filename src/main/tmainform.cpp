#include "tmainform.h"

#include "kvmessagebox.h"
#include "kvpath.h"
#include "kvsnmpsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(const QStringList& parameters, QWidget* parent) : QMainWindow(parent) {
    MainForm = this;
    setObjectName("MainForm");
    auto* bar = new QStatusBar(this);
    setStatusBar(bar);
    for (int i = 0; i < 2; ++i) {
        auto* panel = new QLabel(bar);
        panel->setMinimumWidth(i == 0 ? 240 : 120);
        bar->addWidget(panel, i == 0 ? 0 : 1);
        panels_.append(panel);
    }

    const QScreen* screen = QGuiApplication::primaryScreen();
    const KvScreenScale scale = ScreenScaleForDpi(screen ? qRound(screen->logicalDotsPerInch()) : 96);
    ScaleFactor = scale.ScaleFactor;
    LargeFonts = scale.LargeFonts;

    std::vector<std::string> params;
    for (const QString& p : parameters) params.push_back(p.toStdString());

    startup_ = std::make_unique<KvStartup>(KvRegistry::Load(KvRegistry::DefaultFileName()));
    const bool haveParameters = startup_->Run(params);
    DeviceAddress = startup_->DeviceAddress;
    ReadCommunityText = startup_->ReadCommunityText;
    WriteCommunityText = startup_->WriteCommunityText;
    ConfigVersionText = startup_->ConfigVersionText;
    if (!haveParameters) {
        KvMessageBox::Information(this, "No parameter input");
        terminateRequested_ = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    SetUpFrontPanel();
}

TMainForm::~TMainForm() {
    if (MainForm == this) MainForm = nullptr;
}

QLabel* TMainForm::StatusPanel(int index) const {
    return index >= 0 && index < panels_.size() ? panels_[index] : nullptr;
}

void TMainForm::SetUpFrontPanel() {
    setWindowTitle(QString::fromStdString(DeviceAddress));
    resize(640, 360);
}

void TMainForm::LaunchTool(const std::string& argument) {
    const KvToolCommand cmd = BuildToolCommand(argument, startup_->Registry(), *startup_);
    if (!cmd.StatusText.empty()) StatusPanel(0)->setText(QString::fromStdString(cmd.StatusText));

    QString program = QString::fromStdString(NativePath(cmd.Program));
    if (!program.contains('/')) {
        // Like the platform's own search: the module's directory first.
        const QString local = QDir(QCoreApplication::applicationDirPath()).filePath(program);
        if (QFileInfo(local).isExecutable()) program = local;
    }
    QStringList args;
    for (const auto& a : cmd.Arguments) args << QString::fromStdString(a);
    // No shell: every value reaches the tool as one argument, as it is.
    QProcess::startDetached(program, args);
}
