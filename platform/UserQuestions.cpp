#include "platform/UserQuestions.h"

#include "platform/MessageBoxStyles.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace tarvelo::platform {

namespace {

QMessageBox::Icon IconFor(unsigned style) {
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int RunPlainMessageBox(const Question& q) {
    QMessageBox box(IconFor(q.style), q.caption, q.text, QMessageBox::NoButton, q.owner.data());
    if ((q.style & MB_TYPEMASK) == MB_YESNO) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Ok:
        return IDOK;
    default:
        return IDCANCEL;
    }
}

Answer PathAnswer(const QString& path) {
    return Answer{path.isEmpty() ? IDCANCEL : IDOK, path};
}

class RealQuestions : public UserQuestions {
public:
    Answer Ask(const Question& q) override {
        switch (q.kind) {
        case Question::Kind::AppMessage:
            return Answer{q.show ? q.show() : IDCANCEL, {}};
        case Question::Kind::PlainMessage:
            return Answer{RunPlainMessageBox(q), {}};
        case Question::Kind::OpenFile:
            return PathAnswer(QFileDialog::getOpenFileName(q.owner.data(), q.text, q.initialPath, q.filter));
        case Question::Kind::SaveFile:
            return PathAnswer(QFileDialog::getSaveFileName(q.owner.data(), q.text, q.initialPath, q.filter));
        case Question::Kind::Folder:
            return PathAnswer(QFileDialog::getExistingDirectory(q.owner.data(), q.text, q.initialPath));
        }
        return Answer{IDCANCEL, {}};
    }
};

RealQuestions g_real;
UserQuestions* g_current = &g_real;

} // namespace

UserQuestions& Questions() {
    return *g_current;
}

UserQuestions* InstallQuestions(UserQuestions* service) {
    UserQuestions* previous = g_current == &g_real ? nullptr : g_current;
    g_current = service != nullptr ? service : &g_real;
    return previous;
}

int PlainMessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned style) {
    Question q;
    q.kind = Question::Kind::PlainMessage;
    q.owner = owner;
    q.text = text;
    q.caption = caption;
    q.style = style;
    return Questions().Ask(q).button;
}

namespace {
QString AskPath(Question::Kind kind, QWidget* owner, const QString& title, const QString& filter,
                const QString& initial) {
    Question q;
    q.kind = kind;
    q.owner = owner;
    q.text = title;
    q.filter = filter;
    q.initialPath = initial;
    return Questions().Ask(q).path;
}
} // namespace

QString OpenFileName(QWidget* owner, const QString& title, const QString& filter, const QString& initial) {
    return AskPath(Question::Kind::OpenFile, owner, title, filter, initial);
}

QString SaveFileName(QWidget* owner, const QString& title, const QString& filter, const QString& initial) {
    return AskPath(Question::Kind::SaveFile, owner, title, filter, initial);
}

QString FolderName(QWidget* owner, const QString& title, const QString& initial) {
    return AskPath(Question::Kind::Folder, owner, title, {}, initial);
}

Answer ScriptedQuestions::Ask(const Question& question) {
    asked_.append(question);
    if (script_.empty()) {
        return Answer{IDCANCEL, {}};
    }
    Answer answer = std::move(script_.front());
    script_.pop_front();
    return answer;
}

} // namespace tarvelo::platform
