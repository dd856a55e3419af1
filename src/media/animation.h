#pragma once
// Animated-GIF view (QMovie on a label): loading a file replaces the
// animation, the view's size follows the animation's frame size.
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
    QMovie *m_movie = nullptr; // owned by this view
    QString m_file;
    bool m_loop = true;
};

} // namespace flumo
