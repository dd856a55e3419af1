#include "family.h"

namespace mediagen {

namespace {
class ShellFamily final : public Family {
public:
    QString id() const override { return QStringLiteral("shell"); }
    std::vector<MediaFile> files() const override { return {}; }
};
} // namespace

std::unique_ptr<Family> makeShellFamily() { return std::make_unique<ShellFamily>(); }

} // namespace mediagen
