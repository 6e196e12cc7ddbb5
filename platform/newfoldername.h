#pragma once
// The name a new folder takes in the message tree and in the Contacts tree alike.

#include <span>
#include <string>

namespace platform {

// "New Folder", then "New Folder-1", ...: one pass over the sibling names in their order,
// never restarted, so a sibling that matches an earlier candidate after a later one was
// taken does not count again.
std::string newFolderName(std::span<const std::string> siblingNames);

} // namespace platform
