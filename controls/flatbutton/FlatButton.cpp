#include "controls/flatbutton/FlatButton.h"

#include "controls/common/Accessibility.h"
#include "controls/common/Bevel.h"
#include "controls/common/BuiltInPicture.h"
#include "controls/common/FailureGuard.h"
#include "controls/flatbutton/FlatButtonAccessible.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace {
// One checker pattern for all buttons, made on first use. Destroying any button drops it; the next
// paint that needs it makes it again.
QImage &DownPatternCache()
{
    static QImage cache;
    return cache;
}

const QImage &SharedDownPattern()
{
    QImage &cache = DownPatternCache();
    if (cache.isNull())
        cache = DownPattern(ClassicButtonColors);
    return cache;
}

// The caption may take the button's width less 2 pixels each side.
constexpr int CaptionInset = 4;
} // namespace

TFlatButton::TFlatButton(QWidget *parent) : QWidget(parent)
{
    InstallFlatButtonAccessibility();
    setFocusPolicy(Qt::NoFocus);
    resize(50, 40);
}

TFlatButton::~TFlatButton()
{
    DownPatternCache() = QImage();
}

void TFlatButton::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TFlatButton::SetAllowAllUp(bool allowAllUp)
{
    m_allowAllUp = allowAllUp;
    if (m_groupIndex == 0)
        return;
    for (TFlatButton *mate : GroupMates())
        mate->m_allowAllUp = allowAllUp;
}

void TFlatButton::SetBevelStyle(TBevelStyle bevelStyle)
{
    if (bevelStyle == m_bevelStyle)
        return;
    m_bevelStyle = bevelStyle;
    update();
}

void TFlatButton::SetNoFocusBitmap(const QImage &bitmap)
{
    m_noFocusBitmap = bitmap;
    m_noFocusDrawn = TransparentGlyph(bitmap);
    update();
}

void TFlatButton::SetBitmap(const QImage &bitmap)
{
    m_bitmap = bitmap;
    m_bitmapDrawn = TransparentGlyph(bitmap);
    RecomputeShadedBitmap();
    update();
}

void TFlatButton::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    UpdateAccelerator();
    Announce(this, QAccessible::NameChanged);
    if (m_options.testFlag(TFlatButtonOption::boIconOnly)) {
        // The caption is not drawn; it serves as the hint instead.
        m_hint = StripAcceleratorMarks(caption);
        UpdateToolTip();
        return;
    }
    update();
}

void TFlatButton::SetGroupIndex(int groupIndex)
{
    if (groupIndex == m_groupIndex)
        return;
    m_groupIndex = groupIndex;
    if (groupIndex == 0 && m_down) {
        m_down = false;
        update();
    }
}

void TFlatButton::SetDisabledBitmap(const QImage &bitmap)
{
    m_disabledBitmap = bitmap;
    m_disabledDrawn = TransparentGlyph(bitmap);
    update();
}

void TFlatButton::SetDown(bool down)
{
    if (down == m_down || m_groupIndex == 0)
        return;
    m_down = down;
    update();
    QAccessible::State changed;
    changed.checked = true;
    AnnounceStateChange(this, changed);
    if (!down)
        return;
    for (TFlatButton *mate : GroupMates())
        mate->SetDown(false);
}

void TFlatButton::SetDropDownMenu(QMenu *menu)
{
    if (menu == m_dropDownMenu)
        return;
    m_dropDownMenu = menu;
    if (m_options.testFlag(TFlatButtonOption::boPopupMark))
        update();
}

void TFlatButton::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    // The hot look comes back only when the pointer leaves and enters again.
    m_pressed = false;
    m_hot = false;
    if (m_groupIndex == 0)
        m_down = false;
    update();
    QAccessible::State changed;
    changed.disabled = true;
    AnnounceStateChange(this, changed);
}

void TFlatButton::SetLayout(TFlatButtonLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TFlatButton::SetOptions(TFlatButtonOptions options)
{
    if (options == m_options)
        return;
    const bool wasIconOnly = m_options.testFlag(TFlatButtonOption::boIconOnly);
    const bool iconOnly = options.testFlag(TFlatButtonOption::boIconOnly);
    m_options = options;
    const QString strippedCaption = StripAcceleratorMarks(m_caption);
    if (iconOnly && !wasIconOnly && m_hint.isEmpty()) {
        m_hint = strippedCaption;
        m_showHint = true;
        UpdateToolTip();
    } else if (!iconOnly && wasIconOnly && m_hint == strippedCaption) {
        m_hint.clear();
        m_showHint = false;
        UpdateToolTip();
    }
    update();
}

void TFlatButton::SetShadingType(TFlatButtonShadingType shadingType)
{
    if (shadingType == m_shadingType)
        return;
    m_shadingType = shadingType;
    RecomputeShadedBitmap();
    update();
}

void TFlatButton::SetShowDownPattern(bool show)
{
    if (show == m_showDownPattern)
        return;
    m_showDownPattern = show;
    update();
}

QColor TFlatButton::UnselectedFontColor() const
{
    return m_unselectedFontColor.isValid() ? m_unselectedFontColor : FontColor();
}

void TFlatButton::SetUnselectedFontColor(const QColor &color)
{
    if (color == m_unselectedFontColor)
        return;
    m_unselectedFontColor = color;
    update();
}

QColor TFlatButton::FontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TFlatButton::SetFontColor(const QColor &color)
{
    QPalette changed = palette();
    changed.setColor(QPalette::WindowText, color);
    setPalette(changed);
}

void TFlatButton::SetWordWrap(bool wordWrap)
{
    if (wordWrap == m_wordWrap)
        return;
    m_wordWrap = wordWrap;
    update();
}

void TFlatButton::SetHint(const QString &hint)
{
    m_hint = hint;
    UpdateToolTip();
}

void TFlatButton::SetShowHint(bool showHint)
{
    m_showHint = showHint;
    UpdateToolTip();
}

bool TFlatButton::CaptionShown() const
{
    return !m_options.testFlag(TFlatButtonOption::boIconOnly) && !m_caption.isEmpty();
}

bool TFlatButton::PopupMarkShown() const
{
    return m_options.testFlag(TFlatButtonOption::boPopupMark) && m_dropDownMenu;
}

bool TFlatButton::PointerOver() const
{
    return rect().contains(mapFromGlobal(QCursor::pos()));
}

FlatButtonGeometry TFlatButton::Geometry() const
{
    FlatButtonGeometryInput input;
    input.Button = size();
    input.Glyph = m_bitmap.size();
    input.CaptionShown = CaptionShown();
    if (input.CaptionShown)
        input.Caption = FormattedCaption(m_wordWrap ? width() - CaptionInset : -1).Size();
    input.PopupMark = PopupMarkShown();
    input.Layout = m_layout;
    input.Alignment = m_alignment;
    input.WordWrap = m_wordWrap;
    return LayOutFlatButton(input);
}

void TFlatButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_down && m_showDownPattern)
        painter.fillRect(rect(), QBrush(SharedDownPattern()));
    const FlatButtonGeometry geometry = Geometry();
    if (!m_enabled)
        PaintDisabled(painter, geometry);
    else if ((m_pressed && m_hot) || m_down)
        PaintPressed(painter, geometry);
    else
        PaintNormal(painter, geometry);
    if (hasFocus())
        DrawFocusFrame(painter, rect().adjusted(2, 2, -3, -3), palette().color(QPalette::WindowText));
}

void TFlatButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            Click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TFlatButton::PaintBevel(QPainter &painter, bool sunken) const
{
    if (!m_options.testFlag(TFlatButtonOption::boShowBevel))
        return;
    // Two polylines whose segments leave out their end points: the whole left column and the top row
    // but its last pixel, then the right column and the bottom row but its first pixel.
    const bool raised = (m_bevelStyle == TBevelStyle::bsRaised) != sunken;
    DrawClassicBevel(painter, rect(), raised, TBevelCorners::LeftColumnWhole);
}

void TFlatButton::PaintPressed(QPainter &painter, const FlatButtonGeometry &geometry) const
{
    PaintBevel(painter, true);
    const QPoint offset(1, 1);
    const bool captionMoves = m_bevelStyle == TBevelStyle::bsRaised;
    PaintCaption(painter, captionMoves ? geometry.Text.translated(offset) : geometry.Text, FontColor());
    if (!m_bitmap.isNull())
        DrawPicture(painter, geometry.Glyph + offset, m_bitmapDrawn);
    if (PopupMarkShown())
        PaintPopupMark(painter, geometry.PopupMark + offset, FontColor());
}

void TFlatButton::PaintNormal(QPainter &painter, const FlatButtonGeometry &geometry) const
{
    QColor color = FontColor();
    if (m_hot)
        PaintBevel(painter, false);
    else
        color = UnselectedFontColor();
    const bool captionMoves = m_bevelStyle == TBevelStyle::bsLowered;
    PaintCaption(painter, captionMoves ? geometry.Text.translated(1, 1) : geometry.Text, color);
    if (!m_bitmap.isNull()) {
        const bool mono = !m_hot && m_options.testFlag(TFlatButtonOption::boMonoDisplay);
        const QImage &atRest = m_noFocusDrawn.isNull() ? m_shadedDrawn : m_noFocusDrawn;
        DrawPicture(painter, geometry.Glyph, mono ? atRest : m_bitmapDrawn);
    }
    if (PopupMarkShown())
        PaintPopupMark(painter, geometry.PopupMark, color);
}

void TFlatButton::PaintDisabled(QPainter &painter, const FlatButtonGeometry &geometry) const
{
    if (m_down)
        PaintBevel(painter, true);
    const ButtonColors &colors = ClassicButtonColors;
    if (!m_bitmap.isNull()) {
        if (!m_disabledDrawn.isNull()) {
            DrawPicture(painter, geometry.Glyph, m_disabledDrawn);
        } else {
            DrawPicture(painter, geometry.Glyph + QPoint(1, 1), BlackPixelsIn(m_bitmap, colors.Highlight));
            DrawPicture(painter, geometry.Glyph, BlackPixelsIn(m_bitmap, colors.Shadow));
        }
    }
    PaintCaption(painter, geometry.Text.translated(1, 1), colors.Highlight);
    PaintCaption(painter, geometry.Text, colors.Shadow);
}

void TFlatButton::PaintCaption(QPainter &painter, const QRect &rect, const QColor &color) const
{
    if (!CaptionShown())
        return;
    painter.setPen(color);
    FormattedCaption(m_wordWrap ? rect.width() : -1).Draw(painter, rect, m_alignment);
}

const FlatButtonCaption &TFlatButton::FormattedCaption(int wrapWidth) const
{
    if (!m_formattedCaption || !m_formattedCaption->Formats(m_caption, font(), wrapWidth))
        m_formattedCaption.emplace(m_caption, font(), wrapWidth);
    return *m_formattedCaption;
}

void TFlatButton::PaintPopupMark(QPainter &painter, QPoint anchor, const QColor &color) const
{
    for (const QRect &row : PopupMarkRows(anchor))
        painter.fillRect(row, color);
}

bool TFlatButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && m_acceleratorId != 0 &&
        static_cast<QShortcutEvent *>(event)->shortcutId() == m_acceleratorId) {
        Click();
        return true;
    }
    return QWidget::event(event);
}

void TFlatButton::enterEvent(QEnterEvent *)
{
    // Moves during a press may have reported the entry already.
    if (m_pointerInside)
        return;
    m_pointerInside = true;
    PointerEntered();
}

void TFlatButton::leaveEvent(QEvent *)
{
    if (!m_pointerInside)
        return;
    m_pointerInside = false;
    PointerLeft();
}

void TFlatButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    TrackPointer(event->position().toPoint());
    LeftPress();
}

void TFlatButton::mouseMoveEvent(QMouseEvent *event)
{
    // Without mouse tracking moves arrive only while a button is held, when Qt reports no
    // enter or leave: the button follows the pointer itself.
    TrackPointer(event->position().toPoint());
}

void TFlatButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        TrackPointer(event->position().toPoint());
        LeftRelease();
    } else if (event->button() == Qt::RightButton) {
        QWidget::mouseReleaseEvent(event);
        // A context menu may have taken the mouse in the meantime: start afresh.
        ResetAfterPopup();
    } else {
        QWidget::mouseReleaseEvent(event);
    }
}

void TFlatButton::PointerEntered()
{
    m_hot = true;
    if (m_enabled && !m_down)
        update();
    RaiseGuarded(OnEnter, this);
}

void TFlatButton::PointerLeft()
{
    m_hot = false;
    if (m_enabled && !m_down)
        update();
    RaiseGuarded(OnExit, this);
}

void TFlatButton::TrackPointer(QPoint position)
{
    const bool inside = rect().contains(position);
    if (inside == m_pointerInside)
        return;
    m_pointerInside = inside;
    if (inside)
        PointerEntered();
    else
        PointerLeft();
}

void TFlatButton::ForgetPointerIfAway()
{
    if (PointerOver())
        return;
    if (m_pointerInside) {
        m_pointerInside = false;
        PointerLeft();
    } else {
        m_hot = false;
    }
}

void TFlatButton::LeftPress()
{
    QWidget *form = window();
    if (form != QApplication::activeWindow()) {
        form->raise();
        form->activateWindow();
    }
    if (!m_enabled || !isVisible())
        return;
    m_pressed = true;
    m_hot = true;
    update();
    // Without a menu Qt's implicit grab holds the mouse until the release.
    if (!m_dropDownMenu)
        return;
    const QPointer<TFlatButton> self(this);
    m_dropDownMenu->exec(mapToGlobal(QPoint(0, height())));
    if (self)
        ResetAfterPopup();
}

void TFlatButton::LeftRelease()
{
    if (!m_enabled || !isVisible() || !m_pressed)
        return;
    m_pressed = false;
    if (m_hot && m_groupIndex != 0) {
        if (!m_down)
            SetDown(true);
        else if (m_allowAllUp)
            SetDown(false);
    }
    if (mouseGrabber() == this)
        releaseMouse();
    if (!m_hot)
        return;
    update();
    if (!m_dropDownMenu)
        RaiseGuarded(OnClick, this);
}

void TFlatButton::ResetAfterPopup()
{
    if (mouseGrabber() == this)
        releaseMouse();
    ForgetPointerIfAway();
    m_pressed = false;
    update();
}

void TFlatButton::Click()
{
    if (!m_enabled || !isVisible())
        return;
    const QPointer<TFlatButton> self(this);
    m_hot = true;
    m_pressed = false;
    // The same path as a click, each step painted at once (without running other events).
    repaint();
    LeftPress();
    if (!self)
        return;
    repaint();
    LeftRelease();
    if (!self)
        return;
    repaint();
    ForgetPointerIfAway();
    update();
}

QList<TFlatButton *> TFlatButton::GroupMates() const
{
    QList<TFlatButton *> mates;
    if (!parentWidget())
        return mates;
    for (TFlatButton *button : parentWidget()->findChildren<TFlatButton *>(Qt::FindDirectChildrenOnly)) {
        if (button != this && button->m_groupIndex == m_groupIndex)
            mates.append(button);
    }
    return mates;
}

void TFlatButton::RecomputeShadedBitmap()
{
    m_shadedDrawn = TransparentGlyph(ShadedGlyph(m_bitmap, m_shadingType, ClassicButtonColors));
}

void TFlatButton::UpdateAccelerator()
{
    if (m_acceleratorId != 0) {
        releaseShortcut(m_acceleratorId);
        m_acceleratorId = 0;
    }
    const QKeySequence accelerator = QKeySequence::mnemonic(m_caption);
    if (!accelerator.isEmpty())
        m_acceleratorId = grabShortcut(accelerator);
}

void TFlatButton::UpdateToolTip()
{
    setToolTip(m_showHint ? m_hint : QString());
}
