#include "tmainform.h"

#include "discoverytables.h"
#include "kvexception.h"
#include "kvmessagebox.h"
#include "kvsnmprequest2edits.h"
#include "kvsnmprequest2leds.h"
#include "kvpath.h"
#include "kvsnmpsession.h"
#include "taboutform.h"
#include "tgenericentry.h"
#include "tfrmkm20cx.h"
#include "tfrmkm20x.h"
#include "tpanelkg7124form.h"
#include "tpanelkg7124iform.h"
#include "tpanelkx7026gform.h"
#include "tpanelkx7050form.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

TMainForm* MainForm = nullptr;

const char* const TMainForm::ModelNames[9] = {"KX-7050",  "KX7050",  "KX-7026G", "KX7026G", "KG-7124I",
                                              "KG7124I", "KG-7124", "KG7124",   "KG-7124*"};

TMainForm::TMainForm(const QStringList& parameters, QWidget* parent, bool setUpFrontPanel) : QMainWindow(parent) {
    MainForm = this;
    setObjectName("MainForm");
    auto* bar = new QStatusBar(this);
    bar->setObjectName("StatusBar");
    bar->setSizeGripEnabled(false);
    setStatusBar(bar);
    auto* panel = new QLabel(bar);
    panel->setMinimumWidth(50);
    bar->addWidget(panel, 1);
    panels_.append(panel);

    // The scroll box holds the row stores (under the panels) and the panels.
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollContents = new QWidget;
    ScrollContents->setObjectName("ScrollBox1Contents");
    ScrollBox1->setWidget(ScrollContents);
    ScrollBox1->setWidgetResizable(false);
    setCentralWidget(ScrollBox1);
    auto makeStore = [this](const char* name, int top) {
        auto* lv = new QTreeWidget(ScrollContents);
        lv->setObjectName(name);
        lv->setRootIsDecorated(false);
        lv->setGeometry(0, top, 380, 80);
        return lv;
    };
    UnitListView = makeStore("UnitListView", 0);
    lvSubUnit = makeStore("lvSubUnit", 84);
    lvPortIndex = makeStore("lvPortIndex", 168);
    PortInfoListView = makeStore("PortInfoListView", 252);
    PortInfoListView->hide();
    ST_RmonState = new QLabel(ScrollContents);
    ST_RmonState->setObjectName("ST_RmonState");
    ST_RmonState->setGeometry(400, 0, 120, 16);
    ST_StackNum = new QLabel(ScrollContents);
    ST_StackNum->setObjectName("ST_StackNum");
    ST_StackNum->hide();
    ScrollContents->resize(780, 340);

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
    BuildMenus();
    setWindowTitle(QString::fromStdString(DeviceAddress));
    ApplyClientSize(780 + 4, 340);
    if (setUpFrontPanel) SetUpFrontPanel();
}

TMainForm::~TMainForm() {
    if (!closing_) FormClose();
    if (MainForm == this) MainForm = nullptr;
}

QLabel* TMainForm::StatusPanel(int index) const {
    return index >= 0 && index < panels_.size() ? panels_[index] : nullptr;
}

void TMainForm::ApplyClientSize(int width, int height) {
    clientSize_ = QSize(width, height);
    // While the discovery places its panels the window takes its final
    // size once, at the end.
    if (placingPanels_) return;
    // The status bar is part of the client height; the menu bar is not.
    const int menu = menuBar()->isVisible() || !isVisible() ? menuBar()->sizeHint().height() : 0;
    setFixedSize(width, height + menu);
}

namespace {

// Waits for an asynchronous Get while the window stays responsive.
void WaitWhileBusy(KvSNMPRequest2Controls* request) {
    while (request && request->Busy)
        KvProcessMessages(20);
}

std::unique_ptr<KvSNMPRequest2Edits> DiscoveryRequest(TMainForm* form, const _SNMPVar_s* vars, QTreeWidget* store,
                                                      QLabel* target) {
    auto request = std::make_unique<KvSNMPRequest2Edits>(form);
    request->VarList.Assign(KvSNMPVarList(vars, KvSNMPVarList::kTable, 1));
    request->AttachMessageTarget(target);
    request->AttachListView(store, true);
    return request;
}

} // namespace

void TMainForm::SetUpFrontPanel() {
    setWindowTitle(QString::fromStdString(DeviceAddress));
    PortButtons.clear();
    UnitPanels.clear();
    ModulePanels.clear();
    QLabel* status = StatusPanel(0);

    // The three walks run side by side. The panels need only the unit and
    // module rows: they are built while the port walk is still going on.
    bool unitsFailed = false, modulesFailed = false;
    try {
        UnitRequest = DiscoveryRequest(this, UnitVars, UnitListView, status);
        UnitRequest->Get();
        PortRequest = DiscoveryRequest(this, PortVars, lvPortIndex, status);
        PortRequest->Get();
    } catch (const std::exception&) {
        unitsFailed = true;
    }
    try {
        SubUnitRequest = DiscoveryRequest(this, SubUnitVars, lvSubUnit, status);
        SubUnitRequest->Get();
    } catch (const std::exception&) {
        modulesFailed = true;
    }
    WaitWhileBusy(UnitRequest.get());
    if (unitsFailed) status->setText("Get Unit Information Failed");
    WaitWhileBusy(SubUnitRequest.get());
    if (modulesFailed) status->setText("Get SubUnit Information Failed");
    if (closing_) return;

    LastUnitPanel = nullptr;
    ScrollContents->setUpdatesEnabled(false); // one paint once every panel is in
    placingPanels_ = true;
    try {
        for (int i = 0; i < UnitListView->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = UnitListView->topLevelItem(i);
            if (row->text(1) == "not-exist") continue;
            AddUnitPanel(row->text(8).toStdString(), row->text(0).toStdString(), i);
            // Let the port walk and the first LED readings move on meanwhile.
            QCoreApplication::processEvents();
        }
    } catch (const std::exception& e) {
        status->setText(QString::fromLocal8Bit(e.what()));
    }
    placingPanels_ = false;
    ApplyClientSize(clientSize_.width(), clientSize_.height());
    ScrollContents->setUpdatesEnabled(true);
    WaitWhileBusy(PortRequest.get());
    if (closing_) return;

    RmonRequest = std::make_unique<KvSNMPRequest2Edits>(this);
    RmonRequest->VarList.Assign(KvSNMPVarList(RmonVars, KvSNMPVarList::kScalars, 0));
    RmonRequest->Mode = KvSNMPRequest2Controls::kSynchronous;
    RmonRequest->AttachMessageTarget(status);
    RmonRequest->BindControl(0, ST_RmonState);
    RefreshRmonState();
}

void TMainForm::RefreshRmonState() {
    if (!RmonRequest) return;
    try {
        RmonRequest->Get();
        ApplyRmonState(ST_RmonState->text());
    } catch (const std::exception& e) {
        StatusPanel(0)->setText(QString::fromLocal8Bit(e.what()));
    }
}

void TMainForm::AddUnitPanel(const std::string& model, const std::string& unitNumber, int rowIndex) {
    TPanelForm* panel = nullptr;
    int which = -1;
    for (int i = 0; i < 9; ++i)
        if (model == ModelNames[i]) which = i;
    if (which < 0) return;
    if (which <= 1) panel = new TPanelKX7050Form(ScrollContents);
    else if (which <= 3) panel = new TPanelKX7026GForm(ScrollContents);
    else if (which <= 5) panel = new TPanelKG7124iForm(ScrollContents);
    else panel = new TPanelKG7124Form(ScrollContents);
    panel->UnitNumber = KvStrToInt(unitNumber);
    const int H = panel->height();
    const int W = panel->width();
    panel->SetUpLeds(StatusPanel(0));
    panel->RegisterPorts(PortButtons);
    auto startPolling = [this](TPanelForm* p) {
        if (!StartLedPolling || !p->LedRequest) return;
        try {
            p->LedRequest->StartPolling(300);
        } catch (const KvException& e) {
            p->LedRequest->ShowStatus(e.Message());
        }
    };
    startPolling(panel);
    if (panel->UnitNumber >= 1) {
        while (ImageList1.size() < panel->UnitNumber) ImageList1.append(QPixmap());
        ImageList1[panel->UnitNumber - 1] = panel->StackImage();
    }

    TModulePanelForm* module = nullptr;
    if (which <= 3 && lvSubUnit && rowIndex >= 0 && rowIndex < lvSubUnit->topLevelItemCount()) {
        const QString name = lvSubUnit->topLevelItem(rowIndex)->text(1);
        if (name != "-") {
            if (name == "KM20CX") module = new TfrmKM20CX(ScrollContents);
            else if (name == "KM20X") module = new TfrmKM20X(ScrollContents);
            if (module) {
                module->UnitNumber = panel->UnitNumber;
                module->OnKX7050 = which <= 1;
                module->OnKX7026G = which >= 2;
                module->SetUpLeds(StatusPanel(0), this);
                module->RegisterPorts(PortButtons);
                startPolling(module);
            }
        }
    }
    for (QToolButton* b : PortButtons) {
        if (b->property("kxWired").toBool()) continue;
        b->setProperty("kxWired", true);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QToolButton::customContextMenuRequested, this, [this, b](const QPoint& at) {
            popupButton_ = b;
            if (PortInfoPopupMenu && !PortInfoPopupMenu->actions().isEmpty())
                PortInfoPopupMenu->popup(b->mapToGlobal(at));
        });
        connect(b, &QToolButton::clicked, this, [this, b] { PortButtonClick(b); });
    }

    int top = 0;
    if (LastUnitPanel) {
        top = LastUnitPanel->y() + H + 1;
        clientSize_.setWidth(std::max(clientSize_.width(), W + 4));
    } else {
        clientSize_.setWidth(W + 4);
    }
    panel->move(0, top);
    LastUnitPanel = panel;
    if (module) {
        clientSize_.setWidth(panel->width() + module->width() + 8);
        module->move(panel->x() + panel->width() + 1, panel->y());
    }
    const int clientHeight = panel->y() + H + statusBar()->sizeHint().height() + UnitPanels.size() + 4;
    ScrollContents->resize(std::max(ScrollContents->width(), clientSize_.width()), std::max(top + H, ScrollContents->height()));
    ApplyClientSize(clientSize_.width(), clientHeight);
    panel->show();
    // The row stores stay visible only while no panel covers them.
    for (QTreeWidget* store : {UnitListView, lvSubUnit, lvPortIndex}) store->hide();
    if (module) {
        module->show();
        ModulePanels.append(module);
    }
    UnitPanels.append(panel);
}

void TMainForm::PortButtonClick(QToolButton* button) {
    for (QToolButton* b : PortButtons) b->setChecked(false);
    if (button) button->setChecked(true);
}

// --- Menu -----------------------------------------------------------------------

void TMainForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    QHash<QString, QMenu*> menus;
    for (const char* const* title = MainMenuTitles; *title; ++title) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(*title));
        menu->setObjectName(QString::fromUtf8(*title));
        menus.insert(QString::fromUtf8(*title), menu);
    }
    auto addEntries = [this, &menus](const _MenuEntry_s* table, QMenu* root) {
        for (const _MenuEntry_s* e = table; e->Path; ++e) {
            const QStringList parts = QString::fromUtf8(e->Path).split(" / ");
            QMenu* menu = root;
            QString path;
            int first = 0;
            if (!menu) {
                menu = menus.value(parts.value(0));
                if (!menu) continue;
                path = parts.value(0);
                first = 1;
            }
            for (int i = first; i + 1 < parts.size(); ++i) {
                path += (path.isEmpty() ? "" : " / ") + parts[i];
                QMenu* sub = menus.value(path);
                if (!sub) {
                    sub = menu->addMenu(parts[i]);
                    sub->setObjectName(path);
                    menus.insert(path, sub);
                }
                menu = sub;
            }
            if (e->Kind == KvMenuKind::Separator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(parts.last());
            action->setObjectName(QString::fromUtf8(e->Path));
            action->setVisible(!e->Hidden);
            const _MenuEntry_s* entry = e;
            connect(action, &QAction::triggered, this, [this, entry] { RunMenuEntry(*entry); });
            menuActions_.append(action);
        }
    };
    addEntries(MainMenuCatalogue, nullptr);
    PortInfoPopupMenu = new QMenu(this);
    PortInfoPopupMenu->setObjectName("PortInfoPopupMenu");
    addEntries(PortPopupCatalogue, PortInfoPopupMenu);
}

QAction* TMainForm::MenuAction(const QString& path) const {
    for (QAction* a : menuActions_)
        if (a->objectName() == path) return a;
    return nullptr;
}

void TMainForm::RunMenuEntry(const _MenuEntry_s& entry) {
    switch (entry.Kind) {
    case KvMenuKind::Tool: LaunchTool(entry.Data); break;
    case KvMenuKind::Help: ShowHelp(); break;
    case KvMenuKind::About: {
        TAboutForm form(this);
        form.exec();
        break;
    }
    case KvMenuKind::Exit: close(); break;
    case KvMenuKind::Generic: RunGenericEntry(entry.Data); break;
    default: break;
    }
}

void TMainForm::RunGenericEntry(const char* name) {
    const _GenericEntry_s* entry = FindGenericEntry(name);
    if (!entry) return;
    std::string instance;
    if (entry->Behaviour == KvEntryBehaviour::PortPopup) {
        // The port the popup was opened on: pressed alone, its tag the instance.
        if (!popupButton_) return;
        PortButtonClick(popupButton_);
        instance = std::to_string(popupButton_->property("tag").toInt());
    }
    TGenericEntry::Run(*entry, instance);
}

void TMainForm::ApplyRmonState(const QString& state) {
    bool enable;
    if (state == "disabled") enable = false;
    else if (state == "enabled") enable = true;
    else return;
    for (const char* path : {"RMON / Statistics", "RMON / History", "RMON / Alarm/Event"})
        if (QAction* a = MenuAction(path)) a->setEnabled(enable);
}

void TMainForm::ShowHelp() {
    const QString file = QDir(QCoreApplication::applicationDirPath()).filePath(kHelpFileName);
    if (!QFileInfo::exists(file)) {
        StatusPanel(0)->setText("Help file not found: " + file);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        StatusPanel(0)->setText("No viewer could open the help file " + file);
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

// --- Closing ----------------------------------------------------------------------

void TMainForm::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    if (!KvMessageBox::Confirm(this, "Confirm", "Exit KX-7026G Management Module")) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TMainForm::FormClose() {
    closing_ = true;
    for (KvSNMPRequest2Edits* r : {UnitRequest.get(), SubUnitRequest.get()}) {
        if (!r) continue;
        r->Alive = false;
        WaitWhileBusy(r);
    }
    UnitRequest.reset();
    PortRequest.reset();
    RmonRequest.reset();
    SubUnitRequest.reset();
    for (TModulePanelForm* m : ModulePanels) delete m;
    ModulePanels.clear();
    for (TPanelForm* p : UnitPanels) delete p;
    UnitPanels.clear();
    PortButtons.clear();
    LastUnitPanel = nullptr;
    return true;
}
