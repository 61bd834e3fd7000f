// Writes pictures of the main window into a folder, using the toolkit's own grab: while it scans the
// demo backup (taken while the worker waits for the window), after the scan with the tree open, and
// one message box. tools/screenshots.sh runs it under Xvfb next to screenshots of the program itself.
//   tarvelo_gui_shots <folder>
#include "app/CCKestroTrelliqApp.h"
#include "app/CMainFrame.h"
#include "app/res/Resource.h"
#include "controls/CCheckTreeCtrl.h"
#include "controls/CMessageBoxTemplate.h"
#include "platform/MessageBoxStyles.h"
#include "platform/ProductInfo.h"
#include "platform/UserQuestions.h"
#include "reader/TextEncoding.h"
#include "recovery/ScanController.h"
#include "tools/bkfgen/DemoBackup.h"
#include "tools/bkfgen/Output.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>

namespace {

using namespace tarvelo;

bool Save(QWidget* widget, const QDir& out, const QString& name) {
    const QString path = out.filePath(name);
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "tarvelo_gui_shots: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool SaveMessageBox(const QString& text, unsigned style, const QDir& out, const QString& name) {
    controls::MessageBoxParams params;
    params.caption = QString::fromLatin1(platform::kAppTitle);
    params.text = text;
    params.style = style;
    controls::CMessageBoxTemplate box(params);
    box.show();
    QTest::qWait(300);
    return Save(&box, out, name);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir temp;
    qputenv("TMPDIR", temp.path().toUtf8()); // the record file and the extraction folder go here
    const QString backup = temp.filePath(QStringLiteral("demo.bkf"));
    {
        bkfgen::FileOutput output(PathFromUtf16(backup.toStdU16String()));
        bkfgen::WriteDemoBackup(output);
    }

    app::CCKestroTrelliqApp app;
    if (!app.InitInstance(os::InstanceState::kFirst, false))
        return 1;
    app::CMainFrame* frame = app.MainFrame();
    frame->showNormal();
    frame->resize(1360, 820);
    QTest::qWait(200);

    // The scan of the demo backup; the busy picture is taken when the fourth file is in the log.
    platform::ScriptedQuestions questions;
    platform::ScopedQuestions scoped(questions);
    questions.ScriptPath(backup);
    bool ok = true;
    bool busyTaken = false;
    QAbstractItemModel* log = frame->LogList()->model();
    QObject::connect(log, &QAbstractItemModel::rowsInserted, frame, [&] {
        if (!busyTaken && log->rowCount() >= 11) {
            busyTaken = true;
            frame->Tree()->ExpandAll();
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            ok = Save(frame, out, QStringLiteral("main-busy.png")) && ok;
        }
    });
    frame->Command(app::ID_OPEN_BKF)->trigger();
    frame->Scan()->WaitForWorker();
    QTest::qWait(400);

    // After the scan: the whole tree open, a database selected.
    CCheckTreeCtrl* tree = frame->Tree();
    tree->ExpandAll();
    const QList<QTreeWidgetItem*> found =
        tree->findItems(QStringLiteral("priv1.edb"), Qt::MatchExactly | Qt::MatchRecursive);
    if (!found.isEmpty())
        tree->setCurrentItem(found.first());
    QTest::qWait(300);
    ok = Save(frame, out, QStringLiteral("main-scanned.png")) && ok;

    ok = SaveMessageBox(QStringLiteral("Do you want to stop recovering file(s)?"),
                        platform::MB_YESNO | platform::MB_ICONQUESTION, out,
                        QStringLiteral("messagebox.png")) &&
         ok;
    ok = SaveMessageBox(QStringLiteral("Please stop the running process to open Exchange Backup file."),
                        platform::MB_OK | platform::MB_ICONINFORMATION, out,
                        QStringLiteral("messagebox-notice.png")) &&
         ok;
    return ok && busyTaken ? 0 : 1;
}
