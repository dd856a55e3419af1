#pragma once
// Exercise 409, find the picture: twenty pictures of one of five sets lie
// in a 4 x 5 grid and one of them is the secret one. A wrong pick turns
// grey and a spoken clue names a property of the secret picture that the
// picked one does not have. Wrong picks are neither reprimanded nor counted.
//
// The properties come from "Obr\409\Vyroky.INI": section "Typ" + set (two
// digits), key "o" + picture (two digits), up to ten codes per picture in
// slots; a clue is a code of the secret picture in a slot where the picked
// picture has a different code.
#include "engine/generator.h"
#include "platform/inifile.h"
#include <array>
#include <vector>

namespace flumo {

constexpr int kHuntTiles = 20;
constexpr int kHuntSets = 5;
constexpr int kHuntSlots = 10;
constexpr int kHuntGrey = 100;            // added to TileValue of a grey tile

using HuntProperties = std::array<int, kHuntSlots>;   // 0 = empty slot

// The codes of one property value: the digits of each number, numbers ended
// by any non-digit. Several non-digits in a row end one number only (no
// empty number, so no slot is shifted by a stray separator); at most ten.
HuntProperties parseHuntProperties(const QString &value);
// The slot clues: codes of `secret` in slots where `chosen` has a code and
// that `chosen` does not have anywhere.
std::vector<int> huntClues(const HuntProperties &secret, const HuntProperties &chosen);
// What to say when there is no slot clue: any code of `secret` that `chosen`
// lacks; empty when `chosen` has them all.
std::vector<int> huntFallbackClues(const HuntProperties &secret, const HuntProperties &chosen);
// The spoken clue d of set s, and the sentence said when no property tells
// the two pictures apart.
QString huntClueSound(int set, int code);
QString huntNoClueSound();
QString huntOpeningSound(int set);
int huntPoolOf(int set);   // pictures in set s: 64 for set 5, else 32

class FindPictureGame : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    bool judgeStep(ProblemContext &ctx, int selected) override;
    bool quietWrong(const Problem &problem, int selected) const override;
    QStringList mediaNames(const Problem &problem) const override;

    int set() const { return m_set; }
    const HuntProperties &properties(int picture) const { return m_properties[static_cast<std::size_t>(picture)]; }
    // The clue code said for the last wrong pick (0: the no-clue sentence).
    int lastClue() const { return m_lastClue; }

private:
    QString stem(int picture, int look) const;

    int m_set = 1;
    int m_lastClue = 0;
    std::vector<HuntProperties> m_properties;   // index: picture 1..pool
    IniFile m_ini;
    bool m_iniRead = false;
};

std::unique_ptr<Generator> makeFindPictureGame();

} // namespace flumo
