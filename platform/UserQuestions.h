// Every question the program puts to the user goes through one service: the application's own message
// box, the plain platform message box, the file open and save dialogs and the folder picker. The
// program uses the real dialogs; tests install ScriptedQuestions, which answers from a script and keeps
// what was asked, so that no test ever waits on a modal window.
#pragma once

#include "platform/MessageBoxStyles.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <deque>
#include <functional>

namespace tarvelo::platform {

struct Question {
    enum class Kind { AppMessage, PlainMessage, OpenFile, SaveFile, Folder };
    Kind kind = Kind::AppMessage;
    QPointer<QWidget> owner;
    QString text;        // message text, or the dialog's title for file and folder dialogs
    QString caption;     // window caption of a message box
    unsigned style = 0;  // MB_* bits of a message box
    QString filter;      // file dialogs: "Description (*.ext)" filters separated by ";;"
    QString initialPath; // file and folder dialogs: starting folder or file name
    // AppMessage only: shows the application's own message box and returns the button pressed. The
    // real service calls it; the scripted one does not.
    std::function<int()> show;
};

struct Answer {
    int button = 0; // IDOK, IDCANCEL, IDYES, IDNO for message boxes; IDOK/IDCANCEL for dialogs
    QString path;   // the chosen file or folder; empty when cancelled
};

class UserQuestions {
public:
    UserQuestions() = default;
    UserQuestions(const UserQuestions&) = delete;
    UserQuestions& operator=(const UserQuestions&) = delete;
    virtual ~UserQuestions() = default;
    virtual Answer Ask(const Question& question) = 0;
};

// The service in force (the real dialogs unless a test installed another).
UserQuestions& Questions();
// Installs a service (nullptr restores the real one) and returns the previous one; not owned.
UserQuestions* InstallQuestions(UserQuestions* service);

// Convenience wrappers over Questions().
int PlainMessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned style);
QString OpenFileName(QWidget* owner, const QString& title, const QString& filter,
                     const QString& initial = {});
QString SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                     const QString& initial = {});
QString FolderName(QWidget* owner, const QString& title, const QString& initial = {});

// Test double: answers in script order and records every question. When the script is empty a
// message box answers IDCANCEL and a dialog is cancelled.
class ScriptedQuestions : public UserQuestions {
public:
    void Script(Answer answer) { script_.push_back(std::move(answer)); }
    void ScriptButton(int button) { Script(Answer{button, {}}); }
    void ScriptPath(const QString& path) { Script(Answer{path.isEmpty() ? IDCANCEL : IDOK, path}); }
    [[nodiscard]] const QList<Question>& Asked() const { return asked_; }
    void Clear() {
        asked_.clear();
        script_.clear();
    }
    Answer Ask(const Question& question) override;

private:
    std::deque<Answer> script_;
    QList<Question> asked_;
};

// Installs a service for the lifetime of a scope (tests).
class ScopedQuestions {
public:
    explicit ScopedQuestions(UserQuestions& service) : previous_(InstallQuestions(&service)) {}
    ScopedQuestions(const ScopedQuestions&) = delete;
    ScopedQuestions& operator=(const ScopedQuestions&) = delete;
    ~ScopedQuestions() { InstallQuestions(previous_); }

private:
    UserQuestions* previous_;
};

} // namespace tarvelo::platform
