#pragma once

#include "app/InformationBox.h"
#include "app/MainWindow.h"
#include "app/ReportPrinting.h"
#include "calc/LocaleValues.h"
#include "report/printer/CupsPrinterDevice.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The program's main window, shown and active on the X server, with the locale of the chart's
// examples ($, a comma for thousands, a full stop for decimals) and the information box replaced by
// a recorder of its messages.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        previousShower = SetInformationShower([this](const QString &text) { messages << text; });
        window = std::make_unique<TfrmMain>(LocaleValues{"$", 0, 0, ",", "."}, printing);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        window.reset();
        SetInformationShower(previousShower);
    }

    const TMainWindowControls &c() const { return window->Controls(); }

    // A right click as the platform delivers it: a context-menu request to the control under the mouse.
    static void RightClick(QWidget *widget, QPoint position)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, position, widget->mapToGlobal(position));
        QApplication::sendEvent(widget, &event);
    }

    ReportPrinting printing{std::make_unique<CupsPrinterDevice>()};
    std::unique_ptr<TfrmMain> window;
    QStringList messages;
    InformationShower previousShower;
};
