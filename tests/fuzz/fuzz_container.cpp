// The ".PT0" picture container: the offset byte and the JPEG behind it.
#include "fuzzcommon.h"
#include "media/jpeg.h"
#include "media/pictureloader.h"

using namespace flumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Picture p = PictureLoader::decodeContainer(fuzz::bytesOf(data, size));
    fuzz::require(p.ok() == p.error.isEmpty(), "an error text exactly when it fails");
    if (p.ok()) {
        fuzz::require(size > 255 + data[236], "a picture only from bytes behind the offset");
        fuzz::require(p.image.width() <= kMaxPictureSide && p.image.height() <= kMaxPictureSide, "size limit");
    }
    return 0;
}
