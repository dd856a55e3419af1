#include "screens/helpviewer.h"
#include "platform/filestore.h"
#include "platform/trace.h"
#include "screens/geometry.h"
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace flumo {

namespace {
constexpr QSize kViewerSize(640, 520);
}

HelpViewer::HelpViewer(const FileStore &files, QWidget *parent)
    : QDialog(parent), m_files(files), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Nápověda"));
    setModal(true);
    setupScreenWindow(this, kViewerSize, 30);
    setStyleSheet(QStringLiteral("HelpViewer { background: rgb(14,101,110); }"
                                 "QTextBrowser { background: white; border: none; border-radius: 12px; padding: 8px; }"
                                 "QPushButton { font: bold 15px; padding: 6px 18px; }"));
    m_browser->setOpenExternalLinks(false);
    auto *close = new QPushButton(QStringLiteral("Zavřít"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addWidget(m_browser);
    layout->addWidget(close, 0, Qt::AlignHCenter);
}

bool HelpViewer::openTopic(int topic)
{
    Q_UNUSED(topic); // the page has a single topic
    const QString path = m_files.resolve(QString::fromLatin1(kPageName));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        m_browser->setPlainText(QStringLiteral("Nápověda není k dispozici."));
        return false;
    }
    m_browser->setSearchPaths({QFileInfo(path).absolutePath()});
    m_browser->setHtml(QString::fromUtf8(file.readAll()));
    return true;
}

QString HelpViewer::pageText() const
{
    return m_browser->toPlainText();
}

void HelpViewer::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void showHelp(const FileStore &files, int topic, QWidget *parent)
{
    HelpViewer viewer(files, parent);
    const bool found = viewer.openTopic(topic);
    trace("help", {{"topic", QString::number(topic)}, {"found", found ? QStringLiteral("1") : QStringLiteral("0")}});
    viewer.exec();
}

} // namespace flumo
