#include "ui/date_fields.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/layout_text.h"
#include "ui/toolkit/up_down.h"

namespace plx {
namespace {

constexpr LayoutText kHebrewTitle{u" תאריך עברי ", u" Hebrew Date "};
constexpr LayoutText kCivilTitle{u" תאריך לועזי ", u" Civil Date "};
constexpr LayoutText kDayStep{u"יום אחד קדימה או אחורה", u"One day on or back"};
constexpr LayoutText kYearStep{u"שנה אחת קדימה או אחורה", u"One year on or back"};
constexpr LayoutText kDecadeStep{u"עשר שנים קדימה או אחורה", u"Ten years on or back"};

constexpr int kDayFieldWidth = 48;
constexpr int kMonthBoxWidth = 112;
constexpr int kYearFieldWidth = 72;

QLineEdit* DateField(int width, Qt::Alignment alignment, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setFixedWidth(width);
    field->setAlignment(alignment);
    return field;
}

QComboBox* MonthBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setCompleter(nullptr);  // the window completes month names itself
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(13);
    box->setFixedWidth(kMonthBoxWidth);
    return box;
}

UpDownControl* Spinner(const LayoutText& tip, bool hebrewLayout, QWidget* parent) {
    auto* spinner = new UpDownControl(parent);
    spinner->setToolTip(LayoutString(tip, hebrewLayout));
    return spinner;
}

}  // namespace

DateFields::DateFields(Calendar calendar, bool hebrewLayout, QWidget* parent)
    : QGroupBox(parent), calendar_(calendar) {
    const bool hebrew = calendar == Calendar::Hebrew;
    setTitle(LayoutString(hebrew ? kHebrewTitle : kCivilTitle, hebrewLayout));
    // Hebrew dates are written in Hebrew numerals, which read from the right in either layout.
    const Qt::Alignment alignment =
        hebrew ? Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter : Qt::AlignCenter;
    // Made in the order of the row, which is the order Tab takes.
    day_ = DateField(kDayFieldWidth, alignment, this);
    daySpinner_ = Spinner(kDayStep, hebrewLayout, this);
    month_ = MonthBox(this);
    year_ = DateField(kYearFieldWidth, alignment, this);
    // Beside the year the Hebrew group has the ten-year spinner first, the civil group the
    // one-year spinner.
    UpDownControl* first = Spinner(hebrew ? kDecadeStep : kYearStep, hebrewLayout, this);
    UpDownControl* second = Spinner(hebrew ? kYearStep : kDecadeStep, hebrewLayout, this);
    yearSpinner_ = hebrew ? second : first;
    decadeSpinner_ = hebrew ? first : second;

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(3);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->addStretch();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{day_, daySpinner_, month_, year_, first, second}) {
        layout->addWidget(widget);
    }
    layout->addStretch();

    for (const Part part : {Part::Day, Part::Year}) {
        connect(field(part), &QLineEdit::textEdited, this,
                [this, part] { emit fieldEdited(part); });
        field(part)->installEventFilter(this);
    }
    month_->installEventFilter(this);
    connect(month_, &QComboBox::activated, this, &DateFields::monthChosen);
    connect(month_->lineEdit(), &QLineEdit::textEdited, this, &DateFields::monthTyped);
    const std::pair<UpDownControl*, Step> spinners[] = {
        {daySpinner_, Step::Day}, {yearSpinner_, Step::Year}, {decadeSpinner_, Step::Decade}};
    for (const auto& [spinner, step] : spinners) {
        connect(spinner, &UpDownControl::stepped, this,
                [this, step](int direction) { emit stepped(step, direction); });
    }
}

bool DateFields::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        emit fieldLeft();
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit fieldLeft();
            return true;
        }
        // Up and Down in the day or year field step it like its spinner; the key then goes on.
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && watched != month_) {
            emit stepped(watched == day_ ? Step::Day : Step::Year, key == Qt::Key_Up ? +1 : -1);
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace plx
