#include "family.h"

namespace mediagen {

namespace {
class AnimationFamily final : public Family {
public:
    QString id() const override { return QStringLiteral("animations"); }
    std::vector<MediaFile> files() const override { return {}; }
};
} // namespace

std::unique_ptr<Family> makeAnimationFamily() { return std::make_unique<AnimationFamily>(); }

} // namespace mediagen
