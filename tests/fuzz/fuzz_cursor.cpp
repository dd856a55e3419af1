// The ".cur" pointer reader: the hot spot always lies inside the picture.
#include "fuzzcommon.h"
#include "media/cursors.h"

using namespace flumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<CursorImage> c = decodeCursor(fuzz::bytesOf(data, size));
    if (c) {
        fuzz::require(!c->image.isNull(), "a picture");
        fuzz::require(c->image.rect().contains(c->hotSpot), "hot spot inside the picture");
    }
    return 0;
}
