#include "about/AboutBox.h"

#include "design/ColorNames.h"
#include "resources/MakerDetails.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class AboutBoxTest : public testing::Test {
protected:
    const TAboutBoxControls &c() const { return box.Controls(); }

    TAboutBox box;
};

TEST_F(AboutBoxTest, IsAFixedDialogWithACaptionButNoCaptionButtons)
{
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Compliments of Halvorn Software"));
    EXPECT_EQ(box.size(), QSize(412, 269));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    const Qt::WindowFlags flags = box.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(AboutBoxTest, ControlsStandWhereTheDesignPutsThem)
{
    EXPECT_EQ(c().BtnClose->geometry(), QRect(111, 238, 216, 29));
    EXPECT_EQ(c().m_verticalName->geometry(), QRect(5, 12, 23, 170));
    EXPECT_EQ(c().m_textPanel->geometry(), QRect(35, 8, 369, 226));
    EXPECT_EQ(c().m_dividingLine->geometry(), QRect(11, 43, 346, 2));
    EXPECT_EQ(c().m_logo->geometry(), QRect(2, 129, 68, 93));
    EXPECT_EQ(c().m_webAddressLink->pos(), QPoint(207, 113));
    EXPECT_EQ(c().m_makerName->pos(), QPoint(11, 6));
    EXPECT_EQ(c().m_postalAddress->pos(), QPoint(12, 23));
    EXPECT_EQ(c().m_rightsNotice->y(), 206);
}

TEST_F(AboutBoxTest, PromotionalLinesEndTogetherAndTheInvitationMeetsTheLink)
{
    for (const QLabel *line : {c().m_whoWeServe, c().m_industries, c().m_downloadInvitation,
                               c().m_galleryInvitation, c().m_galleryLesson, c().m_galleryClosing}) {
        EXPECT_EQ(line->geometry().right() + 1, 353) << line->text().toStdString();
        EXPECT_TRUE(line->alignment().testFlag(Qt::AlignRight));
    }
    EXPECT_EQ(c().m_websiteInvitation->geometry().right() + 1, 203);
    // The rights notice ends with them too, clear of the logo.
    EXPECT_EQ(c().m_rightsNotice->geometry().right() + 1, 353);
    EXPECT_GT(c().m_rightsNotice->x(), c().m_logo->geometry().right());
    EXPECT_EQ(c().m_galleryInvitation->text(),
              QStringLiteral("and to visit our \"Gallery of Clients\" where you may learn"));
}

// The lowest row of the first letter's ink (the row above the baseline), in box pixels: the ink of
// the label's leftmost columns down to the first blank row, which leaves out an underline.
int FirstLetterBottom(QLabel *label)
{
    const QImage image = label->grab().toImage();
    const QColor paper = image.pixelColor(image.width() - 1, 0);
    const int columns = QFontMetrics(label->font()).horizontalAdvance(label->text().left(1));
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < columns && !ink; ++x)
            ink = image.pixelColor(x, y) != paper;
        if (ink)
            bottom = y;
        else if (bottom >= 0)
            break;
    }
    return label->mapTo(label->window(), QPoint(0, bottom)).y();
}

TEST_F(AboutBoxTest, TheInvitationSharesItsBaselineWithTheWebAddress)
{
    EXPECT_EQ(FirstLetterBottom(c().m_websiteInvitation), FirstLetterBottom(c().m_webAddressLink));
}

TEST_F(AboutBoxTest, WebAddressIsALinkToItself)
{
    EXPECT_EQ(c().m_webAddressLink->text(), QString::fromLatin1(MakerWebAddress));
    EXPECT_EQ(c().m_webAddressLink->URL(), QString::fromLatin1(MakerWebAddress));
    EXPECT_TRUE(c().m_webAddressLink->font().underline());
    EXPECT_EQ(c().m_webAddressLink->font().pixelSize(), 11);
}

TEST_F(AboutBoxTest, PaintsSilverBoxWhitePanelMaroonRuleAndGreyNotice)
{
    const QImage image = box.grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 260), clSilver);
    EXPECT_EQ(image.pixelColor(35 + 200, 8 + 100), clWhite);
    EXPECT_EQ(image.pixelColor(35 + 11 + 100, 8 + 44), clMaroon);
    // The panel's lowered outer bevel starts grey at its top-left.
    EXPECT_EQ(image.pixelColor(35, 8 + 100), clGray);
    EXPECT_EQ(c().m_rightsNotice->palette().color(QPalette::WindowText), clGray);
}

TEST_F(AboutBoxTest, CloseButtonClosesWithTheCancelResult)
{
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(c().BtnClose, Qt::LeftButton, {}, QPoint(100, 14));
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Rejected);
}

TEST_F(AboutBoxTest, EscapeClosesLikeTheButton)
{
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Rejected);
}

// The box opens on the button; Tab walks the web address and the button, each framed while focused,
// and Space clicks the button.
TEST_F(AboutBoxTest, TheWebAddressAndTheButtonTakeTheFocusShowItAndSpaceCloses)
{
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    EXPECT_EQ(QApplication::focusWidget(), c().BtnClose);
    const QColor frame = c().BtnClose->palette().color(QPalette::WindowText);
    EXPECT_EQ(c().BtnClose->grab().toImage().pixelColor(2, 2), frame);
    QTest::keyClick(&box, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), c().m_webAddressLink);
    EXPECT_NE(c().BtnClose->grab().toImage().pixelColor(2, 2), frame);
    EXPECT_EQ(c().m_webAddressLink->grab().toImage().pixelColor(0, 0), c().m_webAddressLink->FontColor());
    QTest::keyClick(&box, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), c().BtnClose);
    QTest::keyClick(c().BtnClose, Qt::Key_Space);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Rejected);
}

// A screen reader reads the plain labels' texts as one, the box's description, the two-word heading
// and the web address, a link, among them; the link and the logo stay objects of their own.
TEST_F(AboutBoxTest, ThePanelReadsAsOneTextWithItsHeadingAndWebAddress)
{
    QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(c().m_textPanel);
    const QStringList lines =
        QAccessible::queryAccessibleInterface(&box)->text(QAccessible::Description).split(u'\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("Halvorn Software"));
    EXPECT_EQ(lines[1], QString::fromLatin1(MakerPostalAddress));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("We invite you to visit our website at, ") +
                                    QString::fromLatin1(MakerWebAddress) + QStringLiteral(" to download")))
        << lines[3].toStdString();
    QList<QObject *> children;
    for (int i = 0; i < panel->childCount(); ++i)
        children << panel->child(i)->object();
    EXPECT_EQ(children, (QList<QObject *>{c().m_dividingLine, c().m_webAddressLink, c().m_logo}));
    EXPECT_EQ(panel->indexOfChild(QAccessible::queryAccessibleInterface(c().m_webAddressLink)), 1);
}

struct PlacementCase {
    const char *Name;
    QRect Outer;
    QPoint Expected;
};

class AboutBoxPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(AboutBoxPlacement, CentresOverTheOuterRectangle)
{
    TAboutBox box;
    box.PlaceCentredOver(GetParam().Outer);
    EXPECT_EQ(box.pos(), GetParam().Expected);
}

// On the offscreen platform's 800 x 800 screen.
INSTANTIATE_TEST_SUITE_P(Rectangles, AboutBoxPlacement,
                         testing::Values(PlacementCase{"MainWindow", {114, 194, 572, 412}, {194, 265}},
                                         PlacementCase{"OddDifference", {0, 0, 415, 272}, {1, 1}},
                                         // Smaller than the box: the halving truncates toward zero.
                                         PlacementCase{"SmallerThanTheBox", {100, 100, 301, 100}, {45, 16}},
                                         // Never past the screen's edge.
                                         PlacementCase{"NearTheRightEdge", {600, 100, 300, 200}, {388, 66}},
                                         PlacementCase{"PastTheTopLeft", {-100, -100, 300, 200}, {0, 0}}),
                         [](const testing::TestParamInfo<PlacementCase> &info) {
                             return std::string(info.param.Name);
                         });
} // namespace
