#pragma once
// Animated-GIF view (QMovie on a label): loading a file replaces the
// animation, the view's size follows the animation's frame size.
#include <QDateTime>
#include <QHash>
#include <QLabel>
#include <QString>

class QMovie;

namespace flumo {

class GifView : public QLabel {
    Q_OBJECT
public:
    explicit GifView(QWidget *parent = nullptr);
    // Loads an absolute path; false (the view keeps its old animation) when
    // the file is missing or not a GIF.
    bool load(const QString &path);
    void setLoop(bool loop) { m_loop = loop; }
    void start();
    void stop();             // stops and shows the first frame
    bool isRunning() const;
    // Steps a running animation by hand while the event loop is blocked
    // (the animation's own timer cannot fire then): shows the next frame,
    // the first again after the last when looping, and repaints at once.
    // Returns the new frame's delay in ms; 0 when not running (no step).
    int stepFrame();
    int frameCount() const;
    const QString &fileName() const { return m_file; }
private:
    // A movie read before, still unchanged on disk; nullptr otherwise.
    QMovie *reuse(const QString &path, const QDateTime &modified, qint64 size);
    void forgetAllBut(QMovie *keep);
    static constexpr qsizetype kMaxLoaded = 64;

    // Every movie this view read stays with it, by path: a view that takes
    // turns among a few dozen files (the praise animation of each problem)
    // parses each once, not on every load. A file changed on disk is read
    // again.
    struct Loaded {
        QMovie *movie = nullptr;   // child of this view
        QDateTime modified;
        qint64 size = -1;
    };
    QHash<QString, Loaded> m_loaded;
    QMovie *m_movie = nullptr; // the one shown, one of m_loaded
    QString m_file;
    bool m_loop = true;
};

} // namespace flumo
