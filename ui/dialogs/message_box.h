// The program's own message box, laid out in the interface language, sized to its message.
#pragma once

#include <QString>

#include <array>
#include <functional>

#include "ui/toolkit/skinned_dialog.h"

class QLabel;
class QPushButton;

namespace plx {

enum MessageBoxKind : int { kMessageYesNo = 0, kMessageOk = 1, kMessageYesNoCancel = 2 };
enum MessageBoxAnswer : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

// When set, every message box (and the error box below) is answered by this function instead of
// being shown, so that tests never wait on a modal window. An empty function restores the boxes.
using MessageBoxAnswerer =
    std::function<int(const QString& message, const QString& caption, int kind)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

class CMessageBoxDlg : public CSKDialog {
public:
    // The Hebrew layout when the active language reads right to left.
    explicit CMessageBoxDlg(QWidget* parent = nullptr);
    CMessageBoxDlg(bool hebrewLayout, QWidget* parent);

    // Runs the box; returns the answer (MessageBoxAnswer). Escape and the close box answer No in
    // a Yes/No box and Cancel otherwise.
    int Show(const QString& message, const QString& caption, int kind);

    // Lays the box out for a message without running it (Show does this first).
    void Prepare(const QString& message, const QString& caption, int kind);

    QLabel* MessageLabel() const { return message_; }
    QPushButton* Button(int answer) const;

protected:
    void reject() override;

private:
    QLabel* message_ = nullptr;
    std::array<QPushButton*, 4> buttons_{};  // Ok, Yes, No, Cancel
    int kind_ = kMessageYesNo;
};

// The platform's error box with its icon and an OK button (or the answerer above, when set).
void ShowErrorMessage(QWidget* parent, const QString& message);

}  // namespace plx
