#include "media/animation.h"
#include "platform/trace.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMovie>

namespace flumo {

GifView::GifView(QWidget *parent)
    : QLabel(parent)
{
    setScaledContents(false);
}

bool GifView::load(const QString &path)
{
    if (!QFileInfo(path).isFile() || QImageReader::imageFormat(path) != "gif")
        return false;
    auto *movie = new QMovie(path, "gif", this);
    if (!movie->isValid() || !movie->jumpToFrame(0)) {
        delete movie;
        return false;
    }

    if (m_movie) {
        m_movie->stop();
        m_movie->disconnect(this);
        // Deferred: load() may run inside one of the old movie's signals.
        m_movie->deleteLater();
    }
    m_movie = movie;
    m_file = path;
    // The file's own loop count is ignored: the view's mode decides. Play-once
    // halts on the last frame and keeps showing it.
    connect(m_movie, &QMovie::frameChanged, this, [this](int frame) {
        if (!m_loop && m_movie->state() == QMovie::Running && frame == m_movie->frameCount() - 1)
            m_movie->stop();
    });
    connect(m_movie, &QMovie::finished, this, [this] {
        if (m_loop && m_movie->frameCount() > 1)
            QMetaObject::invokeMethod(m_movie, &QMovie::start, Qt::QueuedConnection);
    });
    connect(m_movie, &QMovie::resized, this, [this](const QSize &size) { resize(size); });
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
