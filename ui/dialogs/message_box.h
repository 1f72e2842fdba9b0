// The program's own message box, laid out in the interface language, sized to its message.
#pragma once

#include <QString>

#include <array>
#include <functional>

#include "ui/toolkit/skinned_dialog.h"

class QLabel;
class QPushButton;

namespace plx {

// The buttons a box offers.
enum class MessageBoxButtons { YesNo, Ok, YesNoCancel };
// The button the user chose.
enum class MessageBoxAnswer { Ok, Cancel, Yes, No };

// When set, every message box (and the error box below) is answered by this function instead of
// being shown, so that tests never wait on a modal window. An empty function restores the boxes.
using MessageBoxAnswerer = std::function<MessageBoxAnswer(
    const QString& message, const QString& caption, MessageBoxButtons buttons)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

class CMessageBoxDlg : public CSKDialog {
public:
    // The Hebrew layout when the active language reads right to left.
    explicit CMessageBoxDlg(QWidget* parent = nullptr);
    CMessageBoxDlg(bool hebrewLayout, QWidget* parent);

    // Runs the box and returns the answer. Escape and the close box answer No in a Yes/No box and
    // Cancel otherwise.
    MessageBoxAnswer Show(const QString& message, const QString& caption,
                          MessageBoxButtons buttons);

    // Lays the box out for a message without running it (Show does this first).
    void Prepare(const QString& message, const QString& caption, MessageBoxButtons buttons);

    QLabel* MessageLabel() const { return message_; }
    QPushButton* Button(MessageBoxAnswer answer) const;

protected:
    void reject() override;

private:
    void Answer(MessageBoxAnswer answer);

    QLabel* message_ = nullptr;
    std::array<QPushButton*, 4> buttons_{};  // in the order of the answers
    MessageBoxButtons offered_ = MessageBoxButtons::YesNo;
    MessageBoxAnswer answer_ = MessageBoxAnswer::No;
};

// The platform's error box with its icon and an OK button (or the answerer above, when set).
void ShowErrorMessage(QWidget* parent, const QString& message);

}  // namespace plx
