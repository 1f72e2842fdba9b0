#include "ui/toolkit/skinned_dialog.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "app/language.h"
#include "ui/toolkit/painting.h"
#include "ui/toolkit/skin_theme.h"

namespace plx {
namespace {

QMargins Mirrored(const QMargins& m) {
    return QMargins(m.right(), m.top(), m.left(), m.bottom());
}

Qt::Edges EdgesOf(FrameHit hit) {
    switch (hit) {
        case FrameHit::kLeft:
            return Qt::LeftEdge;
        case FrameHit::kRight:
            return Qt::RightEdge;
        case FrameHit::kTop:
            return Qt::TopEdge;
        case FrameHit::kBottom:
            return Qt::BottomEdge;
        case FrameHit::kTopLeft:
            return Qt::TopEdge | Qt::LeftEdge;
        case FrameHit::kTopRight:
            return Qt::TopEdge | Qt::RightEdge;
        case FrameHit::kBottomLeft:
            return Qt::BottomEdge | Qt::LeftEdge;
        case FrameHit::kBottomRight:
            return Qt::BottomEdge | Qt::RightEdge;
        default:
            return {};
    }
}

Qt::CursorShape CursorOf(Qt::Edges edges) {
    if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
        return Qt::SizeFDiagCursor;
    if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
        return Qt::SizeBDiagCursor;
    return (edges & (Qt::LeftEdge | Qt::RightEdge)) ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

struct ButtonPictures {
    SkinSlot normal;
    SkinSlot hover;
    SkinSlot pressed;
};

// The picture of a caption button in the state it is in; the hover picture stands in for a
// pressed one the theme lacks.
SkinSlot PictureOf(const SkinTheme& theme, ButtonPictures pictures, bool hovered, bool held) {
    if (hovered && held && !theme.metrics.sizes[pictures.pressed].isEmpty())
        return pictures.pressed;
    return hovered ? pictures.hover : pictures.normal;
}

}  // namespace

CSKDialog::CSKDialog(QWidget* parent)
    : QDialog(parent),
      frameTitle_(LookupString(u"Plx", u"PLX")),
      backgroundColor_(palette().color(QPalette::Button)) {}

void CSKDialog::SetSkin(int index) {
    skinChosen_ = true;
    const SkinTheme* theme = SkinThemeAt(index);
    if (!theme || NativeFrame())
        return;
    const QMargins before = contentsMargins();
    if (theme_ < 0) {
        const bool shown = isVisible();
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
        setMouseTracking(true);
        if (shown)
            show();
    }
    theme_ = index;
    rightToLeft_ = layoutDirection() == Qt::RightToLeft;
    borders_ = FrameBordersOf(theme->metrics, rightToLeft_);
    if (theme->hasBackground) {
        backgroundColor_ = theme->background;
        QPalette colours = palette();
        colours.setColor(QPalette::Window, backgroundColor_);
        setPalette(colours);
    }
    if (!captionFrozen_)
        captionText_ = windowTitle();

    setMinimumSize(minimumSize().expandedTo(MinimumFrameSize(theme->metrics)));
    const QMargins frame = rightToLeft_ ? Mirrored(borders_) : borders_;
    const QSize client = size().shrunkBy(before);
    setContentsMargins(frame);
    // A window nobody has sized yet takes its layout's size when shown, frame included.
    if (testAttribute(Qt::WA_Resized) || isVisible())
        resize(SkinnedWindowSize(client, frame));
    UpdateMask();
    update();
}

void CSKDialog::SetFrameCaption(const QString& text) {
    captionText_ = text;
    captionFrozen_ = true;
    captionHidden_ = text.isEmpty();
    update();
}

void CSKDialog::SetFrameTitle(const QString& title) {
    frameTitle_ = title;
    update();
}

void CSKDialog::SetFixedClientSize(QSize client) {
    QSize window = SkinnedWindowSize(client, contentsMargins());
    if (const SkinTheme* theme = SkinThemeAt(theme_))
        window = window.expandedTo(MinimumFrameSize(theme->metrics));
    setFixedSize(window);
}

void CSKDialog::setVisible(bool visible) {
    if (visible && !skinChosen_)
        SetSkin(kDialogSkin);
    QDialog::setVisible(visible);
}

FrameShape CSKDialog::Shape() const {
    const SkinTheme* theme = SkinThemeAt(theme_);
    FrameShape shape;
    shape.window = size();
    shape.borders = borders_;
    shape.rightToLeft = rightToLeft_;
    // A maximised window has no edges to drag.
    shape.resizable = minimumSize() != maximumSize() && !isMaximized();
    if (!theme)
        return shape;
    const Qt::WindowFlags flags = windowFlags();
    const bool hasMinimize = (flags & Qt::WindowMinimizeButtonHint) && !isMinimized();
    const bool hasMaximize = (flags & Qt::WindowMaximizeButtonHint) || isMinimized();
    shape.buttons =
        LayOutCaptionButtons(theme->metrics, width(), hasMinimize, hasMaximize, isMaximized());
    shape.captionHeight = theme->metrics.sizes[kSlotTopEdge].height();
    return shape;
}

QRect CSKDialog::ButtonRect(FrameHit button) const {
    const CaptionButtons buttons = Shape().buttons;
    QRect rect;
    if (button == FrameHit::kClose)
        rect = buttons.close;
    else if (button == FrameHit::kMaximize)
        rect = buttons.maximize;
    else if (button == FrameHit::kMinimize)
        rect = buttons.minimize;
    return rightToLeft_ && !rect.isEmpty() ? MirroredRect(rect, width()) : rect;
}

FrameHit CSKDialog::HitTest(QPoint point) const {
    if (theme_ < 0)
        return FrameHit::kClient;
    return HitTestFrame(Shape(), point);
}

bool CSKDialog::event(QEvent* event) {
    if (theme_ < 0)
        return QDialog::event(event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            if (HandleMouse(static_cast<QMouseEvent*>(event)))
                return true;
            break;
        case QEvent::Leave:
            if (held_ == FrameHit::kCaption)
                ShowHover(FrameHit::kCaption);
            break;
        case QEvent::WindowTitleChange:
            if (!captionFrozen_) {
                captionText_ = windowTitle();
                update();
            }
            break;
        case QEvent::ActivationChange:
        case QEvent::EnabledChange:
            FollowActivation();
            break;
        case QEvent::WindowStateChange:
            update();
            break;
        default:
            break;
    }
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::Paint)
        PaintFrame();
    else if (event->type() == QEvent::Resize)
        AfterResize();
    return handled;
}

bool CSKDialog::HandleMouse(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const FrameHit hit = HitTest(at);
    const bool left = event->button() == Qt::LeftButton;
    switch (event->type()) {
        case QEvent::MouseMove:
            if (held_ != FrameHit::kCaption) {
                // A held button shows pressed only while the pointer is on it.
                ShowHover(hit == held_ ? hit : FrameHit::kCaption);
                return true;
            }
            if (dragging_ && (event->buttons() & Qt::LeftButton)) {
                if ((at - dragFrom_).manhattanLength() >= QApplication::startDragDistance()) {
                    dragging_ = false;
                    if (windowHandle())
                        windowHandle()->startSystemMove();
                }
                return true;
            }
            ShowHover(IsCaptionButton(hit) ? hit : FrameHit::kCaption);
            UpdateCursor(hit);
            return hit != FrameHit::kClient;
        case QEvent::MouseButtonPress:
            if (hit == FrameHit::kClient)
                return false;
            if (left && IsCaptionButton(hit)) {
                held_ = hit;
                ShowHover(hit);
            } else if (left && hit == FrameHit::kCaption) {
                dragging_ = true;
                dragFrom_ = at;
            } else if (left && windowHandle()) {
                windowHandle()->startSystemResize(EdgesOf(hit));
            }
            return true;
        case QEvent::MouseButtonRelease:
            dragging_ = false;
            if (left && held_ != FrameHit::kCaption) {
                const FrameHit button = held_;
                held_ = FrameHit::kCaption;
                ShowHover(FrameHit::kCaption);
                if (hit == button)
                    PressButton(button);
                return true;
            }
            return hit != FrameHit::kClient;
        case QEvent::MouseButtonDblClick:
            if (hit == FrameHit::kClient)
                return false;
            if (left && hit == FrameHit::kCaption && (windowFlags() & Qt::WindowMaximizeButtonHint))
                ToggleMaximized();
            return true;
        default:
            return false;
    }
}

void CSKDialog::ShowHover(FrameHit hit) {
    if (hit == hover_)
        return;
    hover_ = hit;
    update(QRect(0, 0, width(), borders_.top()));
}

void CSKDialog::PressButton(FrameHit button) {
    if (button == FrameHit::kMinimize)
        showMinimized();
    else if (button == FrameHit::kMaximize)
        ToggleMaximized();
    else if (button == FrameHit::kClose)
        close();
}

void CSKDialog::ToggleMaximized() {
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void CSKDialog::FollowActivation() {
    const bool active = isEnabled() && isActiveWindow();
    if (active == active_)
        return;
    active_ = active;
    update(QRect(0, 0, width(), borders_.top()));
}

void CSKDialog::AfterResize() {
    const SkinTheme* theme = SkinThemeAt(theme_);
    const QSize least = MinimumFrameSize(theme->metrics);
    if (!isMaximized() && (width() < least.width() || height() < least.height()))
        resize(size().expandedTo(least));
    UpdateMask();
}

void CSKDialog::UpdateMask() {
    const SkinTheme* theme = SkinThemeAt(theme_);
    if (!theme)
        return;
    const CornerSlots corners = CornerSlotsOf(rightToLeft_);
    std::array<QRegion, 4> keys;
    std::array<bool, 4> cut{};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        keys[i] = theme->pictures[corners[i]].KeyPixels();
        cut[i] = theme->regionFlags & (1 << (i + (rightToLeft_ ? 4 : 0)));
    }
    setMask(FrameMask(size(), theme->metrics, rightToLeft_, keys, cut));
}

void CSKDialog::UpdateCursor(FrameHit hit) {
    const Qt::Edges edges = EdgesOf(hit);
    if (edges) {
        setCursor(CursorOf(edges));
        edgeCursor_ = true;
    } else if (edgeCursor_) {
        unsetCursor();
        edgeCursor_ = false;
    }
}

void CSKDialog::PaintFrame() {
    const SkinTheme* theme = SkinThemeAt(theme_);
    if (!theme)
        return;
    const FrameShape shape = Shape();
    const auto& sizes = theme->metrics.sizes;
    const qreal ratio = devicePixelRatioF();
    const int w = width();
    const int h = height();
    auto picture = [&](int slot) { return theme->pictures[slot].At(ratio); };

    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A right-to-left window is the mirror image of a left-to-right one.
    if (rightToLeft_) {
        painter.translate(w, 0);
        painter.scale(-1, 1);
    }
    const CornerSlots corners = CornerSlotsOf(rightToLeft_);
    const QSize topLeft = sizes[corners[0]];
    const QSize topRight = sizes[corners[1]];
    const QSize bottomLeft = sizes[corners[2]];
    const QSize bottomRight = sizes[corners[3]];
    painter.drawPixmap(QPoint(0, 0), picture(corners[0]));
    painter.drawPixmap(QPoint(w - topRight.width(), 0), picture(corners[1]));
    painter.drawPixmap(QPoint(0, h - bottomLeft.height()), picture(corners[2]));
    painter.drawPixmap(QPoint(w - bottomRight.width(), h - bottomRight.height()),
                       picture(corners[3]));

    const int top = sizes[kSlotTopEdge].height();
    const int bottom = sizes[kSlotBottomEdge].height();
    const int left = sizes[kSlotLeftEdge].width();
    const int right = sizes[kSlotRightEdge].width();
    painter.drawPixmap(QRect(topLeft.width(), 0, w - topLeft.width() - topRight.width(), top),
                       picture(kSlotTopEdge));
    painter.drawPixmap(QRect(0, topLeft.height(), left, h - topLeft.height() - bottomLeft.height()),
                       picture(kSlotLeftEdge));
    painter.drawPixmap(
        QRect(bottomLeft.width(), h - bottom, w - bottomLeft.width() - bottomRight.width(), bottom),
        picture(kSlotBottomEdge));
    painter.drawPixmap(
        QRect(w - right, topRight.height(), right, h - topRight.height() - bottomRight.height()),
        picture(kSlotRightEdge));

    const bool buttonDown = QApplication::mouseButtons() & Qt::LeftButton;
    auto drawButton = [&](const QRect& where, FrameHit code, ButtonPictures pictures) {
        if (where.isEmpty())
            return;
        const bool hovered = hover_ == code;
        painter.drawPixmap(where.topLeft(), picture(PictureOf(*theme, pictures, hovered,
                                                              held_ == code || buttonDown)));
    };
    drawButton(shape.buttons.close, FrameHit::kClose,
               {kSlotClose, kSlotCloseHover, kSlotClosePressed});
    const bool restore = isMaximized() && !sizes[kSlotRestore].isEmpty();
    drawButton(shape.buttons.maximize, FrameHit::kMaximize,
               restore ? ButtonPictures{kSlotRestore, kSlotRestoreHover, kSlotRestorePressed}
                       : ButtonPictures{kSlotMaximize, kSlotMaximizeHover, kSlotMaximizePressed});
    drawButton(shape.buttons.minimize, FrameHit::kMinimize,
               {kSlotMinimize, kSlotMinimizeHover, kSlotMinimizePressed});

    painter.resetTransform();
    if (!theme->titleArea.isEmpty()) {
        PaintTitle(painter, rightToLeft_ ? MirroredRect(theme->titleArea, w) : theme->titleArea,
                   theme->titleColour);
    }
    if (captionHidden_)
        return;
    QRect band = CaptionTextRect(theme->metrics, shape);
    if (rightToLeft_)
        band = MirroredRect(band, w);
    QFont font = QApplication::font();
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    painter.setPen(active_ ? theme->activeCaption : theme->inactiveCaption);
    painter.setLayoutDirection(rightToLeft_ ? Qt::RightToLeft : Qt::LeftToRight);
    const QString text =
        painter.fontMetrics().elidedText(captionText_, Qt::ElideRight, band.width());
    const Qt::Alignment side = rightToLeft_ ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(band, side | Qt::AlignAbsolute | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void CSKDialog::PaintTitle(QPainter& painter, const QRect& area, QColor colour) {
    if (frameTitle_.isEmpty())
        return;
    QFont font(kFontFamily);
    font.setBold(true);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(colour);
    // Read from the icon on: the leading alignment puts it beside the icon in either direction.
    painter.setLayoutDirection(rightToLeft_ ? Qt::RightToLeft : Qt::LeftToRight);
    const QString text =
        painter.fontMetrics().elidedText(frameTitle_, Qt::ElideRight, area.width());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

}  // namespace plx
