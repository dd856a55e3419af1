#pragma once
// The row generator: a row in the upper panel (display boxes 1..L) with one
// position replaced by an empty window, and Tiles among which the child
// finds what belongs there: a repeating pattern of pictures (112), a run of
// consecutive numbers (208) or an arithmetic progression (311).
#include "engine/generator.h"
#include <array>
#include <memory>

namespace flumo {

constexpr int kMaxRowLength = 6;

// 112's patterns: pattern p (1..3), position k (1..6) -> element 1..3.
int patternElement(int pattern, int position);

class RowGenerator : public Generator, public AnswerRule {
public:
    // Draw order: 112 the picture set, the element permutation, the
    // pattern; 208 the offset, the direction; 311 the start, the step;
    // then the gap (subtask 2), the tiles (311: the target tile first, then
    // the distractors), the layout's jitter.
    void build(ProblemContext &ctx) override;
    // Right on TargetTile; the right picture then fills the window.
    bool judgeAnswer(Problem &problem, int selected) override;
    QStringList mediaNames(const Problem &problem) const override;

    int length() const { return m_length; }
    int gapIndex() const { return m_gap; }
    // Row[k], k = 1..length(): 112 the pattern element, else the number.
    int row(int k) const { return k >= 1 && k <= kMaxRowLength ? m_row[static_cast<std::size_t>(k)] : 0; }
    // 112: Element[e], the tile whose picture plays pattern element e.
    int element(int e) const { return e >= 1 && e <= 6 ? m_element[static_cast<std::size_t>(e)] : 0; }
    // DispPicture[k] as the build placed it (the window at the gap).
    QString displayPicture(int k) const
    {
        return k >= 1 && k <= kMaxRowLength ? m_display[static_cast<std::size_t>(k)] : QString();
    }
    // The picture a right answer puts into the window.
    QString fillPicture(const Problem &problem) const;

private:
    int m_task = 0;
    int m_length = 0;
    int m_gap = 0;
    std::array<int, kMaxRowLength + 1> m_row{};
    std::array<int, 7> m_element{};
    std::array<QString, kMaxRowLength + 1> m_display;
    std::array<int, kMaxRowLength + 1> m_left{};
    ProblemHost *m_host = nullptr;
};

std::unique_ptr<Generator> makeRowGenerator();

} // namespace flumo
