#include "reports/report_inputs.h"

#include "app/language.h"
#include "app/utf16.h"

namespace plx {

ReportLanguage ActiveReportLanguage() {
    const LanguageTable& language = ActiveLanguage();
    return {language.rightToLeft, LanguageOfCode(ToUtf16(language.code))};
}

}  // namespace plx
