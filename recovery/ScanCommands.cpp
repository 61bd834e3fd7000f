// Stop, Close and saving the log.
#include "platform/MessageBoxStyles.h"
#include "platform/ProductInfo.h"
#include "platform/UserQuestions.h"
#include "platform/WebPage.h"
#include "platform/os/ProcessExit.h"
#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "recovery/SavedLog.h"
#include "recovery/ScanController.h"
#include "recovery/TempFiles.h"

#include <QFileInfo>

#include <vector>

namespace tarvelo {

void ScanController::OnStop() {
    // The work goes on while the question is open; only Yes clears the flag, and the worker ends the
    // scan in its own way.
    const int answer = Message(nullptr, QStringLiteral("Do you want to stop recovering file(s)?"),
                               platform::MB_YESNO | platform::MB_ICONQUESTION);
    if (answer == platform::IDYES)
        control_.running.store(0);
}

bool ScanController::OnClose() {
    if (Running()) {
        Message(views_.mainWindow,
                QStringLiteral("Please stop the running process to close the application."),
                platform::MB_OK | platform::MB_ICONINFORMATION);
        return false;
    }
    const int answer = Message(views_.mainWindow, QStringLiteral("Are you sure to close the application."),
                               platform::MB_YESNO | platform::MB_ICONINFORMATION);
    if (answer != platform::IDYES)
        return false;
    WaitForWorker();
    if (reader_ != nullptr) {
        reader_->CloseBackup();
        reader_.reset();
    }
    if (recordFile_.IsOpen())
        recordFile_.CloseAndRemove();
    CleanUpExtractionFolder();
    platform::OpenWebPage(QString::fromLatin1(platform::kProductWebPage));
    // The framework's own closing (workspace state, window teardown) does not run.
    os::EndProcess(kCloseExitCode);
    return true;
}

void ScanController::OnSaveLog() {
    if (Running()) {
        Message(views_.mainWindow, QStringLiteral("Please stop the running process to save the log file."),
                platform::MB_OK | platform::MB_ICONINFORMATION);
        return;
    }
    if (foundFiles_ == 0) {
        Message(
            views_.mainWindow,
            QStringLiteral("Please start the recovery process of Exchange Backup file to save the log file."),
            platform::MB_OK | platform::MB_ICONINFORMATION);
        return;
    }
    QString path = platform::SaveFileName(
        nullptr, QString(), QStringLiteral("Text Files (*.TXT) (*.txt *.TXT)"), QStringLiteral("Untitled"));
    if (path.isEmpty())
        return;
    // The default extension: added when the name chosen has none.
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += QStringLiteral(".txt");
    std::vector<std::u16string> rows;
    for (const QString& line : log_.Lines())
        rows.push_back(line.toStdU16String());
    const SavedLogResult result = WriteSavedLog(PathFromUtf16(path.toStdU16String()), rows);
    if (!result.ok)
        Message(nullptr, QString::fromStdString(result.error),
                platform::MB_OK | platform::MB_ICONINFORMATION);
}

} // namespace tarvelo
