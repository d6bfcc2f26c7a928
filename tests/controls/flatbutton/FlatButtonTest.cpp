#include "controls/flatbutton/FlatButton.h"

#include "controls/common/FailureGuard.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {
const QColor Background(0, 128, 128);
// The classic button face, highlight and shadow.
const QColor Face(192, 192, 192);
const QColor Highlight(255, 255, 255);
const QColor Shadow(128, 128, 128);
const QColor TextColor(200, 0, 0);
const QColor Unselected(0, 0, 255);
const QColor Olive(128, 128, 0);
const QColor Grey(100, 100, 100);
const QColor Black(0, 0, 0);

// 10 x 10 on transparent olive: a grey 6 x 6 block at (2, 2) with one black pixel at (4, 4).
QImage TestGlyph()
{
    QImage glyph(10, 10, QImage::Format_RGB32);
    glyph.fill(Olive);
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 8; ++x)
            glyph.setPixelColor(x, y, Grey);
    glyph.setPixelColor(4, 4, Black);
    return glyph;
}

// A shown window holding 40 x 30 buttons; its palette's 3-D roles are in other shades than the classic
// ones, which the buttons must not take. Without a caption the 10 x 10 glyph
// stands at (15, 10): grey block (17..22, 12..17), black pixel (19, 14).
class FlatButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_window.resize(300, 200);
        QPalette palette;
        palette.setColor(QPalette::Button, QColor(239, 239, 239));
        palette.setColor(QPalette::Light, QColor(250, 240, 100));
        palette.setColor(QPalette::Dark, QColor(159, 159, 159));
        palette.setColor(QPalette::Mid, QColor(184, 184, 184));
        palette.setColor(QPalette::WindowText, TextColor);
        m_window.setPalette(palette);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(12);
        font.setStyleStrategy(QFont::NoAntialias);
        m_window.setFont(font);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    TFlatButton *NewButton(QPoint position = {10, 10})
    {
        auto *button = new TFlatButton(&m_window);
        button->setGeometry(QRect(position, QSize(40, 30)));
        button->SetBitmap(TestGlyph());
        button->OnClick = [this](QObject *) { ++m_clicks; };
        button->show();
        return button;
    }

    // The button drawn over the background colour; it paints no background of its own.
    static QImage Render(TFlatButton *button)
    {
        QImage image(button->size(), QImage::Format_RGB32);
        image.fill(Background);
        button->render(&image, {}, {}, QWidget::DrawChildren);
        return image;
    }

    static void Enter(TFlatButton *button)
    {
        const QPointF inside(button->width() / 2, button->height() / 2);
        QEnterEvent enter(inside, button->mapTo(button->window(), inside), button->mapToGlobal(inside));
        QApplication::sendEvent(button, &enter);
    }

    static void Leave(TFlatButton *button)
    {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
    }

    static QPoint Centre(TFlatButton *button) { return button->rect().center(); }
    static QPoint Outside(TFlatButton *button) { return {button->width() + 20, button->height() / 2}; }

    QWidget m_window;
    int m_clicks = 0;
};

TEST_F(FlatButtonTest, ANewButtonIs50By40AndNeverTakesTheFocus)
{
    TFlatButton button;
    EXPECT_EQ(button.size(), QSize(50, 40));
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(button.Options(), TFlatButtonOption::boMonoDisplay | TFlatButtonOption::boPopupMark |
                                    TFlatButtonOption::boShowBevel);
}

TEST_F(FlatButtonTest, AtRestShowsTheShadedGlyphWithoutBevelOrBackground)
{
    TFlatButton *button = NewButton();
    const QImage image = Render(button);
    EXPECT_EQ(image.pixelColor(17, 12), Highlight); // grey under stMedium
    EXPECT_EQ(image.pixelColor(19, 14), Black);
    EXPECT_EQ(image.pixelColor(15, 10), Background); // the glyph's transparent olive
    EXPECT_EQ(image.pixelColor(0, 0), Background);
    EXPECT_EQ(image.pixelColor(5, 5), Background);
}

TEST_F(FlatButtonTest, ShadingTypeReshadesTheGlyphShownAtRest)
{
    TFlatButton *button = NewButton();
    button->SetShadingType(TFlatButtonShadingType::stLight);
    EXPECT_EQ(Render(button).pixelColor(17, 12), QColor(255, 255, 255));
}

TEST_F(FlatButtonTest, WithoutMonoDisplayTheFullColourGlyphShowsAtRest)
{
    TFlatButton *button = NewButton();
    button->SetOptions(TFlatButtonOption::boShowBevel);
    EXPECT_EQ(Render(button).pixelColor(17, 12), Grey);
}

TEST_F(FlatButtonTest, NoFocusBitmapReplacesTheShadedGlyphAtRest)
{
    TFlatButton *button = NewButton();
    QImage noFocus(10, 10, QImage::Format_RGB32);
    noFocus.fill(Black);
    noFocus.setPixelColor(5, 5, Unselected);
    button->SetNoFocusBitmap(noFocus);
    const QImage image = Render(button);
    EXPECT_EQ(image.pixelColor(20, 15), Unselected);
    EXPECT_EQ(image.pixelColor(17, 12), Background); // black is this picture's transparent colour
}

TEST_F(FlatButtonTest, HotShowsTheFullColourGlyph)
{
    TFlatButton *button = NewButton();
    Enter(button);
    EXPECT_EQ(Render(button).pixelColor(17, 12), Grey);
    Leave(button);
    EXPECT_EQ(Render(button).pixelColor(17, 12), Highlight);
}

TEST_F(FlatButtonTest, PressingMovesTheGlyphOnePixelDownRight)
{
    TFlatButton *button = NewButton();
    QTest::mousePress(button, Qt::LeftButton, {}, Centre(button));
    const QImage image = Render(button);
    EXPECT_EQ(image.pixelColor(23, 18), Grey);
    EXPECT_EQ(image.pixelColor(17, 12), Background);
    EXPECT_EQ(image.pixelColor(20, 15), Black);
    QTest::mouseRelease(button, Qt::LeftButton, {}, Centre(button));
}

struct BevelCase {
    const char *Name;
    TBevelStyle Style;
    bool Pressed;
    QColor TopLeft;
    QColor BottomRight;
};

class FlatButtonBevel : public FlatButtonTest, public testing::WithParamInterface<BevelCase> {};

TEST_P(FlatButtonBevel, DrawsBothPolylinesInTheColoursOfTheLook)
{
    const BevelCase &c = GetParam();
    TFlatButton *button = NewButton();
    button->SetBevelStyle(c.Style);
    Enter(button);
    if (c.Pressed)
        QTest::mousePress(button, Qt::LeftButton, {}, Centre(button));
    const QImage image = Render(button);
    const int right = button->width() - 1;
    const int bottom = button->height() - 1;
    EXPECT_EQ(image.pixelColor(0, 0), c.TopLeft);
    EXPECT_EQ(image.pixelColor(0, bottom), c.TopLeft); // the left column runs to the bottom
    EXPECT_EQ(image.pixelColor(right - 1, 0), c.TopLeft);
    EXPECT_EQ(image.pixelColor(right, 0), c.BottomRight); // the top row stops one short
    EXPECT_EQ(image.pixelColor(right, bottom), c.BottomRight);
    EXPECT_EQ(image.pixelColor(1, bottom), c.BottomRight);
    EXPECT_EQ(image.pixelColor(1, 1), Background);
    if (c.Pressed)
        QTest::mouseRelease(button, Qt::LeftButton, {}, Centre(button));
}

INSTANTIATE_TEST_SUITE_P(
    Looks, FlatButtonBevel,
    testing::Values(BevelCase{"RaisedStyleHot", TBevelStyle::bsRaised, false, Highlight, Shadow},
                    BevelCase{"RaisedStylePressed", TBevelStyle::bsRaised, true, Shadow, Highlight},
                    BevelCase{"LoweredStyleHot", TBevelStyle::bsLowered, false, Shadow, Highlight},
                    BevelCase{"LoweredStylePressed", TBevelStyle::bsLowered, true, Highlight, Shadow}),
    [](const testing::TestParamInfo<BevelCase> &info) { return std::string(info.param.Name); });

TEST_F(FlatButtonTest, WithoutShowBevelNoBevelIsDrawn)
{
    TFlatButton *button = NewButton();
    button->SetOptions(TFlatButtonOption::boMonoDisplay);
    Enter(button);
    EXPECT_EQ(Render(button).pixelColor(0, 0), Background);
    QTest::mousePress(button, Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(Render(button).pixelColor(0, 0), Background);
    QTest::mouseRelease(button, Qt::LeftButton, {}, Centre(button));
}

TEST_F(FlatButtonTest, ADownButtonIsFilledWithTheCheckerPattern)
{
    TFlatButton *button = NewButton();
    button->SetGroupIndex(1);
    button->SetDown(true);
    QImage image = Render(button);
    EXPECT_EQ(image.pixelColor(2, 2), Highlight);
    EXPECT_EQ(image.pixelColor(3, 2), Face);
    EXPECT_EQ(image.pixelColor(3, 3), Highlight);
    EXPECT_EQ(image.pixelColor(0, 5), Shadow);         // sunken bevel
    EXPECT_EQ(image.pixelColor(17 + 1, 12 + 1), Grey); // full-colour glyph, pressed offset
    button->SetShowDownPattern(false);
    image = Render(button);
    EXPECT_EQ(image.pixelColor(3, 2), Background);
    EXPECT_EQ(image.pixelColor(2, 2), Background);
}

TEST_F(FlatButtonTest, DisabledWithoutDisabledBitmapShowsTheBlackPixelsEngraved)
{
    TFlatButton *button = NewButton();
    button->SetEnabled(false);
    const QImage image = Render(button);
    EXPECT_EQ(image.pixelColor(19, 14), Shadow);
    EXPECT_EQ(image.pixelColor(20, 15), Highlight);
    EXPECT_EQ(image.pixelColor(17, 12), Background); // grey is not black: not drawn
    EXPECT_TRUE(button->isEnabled());                // the widget itself stays enabled
}

TEST_F(FlatButtonTest, DisabledGlyphWithoutBlackPixelsShowsNothing)
{
    TFlatButton *button = NewButton();
    QImage glyph = TestGlyph();
    glyph.setPixelColor(4, 4, Grey);
    button->SetBitmap(glyph);
    button->SetEnabled(false);
    const QImage image = Render(button);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixelColor(x, y), Background) << x << "," << y;
}

TEST_F(FlatButtonTest, DisabledBitmapIsDrawnTransparentlyWhenSet)
{
    TFlatButton *button = NewButton();
    QImage disabled(10, 10, QImage::Format_RGB32);
    disabled.fill(Face);
    disabled.setPixelColor(3, 3, Unselected);
    button->SetDisabledBitmap(disabled);
    button->SetEnabled(false);
    const QImage image = Render(button);
    EXPECT_EQ(image.pixelColor(18, 13), Unselected);
    EXPECT_EQ(image.pixelColor(19, 14), Background);
}

// The arrow of a drop-down button: glyph placed 10 pixels wider, so at (10, 10); anchor (23, 15).
TEST_F(FlatButtonTest, PopupMarkIsDrawnRightOfTheGlyphInTheCaptionColour)
{
    TFlatButton *button = NewButton();
    QMenu menu;
    button->SetDropDownMenu(&menu);
    button->SetUnselectedFontColor(Unselected);
    const QImage image = Render(button);
    EXPECT_EQ(image.pixelColor(12, 12), Highlight); // the glyph moved left for the mark
    const struct {
        int y, first, last;
    } rows[] = {{14, 23, 29}, {15, 24, 28}, {16, 25, 27}, {17, 26, 26}};
    for (const auto &row : rows) {
        EXPECT_EQ(image.pixelColor(row.first - 1, row.y), Background) << row.y;
        EXPECT_EQ(image.pixelColor(row.first, row.y), Unselected) << row.y;
        EXPECT_EQ(image.pixelColor(row.last, row.y), Unselected) << row.y;
        EXPECT_EQ(image.pixelColor(row.last + 1, row.y), Background) << row.y;
    }
    button->SetOptions(TFlatButtonOption::boMonoDisplay | TFlatButtonOption::boShowBevel);
    EXPECT_EQ(Render(button).pixelColor(23, 14), Background);
}
// Bounding box of the pixels of `color` in `image`; null when there are none.
QRect InkOf(const QImage &image, const QColor &color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(FlatButtonTest, CaptionIsInUnselectedColourAtRestAndInTheFontColourWhenHot)
{
    TFlatButton *button = NewButton();
    button->SetCaption(QStringLiteral("Go"));
    button->SetUnselectedFontColor(Unselected);
    EXPECT_FALSE(InkOf(Render(button), Unselected).isNull());
    EXPECT_TRUE(InkOf(Render(button), TextColor).isNull());
    Enter(button);
    EXPECT_FALSE(InkOf(Render(button), TextColor).isNull());
    EXPECT_TRUE(InkOf(Render(button), Unselected).isNull());
}

TEST_F(FlatButtonTest, IconOnlyDrawsNoCaption)
{
    TFlatButton *button = NewButton();
    button->SetCaption(QStringLiteral("Go"));
    button->SetOptions(button->Options() | TFlatButtonOption::boIconOnly);
    Enter(button);
    EXPECT_TRUE(InkOf(Render(button), TextColor).isNull());
}

TEST_F(FlatButtonTest, DisabledCaptionIsEngraved)
{
    TFlatButton *button = NewButton();
    button->SetBitmap({});
    button->SetCaption(QStringLiteral("Go"));
    button->SetEnabled(false);
    const QImage image = Render(button);
    const QRect shadow = InkOf(image, Shadow);
    const QRect highlight = InkOf(image, Highlight);
    ASSERT_FALSE(shadow.isNull());
    EXPECT_EQ(highlight.bottomRight(), shadow.bottomRight() + QPoint(1, 1));
    EXPECT_TRUE(InkOf(image, TextColor).isNull());
}

struct CaptionOffsetCase {
    const char *Name;
    TBevelStyle Style;
    QPoint PressedMinusHot;
};

class FlatButtonCaptionOffset : public FlatButtonTest,
                                public testing::WithParamInterface<CaptionOffsetCase> {};

TEST_P(FlatButtonCaptionOffset, MovesOnePixelInTheLookOfTheBevelStyle)
{
    TFlatButton *button = NewButton();
    button->SetBitmap({});
    button->SetCaption(QStringLiteral("Go"));
    button->SetBevelStyle(GetParam().Style);
    Enter(button);
    const QRect hot = InkOf(Render(button), TextColor);
    QTest::mousePress(button, Qt::LeftButton, {}, Centre(button));
    const QRect pressed = InkOf(Render(button), TextColor);
    QTest::mouseRelease(button, Qt::LeftButton, {}, Centre(button));
    ASSERT_FALSE(hot.isNull());
    EXPECT_EQ(pressed.topLeft() - hot.topLeft(), GetParam().PressedMinusHot);
}

INSTANTIATE_TEST_SUITE_P(Styles, FlatButtonCaptionOffset,
                         testing::Values(CaptionOffsetCase{"Raised", TBevelStyle::bsRaised, {1, 1}},
                                         CaptionOffsetCase{"Lowered", TBevelStyle::bsLowered, {-1, -1}}),
                         [](const testing::TestParamInfo<CaptionOffsetCase> &info) {
                             return std::string(info.param.Name);
                         });

TEST_F(FlatButtonTest, ClickRaisesOnClickWithTheButtonAsSender)
{
    TFlatButton *button = NewButton();
    QObject *sender = nullptr;
    button->OnClick = [&](QObject *from) {
        sender = from;
        ++m_clicks;
    };
    QTest::mouseClick(button, Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(sender, button);
}

TEST_F(FlatButtonTest, ReleasedOutsideRaisesNoClick)
{
    TFlatButton *button = NewButton();
    QTest::mousePress(button, Qt::LeftButton, {}, Centre(button));
    QTest::mouseMove(button, Outside(button));
    QTest::mouseRelease(button, Qt::LeftButton, {}, Outside(button));
    EXPECT_EQ(m_clicks, 0);
}

TEST_F(FlatButtonTest, PressedButPointerAwayIsDrawnAtRest)
{
    TFlatButton *button = NewButton();
    QTest::mousePress(button, Qt::LeftButton, {}, Centre(button));
    QTest::mouseMove(button, Outside(button));
    const QImage image = Render(button);
    EXPECT_EQ(image.pixelColor(17, 12), Highlight);
    EXPECT_EQ(image.pixelColor(0, 0), Background);
    QTest::mouseRelease(button, Qt::LeftButton, {}, Outside(button));
}

TEST_F(FlatButtonTest, MovingBackInBeforeReleaseRaisesTheClick)
{
    TFlatButton *button = NewButton();
    int exits = 0;
    button->OnExit = [&](QObject *) { ++exits; };
    QTest::mousePress(button, Qt::LeftButton, {}, Centre(button));
    QTest::mouseMove(button, Outside(button));
    QTest::mouseMove(button, Centre(button));
    QTest::mouseRelease(button, Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(exits, 1);
}

TEST_F(FlatButtonTest, ADoubleClickCountsAsTwoClicks)
{
    TFlatButton *button = NewButton();
    // What a quick double click delivers: press, release, double click, release.
    QTest::mouseClick(button, Qt::LeftButton, {}, Centre(button));
    QTest::mouseDClick(button, Qt::LeftButton, {}, Centre(button));
    QTest::mouseRelease(button, Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(m_clicks, 2);
}

TEST_F(FlatButtonTest, EnterAndExitNotifyTheSender)
{
    TFlatButton *button = NewButton();
    QList<QString> events;
    button->OnEnter = [&](QObject *sender) { events.append(sender == button ? "enter" : "?"); };
    button->OnExit = [&](QObject *sender) { events.append(sender == button ? "exit" : "?"); };
    Enter(button);
    Leave(button);
    EXPECT_EQ(events, QList<QString>({"enter", "exit"}));
}

TEST_F(FlatButtonTest, GroupedButtonsKeepOneDown)
{
    TFlatButton *first = NewButton({10, 10});
    TFlatButton *second = NewButton({60, 10});
    TFlatButton *otherGroup = NewButton({110, 10});
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    otherGroup->SetGroupIndex(2);
    otherGroup->SetDown(true);
    QTest::mouseClick(first, Qt::LeftButton, {}, Centre(first));
    EXPECT_TRUE(first->Down());
    QTest::mouseClick(second, Qt::LeftButton, {}, Centre(second));
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    EXPECT_TRUE(otherGroup->Down());
    QTest::mouseClick(second, Qt::LeftButton, {}, Centre(second));
    EXPECT_TRUE(second->Down()); // no AllowAllUp: stays down
    EXPECT_EQ(m_clicks, 3);
}

TEST_F(FlatButtonTest, AllowAllUpLetsTheDownButtonGoUpForTheWholeGroup)
{
    TFlatButton *first = NewButton({10, 10});
    TFlatButton *second = NewButton({60, 10});
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    first->SetAllowAllUp(true);
    EXPECT_TRUE(second->AllowAllUp());
    QTest::mouseClick(second, Qt::LeftButton, {}, Centre(second));
    QTest::mouseClick(second, Qt::LeftButton, {}, Centre(second));
    EXPECT_FALSE(second->Down());
    EXPECT_FALSE(first->Down());
}

TEST_F(FlatButtonTest, ReleasedOutsideAGroupedButtonDoesNotGoDown)
{
    TFlatButton *button = NewButton();
    button->SetGroupIndex(1);
    QTest::mousePress(button, Qt::LeftButton, {}, Centre(button));
    QTest::mouseMove(button, Outside(button));
    QTest::mouseRelease(button, Qt::LeftButton, {}, Outside(button));
    EXPECT_FALSE(button->Down());
}

TEST_F(FlatButtonTest, DownNeedsAGroup)
{
    TFlatButton *button = NewButton();
    button->SetDown(true);
    EXPECT_FALSE(button->Down());
    QTest::mouseClick(button, Qt::LeftButton, {}, Centre(button));
    EXPECT_FALSE(button->Down());
    button->SetGroupIndex(3);
    button->SetDown(true);
    button->SetGroupIndex(0);
    EXPECT_FALSE(button->Down());
}

TEST_F(FlatButtonTest, ADisabledButtonIgnoresPressesButStillSeesThePointer)
{
    TFlatButton *button = NewButton();
    int enters = 0;
    button->OnEnter = [&](QObject *) { ++enters; };
    button->SetEnabled(false);
    Enter(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(m_clicks, 0);
    EXPECT_EQ(enters, 1);
}

TEST_F(FlatButtonTest, ChangingEnabledWhileHotClearsTheHotLookUntilThePointerReenters)
{
    TFlatButton *button = NewButton();
    Enter(button);
    button->SetEnabled(false);
    button->SetEnabled(true);
    EXPECT_EQ(Render(button).pixelColor(0, 0), Background);
    Enter(button); // a repeated entry without leaving changes nothing
    EXPECT_EQ(Render(button).pixelColor(0, 0), Background);
    Leave(button);
    Enter(button);
    EXPECT_EQ(Render(button).pixelColor(0, 0), Highlight);
}

TEST_F(FlatButtonTest, DisablingWhilePressedCancelsTheClick)
{
    TFlatButton *button = NewButton();
    QTest::mousePress(button, Qt::LeftButton, {}, Centre(button));
    button->SetEnabled(false);
    button->SetEnabled(true);
    QTest::mouseRelease(button, Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(m_clicks, 0);
}

TEST_F(FlatButtonTest, RightButtonReleaseEndsALeftPress)
{
    TFlatButton *button = NewButton();
    QTest::mousePress(button, Qt::LeftButton, {}, Centre(button));
    QTest::mousePress(button, Qt::RightButton, Qt::NoModifier, Centre(button));
    QTest::mouseRelease(button, Qt::RightButton, {}, Centre(button));
    QTest::mouseRelease(button, Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(m_clicks, 0);
}

TEST_F(FlatButtonTest, DropDownMenuOpensUnderTheButtonAndRaisesNoClick)
{
    TFlatButton *button = NewButton();
    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    button->SetDropDownMenu(&menu);
    QPoint openedAt;
    bool sunkenWhileOpen = false;
    QTimer::singleShot(0, &menu, [&] {
        openedAt = menu.pos();
        sunkenWhileOpen = Render(button).pixelColor(0, 0) == Shadow;
        menu.close();
    });
    QTest::mouseClick(button, Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(openedAt, button->mapToGlobal(QPoint(0, button->height())));
    EXPECT_TRUE(sunkenWhileOpen);
    EXPECT_EQ(m_clicks, 0);
    EXPECT_NE(Render(button).pixelColor(0, 0), Shadow); // no longer pressed
}

TEST_F(FlatButtonTest, ADestroyedDropDownMenuIsForgotten)
{
    TFlatButton *button = NewButton();
    auto menu = std::make_unique<QMenu>();
    button->SetDropDownMenu(menu.get());
    menu.reset();
    EXPECT_EQ(button->DropDownMenu(), nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(m_clicks, 1);
}

TEST_F(FlatButtonTest, AFailingClickHandlerIsReportedNotPassedToQt)
{
    TFlatButton *button = NewButton();
    QString reported;
    SetFailureHandler([&](const std::exception &failure) { reported = QString::fromUtf8(failure.what()); });
    button->OnClick = [](QObject *) { throw std::runtime_error("click failed"); };
    QTest::mouseClick(button, Qt::LeftButton, {}, Centre(button));
    SetFailureHandler({});
    EXPECT_EQ(reported, QStringLiteral("click failed"));
}

TEST_F(FlatButtonTest, IconOnlyTurnsTheCaptionIntoTheHint)
{
    TFlatButton *button = NewButton();
    button->SetCaption(QStringLiteral("&Print"));
    button->SetOptions(TFlatButtonOption::boIconOnly | TFlatButtonOption::boShowBevel);
    EXPECT_EQ(button->Hint(), QStringLiteral("Print"));
    EXPECT_TRUE(button->ShowHint());
    EXPECT_EQ(button->toolTip(), QStringLiteral("Print"));
    button->SetCaption(QStringLiteral("E&xit"));
    EXPECT_EQ(button->Hint(), QStringLiteral("Exit"));
    button->SetOptions(TFlatButtonOption::boShowBevel);
    EXPECT_TRUE(button->Hint().isEmpty());
    EXPECT_FALSE(button->ShowHint());
    EXPECT_TRUE(button->toolTip().isEmpty());
}

// A button keeps its caption's layout between paints; a new caption or font lays it out anew.
TEST_F(FlatButtonTest, ACaptionOrFontChangedAfterAPaintDrawsAsOnANewButton)
{
    QFont larger = m_window.font();
    larger.setPixelSize(16);
    const std::vector<std::pair<QString, QFont>> changes{{QStringLiteral("Wide"), m_window.font()},
                                                         {QStringLiteral("Go"), larger}};
    for (const auto &[caption, font] : changes) {
        TFlatButton *button = NewButton();
        button->SetCaption(QStringLiteral("Go"));
        Render(button);
        button->SetCaption(caption);
        button->setFont(font);
        TFlatButton *fresh = NewButton({60, 10});
        fresh->SetCaption(caption);
        fresh->setFont(font);
        EXPECT_EQ(Render(button), Render(fresh)) << caption.toStdString();
    }
}

TEST_F(FlatButtonTest, IconOnlyKeepsAHintAlreadySet)
{
    TFlatButton *button = NewButton();
    button->SetHint(QStringLiteral("Print Preview"));
    button->SetShowHint(true);
    button->SetCaption(QStringLiteral("FlatButton"));
    button->SetOptions(TFlatButtonOption::boIconOnly | TFlatButtonOption::boShowBevel);
    EXPECT_EQ(button->toolTip(), QStringLiteral("Print Preview"));
    button->SetShowHint(false);
    EXPECT_TRUE(button->toolTip().isEmpty());
}

// Accelerators need the window to be the active one.
class FlatButtonAccelerator : public FlatButtonTest {
protected:
    void SetUp() override
    {
        FlatButtonTest::SetUp();
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }
};

TEST_F(FlatButtonAccelerator, AltAndTheMarkedLetterClicks)
{
    TFlatButton *button = NewButton();
    button->SetCaption(QStringLiteral("&Print"));
    QTest::keyClick(&m_window, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(m_clicks, 1);
    button->SetCaption(QStringLiteral("E&xit"));
    QTest::keyClick(&m_window, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(m_clicks, 1);
    QTest::keyClick(&m_window, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(m_clicks, 2);
}

TEST_F(FlatButtonAccelerator, TogglesAGroupedButtonLikeAClick)
{
    TFlatButton *button = NewButton();
    button->SetCaption(QStringLiteral("&Print"));
    button->SetGroupIndex(1);
    QTest::keyClick(&m_window, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(button->Down());
}

TEST_F(FlatButtonAccelerator, ADisabledButtonIgnoresItsAccelerator)
{
    TFlatButton *button = NewButton();
    button->SetCaption(QStringLiteral("&Print"));
    button->SetEnabled(false);
    QTest::keyClick(&m_window, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(m_clicks, 0);
}
// Through the window, as the platform delivers them: Qt itself reports the entry and leaving.
TEST_F(FlatButtonTest, PointerEventsThroughTheWindowEnterPressLeaveAndRelease)
{
    TFlatButton *button = NewButton({10, 10});
    QList<QString> events;
    button->OnEnter = [&](QObject *) { events.append("enter"); };
    button->OnExit = [&](QObject *) { events.append("exit"); };
    QWindow *window = m_window.windowHandle();
    const QPoint inside = button->geometry().center();
    const QPoint outside(200, 150);
    QTest::mouseMove(window, outside);
    QTest::mouseMove(window, inside);
    EXPECT_EQ(Render(button).pixelColor(0, 0), Highlight);
    QTest::mousePress(window, Qt::LeftButton, {}, inside);
    QTest::mouseMove(window, outside);
    QTest::mouseRelease(window, Qt::LeftButton, {}, outside);
    EXPECT_EQ(m_clicks, 0);
    QTest::mouseMove(window, inside);
    QTest::mouseClick(window, Qt::LeftButton, {}, inside);
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(events, QList<QString>({"enter", "exit", "enter"}));
}
TEST_F(FlatButtonTest, DestroyingAButtonDropsTheSharedDownPatternAndTheNextPaintMakesItAgain)
{
    TFlatButton *first = NewButton({10, 10});
    TFlatButton *second = NewButton({60, 10});
    for (TFlatButton *button : {first, second}) {
        button->SetGroupIndex(button == first ? 1 : 2);
        button->SetDown(true);
    }
    EXPECT_EQ(Render(second).pixelColor(3, 2), Face);
    delete second;
    const QImage image = Render(first);
    EXPECT_EQ(image.pixelColor(3, 2), Face);
    EXPECT_EQ(image.pixelColor(2, 2), Highlight);
}
} // namespace
