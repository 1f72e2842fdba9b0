// The user's own locations as the settings store keeps them: "CustomLocations" and one
// "Settings/Location<n>" section per place.
//
// A place takes its section's number as its id, so that its key (80 + n) means the same place to
// every process that reads the file. Another process may add or remove places at any time, so an
// edit is one change of the store as it stands (SettingsStore::Update), not a rewrite of the list
// read at start.
#pragma once

#include "app/settings_store.h"
#include "astro/locations.h"

namespace plx {

// The number of places in the store: the smaller of "CustomLocations" and the number of sections
// Location0, Location1 ... that exist one after the other. A new place takes the next section.
int StoredLocationCount(const SettingsStore& store);

// The places the store holds, each with its section's number as id. A place whose latitude or
// longitude is not a number within range is left out (it keeps its section and number, and the
// places after it keep theirs); any other number that is out of range or not a number reads as its
// default. Each value not taken is added to `rejected` when given.
CustomLocationList LoadCustomLocations(const SettingsStore& store,
                                       RejectedValues* rejected = nullptr);

// Appends the place in a section of its own; returns its key.
LocationKey AddStoredLocation(SettingsStore& store, const Location& place);
// Writes the values in which `after` differs from `before`, the place in section `id` as it was
// read.
void UpdateStoredLocation(SettingsStore& store, std::int32_t id, const Location& before,
                          const Location& after);
// Removes the place in section `id`: the later sections move down one as they are, and the current
// key ("plx_timezone") follows its place. Returns the number of places there were.
int RemoveStoredLocation(SettingsStore& store, std::int32_t id);
// The key that `key` becomes when the place in section `id` of `count` is removed: the same
// place's, one lower when it came after; the last remaining place's when it was that place;
// Jerusalem's when none remains. A key that named no place is left as it is.
LocationKey KeyAfterRemoval(LocationKey key, std::int32_t id, int count);

// A confirmed change of one of the user's places in the program's list, to be made in the store,
// which another process may have changed since the list was read.
struct PlaceEdit {
    enum class Kind { Add, Update, Delete };
    Kind kind = Kind::Add;
    Location before;  // the place as the list showed it, with its id (Update, Delete)
    Location after;   // the place as confirmed (Add, Update)
};
struct PlaceEditResult {
    std::optional<std::int32_t> id;       // the section of the place added or updated
    std::optional<std::int32_t> removed;  // the section of the place deleted
    int count = 0;                        // the number of places before the deletion
};
// Makes the edit in the store as it stands. The place to update or delete is found by its values
// (`before`), in its own section first: the same values elsewhere mean it has moved, none that
// another writer has changed or deleted it. A place deleted meanwhile needs no deletion; an updated
// one that is no longer there is added, so that the values the person confirmed are kept.
PlaceEditResult ApplyPlaceEdit(SettingsStore& store, const PlaceEdit& edit);

// Writes the list whole into sections 0, 1 ... (ids ignored) with its count, over whatever the
// store held: for a store being made, never for one that other writers share. Sections beyond the
// list's length are left in the store; the count bounds what is read back.
void SaveCustomLocations(SettingsStore& store, const CustomLocationList& custom);

}  // namespace plx
