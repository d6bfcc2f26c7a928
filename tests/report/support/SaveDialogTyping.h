#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// What the save dialog showed.
struct SaveDialogRun {
    QString StartedIn; // the folder the dialog showed first
    QStringList Said;  // the messages over it
};

// Runs command, which opens Qt's save dialog, where the user types (or pastes) a name into the name
// field and presses Return; each message over the dialog is answered with its first button (Yes, OK),
// and a dialog still open after that is cancelled.
inline SaveDialogRun TypeIntoSaveDialog(const QString &typed, bool pasted,
                                        const std::function<void()> &command)
{
    SaveDialogRun run;
    QTimer answerer;
    answerer.callOnTimeout([&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            run.Said << box->text();
            box->buttons().at(0)->click();
        }
    });
    const QObject timers; // drops what the dialog did not reach
    QTimer::singleShot(0, &timers, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        run.StartedIn = dialog->directory().absolutePath();
        // The field has the focus as the user types: the dialog leaves its text alone then.
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (field != nullptr) {
            dialog->activateWindow();
            field->setFocus();
        }
        if (field == nullptr || !QTest::qWaitFor([field] { return field->hasFocus(); })) {
            ADD_FAILURE() << "the dialog's name field cannot take the typing";
            dialog->reject();
            return;
        }
        QTest::keySequence(field, QKeySequence::SelectAll);
        if (pasted) {
            QGuiApplication::clipboard()->setText(typed);
            QTest::keySequence(field, QKeySequence::Paste);
        } else {
            QTest::keyClicks(field, typed);
        }
        answerer.start(10);
        QTest::keyClick(field, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
    command();
    return run;
}
