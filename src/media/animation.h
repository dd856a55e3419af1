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
    // the file is missing or not a GIF. A hidden view takes its size from
    // the file's header and reads the frames once it is shown or asked to
    // play, so a file loaded for a panel that may never appear costs no
    // decoding; a header without a size is read at once.
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
    int frameCount();
    const QString &fileName() const { return m_file; }
protected:
    void showEvent(QShowEvent *event) override;

private:
    // Reads the loaded file's frames when that was put off; false when
    // there is no movie (none loaded, or the deferred file proved broken).
    bool ensureMovie();
    // A fresh movie of the file, kept by path; nullptr when it is no GIF.
    QMovie *read(const QString &path, const QDateTime &modified, qint64 size);
    // Stops the movie shown and lets it go unless it is kept by path.
    void releaseShown();
    void display(QMovie *movie, const QString &path);
    // A movie read before, still unchanged on disk; nullptr otherwise.
    QMovie *reuse(const QString &path, const QDateTime &modified, qint64 size);
    void forgetAllBut(QMovie *keep);
    static constexpr qsizetype kMaxLoaded = 2;

    // The last movies this view read stay with it, by path: going back to
    // the one shown before parses nothing. Each holds its decoded frame
    // buffers, so only a few are kept; a file changed on disk is read again.
    struct Loaded {
        QMovie *movie = nullptr;   // child of this view
        QDateTime modified;
        qint64 size = -1;
    };
    QHash<QString, Loaded> m_loaded;
    QMovie *m_movie = nullptr; // the one shown, one of m_loaded
    QString m_file;
    Loaded m_deferred;         // m_file's stamp while its reading is put off
    bool m_isDeferred = false;
    bool m_loop = true;
};

} // namespace flumo
