// DrawMonth: the month's frame and title, the weekday row and the grid of day cells.
#include <algorithm>

#include "app/utf16.h"
#include "engine/events.h"
#include "engine/numerals.h"
#include "engine/portion.h"
#include "engine/vocabulary.h"
#include "reports/monthly_report.h"
#include "reports/page_frame.h"
#include "reports/personal_days.h"
#include "reports/report_times.h"
#include "reports/text_fit.h"
#include "reports/title_texts.h"

namespace plx {
namespace {

// A font of at least one unit, however small the month.
ReportFont Font(std::int32_t height, QFont::Weight weight) {
    return {std::max<std::int32_t>(height, 1), weight};
}

// Every length of a month, from its reference length.
struct MonthGeometry {
    std::int32_t ref = 0;
    ReportFont title, heading, text, portion;
    ReportRect inner;       // the month less its margins, seven whole cells wide
    std::int32_t cell = 0;  // width of a day column
    std::int32_t band = 0;  // height of the title box and of the weekday row
    std::int32_t rowHeight = 0;
    std::int32_t gridTop = 0;
    std::int32_t eventsGap = 0;    // also the height of the portion line
    std::int32_t timesHeight = 0;  // the strip of times at the bottom of a day
    std::int32_t pad = 0;          // between a cell's edges and its texts
    std::int32_t floor = 0;        // the smallest font a text of a cell shrinks to
    std::int32_t bottomGap = 0;    // between a cell's last line and its bottom edge
};

MonthGeometry Measure(ReportSurface& surface, const ReportRect& rect) {
    MonthGeometry g;
    g.ref = MonthReferenceHeight(rect);
    g.title = Font(g.ref / 28, QFont::Bold);
    g.heading = Font(g.ref / 48, QFont::Bold);
    g.text = Font(g.ref / 60, QFont::Normal);
    g.portion = Font(g.ref / 60, QFont::Bold);
    const std::int32_t margin = g.ref / 18;
    g.inner = {rect.left + margin, rect.top + margin, rect.right - margin, rect.bottom - margin};
    g.cell = g.inner.width() / 7;
    g.inner.right = g.inner.left + 7 * g.cell;
    g.band = g.ref / 27;
    g.gridTop = g.inner.top + 2 * g.band;
    g.rowHeight = (g.inner.bottom - g.gridTop) / 6;
    g.eventsGap = g.ref / 61;
    g.timesHeight = g.ref / 20;
    g.pad = PointsToUnits(surface, 2, Axis::Horizontal);
    g.floor = PointsToUnits(surface, 6, Axis::Vertical);
    g.bottomGap = PointsToUnits(surface, 1, Axis::Vertical);
    return g;
}

// Column `column` (0 = Sunday) of a band, counted from the reading side.
ReportRect Column(const MonthGeometry& g, int column, std::int32_t top, std::int32_t bottom,
                  bool rtl) {
    const std::int32_t left =
        rtl ? g.inner.right - (column + 1) * g.cell : g.inner.left + column * g.cell;
    return {left, top, left + g.cell, bottom};
}

QString LabelText(const PlxLocaleBase& words, TimeLabel label, bool shortLabel) {
    const auto index = static_cast<int>(label);
    if (index < 0 || index >= kTimeNameCount)
        return {};
    if (!shortLabel)
        return FromUtf16(words.timeNames[static_cast<std::size_t>(index)]);
    // The end of a Sabbath and the end of a festival have no short names of their own; they take
    // the one of "end of Sabbath or festival" rather than stand without a name.
    const int shortIndex =
        index < kTimeShortNameCount ? index : static_cast<int>(TimeLabel::kEndOfSabbathOrChag);
    return FromUtf16(words.timeShortNames[static_cast<std::size_t>(shortIndex)]);
}

// One label-and-time column pair of a day's times: labels, one a line, before a column of the
// time's width at the pair's end in reading order.
struct TimesPair {
    ReportRect rect;
    QStringList labels;
    QStringList times;
};

TimesPair MakeTimesPair(const ReportRect& rect, const std::vector<TimeEntry>& entries,
                        bool shortLabels, Language names) {
    const PlxLocaleBase& words = Vocabulary(names);
    TimesPair pair{rect, {}, {}};
    for (const TimeEntry& entry : entries) {
        pair.labels += LabelText(words, entry.label, shortLabels);
        pair.times += FromUtf16(entry.text);
    }
    return pair;
}

// The width of a time in the current font.
std::int32_t TimeWidth(const ReportSurface& surface) {
    return surface.textExtent(QStringLiteral("00:00")).width;
}

// The labels' part of a pair, a pad away from the time column.
ReportRect LabelRect(const MonthGeometry& g, const ReportRect& pair, std::int32_t timeWidth,
                     bool rtl) {
    ReportRect labels = pair;
    if (rtl)
        labels.left = pair.left + timeWidth + g.pad;
    else
        labels.right = pair.right - timeWidth - g.pad;
    return labels;
}

void DrawTimesPair(ReportSurface& surface, const MonthGeometry& g, const TimesPair& pair,
                   bool rtl) {
    const std::int32_t timeWidth = TimeWidth(surface);
    ReportRect timeRect = pair.rect;
    if (rtl)
        timeRect.right = pair.rect.left + timeWidth;
    else
        timeRect.left = pair.rect.right - timeWidth;
    surface.drawText(pair.labels.join(QLatin1Char('\n')), LabelRect(g, pair.rect, timeWidth, rtl),
                     TextOption::NoMnemonic | TextOption::ElideLines | ReadingSide(rtl));
    surface.drawText(pair.times.join(QLatin1Char('\n')), timeRect,
                     rtl ? TextOption::AlignLeft : TextOption::AlignRight);
}

struct MonthDay {
    CalendarDate hebrew;
    CalendarDate civil;
    int weekday = 1;
    QStringList personal;  // the names of the personal dates kept on the day
};

// What a day shows above its times: the portion of a Sabbath and the day's events with the
// names of its personal dates, each fitted to its place.
struct DayTexts {
    QString portion;
    QString events;
};

struct AboveTimes {
    FittedText portion;
    ReportRect portionRect;
    FittedText events;
    ReportRect eventsRect;

    bool whole() const { return portion.whole && events.whole; }
};

class MonthPainter {
public:
    MonthPainter(ReportSurface& surface, const ReportInputs& inputs, const MonthGeometry& g)
        : surface_(surface),
          inputs_(inputs),
          g_(g),
          rtl_(inputs.language.rightToLeft),
          names_(inputs.language.names),
          times_(MonthlyTimesOf(inputs.settings)),
          options_(MonthlyOptions(inputs.settings.times, times_)) {}

    void DrawDay(const MonthDay& day, const ReportRect& cell);

private:
    // Returns the bottom of the line.
    std::int32_t DrawTopLine(const MonthDay& day, const ReportRect& content);
    DayTexts TextsOf(const MonthDay& day, const DayEventList& events) const;
    std::vector<TimeEntry> TimesOf(const MonthDay& day, const DayPlan& plan) const;
    // The portion right above the strip of times at `stripTop`, the events between `top` and it.
    AboveTimes LayOutAbove(const DayTexts& texts, const ReportRect& content, std::int32_t top,
                           std::int32_t stripTop);
    std::vector<TimesPair> OneColumn(const std::vector<TimeEntry>& entries,
                                     const ReportRect& strip) const;
    std::vector<TimesPair> TwoColumns(const std::vector<TimeEntry>& entries,
                                      const ReportRect& strip) const;
    // Whether every label fits beside its time in a font of the current height.
    bool LabelsFit(const std::vector<TimesPair>& pairs) const;
    bool FitsAtTheFloor(const std::vector<TimesPair>& pairs);
    void DrawTimes(const std::vector<TimesPair>& pairs);

    ReportSurface& surface_;
    const ReportInputs& inputs_;
    const MonthGeometry& g_;
    bool rtl_;
    Language names_;
    MonthlyTimes times_;
    TimesOfDayOptions options_;
};

std::int32_t MonthPainter::DrawTopLine(const MonthDay& day, const ReportRect& content) {
    const QString civilMonth =
        FromUtf16(Vocabulary(names_).civilMonthNames[day.civil.month - 1u]).left(3) +
        QStringLiteral(". %1").arg(day.civil.day);
    const bool hebrewNames = names_ == Language::kHebrew;
    const QString hebrewDay = hebrewNames ? FromUtf16(HebrewNumeral(day.hebrew.day).value_or(u""))
                                          : QString::number(day.hebrew.day);
    // Both days side by side, a pad apart, in the text font or a smaller one.
    const std::int32_t height = LargestFittingFont(surface_, g_.floor, [&] {
        return surface_.textExtent(hebrewDay).width + g_.pad +
                   surface_.textExtent(civilMonth).width <=
               content.width();
    });
    const FontScope font(surface_, {height, surface_.font().weight});
    // The Hebrew day at the left of English names and at the right of Hebrew ones, the civil
    // day in what it leaves.
    ReportRect civil = content;
    const std::int32_t taken = surface_.textExtent(hebrewDay).width + g_.pad;
    if (hebrewNames) {
        surface_.drawText(hebrewDay, content,
                          TextOption::SingleLine | TextOption::AlignRight | Reading(rtl_));
        civil.right -= taken;
        surface_.drawText(civilMonth, civil, TextOption::SingleLine | TextOption::ElideLines);
    } else {
        surface_.drawText(hebrewDay, content, TextOption::SingleLine);
        civil.left += taken;
        surface_.drawText(civilMonth, civil,
                          TextOption::SingleLine | TextOption::AlignRight | TextOption::ElideLines);
    }
    return content.top + height;
}

DayTexts MonthPainter::TextsOf(const MonthDay& day, const DayEventList& events) const {
    DayTexts texts;
    if (day.weekday == 7)
        texts.portion = FromUtf16(WeeklyPortionName(names_, day.hebrew).value_or(u""));
    QStringList phrases;
    for (const std::u16string& entry : events.entries) {
        if (!entry.empty())
            phrases += FromUtf16(entry);
    }
    phrases += day.personal;
    texts.events = phrases.join(QLatin1Char('\n'));
    return texts;
}

std::vector<TimeEntry> MonthPainter::TimesOf(const MonthDay& day, const DayPlan& plan) const {
    TimesOfDayOptions options = options_;
    options.talitTfilin = plan.tallit;
    return TimesOfDate(day.civil, inputs_, options);
}

// The user's names among the events may hold an "&", which is no mnemonic here.
constexpr TextOptions kEventOptions =
    TextOption::WordWrap | TextOption::ElideWords | TextOption::NoMnemonic;

AboveTimes MonthPainter::LayOutAbove(const DayTexts& texts, const ReportRect& content,
                                     std::int32_t top, std::int32_t stripTop) {
    AboveTimes above;
    above.eventsRect = content;
    above.eventsRect.top = top;
    above.eventsRect.bottom = std::max(top, stripTop);
    if (!texts.portion.isEmpty()) {
        const FontScope portionFont(surface_, g_.portion);
        // The portion comes first: it may take every line the events would have had.
        above.portion = FitText(
            surface_, texts.portion, TextOption::WordWrap | ReadingSide(rtl_),
            {content.width(), std::max(above.eventsRect.height(), g_.portion.height)}, g_.floor);
        above.portionRect = content;
        above.portionRect.bottom = stripTop;
        above.portionRect.top = stripTop - above.portion.height();
        above.eventsRect.bottom = std::max(top, above.portionRect.top);
    }
    above.events = FitText(surface_, texts.events, kEventOptions | ReadingSide(rtl_),
                           {content.width(), above.eventsRect.height()}, g_.floor);
    return above;
}

std::vector<TimesPair> MonthPainter::OneColumn(const std::vector<TimeEntry>& entries,
                                               const ReportRect& strip) const {
    return {MakeTimesPair(strip, entries, false, names_)};
}

std::vector<TimesPair> MonthPainter::TwoColumns(const std::vector<TimeEntry>& entries,
                                                const ReportRect& strip) const {
    std::vector<TimesPair> pairs;
    const std::int32_t middle = strip.left + strip.width() / 2;
    ReportRect first = strip;
    if (rtl_)
        first.left = middle + g_.pad;
    else
        first.right = middle - g_.pad;
    const auto split = entries.begin() + std::min<std::ptrdiff_t>(3, std::ssize(entries));
    pairs.push_back(MakeTimesPair(first, {entries.begin(), split}, true, names_));
    if (split != entries.end()) {
        const std::int32_t shift = (strip.width() / 2 + g_.pad) * (rtl_ ? -1 : 1);
        const ReportRect second{first.left + shift, first.top, first.right + shift, first.bottom};
        pairs.push_back(MakeTimesPair(second, {split, entries.end()}, true, names_));
    }
    return pairs;
}

bool MonthPainter::LabelsFit(const std::vector<TimesPair>& pairs) const {
    const std::int32_t timeWidth = TimeWidth(surface_);
    return std::all_of(pairs.begin(), pairs.end(), [&](const TimesPair& pair) {
        const std::int32_t room = LabelRect(g_, pair.rect, timeWidth, rtl_).width();
        return std::all_of(pair.labels.begin(), pair.labels.end(), [&](const QString& label) {
            return surface_.textExtent(label).width <= room;
        });
    });
}

bool MonthPainter::FitsAtTheFloor(const std::vector<TimesPair>& pairs) {
    const FontScope smallest(surface_, {g_.floor, surface_.font().weight});
    return LabelsFit(pairs);
}

void MonthPainter::DrawTimes(const std::vector<TimesPair>& pairs) {
    // One font for the whole strip, so that its rows stay level: the text font, or a smaller
    // one in which every label fits beside its time.
    const std::int32_t height =
        LargestFittingFont(surface_, g_.floor, [&] { return LabelsFit(pairs); });
    const FontScope font(surface_, {height, surface_.font().weight});
    for (const TimesPair& pair : pairs)
        DrawTimesPair(surface_, g_, pair, rtl_);
}

void MonthPainter::DrawDay(const MonthDay& day, const ReportRect& cell) {
    const ReportRect content{cell.left + g_.pad, cell.top, cell.right - g_.pad, cell.bottom};
    const std::int32_t topLineBottom = DrawTopLine(day, content);
    const std::int32_t top = std::max(cell.top + g_.eventsGap, topLineBottom);
    const DayEventList events = DayEvents(names_, day.civil);
    const DayTexts texts = TextsOf(day, events);
    const DayPlan plan = PlannedTimeLines(times_, day.weekday, events.kind);
    const std::vector<TimeEntry> entries = TimesOf(day, plan);

    // The times at the bottom, clear of the bottom edge, in rows of the text font: three rows,
    // in two columns of short names when the day has more times; the portion of a Sabbath right
    // above them; the events in what is left below the top line.
    const std::int32_t rowHeight = surface_.textExtent(QStringLiteral("0")).height;
    const auto stripAt = [&](int rows) {
        const std::int32_t stripTop =
            cell.bottom - std::max(g_.timesHeight, rows * rowHeight + g_.bottomGap);
        return ReportRect{content.left, stripTop, content.right, cell.bottom - g_.bottomGap};
    };
    const ReportRect strip = stripAt(3);
    std::vector<TimesPair> pairs =
        plan.lines <= 3 ? OneColumn(entries, strip) : TwoColumns(entries, strip);
    AboveTimes above = LayOutAbove(texts, content, top, strip.top);
    // Short names that do not fit even at the smallest font would end in "…": a day with room
    // to spare lists every time in a row of its own under its full name instead.
    if (plan.lines > 3 && !FitsAtTheFloor(pairs)) {
        const ReportRect tall = stripAt(static_cast<int>(entries.size()));
        std::vector<TimesPair> column = OneColumn(entries, tall);
        if (tall.top >= top && FitsAtTheFloor(column)) {
            AboveTimes roomier = LayOutAbove(texts, content, top, tall.top);
            if (roomier.whole()) {
                pairs = std::move(column);
                above = std::move(roomier);
            }
        }
    }
    if (!texts.portion.isEmpty()) {
        DrawFitted(surface_, texts.portion, above.portion, above.portionRect,
                   TextOption::WordWrap | ReadingSide(rtl_));
    }
    DrawFitted(surface_, texts.events, above.events, above.eventsRect,
               kEventOptions | ReadingSide(rtl_));
    DrawTimes(pairs);
}

// The weekday names, Sunday first from the reading side, each in its outlined box.
void DrawWeekdayRow(ReportSurface& surface, const MonthGeometry& g, Language names, bool rtl) {
    const TextTable weekdays = Vocabulary(names).weekdayNames;
    surface.setFont(g.heading);
    const std::int32_t top = g.inner.top + g.band;
    for (int column = 0; column < 7; ++column) {
        const ReportRect box = Column(g, column, top, top + g.band, rtl);
        surface.drawRectangle(box);
        DrawFittedText(surface, FromUtf16(weekdays[static_cast<std::size_t>(column)]), box,
                       TextOption::AlignHCenter | TextOption::AlignVCenter |
                           TextOption::SingleLine | Reading(rtl),
                       g.floor);
    }
}

}  // namespace

void DrawMonth(ReportSurface& surface, const ReportInputs& inputs, YearMonth month,
               const ReportRect& rect) {
    month = CalendarMonth(month);
    const bool rtl = inputs.language.rightToLeft;
    const Language names = inputs.language.names;
    const FontScope pageFont(surface);
    const MonthGeometry g = Measure(surface, rect);
    DrawPageHead(surface, rect, g.title, g.heading, inputs.language);

    const ReportRect titleBox{g.inner.left, g.inner.top, g.inner.right, g.inner.top + g.band};
    surface.setFont(g.heading);
    const QString datePart = QStringLiteral(" - ") + MonthTitleText(month.month, month.year, names);
    DrawTitleBand(surface, ReportTitleLine(inputs.language.texts.monthlyTitle, datePart, inputs),
                  titleBox, rtl);
    const PenScope framePen(surface, 1, ReportBrush::Hollow);
    surface.drawRectangle(titleBox);
    DrawWeekdayRow(surface, g, names, rtl);

    surface.setFont(g.text);
    MonthPainter painter(surface, inputs, g);
    const int length = HebrewMonthLength(month.year, month.month);
    MonthDay day;
    day.hebrew = {1, static_cast<std::uint8_t>(month.month), month.year};
    day.civil = HebrewToCivil(day.hebrew);
    const DayNumber first = HebrewToDayNumber(day.hebrew);
    const std::vector<QStringList> personal =
        PersonalNamesByDay(inputs.personalDates, inputs.personalAdar, first, first + length - 1);
    int dayOfMonth = 1;
    for (int row = 0; row < 6 && dayOfMonth <= length; ++row) {
        const std::int32_t top = g.gridTop + row * g.rowHeight;
        for (int column = 0; column < 7; ++column) {
            const ReportRect cell = Column(g, column, top, top + g.rowHeight, rtl);
            surface.drawRectangle(cell);
            day.weekday = DayNumberWeekday(HebrewToDayNumber(day.hebrew));
            if (dayOfMonth <= length && day.weekday == column + 1) {
                day.personal = personal[static_cast<std::size_t>(dayOfMonth - 1)];
                painter.DrawDay(day, cell);
                day.hebrew = NextHebrewDay(day.hebrew);
                day.civil = NextCivilDay(day.civil);
                ++dayOfMonth;
            }
        }
    }

    surface.setFont(g.portion);
    ReportRect remark = rect;
    remark.bottom -= g.ref / 50;
    DrawRemarkLine(surface, remark, inputs.language);
}

}  // namespace plx
