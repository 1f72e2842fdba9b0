// The language files shipped beside the program: every key the program looks up is there, with a
// text, in both languages.
#include "app/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>

namespace plx {
namespace {

struct LookedUpKey {
    const char16_t* section;
    const char16_t* key;
};

// Every (section, key) the windows, menus, reports and the print preview look up.
constexpr LookedUpKey kLookedUpKeys[] = {
    {u"Global", u"BASAD"},
    {u"Global", u"PARASHA"},
    {u"Global", u"DELETE_RECORD_PROMPT"},
    {u"Global", u"SETTINGS_NOT_SAVED"},
    {u"Global", u"TRY_AGAIN"},
    {u"Global", u"SETTINGS_KEPT_ASIDE"},
    {u"Plx", u"CALENDAR"},
    {u"Plx", u"TIMESEVENTS"},
    {u"Plx", u"GREG_CALENDAR"},
    {u"Plx", u"JULY_CALENDAR"},
    {u"Plx", u"HEBREW_CALENDAR"},
    {u"Plx", u"DAYLIGHT_SAVING_0"},
    {u"Plx", u"DAYLIGHT_SAVING_1"},
    {u"Plx", u"DAYLIGHT_SAVING_2"},
    {u"Plx", u"DAYLIGHT_SAVING_3"},
    {u"Plx", u"TIMEZONE"},
    {u"Plx", u"PLX"},
    {u"Plx", u"REPORT_DSC"},
    {u"Plx", u"REPORT_NODSC"},
    {u"Plx", u"CALRIFY_DOUBTS"},
    {u"Plx", u"TIMETABLE_DAILY"},
    {u"Plx", u"TIMETABLE_WEEKLY"},
    {u"Plx", u"DAF_YOMI"},
    {u"Plx", u"TIMETABLE_MONTHLY"},
    {u"Plx", u"TIMETABLE_YEARLY"},
    {u"Plx", u"YEARLY_COL1"},
    {u"Plx", u"CAND"},
    {u"Plx", u"YEARLY_COL4"},
    {u"Plx", u"MOTZ"},
    {u"Plx", u"YEARLY_COL6"},
    {u"Plx", u"MEVARCHIM"},
    {u"Plx", u"SUNSET_TIMETABLE"},
    {u"Plx", u"SUNRISE_TIMETABLE"},
    {u"Plx", u"BOD_TIMETABLE"},
    {u"Plx", u"BOD_FIXED"},
    {u"Plx", u"BOD_PROPORTIONAL"},
    {u"Plx", u"BOD_DEGREES"},
    {u"Plx", u"DAY"},
    {u"Plx", u"SUNDAY"},
    {u"Plx", u"MONDAY"},
    {u"Plx", u"TUESDAY"},
    {u"Plx", u"WEDNESDAY"},
    {u"Plx", u"THURSDAY"},
    {u"Plx", u"FRIDAY"},
    {u"Plx", u"SATURDAY"},
    {u"PrintPreview", u"PRINT_PREVIEW"},
    {u"PrintPreview", u"DO_PRINT"},
    {u"PrintPreview", u"NEXT_PAGE"},
    {u"PrintPreview", u"PREV_PAGE"},
    {u"PrintPreview", u"ONE_PAGE"},
    {u"PrintPreview", u"TWO_PAGES"},
    {u"PrintPreview", u"ZOOM_IN"},
    {u"PrintPreview", u"ZOOM_OUT"},
    {u"PrintPreview", u"CLOSE"},
    {u"PrintPreview", u"PAGES_DESC"},
    {u"PrintPreview", u"PRINT_LANDSCAPE"},
    {u"PrintPreview", u"PRINT_JOB_FAILED"},
    {u"PersonalDates", u"TITLE"},
    {u"PersonalDates", u"NAME"},
    {u"PersonalDates", u"KIND"},
    {u"PersonalDates", u"DATE"},
    {u"PersonalDates", u"NEXT_HEBREW"},
    {u"PersonalDates", u"NEXT_CIVIL"},
    {u"PersonalDates", u"ADD"},
    {u"PersonalDates", u"EDIT"},
    {u"PersonalDates", u"DELETE"},
    {u"PersonalDates", u"CLOSE"},
    {u"PersonalDates", u"BIRTHDAY"},
    {u"PersonalDates", u"YAHRZEIT"},
    {u"PersonalDates", u"ANNIVERSARY"},
    {u"PersonalDates", u"OTHER"},
    {u"PersonalDates", u"ADAR"},
    {u"PersonalDates", u"ADAR_FIRST"},
    {u"PersonalDates", u"ADAR_SECOND"},
    {u"PersonalDates", u"ADAR_BOTH"},
    {u"PersonalDates", u"AFTER_SUNSET_MARK"},
    {u"PersonalDates", u"DELETE_PROMPT"},
    {u"PersonalDates", u"EDIT_TITLE"},
    {u"PersonalDates", u"NAME_LABEL"},
    {u"PersonalDates", u"KIND_LABEL"},
    {u"PersonalDates", u"DATE_LABEL"},
    {u"PersonalDates", u"HEBREW_DATE"},
    {u"PersonalDates", u"CIVIL_DATE"},
    {u"PersonalDates", u"AFTER_SUNSET"},
    {u"PersonalDates", u"NOTE_LABEL"},
    {u"PersonalDates", u"OK"},
    {u"PersonalDates", u"CANCEL"},
    {u"PersonalDates", u"NO_NAME"},
    {u"PersonalDates", u"BAD_NAME"},
    {u"PersonalDates", u"BAD_DATE"},
    {u"PersonalDates", u"BAD_NOTE"},
};

// The program's folder is asked of the application object, which a test program lacks.
class ShippedLanguages : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QCoreApplication::instance()) {
            app_.emplace(argc_, argv_);
        }
    }

    static inline char name_[] = "plx_app_tests";
    static inline char* argv_[] = {name_, nullptr};
    int argc_ = 1;
    std::optional<QCoreApplication> app_;
};

TEST_F(ShippedLanguages, ExeRelativePathIsBesideTheProgram) {
    const QString folder = QCoreApplication::applicationDirPath();
    EXPECT_EQ(ExeRelativePath(u"Languages"), folder + "/Languages");
    EXPECT_EQ(ExeRelativePath(u"Languages\\English.xml"), folder + "/Languages/English.xml");
}

TEST_F(ShippedLanguages, BothFilesAreListed) {
    const QList<LanguageInfo> languages = ListLanguageFiles();
    ASSERT_EQ(languages.size(), 2);
    EXPECT_EQ(languages[0].code, u"en");
    EXPECT_FALSE(languages[0].rightToLeft);
    EXPECT_EQ(languages[1].code, u"he");
    EXPECT_TRUE(languages[1].rightToLeft);
    EXPECT_EQ(languages[1].localizedName, u"עברית");
}

TEST_F(ShippedLanguages, EveryLookedUpKeyHasATextInBothLanguages) {
    for (const char16_t* file : {u"Languages\\Hebrew.xml", u"Languages\\English.xml"}) {
        ASSERT_TRUE(LoadLanguageFile(ExeRelativePath(file)));
        for (const LookedUpKey& k : kLookedUpKeys) {
            EXPECT_FALSE(LookupString(k.section, k.key).isEmpty())
                << QString::fromUtf16(file).toStdString() << ": "
                << QString::fromUtf16(k.section).toStdString() << "/"
                << QString::fromUtf16(k.key).toStdString();
        }
    }
}

TEST_F(ShippedLanguages, PageDescriptionKeepsItsLineBreaks) {
    ASSERT_TRUE(LoadLanguageFile(ExeRelativePath(u"Languages/English.xml")));
    EXPECT_EQ(LookupString(u"PrintPreview", u"PAGES_DESC"), u"Page %u\nPages %u-%u\n");
    EXPECT_EQ(ActiveLanguage().fileName, u"English.xml");
}

}  // namespace
}  // namespace plx
