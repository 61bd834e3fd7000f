#include "controls/AppMessageBox.h"
#include "controls/CMarkupDrawer.h"
#include "controls/CMessageBoxTemplate.h"
#include "controls/MessageBoxBackground.h"
#include "platform/MessageBoxStyles.h"
#include "platform/UserQuestions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>

namespace tarvelo::controls {
namespace {

using namespace platform;

QFont BodyFont() {
    CMarkupDrawer drawer; // installs the Verdana substitute where needed
    markup::StyleSheet sheet;
    sheet.Load(markup::StyleSheet::DefaultText());
    markup::TextStyle style;
    sheet.ApplyRule(u"body", style);
    return CMarkupDrawer::FontFor(style);
}

TEST(MarkupDrawer, MeasurementIsTheLaidOutTextPlusOnePixel) {
    CMarkupDrawer drawer;
    const QFontMetrics fm(BodyFont());
    EXPECT_EQ(drawer.Measure(QString()), QSize(0, 0));
    EXPECT_EQ(drawer.Measure(QStringLiteral("Hello")),
              QSize(fm.horizontalAdvance(QStringLiteral("Hello")) + 1, fm.height() + 1));
    // Two lines: as wide as the longer one, two lines high; "br" and a line feed break alike.
    const QString longer = QStringLiteral("a much longer second line");
    for (const QString& text : {QStringLiteral("short\na much longer second line"),
                                QStringLiteral("short<br>a much longer second line")}) {
        EXPECT_EQ(drawer.Measure(text), QSize(fm.horizontalAdvance(longer) + 1, 2 * fm.height() + 1))
            << text.toStdString();
    }
    // Entities around b give the characters, and no bold text.
    EXPECT_EQ(drawer.Measure(QStringLiteral("&lt;b&gt;x&lt;/b&gt;")).width(),
              fm.horizontalAdvance(QStringLiteral("<b>x</b>")) + 1);
    for (const auto& item : drawer.Layout().items) {
        EXPECT_FALSE(item.font.bold());
    }
    // Real bold is wider than plain.
    EXPECT_GT(drawer.Measure(QStringLiteral("<b>WWWW</b>")).width(),
              fm.horizontalAdvance(QStringLiteral("WWWW")) + 1);
    // Text is Verdana 10 pt black (or its metric-compatible substitute).
    drawer.Measure(QStringLiteral("x"));
    ASSERT_EQ(drawer.Layout().items.size(), 1);
    EXPECT_EQ(drawer.Layout().items[0].font.pointSizeF(), 10.0);
    EXPECT_EQ(drawer.Layout().items[0].colour, QColor(Qt::black));
}

TEST(MarkupDrawer, RightAndCentreAlignPerLineAndTabsAdvanceToStops) {
    CMarkupDrawer drawer;
    const QFontMetrics fm(BodyFont());
    drawer.Measure(QStringLiteral("<right>ab\nabcdefgh</right>"));
    const auto& items = drawer.Layout().items;
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].box.right(), items[1].box.right()) << "both lines end at the right edge";
    drawer.Measure(QStringLiteral("<center>ab\nabcdefgh</center>"));
    const auto& centred = drawer.Layout().items;
    EXPECT_NEAR(centred[0].box.center().x(), centred[1].box.center().x(), 1);
    drawer.Measure(QStringLiteral("x\t\ty"));
    const auto& tabbed = drawer.Layout().items;
    EXPECT_EQ(tabbed.last().box.left(), 64) << "two tabs: the first completes the partial stop";
}

TEST(MarkupDrawer, IconTableBodyPlacesTheIconCellBeforeTheText) {
    CMarkupDrawer drawer;
    const quint64 handle =
        CMarkupDrawer::RegisterIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation));
    const QString body = CMessageBoxTemplate::BodyMarkupFor(QStringLiteral("Hi"), MB_ICONINFORMATION, handle);
    EXPECT_EQ(body,
              QStringLiteral(
                  "<table cellpadding=5><tr><td width=32><icon handle=0x%1></td><td>Hi</td></tr></table>")
                  .arg(QString::number(handle, 16).toUpper()));
    const QFontMetrics fm(BodyFont());
    const QSize size = drawer.Measure(body);
    EXPECT_EQ(size.width(), (32 + 10) + (fm.horizontalAdvance(QStringLiteral("Hi")) + 10) + 1);
    EXPECT_EQ(size.height(), 32 + 10 + 1);
    bool icon = false;
    for (const auto& item : drawer.Layout().items) {
        if (item.kind == CMarkupDrawer::Item::Kind::Icon) {
            icon = true;
            EXPECT_EQ(item.box, QRect(5, 5, 32, 32));
            EXPECT_FALSE(item.icon.isNull());
        } else if (item.kind == CMarkupDrawer::Item::Kind::Text) {
            EXPECT_EQ(item.box.left(), 42 + 5);
        }
    }
    EXPECT_TRUE(icon);
    EXPECT_EQ(CMessageBoxTemplate::BodyMarkupFor(QStringLiteral("t"), MB_OK | MB_RIGHT, 0),
              QStringLiteral("<right>t</right>"));
}

// Whatever the text, laying it out and drawing it ends: deep nesting, unclosed and stray tags,
// malformed attributes and random soups of the vocabulary.
TEST(MarkupDrawer, HostileMarkupIsLaidOutAndDrawn) {
    QString nested;
    for (int i = 0; i < 3000; ++i)
        nested += QStringLiteral("<table cellpadding=99999999999><tr><td width=-5>");
    nested += QStringLiteral("deep");
    const QString pieces[] = {QStringLiteral("<table>"),
                              QStringLiteral("</table>"),
                              QStringLiteral("<tr>"),
                              QStringLiteral("</td>"),
                              QStringLiteral("<td colspan=0>"),
                              QStringLiteral("<b>"),
                              QStringLiteral("</i>"),
                              QStringLiteral("<font size=-99 color=#zz>"),
                              QStringLiteral("<icon handle=0xFFFFFFFFFFFFFFFF>"),
                              QStringLiteral("<right>"),
                              QStringLiteral("</center>"),
                              QStringLiteral("\t"),
                              QStringLiteral("\n"),
                              QStringLiteral("&amp;"),
                              QStringLiteral("<hr>"),
                              QStringLiteral("<a href=x>"),
                              QStringLiteral("word "),
                              QStringLiteral("<"),
                              QStringLiteral("&")};
    std::uint32_t seed = 7;
    QImage canvas(400, 300, QImage::Format_RGB32);
    QPainter painter(&canvas);
    CMarkupDrawer drawer;
    for (int round = 0; round < 200; ++round) {
        QString soup;
        for (int i = 0; i < 60; ++i) {
            seed = seed * 1664525u + 1013904223u;
            soup += pieces[(seed >> 16) % std::size(pieces)];
        }
        const QSize size = drawer.Measure(round == 0 ? nested : soup);
        EXPECT_GE(size.width(), 0);
        EXPECT_GE(size.height(), 0);
        drawer.Render(QRect(QPoint(0, 0), size), painter);
        static_cast<void>(drawer.LinkAt(QPoint(5, 5)));
    }
}

TEST(MessageBoxBackground, ColumnsFollowTheCubicPaletteCurve) {
    EXPECT_EQ(BackgroundIndex(0, 300), 0);
    EXPECT_EQ(BackgroundPaletteColour(0, QColor(213, 228, 242), QColor(237, 243, 250)),
              QColor(213, 228, 242));
    EXPECT_EQ(BackgroundPaletteColour(128, QColor(213, 228, 242), QColor(237, 243, 250)),
              QColor(237, 243, 250));
    EXPECT_EQ(BackgroundPaletteColour(255, QColor(213, 228, 242), QColor(237, 243, 250)),
              QColor(213, 228, 242));
    EXPECT_EQ(BackgroundIndex(150, 300), 128) << "flat in the middle";
    // d = floor(255 * 299 / 300) - 127 = 127, index 128 + floor(127^3 / 16384) = 128 + 125.
    EXPECT_EQ(BackgroundIndex(1, 300), 253);
    EXPECT_EQ(BackgroundIndex(299, 300), 128 + (0 - 127) * (0 - 127) * (0 - 127) / 16384);
    const QImage image = RenderBackground(QSize(300, 4), QColor(213, 228, 242), QColor(237, 243, 250));
    EXPECT_EQ(QColor(image.pixel(150, 2)), QColor(237, 243, 250));
    EXPECT_LT(QColor(image.pixel(299, 2)).red(), 220);
}

MessageBoxParams Params(const QString& text, unsigned style) {
    MessageBoxParams p;
    p.caption = QStringLiteral("Quorin Tarvelo v20.0");
    p.text = text;
    p.style = style;
    return p;
}

TEST(MessageBox, GeometryFollowsTheBodyAndTheButtonRule) {
    for (const unsigned style : {0x40u, 0x24u, 0x44u}) {
        for (const QString& text :
             {QStringLiteral("Short."),
              QStringLiteral(
                  "A much longer message that makes the box wider than its buttons need.\nSecond line.")}) {
            CMessageBoxTemplate box(Params(text, style));
            const auto& buttons = box.Buttons();
            const int n = static_cast<int>(buttons.size());
            ASSERT_EQ(n, (style & 0xF) == MB_YESNO ? 2 : 1);
            const QSize button = buttons[0]->size();
            EXPECT_GE(button.width(), 80);
            EXPECT_GE(button.height(), 23);
            for (const QPushButton* b : buttons) {
                EXPECT_EQ(b->size(), button);
                EXPECT_EQ(b->geometry().bottom() + 1, box.height() - 11);
            }
            const QSize body = box.BodySize() + QSize(28, 28);
            EXPECT_EQ(box.width(), std::max(body.width(), 11 + n * (11 + button.width())));
            EXPECT_EQ(box.height(), body.height() + button.height() + 11);
            const int row = buttons.last()->geometry().right() + 1 - buttons.first()->x();
            EXPECT_EQ(row, n * (button.width() + 11) - 11);
            EXPECT_EQ(buttons.first()->x(), (box.width() - row) / 2) << "the row is centred";
            EXPECT_TRUE(buttons[0]->isDefault());
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Quorin Tarvelo v20.0"));
        }
    }
    // Without an owner the box is centred on the screen.
    CMessageBoxTemplate box(Params(QStringLiteral("x"), 0x40));
    const QRect screen = QApplication::primaryScreen()->geometry();
    EXPECT_EQ(box.pos(), QPoint(screen.x() + (screen.width() - box.width()) / 2,
                                screen.y() + (screen.height() - box.height()) / 2));
}

TEST(MessageBox, EscapeAnswersCancelInAnOkBoxAndNothingInAYesNoBox) {
    {
        CMessageBoxTemplate ok(Params(QStringLiteral("x"), 0x40));
        ok.show();
        QTest::keyClick(&ok, Qt::Key_Escape);
        EXPECT_FALSE(ok.isVisible());
        EXPECT_EQ(ok.result(), IDCANCEL);
        EXPECT_TRUE(ok.windowFlags() & Qt::WindowCloseButtonHint);
    }
    CMessageBoxTemplate yesNo(Params(QStringLiteral("x"), 0x24));
    yesNo.show();
    QTest::keyClick(&yesNo, Qt::Key_Escape);
    yesNo.close();
    EXPECT_TRUE(yesNo.isVisible()) << "Esc and the close box do nothing";
    EXPECT_FALSE(yesNo.windowFlags() & Qt::WindowCloseButtonHint);
    yesNo.Buttons()[1]->click();
    EXPECT_EQ(yesNo.result(), IDNO);
    EXPECT_FALSE(yesNo.isVisible());
}

TEST(MessageBox, RunReturnsTheButtonPressed) {
    CMessageBoxTemplate box(Params(QStringLiteral("Do you want to stop recovering file(s)?"), 0x24));
    QTimer::singleShot(0, &box, [&box] { box.Buttons()[0]->click(); });
    EXPECT_EQ(box.Run(), IDYES);
}

TEST(AppMessageBox, GoesThroughTheQuestionsServiceWithTheTitleAsCaption) {
    ScriptedQuestions questions;
    ScopedQuestions scope(questions);
    questions.ScriptButton(IDYES);
    EXPECT_EQ(AppMessageBox(nullptr, QStringLiteral("Are you sure to close the application."), 0x44), IDYES);
    ASSERT_EQ(questions.Asked().size(), 1);
    EXPECT_EQ(questions.Asked()[0].kind, Question::Kind::AppMessage);
    EXPECT_EQ(questions.Asked()[0].caption, QStringLiteral("Quorin Tarvelo v20.0"));
    EXPECT_EQ(questions.Asked()[0].text, QStringLiteral("Are you sure to close the application."));
    EXPECT_EQ(questions.Asked()[0].style, 0x44u);
}

} // namespace
} // namespace tarvelo::controls
