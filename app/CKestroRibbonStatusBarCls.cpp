#include "app/CKestroRibbonStatusBarCls.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

namespace tarvelo::app {

CKestroRibbonStatusBarCls::CKestroRibbonStatusBarCls(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("statusBar"));
    setSizeGripEnabled(true);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void CKestroRibbonStatusBarCls::Append(Element element) {
    element.widget->setContextMenuPolicy(Qt::PreventContextMenu);
    if (element.extended) {
        addPermanentWidget(element.widget);
    } else {
        // Left-hand elements keep their order: each goes after the last left-hand one.
        int index = 0;
        for (const Element& e : elements_) {
            index += e.extended ? 0 : 1;
        }
        insertWidget(index, element.widget);
    }
    element.widget->show();
    elements_.append(element);
}

void CKestroRibbonStatusBarCls::AddLink(int id, const QString& label, const QString& link,
                                        const QString& name) {
    auto* widget = new QLabel(this);
    widget->setObjectName(QStringLiteral("statusLink"));
    widget->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(link.toHtmlEscaped(), label.toHtmlEscaped()));
    widget->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    widget->setProperty("commandId", id);
    // The link runs the command instead of opening the address itself.
    connect(widget, &QLabel::linkActivated, this, [this, id] { Q_EMIT commandTriggered(id); });
    Append(Element{id, Kind::Link, name, widget, false});
}

QWidget* CKestroRibbonStatusBarCls::AddSeparator() {
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("statusSeparator"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    Append(Element{0, Kind::Separator, {}, line, false});
    return line;
}

void CKestroRibbonStatusBarCls::AddExtendedPane(int id, const QString& text, const QString& name) {
    auto* pane = new QLabel(text, this);
    pane->setObjectName(QStringLiteral("statusPane%1").arg(id));
    pane->setProperty("commandId", id);
    Append(Element{id, Kind::Pane, name, pane, true});
}

void CKestroRibbonStatusBarCls::AddPane(int id, const QString& widthText, const QString& name) {
    auto* pane = new QLabel(this);
    pane->setObjectName(QStringLiteral("statusPane%1").arg(id));
    pane->setProperty("commandId", id);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widthText) + 8);
    Append(Element{id, Kind::Pane, name, pane, false});
}

QProgressBar* CKestroRibbonStatusBarCls::AddProgressBar(int id, int width, int height, const QString& name) {
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("statusProgress"));
    bar->setProperty("commandId", id);
    bar->setRange(0, 1000);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setFixedSize(width, height);
    Append(Element{id, Kind::ProgressBar, name, bar, false});
    return bar;
}

void CKestroRibbonStatusBarCls::AddButton(int id, const QString& caption, const QString& name) {
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("statusButton%1").arg(id));
    button->setProperty("commandId", id);
    button->setText(caption);
    button->setToolTip(name);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, [this, id] { Q_EMIT commandTriggered(id); });
    Append(Element{id, Kind::Button, name, button, false});
}

void CKestroRibbonStatusBarCls::RemoveElement(QWidget* widget) {
    for (qsizetype i = 0; i < elements_.size(); ++i) {
        if (elements_[i].widget == widget) {
            removeWidget(widget);
            widget->deleteLater();
            widget->hide();
            elements_.removeAt(i);
            return;
        }
    }
}

void CKestroRibbonStatusBarCls::RemoveElementById(int id) {
    if (QWidget* widget = FindElement(id)) {
        RemoveElement(widget);
    }
}

QWidget* CKestroRibbonStatusBarCls::FindElement(int id) const {
    for (const Element& e : elements_) {
        if (e.id == id && id != 0) {
            return e.widget;
        }
    }
    return nullptr;
}

void CKestroRibbonStatusBarCls::SetPaneText(int id, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(FindElement(id))) {
        label->setText(text);
    }
}

void CKestroRibbonStatusBarCls::contextMenuEvent(QContextMenuEvent* event) {
    event->accept(); // no customisation menu
}

} // namespace tarvelo::app
