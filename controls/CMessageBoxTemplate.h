// The application's own modal message box: caption, system icon, the text read as mark-up on a shaded
// background, and a centred row of equally sized push buttons. Yes/No boxes cannot be dismissed by Esc
// or the close box; an OK box answers IDCANCEL to them.
#pragma once

#include "controls/CMarkupDrawer.h"
#include "controls/MessageBoxParams.h"

#include <QDialog>
#include <QImage>
#include <QList>

class QPushButton;

namespace tarvelo::controls {

class CMessageBoxTemplate : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMargin = 14;
    static constexpr int kButtonGap = 11;
    static constexpr int kMinButtonWidth = 80;
    static constexpr int kMinButtonHeight = 23;

    // Builds the whole box (the work done when the dialog initialises); Run() shows it.
    explicit CMessageBoxTemplate(const MessageBoxParams& params);

    // Beeps, runs the box modally and returns the identifier of the button pressed (or IDCANCEL).
    int Run();

    [[nodiscard]] const QList<QPushButton*>& Buttons() const { return buttons_; }
    [[nodiscard]] const QString& BodyMarkup() const { return body_; }
    [[nodiscard]] QSize BodySize() const { return bodySize_; }
    [[nodiscard]] bool Dismissable() const { return dismissable_; }

    // "<table ...><icon handle=0x..>...": the body of a text in a style.
    static QString BodyMarkupFor(const QString& text, unsigned style, quint64 iconHandle);
    static QIcon SystemIcon(unsigned style);

public Q_SLOTS:
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    MessageBoxParams params_;
    QString body_;
    QSize bodySize_;
    CMarkupDrawer drawer_;
    QList<QPushButton*> buttons_;
    bool dismissable_ = true;
    QImage background_;
};

} // namespace tarvelo::controls
