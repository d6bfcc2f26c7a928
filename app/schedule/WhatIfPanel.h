#pragma once

#include "app/schedule/WhatIfInputs.h"
#include "controls/numeric/NumericEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>

// The what-if entry: the extra each month and the payment it starts with, one-time extras (a payment
// number and an amount a row; Add and Remove), and the first payment's month and year, off until
// "First payment" is ticked. A refused field turns red and shows its reason as its hint and its
// description (assistive technology hears it as the field is typed in); the window says what it
// leaves out.
class TWhatIfPanel : public QWidget {
    Q_OBJECT
public:
    struct OneTimeRow {
        QWidget *Row = nullptr;
        TNumericEdit *edtPayment = nullptr;
        QLabel *lblMonth = nullptr; // the payment's month when the rows are dated
        TNumericEdit *edtAmount = nullptr;
        QPushButton *btnRemove = nullptr;
    };

    // The fields read and show `locale`'s separators.
    explicit TWhatIfPanel(const LocaleValues &locale, QWidget *parent = nullptr);

    WhatIfEntry Entry() const;
    // Shows the refusals of `reading`, and the months of the one-time extras it reads when it is dated.
    void ShowReading(const WhatIfReading &reading);

    // A new row, payment 1 and amount 0, at the end; the focus goes to its payment number.
    void AddOneTime();
    void RemoveOneTime(int row);

    // After any change of a field, of "First payment" or of the rows; runs guarded.
    std::function<void()> OnChange;

    TNumericEdit *edtExtraMonthly = nullptr;
    TNumericEdit *edtExtraFrom = nullptr;
    QCheckBox *chkFirstPayment = nullptr;
    TNumericEdit *edtFirstMonth = nullptr;
    TNumericEdit *edtFirstYear = nullptr;
    QPushButton *btnAddExtra = nullptr;
    const QList<OneTimeRow> &OneTimeRows() const { return m_rows; }

    // The controls in the order Tab visits them.
    QList<QWidget *> TabOrder() const;

private:
    TNumericEdit *NewField(const QString &accessibleName, int decimals);
    TNumericEdit *FieldOf(const WhatIfRefusal &refusal) const;
    // The rows' view as high as its rows, up to a few; more scroll.
    void FitRowsView();
    void NameRows();
    void Changed();

    LocaleValues m_locale;
    QVBoxLayout *m_rowsLayout = nullptr;
    QScrollArea *m_rowsView = nullptr; // the one-time rows
    QList<OneTimeRow> m_rows;
    QList<TNumericEdit *> m_refused;
};
