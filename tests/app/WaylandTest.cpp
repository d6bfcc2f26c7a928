#include "about/AboutBox.h"
#include "app/InformationBox.h"
#include "app/MainWindow.h"
#include "app/NumLock.h"
#include "app/ReportPrinting.h"
#include "calc/LocaleValues.h"
#include "controls/common/OwnWindowFrame.h"
#include "report/preview/FmPreview.h"
#include "report/printer/CupsPrinterDevice.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// The program on a Wayland compositor, without an X server.
namespace {
class OnWayland : public testing::Test {
protected:
    static void SetUpTestSuite() { UseOwnWindowFramesWhereNeeded(); }

    void SetUp() override
    {
        ASSERT_TRUE(QGuiApplication::platformName().startsWith(QStringLiteral("wayland")));
    }

    ReportPrinting printing{std::make_unique<CupsPrinterDevice>()};
    TfrmMain frmMain{LocaleValues{"$", 0, 0, ",", "."}, printing};
};

// The accessible names of the caption buttons of the window's own frame, left to right, once shown.
std::string CaptionButtonNames(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return "(not shown)";
    const auto *frame = window.findChild<TOwnWindowFrame *>(QString(), Qt::FindDirectChildrenOnly);
    if (frame == nullptr)
        return "(no frame of its own)";
    QList<QToolButton *> buttons = frame->findChildren<QToolButton *>();
    std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
    QStringList names;
    for (const QToolButton *button : buttons)
        names << button->accessibleName();
    return names.join(QStringLiteral(", ")).toStdString();
}

struct FrameCase {
    const char *Name;
    QWidget &(*Open)(TfrmMain &, ReportPrinting &, std::unique_ptr<QWidget> &);
    const char *Buttons;
};

class OwnFrameOnWayland : public OnWayland, public testing::WithParamInterface<FrameCase> {};

// Qt draws no frame, whose minimise and maximise buttons would ignore the window's flags: the window's
// own frame shows the caption buttons of its design, no others.
TEST_P(OwnFrameOnWayland, ShowsExactlyTheDesignsCaptionButtons)
{
    std::unique_ptr<QWidget> owned;
    QWidget &window = GetParam().Open(frmMain, printing, owned);
    EXPECT_EQ(CaptionButtonNames(window), GetParam().Buttons);
    EXPECT_EQ(window.frameGeometry(), window.geometry()) << "a frame drawn by Qt";
    window.close();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, OwnFrameOnWayland,
    testing::Values(
        FrameCase{
            "MainWindow",
            [](TfrmMain &main, ReportPrinting &, std::unique_ptr<QWidget> &) -> QWidget & { return main; },
            "Minimise, Close"},
        FrameCase{"AboutBox",
                  [](TfrmMain &main, ReportPrinting &, std::unique_ptr<QWidget> &owned) -> QWidget & {
                      owned = std::make_unique<TAboutBox>(&main);
                      return *owned;
                  },
                  ""},
        FrameCase{"PrintPreview",
                  [](TfrmMain &, ReportPrinting &printing, std::unique_ptr<QWidget> &owned) -> QWidget & {
                      owned = std::make_unique<TFmPreview>(printing.ReportPrinter());
                      return *owned;
                  },
                  "Close"},
        FrameCase{"InformationBox",
                  [](TfrmMain &, ReportPrinting &, std::unique_ptr<QWidget> &owned) -> QWidget & {
                      owned = CreateInformationBox(QStringLiteral("Information"));
                      return *owned;
                  },
                  "Close"}),
    [](const testing::TestParamInfo<FrameCase> &info) { return std::string(info.param.Name); });

QStringList messages;

void Collect(QtMsgType, const QMessageLogContext &, const QString &message)
{
    messages << message;
}

// There is no X server to ask: Num Lock is left alone, without a message.
TEST_F(OnWayland, NumLockIsLeftAloneWithoutAMessage)
{
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Collect);
    SetNumlockTrue();
    const bool on = NumlockIsOn();
    qInstallMessageHandler(previous);
    EXPECT_FALSE(on);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}
} // namespace
