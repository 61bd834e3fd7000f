#include "app/CKestroMFCRibboBarCls.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvelo::app {

namespace {
constexpr int kTabStripHeight = 26;
constexpr int kAppButtonSize = 42;
} // namespace

CKestroMFCRibboBarCls::CKestroMFCRibboBarCls(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ribbon"));
    setContextMenuPolicy(Qt::PreventContextMenu);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    tabStrip_ = new QWidget(this);
    tabStrip_->setObjectName(QStringLiteral("ribbonTabStrip"));
    tabStrip_->setFixedHeight(kTabStripHeight);
    auto* strip = new QHBoxLayout(tabStrip_);
    strip->setContentsMargins(kAppButtonSize + 14, 3, 0, 0);
    category_ = new QLabel(tabStrip_);
    category_->setObjectName(QStringLiteral("ribbonCategoryTab"));
    category_->setAlignment(Qt::AlignCenter);
    strip->addWidget(category_);
    strip->addStretch(1);
    column->addWidget(tabStrip_);

    body_ = new QWidget(this);
    body_->setObjectName(QStringLiteral("ribbonBody"));
    body_->setAttribute(Qt::WA_StyledBackground);
    panels_ = new QHBoxLayout(body_);
    panels_->setContentsMargins(kAppButtonSize + 12, 3, 4, 3); // room for the round button
    panels_->setSpacing(3);
    panels_->addStretch(1);
    column->addWidget(body_);

    appButton_ = new QToolButton(this);
    appButton_->setObjectName(QStringLiteral("ribbonApplicationButton"));
    appButton_->setFixedSize(kAppButtonSize, kAppButtonSize);
    appButton_->setIconSize(QSize(kAppButtonSize, kAppButtonSize));
    appButton_->setAutoRaise(true);
    appButton_->setText(QStringLiteral("\nf")); // no label, key tip "f"
    appButton_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    appButton_->move(5, 2);
    appButton_->raise();
}

void CKestroMFCRibboBarCls::SetApplicationButton(const QPixmap& image, const QString& toolTip) {
    appButton_->setIcon(QIcon(image));
    appButton_->setToolTip(toolTip);
}

void CKestroMFCRibboBarCls::SetCategory(const QString& name) {
    category_->setText(name);
    category_->setMinimumWidth(category_->fontMetrics().horizontalAdvance(name) + 28);
}

QWidget* CKestroMFCRibboBarCls::AddPanel(const QString& caption, const QPixmap& icon) {
    auto* panel = new QWidget(body_);
    panel->setObjectName(QStringLiteral("ribbonPanel"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setProperty("panelIconSize", icon.size());
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(2, 2, 2, 0);
    column->setSpacing(0);
    auto* buttons = new QWidget(panel);
    buttons->setObjectName(QStringLiteral("ribbonPanelButtons"));
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(1);
    column->addWidget(buttons, 1);
    auto* label = new QLabel(caption, panel);
    label->setObjectName(QStringLiteral("ribbonPanelCaption"));
    label->setAlignment(Qt::AlignCenter);
    column->addWidget(label);
    panel->setToolTip(QString());
    panel->setWindowTitle(caption);
    panels_->insertWidget(panels_->count() - 1, panel);
    return buttons;
}

QToolButton* CKestroMFCRibboBarCls::AddButton(QWidget* panel, QAction* action) {
    auto* button = new QToolButton(panel);
    button->setObjectName(QStringLiteral("ribbonButton%1").arg(action->data().toInt()));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setAutoRaise(true);
    button->setMinimumSize(52, 66);
    panel->layout()->addWidget(button);
    return button;
}

void CKestroMFCRibboBarCls::contextMenuEvent(QContextMenuEvent* event) {
    event->accept(); // no quick access toolbar menu
}

void CKestroMFCRibboBarCls::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    appButton_->raise();
}

} // namespace tarvelo::app
