#include "shell.h"

namespace mediagen {

namespace {
class ShellFamily final : public Family {
public:
    QString id() const override { return QStringLiteral("shell"); }
    // Every picture is painted on its own QImage.
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        shell::addFrameFiles(out);
        shell::addToolbarFiles(out);
        shell::addIntroFiles(out);
        shell::addCardFiles(out);
        return out;
    }
};
} // namespace

std::unique_ptr<Family> makeShellFamily() { return std::make_unique<ShellFamily>(); }

} // namespace mediagen
