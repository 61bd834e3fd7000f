#include "controls/CMessageBoxTemplate.h"

#include "controls/MessageBoxBackground.h"
#include "platform/MessageBoxStyles.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace tarvelo::controls {

using namespace platform;

QIcon CMessageBoxTemplate::SystemIcon(unsigned style) {
    QStyle* s = QApplication::style();
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND:
        return s->standardIcon(QStyle::SP_MessageBoxCritical);
    case MB_ICONQUESTION:
        return s->standardIcon(QStyle::SP_MessageBoxQuestion);
    case MB_ICONEXCLAMATION:
        return s->standardIcon(QStyle::SP_MessageBoxWarning);
    case MB_ICONINFORMATION:
        return s->standardIcon(QStyle::SP_MessageBoxInformation);
    default:
        return {};
    }
}

QString CMessageBoxTemplate::BodyMarkupFor(const QString& text, unsigned style, quint64 iconHandle) {
    const QString inner = (style & MB_RIGHT) != 0 ? QStringLiteral("<right>%1</right>").arg(text) : text;
    if ((style & MB_ICONMASK) == 0) {
        return inner;
    }
    return QStringLiteral(
               "<table cellpadding=%1><tr><td width=%2><icon handle=0x%3></td><td>%4</td></tr></table>")
        .arg(5)
        .arg(CMarkupDrawer::kIconSize)
        .arg(QString::number(iconHandle, 16).toUpper(), inner);
}

CMessageBoxTemplate::CMessageBoxTemplate(const MessageBoxParams& params)
    : QDialog(params.owner.data()), params_(params) {
    setObjectName(QStringLiteral("appMessageBox"));
    setModal(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setWindowTitle(params.caption);

    // Body: the text inside the icon table, measured by the mark-up renderer.
    quint64 handle = 0;
    const QIcon icon = SystemIcon(params.style);
    if (!icon.isNull()) {
        static QHash<unsigned, quint64> handles;
        const unsigned kind = params.style & MB_ICONMASK;
        if (!handles.contains(kind)) {
            handles.insert(kind, CMarkupDrawer::RegisterIcon(icon));
        }
        handle = handles.value(kind);
    }
    body_ = BodyMarkupFor(params.text, params.style, handle);
    bodySize_ = drawer_.Measure(body_);
    const QSize bodyArea = bodySize_ + QSize(2 * kMargin, 2 * kMargin);

    // Buttons: all as large as the largest caption needs, and at least 80 x 23.
    const bool yesNo = (params.style & MB_TYPEMASK) == MB_YESNO;
    const QList<std::pair<QString, int>> set =
        yesNo ? QList<std::pair<QString, int>>{{QStringLiteral("Yes"), IDYES}, {QStringLiteral("No"), IDNO}}
              : QList<std::pair<QString, int>>{{QStringLiteral("OK"), IDOK}};
    const QFont font = QApplication::font();
    const QFontMetrics fm(font);
    int captionWidth = 0;
    int captionHeight = 0;
    for (const auto& [caption, id] : set) {
        const QRect r = fm.boundingRect(caption);
        captionWidth = std::max(captionWidth, r.width());
        captionHeight = std::max(captionHeight, fm.height());
    }
    const int buttonWidth = std::max(captionWidth * 80 / 45, kMinButtonWidth);
    const int buttonHeight = std::max(captionHeight * 23 / 13, kMinButtonHeight);
    int defaultIndex = static_cast<int>((params.style & MB_DEFMASK) >> 8);
    if (defaultIndex >= set.size()) {
        defaultIndex = 0;
    }
    for (qsizetype i = 0; i < set.size(); ++i) {
        auto* button = new QPushButton(set[i].first, this);
        button->setObjectName(QStringLiteral("button%1").arg(set[i].second));
        button->setFont(font);
        button->setFixedSize(buttonWidth, buttonHeight);
        const int id = set[i].second;
        connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
        if (i == defaultIndex) {
            button->setDefault(true);
            button->setFocus();
        } else {
            button->setAutoDefault(false);
        }
        buttons_.append(button);
    }

    const int n = static_cast<int>(buttons_.size());
    const int clientWidth = std::max(bodyArea.width(), kButtonGap + n * (kButtonGap + buttonWidth));
    const int clientHeight = bodyArea.height() + buttonHeight + kButtonGap;
    setFixedSize(clientWidth, clientHeight);

    // Yes/No has no Cancel: the close box is removed and Esc does nothing.
    dismissable_ = !yesNo;
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;
    if (dismissable_) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    setWindowFlags(flags);

    // Centred over the parent window, or the screen without one.
    const QWidget* parent = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    QRect over;
    if (parent != nullptr) {
        over = parent->frameGeometry();
    } else if (const QScreen* screen = QApplication::primaryScreen()) {
        over = screen->geometry();
    }
    move(over.x() + (over.width() - clientWidth) / 2, over.y() + (over.height() - clientHeight) / 2);

    // One centred row whose bottom lies 11 pixels above the client bottom.
    const int rowWidth = n * (buttonWidth + kButtonGap) - kButtonGap;
    int x = (params.buttonAlign & Qt::AlignLeft)    ? kButtonGap
            : (params.buttonAlign & Qt::AlignRight) ? clientWidth - rowWidth - kButtonGap
                                                    : (clientWidth - rowWidth) / 2;
    const int y = clientHeight - kButtonGap - buttonHeight;
    for (QPushButton* button : buttons_) {
        button->move(x, y);
        x += buttonWidth + kButtonGap;
    }
    setResult(IDCANCEL);
}

int CMessageBoxTemplate::Run() {
    QApplication::beep();
    const int answer = exec();
    return answer == 0 ? IDCANCEL : answer;
}

void CMessageBoxTemplate::reject() {
    if (dismissable_) {
        done(IDCANCEL);
    }
}

void CMessageBoxTemplate::paintEvent(QPaintEvent*) {
    if (background_.size() != size()) {
        background_ = RenderBackground(size(), params_.bodyColours[0], params_.bodyColours[1]);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
    drawer_.Render(QRect(kMargin, kMargin, width() - 2 * kMargin, bodySize_.height()), painter);
}

void CMessageBoxTemplate::mouseMoveEvent(QMouseEvent* event) {
    setCursor(drawer_.LinkAt(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CMessageBoxTemplate::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        drawer_.ClickLink(event->position().toPoint());
    }
}

} // namespace tarvelo::controls
