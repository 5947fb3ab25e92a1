// Words and icons of the test outcomes, drawn here so they look the same whatever icon theme the
// desktop has (or none, as on a bare X server).
#include "OutcomeDisplay.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "TestOutcome.h"
#include "module/TestResult.h"

namespace corvo::hosts::gui {

namespace {

// Icons are drawn on a 16 by 16 grid and scaled to each size asked for.
constexpr int kGrid = 16;

void Tick(QPainter& painter, qreal scale)
{
    QPainterPath path(QPointF(4.0, 8.5) * scale);
    path.lineTo(QPointF(7.0, 11.5) * scale);
    path.lineTo(QPointF(12.0, 5.0) * scale);
    painter.setPen(QPen(Qt::white, 2.2 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

// A mark of exclamation: a stroke and a dot, so no font is needed.
void Exclamation(QPainter& painter, QPointF top, qreal length, const QColor& colour)
{
    painter.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(top, top + QPointF(0, length));
    painter.drawPoint(top + QPointF(0, length + 2.4));
}

void Draw(QPainter& painter, uint32_t result)
{
    const QRectF disc(1.0, 1.0, 14.0, 14.0);
    switch (result) {
    case Passed:
        painter.setBrush(QColor(0x1b, 0x7f, 0x3b));
        painter.drawEllipse(disc);
        Tick(painter, 1.0);
        break;
    case PassedWithWarnings: {
        // The tick of a pass, smaller, with a warning sign over its corner.
        painter.setBrush(QColor(0x1b, 0x7f, 0x3b));
        painter.drawEllipse(QRectF(0.5, 0.5, 11.0, 11.0));
        Tick(painter, 0.75);
        const QPolygonF sign({QPointF(11.5, 6.5), QPointF(16.0, 15.5), QPointF(7.0, 15.5)});
        painter.setPen(QPen(QColor(0x3b, 0x2f, 0x00), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(QColor(0xf2, 0xb7, 0x05));
        painter.drawPolygon(sign);
        Exclamation(painter, QPointF(11.5, 9.5), 2.4, Qt::black);
        break;
    }
    case Failed:
        painter.setBrush(QColor(0xb0, 0x1c, 0x1c));
        painter.drawEllipse(disc);
        painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(5.0, 5.0), QPointF(11.0, 11.0));
        painter.drawLine(QPointF(11.0, 5.0), QPointF(5.0, 11.0));
        break;
    case NotRun:
        // A hollow ring with a dash: nothing happened.
        painter.setPen(QPen(QColor(0x5f, 0x5f, 0x5f), 1.6));
        painter.drawEllipse(QRectF(1.5, 1.5, 13.0, 13.0));
        painter.setPen(QPen(QColor(0x5f, 0x5f, 0x5f), 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4.5, 8.0), QPointF(11.5, 8.0));
        break;
    case Aborted:
        // A stop square on a disc: the run ended without a verdict.
        painter.setBrush(QColor(0x8a, 0x5a, 0x00));
        painter.drawEllipse(disc);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(5.0, 5.0, 6.0, 6.0));
        break;
    case InternalError:
        painter.setBrush(QColor(0x6a, 0x1b, 0x9a));
        painter.drawPolygon(QPolygonF({QPointF(8.0, 0.5), QPointF(15.5, 8.0), QPointF(8.0, 15.5), QPointF(0.5, 8.0)}));
        Exclamation(painter, QPointF(8.0, 4.0), 4.5, Qt::white);
        break;
    default:
        painter.setBrush(QColor(0x5f, 0x5f, 0x5f));
        painter.drawEllipse(disc);
        painter.setPen(Qt::white);
        painter.drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
}

} // namespace

// The words are the hosts' shared ones, so the window and the command-line host say the same.
QString OutcomeDisplay::Text(uint32_t result) { return QString::fromStdString(ResultText(result)); }

QIcon OutcomeDisplay::Icon(uint32_t result)
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(static_cast<qreal>(size) / kGrid, static_cast<qreal>(size) / kGrid);
        painter.setPen(Qt::NoPen);
        Draw(painter, result);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QString OutcomeDisplay::KindText(uint32_t kind) { return QString::fromStdString(MessageKindText(kind)); }

} // namespace corvo::hosts::gui
