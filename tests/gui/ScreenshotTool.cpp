// Writes pictures of the main window while busy and of a message box into a folder, using the
// toolkit's own grab (tools/screenshots.sh runs it under Xvfb next to screenshots of the program).
#include "app/CCKestroTrelliqApp.h"
#include "app/CKestroRibbonStatusBarCls.h"
#include "app/CMainFrame.h"
#include "app/res/Resource.h"
#include "controls/CMessageBoxTemplate.h"
#include "platform/MessageBoxStyles.h"

#include <QApplication>
#include <QDir>
#include <QProgressBar>
#include <QTest>
#include <QTreeWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    using namespace tarvelo;
    app::CCKestroTrelliqApp app;
    if (!app.InitInstance(os::InstanceState::kFirst, false)) {
        return 1;
    }
    app::CMainFrame* frame = app.MainFrame();
    frame->showNormal();
    frame->resize(1280, 800);
    // A few rows so that the panes show what they hold.
    auto* root = new QTreeWidgetItem(frame->Tree(), {QStringLiteral("demo.bkf")});
    new QTreeWidgetItem(root, {QStringLiteral("Set 1")});
    root->setExpanded(true);
    new QTreeWidgetItem(frame->LogList(), {QStringLiteral("Scan started.")});
    platform::SendMessage(frame, platform::WM_SCAN_BUSY, 1, 0);
    frame->BusyProgressBar()->setValue(420);
    frame->StatusBar()->SetPaneText(app::ID_STATUS_PERCENT, QStringLiteral("42.00%"));
    frame->StatusBar()->SetPaneText(app::ID_STATUS_PROGRESS_PANE,
                                    QStringLiteral("Progress: 4404019/10485760"));
    frame->StatusBar()->SetPaneText(app::ID_STATUS_FOUND_PANE, QStringLiteral("File Found: 17"));
    QTest::qWait(300);
    frame->grab().save(out.filePath(QStringLiteral("main-busy.png")));
    platform::SendMessage(frame, platform::WM_SCAN_BUSY, 0, 0);

    controls::MessageBoxParams params;
    params.caption = QStringLiteral("Quorin Tarvelo v20.0");
    params.text = QStringLiteral("Do you want to stop recovering file(s)?");
    params.style = platform::MB_YESNO | platform::MB_ICONQUESTION;
    controls::CMessageBoxTemplate box(params);
    box.show();
    QTest::qWait(300);
    box.grab().save(out.filePath(QStringLiteral("messagebox.png")));
    return 0;
}
