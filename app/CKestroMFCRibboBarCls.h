// The ribbon: the round application button, one category tab and panels of large buttons, built from
// plain widgets. It has no quick access toolbar and offers no context menu.
#pragma once

#include <QWidget>

class QAction;
class QHBoxLayout;
class QLabel;
class QToolButton;

namespace tarvelo::app {

class CKestroMFCRibboBarCls : public QWidget {
    Q_OBJECT
public:
    explicit CKestroMFCRibboBarCls(QWidget* parent = nullptr);

    void SetApplicationButton(const QPixmap& image, const QString& toolTip);
    void SetCategory(const QString& name);
    // Returns the panel's button row.
    QWidget* AddPanel(const QString& caption, const QPixmap& icon);
    QToolButton* AddButton(QWidget* panel, QAction* action);

    [[nodiscard]] QToolButton* ApplicationButton() const { return appButton_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* appButton_;
    QWidget* tabStrip_;
    QWidget* body_;
    QHBoxLayout* panels_;
    QLabel* category_;
};

} // namespace tarvelo::app
