#include "RecordPlot.h"

#include "StatisticsText.h"
#include "engine/Index.h"
#include "engine/Players.h"
#include "platform/Fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace nf {
namespace {

constexpr double kTopTotalAtLeast = 100;
constexpr double kTopLost = 5;

QColor qcolor(Rgb c) {
    return {c.r, c.g, c.b};
}

// The people's points lost per turn in a match; negative without a known turn.
double lostPerTurn(const MatchSummary& m) {
    double lost = 0;
    long turns = 0;
    for (int seat = 0; seat < m.players && seat < kPlayers; ++seat)
        if (personPlays(m.kind, seat)) {
            lost += m.seats[idx(seat)].lost;
            turns += m.seats[idx(seat)].turns;
        }
    return turns > 0 ? lost / static_cast<double>(turns) : -1;
}

} // namespace

RecordPlot::RecordPlot(std::vector<RecordedMatch> matches, QWidget* parent)
    : QWidget(parent), matches_(std::move(matches)) {
    setAccessibleName(statistics::plotName(static_cast<int>(matches_.size())));
    QStringList said;
    for (const RecordedMatch& r : matches_) {
        QStringList totals;
        for (int seat = 0; seat < r.summary.players && seat < kPlayers; ++seat)
            if (personPlays(r.summary.kind, seat))
                totals << statistics::seatName(seat) + QLatin1Char(' ') +
                              QString::number(r.summary.seats[idx(seat)].total);
        const double lost = lostPerTurn(r.summary);
        said << totals.join(QStringLiteral(", ")) +
                    (lost >= 0 ? QStringLiteral(" (%1)").arg(lost, 0, 'f', 2) : QString());
    }
    setAccessibleDescription(said.join(QStringLiteral("; ")));
    setFocusPolicy(Qt::TabFocus);
}

void RecordPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(30, 8, -30, -8);
    // The scale of the totals: 100, or the highest total plotted rounded up to fifty.
    double topTotal = kTopTotalAtLeast;
    for (const RecordedMatch& r : matches_)
        for (const SeatSummary& s : r.summary.seats)
            topTotal = std::max(topTotal, std::ceil(s.total / 50.0) * 50);
    p.setPen(QPen(qcolor(colours::yellow), 1));
    p.drawRect(area);
    p.setFont(Fonts::font(QStringLiteral("Arial"), 7.5, false));
    p.drawText(QRectF(0, area.top() - 6, 27, 12), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(topTotal));
    p.drawText(QRectF(0, area.bottom() - 6, 27, 12), Qt::AlignRight | Qt::AlignVCenter, "0");
    p.setPen(QPen(Qt::white, 1));
    p.drawText(QRectF(area.right() + 3, area.top() - 6, 27, 12), Qt::AlignLeft | Qt::AlignVCenter,
               "5");
    if (matches_.empty())
        return;
    const double step =
        area.width() / static_cast<double>(std::max<std::size_t>(matches_.size(), 2) - 1);
    const auto x = [&](std::size_t i) {
        return matches_.size() == 1 ? area.center().x()
                                    : area.left() + step * static_cast<double>(i);
    };
    const auto y = [&](double value, double top) {
        return area.bottom() - std::clamp(value / top, 0.0, 1.0) * area.height();
    };
    QPainterPath line;
    bool started = false;
    for (std::size_t i = 0; i < matches_.size(); ++i) {
        const double lost = lostPerTurn(matches_[i].summary);
        if (lost < 0)
            continue;
        const QPointF at(x(i), y(lost, kTopLost));
        started ? line.lineTo(at) : line.moveTo(at);
        started = true;
    }
    p.setPen(QPen(Qt::white, 1.5));
    p.drawPath(line);
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < matches_.size(); ++i) {
        const MatchSummary& m = matches_[i].summary;
        for (int seat = 0; seat < m.players && seat < kPlayers; ++seat)
            if (personPlays(m.kind, seat)) {
                p.setBrush(qcolor(playerColour(seat)));
                p.drawEllipse(QPointF(x(i), y(m.seats[idx(seat)].total, topTotal)), 3, 3);
            }
    }
}

} // namespace nf
