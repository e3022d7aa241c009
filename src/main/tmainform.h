#pragma once
// The main window: start-up of the module (session, catalogues, registry
// paths, command line), the front panels of the stack, the menu catalogue
// and the status bar.
#include "kvstartup.h"
#include "menucatalogue.h"

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QStringList>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QToolButton;
class QTreeWidget;
class TPanelForm;
class TModulePanelForm;
class KvSNMPRequest2Edits;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up. Raises KvException (session) or KvConvertError (a
    // numeric parameter or per-device key that is not decimal); the program
    // entry shows the message and ends. setUpFrontPanel false leaves the
    // discovery of the stack to the caller (tests).
    explicit TMainForm(const QStringList& parameters, QWidget* parent = nullptr, bool setUpFrontPanel = true);
    ~TMainForm() override;

    std::string DeviceAddress;
    std::string ReadCommunityText;
    std::string WriteCommunityText;
    std::string ConfigVersionText;
    float ScaleFactor = 1.0f;
    bool LargeFonts = false;

    // True when start-up asked the application to end ("No parameter input").
    bool TerminateRequested() const { return terminateRequested_; }

    // The status bar's first panel: progress and error texts.
    QLabel* StatusPanel(int index) const;

    // Starts an external MIB tool for a menu argument such as "/TMIB_Info",
    // without waiting; only the status bar reports a missing path.
    void LaunchTool(const std::string& argument);

    const KvStartup& Startup() const { return *startup_; }

    // --- Front panel ------------------------------------------------------
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* ScrollContents = nullptr;   // the scroll box's client, parent of the panels
    QLabel* ST_RmonState = nullptr;
    QLabel* ST_StackNum = nullptr;
    QTreeWidget* UnitListView = nullptr; // row stores of the discovery requests
    QTreeWidget* lvSubUnit = nullptr;
    QTreeWidget* lvPortIndex = nullptr;
    QTreeWidget* PortInfoListView = nullptr;
    QMenu* PortInfoPopupMenu = nullptr;
    QList<QPixmap> ImageList1;           // one stack image per unit, at UnitNumber - 1

    QList<QToolButton*> PortButtons;
    QList<TPanelForm*> UnitPanels;
    QList<TModulePanelForm*> ModulePanels;
    TPanelForm* LastUnitPanel = nullptr;
    static const char* const ModelNames[9];

    // The discovery requests (owned by the window).
    std::unique_ptr<KvSNMPRequest2Edits> UnitRequest;
    std::unique_ptr<KvSNMPRequest2Edits> PortRequest;
    std::unique_ptr<KvSNMPRequest2Edits> SubUnitRequest;
    std::unique_ptr<KvSNMPRequest2Edits> RmonRequest;
    // Whether AddUnitPanel starts the panels' LED polling (tests may not want it).
    bool StartLedPolling = true;

    // Reads the units, ports and modules of the stack and builds the panels.
    void SetUpFrontPanel();
    // Re-reads the RMON state and enables or disables the RMON entries.
    void RefreshRmonState();

    // Creates, places and shows the panel of one unit (and its module, read
    // from row rowIndex of lvSubUnit). Unknown models get no panel.
    void AddUnitPanel(const std::string& model, const std::string& unitNumber, int rowIndex);
    // The client area the window must have for the panels placed so far.
    QSize ClientSize() const { return clientSize_; }

    // Releases every port button and presses this one.
    void PortButtonClick(QToolButton* button);
    // The port button the popup menu was last opened on.
    QToolButton* PopupButton() const { return popupButton_; }

    // --- Menu -----------------------------------------------------------------
    // The action of a menu entry by its caption path ("RMON / Statistics").
    QAction* MenuAction(const QString& path) const;
    // Runs what a catalogue entry does.
    void RunMenuEntry(const _MenuEntry_s& entry);
    // Opens the generic configuration entry of that name (the port popup's
    // entries act on the button the popup was opened on).
    void RunGenericEntry(const char* name);
    // Enables or disables the RMON entries by the state text.
    void ApplyRmonState(const QString& state);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void ShowHelp();
    void ApplyClientSize(int width, int height);
    bool FormClose();

    std::unique_ptr<KvStartup> startup_;
    QList<QLabel*> panels_;
    QList<QAction*> menuActions_;
    QToolButton* popupButton_ = nullptr;
    QSize clientSize_;
    bool terminateRequested_ = false;
    bool closing_ = false;
    bool placingPanels_ = false;
};

// The process-wide main window (null before construction).
extern TMainForm* MainForm;
