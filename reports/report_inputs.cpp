#include "reports/report_inputs.h"

#include "app/language.h"
#include "app/utf16.h"

namespace plx {

ReportLanguage ReportLanguageOf(const LanguageTable& table) {
    const LanguageSection global = FindSection(table, u"Global");
    const LanguageSection plx = FindSection(table, u"Plx");
    const auto text = [&plx](QStringView key) { return LookupString(plx, key); };
    ReportTexts texts;
    texts.cornerMark = LookupString(global, u"BASAD");
    texts.programTitle = text(u"PLX");
    texts.remark = text(u"CALRIFY_DOUBTS");
    texts.daylightSaving = text(u"REPORT_DSC");
    texts.standardTime = text(u"REPORT_NODSC");
    texts.automaticDaylightSaving = text(u"REPORT_AUTODSC");
    texts.preciseSun = text(u"REPORT_PRECISE");
    texts.dailyTitle = text(u"TIMETABLE_DAILY");
    texts.weeklyTitle = text(u"TIMETABLE_WEEKLY");
    texts.monthlyTitle = text(u"TIMETABLE_MONTHLY");
    texts.yearlyTitle = text(u"TIMETABLE_YEARLY");
    texts.sunsetTimetableTitle = text(u"SUNSET_TIMETABLE");
    texts.sunriseTimetableTitle = text(u"SUNRISE_TIMETABLE");
    texts.dawnTimetableTitle = text(u"BOD_TIMETABLE");
    texts.dawnFixedMinutes = text(u"BOD_FIXED");
    texts.dawnProportionalMinutes = text(u"BOD_PROPORTIONAL");
    texts.dawnDegrees = text(u"BOD_DEGREES");
    texts.dafYomi = text(u"DAF_YOMI");
    texts.day = text(u"DAY");
    texts.mevarchim = text(u"MEVARCHIM");
    texts.yearlyColumns = {text(u"YEARLY_COL1"), LookupString(global, u"PARASHA"),
                           text(u"CAND"),        text(u"YEARLY_COL4"),
                           text(u"MOTZ"),        text(u"YEARLY_COL6")};
    return {table.rightToLeft, LanguageOfCode(ToUtf16(table.code)), std::move(texts)};
}

}  // namespace plx
