#include "controls/numeric/NumericEdit.h"

#include "calc/Errors.h"
#include "calc/LocaleValues.h"
#include "controls/common/FailureGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Presses keys on a widget: '\b' is Backspace, '\177' the Delete key, anything else is typed.
void Press(QWidget &widget, const std::string &keys)
{
    for (char key : keys) {
        if (key == '\b')
            QTest::keyClick(&widget, Qt::Key_Backspace);
        else if (key == '\177')
            QTest::keyClick(&widget, Qt::Key_Delete);
        else
            QTest::keyClick(&widget, key);
    }
}

void Place(QLineEdit &edit, int start, int length)
{
    if (length > 0)
        edit.setSelection(start, length);
    else
        edit.setCursorPosition(start);
}

// A field with the given decimals showing exactly `text`.
void Prepare(TNumericEdit &edit, int decimals, const QString &text, int start, int length)
{
    edit.SetDecimals(decimals);
    edit.setText(text);
    Place(edit, start, length);
}

void SetClipboard(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

QString Clipboard()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

// Opens the field's context menu as a right click would and returns the open menu.
QMenu *OpenContextMenu(TNumericEdit &edit)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), edit.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&edit, &event);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

void TriggerMenuItem(TNumericEdit &edit, const QString &caption)
{
    QMenu *menu = OpenContextMenu(edit);
    ASSERT_NE(menu, nullptr);
    for (QAction *action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) == caption) {
            ASSERT_TRUE(action->isEnabled()) << caption.toStdString();
            action->trigger();
            menu->close();
            return;
        }
    }
    menu->close();
    FAIL() << "no menu item " << caption.toStdString();
}

// Records failures handed to the application-wide handler while a test runs.
class FailureRecorder {
public:
    FailureRecorder()
    {
        SetFailureHandler([this](const std::exception &failure) { m_messages.push_back(failure.what()); });
    }
    ~FailureRecorder() { SetFailureHandler({}); }
    const std::vector<std::string> &Messages() const { return m_messages; }

private:
    std::vector<std::string> m_messages;
};

TEST(NumericEdit, ANewFieldIsRightAlignedAndShowsZeroWithTwoDecimals)
{
    TNumericEdit edit;
    EXPECT_EQ(edit.text(), "0.00");
    EXPECT_EQ(edit.width(), 73);
    EXPECT_TRUE(edit.alignment().testFlag(Qt::AlignRight));
    EXPECT_EQ(edit.Value(), 0.0);
}

TEST(NumericEdit, AlignmentMapsOntoTheLineEdit)
{
    TNumericEdit edit;
    edit.SetAlignment(TAlignment::taCenter);
    EXPECT_TRUE(edit.alignment().testFlag(Qt::AlignHCenter));
    edit.SetAlignment(TAlignment::taLeftJustify);
    EXPECT_TRUE(edit.alignment().testFlag(Qt::AlignLeft));
}

struct DecimalsCase {
    const char *name;
    const char *text;
    int decimals;
    int expectedDecimals;
    const char *expectedText;
};

class DecimalsAssignment : public testing::TestWithParam<DecimalsCase> {};

TEST_P(DecimalsAssignment, ClampsAndReformats)
{
    const DecimalsCase &row = GetParam();
    TNumericEdit edit;
    edit.setText(row.text);
    edit.SetDecimals(row.decimals);
    EXPECT_EQ(edit.Decimals(), row.expectedDecimals);
    EXPECT_EQ(edit.text().toStdString(), row.expectedText);
}

const DecimalsCase decimalsCases[] = {
    {"NoneGivesWholeNumber", "0.00", 0, 0, "0"},        {"Three", "0.00", 3, 3, "0.000"},
    {"TwelveStoresNine", "0.00", 12, 9, "0.000000000"}, {"MinusOneStoresZero", "0.00", -1, 0, "0"},
    {"SameCountStillReformats", "5", 2, 2, "5.00"},     {"RoundsUpOnAFive", "8.75", 0, 0, "9"},
    {"NegativeRoundsAwayFromZero", "-8.5", 0, 0, "-9"},
};

INSTANTIATE_TEST_SUITE_P(NumericEdit, DecimalsAssignment, testing::ValuesIn(decimalsCases),
                         [](const testing::TestParamInfo<DecimalsCase> &info) {
                             return std::string(info.param.name);
                         });

struct ValueCase {
    const char *name;
    double value;
    int decimals;
    const char *expectedText;
};

class ValueAssignment : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueAssignment, ShowsTheValueWithTheDecimals)
{
    const ValueCase &row = GetParam();
    TNumericEdit edit;
    edit.SetDecimals(row.decimals);
    edit.SetValue(row.value);
    EXPECT_EQ(edit.text().toStdString(), row.expectedText);
}

const ValueCase valueCases[] = {
    {"TieToWhole", 2.5, 0, "3"},
    {"EighteenDigitTie", 0.125, 2, "0.13"},
    {"ManyDecimals", 2.345678, 2, "2.35"},
    {"Negative", -1234.5, 3, "-1234.500"},
    {"LargestBelowTenToTheEighteen", 999999999999999872.0, 0, "999999999999999872"},
    {"FromTenToTheEighteenInGeneralLayout", 1e18, 2, "1E18"},
};

INSTANTIATE_TEST_SUITE_P(NumericEdit, ValueAssignment, testing::ValuesIn(valueCases),
                         [](const testing::TestParamInfo<ValueCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(NumericEdit, TheTextIsTheOnlyStoreOfTheValue)
{
    TNumericEdit edit;
    edit.SetValue(2.345678);
    EXPECT_EQ(edit.Value(), 2.35);
}

TEST(NumericEdit, ReadingATextThatIsNotANumberRaisesTheConversionError)
{
    TNumericEdit edit;
    edit.setText("abc");
    try {
        edit.Value();
        FAIL() << "no conversion error";
    } catch (const ConversionError &error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_THROW(edit.SetDecimals(2), ConversionError);
    EXPECT_EQ(edit.text(), "abc");
}

TEST(NumericEdit, CommaLocaleFormatsReadsAndTypesWithTheComma)
{
    LocaleValues comma;
    comma.DecimalSeparator = ",";
    comma.ThousandSeparator = ".";
    TNumericEdit edit;
    edit.SetLocale(comma);
    EXPECT_EQ(edit.text(), "0,00");
    edit.SetValue(12.5);
    EXPECT_EQ(edit.text(), "12,50");
    edit.setCursorPosition(0);
    Press(edit, ".,7");
    EXPECT_EQ(edit.text(), "12,70");
    EXPECT_EQ(edit.Value(), 12.7);
}

// Typing and deleting in a canonical text, each case typed with real key events.
struct KeyCase {
    const char *name;
    int decimals;
    const char *text;
    int selStart;
    int selLength;
    const char *keys;
    const char *expectedText;
    int expectedCaret;
};

class TypedKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(TypedKeys, LeaveTheCanonicalText)
{
    const KeyCase &row = GetParam();
    TNumericEdit edit;
    Prepare(edit, row.decimals, row.text, row.selStart, row.selLength);
    Press(edit, row.keys);
    EXPECT_EQ(edit.text().toStdString(), row.expectedText);
    EXPECT_FALSE(edit.hasSelectedText());
    EXPECT_EQ(edit.cursorPosition(), row.expectedCaret);
}

const KeyCase keyCases[] = {
    {"DigitOverAllSelected", 2, "100000.00", 0, 9, "5", "5.00", 1},
    {"DigitIntoFirstDecimalOfZero", 2, "0.00", 2, 0, "5", "0.50", 3},
    {"DigitInsideIntegerOverwrites", 2, "10.00", 1, 0, "5", "15.00", 2},
    {"DigitBeforeSeparatorInserts", 2, "10.00", 2, 0, "5", "105.00", 3},
    {"DigitAtEndIsDropped", 2, "12.34", 5, 0, "9", "12.34", 5},
    {"SeparatorMovesCaretPastIt", 2, "12.34", 0, 0, ".", "12.34", 3},
    {"BackspaceInDecimalsShiftsInZero", 2, "12.34", 4, 0, "\b", "12.40", 3},
    {"BackspaceStepsOverSeparator", 2, "12.34", 4, 0, "\b\b", "12.40", 2},
    {"BackspaceOnLoneDigit", 2, "5.00", 1, 0, "\b", "0.00", 1},
    {"BackspaceOnLoneDigitAfterMinus", 2, "-5.00", 2, 0, "\b", "-0.00", 1},
    {"DeleteAllThenDigitWithoutDecimals", 0, "30", 0, 2, "\1777", "7", 1},
    {"BackspaceRemovesMinusWithoutDecimals", 0, "-5", 1, 0, "\b", "5", 0},
    {"MinusToggles", 0, "30", 2, 0, "-", "-30", 3},
    {"MinusTogglesBack", 0, "30", 2, 0, "--", "30", 2},
    {"MinusOverAllSelected", 0, "30", 0, 2, "-", "-0", 2},
    {"LetterOverAllSelected", 2, "100000.00", 0, 9, "a", "0.00", 1},
    {"BackspaceOverSelectedZeros", 2, "100000.00", 1, 3, "\b", "100.00", 1},
    {"DeleteKeyStepsOverSeparator", 2, "12.34", 2, 0, "\177", "12.34", 3},
    {"DeleteKeyInDecimals", 2, "12.34", 3, 0, "\177", "12.40", 3},
    {"DigitNeverInFrontOfMinus", 2, "-5.00", 0, 0, "7", "-7.00", 2},
    {"SeparatorDroppedWithoutDecimals", 0, "7", 1, 0, ".", "7", 1},
    {"SeparatorWithSelectionKeepsText", 3, "8.750", 0, 5, ".1", "8.150", 3},
};

INSTANTIATE_TEST_SUITE_P(NumericEdit, TypedKeys, testing::ValuesIn(keyCases),
                         [](const testing::TestParamInfo<KeyCase> &info) {
                             return std::string(info.param.name);
                         });

struct CommandKey {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *text; // what the key types without its modifiers
};

class CommandKeys : public testing::TestWithParam<CommandKey> {};

// A mnemonic or shortcut pressed in a selected field (the state after Tab) leaves the value alone and
// goes on to the window, where it belongs.
TEST_P(CommandKeys, LeaveASelectedFieldAloneAndPassOn)
{
    TNumericEdit edit;
    Prepare(edit, 2, "100000.00", 0, 9);
    int keysSeen = 0;
    edit.OnKeyPress = [&keysSeen](QObject *, QChar &) { ++keysSeen; };
    QKeyEvent press(QEvent::KeyPress, GetParam().key, GetParam().modifiers, GetParam().text);
    QApplication::sendEvent(&edit, &press);
    EXPECT_EQ(edit.text(), "100000.00");
    EXPECT_EQ(keysSeen, 0);
    EXPECT_FALSE(press.isAccepted());
}

INSTANTIATE_TEST_SUITE_P(
    NumericEdit, CommandKeys,
    testing::Values(CommandKey{"AltP", Qt::Key_P, Qt::AltModifier, "p"},
                    CommandKey{"AltX", Qt::Key_X, Qt::AltModifier, "x"},
                    CommandKey{"AltDigit", Qt::Key_5, Qt::AltModifier, "5"},
                    CommandKey{"CtrlAltDigit", Qt::Key_5, Qt::ControlModifier | Qt::AltModifier, "5"},
                    CommandKey{"MetaDigit", Qt::Key_7, Qt::MetaModifier, "7"},
                    CommandKey{"AltDelete", Qt::Key_Delete, Qt::AltModifier, ""}),
    [](const testing::TestParamInfo<CommandKey> &info) { return std::string(info.param.name); });

TEST(NumericEdit, UndoIsNotOffered)
{
    TNumericEdit edit;
    Prepare(edit, 2, "12.34", 0, 5);
    Press(edit, "9");
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "9.00");
    EXPECT_FALSE(edit.isUndoAvailable());
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "9.00");
}

TEST(NumericEdit, ControlKeysDeleteOnlyByTheRules)
{
    TNumericEdit edit;
    Prepare(edit, 2, "-12.34", 3, 0);
    QTest::keyClick(&edit, Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_U, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "-12.34");
    // The word deletions of the line edit become single steps.
    QTest::keyClick(&edit, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "-1.34");
    QTest::keyClick(&edit, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "-1.34");
    EXPECT_EQ(edit.cursorPosition(), 3);
}

TEST(NumericEdit, ContextMenuOffersNoUndoOrRedo)
{
    TNumericEdit edit;
    edit.selectAll();
    QMenu *menu = OpenContextMenu(edit);
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction *action : menu->actions())
        if (!action->isSeparator())
            captions << action->text().section(u'\t', 0, 0);
    menu->close();
    EXPECT_EQ(captions, QStringList({"Cu&t", "&Copy", "&Paste", "Delete", "Select All"}));
}

TEST(NumericEdit, ContextMenuDeleteFollowsTheDeletionRules)
{
    TNumericEdit edit;
    Prepare(edit, 2, "12.34", 1, 3);
    TriggerMenuItem(edit, "Delete");
    EXPECT_EQ(edit.text(), "1.40");
}

using Route = std::function<void(TNumericEdit &)>;

struct RouteCase {
    const char *name;
    Route run;
};

// Drags text onto the field from outside and drops it near the left edge.
Qt::DropAction DropText(TNumericEdit &edit, const QString &text)
{
    QMimeData data;
    data.setText(text);
    const QPoint point(1, edit.height() / 2);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &enter);
    QDropEvent drop(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &drop);
    return drop.dropAction();
}

class PasteRoute : public testing::TestWithParam<RouteCase> {};

TEST_P(PasteRoute, TypesTheClipboardThroughTheKeyFilter)
{
    TNumericEdit edit;
    Prepare(edit, 2, "0.00", 0, 4);
    SetClipboard("1,234.5");
    GetParam().run(edit);
    EXPECT_EQ(edit.text(), "1234.50");
    EXPECT_EQ(edit.Value(), 1234.5);
}

const RouteCase pasteRoutes[] = {
    {"CtrlV", [](TNumericEdit &edit) { QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier); }},
    {"ShiftInsert", [](TNumericEdit &edit) { QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier); }},
    {"ContextMenu", [](TNumericEdit &edit) { TriggerMenuItem(edit, "&Paste"); }},
    {"Method", [](TNumericEdit &edit) { edit.PasteFromClipboard(); }},
    {"DropAtTheLeftEdge", [](TNumericEdit &edit) { EXPECT_EQ(DropText(edit, Clipboard()), Qt::CopyAction); }},
    {"InputMethodCommit",
     [](TNumericEdit &edit) {
         QInputMethodEvent event;
         event.setCommitString(Clipboard());
         QApplication::sendEvent(&edit, &event);
     }},
};

INSTANTIATE_TEST_SUITE_P(NumericEdit, PasteRoute, testing::ValuesIn(pasteRoutes),
                         [](const testing::TestParamInfo<RouteCase> &info) {
                             return std::string(info.param.name);
                         });

class CutRoute : public testing::TestWithParam<RouteCase> {};

TEST_P(CutRoute, CopiesTheSelectionAndDeletesItByTheRules)
{
    TNumericEdit edit;
    Prepare(edit, 2, "12.34", 1, 3);
    SetClipboard("unchanged");
    GetParam().run(edit);
    EXPECT_EQ(Clipboard(), "2.3");
    EXPECT_EQ(edit.text(), "1.40");
    EXPECT_EQ(edit.cursorPosition(), 1);
}

const RouteCase cutRoutes[] = {
    {"CtrlX", [](TNumericEdit &edit) { QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier); }},
    {"ShiftDelete", [](TNumericEdit &edit) { QTest::keyClick(&edit, Qt::Key_Delete, Qt::ShiftModifier); }},
    {"ContextMenu", [](TNumericEdit &edit) { TriggerMenuItem(edit, "Cu&t"); }},
    {"Method", [](TNumericEdit &edit) { edit.CutToClipboard(); }},
};

INSTANTIATE_TEST_SUITE_P(NumericEdit, CutRoute, testing::ValuesIn(cutRoutes),
                         [](const testing::TestParamInfo<RouteCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(NumericEdit, CtrlCCopiesWithoutChangingTheText)
{
    TNumericEdit edit;
    Prepare(edit, 2, "12.34", 0, 2);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "12");
    EXPECT_EQ(edit.text(), "12.34");
}

// A pasted Ctrl+V character is text, not another paste of the clipboard (which would never end).
TEST(NumericEdit, PastedControlCharactersAreNoCommands)
{
    TNumericEdit edit;
    Prepare(edit, 2, "0.00", 0, 4);
    SetClipboard(QString("1") + QChar(22) + QChar(24) + QChar(3) + "2");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "12.00");
}

// Beyond the line edit's own 32,767-character limit the separator and the decimals must survive.
TEST(NumericEdit, PastedTextLongerThanTheToolkitsLimitStaysCanonical)
{
    TNumericEdit edit;
    Prepare(edit, 2, QString(32760, u'0') + ".00", 32760, 0);
    SetClipboard(QString(40, u'0'));
    edit.PasteFromClipboard();
    EXPECT_EQ(edit.text(), QString(32800, u'0') + ".00");
    Press(edit, ".5");
    EXPECT_EQ(edit.Value(), 0.5);
}

TEST(NumericEdit, MaxLengthRefusesOnlyWhatLengthensTheTextBeyondIt)
{
    TNumericEdit edit;
    edit.SetMaxLength(6);
    Prepare(edit, 2, "100.00", 3, 0);
    Press(edit, "5-");
    EXPECT_EQ(edit.text(), "100.00");
    Place(edit, 1, 0);
    Press(edit, "5");
    EXPECT_EQ(edit.text(), "150.00");
    SetClipboard("77"); // the first overwrites, the second would be inserted
    edit.PasteFromClipboard();
    EXPECT_EQ(edit.text(), "157.00");
    edit.SetValue(123456.78);
    EXPECT_EQ(edit.text(), "123456.78");
}

TEST(NumericEdit, ReadOnlyFieldIgnoresKeysCutAndPasteButCopies)
{
    TNumericEdit edit;
    Prepare(edit, 2, "12.34", 0, 5);
    edit.setReadOnly(true);
    SetClipboard("99");
    Press(edit, "7\b\177-");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "12.34");
    EXPECT_EQ(Clipboard(), "99");
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "12.34");
}

TEST(NumericEdit, OnKeyPressSeesEachCharacterBeforeTheFilter)
{
    TNumericEdit edit;
    Prepare(edit, 2, "0.00", 0, 4);
    SetClipboard("");
    std::vector<int> seen;
    edit.OnKeyPress = [&](QObject *sender, QChar &key) {
        EXPECT_EQ(sender, &edit);
        seen.push_back(key.unicode());
    };
    Press(edit, "a5\b");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(seen, std::vector<int>({'a', '5', 8, 22}));
}

TEST(NumericEdit, OnKeyPressMayChangeOrDropTheCharacter)
{
    TNumericEdit edit;
    Prepare(edit, 2, "0.00", 0, 4);
    edit.OnKeyPress = [](QObject *, QChar &key) {
        if (key == u'x')
            key = u'7';
        else if (key == u'-')
            key = QChar();
    };
    Press(edit, "x-");
    EXPECT_EQ(edit.text(), "7.00");
}

TEST(NumericEdit, OnKeyPressDroppingCtrlVPreventsThePaste)
{
    TNumericEdit edit;
    Prepare(edit, 2, "12.34", 0, 0);
    SetClipboard("9");
    edit.OnKeyPress = [](QObject *, QChar &key) {
        if (key.unicode() == 22)
            key = QChar();
    };
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "12.34");
}

TEST(NumericEdit, OnKeyDownRunsAfterTheDeleteKeyAndSeesZero)
{
    TNumericEdit edit;
    Prepare(edit, 2, "12.34", 3, 0);
    std::vector<int> keys;
    QString textSeen;
    edit.OnKeyDown = [&](QObject *, int &key, Qt::KeyboardModifiers) {
        keys.push_back(key);
        textSeen = edit.text();
    };
    Press(edit, "\1775");
    EXPECT_EQ(keys, std::vector<int>({0, Qt::Key_5}));
    EXPECT_EQ(textSeen, "12.40");
}

TEST(NumericEdit, OnKeyDownConsumesAKeyBySettingItToZero)
{
    TNumericEdit edit;
    Prepare(edit, 2, "12.34", 3, 0);
    bool pressSeen = false;
    edit.OnKeyPress = [&](QObject *, QChar &) { pressSeen = true; };
    edit.OnKeyDown = [](QObject *, int &key, Qt::KeyboardModifiers) { key = 0; };
    Press(edit, "5\b");
    EXPECT_EQ(edit.text(), "12.34");
    EXPECT_FALSE(pressSeen);
}

TEST(NumericEdit, OnKeyDownMayTurnAKeyIntoAnother)
{
    TNumericEdit edit;
    Prepare(edit, 2, "12.34", 3, 0);
    edit.OnKeyDown = [](QObject *, int &key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Backspace)
            key = Qt::Key_Left;
    };
    Press(edit, "\b");
    EXPECT_EQ(edit.text(), "12.34");
    EXPECT_EQ(edit.cursorPosition(), 2);
}

TEST(NumericEdit, AFailingHookIsReportedAndEndsThePaste)
{
    const FailureRecorder failures;
    TNumericEdit edit;
    Prepare(edit, 2, "0.00", 0, 4);
    SetClipboard("151");
    edit.OnKeyPress = [](QObject *, QChar &key) {
        if (key == u'5')
            throw ConversionError("hook failed");
    };
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(failures.Messages(), std::vector<std::string>({"hook failed"}));
    EXPECT_EQ(edit.text(), "1.00");
}

// Focus needs a shown, active window even on the offscreen platform.
class NumericEditFocus : public testing::Test {
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&m_window);
        layout->addWidget(m_before = new QLineEdit);
        layout->addWidget(m_edit = new TNumericEdit);
        layout->addWidget(m_after = new QLineEdit);
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_before->setFocus();
        m_edit->OnEnter = [this](QObject *) {
            m_events.push_back("Enter:" + m_edit->selectedText().toStdString());
        };
        m_edit->OnExit = [this](QObject *) { m_events.push_back("Exit"); };
        m_edit->OnInvalidEntry = [this](QObject *sender) {
            EXPECT_EQ(sender, m_edit);
            m_events.push_back("InvalidEntry");
        };
    }

    void TabIntoField() { QTest::keyClick(m_before, Qt::Key_Tab); }

    QWidget m_window;
    QLineEdit *m_before = nullptr;
    TNumericEdit *m_edit = nullptr;
    QLineEdit *m_after = nullptr;
    std::vector<std::string> m_events;
};

TEST_F(NumericEditFocus, TabSelectsAllBeforeOnEnter)
{
    m_edit->SetValue(123.45);
    TabIntoField();
    ASSERT_TRUE(m_edit->hasFocus());
    EXPECT_EQ(m_edit->selectedText(), "123.45");
    EXPECT_EQ(m_events, std::vector<std::string>({"Enter:123.45"}));
}

TEST_F(NumericEditFocus, NoSelectAllWhenAutoSelectIsOff)
{
    m_edit->SetAutoSelect(false);
    TabIntoField();
    ASSERT_TRUE(m_edit->hasFocus());
    EXPECT_FALSE(m_edit->hasSelectedText());
}

TEST_F(NumericEditFocus, LeftClickPlacesTheCaretWithoutSelecting)
{
    m_edit->SetValue(123.45);
    QTest::mouseClick(m_edit, Qt::LeftButton, {}, m_edit->rect().center());
    ASSERT_TRUE(m_edit->hasFocus());
    EXPECT_FALSE(m_edit->hasSelectedText());
    EXPECT_EQ(m_events, std::vector<std::string>({"Enter:"}));
}

TEST_F(NumericEditFocus, LeavingWithAnUnreadableTextReportsTheConversionErrorAndSkipsOnExit)
{
    const FailureRecorder failures;
    m_edit->SetMinValue(1);
    m_edit->SetMaxValue(999);
    TabIntoField();
    m_edit->setText("abc");
    QTest::keyClick(m_edit, Qt::Key_Tab);
    EXPECT_TRUE(m_after->hasFocus());
    EXPECT_EQ(failures.Messages(), std::vector<std::string>({"'abc' is not a valid floating point value"}));
    EXPECT_EQ(m_events, std::vector<std::string>({"Enter:0.00"}));
    EXPECT_EQ(m_edit->text(), "abc");
}

TEST_F(NumericEditFocus, WindowDeactivationIsNeitherExitNorEnter)
{
    TabIntoField();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(&m_window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    EXPECT_TRUE(m_edit->hasFocus());
    EXPECT_EQ(m_events, std::vector<std::string>({"Enter:0.00"}));
}

TEST_F(NumericEditFocus, ContextMenuIsNeitherExitNorEnter)
{
    TabIntoField();
    QMenu *menu = OpenContextMenu(*m_edit);
    ASSERT_NE(menu, nullptr);
    menu->close();
    EXPECT_TRUE(m_edit->hasFocus());
    EXPECT_EQ(m_events, std::vector<std::string>({"Enter:0.00"}));
}

struct RangeCase {
    const char *name;
    const char *text;
    double minValue;
    double maxValue;
    bool invalid;
};

class RangeCheck : public NumericEditFocus, public testing::WithParamInterface<RangeCase> {};

TEST_P(RangeCheck, RaisesInvalidEntryBeforeOnExitWhenOutside)
{
    const RangeCase &row = GetParam();
    m_edit->SetDecimals(0);
    m_edit->SetMinValue(row.minValue);
    m_edit->SetMaxValue(row.maxValue);
    TabIntoField();
    m_edit->setText(row.text);
    QTest::keyClick(m_edit, Qt::Key_Tab);
    ASSERT_TRUE(m_after->hasFocus());
    std::vector<std::string> expected = {"Enter:0"};
    if (row.invalid)
        expected.push_back("InvalidEntry");
    expected.push_back("Exit");
    EXPECT_EQ(m_events, expected);
    EXPECT_EQ(m_edit->text().toStdString(), row.text);
}

const RangeCase rangeCases[] = {
    {"AboveMax", "1000", 1, 999, true},
    {"AtMax", "999", 1, 999, false},
    {"AtMin", "1", 1, 999, false},
    {"BelowMin", "0", 1, 999, true},
    {"NegativeBelowMin", "-5", 1, 999, true},
    {"BothBoundsZeroIsOff", "1000", 0, 0, false},
    {"EqualBoundsAreOff", "-7", 5, 5, false},
};

INSTANTIATE_TEST_SUITE_P(NumericEdit, RangeCheck, testing::ValuesIn(rangeCases),
                         [](const testing::TestParamInfo<RangeCase> &info) {
                             return std::string(info.param.name);
                         });

// Thousands of random keys, cuts and pastes of junk at random carets and selections: after every
// step the text must be canonical and readable.
class RandomEditing : public testing::TestWithParam<int> {};

TEST_P(RandomEditing, KeepsTheTextCanonicalAndReadable)
{
    const int decimals = GetParam();
    const unsigned seed = 20261207u + unsigned(decimals);
    std::mt19937 random(seed);
    const auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    const QRegularExpression canonical(decimals == 0 ? QString("^-?[0-9]+$")
                                                     : QString("^-?[0-9]+\\.[0-9]{%1}$").arg(decimals));
    const QStringList junk = {"1,234.5", "-",     "abc",         "9e99",
                              "",        "0.001", "-12.5",       "\n42\t",
                              " 7 ",     "1.2.3", "99999999999", QString(QChar(22)),
                              "--5"};
    const std::string typed = "0123456789-.,a \b\177";
    const Qt::Key movements[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End};

    TNumericEdit edit;
    edit.SetDecimals(decimals);
    for (int step = 0; step < 4000; ++step) {
        std::string action;
        const int length = int(edit.text().size());
        switch (pick(8)) {
        case 0: {
            const int start = pick(length + 1);
            const int selected = pick(length - start + 1);
            Place(edit, start, selected);
            action = "select " + std::to_string(start) + "+" + std::to_string(selected);
            break;
        }
        case 1:
        case 2:
        case 3: {
            const char key = typed[pick(int(typed.size()))];
            Press(edit, std::string(1, key));
            action = "key " + std::to_string(int(key));
            break;
        }
        case 4: {
            const Qt::Key key = movements[pick(4)];
            QTest::keyClick(&edit, key, pick(2) ? Qt::ShiftModifier : Qt::NoModifier);
            action = "move " + std::to_string(int(key));
            break;
        }
        case 5:
            if (pick(2))
                QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
            else
                QTest::keyClick(&edit, Qt::Key_Delete, Qt::ShiftModifier);
            action = "cut";
            break;
        default:
            if (pick(2))
                SetClipboard(junk[pick(int(junk.size()))]);
            action = "paste \"" + Clipboard().toStdString() + "\"";
            if (pick(2))
                QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
            else
                QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        }
        ASSERT_TRUE(canonical.match(edit.text()).hasMatch())
            << "seed " << seed << ", step " << step << ", " << action << ": \"" << edit.text().toStdString()
            << "\"";
        ASSERT_NO_THROW(edit.Value()) << "seed " << seed << ", step " << step << ", " << action;
    }
}

INSTANTIATE_TEST_SUITE_P(NumericEdit, RandomEditing, testing::Values(0, 2, 3),
                         [](const testing::TestParamInfo<int> &info) {
                             return "Decimals" + std::to_string(info.param);
                         });

} // namespace
