#include "ui/dialogs/details_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

#include "app/language.h"
#include "ui/dialogs/small_dialog.h"
#include "ui/layout_text.h"

namespace plx {
namespace {

constexpr LayoutText kTitle{u"הסבר", u"Explanation"};
constexpr LayoutText kOk{u"אישור", u"OK"};

// Top to bottom; the last statement stands centred.
constexpr std::array<LayoutText, 10> kStatements{{
    {u"לוח שנה זה פועל על פי כל כללי הלוח העברי, הלוח היוליאני והלוח הגרגוריאני. "
     u"הלוח הגרגוריאני הונהג בשנת 1582 בידי האפיפיור גרגוריוס ה־13: הושמטו עשרה ימים, "
     u"כדי להחזיר את נקודת השוויון האביבית ל־21 במרץ, ונקבע כלל חדש לשנים המעוברות.",
     u"This calendar follows all the rules of the Hebrew calendar and of the Julian and Gregorian "
     u"calendars. The Gregorian calendar was introduced by Pope Gregory XIII in 1582: ten days "
     u"were "
     u"dropped to bring the spring equinox back to 21 March, and the rule of leap years was "
     u"changed."},
    {u"הלוח היוליאני מסתיים ב־04/10/1582, והלוח הגרגוריאני מתחיל ב־15/10/1582.",
     u"The Julian calendar ends on 04/10/1582, and the Gregorian calendar starts on 15/10/1582."},
    {u"הזמנים ההלכתיים מחושבים באופן אסטרונומי (!) ובדיוק רב,\n"
     u"תוך התחשבות בתופעת שבירת אור השמש באטמוספרה (רפרקציה).",
     u"The Hebrew Halachic times are calculated astronomically (!), most accurate,\n"
     u"and are taking into account the sun's refraction phenomena."},
    {u"לערים בישראל משמש ממוצע השבירה של ישראל, ולמקומות מחוץ לישראל - ממוצע השבירה העולמי.",
     u"For cities in Israel, Israel's refraction average is used, and for outside israel - the "
     u"world's refraction average is used."},
    {u"מלבד השבירה, אין בחישובים האסטרונומיים שימוש ב'ממוצעים'.\n"
     u"כל החישובים מדויקים ככל האפשר, ונעשים על פי הנוסחאות האסטרונומיות.",
     u"Except the refraction, there's no use of 'averages' for the astronomical calculations.\n"
     u"All of the calculations are the most accurate, and using the astronomical formulas."},
    {u"(השבירה היא ממוצע, משום שהיא תלויה במזג האוויר, בצפיפות האטמוספרה ובגורמים נוספים)",
     u"(The refraction is an average, because it depends on the weather, atmosphere density and "
     u"more variables)"},
    {u"ברוב לוחות השנה המקובלים כיום אין התחשבות בגובה המקום, וכל החישובים נעשים, כמקובל, "
     u"לגובה פני הים.",
     u"In most of the common calendars today, there's no consideration of the elevation (height) "
     u"of "
     u"the location, and all of the calculations are traditionally made for the sea-level."},
    {u"אולם בלוח זה ניתן לבחור להתחשב בגובה המקום, אך אין זו ברירת המחדל. (חלון 'הגדרות')",
     u"However, in this calendar you CAN choose to consider the height of the location, but it is "
     u"not the default. ('Settings' window)"},
    {u"רוב השיטות והמנהגים, ואף יותר מכך, מובאים בלוח זה.\n"
     u"בשל מורכבות כללי הזמנים ההלכתיים,\n"
     u"יש להיוועץ ברבנות המקומית המוסמכת לפני כל שינוי בהגדרות הלוח.",
     u"Most of the conventions and more than that, are brought to you by this calendar.\n"
     u"Because of the complexity of all the rules of the times of Halacha,\n"
     u"One must consult the local authorized Rabbinated before applying any changes to the "
     u"calendar."},
    {u"כל שאלה וספק יש לברר עם הרבנות המקומית המוסמכת.",
     u"Any questions and doubts must be clarified with the local authorized Rabbinate."},
}};

constexpr int kTextWidth = 560;

}  // namespace

CPLXDetails::CPLXDetails(QWidget* parent) : CPLXDetails(ActiveLanguage().rightToLeft, parent) {}

CPLXDetails::CPLXDetails(bool hebrewLayout, QWidget* parent) : CSKDialog(parent) {
    PrepareSmallDialog(*this, hebrewLayout, LayoutString(kTitle, hebrewLayout));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kSmallDialogMargins);
    column->setSpacing(9);
    for (std::size_t i = 0; i < kStatements.size(); ++i) {
        auto* statement = new QLabel(LayoutString(kStatements[i], hebrewLayout), this);
        statement->setTextFormat(Qt::PlainText);
        statement->setWordWrap(true);
        statement->setFixedWidth(kTextWidth);
        const bool last = i + 1 == kStatements.size();
        statement->setAlignment(last ? Qt::AlignHCenter : Qt::AlignLeading);
        if (last) {
            QFont bold = statement->font();
            bold.setBold(true);
            statement->setFont(bold);
        }
        column->addWidget(statement);
    }
    ok_ = new QPushButton(LayoutString(kOk, hebrewLayout), this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    column->addLayout(ButtonRow({ok_}, ButtonRowPlacement::Centred));
    column->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace plx
