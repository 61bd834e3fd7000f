#include "app/CMainFrame.h"

#include "app/CCKestroTrelliqApp.h"
#include "app/CCKestroTrelliqView.h"
#include "app/CFileView.h"
#include "app/CKestroMFCRibboBarCls.h"
#include "app/CKestroRibbonStatusBarCls.h"
#include "app/COutputWnd.h"
#include "app/CPropertiesWnd.h"
#include "app/CSplashWnd.h"
#include "app/RibbonImages.h"
#include "app/SplashPicture.h"
#include "app/StatusBarScanDisplay.h"
#include "app/VisualLook.h"
#include "app/res/Resource.h"
#include "platform/Settings.h"
#include "platform/WaitCursor.h"
#include "platform/WebPage.h"
#include "recovery/ScanController.h"
#include "recovery/TempFiles.h"

#include <QAction>
#include <QActionGroup>
#include <QTimer>

namespace tarvelo::app {

namespace {

struct RibbonButton {
    int command;
    const char* caption;
    const char* toolTip;
};

constexpr RibbonButton kButtons[kRibbonImageCount] = {
    {ID_OPEN_BKF, "Open", "Open Exchange Backup file"},
    {ID_STOP, "Stop", "Stop running recovery process"},
    {ID_SAVE_FILES, "Save", "Save recovered data"},
    {ID_SEARCH, "Search", "Search file from the list"},
    {ID_SAVE_LOG, "Log", "Save log for Exchange Backup file."},
    {ID_LOAD_SNAPSHOT, "Load", "Load Tarvelo Snapshot"},
    {ID_SAVE_SNAPSHOT, "Save", "Save Tarvelo Snapshot"},
    {ID_HELP_PAGE, "Help", "Help for Quorin Tarvelo"},
    {ID_ABOUT, "About", "About Quorin Tarvelo"},
};

constexpr const char* kLookNames[] = {
    "Windows &2000", "Office &XP",   "&Windows XP",   "Office 200&3", "Visual Studio.NET 200&5",
    "&Blue Style",   "B&lack Style", "&Silver Style", "&Aqua Style"};

QString Title() {
    return QString::fromLatin1(kAppTitle);
}

} // namespace

CMainFrame::CMainFrame(CCKestroTrelliqApp* app)
    : MessageTarget(this), app_(app), lookId_(platform::ReadApplicationLook(kDefaultLookId)) {
    setObjectName(QStringLiteral("mainFrame"));
    // The title is the program's name alone, never a document name.
    setWindowTitle(Title());
    BuildCommands();
    BuildMessageMap();
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::Create(bool showSplash) {
    // 2: the splash window, owned by the frame; it destroys itself after its time-out.
    if (showSplash) {
        auto* splash = new CSplashWnd(SplashPicture(), this);
        splash->Start();
    }
    // 3: the stored look.
    ApplyLook(lookId_);
    // 4, 5: ribbon and status bar.
    BuildRibbon();
    BuildStatusBar();
    // 6: docking on all four sides.
    setDockOptions(QMainWindow::AnimatedDocks);
    // 7, 8: the panes.
    CreateDockingPanes();
    // 9: pointers into the panes.
    tree_ = fileView_->Tree();
    fileList_ = view_->FileList();
    viewer_ = output_->Viewer();
    logList_ = output_->LogList();
    propertyGrid_ = properties_->Grid();
    CreateScanController();
    ConnectShellCommands();
    // 10: a leftover extraction folder of an earlier run that did not end normally.
    CleanUpExtractionFolder();
    UpdateCommandStates();
    // Command states follow the running flag, which a worker clears at its end.
    auto* idle = new QTimer(this);
    connect(idle, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
    idle->start(250);
    return true;
}

void CMainFrame::BuildCommands() {
    for (const RibbonButton& b : kButtons) {
        auto* action = new QAction(QString::fromLatin1(b.caption), this);
        action->setData(b.command);
        action->setToolTip(QString::fromLatin1(b.toolTip));
        const int index = static_cast<int>(&b - kButtons);
        QIcon icon(RibbonLargeImage(index));
        icon.addPixmap(RibbonSmallImage(index));
        action->setIcon(icon);
        commands_.insert(b.command, action);
    }
    // Status bar commands; 330, 331 and 338 do nothing (their handlers exist to keep the panes enabled).
    for (const int id :
         {ID_STATUS_STOP, ID_STATUS_PROGRESS_PANE, ID_STATUS_FOUND_PANE, ID_STATUS_LINK, ID_STATUS_PERCENT}) {
        auto* action = new QAction(this);
        action->setData(id);
        commands_.insert(id, action);
    }
    // The look ids; no menu shows them, the commands exist.
    lookGroup_ = new QActionGroup(this);
    lookGroup_->setExclusive(true);
    for (unsigned id = kFirstLookId; id <= kLastLookId; ++id) {
        auto* action = new QAction(QString::fromLatin1(kLookNames[id - kFirstLookId]), lookGroup_);
        action->setData(static_cast<int>(id));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, id] { ApplyLook(id); });
        commands_.insert(static_cast<int>(id), action);
    }
}

void CMainFrame::ApplyLook(unsigned id) {
    const platform::WaitCursor wait;
    lookId_ = id;
    ColourScheme scheme = app_ != nullptr ? app_->Scheme() : ColourScheme::Blue;
    scheme = SchemeAfterLook(scheme, id);
    if (app_ != nullptr) {
        app_->SetLook(id, scheme);
    }
    ApplyColourScheme(scheme);
    update();
    platform::WriteApplicationLook(id);
    if (QAction* action = Command(static_cast<int>(id))) {
        action->setChecked(true);
    }
}

void CMainFrame::BuildRibbon() {
    ribbon_ = new CKestroMFCRibboBarCls(this);
    ribbon_->SetApplicationButton(ApplicationButtonImage(), Title());
    ribbon_->SetCategory(QStringLiteral("Quorin Tarvelo"));
    QWidget* tarvelo = ribbon_->AddPanel(QStringLiteral("Tarvelo"), PanelIcon(1));
    for (const int id : {ID_OPEN_BKF, ID_STOP, ID_SAVE_FILES, ID_SEARCH, ID_SAVE_LOG}) {
        ribbon_->AddButton(tarvelo, Command(id));
    }
    QWidget* snapshots = ribbon_->AddPanel(QStringLiteral("Exchange Backup file Snapshots"), PanelIcon(2));
    ribbon_->AddButton(snapshots, Command(ID_LOAD_SNAPSHOT));
    ribbon_->AddButton(snapshots, Command(ID_SAVE_SNAPSHOT));
    QWidget* about = ribbon_->AddPanel(QStringLiteral("About Velmora"), PanelIcon(1));
    ribbon_->AddButton(about, Command(ID_HELP_PAGE));
    ribbon_->AddButton(about, Command(ID_ABOUT));
    setMenuWidget(ribbon_);
}

void CMainFrame::BuildStatusBar() {
    statusBar_ = new CKestroRibbonStatusBarCls(this);
    setStatusBar(statusBar_);
    statusBar_->AddLink(ID_STATUS_LINK, QString::fromLatin1(kMakerAddress),
                        QString::fromLatin1(kProductWebPage), Title());
    statusBar_->AddSeparator();
    statusBar_->AddExtendedPane(ID_STATUSBAR_PANE1, Title(), Title());
    connect(statusBar_, &CKestroRibbonStatusBarCls::commandTriggered, this, [this](int id) {
        if (QAction* action = Command(id)) {
            action->trigger();
        }
    });
}

void CMainFrame::CreateDockingPanes() {
    view_ = new CCKestroTrelliqView(this);
    setCentralWidget(view_);
    fileView_ = new CFileView(this);
    output_ = new COutputWnd(this);
    properties_ = new CPropertiesWnd(this);
    addDockWidget(Qt::LeftDockWidgetArea, fileView_);
    addDockWidget(Qt::BottomDockWidgetArea, output_);
    addDockWidget(Qt::RightDockWidgetArea, properties_);
    // The left and right panes reach down to the status bar, as the frame docks them first.
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    resizeDocks({fileView_, properties_}, {200, 400}, Qt::Horizontal);
    resizeDocks({output_}, {160}, Qt::Vertical);
}

void CMainFrame::ConnectShellCommands() {
    connect(Command(ID_HELP_PAGE), &QAction::triggered, this,
            [] { platform::OpenWebPage(QString::fromLatin1(kHelpPage)); });
    connect(Command(ID_STATUS_LINK), &QAction::triggered, this,
            [] { platform::OpenWebPage(QString::fromLatin1(kProductWebPage)); });
    // Saving checked files, searching, the snapshots and the About window are not part of this
    // build yet: their buttons are shown disabled rather than doing nothing when pressed.
    for (const int id : {ID_SAVE_FILES, ID_SEARCH, ID_LOAD_SNAPSHOT, ID_SAVE_SNAPSHOT, ID_ABOUT}) {
        Command(id)->setEnabled(false);
    }
}

void CMainFrame::UpdateCommandStates() {
    if (QAction* stop = Command(ID_STOP)) {
        stop->setEnabled(scan_ != nullptr && scan_->Running());
    }
}

void CMainFrame::BuildMessageMap() {
    using platform::LPARAM;
    using platform::WPARAM;
    // The records of the scan worker are mapped by the scan controller once the panes exist.
    MapMessage(platform::WM_SCAN_BUSY, [this](WPARAM w, LPARAM l) { return OnScanBusy(w, l); });
}

platform::LRESULT CMainFrame::OnScanBusy(platform::WPARAM wParam, platform::LPARAM) {
    const QString title = Title();
    if (wParam != 0) {
        busyProgress_ = statusBar_->AddProgressBar(ID_STATUS_PROGRESS, 600, 26, title);
        statusBar_->AddPane(ID_STATUS_PERCENT, QStringLiteral("Page 3  "), QStringLiteral("Quorin Tarvelo"));
        statusBar_->AddButton(ID_STATUS_STOP, QStringLiteral("Stop"),
                              QStringLiteral("Stop the running process."));
        statusBar_->AddPane(ID_STATUS_PROGRESS_PANE,
                            QStringLiteral("Page 1") + QString(49, QLatin1Char(' ')) + QStringLiteral(".."),
                            title);
        statusBar_->AddPane(ID_STATUS_FOUND_PANE,
                            QStringLiteral("Line 1") + QString(33, QLatin1Char(' ')) + QStringLiteral(".."),
                            title);
        busySeparator_ = statusBar_->AddSeparator();
    } else {
        for (const int id : {ID_STATUS_PROGRESS, ID_STATUS_PERCENT, ID_STATUS_STOP, ID_STATUS_PROGRESS_PANE,
                             ID_STATUS_FOUND_PANE}) {
            statusBar_->RemoveElementById(id);
        }
        if (busySeparator_) {
            statusBar_->RemoveElement(busySeparator_);
        }
        busyProgress_ = nullptr;
        busySeparator_ = nullptr;
    }
    UpdateCommandStates();
    statusBar_->updateGeometry();
    repaint();
    return 1;
}

} // namespace tarvelo::app
