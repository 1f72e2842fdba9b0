#include "ui/dialogs/location_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

#include "app/language.h"
#include "app/one_line_text.h"
#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/numeric_edit.h"
#include "ui/dialogs/small_dialog.h"
#include "ui/layout_text.h"

namespace plx {
namespace {

constexpr LayoutText kTitle{u"הגדרות מקום ללוח זמנים", u"Locations settings"};
constexpr LayoutText kHebrewName{u"שם המקום (עברית):", u"Location's name (Hebrew):"};
constexpr LayoutText kEnglishName{u"שם המקום (אנגלית):", u"Location's name (English):"};
constexpr LayoutText kLatitude{u"נקודת רוחב: (+צפון)", u"Latitude (+North):"};
constexpr LayoutText kLongitude{u"נקודת אורך: (+מזרח)", u"Longitude (+East):"};
constexpr LayoutText kHeight{u"גובה (מטרים):", u"Height (Meters):"};
constexpr LayoutText kZone{u"מרווח שעות: (GMT/UTC)", u"Time zone: (GMT/UTC):"};
constexpr LayoutText kTimeZone{u"אזור זמן (לשעון קיץ):", u"Time zone (for daylight saving):"};
constexpr LayoutText kCandles{u"הדלקת נרות: (דקות)", u"Candle lighting interval (minutes):"};
constexpr LayoutText kRefraction{u"רפרקציה:", u"Refraction:"};
constexpr LayoutText kIsraelRefraction{u"השתמש בממוצע רפרקציה של ישראל",
                                       u"Use Israel's average refraction"};
constexpr LayoutText kWorldRefraction{u"השתמש בממוצע רפרקציה עולמי",
                                      u"Use world's average refraction"};
constexpr LayoutText kOk{u"אישור", u"Ok"};
constexpr LayoutText kCancel{u"ביטול", u"Cancel"};
// A place beyond these bounds has no sun to compute with: it would be stored and give no times.
constexpr LayoutText kLatitudeRange{
    u"נקודת הרוחב צריכה להיות בין 90 מעלות דרום ל־90 מעלות צפון.",
    u"Latitude (+North) must be between -90 (south) and 90 (north) degrees."};
constexpr LayoutText kLongitudeRange{
    u"נקודת האורך צריכה להיות בין 180 מעלות מערב ל־180 מעלות מזרח.",
    u"Longitude (+East) must be between -180 (west) and 180 (east) degrees."};
// One name is enough: the other takes it.
constexpr LayoutText kNoName{u"שם המקום: יש לתת למקום שם בעברית, באנגלית או בשתיהן.",
                             u"Location's name: give the place a name in Hebrew, in English or "
                             u"in both."};
// A tab or a line break in a name would break every one-line list of places.
constexpr LayoutText kNameCharacter{
    u"שם המקום: שם אינו יכול להכיל טאב, מעבר שורה או תו בקרה אחר.",
    u"Location's name: a name may not hold a tab, a line break or another control character."};
// A zone the system does not know would quietly give standard time all year.
constexpr LayoutText kUnknownTimeZone{
    u"אזור הזמן אינו מוכר. יש לבחור אזור זמן מהרשימה, או להשאיר את השדה ריק.",
    u"The time zone is not known. Choose one from the list, or leave the field empty."};

constexpr int kDefaultCandleMinutes = 22;
constexpr int kNameWidth = 220;
constexpr int kDecimalWidth = 96;
constexpr int kPartWidth = 40;

QLineEdit* DigitsEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setFixedWidth(kPartWidth);
    return edit;
}

QLabel* Mark(const char16_t* mark, QWidget* parent) {
    return new QLabel(QString::fromUtf16(mark), parent);
}

}  // namespace

CPLXLocationDlg::CPLXLocationDlg(CustomLocationList& custom, QWidget* parent)
    : CPLXLocationDlg(custom, ActiveLanguage().rightToLeft, parent) {}

CPLXLocationDlg::CPLXLocationDlg(CustomLocationList& custom, bool hebrewLayout, QWidget* parent)
    : CSKDialog(parent), custom_(custom), hebrewLayout_(hebrewLayout) {
    PrepareSmallDialog(*this, hebrewLayout, LayoutString(kTitle, hebrewLayout));
    const auto text = [hebrewLayout](const LayoutText& t) { return LayoutString(t, hebrewLayout); };

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    int row = 0;
    const auto addRow = [&](const LayoutText& label, QLayout* fields) {
        grid->addWidget(new QLabel(text(label), this), row, 0);
        grid->addLayout(fields, row, 1);
        ++row;
    };
    const auto single = [this](QWidget* field) {
        auto* line = new QHBoxLayout;
        line->addWidget(field);
        line->addStretch();
        return line;
    };

    nameHebrew_ = new QLineEdit(this);
    nameEnglish_ = new QLineEdit(this);
    nameHebrew_->setFixedWidth(kNameWidth);
    nameEnglish_->setFixedWidth(kNameWidth);
    addRow(kHebrewName, single(nameHebrew_));
    addRow(kEnglishName, single(nameEnglish_));

    for (auto [coordinate, label] :
         {std::pair{&latitude_, &kLatitude}, std::pair{&longitude_, &kLongitude}}) {
        coordinate->decimal = new CNumericEdit(true, this);
        coordinate->decimal->setFixedWidth(kDecimalWidth);
        coordinate->degrees = new CNumericEdit(false, this);
        coordinate->degrees->setFixedWidth(kPartWidth);
        coordinate->minutes = DigitsEdit(this);
        coordinate->seconds = DigitsEdit(this);
        auto* line = new QHBoxLayout;
        line->setSpacing(3);
        line->addWidget(coordinate->decimal);
        line->addSpacing(12);
        line->addWidget(coordinate->degrees);
        line->addWidget(Mark(u"°", this));
        line->addWidget(coordinate->minutes);
        line->addWidget(Mark(u"′", this));
        line->addWidget(coordinate->seconds);
        line->addWidget(Mark(u"″", this));
        line->addStretch();
        addRow(*label, line);
        for (QLineEdit* field : {static_cast<QLineEdit*>(coordinate->decimal),
                                 static_cast<QLineEdit*>(coordinate->degrees), coordinate->minutes,
                                 coordinate->seconds}) {
            field->installEventFilter(this);
        }
    }

    height_ = new QLineEdit(this);
    height_->setFixedWidth(kDecimalWidth);
    addRow(kHeight, single(height_));

    zoneHours_ = new QLineEdit(this);
    zoneMinutes_ = new QLineEdit(this);
    zoneHours_->setFixedWidth(kPartWidth);
    zoneMinutes_->setFixedWidth(kPartWidth);
    auto* zone = new QHBoxLayout;
    zone->setSpacing(3);
    zone->addWidget(zoneHours_);
    zone->addWidget(Mark(u":", this));
    zone->addWidget(zoneMinutes_);
    zone->addStretch();
    addRow(kZone, zone);

    // Typed or chosen, each zone shown with its offset now and kept by its id; typing any part
    // of an id ("york") lists the zones that hold it.
    timeZone_ = new QComboBox(this);
    timeZone_->setEditable(true);
    timeZone_->setInsertPolicy(QComboBox::NoInsert);
    timeZone_->addItem(QString(), QString());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QString& id : SystemTimeZoneIds())
        timeZone_->addItem(ZoneIdWithOffset(id, now), id);
    timeZone_->setFixedWidth(kNameWidth);
    // Zone ids are Latin names read left to right in either layout.
    timeZone_->setLayoutDirection(Qt::LeftToRight);
    timeZone_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    timeZone_->completer()->setFilterMode(Qt::MatchContains);
    timeZone_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    // Both lists as wide as their longest row, however narrow the field.
    const int widest = timeZone_->view()->sizeHintForColumn(0) +
                       timeZone_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
    timeZone_->view()->setMinimumWidth(widest);
    timeZone_->completer()->popup()->setMinimumWidth(widest);
    timeZone_->setCurrentIndex(0);
    addRow(kTimeZone, single(timeZone_));

    candles_ = DigitsEdit(this);
    candles_->setText(QString::number(kDefaultCandleMinutes));
    addRow(kCandles, single(candles_));

    auto* refraction = new QGroupBox(text(kRefraction), this);
    auto* choices = new QVBoxLayout(refraction);
    israel_ = new QRadioButton(text(kIsraelRefraction), refraction);
    world_ = new QRadioButton(text(kWorldRefraction), refraction);
    world_->setChecked(true);
    choices->addWidget(israel_);
    choices->addWidget(world_);

    const OkCancelButtons closing = MakeOkCancelButtons(*this, text(kOk), text(kCancel));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kSmallDialogMargins);
    column->addLayout(grid);
    column->addWidget(refraction);
    column->addLayout(ButtonRow({closing.ok, closing.cancel}, ButtonRowPlacement::Centred));
    column->setSizeConstraint(QLayout::SetFixedSize);
}

int CPLXLocationDlg::exec() {
    if (editId_ >= 0 && !Fill())
        return Rejected;
    return QDialog::exec();
}

bool CPLXLocationDlg::Fill() {
    const auto found = FindCustomLocation(custom_, editId_);
    if (!found)
        return false;
    const Location& place = custom_[*found];
    nameHebrew_->setText(QString::fromStdU16String(place.nameHebrew));
    nameEnglish_->setText(QString::fromStdU16String(place.nameEnglish));
    const float hours = std::trunc(place.zone);
    zoneHours_->setText(QString::number(static_cast<int>(hours)));
    zoneMinutes_->setText(QString::number(static_cast<int>((place.zone - hours) * 60)));
    candles_->setText(QString::number(place.candleMinutes));
    height_->setText(FormatDecimalText(place.height));
    latitude_.decimal->setText(FormatDecimalText(place.latitude));
    longitude_.decimal->setText(FormatDecimalText(place.longitude));
    ShowDegreesOf(latitude_);
    ShowDegreesOf(longitude_);
    (place.refraction == 1 ? israel_ : world_)->setChecked(true);
    const QString zone = FromUtf16(place.timeZone);
    const int listed = timeZone_->findData(zone);
    if (listed >= 0)
        timeZone_->setCurrentIndex(listed);
    else
        timeZone_->setCurrentText(zone);  // as stored, to be checked at OK
    return true;
}

bool CPLXLocationDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        SyncFrom(watched);
    return QDialog::eventFilter(watched, event);
}

void CPLXLocationDlg::SyncFrom(QObject* field) {
    for (const Coordinate* c : {&latitude_, &longitude_}) {
        if (field == c->decimal)
            ShowDegreesOf(*c);
        else if (field == c->degrees || field == c->minutes || field == c->seconds)
            ShowDecimalOf(*c);
    }
}

void CPLXLocationDlg::ShowDegreesOf(const Coordinate& c) {
    const DegreesMinutesSeconds dms = ToDegreesMinutesSeconds(ParseDecimalText(c.decimal->text()));
    c.degrees->setText(QString::number(dms.degrees));
    c.minutes->setText(QString::number(dms.minutes));
    c.seconds->setText(QString::number(dms.seconds));
}

void CPLXLocationDlg::ShowDecimalOf(const Coordinate& c) {
    const DegreesMinutesSeconds dms{ParseIntegerText(c.degrees->text()),
                                    ParseIntegerText(c.minutes->text()),
                                    ParseIntegerText(c.seconds->text())};
    c.decimal->setText(FormatDecimalText(FromDegreesMinutesSeconds(dms)));
}

Location CPLXLocationDlg::Entered() const {
    Location place;
    place.nameHebrew = nameHebrew_->text().toStdU16String();
    place.nameEnglish = nameEnglish_->text().toStdU16String();
    place.latitude = ParseDecimalText(latitude_.decimal->text());
    place.longitude = ParseDecimalText(longitude_.decimal->text());
    place.height = ParseDecimalText(height_->text());
    place.zone = static_cast<float>(ParseIntegerText(zoneHours_->text())) +
                 static_cast<float>(ParseIntegerText(zoneMinutes_->text())) / 60.0f;
    place.candleMinutes = ParseIntegerText(candles_->text());
    place.refraction = israel_->isChecked() ? 1 : 0;
    place.timeZone = ChosenZoneId().toStdU16String();
    return place;
}

QString CPLXLocationDlg::ChosenZoneId() const {
    // A row of the list, or an id typed in any case.
    const QString typed = timeZone_->currentText().trimmed();
    int row = timeZone_->findText(typed, Qt::MatchFixedString);
    if (row < 0)
        row = timeZone_->findData(ZoneIdOfListText(typed), Qt::UserRole, Qt::MatchFixedString);
    return row >= 0 ? timeZone_->itemData(row).toString() : ZoneIdOfListText(typed);
}

bool CPLXLocationDlg::Refuse(const QString& message, QWidget* field) {
    CMessageBoxDlg(hebrewLayout_, this).Show(message, QString(), MessageBoxButtons::Ok);
    field->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(field))
        line->selectAll();
    return false;
}

bool CPLXLocationDlg::CoordinatesInRange(const Location& place) {
    if (std::fabs(place.latitude) > 90)
        return Refuse(LayoutString(kLatitudeRange, hebrewLayout_), latitude_.decimal);
    if (std::fabs(place.longitude) > 180)
        return Refuse(LayoutString(kLongitudeRange, hebrewLayout_), longitude_.decimal);
    return true;
}

bool CPLXLocationDlg::NamesFit(const Location& place) {
    if (HasUnfitCharacter(place.nameHebrew))
        return Refuse(LayoutString(kNameCharacter, hebrewLayout_), nameHebrew_);
    if (HasUnfitCharacter(place.nameEnglish))
        return Refuse(LayoutString(kNameCharacter, hebrewLayout_), nameEnglish_);
    return true;
}

bool CPLXLocationDlg::TimeZoneKnown(const Location& place) {
    if (place.timeZone.empty() || IsKnownTimeZone(place.timeZone))
        return true;
    return Refuse(LayoutString(kUnknownTimeZone, hebrewLayout_), timeZone_);
}

void CPLXLocationDlg::accept() {
    // Enter confirms without leaving the field: what was typed in it counts.
    SyncFrom(focusWidget());
    Location place = Entered();
    if (!CompleteLocationNames(place)) {
        Refuse(LayoutString(kNoName, hebrewLayout_), hebrewLayout_ ? nameHebrew_ : nameEnglish_);
        return;
    }
    if (!NamesFit(place) || !CoordinatesInRange(place) || !TimeZoneKnown(place))
        return;
    if (editId_ < 0) {
        editId_ = static_cast<std::int32_t>(AddCustomLocation(custom_, place));
    } else if (!UpdateCustomLocation(custom_, editId_, place)) {
        return;
    }
    QDialog::accept();
}

}  // namespace plx
