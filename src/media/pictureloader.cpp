#include "media/pictureloader.h"
#include "media/jpeg.h"
#include "platform/trace.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace flumo {
namespace {

constexpr int kContainerOffsetByte = 236;
constexpr int kContainerDataBase = 255;

// Name with its extension replaced by ".PT0"; the extension is what follows
// the last dot of the last path component.
QString containerName(const QString &name)
{
    const qsizetype slash = std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > slash ? name.left(dot) : name;
    return stem + QStringLiteral(".PT0");
}

bool readFile(const QString &path, QByteArray *bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *bytes = f.readAll();
    return f.error() == QFile::NoError;
}

Picture failed(const QString &reason)
{
    return Picture{QImage(), reason};
}

} // namespace

Picture PictureLoader::decodePlain(const QByteArray &bytes)
{
    if (bytes.startsWith("BM")) {
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "bmp");
        // BMP is built in: without this every image plugin installed would
        // be loaded and asked first.
        reader.setAutoDetectImageFormat(false);
        const QSize size = reader.size();
        if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
            return failed(QStringLiteral("příliš velký obrázek (%1 × %2)").arg(size.width()).arg(size.height()));
        QImage image = reader.read();
        if (image.isNull())
            return failed(QStringLiteral("poškozená data BMP"));
        return Picture{std::move(image), {}};
    }
    Picture picture;
    picture.image = decodeJpeg(bytes, &picture.error);
    return picture;
}

namespace {

Picture withName(Picture picture, const QString &name)
{
    if (!picture.ok())
        picture.error = QStringLiteral("Obrázek nelze načíst: %1\n%2").arg(name, picture.error);
    return picture;
}

Picture loadFile(const QString &path, const QString &name, bool container)
{
    QByteArray bytes;
    if (!readFile(path, &bytes))
        return withName(failed(QStringLiteral("soubor nelze číst")), name);
    return withName(container ? PictureLoader::decodeContainer(bytes) : PictureLoader::decodePlain(bytes), name);
}

} // namespace

PictureLoader::PictureLoader(const FileStore &working)
    : m_working(working)
{
}

PictureLoader::~PictureLoader() = default;

void PictureLoader::setMediaRoot(const QString &root)
{
    m_mediaRoot = root;
    if (root.isEmpty())
        m_rootStore.reset();
    else
        m_rootStore = std::make_unique<FileStore>(root);
}

Picture PictureLoader::load(const QString &name) const
{
    const FileStore &containers = m_rootStore ? *m_rootStore : m_working;
    const QString container = containers.resolve(containerName(name));
    if (!container.isEmpty())
        return loadFile(container, name, true);

    const QString plain = m_working.resolve(name);
    if (plain.isEmpty()) {
        trace("picture-missing", {{"name", name}});
        return withName(failed(QStringLiteral("soubor chybí")), name);
    }
    return loadFile(plain, name, false);
}

Picture PictureLoader::loadPlain(const QString &name) const
{
    const QString plain = m_working.resolve(name);
    if (plain.isEmpty()) {
        trace("picture-missing", {{"name", name}});
        return withName(failed(QStringLiteral("soubor chybí")), name);
    }
    return loadFile(plain, name, false);
}

Picture PictureLoader::decodeContainer(const QByteArray &bytes)
{
    if (bytes.size() <= kContainerOffsetByte)
        return failed(QStringLiteral("poškozený kontejner (příliš krátký)"));
    const int offset = kContainerDataBase + quint8(bytes.at(kContainerOffsetByte));
    if (bytes.size() <= offset)
        return failed(QStringLiteral("poškozený kontejner (chybí data obrázku)"));
    // A view into bytes, which outlives the decode.
    const QByteArray jpeg = QByteArray::fromRawData(bytes.constData() + offset, bytes.size() - offset);
    Picture picture;
    picture.image = decodeJpeg(jpeg, &picture.error);
    return picture;
}

} // namespace flumo
