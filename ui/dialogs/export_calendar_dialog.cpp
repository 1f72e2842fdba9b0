#include "ui/dialogs/export_calendar_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/language.h"
#include "reports/calendar_file.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/small_dialog.h"
#include "ui/layout_text.h"

namespace plx {
namespace {

QString Text(const char16_t* key) {
    return LookupString(u"ExportCalendar", key);
}

QString DateText(CalendarDate date) {
    return QStringLiteral("%1.%2.%3").arg(date.day).arg(date.month).arg(date.year);
}

CalendarDate FromDateEdit(const QDateEdit* edit) {
    const QDate day = edit->date();
    return {static_cast<std::uint8_t>(day.day()), static_cast<std::uint8_t>(day.month()),
            day.year()};
}

QString DefaultFilePath() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir folder(QDir(documents).exists() ? documents : QDir::homePath());
    return folder.filePath(QStringLiteral("plx.ics"));
}

QString SpanProblemText(ExportSpanProblem problem) {
    switch (problem) {
        case ExportSpanProblem::kEndsBeforeStart:
            return Text(u"ENDS_BEFORE");
        case ExportSpanProblem::kOutsideGregorianYears:
            return Text(u"OUTSIDE_YEARS");
        case ExportSpanProblem::kLongerThanTwentyYears:
            return Text(u"TOO_LONG");
    }
    return {};
}

}  // namespace

CPLXExportCalendarDlg::CPLXExportCalendarDlg(ReportInputs inputs, QWidget* parent)
    : CSKDialog(parent), inputs_(std::move(inputs)) {
    PrepareSmallDialog(*this, ActiveLanguage().rightToLeft, Text(u"TITLE"));
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);

    column->addWidget(new QLabel(Text(u"SPAN"), this));
    month_ = new QRadioButton(Text(u"A_MONTH"), this);
    year_ = new QRadioButton(Text(u"A_YEAR"), this);
    custom_ = new QRadioButton(Text(u"CUSTOM"), this);
    from_ = new QDateEdit(this);
    to_ = new QDateEdit(this);
    // The date fields count on the Gregorian calendar, which began on 15 October 1582.
    // Dates read left to right in both layouts; the direction must be set before the format,
    // which a right-to-left edit would lay out year first.
    for (QDateEdit* edit : {from_, to_}) {
        edit->setLayoutDirection(Qt::LeftToRight);
        edit->setDateRange(QDate(1582, 10, 15), QDate(9999, 12, 31));
        edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        edit->setCalendarPopup(true);
    }
    const CalendarDate selected = inputs_.civil;
    const QDate start = GregorianDay(selected);
    from_->setDate(start);
    to_->setDate(start.addMonths(1).addDays(-1));
    month_->setChecked(true);

    column->addWidget(month_);
    column->addWidget(year_);
    auto* typed = new QHBoxLayout;
    typed->addWidget(custom_);
    typed->addWidget(from_);
    typed->addWidget(new QLabel(Text(u"TO"), this));
    typed->addWidget(to_);
    typed->addStretch();
    column->addLayout(typed);
    spanText_ = new QLabel(this);
    column->addWidget(spanText_);

    column->addWidget(new QLabel(Text(u"INCLUDE"), this));
    events_ = new QCheckBox(Text(u"EVENTS"), this);
    portion_ = new QCheckBox(Text(u"PORTION"), this);
    daf_ = new QCheckBox(Text(u"DAF"), this);
    times_ = new QCheckBox(Text(u"TIMES"), this);
    candles_ = new QCheckBox(Text(u"CANDLES"), this);
    personal_ = new QCheckBox(Text(u"PERSONAL"), this);
    events_->setChecked(true);
    portion_->setChecked(true);
    for (QCheckBox* box : {events_, portion_, daf_, times_, candles_, personal_})
        column->addWidget(box);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(Text(u"FILE"), this));
    file_ = new QLineEdit(DefaultFilePath(), this);
    file_->setMinimumWidth(280);
    fileRow->addWidget(file_);
    auto* browse = new QPushButton(Text(u"BROWSE"), this);
    fileRow->addWidget(browse);
    column->addLayout(fileRow);

    export_ = new QPushButton(Text(u"EXPORT"), this);
    auto* cancel = new QPushButton(Text(u"CANCEL"), this);
    column->addLayout(ButtonRow({export_, cancel}, ButtonRowPlacement::Trailing));

    for (QRadioButton* choice : {month_, year_, custom_})
        connect(choice, &QRadioButton::toggled, this, [this] { ShowSpan(); });
    for (QDateEdit* edit : {from_, to_}) {
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            custom_->setChecked(true);
            ShowSpan();
        });
    }
    connect(browse, &QPushButton::clicked, this, [this] { OnBrowse(); });
    connect(export_, &QPushButton::clicked, this, [this] { Export(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowSpan();
}

CalendarDate CPLXExportCalendarDlg::SpanEnd() const {
    const CalendarDate selected = inputs_.civil;
    if (month_->isChecked())
        return PrevCivilDay(NextCivilMonth(selected));
    if (year_->isChecked())
        return PrevCivilDay(AddCivilYears(1, selected));
    return FromDateEdit(to_);
}

CalendarExportRequest CPLXExportCalendarDlg::Request() const {
    CalendarExportRequest request;
    request.first = custom_->isChecked() ? FromDateEdit(from_) : inputs_.civil;
    request.last = SpanEnd();
    request.language = inputs_.language.names;
    request.place = inputs_.place;
    request.settings = inputs_.settings;
    request.personalDates = inputs_.personalDates;
    request.personalAdar = inputs_.personalAdar;
    CalendarExportContents& contents = request.contents;
    contents.events = events_->isChecked();
    contents.portion = portion_->isChecked();
    contents.dafYomi = daf_->isChecked();
    contents.personal = personal_->isChecked();
    contents.times =
        times_->isChecked() ? inputs_.settings.times : WithoutTimes(inputs_.settings.times);
    if (candles_->isChecked())
        contents.times.candleLighting = true;
    return request;
}

QString CPLXExportCalendarDlg::FilePath() const {
    return file_->text().trimmed();
}

void CPLXExportCalendarDlg::ShowSpan() {
    const CalendarExportRequest request = Request();
    // A right-to-left mark keeps the line at the reading side of the Hebrew layout, the first
    // date first.
    const QString mark =
        layoutDirection() == Qt::RightToLeft ? QStringLiteral("\u200F") : QString();
    spanText_->setText(
        mark + QStringLiteral("%1 – %2").arg(DateText(request.first), DateText(request.last)));
}

void CPLXExportCalendarDlg::OnBrowse() {
    const QString path =
        QFileDialog::getSaveFileName(this, Text(u"TITLE"), FilePath(), Text(u"FILE_FILTER"));
    if (!path.isEmpty())
        file_->setText(path.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive)
                           ? path
                           : path + QStringLiteral(".ics"));
}

bool CPLXExportCalendarDlg::Export() {
    const CalendarExportRequest request = Request();
    QString problem;
    if (const auto span = ProblemOfExportSpan(request.first, request.last, false)) {
        problem = SpanProblemText(*span);
    } else if (!ExportsAnything(request.contents)) {
        problem = Text(u"NOTHING");
    } else if (FilePath().isEmpty()) {
        problem = Text(u"NO_FILE");
    } else if (const auto error = WriteCalendarFile(FilePath(), request)) {
        problem = Text(u"FAILED").replace(QStringLiteral("%s"), LeftToRightRun(FilePath())) +
                  QStringLiteral("\n") + LeftToRightRun(*error);
    }
    if (!problem.isEmpty()) {
        ShowErrorMessage(this, problem);
        return false;
    }
    CMessageBoxDlg(this).Show(
        Text(u"DONE").replace(QStringLiteral("%s"), LeftToRightRun(FilePath())), Text(u"TITLE"),
        MessageBoxButtons::Ok);
    accept();
    return true;
}

}  // namespace plx
