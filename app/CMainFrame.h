// The main window: ribbon, status bar, the three docking panes and the view. The scan controller works on
// its panes: it owns the running and extracting flags and handles the scan's records through the
// window's message map; the window switches the status bar's layouts on WM_SCAN_BUSY.
#pragma once

#include "platform/WindowMessages.h"
#include "reader/ScanRecords.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QActionGroup;
class QLabel;
#include <QProgressBar>
class QTreeWidget;

namespace tarvelo {
class CCheckTreeCtrl;
class CPropertyGridCtrl;
class ScanController;
class ScanStatusDisplay;
} // namespace tarvelo

namespace tarvelo::app {

class CCKestroTrelliqApp;
class CCKestroTrelliqView;
class CFileView;
class COutputWnd;
class CPropertiesWnd;
class CKestroMFCRibboBarCls;
class CKestroRibbonStatusBarCls;

class CMainFrame : public QMainWindow, public platform::MessageTarget {
    Q_OBJECT
public:
    // Reads the stored look id (default 217). The application object may be null (tests).
    explicit CMainFrame(CCKestroTrelliqApp* app = nullptr);
    ~CMainFrame() override;

    // The frame's creation steps; false when a step failed (the program then exits).
    bool Create(bool showSplash = true);

    // The look id: stored, applied, written to the settings (commands 210 to 218).
    void ApplyLook(unsigned id);
    [[nodiscard]] unsigned LookId() const { return lookId_; }

    // Commands by id (ribbon buttons, status bar elements, the look ids).
    [[nodiscard]] QAction* Command(int id) const { return commands_.value(id); }
    // Enables the Stop command while the running flag is set; the others stay enabled.
    void UpdateCommandStates();

    // The scan side; exists after Create.
    [[nodiscard]] ScanController* Scan() const { return scan_.get(); }
    [[nodiscard]] ScanControl& Control();

    // Pointers kept after creation.
    [[nodiscard]] CCKestroTrelliqView* View() const { return view_; }
    [[nodiscard]] CFileView* FileViewPane() const { return fileView_; }
    [[nodiscard]] COutputWnd* OutputPane() const { return output_; }
    [[nodiscard]] CPropertiesWnd* PropertiesPane() const { return properties_; }
    [[nodiscard]] CCheckTreeCtrl* Tree() const { return tree_; }
    [[nodiscard]] QTreeWidget* FileList() const { return fileList_; }
    [[nodiscard]] QLabel* Viewer() const { return viewer_; }
    [[nodiscard]] QTreeWidget* LogList() const { return logList_; }
    [[nodiscard]] CPropertyGridCtrl* PropertyGrid() const { return propertyGrid_; }
    [[nodiscard]] CKestroMFCRibboBarCls* Ribbon() const { return ribbon_; }
    [[nodiscard]] CKestroRibbonStatusBarCls* StatusBar() const { return statusBar_; }
    // The busy elements of the status bar; null while idle.
    [[nodiscard]] QProgressBar* BusyProgressBar() const { return busyProgress_; }

protected:
    // Closing goes through the scan controller, which refuses while a scan runs and ends the process.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCommands();
    void BuildRibbon();
    void BuildStatusBar();
    void CreateDockingPanes();
    void BuildMessageMap();

    // The scan controller on the panes, its messages and commands (CMainFrameScan.cpp).
    void CreateScanController();
    void ConnectShellCommands();
    void ShowBackupFileInfo();
    platform::LRESULT OnScanBusy(platform::WPARAM wParam, platform::LPARAM lParam);

    CCKestroTrelliqApp* app_;
    unsigned lookId_;

    QHash<int, QAction*> commands_;
    QActionGroup* lookGroup_ = nullptr;
    CKestroMFCRibboBarCls* ribbon_ = nullptr;
    CKestroRibbonStatusBarCls* statusBar_ = nullptr;
    CCKestroTrelliqView* view_ = nullptr;
    CFileView* fileView_ = nullptr;
    COutputWnd* output_ = nullptr;
    CPropertiesWnd* properties_ = nullptr;
    CCheckTreeCtrl* tree_ = nullptr;
    QTreeWidget* fileList_ = nullptr;
    QLabel* viewer_ = nullptr;
    QTreeWidget* logList_ = nullptr;
    CPropertyGridCtrl* propertyGrid_ = nullptr;
    std::unique_ptr<ScanStatusDisplay> scanStatus_;
    std::unique_ptr<ScanController> scan_;

    QPointer<QProgressBar> busyProgress_;
    QPointer<QWidget> busySeparator_;
};

} // namespace tarvelo::app
