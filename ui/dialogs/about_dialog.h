// The About box, which is also the welcome screen at start.
#pragma once

#include <QString>

#include "ui/toolkit/skinned_dialog.h"

class QCheckBox;
class QLabel;

namespace plx {

class LinkButton;
class SettingsStore;

// The addresses the About box offers; an empty one is not offered. The e-mail button opens
// "mailto:" + the address.
struct ContactAddresses {
    QString mail;
    QString web;
};

// The addresses the build was given (PLX_SUPPORT_EMAIL and PLX_WEB_ADDRESS); none by default.
ContactAddresses BuiltContactAddresses();

class CAboutDlg : public CSKDialog {
public:
    // Opened by the About command, or as the welcome screen when the program starts: only the
    // title differs.
    enum class Purpose { About, Welcome };

    // The Hebrew layout when the active language reads right to left. The start-up check box
    // reads and writes "ShowWelcome" in `store`.
    explicit CAboutDlg(SettingsStore& store, QWidget* parent = nullptr,
                       Purpose purpose = Purpose::About);
    CAboutDlg(SettingsStore& store, bool hebrewLayout, QWidget* parent,
              Purpose purpose = Purpose::About,
              const ContactAddresses& addresses = BuiltContactAddresses());

    QCheckBox* StartupCheckBox() const { return showAtStartup_; }
    QLabel* ContactLabel() const { return contact_; }
    LinkButton* MailButton() const { return mail_; }
    LinkButton* WebButton() const { return web_; }
    QLabel* VersionLabel() const { return version_; }

protected:
    // A click anywhere on the background closes the box.
    void mousePressEvent(QMouseEvent* event) override;

private:
    SettingsStore& store_;
    QCheckBox* showAtStartup_ = nullptr;
    QLabel* contact_ = nullptr;
    LinkButton* mail_ = nullptr;
    LinkButton* web_ = nullptr;
    QLabel* version_ = nullptr;
};

// "ShowWelcome" (default 1): whether the About box opens when the main window opens.
bool ShowWelcomeAtStart(const SettingsStore& store);

}  // namespace plx
