#include "platform/dialogs.h"
#include "platform/filestore.h"
#include "platform/sounddevice.h"
#include "platform/trace.h"
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace flumo {

namespace {

void traceBox(const QString &title, const QString &text)
{
    trace("msgbox", {{"title", title}, {"text", text}});
}

// Texts break lines with "\r" (or "\r\n"); the label breaks only at "\n".
QString displayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// A modal box over the active window; Esc and the close button answer "Ne".
bool askYesNo(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, displayText(text), QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *yes = box.addButton(QStringLiteral("&Ano"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&Ne"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace

bool Dialogs::errorYesNo(const QString &title, const QString &text)
{
    traceBox(title, text);
    return doErrorYesNo(title, text);
}

bool Dialogs::questionYesNo(const QString &title, const QString &text)
{
    traceBox(title, text);
    return doQuestionYesNo(title, text);
}

void Dialogs::errorOk(const QString &title, const QString &text)
{
    traceBox(title, text);
    doErrorOk(title, text);
}

void Dialogs::beep(BeepKind kind)
{
    trace("beep", {{"kind", kind == BeepKind::Ding ? QStringLiteral("ding") : QStringLiteral("default")}});
    doBeep(kind);
}

bool WidgetDialogs::doErrorYesNo(const QString &title, const QString &text)
{
    return askYesNo(QMessageBox::Critical, title, text);
}

bool WidgetDialogs::doQuestionYesNo(const QString &title, const QString &text)
{
    return askYesNo(QMessageBox::Question, title, text);
}

void WidgetDialogs::doErrorOk(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title, displayText(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void WidgetDialogs::doBeep(BeepKind kind)
{
    if (kind == BeepKind::Ding) {
        const QString ding = m_files.resolve(QStringLiteral("zvuky\\ding.wav"));
        if (!ding.isEmpty()) {
            m_sound.playSystem(ding);
            return;
        }
    }
    QApplication::beep();
}

bool ScriptedDialogs::next()
{
    if (m_answers.empty())
        return false;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

int ScriptedDialogs::count(Call::Kind kind) const
{
    return int(std::count_if(m_calls.begin(), m_calls.end(), [kind](const Call &c) { return c.kind == kind; }));
}

bool ScriptedDialogs::doErrorYesNo(const QString &title, const QString &text)
{
    m_calls.push_back({Call::ErrorYesNo, title, text});
    return next();
}

bool ScriptedDialogs::doQuestionYesNo(const QString &title, const QString &text)
{
    m_calls.push_back({Call::QuestionYesNo, title, text});
    return next();
}

void ScriptedDialogs::doErrorOk(const QString &title, const QString &text)
{
    m_calls.push_back({Call::ErrorOk, title, text});
}

void ScriptedDialogs::doBeep(BeepKind kind)
{
    m_calls.push_back({Call::Beep, {}, {}, kind});
}

} // namespace flumo
