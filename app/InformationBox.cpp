#include "app/InformationBox.h"

#include "calc/Errors.h"
#include "app/ModalWindow.h"
#include "controls/common/WindowLook.h"

#include <QMessageBox>
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
        CentreOnScreen(*this);
    }
};
} // namespace

QString InformationDisplayText(const QString &text)
{
    return QString::fromStdString(WithPlainLineFeeds(text.toStdString()));
}

std::unique_ptr<QMessageBox> CreateInformationBox(const QString &text)
{
    auto box = std::make_unique<TCentredMessageBox>(QMessageBox::Information, QStringLiteral("Information"),
                                                    InformationDisplayText(text), QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void ShowInformationBox(const QString &text)
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
