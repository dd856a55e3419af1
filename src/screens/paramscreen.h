#pragma once
// The settings screen FParam1: a borderless, modal 457 x 530 window whose
// controls show and edit the Settings store both ways. Created once at start;
// creating it fills the two sound lists and loads "Param1.INI", locating the
// media root half-way through that load.
#include "screens/context.h"
#include "screens/controls.h"
#include <QImage>
#include <QWidget>
#include <functional>

class QCheckBox;
class QEventLoop;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace flumo {

class PaintBox;

class ParamScreen : public QWidget {
    Q_OBJECT
public:
    // locateMediaRoot: runs between the file's "Hodnoceni" and "Obecne"
    // sections; false means the user chose to end the program (see
    // loadSucceeded()). ctx outlives the screen.
    ParamScreen(AppContext &ctx, std::function<bool()> locateMediaRoot, QWidget *parent = nullptr);
    ~ParamScreen() override;

    // False when the load stopped at the media root (the program must end).
    bool loadSucceeded() const { return m_loadSucceeded; }

    // Shows the screen modally and returns when it closes: Accepted when the
    // OK box closed it, Closed for Enter, Esc or a window close.
    enum Result { Closed = 0, Accepted = 1 };
    int showModal();

    // States of TlacNahore1 and SNulou1 recorded when the screen was last
    // shown (1 checked, 0 not); also kept in each control's "tag" property.
    int toolbarTagOnShow() const { return m_toolbarTag; }
    int zeroTagOnShow() const { return m_zeroTag; }

    // Writes "Param1.INI" unless Settings::kSettingsFrozen (then nothing).
    void storeOnClose();

    // Places and sizes every control for a display of dpi pixels per inch
    // (design values at 120; the window keeps its 457 x 530 client size).
    void applyLayout(int dpi);

    // The OK box's click: the checks, then close (or a message and stay).
    void okBoxClicked();

    static constexpr int kClientWidth = 457;
    static constexpr int kClientHeight = 530;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void connectControls();
    void refreshControls();
    void refreshList(QListWidget *list, const std::vector<SoundItem> &items);
    void playListItem(QListWidget *list, QListWidgetItem *item);
    void loadPictures();
    void reportPictureErrors();
    void finish(int result);

    AppContext &m_ctx;
    bool m_loadSucceeded = false;
    int m_toolbarTag = 0;
    int m_zeroTag = 0;
    int m_result = Closed;
    QEventLoop *m_loop = nullptr;   // the running modal loop, or null
    PressedKeys m_pressedKeys;      // Enter and Esc close only when pressed here

    bool m_picturesLoaded = false;
    bool m_pictureErrorsReported = false;
    QImage m_background;            // "Obr-pom\bgr_p.jpg"; null when it failed
    QImage m_okPicture;             // "obr-pom\ok_p.Jpg"; null when it failed
    QStringList m_pictureErrors;

    // Children, owned by their Qt parents.
    QGroupBox *m_groupGeneral = nullptr;    // GroupBox3
    QCheckBox *m_autoAdvance = nullptr;     // AutPosKurz1
    QLabel *m_delayLabel = nullptr;
    QSpinBox *m_delay = nullptr;            // PosKurzPo1
    QCheckBox *m_blackBackdrop = nullptr;   // CernePozadi1
    QCheckBox *m_toolbarOnTop = nullptr;    // TlacNahore1
    QCheckBox *m_autoNextSubtask = nullptr; // ZmPodUkl1
    QCheckBox *m_countWithZero = nullptr;   // SNulou1

    QGroupBox *m_groupRating = nullptr;     // GroupBox2
    QCheckBox *m_useCards = nullptr;        // PouzKart1
    QLabel *m_pointsLabel = nullptr;
    QSpinBox *m_points = nullptr;           // MinPocBodu1
    QLabel *m_errorsLabel = nullptr;
    QSpinBox *m_errors = nullptr;           // MaxPocChyb1
    QGroupBox *m_cardCount = nullptr;       // PocetKart1
    QRadioButton *m_four = nullptr;
    QRadioButton *m_nine = nullptr;

    QGroupBox *m_groupRewards = nullptr;    // GroupBox1
    QLabel *m_praiseLabel = nullptr;
    QListWidget *m_praise = nullptr;        // Pochvaly1
    QCheckBox *m_usePraise = nullptr;       // PouzPochv1
    QLabel *m_reprimandLabel = nullptr;
    QListWidget *m_reprimand = nullptr;     // Pokarani1
    QCheckBox *m_useDing = nullptr;         // PouzDing1

    PaintBox *m_okBox = nullptr;            // PaintBox1
    QPushButton *m_back = nullptr;          // Button1, hidden
};

} // namespace flumo
