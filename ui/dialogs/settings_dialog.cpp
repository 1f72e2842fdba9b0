#include "ui/dialogs/settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <span>
#include <type_traits>
#include <utility>

#include "app/language.h"
#include "ui/dialogs/small_dialog.h"
#include "ui/layout_text.h"

namespace plx {
namespace {

constexpr LayoutText kTitle{u"הגדרות לוח הזמנים", u"Times of day settings"};
constexpr LayoutText kShownTimesFrame{u" הצג את הזמנים הבאים: ", u" Show the following times: "};
constexpr LayoutText kOk{u"אישור", u"Ok!"};
constexpr LayoutText kCancel{u"ביטול", u"Cancel"};
constexpr LayoutText kDefaults{u"ברירת מחדל", u"Defaults"};

constexpr LayoutText kAdvice{
    u"לאדם שאינו בקיא בהלכות הזמנים - מומלץ שלא ישנה הגדרות מעבר לברירת המחדל,\n"
    u"אלא אם ידוע לו בבירור שמנהג המקום שונה ודרוש שינוי בחישוב.\n"
    u"לגבי כל ספק יש לפנות לרבנות המוסמכת המקומית.",
    u"For those who are not familiar with the Halacha and rules of the times,\n"
    u"It is not recommended to change these settings. For about any doubt - one might ask the "
    u"local authorized Rabbi."};
constexpr LayoutText kHeightAdvice{
    u"רק לחלק מהמקומות מוגדרים גבהים, וברוב הלוחות הנפוצים אין מחשבים גובה.\n"
    u"יש לברר עם אדם מוסמך לגבי חישוב זה.\n"
    u"ע\"פ ההלכה לצאת הכוכבים אין קשר לגובה המקום אלא זווית השמש בלבד, וכך גם בתוכנה.",
    u"We have defined the height only for a small part of the locations. Most of the common "
    u"calendars do not consider heights.\n"
    u"You have to verify with an authorized Rabbi before adding the height to the calculations."};
// The English layout says the second half of the Hebrew text on its own line.
constexpr LayoutText kStarsOutHeight{
    u"",
    u"The Halacha (and so is this program) does not calculate the height for the stars-out "
    u"time, because it is ir-relevant."};

using SwitchField = bool TimesOfDayOptions::*;

struct ShownTime {
    LayoutText text;
    SwitchField field;
};

// In the order of the frame, top to bottom, then the second column.
constexpr std::array<ShownTime, 22> kShownTimes{{
    {{u"עלות השחר", u"Break of dawn (CockCrow)"}, &TimesOfDayOptions::breakOfDawn},
    {{u"טלית ותפילין", u"Talith and Tefilin"}, &TimesOfDayOptions::talitTfilin},
    {{u"הנץ החמה (זריחה)", u"Sunrise"}, &TimesOfDayOptions::sunrise},
    {{u"שעה זמנית (מג\"א)", u"Temporary hour (Maga)"}, &TimesOfDayOptions::propHourMaga},
    {{u"שעה זמנית (גר\"א)", u"Temporary hour (Gra)"}, &TimesOfDayOptions::propHourGra},
    {{u"סוף קריאת שמע (מג\"א)", u"End of Shma time (Maga)"}, &TimesOfDayOptions::endShmaMaga},
    {{u"סוף קריאת שמע (גר\"א)", u"End of Sh'ma time (Gra)"}, &TimesOfDayOptions::endShmaGra},
    {{u"סוף זמן שחרית (מג\"א)", u"End of Shachrit time (Maga)"},
     &TimesOfDayOptions::endShachritMaga},
    {{u"סוף זמן שחרית (גר\"א)", u"End of Shachrit time (Gra)"}, &TimesOfDayOptions::endShachritGra},
    {{u"חצות היום", u"Midday"}, &TimesOfDayOptions::midday},
    {{u"מנחה גדולה (מג\"א)", u"Mincha Gedola (Maga)"}, &TimesOfDayOptions::minchaGdolaMaga},
    {{u"מנחה גדולה (גר\"א)", u"Mincha Gedola (Gra)"}, &TimesOfDayOptions::minchaGdolaGra},
    {{u"מנחה גדולה (30 דק')", u"Mincha Gedola (30 min)"}, &TimesOfDayOptions::minchaGdola30},
    {{u"מנחה קטנה (מג\"א)", u"Mincha Ketana (Maga)"}, &TimesOfDayOptions::minchaKtanaMaga},
    {{u"מנחה קטנה (גר\"א)", u"Mincha Ketana (Gra)"}, &TimesOfDayOptions::minchaKtanaGra},
    {{u"פלג המנחה (מג\"א)", u"Plag ha'Mincha (Maga)"}, &TimesOfDayOptions::plagHaMinchaMaga},
    {{u"פלג המנחה (גר\"א)", u"Plag ha'Mincha (Gra)"}, &TimesOfDayOptions::plagHaMinchaGra},
    {{u"שקיעה", u"Sunset"}, &TimesOfDayOptions::sunset},
    {{u"צאת הכוכבים (מוצ\"ש ע\"פ המנהג, 8.5 מעלות)",
      u"Stars out (Standard as Motzash, 8.5 degrees)"},
     &TimesOfDayOptions::starsOutStandard},
    {{u"צאת הכוכבים (גר\"א)", u"Stars out (Gra)"}, &TimesOfDayOptions::starsOutGra},
    {{u"צאת הכוכבים (רש\"ז)", u"Stars out (Rashaz)"}, &TimesOfDayOptions::starsOutRashaz},
    {{u"צאת הכוכבים (ר\"ת)", u"Stars out (R.T)"}, &TimesOfDayOptions::starsOutRt},
}};

constexpr LayoutText kHeights{u"חשב גם את גובה המקום לגבי הזמנים",
                              u"Calculate also the elevation (height) of the location"};

struct RadioChoice {
    LayoutText text;
    int value;
};

// One definition of the times, read and written as the number its buttons carry.
struct DefinitionField {
    int (*read)(const TimesOfDayOptions&);
    void (*write)(TimesOfDayOptions&, int);
};

template <auto field>
constexpr DefinitionField kDefinition{
    [](const TimesOfDayOptions& times) { return static_cast<int>(times.*field); },
    [](TimesOfDayOptions& times, int value) {
        times.*field = static_cast<std::remove_reference_t<decltype(times.*field)>>(value);
    }};

struct RadioGroup {
    LayoutText frame;  // empty: the second column of the frame before
    std::span<const RadioChoice> choices;
    DefinitionField field;
    int otherValue;  // the choice shown for a value no button has; -1 none
};

constexpr RadioChoice kMiles[] = {
    {{u"18 דק' * 4 (72 דק')", u"18 m X 4 (72 minutes)"}, 72},
    {{u"22.5 דק' * 4 (90 דק')", u"22.5 m X 4 (90 minutes)"}, 90},
    {{u"24 דק' * 5 (120 דק')", u"24 m X 5 (120 minutes)"}, 120},
};
constexpr RadioChoice kDawnMethods[] = {
    {{u"דקות קבועות", u"Fixed minutes"}, kFixedMinutes},
    {{u"דקות זמניות", u"Temporary minutes"}, kProportionalMinutes},
    {{u"מעלות (זווית השמש)", u"Degrees (Sun's Angle)"}, kDegrees},
};
constexpr RadioChoice kTallitMethods[] = {
    {{u"40 דק' לפני הזריחה", u"40 minutes before sunrise"}, 0},
    {{u"52 דק' לפני הזריחה", u"52 minutes before sunrise"}, 1},
    {{u"60 דק' לפני הזריחה", u"60 minutes before sunrise"}, 2},
    {{u"11.5 מעלות מתחת לאופק", u"11.5 degrees below the horizon"}, 3},
    {{u"11 מעלות", u"11 degrees"}, 4},
    {{u"10.2 מעלות", u"10.2 degrees"}, 5},
};
constexpr RadioChoice kRabeinuTamMinutes[] = {
    {{u"72 דקות", u"72 minutes"}, 0},
    {{u"90 דקות", u"90 minutes"}, 1},
    {{u"120 דקות", u"120 minutes"}, 2},
};
constexpr RadioChoice kRabeinuTamMethods[] = {
    {{u"דקות קבועות", u"Fixed minutes"}, kFixedMinutes},
    {{u"דקות זמניות", u"Temporary minutes"}, kProportionalMinutes},
    {{u"מעלות (זווית השמש)", u"Degrees (Sun's Angle)"}, kDegrees},
};

// In the order of CPLXSettingsDlg::Choice.
const std::array<RadioGroup, 5> kRadioGroups{{
    {{u" מהלך מיל ", u"Mile walking"}, kMiles, kDefinition<&TimesOfDayOptions::milesMethod>, 72},
    {{u" חישוב עלות השחר ", u" Break of dawn calculations "},
     kDawnMethods,
     kDefinition<&TimesOfDayOptions::riseSetDiffMethod>,
     -1},
    {{u" טלית ותפילין ", u" Talit and Tefilin "},
     kTallitMethods,
     kDefinition<&TimesOfDayOptions::talitTfilinMethod>,
     -1},
    {{u" צאת הכוכבים לר\"ת ", u" Stars out - by rabeinu Tam"},
     kRabeinuTamMinutes,
     kDefinition<&TimesOfDayOptions::starsOutRabeinuTamMinutes>,
     1},
    {{u"", u""},
     kRabeinuTamMethods,
     kDefinition<&TimesOfDayOptions::starsOutRabeinuTamMethod>,
     kDegrees},
}};

constexpr int kTimesColumnWidth = 230;

QLabel* Advice(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// Where the sun stands for each time: once a day (the default) or at the moment of the time.
// Its texts come from the language files.
QGroupBox* SolarCalculationFrame(QButtonGroup& buttons, QWidget* parent) {
    const auto text = [](const char16_t* key) { return LookupString(u"Plx", key); };
    auto* frame = new QGroupBox(text(u"SOLAR_CALCULATION"), parent);
    auto* rows = new QVBoxLayout(frame);
    auto* radios = new QHBoxLayout;
    const std::pair<const char16_t*, SolarCalculation> choices[] = {
        {u"SOLAR_CLASSIC", SolarCalculation::Classic},
        {u"SOLAR_PRECISE", SolarCalculation::Precise}};
    for (const auto& [key, calculation] : choices) {
        auto* radio = new QRadioButton(text(key), frame);
        buttons.addButton(radio, static_cast<int>(calculation));
        radios->addWidget(radio);
    }
    radios->addStretch();
    rows->addLayout(radios);
    rows->addWidget(Advice(text(u"SOLAR_PRECISE_NOTE"), frame));
    return frame;
}

}  // namespace

CPLXSettingsDlg::CPLXSettingsDlg(const CalculationSettings& settings, QWidget* parent)
    : CPLXSettingsDlg(settings, ActiveLanguage().rightToLeft, parent) {}

CPLXSettingsDlg::CPLXSettingsDlg(const CalculationSettings& settings, bool hebrewLayout,
                                 QWidget* parent)
    : CSKDialog(parent), settings_(settings) {
    PrepareSmallDialog(*this, hebrewLayout, LayoutString(kTitle, hebrewLayout));
    const auto text = [hebrewLayout](const LayoutText& t) { return LayoutString(t, hebrewLayout); };

    auto* shown = new QGroupBox(text(kShownTimesFrame), this);
    auto* shownGrid = new QGridLayout(shown);
    const int rows = static_cast<int>(kShownTimes.size() + 1) / 2;
    for (int i = 0; i < static_cast<int>(kShownTimes.size()); ++i) {
        const ShownTime& time = kShownTimes[static_cast<std::size_t>(i)];
        auto* box = new QCheckBox(text(time.text), shown);
        box->setMinimumWidth(kTimesColumnWidth);
        timeBoxes_ << box;
        shownGrid->addWidget(box, i % rows, i / rows);
    }

    auto* methods = new QVBoxLayout;
    QGroupBox* frame = nullptr;
    QHBoxLayout* frameColumns = nullptr;
    for (const RadioGroup& group : kRadioGroups) {
        if (*group.frame.hebrew || *group.frame.english) {
            frame = new QGroupBox(text(group.frame), this);
            frameColumns = new QHBoxLayout(frame);
            methods->addWidget(frame);
        } else {
            auto* line = new QFrame(frame);
            line->setFrameShape(QFrame::VLine);
            line->setFrameShadow(QFrame::Sunken);
            frameColumns->addWidget(line);
        }
        auto* buttons = new QButtonGroup(this);
        auto* column = new QGridLayout;
        const int perColumn = group.choices.size() > 3 ? 3 : static_cast<int>(group.choices.size());
        for (int i = 0; i < static_cast<int>(group.choices.size()); ++i) {
            const RadioChoice& choice = group.choices[static_cast<std::size_t>(i)];
            auto* radio = new QRadioButton(text(choice.text), frame);
            buttons->addButton(radio, choice.value);
            column->addWidget(radio, i % perColumn, i / perColumn);
        }
        frameColumns->addLayout(column);
        groups_ << buttons;
    }
    auto* solar = new QButtonGroup(this);
    methods->addWidget(SolarCalculationFrame(*solar, this));
    groups_ << solar;
    methods->addStretch();

    heights_ = new QCheckBox(text(kHeights), this);

    const OkCancelButtons closing = MakeOkCancelButtons(*this, text(kOk), text(kCancel));
    ok_ = closing.ok;
    cancel_ = closing.cancel;
    defaults_ = new QPushButton(text(kDefaults), this);
    connect(defaults_, &QPushButton::clicked, this,
            [this] { ShowSettings(CalculationSettings{}); });

    auto* choices = new QHBoxLayout;
    choices->addWidget(shown);
    choices->addLayout(methods);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kSmallDialogMargins);
    column->addWidget(Advice(text(kAdvice), this));
    column->addLayout(choices);
    column->addWidget(heights_);
    column->addWidget(Advice(text(kHeightAdvice), this));
    if (!hebrewLayout)
        column->addWidget(Advice(text(kStarsOutHeight), this));
    column->addLayout(ButtonRow({ok_, cancel_, defaults_}, ButtonRowPlacement::Centred));
    column->setSizeConstraint(QLayout::SetFixedSize);

    ShowSettings(settings_);
}

QCheckBox* CPLXSettingsDlg::TimeBox(bool TimesOfDayOptions::*time) const {
    for (std::size_t i = 0; i < kShownTimes.size(); ++i) {
        if (kShownTimes[i].field == time)
            return timeBoxes_.value(static_cast<qsizetype>(i));
    }
    return nullptr;
}

QRadioButton* CPLXSettingsDlg::ChoiceButton(Choice group, int value) const {
    const QButtonGroup* buttons = groups_.value(static_cast<qsizetype>(group));
    return buttons ? qobject_cast<QRadioButton*>(buttons->button(value)) : nullptr;
}

void CPLXSettingsDlg::ShowSettings(const CalculationSettings& settings) {
    for (std::size_t i = 0; i < kShownTimes.size(); ++i)
        timeBoxes_[static_cast<qsizetype>(i)]->setChecked(settings.times.*kShownTimes[i].field);
    heights_->setChecked(settings.calcHeights);
    for (std::size_t g = 0; g < kRadioGroups.size(); ++g) {
        const RadioGroup& group = kRadioGroups[g];
        QButtonGroup* buttons = groups_[static_cast<qsizetype>(g)];
        QAbstractButton* shown = buttons->button(group.field.read(settings.times));
        if (!shown && group.otherValue >= 0)
            shown = buttons->button(group.otherValue);
        if (shown)
            shown->setChecked(true);
    }
    SolarButtons()->button(static_cast<int>(settings.times.solarCalculation))->setChecked(true);
}

QButtonGroup* CPLXSettingsDlg::SolarButtons() const {
    return groups_[static_cast<qsizetype>(Choice::SolarCalculation)];
}

void CPLXSettingsDlg::accept() {
    for (std::size_t i = 0; i < kShownTimes.size(); ++i)
        settings_.times.*kShownTimes[i].field = timeBoxes_[static_cast<qsizetype>(i)]->isChecked();
    settings_.calcHeights = heights_->isChecked();
    for (std::size_t g = 0; g < kRadioGroups.size(); ++g) {
        const int value = groups_[static_cast<qsizetype>(g)]->checkedId();
        if (value >= 0)
            kRadioGroups[g].field.write(settings_.times, value);
    }
    settings_.times.solarCalculation =
        SolarButtons()->checkedId() == 1 ? SolarCalculation::Precise : SolarCalculation::Classic;
    QDialog::accept();
}

}  // namespace plx
