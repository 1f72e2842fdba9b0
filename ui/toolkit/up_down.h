// A pair of small arrow buttons beside an entry field, stepping something up or down.
// Holding an arrow repeats the step.
#pragma once

#include <QWidget>

class QToolButton;

namespace plx {

class UpDownControl : public QWidget {
    Q_OBJECT

public:
    explicit UpDownControl(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    // +1 for the upper arrow, -1 for the lower one.
    void stepped(int direction);

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace plx
