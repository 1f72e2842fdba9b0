#include "ui/dialogs/message_box.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/language.h"
#include "ui/dialogs/small_dialog.h"
#include "ui/layout_text.h"

namespace plx {
namespace {

MessageBoxAnswerer& Answerer() {
    static MessageBoxAnswerer answerer;
    return answerer;
}

struct ButtonText {
    MessageBoxAnswer answer;
    LayoutText text;
};

// In the order of buttons_.
constexpr std::array<ButtonText, 4> kButtons{{
    {MessageBoxAnswer::Ok, {u"&אישור", u"Ok"}},
    {MessageBoxAnswer::Yes, {u"&כן", u"&Yes"}},
    {MessageBoxAnswer::No, {u"&לא", u"&No"}},
    {MessageBoxAnswer::Cancel, {u"ביטול", u"Cancel"}},
}};

// The borders of the skinned frame around the box; the box's size is worked out with them.
constexpr int kFrameLeft = 11;
constexpr int kFrameTop = 38;
constexpr int kFrameRight = 11;
constexpr int kFrameBottom = 12;
constexpr QSize kButtonSize(75, 23);

std::vector<MessageBoxAnswer> AnswersOf(MessageBoxButtons buttons) {
    switch (buttons) {
        case MessageBoxButtons::Ok:
            return {MessageBoxAnswer::Ok};
        case MessageBoxButtons::YesNoCancel:
            return {MessageBoxAnswer::Yes, MessageBoxAnswer::No, MessageBoxAnswer::Cancel};
        case MessageBoxButtons::YesNo:
            break;
    }
    return {MessageBoxAnswer::Yes, MessageBoxAnswer::No};
}

// What Escape and the close box answer.
MessageBoxAnswer EscapeAnswer(MessageBoxButtons buttons) {
    return buttons == MessageBoxButtons::YesNo ? MessageBoxAnswer::No : MessageBoxAnswer::Cancel;
}

}  // namespace

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) {
    Answerer() = std::move(answerer);
}

CMessageBoxDlg::CMessageBoxDlg(QWidget* parent)
    : CMessageBoxDlg(ActiveLanguage().rightToLeft, parent) {}

CMessageBoxDlg::CMessageBoxDlg(bool hebrewLayout, QWidget* parent) : CSKDialog(parent) {
    PrepareSmallDialog(*this, hebrewLayout, QString());
    message_ = new QLabel(this);
    message_->setTextFormat(Qt::PlainText);
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        auto* button = new QPushButton(LayoutString(kButtons[i].text, hebrewLayout), this);
        button->setFixedSize(kButtonSize);
        button->hide();
        const MessageBoxAnswer answer = kButtons[i].answer;
        connect(button, &QPushButton::clicked, this, [this, answer] { Answer(answer); });
        buttons_[i] = button;
    }
}

QPushButton* CMessageBoxDlg::Button(MessageBoxAnswer answer) const {
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        if (kButtons[i].answer == answer)
            return buttons_[i];
    }
    return nullptr;
}

void CMessageBoxDlg::Prepare(const QString& message, const QString& caption,
                             MessageBoxButtons buttons) {
    offered_ = buttons;
    answer_ = EscapeAnswer(buttons);
    SetSkin(caption.isEmpty() ? kMainWindowSkin : kDialogSkin);
    setWindowTitle(caption);

    // Lines break only where the message breaks them.
    const QSize text = message_->fontMetrics()
                           .boundingRect(QRect(0, 0, 100000, 100000), Qt::TextExpandTabs, message)
                           .size();
    message_->setText(message);

    const std::vector<MessageBoxAnswer> answers = AnswersOf(buttons);
    const int n = static_cast<int>(answers.size());
    const int bw = kButtonSize.width();
    const int bh = kButtonSize.height();
    const int width = std::max(kFrameLeft + text.width() + kFrameRight + 10, n * (bw + 2) + 28);
    const int height = kFrameTop + 15 + bh + text.height() + kFrameBottom;
    const QSize client(width - kFrameLeft - kFrameRight, height - kFrameTop - kFrameBottom);
    SetFixedClientSize(client);
    const QRect area = ClientRect();
    auto place = [&](QWidget* w, QRect r) {
        w->setGeometry(QStyle::visualRect(layoutDirection(), area, r.translated(area.topLeft())));
    };
    place(message_, QRect(QPoint(5, 5), text));

    for (QPushButton* button : buttons_)
        button->hide();
    const int e = (n - 1) & ~1;
    int x = area.width() / 2 - static_cast<int>(std::trunc(bw * n * 0.5)) - e;
    const int y = area.height() - 5 - bh;
    for (const MessageBoxAnswer answer : answers) {
        QPushButton* button = Button(answer);
        place(button, QRect(x, y, bw, bh));
        button->show();
        x += bw + 2;
    }
    Button(answers.front())->setDefault(true);
    if (const QScreen* where = screen())
        move(where->availableGeometry().center() - rect().center());
}

MessageBoxAnswer CMessageBoxDlg::Show(const QString& message, const QString& caption,
                                      MessageBoxButtons buttons) {
    if (Answerer())
        return Answerer()(message, caption, buttons);
    Prepare(message, caption, buttons);
    exec();
    return answer_;
}

void CMessageBoxDlg::Answer(MessageBoxAnswer answer) {
    answer_ = answer;
    const bool agreed = answer == MessageBoxAnswer::Ok || answer == MessageBoxAnswer::Yes;
    done(agreed ? Accepted : Rejected);
}

void CMessageBoxDlg::reject() {
    Answer(EscapeAnswer(offered_));
}

void ShowErrorMessage(QWidget* parent, const QString& message) {
    if (Answerer()) {
        Answerer()(message, QString(), MessageBoxButtons::Ok);
        return;
    }
    QMessageBox::critical(parent, QString(), message);
}

}  // namespace plx
