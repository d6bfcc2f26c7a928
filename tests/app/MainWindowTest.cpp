#include "about/AboutBox.h"
#include "app/HintStyle.h"
#include "app/InformationBox.h"
#include "calc/Errors.h"
#include "controls/RadioGroup.h"
#include "controls/common/FailureGuard.h"
#include "design/ColorNames.h"
#include "tests/app/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <QSet>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {
TEST_F(MainWindowTest, WindowHasItsCaptionSizeFrameAndColour)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmere 32, 2.2"));
    EXPECT_EQ(window->size(), QSize(564, 386));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(192, 192, 192));
    // Silver panels with a raised outer bevel: white at the top and left, grey at the bottom.
    const QImage image = window->grab().toImage();
    EXPECT_EQ(image.pixelColor(250, 32 + 90), clSilver);
    EXPECT_EQ(image.pixelColor(0, 32 + 50), clWhite);
    EXPECT_EQ(image.pixelColor(250, 32 + 96), clGray);
    EXPECT_EQ(image.pixelColor(400, 20), clSilver);
}

struct Placement {
    const char *Name;
    QWidget *(*Control)(const TMainWindowControls &);
    QRect Geometry;
};

class MainWindowPlacement : public MainWindowTest, public testing::WithParamInterface<Placement> {};

TEST_P(MainWindowPlacement, ControlStandsWhereTheDesignPutsIt)
{
    EXPECT_EQ(GetParam().Control(c())->geometry(), GetParam().Geometry);
}

// A row of the control table: the control by its name and its design rectangle.
#define PLACED(name, ...)                                                                                    \
    Placement                                                                                                \
    {                                                                                                        \
#name, [](const TMainWindowControls &c) -> QWidget * { return c.name; },                             \
        {                                                                                                    \
            __VA_ARGS__                                                                                      \
        }                                                                                                    \
    }

INSTANTIATE_TEST_SUITE_P(
    Controls, MainWindowPlacement,
    testing::Values(PLACED(m_toolbarPanel, 0, 0, 564, 32), PLACED(m_inputPanel, 0, 32, 564, 97),
                    PLACED(m_logo, 2, 2, 68, 93), PLACED(rgInterest, 393, 21, 159, 66),
                    PLACED(rgLoan, 83, 21, 159, 66), PLACED(edtLoan, 290, 13, 93, 23),
                    PLACED(edtTerm, 290, 39, 93, 23), PLACED(edtInterest, 290, 65, 93, 23),
                    PLACED(btnExit, 532, 4, 25, 24), PLACED(btnHelp, 489, 4, 25, 24),
                    PLACED(btnPrint, 444, 4, 25, 24), PLACED(m_webAddressLink, 218, 9, 148, 14)),
    [](const testing::TestParamInfo<Placement> &info) { return std::string(info.param.Name); });

TEST_F(MainWindowTest, FieldLabelsEndFourPixelsLeftOfTheFieldsAndSitFourPixelsLower)
{
    const std::pair<QLabel *, TNumericEdit *> pairs[] = {{c().m_loanCaption, c().edtLoan},
                                                         {c().m_yearsCaption, c().edtTerm},
                                                         {c().m_rateCaption, c().edtInterest}};
    for (const auto &[label, field] : pairs) {
        EXPECT_EQ(label->geometry().right() + 1, 286) << label->text().toStdString();
        EXPECT_EQ(label->y(), field->y() + 4) << label->text().toStdString();
        EXPECT_EQ(label->font().pixelSize(), 11);
    }
    EXPECT_EQ(c().m_loanStepCaption->pos(), QPoint(93, 7));
    EXPECT_EQ(c().m_rateStepCaption->pos(), QPoint(404, 7));
    EXPECT_EQ(c().m_loanStepCaption->text(), QStringLiteral("Increment Loan Amounts By:"));
    EXPECT_GE(c().m_loanStepCaption->width(), c().m_loanStepCaption->sizeHint().width());
    EXPECT_EQ(c().m_makerNameLink->pos(), QPoint(16, 7));
    EXPECT_EQ(c().m_makerNameLink->font().pixelSize(), 16);
    EXPECT_TRUE(c().m_makerNameLink->font().bold());
}

TEST_F(MainWindowTest, MakersNameAndStepsStayBlackWhileFieldLabelsFollowTheDesktopsTextColour)
{
    const QPalette before = QApplication::palette();
    QPalette desktop = before;
    const QColor desktopText(200, 0, 0);
    desktop.setColor(QPalette::WindowText, desktopText);
    QApplication::setPalette(desktop);
    QCoreApplication::sendPostedEvents(); // the widgets learn of the change
    const QColor makersName = c().m_makerNameLink->palette().color(QPalette::WindowText);
    const QColor stepItem = c().rgLoan->Button(0)->palette().color(QPalette::WindowText);
    const QColor fieldLabel = c().m_loanCaption->palette().color(QPalette::WindowText);
    QApplication::setPalette(before);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(makersName, clBlack);
    EXPECT_EQ(stepItem, clBlack);
    EXPECT_EQ(fieldLabel, desktopText);
}

TEST_F(MainWindowTest, StepGroupsHoldTheirItemsWithTheFourthSelected)
{
    EXPECT_EQ(c().rgLoan->Items(),
              QStringList({" 100", " 250", " 500", " 1000", " 2000", " 2500", " 3000", " 4000", " 5000"}));
    EXPECT_EQ(c().rgInterest->Items(), QStringList({"  .10", "  .125", "  .20", "  .25", "  .333", "  .375",
                                                    "  .5", "  .75", " 1.0"}));
    EXPECT_EQ(c().rgLoan->ItemIndex(), 3);
    EXPECT_EQ(c().rgInterest->ItemIndex(), 3);
    EXPECT_EQ(c().rgLoan->Columns(), 3);
    // Filled column by column: " 1000" heads the second column.
    EXPECT_EQ(c().rgLoan->Button(3)->geometry().top(), c().rgLoan->Button(0)->geometry().top());
    EXPECT_GT(c().rgLoan->Button(3)->geometry().left(), c().rgLoan->Button(2)->geometry().left());
}

TEST_F(MainWindowTest, PopupMenuHasItsItemsWithUniqueMnemonicsAndTheChartCommandsDisabled)
{
    const QList<QAction *> items = c().mnuPop->actions();
    const QList<QAction *> expected{c().mnuPopPrint,   c().mnuPopSchedule,  c().mnuPopSaveAs, c().mnuPopAbout,
                                    c().mnuPopWebSite, c().m_exitSeparator, c().mnuPopExit};
    ASSERT_EQ(items, expected);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&Print Preview"));
    EXPECT_EQ(items[3]->text(), QStringLiteral("&About..."));
    EXPECT_EQ(items[6]->text(), QStringLiteral("E&xit"));
    EXPECT_TRUE(items[5]->isSeparator());
    QSet<QChar> mnemonics;
    for (QAction *item : items) {
        if (item->isSeparator())
            continue;
        const qsizetype amp = item->text().indexOf(u'&');
        ASSERT_GE(amp, 0) << item->text().toStdString();
        EXPECT_FALSE(mnemonics.contains(item->text()[amp + 1].toLower())) << item->text().toStdString();
        mnemonics << item->text()[amp + 1].toLower();
    }
    for (QAction *chartCommand : {c().mnuPopPrint, c().mnuPopSchedule, c().mnuPopSaveAs})
        EXPECT_FALSE(chartCommand->isEnabled());
    for (QAction *command : {c().mnuPopAbout, c().mnuPopWebSite, c().mnuPopExit})
        EXPECT_TRUE(command->isEnabled());
}

class RightClickOpensTheWindowMenu : public MainWindowTest, public testing::WithParamInterface<Placement> {};

TEST_P(RightClickOpensTheWindowMenu, OnControl)
{
    QWidget *control = GetParam().Control(c());
    RightClick(control, GetParam().Geometry.topLeft());
    ASSERT_TRUE(QTest::qWaitFor([&] { return c().mnuPop->isVisible(); }));
    EXPECT_EQ(c().mnuPop->pos(), control->mapToGlobal(GetParam().Geometry.topLeft()));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, RightClickOpensTheWindowMenu,
    testing::Values(Placement{"InputPanel",
                              [](const TMainWindowControls &c) -> QWidget * { return c.m_inputPanel; },
                              {250, 90, 0, 0}},
                    Placement{"ToolbarPanel",
                              [](const TMainWindowControls &c) -> QWidget * { return c.m_toolbarPanel; },
                              {400, 10, 0, 0}},
                    Placement{"rgLoan",
                              [](const TMainWindowControls &c) -> QWidget * { return c.rgLoan->Button(4); },
                              {4, 4, 0, 0}},
                    Placement{"MakerNameLink",
                              [](const TMainWindowControls &c) -> QWidget * { return c.m_makerNameLink; },
                              {5, 5, 0, 0}}),
    [](const testing::TestParamInfo<Placement> &info) { return std::string(info.param.Name); });

TEST_F(MainWindowTest, StartsWithTheCaretInTheLoanFieldAndTheDesignValues)
{
    EXPECT_EQ(QApplication::focusWidget(), c().edtLoan);
    EXPECT_EQ(c().edtLoan->text(), QStringLiteral("100000.00"));
    EXPECT_EQ(c().edtTerm->text(), QStringLiteral("30"));
    EXPECT_EQ(c().edtInterest->text(), QStringLiteral("8.750"));
    EXPECT_FALSE(c().btnPrint->Enabled());
    EXPECT_FALSE(c().mnuPopPrint->isEnabled());
}

TEST_F(MainWindowTest, TabCyclesStepGroupsFieldsAndTheWebAddressSkippingEverythingElse)
{
    std::vector<QWidget *> visited;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    const std::vector<QWidget *> expected{
        c().edtTerm,           c().edtInterest, c().m_webAddressLink, c().rgInterest->Button(3),
        c().rgLoan->Button(3), c().edtLoan,     c().edtTerm};
    EXPECT_EQ(visited, expected);
}

TEST_F(MainWindowTest, LabelsAreTheBuddiesOfTheirFieldsAndEveryControlHasAName)
{
    EXPECT_EQ(c().m_loanCaption->buddy(), c().edtLoan);
    EXPECT_EQ(c().m_yearsCaption->buddy(), c().edtTerm);
    EXPECT_EQ(c().m_rateCaption->buddy(), c().edtInterest);
    for (QWidget *control :
         {static_cast<QWidget *>(c().edtLoan), static_cast<QWidget *>(c().edtTerm),
          static_cast<QWidget *>(c().edtInterest), static_cast<QWidget *>(c().rgLoan),
          static_cast<QWidget *>(c().rgInterest), static_cast<QWidget *>(c().btnExit),
          static_cast<QWidget *>(c().btnHelp), static_cast<QWidget *>(c().btnPrint),
          static_cast<QWidget *>(c().m_webAddressLink), static_cast<QWidget *>(c().m_logo)})
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
}

TEST_F(MainWindowTest, ToolbarButtonsShowOnlyTheirGlyphsWithHints)
{
    for (TFlatButton *button : {c().btnExit, c().btnHelp, c().btnPrint}) {
        EXPECT_EQ(button->Options(), TFlatButtonOption::boIconOnly | TFlatButtonOption::boShowBevel);
        EXPECT_TRUE(button->ShowHint());
        EXPECT_FALSE(button->Bitmap().isNull());
    }
    EXPECT_EQ(c().btnExit->Hint(), QStringLiteral("Exit"));
    EXPECT_EQ(c().btnHelp->Hint(), QStringLiteral("About..."));
    EXPECT_EQ(c().btnPrint->Hint(), QStringLiteral("Print Preview"));
    EXPECT_EQ(c().btnExit->Bitmap().size(), QSize(18, 18));
    EXPECT_EQ(c().btnHelp->Bitmap().size(), QSize(20, 20));
}

TEST_F(MainWindowTest, RightClickOnTheWebAddressOpensItsOwnMenu)
{
    RightClick(c().m_webAddressLink, {5, 5});
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    EXPECT_NE(QApplication::activePopupWidget(), c().mnuPop);
    EXPECT_FALSE(c().mnuPop->isVisible());
}

struct AboutCommand {
    const char *Name;
    void (*Run)(const TMainWindowControls &);
};

class AboutCommandTest : public MainWindowTest, public testing::WithParamInterface<AboutCommand> {};

TEST_P(AboutCommandTest, OpensAModalBoxCentredOverTheWindowAndDestroysItWhenClosed)
{
    QPointer<TAboutBox> seen;
    bool modal = false;
    QPoint seenPosition;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<TAboutBox *>(QApplication::activeModalWidget());
        ASSERT_NE(seen, nullptr);
        modal = seen->isModal();
        seenPosition = seen->pos();
        QTest::mouseClick(seen->Controls().BtnClose, Qt::LeftButton, {}, QPoint(100, 14));
    });
    const QRect outer = window->frameGeometry();
    GetParam().Run(c());
    EXPECT_TRUE(modal);
    EXPECT_EQ(seenPosition,
              QPoint(outer.left() + (outer.width() - 412) / 2, outer.top() + (outer.height() - 269) / 2));
    EXPECT_TRUE(seen.isNull());
    // The command took no focus from the field.
    EXPECT_EQ(QApplication::focusWidget(), c().edtLoan);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AboutCommandTest,
    testing::Values(AboutCommand{"HelpButton",
                                 [](const TMainWindowControls &c) {
                                     QTest::mouseClick(c.btnHelp, Qt::LeftButton, {}, QPoint(12, 12));
                                 }},
                    AboutCommand{"MakersName",
                                 [](const TMainWindowControls &c) {
                                     QTest::mouseClick(c.m_makerNameLink, Qt::LeftButton, {}, QPoint(20, 8));
                                 }},
                    AboutCommand{"MenuItem", [](const TMainWindowControls &c) { c.mnuPopAbout->trigger(); }},
                    AboutCommand{
                        "F1", [](const TMainWindowControls &c) { QTest::keyClick(c.edtLoan, Qt::Key_F1); }}),
    [](const testing::TestParamInfo<AboutCommand> &info) { return std::string(info.param.Name); });

TEST_F(MainWindowTest, HintsShowWithoutDelay)
{
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 0);
}

TEST_F(MainWindowTest, ZeroHintDelayKeepsTheStyleTheUserChose)
{
    const auto *installed = qobject_cast<const QProxyStyle *>(QApplication::style());
    ASSERT_NE(installed, nullptr);
    const QString original = installed->baseStyle()->name();

    QApplication::setStyle(QStringLiteral("Windows"));
    SetHintDelayZero();
    const auto *proxy = qobject_cast<const QProxyStyle *>(QApplication::style());
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(proxy->baseStyle()->name().toLower(), QStringLiteral("windows"));
    EXPECT_EQ(proxy->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 0);

    QApplication::setStyle(original);
    SetHintDelayZero();
}

TEST_F(MainWindowTest, FailureInAHandlerShowsTheMessageOfItsFamily)
{
    RunGuarded([] { throw OverflowError(); });
    RunGuarded([] { throw ConversionError("'abc' is not a valid floating point value"); });
    EXPECT_EQ(messages, QStringList({QString::fromLatin1(ArithmeticFailureMessage),
                                     QString::fromLatin1(OtherFailureMessage)}));
}

TEST_F(MainWindowTest, ExitItemClosesTheWindowWithoutAQuestion)
{
    c().mnuPopExit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainWindowTest, CtrlQClosesTheWindowFromAnyControl)
{
    QTest::keyClick(c().rgInterest->Button(3), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}

// Ctrl+P only once Print Preview is enabled: before, the key does nothing.
TEST_F(MainWindowTest, CtrlPRunsPrintPreviewOnceItIsEnabled)
{
    QSignalSpy previews(c().mnuPopPrint, &QAction::triggered);
    QTest::keyClick(c().edtLoan, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(previews.count(), 0);
    c().mnuPopPrint->setEnabled(true);
    c().mnuPopPrint->disconnect(window.get()); // the spy alone, no preview window
    QTest::keyClick(c().edtLoan, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(previews.count(), 1);
}

// Shift+F10 does what the context-menu key does: the field's own menu in a field, the window's menu
// from a control without one of its own.
TEST_F(MainWindowTest, ShiftF10OpensTheMenuOfTheFocusedControl)
{
    QTest::keyClick(c().edtLoan, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    EXPECT_NE(QApplication::activePopupWidget(), c().mnuPop);
    QApplication::activePopupWidget()->close();

    c().rgLoan->Button(3)->setFocus();
    QTest::keyClick(c().rgLoan->Button(3), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    EXPECT_EQ(QApplication::activePopupWidget(), c().mnuPop);
}

TEST_F(MainWindowTest, WebAddressOpensFromItsMenuItemAndFromReturnOnTheFocusedLink)
{
    QStringList opened;
    const TUrlLabel::Opener previous = TUrlLabel::SetOpener([&opened](const QString &target) {
        opened << target;
        return true;
    });
    c().mnuPopWebSite->trigger();
    c().m_webAddressLink->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c().m_webAddressLink, Qt::Key_Return);
    TUrlLabel::SetOpener(previous);
    EXPECT_EQ(opened, QStringList(2, c().m_webAddressLink->Target()));
}

TEST_F(MainWindowTest, ApplicationBecomingActiveRaisesTheActiveWindow)
{
    QWidget cover;
    cover.setGeometry(window->geometry());
    cover.show();
    cover.raise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    // Raised over the cover: the window's centre now belongs to it.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return QApplication::widgetAt(window->geometry().center()) != &cover; }));
}
} // namespace
