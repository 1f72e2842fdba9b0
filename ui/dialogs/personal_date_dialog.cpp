#include "ui/dialogs/personal_date_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/language.h"
#include "app/number_text.h"
#include "app/utf16.h"
#include "engine/numerals.h"
#include "engine/personal_dates.h"
#include "engine/vocabulary.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/small_dialog.h"
#include "ui/personal_texts.h"

namespace plx {
namespace {

constexpr int kNameWidth = 240;
constexpr int kYearWidth = 70;
// Where a month that the other year's list lacks by name goes: Adar, or Adar I.
constexpr int kAdarIndex = 5;

QString Text(const char16_t* key) {
    return PersonalText(key);
}

}  // namespace

CPLXPersonalDateDlg::CPLXPersonalDateDlg(const PersonalDate& date, bool hebrewLayout,
                                         QWidget* parent)
    : CSKDialog(parent),
      original_(date),
      hebrewLayout_(hebrewLayout),
      names_(hebrewLayout ? Language::kHebrew : Language::kEnglish) {
    PrepareSmallDialog(*this, hebrewLayout, Text(u"EDIT_TITLE"));

    name_ = new QLineEdit(this);
    name_->setMinimumWidth(kNameWidth);
    kind_ = new QComboBox(this);
    for (PersonalKind kind : kPersonalKinds)
        kind_->addItem(PersonalKindText(kind), static_cast<int>(kind));
    hebrew_ = new QRadioButton(Text(u"HEBREW_DATE"), this);
    civil_ = new QRadioButton(Text(u"CIVIL_DATE"), this);
    day_ = new QComboBox(this);
    month_ = new QComboBox(this);
    year_ = new QLineEdit(this);
    year_->setFixedWidth(kYearWidth);
    afterSunset_ = new QCheckBox(Text(u"AFTER_SUNSET"), this);
    note_ = new QLineEdit(this);

    auto* calendars = new QHBoxLayout;
    calendars->addWidget(hebrew_);
    calendars->addWidget(civil_);
    calendars->addStretch();
    auto* fields = new QHBoxLayout;
    fields->addWidget(day_);
    fields->addWidget(month_);
    fields->addWidget(year_);
    fields->addStretch();

    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const char16_t* label, QWidget* field, QLayout* line = nullptr) {
        if (label)
            grid->addWidget(new QLabel(Text(label), this), row, 0);
        if (field)
            grid->addWidget(field, row, 1);
        else
            grid->addLayout(line, row, 1);
        ++row;
    };
    addRow(u"NAME_LABEL", name_);
    addRow(u"KIND_LABEL", kind_);
    addRow(u"DATE_LABEL", nullptr, calendars);
    addRow(nullptr, nullptr, fields);
    addRow(nullptr, afterSunset_);
    addRow(u"NOTE_LABEL", note_);

    const OkCancelButtons closing = MakeOkCancelButtons(*this, Text(u"OK"), Text(u"CANCEL"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kSmallDialogMargins);
    column->addLayout(grid);
    column->addLayout(ButtonRow({closing.ok, closing.cancel}, ButtonRowPlacement::Centred));
    column->setSizeConstraint(QLayout::SetFixedSize);

    name_->setText(FromUtf16(date.name));
    kind_->setCurrentIndex(kind_->findData(static_cast<int>(date.kind)));
    note_->setText(FromUtf16(date.note));
    afterSunset_->setChecked(date.afterSunset);
    ShowDate(!date.hebrewCalendar, date.date);

    connect(civil_, &QRadioButton::toggled, this, [this] { OnCalendarChosen(); });
    connect(year_, &QLineEdit::textEdited, this, [this] { FillDayAndMonth(); });
}

bool CPLXPersonalDateDlg::CivilCalendar() const {
    return civil_->isChecked();
}

int CPLXPersonalDateDlg::TypedYear() const {
    if (shownCivil_)
        return ReadDecimal(year_->text());
    return ReadTypedHebrewYear(year_->text()).value_or(0);
}

void CPLXPersonalDateDlg::ShowDate(bool civil, CalendarDate date) {
    {
        const QSignalBlocker quiet(civil_);
        (civil ? civil_ : hebrew_)->setChecked(true);
    }
    shownCivil_ = civil;
    filledForYear_ = -1;
    if (civil || !hebrewLayout_)
        year_->setText(QString::number(date.year));
    else
        year_->setText(FromUtf16(HebrewNumeral(date.year).value_or(u"")));
    day_->clear();
    month_->clear();
    FillDayAndMonth();
    day_->setCurrentIndex(date.day - 1);
    month_->setCurrentIndex(date.month - 1);
    afterSunset_->setEnabled(civil);
}

void CPLXPersonalDateDlg::FillDayAndMonth() {
    const bool civil = shownCivil_;
    if (day_->count() == 0) {
        for (int day = 1; day <= (civil ? 31 : 30); ++day) {
            const bool numeral = !civil && names_ == Language::kHebrew;
            day_->addItem(numeral ? FromUtf16(HebrewNumeral(day).value_or(u""))
                                  : QString::number(day));
        }
    }
    const PlxLocaleBase& words = Vocabulary(names_);
    // A year not (yet) typed keeps the list it has, or a common year's.
    const int year = TypedYear();
    const bool leap = !civil && year > 0 && IsHebrewLeapYear(year) != 0;
    const int list = civil ? 0 : (leap ? 13 : 12);
    if (month_->count() != 0 && (year == 0 || list == filledForYear_))
        return;
    filledForYear_ = list;
    const QString chosen = month_->currentText();
    const int chosenIndex = month_->currentIndex();
    const TextTable names = civil ? words.civilMonthNames
                                  : (leap ? words.hebrewLeapMonthNames : words.hebrewMonthNames);
    month_->clear();
    // The common year's table has a slot for the thirteenth month too.
    for (int month = 0; month < (civil ? 12 : list); ++month)
        month_->addItem(FromUtf16(names[static_cast<std::size_t>(month)]));
    if (chosenIndex < 0)
        return;
    const int same = month_->findText(chosen);
    month_->setCurrentIndex(same >= 0 ? same : kAdarIndex);
}

void CPLXPersonalDateDlg::OnCalendarChosen() {
    const bool civil = CivilCalendar();
    if (civil == shownCivil_)
        return;
    // What was entered carries over as the same day on the other calendar when it is a date.
    const PersonalDate entered = Entered();
    PersonalDate probe = entered;
    probe.name = u"-";  // only the date is asked about
    probe.note.clear();
    CalendarDate date = entered.date;
    if (CheckPersonalDate(probe) == PersonalDateFault::None)
        date = civil ? HebrewToCivil(entered.date) : PersonalHebrewDateOf(entered);
    ShowDate(civil, date);
}

PersonalDate CPLXPersonalDateDlg::Entered() const {
    PersonalDate date = original_;
    date.name = ToUtf16(name_->text());
    date.kind = static_cast<PersonalKind>(kind_->currentData().toInt());
    date.hebrewCalendar = !shownCivil_;
    date.date = {static_cast<std::uint8_t>(day_->currentIndex() + 1),
                 static_cast<std::uint8_t>(month_->currentIndex() + 1), TypedYear()};
    date.afterSunset = shownCivil_ && afterSunset_->isChecked();
    date.note = ToUtf16(note_->text());
    return date;
}

bool CPLXPersonalDateDlg::Refuse(const QString& message, QWidget* field) {
    CMessageBoxDlg(hebrewLayout_, this).Show(message, QString(), MessageBoxButtons::Ok);
    field->setFocus();
    return false;
}

void CPLXPersonalDateDlg::accept() {
    const PersonalDate date = Entered();
    switch (CheckPersonalDate(date)) {
        case PersonalDateFault::None:
            QDialog::accept();
            return;
        case PersonalDateFault::EmptyName:
            Refuse(Text(u"NO_NAME"), name_);
            return;
        case PersonalDateFault::NameCharacter:
            Refuse(Text(u"BAD_NAME"), name_);
            return;
        case PersonalDateFault::NoteCharacter:
            Refuse(Text(u"BAD_NOTE"), note_);
            return;
        case PersonalDateFault::NoSuchDate:
            Refuse(Text(u"BAD_DATE"), day_);
            return;
    }
}

}  // namespace plx
