#include "game/controls/BindingsText.h"

#include <charconv>

#include "base/PrintableText.h"
#include "base/TrimmedText.h"
#include "game/controls/KeyNames.h"

namespace Yorun {

namespace {

constexpr std::string_view kPadSuffix = "_pad";

bool ActionNamed(std::string_view name, Action& action) {
    for (int index = 0; index < kActionCount; ++index) {
        if (name == InfoOf(static_cast<Action>(index)).fileName) {
            action = static_cast<Action>(index);
            return true;
        }
    }
    return false;
}

bool ReadKeys(std::string_view value, bool characters,
              std::array<KeyBinding, Bindings::kKeysPerAction>& keys) {
    std::array<KeyBinding, Bindings::kKeysPerAction> read{};
    if (value == "none" || value.empty()) {
        keys = read;
        return true;
    }
    int slot = 0;
    for (std::size_t start = 0; start <= value.size(); ++slot) {
        const std::size_t comma = std::min(value.find(',', start), value.size());
        const KeyBinding key =
            BindingNamed(Corvane::TrimmedText(value.substr(start, comma - start)), characters);
        if (slot >= Bindings::kKeysPerAction || key.IsNone() || Bindings::IsReserved(key)) {
            return false;
        }
        read[slot] = key;
        start = comma + 1;
    }
    keys = read;
    return true;
}

}  // namespace

BindingEntry ReadBindingEntry(std::string_view key, std::string_view value, Bindings& bindings,
                              std::string& problem) {
    if (key == "version") {
        int version = 0;
        const auto [end, result] = std::from_chars(value.data(), value.data() + value.size(), version);
        if (result != std::errc() || end != value.data() + value.size() || version < 1) {
            problem = "version cannot be " + Corvane::PrintableText(value);
            return BindingEntry::Damaged;
        }
        return BindingEntry::Read;
    }
    const bool pad =
        key.size() > kPadSuffix.size() && key.substr(key.size() - kPadSuffix.size()) == kPadSuffix;
    Action action = Action::Count;
    if (!ActionNamed(pad ? key.substr(0, key.size() - kPadSuffix.size()) : key, action)) {
        return BindingEntry::Unknown;
    }
    Bindings::Entry& entry = bindings.entries[static_cast<int>(action)];
    const bool read =
        pad ? PadControlNamed(value, entry.pad) : ReadKeys(value, InfoOf(action).byLabel, entry.keys);
    if (!read) {
        problem = Corvane::PrintableText(key) + " cannot be " + Corvane::PrintableText(value);
        return BindingEntry::Damaged;
    }
    return BindingEntry::Read;
}

std::string BindingsText(const Bindings& bindings) {
    std::string text =
        "[controls]\n"
        "# keys by their place, named as a US keyboard prints them; shortcuts (pause, help, records, "
        "options,\n"
        "# the volume) by what the key types, wherever the layout has it\n"
        "version = " +
        std::to_string(kBindingsVersion) + "\n";
    for (int index = 0; index < kActionCount; ++index) {
        const ActionInfo& info = InfoOf(static_cast<Action>(index));
        const Bindings::Entry& entry = bindings.entries[index];
        std::string keys;
        for (const KeyBinding& key : entry.keys) {
            if (!key.IsNone()) {
                keys += (keys.empty() ? "" : ", ") + BindingName(key);
            }
        }
        const std::string_view pad = PadControlName(entry.pad);
        text += std::string(info.fileName) + " = " + (keys.empty() ? "none" : keys) + "\n";
        text += std::string(info.fileName) + "_pad = " + std::string(pad.empty() ? "none" : pad) + "\n";
    }
    return text;
}

void DropSharedKeys(Bindings& bindings, std::string& problems) {
    const auto heldBefore = [&bindings](const KeyBinding& key, int action) {
        for (int earlier = 0; earlier < action; ++earlier) {
            for (const KeyBinding& taken : bindings.entries[earlier].keys) {
                if (taken == key) {
                    return earlier;
                }
            }
        }
        return -1;
    };
    const auto heldAnywhere = [&bindings](const KeyBinding& key) {
        for (const Bindings::Entry& entry : bindings.entries) {
            for (const KeyBinding& taken : entry.keys) {
                if (taken == key) {
                    return true;
                }
            }
        }
        return false;
    };
    for (int action = 0; action < kActionCount; ++action) {
        for (int slot = 0; slot < Bindings::kKeysPerAction; ++slot) {
            KeyBinding& key = bindings.entries[action].keys[slot];
            const int earlier = key.IsNone() ? -1 : heldBefore(key, action);
            if (earlier < 0) {
                continue;
            }
            problems += std::string(problems.empty() ? "" : ", ") + BindingName(key) + " is " +
                        InfoOf(static_cast<Action>(earlier)).fileName + "'s, not " +
                        InfoOf(static_cast<Action>(action)).fileName + "'s too";
            // The action gets its own key back, unless another action has that too.
            const KeyBinding own = InfoOf(static_cast<Action>(action)).keys[slot];
            key = KeyBinding{};
            key = heldAnywhere(own) ? KeyBinding{} : own;
        }
    }
}

}  // namespace Yorun
