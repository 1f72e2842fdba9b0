// CSKDialog: a dialog that wears the program's own frame instead of the desktop's. The caption
// band, the borders and the caption buttons are drawn from the pictures of a theme; the corners
// are cut to their curves; the window is moved by its frame and resized by its edges through the
// window system, so it behaves the same under X11 and Wayland.
//
// A dialog takes the frame by deriving from CSKDialog instead of QDialog: it gets theme 1 when
// it is first shown unless it has called SetSkin itself. Its layout is kept inside the frame
// (the frame's borders are the widget's contents margins); a dialog that places its controls by
// hand places them inside ClientRect().
#pragma once

#include <QDialog>
#include <QMargins>
#include <QString>

#include "ui/toolkit/skin_geometry.h"

class QPainter;

namespace plx {

// The themes the program adds at start: the main window's, whose top-left corner carries the
// program's title, and every other dialog's.
inline constexpr int kMainWindowSkin = 0;
inline constexpr int kDialogSkin = 1;

class CSKDialog : public QDialog {
public:
    explicit CSKDialog(QWidget* parent = nullptr);

    // Puts the window into theme `index`'s frame; the client area keeps its size. Nothing happens
    // for an index outside the theme table or when the desktop's own frame is asked for
    // (NativeFrame). Calling it again switches to another theme.
    void SetSkin(int index);
    // Shows `text` in the caption band from now on, whatever the window title becomes; an empty
    // text leaves the band without one.
    void SetFrameCaption(const QString& text);
    // The program's title, written in the corner of a theme that has room for it (the main
    // window's): the language file's name of the program ("Plx", "PLX") unless set otherwise.
    void SetFrameTitle(const QString& title);
    const QString& FrameTitle() const { return frameTitle_; }
    // Fixes the window at the size that holds a client area of `client` inside its frame, or at
    // the frame's smallest size when that is larger.
    void SetFixedClientSize(QSize client);
    // The area inside the frame (the whole window when it has none).
    QRect ClientRect() const { return contentsRect(); }

    // -1 while the window has the desktop's frame.
    int Theme() const { return theme_; }
    QColor BackgroundColor() const { return backgroundColor_; }
    QString CaptionText() const { return captionHidden_ ? QString() : captionText_; }
    // The caption button under the pointer or held down; kCaption when none.
    FrameHit HoverCode() const { return hover_; }
    // Where a caption button stands in the window; empty when the window has none.
    QRect ButtonRect(FrameHit button) const;
    FrameHit HitTest(QPoint point) const;

    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;

private:
    FrameShape Shape() const;
    bool HandleMouse(QMouseEvent* event);
    void ShowHover(FrameHit hit);
    void PressButton(FrameHit button);
    void ToggleMaximized();
    void FollowActivation();
    void AfterResize();
    void UpdateMask();
    void UpdateCursor(FrameHit hit);
    void PaintFrame();
    void PaintTitle(QPainter& painter, const QRect& area, QColor colour);

    int theme_ = -1;
    bool skinChosen_ = false;
    bool rightToLeft_ = false;
    QMargins borders_;  // in reading order
    QString frameTitle_;
    QString captionText_;
    bool captionFrozen_ = false;
    bool captionHidden_ = false;
    bool active_ = false;
    FrameHit hover_ = FrameHit::kCaption;
    FrameHit held_ = FrameHit::kCaption;  // the caption button the left button went down on
    bool dragging_ = false;               // the left button went down on the caption
    QPoint dragFrom_;
    bool edgeCursor_ = false;
    QColor backgroundColor_;
};

}  // namespace plx
