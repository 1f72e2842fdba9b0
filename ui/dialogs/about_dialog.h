// The About box, which is also the welcome screen at start.
#pragma once

#include "ui/toolkit/skinned_dialog.h"

class QCheckBox;
class QLabel;

namespace plx {

class LinkButton;
class SettingsStore;

// The addresses the About box offers; the e-mail button opens "mailto:" + the address.
// They stay on a reserved domain until the project has addresses of its own, so that no user's
// mail ever reaches a domain someone else may own.
inline constexpr char16_t kSupportAddress[] = u"support@plx.example.org";
inline constexpr char16_t kWebAddress[] = u"https://plx.example.org";

class CAboutDlg : public CSKDialog {
public:
    // The Hebrew layout when the active language reads right to left. The start-up check box
    // reads and writes "ShowWelcome" in `store`.
    explicit CAboutDlg(SettingsStore& store, QWidget* parent = nullptr);
    CAboutDlg(SettingsStore& store, bool hebrewLayout, QWidget* parent);

    QCheckBox* StartupCheckBox() const { return showAtStartup_; }
    LinkButton* MailButton() const { return mail_; }
    LinkButton* WebButton() const { return web_; }
    QLabel* VersionLabel() const { return version_; }

protected:
    // A click anywhere on the background closes the box.
    void mousePressEvent(QMouseEvent* event) override;

private:
    SettingsStore& store_;
    QCheckBox* showAtStartup_ = nullptr;
    LinkButton* mail_ = nullptr;
    LinkButton* web_ = nullptr;
    QLabel* version_ = nullptr;
};

// "ShowWelcome" (default 1): whether the About box opens when the main window opens.
bool ShowWelcomeAtStart(const SettingsStore& store);

}  // namespace plx
