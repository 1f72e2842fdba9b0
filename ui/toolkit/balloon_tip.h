// A balloon tip: a title and a text in a rounded balloon whose stem points at a spot of a widget.
#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

namespace plx {

class BalloonTip : public QWidget {
    Q_OBJECT

public:
    // Opens a balloon whose stem touches `anchor` (in `anchorWidget`'s coordinates). It closes
    // after `timeoutMs`, when the mouse leaves `anchorWidget` or that widget hides, and deletes
    // itself when closed; it never outlives `anchorWidget`. Lines of `content` are separated by
    // "\n". Right to left mirrors the balloon and the reading order.
    static BalloonTip* Launch(const QString& title, const QString& content, QWidget* anchorWidget,
                              QPoint anchor, bool rightToLeft, int timeoutMs = 5000);

    const QString& title() const { return title_; }
    const QString& content() const { return content_; }
    // The global point the stem touches.
    QPoint tip() const { return tip_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BalloonTip(const QString& title, const QString& content, QWidget* anchorWidget,
               bool rightToLeft);
    void Place(QPoint globalAnchor);

    QString title_;
    QString content_;
    QRect titleRect_;    // in body coordinates
    QRect contentRect_;  // in body coordinates
    QRect body_;         // in widget coordinates
    QPainterPath outline_;
    QPoint tip_;
};

}  // namespace plx
