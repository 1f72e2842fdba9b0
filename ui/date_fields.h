// One date's entry fields in the main window: the day, the month box and the year, with the
// spinners that step the day, the year and ten years. The window shows two of them, one for the
// Hebrew date and one for the civil date.
//
// The group only reports what the user does in it; the window decides what date that makes and
// writes the fields back.
#pragma once

#include <QGroupBox>

class QComboBox;
class QLineEdit;

namespace plx {

class UpDownControl;

class DateFields : public QGroupBox {
    Q_OBJECT

public:
    enum class Calendar { Hebrew, Civil };
    Q_ENUM(Calendar)
    // What a spinner (or Up and Down in a field) steps.
    enum class Step { Day, Year, Decade };
    Q_ENUM(Step)
    // The two fields a date is typed into; the month has its box.
    enum class Part { Day, Year };
    Q_ENUM(Part)

    // `hebrewLayout` chooses the texts of the window's layout, not the calendar.
    DateFields(Calendar calendar, bool hebrewLayout, QWidget* parent);

    Calendar calendar() const { return calendar_; }
    QLineEdit* field(Part part) const { return part == Part::Day ? day_ : year_; }
    QLineEdit* dayField() const { return day_; }
    QComboBox* monthBox() const { return month_; }
    QLineEdit* yearField() const { return year_; }
    UpDownControl* daySpinner() const { return daySpinner_; }
    UpDownControl* yearSpinner() const { return yearSpinner_; }
    UpDownControl* decadeSpinner() const { return decadeSpinner_; }

signals:
    // Text typed into the day or the year field.
    void fieldEdited(plx::DateFields::Part part);
    // An entry chosen from the month box's list, or text typed into its edit part.
    void monthChosen(int index);
    void monthTyped();
    // A spinner's arrow, or Up (+1) and Down (-1) in the day or year field.
    void stepped(plx::DateFields::Step step, int direction);
    // Focus left a field or the month box, or Enter was pressed in one: time to show the
    // selected date again in place of text that named none.
    void fieldLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Calendar calendar_;
    QLineEdit* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QLineEdit* year_ = nullptr;
    UpDownControl* daySpinner_ = nullptr;
    UpDownControl* yearSpinner_ = nullptr;
    UpDownControl* decadeSpinner_ = nullptr;
};

}  // namespace plx
