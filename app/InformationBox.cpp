#include "InformationBox.h"

#include "ModalWindow.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <utility>

namespace {
InformationShower &InstalledShower()
{
    static InformationShower shower;
    return shower;
}

// A message box that centres itself on the screen once it has taken its final size, which a
// message box does only while it is being shown.
class TCentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        const QScreen *screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
        if (screen == nullptr)
            return;
        const QRect area = screen->geometry();
        const QSize outer = frameGeometry().size();
        move(area.left() + std::max((area.width() - outer.width()) / 2, 0),
             area.top() + std::max((area.height() - outer.height()) / 2, 0));
    }
};
} // namespace

QString InformationDisplayText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

std::unique_ptr<QMessageBox> CreateInformationBox(const QString &text)
{
    auto box = std::make_unique<TCentredMessageBox>(QMessageBox::Information, QStringLiteral("Information"),
                                                    InformationDisplayText(text), QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void ShowInformation(const QString &text)
{
    if (const InformationShower &shower = InstalledShower()) {
        shower(text);
        return;
    }
    // Without a parent the box is modal for the whole program.
    const std::unique_ptr<QMessageBox> box = CreateInformationBox(text);
    ExecModal(*box);
}

InformationShower SetInformationShower(InformationShower shower)
{
    return std::exchange(InstalledShower(), std::move(shower));
}
