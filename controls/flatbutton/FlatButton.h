#pragma once

#include "controls/flatbutton/FlatButtonCaption.h"
#include "controls/flatbutton/FlatButtonGeometry.h"
#include "controls/flatbutton/GlyphShading.h"

#include <QColor>
#include <QFlags>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

enum class TFlatButtonOption { boMonoDisplay = 0x1, boIconOnly = 0x2, boPopupMark = 0x4, boShowBevel = 0x8 };
Q_DECLARE_FLAGS(TFlatButtonOptions, TFlatButtonOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFlatButtonOptions)

// Sense of the bevel and of the caption's one-pixel offset.
enum class TBevelStyle { bsLowered, bsRaised };

// A flat toolbar button: no frame at rest, a thin raised bevel while the pointer is over it, a sunken
// one while pressed. It takes no keyboard focus unless given a focus policy (a dialog's only button);
// then a dotted frame shows the focus and Space or Return clicks it. It paints no background of its
// own, so the parent's colour shows through. A new button is 50 x 40 pixels.
//
// `Enabled` is the button's own state: the widget itself stays enabled, keeps receiving pointer events
// and ignores presses while disabled. Face, highlight and shadow are the classic button colours
// (ClassicButtonColors) whatever the style; the caption is drawn in the palette's WindowText colour
// while the pointer is over the button.
// The handlers run guarded (RaiseGuarded): a failure in them is reported, never passed to Qt.
class TFlatButton : public QWidget {
    Q_OBJECT
public:
    explicit TFlatButton(QWidget *parent = nullptr);
    ~TFlatButton() override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

    // With a non-zero GroupIndex, a down button may be clicked up again. Shared by the whole group.
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allowAllUp);

    TBevelStyle BevelStyle() const { return m_bevelStyle; }
    void SetBevelStyle(TBevelStyle bevelStyle);

    // Glyph shown at rest under boMonoDisplay instead of the shaded glyph. The picture is copied.
    const QImage &NoFocusBitmap() const { return m_noFocusBitmap; }
    void SetNoFocusBitmap(const QImage &bitmap);

    // The full-colour glyph; its top-left pixel's colour is transparent. The picture is copied. The grey
    // glyph shown at rest under boMonoDisplay is computed from it (ShadedGlyph) once, and again only when
    // ShadingType changes.
    const QImage &Bitmap() const { return m_bitmap; }
    void SetBitmap(const QImage &bitmap);

    // "&" marks the accelerator letter (Alt+letter in the button's window), "&&" stands for "&".
    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    // 0: a plain button; otherwise a sticky button, at most one down per parent and group.
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int groupIndex);

    // Glyph shown while disabled; when empty, the black pixels of Bitmap are drawn engraved.
    const QImage &DisabledBitmap() const { return m_disabledBitmap; }
    void SetDisabledBitmap(const QImage &bitmap);

    // Ignored while GroupIndex is 0; going down puts the rest of the group up.
    bool Down() const { return m_down; }
    void SetDown(bool down);

    // Opened under the button on a left press (no click then). Not owned; forgotten when destroyed.
    QMenu *DropDownMenu() const { return m_dropDownMenu; }
    void SetDropDownMenu(QMenu *menu);

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    TFlatButtonLayout Layout() const { return m_layout; }
    void SetLayout(TFlatButtonLayout layout);

    TFlatButtonOptions Options() const { return m_options; }
    void SetOptions(TFlatButtonOptions options);

    TFlatButtonShadingType ShadingType() const { return m_shadingType; }
    void SetShadingType(TFlatButtonShadingType shadingType);

    bool ShowDownPattern() const { return m_showDownPattern; }
    void SetShowDownPattern(bool show);

    // Caption colour while the pointer is not over the button; follows the palette's WindowText
    // until set.
    QColor UnselectedFontColor() const;
    void SetUnselectedFontColor(const QColor &color);

    // Caption colour while the pointer is over the button: the palette's WindowText.
    QColor FontColor() const;
    void SetFontColor(const QColor &color);

    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);

    // The tooltip text, shown only while ShowHint is on.
    const QString &Hint() const { return m_hint; }
    void SetHint(const QString &hint);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool showHint);

    QSize sizeHint() const override { return {50, 40}; }

    // A left click over the button, each step painted: the press, then the release that raises
    // OnClick (or the drop-down menu instead). What the accelerator and the accessible Press action
    // run; nothing while the button is disabled or hidden.
    void Click();

    std::function<void(QObject *sender)> OnClick;
    std::function<void(QObject *sender)> OnEnter; // the pointer has entered the button
    std::function<void(QObject *sender)> OnExit;  // the pointer has left the button

protected:
    bool event(QEvent *event) override; // the accelerator
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override; // Space and Return click a focused button
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    FlatButtonGeometry Geometry() const;
    bool CaptionShown() const;
    bool PopupMarkShown() const;
    bool PointerOver() const; // from the cursor position, for paths without a mouse event

    void PaintBevel(QPainter &painter, bool sunken) const;
    void PaintPressed(QPainter &painter, const FlatButtonGeometry &geometry) const;
    void PaintNormal(QPainter &painter, const FlatButtonGeometry &geometry) const;
    void PaintDisabled(QPainter &painter, const FlatButtonGeometry &geometry) const;
    void PaintCaption(QPainter &painter, const QRect &rect, const QColor &color) const;
    // The caption formatted in the button's font for `wrapWidth` (-1: no wrapping). The last one is
    // kept: formatting measures every line, and a paint needs it twice.
    const FlatButtonCaption &FormattedCaption(int wrapWidth) const;
    void PaintPopupMark(QPainter &painter, QPoint anchor, const QColor &color) const;

    void PointerEntered();
    void PointerLeft();
    void TrackPointer(QPoint position);
    void ForgetPointerIfAway();
    void LeftPress();
    void LeftRelease();
    void ResetAfterPopup();

    QList<TFlatButton *> GroupMates() const;
    void RecomputeShadedBitmap();
    void UpdateAccelerator();
    void UpdateToolTip();

    TAlignment m_alignment = TAlignment::taCenter;
    bool m_allowAllUp = false;
    TBevelStyle m_bevelStyle = TBevelStyle::bsRaised;
    QImage m_noFocusBitmap;
    QImage m_bitmap;
    QImage m_disabledBitmap;
    // The pictures above and the shaded glyph, ready for transparent drawing (their own top-left
    // colour made transparent).
    QImage m_noFocusDrawn;
    QImage m_bitmapDrawn;
    QImage m_shadedDrawn;
    QImage m_disabledDrawn;
    QString m_caption;
    mutable std::optional<FlatButtonCaption> m_formattedCaption;
    int m_groupIndex = 0;
    bool m_down = false;
    QPointer<QMenu> m_dropDownMenu;
    bool m_enabled = true;
    TFlatButtonLayout m_layout = TFlatButtonLayout::blBitmapTop;
    TFlatButtonOptions m_options =
        TFlatButtonOption::boMonoDisplay | TFlatButtonOption::boPopupMark | TFlatButtonOption::boShowBevel;
    TFlatButtonShadingType m_shadingType = TFlatButtonShadingType::stMedium;
    bool m_showDownPattern = true;
    QColor m_unselectedFontColor; // invalid: the palette's WindowText
    bool m_wordWrap = false;
    QString m_hint;
    bool m_showHint = false;

    bool m_hot = false;           // the pointer is over the button (as far as the button cares)
    bool m_pressed = false;       // the left button went down on it and is not yet released
    bool m_pointerInside = false; // the pointer is inside, from enter/leave and moves during a press
    int m_acceleratorId = 0;      // shortcut id of the caption's Alt+letter, 0 when none
};
