// A message box shown while Tab leaves a field: when it closes, the next field has its whole text
// selected, so that what the user types next replaces the value instead of extending it. Checked on
// the bare X server and under a window manager, which hand the focus back in different ways.
#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowManager.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <tuple>

namespace {
struct MessageOnTab {
    const char *Name;
    int Field; // 0 loan, 1 years, 2 rate: the field left by Tab
    double Value;
    const char *Keys; // typed into the next field once the box is closed
    const char *NextFieldText;
};

void PrintTo(const MessageOnTab &row, std::ostream *os)
{
    *os << row.Name;
}

class FocusAfterMessage : public MainWindowTest,
                          public testing::WithParamInterface<std::tuple<bool, MessageOnTab>> {
protected:
    void SetUp() override
    {
        if (WithWindowManager()) {
            ASSERT_TRUE(windowManager.Start()) << "openbox is not installed";
        }
        MainWindowTest::SetUp();
        // Managed once the window manager has put its frame around the window.
        if (WithWindowManager()) {
            ASSERT_TRUE(QTest::qWaitFor([this] { return window->frameGeometry() != window->geometry(); }));
        }
        // The real box, closed by its OK button as soon as it has the focus.
        SetInformationShower({});
        QObject::connect(&boxCloser, &QTimer::timeout, &boxCloser, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box != nullptr && box->isActiveWindow()) {
                box->button(QMessageBox::Ok)->click();
                boxesClosed += 1;
            }
        });
        boxCloser.start(10);
    }

    void TearDown() override
    {
        boxCloser.stop();
        MainWindowTest::TearDown();
    }

    static bool WithWindowManager() { return std::get<0>(GetParam()); }

    TNumericEdit *Field(int index) const
    {
        TNumericEdit *const fields[] = {c().edtLoan, c().edtTerm, c().edtInterest};
        return fields[index];
    }

    WindowManager windowManager;
    QTimer boxCloser;
    int boxesClosed = 0;
};

TEST_P(FocusAfterMessage, NextFieldHasItsTextSelectedSoTypingReplacesIt)
{
    const MessageOnTab &row = std::get<1>(GetParam());
    for (int i = 0; i < row.Field; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Field(row.Field)->SetValue(row.Value);
    QTest::keyClick(Field(row.Field), Qt::Key_Tab);
    ASSERT_EQ(boxesClosed, 1);
    TNumericEdit *next = Field(row.Field + 1);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window->isActiveWindow() && QApplication::focusWidget() == next; }));
    EXPECT_EQ(next->selectedText(), next->text());
    QTest::keyClicks(next, QString::fromLatin1(row.Keys));
    EXPECT_EQ(next->text(), QString::fromLatin1(row.NextFieldText));
}

INSTANTIATE_TEST_SUITE_P(Routes, FocusAfterMessage,
                         testing::Combine(testing::Bool(),
                                          testing::Values(MessageOnTab{"LoanTooLarge", 0, 1E39, "25", "25"},
                                                          MessageOnTab{"ZeroYears", 1, 0, "7.5", "7.500"})),
                         [](const testing::TestParamInfo<FocusAfterMessage::ParamType> &info) {
                             return std::string(std::get<1>(info.param).Name) +
                                    (std::get<0>(info.param) ? "_WithWindowManager"
                                                             : "_WithoutWindowManager");
                         });
} // namespace
