#pragma once
// The check of a name typed in place for a tree item (a message folder, a contacts group):
// the same rules for both trees, whatever form the names are compared in. What differs
// between the trees (the texts told, the editor's length limit) is handed in as data.

#include <utility>

namespace platform {

enum class NameCheck
{
    Ok,
    Unchanged, // the item's own name: nothing to do, nothing to tell
    Empty,
    Exists, // a sibling's name
};

// typed: the new name; current: the item's name now; taken(name): whether a sibling holds it.
template <typename Name, typename Taken>
NameCheck checkNewName(const Name& current, const Name& typed, Taken&& taken)
{
    if (typed == current)
        return NameCheck::Unchanged;
    if (typed == Name())
        return NameCheck::Empty;
    if (std::forward<Taken>(taken)(typed))
        return NameCheck::Exists;
    return NameCheck::Ok;
}

} // namespace platform
