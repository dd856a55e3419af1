#pragma once
// Connect the numbers (406): numbered points over a drawing area are
// clicked in the order 1, 2, 3, ...; each right click draws a line from the
// previous point. When every point is joined (phase 1) the child names the
// figure by choosing one of three pictures; the right one then shows the
// finished picture. Each figure n is a data file "<prefix>NN.INI" with the
// section "Obr01": "Spojit" (close the figure back to point 1), "Pocet bodu"
// (P) and "x"NN / "y"NN (positions inside the drawing area).
//
// Tile i (1..P) is the label of number i at its point; TileValue[i] = i.
// ProblemValue is the phase. TileInfo records 21..23 hold the stems of the
// three choice pictures, which Tiles 1..3 show in phase 1.
#include "engine/generator.h"
#include <QImage>
#include <vector>

namespace flumo {

class IniFile;

struct ConnectFigure {
    bool closed = false;
    std::vector<QPoint> points;     // points[k] is number k + 1
};

// The highest number of points a figure may have: labels use TileInfo
// records 1..20 (21..23 belong to the choice pictures).
constexpr int kConnectMaxPoints = 20;

// Reads a figure file. Point counts are cut to 0..kConnectMaxPoints and
// positions kept inside the drawing area (0..450), so a bad file never
// places a label off the area or past the records.
ConnectFigure readConnectFigure(const IniFile &ini);
// The numbers 1..P sorted by position: top to bottom, and within equal y
// left to right (the keyboard cursor walks this order).
std::vector<int> connectOrder(const std::vector<QPoint> &points);
// The keyboard cursor's next number after `from` in `order` (cyclic,
// forward or backward), skipping numbers up to `joined`; `from` itself when
// no other number is left; 0 when none is left at all.
int connectCursorStep(const std::vector<int> &order, int joined, int from, bool forward);

class ConnectGame : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    bool judgeStep(ProblemContext &ctx, int selected) override;
    int cursorStep(const Problem &problem, int key, int from) const override;
    bool paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                  std::vector<PictureDraw> &out) const override;
    QStringList mediaNames(const Problem &problem) const override;

    int figure() const { return m_figure; }
    int rightChoice() const { return m_rightChoice; }
    const ConnectFigure &points() const { return m_data; }
    const std::vector<int> &order() const { return m_order; }
    // The lines and fills drawn so far, in screen coordinates.
    const QImage &canvas() const { return m_canvas; }

private:
    QPoint lineEnd(const Problem &problem, int number) const;
    void drawLine(const Problem &problem, int from, int to);
    void startChoice(ProblemContext &ctx);
    void finish(ProblemContext &ctx);

    int m_figure = 0;
    int m_rightChoice = 1;
    int m_choice[4] = {0, 0, 0, 0};     // slots 1..3
    int m_shownTiles = 0;               // Tiles and back boxes the last problem used
    bool m_solved = false;
    QSize m_label;
    QString m_figurePrefix;
    ConnectFigure m_data;
    std::vector<int> m_order;
    QImage m_canvas;
};

std::unique_ptr<Generator> makeConnectGame();

} // namespace flumo
