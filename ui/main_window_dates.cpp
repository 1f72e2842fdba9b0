// The main window's date fields: showing the selected date, and turning what the user types,
// chooses and clicks in them into a new selected date.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <string_view>

#include "app/language.h"
#include "app/number_text.h"
#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "astro/halachic_times.h"
#include "engine/information.h"
#include "engine/numerals.h"
#include "engine/vocabulary.h"
#include "ui/calendar_view.h"
#include "ui/date_entry.h"
#include "ui/main_window.h"
#include "ui/month_box.h"
#include "ui/times_events.h"
#include "ui/toolkit/up_down.h"

namespace plx {
namespace {

QString Numeral(int n) {
    return FromUtf16(HebrewNumeral(n).value_or(std::u16string()));
}

// Whether the Julian calendar still held on this civil date.
bool BeforeReform(CalendarDate civil) {
    return civil.year < 1582 || (civil.year == 1582 && civil.month < 10) ||
           (civil.year == 1582 && civil.month == 10 && civil.day <= 4);
}

}  // namespace

void CPLXDlg::ConnectFields() {
    for (QLineEdit* field : {hebrewDay_, hebrewYear_, civilDay_, civilYear_}) {
        connect(field, &QLineEdit::textEdited, this, [this, field] { OnFieldEdited(field); });
        field->installEventFilter(this);
    }
    for (QComboBox* box : {hebrewMonth_, civilMonth_}) {
        box->installEventFilter(this);
        connect(box, &QComboBox::activated, this,
                [this, box](int index) { OnMonthChosen(box, index); });
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, box] { OnMonthTyped(box); });
    }
    for (UpDownControl* spinner : {hebrewDaySpin_, hebrewYearSpin_, hebrewDecadeSpin_,
                                   civilDaySpin_, civilYearSpin_, civilDecadeSpin_}) {
        connect(spinner, &UpDownControl::stepped, this,
                [this, spinner](int direction) { OnSpinner(spinner, direction); });
    }
}

CalendarDate CPLXDlg::SelectedCivil() const {
    return view_->selected();
}
CalendarDate CPLXDlg::SelectedHebrew() const {
    return view_->selectedHebrew();
}
void CPLXDlg::SetCivil(CalendarDate civil) {
    view_->setCivil(civil);
}
void CPLXDlg::SetFromHebrew(CalendarDate hebrew) {
    view_->setFromHebrew(hebrew);
}

// ---- Showing the date -------------------------------------------------------------------------

void CPLXDlg::ShowDate(CalendarDate civil, CalendarDate hebrew) {
    updating_ = true;
    ShowDateFields(civil, hebrew);
    RebuildTimesText();
    page_->SetInformationText(
        FromUtf16(YearInformationText(civil, InterfaceLanguageOfCode(ToUtf16(languageCode_)))));
    CaptionCalendarSwitch(civil);
    // In the automatic mode the caption and the title say whether this date is in summer time.
    if (settings_.daylightAuto)
        RefreshDaylightMenu();
    updating_ = false;
}

void CPLXDlg::ShowDateFields(CalendarDate civil, CalendarDate hebrew) {
    // The field being typed into keeps the person's own spelling (תשפ"ד, 0202) as long as it
    // reads as the date's value; anything else is rewritten as the date shows it.
    const auto show = [this](QLineEdit* field, const QString& text, int value) {
        if (field != typingField_ || FieldValue(field, field->text()) != value)
            field->setText(text);
    };
    show(hebrewDay_, Numeral(hebrew.day), hebrew.day);
    if (hebrew.year != lastHebrewYear_) {
        lastHebrewYear_ = hebrew.year;
        FillMonthBoxes(hebrew.year);
    }
    SelectMonthEntry(hebrewMonth_,
                     FromUtf16(HebrewMonthName(hebrew.year, hebrew.month, vocabulary_)));
    show(hebrewYear_, Numeral(hebrew.year), hebrew.year);
    show(civilDay_, QString::number(civil.day), civil.day);
    show(civilYear_, QString::number(civil.year), civil.year);
    SelectMonthEntry(civilMonth_,
                     FromUtf16(Vocabulary(vocabulary_).civilMonthNames[civil.month - 1]));
}

void CPLXDlg::RestoreDateFields() {
    if (updating_)
        return;
    updating_ = true;
    ShowDateFields(SelectedCivil(), SelectedHebrew());
    updating_ = false;
}

void CPLXDlg::FillMonthBoxes(std::int32_t hebrewYear) {
    const PlxLocaleBase& words = Vocabulary(vocabulary_);
    const bool leap = IsHebrewLeapYear(hebrewYear) != 0;
    const TextTable hebrewNames = leap ? words.hebrewLeapMonthNames : words.hebrewMonthNames;
    hebrewMonth_->clear();
    for (int i = 0; i < (leap ? 13 : 12); ++i)
        hebrewMonth_->addItem(FromUtf16(hebrewNames[i]));
    civilMonth_->clear();
    for (const std::u16string_view name : words.civilMonthNames)
        civilMonth_->addItem(FromUtf16(name));
}

void CPLXDlg::RebuildTimesText() {
    page_->SetTimesText(FromUtf16(
        BuildTimesText(SelectedCivil(), settings_, location_, vocabulary_, SystemZoneOffset)));
}

void CPLXDlg::CaptionCalendarSwitch(CalendarDate civil) {
    const bool civilMode = view_->civilMode();
    if (civilMode == lastCivilMode_ && lastCivilMode_)
        return;
    lastCivilMode_ = civilMode;
    const QString key = civilMode             ? QStringLiteral("HEBREW_CALENDAR")
                        : BeforeReform(civil) ? QStringLiteral("JULY_CALENDAR")
                                              : QStringLiteral("GREG_CALENDAR");
    // The item names the calendar the command switches to.
    menu_.commands.value(kCmdCalendarMode)->setText(LookupString(u"Plx", key));
}

// ---- Typing, choosing and stepping --------------------------------------------------------------

int CPLXDlg::FieldValue(const QLineEdit* field, const QString& text) const {
    if (field == hebrewDay_)
        return ParseHebrewNumeral(ToUtf16(text)) & 0xFF;
    if (field == hebrewYear_)
        return ReadTypedHebrewYear(text).value_or(0);
    if (field == civilDay_)
        return ReadDecimal(text) & 0xFF;
    return ReadDecimal(text);
}

void CPLXDlg::OnFieldEdited(QLineEdit* field) {
    if (updating_)
        return;
    // Showing the new date rewrites the text; the caret stays where the user is typing.
    const int selectionStart = field->selectionStart();
    const int selectionLength = field->selectionLength();
    const int cursor = field->cursorPosition();
    const int value = FieldValue(field, field->text());
    const CalendarDate civil = SelectedCivil();
    const CalendarDate hebrew = SelectedHebrew();
    typingField_ = field;

    if (field == hebrewDay_) {
        // Day 0 (a field without Hebrew letters) would step back into the month before; like a
        // day beyond the range, it leaves the date alone until the user has typed a day.
        const auto target =
            HebrewDateInRange({static_cast<std::uint8_t>(value), hebrew.month, hebrew.year});
        if (value != 0 && target)
            SetFromHebrew(*target);
    } else if (field == hebrewYear_) {
        // The month keeps its name in the new year (Nisan stays Nisan whether or not either year
        // is a leap year); text that names no year leaves the date alone.
        if (value != 0)
            SetFromHebrew(AddHebrewYears(value - hebrew.year, hebrew));
    } else if (field == civilDay_) {
        SetCivil({static_cast<std::uint8_t>(value), civil.month, civil.year});
    } else if (field == civilYear_) {
        // There is no year 0: a lone "-" or an empty field leaves the date alone.
        if (value != 0)
            SetCivil({civil.day, civil.month, value});
    }
    typingField_ = nullptr;

    if (selectionLength > 0) {
        field->setSelection(selectionStart, selectionLength);
    } else {
        field->setCursorPosition(cursor);
    }
}

void CPLXDlg::OnMonthChosen(QComboBox* box, int index) {
    if (updating_ || index < 0)
        return;
    const QString name = box->itemText(index);
    if (box == hebrewMonth_) {
        const CalendarDate hebrew = SelectedHebrew();
        const std::optional<int> month =
            HebrewMonthFromName(IsHebrewLeapYear(hebrew.year) != 0, ToUtf16(name), vocabulary_);
        if (!month)
            return;
        if (const auto target =
                HebrewDateInRange({hebrew.day, static_cast<std::uint8_t>(*month), hebrew.year}))
            SetFromHebrew(*target);
    } else {
        const CalendarDate civil = SelectedCivil();
        const TextTable names = Vocabulary(vocabulary_).civilMonthNames;
        int month = 0;
        for (int i = 0; i < 12 && month == 0; ++i) {
            if (name == FromUtf16(names[i]))
                month = i + 1;
        }
        SetCivil({civil.day, static_cast<std::uint8_t>(month), civil.year});
    }
}

void CPLXDlg::OnMonthTyped(QComboBox* box) {
    if (updating_)
        return;
    CompleteTypedMonth(box, [this, box](int index) { OnMonthChosen(box, index); });
}

void CPLXDlg::OnSpinner(UpDownControl* spinner, int direction) {
    if (updating_)
        return;
    const bool forward = direction > 0;
    const CalendarDate civil = SelectedCivil();
    const CalendarDate hebrew = SelectedHebrew();
    if (spinner == hebrewDaySpin_) {
        SetFromHebrew(forward ? NextHebrewDay(hebrew) : PrevHebrewDay(hebrew));
    } else if (spinner == hebrewYearSpin_) {
        SetFromHebrew(AddHebrewYears(direction, hebrew));
    } else if (spinner == hebrewDecadeSpin_) {
        SetFromHebrew(AddHebrewYears(10 * direction, hebrew));
    } else if (spinner == civilDaySpin_) {
        SetCivil(forward ? NextCivilDay(civil) : PrevCivilDay(civil));
    } else if (spinner == civilYearSpin_) {
        SetCivil(AddCivilYears(direction, civil));
    } else if (spinner == civilDecadeSpin_) {
        SetCivil(AddCivilYears(10 * direction, civil));
    }
}

UpDownControl* CPLXDlg::SpinnerOf(QObject* field) const {
    if (field == hebrewDay_)
        return hebrewDaySpin_;
    if (field == hebrewYear_)
        return hebrewYearSpin_;
    if (field == civilDay_)
        return civilDaySpin_;
    if (field == civilYear_)
        return civilYearSpin_;
    return nullptr;
}

bool CPLXDlg::eventFilter(QObject* watched, QEvent* event) {
    const bool dateField = watched == hebrewDay_ || watched == hebrewYear_ ||
                           watched == civilDay_ || watched == civilYear_ ||
                           watched == hebrewMonth_ || watched == civilMonth_;
    if (dateField && event->type() == QEvent::FocusOut)
        RestoreDateFields();  // text that named no date shows the selected date again
    if (event->type() == QEvent::KeyPress && !updating_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (dateField && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            RestoreDateFields();
            return true;
        }
        // Up and Down in a date field step it like its spinner's arrows; the key then goes on.
        UpDownControl* spinner = SpinnerOf(watched);
        if (spinner && (key == Qt::Key_Up || key == Qt::Key_Down))
            OnSpinner(spinner, key == Qt::Key_Up ? +1 : -1);
    }
    return CSKDialog::eventFilter(watched, event);
}

}  // namespace plx
