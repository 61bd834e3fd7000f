// The main window: ribbon, status bar, the three docking panes and the view. It owns the running and
// extracting flags and handles the private messages of the scan through its message map.
#pragma once

#include "platform/WindowMessages.h"
#include "reader/ScanRecords.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QActionGroup;
class QLabel;
#include <QProgressBar>
class QTreeWidget;

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

    [[nodiscard]] ScanControl& Control() { return control_; }

    // Pointers kept after creation.
    [[nodiscard]] CCKestroTrelliqView* View() const { return view_; }
    [[nodiscard]] CFileView* FileViewPane() const { return fileView_; }
    [[nodiscard]] COutputWnd* OutputPane() const { return output_; }
    [[nodiscard]] CPropertiesWnd* PropertiesPane() const { return properties_; }
    [[nodiscard]] QTreeWidget* Tree() const { return tree_; }
    [[nodiscard]] QTreeWidget* FileList() const { return fileList_; }
    [[nodiscard]] QLabel* Viewer() const { return viewer_; }
    [[nodiscard]] QTreeWidget* LogList() const { return logList_; }
    [[nodiscard]] QTreeWidget* PropertyGrid() const { return propertyGrid_; }
    [[nodiscard]] CKestroMFCRibboBarCls* Ribbon() const { return ribbon_; }
    [[nodiscard]] CKestroRibbonStatusBarCls* StatusBar() const { return statusBar_; }
    // The busy elements of the status bar; null while idle.
    [[nodiscard]] QProgressBar* BusyProgressBar() const { return busyProgress_; }

private:
    void BuildCommands();
    void BuildRibbon();
    void BuildStatusBar();
    void CreateDockingPanes();
    void BuildMessageMap();

    // The scan messages (handled in CMainFrameScan.cpp).
    platform::LRESULT OnScanFileFound(platform::WPARAM wParam, platform::LPARAM lParam);
    platform::LRESULT OnScanProgress(platform::WPARAM wParam, platform::LPARAM lParam);
    platform::LRESULT OnScanBusy(platform::WPARAM wParam, platform::LPARAM lParam);

    CCKestroTrelliqApp* app_;
    unsigned lookId_;
    ScanControl control_;

    QHash<int, QAction*> commands_;
    QActionGroup* lookGroup_ = nullptr;
    CKestroMFCRibboBarCls* ribbon_ = nullptr;
    CKestroRibbonStatusBarCls* statusBar_ = nullptr;
    CCKestroTrelliqView* view_ = nullptr;
    CFileView* fileView_ = nullptr;
    COutputWnd* output_ = nullptr;
    CPropertiesWnd* properties_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QTreeWidget* fileList_ = nullptr;
    QLabel* viewer_ = nullptr;
    QTreeWidget* logList_ = nullptr;
    QTreeWidget* propertyGrid_ = nullptr;

    QPointer<QProgressBar> busyProgress_;
    QPointer<QWidget> busySeparator_;
};

} // namespace tarvelo::app
