#include "Pictures.h"

#include "engine/Players.h"
#include "platform/Fonts.h"
#include "platform/GameTexts.h"

#include <QPainter>
#include <QPainterPath>
#include <QTranslator>

namespace nf::assets {
namespace {

QColor qc(Rgb c) {
    return {c.r, c.g, c.b};
}

const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kCovered(128, 64, 0);
const QColor kYellow(255, 255, 0);

QImage canvas(QSize size, const QColor& fill, qreal scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

void begin(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
}

// Pip positions on a 3 x 3 grid for the faces 1..6.
void drawPips(QPainter& p, const QRectF& r, int value, const QColor& pip) {
    static const int layout[7][9] = {{},
                                     {0, 0, 0, 0, 1, 0, 0, 0, 0},
                                     {1, 0, 0, 0, 0, 0, 0, 0, 1},
                                     {1, 0, 0, 0, 1, 0, 0, 0, 1},
                                     {1, 0, 1, 0, 0, 0, 1, 0, 1},
                                     {1, 0, 1, 0, 1, 0, 1, 0, 1},
                                     {1, 0, 1, 1, 0, 1, 1, 0, 1}};
    const double cell = r.width() / 4.0;
    p.setPen(Qt::NoPen);
    p.setBrush(pip);
    for (int i = 0; i < 9; ++i)
        if (layout[value][i])
            p.drawEllipse(QPointF(r.left() + cell * (1 + i % 3), r.top() + cell * (1 + i / 3)),
                          cell * 0.36, cell * 0.36);
}

void drawDie(QPainter& p, const QRectF& r, int value, const QColor& body, const QColor& pip) {
    p.setPen(QPen(body.darker(160), std::max(1.0, r.width() / 24)));
    p.setBrush(body);
    p.drawRoundedRect(r, r.width() * 0.16, r.width() * 0.16);
    drawPips(p, r, value, pip);
}

QColor letterColour(int player) {
    return player == 0 ? Qt::white : Qt::black;
}

// A counter: a disc in the player's colour with a ring and the player's initial, so that it
// reads without colour too.
void drawCounter(QPainter& p, const QRectF& r, int player) {
    static const char* letters = "RMYG";
    p.setPen(QPen(qc(playerColour(player)).darker(170), std::max(1.5, r.width() / 14)));
    p.setBrush(qc(playerColour(player)));
    p.drawEllipse(r);
    p.setPen(QPen(letterColour(player), std::max(1.0, r.width() / 30)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(
        r.adjusted(r.width() * 0.14, r.height() * 0.14, -r.width() * 0.14, -r.height() * 0.14));
    QFont f = Fonts::font(QStringLiteral("Arial"), 12, true);
    f.setPixelSize(std::max(6, static_cast<int>(r.height() * 0.46)));
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, QString(QLatin1Char(letters[player])));
}

void drawTile(QPainter& p, const QRectF& r, int number, int coveredBy) {
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(coveredBy >= 0 ? kCovered : Qt::black);
    p.drawRect(r);
    if (coveredBy < 0) {
        QFont f = Fonts::font(QStringLiteral("Arial"), 36, false);
        f.setPixelSize(static_cast<int>(r.height() * 0.75));
        p.setFont(f);
        p.setPen(Qt::red);
        p.drawText(r, Qt::AlignCenter, QString::number(number));
    }
}

void drawCaption(QPainter& p, const QRectF& r, const QString& text, double points,
                 const QColor& colour, const QString& language) {
    p.setFont(Fonts::font(QStringLiteral("Arial"), points, true, language));
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace

QImage openingPicture(QSize size, qreal scale) {
    QImage image = canvas(size, kBlue, scale);
    QPainter p(&image);
    begin(p);
    const double w = size.width(), h = size.height();
    const double tile = w / 10.5;
    for (int n = 1; n <= 9; ++n)
        drawTile(p, QRectF(tile * 0.25 + (n - 1) * tile * 1.12, h * 0.68, tile, tile), n,
                 n == 3 || n == 7 ? 0 : -1);
    drawDie(p, QRectF(w * 0.24, h * 0.12, h * 0.42, h * 0.42), 5, Qt::red, Qt::white);
    p.save();
    p.translate(w * 0.62, h * 0.1);
    p.rotate(14);
    drawDie(p, QRectF(0, 0, h * 0.42, h * 0.42), 4, Qt::red, Qt::white);
    p.restore();
    return image;
}

QImage logoPicture(QSize size, qreal scale) {
    QImage image = canvas(size, kNavy, scale);
    QPainter p(&image);
    begin(p);
    const double w = size.width();
    p.drawImage(QRectF(w * 0.1, w * 0.1, w * 0.8, w * 0.8), ringsIcon(256));
    drawDie(p, QRectF(w * 0.3, size.height() - w * 0.5, w * 0.4, w * 0.4), 5, Qt::red, Qt::white);
    return image;
}

QImage startPicture(QSize size, qreal scale) {
    QImage image = canvas(size, kBlue, scale);
    QPainter p(&image);
    begin(p);
    const double d = std::min(size.width() * 0.42, size.height() * 0.36);
    for (int player = 0; player < 4; ++player) {
        const double x = player % 2 == 0 ? size.width() * 0.05 : size.width() * 0.95 - d;
        const double y = size.height() * 0.04 + player * (size.height() * 0.92 - d) / 3;
        drawCounter(p, QRectF(x, y, d, d), player);
    }
    return image;
}

QImage boardPicture(QSize size, qreal scale) {
    QImage image = canvas(size, kBlue, scale);
    QPainter p(&image);
    begin(p);
    p.setPen(QPen(kYellow, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, size.width() - 3, size.height() - 3));
    const double tile = size.height() * 0.42, gap = (size.width() - 9 * tile) / 10.0;
    for (int n = 1; n <= 9; ++n) {
        const bool covered = n == 3 || n == 4 || n == 9;
        const QRectF r(gap + (n - 1) * (tile + gap), size.height() * 0.08, tile, tile);
        drawTile(p, r, n, covered ? 0 : -1);
        if (covered)
            drawCounter(p, r.translated(0, tile * 1.1).adjusted(3, 3, -3, -3), 0);
    }
    return image;
}

QImage gameOverPicture(QSize size, qreal scale, const QTranslator* translator) {
    // The board's own words at the end of a match.
    const auto say = [translator](Text text) { return textIn(translator, text); };
    const QString language = translator ? translator->language() : QString();
    QImage image = canvas(size, kBlue, scale);
    QPainter p(&image);
    begin(p);
    const double w = size.width(), h = size.height();
    drawCaption(p, QRectF(0, h * 0.04, w, h * 0.2), say(kEndOfGameCaption), 20.25, kYellow,
                language);
    // A cup for the winner.
    QPainterPath cup;
    cup.moveTo(w * 0.36, h * 0.3);
    cup.lineTo(w * 0.64, h * 0.3);
    cup.cubicTo(w * 0.64, h * 0.55, w * 0.56, h * 0.62, w * 0.52, h * 0.64);
    cup.lineTo(w * 0.52, h * 0.72);
    cup.lineTo(w * 0.58, h * 0.76);
    cup.lineTo(w * 0.42, h * 0.76);
    cup.lineTo(w * 0.48, h * 0.72);
    cup.lineTo(w * 0.48, h * 0.64);
    cup.cubicTo(w * 0.44, h * 0.62, w * 0.36, h * 0.55, w * 0.36, h * 0.3);
    p.setPen(QPen(QColor(160, 110, 0), 2));
    p.setBrush(QColor(255, 200, 40));
    p.drawPath(cup);
    drawCaption(p, QRectF(0, h * 0.8, w, h * 0.18), say(winnerMessage(0)), 15.75, Qt::red,
                language);
    return image;
}

QImage spotPicture(int player, QSize size, qreal scale) {
    QImage image = canvas(size, kBlue, scale);
    QPainter p(&image);
    begin(p);
    drawCounter(p, QRectF(QPointF(0, 0), QSizeF(size)).adjusted(6, 6, -6, -6), player);
    return image;
}

QImage dieIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    begin(p);
    const double m = size / 16.0;
    drawDie(p, QRectF(m, m, size - 2 * m, size - 2 * m), 5, Qt::red, Qt::white);
    return image;
}

QImage ringsIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    begin(p);
    p.setPen(Qt::NoPen);
    const QColor rings[] = {Qt::red, kYellow, Qt::red, kYellow, Qt::red};
    for (int i = 0; i < 5; ++i) {
        const double inset = size * (0.02 + i * 0.095);
        p.setBrush(rings[i]);
        p.drawEllipse(QRectF(inset, inset, size - 2 * inset, size - 2 * inset));
    }
    return image;
}

} // namespace nf::assets
