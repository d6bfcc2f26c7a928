#include "controls/ProgressForm.h"

#include "controls/common/FailureGuard.h"
#include "controls/common/WindowLook.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

void ProgressSteps::SetMaximum(int maximum)
{
    m_maximum = maximum;
    m_step = std::max(1, maximum / 20);
    m_lastJump = 0;
}

bool ProgressSteps::MovesTo(int position)
{
    if (m_maximum == 0 || position / m_step <= m_lastJump)
        return false;
    m_lastJump = position / m_step;
    return true;
}

TRPProgressForm::TRPProgressForm(const QString &caption, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_text(new QLabel(this)),
      m_bar(new QProgressBar(this))
{
    setWindowTitle(caption);
    setFixedSize(400, 140);
    setCursor(Qt::WaitCursor);
    m_text->move(20, 10);
    m_bar->setGeometry(20, 40, 360, 20);
    m_bar->setTextVisible(false);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(170, 75, 60, 26);
    cancel->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &TRPProgressForm::reject);
    CentreOnScreen(*this);
}

void TRPProgressForm::SetMaximum(int maximum)
{
    m_steps.SetMaximum(maximum);
    m_bar->setRange(0, std::max(0, maximum));
}

void TRPProgressForm::SetPosition(int position)
{
    if (m_steps.MovesTo(position))
        m_bar->setValue(std::min(position, m_steps.Maximum()));
}

void TRPProgressForm::SetText(const QString &text)
{
    m_text->setText(text);
    m_text->adjustSize();
    // Hidden, the window needs no drawing: no window events run, so nothing can re-enter the caller.
    if (isVisible())
        QCoreApplication::processEvents();
}

void TRPProgressForm::reject()
{
    RaiseGuarded(OnCancel);
}
