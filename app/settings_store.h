// The per-user settings store: named integers and strings in sections.
//
// Plain C++, so that the stored options and locations can be read and written without Qt (the
// in-memory store below serves tests and the fuzzer). A value that is absent (or unreadable) reads
// as the default the caller gives; reads never fail. Sections nest with '/': "Settings",
// "Settings/TimesOfDay", "Settings/Location0" ...
//
// Another process (plxcal, a second copy of the program) may change the same file at any time, so
// every change goes through Update: it reads the values as they stand now, applies the change and
// writes it, with no other writer in between, and says whether the change was kept.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace plx {

inline constexpr std::u16string_view kSettingsSection = u"Settings";
inline constexpr std::u16string_view kTimesOfDaySection = u"Settings/TimesOfDay";
// The key of the current place, in the "Settings" section.
inline constexpr std::u16string_view kLocationKeyName = u"plx_timezone";

// The section of the custom location at position index: "Settings/Location<index>".
inline std::u16string LocationSection(int index) {
    std::u16string section(u"Settings/Location");
    for (char c : std::to_string(index))
        section += static_cast<char16_t>(c);
    return section;
}

// A stored value outside the values allowed (or not a number), which the loader did not take.
struct RejectedValue {
    std::u16string section;
    std::u16string name;
    std::u16string text;  // as stored
    double low = 0;       // the values allowed, bounds included
    double high = 0;
    // A place's latitude or longitude: the place is left out of the list. Any other value reads
    // as its default.
    bool leavesPlaceOut = false;
};
using RejectedValues = std::vector<RejectedValue>;

// What became of a change to the store.
struct StoreUpdate {
    std::u16string file;       // where the store keeps its values, for messages; empty in memory
    std::u16string failure;    // why the change is not in the store ("Permission denied"); empty
                               // when it is
    std::u16string keptAside;  // where a file that could not be read went before the change
                               // replaced it; empty when nothing was moved

    bool Stored() const { return failure.empty(); }
};

class SettingsStore {
public:
    // Reads and writes the store as it stands while the change runs; throwing leaves it as it was.
    using Change = std::function<void(SettingsStore&)>;

    virtual ~SettingsStore() = default;

    virtual std::int32_t ReadInteger(std::u16string_view section, std::u16string_view name,
                                     std::int32_t fallback) const = 0;
    virtual std::u16string ReadString(std::u16string_view section, std::u16string_view name,
                                      std::u16string_view fallback) const = 0;
    virtual void WriteInteger(std::u16string_view section, std::u16string_view name,
                              std::int32_t value) = 0;
    virtual void WriteString(std::u16string_view section, std::u16string_view name,
                             std::u16string_view value) = 0;
    virtual void DeleteValue(std::u16string_view section, std::u16string_view name) = 0;
    virtual bool Contains(std::u16string_view section, std::u16string_view name) const = 0;
    // The names of the sections directly inside `section` that hold values ("Location0" ... of
    // "Settings"), each once, in no promised order: for lists whose sections are numbered
    // sparsely.
    virtual std::vector<std::u16string> Subsections(std::u16string_view section) const = 0;

    // Applies the change to the values as they stand now and keeps it, as one step that no other
    // writer comes between.
    virtual StoreUpdate Update(const Change& change) = 0;
};

// A store that lives in memory, for tests and for computations that must not touch the user's
// file. Like the real store, a string where an integer is expected reads as the default.
class MemorySettingsStore final : public SettingsStore {
public:
    using Value = std::variant<std::int32_t, std::u16string>;
    using Key = std::pair<std::u16string, std::u16string>;  // section, name

    std::int32_t ReadInteger(std::u16string_view section, std::u16string_view name,
                             std::int32_t fallback) const override {
        const Value* value = Find(section, name);
        const auto* integer = value ? std::get_if<std::int32_t>(value) : nullptr;
        return integer ? *integer : fallback;
    }
    std::u16string ReadString(std::u16string_view section, std::u16string_view name,
                              std::u16string_view fallback) const override {
        const Value* value = Find(section, name);
        const auto* text = value ? std::get_if<std::u16string>(value) : nullptr;
        return text ? *text : std::u16string(fallback);
    }
    void WriteInteger(std::u16string_view section, std::u16string_view name,
                      std::int32_t value) override {
        values_[MakeKey(section, name)] = value;
    }
    void WriteString(std::u16string_view section, std::u16string_view name,
                     std::u16string_view value) override {
        values_[MakeKey(section, name)] = std::u16string(value);
    }
    void DeleteValue(std::u16string_view section, std::u16string_view name) override {
        values_.erase(MakeKey(section, name));
    }

    bool Contains(std::u16string_view section, std::u16string_view name) const override {
        return Find(section, name) != nullptr;
    }
    std::vector<std::u16string> Subsections(std::u16string_view section) const override {
        std::vector<std::u16string> names;
        for (const auto& [key, value] : values_) {
            const std::u16string_view inner(key.first);
            if (inner.size() <= section.size() || !inner.starts_with(section) ||
                inner[section.size()] != u'/')
                continue;
            std::u16string_view child = inner.substr(section.size() + 1);
            child = child.substr(0, child.find(u'/'));
            names.emplace_back(child);
        }
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
        return names;
    }
    StoreUpdate Update(const Change& change) override {
        std::map<Key, Value> before = values_;
        try {
            change(*this);
        } catch (...) {
            values_ = std::move(before);
            throw;
        }
        return {};
    }
    const std::map<Key, Value>& Values() const { return values_; }

private:
    static Key MakeKey(std::u16string_view section, std::u16string_view name) {
        return {std::u16string(section), std::u16string(name)};
    }
    const Value* Find(std::u16string_view section, std::u16string_view name) const {
        const auto found = values_.find(MakeKey(section, name));
        return found == values_.end() ? nullptr : &found->second;
    }

    std::map<Key, Value> values_;
};

}  // namespace plx
