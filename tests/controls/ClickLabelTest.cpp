#include "controls/ClickLabel.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class ClickLabelTest : public testing::Test {
protected:
    ClickLabelTest()
    {
        label.resize(100, 20);
        label.OnClick = [this](QObject *sender) { senders.push_back(sender); };
        label.show();
    }

    TClickLabel label{QStringLiteral("Halvorn Software")};
    std::vector<QObject *> senders;
};

TEST_F(ClickLabelTest, LeftClickReportsTheLabel)
{
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(senders, std::vector<QObject *>{&label});
}

TEST_F(ClickLabelTest, ReleaseOutsideOrOtherButtonIsNoClick)
{
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 10));
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(senders.empty());
}
TEST_F(ClickLabelTest, ReadsAsAButtonWhosePressClicksOnceTheRequestHasReturned)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&label);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Halvorn Software"));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(senders.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(senders, std::vector<QObject *>{&label});

    label.setEnabled(false);
    EXPECT_FALSE(
        accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(senders.size(), 1u);
}
} // namespace
