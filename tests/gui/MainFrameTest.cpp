#include "app/CCKestroTrelliqApp.h"
#include "app/CCKestroTrelliqView.h"
#include "app/CKestroRibbonStatusBarCls.h"
#include "app/CMainFrame.h"
#include "app/COutputWnd.h"
#include "app/ContextMenus.h"
#include "app/StatusBarScanDisplay.h"
#include "app/res/Resource.h"
#include "controls/CCheckTreeCtrl.h"
#include "dbheader/CPropertyGridCtrl.h"
#include "platform/MessageBoxStyles.h"
#include "platform/UserQuestions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace tarvelo::app {
namespace {

using Kind = CKestroRibbonStatusBarCls::Kind;

void ClearSettings() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QuorinTarvelo20"),
              QStringLiteral("Quorin Tarvelo v20.0"))
        .clear();
}

unsigned StoredLook() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QuorinTarvelo20"),
                     QStringLiteral("Quorin Tarvelo v20.0"))
        .value(QStringLiteral("Workspace/ApplicationLook"))
        .toUInt();
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        ASSERT_TRUE(frame_.Create(false));
    }
    // "kind:id" per element, in order; the extended area's elements are marked with '+'.
    QStringList Layout() const {
        QStringList out;
        for (const auto& e : frame_.StatusBar()->Elements()) {
            out << QStringLiteral("%1%2:%3")
                       .arg(e.extended ? QStringLiteral("+") : QString())
                       .arg(int(e.kind))
                       .arg(e.id);
        }
        return out;
    }
    int LiveSeparators() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return static_cast<int>(
            frame_.StatusBar()->findChildren<QWidget*>(QStringLiteral("statusSeparator")).size());
    }
    CMainFrame frame_;
};

TEST_F(MainFrameTest, PanesHaveTheirCaptionsIdsSidesAndCanOnlyBeResized) {
    struct Pane {
        const char* object;
        const char* caption;
        int id;
        Qt::DockWidgetArea area;
    };
    const Pane panes[] = {
        {"fileViewPane", "Exchange Backup file", 133, Qt::LeftDockWidgetArea},
        {"outputPane", "Exchange Backup file Status", 149, Qt::BottomDockWidgetArea},
        {"propertiesPane", "Selected File Properties", 337, Qt::RightDockWidgetArea},
    };
    for (const Pane& p : panes) {
        auto* dock = frame_.findChild<QDockWidget*>(QString::fromLatin1(p.object));
        ASSERT_NE(dock, nullptr) << p.object;
        EXPECT_EQ(dock->windowTitle(), QString::fromLatin1(p.caption));
        EXPECT_EQ(dock->property("paneId").toInt(), p.id);
        EXPECT_EQ(frame_.dockWidgetArea(dock), p.area);
        EXPECT_EQ(dock->features(), QDockWidget::NoDockWidgetFeatures) << "no close, float or move";
        EXPECT_FALSE(dock->isFloating());
    }
    EXPECT_EQ(frame_.windowTitle(), QStringLiteral("Quorin Tarvelo v20.0"));
}

TEST_F(MainFrameTest, OutputPaneHasLogAndViewerTabsAtTheBottom) {
    auto* tabs = frame_.findChild<QTabWidget*>(QStringLiteral("outputTabs"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabPosition(), QTabWidget::South);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Log Window"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("File Viewer"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->widget(0), frame_.LogList());
    EXPECT_EQ(frame_.LogList()->objectName(), QStringLiteral("logList"));
    EXPECT_TRUE(frame_.LogList()->isHeaderHidden());
    EXPECT_EQ(frame_.LogList()->columnWidth(0), 1500);
    EXPECT_EQ(frame_.Viewer()->text(), QStringLiteral("Select file to see preview....."));
    EXPECT_EQ(frame_.Tree()->objectName(), QStringLiteral("contentTree"));
    EXPECT_EQ(frame_.PropertyGrid()->objectName(), QStringLiteral("propertyGrid"));
}

TEST_F(MainFrameTest, FileListHasThreeColumnsAndABoldHeader) {
    QTreeWidget* list = frame_.FileList();
    ASSERT_EQ(list->columnCount(), 3);
    const QStringList titles{QStringLiteral("File Name"), QStringLiteral("File Type"),
                             QStringLiteral("File Size(Bytes)")};
    const int widths[] = {200, 100, 100};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list->headerItem()->text(i), titles[i]);
        EXPECT_EQ(list->columnWidth(i), widths[i]);
    }
    EXPECT_TRUE(list->header()->font().bold());
    EXPECT_EQ(list->header()->font().pixelSize(), 16);
}

TEST_F(MainFrameTest, StatusBarSwitchesToBusyAndBackWithoutLeftovers) {
    const QStringList idle{QStringLiteral("0:332"), QStringLiteral("1:0"), QStringLiteral("+2:121")};
    const QStringList busy{QStringLiteral("0:332"), QStringLiteral("1:0"),   QStringLiteral("+2:121"),
                           QStringLiteral("3:328"), QStringLiteral("2:338"), QStringLiteral("4:329"),
                           QStringLiteral("2:330"), QStringLiteral("2:331"), QStringLiteral("1:0")};
    ASSERT_EQ(Layout(), idle);
    EXPECT_EQ(LiveSeparators(), 1);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(platform::SendMessage(&frame_, platform::WM_SCAN_BUSY, 1, 0), 1);
        EXPECT_EQ(Layout(), busy);
        QProgressBar* bar = frame_.BusyProgressBar();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 1000);
        EXPECT_EQ(bar->size(), QSize(600, 26));
        const auto& elements = frame_.StatusBar()->Elements();
        EXPECT_EQ(elements[4].name, QStringLiteral("Quorin Tarvelo"));
        EXPECT_EQ(elements[5].name, QStringLiteral("Stop the running process."));
        EXPECT_EQ(elements[5].widget->toolTip(), QStringLiteral("Stop the running process."));
        EXPECT_EQ(LiveSeparators(), 2);

        EXPECT_EQ(platform::SendMessage(&frame_, platform::WM_SCAN_BUSY, 0, 0), 1);
        EXPECT_EQ(Layout(), idle);
        EXPECT_EQ(frame_.BusyProgressBar(), nullptr);
        EXPECT_EQ(LiveSeparators(), 1) << "round " << round;
    }
}

// Positions arriving faster than the bar's interval are coalesced, and the newest one is shown when
// the interval has passed even if nothing else arrives.
TEST_F(MainFrameTest, ProgressBarShowsTheNewestPositionWithoutRepaintingForEach) {
    platform::SendMessage(&frame_, platform::WM_SCAN_BUSY, 1, 0);
    StatusBarScanDisplay display(frame_);
    QProgressBar* bar = frame_.BusyProgressBar();
    ASSERT_NE(bar, nullptr);
    display.SetProgressPosition(0);
    EXPECT_EQ(bar->value(), 0);
    for (int position = 1; position <= 40; ++position)
        display.SetProgressPosition(position);
    EXPECT_LT(bar->value(), 40);
    QTest::qWait(3 * StatusBarScanDisplay::kBarIntervalMs);
    EXPECT_EQ(bar->value(), 40);
    platform::SendMessage(&frame_, platform::WM_SCAN_BUSY, 0, 0);
    display.SetProgressPosition(7); // no bar outside a scan: nothing to write to
    QTest::qWait(2 * StatusBarScanDisplay::kBarIntervalMs);
}

TEST_F(MainFrameTest, BusyStopButtonRunsTheStopCommandAndPanesAreInert) {
    platform::SendMessage(&frame_, platform::WM_SCAN_BUSY, 1, 0);
    // The command asks the stop question; No leaves everything as it is.
    platform::ScriptedQuestions questions;
    const platform::ScopedQuestions scoped(questions);
    questions.ScriptButton(platform::IDNO);
    QSignalSpy stop(frame_.Command(ID_STATUS_STOP), &QAction::triggered);
    auto* button = qobject_cast<QToolButton*>(frame_.StatusBar()->FindElement(ID_STATUS_STOP));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("Stop"));
    button->click();
    EXPECT_EQ(stop.count(), 1);
    ASSERT_EQ(questions.Asked().size(), 1);
    EXPECT_EQ(questions.Asked()[0].text, QStringLiteral("Do you want to stop recovering file(s)?"));
    frame_.StatusBar()->SetPaneText(ID_STATUS_FOUND_PANE, QStringLiteral("File Found: 3"));
    EXPECT_EQ(qobject_cast<QLabel*>(frame_.StatusBar()->FindElement(ID_STATUS_FOUND_PANE))->text(),
              QStringLiteral("File Found: 3"));
    platform::SendMessage(&frame_, platform::WM_SCAN_BUSY, 0, 0);
}

TEST_F(MainFrameTest, RibbonHasNineButtonsWithOwnImagesAndStopFollowsTheRunningFlag) {
    struct Button {
        int id;
        const char* caption;
        const char* tip;
    };
    const Button buttons[] = {
        {313, "Open", "Open Exchange Backup file"},
        {314, "Stop", "Stop running recovery process"},
        {315, "Save", "Save recovered data"},
        {316, "Search", "Search file from the list"},
        {317, "Log", "Save log for Exchange Backup file."},
        {318, "Load", "Load Tarvelo Snapshot"},
        {319, "Save", "Save Tarvelo Snapshot"},
        {320, "Help", "Help for Quorin Tarvelo"},
        {321, "About", "About Quorin Tarvelo"},
    };
    QList<QImage> images;
    for (const Button& b : buttons) {
        auto* button = frame_.findChild<QToolButton*>(QStringLiteral("ribbonButton%1").arg(b.id));
        ASSERT_NE(button, nullptr) << b.id;
        EXPECT_EQ(button->text(), QString::fromLatin1(b.caption));
        EXPECT_EQ(button->toolTip(), QString::fromLatin1(b.tip));
        const QImage image = button->icon().pixmap(32, 32).toImage();
        EXPECT_EQ(image.size(), QSize(32, 32));
        for (const QImage& other : images) {
            EXPECT_NE(image, other) << "button " << b.id << " shares an image";
        }
        images << image;
    }
    auto* app = frame_.findChild<QToolButton*>(QStringLiteral("ribbonApplicationButton"));
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->size(), QSize(42, 42));
    EXPECT_EQ(app->toolTip(), QStringLiteral("Quorin Tarvelo v20.0"));
    EXPECT_EQ(app->menu(), nullptr);

    EXPECT_FALSE(frame_.Command(ID_STOP)->isEnabled());
    frame_.Control().running = 1;
    frame_.UpdateCommandStates();
    EXPECT_TRUE(frame_.Command(ID_STOP)->isEnabled());
    EXPECT_TRUE(frame_.Command(ID_OPEN_BKF)->isEnabled());
    frame_.Control().running = 0;
    frame_.UpdateCommandStates();
    EXPECT_FALSE(frame_.Command(ID_STOP)->isEnabled());
}

TEST_F(MainFrameTest, StatusBarAndRibbonOfferNoContextMenu) {
    for (QWidget* widget : {static_cast<QWidget*>(frame_.StatusBar()), frame_.menuWidget()}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(widget, &event);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(frame_.findChildren<QMenu*>().isEmpty());
    }
}

TEST(ContextMenus, TreeAndListMenusHoldTheirCommands) {
    const auto tree = TreeClickMenu(nullptr);
    ASSERT_EQ(tree->actions().size(), 2);
    EXPECT_EQ(tree->actions()[0]->text(), QStringLiteral("Expand All"));
    EXPECT_EQ(tree->actions()[0]->data().toInt(), 32771);
    EXPECT_EQ(tree->actions()[1]->data().toInt(), 32772);
    const auto list = ListRClickMenu(nullptr);
    ASSERT_EQ(list->actions().size(), 3);
    EXPECT_TRUE(list->actions()[0]->isSeparator());
    EXPECT_EQ(list->actions()[1]->text(), QStringLiteral("Show File Preview"));
    EXPECT_EQ(list->actions()[1]->data().toInt(), 32774);
    EXPECT_TRUE(list->actions()[2]->isSeparator());
}

TEST(VisualLook, SilverByDefaultAndAStoredIdIsKeptAndWrittenBack) {
    ClearSettings();
    {
        CCKestroTrelliqApp app;
        ASSERT_TRUE(app.InitInstance(os::InstanceState::kFirst, false));
        EXPECT_EQ(app.LookId(), 217u);
        EXPECT_EQ(app.Scheme(), ColourScheme::Silver);
        EXPECT_EQ(StoredLook(), 217u);
        EXPECT_TRUE(app.MainFrame()->Command(217)->isChecked());
    }
    ClearSettings();
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QuorinTarvelo20"),
              QStringLiteral("Quorin Tarvelo v20.0"))
        .setValue(QStringLiteral("Workspace/ApplicationLook"), 212);
    CCKestroTrelliqApp app;
    ASSERT_TRUE(app.InitInstance(os::InstanceState::kFirst, false));
    EXPECT_EQ(app.LookId(), 212u);
    EXPECT_EQ(app.Scheme(), ColourScheme::Blue);
    EXPECT_EQ(StoredLook(), 212u);
    // A look command is applied and stored; 217 switches to silver, another id keeps silver then.
    app.MainFrame()->Command(217)->trigger();
    EXPECT_EQ(StoredLook(), 217u);
    EXPECT_EQ(app.Scheme(), ColourScheme::Silver);
    app.MainFrame()->Command(215)->trigger();
    EXPECT_EQ(StoredLook(), 215u);
    EXPECT_EQ(app.Scheme(), ColourScheme::Silver);
    EXPECT_TRUE(app.MainFrame()->Command(215)->isChecked());
    EXPECT_FALSE(app.MainFrame()->Command(217)->isChecked());
}

TEST(StartUp, SecondInstanceIsRefusedWithThePlainMessageBox) {
    platform::ScriptedQuestions questions;
    platform::ScopedQuestions scope(questions);
    CCKestroTrelliqApp app;
    EXPECT_FALSE(app.InitInstance(os::InstanceState::kAlreadyRunning, false));
    EXPECT_EQ(app.MainFrame(), nullptr);
    ASSERT_EQ(questions.Asked().size(), 1);
    const platform::Question& q = questions.Asked()[0];
    EXPECT_EQ(q.kind, platform::Question::Kind::PlainMessage);
    EXPECT_EQ(q.text, QStringLiteral("Another instance of application is already running"));
    EXPECT_EQ(q.caption, QStringLiteral("Quorin Tarvelo v20.0"));
    EXPECT_EQ(q.style, platform::MB_OK | platform::MB_ICONINFORMATION);
    EXPECT_EQ(q.owner, nullptr);
}

TEST(StartUp, FirstInstanceOpensTheMaximisedMainWindowWithoutDocumentName) {
    CCKestroTrelliqApp app;
    ASSERT_TRUE(app.InitInstance(os::InstanceState::kFirst, false));
    ASSERT_NE(app.MainFrame(), nullptr);
    EXPECT_TRUE(app.MainFrame()->isVisible());
    EXPECT_TRUE(app.MainFrame()->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(app.MainFrame()->windowTitle(), QStringLiteral("Quorin Tarvelo v20.0"));
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Quorin Tarvelo v20.0"));
    EXPECT_EQ(QApplication::organizationName(), QStringLiteral("QuorinTarvelo20"));
}

} // namespace
} // namespace tarvelo::app
