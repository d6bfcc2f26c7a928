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
    const QList<QList<QLabel *>> paragraphs{{c.m_makerName},
                                            {c.m_postalAddress},
                                            {c.m_whatWeMake, c.m_whoWeServe, c.m_industries},
                                            {c.m_websiteInvitation, c.m_webAddressLink,
                                             c.m_downloadInvitation, c.m_galleryInvitation, c.m_galleryLesson,
                                             c.m_galleryClosing},
                                            {c.m_rightsNotice}};
    QStringList lines;
    QList<QWidget *> readWithin;
    for (const QList<QLabel *> &paragraph : paragraphs) {
        QStringList texts;
        for (QLabel *label : paragraph) {
            texts << label->text();
            if (label != c.m_webAddressLink)
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
    setFont(Arial(TFontSize::Pt10));
    setAccessibleName(windowTitle());

    c.BtnClose = new TFlatButton(this);
    c.BtnClose->setGeometry(111, 238, 216, 29);
    c.BtnClose->SetBitmap(BuiltInPicture(ExitGlyph()));
    c.BtnClose->SetLayout(TFlatButtonLayout::blBitmapLeft);
    c.BtnClose->SetOptions(TFlatButtonOption::boPopupMark | TFlatButtonOption::boShowBevel);
    c.BtnClose->setFont(Arial(TFontSize::Pt9));
    c.BtnClose->setAccessibleName(QStringLiteral("Close"));

    c.m_verticalName = new TImage(this, BuiltInPicture(VerticalNamePicture()), {5, 12});
    c.m_verticalName->setAccessibleName(QString::fromLatin1(MakerName));

    auto *textPanel = new TAboutTextPanel(this);
    c.m_textPanel = textPanel;
    c.m_textPanel->setGeometry(35, 8, 369, 226);
    c.m_textPanel->SetColor(clWhite);
    c.m_textPanel->SetBevelOuter(TPanelBevel::bvLowered);
    c.m_textPanel->SetBevelInner(TPanelBevel::bvRaised);

    QWidget *panel = c.m_textPanel;
    c.m_makerName = PanelLabel(panel, QString::fromLatin1(MakerName), {11, 6, 139, 16},
                               Arial(TFontSize::Pt10, TFontStyle::Bold), Qt::AlignHCenter);
    c.m_postalAddress = PanelLabel(panel, QString::fromLatin1(MakerPostalAddress), {12, 23, 181, 14},
                                   Arial(TFontSize::Pt8), Qt::AlignLeft);
    c.m_dividingLine = new QWidget(panel);
    c.m_dividingLine->setGeometry(11, 43, 346, 2);
    SetBackground(*c.m_dividingLine, clMaroon);
    c.m_whatWeMake =
        PanelLabel(panel, QStringLiteral("Halvorn Software creates highly customized financial calculators"),
                   {9, 52, 344, 14}, Arial(TFontSize::Pt8), Qt::AlignHCenter);
    c.m_whoWeServe = PanelLabel(
        panel, QStringLiteral("which enhance the visibility of our clients in the banking, real estate,"),
        {25, 67, 328, 14}, Arial(TFontSize::Pt8), Qt::AlignRight);
    c.m_industries = PanelLabel(panel, QStringLiteral("mortgage and financial services industries."),
                                {146, 83, 207, 14}, Arial(TFontSize::Pt8), Qt::AlignRight);
    c.m_websiteInvitation = PanelLabel(panel, QStringLiteral("We invite you to visit our website at,"),
                                       {23, 113, 180, 14}, Arial(TFontSize::Pt8), Qt::AlignRight);

    c.m_webAddressLink = NewMakerWebAddressLabel(panel, {207, 113});

    c.m_logo = new TImage(panel, BuiltInPicture(LogoPicture()), {2, 129});
    c.m_logo->setAccessibleName(QStringLiteral("Halvorn Software logo"));
    c.m_downloadInvitation =
        PanelLabel(panel, QStringLiteral("to download other free financial calculators like this one"),
                   {84, 130, 269, 14}, Arial(TFontSize::Pt8), Qt::AlignRight);
    c.m_galleryInvitation =
        PanelLabel(panel, QStringLiteral("and to visit our \"Gallery of Clients\" where you may learn"),
                   {83, 146, 270, 14}, Arial(TFontSize::Pt8), Qt::AlignRight);
    c.m_galleryLesson =
        PanelLabel(panel, QStringLiteral("how others are using customized financial calculators by"),
                   {77, 162, 276, 14}, Arial(TFontSize::Pt8), Qt::AlignRight);
    c.m_galleryClosing = PanelLabel(panel, QStringLiteral("Halvorn Software to promote their own companies."),
                                    {70, 178, 283, 14}, Arial(TFontSize::Pt8), Qt::AlignRight);
    // The notice ends where the promotional lines end, clear of the logo beside it.
    c.m_rightsNotice = PanelLabel(panel, QString::fromUtf8(MakerRightsNotice), {38, 206, 315, 14},
                                  Arial(TFontSize::Pt8), Qt::AlignRight, clGray);

    ReadPanelAsOneText(*this, *textPanel, c);

    // The web address and the button take the focus, in reading order; the box opens on the button,
    // which Space or Return clicks.
    c.m_webAddressLink->setFocusPolicy(Qt::TabFocus);
    c.BtnClose->setFocusPolicy(Qt::TabFocus);
    setTabOrder(c.m_webAddressLink, c.BtnClose);
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
