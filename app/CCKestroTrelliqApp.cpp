#include "app/CCKestroTrelliqApp.h"

#include "app/CCKestroTrelliqDoc.h"
#include "app/CMainFrame.h"
#include "app/res/Resource.h"
#include "platform/MessageBoxStyles.h"
#include "platform/Settings.h"
#include "platform/UserQuestions.h"

#include <QApplication>
#include <QScreen>

namespace tarvelo::app {

CCKestroTrelliqApp::CCKestroTrelliqApp() = default;
CCKestroTrelliqApp::~CCKestroTrelliqApp() = default;

bool CCKestroTrelliqApp::InitInstance(os::InstanceState instance, bool showSplash) {
    // Common controls, framework and OLE initialisation have no counterpart here: the application
    // object of the widget toolkit exists already, and they always succeed.
    if (instance == os::InstanceState::kAlreadyRunning) {
        platform::PlainMessageBox(
            nullptr, QStringLiteral("Another instance of application is already running"),
            QString::fromLatin1(kAppTitle), platform::MB_OK | platform::MB_ICONINFORMATION);
        return false;
    }
    // Settings: organisation = the registry key name, application = the profile name.
    QCoreApplication::setOrganizationName(QString::fromLatin1(platform::kSettingsOrganisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(platform::kSettingsApplication));
    QApplication::setApplicationDisplayName(QString());

    // The single document template: document, main frame, view (the frame creates the view).
    document_ = std::make_unique<CCKestroTrelliqDoc>();
    frame_ = std::make_unique<CMainFrame>(this);
    if (!frame_->Create(showSplash)) {
        frame_.reset();
        return false;
    }
    // The screen's work area first, so the window fills it even where no window manager maximises.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        frame_->setGeometry(screen->availableGeometry());
    }
    frame_->showMaximized();
    return true;
}

} // namespace tarvelo::app
