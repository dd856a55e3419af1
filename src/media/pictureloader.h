#pragma once
// The picture loader: containers (".PT0") under the media root first, then
// the plain file in the working folder. Loaders never show anything; they
// return a null image and an error text (the screen layer shows the box).
#include "platform/filestore.h"
#include <QImage>
#include <QString>
#include <memory>

namespace flumo {

struct Picture {
    QImage image;      // null on failure
    QString error;     // why it failed, for the error box
    bool ok() const { return !image.isNull(); }
};

class PictureLoader {
public:
    // working: the working folder's store (not owned, outlives the loader).
    explicit PictureLoader(const FileStore &working);
    ~PictureLoader();

    // "" = containers lie in the working folder; otherwise an absolute
    // folder ending in "/" (a mounted disc), indexed once here.
    void setMediaRoot(const QString &root);
    const QString &mediaRoot() const { return m_mediaRoot; }

    // LoadPicture(name): MediaRoot + name with its extension replaced by
    // ".PT0" (appended when it has none) if that container exists, else the
    // plain JPEG file name. Traces "picture-missing name=<name>" when neither
    // exists.
    Picture load(const QString &name) const;

    // A plain file of the working folder, never through containers: JPEG or
    // BMP by content (backgrounds, toolbar pictures, bitmaps).
    Picture loadPlain(const QString &name) const;

    // A plain file's bytes: BMP when they start with "BM", else JPEG.
    static Picture decodePlain(const QByteArray &bytes);
    // The JPEG inside container bytes: byte 236 is b, the data starts at b + 255.
    static Picture decodeContainer(const QByteArray &bytes);

private:
    const FileStore &m_working;
    QString m_mediaRoot;
    std::unique_ptr<FileStore> m_rootStore;
};

} // namespace flumo
