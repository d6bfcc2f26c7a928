#pragma once

#include "controls/BevelPanel.h"
#include "controls/Image.h"
#include "controls/UrlLabel.h"
#include "controls/flatbutton/FlatButton.h"

#include <QDialog>
#include <QLabel>

// The About box's controls. The box owns them all.
struct TAboutBoxControls {
    TFlatButton *BtnClose = nullptr;
    TImage *m_verticalName = nullptr;
    TBevelPanel *m_textPanel = nullptr;
    QLabel *m_makerName = nullptr;
    QLabel *m_postalAddress = nullptr;
    QWidget *m_dividingLine = nullptr;
    QLabel *m_whatWeMake = nullptr;
    QLabel *m_whoWeServe = nullptr;
    QLabel *m_industries = nullptr;
    QLabel *m_websiteInvitation = nullptr;
    TUrlLabel *m_webAddressLink = nullptr;
    TImage *m_logo = nullptr;
    QLabel *m_downloadInvitation = nullptr;
    QLabel *m_galleryInvitation = nullptr;
    QLabel *m_galleryLesson = nullptr;
    QLabel *m_galleryClosing = nullptr;
    QLabel *m_rightsNotice = nullptr;
};

// The maker's details, the web address as a working link, the logo and one wide button that closes
// the box. A fixed dialog (412 x 269 client pixels) with a caption but no caption buttons. The web
// address and the button take the focus, each showing a dotted frame; Escape closes the box like the
// button. Assistive technology reads the white panel's text as one, heading and web address included,
// as the box's description.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    const TAboutBoxControls &Controls() const { return m_controls; }

    // Closes the box with the cancel result (QDialog::Rejected).
    void BtnCloseClick(QObject *sender);

    // Moves the box so that it stands centred over `outer` (a window's outer rectangle on the screen):
    // left = outer left + (outer width - box width) / 2, top likewise, the halving truncated toward 0;
    // then moved as little as keeps its whole frame inside its screen's available area.
    void PlaceCentredOver(const QRect &outer);

private:
    TAboutBoxControls m_controls;
};
