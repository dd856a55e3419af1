#include "screens/paramscreen.h"
#include "media/cursors.h"
#include "platform/inifile.h"
#include "platform/trace.h"
#include "screens/controls.h"
#include "screens/geometry.h"
#include "screens/paintbox.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>

namespace flumo {

namespace {

const QColor kBackgroundColour(14, 101, 110);
const QString kBackgroundPicture = QStringLiteral("Obr-pom\\bgr_p.jpg");
const QString kOkPicture = QStringLiteral("obr-pom\\ok_p.Jpg");
const QString kSettingsFile = QStringLiteral("Param1.INI");
constexpr int kDesignFontPixels = 12;

// Design geometry at 120 pixels per inch, relative to each control's parent.
struct DesignPlace {
    const char *name;
    QRect rect;
};

constexpr DesignPlace kLayout[] = {
    {"GroupBox3", {24, 12, 409, 169}},
    {"AutPosKurz1", {16, 24, 369, 20}},
    {"Label1", {40, 49, 60, 17}},
    {"PosKurzPo1", {104, 44, 41, 26}},
    {"CernePozadi1", {16, 72, 369, 20}},
    {"TlacNahore1", {16, 96, 369, 20}},
    {"ZmPodUkl1", {16, 120, 369, 20}},
    {"SNulou1", {16, 144, 369, 20}},

    {"GroupBox2", {24, 196, 409, 113}},
    {"PouzKart1", {16, 20, 369, 20}},
    {"Label2", {16, 52, 112, 17}},
    {"MinPocBodu1", {136, 48, 49, 26}},
    {"Label3", {16, 81, 118, 17}},
    {"MaxPocChyb1", {136, 79, 49, 26}},
    {"PocetKart1", {248, 40, 121, 57}},
    {"PocetKart1Ctyri", {8, 18, 105, 17}},
    {"PocetKart1Devet", {8, 36, 105, 17}},

    {"GroupBox1", {24, 324, 409, 153}},
    {"Label4", {16, 16, 100, 15}},
    {"Pochvaly1", {16, 32, 161, 89}},
    {"PouzPochv1", {16, 128, 185, 20}},
    {"Label5", {216, 16, 100, 15}},
    {"Pokarani1", {216, 32, 153, 89}},
    {"PouzDing1", {216, 128, 190, 20}},

    {"PaintBox1", {212, 488, 51, 34}},
    {"Button1", {192, 496, 75, 25}},
};

QCheckBox *makeCheck(const char *name, const QString &caption, QWidget *parent)
{
    auto *b = new QCheckBox(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel *makeLabel(const char *name, const QString &caption, QWidget *parent)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QSpinBox *makeSpin(const char *name, int min, int max, QWidget *parent)
{
    auto *s = new QSpinBox(parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(min, max);
    // Edit fields are black on white; the screen's white caption colour
    // would also hide the arrows.
    QPalette pal = s->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    s->setPalette(pal);
    return s;
}

QListWidget *makeCheckList(const char *name, QWidget *parent)
{
    auto *l = new QListWidget(parent);
    l->setObjectName(QLatin1String(name));
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    return l;
}

} // namespace

ParamScreen::ParamScreen(AppContext &ctx, std::function<bool()> locateMediaRoot, QWidget *parent)
    : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("FParam1"));
    setWindowTitle(QStringLiteral("Flumo"));

    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackgroundColour);
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);

    buildControls();
    applyLayout(screenPixelsPerInch());
    setupScreenWindow(this, QSize(kClientWidth, kClientHeight), 45);
    setWindowModality(Qt::ApplicationModal);

    refreshControls();
    connectControls();
    connect(&m_ctx.settings, &Settings::changed, this, &ParamScreen::refreshControls);

    // Enter and Esc close the screen from wherever the focus is.
    installEventFilter(this);
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);

    m_ctx.settings.fillSoundLists(m_ctx.platform.files);
    const QString &own = m_ctx.platform.settingsFile;
    const QString path = own.isEmpty() ? m_ctx.platform.files.resolve(kSettingsFile) : own;
    trace("settings file", {{"path", path}});
    // A missing or unreadable file leaves every setting at its default.
    const IniFile ini = path.isEmpty() ? IniFile() : IniFile::load(path);
    m_loadSucceeded = m_ctx.settings.load(ini, locateMediaRoot);
}

ParamScreen::~ParamScreen()
{
    if (m_loop)
        m_loop->quit();
}

void ParamScreen::buildControls()
{
    m_groupGeneral = new QGroupBox(QStringLiteral("Obecné parametry"), this);
    m_groupGeneral->setObjectName(QStringLiteral("GroupBox3"));
    m_autoAdvance = makeCheck("AutPosKurz1", QStringLiteral("Automatický posun kurzoru"), m_groupGeneral);
    m_delayLabel = makeLabel("Label1", QStringLiteral("Posun po"), m_groupGeneral);
    m_delay = makeSpin("PosKurzPo1", Settings::kDelayMin, Settings::kDelayMax, m_groupGeneral);
    m_blackBackdrop = makeCheck("CernePozadi1", QStringLiteral("Černé pozadí"), m_groupGeneral);
    m_toolbarOnTop = makeCheck("TlacNahore1", QStringLiteral("Tlačítka vždy nahoře"), m_groupGeneral);
    m_autoNextSubtask = makeCheck("ZmPodUkl1", QStringLiteral("Změna varianty úkolu po jeho splnění"), m_groupGeneral);
    m_countWithZero = makeCheck("SNulou1", QStringLiteral("Počítat i s nulou"), m_groupGeneral);

    m_groupRating = new QGroupBox(QStringLiteral("Ohodnocení"), this);
    m_groupRating->setObjectName(QStringLiteral("GroupBox2"));
    m_useCards = makeCheck("PouzKart1", QStringLiteral("Použít hodnocení s kartičkami"), m_groupRating);
    m_pointsLabel = makeLabel("Label2", QStringLiteral("Počet bodů"), m_groupRating);
    m_points = makeSpin("MinPocBodu1", Settings::kPointsMin, Settings::kPointsMax, m_groupRating);
    m_errorsLabel = makeLabel("Label3", QStringLiteral("Maxim. počet chyb"), m_groupRating);
    m_errors = makeSpin("MaxPocChyb1", Settings::kErrorsMin, Settings::kErrorsMax, m_groupRating);
    m_cardCount = new QGroupBox(QStringLiteral("Počet kartiček"), m_groupRating);
    m_cardCount->setObjectName(QStringLiteral("PocetKart1"));
    m_four = new QRadioButton(QStringLiteral("čtyři"), m_cardCount);
    m_four->setObjectName(QStringLiteral("PocetKart1Ctyri"));
    m_nine = new QRadioButton(QStringLiteral("devět"), m_cardCount);
    m_nine->setObjectName(QStringLiteral("PocetKart1Devet"));

    m_groupRewards = new QGroupBox(QStringLiteral("Odměny"), this);
    m_groupRewards->setObjectName(QStringLiteral("GroupBox1"));
    m_praiseLabel = makeLabel("Label4", QStringLiteral("Pochvaly"), m_groupRewards);
    m_praise = makeCheckList("Pochvaly1", m_groupRewards);
    m_praise->setProperty("tag", 1);   // tells the shared double-click handler which folder
    m_usePraise = makeCheck("PouzPochv1", QStringLiteral("Použít pochvalu"), m_groupRewards);
    m_reprimandLabel = makeLabel("Label5", QStringLiteral("Pokárání"), m_groupRewards);
    m_reprimand = makeCheckList("Pokarani1", m_groupRewards);
    m_reprimand->setProperty("tag", 0);
    m_useDing = makeCheck("PouzDing1", QStringLiteral("Použít Ding místo pokárání"), m_groupRewards);

    m_okBox = new PaintBox(QStringLiteral("PaintBox1"), this);
    m_okBox->setPainter([this](PaintBox &, QPainter &p) {
        loadPictures();
        if (!m_okPicture.isNull())
            p.drawImage(0, 0, m_okPicture);
    });
    connect(m_okBox, &PaintBox::clicked, this, [this] { okBoxClicked(); });
    const QString cursorPath = m_ctx.platform.files.resolve(QStringLiteral("obr-pom\\kurz2.cur"));
    const std::optional<QCursor> cursor = cursorPath.isEmpty() ? std::nullopt : loadCursor(cursorPath);
    m_okBox->setCursor(cursor ? *cursor : QCursor(Qt::PointingHandCursor));

    m_back = new QPushButton(QStringLiteral("Zpet"), this);
    m_back->setObjectName(QStringLiteral("Button1"));
    m_back->hide();
}

void ParamScreen::applyLayout(int dpi)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(scaleDesign(kDesignFontPixels, dpi));
    setFont(f);
    for (const DesignPlace &place : kLayout) {
        if (QWidget *w = findChild<QWidget *>(QLatin1String(place.name)))
            w->setGeometry(scaleDesign(place.rect, dpi));
    }
}

void ParamScreen::connectControls()
{
    Settings &s = m_ctx.settings;
    connect(m_autoAdvance, &QCheckBox::toggled, &s, &Settings::setAutoAdvance);
    connect(m_delay, &QSpinBox::valueChanged, &s, &Settings::setAutoAdvanceDelay);
    connect(m_blackBackdrop, &QCheckBox::toggled, &s, &Settings::setBlackBackdrop);
    connect(m_toolbarOnTop, &QCheckBox::toggled, &s, &Settings::setToolbarOnTop);
    connect(m_autoNextSubtask, &QCheckBox::toggled, &s, &Settings::setAutoNextSubtask);
    connect(m_countWithZero, &QCheckBox::toggled, &s, [&s](bool on) { s.setNoZero(!on); });
    connect(m_useCards, &QCheckBox::toggled, &s, &Settings::setUseCards);
    connect(m_points, &QSpinBox::valueChanged, &s, &Settings::setPointsPerCard);
    connect(m_errors, &QSpinBox::valueChanged, &s, &Settings::setMaxErrors);
    connect(m_four, &QRadioButton::toggled, &s, [&s](bool on) { if (on) s.setCardCountIndex(0); });
    connect(m_nine, &QRadioButton::toggled, &s, [&s](bool on) { if (on) s.setCardCountIndex(1); });
    connect(m_usePraise, &QCheckBox::toggled, &s, &Settings::setUsePraise);
    connect(m_useDing, &QCheckBox::toggled, &s, &Settings::setUseDing);
    connect(m_praise, &QListWidget::itemChanged, &s, [this, &s](QListWidgetItem *item) {
        s.setPraiseTicked(m_praise->row(item), item->checkState() == Qt::Checked);
    });
    connect(m_reprimand, &QListWidget::itemChanged, &s, [this, &s](QListWidgetItem *item) {
        s.setReprimandTicked(m_reprimand->row(item), item->checkState() == Qt::Checked);
    });
    connect(m_praise, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) { playListItem(m_praise, item); });
    connect(m_reprimand, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) { playListItem(m_reprimand, item); });
    connect(m_back, &QPushButton::clicked, this, [this] { finish(Closed); });
}

void ParamScreen::refreshControls()
{
    const Settings &s = m_ctx.settings;
    auto check = [](QCheckBox *b, bool on) {
        const QSignalBlocker block(b);
        b->setChecked(on);
    };
    auto spin = [](QSpinBox *b, int v) {
        const QSignalBlocker block(b);
        b->setValue(v);
    };
    check(m_autoAdvance, s.autoAdvance());
    spin(m_delay, s.autoAdvanceDelay());
    check(m_blackBackdrop, s.blackBackdrop());
    check(m_toolbarOnTop, s.toolbarOnTop());
    check(m_autoNextSubtask, s.autoNextSubtask());
    check(m_countWithZero, s.countWithZero());
    check(m_useCards, s.useCards());
    spin(m_points, s.pointsPerCard());
    spin(m_errors, s.maxErrors());
    {
        const QSignalBlocker b4(m_four), b9(m_nine);
        (s.cardCountIndex() == 0 ? m_four : m_nine)->setChecked(true);
    }
    check(m_usePraise, s.usePraise());
    check(m_useDing, s.useDing());
    refreshList(m_praise, s.praiseSounds());
    refreshList(m_reprimand, s.reprimandSounds());
}

void ParamScreen::refreshList(QListWidget *list, const std::vector<SoundItem> &items)
{
    const QSignalBlocker block(list);
    bool sameItems = list->count() == int(items.size());
    for (int i = 0; sameItems && i < list->count(); ++i)
        sameItems = list->item(i)->text() == items[size_t(i)].name;
    if (!sameItems) {
        list->clear();
        for (const SoundItem &s : items) {
            auto *item = new QListWidgetItem(s.name, list);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(items[size_t(i)].ticked ? Qt::Checked : Qt::Unchecked);
}

void ParamScreen::playListItem(QListWidget *list, QListWidgetItem *item)
{
    if (!item)
        return;
    const QString folder = list->property("tag").toInt() == 1 ? QStringLiteral("zvuky\\spravne\\")
                                                               : QStringLiteral("zvuky\\spatne\\");
    const QString path = m_ctx.platform.files.resolve(folder + item->text() + QStringLiteral(".wav"));
    if (path.isEmpty())
        return;
    SoundDevice &sound = m_ctx.platform.sound;
    if (sound.open(path))
        sound.play(false);
}

int ParamScreen::showModal()
{
    if (m_loop)
        return Closed;   // already open; the running call returns the result
    m_toolbarTag = m_toolbarOnTop->isChecked() ? 1 : 0;
    m_zeroTag = m_countWithZero->isChecked() ? 1 : 0;
    m_toolbarOnTop->setProperty("tag", m_toolbarTag);
    m_countWithZero->setProperty("tag", m_zeroTag);
    m_result = Closed;

    show();
    raise();
    activateWindow();
    traceScreen("FParam1", true);

    QEventLoop loop;
    m_loop = &loop;
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
    return m_result;
}

void ParamScreen::okBoxClicked()
{
    const QString message = m_ctx.settings.okCheckMessage();
    if (message.isEmpty()) {
        finish(Accepted);
        return;
    }
    m_ctx.platform.dialogs.beep(BeepKind::Ding);
    m_ctx.platform.dialogs.errorOk(QStringLiteral("Chyba"), message);
}

void ParamScreen::finish(int result)
{
    if (!isVisible())
        return;
    m_result = result;
    hide();
    m_pressedKeys.clear();
    traceScreen("FParam1", false);
    storeOnClose();
    if (m_loop)
        m_loop->quit();
}

void ParamScreen::storeOnClose()
{
    if (Settings::kSettingsFrozen)
        return;
    const FileStore &files = m_ctx.platform.files;
    QString path = m_ctx.platform.settingsFile.isEmpty() ? files.resolve(kSettingsFile)
                                                         : m_ctx.platform.settingsFile;
    if (path.isEmpty())
        path = files.root() + QLatin1Char('/') + kSettingsFile;
    // Starting from the file as it stands keeps keys this program does not use.
    IniFile ini = IniFile::load(path);
    m_ctx.settings.store(ini);
    QString error;
    if (!ini.save(path, &error))
        trace("settings store-failed", {{"error", error}});
}

bool ParamScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        m_pressedKeys.press(key->key(), key->isAutoRepeat());
    }
    if (event->type() == QEvent::KeyRelease && isVisible()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool closeKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
            || key->key() == Qt::Key_Escape;
        // The Enter or Esc that dismissed the OK box's message (or opened
        // this screen) was pressed there: it must not close the screen
        // past its checks.
        if (closeKey && m_pressedKeys.release(key->key(), key->isAutoRepeat())) {
            finish(Closed);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ParamScreen::loadPictures()
{
    if (m_picturesLoaded)
        return;
    m_picturesLoaded = true;
    const Picture background = m_ctx.pictures.loadPlain(kBackgroundPicture);
    m_background = background.image;
    if (!background.ok())
        m_pictureErrors << background.error;
    const Picture ok = m_ctx.pictures.loadPlain(kOkPicture);
    m_okPicture = ok.image;
    if (!ok.ok())
        m_pictureErrors << ok.error;
}

void ParamScreen::reportPictureErrors()
{
    for (const QString &error : std::as_const(m_pictureErrors))
        m_ctx.platform.dialogs.errorOk(QStringLiteral("Chyba"), error);
}

void ParamScreen::paintEvent(QPaintEvent *)
{
    loadPictures();
    QPainter p(this);
    p.fillRect(rect(), kBackgroundColour);
    if (!m_background.isNull())
        p.drawImage(0, 0, m_background);
    // A box from inside a paint would recurse into painting; it is shown
    // once, after this paint, however often the screen repaints.
    if (!m_pictureErrors.isEmpty() && !m_pictureErrorsReported) {
        m_pictureErrorsReported = true;
        QTimer::singleShot(0, this, &ParamScreen::reportPictureErrors);
    }
}

void ParamScreen::closeEvent(QCloseEvent *event)
{
    finish(Closed);
    event->accept();
}

} // namespace flumo
