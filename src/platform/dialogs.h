#pragma once
// Message boxes and beeps. Every call writes its trace line ("msgbox
// text=..." / "beep kind=ding|default") before the backend acts, so both the
// widget dialogs and the scripted test double are observable the same way.
#include <QString>
#include <deque>
#include <vector>

class QWidget;

namespace flumo {

class SoundDevice;
class FileStore;

enum class BeepKind { Ding, Default };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Error box with the buttons "&Ano" and "&Ne"; true for "Ano", false for
    // "Ne" or a closed box.
    bool errorYesNo(const QString &title, const QString &text);
    // Question box with Yes/No; true for Yes.
    bool questionYesNo(const QString &title, const QString &text);
    // Error box with an OK button.
    void errorOk(const QString &title, const QString &text);
    // MessageBeep(0x10000) ("Ding") or the default beep.
    void beep(BeepKind kind);

protected:
    virtual bool doErrorYesNo(const QString &title, const QString &text) = 0;
    virtual bool doQuestionYesNo(const QString &title, const QString &text) = 0;
    virtual void doErrorOk(const QString &title, const QString &text) = 0;
    virtual void doBeep(BeepKind kind) = 0;
};

// QMessageBox over the active window. The Ding plays "zvuky\ding.wav" of the
// working folder on the sound device's system voice; without that file (and
// for the default beep) the display's bell rings.
class WidgetDialogs final : public Dialogs {
public:
    WidgetDialogs(SoundDevice &sound, const FileStore &files) : m_sound(sound), m_files(files) {}
protected:
    bool doErrorYesNo(const QString &title, const QString &text) override;
    bool doQuestionYesNo(const QString &title, const QString &text) override;
    void doErrorOk(const QString &title, const QString &text) override;
    void doBeep(BeepKind kind) override;
private:
    SoundDevice &m_sound;
    const FileStore &m_files;
};

// Test double: records every box and beep; yes/no answers come from a queue
// (an empty queue answers false, like closing the box).
class ScriptedDialogs final : public Dialogs {
public:
    struct Call { enum Kind { ErrorYesNo, QuestionYesNo, ErrorOk, Beep } kind; QString title; QString text; BeepKind beep = BeepKind::Default; };
    void answer(bool yes) { m_answers.push_back(yes); }
    const std::vector<Call> &calls() const { return m_calls; }
    int count(Call::Kind kind) const;
    void clear() { m_calls.clear(); }
protected:
    bool doErrorYesNo(const QString &title, const QString &text) override;
    bool doQuestionYesNo(const QString &title, const QString &text) override;
    void doErrorOk(const QString &title, const QString &text) override;
    void doBeep(BeepKind kind) override;
private:
    bool next();
    std::deque<bool> m_answers;
    std::vector<Call> m_calls;
};

} // namespace flumo
