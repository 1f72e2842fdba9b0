#include "ui/times_events.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

#include "ui/layout_text.h"

namespace plx {
namespace {

constexpr LayoutText kEventsCaption{u"אירועים להיום", u"Today's Events"};
constexpr LayoutText kTimesCaption{u"זמני היום", u"Times of the Day"};

// The boxes share the page in the proportion of their template widths.
constexpr int kInformationStretch = 256;
constexpr int kTimesStretch = 138;
constexpr int kTimeColumnGap = 14;

QPlainTextEdit* ReadOnlyBox(Qt::Alignment alignment, Qt::LayoutDirection direction,
                            QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setUndoRedoEnabled(false);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QTextOption option = box->document()->defaultTextOption();
    option.setAlignment(alignment);
    option.setTextDirection(direction);
    box->document()->setDefaultTextOption(option);
    return box;
}

}  // namespace

CPLXTimesEventsDlg::CPLXTimesEventsDlg(const QString& languageCode, QWidget* parent)
    : QWidget(parent), englishLayout_(languageCode == QStringLiteral("en")) {
    const Qt::LayoutDirection direction = englishLayout_ ? Qt::LeftToRight : Qt::RightToLeft;
    setLayoutDirection(direction);
    setAttribute(Qt::WA_TranslucentBackground);

    // Absolute alignment: the text layout does not mirror a plain AlignLeft for right-to-left text.
    const Qt::Alignment reading = englishLayout_ ? Qt::AlignLeft : Qt::AlignRight;
    information_ = ReadOnlyBox(reading | Qt::AlignAbsolute | Qt::AlignTop, direction, this);
    times_ = ReadOnlyBox(Qt::AlignHCenter | Qt::AlignTop, direction, this);
    information_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setVerticalSpacing(2);
    auto* eventsCaption = new QLabel(LayoutString(kEventsCaption, !englishLayout_), this);
    auto* timesCaption = new QLabel(LayoutString(kTimesCaption, !englishLayout_), this);
    grid->addWidget(eventsCaption, 0, 0, Qt::AlignHCenter);
    grid->addWidget(timesCaption, 0, 1, Qt::AlignHCenter);
    grid->addWidget(information_, 1, 0);
    grid->addWidget(times_, 1, 1);
    grid->setColumnStretch(0, kInformationStretch);
    grid->setColumnStretch(1, kTimesStretch);
}

void CPLXTimesEventsDlg::SetInformationText(const QString& text) {
    information_->setPlainText(text);
}

void CPLXTimesEventsDlg::SetTimesText(const QString& text) {
    // The labels end in tabs that align the times for one particular font. Here one tab stop just
    // past the widest label puts the times in a column in any font; as every line then has the
    // same width, centring keeps the column straight.
    QString lines = text;
    lines.replace(QRegularExpression(QStringLiteral("\t+")), QStringLiteral("\t"));
    const QFontMetrics metrics(times_->font());
    int widest = 0;
    for (const QString& line : lines.split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line.section(u'\t', 0, 0)));
    }
    QTextOption option = times_->document()->defaultTextOption();
    option.setTabStopDistance(widest + kTimeColumnGap);
    times_->document()->setDefaultTextOption(option);
    times_->setPlainText(lines);
}

}  // namespace plx
