#pragma once
// The name a new folder takes in the message tree and in the Contacts tree alike.

#include <span>
#include <string>

namespace platform {

// "New Folder", then "New Folder-1", ...: one pass over the sibling names in their order,
// never restarted, so a sibling that matches an earlier candidate after a later one was
// taken does not count again. base: the name before any counter, where the caller shows a
// name of its own (a folder named in the user's language).
std::string newFolderName(std::span<const std::string> siblingNames,
                          const std::string& base = "New Folder");

} // namespace platform
