#include "platform/newfoldername.h"

namespace platform {

std::string newFolderName(std::span<const std::string> siblingNames, const std::string& base)
{
    std::string name = base;
    int counter = 0;
    for (const std::string& sibling : siblingNames) {
        if (sibling == name) {
            ++counter;
            name = base + "-" + std::to_string(counter);
        }
    }
    return name;
}

} // namespace platform
