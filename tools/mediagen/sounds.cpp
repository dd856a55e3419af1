#include "family.h"

namespace mediagen {

namespace {
class SoundFamily final : public Family {
public:
    QString id() const override { return QStringLiteral("sounds"); }
    std::vector<MediaFile> files() const override { return {}; }
};
} // namespace

std::unique_ptr<Family> makeSoundFamily() { return std::make_unique<SoundFamily>(); }

} // namespace mediagen
