#include "ui/toolkit/balloon_tip.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QTimer>

#include <algorithm>

#include "ui/toolkit/painting.h"

namespace plx {
namespace {

constexpr int kMargin = 8;
constexpr int kRadius = 8;
constexpr int kStemHeight = 12;
constexpr int kStemWidth = 14;
constexpr int kStemInset = 14;  // from the body's near edge to the stem
constexpr int kMaxTextWidth = 320;
constexpr int kTitleGap = 4;

const QColor kFill(255, 255, 225);
const QColor kBorder(90, 90, 90);

QFont BalloonFont(bool bold) {
    QFont font(kFontFamily);
    font.setBold(bold);
    return font;
}

int TextFlags() {
    return Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;
}

}  // namespace

BalloonTip* BalloonTip::Launch(const QString& title, const QString& content, QWidget* anchorWidget,
                               QPoint anchor, bool rightToLeft, int timeoutMs) {
    auto* balloon = new BalloonTip(title, content, anchorWidget, rightToLeft);
    balloon->Place(anchorWidget->mapToGlobal(anchor));
    balloon->show();
    // A timer of its own, so that the balloon's time can be looked at (and run out) by name.
    auto* closing = new QTimer(balloon);
    closing->setObjectName(QStringLiteral("closeTimer"));
    closing->setSingleShot(true);
    connect(closing, &QTimer::timeout, balloon, &QWidget::close);
    closing->start(timeoutMs);
    return balloon;
}

BalloonTip::BalloonTip(const QString& title, const QString& content, QWidget* anchorWidget,
                       bool rightToLeft)
    // A child of the anchor, so that it goes when the anchor goes; a window all the same.
    : QWidget(anchorWidget, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput),
      title_(title),
      content_(content) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    anchorWidget->installEventFilter(this);

    const QRect limit(0, 0, kMaxTextWidth, 10000);
    titleRect_ = QFontMetrics(BalloonFont(true)).boundingRect(limit, TextFlags(), title_);
    contentRect_ = QFontMetrics(BalloonFont(false)).boundingRect(limit, TextFlags(), content_);
    const int width =
        std::max({titleRect_.width(), contentRect_.width(), 2 * kStemInset + kStemWidth});
    titleRect_ = QRect(kMargin, kMargin, width, titleRect_.height());
    contentRect_ =
        QRect(kMargin, titleRect_.bottom() + 1 + kTitleGap, width, contentRect_.height());
    body_ = QRect(0, 0, width + 2 * kMargin, contentRect_.bottom() + 1 + kMargin);
}

void BalloonTip::Place(QPoint globalAnchor) {
    tip_ = globalAnchor;
    const QRect screen = parentWidget()->screen()->availableGeometry();
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    // Above the anchor when it fits, so the spot pointed at stays visible; else below it.
    const bool above = globalAnchor.y() - kStemHeight - body_.height() >= screen.top();
    const int stemFromNearEdge = kStemInset + kStemWidth / 2;
    int left = rightToLeft ? globalAnchor.x() + stemFromNearEdge - body_.width()
                           : globalAnchor.x() - stemFromNearEdge;
    left = std::clamp(left, screen.left(),
                      std::max(screen.left(), screen.right() + 1 - body_.width()));
    const int top = above ? globalAnchor.y() - kStemHeight - body_.height() : globalAnchor.y();
    setGeometry(left, top, body_.width(), body_.height() + kStemHeight);

    body_.moveTop(above ? 0 : kStemHeight);
    const int stemX = std::clamp(globalAnchor.x() - left, kRadius + kStemWidth / 2,
                                 body_.width() - kRadius - kStemWidth / 2);
    const int stemBase = above ? body_.bottom() : body_.top();
    const int stemTip = above ? body_.bottom() + kStemHeight : body_.top() - kStemHeight;
    QPainterPath stem;
    stem.moveTo(stemX - kStemWidth / 2, stemBase);
    stem.lineTo(stemX, stemTip);
    stem.lineTo(stemX + kStemWidth / 2, stemBase);
    stem.closeSubpath();
    QPainterPath body;
    body.addRoundedRect(QRectF(body_).adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
    outline_ = body.united(stem);
    setMask(QRegion(outline_.toFillPolygon().toPolygon()));
}

void BalloonTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kFill);
    painter.setPen(kBorder);
    painter.setBrush(kFill);
    painter.drawPath(outline_);
    painter.setPen(Qt::black);
    // With the widget's direction the left alignment turns into the right one, and the text
    // reads from the right.
    painter.setLayoutDirection(layoutDirection());
    painter.setFont(BalloonFont(true));
    painter.drawText(titleRect_.translated(body_.topLeft()), TextFlags(), title_);
    painter.setFont(BalloonFont(false));
    painter.drawText(contentRect_.translated(body_.topLeft()), TextFlags(), content_);
}

bool BalloonTip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() &&
        (event->type() == QEvent::Leave || event->type() == QEvent::Hide)) {
        close();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace plx
