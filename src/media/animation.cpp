#include "media/animation.h"
#include "platform/trace.h"

#include <QFileInfo>
#include <QFile>
#include <QMovie>
#include <QtEndian>
#include <algorithm>

namespace flumo {

GifView::GifView(QWidget *parent)
    : QLabel(parent)
{
    setScaledContents(false);
}

QMovie *GifView::reuse(const QString &path, const QDateTime &modified, qint64 size)
{
    const auto it = m_loaded.constFind(path);
    if (it == m_loaded.constEnd())
        return nullptr;
    if (it->modified == modified && it->size == size)
        return it->movie;
    if (it->movie != m_movie)
        it->movie->deleteLater();   // deferred, as in forgetAllBut
    m_loaded.erase(it);
    return nullptr;
}

void GifView::forgetAllBut(QMovie *keep)
{
    for (auto it = m_loaded.begin(); it != m_loaded.end();) {
        if (it->movie == keep) {
            ++it;
            continue;
        }
        // Deferred: load() may run inside one of the old movie's signals.
        it->movie->deleteLater();
        it = m_loaded.erase(it);
    }
}

bool GifView::load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    const QDateTime modified = info.lastModified();
    QMovie *movie = reuse(path, modified, info.size());
    if (movie) {
        // Shown from its first frame, as a fresh load would be.
        movie->stop();
        if (!movie->jumpToFrame(0))
            return false;
    } else {
        // The signature is read here: asking the image readers which format
        // the file has would load every image plugin installed.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray head = file.read(10);
        if (!head.startsWith("GIF87a") && !head.startsWith("GIF89a"))
            return false;
        const QSize screen = head.size() == 10 ? QSize(qFromLittleEndian<quint16>(head.constData() + 6),
                                                       qFromLittleEndian<quint16>(head.constData() + 8))
                                               : QSize();
        file.close();
        if (!isVisible() && !screen.isEmpty()) {
            releaseShown();
            m_movie = nullptr;
            m_file = path;
            m_deferred = Loaded{nullptr, modified, info.size()};
            m_isDeferred = true;
            setMovie(nullptr);
            resize(screen);
            return true;
        }
        movie = read(path, modified, info.size());
        if (!movie)
            return false;
    }
    display(movie, path);
    return true;
}

QMovie *GifView::read(const QString &path, const QDateTime &modified, qint64 size)
{
    auto *movie = new QMovie(path, "gif", this);
    if (!movie->isValid() || !movie->jumpToFrame(0)) {
        delete movie;
        return nullptr;
    }
    // The file's own loop count is ignored: the view's mode decides.
    // Play-once halts on the last frame and keeps showing it. Only the
    // movie shown acts on the view.
    connect(movie, &QMovie::frameChanged, this, [this, movie](int frame) {
        if (movie == m_movie && !m_loop && movie->state() == QMovie::Running && frame == movie->frameCount() - 1)
            movie->stop();
    });
    connect(movie, &QMovie::finished, this, [this, movie] {
        if (movie == m_movie && m_loop && movie->frameCount() > 1)
            QMetaObject::invokeMethod(movie, &QMovie::start, Qt::QueuedConnection);
    });
    connect(movie, &QMovie::resized, this, [this, movie](const QSize &size) {
        if (movie == m_movie)
            resize(size);
    });
    if (m_loaded.size() >= kMaxLoaded)
        forgetAllBut(m_movie);
    m_loaded.insert(path, Loaded{movie, modified, size});
    return movie;
}

void GifView::releaseShown()
{
    if (!m_movie)
        return;
    m_movie->stop();
    // The old movie of a file that changed on disk is kept by no entry.
    const bool kept = std::any_of(m_loaded.cbegin(), m_loaded.cend(),
                                  [this](const Loaded &l) { return l.movie == m_movie; });
    if (!kept)
        m_movie->deleteLater();
}

void GifView::display(QMovie *movie, const QString &path)
{
    if (m_movie != movie)
        releaseShown();
    m_isDeferred = false;
    m_movie = movie;
    m_file = path;
    setMovie(m_movie);
    resize(m_movie->currentImage().size());
}

bool GifView::ensureMovie()
{
    if (m_movie || !m_isDeferred)
        return m_movie != nullptr;
    m_isDeferred = false;
    QMovie *movie = read(m_file, m_deferred.modified, m_deferred.size);
    if (!movie)
        return false;
    display(movie, m_file);
    return true;
}

void GifView::showEvent(QShowEvent *event)
{
    ensureMovie();
    QLabel::showEvent(event);
}

void GifView::start()
{
    if (!ensureMovie())
        return;
    trace("gif-start", {{"file", QFileInfo(m_file).fileName()}, {"loop", m_loop ? QStringLiteral("1") : QStringLiteral("0")}});
    // A running view keeps its place; a paused one resumes; a stopped one
    // starts over.
    if (m_movie->state() != QMovie::Running)
        m_movie->start();
}

void GifView::stop()
{
    if (!m_movie)
        return;
    m_movie->stop();
    m_movie->jumpToFrame(0);
}

int GifView::stepFrame()
{
    if (!isRunning())
        return 0;
    if (!m_movie->jumpToNextFrame()) {
        if (!m_loop)
            return 0;
        m_movie->jumpToFrame(0);
    }
    repaint();
    const int delay = m_movie->nextFrameDelay();
    return delay > 0 ? delay : 100;
}

bool GifView::isRunning() const
{
    return m_movie && m_movie->state() == QMovie::Running;
}

int GifView::frameCount()
{
    return ensureMovie() ? m_movie->frameCount() : 0;
}

} // namespace flumo
