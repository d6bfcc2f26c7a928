// The flat button as assistive technology reads and presses it.
#include "tests/support/AccessibleEvents.h"
#include "controls/flatbutton/FlatButton.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QMenu>
#include <gtest/gtest.h>
#include <string>

namespace {
struct ButtonKind {
    const char *Name;
    QString Caption;
    int GroupIndex;
    bool DropDown;
    QAccessible::Role Role;
    QString AccessibleName;
    QStringList Actions;
    QString Shortcut; // of the first action
};

class FlatButtonAccessible : public testing::TestWithParam<ButtonKind> {
protected:
    QWidget window;
    QMenu menu;
};

TEST_P(FlatButtonAccessible, IsAButtonOfItsKindNamedByItsCaption)
{
    const ButtonKind &kind = GetParam();
    auto *button = new TFlatButton(&window);
    button->SetCaption(kind.Caption);
    button->SetGroupIndex(kind.GroupIndex);
    button->SetDropDownMenu(kind.DropDown ? &menu : nullptr);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), kind.Role);
    EXPECT_EQ(accessible->text(QAccessible::Name), kind.AccessibleName);
    EXPECT_EQ(accessible->state().checkable, kind.GroupIndex != 0);
    EXPECT_FALSE(accessible->state().disabled);
    QAccessibleActionInterface *actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), kind.Actions);
    const QStringList shortcut = kind.Shortcut.isEmpty() ? QStringList() : QStringList{kind.Shortcut};
    EXPECT_EQ(actions->keyBindingsForAction(kind.Actions.front()), shortcut);

    button->SetEnabled(false);
    EXPECT_TRUE(accessible->state().disabled);
    EXPECT_TRUE(actions->actionNames().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, FlatButtonAccessible,
                         testing::Values(ButtonKind{"Plain",
                                                    QStringLiteral(" Zoom &In"),
                                                    0,
                                                    false,
                                                    QAccessible::Button,
                                                    QStringLiteral("Zoom In"),
                                                    {QStringLiteral("Press")},
                                                    QStringLiteral("Alt+I")},
                                         ButtonKind{"Grouped",
                                                    QStringLiteral("&Bold"),
                                                    1,
                                                    false,
                                                    QAccessible::CheckBox,
                                                    QStringLiteral("Bold"),
                                                    {QStringLiteral("Press"), QStringLiteral("Toggle")},
                                                    QStringLiteral("Alt+B")},
                                         ButtonKind{"DropDown",
                                                    QStringLiteral("Views"),
                                                    0,
                                                    true,
                                                    QAccessible::ButtonMenu,
                                                    QStringLiteral("Views"),
                                                    {QStringLiteral("ShowMenu")},
                                                    QString()}),
                         [](const testing::TestParamInfo<ButtonKind> &info) {
                             return std::string(info.param.Name);
                         });

TEST(FlatButtonAccessibleName, TheAccessibleNameThenTheHintNameACaptionlessButton)
{
    TFlatButton button;
    button.SetHint(QStringLiteral("Print Preview"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Print Preview"));
    button.setAccessibleName(QStringLiteral("Close"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Close"));
}

TEST(FlatButtonAccessiblePress, ClicksOnceTheRequestHasReturnedAndNotWhileDisabled)
{
    QWidget window;
    auto *button = new TFlatButton(&window);
    int clicks = 0;
    button->OnClick = [&](QObject *) { ++clicks; };
    window.show();
    QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(button)->actionInterface();
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);

    button->SetEnabled(false);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
}

TEST(FlatButtonAccessibleEvents, EnabledAndDownChangesAreAnnounced)
{
    AccessibleEvents events;
    QWidget window;
    auto *button = new TFlatButton(&window);
    button->SetGroupIndex(1);
    button->SetEnabled(false);
    button->SetDown(true);
    const auto changes = events.Of(button, QAccessible::StateChanged);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_TRUE(changes[0].Changed.disabled);
    EXPECT_TRUE(changes[1].Changed.checked);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(button)->state().checked);
}
} // namespace
