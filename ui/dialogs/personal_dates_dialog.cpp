#include "ui/dialogs/personal_dates_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/utf16.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/personal_date_dialog.h"
#include "ui/dialogs/small_dialog.h"
#include "ui/personal_texts.h"

namespace plx {
namespace {

constexpr AdarChoice kAdarChoices[] = {AdarChoice::AdarI, AdarChoice::AdarII, AdarChoice::Both};
constexpr const char16_t* kAdarKeys[] = {u"ADAR_FIRST", u"ADAR_SECOND", u"ADAR_BOTH"};
constexpr const char16_t* kColumnKeys[] = {u"NAME", u"KIND", u"DATE", u"NEXT_HEBREW",
                                           u"NEXT_CIVIL"};
constexpr int kRowsWidth = 640;
constexpr int kRowsHeight = 260;

int AdarIndex(AdarChoice choice) {
    return static_cast<int>(choice) - 1;
}

}  // namespace

CPLXPersonalDatesDlg::CPLXPersonalDatesDlg(PersonalList list, CalendarDate today,
                                           CalendarDate selected, EditHandler handler,
                                           bool hebrewLayout, QWidget* parent)
    : CSKDialog(parent),
      list_(std::move(list)),
      today_(today),
      selected_(selected),
      handler_(std::move(handler)),
      hebrewLayout_(hebrewLayout),
      names_(hebrewLayout ? Language::kHebrew : Language::kEnglish) {
    PrepareSmallDialog(*this, hebrewLayout, PersonalText(u"TITLE"));

    rows_ = new QTreeWidget(this);
    rows_->setColumnCount(kColumns);
    QStringList heads;
    for (const char16_t* key : kColumnKeys)
        heads << PersonalText(key);
    rows_->setHeaderLabels(heads);
    rows_->setRootIsDecorated(false);
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    rows_->setAllColumnsShowFocus(true);
    rows_->setMinimumSize(kRowsWidth, kRowsHeight);
    rows_->header()->setStretchLastSection(false);

    add_ = new QPushButton(PersonalText(u"ADD"), this);
    edit_ = new QPushButton(PersonalText(u"EDIT"), this);
    delete_ = new QPushButton(PersonalText(u"DELETE"), this);
    close_ = new QPushButton(PersonalText(u"CLOSE"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add_, edit_, delete_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* adarRow = new QHBoxLayout;
    adarRow->addWidget(new QLabel(PersonalText(u"ADAR"), this));
    auto* adarGroup = new QButtonGroup(this);
    for (AdarChoice choice : kAdarChoices) {
        auto* button = new QRadioButton(PersonalText(kAdarKeys[AdarIndex(choice)]), this);
        adar_[static_cast<std::size_t>(AdarIndex(choice))] = button;
        adarGroup->addButton(button);
        adarRow->addWidget(button);
    }
    adarRow->addStretch();
    AdarButton(list_.adar)->setChecked(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kSmallDialogMargins);
    column->addWidget(rows_);
    column->addLayout(buttons);
    column->addLayout(adarRow);
    column->setSizeConstraint(QLayout::SetFixedSize);

    ShowRows(std::nullopt);
    OnSelectionChanged();
    connect(rows_, &QTreeWidget::itemSelectionChanged, this, [this] { OnSelectionChanged(); });
    connect(rows_, &QTreeWidget::itemDoubleClicked, this, [this] { OnEdit(); });
    connect(add_, &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(edit_, &QPushButton::clicked, this, [this] { OnEdit(); });
    connect(delete_, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    for (AdarChoice choice : kAdarChoices) {
        connect(AdarButton(choice), &QRadioButton::clicked, this,
                [this, choice] { OnAdarChosen(choice); });
    }
}

QRadioButton* CPLXPersonalDatesDlg::AdarButton(AdarChoice choice) const {
    return adar_[static_cast<std::size_t>(AdarIndex(choice))];
}

void CPLXPersonalDatesDlg::ShowRows(std::optional<int> selectKey) {
    const QSignalBlocker quiet(rows_);
    rows_->clear();
    const DayNumber from = CivilToDayNumber(today_);
    for (const PersonalDate& date : list_.dates) {
        auto* row = new QTreeWidgetItem(rows_);
        row->setText(kName, FromUtf16(date.name));
        row->setText(kKind, PersonalKindText(date.kind));
        row->setText(kDate, EnteredDateText(date, names_));
        if (const auto next = NextPersonalObservance(date, list_.adar, from)) {
            row->setText(kNextHebrew, HebrewDayText(DayNumberToHebrew(*next), names_));
            row->setText(kNextCivil, CivilDayText(DayNumberToCivil(*next), names_));
        }
        row->setData(kName, Qt::UserRole, date.key);
        if (selectKey == date.key)
            rows_->setCurrentItem(row);
    }
    for (int column = 0; column < kColumns; ++column)
        rows_->resizeColumnToContents(column);
    OnSelectionChanged();
}

std::optional<int> CPLXPersonalDatesDlg::SelectedKey() const {
    const QList<QTreeWidgetItem*> selected = rows_->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.front()->data(kName, Qt::UserRole).toInt();
}

const PersonalDate* CPLXPersonalDatesDlg::SelectedDate() const {
    const std::optional<int> key = SelectedKey();
    for (const PersonalDate& date : list_.dates) {
        if (key == date.key)
            return &date;
    }
    return nullptr;
}

void CPLXPersonalDatesDlg::OnSelectionChanged() {
    const bool chosen = SelectedKey().has_value();
    edit_->setEnabled(chosen);
    delete_->setEnabled(chosen);
}

void CPLXPersonalDatesDlg::Keep(const PersonalEdit& edit) {
    std::optional<PersonalList> kept = handler_ ? handler_(edit) : std::nullopt;
    if (!kept) {
        // Not stored: the rows and the Adar choice show what the list still is.
        AdarButton(list_.adar)->setChecked(true);
        return;
    }
    const std::optional<int> select = kept->key ? kept->key : SelectedKey();
    list_ = std::move(*kept);
    AdarButton(list_.adar)->setChecked(true);
    ShowRows(select);
}

void CPLXPersonalDatesDlg::EditInEditor(const PersonalDate& date, PersonalEdit::Kind kind) {
    CPLXPersonalDateDlg dialog(date, hebrewLayout_, this);
    if (dialog.exec() == Accepted)
        Keep({kind, dialog.Entered(), list_.adar});
}

void CPLXPersonalDatesDlg::OnAdd() {
    PersonalDate fresh;
    fresh.date = CivilToHebrew(selected_);
    EditInEditor(fresh, PersonalEdit::Kind::Add);
}

void CPLXPersonalDatesDlg::OnEdit() {
    if (const PersonalDate* chosen = SelectedDate())
        EditInEditor(*chosen, PersonalEdit::Kind::Update);
}

void CPLXPersonalDatesDlg::OnDelete() {
    const PersonalDate* chosen = SelectedDate();
    if (!chosen)
        return;
    const QString question =
        PersonalText(u"DELETE_PROMPT").replace(QStringLiteral("%s"), FromUtf16(chosen->name));
    if (CMessageBoxDlg(hebrewLayout_, this).Show(question, QString(), MessageBoxButtons::YesNo) !=
        MessageBoxAnswer::Yes)
        return;
    Keep({PersonalEdit::Kind::Remove, *chosen, list_.adar});
}

void CPLXPersonalDatesDlg::OnAdarChosen(AdarChoice choice) {
    if (choice == list_.adar)
        return;
    Keep({PersonalEdit::Kind::Adar, {}, choice});
}

}  // namespace plx
