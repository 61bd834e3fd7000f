#include "controls/AppMessageBox.h"

#include "controls/CMessageBoxTemplate.h"
#include "platform/ProductInfo.h"
#include "platform/UserQuestions.h"

#include <QApplication>

namespace tarvelo::controls {

int AppMessageBox(QWidget* owner, const QString& text, unsigned style) {
    if (owner == nullptr) {
        owner = QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget()
                                                             : QApplication::activeWindow();
    }
    platform::Question question;
    question.kind = platform::Question::Kind::AppMessage;
    question.owner = owner;
    question.text = text;
    question.caption = QString::fromLatin1(platform::kAppTitle);
    question.style = style;
    question.show = [&question] {
        MessageBoxParams params;
        params.owner = question.owner;
        params.caption = question.caption;
        params.text = question.text;
        params.style = question.style;
        CMessageBoxTemplate box(params);
        return box.Run();
    };
    return platform::Questions().Ask(question).button;
}

} // namespace tarvelo::controls
