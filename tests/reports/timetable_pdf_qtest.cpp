// The timetables as printed: every cell of a timetable PDF, read back with pdftotext, holds the
// time the day's own times list gives (the list of the times page and of plxcal times).
#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <utility>

#include "astro/halachic_times.h"
#include "report_test_support.h"
#include "reports/main_report_source.h"
#include "reports/print_pages.h"
#include "reports/report_times.h"
#include "reports/timetables.h"
#include "year_test_support.h"

namespace plx {
namespace {

constexpr int kDpi = 600;  // the PDF writer's

struct Word {
    QRectF box;  // in points from the page's top left
    QString text;
};

// The words of the PDF's one page with their boxes.
std::vector<Word> ReadWords(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Word> words;
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({QRectF(topLeft, bottomRight), m.captured(5)});
    }
    return words;
}

// A cell's own row on the PDF page, in points: the text rectangle reaches down over the next row.
QRectF InPoints(const ReportRect& rect, const QPageLayout& layout) {
    const QPointF origin = layout.paintRect(QPageLayout::Point).topLeft();
    const double scale = 72.0 / kDpi;
    return QRectF(origin.x() + rect.left * scale, origin.y() + rect.top * scale,
                  rect.width() * scale, rect.height() * scale / 2);
}

QString ExpectedTime(CalendarDate hebrew, const ReportInputs& inputs, TimeKind kind) {
    for (const TimeEntry& entry :
         TimesOfDate(HebrewToCivil(hebrew), inputs, inputs.settings.times)) {
        if (entry.kind == kind)
            return QString::fromStdU16String(entry.text);
    }
    return {};
}

}  // namespace

class TimetablePdfTest : public QObject {
    Q_OBJECT

private slots:
    void everyCellReadsBackAsTheDaysTime_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("dst");
        QTest::newRow("English sunset, leap year")
            << "English.xml" << static_cast<int>(ReportKind::SunsetTimetable) << 5784 << 0;
        QTest::newRow("Hebrew dawn, common year")
            << "Hebrew.xml" << static_cast<int>(ReportKind::DawnTimetable) << 5785 << 0;
        QTest::newRow("English sunrise, daylight saving")
            << "English.xml" << static_cast<int>(ReportKind::SunriseTimetable) << 5786 << 1;
    }

    void everyCellReadsBackAsTheDaysTime() {
        QFETCH(QString, language);
        QFETCH(int, kind);
        QFETCH(int, year);
        QFETCH(int, dst);
        QVERIFY(testing::LoadProgramLanguage(qPrintable(language)));
        const auto report = static_cast<ReportKind>(kind);
        ReportInputs inputs =
            testing::YearInputs(testing::InHebrewYear(year), PrintOrientation::Landscape);
        inputs.settings.daylightOn = dst;
        inputs.settings.daylightHours = dst;
        const std::map<ReportKind, TimeKind> shown{
            {ReportKind::SunsetTimetable, TimeKind::kSunset},
            {ReportKind::SunriseTimetable, TimeKind::kSunrise},
            {ReportKind::DawnTimetable, TimeKind::kBreakOfDawn},
        };

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("timetable.pdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        MainReportSource source([inputs] { return inputs; });
        source.setKind(report);
        const QPageLayout layout = ReportPageLayout(QPageSize::A4, inputs.orientation);
        QVERIFY(WriteReportPdf(source, file, layout));
        file.close();
        std::vector<Word> times = ReadWords(path);
        static const QRegularExpression clock(QStringLiteral("^\\d\\d:\\d\\d$"));
        std::erase_if(times, [](const Word& word) { return !clock.match(word.text).hasMatch(); });

        // Where each cell lies, from the same page drawn on a recording surface.
        RecordingSurface recording(kDpi, kDpi);
        ReportPageInfo page;
        const QRect area = layout.paintRectPixels(kDpi);
        page.drawRect = {0, 0, area.width(), area.height()};
        const std::vector<TimetableCell> cells = ComputeTimetableCells(report, inputs);
        DrawTimetable(recording, page, inputs, report, cells);
        const std::vector<RecordedText> drawn = testing::TableCells(recording);
        const int months = IsHebrewLeapYear(year) ? 13 : 12;
        QCOMPARE(drawn.size(), static_cast<std::size_t>((months + 1) * 31));

        int filled = 0;
        for (const TimetableCell& cell : cells) {
            // Skip the head row and the day label of each row.
            const std::size_t index =
                static_cast<std::size_t>(cell.day * (months + 1) + cell.month);
            const QRectF box = InPoints(drawn[index].rect, layout);
            QStringList inside;
            for (const Word& word : times) {
                if (box.contains(word.box.center()))
                    inside += word.text;
            }
            const QString where = QStringLiteral("%1/%2").arg(cell.day).arg(cell.month);
            if (cell.day > HebrewMonthLength(year, cell.month)) {
                QVERIFY2(inside.isEmpty(), qPrintable(where));
                continue;
            }
            const QString expected =
                ExpectedTime({cell.day, cell.month, year}, inputs, shown.at(report));
            QVERIFY2(!expected.isEmpty(), qPrintable(where));
            QCOMPARE(inside, QStringList{expected});
            ++filled;
        }
        // Nothing else on the page reads as a time.
        QCOMPARE(static_cast<int>(times.size()), filled);
    }
};

}  // namespace plx

QTEST_MAIN(plx::TimetablePdfTest)
#include "timetable_pdf_qtest.moc"
