// The main window's date fields: showing the selected date, and turning what the user types,
// chooses and clicks in them into a new selected date.
#include <QComboBox>
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
#include "ui/personal_texts.h"
#include "ui/times_events.h"

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

// The date part a field's text names, as typing reads it; 0 when it names none.
int TypedValue(DateFields::Calendar calendar, DateFields::Part part, const QString& text) {
    const bool day = part == DateFields::Part::Day;
    if (calendar == DateFields::Calendar::Hebrew)
        return day ? ParseHebrewNumeral(ToUtf16(text)) & 0xFF
                   : ReadTypedHebrewYear(text).value_or(0);
    return day ? ReadDecimal(text) & 0xFF : ReadDecimal(text);
}

}  // namespace

CPLXDlg::~CPLXDlg() {
    hebrewFields_->disconnect(this);
    civilFields_->disconnect(this);
}

void CPLXDlg::ConnectFields(DateFields* fields) {
    connect(fields, &DateFields::fieldEdited, this,
            [this, fields](DateFields::Part part) { OnFieldEdited(fields, part); });
    connect(fields, &DateFields::monthChosen, this,
            [this, fields](int index) { OnMonthChosen(fields, index); });
    connect(fields, &DateFields::monthTyped, this, [this, fields] { OnMonthTyped(fields); });
    connect(
        fields, &DateFields::stepped, this,
        [this, fields](DateFields::Step step, int direction) { OnStep(fields, step, direction); });
    // Text that named no date shows the selected date again.
    connect(fields, &DateFields::fieldLeft, this, [this] { RestoreDateFields(); });
}

// ---- Showing the date -------------------------------------------------------------------------

void CPLXDlg::ShowDate(CalendarDate civil, CalendarDate hebrew) {
    updating_ = true;
    ShowDateFields(civil, hebrew);
    RebuildTimesText();
    ShowInformation(civil);
    CaptionCalendarSwitch(civil);
    // In the automatic mode the caption and the title say whether this date is in summer time.
    if (settings_.daylightAuto)
        RefreshDaylightMenu();
    updating_ = false;
}

QList<CPLXDlg::FieldText> CPLXDlg::DateFieldTexts(CalendarDate civil, CalendarDate hebrew) const {
    using Part = DateFields::Part;
    return {
        {hebrewFields_, Part::Day, Numeral(hebrew.day), hebrew.day},
        {hebrewFields_, Part::Year, Numeral(hebrew.year), hebrew.year},
        {civilFields_, Part::Day, QString::number(civil.day), civil.day},
        {civilFields_, Part::Year, QString::number(civil.year), civil.year},
    };
}

QString CPLXDlg::HebrewMonthText(CalendarDate hebrew) const {
    return FromUtf16(HebrewMonthName(hebrew.year, hebrew.month, vocabulary_));
}

QString CPLXDlg::CivilMonthText(CalendarDate civil) const {
    return FromUtf16(Vocabulary(vocabulary_).civilMonthNames[civil.month - 1]);
}

void CPLXDlg::ShowInformation(CalendarDate civil) {
    QString text =
        FromUtf16(YearInformationText(civil, InterfaceLanguageOfCode(ToUtf16(languageCode_))));
    for (const QString& line :
         PersonalPageLines(personalDates_, personalAdar_, CivilToDayNumber(civil)))
        text += u'\n' + line;
    page_->SetInformationText(text);
}

void CPLXDlg::ShowDateFields(CalendarDate civil, CalendarDate hebrew) {
    // The field being typed into keeps the person's own spelling (תשפ"ד, 0202) as long as it
    // reads as the date's value; anything else is rewritten as the date shows it.
    for (const FieldText& shown : DateFieldTexts(civil, hebrew)) {
        QLineEdit* field = shown.fields->field(shown.part);
        if (field != typingField_ ||
            TypedValue(shown.fields->calendar(), shown.part, field->text()) != shown.value) {
            field->setText(shown.text);
        }
    }
    if (hebrew.year != lastHebrewYear_) {
        lastHebrewYear_ = hebrew.year;
        FillMonthBoxes(hebrew.year);
    }
    SelectMonthEntry(hebrewFields_->monthBox(), HebrewMonthText(hebrew));
    SelectMonthEntry(civilFields_->monthBox(), CivilMonthText(civil));
}

bool CPLXDlg::DateFieldsEdited() const {
    const CalendarDate civil = view_->selected();
    const CalendarDate hebrew = view_->selectedHebrew();
    for (const FieldText& shown : DateFieldTexts(civil, hebrew)) {
        if (shown.fields->field(shown.part)->text() != shown.text)
            return true;
    }
    return hebrewFields_->monthBox()->currentText() != HebrewMonthText(hebrew) ||
           civilFields_->monthBox()->currentText() != CivilMonthText(civil);
}

void CPLXDlg::RestoreDateFields() {
    if (updating_)
        return;
    updating_ = true;
    ShowDateFields(view_->selected(), view_->selectedHebrew());
    updating_ = false;
}

void CPLXDlg::FillMonthBoxes(std::int32_t hebrewYear) {
    const PlxLocaleBase& words = Vocabulary(vocabulary_);
    const bool leap = IsHebrewLeapYear(hebrewYear) != 0;
    const TextTable hebrewNames = leap ? words.hebrewLeapMonthNames : words.hebrewMonthNames;
    QComboBox* hebrewMonth = hebrewFields_->monthBox();
    hebrewMonth->clear();
    for (int i = 0; i < (leap ? 13 : 12); ++i)
        hebrewMonth->addItem(FromUtf16(hebrewNames[i]));
    QComboBox* civilMonth = civilFields_->monthBox();
    civilMonth->clear();
    for (const std::u16string_view name : words.civilMonthNames)
        civilMonth->addItem(FromUtf16(name));
}

void CPLXDlg::RebuildTimesText() {
    page_->SetTimesText(FromUtf16(
        BuildTimesText(view_->selected(), settings_, location_, vocabulary_, SystemZoneOffset)));
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
    menu_.action(MainCommand::CalendarMode)->setText(LookupString(u"Plx", key));
}

// ---- Typing, choosing and stepping --------------------------------------------------------------

void CPLXDlg::OnFieldEdited(const DateFields* fields, DateFields::Part part) {
    if (updating_)
        return;
    QLineEdit* field = fields->field(part);
    // Showing the new date rewrites the text; the caret stays where the user is typing.
    const int selectionStart = field->selectionStart();
    const int selectionLength = field->selectionLength();
    const int cursor = field->cursorPosition();
    const int value = TypedValue(fields->calendar(), part, field->text());
    const CalendarDate civil = view_->selected();
    const CalendarDate hebrew = view_->selectedHebrew();
    typingField_ = field;

    const bool day = part == DateFields::Part::Day;
    if (fields->calendar() == DateFields::Calendar::Hebrew) {
        if (day) {
            // Day 0 (a field without Hebrew letters) would step back into the month before; like
            // a day beyond the range, it leaves the date alone until the user has typed a day.
            const auto target =
                HebrewDateInRange({static_cast<std::uint8_t>(value), hebrew.month, hebrew.year});
            if (value != 0 && target)
                view_->setFromHebrew(*target);
        } else if (value != 0) {
            // The month keeps its name in the new year (Nisan stays Nisan whether or not either
            // year is a leap year); text that names no year leaves the date alone.
            view_->setFromHebrew(AddHebrewYears(value - hebrew.year, hebrew));
        }
    } else if (day) {
        view_->setCivil({static_cast<std::uint8_t>(value), civil.month, civil.year});
    } else if (value != 0) {
        // There is no year 0: a lone "-" or an empty field leaves the date alone.
        view_->setCivil({civil.day, civil.month, value});
    }
    typingField_ = nullptr;

    if (selectionLength > 0) {
        field->setSelection(selectionStart, selectionLength);
    } else {
        field->setCursorPosition(cursor);
    }
}

void CPLXDlg::OnMonthChosen(const DateFields* fields, int index) {
    if (updating_ || index < 0)
        return;
    const QString name = fields->monthBox()->itemText(index);
    if (fields->calendar() == DateFields::Calendar::Hebrew) {
        const CalendarDate hebrew = view_->selectedHebrew();
        const std::optional<int> month =
            HebrewMonthFromName(IsHebrewLeapYear(hebrew.year) != 0, ToUtf16(name), vocabulary_);
        if (!month)
            return;
        if (const auto target =
                HebrewDateInRange({hebrew.day, static_cast<std::uint8_t>(*month), hebrew.year}))
            view_->setFromHebrew(*target);
    } else {
        const CalendarDate civil = view_->selected();
        const TextTable names = Vocabulary(vocabulary_).civilMonthNames;
        int month = 0;
        for (int i = 0; i < 12 && month == 0; ++i) {
            if (name == FromUtf16(names[i]))
                month = i + 1;
        }
        view_->setCivil({civil.day, static_cast<std::uint8_t>(month), civil.year});
    }
}

void CPLXDlg::OnMonthTyped(const DateFields* fields) {
    if (updating_)
        return;
    CompleteTypedMonth(fields->monthBox(),
                       [this, fields](int index) { OnMonthChosen(fields, index); });
}

void CPLXDlg::OnStep(const DateFields* fields, DateFields::Step step, int direction) {
    if (updating_)
        return;
    const bool forward = direction > 0;
    const int years = step == DateFields::Step::Decade ? 10 * direction : direction;
    if (fields->calendar() == DateFields::Calendar::Hebrew) {
        const CalendarDate hebrew = view_->selectedHebrew();
        if (step == DateFields::Step::Day) {
            view_->setFromHebrew(forward ? NextHebrewDay(hebrew) : PrevHebrewDay(hebrew));
        } else {
            view_->setFromHebrew(AddHebrewYears(years, hebrew));
        }
    } else {
        const CalendarDate civil = view_->selected();
        if (step == DateFields::Step::Day) {
            view_->setCivil(forward ? NextCivilDay(civil) : PrevCivilDay(civil));
        } else {
            view_->setCivil(AddCivilYears(years, civil));
        }
    }
}

}  // namespace plx
