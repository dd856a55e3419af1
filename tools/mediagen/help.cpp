#include "family.h"

namespace mediagen {

namespace {
class HelpFamily final : public Family {
public:
    QString id() const override { return QStringLiteral("help"); }
    std::vector<MediaFile> files() const override { return {}; }
};
} // namespace

std::unique_ptr<Family> makeHelpFamily() { return std::make_unique<HelpFamily>(); }

} // namespace mediagen
