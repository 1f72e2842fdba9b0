// The times-and-events page of the main window: the day's and year's information beside the
// day's halachic times, both read-only. The main window writes both texts.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace plx {

class CPLXTimesEventsDlg : public QWidget {
public:
    // The English layout (information on the left, times on the right) for the code "en";
    // the Hebrew layout (information on the right, right-aligned) for every other code.
    CPLXTimesEventsDlg(const QString& languageCode, QWidget* parent);

    bool EnglishLayout() const { return englishLayout_; }

    // Lines are separated by "\n".
    void SetInformationText(const QString& text);
    void SetTimesText(const QString& text);

    QPlainTextEdit* InformationBox() const { return information_; }
    QPlainTextEdit* TimesBox() const { return times_; }

private:
    bool englishLayout_;
    QPlainTextEdit* information_ = nullptr;
    QPlainTextEdit* times_ = nullptr;
};

}  // namespace plx
