#pragma once
// The live settings store. The settings screen's controls show and edit these
// values; every other part of the program reads them here. Setters clamp to
// the ranges of the controls and run the controls' click actions when a value
// changes (card count resets the score, the backdrop follows BlackBackdrop).
#include "engine/state.h"
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace flumo {

class IniFile;
class FileStore;

struct SoundItem {
    QString name;              // file name without ".wav"
    bool ticked = true;
};

class Settings : public QObject {
    Q_OBJECT
public:
    // scores: reset by a card count change; state: receives the exercise,
    // level and counting-with-zero values on load. Both outlive this object.
    Settings(Scores &scores, EngineState &state, QObject *parent = nullptr);

    // Ranges of the spin edits.
    static constexpr int kPointsMin = 1, kPointsMax = 20;
    static constexpr int kErrorsMin = 0, kErrorsMax = 20;
    static constexpr int kDelayMin = 5, kDelayMax = 50;
    // The file is never written while this is on.
    static constexpr bool kSettingsFrozen = true;

    bool useCards() const { return m_useCards; }
    int pointsPerCard() const { return m_pointsPerCard; }
    int maxErrors() const { return m_maxErrors; }
    int cardCountIndex() const { return m_cardCountIndex; }   // 0 = four, 1 = nine
    bool autoAdvance() const { return m_autoAdvance; }
    int autoAdvanceDelay() const { return m_autoAdvanceDelay; } // tenths of a second
    bool blackBackdrop() const { return m_blackBackdrop; }
    bool autoNextSubtask() const { return m_autoNextSubtask; }
    bool toolbarOnTop() const { return m_toolbarOnTop; }
    bool noZero() const { return m_noZero; }
    bool countWithZero() const { return !m_noZero; }
    bool oneKey() const { return m_oneKey; }
    bool usePraise() const { return m_usePraise; }
    bool useDing() const { return m_useDing; }
    const std::vector<SoundItem> &praiseSounds() const { return m_praise; }
    const std::vector<SoundItem> &reprimandSounds() const { return m_reprimand; }

    void setUseCards(bool on);
    void setPointsPerCard(int v);
    void setMaxErrors(int v);
    void setCardCountIndex(int index);   // clamped to 0..1; on change: cards per set, score reset
    void setAutoAdvance(bool on);
    void setAutoAdvanceDelay(int v);
    void setBlackBackdrop(bool on);
    void setAutoNextSubtask(bool on);
    void setToolbarOnTop(bool on);
    void setNoZero(bool on);
    void setOneKey(bool on);
    void setUsePraise(bool on);
    void setUseDing(bool on);
    void setPraiseTicked(int index, bool on);
    void setReprimandTicked(int index, bool on);

    // Fills the two sound lists from "zvuky\spravne\*.wav" and
    // "zvuky\spatne\*.wav" of the working folder, every item ticked.
    void fillSoundLists(const FileStore &files);

    // NactiUlozNastaveni(true) from the parsed "Param1.INI", in the order of
    // the file's sections; locateMediaRoot runs between "Hodnoceni" and
    // "Obecne" and returns false when the program must end (load stops and
    // returns false).
    bool load(const IniFile &ini, const std::function<bool()> &locateMediaRoot);
    // NactiUlozNastaveni(false): the same keys in the same order.
    void store(IniFile &ini) const;

    // The OK box's checks: empty when the screen may close, else the message.
    QString okCheckMessage() const;

signals:
    void changed();
    void blackBackdropChanged(bool on);
    void cardCountChanged();

private:
    Scores &m_scores;
    EngineState &m_state;
    bool m_useCards = true;
    int m_pointsPerCard = 2;
    int m_maxErrors = 2;
    int m_cardCountIndex = 1;
    bool m_autoAdvance = false;
    int m_autoAdvanceDelay = 5;
    bool m_blackBackdrop = true;
    bool m_autoNextSubtask = false;
    bool m_toolbarOnTop = true;
    bool m_noZero = true;
    bool m_oneKey = false;
    bool m_usePraise = true;
    bool m_useDing = true;
    std::vector<SoundItem> m_praise;
    std::vector<SoundItem> m_reprimand;
};

} // namespace flumo
