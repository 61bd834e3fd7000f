#include "app/VisualLook.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace tarvelo::app {

namespace {

struct SchemeColours {
    const char* frame;     // window background around the panes
    const char* ribbonTop; // ribbon body gradient
    const char* ribbonBottom;
    const char* strip; // tab strip
    const char* stripBottom;
    const char* border;
    const char* text;         // captions
    const char* panelCaption; // panel caption band
    const char* paneTitle;    // dock pane title gradient
    const char* paneTitleBottom;
    const char* highlight;
    const char* hover;
};

constexpr SchemeColours kBlue{"#bfdbff", "#f2f7fd", "#c7dbf3", "#bcd4f2", "#d8e6f7", "#8db2e3",
                              "#15428b", "#c2d8f1", "#e4eefb", "#c1d5f0", "#fcd26e", "#fde9a9"};
constexpr SchemeColours kSilver{"#e1e4ea", "#f7f8fa", "#dcdfe6", "#d7dbe2", "#eceef2", "#a7acb6",
                                "#3f4650", "#d4d8e0", "#f2f3f6", "#d5d9e0", "#fcd26e", "#fde9a9"};

const SchemeColours& ColoursOf(ColourScheme scheme) {
    return scheme == ColourScheme::Silver ? kSilver : kBlue;
}

QString Fill(QString sheet, const SchemeColours& c) {
    const std::pair<const char*, const char*> keys[] = {
        {"@frame", c.frame},
        {"@ribbonTop", c.ribbonTop},
        {"@ribbonBottom", c.ribbonBottom},
        {"@stripBottom", c.stripBottom},
        {"@strip", c.strip},
        {"@border", c.border},
        {"@text", c.text},
        {"@panelCaption", c.panelCaption},
        {"@paneTitleBottom", c.paneTitleBottom},
        {"@paneTitle", c.paneTitle},
        {"@highlight", c.highlight},
        {"@hover", c.hover},
    };
    for (const auto& [key, value] : keys) {
        sheet.replace(QLatin1String(key), QLatin1String(value));
    }
    return sheet;
}

} // namespace

ColourScheme SchemeAfterLook(ColourScheme current, unsigned lookId) {
    return lookId == kSilverLookId ? ColourScheme::Silver : current;
}

QString StyleSheetFor(ColourScheme scheme) {
    static const QString kSheet = QStringLiteral(R"(
QMainWindow { background: @frame; }
QMainWindow::separator { background: @frame; width: 4px; height: 4px; }
#ribbon { background: @frame; }
#ribbonTabStrip { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 @stripBottom, stop:1 @strip); }
#ribbonCategoryTab { color: @text; font-weight: bold; padding: 2px 10px;
  background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #ffffff, stop:1 @ribbonTop);
  border: 1px solid @border; border-bottom: none; border-top-left-radius: 4px; border-top-right-radius: 4px; }
#ribbonBody { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 @ribbonTop, stop:1 @ribbonBottom);
  border-top: 1px solid @border; border-bottom: 1px solid @border; }
#ribbonPanel { border: 1px solid @border; border-radius: 3px;
  background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #ffffff, stop:0.7 @ribbonTop, stop:1 @ribbonBottom); }
#ribbonPanelCaption { color: @text; background: @panelCaption; padding: 1px 4px;
  border-bottom-left-radius: 3px; border-bottom-right-radius: 3px; }
#ribbon QToolButton { color: @text; border: 1px solid transparent; border-radius: 3px; padding: 2px; }
#ribbon QToolButton:hover { border-color: #e0b34c;
  background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #fffbe8, stop:1 @hover); }
#ribbon QToolButton:pressed { background: @highlight; }
#ribbon QToolButton:disabled { color: #8d8d8d; }
#ribbon #ribbonApplicationButton, #ribbon #ribbonApplicationButton:hover { border: none; background: transparent; }
QDockWidget { color: @text; font-weight: bold; }
QDockWidget::title { padding: 4px 6px; border: 1px solid @border;
  background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 @paneTitle, stop:1 @paneTitleBottom); }
QDockWidget > QWidget { font-weight: normal; }
QTreeView, QListView { background: #ffffff; selection-background-color: @highlight; selection-color: #000000;
  font-weight: normal; }
QTreeView#fileList::item { border-right: 1px solid #dfe6ef; border-bottom: 1px solid #dfe6ef; padding: 1px; }
QHeaderView::section { color: @text; padding: 3px 6px; border: none; border-right: 1px solid @border;
  border-bottom: 1px solid @border;
  background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #ffffff, stop:1 @ribbonBottom); }
QTabWidget::pane { border: 1px solid @border; background: #ffffff; }
QTabBar::tab { color: @text; padding: 3px 14px; border: 1px solid @border; margin-right: 1px;
  background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 @ribbonTop, stop:1 @ribbonBottom); }
QTabBar::tab:selected { background: #ffffff; font-weight: bold; }
QStatusBar { color: @text; border-top: 1px solid @border;
  background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 @ribbonTop, stop:1 @ribbonBottom); }
QStatusBar::item { border: none; }
QStatusBar QLabel { color: @text; padding: 0 6px; }
QStatusBar QToolButton { color: @text; padding: 1px 10px; border: 1px solid @border; border-radius: 3px; }
QProgressBar { border: 1px solid @border; border-radius: 2px; background: #ffffff; }
QProgressBar::chunk { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #9be07d, stop:1 #3ea823); }
QLabel#fileViewer { background: #ffffff; color: #000000; }
)");
    return Fill(kSheet, ColoursOf(scheme));
}

void ApplyColourScheme(ColourScheme scheme) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    const SchemeColours& c = ColoursOf(scheme);
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, QColor(QLatin1String(c.frame)));
    palette.setColor(QPalette::Button, QColor(QLatin1String(c.ribbonBottom)));
    palette.setColor(QPalette::Highlight, QColor(QLatin1String(c.highlight)));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Mid, QColor(QLatin1String(c.border)));
    palette.setColor(QPalette::Link, QColor(QLatin1String(c.text)));
    QApplication::setPalette(palette);
    qApp->setStyleSheet(StyleSheetFor(scheme));
}

} // namespace tarvelo::app
