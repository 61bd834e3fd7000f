// The status bar: an ordered list of elements (link, separators, panes, progress bar, button) that can
// be appended and removed by id, with an extended (right-hand) area. It offers no context menu.
#pragma once

#include <QList>
#include <QPointer>
#include <QStatusBar>

class QLabel;
#include <QProgressBar>

namespace tarvelo::app {

class CKestroRibbonStatusBarCls : public QStatusBar {
    Q_OBJECT
public:
    enum class Kind { Link, Separator, Pane, ProgressBar, Button };
    struct Element {
        int id = 0; // 0 for separators
        Kind kind = Kind::Pane;
        QString name; // the element's name in the bar's element list
        QPointer<QWidget> widget;
        bool extended = false;
    };

    explicit CKestroRibbonStatusBarCls(QWidget* parent = nullptr);

    void AddLink(int id, const QString& label, const QString& link, const QString& name);
    QWidget* AddSeparator();
    void AddExtendedPane(int id, const QString& text, const QString& name);
    // widthText only sizes the pane; the pane shows nothing until a text is set.
    void AddPane(int id, const QString& widthText, const QString& name);
    QProgressBar* AddProgressBar(int id, int width, int height, const QString& name);
    void AddButton(int id, const QString& caption, const QString& name);

    void RemoveElementById(int id);
    void RemoveElement(QWidget* widget);

    [[nodiscard]] const QList<Element>& Elements() const { return elements_; }
    [[nodiscard]] QWidget* FindElement(int id) const;
    void SetPaneText(int id, const QString& text);

Q_SIGNALS:
    // A link or button element was clicked.
    void commandTriggered(int id);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Append(Element element);
    QList<Element> elements_;
};

} // namespace tarvelo::app
