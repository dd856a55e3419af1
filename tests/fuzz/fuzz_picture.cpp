// A plain picture file (JPEG, or BMP when it starts with "BM"): never a
// crash, and a decoded picture is never larger than the loader allows.
#include "fuzzcommon.h"
#include "media/jpeg.h"
#include "media/pictureloader.h"

using namespace flumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Picture p = PictureLoader::decodePlain(fuzz::bytesOf(data, size));
    fuzz::require(p.ok() == p.error.isEmpty(), "an error text exactly when it fails");
    if (p.ok())
        fuzz::require(p.image.width() <= kMaxPictureSide && p.image.height() <= kMaxPictureSide, "size limit");
    return 0;
}
