#include "ui/dialogs/monthly_report_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/language.h"
#include "app/number_text.h"
#include "app/utf16.h"
#include "engine/numerals.h"
#include "engine/vocabulary.h"
#include "ui/dialogs/small_dialog.h"
#include "ui/layout_text.h"
#include "ui/month_box.h"
#include "ui/preview/print_preview_dlg.h"
#include "ui/preview/printer_defaults.h"
#include "ui/toolkit/up_down.h"

namespace plx {
namespace {

constexpr LayoutText kTitle{u"הדפסת לוח חודשי", u"Print monthly report"};
constexpr LayoutText kRangeHeading{u"בחר טווח חודשים להדפסת הלוח:",
                                   u"Pick HEBREW month range to print tables:"};
constexpr LayoutText kFromMonth{u"מ - חודש:", u"From - month:"};
constexpr LayoutText kToMonth{u"עד - חודש:", u"To - month:"};
constexpr LayoutText kYear{u"שנה:", u"Year:"};
constexpr LayoutText kHalfPage{u"חצי עמוד (שניים בעמוד)", u"Half page (two per page)"};
constexpr LayoutText kFullPage{u"עמוד שלם (אחד בעמוד)", u"Full page (one per page)"};
constexpr LayoutText kTimesHeading{u"הדפס את הזמנים הבאים:", u"Print the following times:"};
constexpr LayoutText kSunrise{u"הנץ החמה", u"Sunrise"};
constexpr LayoutText kSunset{u"שקיעת החמה", u"Sunset"};
constexpr LayoutText kCandles{u"הד\"נ / מוצ\"ש", u"Candles / Motzash"};
constexpr LayoutText kTallit{u"טלית ותפילין", u"Talith and Tefilin"};
constexpr LayoutText kPlagGra{u"פלג המנחה (גר\"א)", u"Plag ha'Mincha (Gra)"};
constexpr LayoutText kPlagMaga{u"פלג המנחה (מג\"א)", u"Plag ha'Mincha (Maga)"};
constexpr LayoutText kPrintPreview{u"הצג לפני הדפסה", u"Print Preview"};
constexpr LayoutText kClose{u"סגור", u"Close"};

constexpr int kMonthListWidth = 112;
constexpr int kYearEditWidth = 72;

}  // namespace

CPLXReportMonthlyDlg::CPLXReportMonthlyDlg(CalculationSettings& settings, CalendarDate today,
                                           std::function<ReportInputs()> inputs, QWidget* parent)
    : CSKDialog(parent),
      settings_(settings),
      inputs_(std::move(inputs)),
      hebrewLayout_(ActiveLanguage().rightToLeft),
      names_(ReportLanguageOf(ActiveLanguage()).names),
      source_([this] { return Request(); }) {
    readOrientation = &ReadPrintOrientation;
    writeOrientation = &WritePrintOrientation;
    runPreview = [this](ReportSource& source) {
        OpenPrintPreview(preview_, source, this, previewStore);
    };
    const CalendarDate hebrew = CivilToHebrew(today);
    range_.first = range_.last = {hebrew.year, hebrew.month};
    PrepareSmallDialog(*this, hebrewLayout_, LayoutString(kTitle, hebrewLayout_));

    const auto text = [this](const LayoutText& t) { return LayoutString(t, hebrewLayout_); };
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addWidget(new QLabel(text(kRangeHeading), this));
    auto* grid = new QGridLayout;
    BuildRangeRow(grid, 0, firstSide_, true);
    BuildRangeRow(grid, 1, lastSide_, false);
    column->addLayout(grid);

    halfPage_ = new QRadioButton(text(kHalfPage), this);
    fullPage_ = new QRadioButton(text(kFullPage), this);
    column->addWidget(halfPage_);
    column->addWidget(fullPage_);

    column->addWidget(new QLabel(text(kTimesHeading), this));
    auto* times = new QGridLayout;
    sunrise_ = new QCheckBox(text(kSunrise), this);
    sunset_ = new QCheckBox(text(kSunset), this);
    candles_ = new QCheckBox(text(kCandles), this);
    tallit_ = new QCheckBox(text(kTallit), this);
    plagGra_ = new QCheckBox(text(kPlagGra), this);
    plagMaga_ = new QCheckBox(text(kPlagMaga), this);
    times->addWidget(sunrise_, 0, 0);
    times->addWidget(sunset_, 0, 1);
    times->addWidget(candles_, 1, 0);
    times->addWidget(tallit_, 1, 1);
    times->addWidget(plagGra_, 2, 0);
    times->addWidget(plagMaga_, 2, 1);
    column->addLayout(times);
    // The two plag times exclude each other.
    connect(plagGra_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            plagMaga_->setChecked(false);
    });
    connect(plagMaga_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            plagGra_->setChecked(false);
    });

    printPreview_ = new QPushButton(text(kPrintPreview), this);
    close_ = new QPushButton(text(kClose), this);
    column->addLayout(ButtonRow({printPreview_, close_}, ButtonRowPlacement::Trailing));
    connect(printPreview_, &QPushButton::clicked, this, [this] { OnPrintPreview(); });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    ShowChoices();
    ShowRange();
    ConnectSide(firstSide_, true);
    ConnectSide(lastSide_, false);
}

void CPLXReportMonthlyDlg::BuildRangeRow(QGridLayout* grid, int row, Side& side, bool first) {
    const LayoutText& label = first ? kFromMonth : kToMonth;
    grid->addWidget(new QLabel(LayoutString(label, hebrewLayout_), this), row, 0);
    side.month = new QComboBox(this);
    side.month->setEditable(true);
    side.month->setInsertPolicy(QComboBox::NoInsert);
    side.month->setCompleter(nullptr);  // the list completes typing itself
    side.month->setMaxVisibleItems(13);
    side.month->setFixedWidth(kMonthListWidth);
    grid->addWidget(side.month, row, 1);
    grid->addWidget(new QLabel(LayoutString(kYear, hebrewLayout_), this), row, 2);
    side.year = new QLineEdit(this);
    side.year->setFixedWidth(kYearEditWidth);
    grid->addWidget(side.year, row, 3);
    side.tenYears = new UpDownControl(this);
    side.oneYear = new UpDownControl(this);
    grid->addWidget(side.tenYears, row, 4);
    grid->addWidget(side.oneYear, row, 5);
}

void CPLXReportMonthlyDlg::ConnectSide(const Side& side, bool first) {
    connect(side.month, &QComboBox::currentIndexChanged, this,
            [this, first](int index) { OnMonthChosen(first, index); });
    connect(side.month->lineEdit(), &QLineEdit::textEdited, this, [this, first, side] {
        if (!updating_)
            CompleteTypedMonth(side.month,
                               [this, first](int index) { OnMonthChosen(first, index); });
    });
    connect(side.year, &QLineEdit::textEdited, this, [this, first] { OnYearEdited(first); });
    const auto step = [this, first](int years) {
        const YearMonth month = first ? range_.first : range_.last;
        const CalendarDate moved =
            AddHebrewYears(years, {1, static_cast<std::uint8_t>(month.month), month.year});
        SetMonth(first, {moved.year, moved.month});
        ShowRange();
    };
    connect(side.oneYear, &UpDownControl::stepped, this,
            [step](int direction) { step(direction); });
    connect(side.tenYears, &UpDownControl::stepped, this,
            [step](int direction) { step(10 * direction); });
}

void CPLXReportMonthlyDlg::ShowChoices() {
    (settings_.monthlyLandscape == 1 ? fullPage_ : halfPage_)->setChecked(true);
    sunrise_->setChecked(settings_.monthlySunrise != 0);
    sunset_->setChecked(settings_.monthlySunset != 0);
    candles_->setChecked(settings_.monthlyCandlesMotzash != 0);
    tallit_->setChecked(settings_.monthlyTefilin != 0);
    plagGra_->setChecked(settings_.monthlyPlag == 1);
    plagMaga_->setChecked(settings_.monthlyPlag == 2);
}

void CPLXReportMonthlyDlg::TicksInto(CalculationSettings& settings) const {
    settings.monthlySunrise = sunrise_->isChecked() ? 1 : 0;
    settings.monthlySunset = sunset_->isChecked() ? 1 : 0;
    settings.monthlyCandlesMotzash = candles_->isChecked() ? 1 : 0;
    settings.monthlyTefilin = tallit_->isChecked() ? 1 : 0;
    settings.monthlyPlag = plagGra_->isChecked() ? 1 : plagMaga_->isChecked() ? 2 : 0;
}

void CPLXReportMonthlyDlg::StoreChoices() {
    settings_.monthlyLandscape = fullPage_->isChecked() ? 1 : 0;
    TicksInto(settings_);
}

void CPLXReportMonthlyDlg::reject() {
    StoreChoices();
    QDialog::reject();
}

MonthlyRequest CPLXReportMonthlyDlg::Request() const {
    MonthlyRequest request{inputs_(), range_};
    TicksInto(request.inputs.settings);
    request.inputs.orientation = readOrientation();
    return request;
}

void CPLXReportMonthlyDlg::SetMonth(bool first, YearMonth month) {
    if (first) {
        range_.first = month;
        if (MonthBefore(range_.last, range_.first))
            range_.last = range_.first;
    } else {
        range_.last = month;
        if (MonthBefore(range_.last, range_.first))
            range_.first = range_.last;
    }
}

void CPLXReportMonthlyDlg::ShowRange(const QLineEdit* typing) {
    updating_ = true;
    for (const auto& [side, month] :
         {std::pair{&firstSide_, range_.first}, {&lastSide_, range_.last}}) {
        if (side->year != typing) {
            side->year->setText(hebrewLayout_ ? FromUtf16(HebrewNumeral(month.year).value_or(u""))
                                              : QString::number(month.year));
        }
        FillMonthList(side->month, month);
    }
    updating_ = false;
}

void CPLXReportMonthlyDlg::FillMonthList(QComboBox* box, YearMonth month) {
    const PlxLocaleBase& words = Vocabulary(names_);
    const bool leap = IsHebrewLeapYear(month.year) != 0;
    box->clear();
    const TextTable names = leap ? words.hebrewLeapMonthNames : words.hebrewMonthNames;
    for (std::size_t i = 0; i < (leap ? 13u : 12u); ++i)
        box->addItem(FromUtf16(names[i]));
    SelectMonthEntry(box, FromUtf16(HebrewMonthName(month.year, month.month, names_)));
}

void CPLXReportMonthlyDlg::OnYearEdited(bool first) {
    Side& side = first ? firstSide_ : lastSide_;
    const QString text = side.year->text();
    // Hebrew years are read as the main window reads them (תשפ"ד is 5784); what names no year in
    // the calendar is read literally and brought to its nearest year below.
    const int typed = hebrewLayout_
                          ? ReadTypedHebrewYear(text).value_or(ParseHebrewNumeral(ToUtf16(text)))
                          : ReadDecimal(text);
    YearMonth& month = first ? range_.first : range_.last;
    if (typed == month.year)
        return;
    // A year outside the calendar counts as its nearest year; the edit keeps what was typed.
    const std::int32_t year = std::clamp(typed, kFirstHebrewYear, kLastHebrewYear);
    SetMonth(first, CalendarMonth({year, month.month}));
    ShowRange(side.year);
}

void CPLXReportMonthlyDlg::OnMonthChosen(bool first, int index) {
    if (updating_ || index < 0)
        return;
    Side& side = first ? firstSide_ : lastSide_;
    const YearMonth month = first ? range_.first : range_.last;
    const std::optional<int> number = HebrewMonthFromName(
        IsHebrewLeapYear(month.year) != 0, ToUtf16(side.month->itemText(index)), names_);
    SetMonth(first, CalendarMonth({month.year, number.value_or(0)}));
    ShowRange();
}

void CPLXReportMonthlyDlg::OnPrintPreview() {
    const PrintOrientation noted = readOrientation();
    writeOrientation(fullPage_->isChecked() ? PrintOrientation::Landscape
                                            : PrintOrientation::Portrait);
    runPreview(source_);
    if (noted != PrintOrientation::Landscape)
        writeOrientation(PrintOrientation::Portrait);
}

}  // namespace plx
