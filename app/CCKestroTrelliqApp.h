// The application object: start-up in the documented order, single-instance refusal, settings names,
// the document/frame/view triple and the maximised main window.
#pragma once

#include "app/VisualLook.h"
#include "platform/os/SingleInstance.h"

#include <memory>

namespace tarvelo::app {

class CCKestroTrelliqDoc;
class CMainFrame;

class CCKestroTrelliqApp {
public:
    CCKestroTrelliqApp();
    CCKestroTrelliqApp(const CCKestroTrelliqApp&) = delete;
    CCKestroTrelliqApp& operator=(const CCKestroTrelliqApp&) = delete;
    ~CCKestroTrelliqApp();

    // Start-up; false ends the program. instance is the single-instance state taken before the
    // application started. showSplash is off in tests.
    bool InitInstance(os::InstanceState instance, bool showSplash = true);

    [[nodiscard]] CMainFrame* MainFrame() const { return frame_.get(); }
    [[nodiscard]] unsigned LookId() const { return lookId_; }
    [[nodiscard]] ColourScheme Scheme() const { return scheme_; }
    void SetLook(unsigned id, ColourScheme scheme) {
        lookId_ = id;
        scheme_ = scheme;
    }

private:
    unsigned lookId_ = kDefaultLookId;
    ColourScheme scheme_ = ColourScheme::Blue; // blue at start-up
    std::unique_ptr<CCKestroTrelliqDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace tarvelo::app
