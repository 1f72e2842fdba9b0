#include "ui/dialogs/time_zones_dialog.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

#include "app/language.h"
#include "engine/language.h"
#include "ui/dialogs/location_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/small_dialog.h"
#include "ui/layout_text.h"

namespace plx {
namespace {

constexpr LayoutText kTitle{u"איזור זמן", u"Choose Time-Zone"};
constexpr LayoutText kAdd{u"הוסף", u"Add"};
constexpr LayoutText kDelete{u"מחק", u"Delete"};
constexpr LayoutText kUpdate{u"עדכן", u"Update"};
constexpr LayoutText kOk{u"אישור", u"Ok!"};
constexpr LayoutText kCancel{u"ביטול", u"Cancel"};

// The item value of a row: -1 for a built-in place, the id of one of the user's places.
constexpr int kBuiltInRow = -1;

int ItemValue(const QListWidgetItem* item) {
    return item ? item->data(Qt::UserRole).toInt() : kBuiltInRow;
}

}  // namespace

CPLXTimeZonesDlg::CPLXTimeZonesDlg(CustomLocationList& custom, LocationKey key, QWidget* parent)
    : CPLXTimeZonesDlg(custom, key, ActiveLanguage().code, ActiveLanguage().rightToLeft, parent) {}

CPLXTimeZonesDlg::CPLXTimeZonesDlg(CustomLocationList& custom, LocationKey key,
                                   const QString& languageCode, bool hebrewLayout, QWidget* parent)
    : CSKDialog(parent),
      custom_(custom),
      key_(key),
      languageCode_(languageCode),
      hebrewLayout_(hebrewLayout) {
    PrepareSmallDialog(*this, hebrewLayout, LayoutString(kTitle, hebrewLayout));

    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumSize(280, 260);
    add_ = new QPushButton(LayoutString(kAdd, hebrewLayout), this);
    delete_ = new QPushButton(LayoutString(kDelete, hebrewLayout), this);
    update_ = new QPushButton(LayoutString(kUpdate, hebrewLayout), this);
    const OkCancelButtons closing = MakeOkCancelButtons(*this, LayoutString(kOk, hebrewLayout),
                                                        LayoutString(kCancel, hebrewLayout));
    ok_ = closing.ok;
    cancel_ = closing.cancel;
    delete_->setEnabled(false);
    update_->setEnabled(false);

    // OK and Cancel stand under the outer buttons of the row above.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(kSmallDialogMargins);
    grid->addWidget(list_, 0, 0, 1, 3);
    grid->addWidget(add_, 1, 0);
    grid->addWidget(delete_, 1, 1);
    grid->addWidget(update_, 1, 2);
    grid->addWidget(ok_, 2, 0);
    grid->addWidget(cancel_, 2, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    for (LocationKey row = 0; row < kBuiltInLocationCount; ++row) {
        auto* item = new QListWidgetItem(RowText(BuiltInLocation(row), false), list_);
        item->setData(Qt::UserRole, kBuiltInRow);
    }
    if (key_ >= 0 && key_ < kBuiltInLocationCount)
        SelectRow(key_);
    for (const Location& place : custom_) {
        AppendCustomRow(place);
        if (key_ == CustomLocationKey(place.id))
            SelectRow(list_->count() - 1);
    }
    OnSelectionChanged();

    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { OnSelectionChanged(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    connect(add_, &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(delete_, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(update_, &QPushButton::clicked, this, [this] { OnUpdate(); });
}

// The built-in rows are in English only for "en" and the user's only in Hebrew for "he", so that
// under any other language the two kinds of rows show different names.
QString CPLXTimeZonesDlg::RowText(const Location& place, bool custom) const {
    const bool hebrew = custom ? languageCode_ == u"he" : languageCode_ != u"en";
    return QString::fromStdU16String(
        LocationListText(place, hebrew ? Language::kHebrew : Language::kEnglish));
}

void CPLXTimeZonesDlg::AppendCustomRow(const Location& place) {
    auto* item = new QListWidgetItem(RowText(place, true), list_);
    item->setData(Qt::UserRole, place.id);
}

void CPLXTimeZonesDlg::AfterEdit(const PlaceEdit& edit, std::optional<std::int32_t> id) {
    if (editHandler_)
        id = editHandler_(edit);
    {
        const QSignalBlocker quiet(list_);
        while (list_->count() > kBuiltInLocationCount)
            delete list_->takeItem(list_->count() - 1);
        list_->clearSelection();
        for (const Location& place : custom_) {
            AppendCustomRow(place);
            if (id == place.id)
                SelectRow(list_->count() - 1);
        }
    }
    if (id)
        OnSelectionChanged();
}

void CPLXTimeZonesDlg::SelectRow(int row) {
    list_->setCurrentRow(row);
    list_->scrollToItem(list_->item(row));
}

void CPLXTimeZonesDlg::OnSelectionChanged() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    const bool custom = !selected.isEmpty() && ItemValue(selected.front()) >= 0;
    delete_->setEnabled(custom);
    update_->setEnabled(custom);
}

void CPLXTimeZonesDlg::accept() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (!selected.isEmpty()) {
        const int value = ItemValue(selected.front());
        key_ = value >= 0 ? CustomLocationKey(value) : list_->row(selected.front());
    }
    QDialog::accept();
}

void CPLXTimeZonesDlg::OnAdd() {
    CPLXLocationDlg dialog(custom_, hebrewLayout_, this);
    dialog.SetEditId(-1);
    if (dialog.exec() != Accepted || dialog.EditId() < 0)
        return;
    const Location& added = custom_[static_cast<std::size_t>(dialog.EditId())];
    AfterEdit({PlaceEdit::Kind::Add, {}, added}, added.id);
}

void CPLXTimeZonesDlg::OnDelete() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty() || list_->row(selected.front()) == 0)
        return;
    const int id = ItemValue(selected.front());
    if (id < 0)
        return;
    const QString question = LookupString(u"Global", u"DELETE_RECORD_PROMPT");
    const MessageBoxAnswer answer =
        CMessageBoxDlg(hebrewLayout_, this).Show(question, QString(), MessageBoxButtons::YesNo);
    if (answer != MessageBoxAnswer::Yes)
        return;
    const auto found = FindCustomLocation(custom_, id);
    if (!found)
        return;
    const Location deleted = custom_[*found];
    DeleteCustomLocation(custom_, id);
    // The row goes without a new selection; the buttons keep their state and do nothing until a
    // row is chosen.
    AfterEdit({PlaceEdit::Kind::Delete, deleted, {}}, std::nullopt);
}

void CPLXTimeZonesDlg::OnUpdate() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty() || ItemValue(selected.front()) < 0)
        return;
    const std::int32_t id = ItemValue(selected.front());
    const auto found = FindCustomLocation(custom_, id);
    if (!found)
        return;
    const Location before = custom_[*found];
    CPLXLocationDlg dialog(custom_, hebrewLayout_, this);
    dialog.SetEditId(id);
    if (dialog.exec() != Accepted)
        return;
    if (const auto after = FindCustomLocation(custom_, id))
        AfterEdit({PlaceEdit::Kind::Update, before, custom_[*after]}, id);
}

}  // namespace plx
