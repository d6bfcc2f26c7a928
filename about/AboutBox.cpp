#include "about/AboutBox.h"

#include "about/AboutTextPanel.h"
#include "about/MakerWebAddressLabel.h"
#include "controls/AutoSizeLabel.h"
#include "controls/common/BuiltInPicture.h"
#include "controls/common/WindowLook.h"
#include "design/ColorNames.h"
#include "design/DesignFont.h"
#include "resources/MakerDetails.h"
#include "resources/Pictures.h"

namespace {
// A label drawn transparently on the panel, sized to its text.
QLabel *PanelLabel(QWidget *panel, const QString &text, const QRect &designBox, const QFont &font,
                   Qt::Alignment alignment, const QColor &color = clBlack)
{
    QLabel *label = NewAutoSizeLabel(panel, text, designBox, font, alignment);
    SetPaletteColour(*label, QPalette::WindowText, color);
    return label;
}

// The panel's text as one, the box's description: a paragraph a line, the lines of a paragraph joined
// by a blank (the name, the address, the three-line text, the invitation continued by the web address,
// the notice). Every plain label is read within it; the web address stays a link of its own as well.
void ReadPanelAsOneText(TAboutBox &box, TAboutTextPanel &panel, const TAboutBoxControls &c)
{
    const QList<QList<QLabel *>> paragraphs{
        {c.Label8},
        {c.Label9},
        {c.Label4, c.Label5, c.Label6},
        {c.Label3, c.UrlLabel1, c.Label7, c.Label10, c.Label11, c.Label12},
        {c.Label2}};
    QStringList lines;
    QList<QWidget *> readWithin;
    for (const QList<QLabel *> &paragraph : paragraphs) {
        QStringList texts;
        for (QLabel *label : paragraph) {
            texts << label->text();
            if (label != c.UrlLabel1)
                readWithin << label;
        }
        lines << texts.join(u' ');
    }
    box.setAccessibleDescription(lines.join(u'\n'));
    panel.SetReadWithin(readWithin);
}
} // namespace

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    TAboutBoxControls &c = m_controls;
    setWindowTitle(QStringLiteral("Compliments of Halvorn Software"));
    // A caption without system menu, close, minimise or maximise buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(412, 269);
    SetBackground(*this, clSilver);
    setFont(Arial(13));
    setAccessibleName(windowTitle());

    c.BtnClose = new TFlatButton(this);
    c.BtnClose->setGeometry(111, 238, 216, 29);
    c.BtnClose->SetBitmap(BuiltInPicture(ExitGlyph()));
    c.BtnClose->SetLayout(TFlatButtonLayout::blBitmapLeft);
    c.BtnClose->SetOptions(TFlatButtonOption::boPopupMark | TFlatButtonOption::boShowBevel);
    c.BtnClose->setFont(Arial(12));
    c.BtnClose->setAccessibleName(QStringLiteral("Close"));

    c.Image3 = new TImage(this, BuiltInPicture(VerticalNamePicture()), {5, 12});
    c.Image3->setAccessibleName(QString::fromLatin1(MakerName));

    auto *textPanel = new TAboutTextPanel(this);
    c.Panel1 = textPanel;
    c.Panel1->setGeometry(35, 8, 369, 226);
    c.Panel1->SetColor(clWhite);
    c.Panel1->SetBevelOuter(TPanelBevel::bvLowered);
    c.Panel1->SetBevelInner(TPanelBevel::bvRaised);

    QWidget *panel = c.Panel1;
    c.Label8 = PanelLabel(panel, QString::fromLatin1(MakerName), {11, 6, 139, 16},
                          Arial(13, TFontStyle::Bold), Qt::AlignHCenter);
    c.Label9 = PanelLabel(panel, QString::fromLatin1(MakerPostalAddress), {12, 23, 181, 14}, Arial(11),
                          Qt::AlignLeft);
    c.Shape1 = new QWidget(panel);
    c.Shape1->setGeometry(11, 43, 346, 2);
    SetBackground(*c.Shape1, clMaroon);
    c.Label4 =
        PanelLabel(panel, QStringLiteral("Halvorn Software creates highly customized financial calculators"),
                   {9, 52, 344, 14}, Arial(11), Qt::AlignHCenter);
    c.Label5 = PanelLabel(
        panel, QStringLiteral("which enhance the visibility of our clients in the banking, real estate,"),
        {25, 67, 328, 14}, Arial(11), Qt::AlignRight);
    c.Label6 = PanelLabel(panel, QStringLiteral("mortgage and financial services industries."),
                          {146, 83, 207, 14}, Arial(11), Qt::AlignRight);
    c.Label3 = PanelLabel(panel, QStringLiteral("We invite you to visit our website at,"), {23, 113, 180, 14},
                          Arial(11), Qt::AlignRight);

    c.UrlLabel1 = NewMakerWebAddressLabel(panel, {207, 113});

    c.Image1 = new TImage(panel, BuiltInPicture(LogoPicture()), {2, 129});
    c.Image1->setAccessibleName(QStringLiteral("Halvorn Software logo"));
    c.Label7 = PanelLabel(panel, QStringLiteral("to download other free financial calculators like this one"),
                          {84, 130, 269, 14}, Arial(11), Qt::AlignRight);
    c.Label10 =
        PanelLabel(panel, QStringLiteral("and to visit our \"Gallery of Clients\" where you may learn"),
                   {83, 146, 270, 14}, Arial(11), Qt::AlignRight);
    c.Label11 = PanelLabel(panel, QStringLiteral("how others are using customized financial calculators by"),
                           {77, 162, 276, 14}, Arial(11), Qt::AlignRight);
    c.Label12 = PanelLabel(panel, QStringLiteral("Halvorn Software to promote their own companies."),
                           {70, 178, 283, 14}, Arial(11), Qt::AlignRight);
    // The notice ends where the promotional lines end, clear of the logo beside it.
    c.Label2 = PanelLabel(panel, QString::fromUtf8(MakerRightsNotice), {38, 206, 315, 14}, Arial(11),
                          Qt::AlignRight, clGray);

    ReadPanelAsOneText(*this, *textPanel, c);

    // The web address and the button take the focus, in reading order; the box opens on the button,
    // which Space or Return clicks.
    c.UrlLabel1->setFocusPolicy(Qt::TabFocus);
    c.BtnClose->setFocusPolicy(Qt::TabFocus);
    setTabOrder(c.UrlLabel1, c.BtnClose);
    c.BtnClose->setFocus(Qt::OtherFocusReason);

    c.BtnClose->OnClick = [this](QObject *sender) { BtnCloseClick(sender); };
}

void TAboutBox::BtnCloseClick(QObject *)
{
    reject();
}

void TAboutBox::PlaceCentredOver(const QRect &outer)
{
    const QRect frame(CentredIn(outer, size()), size() + FrameMargins(*this));
    move(KeptInside(frame, AvailableArea(*this)).topLeft());
}
