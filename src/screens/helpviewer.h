#pragma once
// The program's help, shown by our own viewer in place of the platform's
// help files: the Czech page "Help\Pocty.htm" of the working folder in a
// modal, borderless window. Esc, Enter or the close button end it.
#include <QDialog>

class QTextBrowser;

namespace flumo {

class FileStore;

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    // The page the help file "Help\Pocty.hlp" stands for.
    static constexpr const char *kPageName = "Help\\Pocty.htm";

    HelpViewer(const FileStore &files, QWidget *parent = nullptr);

    // Loads the page for topic (only topic 1 exists); false when the page
    // is missing, in which case the viewer says so in its text.
    bool openTopic(int topic);
    QString pageText() const;

protected:
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    const FileStore &m_files;
    QTextBrowser *m_browser; // owned by this dialog
};

// Shows the help modally at topic over parent ("help topic=<n> found=0|1").
void showHelp(const FileStore &files, int topic, QWidget *parent);

} // namespace flumo
