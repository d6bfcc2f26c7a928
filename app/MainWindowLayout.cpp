#include "MainWindowLayout.h"

#include "Application.h"
#include "BevelPanel.h"
#include "ColorNames.h"
#include "RadioGroup.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr QSize ClientSize{564, 386};

// Arial of `pixels` character height (all design fonts are in pixels at 96 dpi).
QFont Arial(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

TBevelPanel *DockedPanel(QWidget *window, int height, const QString &accessibleName)
{
    auto *panel = new TBevelPanel(window);
    panel->SetColor(clSilver);
    panel->SetBevelOuter(TPanelBevel::bvRaised);
    panel->setFixedHeight(height);
    panel->setAccessibleName(accessibleName);
    window->layout()->addWidget(panel);
    return panel;
}

// A label drawn on its parent's colour in the window-text colour. `geometry` is its design box;
// `alignment` keeps the text at the box's side the design measures from.
QLabel *Label(QWidget *parent, const QString &caption, const QRect &geometry, const QFont &font,
              Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *label = new QLabel(caption, parent);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

TRadioGroup *StepGroup(QWidget *parent, const QRect &geometry, const QStringList &items, int selected,
                       const QString &accessibleName)
{
    auto *group = new TRadioGroup(parent);
    SetBackground(group, clSilver);
    QPalette palette = group->palette();
    palette.setColor(QPalette::WindowText, clBlack);
    group->setPalette(palette);
    group->setFont(Arial(11));
    group->setGeometry(geometry);
    group->SetColumns(3);
    group->SetItems(items);
    group->SetItemIndex(selected);
    group->setAccessibleName(accessibleName);
    return group;
}

QPoint CentredOnScreen(const QWidget &window)
{
    const QScreen *screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QRect area = screen->geometry();
    return {area.left() + std::max((area.width() - window.width()) / 2, 0),
            area.top() + std::max((area.height() - window.height()) / 2, 0)};
}
} // namespace

TMainWindowControls LoadMainWindowLayout(QWidget &window)
{
    TMainWindowControls c;
    window.setWindowTitle(QString::fromLatin1(ApplicationTitle));
    // A sizeable frame with system menu and minimise button, but no maximise button.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    window.resize(ClientSize);
    SetBackground(&window, clSilver);
    window.move(CentredOnScreen(window));

    // Panel2 (the top bar), Panel1 and the grid are docked to the top: a wider window widens them,
    // a taller one only adds empty space below the grid.
    auto *dock = new QVBoxLayout(&window);
    dock->setContentsMargins(0, 0, 0, 0);
    dock->setSpacing(0);
    dock->setSizeConstraint(QLayout::SetNoConstraint);

    c.Panel2 = DockedPanel(&window, 32, QStringLiteral("Toolbar"));
    c.Panel1 = DockedPanel(&window, 97, QStringLiteral("Chart inputs"));
    dock->addStretch();

    c.Label1 = Label(c.Panel1, QStringLiteral("Loan:"), {259, 17, 27, 14}, Arial(11), Qt::AlignRight);
    c.Label2 = Label(c.Panel1, QStringLiteral("Rate:"), {261, 69, 25, 14}, Arial(11), Qt::AlignRight);
    c.Label3 = Label(c.Panel1, QStringLiteral("Years:"), {253, 43, 33, 14}, Arial(11), Qt::AlignRight);
    c.Label4 = Label(c.Panel1, QStringLiteral("Increment Loan Amounts By:"), {93, 7, 139, 14}, Arial(11));
    c.Label5 = Label(c.Panel1, QStringLiteral("Increment Interest Rates By:"), {404, 7, 136, 14}, Arial(11));
    c.rgInterest = StepGroup(c.Panel1, {393, 21, 159, 66},
                             {QStringLiteral("  .10"), QStringLiteral("  .125"), QStringLiteral("  .20"),
                              QStringLiteral("  .25"), QStringLiteral("  .333"), QStringLiteral("  .375"),
                              QStringLiteral("  .5"), QStringLiteral("  .75"), QStringLiteral(" 1.0")},
                             3, QStringLiteral("Increment interest rates by"));
    c.rgLoan = StepGroup(c.Panel1, {83, 21, 159, 66},
                         {QStringLiteral(" 100"), QStringLiteral(" 250"), QStringLiteral(" 500"),
                          QStringLiteral(" 1000"), QStringLiteral(" 2000"), QStringLiteral(" 2500"),
                          QStringLiteral(" 3000"), QStringLiteral(" 4000"), QStringLiteral(" 5000")},
                         3, QStringLiteral("Increment loan amounts by"));

    c.Label6 = Label(c.Panel2, QStringLiteral("Halvorn Software"), {16, 7, 167, 19}, Arial(16, true));
    c.Label6->adjustSize();
    c.Label6->setCursor(Qt::ArrowCursor);

    c.mnuPop = new QMenu(&window);
    c.mnuPopPrint = c.mnuPop->addAction(QStringLiteral("&Print Preview"));
    c.mnuPopPrint->setEnabled(false);
    c.mnuPopAbout = c.mnuPop->addAction(QStringLiteral("&About..."));
    c.N1 = c.mnuPop->addSeparator();
    c.mnuPopExit = c.mnuPop->addAction(QStringLiteral("E&xit"));
    return c;
}
