// Reads any bytes as a pager image: a document is either refused with a FormError or read
// into records that fit the pager, and what is read writes back to the same image.
#include "contacts/core/addressbook.h"
#include "tools/common/pagerimage.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const recordjson::Json json = recordjson::Json::parse(data, data + size, nullptr, false);
    if (json.is_discarded())
        return 0;
    PagerImage image;
    try {
        image = PagerImage::fromJson(json, "input");
    } catch (const recordjson::FormError&) {
        return 0;
    }
    AddressBook mirror;
    if (mirror.replaceAll(image.contacts, image.groups) != 0)
        abort();
    const PagerImage again = PagerImage::fromJson(image.toJson(), "again");
    if (again.toJson() != image.toJson())
        abort();
    return 0;
}
