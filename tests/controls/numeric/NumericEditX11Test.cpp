#include "controls/numeric/NumericEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// X11's primary selection, pasted by a middle click, obeys the same rules as the clipboard.
TEST(NumericEditX11, MiddleClickPastesTheSelectionThroughTheKeyFilter)
{
    ASSERT_TRUE(QGuiApplication::clipboard()->supportsSelection());
    TNumericEdit edit;
    edit.SetAlignment(TAlignment::taLeftJustify);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QGuiApplication::clipboard()->setText("1,234.5", QClipboard::Selection);
    QTest::mouseClick(&edit, Qt::MiddleButton, {}, QPoint(1, edit.height() / 2));
    EXPECT_EQ(edit.text(), "1234.50");
    EXPECT_EQ(edit.Value(), 1234.5);
}

TEST(NumericEditX11, MiddleClickOnAReadOnlyFieldChangesNothing)
{
    TNumericEdit edit;
    edit.setReadOnly(true);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QGuiApplication::clipboard()->setText("7", QClipboard::Selection);
    QTest::mouseClick(&edit, Qt::MiddleButton, {}, edit.rect().center());
    EXPECT_EQ(edit.text(), "0.00");
}

} // namespace
