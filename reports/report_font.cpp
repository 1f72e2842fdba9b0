#include "reports/report_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

namespace plx {

void PinTahomaFont() {
    if (QFontDatabase::hasFamily(kFontFamily) || !QFont::substitutes(kFontFamily).isEmpty())
        return;
    const QString preferred = QStringLiteral("DejaVu Sans");
    if (QFontDatabase::hasFamily(preferred)) {
        QFont::insertSubstitution(kFontFamily, preferred);
        return;
    }
    const QStringList hebrew = QFontDatabase::families(QFontDatabase::Hebrew);
    if (!hebrew.isEmpty())
        QFont::insertSubstitution(kFontFamily, hebrew.first());
}

QFont ReportQFont(const ReportFont& font) {
    QFont qfont(kFontFamily);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setStyleStrategy(QFont::PreferAntialias);
    qfont.setWeight(font.weight);
    // The faces that stand in for Tahoma run about an eighth wider; narrowed, the texts fit the
    // columns a report was laid out for.
    static const bool standIn = QFontInfo(qfont).family() != qfont.family();
    if (standIn)
        qfont.setStretch(88);
    const int height = std::max(1, font.height);
    qfont.setPixelSize(height);
    // A pixel size is the em; the cell height is the whole line, so scale the em down.
    const qreal line = QFontMetricsF(qfont).height();
    if (line > 0)
        qfont.setPixelSize(std::max(1, qRound(height * height / line)));
    return qfont;
}

}  // namespace plx
