#include "media/animation.h"
#include "platform/trace.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMovie>
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
        if (QImageReader::imageFormat(path) != "gif")
            return false;
        movie = new QMovie(path, "gif", this);
        if (!movie->isValid() || !movie->jumpToFrame(0)) {
            delete movie;
            return false;
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
        m_loaded.insert(path, Loaded{movie, modified, info.size()});
    }

    if (m_movie && m_movie != movie) {
        m_movie->stop();
        // The old movie of a file that changed on disk is kept by no entry.
        const bool kept = std::any_of(m_loaded.cbegin(), m_loaded.cend(),
                                      [this](const Loaded &l) { return l.movie == m_movie; });
        if (!kept)
            m_movie->deleteLater();
    }
    m_movie = movie;
    m_file = path;
    setMovie(m_movie);
    resize(m_movie->currentImage().size());
    return true;
}

void GifView::start()
{
    if (!m_movie)
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

int GifView::frameCount() const
{
    return m_movie ? m_movie->frameCount() : 0;
}

} // namespace flumo
