// The web-address label as assistive technology and the keyboard reach it.
#include "controls/UrlLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

namespace {
class UrlLabelAccessible : public testing::Test {
protected:
    void SetUp() override
    {
        previousOpener = TUrlLabel::SetOpener([this](const QString &target) {
            opened << target;
            return true;
        });
        label = new TUrlLabel(&window);
        label->setText(QStringLiteral("www.halvorn.com"));
        label->setGeometry(10, 10, 150, 20);
        window.resize(200, 60);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        accessible = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(accessible, nullptr);
    }
    void TearDown() override
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        TUrlLabel::SetOpener(previousOpener);
    }
    QMenu *Menu() const { return label->findChild<QMenu *>(); }

    QWidget window;
    TUrlLabel *label = nullptr;
    QAccessibleInterface *accessible = nullptr;
    QStringList opened;
    TUrlLabel::Opener previousOpener;
};

TEST_F(UrlLabelAccessible, IsALinkWithItsTargetAsValueAndDescription)
{
    EXPECT_EQ(accessible->role(), QAccessible::Link);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("www.halvorn.com"));
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("www.halvorn.com"));
    label->SetURL(QStringLiteral("https://www.halvorn.com/"));
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("https://www.halvorn.com/"));
    EXPECT_EQ(accessible->text(QAccessible::Description), QStringLiteral("https://www.halvorn.com/"));
    EXPECT_TRUE(accessible->state().linked);
}

TEST_F(UrlLabelAccessible, PressOpensTheTargetOnceTheRequestHasReturned)
{
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(opened.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, QStringList{QStringLiteral("www.halvorn.com")});
}

struct MenuKey {
    const char *Name;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
};

class UrlLabelMenuKey : public UrlLabelAccessible, public testing::WithParamInterface<MenuKey> {};

// The label has the focus only when assistive technology gives it (it is in no tab order).
TEST_P(UrlLabelMenuKey, OpensTheCopyMenuUnderTheLabelAndCopyIsAKeyAway)
{
    accessible->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    ASSERT_TRUE(label->hasFocus());
    QTest::keyClick(label, GetParam().Key, GetParam().Modifiers);
    QMenu *menu = Menu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    EXPECT_EQ(menu->pos(), label->mapToGlobal(label->rect().bottomLeft()));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("www.halvorn.com"));
    EXPECT_TRUE(opened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Keys, UrlLabelMenuKey,
                         testing::Values(MenuKey{"ContextMenuKey", Qt::Key_Menu, Qt::NoModifier},
                                         MenuKey{"ShiftF10", Qt::Key_F10, Qt::ShiftModifier}),
                         [](const testing::TestParamInfo<MenuKey> &info) {
                             return std::string(info.param.Name);
                         });

TEST_F(UrlLabelAccessible, ShowMenuActionOpensTheMenuAndReturnOpensTheTarget)
{
    accessible->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(QTest::qWaitFor([this] { return Menu()->isVisible(); }));
    Menu()->close();
    label->setFocus();
    QTest::keyClick(label, Qt::Key_Return);
    EXPECT_EQ(opened, QStringList{QStringLiteral("www.halvorn.com")});
}
} // namespace
