#include "ui/dialogs/about_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

#include "app/language.h"
#include "app/settings_store.h"
#include "ui/dialogs/small_dialog.h"
#include "ui/layout_text.h"
#include "ui/settings_writes.h"
#include "ui/toolkit/link_button.h"
#include "ui/toolkit/painting.h"

namespace plx {
namespace {

constexpr std::u16string_view kShowWelcome = u"ShowWelcome";

constexpr LayoutText kTitle{u"אודות...", u"About..."};
constexpr LayoutText kWelcome{u"ברוכים הבאים\nללוח השנה העברי plx",
                              u"Welcome to\nthe plx Hebrew Calendar"};
constexpr LayoutText kDeveloper{u"פותח בידי צוות המפתחים של plx", u"Developed by the plx team"};
constexpr LayoutText kContact{u"ליצירת קשר:", u"Contact us at:"};
constexpr LayoutText kShowOnStartup{u"הצג מסך זה בעת כניסה לתוכנה",
                                    u"Show this screen on program startup"};
constexpr LayoutText kVersion{u"גרסה %1", u"Version %1"};

QLabel* FontStatic(const QString& text, int pixelHeight, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font(kFontFamily);
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Black);
    font.setStyleStrategy(QFont::PreferAntialias);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: black;"));
    return label;
}

QLabel* ProgramIcon(QWidget* parent) {
    auto* icon = new QLabel(parent);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setFixedSize(32, 32);
    return icon;
}

}  // namespace

ContactAddresses BuiltContactAddresses() {
    return {QStringLiteral(PLX_SUPPORT_EMAIL), QStringLiteral(PLX_WEB_ADDRESS)};
}

bool ShowWelcomeAtStart(const SettingsStore& store) {
    return store.ReadInteger(kSettingsSection, kShowWelcome, 1) != 0;
}

CAboutDlg::CAboutDlg(SettingsStore& store, QWidget* parent, Purpose purpose)
    : CAboutDlg(store, ActiveLanguage().rightToLeft, parent, purpose) {}

CAboutDlg::CAboutDlg(SettingsStore& store, bool hebrewLayout, QWidget* parent, Purpose purpose,
                     const ContactAddresses& addresses)
    : CSKDialog(parent), store_(store) {
    PrepareSmallDialog(*this, hebrewLayout,
                       purpose == Purpose::Welcome ? LookupString(u"Plx", u"WELCOME_TITLE")
                                                   : LayoutString(kTitle, hebrewLayout));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 14, 16, 12);
    grid->setVerticalSpacing(14);
    grid->addWidget(ProgramIcon(this), 0, 0, Qt::AlignTop);
    grid->addWidget(FontStatic(LayoutString(kWelcome, hebrewLayout), 18, this), 0, 1, 1, 2);
    grid->addWidget(ProgramIcon(this), 0, 3, Qt::AlignTop);
    grid->addWidget(FontStatic(LayoutString(kDeveloper, hebrewLayout), 14, this), 1, 0, 1, 4);

    auto* contact = new QHBoxLayout;
    contact->setSpacing(14);
    contact->addStretch();
    contact_ = FontStatic(LayoutString(kContact, hebrewLayout), 14, this);
    contact->addWidget(contact_);
    mail_ = new LinkButton(LeftToRightRun(addresses.mail), this);
    web_ = new LinkButton(LeftToRightRun(addresses.web), this);
    contact->addWidget(mail_);
    contact->addWidget(web_);
    // Only the addresses the build was given; without any, no invitation to write.
    mail_->setVisible(!addresses.mail.isEmpty());
    web_->setVisible(!addresses.web.isEmpty());
    contact_->setVisible(!addresses.mail.isEmpty() || !addresses.web.isEmpty());
    contact->addStretch();
    grid->addLayout(contact, 2, 0, 1, 4);

    showAtStartup_ = new QCheckBox(LayoutString(kShowOnStartup, hebrewLayout), this);
    showAtStartup_->setChecked(ShowWelcomeAtStart(store_));
    version_ = new QLabel(
        LayoutString(kVersion, hebrewLayout).arg(QApplication::applicationVersion()), this);
    grid->addWidget(showAtStartup_, 3, 0, 1, 2);
    grid->addWidget(version_, 3, 2, 1, 2, Qt::AlignTrailing | Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(mail_, &QPushButton::clicked, this, [mail = addresses.mail] {
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + mail));
    });
    connect(web_, &QPushButton::clicked, this,
            [web = addresses.web] { QDesktopServices::openUrl(QUrl(web)); });
    connect(showAtStartup_, &QCheckBox::clicked, this, [this](bool checked) {
        KeepInStore(this, store_, [checked](SettingsStore& store) {
            store.WriteInteger(kSettingsSection, kShowWelcome, checked ? 1 : 0);
        });
    });
}

void CAboutDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        accept();
        return;
    }
    CSKDialog::mousePressEvent(event);
}

}  // namespace plx
