#include "controls/UrlLabel.h"

#include "controls/common/FailureGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
const QColor textColour{0, 96, 0};
const QColor pressedColour{200, 40, 0};

bool ShowsColour(QWidget &widget, const QColor &colour)
{
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

// A window that counts the mouse presses that reach it.
class Window : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

// A label in a window whose presses and context menu are watched; every target the label would open is
// recorded together with the text colour at that moment.
class UrlLabelTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_previousOpener = TUrlLabel::SetOpener([this](const QString &target) {
            m_events.push_back("open " + target.toStdString() + " " +
                               m_label->FontColor().name().toStdString());
            return true;
        });
        m_window.setContextMenuPolicy(Qt::CustomContextMenu);
        m_label = new TUrlLabel(&m_window);
        m_label->setGeometry(10, 10, 200, 30);
        QFont large = m_label->font();
        large.setPixelSize(20);
        m_label->setFont(large);
        m_label->setText(QStringLiteral("www.halvorn.com"));
        m_label->OnClick = [this](QObject *sender) {
            EXPECT_EQ(sender, m_label);
            m_events.push_back("click " + m_label->FontColor().name().toStdString());
        };
        m_window.resize(240, 60);
        m_window.show();
    }

    void TearDown() override { TUrlLabel::SetOpener(m_previousOpener); }

    std::vector<std::string> Opened() const
    {
        std::vector<std::string> opened;
        for (const std::string &event : m_events)
            if (event.starts_with("open "))
                opened.push_back(event.substr(5, event.rfind(' ') - 5));
        return opened;
    }

    Window m_window;
    TUrlLabel *m_label = nullptr;
    std::vector<std::string> m_events;
    TUrlLabel::Opener m_previousOpener;
};

TEST(UrlLabel, NewLabelIsBlueUnderlinedWithAPointingHand)
{
    TUrlLabel label;
    EXPECT_EQ(label.FontColor(), QColor(0, 0, 255));
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(label.ActiveColor(), QColor(128, 0, 128));
}

TEST_F(UrlLabelTest, TextTakesTheActiveColourOnlyWhileTheLeftButtonIsHeld)
{
    m_label->SetFontColor(textColour);
    m_label->SetActiveColor(pressedColour);
    ASSERT_TRUE(ShowsColour(*m_label, textColour));

    QTest::mousePress(m_label, Qt::LeftButton);
    EXPECT_EQ(m_label->FontColor(), pressedColour);
    EXPECT_TRUE(ShowsColour(*m_label, pressedColour));
    EXPECT_FALSE(ShowsColour(*m_label, textColour));

    QTest::mouseRelease(m_label, Qt::LeftButton);
    EXPECT_EQ(m_label->FontColor(), textColour);
    EXPECT_TRUE(ShowsColour(*m_label, textColour));
    EXPECT_FALSE(ShowsColour(*m_label, pressedColour));
}

TEST_F(UrlLabelTest, ClickRaisesOnClickThenOpensInTheActiveColourThenRestoresIt)
{
    m_label->SetFontColor(textColour);
    m_label->SetActiveColor(pressedColour);
    QTest::mouseClick(m_label, Qt::LeftButton);
    const std::string active = pressedColour.name().toStdString();
    EXPECT_EQ(m_events, (std::vector<std::string>{"click " + active, "open www.halvorn.com " + active}));
    EXPECT_EQ(m_label->FontColor(), textColour);
}

TEST_F(UrlLabelTest, ReleaseOutsideOpensNothingAndRestoresTheColour)
{
    m_label->SetFontColor(textColour);
    QTest::mousePress(m_label, Qt::LeftButton);
    QTest::mouseRelease(m_label, Qt::LeftButton, {}, QPoint(m_label->width() + 5, 5));
    EXPECT_TRUE(m_events.empty());
    EXPECT_EQ(m_label->FontColor(), textColour);
}

TEST_F(UrlLabelTest, OtherButtonsNeitherColourNorOpenNorReachTheWindow)
{
    m_label->SetFontColor(textColour);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(m_label, button);
        EXPECT_EQ(m_label->FontColor(), textColour);
        QTest::mouseRelease(m_label, button);
    }
    EXPECT_TRUE(m_events.empty());
    EXPECT_EQ(m_window.presses, 0);
}

TEST_F(UrlLabelTest, DoubleClickOpensOnce)
{
    m_label->SetFontColor(textColour);
    QTest::mousePress(m_label, Qt::LeftButton);
    QTest::mouseRelease(m_label, Qt::LeftButton);
    QTest::mouseDClick(m_label, Qt::LeftButton);
    EXPECT_EQ(m_label->FontColor(), m_label->ActiveColor());
    QTest::mouseRelease(m_label, Qt::LeftButton);
    EXPECT_EQ(Opened(), std::vector<std::string>{"www.halvorn.com"});
    EXPECT_EQ(m_label->FontColor(), textColour);
}

TEST_F(UrlLabelTest, FailingOnClickIsReportedOpensNothingAndRestoresTheColour)
{
    std::string reported;
    SetFailureHandler([&](const std::exception &failure) { reported = failure.what(); });
    m_label->SetFontColor(textColour);
    m_label->OnClick = [](QObject *) { throw std::runtime_error("click failed"); };
    QTest::mouseClick(m_label, Qt::LeftButton);
    SetFailureHandler({});
    EXPECT_EQ(reported, "click failed");
    EXPECT_TRUE(m_events.empty());
    EXPECT_EQ(m_label->FontColor(), textColour);
}

TEST_F(UrlLabelTest, FocusedLabelShowsAFocusFrameAndReturnOpensIt)
{
    m_label->setFocusPolicy(Qt::TabFocus);
    m_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    m_label->SetFontColor(textColour);
    m_label->clearFocus(); // the activated window gave it to its only tab stop
    const QPoint corner(0, 0);
    EXPECT_NE(m_label->grab().toImage().pixelColor(corner), textColour);
    m_label->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(m_label->hasFocus());
    EXPECT_EQ(m_label->grab().toImage().pixelColor(corner), textColour);
    QTest::keyClick(m_label, Qt::Key_Return);
    EXPECT_EQ(Opened(), std::vector<std::string>{"www.halvorn.com"});
}

TEST_F(UrlLabelTest, CaptionIsShownAsPlainText)
{
    m_label->setText(QStringLiteral("<b>www.halvorn.com</b>"));
    EXPECT_EQ(m_label->textFormat(), Qt::PlainText);
}

TEST_F(UrlLabelTest, RightClickOpensTheLabelsOwnMenuNotTheWindows)
{
    QSignalSpy windowMenu(&m_window, &QWidget::customContextMenuRequested);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), m_label->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(m_label, &event);
    EXPECT_EQ(windowMenu.count(), 0);

    auto *menu = m_label->findChild<QMenu *>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("Copy"));
    menu->close();
}

TEST_F(UrlLabelTest, CopyPutsTheCaptionNotTheUrlOnTheClipboard)
{
    m_label->SetURL(QStringLiteral("https://www.halvorn.com/calculators/"));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), m_label->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(m_label, &event);
    auto *menu = m_label->findChild<QMenu *>();
    ASSERT_NE(menu, nullptr);
    QAction *copy = menu->actions().front();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copy).center());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("www.halvorn.com"));
    EXPECT_TRUE(m_events.empty());
}

struct TargetCase {
    const char *Name;
    QString Url;
    QString Caption;
    std::optional<QString> Opened; // none: the click opens nothing
};

void PrintTo(const TargetCase &row, std::ostream *out)
{
    *out << row.Name;
}

class UrlLabelTargetTest : public UrlLabelTest, public testing::WithParamInterface<TargetCase> {};

TEST_P(UrlLabelTargetTest, ClickRaisesOnClickAndOpensTheUntrimmedTarget)
{
    const TargetCase &row = GetParam();
    m_label->SetURL(row.Url);
    m_label->setText(row.Caption);
    QTest::mouseClick(m_label, Qt::LeftButton);
    ASSERT_FALSE(m_events.empty());
    EXPECT_TRUE(m_events.front().starts_with("click "));
    std::vector<std::string> expected;
    if (row.Opened)
        expected.push_back(row.Opened->toStdString());
    EXPECT_EQ(Opened(), expected);
}

const QString site = QStringLiteral("www.halvorn.com");

INSTANTIATE_TEST_SUITE_P(
    UrlLabel, UrlLabelTargetTest,
    testing::Values(TargetCase{"EmptyUrl", QString(), site, site},
                    TargetCase{"BlankUrl", QStringLiteral("   "), site, site},
                    TargetCase{"ControlCharacterUrl", QStringLiteral("\t\r\n\x01\x1f "), site, site},
                    TargetCase{"UrlWithSurroundingBlanks", QStringLiteral("  http://www.halvorn.com/ \t"),
                               site, QStringLiteral("  http://www.halvorn.com/ \t")},
                    TargetCase{"CaptionWithSurroundingBlanks", QString(), QStringLiteral(" ") + site + "\n",
                               QStringLiteral(" ") + site + "\n"},
                    TargetCase{"UrlOfANonBreakingSpace", QStringLiteral("\u00a0"), site,
                               QStringLiteral("\u00a0")},
                    TargetCase{"UrlAndCaptionEmpty", QString(), QString(), std::nullopt},
                    TargetCase{"CaptionOfTheDeleteCharacter", QStringLiteral(" \t"), QStringLiteral("\x7f"),
                               QStringLiteral("\x7f")},
                    TargetCase{"UrlAndCaptionBlankOrControl", QStringLiteral(" \t"), QStringLiteral(" \x02 "),
                               std::nullopt}),
    [](const testing::TestParamInfo<TargetCase> &info) { return std::string(info.param.Name); });
} // namespace
