#include "app/schedule/WhatIfPanel.h"

#include "calc/ScheduleText.h"
#include "controls/common/FailureGuard.h"
#include "design/DesignFont.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <algorithm>

namespace {

constexpr int AmountWidth = 90;
constexpr int NumberWidth = 50;
constexpr int MostShownRows = 3; // one-time rows shown at once; more scroll

std::string TextOf(const TNumericEdit *field)
{
    return field->text().toStdString();
}

QLabel *Caption(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setFont(Arial(TFontSize::Pt8));
    label->setBuddy(buddy);
    return label;
}

} // namespace

TWhatIfPanel::TWhatIfPanel(const LocaleValues &locale, QWidget *parent) : QWidget(parent), m_locale(locale)
{
    setAccessibleName(QStringLiteral("Extra payments and dates"));
    edtExtraMonthly = NewField(QStringLiteral("Extra each month"), 2);
    edtExtraFrom = NewField(QStringLiteral("From payment"), 0);
    edtExtraFrom->SetValue(1);
    chkFirstPayment = new QCheckBox(QStringLiteral("F&irst payment:"));
    chkFirstPayment->setFont(Arial(TFontSize::Pt8));
    edtFirstMonth = NewField(QStringLiteral("First payment month"), 0);
    edtFirstMonth->SetValue(1);
    edtFirstYear = NewField(QStringLiteral("First payment year"), 0);
    edtFirstYear->SetValue(QDate::currentDate().year());
    for (TNumericEdit *field : {edtFirstMonth, edtFirstYear})
        field->setEnabled(false);
    btnAddExtra = new QPushButton(QStringLiteral("A&dd one-time extra"));
    btnAddExtra->setFont(Arial(TFontSize::Pt8));

    auto *rows = new QWidget;
    rows->setAccessibleName(QStringLiteral("One-time extra rows"));
    m_rowsLayout = new QVBoxLayout(rows);
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    m_rowsLayout->addStretch();
    m_rowsView = new QScrollArea;
    m_rowsView->setWidget(rows);
    m_rowsView->setWidgetResizable(true);
    m_rowsView->setFocusPolicy(Qt::NoFocus);
    m_rowsView->setAccessibleName(QStringLiteral("One-time extras"));
    m_rowsView->viewport()->setAccessibleName(QStringLiteral("One-time extras"));
    FitRowsView();

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(12, 4, 12, 4);
    grid->addWidget(Caption(QStringLiteral("E&xtra each month:"), edtExtraMonthly), 0, 0);
    grid->addWidget(edtExtraMonthly, 0, 1);
    grid->addWidget(Caption(QStringLiteral("&from payment:"), edtExtraFrom), 0, 2);
    grid->addWidget(edtExtraFrom, 0, 3);
    grid->addWidget(chkFirstPayment, 0, 4);
    grid->addWidget(edtFirstMonth, 0, 5);
    grid->addWidget(edtFirstYear, 0, 6);
    grid->addWidget(btnAddExtra, 1, 0, Qt::AlignTop);
    grid->addWidget(m_rowsView, 1, 1, 1, 6);
    grid->setColumnStretch(7, 1);

    connect(chkFirstPayment, &QCheckBox::toggled, this, [this](bool dated) {
        edtFirstMonth->setEnabled(dated);
        edtFirstYear->setEnabled(dated);
        RunGuarded([this] { Changed(); });
    });
    connect(btnAddExtra, &QPushButton::clicked, this, [this] { RunGuarded([this] { AddOneTime(); }); });
}

TNumericEdit *TWhatIfPanel::NewField(const QString &accessibleName, int decimals)
{
    auto *field = new TNumericEdit;
    field->SetLocale(m_locale);
    field->SetDecimals(decimals);
    field->setFixedWidth(decimals > 0 ? AmountWidth : NumberWidth);
    field->setAccessibleName(accessibleName);
    connect(field, &QLineEdit::textChanged, this, [this] { RunGuarded([this] { Changed(); }); });
    return field;
}

WhatIfEntry TWhatIfPanel::Entry() const
{
    WhatIfEntry entry{TextOf(edtExtraMonthly),      TextOf(edtExtraFrom),  {},
                      chkFirstPayment->isChecked(), TextOf(edtFirstMonth), TextOf(edtFirstYear)};
    for (const OneTimeRow &row : m_rows)
        entry.OneTime.push_back({TextOf(row.edtPayment), TextOf(row.edtAmount)});
    return entry;
}

TNumericEdit *TWhatIfPanel::FieldOf(const WhatIfRefusal &refusal) const
{
    switch (refusal.Field) {
    case WhatIfField::MonthlyExtra:
        return edtExtraMonthly;
    case WhatIfField::FromPayment:
        return edtExtraFrom;
    case WhatIfField::OneTimePayment:
        return m_rows[refusal.Row].edtPayment;
    case WhatIfField::OneTimeAmount:
        return m_rows[refusal.Row].edtAmount;
    case WhatIfField::FirstMonth:
        return edtFirstMonth;
    default:
        return edtFirstYear;
    }
}

void TWhatIfPanel::ShowReading(const WhatIfReading &reading)
{
    for (TNumericEdit *field : std::exchange(m_refused, {})) {
        field->setPalette(QPalette());
        field->setAccessibleDescription({});
        field->setToolTip({});
    }
    for (const WhatIfRefusal &refusal : reading.Refusals) {
        TNumericEdit *field = FieldOf(refusal);
        const QString reason = QString::fromStdString(refusal.Reason);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, Qt::red);
        field->setPalette(palette);
        field->setToolTip(reason);
        field->setAccessibleDescription(reason);
        m_refused << field;
    }
    // A month only beside a payment number that stands, of rows that are dated.
    for (const OneTimeRow &row : m_rows)
        row.lblMonth->clear();
    if (!reading.FirstPayment)
        return;
    for (size_t i = 0; i < reading.OneTimeRows.size(); ++i) {
        const std::int32_t payment = reading.Extras.OneTime[i].Month;
        m_rows[reading.OneTimeRows[i]].lblMonth->setText(
            QString::fromStdString(PaymentMonthText(MonthOfPayment(*reading.FirstPayment, payment))));
    }
}

void TWhatIfPanel::AddOneTime()
{
    OneTimeRow row;
    row.Row = new QWidget;
    row.edtPayment = NewField({}, 0);
    row.edtPayment->SetValue(1);
    row.lblMonth = new QLabel;
    row.lblMonth->setFont(Arial(TFontSize::Pt8));
    row.lblMonth->setMinimumWidth(NumberWidth);
    row.edtAmount = NewField({}, 2);
    row.btnRemove = new QPushButton(QStringLiteral("Remove"));
    row.btnRemove->setFont(Arial(TFontSize::Pt8));
    auto *line = new QHBoxLayout(row.Row);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(Caption(QStringLiteral("Payment:"), row.edtPayment));
    line->addWidget(row.edtPayment);
    line->addWidget(row.lblMonth);
    line->addWidget(Caption(QStringLiteral("Amount:"), row.edtAmount));
    line->addWidget(row.edtAmount);
    line->addWidget(row.btnRemove);
    line->addStretch();
    QWidget *removed = row.Row;
    connect(row.btnRemove, &QPushButton::clicked, this, [this, removed] {
        RunGuarded([this, removed] {
            const auto found = std::find_if(m_rows.begin(), m_rows.end(),
                                            [removed](const OneTimeRow &r) { return r.Row == removed; });
            RemoveOneTime(static_cast<int>(found - m_rows.begin()));
        });
    });
    m_rowsLayout->insertWidget(m_rowsLayout->count() - 1, row.Row);
    m_rows << row;
    FitRowsView();
    NameRows();
    row.edtPayment->setFocus(Qt::OtherFocusReason);
    Changed();
}

void TWhatIfPanel::RemoveOneTime(int row)
{
    const OneTimeRow removed = m_rows.takeAt(row);
    m_refused.removeAll(removed.edtPayment);
    m_refused.removeAll(removed.edtAmount);
    // The row's own Remove button may be the sender still running.
    removed.Row->hide();
    removed.Row->deleteLater();
    FitRowsView();
    NameRows();
    btnAddExtra->setFocus(Qt::OtherFocusReason);
    Changed();
}

void TWhatIfPanel::FitRowsView()
{
    const int shown = static_cast<int>(std::min<qsizetype>(m_rows.size(), MostShownRows));
    // Its height before it shows: showing lays the panel out at once.
    if (shown > 0) {
        const int rowHeight = m_rows.front().Row->sizeHint().height();
        m_rowsView->setFixedHeight(shown * rowHeight + (shown - 1) * m_rowsLayout->spacing() +
                                   2 * m_rowsView->frameWidth());
    }
    // Without rows it takes no room.
    m_rowsView->setVisible(shown > 0);
}

void TWhatIfPanel::NameRows()
{
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const QString extra = QStringLiteral("One-time extra %1").arg(i + 1);
        m_rows[i].edtPayment->setAccessibleName(extra + QStringLiteral(": payment number"));
        m_rows[i].edtAmount->setAccessibleName(extra + QStringLiteral(": amount"));
        m_rows[i].btnRemove->setAccessibleName(QStringLiteral("Remove ") + extra.toLower());
    }
}

QList<QWidget *> TWhatIfPanel::TabOrder() const
{
    QList<QWidget *> order{edtExtraMonthly, edtExtraFrom, chkFirstPayment,
                           edtFirstMonth,   edtFirstYear, btnAddExtra};
    for (const OneTimeRow &row : m_rows)
        order << row.edtPayment << row.edtAmount << row.btnRemove;
    return order;
}

void TWhatIfPanel::Changed()
{
    if (OnChange)
        OnChange();
}
