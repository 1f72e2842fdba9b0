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
constexpr int kDefaultsId = 6001;
constexpr int kOkId = 1;
constexpr int kCancelId = 2;

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
    int id;
    LayoutText text;
    SwitchField field;
};

// In the order of the frame, top to bottom, then the second column.
constexpr std::array<ShownTime, 22> kShownTimes{{
    {6064, {u"עלות השחר", u"Break of dawn (CockCrow)"}, &TimesOfDayOptions::breakOfDawn},
    {6065, {u"טלית ותפילין", u"Talith and Tefilin"}, &TimesOfDayOptions::talitTfilin},
    {6066, {u"הנץ החמה (זריחה)", u"Sunrise"}, &TimesOfDayOptions::sunrise},
    {6072, {u"שעה זמנית (מג\"א)", u"Temporary hour (Maga)"}, &TimesOfDayOptions::propHourMaga},
    {6073, {u"שעה זמנית (גר\"א)", u"Temporary hour (Gra)"}, &TimesOfDayOptions::propHourGra},
    {6067, {u"סוף קריאת שמע (מג\"א)", u"End of Shma time (Maga)"}, &TimesOfDayOptions::endShmaMaga},
    {6068, {u"סוף קריאת שמע (גר\"א)", u"End of Sh'ma time (Gra)"}, &TimesOfDayOptions::endShmaGra},
    {6069,
     {u"סוף זמן שחרית (מג\"א)", u"End of Shachrit time (Maga)"},
     &TimesOfDayOptions::endShachritMaga},
    {6070,
     {u"סוף זמן שחרית (גר\"א)", u"End of Shachrit time (Gra)"},
     &TimesOfDayOptions::endShachritGra},
    {6074, {u"חצות היום", u"Midday"}, &TimesOfDayOptions::midday},
    {6075, {u"מנחה גדולה (מג\"א)", u"Mincha Gedola (Maga)"}, &TimesOfDayOptions::minchaGdolaMaga},
    {6076, {u"מנחה גדולה (גר\"א)", u"Mincha Gedola (Gra)"}, &TimesOfDayOptions::minchaGdolaGra},
    {6077, {u"מנחה גדולה (30 דק')", u"Mincha Gedola (30 min)"}, &TimesOfDayOptions::minchaGdola30},
    {6078, {u"מנחה קטנה (מג\"א)", u"Mincha Ketana (Maga)"}, &TimesOfDayOptions::minchaKtanaMaga},
    {6079, {u"מנחה קטנה (גר\"א)", u"Mincha Ketana (Gra)"}, &TimesOfDayOptions::minchaKtanaGra},
    {6080, {u"פלג המנחה (מג\"א)", u"Plag ha'Mincha (Maga)"}, &TimesOfDayOptions::plagHaMinchaMaga},
    {6081, {u"פלג המנחה (גר\"א)", u"Plag ha'Mincha (Gra)"}, &TimesOfDayOptions::plagHaMinchaGra},
    {6071, {u"שקיעה", u"Sunset"}, &TimesOfDayOptions::sunset},
    {6082,
     {u"צאת הכוכבים (מוצ\"ש ע\"פ המנהג, 8.5 מעלות)",
      u"Stars out (Standard as Motzash, 8.5 degrees)"},
     &TimesOfDayOptions::starsOutStandard},
    {6083, {u"צאת הכוכבים (גר\"א)", u"Stars out (Gra)"}, &TimesOfDayOptions::starsOutGra},
    {6084, {u"צאת הכוכבים (רש\"ז)", u"Stars out (Rashaz)"}, &TimesOfDayOptions::starsOutRashaz},
    {6063, {u"צאת הכוכבים (ר\"ת)", u"Stars out (R.T)"}, &TimesOfDayOptions::starsOutRt},
}};

constexpr int kHeightsId = 6058;
constexpr LayoutText kHeights{u"חשב גם את גובה המקום לגבי הזמנים",
                              u"Calculate also the elevation (height) of the location"};

struct Choice {
    int id;
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
    std::span<const Choice> choices;
    DefinitionField field;
    int otherValue;  // the choice shown for a value no button has; -1 none
};

constexpr Choice kMiles[] = {
    {6085, {u"18 דק' * 4 (72 דק')", u"18 m X 4 (72 minutes)"}, 72},
    {6086, {u"22.5 דק' * 4 (90 דק')", u"22.5 m X 4 (90 minutes)"}, 90},
    {6087, {u"24 דק' * 5 (120 דק')", u"24 m X 5 (120 minutes)"}, 120},
};
constexpr Choice kDawnMethods[] = {
    {6043, {u"דקות קבועות", u"Fixed minutes"}, kFixedMinutes},
    {6044, {u"דקות זמניות", u"Temporary minutes"}, kProportionalMinutes},
    {6045, {u"מעלות (זווית השמש)", u"Degrees (Sun's Angle)"}, kDegrees},
};
constexpr Choice kTallitMethods[] = {
    {6046, {u"40 דק' לפני הזריחה", u"40 minutes before sunrise"}, 0},
    {6047, {u"52 דק' לפני הזריחה", u"52 minutes before sunrise"}, 1},
    {6048, {u"60 דק' לפני הזריחה", u"60 minutes before sunrise"}, 2},
    {6049, {u"11.5 מעלות מתחת לאופק", u"11.5 degrees below the horizon"}, 3},
    {6050, {u"11 מעלות", u"11 degrees"}, 4},
    {6051, {u"10.2 מעלות", u"10.2 degrees"}, 5},
};
constexpr Choice kRabeinuTamMinutes[] = {
    {6052, {u"72 דקות", u"72 minutes"}, 0},
    {6053, {u"90 דקות", u"90 minutes"}, 1},
    {6054, {u"120 דקות", u"120 minutes"}, 2},
};
constexpr Choice kRabeinuTamMethods[] = {
    {6055, {u"דקות קבועות", u"Fixed minutes"}, kFixedMinutes},
    {6056, {u"דקות זמניות", u"Temporary minutes"}, kProportionalMinutes},
    {6057, {u"מעלות (זווית השמש)", u"Degrees (Sun's Angle)"}, kDegrees},
};

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
        controls_.insert(time.id, box);
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
            const Choice& choice = group.choices[static_cast<std::size_t>(i)];
            auto* radio = new QRadioButton(text(choice.text), frame);
            buttons->addButton(radio, choice.value);
            controls_.insert(choice.id, radio);
            column->addWidget(radio, i % perColumn, i / perColumn);
        }
        frameColumns->addLayout(column);
        groups_ << buttons;
    }
    methods->addStretch();

    auto* heights = new QCheckBox(text(kHeights), this);
    controls_.insert(kHeightsId, heights);

    auto* ok = new QPushButton(text(kOk), this);
    auto* cancel = new QPushButton(text(kCancel), this);
    auto* defaults = new QPushButton(text(kDefaults), this);
    controls_.insert(kOkId, ok);
    controls_.insert(kCancelId, cancel);
    controls_.insert(kDefaultsId, defaults);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaults, &QPushButton::clicked, this, [this] { ShowSettings(CalculationSettings{}); });

    auto* choices = new QHBoxLayout;
    choices->addWidget(shown);
    choices->addLayout(methods);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(defaults);
    buttons->addStretch();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 12, 14, 12);
    column->addWidget(Advice(text(kAdvice), this));
    column->addLayout(choices);
    column->addWidget(heights);
    column->addWidget(Advice(text(kHeightAdvice), this));
    if (!hebrewLayout)
        column->addWidget(Advice(text(kStarsOutHeight), this));
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    ShowSettings(settings_);
}

void CPLXSettingsDlg::ShowSettings(const CalculationSettings& settings) {
    for (const ShownTime& time : kShownTimes)
        controls_.value(time.id)->setChecked(settings.times.*time.field);
    controls_.value(kHeightsId)->setChecked(settings.calcHeights);
    for (std::size_t g = 0; g < kRadioGroups.size(); ++g) {
        const RadioGroup& group = kRadioGroups[g];
        QButtonGroup* buttons = groups_[static_cast<qsizetype>(g)];
        QAbstractButton* shown = buttons->button(group.field.read(settings.times));
        if (!shown && group.otherValue >= 0)
            shown = buttons->button(group.otherValue);
        if (shown)
            shown->setChecked(true);
    }
}

void CPLXSettingsDlg::accept() {
    for (const ShownTime& time : kShownTimes)
        settings_.times.*time.field = controls_.value(time.id)->isChecked();
    settings_.calcHeights = controls_.value(kHeightsId)->isChecked();
    for (std::size_t g = 0; g < kRadioGroups.size(); ++g) {
        const int value = groups_[static_cast<qsizetype>(g)]->checkedId();
        if (value >= 0)
            kRadioGroups[g].field.write(settings_.times, value);
    }
    QDialog::accept();
}

}  // namespace plx
