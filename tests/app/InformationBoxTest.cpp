#include "app/InformationBox.h"

#include "calc/Errors.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
TEST(InformationBox, ArithmeticFailureMessageShowsItsFourLines)
{
    const QString shown = InformationDisplayText(QString::fromLatin1(ArithmeticFailureMessage));
    EXPECT_EQ(shown.split(QLatin1Char('\n')), QStringList({"The results of this calculation will be",
                                                           "too large for your system to calculate.", "",
                                                           "Please try again with smaller numbers."}));
}

TEST(InformationBox, IsTitledInformationWithTheIconAndOneOkButton)
{
    const auto box = CreateInformationBox(QString::fromLatin1(OtherFailureMessage));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Information"));
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->text(), QString::fromLatin1(OtherFailureMessage));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

TEST(InformationBox, ShownModallyCentredOnTheScreenUntilOkIsClicked)
{
    QString seenText;
    QPoint seenCentre;
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        wasModal = box->isModal();
        seenText = box->text();
        seenCentre = box->frameGeometry().center();
        box->button(QMessageBox::Ok)->click();
    });
    ShowInformationBox(QString::fromLatin1(ArithmeticFailureMessage));
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(seenText.count(QLatin1Char('\n')), 3);
    EXPECT_FALSE(seenText.contains(QLatin1Char('\r')));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((seenCentre - screenCentre).manhattanLength(), 2);
}

TEST(InformationBox, AShowerReplacesTheBoxUntilRemoved)
{
    QStringList seen;
    const InformationShower before = SetInformationShower([&](const QString &text) { seen << text; });
    ShowInformationBox(QStringLiteral("first"));
    const InformationShower mine = SetInformationShower(before);
    EXPECT_EQ(seen, QStringList{QStringLiteral("first")});
    EXPECT_TRUE(static_cast<bool>(mine));
}
} // namespace
